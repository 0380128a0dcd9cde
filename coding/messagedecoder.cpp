#include "coding/messagedecoder.h"

#include "coding/encodedposition.h"
#include "coding/epirbmsgbase.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace {

using MsgPtr = std::unique_ptr<EpirbMsgBase>;

QString tr(const char *text)
{
    return QCoreApplication::translate("MessageDecoder", text);
}

enum class Family { Unsupported, UserMaritime, UserCallSign, UserSerial, StdMmsi, StdSerial, RlsTac, RlsMmsi, National };

Family familyOf(int type)
{
    using namespace ProtocolType;
    switch (type) {
    case UserMmsi:
    case UserLocationMmsi:
        return Family::UserMaritime;
    case UserRadiocall:
    case UserLocationRadioCallsign:
        return Family::UserCallSign;
    case UserSerialEpirb:
    case UserSerialPlb:
    case UserLocationSerialEpirb:
    case UserLocationSerialPlb:
    case UserTestEpirb:
    case UserTestPlb:
    case UserLocationTestEpirb:
    case UserLocationTestPlb:
        return Family::UserSerial;
    case StdLocationMmsi:
        return Family::StdMmsi;
    case StdLocationSerialEpirb:
    case StdLocationSerialPlb:
    case StdLocationTest:
        return Family::StdSerial;
    case RlsUserTacEpirb:
    case RlsUserTacPlb:
    case RlsUserTacTest:
        return Family::RlsTac;
    case RlsUserMmsiEpirb:
    case RlsUserMmsiPlb:
    case RlsUserMmsiTest:
        return Family::RlsMmsi;
    case NationalLocationPlb:
    case NationalLocationTest:
        return Family::National;
    default:
        return Family::Unsupported;
    }
}

bool isTestProtocol(int type)
{
    using namespace ProtocolType;
    return type == StdLocationTest || type == UserTestEpirb || type == UserTestPlb || type == UserLocationTestEpirb
        || type == UserLocationTestPlb || type == RlsUserTacTest || type == RlsUserMmsiTest
        || type == NationalLocationTest;
}

// The protocol codes of C/S T.001, named whether or not this program codes them.
QString protocolCodeText(const EpirbMsgBase &m)
{
    if (m.bits(26, 1) == 1) {
        static const char *const user[] = {
            "orbitography", "ELT aviation user", "maritime user (MMSI)", "serial user",
            "national user", "spare (reserved)", "radio call sign user", "test user",
        };
        const uint code = m.bits(37, 3);
        return tr("user protocol %1: %2").arg(code, 3, 2, QLatin1Char('0')).arg(tr(user[code]));
    }
    static const char *const location[] = {
        "spare (reserved)", "spare (reserved)", "standard location, EPIRB MMSI", "standard location, ELT 24-bit aircraft address",
        "standard location, ELT serial", "standard location, ELT aircraft operator", "standard location, EPIRB serial",
        "standard location, PLB serial", "national location, ELT", "ELT(DT) location", "national location, EPIRB",
        "national location, PLB", "standard location, ship security", "RLS location", "standard location, test",
        "national location, test",
    };
    const uint code = m.bits(37, 4);
    return tr("location protocol %1: %2").arg(code, 4, 2, QLatin1Char('0')).arg(tr(location[code]));
}

QString binary(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 2, QLatin1Char('0'));
}

