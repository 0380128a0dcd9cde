#include "config/identityrules.h"

#include "coding/epirbmsgbase.h"
#include "coding/messagedecoder.h"
#include "coding/protocolnames.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/countryrules.h"
#include "config/countryrow.h"
#include "config/epirbconfig.h"
#include "config/protocolmodel.h"

#include <QJSEngine>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <memory>

QPointer<IdentityRules> IdentityRules::s_instance;

namespace {

const QString kMmsi = QStringLiteral("mmsi");
const QString kBeaconNo = QStringLiteral("beaconNo");
const QString kSerial = QStringLiteral("serial");
const QString kNationalId = QStringLiteral("nationalId");
const QString kNationalData = QStringLiteral("nationalData");

constexpr int kNationalIdMax = 262143;
constexpr int kNationalDataMax = 1048575;
constexpr int kNationalDeltaMax = 63;

// Six digits of an MMSI, no letters.
bool isStrictMmsi(int protocol)
{
    return protocol == ConfigTables::E_StdLocationMmsi || protocol == ConfigTables::E_RlsUserMmsiEpirb
            || protocol == ConfigTables::E_RlsUserMmsiTest || protocol == ConfigTables::E_RlsUserMmsiPlb;
}

bool isUserMmsi(int protocol)
{
    return protocol == ConfigTables::E_UserMmsi || protocol == ConfigTables::E_UserLocationMmsi;
}

bool isRadioCall(int protocol)
{
    return protocol == ConfigTables::E_UserRadiocall || protocol == ConfigTables::E_UserLocationRadioCallsign;
}

bool isNational(int protocol)
{
    return protocol == ConfigTables::E_NationalLocationPlb || protocol == ConfigTables::E_NationalLocationTest;
}

bool isSerialProtocol(int protocol)
{
    switch (protocol) {
    case ConfigTables::E_StdLocationSerialEpirb:
    case ConfigTables::E_UserSerialEpirb:
    case ConfigTables::E_UserLocationSerialEpirb:
    case ConfigTables::E_RlsUserTacEpirb:
    case ConfigTables::E_StdLocationTest:
    case ConfigTables::E_UserTestEpirb:
    case ConfigTables::E_UserLocationTestEpirb:
    case ConfigTables::E_RlsUserTacTest:
    case ConfigTables::E_StdLocationSerialPlb:
    case ConfigTables::E_UserSerialPlb:
    case ConfigTables::E_UserLocationSerialPlb:
    case ConfigTables::E_RlsUserTacPlb:
    case ConfigTables::E_UserTestPlb:
    case ConfigTables::E_UserLocationTestPlb:
        return true;
    default:
        return false;
    }
}

bool isAssociatedCraft(int rawCountryCode)
{
    return rawCountryCode >= 982 && rawCountryCode <= 989;
}

bool allDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int maxSerial(int protocol)
{
    const std::unique_ptr<EpirbMsgBase> message(EpirbMsgBase::create(protocol));
    return message ? message->maxSerialNumber() : 0;
}

ConfigTables *tables()
{
    return ConfigTables::instance(nullptr);
}

// The identity as the message carries it, without the padding of the encoders.
QString plainIdentity(const QByteArray &identity)
{
    return QString::fromLatin1(identity).remove(QLatin1Char(' '));
}

QString serialText(int protocol, int rawCountryCode, int serial)
{
    return CountryRules::transformIdentity(protocol, rawCountryCode, uint32_t(serial));
}

// Enabled in the settings for this model, and allowed by the country.
bool enabledFor(int protocol, int countryCode)
{
    return tables()->isProtocolValid(protocol) && IdentityRules::isProtocolAllowed(protocol, countryCode);
}

QString differs(const QString &field, const QString &inMessage, const QString &entered)
{
    return QStringLiteral("%1 %2 in the message, %3 entered")
            .arg(field, inMessage, entered.isEmpty() ? QStringLiteral("none") : entered);
}

} // namespace

IdentityRules::IdentityRules(QObject *parent)
    : QObject(parent)
{
}

