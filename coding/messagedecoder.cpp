#include "coding/messagedecoder.h"

#include "coding/encodedposition.h"
#include "coding/epirbmsgbase.h"
#include "coding/protocolfields.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using MsgPtr = std::unique_ptr<EpirbMsgBase>;

// Free functions here have no class of their own; their texts share the decoder's context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MessageDecoder)
};

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
            QT_TRANSLATE_NOOP("MessageDecoder", "orbitography"), QT_TRANSLATE_NOOP("MessageDecoder", "ELT aviation user"), QT_TRANSLATE_NOOP("MessageDecoder", "maritime user (MMSI)"), QT_TRANSLATE_NOOP("MessageDecoder", "serial user"),
            QT_TRANSLATE_NOOP("MessageDecoder", "national user"), QT_TRANSLATE_NOOP("MessageDecoder", "spare (reserved)"), QT_TRANSLATE_NOOP("MessageDecoder", "radio call sign user"), QT_TRANSLATE_NOOP("MessageDecoder", "test user"),
        };
        const uint code = m.bits(37, 3);
        return Text::tr("user protocol %1: %2").arg(code, 3, 2, QLatin1Char('0')).arg(Text::tr(user[code]));
    }
    static const char *const location[] = {
        QT_TRANSLATE_NOOP("MessageDecoder", "spare (reserved)"), QT_TRANSLATE_NOOP("MessageDecoder", "spare (reserved)"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, EPIRB MMSI"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, ELT 24-bit aircraft address"),
        QT_TRANSLATE_NOOP("MessageDecoder", "standard location, ELT serial"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, ELT aircraft operator"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, EPIRB serial"),
        QT_TRANSLATE_NOOP("MessageDecoder", "standard location, PLB serial"), QT_TRANSLATE_NOOP("MessageDecoder", "national location, ELT"), QT_TRANSLATE_NOOP("MessageDecoder", "ELT(DT) location"), QT_TRANSLATE_NOOP("MessageDecoder", "national location, EPIRB"),
        QT_TRANSLATE_NOOP("MessageDecoder", "national location, PLB"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, ship security"), QT_TRANSLATE_NOOP("MessageDecoder", "RLS location"), QT_TRANSLATE_NOOP("MessageDecoder", "standard location, test"),
        QT_TRANSLATE_NOOP("MessageDecoder", "national location, test"),
    };
    const uint code = m.bits(37, 4);
    return Text::tr("location protocol %1: %2").arg(code, 4, 2, QLatin1Char('0')).arg(Text::tr(location[code]));
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
        return Text::tr("%1 (not a country code: outside 200-799)").arg(code);
    const QString name = countryNames ? countryNames(code).trimmed() : QString();
    if (!name.isEmpty())
        return QStringLiteral("%1 %2").arg(code).arg(name);
    return Text::tr("%1 (not in the country list)").arg(code);
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

QString bchText(bool valid, uint stored, uint computed, int digits)
{
    if (valid)
        return Text::tr("valid (%1)").arg(hexOf(stored, digits));
    return Text::tr("invalid: holds %1, computed %2").arg(hexOf(stored, digits), hexOf(computed, digits));
}

// Test protocols by their bits, for the protocols this program does not code as well.
bool testByBits(const EpirbMsgBase &m)
{
    if (m.bits(26, 1))
        return m.bits(37, 3) == 7;
    const uint code = m.bits(37, 4);
    return code == 0xE || code == 0xF || (code == 0xD && m.bits(41, 2) == 3);
}

void build(const EpirbMsgBase &m, bool whole, bool withSync, bool selfTest, const MessageDecoder::CountryNames &countryNames,
           MessageDecoder::Result &r)
{
    Builder b(m, r);
    const int type = m.protocolType();
    QJsonObject &j = r.json;
    const ProtocolFields::Output decoded = ProtocolFields::decode(m, whole);
    QStringList problems = decoded.problems;

    if (whole)
        b.field(QStringLiteral("hexMessage"), Text::tr("Message"), j.value(QStringLiteral("hexMessage")).toString());
    b.field(QStringLiteral("protocolName"), Text::tr("Protocol"),
            type == ProtocolType::ProtocolMax ? Text::tr("not supported by this program") : m.protocolName(),
            type == ProtocolType::ProtocolMax);
    b.field(QStringLiteral("protocolType"), Text::tr("Protocol number"), QString::number(type));
    b.field(QStringLiteral("protocolCode"), Text::tr("Protocol code"), protocolCodeText(m));
    if (j.contains(QStringLiteral("alternativeProtocolType"))) {
        const int alt = j.value(QStringLiteral("alternativeProtocolType")).toInt();
        b.field(QStringLiteral("alternativeProtocolType"), Text::tr("Or, as a long message"),
                Text::tr("%1 (protocol number %2)").arg(ProtocolNames::longName(alt)).arg(alt));
    }
    if (whole)
        b.field(QStringLiteral("format"), Text::tr("Format"), m.isLongFormat() ? Text::tr("long (144 bits)") : Text::tr("short (112 bits)"));
    const int country = m.countryCode();
    const QString countryValue = countryText(country, countryNames);
    b.field(QStringLiteral("countryCode"), Text::tr("Country"), countryValue, countryValue.contains(QLatin1Char('(')));
    QString positionText;
    for (const MessageDecoder::Field &f : decoded.fields) {
        if (f.key == QLatin1String("position")) {
            positionText = f.value;
            continue;
        }
        r.fields.append(f);
        j.insert(f.key, f.value);
    }
    const bool test = type != ProtocolType::ProtocolMax ? isTestProtocol(type) : testByBits(m);
    b.field(QStringLiteral("test"), Text::tr("Test or real"), test ? Text::tr("test protocol") : Text::tr("real"), test);
    j.insert(QStringLiteral("test"), test ? Text::tr("test protocol") : Text::tr("real"));
    if (selfTest)
        b.field(QStringLiteral("selfTest"), Text::tr("Frame synchronisation"), Text::tr("self-test (FFFED0)"));
    if (whole) {
        QString position = positionText;
        if (position.isEmpty())
            position = m.isLongFormat() || type == ProtocolType::ProtocolMax ? Text::tr("default / no position")
                                                                              : Text::tr("default / no position (short message)");
        b.field(QStringLiteral("position"), Text::tr("Position"), position);
        j.insert(QStringLiteral("positionText"), position);

        const BchCodes c = bchCodes(m);
        b.field(QStringLiteral("bch1"), Text::tr("BCH-1"), bchText(m.isBch1Valid(), c.stored1, c.computed1, 6), !m.isBch1Valid());
        b.field(QStringLiteral("bch2"), Text::tr("BCH-2"),
                c.longFormat ? bchText(m.isBch2Valid(), c.stored2, c.computed2, 3) : Text::tr("none (short message)"),
                c.longFormat && !m.isBch2Valid());
    }
    const QString hexId = j.value(QStringLiteral("hexId")).toString();
    const bool noId = m.bits(26, 1) == 0 && ProtocolFields::registrationId(m).isEmpty();
    if (noId)
        problems << Text::tr("a spare location protocol defines no registration ID: the hex ID shown is bits 26-85 as given");
    else if (!whole && hexId != QString::fromLatin1(m.hexId()))
        problems << Text::tr("position bits not defaulted: the registration ID is %1").arg(hexId);
    b.field(QStringLiteral("hexId"), noId ? Text::tr("15-hex ID (bits 26-85, no registration ID)") : Text::tr("15-hex ID (location bits defaulted)"),
            hexId, noId);
    b.field(QStringLiteral("checksum"), Text::tr("Hex ID checksum"), j.value(QStringLiteral("checksum")).toString());
    if (!problems.isEmpty())
        b.field(QStringLiteral("problemList"), Text::tr("Cannot be read"), problems.join(QStringLiteral("; ")), true);
    r.problems = problems;
    j.insert(QStringLiteral("problems"), QJsonArray::fromStringList(problems));
    if (!decoded.notes.isEmpty())
        b.field(QStringLiteral("noteList"), Text::tr("National use"), decoded.notes.join(QStringLiteral("; ")));
    r.notes = decoded.notes;
    j.insert(QStringLiteral("notes"), QJsonArray::fromStringList(decoded.notes));

    // Bit table, as the coding layouts number the bits.
    if (whole) {
        const QString added = withSync ? QString() : Text::tr(" (added: not in the input)");
        b.bin(1, 15, Text::tr("Bit synchronisation") + added);
        b.bin(16, 9, Text::tr("Frame synchronisation") + added);
        b.bin(25, 1, Text::tr("Format flag (1 long)"));
    }
    b.bin(26, 1, Text::tr("Protocol flag (1 user)"));
    b.dec(27, 10, Text::tr("Country code"));
    if (m.bits(26, 1))
        b.bin(37, 3, Text::tr("User protocol code"));
    else
        b.bin(37, 4, Text::tr("Location protocol code"));
    const auto pdf2 = std::find_if(decoded.bits.begin(), decoded.bits.end(),
                                   [](const MessageDecoder::BitRow &row) { return row.range.split(QLatin1Char('-')).first().toInt() >= 107; });
    r.bits.append(QList<MessageDecoder::BitRow>(decoded.bits.begin(), pdf2));
    if (whole) {
        const BchCodes c = bchCodes(m);
        b.row(86, 21, Text::tr("BCH-1"), hexOf(c.stored1, 6));
        r.bits.append(QList<MessageDecoder::BitRow>(pdf2, decoded.bits.end()));
        if (c.longFormat)
            b.row(133, 12, Text::tr("BCH-2"), hexOf(c.stored2, 3));
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
    return Text::tr("Enter a 15-digit hex ID, or a message of 22 or 30 hex digits (without sync) or of 28 or 36 hex "
              "digits (with the sync FFFE2F).");
}

QJsonObject MessageDecoder::describe(const EpirbMsgBase &m, bool wholeMessage)
{
    QJsonObject o;
    // A transmitted position is not part of the beacon's identity.
    QByteArray hexId = ProtocolFields::registrationId(m);
    if (hexId.isEmpty())
        hexId = m.hexId();
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
    if (m.protocolType() == ProtocolType::ProtocolMax) {
        // No layout of this program applies: these would be other bits read as if they were these fields.
        for (const char *key : { "identity", "serialNumber", "tacNo", "beaconNo", "beaconCategoryName", "firstEpirb" })
            o.insert(QLatin1String(key), QJsonValue());
    } else if (m.bits(26, 1) == 1 && m.bits(37, 3) == 3 && (m.bits(40, 3) == 1 || m.bits(40, 3) == 3)) {
        // Operator-designator and aircraft-address beacons carry no 20-bit serial and no MMSI.
        o.insert(QStringLiteral("serialNumber"), QJsonValue());
        o.insert(QStringLiteral("identity"), QJsonValue());
    }
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
        r.error = Text::tr("\"%1\" is not hexadecimal").arg(QString::fromLatin1(digitsIn));
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
        build(*m, false, false, false, countryNames, r);
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
        r.error = Text::tr("expected 15, 22, 28, 30 or 36 hex digits, got %1").arg(digits.size());
        return r;
    }
    const bool selfTest = full.startsWith("FFFED0");
    if (!full.startsWith("FFFE2F") && !selfTest) {
        r.error = Text::tr("message does not start with the sync FFFE2F (or FFFED0)");
        return r;
    }
    const QByteArray bytes = QByteArray::fromHex(full);
    const bool longFormat = (quint8(bytes.at(3)) & 0x80) != 0;
    if (longFormat != (bytes.size() == EpirbMsgBase::kLongBytes)) {
        r.error = longFormat ? Text::tr("bit 25 marks a long message: 36 hex digits expected (30 without sync)")
                             : Text::tr("bit 25 marks a short message: 28 hex digits expected (22 without sync)");
        return r;
    }
    MsgPtr m(EpirbMsgBase::fromBytes(bytes));
    r.json = describe(*m, true);
    if (withSync)
        r.json.insert(QStringLiteral("selfTest"), selfTest);
    r.ok = true;
    r.wholeMessage = true;
    build(*m, true, withSync, selfTest, countryNames, r);
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
        r.error = Text::tr("Only hex digits 0-9 and A-F can be decoded. %1").arg(acceptedLengths());
        return r;
    }
    r = decodeHex(digits.toLatin1(), countryNames);
    if (!r.ok) {
        static const QRegularExpression hex(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]*")));
        if (!hex.match(digits).hasMatch())
            r.error = Text::tr("Only hex digits 0-9 and A-F can be decoded. %1").arg(acceptedLengths());
        else
            r.error = Text::tr("Cannot decode this: %1. %2").arg(r.error, acceptedLengths());
    }
    return r;
}

bool MessageDecoder::fails(const Result &result)
{
    if (!result.ok)
        return false;
    if (!result.problems.isEmpty())
        return true;
    const QJsonValue bch1 = result.json.value(QStringLiteral("bch1Valid"));
    const QJsonValue bch2 = result.json.value(QStringLiteral("bch2Valid"));
    return (bch1.isBool() && !bch1.toBool()) || (bch2.isBool() && !bch2.toBool());
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
    out += QLatin1Char('\n') + Text::tr("Bits") + QLatin1Char('\t') + Text::tr("Field") + QLatin1Char('\t') + Text::tr("Value") + QLatin1Char('\n');
    for (const BitRow &row : result.bits)
        out += row.range + QLatin1Char('\t') + row.field + QLatin1Char('\t') + row.value + QLatin1Char('\n');
    return out;
}
