#include "coding/locationprotocolfields.h"

#include "coding/epirbmsgbase.h"
#include "coding/fieldreader.h"

#include <QCoreApplication>

#include <tuple>

namespace {

// The decoder's texts share one catalogue context; the functions here have no class of their own.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ProtocolFields)
};

enum class Family { Spare, Standard, National, Rls, EltDt };

Family locationFamily(uint code)
{
    switch (code) {
    case 0x0:
    case 0x1:
        return Family::Spare;
    case 0x8:
    case 0xA:
    case 0xB:
    case 0xF:
        return Family::National;
    case 0x9:
        return Family::EltDt;
    case 0xD:
        return Family::Rls;
    default:
        return Family::Standard;
    }
}

LocationProtocolFields::DefaultPosition pdf1Default(Family f)
{
    switch (f) {
    case Family::Standard:
        return { 65, 21, 0b011111111101111111111u };
    case Family::National:
        return { 59, 27, 0b011111110000001111111100000u };
    case Family::Rls:
    case Family::EltDt:
        return { 67, 19, 0b0111111110111111111u };
    case Family::Spare:
        break;
    }
    return { 0, 0, 0 };
}

// An ELT(DT) that was activated in error and then deactivated says so with these fixed patterns.
constexpr uint kEltDtCancelPdf1 = 0b1111110101111111010u;           // bits 67-85
constexpr uint kEltDtCancelPdf2 = 0b00111100011110000011110000u;    // bits 107-132

QString designator5(FieldReader &r, int first)
{
    return r.baudot(first, 3, 5, Text::tr("Aircraft operator designator (5-bit letters)"));
}

