#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

Q_MOC_INCLUDE("production/productionbatch.h")
#include <memory>

class ConfigTables;
class CountryCodeModel;
class DatabaseIfc;
class DuplicateGuard;
class EpirbComm;
class EpirbConfig;
class MainScene;
class ProductionBatch;
class ProgrammingSession;
class QQmlApplicationEngine;
class QThread;
class StationServices;

// The application controller: start-up, settings, ports and the country list, and the
// front end's entry to the beacon. The work on the beacon is the programming session's;
// every beacon call here forwards to it, and its results come back as the signals the
// pages know.
class EpirbApp : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Global application instance")

    Q_PROPERTY(QString progStatus READ progStatus WRITE setProgStatusText NOTIFY progStatusChanged)
    Q_PROPERTY(bool progStatusError READ progStatusError WRITE setProgStatusError NOTIFY progStatusErrorChanged)
    Q_PROPERTY(double progProgress READ progProgress WRITE setProgProgress NOTIFY progProgressChanged)
    Q_PROPERTY(bool beaconLogAvailable READ isBeaconLogAvailable CONSTANT)
    // A programming run is talking to the beacon: ending it now may leave the beacon half written.
    Q_PROPERTY(bool writeInProgress READ writeInProgress NOTIFY writeInProgressChanged)
    Q_PROPERTY(bool isBetaVersion READ isBetaVersion CONSTANT)
    Q_PROPERTY(QString applicationName READ applicationName CONSTANT)
    Q_PROPERTY(QString applicationFolderName READ applicationFolderName CONSTANT)
    // The batch of a production run started with plan=FILE; null without one.
    Q_PROPERTY(ProductionBatch *productionBatch READ productionBatch CONSTANT)
    // The other beacons carrying the hex ID of a write that waits for the technician's
    // answer, one map each: "model", "serial", "date" (yyyy-MM-dd or empty), "station",
    // "operator", "foundIn" and "text" (all of it in one line). Empty when no write waits.
    Q_PROPERTY(QVariantList duplicateHolders READ duplicateHolders NOTIFY duplicateQuestionChanged)
    Q_PROPERTY(QString duplicateHexId READ duplicateHexId NOTIFY duplicateQuestionChanged)
    Q_PROPERTY(bool duplicateUnchecked READ duplicateUnchecked NOTIFY duplicateQuestionChanged)

public:
    // Headless runs every service but shows no window and leaves the settings as they
    // were (scripted use from quorvik-cli).
    enum StartMode { WithWindow, Headless };

    EpirbApp(const QStringList &args, QObject *parent, StartMode mode = WithWindow);
    ~EpirbApp() override;

    // Looks up a positional word "name" or "name=value"; first match wins.
    static bool commandLineValue(const QStringList &args, const QString &name, QString &value);
    // The version text stored in programmed beacons: suffix after "-" becomes "+", at most 8 characters.
    static QString shortVersion(const QString &applicationVersion);
    // Answer delay of the older beacons' byte protocol, from the "progtimeout" word.
    static int progTimeoutFromArguments(const QStringList &args);
    // Index of the listed port named port, or by the last component of a device path (0 when none is).
    static int portIndex(const QStringList &ports, const QString &port);
    // One warning line per 16 bytes: "%03x: " and lower-case hex pairs.
    static QStringList hexDump(const QByteArray &bytes);

    QString progStatus() const;
    void setProgStatusText(const QString &text);
    bool progStatusError() const;
    bool writeInProgress() const;
    void setProgStatusError(bool error);
    double progProgress() const;
    void setProgProgress(double progress);
    QString applicationName() const { return QStringLiteral("Quorvik PLB"); }
    QString applicationFolderName() const { return QStringLiteral("QuorvikPLB"); }
    QVariantList duplicateHolders() const;
    QString duplicateHexId() const;
    bool duplicateUnchecked() const;
    // Looks for other beacons with the ID about to be written; a shared register adds its lookup here.
    DuplicateGuard *duplicateGuard() const;
    ProgrammingSession *session() const { return m_session; }

    Q_INVOKABLE QStringList serialPorts() const;
    Q_INVOKABLE void setSerialText(const QString &qstr);
    Q_INVOKABLE int serialPortIndex() const;
    Q_INVOKABLE bool isBetaVersion() const { return false; }
    Q_INVOKABLE void setSerialOverrideAllowed(bool enable);
    Q_INVOKABLE int batteryServiceLife(int country_code) const;
    Q_INVOKABLE void activateHelp();
    Q_INVOKABLE bool isSerialPortAvailable();
    Q_INVOKABLE bool isProtocolSupported(int beaconType, int country, int protocolId) const;
    Q_INVOKABLE bool isBeaconLogAvailable() const { return m_logAvailable; }
    Q_INVOKABLE void startEpirbRecieve(bool readback_mode);
    Q_INVOKABLE void startEpirbReceive(bool readback_mode) { startEpirbRecieve(readback_mode); }
    Q_INVOKABLE void stopEpirbReceive(const QString &msg = QString());
    Q_INVOKABLE void startEpirbWrite();
    Q_INVOKABLE void startEpirbVerify();
    Q_INVOKABLE void retryWrite();
    Q_INVOKABLE void startEpirbLogRead();
    Q_INVOKABLE bool skipReadback() const { return m_skipReadback; }
    // A run without read-out starts from an empty record of the chosen model.
    Q_INVOKABLE void startManualRun(int beaconType);
    Q_INVOKABLE void restoreBatteryExpiry();
    Q_INVOKABLE void startProductionEpirbWrite();
    // A read for a production batch: after success the beacon stays on the open link, so
    // that startProductionEpirbWrite() writes the beacon just read without a new sync.
    Q_INVOKABLE void startProductionRead();
    // Answers to duplicateIdFound. Program anyway goes on with the write and stores the
    // reason in the record; false (and nothing written) without a reason or a waiting write.
    Q_INVOKABLE bool programAnyway(const QString &reason);
    // Ends the waiting write: nothing is written, writeFailed follows.
    Q_INVOKABLE void cancelDuplicateWrite();
    Q_INVOKABLE void installCountryFile(const QUrl &file);
    Q_INVOKABLE void removeCustomCountryFile();
    Q_INVOKABLE QString currentCustomCountryList() const { return m_customCountryFile; }
    Q_INVOKABLE int exportReports(const QString &uri);
    Q_INVOKABLE int importReports(const QString &uri);
    // After importReports(): what became of the file's entries, for the page to tell the
    // user. Keys "imported", "replaced", "unchanged" (stored one as new or newer) and
    // "skipped" (refused; each reason is in the log), all ints; all 0 after a failed import.
    Q_INVOKABLE QVariantMap lastImportCounts() const;

    QString version() const { return m_version; }
    QString qmlPath() const { return m_qmlPath; }
    QString comPort() const { return m_comPort; }
    int progTimeout() const { return m_progTimeout; }
    bool isProduction() const { return m_production; }
    bool portAvailable() const { return m_portAvailable; }
    bool softwareRender() const;
    QQmlApplicationEngine *engine() const;
    // The configuration as read from the beacon, and the one being edited and written.
    EpirbConfig *configCurrent() const { return m_configCurrent; }
    EpirbConfig *configPending() const { return m_configPending; }
    EpirbComm *comm() const;
    ProductionBatch *productionBatch() const { return m_batch; }
    // Asked before the program ends (its window closed, SIGTERM/SIGINT), as "Close App"
    // does: true while a batch's beacon is being written; the batch then ends after it
    // and the program quits. False: nothing is in hand, quit now.
    Q_INVOKABLE bool finishBeaconInHandBeforeQuit();
    QThread *commThread() const;
    QByteArray writeBlock() const;
    // Why the last verified beacon was not saved in the database; empty when it was.
    Q_INVOKABLE QString storeError() const;