QString hexOf(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString countryText(int code, const MessageDecoder::CountryNames &countryNames)
{
    if (code < 200 || code > 799)
        return tr("%1 (not a country code: outside 200-799)").arg(code);
    const QString name = countryNames ? countryNames(code).trimmed() : QString();
    if (!name.isEmpty())
        return QStringLiteral("%1 %2").arg(code).arg(name);
    return tr("%1 (not in the country list)").arg(code);
}

QString coordinate(double degrees, const char *positive, const char *negative)
{
    const double a = std::fabs(degrees);
    int d = int(a);
    int min = int((a - d) * 60);
    int sec = int(std::lround(((a - d) * 60 - min) * 60));
    if (sec == 60) {
        sec = 0;
        ++min;
    }
    if (min == 60) {
        min = 0;
        ++d;
    }
    return QStringLiteral("%1°%2'%3\" %4").arg(d).arg(min, 2, 10, QLatin1Char('0')).arg(sec, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(degrees < 0 ? negative : positive));
}

// Stored and recomputed BCH codes of a message buffer.
struct BchCodes
{
    uint stored1 = 0, computed1 = 0, stored2 = 0, computed2 = 0;
    bool longFormat = false;
};

BchCodes bchCodes(const EpirbMsgBase &m)
{
    EpirbMsgBase copy;
    copy.loadBytes(m.messageBytes());
    copy.calculateBch();
    BchCodes c;
    c.longFormat = m.isLongFormat();
    c.stored1 = m.bits(86, 21);
    c.computed1 = copy.bits(86, 21);
    if (c.longFormat) {
        c.stored2 = m.bits(133, 12);
        c.computed2 = copy.bits(133, 12);
    }
    return c;
}

class Builder
{
public:
    Builder(const EpirbMsgBase &m, MessageDecoder::Result &r)
        : m(m)
        , r(r)
    {
    }

    void field(const QString &key, const QString &label, const QString &value, bool problem = false)
    {
        r.fields.append({ key, label, value, problem });
    }
    void row(int first, int width, const QString &name, const QString &value)
    {
        const QString range = width == 1 ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(first + width - 1);
        r.bits.append({ range, name, value });
    }
    void bin(int first, int width, const QString &name)
    {
        row(first, width, name, binary(m.bits(first, width), width));
    }
    void dec(int first, int width, const QString &name)
    {
        row(first, width, name, QStringLiteral("%1 (%2)").arg(m.bits(first, width)).arg(binary(m.bits(first, width), width)));
    }
    void baudot(int first, int chars, const QString &name)
    {
        QString text;
        for (int i = 0; i < chars; ++i)
            text += QLatin1Char(EpirbMsgBase::fromBaudot(m.bits(first + 6 * i, 6)));
        row(first, 6 * chars, name, QStringLiteral("\"%1\"").arg(text));
    }

    const EpirbMsgBase &m;
    MessageDecoder::Result &r;
};

void identityFields(Builder &b, int type)
{
    const EpirbMsgBase &m = b.m;
    const QString identity = QString::fromLatin1(m.identity());
    switch (familyOf(type)) {
    case Family::UserMaritime:
        b.field(QStringLiteral("identity"), tr("MMSI (last six digits) or call sign"), identity);
        b.field(QStringLiteral("beaconNo"), tr("Specific beacon number"), QString::number(m.beaconNo()));
        break;
    case Family::UserCallSign:
        b.field(QStringLiteral("identity"), tr("Radio call sign"), identity);
        b.field(QStringLiteral("beaconNo"), tr("Specific beacon number"), QString::number(m.beaconNo()));
        break;
    case Family::UserSerial:
    case Family::StdSerial:
    case Family::RlsTac:
        b.field(QStringLiteral("serialNumber"), tr("Serial number"), QString::number(m.serialNumber()));
        b.field(QStringLiteral("tacNo"), tr("C/S type approval number (TAC)"), QString::number(m.tacNo()));
        b.field(QStringLiteral("beaconCategoryName"), tr("Category"), m.beaconCategoryName());
        break;
    case Family::StdMmsi:
        b.field(QStringLiteral("identity"), tr("MMSI (last six digits)"), identity);
        b.field(QStringLiteral("beaconNo"), tr("Specific beacon number"), QString::number(m.beaconNo()));
        break;
    case Family::RlsMmsi:
        b.field(QStringLiteral("identity"), tr("MMSI (last six digits)"), identity);
        b.field(QStringLiteral("beaconCategoryName"), tr("Category"), m.beaconCategoryName());
        if (type == ProtocolType::RlsUserMmsiEpirb)
            b.field(QStringLiteral("firstEpirb"), tr("EPIRB on board"), m.firstEpirb() ? tr("first") : tr("second"));
        break;
    case Family::National:
        b.field(QStringLiteral("serialNumber"), tr("National ID"), QString::number(m.serialNumber()));
        break;
    case Family::Unsupported:
        if (m.bits(26, 1) == 0 && m.bits(37, 4) == 3)
            b.field(QStringLiteral("aircraftAddress"), tr("Aircraft address (24 bits)"), hexOf(m.bits(41, 24), 6));
        else
            b.field(QStringLiteral("identityNotDecoded"), tr("Identity"), tr("not decoded: this protocol is not one this program codes"), true);
        break;
    }
}

void identityBits(Builder &b, int type)
{
    switch (familyOf(type)) {
    case Family::UserMaritime:
        b.baudot(40, 6, tr("MMSI digits (modified Baudot)"));
        b.baudot(76, 1, tr("Specific beacon number"));
        b.bin(82, 2, tr("Spare"));
        b.bin(84, 2, tr("Auxiliary radio-locating device"));
        break;
    case Family::UserCallSign:
        b.baudot(40, 4, tr("Call sign characters 1-4 (modified Baudot)"));
        b.row(64, 12, tr("Call sign digits 5-7 (1010 for a space)"),
              binary(b.m.bits(64, 4), 4) + QLatin1Char(' ') + binary(b.m.bits(68, 4), 4) + QLatin1Char(' ')
                  + binary(b.m.bits(72, 4), 4));
        b.baudot(76, 1, tr("Specific beacon number"));
        b.bin(82, 2, tr("Spare"));
        b.bin(84, 2, tr("Auxiliary radio-locating device"));
        break;
    case Family::UserSerial:
        b.bin(40, 3, tr("Beacon category"));
        b.bin(43, 1, tr("Type approval number present"));
        b.dec(44, 20, tr("Serial number"));
        b.dec(64, 10, tr("National use"));
        b.dec(74, 10, tr("C/S type approval number"));
        b.bin(84, 2, tr("Auxiliary radio-locating device"));
        break;
    case Family::StdMmsi:
    case Family::StdSerial:
        if (familyOf(type) == Family::StdMmsi) {
            b.dec(41, 20, tr("MMSI (last six digits)"));
            b.dec(61, 4, tr("Specific beacon number"));
        } else {
            b.dec(41, 10, tr("C/S type approval number"));
            b.dec(51, 14, tr("Serial number"));
        }
        b.bin(65, 1, tr("Latitude N/S"));
        b.dec(66, 9, tr("Latitude (1/4 degree)"));
        b.bin(75, 1, tr("Longitude E/W"));
        b.dec(76, 10, tr("Longitude (1/4 degree)"));
        break;
    case Family::RlsTac:
    case Family::RlsMmsi:
        b.bin(41, 2, tr("Beacon type"));
        if (familyOf(type) == Family::RlsTac) {
            b.dec(43, 10, tr("Type approval number (last three digits)"));
            b.dec(53, 14, tr("Serial number"));
        } else {
            b.bin(43, 4, tr("MMSI marker"));
            b.dec(47, 20, tr("MMSI (last six digits)"));
        }
        b.bin(67, 1, tr("Latitude N/S"));
        b.dec(68, 8, tr("Latitude (1/2 degree)"));
        b.bin(76, 1, tr("Longitude E/W"));
        b.dec(77, 9, tr("Longitude (1/2 degree)"));
        break;
    case Family::National:
        b.dec(41, 18, tr("National ID"));
        b.bin(59, 1, tr("Latitude N/S"));
        b.dec(60, 7, tr("Latitude degrees"));
        b.dec(67, 5, tr("Latitude minutes (2-minute steps)"));
        b.bin(72, 1, tr("Longitude E/W"));
        b.dec(73, 8, tr("Longitude degrees"));
        b.dec(81, 5, tr("Longitude minutes (2-minute steps)"));
        break;
    case Family::Unsupported:
        if (b.m.bits(26, 1) == 0 && b.m.bits(37, 4) == 3) {
            b.row(41, 24, tr("Aircraft address"), hexOf(b.m.bits(41, 24), 6));
            b.row(65, 21, tr("Not decoded"), binary(b.m.bits(65, 21), 21));
        } else {
            const int first = b.m.bits(26, 1) ? 40 : 41;
            b.row(first, 86 - first, tr("Not decoded (protocol not coded by this program)"), QString());
        }
        break;
    }
}

void pdf2Bits(Builder &b, int type)
{
    const EpirbMsgBase &m = b.m;
    if (!m.isLongFormat()) {
        b.bin(107, 1, tr("Emergency code flag"));
        b.bin(108, 1, tr("Activation (1 automatic and manual)"));
        b.bin(109, 4, tr("Non-protected data"));
        return;
    }
    switch (familyOf(type)) {
    case Family::UserMaritime:
    case Family::UserCallSign:
    case Family::UserSerial:
        b.bin(107, 1, tr("Position data source"));
        b.bin(108, 1, tr("Latitude N/S"));
        b.dec(109, 7, tr("Latitude degrees"));
        b.dec(116, 4, tr("Latitude minutes (4-minute steps)"));
        b.bin(120, 1, tr("Longitude E/W"));
        b.dec(121, 8, tr("Longitude degrees"));
        b.dec(129, 4, tr("Longitude minutes (4-minute steps)"));
        break;
    case Family::StdMmsi:
    case Family::StdSerial:
        b.bin(107, 4, tr("Supplementary data"));
        b.bin(111, 1, tr("Position data source"));
        b.bin(112, 1, tr("121.5 MHz homing device"));
        b.bin(113, 10, tr("Latitude offset (sign, minutes, 4-second steps)"));
        b.bin(123, 10, tr("Longitude offset (sign, minutes, 4-second steps)"));
        break;
    case Family::RlsTac:
    case Family::RlsMmsi:
        b.bin(107, 8, tr("RLS supplementary data"));
        b.bin(115, 9, tr("Latitude offset (sign, minutes, 4-second steps)"));
        b.bin(124, 9, tr("Longitude offset (sign, minutes, 4-second steps)"));
        break;
    case Family::National:
        b.bin(107, 3, tr("Supplementary data"));
        b.bin(110, 1, tr("Additional data flag (1 position offsets)"));
        b.bin(111, 1, tr("Position data source"));
        b.bin(112, 1, tr("121.5 MHz homing device"));
        if (m.bits(110, 1)) {
            b.bin(113, 14, tr("Position offsets"));
            b.dec(127, 6, tr("National use"));
        } else {
            b.dec(113, 20, tr("National use"));
        }
        break;
    case Family::Unsupported:
        b.row(107, 26, tr("Protected data field 2 (not decoded)"), binary(m.bits(107, 26), 26));
        break;
    }
}

QString bchText(bool valid, uint stored, uint computed, int digits)
{
    if (valid)
        return tr("valid (%1)").arg(hexOf(stored, digits));
    return tr("invalid: holds %1, computed %2").arg(hexOf(stored, digits), hexOf(computed, digits));
}

void build(const EpirbMsgBase &m, bool whole, bool selfTest, const MessageDecoder::CountryNames &countryNames,
           MessageDecoder::Result &r)
{
    Builder b(m, r);
    const int type = m.protocolType();
    const QJsonObject &j = r.json;

    if (whole)
        b.field(QStringLiteral("hexMessage"), tr("Message"), j.value(QStringLiteral("hexMessage")).toString());
    b.field(QStringLiteral("protocolName"), tr("Protocol"),
            type == ProtocolType::ProtocolMax ? tr("not supported by this program") : m.protocolName(),
            type == ProtocolType::ProtocolMax);
    b.field(QStringLiteral("protocolType"), tr("Protocol number"), QString::number(type));
    b.field(QStringLiteral("protocolCode"), tr("Protocol code"), protocolCodeText(m));
    if (j.contains(QStringLiteral("alternativeProtocolType"))) {
        const int alt = j.value(QStringLiteral("alternativeProtocolType")).toInt();
        b.field(QStringLiteral("alternativeProtocolType"), tr("Or, as a long message"),
                tr("%1 (protocol number %2)").arg(ProtocolNames::longName(alt)).arg(alt));
    }
    if (whole)
        b.field(QStringLiteral("format"), tr("Format"), m.isLongFormat() ? tr("long (144 bits)") : tr("short (112 bits)"));
    const int country = m.countryCode();
    const QString countryValue = countryText(country, countryNames);
    b.field(QStringLiteral("countryCode"), tr("Country"), countryValue, countryValue.contains(QLatin1Char('(')));
    identityFields(b, type);
    if (whole && familyOf(type) == Family::National) {
        b.field(QStringLiteral("additionalDataType"), tr("Additional data"),
                m.additionalDataType() ? tr("position offsets and 6 bits of national data") : tr("20 bits of national data"));
        b.field(QStringLiteral("nationalData"), tr("National data"), QString::number(m.nationalData()));
    }
    if (whole && (familyOf(type) == Family::RlsTac || familyOf(type) == Family::RlsMmsi))
        b.field(QStringLiteral("rlsData"), tr("RLS supplementary data (bits 107-114)"), binary(m.bits(107, 8), 8));
    if (type != ProtocolType::ProtocolMax)
        b.field(QStringLiteral("test"), tr("Test or real"), isTestProtocol(type) ? tr("test protocol") : tr("real"),
                isTestProtocol(type));
    if (selfTest)
        b.field(QStringLiteral("selfTest"), tr("Frame synchronisation"), tr("self-test (FFFED0)"));
    if (whole) {
        QString position;
        if (!j.contains(QStringLiteral("position"))) {
            position = m.isLongFormat() || type == ProtocolType::ProtocolMax ? tr("default / no position")
                                                                              : tr("default / no position (short message)");
        } else if (j.value(QStringLiteral("position")).isNull()) {
            position = tr("default / no position");
        } else {
            const QJsonObject at = j.value(QStringLiteral("position")).toObject();
            const double lat = at.value(QStringLiteral("latitude")).toDouble();
            const double lon = at.value(QStringLiteral("longitude")).toDouble();
            position = QStringLiteral("%1 %2 (%3, %4)")
                           .arg(coordinate(lat, "N", "S"), coordinate(lon, "E", "W"))
                           .arg(lat, 0, 'f', 5)
                           .arg(lon, 0, 'f', 5);
        }
        b.field(QStringLiteral("position"), tr("Position"), position);

        const BchCodes c = bchCodes(m);
        b.field(QStringLiteral("bch1"), tr("BCH-1"), bchText(m.isBch1Valid(), c.stored1, c.computed1, 6), !m.isBch1Valid());
        b.field(QStringLiteral("bch2"), tr("BCH-2"),
                c.longFormat ? bchText(m.isBch2Valid(), c.stored2, c.computed2, 3) : tr("none (short message)"),
                c.longFormat && !m.isBch2Valid());
    }
    b.field(QStringLiteral("hexId"), tr("15-hex ID (location bits defaulted)"), j.value(QStringLiteral("hexId")).toString());
    b.field(QStringLiteral("checksum"), tr("Hex ID checksum"), j.value(QStringLiteral("checksum")).toString());

    // Bit table, as the coding layouts number the bits.
    if (whole) {
        b.bin(1, 15, tr("Bit synchronisation"));
        b.bin(16, 9, tr("Frame synchronisation"));
        b.bin(25, 1, tr("Format flag (1 long)"));
    }
    b.bin(26, 1, tr("Protocol flag (1 user)"));
    b.dec(27, 10, tr("Country code"));
    if (m.bits(26, 1))
        b.bin(37, 3, tr("User protocol code"));
    else
        b.bin(37, 4, tr("Location protocol code"));
    identityBits(b, type);
    if (whole) {
        const BchCodes c = bchCodes(m);
        b.row(86, 21, tr("BCH-1"), hexOf(c.stored1, 6));
        pdf2Bits(b, type);
        if (c.longFormat)
            b.row(133, 12, tr("BCH-2"), hexOf(c.stored2, 3));
    }
}

QString fieldValueForCompare(const MessageDecoder::Result &r, const QString &key)
{
    for (const MessageDecoder::Field &f : r.fields) {
        if (f.key == key)
            return f.value;
    }
    return QString();
}

} // namespace

