#include "config/configtables.h"

#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "config/osslicensemodel.h"

#include "coding/epirbmsgbase.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"

#include <QDir>
#include <QJSEngine>
#include <QQmlEngine>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

static_assert(int(ConfigTables::E_StdLocationMmsi) == int(ProtocolType::StdLocationMmsi)
              && int(ConfigTables::E_UserLocationSerialEpirb) == int(ProtocolType::UserLocationSerialEpirb)
              && int(ConfigTables::E_RlsUserMmsiEpirb) == int(ProtocolType::RlsUserMmsiEpirb)
              && int(ConfigTables::E_StdLocationTest) == int(ProtocolType::StdLocationTest)
              && int(ConfigTables::E_RlsUserMmsiTest) == int(ProtocolType::RlsUserMmsiTest)
              && int(ConfigTables::E_StdLocationSerialPlb) == int(ProtocolType::StdLocationSerialPlb)
              && int(ConfigTables::E_RlsUserTacPlb) == int(ProtocolType::RlsUserTacPlb)
              && int(ConfigTables::E_NationalLocationTest) == int(ProtocolType::NationalLocationTest)
              && int(ConfigTables::E_ProtocolMax) == int(ProtocolType::ProtocolMax),
              "protocol numbers of the tables and the message coding differ");

QPointer<ConfigTables> ConfigTables::s_instance;

namespace {
constexpr int kBeaconCount = 14; // E_SkuaP5 + 1
constexpr int kProtocolCount = 24; // E_ProtocolMax

// Checked in this order by isTestProtocol.
const int kTestProtocols[] = { 10, 11, 21, 12, 22, 13, 14, 23 };
const int kRlsProtocols[] = { 9, 8, 13, 14, 20, 19 };

struct ProtocolGroup
{
    QList<int> ifEnabled;
    QList<int> ifTest;
};

// Order of the entries in the list is the order offered on the protocol page.
ProtocolGroup protocolGroup(int beaconType)
{
    static const ProtocolGroup u { { 2, 4, 3 }, { 11 } };
    static const ProtocolGroup g { { 0, 1, 5, 7, 6 }, { 10, 12 } };
    static const ProtocolGroup v { { 0, 1 }, { 10 } };
    static const ProtocolGroup a { { 0, 1, 9, 8 }, { 10, 13, 14 } };
    static const ProtocolGroup p { { 0, 1, 15, 9, 8, 20, 19, 18 }, { 12, 22, 13, 14, 23 } };
    switch (beaconType) {
    case ConfigTables::E_Skua11:
    case ConfigTables::E_Skua12:
    case ConfigTables::E_Skua12X:
    case ConfigTables::E_Skua21:
    case ConfigTables::E_Skua31:
        return u;
    case ConfigTables::E_Skua11G:
    case ConfigTables::E_Skua21G:
    case ConfigTables::E_Skua31G:
        return g;
    case ConfigTables::E_SkuaRcap:
    case ConfigTables::E_Skua11R:
        return v;
    case ConfigTables::E_Skua11A:
    case ConfigTables::E_Skua11RA:
    case ConfigTables::E_Skua31A:
        return a;
    case ConfigTables::E_SkuaP5:
        return p;
    default:
        return {};
    }
}

QList<int> bracketsOf(int beaconType)
{
    static const QList<int> floatFree { 2, 3, 8, 9, 1, 6, 7, 14, 15 };
    switch (beaconType) {
    case ConfigTables::E_Skua11:
    case ConfigTables::E_Skua11G:
    case ConfigTables::E_Skua21:
    case ConfigTables::E_Skua21G:
        return floatFree;
    case ConfigTables::E_Skua12:
        return { 4 };
    case ConfigTables::E_Skua12X:
        return { 5 };
    case ConfigTables::E_SkuaRcap:
        return { 0 };
    case ConfigTables::E_Skua31:
    case ConfigTables::E_Skua31G:
    case ConfigTables::E_Skua31A:
        return { 11, 10 };
    case ConfigTables::E_Skua11R:
    case ConfigTables::E_Skua11RA:
        return { 12, 13 };
    case ConfigTables::E_Skua11A:
        return { 14, 15 };
    default:
        return {};
    }
}

// A stored list as the settings back ends return it; other value types count as no list
// (Qt would otherwise iterate a text character by character).
QVariantList storedList(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QVariantList:
        return value.toList();
    case QMetaType::QStringList:
        return value.toList();
    case QMetaType::QString: // how a one-element list comes back from an INI file
        return { value };
    default:
        return {};
    }
}

} // namespace

