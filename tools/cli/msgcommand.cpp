#include "msgcommand.h"

#include "clicommand.h"
#include "coding/encodedposition.h"
#include "coding/epirbmsgbase.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"
#include "coding/userradiocall.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "coding/messagedecoder.h"

#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace {

using MsgPtr = std::unique_ptr<EpirbMsgBase>;

const char kUsage[] = "usage: quorvik-cli msg encode --protocol N --country C [options] | msg decode HEX (see --help)";

const char kHelp[] =
    "usage: quorvik-cli msg encode --protocol N --country C [--identity TEXT] [--serial N]\n"
    "                              [--tac N] [--beacon-no N] [--first-epirb 0|1]\n"
    "                              [--additional-data-type 0|1] [--national-data N] [--manual-only]\n"
    "       quorvik-cli msg decode HEX\n"
    "\n"
    "encode builds the 406 MHz message the way a beacon configuration does and prints it as\n"
    "JSON. Options that a protocol does not carry are refused rather than ignored.\n"
    "  --protocol N     coding protocol 0-23:\n"
    "%1"
    "  --country C      country code (MID) 200-799, or 982-989 for a craft associated with a\n"
    "                   parent ship (the real code is then the last digit of C followed by the\n"
    "                   first two digits of --identity). 319 is coded as 232.\n"
    "  --identity TEXT  MMSI protocols (0, 2, 5, 9, 14, 20): the MMSI, 6 to 9 digits (the last\n"
    "                   six are coded); radio call sign protocols (3, 6): up to 4 characters\n"
    "                   A-Z, 0-9, space, '-', '/' followed by up to 3 digits.\n"
    "  --serial N       serial-number protocols: 0 to the protocol's limit (1048575 user serial,\n"
    "                   16383 standard location and RLS, 262143 national identity).\n"
    "  --tac N          C/S type approval number: 0-999; RLS protocols (8, 13, 19): a number\n"
    "                   whose last three digits are 1-958 (e.g. 1123 or 123).\n"
    "  --beacon-no N    specific beacon number: 0-35 (user MMSI and call sign), 0-15 (0).\n"
    "  --first-epirb 0|1          RLS MMSI EPIRB (9): first (1, default) or second EPIRB.\n"
    "  --additional-data-type 0|1 national protocols (18, 23): 1 (default) position offsets\n"
    "                             and 6 bits of national data, 0 twenty bits of national data.\n"
    "  --national-data N          national protocols: 0-63, or 0-1048575 with type 0.\n"
    "  --manual-only    the beacon activates manually only (PLB category).\n"
    "\n"
    "decode reads HEX: 28 or 36 hex digits (short or long message with the FFFE2F sync, or\n"
    "FFFED0 for self-test), 22 or 30 (from bit 25 on, without sync), or a 15-digit hex ID\n"
    "(bits 26-85). A hex ID does not tell user from user-location protocols: the user\n"
    "protocol is reported with alternativeProtocolType naming the user-location one.\n"
    "\n"
    "Output: one JSON object with hexMessage, hexId, checksum, protocolType, protocolName,\n"
    "protocolGroupName, countryCode, identity, serialNumber, tacNo, beaconNo,\n"
    "beaconCategoryName, firstEpirb, additionalDataType, nationalData, bch1Valid and bch2Valid\n"
    "with bch1Computed and bch2Computed, the codes the message should carry, in hex (BCH-2\n"
    "null for a short message); decode leaves out what its input does not hold.\n"
    "hexId is the registration ID: bits 26-85 with the position fields at their defaults, so a\n"
    "message carrying a position gives the ID the beacon is registered under. Location protocols\n"
    "add position: {latitude, longitude} in degrees (south and west negative), the coarse\n"
    "position refined by the PDF-2 offsets where present; null when the fields hold none.\n"
    "decode also prints every field of the protocol by its bits, for the protocols encode does\n"
    "not code too (positionText: the position with its resolution); problems: what cannot be\n"
    "read (an unassigned Baudot or BCD code, a spare protocol code or beacon type, fixed bits not\n"
    "holding their pattern, a location protocol in a short message, position bits of a hex ID that\n"
    "are not the defaults); notes: bits of national use (a serial user protocol with bit 43 = 0,\n"
    "the national user protocol), which a valid message may carry.\n"
    "Exit codes: 0 success, notes or not; 1 decode printed, but a BCH code fails or problems is\n"
    "not empty (each named on stderr), as for block decode and read; 2 bad usage or bad input\n"
    "(one line on stderr).\n";

