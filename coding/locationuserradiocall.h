#pragma once

#include "coding/userradiocall.h"

// User-location protocol with radio call sign (long format, default position).
class LocationUserRadioCall : public UserRadioCall
{
public:
    LocationUserRadioCall();
};