ConfigTables::ConfigTables(QObject *parent, bool noSettings)
    : QObject(parent)
    , beaconLongNames { QStringLiteral("Skua 11"), QStringLiteral("Skua 12"), QStringLiteral("Skua 12X"),
                        QStringLiteral("Skua 11G"), QStringLiteral("Skua R-CAP"), QStringLiteral("Skua 21"),
                        QStringLiteral("Skua 21G"), QStringLiteral("Skua 31"), QStringLiteral("Skua 31G"),
                        QStringLiteral("Skua 11R"), QStringLiteral("Skua 11A"), QStringLiteral("Skua 11R A"),
                        QStringLiteral("Skua 31A"), QStringLiteral("Skua P5"), QStringLiteral("Undefined") }
    , beaconShortNames { QStringLiteral("SK11"), QStringLiteral("SK12"), QStringLiteral("SK12X"),
                         QStringLiteral("SK11G"), QStringLiteral("R-CAP"), QStringLiteral("SK21"),
                         QStringLiteral("SK21G"), QStringLiteral("SK31"), QStringLiteral("SK31G"),
                         QStringLiteral("SK11R"), QStringLiteral("SK11A"), QStringLiteral("SK11R A"),
                         QStringLiteral("SK31A"), QStringLiteral("SKP5"), QStringLiteral("Undef") }
    , bracketLongNames { QStringLiteral("Float-Free KR-1"), QStringLiteral("Manual HM-2"),
                         QStringLiteral("Float-Free KF-2"), QStringLiteral("Float-Free KH-2"),
                         QStringLiteral("Manual HM-12"), QStringLiteral("Manual HM-12X"),
                         QStringLiteral("Manual HM-3"), QStringLiteral("Manual HM-4"),
                         QStringLiteral("Float-Free KF-3"), QStringLiteral("Float-Free KF-4"),
                         QStringLiteral("Manual HM-31"), QStringLiteral("Float-Free KF-31"),
                         QStringLiteral("Float-Free KF-11"), QStringLiteral("Float-Free KH-11"),
                         QStringLiteral("Float-Free KF-13"), QStringLiteral("Float-Free KH-13"),
                         QStringLiteral("Undefined") }
    , bracketShortNames { QStringLiteral("KR-1"), QStringLiteral("HM-2"), QStringLiteral("KF-2"),
                          QStringLiteral("KH-2"), QStringLiteral("HM-12"), QStringLiteral("HM12X"),
                          QStringLiteral("HM-3"), QStringLiteral("HM-4"), QStringLiteral("KF-3"),
                          QStringLiteral("KF-4"), QStringLiteral("HM-31"), QStringLiteral("KF-31"),
                          QStringLiteral("KF-11"), QStringLiteral("KH-11"), QStringLiteral("KF-13"),
                          QStringLiteral("KH-13"), QStringLiteral("Undef") }
    , m_noSettings(noSettings)
    , m_tacListA { 95, 99, 98, 122, 155, 185, 185, 222, 222, 185 }
    , m_tacListB { 95, 99, 98, 122, 155, 185, 185, 334, 334, 318 }
{
    for (int type = E_Skua11; type < E_SkuaP5; ++type)
        m_csTypeByBeacon.insert(type, E_csEPIRB);
    m_csTypeByBeacon.insert(E_SkuaP5, E_csPLB);
    m_supportedBeacons = { E_SkuaP5 };

    const QString failed = QStringLiteral("Failed (%1)");
    m_selfTestMessages.insert(0, QStringLiteral("Passed"));
    m_selfTestMessages.insert(1, failed + QStringLiteral(", Wrong programming"));
    m_selfTestMessages.insert(2, failed + QStringLiteral(", Too many extended self-tests performed"));
    m_selfTestMessages.insert(4, failed + QStringLiteral(", Insufficient battery capacity"));
    for (int code = 5; code <= 8; ++code)
        m_selfTestMessages.insert(code, failed + QStringLiteral(", Battery failure / Counterfeit battery"));
    m_selfTestMessages.insert(9, failed + QStringLiteral(", No GNSS position acquired"));
    for (int code = 11; code <= 25; ++code)
        m_selfTestMessages.insert(code, failed + QStringLiteral(", Transmitter failure"));
    m_selfTestMessages.insert(28, failed + QStringLiteral(", Wrong programming"));
    m_selfTestMessages.insert(29, failed + QStringLiteral(", Battery expire date exceeded"));

    m_hiddenProtocols = { 2, 3, 4, 5, 6, 7, 11, 12, 16, 17 };

    const QMap<int, QString> norwayNames {
        { E_RlsUserTacPlb, QStringLiteral("RLS Location - TAC/Call Sign (PLB)") }
    };
    for (int code = 257; code <= 259; ++code) {
        m_localizedProtocolNames.insert(code, norwayNames);
    }

    m_beaconPresent.fill(false, kBeaconCount);
    for (int type : std::as_const(m_supportedBeacons))
        m_beaconPresent[type] = true;
    m_protocolAvailable.fill(true, kProtocolCount);
    m_protocolAvailable[E_UserLocationMmsi] = false;
    m_protocolAvailable[E_UserLocationRadioCallsign] = false;
    m_protocolAvailable[E_UserLocationSerialEpirb] = false;

    if (!m_noSettings)
        loadPersistentData();
}

