#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class EpirbConfig;
class QJSEngine;
class QQmlEngine;

// Fixed knowledge about the beacon models and the protocols they may be programmed with,
// plus the operator settings that travel with every programmed beacon. What an identity
// may be, country rules included, is IdentityRules' business.
class ConfigTables : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString operatorName READ operatorName WRITE setOperatorName NOTIFY operatorNameChanged)
    Q_PROPERTY(QString progStation READ progStation WRITE setProgStation NOTIFY progStationChanged)
    Q_PROPERTY(QString dealerNo READ dealerNo WRITE setDealerNo NOTIFY dealerNoChanged)
    Q_PROPERTY(QString defaultContactInfo READ defaultContactInfo WRITE setDefaultContactInfo NOTIFY defaultContactInfoChanged)
    Q_PROPERTY(bool serialOverrideAllowed READ isSerialOverrideAllowed NOTIFY serialOverrideAllowedChanged)
    Q_PROPERTY(QAbstractListModel *ossLicenseList READ ossLicenseList CONSTANT)
    // What the data block can hold of the operator settings: the fields take no more.
    Q_PROPERTY(int operatorNameMaxLength READ operatorNameMaxLength CONSTANT)
    Q_PROPERTY(int progStationMaxLength READ progStationMaxLength CONSTANT)
    Q_PROPERTY(int dealerNoMaxLength READ dealerNoMaxLength CONSTANT)
    // Characters the block stores as typed (printable Latin-1), and the dealer number (digits).
    Q_PROPERTY(QString blockTextPattern READ blockTextPattern CONSTANT)
    Q_PROPERTY(QString dealerNoPattern READ dealerNoPattern CONSTANT)

