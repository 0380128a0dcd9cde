#include "coding/encodedposition.h"

#include "coding/epirbmsgbase.h"
#include "coding/protocolfields.h"
#include "coding/protocoltype.h"

#include <cmath>
#include <memory>

namespace {

enum class Family { None, Standard, Rls, National, UserLocation };

Family familyOf(int type)
{
    using namespace ProtocolType;
    switch (type) {
    case StdLocationMmsi:
    case StdLocationSerialEpirb:
    case StdLocationTest:
    case StdLocationSerialPlb:
        return Family::Standard;
    case RlsUserTacEpirb:
    case RlsUserMmsiEpirb:
    case RlsUserTacTest:
    case RlsUserMmsiTest:
    case RlsUserTacPlb:
    case RlsUserMmsiPlb:
        return Family::Rls;
    case NationalLocationPlb:
    case NationalLocationTest:
        return Family::National;
    case UserLocationMmsi:
    case UserLocationRadioCallsign:
    case UserLocationSerialEpirb:
    case UserLocationTestEpirb:
    case UserLocationSerialPlb:
    case UserLocationTestPlb:
        return Family::UserLocation;
    default:
        return Family::None;
    }
}

// One coordinate: hemisphere flag, degrees in steps of 1/stepsPerDegree, then
// whole minutes in steps of minuteStep (national and user-location layouts).
struct CoarseField
{
    int flagBit;
    int valueBit;
    int valueWidth;
    int stepsPerDegree;
    int minuteBit = 0;
    int minuteWidth = 0;
    int minuteStep = 0;
};

// Offset: sign (1 adds, 0 subtracts), whole minutes, seconds in 4-second steps.
struct OffsetField
{
    int signBit;
    int minuteWidth;
    int width() const { return 1 + minuteWidth + 4; }
};

struct Layout
{
    int pdf1First = 0; // position bits inside the hex ID (0: none)
    int pdf1Last = 0;
    CoarseField lat;
    CoarseField lon;
    bool hasOffsets = false;
    OffsetField latOffset;
    OffsetField lonOffset;
};

Layout layoutOf(Family family)
{
    Layout l;
    switch (family) {
    case Family::Standard:
        l.pdf1First = 65;
        l.pdf1Last = 85;
        l.lat = { 65, 66, 9, 4 };
        l.lon = { 75, 76, 10, 4 };
        l.hasOffsets = true;
        l.latOffset = { 113, 5 };
        l.lonOffset = { 123, 5 };
        break;
    case Family::Rls:
        l.pdf1First = 67;
        l.pdf1Last = 85;
        l.lat = { 67, 68, 8, 2 };
        l.lon = { 76, 77, 9, 2 };
        l.hasOffsets = true;
        l.latOffset = { 115, 4 };
        l.lonOffset = { 124, 4 };
        break;
    case Family::National:
        l.pdf1First = 59;
        l.pdf1Last = 85;
        l.lat = { 59, 60, 7, 1, 67, 5, 2 };
        l.lon = { 72, 73, 8, 1, 81, 5, 2 };
        l.hasOffsets = true;
        l.latOffset = { 113, 2 };
        l.lonOffset = { 120, 2 };
        break;
    case Family::UserLocation:
        l.lat = { 108, 109, 7, 1, 116, 4, 4 };
        l.lon = { 120, 121, 8, 1, 129, 4, 4 };
        break;
    case Family::None:
        break;
    }
    return l;
}

bool sameBits(const EpirbMsgBase &a, const EpirbMsgBase &b, int first, int width)
{
    return a.bits(first, width) == b.bits(first, width);
}

int fieldEnd(const CoarseField &f)
{
    return f.minuteWidth ? f.minuteBit + f.minuteWidth : f.valueBit + f.valueWidth;
}

// Magnitude in degrees, or -1 when beyond the coordinate's range.
double coarseDegrees(const EpirbMsgBase &msg, const CoarseField &f, double limit)
{
    double degrees = double(msg.bits(f.valueBit, f.valueWidth)) / f.stepsPerDegree;
    if (f.minuteWidth) {
        const uint minutes = msg.bits(f.minuteBit, f.minuteWidth) * uint(f.minuteStep);
        if (minutes >= 60)
            return -1;
        degrees += minutes / 60.0;
    }
    return degrees > limit ? -1 : degrees;
}

double offsetDegrees(const EpirbMsgBase &msg, const OffsetField &f)
{
    const double minutes = msg.bits(f.signBit + 1, f.minuteWidth);
    const double seconds = msg.bits(f.signBit + 1 + f.minuteWidth, 4) * 4.0;
    const double value = minutes / 60.0 + seconds / 3600.0;
    return msg.bits(f.signBit, 1) ? value : -value;
}

double rounded(double degrees)
{
    // Finer than the 4-second resolution of any layout, and free of binary noise.
    return std::round(degrees * 1e6) / 1e6;
}

}

EncodedPosition EncodedPosition::fromMessage(const EpirbMsgBase &msg)
{
    EncodedPosition p;
    const int type = msg.protocolType();
    const Family family = familyOf(type);
    if (family == Family::None || !msg.isLongFormat())
        return p;
    p.m_hasFields = true;

    const Layout l = layoutOf(family);
    const std::unique_ptr<EpirbMsgBase> defaults(EpirbMsgBase::create(type));
    const int latWidth = fieldEnd(l.lat) - l.lat.flagBit;
    const int lonWidth = fieldEnd(l.lon) - l.lon.flagBit;
    if (sameBits(msg, *defaults, l.lat.flagBit, latWidth) && sameBits(msg, *defaults, l.lon.flagBit, lonWidth))
        return p;
    double lat = coarseDegrees(msg, l.lat, 90);
    double lon = coarseDegrees(msg, l.lon, 180);
    if (lat < 0 || lon < 0)
        return p;

    // National messages use PDF-2 for national data instead when bit 110 is 0.
    const bool offsets = l.hasOffsets && (family != Family::National || msg.bits(110, 1) == 1);
    if (offsets) {
        if (!sameBits(msg, *defaults, l.latOffset.signBit, l.latOffset.width()))
            lat += offsetDegrees(msg, l.latOffset);
        if (!sameBits(msg, *defaults, l.lonOffset.signBit, l.lonOffset.width()))
            lon += offsetDegrees(msg, l.lonOffset);
    }
    p.m_known = true;
    p.m_latitude = rounded(msg.bits(l.lat.flagBit, 1) ? -lat : lat);
    p.m_longitude = rounded(msg.bits(l.lon.flagBit, 1) ? -lon : lon);
    return p;
}

QByteArray EncodedPosition::registrationHexId(const EpirbMsgBase &msg)
{
    // One rule for the defaults, that of the decoder, which knows every protocol family.
    const QByteArray id = ProtocolFields::registrationId(msg);
    return id.isEmpty() ? msg.hexId() : id;
}