signals:
    void writeInProgressChanged();
    void progStatusChanged();
    void progStatusErrorChanged();
    void progProgressChanged();
    // A read, boot-log read or verified write has finished.
    void readbackSucceeded();
    // A read or verification failed, or the link timed out.
    void readbackFailed(const QString &msg = QString());
    // A programming run was refused or its write failed.
    void writeFailed(const QString &msg = QString());
    // A write stopped before the beacon was touched: another beacon carries its hex ID
    // (see duplicateHolders). Answer with programAnyway() or cancelDuplicateWrite().
    void duplicateIdFound();
    void duplicateQuestionChanged();
    // Each request as it goes to the link.
    void requestComStop(const QString &msg);
    void requestReceiveStart();
    void requestReciveLogStart();
    void requestVerifyStart();
    void requestWriteStart();
    void requestProductionStart();
    void customCountryInstallFailed(const QString &error);
    void customCountryListChanged(const QString &newFile);

private:
    void evaluateArguments(const QStringList &args);
    void applyProductionDefaults(const QStringList &args);
    void loadProductionPlan(const QStringList &args);
    void logStartupReport() const;
    void readSettings();
    void writeSettings() const;
    void probeSerialPort();
    // The session's results as the signals the pages answer.
    void connectSession();
    // The port a first start uses: the only USB serial adapter present, or COM33 on Windows.
    static QString defaultComPort();
    // Shown without waiting for the answer; nothing in headless runs.
    void showWarningBox(const QString &title, const QString &text);
    QString territoryName() const;

    static bool probePort(const QString &name);

    std::unique_ptr<MainScene> m_scene;
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
    ConfigTables *m_tables = nullptr;
    std::unique_ptr<StationServices> m_services;
    ProgrammingSession *m_session = nullptr;
    EpirbConfig *m_configCurrent = nullptr;
    EpirbConfig *m_configPending = nullptr;
    CountryCodeModel *m_countryModel = nullptr;
    bool m_skipReadback = false;
    bool m_allSerial = false;
    bool m_clearPreviousName = false;
    bool m_portAvailable = false;
    bool m_production = false;
    bool m_logAvailable = true;

    bool m_forceSinglePage = false;
    bool m_testProtocol = false;
    bool m_headless = false;
    int m_progTimeout = 40;
    // The "serialno" word of a production run as given.
    QString m_productionSerialArgument;
    ProductionBatch *m_batch = nullptr;
    bool m_quitAfterBeacon = false;
};
