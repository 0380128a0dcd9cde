#include "coding/locationrlstac.h"

LocationRlsTac::LocationRlsTac(int type)
    : LocationRlsBase(type)
{
    setBits(43, 10, 0);
}

void LocationRlsTac::setTacNo(int n)
{
    // Modulo 959 keeps bits 43-46 off 1111, which would read as the MMSI variant.
    int v = ((n % 959) + 959) % 959;
    if (v == 0)
        v = 1;
    setBits(43, 10, uint(v));
}

int LocationRlsTac::tacNo() const
{
    static const int offsets[4] = { 2000, 1000, 3000, 0 };
    return int(bits(43, 10)) + offsets[bits(41, 2)];
}

void LocationRlsTac::setSerialNumber(int n)
{
    setBits(53, 14, uint(n));
}

int LocationRlsTac::serialNumber() const
{
    return int(bits(53, 14));
}

QString LocationRlsTac::beaconCategoryName() const
{
    switch (bits(41, 2)) {
    case 0: return QStringLiteral("ELT");
    case 1: return QStringLiteral("EPIRB");
    case 2: return QStringLiteral("PLB");
    default: return QStringLiteral("Test");
    }
}

int LocationRlsTac::maxSerialNumber() const
{
    return 16383;
}
