#include "coding/protocolfields.h"

#include "coding/epirbmsgbase.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The decoder's texts share one catalogue context; the free functions below have no class of their own.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ProtocolFields)
};

QString binary(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 2, QLatin1Char('0'));
}

QString hexOf(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

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

// First bit, width and "no position" pattern of each family's PDF-1 position.
struct Pdf1Default
{
    int first;
    int width;
    uint pattern;
};

Pdf1Default pdf1Default(Family f)
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

class Reader
{
public:
    Reader(const EpirbMsgBase &m, ProtocolFields::Output &o)
        : m(m)
        , o(o)
    {
    }

    uint at(int first, int width) const { return m.bits(first, width); }

    void field(const QString &key, const QString &label, const QString &value, bool problem = false)
    {
        o.fields.append({ key, label, value, problem });
        o.json.insert(key, value);
    }
    void problem(const QString &text) { o.problems.append(text); }
    void note(const QString &text) { o.notes.append(text); }
    void row(int first, int width, const QString &name, const QString &value)
    {
        const QString range = width == 1 ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(first + width - 1);
        o.bits.append({ range, name, value });
    }
    void bin(int first, int width, const QString &name) { row(first, width, name, binary(at(first, width), width)); }
    void dec(int first, int width, const QString &name)
    {
        row(first, width, name, QStringLiteral("%1 (%2)").arg(at(first, width)).arg(binary(at(first, width), width)));
    }

    // Modified Baudot, 6 bits a character (5 for letters-only fields, whose leading 1 is dropped);
    // an unassigned code shows as <bits> and is a problem.
    QString baudot(int first, int chars, int width, const QString &what)
    {
        QString text;
        for (int i = 0; i < chars; ++i) {
            const uint raw = at(first + width * i, width);
            const uint code = width == 5 ? (raw | 0x20) : raw;
            const char c = EpirbMsgBase::fromBaudot(code);
            const bool space = code == 0x24;
            if ((c == ' ' && !space) || (width == 5 && space)) {
                text += QLatin1Char('<') + binary(raw, width) + QLatin1Char('>');
                problem(Text::tr("%1: character %2 has no modified-Baudot meaning (%3)").arg(what).arg(i + 1).arg(binary(raw, width)));
            } else {
                text += QLatin1Char(c);
            }
        }
        row(first, width * chars, what, QStringLiteral("\"%1\"").arg(text));
        return text;
    }

    const EpirbMsgBase &m;
    ProtocolFields::Output &o;
};

QString auxDevice(uint code)
{
    static const char *const names[] = { QT_TRANSLATE_NOOP("ProtocolFields", "none"), QT_TRANSLATE_NOOP("ProtocolFields", "121.5 MHz homing"), QT_TRANSLATE_NOOP("ProtocolFields", "maritime 9 GHz SART"), QT_TRANSLATE_NOOP("ProtocolFields", "other auxiliary radio-locating device(s)") };
    return Text::tr(names[code & 3]);
}

QString yesNo(uint bit) { return bit ? Text::tr("yes") : Text::tr("no"); }

QString source(uint bit) { return bit ? Text::tr("internal navigation device") : Text::tr("external navigation device"); }

QString degrees(double v, const char *pos, const char *neg)
{
    const double a = std::fabs(v);
    int d = int(a);
    const int totalSec = int(std::lround((a - d) * 3600));
    int min = totalSec / 60;
    const int sec = totalSec % 60;
    if (min == 60) {
        min = 0;
        ++d;
    }
    return QStringLiteral("%1°%2'%3\" %4").arg(d).arg(min, 2, 10, QLatin1Char('0')).arg(sec, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(v < 0 ? neg : pos));
}

// A position from its coarse parts and optional offsets (minutes, seconds), with its resolution.
struct Coordinate
{
    uint hemisphere = 0; // 1 south or west
    double magnitude = 0;
};

QString positionText(const Coordinate &lat, const Coordinate &lon, const QString &resolution, Reader &r)
{
    const double la = lat.hemisphere ? -lat.magnitude : lat.magnitude;
    const double lo = lon.hemisphere ? -lon.magnitude : lon.magnitude;
    if (lat.magnitude > 90 || lon.magnitude > 180) {
        r.problem(Text::tr("the position is out of range (latitude %1, longitude %2)").arg(lat.magnitude).arg(lon.magnitude));
        return Text::tr("invalid (beyond 90° or 180°)");
    }
    return QStringLiteral("%1 %2 (%3, %4), %5").arg(degrees(la, "N", "S"), degrees(lo, "E", "W"))
        .arg(la, 0, 'f', 5).arg(lo, 0, 'f', 5).arg(resolution);
}

// Offset: sign bit (1 plus), minutes, 4-second steps.
double offsetOf(Reader &r, int first, int minuteBits, const QString &name)
{
    const uint sign = r.at(first, 1);
    const uint minutes = r.at(first + 1, minuteBits);
    const uint seconds = r.at(first + 1 + minuteBits, 4) * 4;
    r.row(first, 5 + minuteBits, name, QStringLiteral("%1%2' %3\" (%4)").arg(sign ? '+' : '-').arg(minutes).arg(seconds)
              .arg(binary(r.at(first, 5 + minuteBits), 5 + minuteBits)));
    return (sign ? 1 : -1) * (minutes / 60.0 + seconds / 3600.0);
}

void shortUserTail(Reader &r, uint code, bool maritime)
{
    if (code == 1 || code == 2 || code == 3 || code == 6) {
        const uint flag = r.at(107, 1);
        r.bin(107, 1, Text::tr("Emergency code flag"));
        r.bin(108, 1, Text::tr("Activation type (1 automatic and manual)"));
        r.bin(109, 4, flag ? Text::tr("Emergency code") : Text::tr("National use"));
        r.field(QStringLiteral("activationType"), Text::tr("Activation"),
                r.at(108, 1) ? Text::tr("automatic and manual") : Text::tr("manual only"));
        if (!flag) {
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code"), Text::tr("none (bits 109-112 national use: %1)").arg(binary(r.at(109, 4), 4)));
        } else if (maritime) {
            static const char *const nature[] = { QT_TRANSLATE_NOOP("ProtocolFields", "unspecified distress"), QT_TRANSLATE_NOOP("ProtocolFields", "fire or explosion"), QT_TRANSLATE_NOOP("ProtocolFields", "flooding"), QT_TRANSLATE_NOOP("ProtocolFields", "collision"),
                                                  QT_TRANSLATE_NOOP("ProtocolFields", "grounding"), QT_TRANSLATE_NOOP("ProtocolFields", "listing, in danger of capsizing"), QT_TRANSLATE_NOOP("ProtocolFields", "sinking"),
                                                  QT_TRANSLATE_NOOP("ProtocolFields", "disabled and adrift"), QT_TRANSLATE_NOOP("ProtocolFields", "abandoning ship") };
            const uint e = r.at(109, 4);
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code (maritime)"),
                    e < 9 ? Text::tr(nature[e]) : Text::tr("spare (%1)").arg(binary(e, 4)));
        } else {
            QStringList parts;
            parts << (r.at(109, 1) ? Text::tr("fire") : Text::tr("no fire"))
                  << (r.at(110, 1) ? Text::tr("medical help needed") : Text::tr("no medical help needed"))
                  << (r.at(111, 1) ? Text::tr("disabled") : Text::tr("not known to be disabled"));
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code (non-maritime)"), parts.join(QStringLiteral(", ")));
        }
        return;
    }
    const QString what = code == 7 ? Text::tr("Test use") : Text::tr("National use");
    r.bin(107, 6, what);
    r.field(QStringLiteral("unprotectedData"), Text::tr("Bits 107-112"), QStringLiteral("%1: %2").arg(what, binary(r.at(107, 6), 6)));
}

