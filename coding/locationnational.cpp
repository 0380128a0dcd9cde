#include "coding/locationnational.h"

namespace {
// Offsets 1 00 1111 1 00 1111 of bits 113-126.
constexpr uint kDefaultOffsets = 10191;
}

LocationNational::LocationNational(bool test)
{
    setLongFormat();
    setLocationProtocol(test ? 15 : 11);
    setBits(41, 18, 0);
    setBits(59, 1, 0);
    setBits(60, 7, 0x7F);
    setBits(67, 5, 0);
    setBits(72, 1, 0);
    setBits(73, 8, 0xFF);
    setBits(81, 5, 0);
    setBits(107, 3, 6);
    setBits(110, 1, 1);
    setBits(111, 1, 1);
    setBits(112, 1, 1);
    setBits(113, 14, kDefaultOffsets);
    setBits(127, 6, 0);
}

void LocationNational::setSerialNumber(int n)
{
    setBits(41, 18, uint(n));
}

int LocationNational::serialNumber() const
{
    return int(bits(41, 18));
}

void LocationNational::setAdditionalDataType(bool position)
{
    setBits(110, 1, position ? 1 : 0);
    if (position)
        setBits(113, 14, kDefaultOffsets);
}

bool LocationNational::additionalDataType() const
{
    return bits(110, 1) == 1;
}

void LocationNational::setNationalData(int n)
{
    if (additionalDataType())
        setBits(127, 6, uint(n));
    else
        setBits(113, 20, uint(n));
}

int LocationNational::nationalData() const
{
    return int(additionalDataType() ? bits(127, 6) : bits(113, 20));
}

int LocationNational::maxSerialNumber() const
{
    // The national identity field is 18 bits wide; a larger limit would let
    // input through that is silently truncated into another identity.
    return 262143;
}