QString MessageDecoder::acceptedLengths()
{
    return tr("Enter a 15-digit hex ID, or a message of 22 or 30 hex digits (without sync) or of 28 or 36 hex "
              "digits (with the sync FFFE2F).");
}

QJsonObject MessageDecoder::describe(const EpirbMsgBase &m, bool wholeMessage)
{
    QJsonObject o;
    // A transmitted position is not part of the beacon's identity.
    const QByteArray hexId = EncodedPosition::registrationHexId(m);
    if (wholeMessage)
        o.insert(QStringLiteral("hexMessage"), QString::fromLatin1(m.hexMessage()));
    o.insert(QStringLiteral("hexId"), QString::fromLatin1(hexId));
    o.insert(QStringLiteral("checksum"), QString::fromLatin1(EpirbMsgBase::checksumOfHexId(hexId)));
    o.insert(QStringLiteral("protocolType"), m.protocolType());
    o.insert(QStringLiteral("protocolName"), m.protocolName());
    o.insert(QStringLiteral("protocolGroupName"), m.protocolGroupName());
    o.insert(QStringLiteral("countryCode"), m.countryCode());
    o.insert(QStringLiteral("identity"), QString::fromLatin1(m.identity()));
    o.insert(QStringLiteral("serialNumber"), m.serialNumber());
    o.insert(QStringLiteral("tacNo"), m.tacNo());
    o.insert(QStringLiteral("beaconNo"), m.beaconNo());
    o.insert(QStringLiteral("beaconCategoryName"), m.beaconCategoryName());
    o.insert(QStringLiteral("firstEpirb"), m.firstEpirb());
    if (m.protocolType() == ProtocolType::ProtocolMax && m.bits(26, 1) == 0 && m.bits(37, 4) == 3)
        o.insert(QStringLiteral("aircraftAddress"), hexOf(m.bits(41, 24), 6));
    if (wholeMessage) {
        // National data and BCH lie outside the hex ID.
        o.insert(QStringLiteral("additionalDataType"), m.additionalDataType());
        o.insert(QStringLiteral("nationalData"), m.nationalData());
        const QJsonObject bch = bchJson(m.messageBytes());
        for (auto it = bch.begin(); it != bch.end(); ++it)
            o.insert(it.key(), it.value());
        const EncodedPosition position = EncodedPosition::fromMessage(m);
        if (position.hasFields()) {
            QJsonObject at;
            if (position.isKnown()) {
                at.insert(QStringLiteral("latitude"), position.latitude());
                at.insert(QStringLiteral("longitude"), position.longitude());
            }
            o.insert(QStringLiteral("position"), position.isKnown() ? QJsonValue(at) : QJsonValue());
        }
    }
    return o;
}