void userLocationTail(Reader &r)
{
    r.bin(107, 1, Text::tr("Position data source"));
    r.bin(108, 1, Text::tr("Latitude N/S"));
    r.dec(109, 7, Text::tr("Latitude degrees"));
    r.dec(116, 4, Text::tr("Latitude minutes (4-minute steps)"));
    r.bin(120, 1, Text::tr("Longitude E/W"));
    r.dec(121, 8, Text::tr("Longitude degrees"));
    r.dec(129, 4, Text::tr("Longitude minutes (4-minute steps)"));
    r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), source(r.at(107, 1)));
    QString text;
    if (r.at(108, 12) == 0b011111110000u && r.at(120, 13) == 0b0111111110000u) {
        text = Text::tr("default / no position");
    } else {
        const Coordinate lat { r.at(108, 1), r.at(109, 7) + r.at(116, 4) * 4 / 60.0 };
        const Coordinate lon { r.at(120, 1), r.at(121, 8) + r.at(129, 4) * 4 / 60.0 };
        text = positionText(lat, lon, Text::tr("4-minute resolution"), r);
    }
    r.field(QStringLiteral("position"), Text::tr("Position"), text);
}

void userProtocol(Reader &r, bool whole)
{
    const uint code = r.at(37, 3);
    bool maritime = code == 2 || code == 6;
    bool auxiliary = code == 1 || code == 2 || code == 3 || code == 6;
    switch (code) {
    case 0: {
        const QString data = r.baudot(40, 7, 6, Text::tr("Orbitography data"));
        r.bin(82, 4, Text::tr("Orbitography data (last bits)"));
        r.field(QStringLiteral("orbitographyData"), Text::tr("Orbitography data"), data + QStringLiteral(" / ") + binary(r.at(82, 4), 4));
        break;
    }
    case 1:
        r.field(QStringLiteral("registrationMarking"), Text::tr("Aircraft registration marking"),
                r.baudot(40, 7, 6, Text::tr("Aircraft registration marking")).trimmed());
        r.dec(82, 2, Text::tr("Specific ELT number"));
        r.field(QStringLiteral("eltNumber"), Text::tr("Specific ELT number"), QString::number(r.at(82, 2)));
        break;
    case 2:
    case 6: {
        QString id;
        if (code == 2) {
            id = r.baudot(40, 6, 6, Text::tr("MMSI (last six digits) or radio call sign"));
        } else {
            id = r.baudot(40, 4, 6, Text::tr("Radio call sign characters 1-4"));
            QString digits;
            for (int i = 0; i < 3; ++i) {
                const uint bcd = r.at(64 + 4 * i, 4);
                if (bcd <= 9) {
                    digits += QChar(u'0' + bcd);
                } else if (bcd == 10) {
                    digits += QLatin1Char(' ');
                } else {
                    digits += QLatin1Char('<') + binary(bcd, 4) + QLatin1Char('>');
                    r.problem(Text::tr("Radio call sign: character %1 is not a BCD digit (%2)").arg(5 + i).arg(binary(bcd, 4)));
                }
            }
            r.row(64, 12, Text::tr("Radio call sign characters 5-7 (BCD, 1010 a space)"), QStringLiteral("\"%1\"").arg(digits));
            id += digits;
        }
        r.field(code == 2 ? QStringLiteral("mmsiOrCallSign") : QStringLiteral("callSign"),
                code == 2 ? Text::tr("MMSI (last six digits) or radio call sign") : Text::tr("Radio call sign"), id.trimmed());
        r.field(QStringLiteral("specificBeacon"), Text::tr("Specific beacon number"),
                r.baudot(76, 1, 6, Text::tr("Specific beacon number")));
        r.bin(82, 2, Text::tr("Spare"));
        break;
    }
    case 3: {
        const uint type = r.at(40, 3);
        static const char *const types[] = { QT_TRANSLATE_NOOP("ProtocolFields", "ELT with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "ELT with aircraft operator designator and serial number"),
                                             QT_TRANSLATE_NOOP("ProtocolFields", "float-free EPIRB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "ELT with aircraft 24-bit address"),
                                             QT_TRANSLATE_NOOP("ProtocolFields", "non-float-free EPIRB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "spare"), QT_TRANSLATE_NOOP("ProtocolFields", "PLB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "spare") };
        maritime = type == 2 || type == 4;
        r.bin(40, 3, Text::tr("Serial beacon type"));
        r.field(QStringLiteral("serialBeaconType"), Text::tr("Beacon type"),
                QStringLiteral("%1 (%2)").arg(Text::tr(types[type]), binary(type, 3)), type == 5 || type == 7);
        if (type == 5 || type == 7)
            r.problem(Text::tr("serial beacon type %1 is spare").arg(binary(type, 3)));
        const uint tacFlag = r.at(43, 1);
        r.bin(43, 1, Text::tr("C/S type approval number flag"));
        if (type == 3) {
            r.row(44, 24, Text::tr("Aircraft 24-bit address"), hexOf(r.at(44, 24), 6));
            r.dec(68, 6, Text::tr("Specific ELT number"));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), hexOf(r.at(44, 24), 6));
            r.field(QStringLiteral("eltNumber"), Text::tr("Specific ELT number"), QString::number(r.at(68, 6)));
        } else if (type == 1) {
            r.field(QStringLiteral("operatorDesignator"), Text::tr("Aircraft operator designator"),
                    r.baudot(44, 3, 6, Text::tr("Aircraft operator designator")));
            r.dec(62, 12, Text::tr("Serial number (from the operator)"));
            r.field(QStringLiteral("operatorSerial"), Text::tr("Serial number (from the operator)"), QString::number(r.at(62, 12)));
        } else {
            r.dec(44, 20, Text::tr("Serial number"));
            r.bin(64, 10, Text::tr("National use"));
            r.field(QStringLiteral("serial"), Text::tr("Serial number"), QString::number(r.at(44, 20)));
            r.field(QStringLiteral("nationalUse64"), Text::tr("Bits 64-73 (national use)"), binary(r.at(64, 10), 10));
        }
        if (tacFlag) {
            r.dec(74, 10, Text::tr("C/S type approval number"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"), QString::number(r.at(74, 10)));
        } else {
            r.bin(74, 10, Text::tr("National use"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"),
                    Text::tr("none: bit 43 = 0, bits 74-83 are national use (%1)").arg(binary(r.at(74, 10), 10)));
            r.note(Text::tr("bit 43 = 0: bits 74-83 are national use, no C/S type approval number"));
        }
        break;
    }
    case 4:
        r.bin(40, 46, Text::tr("National use"));
        r.field(QStringLiteral("nationalUse"), Text::tr("National use (bits 40-85)"), hexOf(r.at(40, 22), 6) + hexOf(r.at(62, 24), 6));
        r.note(Text::tr("national user protocol: bits 40-85 are national use and cannot be read"));
        break;
    case 5:
        r.bin(40, 46, Text::tr("Spare protocol: not defined"));
        r.problem(Text::tr("user protocol code 101 is spare: not a first-generation protocol"));
        auxiliary = false;
        break;
    case 7:
        r.bin(40, 46, Text::tr("Test data"));
        r.field(QStringLiteral("testData"), Text::tr("Test data (bits 40-85)"), hexOf(r.at(40, 22), 6) + hexOf(r.at(62, 24), 6));
        break;
    }
    if (auxiliary) {
        r.bin(84, 2, Text::tr("Auxiliary radio-locating device"));
        r.field(QStringLiteral("auxiliaryDevice"), Text::tr("Auxiliary radio-locating device"), auxDevice(r.at(84, 2)));
    }
    if (!whole || code == 5)
        return;
    if (!r.m.isLongFormat()) {
        shortUserTail(r, code, maritime);
    } else if (auxiliary) {
        userLocationTail(r);
    } else {
        const QString what = code == 7 ? Text::tr("Test use") : Text::tr("National use");
        r.bin(107, 26, what);
        r.field(QStringLiteral("pdf2Data"), Text::tr("Bits 107-132"), QStringLiteral("%1: %2").arg(what, binary(r.at(107, 26), 26)));
    }
}

QString designator5(Reader &r, int first)
{
    return r.baudot(first, 3, 5, Text::tr("Aircraft operator designator (5-bit letters)"));
}

void locationIdentity(Reader &r, uint code, Family f)
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
                    r.problem(Text::tr("ship security: bits 61-64 are %1, not 0000").arg(binary(r.at(61, 4), 4)));
            }
            break;
        }
        case 0x3:
            r.row(41, 24, Text::tr("Aircraft 24-bit address"), hexOf(r.at(41, 24), 6));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), hexOf(r.at(41, 24), 6));
            break;
        case 0x5:
            r.field(QStringLiteral("operatorDesignator"), Text::tr("Aircraft operator designator"), designator5(r, 41));
            r.dec(56, 9, Text::tr("Serial number"));
            r.field(QStringLiteral("operatorSerial"), Text::tr("Serial number (from the operator)"), QString::number(r.at(56, 9)));
            break;
        case 0xE:
            r.bin(41, 24, Text::tr("Test identity"));
            r.field(QStringLiteral("testIdentity"), Text::tr("Test identity (bits 41-64)"), hexOf(r.at(41, 24), 6));
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
            r.row(43, 24, Text::tr("Aircraft 24-bit address"), hexOf(r.at(43, 24), 6));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), hexOf(r.at(43, 24), 6));
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