IdentityRules *IdentityRules::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new IdentityRules(parent);
    return s_instance;
}

IdentityRules *IdentityRules::create(QQmlEngine *, QJSEngine *)
{
    IdentityRules *rules = instance(nullptr);
    QJSEngine::setObjectOwnership(rules, QJSEngine::CppOwnership);
    return rules;
}

QStringList IdentityRules::fields(int protocol)
{
    if (protocol == ConfigTables::E_RlsUserMmsiTest || protocol == ConfigTables::E_RlsUserMmsiPlb)
        return { kMmsi };
    if (isStrictMmsi(protocol) || isUserMmsi(protocol) || isRadioCall(protocol))
        return { kMmsi, kBeaconNo };
    if (isSerialProtocol(protocol))
        return { kSerial };
    if (isNational(protocol))
        return { kNationalId, kNationalData };
    return {};
}

QString IdentityRules::caption(const QString &field, int protocol, int rawCountryCode)
{
    if (field == kMmsi) {
        const int digits = isAssociatedCraft(rawCountryCode) ? 4 : 6;
        if (isUserMmsi(protocol))
            return tr("MMSI (last %1 digits) / Call sign:").arg(digits);
        if (isRadioCall(protocol))
            return tr("Radio Call Sign:");
        return tr("MMSI number (last %1 digits):").arg(digits);
    }
    if (field == kBeaconNo)
        return tr("Beacon number (0-%1):").arg(beaconNoMaximum(protocol) - 1);
    if (field == kSerial) {
        const QString custom = CountryRules::inputDescription(protocol, rawCountryCode);
        return custom.isEmpty() ? tr("Serial number:") : custom;
    }
    if (field == kNationalId)
        return tr("National ID Number");
    if (field == kNationalData)
        return tr("National Data");
    return {};
}

int IdentityRules::maxLength(const QString &field, int protocol, int rawCountryCode)
{
    if (field == kMmsi) {
        if (isStrictMmsi(protocol))
            return 9; // the whole MMSI may be typed; it then has to start with the MID
        return isRadioCall(protocol) ? 7 : 6;
    }
    if (field == kBeaconNo)
        return int(std::floor(std::log10(double(beaconNoMaximum(protocol))))) + 1;
    if (field == kSerial) {
        if (!CountryRules::validationExpr(protocol, rawCountryCode).isEmpty())
            return 6;
        return int(QString::number(qMax(1, maxSerial(protocol))).size());
    }
    if (field == kNationalId)
        return 6;
    if (field == kNationalData)
        return 7;
    return 0;
}

int IdentityRules::beaconNoMaximum(int protocol)
{
    if (protocol == ConfigTables::E_StdLocationMmsi)
        return 16;
    if (protocol == ConfigTables::E_RlsUserMmsiEpirb)
        return 2;
    return 36;
}