void locationIdentity(FieldReader &r, uint code, Family f)
{
    switch (f) {
    case Family::Standard:
        switch (code) {
        case 0x2:
        case 0xC: {
            const uint mmsi = r.at(41, 20);
            r.dec(41, 20, Text::tr("MMSI (last six digits)"));
            r.field(QStringLiteral("mmsi"), Text::tr("MMSI (last six digits)"), QStringLiteral("%1").arg(mmsi, 6, 10, QLatin1Char('0')), mmsi > 999999);
            if (mmsi > 999999)
                r.problem(Text::tr("the MMSI field holds %1, more than six digits").arg(mmsi));
            if (code == 0x2) {
                r.dec(61, 4, Text::tr("Specific beacon number"));
                r.field(QStringLiteral("specificBeacon"), Text::tr("Specific beacon number"), QString::number(r.at(61, 4)));
            } else {
                r.bin(61, 4, Text::tr("Fixed 0000"));
                r.field(QStringLiteral("alertType"), Text::tr("Alert"), Text::tr("ship security alert (not distress)"));
                if (r.at(61, 4))
                    r.problem(Text::tr("ship security: bits 61-64 are %1, not 0000").arg(FieldReader::binary(r.at(61, 4), 4)));
            }
            break;
        }
        case 0x3:
            r.row(41, 24, Text::tr("Aircraft 24-bit address"), FieldReader::hexOf(r.at(41, 24), 6));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), FieldReader::hexOf(r.at(41, 24), 6));
            break;
        case 0x5:
            r.field(QStringLiteral("operatorDesignator"), Text::tr("Aircraft operator designator"), designator5(r, 41));
            r.dec(56, 9, Text::tr("Serial number"));
            r.field(QStringLiteral("operatorSerial"), Text::tr("Serial number (from the operator)"), QString::number(r.at(56, 9)));
            break;
        case 0xE:
            r.bin(41, 24, Text::tr("Test identity"));
            r.field(QStringLiteral("testIdentity"), Text::tr("Test identity (bits 41-64)"), FieldReader::hexOf(r.at(41, 24), 6));
            break;
        default:
            r.dec(41, 10, Text::tr("C/S type approval number"));
            r.dec(51, 14, Text::tr("Serial number"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"), QString::number(r.at(41, 10)));
            r.field(QStringLiteral("serial"), Text::tr("Serial number"), QString::number(r.at(51, 14)));
            break;
        }
        break;
    case Family::National:
        r.dec(41, 18, Text::tr("National ID"));
        r.field(QStringLiteral("nationalId"), Text::tr("National ID"), QString::number(r.at(41, 18)));
        break;
    case Family::Rls: {
        const uint type = r.at(41, 2);
        r.bin(41, 2, Text::tr("RLS beacon type"));
        if (r.at(43, 4) == 0xF) {
            static const char *const kinds[] = { QT_TRANSLATE_NOOP("ProtocolFields", "first EPIRB on the vessel"), QT_TRANSLATE_NOOP("ProtocolFields", "second EPIRB on the vessel"), QT_TRANSLATE_NOOP("ProtocolFields", "PLB"), QT_TRANSLATE_NOOP("ProtocolFields", "RLS location test") };
            r.field(QStringLiteral("rlsBeaconType"), Text::tr("RLS beacon type"), Text::tr(kinds[type]));
            r.bin(43, 4, Text::tr("MMSI marker (1111)"));
            r.dec(47, 20, Text::tr("MMSI (last six digits)"));
            r.field(QStringLiteral("mmsi"), Text::tr("MMSI (last six digits)"), QStringLiteral("%1").arg(r.at(47, 20), 6, 10, QLatin1Char('0')));
        } else {
            static const char *const kinds[] = { QT_TRANSLATE_NOOP("ProtocolFields", "ELT (TAC series 2000)"), QT_TRANSLATE_NOOP("ProtocolFields", "EPIRB (TAC series 1000)"), QT_TRANSLATE_NOOP("ProtocolFields", "PLB (TAC series 3000)"), QT_TRANSLATE_NOOP("ProtocolFields", "RLS location test") };
            static const int series[] = { 2000, 1000, 3000, 0 };
            r.field(QStringLiteral("rlsBeaconType"), Text::tr("RLS beacon type"), Text::tr(kinds[type]));
            r.dec(43, 10, Text::tr("Truncated RLS TAC"));
            r.dec(53, 14, Text::tr("Serial number"));
            const uint tac = r.at(43, 10);
            // 960-1023 begin with the MMSI marker; 950-959 is no truncated TAC at all.
            const bool beyond = tac > 949;
            QString tacText;
            if (beyond)
                tacText = Text::tr("none: truncated TAC %1 is above 949").arg(tac);
            else if (type == 3)
                tacText = Text::tr("%1 (test: no series)").arg(tac);
            else if (tac >= 920)
                tacText = Text::tr("%1 (national RLS number, truncated %2)").arg(series[type] + int(tac)).arg(tac);
            else
                tacText = Text::tr("%1 (truncated %2)").arg(series[type] + int(tac)).arg(tac);
            r.field(QStringLiteral("rlsTac"), Text::tr("RLS type approval number"), tacText, beyond);
            if (beyond)
                r.problem(Text::tr("the truncated RLS TAC is %1: above 949, it is no RLS type approval number").arg(tac));
            r.field(QStringLiteral("serial"), Text::tr("Serial number"), QString::number(r.at(53, 14)));
        }
        break;
    }
    case Family::EltDt: {
        const uint type = r.at(41, 2);
        r.bin(41, 2, Text::tr("ELT(DT) identity type"));
        if (type == 0) {
            r.row(43, 24, Text::tr("Aircraft 24-bit address"), FieldReader::hexOf(r.at(43, 24), 6));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), FieldReader::hexOf(r.at(43, 24), 6));
        } else if (type == 1) {
            r.field(QStringLiteral("operatorDesignator"), Text::tr("Aircraft operator designator"), designator5(r, 43));
            r.dec(58, 9, Text::tr("Serial number"));
            r.field(QStringLiteral("operatorSerial"), Text::tr("Serial number (from the operator)"), QString::number(r.at(58, 9)));
        } else if (type == 2) {
            r.dec(43, 10, Text::tr("C/S type approval number"));
            r.dec(53, 14, Text::tr("Serial number"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"), QString::number(r.at(43, 10)));
            r.field(QStringLiteral("serial"), Text::tr("Serial number"), QString::number(r.at(53, 14)));
        } else {
            r.bin(43, 24, Text::tr("Spare identity type"));
            r.field(QStringLiteral("eltDtIdentity"), Text::tr("ELT(DT) identity"), Text::tr("identity type 11: spare"), true);
            r.problem(Text::tr("ELT(DT) identity type 11 is spare"));
        }
        break;
    }
    case Family::Spare:
        break;
    }
}

