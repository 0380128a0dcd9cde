#pragma once

#include <QMetaType>
#include <QString>
#include <QtQml/qqmlregistration.h>

// Extra facts about a beacon that the controller gathers beside the data block
// (battery label data, self-test counters). Read-only for QML.
class ConfigExtraMetadata
{
    Q_GADGET
    QML_VALUE_TYPE(configExtraMetadata)

    Q_PROPERTY(QString hexId READ hexId CONSTANT)
    Q_PROPERTY(QString batteryType READ batteryType CONSTANT)
    Q_PROPERTY(QString batteryArticleNr READ batteryArticleNr CONSTANT)
    Q_PROPERTY(QString batteryAssemblyDate READ batteryAssemblyDate CONSTANT)
    Q_PROPERTY(QString batteryExpireDate READ batteryExpireDate CONSTANT)
    Q_PROPERTY(int lastTestError READ lastTestError CONSTANT)
    Q_PROPERTY(int serial READ serial CONSTANT)
    Q_PROPERTY(int type READ type CONSTANT)
    Q_PROPERTY(int batterySerial READ batterySerial CONSTANT)
    Q_PROPERTY(int approvedHours READ approvedHours CONSTANT)
    Q_PROPERTY(int activeUptime READ activeUptime CONSTANT)
    Q_PROPERTY(int numSelfTests READ numSelfTests CONSTANT)
    Q_PROPERTY(int numGnssSelfTests READ numGnssSelfTests CONSTANT)
    Q_PROPERTY(bool valid READ valid CONSTANT)

public:
    QString hexId() const { return m_hexId; }
    QString batteryType() const { return m_batteryType; }
    QString batteryArticleNr() const { return m_batteryArticleNr; }
    QString batteryAssemblyDate() const { return m_batteryAssemblyDate; }
    QString batteryExpireDate() const { return m_batteryExpireDate; }
    int lastTestError() const { return m_lastTestError; }
    int serial() const { return m_serial; }
    int type() const { return m_type; }
    int batterySerial() const { return m_batterySerial; }
    int approvedHours() const { return m_approvedHours; }
    int activeUptime() const { return m_activeUptime; }
    int numSelfTests() const { return m_numSelfTests; }
    int numGnssSelfTests() const { return m_numGnssSelfTests; }
    bool valid() const { return m_valid; }

    // Filled by the controller only; QML sees the values read-only.
    void setHexId(const QString &v) { m_hexId = v; }
    void setBatteryType(const QString &v) { m_batteryType = v; }
    void setBatteryArticleNr(const QString &v) { m_batteryArticleNr = v; }
    void setBatteryAssemblyDate(const QString &v) { m_batteryAssemblyDate = v; }
    void setBatteryExpireDate(const QString &v) { m_batteryExpireDate = v; }
    void setLastTestError(int v) { m_lastTestError = v; }
    void setSerial(int v) { m_serial = v; }
    void setType(int v) { m_type = v; }
    void setBatterySerial(int v) { m_batterySerial = v; }
    void setApprovedHours(int v) { m_approvedHours = v; }
    void setActiveUptime(int v) { m_activeUptime = v; }
    void setNumSelfTests(int v) { m_numSelfTests = v; }
    void setNumGnssSelfTests(int v) { m_numGnssSelfTests = v; }
    void setValid(bool v) { m_valid = v; }

    bool operator==(const ConfigExtraMetadata &other) const;
    bool operator!=(const ConfigExtraMetadata &other) const { return !(*this == other); }

private:
    QString m_hexId;
    QString m_batteryType;
    QString m_batteryArticleNr;
    QString m_batteryAssemblyDate;
    QString m_batteryExpireDate;
    int m_lastTestError = -1;
    int m_serial = -1;
    int m_type = -1;
    int m_batterySerial = -1;
    int m_approvedHours = -1;
    int m_activeUptime = -1;
    int m_numSelfTests = -1;
    int m_numGnssSelfTests = -1;
    bool m_valid = false;
};

Q_DECLARE_METATYPE(ConfigExtraMetadata)