ConfigTables::~ConfigTables()
{
    if (!m_noSettings)
        setPersistentData();
}

ConfigTables *ConfigTables::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new ConfigTables(parent, false);
    return s_instance;
}

ConfigTables *ConfigTables::create(QQmlEngine *, QJSEngine *)
{
    ConfigTables *tables = instance(nullptr);
    // The tables belong to the controller, never to the engine.
    QJSEngine::setObjectOwnership(tables, QJSEngine::CppOwnership);
    return tables;
}

QString ConfigTables::beaconLongName(int beaconType) const
{
    return beaconLongNames.value(beaconType, QStringLiteral("N/A"));
}

QString ConfigTables::beaconShortName(int beaconType) const
{
    return beaconShortNames.value(beaconType, QStringLiteral("N/A"));
}

QString ConfigTables::bracketLongName(int bracket) const
{
    return bracketLongNames.value(bracket, QStringLiteral("N/A"));
}

QString ConfigTables::bracketShortName(int bracket) const
{
    return bracketShortNames.value(bracket, QStringLiteral("N/A"));
}

void ConfigTables::setOperatorName(const QString &value)
{
    if (value == m_operatorName)
        return;
    m_operatorName = value;
    emit operatorNameChanged();
}

void ConfigTables::setProgStation(const QString &value)
{
    if (value == m_progStation)
        return;
    m_progStation = value;
    emit progStationChanged();
}

void ConfigTables::setDealerNo(const QString &value)
{
    if (value == m_dealerNo)
        return;
    m_dealerNo = value;
    emit dealerNoChanged();
}

void ConfigTables::setDefaultContactInfo(const QString &value)
{
    if (value == m_defaultContactInfo)
        return;
    m_defaultContactInfo = value;
    emit defaultContactInfoChanged();
}

void ConfigTables::setSerialOverrideAllowed(bool allowed)
{
    m_serialOverrideAllowed = allowed;
    emit serialOverrideAllowedChanged();
}

void ConfigTables::setTestProtocolAllowed(bool allowed)
{
    m_testProtocolAllowed = allowed;
}

QAbstractListModel *ConfigTables::ossLicenseList()
{
    return new OSSLicenseModel(this);
}

int ConfigTables::beaconMaxNo() const
{
    return kBeaconCount;
}

bool ConfigTables::beaconPresent(int nIdx) const
{
    return nIdx >= 0 && nIdx < kBeaconCount && m_beaconPresent.at(nIdx);
}

void ConfigTables::setBeaconPresent(int nIdx, bool bStat)
{
    if (nIdx >= 0 && nIdx < kBeaconCount)
        m_beaconPresent[nIdx] = bStat;
}

int ConfigTables::beaconAvailableNo() const
{
    return int(m_beaconPresent.count(true));
}

int ConfigTables::beaconIndexToId(int n) const
{
    int seen = 0;
    for (int type = 0; type < kBeaconCount; ++type) {
        if (!m_beaconPresent.at(type))
            continue;
        if (seen == n)
            return type;
        ++seen;
    }
    return 0;
}