public:
    enum e_beaconTypes {
        E_Skua11 = 0,
        E_Skua12 = 1,
        E_Skua12X = 2,
        E_Skua11G = 3,
        E_SkuaRcap = 4,
        E_Skua21 = 5,
        E_Skua21G = 6,
        E_Skua31 = 7,
        E_Skua31G = 8,
        E_Skua11R = 9,
        E_Skua11A = 10,
        E_Skua11RA = 11,
        E_Skua31A = 12,
        E_SkuaP5 = 13,
        E_BeaconMax = 14
    };
    Q_ENUM(e_beaconTypes)

    enum e_csBeaconType { E_csEPIRB = 0, E_csPLB = 1 };
    Q_ENUM(e_csBeaconType)

    enum e_bracketTypes {
        E_UnknownBracket = -1,
        E_KR1 = 0,
        E_HM2 = 1,
        E_KF2 = 2,
        E_KH2 = 3,
        E_HM12 = 4,
        E_HM12X = 5,
        E_HM3 = 6,
        E_HM4 = 7,
        E_KF3 = 8,
        E_KF4 = 9,
        E_HM31 = 10,
        E_KF31 = 11,
        E_KF11 = 12,
        E_KH11 = 13,
        E_KF13 = 14,
        E_KH13 = 15,
        E_UnknownBracket2 = 16
    };
    Q_ENUM(e_bracketTypes)

    enum e_protocolTypes {
        E_StdLocationMmsi = 0,
        E_StdLocationSerialEpirb = 1,
        E_UserMmsi = 2,
        E_UserRadiocall = 3,
        E_UserSerialEpirb = 4,
        E_UserLocationMmsi = 5,
        E_UserLocationRadioCallsign = 6,
        E_UserLocationSerialEpirb = 7,
        E_RlsUserTacEpirb = 8,
        E_RlsUserMmsiEpirb = 9,
        E_StdLocationTest = 10,
        E_UserTestEpirb = 11,
        E_UserLocationTestEpirb = 12,
        E_RlsUserTacTest = 13,
        E_RlsUserMmsiTest = 14,
        E_StdLocationSerialPlb = 15,
        E_UserSerialPlb = 16,
        E_UserLocationSerialPlb = 17,
        E_NationalLocationPlb = 18,
        E_RlsUserTacPlb = 19,
        E_RlsUserMmsiPlb = 20,
        E_UserTestPlb = 21,
        E_UserLocationTestPlb = 22,
        E_NationalLocationTest = 23,
        E_ProtocolMax = 24
    };
    Q_ENUM(e_protocolTypes)

    // noSettings keeps the settings store untouched (tests, tools).
    ConfigTables(QObject *parent, bool noSettings);
    ~ConfigTables() override;

    static ConfigTables *instance(QObject *parent);
    static ConfigTables *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    // Indexed directly by beacon type or bracket; see the name helpers for safe look-ups.
    const QStringList beaconLongNames;
    const QStringList beaconShortNames;
    const QStringList bracketLongNames;
    const QStringList bracketShortNames;

    // "N/A" for an index outside the lists.
    QString beaconLongName(int beaconType) const;
    QString beaconShortName(int beaconType) const;
    QString bracketLongName(int bracket) const;
    QString bracketShortName(int bracket) const;

    QString operatorName() const { return m_operatorName; }
    void setOperatorName(const QString &value);
    QString progStation() const { return m_progStation; }
    void setProgStation(const QString &value);
    QString dealerNo() const { return m_dealerNo; }
    void setDealerNo(const QString &value);
    QString defaultContactInfo() const { return m_defaultContactInfo; }
    void setDefaultContactInfo(const QString &value);
    bool isSerialOverrideAllowed() const { return m_serialOverrideAllowed; }
    void setSerialOverrideAllowed(bool allowed);
    bool isTestProtocolAllowed() const { return m_testProtocolAllowed; }
    void setTestProtocolAllowed(bool allowed);
    QAbstractListModel *ossLicenseList();

    Q_INVOKABLE int beaconMaxNo() const;
    Q_INVOKABLE bool beaconPresent(int nIdx) const;
    Q_INVOKABLE void setBeaconPresent(int nIdx, bool bStat);
    Q_INVOKABLE int beaconAvailableNo() const;
    Q_INVOKABLE int beaconIndexToId(int n) const;
    // A plain int: the type comes from stored and typed-in numbers, which may lie
    // outside the enumeration.
    Q_INVOKABLE int csApproval(int nId, int nSerialNo) const;
    Q_INVOKABLE int beaconSerialNumberLimit(ConfigTables::e_beaconTypes nId) const;
    Q_INVOKABLE int bracketAvailableNo() const;
    Q_INVOKABLE int bracketId(int nIdx) const;
    Q_INVOKABLE int maxNoProtocolsAvailable() const;
    Q_INVOKABLE bool protocolAvailable(int nIdx) const;
    Q_INVOKABLE void setProtocolAvailable(int nIdx, bool bStat);
    Q_INVOKABLE bool isProtocolHidden(int protocolCode) const;
    // Protocols ticked on the protocol page (hidden ones do not count).
    Q_INVOKABLE int shownProtocolsEnabled() const;
    Q_INVOKABLE QString protocolName(int protocolCode, int countryCode) const;
    Q_INVOKABLE bool hasLocalizedProtocolName(int protocolCode, int countryCode) const;
    Q_INVOKABLE int protocolsAvailableNo() const;
    Q_INVOKABLE int protocolId(int nIdx) const;
    Q_INVOKABLE bool isTestProtocol(int protocolCode) const;
    Q_INVOKABLE int testProtocolAllowed() const;
    Q_INVOKABLE int serialOverrideAllowed() const;
    Q_INVOKABLE QString selfTestErrorMessage(int code) const;
    Q_INVOKABLE void setPersistentData();
    Q_INVOKABLE bool isProtocolValid(int protocolid) const;
    Q_INVOKABLE QStringList labelingPages(ConfigTables::e_beaconTypes beacon, int protocolId) const;
    Q_INVOKABLE QString beaconLablingGuideImageURL(ConfigTables::e_beaconTypes beacon, int protocolId);
    Q_INVOKABLE QString batteryTypeDisplayString(QString batteryType);
    Q_INVOKABLE bool isRlsProtocol(ConfigTables::e_protocolTypes protocol) const;
    Q_INVOKABLE QString countryName(int countryCode) const;
    Q_INVOKABLE bool needFirstTimeSetup() const;
    // Only "Continue" on the welcome page ends set-up; closing the window there does not.
    Q_INVOKABLE void finishFirstTimeSetup();

    int operatorNameMaxLength() const;
    int progStationMaxLength() const;
    int dealerNoMaxLength() const { return 5; }
    QString blockTextPattern() const { return QStringLiteral("[\\x20-\\x7E\\xA0-\\xFF]*"); }
    QString dealerNoPattern() const { return QStringLiteral("[0-9]{0,5}"); }

    QList<int> updateBracketList(int beaconType);
    QList<int> updateProtocolList(int beaconType);
    // The model's whole protocol group in page order, test protocols last, whatever the
    // settings; updateProtocolList() keeps of it what the settings enable.
    QList<int> protocolsFor(int beaconType) const;
    // In the model's group and enabled: a test protocol by the test-protocol switch, any
    // other by "ProtocolsAvailable".
    bool isProtocolOffered(int beaconType, int protocol) const;
    int csBeaconType(int beaconType) const;
    bool prepareConfig(EpirbConfig &config);

    void loadPersistentData();
    static QString defaultUserName();

signals:
    void operatorNameChanged();
    void progStationChanged();
    void dealerNoChanged();
    void defaultContactInfoChanged();
    void serialOverrideAllowedChanged();

private:
    static QPointer<ConfigTables> s_instance;

    QString m_operatorName;
    QString m_progStation;
    QString m_dealerNo;
    QString m_defaultContactInfo;
    QList<bool> m_beaconPresent;
    QList<bool> m_protocolAvailable;
    bool m_testProtocolAllowed = false;
    bool m_serialOverrideAllowed = false;
    const bool m_noSettings;
    QList<int> m_brackets;
    QList<int> m_protocols;
    const QList<int> m_tacListA;
    const QList<int> m_tacListB;
    QMap<int, int> m_csTypeByBeacon;
    QSet<int> m_supportedBeacons;
    QMap<int, QString> m_selfTestMessages;
    QSet<int> m_hiddenProtocols;
    QMap<int, QMap<int, QString>> m_localizedProtocolNames;
    bool m_needFirstTimeSetup = true;
};

// Documents folder of the given kind (0 reports, 1 and 2 exports), created on demand;
// empty when the platform has no documents location.
QString documentFolder(int kind);