QString IdentityRules::check(const QString &field, int protocol, int rawCountryCode, const QString &textIn,
                             bool deltaPosition)
{
    const QString text = textIn.trimmed();
    if (field == kMmsi) {
        if (isStrictMmsi(protocol)) {
            if (text.isEmpty())
                return tr("Enter the MMSI");
            if (!allDigits(text))
                return tr("The MMSI takes digits only");
            if (isAssociatedCraft(rawCountryCode))
                return text.size() == 4 ? QString() : tr("Enter the last 4 digits of the MMSI");
            if (text.size() == 6)
                return {};
            if (text.size() == 9) {
                const QString mid = QString::number(rawCountryCode);
                if (text.startsWith(mid))
                    return {};
                return tr("MMSI %1 does not start with %2, the MID of the country chosen").arg(text, mid);
            }
            return tr("The MMSI needs 6 digits: its last 6, or all 9");
        }
        static const QRegularExpression userMmsi(QStringLiteral("^[0-9A-Z]{3,6}$"));
        static const QRegularExpression callSign(QStringLiteral("^[0-9A-Z]{1,4}[0-9]{0,3}$"));
        if (isUserMmsi(protocol))
            return userMmsi.match(text).hasMatch() ? QString() : tr("Enter 3 to 6 letters or digits");
        if (isRadioCall(protocol))
            return text.size() >= 3 && callSign.match(text).hasMatch()
                    ? QString()
                    : tr("A radio call sign is up to 4 letters or digits, then up to 3 digits");
        return tr("This protocol has no MMSI");
    }
    if (field == kBeaconNo) {
        const int maximum = beaconNoMaximum(protocol);
        bool ok = allDigits(text);
        const int value = ok ? text.toInt(&ok) : -1;
        return ok && value < maximum ? QString() : tr("Beacon number must be 0 to %1").arg(maximum - 1);
    }
    if (field == kSerial) {
        const QString expr = CountryRules::validationExpr(protocol, rawCountryCode);
        if (!expr.isEmpty()) {
            const QRegularExpression anchored(QRegularExpression::anchoredPattern(expr));
            const QString number = CountryRules::capture(protocol, rawCountryCode, text);
            const QString description = CountryRules::inputDescription(protocol, rawCountryCode);
            if (!anchored.match(text).hasMatch() || number.toInt() < 1)
                return tr("Not a valid %1").arg(description.isEmpty() ? tr("identity") : description.chopped(1));
            return {};
        }
        const int maximum = maxSerial(protocol);
        bool ok = allDigits(text);
        const int value = ok ? text.toInt(&ok) : 0;
        return ok && value >= 1 && value <= maximum ? QString() : tr("Serial number must be 1 to %1").arg(maximum);
    }
    if (field == kNationalId) {
        bool ok = allDigits(text);
        const int value = ok ? text.toInt(&ok) : -1;
        return ok && value <= kNationalIdMax ? QString() : tr("National ID must be 0 to %1").arg(kNationalIdMax);
    }
    if (field == kNationalData) {
        const int maximum = deltaPosition ? kNationalDeltaMax : kNationalDataMax;
        bool ok = allDigits(text);
        const int value = ok ? text.toInt(&ok) : -1;
        return ok && value <= maximum ? QString() : tr("National data must be 0 to %1").arg(maximum);
    }
    return tr("Unknown field");
}

QString IdentityRules::meaning(const QString &field, int protocol, int rawCountryCode, const QString &textIn)
{
    const QString text = textIn.trimmed();
    if (!check(field, protocol, rawCountryCode, text, false).isEmpty() && field != kNationalData)
        return textIn;
    if (field == kMmsi && isStrictMmsi(protocol) && text.size() == 9)
        return text.right(6);
    if (field == kSerial)
        return QString::number(CountryRules::capture(protocol, rawCountryCode, text).toInt());
    if (field == kBeaconNo || field == kNationalId || field == kNationalData)
        return QString::number(text.toInt());
    return text;
}

QString IdentityRules::checkBeaconSerial(int beaconType, const QString &textIn)
{
    const QString text = textIn.trimmed();
    static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
    const int limit = tables()->beaconSerialNumberLimit(ConfigTables::e_beaconTypes(beaconType));
    if (!fiveDigits.match(text).hasMatch())
        return tr("Enter the 5 digits of the serial number on the beacon's label");
    if (limit >= 0 && text.toInt() > limit)
        return tr("Serial numbers above %1 are not handled for this beacon").arg(limit);
    return {};
}

QString IdentityRules::checkBatteryExpiry(const QString &text)
{
    return batteryExpiryDate(text).isValid() ? QString() : tr("Enter the battery expiry as month and year (MM/YYYY)");
}

