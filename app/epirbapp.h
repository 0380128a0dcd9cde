#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class ConfigTables;
class EpirbComm;
class CountryCodeModel;
class EpirbConfig;
class QQmlApplicationEngine;
class QThread;

// The application controller: start-up and shutdown of every service, and the
// single entry the front end has to the beacon.
class EpirbApp : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Global application instance")

    Q_PROPERTY(bool isBetaVersion READ isBetaVersion CONSTANT)
    Q_PROPERTY(QString applicationName READ applicationName CONSTANT)
    Q_PROPERTY(QString applicationFolderName READ applicationFolderName CONSTANT)

public:
    EpirbApp(const QStringList &args, QObject *parent);
    ~EpirbApp() override;

    // Looks up a positional word "name" or "name=value"; first match wins.
    static bool commandLineValue(const QStringList &args, const QString &name, QString &value);
    // The version text stored in programmed beacons: suffix after "-" becomes "+", at most 8 characters.
    static QString shortVersion(const QString &applicationVersion);
    // Answer delay of the older beacons' byte protocol, from the "progtimeout" word.
    static int progTimeoutFromArguments(const QStringList &args);

    Q_INVOKABLE QStringList serialPorts() const;
    Q_INVOKABLE bool isBetaVersion() const { return false; }
    QString applicationName() const { return QStringLiteral("Quorvik PLB"); }
    QString applicationFolderName() const { return QStringLiteral("QuorvikPLB"); }

    QString version() const { return m_version; }
    QString qmlPath() const { return m_qmlPath; }
    QString comPort() const { return m_comPort; }
    int progTimeout() const { return m_progTimeout; }
    bool isProduction() const { return m_production; }
    bool portAvailable() const { return m_portAvailable; }
    bool softwareRender() const { return m_softwareRender; }
    QQmlApplicationEngine *engine() const { return m_engine; }
    EpirbComm *comm() const { return m_comm; }
    // The configuration as read from the beacon, and the one being edited and written.
    EpirbConfig *configCurrent() const { return m_configCurrent; }
    EpirbConfig *configPending() const { return m_configPending; }

signals:
    // To the link thread, always queued.
    void requestComStop(const QString &reason);
    void requestReceiveStart();
    void requestReciveLogStart();
    void requestVerifyStart();
    void requestWriteStart();
    void requestProductionStart();

private:
    void evaluateArguments(const QStringList &args);
    void applyProductionDefaults(const QStringList &args);
    void logStartupReport() const;
    void readSettings();
    void writeSettings() const;
    void probeSerialPort();
    void chooseRenderer(const QStringList &args);
    int loadMainScene();
    void onSceneObjectCreated(QObject *object, const QUrl &url);
    void handleSceneFailure(int result);

    static bool probePort(const QString &name);

    QQmlApplicationEngine *m_engine = nullptr;
    ConfigTables *m_tables = nullptr;
    CountryCodeModel *m_countryModel = nullptr;
    QString m_version;
    QString m_qmlPath;
    QString m_appDir;
    QString m_appDataDir;
    QString m_customCountryFile;
    bool m_testProtocolAvailable = false;
    bool m_serialOverrideAllowed = false;
    QString m_comPort;
    // "comport=" on the command line: used for this run only, never saved.
    QString m_comPortOverride;
    QString m_savedComPort;
    EpirbComm *m_comm = nullptr;
    QThread *m_commThread = nullptr;
    EpirbConfig *m_configCurrent = nullptr;
    EpirbConfig *m_configPending = nullptr;
    bool m_skipReadback = false;
    bool m_allSerial = false;
    bool m_forceSinglePage = false;
    bool m_testProtocol = false;
    bool m_clearPreviousName = false;
    bool m_portAvailable = false;
    bool m_production = false;
    bool m_logAvailable = true;
    bool m_softwareRender = false;
    int m_progTimeout = 40;
    int m_phaseCount = 1;
    int m_phase = 0;
    int m_sceneResult = 0;
    QEventLoop m_sceneLoop;
};
