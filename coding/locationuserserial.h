#pragma once

#include "coding/userserial.h"

// User-location serial or test protocol (long format, default position).
class LocationUserSerial : public UserSerial
{
public:
    LocationUserSerial(int category, bool test);

    virtual QString protocolLabel() const;
};