void locationPosition(Reader &r, Family f, bool whole)
{
    const Pdf1Default d = pdf1Default(f);
    Coordinate lat, lon;
    QString resolution;
    bool hasOffsets = false;
    double latOffset = 0, lonOffset = 0;
    if (f == Family::Standard) {
        r.bin(65, 1, Text::tr("Latitude N/S"));
        r.dec(66, 7, Text::tr("Latitude degrees"));
        r.dec(73, 2, Text::tr("Latitude minutes (15-minute steps)"));
        r.bin(75, 1, Text::tr("Longitude E/W"));
        r.dec(76, 8, Text::tr("Longitude degrees"));
        r.dec(84, 2, Text::tr("Longitude minutes (15-minute steps)"));
        lat = { r.at(65, 1), r.at(66, 7) + r.at(73, 2) * 15 / 60.0 };
        lon = { r.at(75, 1), r.at(76, 8) + r.at(84, 2) * 15 / 60.0 };
        resolution = Text::tr("15-minute resolution");
    } else if (f == Family::National) {
        r.bin(59, 1, Text::tr("Latitude N/S"));
        r.dec(60, 7, Text::tr("Latitude degrees"));
        r.dec(67, 5, Text::tr("Latitude minutes (2-minute steps)"));
        r.bin(72, 1, Text::tr("Longitude E/W"));
        r.dec(73, 8, Text::tr("Longitude degrees"));
        r.dec(81, 5, Text::tr("Longitude minutes (2-minute steps)"));
        lat = { r.at(59, 1), r.at(60, 7) + r.at(67, 5) * 2 / 60.0 };
        lon = { r.at(72, 1), r.at(73, 8) + r.at(81, 5) * 2 / 60.0 };
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

    if (whole && r.m.isLongFormat()) {
        if (f == Family::Standard) {
            r.bin(107, 4, Text::tr("Fixed 1101"));
            r.bin(111, 1, Text::tr("Position data source"));
            r.bin(112, 1, Text::tr("121.5 MHz homing"));
            if (r.at(107, 4) != 0xD)
                r.problem(Text::tr("bits 107-110 are %1, not the fixed 1101").arg(binary(r.at(107, 4), 4)));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), source(r.at(111, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), yesNo(r.at(112, 1)));
            hasOffsets = !(r.at(113, 10) == 0b1000001111u && r.at(123, 10) == 0b1000001111u);
            latOffset = offsetOf(r, 113, 5, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
            lonOffset = offsetOf(r, 123, 5, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
            resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
        } else if (f == Family::National) {
            r.bin(107, 3, Text::tr("Fixed 110"));
            r.bin(110, 1, Text::tr("Additional data flag (1 position offsets)"));
            r.bin(111, 1, Text::tr("Position data source"));
            r.bin(112, 1, Text::tr("121.5 MHz homing"));
            if (r.at(107, 3) != 0x6)
                r.problem(Text::tr("bits 107-109 are %1, not the fixed 110").arg(binary(r.at(107, 3), 3)));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), source(r.at(111, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), yesNo(r.at(112, 1)));
            if (r.at(110, 1)) {
                hasOffsets = !(r.at(113, 7) == 0b1001111u && r.at(120, 7) == 0b1001111u);
                latOffset = offsetOf(r, 113, 2, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
                lonOffset = offsetOf(r, 120, 2, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
                r.bin(127, 6, Text::tr("National use"));
                r.field(QStringLiteral("pdf2NationalUse"), Text::tr("National use"), binary(r.at(127, 6), 6));
            } else {
                r.bin(113, 20, Text::tr("National use"));
                r.field(QStringLiteral("pdf2NationalUse"), Text::tr("National use"), binary(r.at(113, 20), 20));
            }
            resolution = hasOffsets ? Text::tr("4-second resolution") : resolution;
        } else if (f == Family::Rls) {
            r.bin(107, 1, Text::tr("Position data source"));
            r.bin(108, 1, Text::tr("121.5 MHz homing"));
            r.bin(109, 4, Text::tr("RLM capability and feedback"));
            r.bin(113, 2, Text::tr("RLS provider"));
            r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), source(r.at(107, 1)));
            r.field(QStringLiteral("homing121"), Text::tr("121.5 MHz homing"), yesNo(r.at(108, 1)));
            r.field(QStringLiteral("rlmCapability"), Text::tr("Return link messages"),
                    Text::tr("automatic Type-1 %1, manual Type-2 %2; Type-1 received %3, Type-2 received %4")
                        .arg(yesNo(r.at(109, 1)), yesNo(r.at(110, 1)), yesNo(r.at(111, 1)), yesNo(r.at(112, 1))));
            const uint provider = r.at(113, 2);
            r.field(QStringLiteral("rlsProvider"), Text::tr("RLS provider"),
                    provider == 1 ? Text::tr("Galileo") : provider == 2 ? Text::tr("GLONASS") : Text::tr("spare (%1)").arg(binary(provider, 2)));
            hasOffsets = !(r.at(115, 9) == 0b100001111u && r.at(124, 9) == 0b100001111u);
            latOffset = offsetOf(r, 115, 4, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
            lonOffset = offsetOf(r, 124, 4, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
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
                                  .arg(binary(r.at(107, 26), 26), binary(kEltDtCancelPdf2, 26)));
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
                    r.field(QStringLiteral("rotatingField"), Text::tr("Rotating field"), Text::tr("spare (%1)").arg(binary(id, 3)), true);
                    r.problem(Text::tr("ELT(DT) rotating field identifier %1 is spare").arg(binary(id, 3)));
                }
            } else {
                hasOffsets = !(r.at(115, 9) == 0b100001111u && r.at(124, 9) == 0b100001111u);
                latOffset = offsetOf(r, 115, 4, Text::tr("Latitude offset (sign, minutes, 4-second steps)"));
                lonOffset = offsetOf(r, 124, 4, Text::tr("Longitude offset (sign, minutes, 4-second steps)"));
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
        text = positionText(lat, lon, resolution, r);
    }
    r.field(whole ? QStringLiteral("position") : QStringLiteral("positionBits"), whole ? Text::tr("Position") : Text::tr("Position bits as given"), text);
}

void locationProtocol(Reader &r, bool whole)
{
    const uint code = r.at(37, 4);
    const Family f = locationFamily(code);
    if (whole && !r.m.isLongFormat())
        r.problem(Text::tr("a location protocol in a short message: location protocols are long messages only"));
    if (f == Family::Spare) {
        r.bin(41, 45, Text::tr("Spare protocol: not defined"));
        r.problem(Text::tr("location protocol code %1 is spare: nothing can be read and no ID computed").arg(binary(code, 4)));
        return;
    }
    locationIdentity(r, code, f);
    locationPosition(r, f, whole);
}

} // namespace

ProtocolFields::Output ProtocolFields::decode(const EpirbMsgBase &msg, bool wholeMessage)
{
    Output o;
    Reader r(msg, o);
    if (msg.bits(26, 1))
        userProtocol(r, wholeMessage);
    else
        locationProtocol(r, wholeMessage);
    return o;
}

QByteArray ProtocolFields::registrationId(const EpirbMsgBase &msg)
{
    if (msg.bits(26, 1))
        return msg.hexId();
    const Family f = locationFamily(msg.bits(37, 4));
    if (f == Family::Spare)
        return QByteArray();
    const Pdf1Default d = pdf1Default(f);
    EpirbMsgBase id;
    id.loadBytes(msg.messageBytes());
    id.setBits(d.first, d.width, d.pattern);
    return id.hexId();
}