QJsonObject MessageDecoder::bchJson(const QByteArray &messageBytes)
{
    QJsonObject o;
    if (messageBytes.isEmpty()) {
        for (const char *key : { "bch1Valid", "bch2Valid", "bch1Computed", "bch2Computed" })
            o.insert(QLatin1String(key), QJsonValue());
        return o;
    }
    EpirbMsgBase m;
    m.loadBytes(messageBytes);
    // A long message cut short holds no BCH-2 at all: it cannot be valid.
    const bool complete = messageBytes.size() >= (m.isLongFormat() ? EpirbMsgBase::kLongBytes : EpirbMsgBase::kShortBytes);
    const BchCodes c = bchCodes(m);
    o.insert(QStringLiteral("bch1Valid"), complete && m.isBch1Valid());
    o.insert(QStringLiteral("bch2Valid"), m.isLongFormat() ? QJsonValue(complete && m.isBch2Valid()) : QJsonValue());
    o.insert(QStringLiteral("bch1Computed"), hexOf(c.computed1, 6));
    o.insert(QStringLiteral("bch2Computed"), m.isLongFormat() ? QJsonValue(hexOf(c.computed2, 3)) : QJsonValue());
    return o;
}

bool MessageDecoder::storedMessageFails(const QByteArray &messageBytes)
{
    return !messageBytes.isEmpty() && !EpirbMsgBase::isBchValid(messageBytes);
}