bool isMmsiProtocol(int t)
{
    using namespace ProtocolType;
    return t == StdLocationMmsi || t == UserMmsi || t == UserLocationMmsi || t == RlsUserMmsiEpirb
        || t == RlsUserMmsiTest || t == RlsUserMmsiPlb;
}

bool isCallSignProtocol(int t)
{
    return t == ProtocolType::UserRadiocall || t == ProtocolType::UserLocationRadioCallsign;
}

bool isRlsTacProtocol(int t)
{
    using namespace ProtocolType;
    return t == RlsUserTacEpirb || t == RlsUserTacTest || t == RlsUserTacPlb;
}

bool isNationalProtocol(int t)
{
    return t == ProtocolType::NationalLocationPlb || t == ProtocolType::NationalLocationTest;
}

// Largest specific beacon number the protocol codes, -1 when it has none.
int maxBeaconNo(int t)
{
    using namespace ProtocolType;
    switch (t) {
    case UserMmsi:
    case UserRadiocall:
    case UserLocationMmsi:
    case UserLocationRadioCallsign:
        return 35;
    case StdLocationMmsi:
        return 15;
    default:
        return -1;
    }
}

// Whether a setter of the protocol reaches the message (probed on a scratch object).
bool carriesSerial(int t)
{
    MsgPtr m(EpirbMsgBase::create(t));
    m->setSerialNumber(1);
    return m->serialNumber() == 1;
}

bool carriesTac(int t)
{
    MsgPtr m(EpirbMsgBase::create(t));
    m->setTacNo(5);
    return m->tacNo() % 1000 == 5;
}

// Strict decimal: digits only, within [min, max].
bool parseNumber(const QString &text, qint64 min, qint64 max, qint64 *out)
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,10}")));
    if (!digits.match(text).hasMatch())
        return false;
    const qint64 v = text.toLongLong();
    if (v < min || v > max)
        return false;
    *out = v;
    return true;
}

struct EncodeOptions
{
    qint64 protocol = -1;
    qint64 country = -1;
    QString identity;
    bool hasIdentity = false;
    qint64 serial = 0;
    bool hasSerial = false;
    qint64 tac = 0;
    bool hasTac = false;
    qint64 beaconNo = 0;
    bool hasBeaconNo = false;
    qint64 firstEpirb = 1;
    bool hasFirstEpirb = false;
    qint64 additionalDataType = 1;
    bool hasAdditionalDataType = false;
    qint64 nationalData = 0;
    bool hasNationalData = false;
    bool manualOnly = false;
};