void locationPosition(FieldReader &r, Family f, bool whole)
{
    const LocationProtocolFields::DefaultPosition d = pdf1Default(f);
    FieldReader::Coordinate lat, lon;
    QString resolution;
    bool hasOffsets = false;
    double latOffset = 0, lonOffset = 0;
    if (f == Family::Standard) {
        std::tie(lat, lon) = r.coarsePosition(65, 2, 15);
        resolution = Text::tr("15-minute resolution");
    } else if (f == Family::National) {
        std::tie(lat, lon) = r.coarsePosition(59, 5, 2);
        resolution = Text::tr("2-minute resolution");
    } else {
        r.bin(67, 1, Text::tr("Latitude N/S"));
        r.dec(68, 7, Text::tr("Latitude degrees"));
        r.bin(75, 1, Text::tr("Latitude + 30 minutes"));
        r.bin(76, 1, Text::tr("Longitude E/W"));
        r.dec(77, 8, Text::tr("Longitude degrees"));
        r.bin(85, 1, Text::tr("Longitude + 30 minutes"));
        lat = { r.at(67, 1), r.at(68, 7) + r.at(75, 1) * 0.5 };
        lon = { r.at(76, 1), r.at(77, 8) + r.at(85, 1) * 0.5 };
        resolution = Text::tr("30-minute resolution");
    }
    const bool noPosition = r.at(d.first, d.width) == d.pattern;
    const bool cancellation = f == Family::EltDt && r.at(67, 19) == kEltDtCancelPdf1;
    if (cancellation)
        r.field(QStringLiteral("eltDtMessage"), Text::tr("ELT(DT) message"), Text::tr("cancellation: the alert is cancelled"));

    if (whole && r.message().isLongFormat()) {
        if (f == Family::Standard) {
            r.bin(107, 4, Text::tr("Fixed 1101"));
            r.bin(111, 1, Text::tr("Position data source"));
            r.bin(112, 1, Text::tr("121.5 MHz homing"));
            if (r.at(107, 4) != 0xD)
                r.problem(Text::tr("bits 107-110 are %1, not the fixed 1101").arg(FieldReader::binary(r.at(107, 4), 4)));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), FieldReader::source(r.at(111, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), FieldReader::yesNo(r.at(112, 1)));
            hasOffsets = !(r.at(113, 10) == 0b1000001111u && r.at(123, 10) == 0b1000001111u);
            latOffset = r.offsetOf(113, 5, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
            lonOffset = r.offsetOf(123, 5, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
            resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
        } else if (f == Family::National) {
            r.bin(107, 3, Text::tr("Fixed 110"));
            r.bin(110, 1, Text::tr("Additional data flag (1 position offsets)"));
            r.bin(111, 1, Text::tr("Position data source"));
            r.bin(112, 1, Text::tr("121.5 MHz homing"));
            if (r.at(107, 3) != 0x6)
                r.problem(Text::tr("bits 107-109 are %1, not the fixed 110").arg(FieldReader::binary(r.at(107, 3), 3)));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), FieldReader::source(r.at(111, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), FieldReader::yesNo(r.at(112, 1)));
            if (r.at(110, 1)) {
                hasOffsets = !(r.at(113, 7) == 0b1001111u && r.at(120, 7) == 0b1001111u);
                latOffset = r.offsetOf(113, 2, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
                lonOffset = r.offsetOf(120, 2, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
                r.bin(127, 6, Text::tr("National use"));
                r.field(QStringLiteral("pdf2NationalUse"), Text::tr("National use"), FieldReader::binary(r.at(127, 6), 6));
            } else {
                r.bin(113, 20, Text::tr("National use"));
                r.field(QStringLiteral("pdf2NationalUse"), Text::tr("National use"), FieldReader::binary(r.at(113, 20), 20));
            }
            resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
        } else if (f == Family::Rls) {
            r.bin(107, 1, Text::tr("Position data source"));
            r.bin(108, 1, Text::tr("121.5 MHz homing"));
            r.bin(109, 4, Text::tr("RLM capability and feedback"));
            r.bin(113, 2, Text::tr("RLS provider"));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), FieldReader::source(r.at(107, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), FieldReader::yesNo(r.at(108, 1)));
            r.field(QStringLiteral("rlmCapability"), Text::tr("Return link messages"),
                    Text::tr("automatic Type-1 %1, manual Type-2 %2; Type-1 received %3, Type-2 received %4")
                        .arg(FieldReader::yesNo(r.at(109, 1)), FieldReader::yesNo(r.at(110, 1)), FieldReader::yesNo(r.at(111, 1)), FieldReader::yesNo(r.at(112, 1))));
            const uint provider = r.at(113, 2);
            r.field(QStringLiteral("rlsProvider"), Text::tr("RLS provider"),
                    provider == 1 ? Text::tr("Galileo") : provider == 2 ? Text::tr("GLONASS") : Text::tr("spare (%1)").arg(FieldReader::binary(provider, 2)));
            hasOffsets = !(r.at(115, 9) == 0b100001111u && r.at(124, 9) == 0b100001111u);
            latOffset = r.offsetOf(115, 4, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
            lonOffset = r.offsetOf(124, 4, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
            resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
        } else if (f == Family::EltDt) {
            static const char *const activation[] = { QT_TRANSLATE_NOOP("ProtocolFields", "manual by the user"), QT_TRANSLATE_NOOP("ProtocolFields", "automatic by the beacon"), QT_TRANSLATE_NOOP("ProtocolFields", "automatic by external means"), QT_TRANSLATE_NOOP("ProtocolFields", "spare") };
            static const char *const altitude[] = { QT_TRANSLATE_NOOP("ProtocolFields", "400 m or below"), QT_TRANSLATE_NOOP("ProtocolFields", "400-800 m"), QT_TRANSLATE_NOOP("ProtocolFields", "800-1200 m"), QT_TRANSLATE_NOOP("ProtocolFields", "1200-1600 m"), QT_TRANSLATE_NOOP("ProtocolFields", "1600-2200 m"),
                                                    QT_TRANSLATE_NOOP("ProtocolFields", "2200-2800 m"), QT_TRANSLATE_NOOP("ProtocolFields", "2800-3400 m"), QT_TRANSLATE_NOOP("ProtocolFields", "3400-4000 m"), QT_TRANSLATE_NOOP("ProtocolFields", "4000-4800 m"), QT_TRANSLATE_NOOP("ProtocolFields", "4800-5600 m"),
                                                    QT_TRANSLATE_NOOP("ProtocolFields", "5600-6600 m"), QT_TRANSLATE_NOOP("ProtocolFields", "6600-7600 m"), QT_TRANSLATE_NOOP("ProtocolFields", "7600-8800 m"), QT_TRANSLATE_NOOP("ProtocolFields", "8800-10000 m"), QT_TRANSLATE_NOOP("ProtocolFields", "above 10000 m"),
                                                    QT_TRANSLATE_NOOP("ProtocolFields", "not available") };
            static const char *const fresh[] = { QT_TRANSLATE_NOOP("ProtocolFields", "rotating field"), QT_TRANSLATE_NOOP("ProtocolFields", "more than 60 s old, or the default position"),
                                                 QT_TRANSLATE_NOOP("ProtocolFields", "more than 2 s and up to 60 s old"), QT_TRANSLATE_NOOP("ProtocolFields", "up to 2 s old") };
            r.bin(107, 2, Text::tr("Means of activation"));
            r.bin(109, 4, Text::tr("Encoded altitude"));
            r.bin(113, 2, Text::tr("Location freshness"));
            r.field(QStringLiteral("activation"), Text::tr("Means of activation"), Text::tr(activation[r.at(107, 2)]));
            r.field(QStringLiteral("altitude"), Text::tr("Encoded altitude"), Text::tr(altitude[r.at(109, 4)]));
            r.field(QStringLiteral("freshness"), Text::tr("Location freshness"), Text::tr(fresh[r.at(113, 2)]));
            if (cancellation) {
                r.bin(115, 18, Text::tr("Cancellation pattern"));
                if (r.at(107, 26) != kEltDtCancelPdf2)
                    r.problem(Text::tr("ELT(DT) cancellation: bits 107-132 are %1, not %2")
                                  .arg(FieldReader::binary(r.at(107, 26), 26), FieldReader::binary(kEltDtCancelPdf2, 26)));
            } else if (r.at(113, 2) == 0) {
                // The rotating field replaces the offsets: the position is the coarse one.
                const uint id = r.at(115, 3);
                r.bin(115, 3, Text::tr("Rotating field identifier"));
                if (id == 0) {
                    r.field(QStringLiteral("rotatingField"), Text::tr("Rotating field"), Text::tr("aircraft operator designator (000)"));
                    r.field(QStringLiteral("rotatingDesignator"), Text::tr("Aircraft operator designator (rotating field)"),
                            designator5(r, 118));
                } else {
                    r.bin(118, 15, Text::tr("Rotating field (spare)"));
                    r.field(QStringLiteral("rotatingField"), Text::tr("Rotating field"), Text::tr("spare (%1)").arg(FieldReader::binary(id, 3)), true);
                    r.problem(Text::tr("ELT(DT) rotating field identifier %1 is spare").arg(FieldReader::binary(id, 3)));
                }
            } else {
                hasOffsets = !(r.at(115, 9) == 0b100001111u && r.at(124, 9) == 0b100001111u);
                latOffset = r.offsetOf(115, 4, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
                lonOffset = r.offsetOf(124, 4, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
                resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
            }
        }
    }
    QString text;
    if (cancellation) {
        text = Text::tr("none (cancellation message)");
    } else if (noPosition) {
        text = Text::tr("default / no position");
    } else {
        if (hasOffsets) {
            lat.magnitude += latOffset;
            lon.magnitude += lonOffset;
        }
        text = r.positionText(lat, lon, resolution);
    }
    r.field(whole ? QStringLiteral("position") : QStringLiteral("positionBits"), whole ? Text::tr("Position") : Text::tr("Position bits as given"), text);
}

} // namespace

void LocationProtocolFields::read(FieldReader &r, bool whole)
{
    const uint code = r.at(37, 4);
    const Family f = locationFamily(code);
    if (whole && !r.message().isLongFormat())
        r.problem(Text::tr("a location protocol in a short message: location protocols are long messages only"));
    if (f == Family::Spare) {
        r.bin(41, 45, Text::tr("Spare protocol: not defined"));
        r.problem(Text::tr("location protocol code %1 is spare: nothing can be read and no ID computed").arg(FieldReader::binary(code, 4)));
        return;
    }
    locationIdentity(r, code, f);
    locationPosition(r, f, whole);
}

bool LocationProtocolFields::defaultPosition(uint protocolCode, DefaultPosition &d)
{
    const Family f = locationFamily(protocolCode);
    if (f == Family::Spare)
        return false;
    d = pdf1Default(f);
    return true;
}
