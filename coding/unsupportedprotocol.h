#pragma once

#include "coding/usermaritime.h"

// Stands for a bit pattern this system does not program.
class UnsupportedProtocol : public UserMaritime
{
public:
    UnsupportedProtocol();

    int protocolType() const override;
};