int ConfigTables::csApproval(int nId, int nSerialNo) const
{
    if (nId < E_Skua11 || nId > E_Skua11R)
        return 0;
    if (nId == E_Skua31)
        return (nSerialNo < 40000 ? m_tacListA : m_tacListB).at(nId);
    // A negative serial number is no serial number of any approved range.
    const int range = nSerialNo < 0 ? -1 : nSerialNo / 16384;
    if (range == 0)
        return m_tacListA.at(nId);
    if (range == 1)
        return m_tacListB.at(nId);
    qWarning().noquote() << QStringLiteral("Unspported serial number %1 for beacon type %2").arg(nSerialNo).arg(nId);
    return 0;
}

int ConfigTables::beaconSerialNumberLimit(ConfigTables::e_beaconTypes nId) const
{
    switch (nId) {
    case E_SkuaRcap:
        return 16383;
    case E_Skua11G:
    case E_Skua21G:
    case E_Skua31G:
    case E_Skua11R:
        return 32767;
    case E_Skua11:
    case E_Skua12:
    case E_Skua12X:
    case E_Skua21:
    case E_Skua31:
    case E_Skua11A:
    case E_Skua11RA:
    case E_Skua31A:
    case E_SkuaP5:
        return -1;
    default:
        qWarning().noquote() << QStringLiteral(
                                    "beaconSerialNumberLimit: Unsupported beacon type %1, returning 16383 as sane default")
                                    .arg(int(nId));
        return 16383;
    }
}

int ConfigTables::bracketAvailableNo() const
{
    return int(m_brackets.size());
}

int ConfigTables::bracketId(int nIdx) const
{
    return m_brackets.value(nIdx, 0);
}

int ConfigTables::maxNoProtocolsAvailable() const
{
    return kProtocolCount;
}

bool ConfigTables::protocolAvailable(int nIdx) const
{
    return nIdx >= 0 && nIdx < kProtocolCount && m_protocolAvailable.at(nIdx);
}

void ConfigTables::setProtocolAvailable(int nIdx, bool bStat)
{
    if (nIdx >= 0 && nIdx < kProtocolCount)
        m_protocolAvailable[nIdx] = bStat;
}

int ConfigTables::shownProtocolsEnabled() const
{
    int n = 0;
    for (int i = 0; i < kProtocolCount; ++i) {
        if (m_protocolAvailable.at(i) && !isProtocolHidden(i))
            ++n;
    }
    return n;
}

bool ConfigTables::isProtocolHidden(int protocolCode) const
{
    if (m_hiddenProtocols.contains(protocolCode))
        return true;
    if (m_testProtocolAllowed)
        return false;
    return isTestProtocol(protocolCode);
}

QString ConfigTables::protocolName(int protocolCode, int countryCode) const
{
    if (hasLocalizedProtocolName(protocolCode, countryCode))
        return m_localizedProtocolNames.value(countryCode).value(protocolCode);
    return ProtocolNames::longName(protocolCode);
}

bool ConfigTables::hasLocalizedProtocolName(int protocolCode, int countryCode) const
{
    if (countryCode == 0)
        return false;
    const auto country = m_localizedProtocolNames.constFind(countryCode);
    return country != m_localizedProtocolNames.cend() && country->contains(protocolCode);
}

int ConfigTables::protocolsAvailableNo() const
{
    return int(m_protocols.size());
}

int ConfigTables::protocolId(int nIdx) const
{
    return m_protocols.value(nIdx, 0);
}

bool ConfigTables::isTestProtocol(int protocolCode) const
{
    for (int test : kTestProtocols) {
        if (test == protocolCode)
            return true;
    }
    return false;
}

int ConfigTables::testProtocolAllowed() const
{
    return m_testProtocolAllowed ? 1 : 0;
}

int ConfigTables::serialOverrideAllowed() const
{
    return m_serialOverrideAllowed ? 1 : 0;
}

QString ConfigTables::selfTestErrorMessage(int code) const
{
    const QString text = m_selfTestMessages.value(code, QStringLiteral("Failed (%1)"));
    return text.contains(QLatin1String("%1")) ? text.arg(code) : text;
}

bool ConfigTables::isProtocolValid(int protocolid) const
{
    return m_protocols.contains(protocolid);
}

QStringList ConfigTables::labelingPages(ConfigTables::e_beaconTypes beacon, int protocolId) const
{
    switch (beacon) {
    case E_SkuaP5: {
        QStringList pages { QStringLiteral("LabelingPage_BoxCountry.qml"), QStringLiteral("LabelingPage_Programming.qml"),
                            QStringLiteral("LabelingPage_ContactInfo.qml"), QStringLiteral("LabelingPage_Protection.qml") };
        if (!isRlsProtocol(e_protocolTypes(protocolId)))
            pages << QStringLiteral("LabelingPage_BlockRLS.qml");
        return pages;
    }
    case E_Skua11A:
    case E_Skua11RA:
    case E_Skua31A:
        return { QStringLiteral("LabelingPage_Programming.qml") };
    default:
        return {};
    }
}