MessageDecoder::Result MessageDecoder::decodeHex(const QByteArray &digitsIn, const CountryNames &countryNames)
{
    Result r;
    static const QRegularExpression hex(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]*")));
    if (digitsIn.isEmpty() || !hex.match(QString::fromLatin1(digitsIn)).hasMatch()) {
        r.error = tr("\"%1\" is not hexadecimal").arg(QString::fromLatin1(digitsIn));
        return r;
    }
    const QByteArray digits = digitsIn.toUpper();

    if (digits.size() == 15) {
        EpirbMsgBase bits;
        for (int k = 0; k < 15; ++k)
            bits.setBits(26 + 4 * k, 4, QByteArray(1, digits.at(k)).toUInt(nullptr, 16));
        // Location protocols are long by definition; user ones read as their short form.
        if (bits.bits(26, 1) == 0)
            bits.setLongFormat();
        MsgPtr m(EpirbMsgBase::fromBytes(bits.messageBytes()));
        r.json = describe(*m, false);
        if (bits.bits(26, 1) == 1 && m->protocolType() != ProtocolType::ProtocolMax) {
            bits.setLongFormat();
            r.json.insert(QStringLiteral("alternativeProtocolType"), bits.protocolType());
        }
        r.ok = true;
        build(*m, false, false, countryNames, r);
        return r;
    }

    QByteArray full;
    bool withSync = true;
    switch (digits.size()) {
    case 28:
    case 36:
        full = digits;
        break;
    case 22:
    case 30:
        full = QByteArray("FFFE2F") + digits;
        withSync = false;
        break;
    default:
        r.error = tr("expected 15, 22, 28, 30 or 36 hex digits, got %1").arg(digits.size());
        return r;
    }
    const bool selfTest = full.startsWith("FFFED0");
    if (!full.startsWith("FFFE2F") && !selfTest) {
        r.error = tr("message does not start with the sync FFFE2F (or FFFED0)");
        return r;
    }
    const QByteArray bytes = QByteArray::fromHex(full);
    const bool longFormat = (quint8(bytes.at(3)) & 0x80) != 0;
    if (longFormat != (bytes.size() == EpirbMsgBase::kLongBytes)) {
        r.error = longFormat ? tr("bit 25 marks a long message: 36 hex digits expected (30 without sync)")
                             : tr("bit 25 marks a short message: 28 hex digits expected (22 without sync)");
        return r;
    }
    MsgPtr m(EpirbMsgBase::fromBytes(bytes));
    r.json = describe(*m, true);
    if (withSync)
        r.json.insert(QStringLiteral("selfTest"), selfTest);
    r.ok = true;
    r.wholeMessage = true;
    build(*m, true, selfTest, countryNames, r);
    return r;
}

