#pragma once

#include "coding/usermaritime.h"

// User-location protocol with MMSI (long format, default position).
class LocationUserMaritime : public UserMaritime
{
public:
    LocationUserMaritime();
};