QString ConfigTables::beaconLablingGuideImageURL(ConfigTables::e_beaconTypes beacon, int protocolId)
{
    QString prefix;
    switch (beacon) {
    case E_Skua11A:
        prefix = QStringLiteral("Pictures/LabelGuide_SK11A_RLS_");
        break;
    case E_Skua11RA:
        prefix = QStringLiteral("Pictures/LabelGuide_SK11R_A_RLS_");
        break;
    case E_Skua31A:
        prefix = QStringLiteral("Pictures/LabelGuide_SK31A_RLS_");
        break;
    default:
        return {};
    }
    return prefix + (isRlsProtocol(e_protocolTypes(protocolId)) ? QStringLiteral("Enabled") : QStringLiteral("Disabled"))
            + QStringLiteral(".png");
}

QString ConfigTables::batteryTypeDisplayString(QString batteryType)
{
    static const QStringList lithiumMetal { QStringLiteral("Li_SOCl2"), QStringLiteral("Li_SOCI2"),
                                            QStringLiteral("Li/FeS2") };
    if (lithiumMetal.contains(batteryType, Qt::CaseInsensitive))
        return QStringLiteral("Lithium Metal");
    return batteryType;
}

bool ConfigTables::isRlsProtocol(ConfigTables::e_protocolTypes protocol) const
{
    for (int rls : kRlsProtocols) {
        if (rls == protocol)
            return true;
    }
    return false;
}

QString ConfigTables::countryName(int countryCode) const
{
    const CountryCodeModel *model = CountryCodeModel::instance(parent());
    for (int row = 0; row < model->rowCount(); ++row) {
        bool ok = false;
        const int code = model->index(row, CountryCodeModel::CodeColumn).data().toString().trimmed().toInt(&ok);
        if (ok && code == countryCode)
            return model->index(row, CountryCodeModel::CountryColumn).data().toString();
    }
    return {};
}

bool ConfigTables::needFirstTimeSetup() const
{
    return m_needFirstTimeSetup;
}

void ConfigTables::finishFirstTimeSetup()
{
    m_needFirstTimeSetup = false;
    setPersistentData();
}

int ConfigTables::operatorNameMaxLength() const
{
    return kDataBlockOperatorWidth;
}

int ConfigTables::progStationMaxLength() const
{
    return kDataBlockStationWidth;
}

QList<int> ConfigTables::updateBracketList(int beaconType)
{
    m_brackets = QList<int> { E_UnknownBracket } + bracketsOf(beaconType);
    return m_brackets;
}

QList<int> ConfigTables::updateProtocolList(int beaconType)
{
    m_protocols.clear();
    for (int protocol : protocolsFor(beaconType)) {
        if (isProtocolOffered(beaconType, protocol))
            m_protocols.append(protocol);
    }
    return m_protocols;
}

QList<int> ConfigTables::protocolsFor(int beaconType) const
{
    const ProtocolGroup group = protocolGroup(beaconType);
    return group.ifEnabled + group.ifTest;
}

bool ConfigTables::isProtocolOffered(int beaconType, int protocol) const
{
    const ProtocolGroup group = protocolGroup(beaconType);
    if (group.ifTest.contains(protocol))
        return m_testProtocolAllowed;
    return group.ifEnabled.contains(protocol) && protocolAvailable(protocol);
}

int ConfigTables::csBeaconType(int beaconType) const
{
    const int type = beaconType & 0xff;
    const auto found = m_csTypeByBeacon.constFind(type);
    if (found != m_csTypeByBeacon.cend())
        return found.value();
    qWarning().noquote() << QStringLiteral("Undefined C/S type for beacon type %1, defaulting to EPIRB").arg(type);
    return E_csEPIRB;
}

