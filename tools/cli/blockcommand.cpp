#include "blockcommand.h"

#include "clicommand.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "coding/messagedecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

const char *const kHelp =
    "Usage: quorvik-cli block decode FILE\n"
    "       quorvik-cli block encode JSONFILE OUT\n\n"
    "decode  prints the configuration held in a 192-byte beacon data block as JSON\n"
    "        (dates yyyy-MM-dd, the 406 MHz message as hex with hexId and checksum,\n"
    "        bch1Valid/bch2Valid with bch1Computed/bch2Computed). A stored message that\n"
    "        fails either BCH check, or holds something that cannot be read (the\n"
    "        problems msg decode lists), is printed, then reported on stderr with exit\n"
    "        code 1.\n"
    "encode  writes a data block from such JSON; without \"message\" the message is\n"
    "        computed from the identity members.\n";

// Collects the back end's warnings while a command runs, so that a failure is reported
// as one line with its reason instead of a trail of log lines.
class WarningCapture
{
public:
    WarningCapture() { m_previous = qInstallMessageHandler(&WarningCapture::handler); }
    ~WarningCapture()
    {
        qInstallMessageHandler(m_previous);
        s_warnings.clear();
    }
    static QString last() { return s_warnings.isEmpty() ? QString() : s_warnings.last(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
            s_warnings.append(text);
    }
    static inline QStringList s_warnings;
    QtMessageHandler m_previous = nullptr;
};

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(kDateFormat) : QString();
}

// Labels need the country list that ships beside the program.
void loadCountries()
{
    const QString dir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(dir + QStringLiteral("/Country.txt")))
        CountryCodeModel::instance(nullptr)->loadCountryList(dir, QString());
}

int decodeCommand(const QStringList &args)
{
    if (args.size() != 1)
        return cli::usageError(QStringLiteral("block decode takes one FILE"));
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly))
        return cli::usageError(QStringLiteral("cannot read %1: %2").arg(args.first(), file.errorString()));
    // Anything much larger than a block is not one; do not slurp it.
    const QByteArray block = file.read(4 * kDataBlockSize);
    WarningCapture capture;
    loadCountries();
    EpirbConfig config;
    if (!decodeDataBlock(block, config))
        return cli::usageError(QStringLiteral("%1 is not a decodable data block (%2)").arg(args.first(), WarningCapture::last()));
    cli::printJson(blockjson::toJson(config));
    return blockjson::reportBrokenMessage(config);
}

int encodeCommand(const QStringList &args)
{
    if (args.size() != 2)
        return cli::usageError(QStringLiteral("block encode takes JSONFILE and OUT"));
    QFile in(args.at(0));
    if (!in.open(QIODevice::ReadOnly))
        return cli::usageError(QStringLiteral("cannot read %1: %2").arg(args.at(0), in.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (!doc.isObject())
        return cli::usageError(QStringLiteral("%1 does not hold a JSON object%2")
                                   .arg(args.at(0), parseError.error == QJsonParseError::NoError
                                            ? QString()
                                            : QStringLiteral(": ") + parseError.errorString()));

    WarningCapture capture;
    loadCountries();
    EpirbConfig config;
    QString error;
    if (!blockjson::fromJson(doc.object(), config, &error))
        return cli::usageError(QStringLiteral("%1: %2").arg(args.at(0), error));
    const QByteArray block = encodeDataBlock(config);
    if (block.isEmpty())
        return cli::usageError(QStringLiteral("%1: %2").arg(args.at(0), WarningCapture::last()));

    QSaveFile out(args.at(1));
    if (!out.open(QIODevice::WriteOnly) || out.write(block) != block.size() || !out.commit())
        return cli::usageError(QStringLiteral("cannot write %1: %2").arg(args.at(1), out.errorString()));
    return cli::Ok;
}

} // namespace

int runBlockCommand(const QStringList &args)
{
    if (args.isEmpty())
        return cli::usageError(QStringLiteral("block needs decode or encode (see block --help)"));
    const QString verb = args.first();
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        std::fputs(kHelp, stdout);
        return cli::Ok;
    }
    if (verb == QLatin1String("decode"))
        return decodeCommand(args.mid(1));
    if (verb == QLatin1String("encode"))
        return encodeCommand(args.mid(1));
    return cli::usageError(QStringLiteral("unknown block action \"%1\" (see block --help)").arg(verb));
}