MessageDecoder::Result MessageDecoder::decodeText(const QString &text, const CountryNames &countryNames)
{
    QString digits;
    for (const QChar ch : text) {
        if (!ch.isSpace())
            digits.append(ch);
    }
    Result r;
    if (digits.isEmpty()) {
        r.error = acceptedLengths();
        return r;
    }
    if (digits.toLatin1() != digits.toUtf8()) {
        r.error = tr("Only hex digits 0-9 and A-F can be decoded. %1").arg(acceptedLengths());
        return r;
    }
    r = decodeHex(digits.toLatin1(), countryNames);
    if (!r.ok) {
        static const QRegularExpression hex(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]*")));
        if (!hex.match(digits).hasMatch())
            r.error = tr("Only hex digits 0-9 and A-F can be decoded. %1").arg(acceptedLengths());
        else
            r.error = tr("Cannot decode this: %1. %2").arg(r.error, acceptedLengths());
    }
    return r;
}

QStringList MessageDecoder::differingKeys(const Result &a, const Result &b)
{
    QStringList out;
    if (!a.ok || !b.ok)
        return out;
    // A hex ID does not tell a user protocol from its user-location form.
    const auto types = [](const Result &r) {
        QList<int> t { r.json.value(QStringLiteral("protocolType")).toInt() };
        if (r.json.contains(QStringLiteral("alternativeProtocolType")))
            t << r.json.value(QStringLiteral("alternativeProtocolType")).toInt();
        return t;
    };
    const QList<int> ta = types(a);
    const QList<int> tb = types(b);
    bool sameProtocol = false;
    for (int t : ta)
        sameProtocol = sameProtocol || tb.contains(t);
    for (const Field &f : a.fields) {
        bool inB = false;
        for (const Field &g : b.fields)
            inB = inB || g.key == f.key;
        if (!inB)
            continue;
        if (f.key == QLatin1String("protocolName") || f.key == QLatin1String("protocolType")) {
            if (!sameProtocol)
                out << f.key;
            continue;
        }
        if (f.key == QLatin1String("alternativeProtocolType"))
            continue;
        if (fieldValueForCompare(b, f.key) != f.value)
            out << f.key;
    }
    return out;
}

QString MessageDecoder::plainText(const Result &result)
{
    if (!result.ok)
        return result.error + QLatin1Char('\n');
    QString out;
    for (const Field &f : result.fields)
        out += f.label + QStringLiteral(": ") + f.value + QLatin1Char('\n');
    out += QLatin1Char('\n') + tr("Bits") + QLatin1Char('\t') + tr("Field") + QLatin1Char('\t') + tr("Value") + QLatin1Char('\n');
    for (const BitRow &row : result.bits)
        out += row.range + QLatin1Char('\t') + row.field + QLatin1Char('\t') + row.value + QLatin1Char('\n');
    return out;
}