bool ConfigTables::prepareConfig(EpirbConfig &config)
{
    const int type = config.beaconType();
    const int category = csBeaconType(type);
    if (type == E_SkuaRcap || type == E_Skua11R || type == E_Skua11RA) {
        config.setMorseSequence(QStringLiteral("V"));
        config.setUseMorseCode(true);
    } else if (category == E_csPLB) {
        config.setMorseSequence(QStringLiteral("P"));
        config.setUseMorseCode(true);
    } else {
        config.setMorseSequence(QString());
    }

    // 121.5 MHz sweep up is what these administrations' EPIRBs must use.
    const int country = config.countryCode();
    config.setSweepDirection(category == E_csEPIRB
                             && (CountryCodeModel::isCountryUsa(country) || CountryCodeModel::isCountryAustralia(country)
                                 || CountryCodeModel::isCountryNewZealand(country)));

    const int protocol = config.protocolId();
    // The RLS TAC field never carries 0 (the encoder makes it 1): the record takes the
    // number the message will carry, so summary, database and labels all show it.
    if ((protocol == E_RlsUserTacEpirb || protocol == E_RlsUserTacTest) && config.storedTacNoRls() % 1000 == 0)
        config.setTacNumberRls(config.storedTacNoRls() + 1);
    if (protocol == E_RlsUserTacPlb && config.storedTacNoRlsPlb() % 1000 == 0)
        config.setTacNumberRlsPlb(config.storedTacNoRlsPlb() + 1);
    if (protocol == E_StdLocationSerialEpirb || protocol == E_UserSerialEpirb || protocol == E_UserLocationSerialEpirb)
        config.setMmsi(config.beaconSerial());
    return true;
}

void ConfigTables::loadPersistentData()
{
    QSettings settings;
    const QVariantList beacons = storedList(settings.value(QStringLiteral("BeaconsAvailable")));
    for (int i = 0; i < beacons.size() && i < kBeaconCount; ++i) {
        if (m_supportedBeacons.contains(i))
            m_beaconPresent[i] = beacons.at(i).toBool();
    }
    const QVariantList protocols = storedList(settings.value(QStringLiteral("ProtocolsAvailable")));
    for (int j = 0; j < protocols.size() && j < kProtocolCount; ++j)
        m_protocolAvailable[j] = protocols.at(j).toBool();

    const QString operatorName = settings.value(QStringLiteral("Operator"), QString()).toString();
    m_needFirstTimeSetup = operatorName.isEmpty() || settings.value(QStringLiteral("FirstTimeSetupPending"), false).toBool();
    m_operatorName = operatorName.isEmpty() ? defaultUserName() : operatorName;
    m_progStation = settings.value(QStringLiteral("ProgStation"), defaultUserName()).toString();
    m_dealerNo = settings.value(QStringLiteral("DealerNo"), QString()).toString();
    m_defaultContactInfo = settings.value(QStringLiteral("DefaultContactInfo"), QString()).toString();
}

void ConfigTables::setPersistentData()
{
    QVariantList beacons;
    for (int i = 0; i < kBeaconCount; ++i)
        beacons << QVariant(m_beaconPresent.at(i) && m_supportedBeacons.contains(i));
    QVariantList protocols;
    for (int j = 0; j < kProtocolCount; ++j)
        protocols << QVariant(m_protocolAvailable.at(j));

    QSettings settings;
    settings.setValue(QStringLiteral("BeaconsAvailable"), beacons);
    settings.setValue(QStringLiteral("ProtocolsAvailable"), protocols);
    settings.setValue(QStringLiteral("Operator"), m_operatorName);
    settings.setValue(QStringLiteral("ProgStation"), m_progStation);
    settings.setValue(QStringLiteral("DealerNo"), m_dealerNo);
    settings.setValue(QStringLiteral("DefaultContactInfo"), m_defaultContactInfo);
    // The operator name is kept even when set-up was left unfinished; the next start asks again.
    if (m_needFirstTimeSetup)
        settings.setValue(QStringLiteral("FirstTimeSetupPending"), true);
    else
        settings.remove(QStringLiteral("FirstTimeSetupPending"));
}

QString ConfigTables::defaultUserName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

QString documentFolder(int kind)
{
    const QStringList locations = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    if (locations.isEmpty())
        return {};
    QString path = locations.first();
    if (kind == 0)
        path += QStringLiteral("/Quorvik-PLB-Reports");
    else if (kind == 1 || kind == 2)
        path += QStringLiteral("/") + QStringLiteral("QuorvikPLB") + QStringLiteral("-Exports");
    if (!QDir().mkpath(path))
        qWarning().noquote() << "Could not create sharable path directory " + path;
    return path;
}