int runEncode(QStringList args)
{
    EncodeOptions o;
    QString nationalDataText;
    while (!args.isEmpty()) {
        const QString name = args.takeFirst();
        if (name == QLatin1String("--manual-only")) {
            o.manualOnly = true;
            continue;
        }
        static const QStringList valued = {
            QStringLiteral("--protocol"), QStringLiteral("--country"), QStringLiteral("--identity"),
            QStringLiteral("--serial"), QStringLiteral("--tac"), QStringLiteral("--beacon-no"),
            QStringLiteral("--first-epirb"), QStringLiteral("--additional-data-type"),
            QStringLiteral("--national-data"),
        };
        if (!valued.contains(name))
            return cli::usageError(QStringLiteral("unknown argument \"%1\" (see msg --help)").arg(name));
        if (args.isEmpty())
            return cli::usageError(QStringLiteral("%1 needs a value").arg(name));
        const QString value = args.takeFirst();
        auto number = [&](qint64 min, qint64 max, qint64 *out, bool *given) {
            if (given)
                *given = true;
            return parseNumber(value, min, max, out);
        };
        const auto bad = [&]() {
            return cli::usageError(QStringLiteral("invalid value \"%1\" for %2").arg(value, name));
        };
        if (name == QLatin1String("--protocol")) {
            if (!number(0, ProtocolType::ProtocolMax - 1, &o.protocol, nullptr))
                return cli::usageError(QStringLiteral("unknown protocol \"%1\" (0-23)").arg(value));
        } else if (name == QLatin1String("--country")) {
            if (!number(0, 999, &o.country, nullptr) || !((o.country >= 200 && o.country <= 799)
                                                          || (o.country >= 982 && o.country <= 989)))
                return cli::usageError(QStringLiteral("country code \"%1\" out of range (200-799, 982-989)").arg(value));
        } else if (name == QLatin1String("--identity")) {
            o.identity = value;
            o.hasIdentity = true;
        } else if (name == QLatin1String("--serial")) {
            if (!number(0, 0x7FFFFFFF, &o.serial, &o.hasSerial))
                return bad();
        } else if (name == QLatin1String("--tac")) {
            if (!number(0, 65535, &o.tac, &o.hasTac))
                return bad();
        } else if (name == QLatin1String("--beacon-no")) {
            if (!number(0, 255, &o.beaconNo, &o.hasBeaconNo))
                return bad();
        } else if (name == QLatin1String("--first-epirb")) {
            if (!number(0, 1, &o.firstEpirb, &o.hasFirstEpirb))
                return bad();
        } else if (name == QLatin1String("--additional-data-type")) {
            if (!number(0, 1, &o.additionalDataType, &o.hasAdditionalDataType))
                return bad();
        } else if (name == QLatin1String("--national-data")) {
            nationalDataText = value;
            if (!number(0, 0xFFFFF, &o.nationalData, &o.hasNationalData))
                return bad();
        }
    }
    if (o.protocol < 0 || o.country < 0)
        return cli::usageError(QStringLiteral("encode needs --protocol and --country"));

    const int type = int(o.protocol);
    const QByteArray identity = o.identity.toLatin1();
    if (isMmsiProtocol(type)) {
        static const QRegularExpression mmsi(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{6,9}")));
        if (!o.hasIdentity || !mmsi.match(o.identity).hasMatch())
            return cli::usageError(QStringLiteral("protocol %1 needs --identity with an MMSI of 6 to 9 digits").arg(type));
    } else if (isCallSignProtocol(type)) {
        if (!o.hasIdentity || o.identity.trimmed().isEmpty() || o.identity.toLatin1() != o.identity.toUtf8()
            || !UserRadioCall::isValidCallSign(identity))
            return cli::usageError(QStringLiteral("protocol %1 needs --identity with a radio call sign "
                                                  "(up to 4 of A-Z 0-9 space - /, then up to 3 digits)").arg(type));
    } else if (o.hasIdentity) {
        return cli::usageError(QStringLiteral("protocol %1 takes no --identity").arg(type));
    }

    // The country code as a configuration codes it: associated craft (98x) and 319.
    int country = int(o.country);
    if (country >= 982) {
        bool ok = false;
        o.identity.left(2).toInt(&ok);
        if (!ok || o.identity.size() < 2)
            return cli::usageError(QStringLiteral("country %1 needs --identity starting with the two last digits "
                                                  "of the real country code").arg(country));
        country = EpirbConfig::resolveCountryCode(country, o.identity);
        if (country < 200 || country > 799)
            return cli::usageError(QStringLiteral("country %1 with identity %2 gives no valid country code (%3)")
                                       .arg(o.country).arg(o.identity).arg(country));
    }
    country = EpirbConfig::encodeCountryCode(country);

    MsgPtr probe(EpirbMsgBase::create(type));
    if (o.hasSerial) {
        if (!carriesSerial(type))
            return cli::usageError(QStringLiteral("protocol %1 carries no serial number").arg(type));
        if (o.serial > probe->maxSerialNumber())
            return cli::usageError(QStringLiteral("serial number %1 out of range for protocol %2 (0-%3)")
                                       .arg(o.serial).arg(type).arg(probe->maxSerialNumber()));
    }
    if (o.hasTac) {
        if (!carriesTac(type))
            return cli::usageError(QStringLiteral("protocol %1 carries no type approval number").arg(type));
        if (isRlsTacProtocol(type)) {
            const qint64 last = o.tac % 1000;
            if (o.tac > 3999 || last < 1 || last > 958)
                return cli::usageError(QStringLiteral("RLS type approval number %1 out of range "
                                                      "(last three digits 1-958)").arg(o.tac));
        } else if (o.tac > 999) {
            return cli::usageError(QStringLiteral("type approval number %1 out of range (0-999)").arg(o.tac));
        }
    }
    if (o.hasBeaconNo) {
        const int max = maxBeaconNo(type);
        if (max < 0)
            return cli::usageError(QStringLiteral("protocol %1 carries no beacon number").arg(type));
        if (o.beaconNo > max)
            return cli::usageError(QStringLiteral("beacon number %1 out of range for protocol %2 (0-%3)")
                                       .arg(o.beaconNo).arg(type).arg(max));
    }
    if (o.hasFirstEpirb && type != ProtocolType::RlsUserMmsiEpirb && o.firstEpirb != 1)
        return cli::usageError(QStringLiteral("protocol %1 has no second-EPIRB choice").arg(type));
    if ((o.hasAdditionalDataType || o.hasNationalData) && !isNationalProtocol(type))
        return cli::usageError(QStringLiteral("protocol %1 carries no national data").arg(type));
    if (o.additionalDataType == 1 && o.nationalData > 63)
        return cli::usageError(QStringLiteral("national data %1 out of range with position offsets (0-63)")
                                   .arg(nationalDataText));

    // Same calls, same order as the configuration record.
    MsgPtr m(EpirbMsgBase::create(type));
    m->setCountryCode(country);
    m->setIdentity(identity);
    m->setSerialNumber(int(o.serial));
    m->setBeaconNo(int(o.beaconNo));
    m->setTacNo(int(o.tac % 1000));
    m->setFirstEpirb(o.firstEpirb == 1);
    m->setAdditionalDataType(o.additionalDataType == 1);
    m->setNationalData(int(o.nationalData));
    if (o.manualOnly)
        m->setManualActivationOnly(true);
    if (m->protocolType() == ProtocolType::UserSerialEpirb || m->protocolType() == ProtocolType::UserLocationSerialEpirb)
        m->setBeaconCategory(4);
    m->calculateBch();

    if (m->protocolType() != type || !m->isBchValid())
        return cli::usageError(QStringLiteral("internal error: protocol %1 did not encode as itself").arg(type));
    cli::printJson(MessageDecoder::describe(*m, true));
    return cli::Ok;
}

int runDecode(const QStringList &args)
{
    if (args.size() != 1)
        return cli::usageError(QStringLiteral("decode needs exactly one HEX argument"));
    // The window's inspector decodes the same way; only its input is more forgiving.
    const MessageDecoder::Result r = MessageDecoder::decodeHex(args.first().toLatin1(),
                                                               CountryCodeModel::instance(nullptr)->nameLookup());
    if (!r.ok)
        return cli::usageError(r.error);
    cli::printJson(r.json);
    if (!MessageDecoder::fails(r))
        return cli::Ok;
    for (const QString &problem : r.problems)
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(problem));
    if (MessageDecoder::storedMessageFails(QByteArray::fromHex(r.json.value(QStringLiteral("hexMessage")).toString().toLatin1())))
        std::fputs("quorvik-cli: the message fails its BCH check\n", stderr);
    return cli::Failure;
}

QString protocolList()
{
    QString out;
    for (int t = 0; t < ProtocolType::ProtocolMax; ++t)
        out += QStringLiteral("                   %1 %2\n").arg(t, 2).arg(ProtocolNames::longName(t));
    return out;
}

} // namespace

int runMsgCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        const QByteArray help = QString::fromLatin1(kHelp).arg(protocolList()).toLocal8Bit();
        std::fwrite(help.constData(), 1, size_t(help.size()), stdout);
        return cli::Ok;
    }
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("encode"))
        return runEncode(args);
    if (sub == QLatin1String("decode"))
        return runDecode(args);
    return cli::usageError(QString::fromLatin1(kUsage));
}