namespace blockjson {

int reportBrokenMessage(const EpirbConfig &config)
{
    if (MessageDecoder::storedMessageFails(config.messageBytes())) {
        std::fputs("quorvik-cli: The message stored in this beacon fails its check: reprogram it\n", stderr);
        return cli::Failure;
    }
    // Exit 1 means what it means for msg decode: a failed BCH code or something that cannot be read.
    const MessageDecoder::Result r = MessageDecoder::decodeHex(config.messageBytes().toHex(), nullptr);
    if (!r.ok || r.problems.isEmpty())
        return cli::Ok;
    for (const QString &problem : r.problems)
        std::fprintf(stderr, "quorvik-cli: the stored message: %s\n", qPrintable(problem));
    return cli::Failure;
}

QJsonObject toJson(const EpirbConfig &config)
{
    QJsonObject o;
    o.insert(QStringLiteral("beaconType"), config.beaconType());
    o.insert(QStringLiteral("vendorId"), config.vendorId());
    o.insert(QStringLiteral("hardwareType"), config.hardwareType());
    o.insert(QStringLiteral("hardwareSerial"), double(config.hardwareSerial()));
    o.insert(QStringLiteral("productionDate"), dateText(config.productionDate()));
    o.insert(QStringLiteral("beaconSerial"), config.beaconSerial());
    o.insert(QStringLiteral("aisSartMmsi"), config.aisSartMmsi());
    o.insert(QStringLiteral("batteryType"), config.batteryType());
    o.insert(QStringLiteral("tacNo"), config.tacNo());
    o.insert(QStringLiteral("tacNoRls"), config.storedTacNoRls());
    o.insert(QStringLiteral("tacNoRlsPlb"), config.storedTacNoRlsPlb());
    o.insert(QStringLiteral("batteryExpiry"), dateText(config.batteryExpiryDate()));
    o.insert(QStringLiteral("batteryProd"), dateText(config.batteryProdDate()));
    o.insert(QStringLiteral("batteryExpiryMode"), config.batteryExpiryMode());
    o.insert(QStringLiteral("message"), config.epirbAsciiMsg());
    o.insert(QStringLiteral("hexId"), config.epirbHexMsg());
    o.insert(QStringLiteral("checksum"), config.epirbHexChecksum());
    // Whether the stored message would be accepted by a receiver, and what it should hold.
    const QJsonObject bch = MessageDecoder::bchJson(config.messageBytes());
    for (auto it = bch.begin(); it != bch.end(); ++it)
        o.insert(it.key(), it.value());
    o.insert(QStringLiteral("sweepDirection"), config.sweepDirection());
    o.insert(QStringLiteral("useMorseCode"), config.useMorseCode());
    o.insert(QStringLiteral("morseSequence"), config.morseSequence());
    o.insert(QStringLiteral("blinkRate"), config.blinkRate());
    o.insert(QStringLiteral("morseSpeed"), config.morseSpeed());
    o.insert(QStringLiteral("ownerName"), config.ownerName());
    o.insert(QStringLiteral("ownerAddress"), config.ownerAddress());
    o.insert(QStringLiteral("ownerTelephone"), config.ownerTelephone());
    o.insert(QStringLiteral("ownerOther"), config.ownerOther());
    o.insert(QStringLiteral("progOperator"), config.progOperator());
    o.insert(QStringLiteral("progDealer"), double(config.progDealer()));
    o.insert(QStringLiteral("progStation"), config.progStation());
    o.insert(QStringLiteral("progDate"), dateText(config.progDate()));
    o.insert(QStringLiteral("quorvikVersion"), config.quorvikVersion());
    o.insert(QStringLiteral("additionalInfo"), config.additionalInfo());
    o.insert(QStringLiteral("protocolId"), config.protocolId());
    o.insert(QStringLiteral("mmsi"), config.mmsi());
    o.insert(QStringLiteral("beaconNo"), config.beaconNo());
    o.insert(QStringLiteral("countryCode"), config.rawCountryCode());
    o.insert(QStringLiteral("countryLabel"), config.countryLabel());
    o.insert(QStringLiteral("firstEpirb"), config.firstEpirb());
    o.insert(QStringLiteral("additionalDataType"), config.additionalDataType());
    o.insert(QStringLiteral("additionalData"), config.additionalData());
    o.insert(QStringLiteral("customSerial"), config.customSerial());
    return o;
}

bool fromJson(const QJsonObject &json, EpirbConfig &config, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    bool datesOk = true;
    auto date = [&json, &datesOk, error](const char *key, const QDate &fallback) {
        if (!json.contains(QLatin1String(key)))
            return fallback;
        const QString text = json.value(QLatin1String(key)).toString();
        if (text.isEmpty())
            return QDate();
        const QDate d = QDate::fromString(text, kDateFormat);
        if (!d.isValid() && datesOk) {
            datesOk = false;
            if (error)
                *error = QStringLiteral("\"%1\" is not a yyyy-MM-dd date: %2").arg(QLatin1String(key), text);
        }
        return d;
    };
    auto number = [&json](const char *key, double fallback = 0) {
        return json.value(QLatin1String(key)).toDouble(fallback);
    };
    auto text = [&json](const char *key) { return json.value(QLatin1String(key)).toString(); };
    auto flag = [&json](const char *key, bool fallback) { return json.value(QLatin1String(key)).toBool(fallback); };

    config.setBeaconType(int(number("beaconType", ConfigTables::E_SkuaP5)));
    config.setVendorId(int(number("vendorId")));
    config.setHardwareType(int(number("hardwareType")));
    config.setHardwareSerial(quint32(number("hardwareSerial")));
    config.setProductionDate(date("productionDate", config.productionDate()));
    config.setSerial(text("beaconSerial"));
    config.setAisSartMmsi(int(number("aisSartMmsi")));
    config.setBatteryType(int(number("batteryType")));
    config.setTacNo(int(number("tacNo")));
    config.setTacNumberRls(int(number("tacNoRls")));
    config.setTacNumberRlsPlb(int(number("tacNoRlsPlb")));
    config.setBatteryExpiry(QDateTime(date("batteryExpiry", config.batteryExpiryDate()), QTime(0, 0)));
    config.setBatteryProd(QDateTime(date("batteryProd", config.batteryProdDate()), QTime(0, 0)));
    config.setBatteryExpiryMode(int(number("batteryExpiryMode")));
    config.setSweepDirection(flag("sweepDirection", false));
    config.setUseMorseCode(flag("useMorseCode", false));
    config.setMorseSequence(text("morseSequence"));
    config.setBlinkRate(int(number("blinkRate")));
    config.setMorseSpeed(int(number("morseSpeed")));
    config.setOwnerName(text("ownerName"));
    config.setOwnerAddress(text("ownerAddress"));
    config.setOwnerTelephone(text("ownerTelephone"));
    config.setOwnerOther(text("ownerOther"));
    config.setProgOperator(text("progOperator"));
    config.setProgDealer(quint32(number("progDealer")));
    config.setProgStation(text("progStation"));
    config.setProgDate(date("progDate", QDate()));
    config.setQuorvikVersion(text("quorvikVersion"));
    config.setAdditionalInfo(text("additionalInfo"));
    if (!datesOk)
        return false;

    // Identity first, so that a given message (which carries its own identity) wins.
    config.setProtocolId(int(number("protocolId")));
    config.setMmsi(text("mmsi"));
    config.setBeaconNo(int(number("beaconNo")));
    config.setCountryCode(int(number("countryCode")));
    config.setFirstEpirb(flag("firstEpirb", true));
    config.setAdditionalDataType(flag("additionalDataType", true));
    config.setAdditionalData(int(number("additionalData")));
    config.setCustomSerial(int(number("customSerial")));

    const QString hex = text("message");
    if (!json.contains(QLatin1String("message"))) {
        config.calculateCsMsg();
        return true;
    }
    static const QRegularExpression hexDigits(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!hexDigits.match(hex).hasMatch())
        return fail(QStringLiteral("\"message\" is not hexadecimal: %1").arg(hex));
    const QByteArray message = QByteArray::fromHex(hex.toLatin1());
    if (message.size() > kDataBlockMaxMessage)
        return fail(QStringLiteral("\"message\" has %1 bytes, at most %2 fit").arg(message.size()).arg(kDataBlockMaxMessage));
    config.setMessageBytes(message);
    return true;
}

} // namespace blockjson