QDateTime IdentityRules::batteryExpiryDate(const QString &text)
{
    static const QRegularExpression monthYear(QStringLiteral("^([0-9]{2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = monthYear.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(2).toInt(), m.captured(1).toInt(), 1);
    if (!date.isValid() || date.year() < 2000 || date.year() > 2099)
        return {};
    return QDateTime(date, QTime(0, 0));
}

ProtocolModel *IdentityRules::allowedProtocols(int countryCode)
{
    QList<int> allowed;
    if (const CountryRule *rule = CountryRules::rule(countryCode)) {
        for (int protocol : rule->allowedProtocols) {
            if (tables()->isProtocolValid(protocol))
                allowed.append(protocol);
        }
    } else {
        for (int i = 0; i < tables()->protocolsAvailableNo(); ++i)
            allowed.append(tables()->protocolId(i));
    }
    return new ProtocolModel(allowed, nullptr);
}

bool IdentityRules::isProtocolAllowed(int protocol, int countryCode)
{
    if (const CountryRule *rule = CountryRules::rule(countryCode))
        return rule->allowedProtocols.count(protocol) > 0;
    return tables()->isProtocolValid(protocol);
}

bool IdentityRules::isProtocolAllowedInCountry(int protocol, int countryCode)
{
    return CountryRules::isProtocolAllowedInCountry(protocol, countryCode);
}

QString IdentityRules::customProtocolInputDescriptionText(int protocol, int countryCode)
{
    return CountryRules::inputDescription(protocol, countryCode);
}

QString IdentityRules::protocolInputValidationExpr(int protocol, int countryCode)
{
    return CountryRules::validationExpr(protocol, countryCode);
}

Qt::InputMethodHints IdentityRules::protocolInputMethodHints(int protocol, int countryCode)
{
    return CountryRules::inputMethodHints(protocol, countryCode);
}

QString IdentityRules::protocolInputValidationExprCapture(int protocol, int countryCode, QString value)
{
    return CountryRules::capture(protocol, countryCode, value);
}

QString IdentityRules::protocolTransformIdentity(int protocol, int countryCode, uint32_t identity)
{
    return CountryRules::transformIdentity(protocol, countryCode, identity);
}

int IdentityRules::protocolInputValidationInt(int protocol, int)
{
    return maxSerial(protocol);
}

bool IdentityRules::isCustomSerialForced(int protocol, int countryCode)
{
    return CountryRules::isCustomSerialForced(protocol, countryCode);
}

bool IdentityRules::isCustomSerialInUse(QString beaconSerial, QString protocolSerial, int protocol, int countryCode)
{
    if (protocolSerial.isEmpty())
        return false;
    if (beaconSerial.toInt() == protocolSerial.toInt())
        return false;
    return !isSerialWrapped(beaconSerial, protocolSerial, protocol, countryCode);
}

// The log lines keep the names operators' log filters know.
bool IdentityRules::isSerialWrapped(QString beaconSerial, QString protocolSerial, int protocol, int)
{
    bool ok = false;
    const uint beaconNumber = beaconSerial.toUInt(&ok);
    if (!ok) {
        qWarning().noquote() << "ConfigTables::isSerialWrapped: Invalid beacon serial number " + beaconSerial;
        return false;
    }
    const uint protocolNumber = protocolSerial.toUInt(&ok);
    if (!ok) {
        qWarning().noquote() << "ConfigTables::isSerialWrapped: Invalid protocol serial number " + protocolSerial;
        return false;
    }
    if (beaconNumber == protocolNumber)
        return false;
    const std::unique_ptr<EpirbMsgBase> message(EpirbMsgBase::create(protocol));
    if (!message) {
        qWarning().noquote() << "ConfigTables: cannot check for wrapped serial, invalid protocol id "
                + QString::number(protocol);
        return false;
    }
    // Protocols without a plain serial field ignore the probe.
    message->setSerialNumber(5);
    if (message->serialNumber() != 5)
        return false;
    message->setSerialNumber(int(beaconNumber));
    return uint(message->serialNumber()) == protocolNumber;
}

QVariantMap IdentityRules::decode(const QByteArray &messageBytes)
{
    QVariantMap out;
    out.insert(QStringLiteral("valid"), false);
    const std::unique_ptr<EpirbMsgBase> msg(messageBytes.isEmpty() ? nullptr : EpirbMsgBase::fromBytes(messageBytes));
    if (!msg || msg->protocolType() >= ConfigTables::E_ProtocolMax)
        return out;
    // What the inspector and the command line show; this adds what a record's page needs.
    const QJsonObject d = MessageDecoder::describe(*msg, true);
    const int protocol = d.value(QStringLiteral("protocolType")).toInt();
    const int country = d.value(QStringLiteral("countryCode")).toInt();
    const int serial = d.value(QStringLiteral("serialNumber")).toInt();
    out.insert(QStringLiteral("valid"), true);
    out.insert(QStringLiteral("protocol"), protocol);
    out.insert(QStringLiteral("protocolName"), tables()->protocolName(protocol, country));
    out.insert(QStringLiteral("country"), country);
    out.insert(QStringLiteral("countryLabel"), CountryCodeModel::instance(nullptr)->countryLabelText(country));
    out.insert(QStringLiteral("fields"), fields(protocol));
    out.insert(QStringLiteral("mmsi"), d.value(QStringLiteral("identity")).toString().remove(QLatin1Char(' ')));
    out.insert(QStringLiteral("beaconNo"), protocol == ConfigTables::E_RlsUserMmsiEpirb
                   ? (d.value(QStringLiteral("firstEpirb")).toBool() ? 0 : 1)
                   : d.value(QStringLiteral("beaconNo")).toInt());
    out.insert(QStringLiteral("serial"), serialText(protocol, country, serial));
    out.insert(QStringLiteral("tac"), d.value(QStringLiteral("tacNo")).toInt());
    out.insert(QStringLiteral("nationalId"), serial);
    out.insert(QStringLiteral("nationalData"), d.value(QStringLiteral("nationalData")).toInt());
    out.insert(QStringLiteral("deltaPosition"), d.value(QStringLiteral("additionalDataType")).toBool());
    out.insert(QStringLiteral("hexId"), d.value(QStringLiteral("hexId")).toString());
    out.insert(QStringLiteral("checksum"), d.value(QStringLiteral("checksum")).toString());
    out.insert(QStringLiteral("bchValid"), d.value(QStringLiteral("bch1Valid")).toBool()
                   && (d.value(QStringLiteral("bch2Valid")).isNull() || d.value(QStringLiteral("bch2Valid")).toBool()));
    return out;
}

QVariantMap IdentityRules::decodeRecord(EpirbConfig *config)
{
    return config ? decode(config->messageBytes()) : decode(QByteArray());
}

QVariantMap IdentityRules::decodeComposed(EpirbConfig *config)
{
    return config ? decode(config->composedMessage()) : decode(QByteArray());
}

int IdentityRules::writtenTac(EpirbConfig *config)
{
    if (!config)
        return 0;
    const QVariantMap decoded = decodeComposed(config);
    if (decoded.value(QStringLiteral("valid")).toBool()
        && decoded.value(QStringLiteral("fields")).toStringList().contains(kSerial))
        return decoded.value(QStringLiteral("tac")).toInt();
    return config->tacNo();
}

int IdentityRules::recordTac(const EpirbConfig &config)
{
    switch (config.protocolId()) {
    case ConfigTables::E_RlsUserTacEpirb:
    case ConfigTables::E_RlsUserTacTest:
        return config.tacNoRls();
    case ConfigTables::E_RlsUserTacPlb:
        return config.tacNoRlsPlb();
    default:
        return config.tacNo() % 1000;
    }
}

namespace {

// The text a record holds for a field, as a page shows it.
QString recordText(const EpirbConfig &config, const QString &field)
{
    const int protocol = config.protocolId();
    if (field == kMmsi)
        return config.isAssociatedCraft() ? config.mmsi().trimmed().mid(2) : config.mmsi().trimmed();
    if (field == kBeaconNo)
        return QString::number(protocol == ConfigTables::E_RlsUserMmsiEpirb ? (config.firstEpirb() ? 0 : 1)
                                                                            : config.beaconNo());
    if (field == kSerial)
        return serialText(protocol, config.rawCountryCode(), config.encodedSerial());
    if (field == kNationalId)
        return QString::number(config.customSerial());
    if (field == kNationalData)
        return QString::number(config.additionalData());
    return {};
}

} // namespace

void IdentityRules::changeProtocol(EpirbConfig *config, int protocol)
{
    if (!config || config->protocolId() == protocol)
        return;
    const int old = config->protocolId();
    const int raw = config->rawCountryCode();
    const QStringList before = fields(old);
    const QStringList after = fields(protocol);
    const QString mmsi = recordText(*config, kMmsi);
    const QString beaconNo = recordText(*config, kBeaconNo);
    const bool serialKept = before.contains(kSerial) && after.contains(kSerial) && config->customSerial() > 0
            && CountryRules::validationExpr(old, raw) == CountryRules::validationExpr(protocol, raw)
            && check(kSerial, protocol, raw, serialText(protocol, raw, config->customSerial())).isEmpty();
    config->setProtocolId(protocol);
    if (!(before.contains(kMmsi) && after.contains(kMmsi) && check(kMmsi, protocol, raw, mmsi).isEmpty()))
        config->setMmsi(QString());
    if (!(before.contains(kBeaconNo) && after.contains(kBeaconNo) && check(kBeaconNo, protocol, raw, beaconNo).isEmpty())) {
        config->setBeaconNo(0);
        config->setFirstEpirb(true);
    }
    const bool national = before.contains(kNationalId) && after.contains(kNationalId);
    if (!serialKept && !national)
        config->setCustomSerial(0);
    if (!national) {
        config->setAdditionalDataType(true);
        config->setAdditionalData(0);
    }
}

void IdentityRules::changeCountry(EpirbConfig *config, int countryCode)
{
    if (!config)
        return;
    const int old = config->rawCountryCode();
    const int protocol = config->protocolId();
    if (old != countryCode) {
        // A number typed under one country's convention ("LC1234") means nothing under another's.
        if (CountryRules::validationExpr(protocol, old) != CountryRules::validationExpr(protocol, countryCode)
            && fields(protocol).contains(kSerial))
            config->setCustomSerial(0);
        if (fields(protocol).contains(kMmsi)
            && (isAssociatedCraft(old) != isAssociatedCraft(countryCode)
                || !check(kMmsi, protocol, countryCode, recordText(*config, kMmsi)).isEmpty()))
            config->setMmsi(QString());
    }
    config->setCountryCode(countryCode);
    if (tables()->protocolsAvailableNo() <= 1 && !enabledFor(protocol, countryCode)) {
        for (int p = 0; p < ConfigTables::E_ProtocolMax; ++p) {
            if (enabledFor(p, countryCode)) {
                changeProtocol(config, p);
                break;
            }
        }
    }
}

QString IdentityRules::protocolProblem(EpirbConfig *config)
{
    if (!config)
        return {};
    const int protocol = config->protocolId();
    const int raw = config->rawCountryCode();
    if (!fields(protocol).isEmpty() && enabledFor(protocol, raw))
        return {};
    if (tables()->protocolsAvailableNo() <= 1)
        return tr("No enabled protocol fits country %1: check the protocol settings").arg(raw);
    if (fields(protocol).isEmpty() || !tables()->isProtocolValid(protocol))
        return tr("This protocol is not enabled: choose another, or check the protocol settings");
    return tr("%1 is not allowed for country %2").arg(tables()->protocolName(protocol, raw)).arg(raw);
}

bool IdentityRules::isProtocolSupported(int beaconType, int countryCode, int protocol)
{
    // The first-generation models code a serial EPIRB for the USA in a way this program cannot.
    static const QList<int> noSerialUsa = { ConfigTables::E_Skua11, ConfigTables::E_Skua12, ConfigTables::E_Skua12X,
                                            ConfigTables::E_Skua21, ConfigTables::E_Skua31 };
    return !(CountryCodeModel::isCountryUsa(countryCode) && noSerialUsa.contains(beaconType)
             && protocol == ConfigTables::E_UserSerialEpirb);
}

namespace {

bool inCountryList(int rawCountryCode)
{
    for (const CountryRow &row : CountryCodeModel::instance(nullptr)->rows()) {
        if (row.code == rawCountryCode)
            return true;
    }
    return false;
}

// What a record holds in a field its protocol does not carry: empty when nothing, else
// the field's name. A read or prepared record keeps the serial number as its "MMSI"
// for serial protocols; that is no identity of its own.
QString strayField(const EpirbConfig &config, const QStringList &carried)
{
    if (!carried.contains(kMmsi)) {
        const QString mmsi = config.mmsi().trimmed();
        bool ok = false;
        const qint64 number = mmsi.toLongLong(&ok);
        const bool isSerial = ok && allDigits(mmsi)
                && (number == config.beaconSerial().trimmed().toLongLong() || number == config.encodedSerial()
                    || number == config.protocolSerial());
        if (!mmsi.isEmpty() && !isSerial)
            return IdentityRules::tr("MMSI");
    }
    if (!carried.contains(kBeaconNo) && config.beaconNo() != 0)
        return IdentityRules::tr("Beacon number");
    if (!carried.contains(kSerial) && !carried.contains(kNationalId) && config.customSerial() > 0)
        return IdentityRules::tr("Serial number");
    if (!carried.contains(kNationalData) && config.additionalData() != 0)
        return IdentityRules::tr("National data");
    return {};
}

} // namespace

QString IdentityRules::checkRecord(const EpirbConfig &config)
{
    const int protocol = config.protocolId();
    const int raw = config.rawCountryCode();
    const int beaconType = config.beaconType();
    const QStringList carried = fields(protocol);
    if (carried.isEmpty())
        return tr("Protocol %1 cannot be programmed").arg(protocol);
    const QString name = tables()->protocolName(protocol, raw);
    if (!tables()->protocolsFor(beaconType).contains(protocol))
        return tr("%1 is not a protocol of the %2").arg(name, tables()->beaconLongName(beaconType));
    if (!tables()->isProtocolOffered(beaconType, protocol)) {
        if (tables()->isTestProtocol(protocol))
            return tr("%1 is a test protocol: test protocols are not allowed").arg(name);
        return tr("This protocol is not enabled: choose another, or check the protocol settings");
    }
    if (!inCountryList(raw))
        return tr("Country %1 is not in the country list").arg(raw);
    // The countries' protocol restrictions are those of personal locator beacons.
    if (tables()->csBeaconType(beaconType) == ConfigTables::E_csPLB
        && !CountryRules::isProtocolAllowedInCountry(protocol, raw))
        return tr("%1 is not allowed for country %2").arg(name).arg(raw);
    if (!isProtocolSupported(beaconType, config.countryCode(), protocol))
        return tr("Serial protocols for USA cannot be programmed with Quorvik");
    if (config.beaconSerial().trimmed().isEmpty())
        return tr("Serial No: the beacon's serial number is missing");
    const QString stray = strayField(config, carried);
    if (!stray.isEmpty())
        return tr("%1: %2 does not carry it").arg(stray, name);
    const bool forced = CountryRules::isCustomSerialForced(protocol, raw);
    if (forced && config.customSerial() <= 0)
        return tr("%1 %2").arg(caption(kSerial, protocol, raw), tr("none entered"));
    if (carried.contains(kSerial) && config.customSerial() > 0 && !forced && !tables()->isTestProtocol(protocol)
        && !tables()->isSerialOverrideAllowed()
        && isCustomSerialInUse(config.beaconSerial().trimmed(), QString::number(config.customSerial()), protocol, raw))
        return tr("Serial number %1 is not the beacon's own, and custom protocol serial numbers are not enabled in options")
                .arg(serialText(protocol, raw, config.customSerial()));
    if (protocol == ConfigTables::E_RlsUserMmsiEpirb) {
        // The message holds first or second only: a beacon number set for the second must not go out as the first.
        if (config.beaconNo() > 1)
            return tr("Beacon number must be 0 to %1").arg(beaconNoMaximum(protocol) - 1);
        if (config.beaconNo() == 1 && config.firstEpirb())
            return tr("Beacon number 1 is the second EPIRB on board, but the record is marked as the first");
    }
    for (const QString &field : carried) {
        // The beacon's own serial number goes in as the protocol wraps it.
        if (field == kSerial && config.customSerial() <= 0)
            continue;
        const QString error = check(field, protocol, raw, recordText(config, field), config.additionalDataType());
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString IdentityRules::compareMessage(const EpirbConfig &config, const QByteArray &message)
{
    const std::unique_ptr<EpirbMsgBase> msg(message.isEmpty() ? nullptr : EpirbMsgBase::fromBytes(message));
    if (!msg || msg->protocolType() >= ConfigTables::E_ProtocolMax)
        return tr("The message to write does not decode");
    const int protocol = config.protocolId();
    const int raw = config.rawCountryCode();
    if (msg->protocolType() != protocol)
        return differs(tr("Protocol"), ProtocolNames::longName(msg->protocolType()), ProtocolNames::longName(protocol));
    if (msg->countryCode() != config.encodedCountryCode())
        return differs(tr("Country code"), QString::number(msg->countryCode()),
                       QString::number(config.encodedCountryCode()));
    if (!msg->isBchValid())
        return tr("The message to write has a wrong BCH code");

    for (const QString &field : fields(protocol)) {
        const QString entered = recordText(config, field);
        if (field == kMmsi) {
            const QString inMessage = plainIdentity(msg->identity());
            const QString name = isRadioCall(protocol) ? tr("Call sign") : tr("MMSI");
            if (config.isAssociatedCraft()) {
                const QString stored = config.mmsi().trimmed();
                if (!check(field, protocol, raw, entered).isEmpty() || inMessage != stored)
                    return differs(name, inMessage, stored);
                continue;
            }
            if (!check(field, protocol, raw, entered).isEmpty() || inMessage != meaning(field, protocol, raw, entered))
                return differs(name, inMessage, entered);
        } else if (field == kBeaconNo) {
            const int inMessage = protocol == ConfigTables::E_RlsUserMmsiEpirb ? (msg->firstEpirb() ? 0 : 1)
                                                                               : msg->beaconNo();
            if (!check(field, protocol, raw, entered).isEmpty() || QString::number(inMessage) != entered)
                return differs(tr("Beacon number"), QString::number(inMessage), entered);
        } else if (field == kSerial) {
            const int inMessage = msg->serialNumber();
            const QString name = tr("Serial number");
            int expected;
            if (config.customSerial() > 0) {
                if (!check(field, protocol, raw, entered).isEmpty())
                    return differs(name, serialText(protocol, raw, inMessage), entered);
                expected = config.customSerial();
            } else if (CountryRules::isCustomSerialForced(protocol, raw)) {
                return differs(name, serialText(protocol, raw, inMessage), QString());
            } else {
                // The beacon's serial number, wrapped as the field's width makes it.
                bool ok = false;
                const qint64 beacon = config.beaconSerial().trimmed().toLongLong(&ok);
                if (!ok || beacon <= 0)
                    return differs(name, serialText(protocol, raw, inMessage), config.beaconSerial());
                expected = int(beacon % (qint64(maxSerial(protocol)) + 1));
            }
            if (inMessage != expected)
                return differs(name, serialText(protocol, raw, inMessage), entered);
            // The RLS offsets (1000, 3000) follow from the protocol; the number is what was entered.
            if (msg->tacNo() % 1000 != recordTac(config) % 1000)
                return differs(tr("TAC"), QString::number(msg->tacNo()), QString::number(recordTac(config)));
        } else if (field == kNationalId) {
            if (!check(field, protocol, raw, entered).isEmpty() || QString::number(msg->serialNumber()) != entered)
                return differs(tr("National ID"), QString::number(msg->serialNumber()), entered);
        } else if (field == kNationalData) {
            if (msg->additionalDataType() != config.additionalDataType())
                return differs(tr("Use delta position"), msg->additionalDataType() ? tr("Yes") : tr("No"),
                               config.additionalDataType() ? tr("Yes") : tr("No"));
            if (!check(field, protocol, raw, entered, config.additionalDataType()).isEmpty()
                || QString::number(msg->nationalData()) != entered)
                return differs(tr("National data"), QString::number(msg->nationalData()), entered);
        }
    }
    return {};
}
