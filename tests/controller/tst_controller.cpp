// The controller end to end: EpirbApp driving the real link against the beacon
// simulator over a pseudo-terminal, the QML proxy on real Quick items, and
// quorvik-cli against the simulator executable in separate processes.
#include "app/epirbapp.h"
#include "app/epirbqmlproxy.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "documents/epirbdatablkwrapper.h"
#include "link/epirbcomm.h"
#include "records/databaseifc.h"
#include "records/epirblogcounterbinding.h"
#include "records/epirblogdb.h"
#include "records/epirblogdbbinding.h"

#include "beaconsimulator.h"
#include "bootloggenerator.h"

#include <QApplication>
#include <QMessageBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <tuple>
#include <memory>

namespace {

constexpr int kOpTimeoutMs = 30000;
const char *const kSerial = "31337";

// Collects warnings so that the verification dump can be checked.
QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void collectingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
    if ((type != QtDebugMsg || qEnvironmentVariableIsSet("QUORVIK_TEST_DEBUG")) && g_previousHandler)
        g_previousHandler(type, context, text);
}

// Opened documents are recorded instead of handed to the desktop.
class OpenedFiles : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// A configured PLB as the wizard leaves it before programming.
void fillPlb(EpirbConfig &config, const QString &serial, const QString &owner)
{
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(serial);
    config.setCountryCode(211);
    config.setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    config.setOwnerName(owner);
    config.setOwnerTelephone(QStringLiteral("+47 555 01 234"));
    config.calculateCsMsg();
}

QByteArray plbBlock(const QString &serial, const QString &owner)
{
    EpirbConfig config(nullptr);
    fillPlb(config, serial, owner);
    return encodeDataBlock(config);
}

BeaconSimulator::Options simOptions(const QByteArray &block)
{
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = 0;
    // A sync character that overtakes the handshake still upsets the link's echo
    // bookkeeping; leave it time to answer the first one.
    o.syncIntervalMs = 500;
    o.resyncMs = 0;
    o.block = block;
    return o;
}

// quorvik-cli from the build, in its own process; the exit code, or -1 when it did not end normally.
int runCli(const QStringList &args, const QProcessEnvironment &env, QByteArray *out, QByteArray *err = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUORVIK_BIN_DIR) + QStringLiteral("/quorvik-cli"), args);
    if (!p.waitForFinished(60000))
        return -1;
    *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// A private home for a quorvik-cli process: its database, settings and documents.
QProcessEnvironment cliEnvironment(const QTemporaryDir &home)
{
    QDir(home.path()).mkpath(QStringLiteral("Documents"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    return env;
}

// The visible message boxes, each closed once its text is taken.
QStringList takeMessageBoxes()
{
    QStringList texts;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (box && box->isVisible()) {
            texts << box->text();
            box->close();
        }
    }
    return texts;
}

// A block whose owner name differs from the given one and nothing else.
QByteArray withOwner(const QByteArray &block, const QString &owner)
{
    EpirbConfig config(nullptr);
    if (!decodeDataBlock(block, config))
        return block;
    config.setOwnerName(owner);
    return encodeDataBlock(config);
}

}

class TestController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readOutUpdatesBothRecords();
    void skipReadbackStartsWizardWithoutBeacon();
    void programmingRunsThreePhasesAndStores();
    void readBeforeWriteChecksSerial_data();
    void readBeforeWriteChecksSerial();
    void eachRunStartsClean();
    void lastCheckRefusesRecordUnlikeMessage_data();
    void lastCheckRefusesRecordUnlikeMessage();
    void alteredReadbackFailsVerificationThenRetry();
    void stalledBeaconIsCommunicationError();
    void lateLinkEventsAfterTheEndAreIgnored();
    void bootLogFillsModelsAndCsv();
    void bootLogRejectedBlockFails_data();
    void bootLogRejectedBlockFails();
    void unsavedRecordIsReported();
    void verificationComparesEveryWrittenByte_data();
    void verificationComparesEveryWrittenByte();
    void blockWithoutMarkerIsReadAndProgrammed();
    void productionVerifiesWrittenBytes_data();
    void productionVerifiesWrittenBytes();
    void productionRefusesTypesWithoutBlock();
    void productionRefusesDuplicateId();
    void productionRefusesBadSerial_data();
    void productionRefusesBadSerial();
    void productionDefaultsFromCommandLine_data();
    void productionDefaultsFromCommandLine();

    void serialPortServices();
    void restoreBatteryExpiryFromBeacon();
    void rules_data();
    void rules();
    void customCountryList();
    void reportExportImport();
    void databaseBeaconReachesDatablockView();

    void proxyDateString_data();
    void proxyDateString();
    void proxyAlternateRowColors_data();
    void proxyAlternateRowColors();
    void proxyAlternateRowColorsNeedsAnItem();
    void proxyProgrammingPages();
    void proxySmallServices();
    void proxyResetConfig();
    void proxyFromQml();
    void mainWindowTitleFromProxy_data();
    void mainWindowTitleFromProxy();

    void cliAgainstSimulatorProcess();
    void cliReadsSerialPlbWithoutTac();
    void concurrentProgramsKeepEveryRecord();
    void cliDatabaseDamageImportAndRestore();

private:
    std::unique_ptr<EpirbApp> makeApp(const QStringList &args = {});
    bool startSim(const BeaconSimulator::Options &options);
    // Runs until the controller reports a result; returns "ok", "readbackFailed" or "writeFailed".
    QString waitResult(EpirbApp &app, QString *message = nullptr, int timeoutMs = kOpTimeoutMs);
    static int databaseCount() { return DatabaseIfc::instance(nullptr)->count(); }

    QTemporaryDir m_home;
    std::unique_ptr<BeaconSimulator> m_sim;
    OpenedFiles m_opened;
};

void TestController::initTestCase()
{
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opened, "open");
    g_previousHandler = qInstallMessageHandler(collectingHandler);
}

void TestController::init()
{
    QSettings().clear();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The database, its good copies, damaged and pending files: each test starts without any.
    for (const QString &name : QDir(data).entryList({ QStringLiteral("Quorvik*.db") }, QDir::Files))
        QFile::remove(data + QLatin1Char('/') + name);
    QFile::remove(data + QStringLiteral("/Country.txt"));
    g_warnings.clear();
    m_opened.urls.clear();
}

void TestController::cleanup()
{
    if (m_sim)
        m_sim->stop();
    m_sim.reset();
}

std::unique_ptr<EpirbApp> TestController::makeApp(const QStringList &args)
{
    auto app = std::make_unique<EpirbApp>(args, nullptr, EpirbApp::Headless);
    if (m_sim)
        app->setSerialText(m_sim->devicePath());
    return app;
}

bool TestController::startSim(const BeaconSimulator::Options &options)
{
    m_sim = std::make_unique<BeaconSimulator>(options);
    return m_sim->start();
}

QString TestController::waitResult(EpirbApp &app, QString *message, int timeoutMs)
{
    QString result;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto c1 = connect(&app, &EpirbApp::readbackSucceeded, &loop, [&] { result = QStringLiteral("ok"); loop.quit(); });
    auto c2 = connect(&app, &EpirbApp::readbackFailed, &loop, [&](const QString &msg) {
        result = QStringLiteral("readbackFailed");
        if (message)
            *message = msg;
        loop.quit();
    });
    auto c3 = connect(&app, &EpirbApp::writeFailed, &loop, [&](const QString &msg) {
        result = QStringLiteral("writeFailed");
        if (message)
            *message = msg;
        loop.quit();
    });
    guard.start(timeoutMs);
    loop.exec();
    disconnect(c1);
    disconnect(c2);
    disconnect(c3);
    // Let the queued stop reach the link before the next step.
    QTest::qWait(50);
    return result;
}

// ---------------------------------------------------------------------------

void TestController::readOutUpdatesBothRecords()
{
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Alice Reader")))));
    auto app = makeApp();

    QStringList order;
    connect(app.get(), &EpirbApp::requestComStop, this, [&](const QString &msg) { order << "stop:" + msg; });
    connect(app.get(), &EpirbApp::readbackSucceeded, this, [&] { order << QStringLiteral("succeeded"); });

    app->startEpirbRecieve(true);
    QCOMPARE(app->progStatus(), QStringLiteral("Waiting for connection..."));
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));

    QCOMPARE(order, (QStringList{ QStringLiteral("stop:"), QStringLiteral("succeeded") }));
    QCOMPARE(app->progStatus(), QStringLiteral("Reading data from PLB..."));
    QVERIFY(!app->progStatusError());
    QCOMPARE(app->progProgress(), 100.0);
    QCOMPARE(app->configCurrent()->beaconSerial(), QString::fromLatin1(kSerial));
    QCOMPARE(app->configCurrent()->ownerName(), QStringLiteral("Alice Reader"));
    QCOMPARE(app->configPending()->compare(*app->configCurrent()), 0);
    QCOMPARE(app->configPending()->beaconSerial(), QString::fromLatin1(kSerial));
    auto *view = epirbdatablkWrapper::instance(app.get());
    QCOMPARE(view->config(), app->configCurrent());
    QCOMPARE(view->viewMode(), int(epirbdatablkWrapper::ReadbackView));
}

void TestController::skipReadbackStartsWizardWithoutBeacon()
{
    auto app = makeApp({ QStringLiteral("skipreadback") });
    fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("Someone"));
    QSignalSpy receive(app.get(), &EpirbApp::requestReceiveStart);
    app->startEpirbRecieve(false);
    QCOMPARE(receive.count(), 0);
    // A fresh record: the wizard starts from nothing but the hardware serial.
    QVERIFY(app->configPending()->ownerName().isEmpty());
    QVERIFY(app->configPending()->messageBytes().isEmpty());

    // The read-out page still reads.
    app->startEpirbRecieve(true);
    QCOMPARE(receive.count(), 1);
    app->stopEpirbReceive();
}

void TestController::programmingRunsThreePhasesAndStores()
{
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner")))));
    auto app = makeApp();
    fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("New Owner"));
    app->configPending()->setAdditionalInfo(QStringLiteral("kept in the database only"));

    // Progress seen while each status text was showing.
    QMap<QString, QPair<double, double>> ranges;
    QStringList statuses;
    connect(app.get(), &EpirbApp::progStatusChanged, this, [&] { statuses << app->progStatus(); });
    connect(app.get(), &EpirbApp::progProgressChanged, this, [&] {
        auto &r = ranges[app->progStatus()];
        if (r == QPair<double, double>())
            r = { app->progProgress(), app->progProgress() };
        r.first = qMin(r.first, app->progProgress());
        r.second = qMax(r.second, app->progProgress());
    });

    // At every step each link signal reaches at most one slot. QObject::receivers is
    // protected; a member pointer taken through a subclass reaches it on the link
    // object itself, which is no such subclass (a downcast to one would be undefined).
    struct ReceiversAccess : QObject
    {
        static int of(const QObject *object, const char *signal)
        {
            return (object->*(&ReceiversAccess::receivers))(signal);
        }
    };
    const QObject *link = app->comm();
    QList<int> mostReceivers;
    connect(app.get(), &EpirbApp::progStatusChanged, this, [&] {
        int most = 0;
        for (const char *signal : { SIGNAL(syncReceived(char)), SIGNAL(success(int)), SIGNAL(failure(int)),
                                    SIGNAL(timeout()), SIGNAL(comProgressChanged()) })
            most = qMax(most, ReceiversAccess::of(link, signal));
        mostReceivers << most;
    });

    app->startEpirbWrite();
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QCOMPARE(mostReceivers, QList<int>(5, 1));

    QCOMPARE(statuses,
             (QStringList{ "Waiting for connection...", "Checking PLB before programming...", "Writing data to PLB...",
                           "Verifying Data Written to PLB...", "PLB programmed successfully" }));
    const double third = 100.0 / 3;
    QVERIFY(ranges.value("Checking PLB before programming...").second <= third + 1e-9);
    QVERIFY(ranges.value("Writing data to PLB...").first >= third - 1e-9);
    QVERIFY(ranges.value("Writing data to PLB...").second <= 2 * third + 1e-9);
    QVERIFY(ranges.value("Verifying Data Written to PLB...").first >= 2 * third - 1e-9);
    QCOMPARE(app->progProgress(), 100.0);

    // What the beacon holds now is what was written, stamped by the controller.
    QCOMPARE(m_sim->block(), app->writeBlock());
    EpirbConfig onBeacon(nullptr);
    QVERIFY(decodeDataBlock(m_sim->block(), onBeacon));
    QCOMPARE(onBeacon.ownerName(), QStringLiteral("New Owner"));
    QCOMPARE(onBeacon.quorvikVersion(), QStringLiteral("5.3.9"));
    QCOMPARE(onBeacon.progDate(), QDate::currentDate());

    QCOMPARE(databaseCount(), 1);
    EpirbConfig *stored = DatabaseIfc::instance(nullptr)->beaconAt(0);
    QCOMPARE(stored->beaconSerial(), QString::fromLatin1(kSerial));
    QCOMPARE(stored->ownerName(), QStringLiteral("New Owner"));
    QCOMPARE(stored->additionalInfo(), QStringLiteral("kept in the database only"));
    auto *view = epirbdatablkWrapper::instance(app.get());
    QCOMPARE(view->config(), app->configCurrent());
    QCOMPARE(view->viewMode(), int(epirbdatablkWrapper::ProgrammingView));
}

void TestController::readBeforeWriteChecksSerial_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("beaconSerial");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("other serial refused") << QStringList{} << "99999" << "writeFailed"
                                          << "Wrong beacon type or serial number...";
    QTest::newRow("skipreadback proceeds") << QStringList{ "skipreadback" } << "99999" << "ok"
                                           << "PLB programmed successfully";
    QTest::newRow("factory-fresh block without identity refused")
        << QStringList{} << "" << "writeFailed" << "Wrong beacon type or serial number...";
}

void TestController::readBeforeWriteChecksSerial()
{
    QFETCH(QStringList, args);
    QFETCH(QString, beaconSerial);
    QFETCH(QString, result);
    QFETCH(QString, status);
    const QByteArray block = beaconSerial.isEmpty() ? QByteArray(192, '\0') : plbBlock(beaconSerial, "Other");
    QVERIFY(startSim(simOptions(block)));
    auto app = makeApp(args);
    fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("New Owner"));
    QString message = QStringLiteral("unset");
    app->startEpirbWrite();
    QCOMPARE(waitResult(*app, &message), result);
    QCOMPARE(app->progStatus(), status);
    if (result == QLatin1String("writeFailed")) {
        QCOMPARE(message, QString());
        QVERIFY(app->progStatusError());
        QCOMPARE(m_sim->stats().writesCompleted, 0);
        QCOMPARE(m_sim->block(), block);
        QCOMPARE(databaseCount(), 0);
    } else {
        QCOMPARE(m_sim->stats().writesCompleted, 1);
        QCOMPARE(databaseCount(), 1);
    }
}

// Nothing of one beacon's run reaches the next: not through a read-out, not without one.
void TestController::eachRunStartsClean()
{
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner")))));
    auto app = makeApp();
    EpirbConfig *pending = app->configPending();
    fillPlb(*pending, QString::fromLatin1(kSerial), QStringLiteral("Beacon A Owner"));
    pending->setAdditionalInfo(QStringLiteral("X"));
    app->startEpirbWrite();
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QCOMPARE(DatabaseIfc::instance(nullptr)->beaconAt(0)->additionalInfo(), QStringLiteral("X"));

    // The next beacon is read: the note typed for the previous one is not its note.
    m_sim->pressTest();
    app->startEpirbRecieve(false);
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QVERIFY(pending->additionalInfo().isEmpty());
    QVERIFY(app->configCurrent()->additionalInfo().isEmpty());

    // Without a read-out: no serial, owner, note, identity or battery expiry of the previous run.
    pending->setAdditionalInfo(QStringLiteral("X"));
    app->startManualRun(ConfigTables::E_SkuaP5);
    QVERIFY(pending->beaconSerial().isEmpty());
    QVERIFY(pending->ownerName().isEmpty());
    QVERIFY(pending->additionalInfo().isEmpty());
    QVERIFY(pending->messageBytes().isEmpty());
    QVERIFY(!pending->batteryExpiryDate().isValid());
    QCOMPARE(pending->beaconType(), int(ConfigTables::E_SkuaP5));

    // Nothing typed: the write is refused before the beacon is touched.
    pending->setCountryCode(211);
    pending->setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    QSignalSpy failed(app.get(), &EpirbApp::writeFailed);
    app->startEpirbWrite();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(app->progStatus(), QStringLiteral("Write refused: Serial No: the beacon's serial number is missing"));
    QCOMPARE(m_sim->stats().writesCompleted, 1);
}

void TestController::lastCheckRefusesRecordUnlikeMessage_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<int>("customSerial");
    // Changed after the pending record made its message, as a page or script could.
    QTest::addColumn<QString>("tamperedMmsi");
    QTest::addColumn<QString>("status");
    QTest::newRow("full MMSI of another country")
        << int(ConfigTables::E_StdLocationMmsi) << 211 << "265123456" << 0 << ""
        << "Write refused: MMSI 265123456 does not start with 211, the MID of the country chosen";
    QTest::newRow("letters as MMSI") << int(ConfigTables::E_RlsUserMmsiPlb) << 211 << "ABC" << 0 << ""
                                     << "Write refused: The MMSI takes digits only";
    QTest::newRow("five digits as MMSI") << int(ConfigTables::E_RlsUserMmsiPlb) << 211 << "12345" << 0 << ""
                                         << "Write refused: The MMSI needs 6 digits: its last 6, or all 9";
    QTest::newRow("national ID beyond its field")
        << int(ConfigTables::E_NationalLocationPlb) << 211 << "" << 300000 << ""
        << "Write refused: National ID must be 0 to 262143";
    QTest::newRow("call sign protocol without a call sign")
        << int(ConfigTables::E_RlsUserTacPlb) << 257 << "" << 0 << ""
        << "Write refused: Call Sign (LCxxxx): none entered";
    QTest::newRow("record tampered after its message was made")
        << int(ConfigTables::E_RlsUserMmsiPlb) << 211 << "123456" << 0 << "654321"
        << "Write refused: the configuration changed after it was checked. Nothing was written.";
}

void TestController::lastCheckRefusesRecordUnlikeMessage()
{
    QFETCH(int, protocol);
    QFETCH(int, country);
    QFETCH(QString, mmsi);
    QFETCH(int, customSerial);
    QFETCH(QString, tamperedMmsi);
    QFETCH(QString, status);
    const QByteArray block = plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner"));
    QVERIFY(startSim(simOptions(block)));
    auto app = makeApp();
    EpirbConfig *pending = app->configPending();
    fillPlb(*pending, QString::fromLatin1(kSerial), QStringLiteral("New Owner"));
    pending->setCountryCode(country);
    pending->setProtocolId(protocol);
    pending->setMmsi(mmsi);
    pending->setCustomSerial(customSerial);
    if (!tamperedMmsi.isEmpty()) {
        // The block about to be written carries the message made before the change.
        connect(app.get(), &EpirbApp::requestReceiveStart, this, [&] { pending->setMmsi(tamperedMmsi); });
    }
    // Refused by the write gate before the link starts, or at the last moment before the
    // block goes out when the record changed after the gate.
    QSignalSpy failed(app.get(), &EpirbApp::writeFailed);
    QSignalSpy succeeded(app.get(), &EpirbApp::readbackSucceeded);
    app->startEpirbWrite();
    if (failed.isEmpty())
        QVERIFY(failed.wait(kOpTimeoutMs));
    QTest::qWait(50);
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(app->progStatus(), status);
    QCOMPARE(failed.first().first().toString(), status);
    QVERIFY(app->progStatusError());
    QVERIFY2(g_warnings.filter(QStringLiteral("Write refused, nothing written: ")).size() == 1,
             qPrintable(g_warnings.join('\n')));
    QCOMPARE(m_sim->stats().writesCompleted, 0);
    QCOMPARE(m_sim->block(), block);
    QCOMPARE(databaseCount(), 0);
}

void TestController::alteredReadbackFailsVerificationThenRetry()
{
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner")))));
    auto app = makeApp();
    fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("New Owner"));

    // Right after the write lands, the beacon's memory changes the owner name.
    BeaconSimulator *sim = m_sim.get();
    std::atomic<bool> tamper{ true };
    connect(app->comm(), &EpirbComm::success, app->comm(), [sim, &tamper] {
        if (tamper && sim->stats().writesCompleted > 0) {
            sim->setBlock(withOwner(sim->block(), QStringLiteral("Mallory")));
            tamper = false;
        }
    }, Qt::DirectConnection);

    QString message;
    app->startEpirbWrite();
    QCOMPARE(waitResult(*app, &message), QStringLiteral("readbackFailed"));
    QCOMPARE(message, QStringLiteral("Verification failed"));
    QCOMPARE(app->progStatus(), QStringLiteral("PLB verification failed"));
    QVERIFY(app->progStatusError());
    QCOMPARE(databaseCount(), 0);

    const int at = int(g_warnings.indexOf(QStringLiteral("on_successVerify:Verify Error: Count/Code: 256")));
    QVERIFY2(at >= 0, qPrintable(g_warnings.join('\n')));
    QCOMPARE(g_warnings.value(at + 1), QStringLiteral("Expected Configuration:"));
    const QStringList expected = EpirbApp::hexDump(app->writeBlock());
    QCOMPARE(expected.size(), 12);
    QCOMPARE(expected.first().left(5), QStringLiteral("000: "));
    QCOMPARE(expected.last().left(5), QStringLiteral("0b0: "));
    QCOMPARE(g_warnings.mid(at + 2, 12), expected);
    QCOMPARE(g_warnings.value(at + 14), QStringLiteral("Received from beacon:"));
    QCOMPARE(g_warnings.mid(at + 15, 12), EpirbApp::hexDump(m_sim->block()));
    QVERIFY(g_warnings.mid(at + 15, 12) != expected);

    // The page's retry of the write: the link still holds the block. Like the page, try
    // again after a link failure (a byte left on the line can spoil the first sync).
    QString retried;
    for (int attempt = 0; attempt < 3 && retried != QLatin1String("ok"); ++attempt) {
        m_sim->pressTest();
        app->retryWrite();
        QCOMPARE(app->progStatus(), QStringLiteral("Retrying to write data to PLB..."));
        retried = waitResult(*app, nullptr, 12000);
    }
    QCOMPARE(retried, QStringLiteral("ok"));
    QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully"));
    QCOMPARE(m_sim->block(), app->writeBlock());
    QCOMPARE(databaseCount(), 1);
}

void TestController::stalledBeaconIsCommunicationError()
{
    BeaconSimulator::Options o = simOptions(plbBlock(QString::fromLatin1(kSerial), "x"));
    o.stallAfter = 1; // announces itself, then says nothing more
    // Its only sync character is dropped as stale at the next interval: keep it on the line
    // until a slow start (sanitizer build) has the port open.
    o.syncIntervalMs = 5000;
    QVERIFY(startSim(o));
    auto app = makeApp();
    QString message;
    app->startEpirbRecieve(true);
    QCOMPARE(waitResult(*app, &message), QStringLiteral("readbackFailed"));
    QCOMPARE(message, QStringLiteral("Communication error"));
    QCOMPARE(app->progStatus(), QStringLiteral("Communication error"));
    QVERIFY(app->progStatusError());
}

void TestController::lateLinkEventsAfterTheEndAreIgnored()
{
    BeaconSimulator::Options o = simOptions(plbBlock(QString::fromLatin1(kSerial), "x"));
    o.silent = true; // the operation stays open until the link reports
    QVERIFY(startSim(o));
    auto app = makeApp();
    QSignalSpy failed(app.get(), &EpirbApp::readbackFailed);
    QSignalSpy succeeded(app.get(), &EpirbApp::readbackSucceeded);
    app->startEpirbRecieve(true);
    QTest::qWait(100);
    // Queued one after the other, as the link thread may emit them before it sees the stop.
    emit app->comm()->timeout();
    emit app->comm()->syncReceived('H');
    emit app->comm()->success(192);
    QTest::qWait(100);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(app->progStatus(), QStringLiteral("Communication error"));
    QVERIFY(app->progStatusError());
}

void TestController::bootLogFillsModelsAndCsv()
{
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), "x"))));
    auto app = makeApp();
    EpirbLogDb *log = EpirbLogDb::instance(app.get());
    const QString csv = QDir(m_home.path()).filePath(QStringLiteral("log.csv"));
    log->setCsvPath(csv);
    app->startEpirbLogRead();
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QCOMPARE(app->progStatus(), QStringLiteral("Reading data from PLB..."));

    EpirbLogDb expected(nullptr);
    QCOMPARE(expected.parseLog(BootLogGenerator::sampleTransfer(), false), int(EpirbLogDb::Ok));
    QVERIFY(expected.entryCount() > 0);
    QCOMPARE(log->entryCount(), expected.entryCount());
    QCOMPARE(log->counters(), expected.counters());
    EpirbLogDbBinding entries(log);
    EpirbLogCounterBinding counters(log);
    QCOMPARE(entries.rowCount(), expected.entryCount());
    QVERIFY(counters.rowCount() > 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().count('\n') >= expected.entryCount() + 2);
    // The configuration came in the same session, so the log names its beacon.
    QCOMPARE(log->beaconSerial(), QString::fromLatin1(kSerial));
    QCOMPARE(log->beaconModel(), QStringLiteral("Skua P5"));
    QCOMPARE(m_sim->stats().handshakes, 1);
    QTRY_COMPARE(m_sim->stats().readsServed, 2);
}

void TestController::bootLogRejectedBlockFails_data()
{
    QTest::addColumn<char>("sync");
    QTest::addColumn<QByteArray>("bootLog");
    QTest::addColumn<QString>("status");
    const QByteArray sample = BootLogGenerator::sampleTransfer();
    QByteArray version7 = sample;
    version7[511] = char(7);
    QTest::newRow("one block of three") << 'H' << sample.left(192) << "Boot log incomplete. Please retry.";
    QTest::newRow("unknown log version") << 'H' << version7 << "Unsupported boot log version";
    QTest::newRow("older generation") << 'F' << QByteArray() << "Unsupported beacon type";
}

void TestController::bootLogRejectedBlockFails()
{
    QFETCH(char, sync);
    QFETCH(QByteArray, bootLog);
    QFETCH(QString, status);
    // First a good log, as a previous beacon left it.
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), "x"))));
    auto app = makeApp();
    EpirbLogDb *log = EpirbLogDb::instance(app.get());
    const QString csv = QDir(m_home.path()).filePath(QStringLiteral("log.csv"));
    QFile::remove(csv);
    log->setCsvPath(csv);
    app->startEpirbLogRead();
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QVERIFY(log->entryCount() > 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csvBefore = file.readAll();
    file.close();

    m_sim->stop();
    BeaconSimulator::Options o = simOptions(plbBlock(QString::fromLatin1(kSerial), "x"));
    o.sync = sync;
    o.bootLog = bootLog;
    QVERIFY(startSim(o));
    app->setSerialText(m_sim->devicePath());
    EpirbLogDbBinding entries(log);
    EpirbLogCounterBinding counters(log);
    QSignalSpy entriesReset(&entries, &QAbstractItemModel::modelReset);
    QSignalSpy countersReset(&counters, &QAbstractItemModel::modelReset);

    QString message;
    app->startEpirbLogRead();
    QCOMPARE(waitResult(*app, &message), QStringLiteral("readbackFailed"));
    QCOMPARE(message, status);
    QCOMPARE(app->progStatus(), status);
    QVERIFY(app->progStatusError());
    // Nothing of the previous beacon is left on show, and its export stays as it was.
    QCOMPARE(log->entryCount(), 0);
    QCOMPARE(entries.rowCount(), 0);
    QVERIFY(entriesReset.count() > 0);
    QVERIFY(countersReset.count() > 0);
    for (int column = 0; column < counters.columnCount(); ++column)
        QCOMPARE(counters.data(counters.index(0, column)).toString(), QStringLiteral("0"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), csvBefore);
}

void TestController::unsavedRecordIsReported()
{
    // The database keeps beacons by their numeric serial number only.
    const QString serial = QStringLiteral("SN-7");
    QVERIFY(startSim(simOptions(plbBlock(serial, QStringLiteral("Old Owner")))));
    {
        auto app = makeApp();
        fillPlb(*app->configPending(), serial, QStringLiteral("New Owner"));
        // "SN-7" is no number a serial protocol could carry: the MMSI is the identity.
        app->configPending()->setProtocolId(ConfigTables::E_RlsUserMmsiPlb);
        app->configPending()->setMmsi(QStringLiteral("123456"));
        app->startEpirbWrite();
        // The beacon is programmed and verified: not a failure.
        QCOMPARE(waitResult(*app), QStringLiteral("ok"));
        QCOMPARE(m_sim->block(), app->writeBlock());
        QCOMPARE(databaseCount(), 0);
        QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully, but not saved in the database"));
        QVERIFY(app->progStatusError());
        QVERIFY2(g_warnings.filter(QStringLiteral("not saved in the database")).size() == 1,
                 qPrintable(g_warnings.join('\n')));
    }

    // A database file that cannot be written loses the record just as well.
    const QString dbPath =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Quorvik.db");
    QVERIFY(QDir().mkpath(dbPath));
    {
        const auto removeDir = qScopeGuard([&dbPath] { QDir(dbPath).removeRecursively(); });
        m_sim->stop();
        QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner")))));
        auto app = makeApp();
        fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("New Owner"));
        app->startEpirbWrite();
        QCOMPARE(waitResult(*app), QStringLiteral("ok"));
        QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully, but not saved in the database"));
        QVERIFY2(app->storeError().contains(dbPath), qPrintable(app->storeError()));
    }

    // quorvik-cli tells it apart from both success and failure.
    m_sim->stop();
    QVERIFY(startSim(simOptions(plbBlock(serial, QStringLiteral("Old Owner")))));
    QTemporaryDir home;
    QByteArray out, err;
    QCOMPARE(runCli({ QStringLiteral("program"), QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--serial"),
                      serial, QStringLiteral("--country"), QStringLiteral("211"), QStringLiteral("--protocol"),
                      QStringLiteral("20"), QStringLiteral("--mmsi"), QStringLiteral("123456"),
                      QStringLiteral("--owner-name"), QStringLiteral("Cli Owner") },
                    cliEnvironment(home), &out, &err),
             3);
    QVERIFY2(err.contains("not saved in the database"), err.constData());
    QVERIFY2(err.contains("SN-7"), err.constData());
    const QJsonObject programmed = QJsonDocument::fromJson(out).object();
    QCOMPARE(programmed.value(QStringLiteral("ownerName")).toString(), QStringLiteral("Cli Owner"));
    EpirbConfig onBeacon(nullptr);
    QVERIFY(decodeDataBlock(m_sim->block(), onBeacon));
    QCOMPARE(onBeacon.ownerName(), QStringLiteral("Cli Owner"));
}

void TestController::verificationComparesEveryWrittenByte_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("verified");
    QTest::newRow("serial number") << 6 << false;
    QTest::newRow("type approval") << 12 << false;
    QTest::newRow("production date") << 28 << false;
    QTest::newRow("battery expiry") << 170 << false;
    QTest::newRow("reserved byte") << 180 << false;
    // The beacon's own factory data is not the program's to check.
    QTest::newRow("vendor identifier") << 1 << true;
}

void TestController::verificationComparesEveryWrittenByte()
{
    QFETCH(int, offset);
    QFETCH(bool, verified);
    QVERIFY(startSim(simOptions(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Old Owner")))));
    auto app = makeApp();
    fillPlb(*app->configPending(), QString::fromLatin1(kSerial), QStringLiteral("New Owner"));

    // Right after the write lands, one byte of the beacon's memory changes.
    BeaconSimulator *sim = m_sim.get();
    std::atomic<bool> armed{ true };
    connect(app->comm(), &EpirbComm::success, app->comm(), [sim, &armed, offset] {
        if (armed && sim->stats().writesCompleted > 0) {
            QByteArray b = sim->block();
            b[offset] = char(b.at(offset) ^ 0x01);
            sim->setBlock(b);
            armed = false;
        }
    }, Qt::DirectConnection);

    app->startEpirbWrite();
    const QString result = waitResult(*app);
    QVERIFY(!armed);
    QVERIFY(m_sim->block() != app->writeBlock());
    if (verified) {
        QCOMPARE(result, QStringLiteral("ok"));
        QCOMPARE(databaseCount(), 1);
        return;
    }
    QCOMPARE(result, QStringLiteral("readbackFailed"));
    QCOMPARE(app->progStatus(), QStringLiteral("PLB verification failed"));
    QCOMPARE(databaseCount(), 0);
    QVERIFY2(!g_warnings.filter(QStringLiteral("differs from the written one at byte %1").arg(offset)).isEmpty(),
             qPrintable(g_warnings.join('\n')));
}

void TestController::blockWithoutMarkerIsReadAndProgrammed()
{
    QByteArray block = plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Unmarked Owner"));
    block[30] = 0;
    block[31] = 0;
    QVERIFY(startSim(simOptions(block)));
    auto app = makeApp();
    app->startEpirbRecieve(true);
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QCOMPARE(app->configCurrent()->beaconSerial(), QString::fromLatin1(kSerial));
    QCOMPARE(app->configCurrent()->ownerName(), QStringLiteral("Unmarked Owner"));

    app->configPending()->setOwnerName(QStringLiteral("Marked Owner"));
    QString result;
    for (int attempt = 0; attempt < 3 && result != QLatin1String("ok"); ++attempt) {
        m_sim->pressTest();
        app->startEpirbWrite();
        result = waitResult(*app);
    }
    QCOMPARE(result, QStringLiteral("ok"));
    QCOMPARE(m_sim->block(), app->writeBlock());
    QVERIFY(isDataBlock(m_sim->block()));
    QCOMPARE(databaseCount(), 1);
    QCOMPARE(DatabaseIfc::instance(nullptr)->beaconAt(0)->ownerName(), QStringLiteral("Marked Owner"));
}

void TestController::productionVerifiesWrittenBytes_data()
{
    QTest::addColumn<bool>("tamper");
    QTest::newRow("intact read-back") << false;
    QTest::newRow("altered read-back") << true;
}

void TestController::productionVerifiesWrittenBytes()
{
    QFETCH(bool, tamper);
    // Whatever the beacon held before: production does not read it first.
    QVERIFY(startSim(simOptions(QByteArray(192, '\x5a'))));
    auto app = makeApp({ QStringLiteral("production"), QStringLiteral("beacontype=10"),
                         QStringLiteral("serialno=23456"), QStringLiteral("country=257") });
    QCOMPARE(app->configPending()->beaconSerial(), QStringLiteral("23456"));
    // The record it would be compared with under the old rule matches the pending one.
    app->configCurrent()->copyFrom(*app->configPending());

    BeaconSimulator *sim = m_sim.get();
    std::atomic<bool> armed{ tamper };
    connect(app->comm(), &EpirbComm::success, app->comm(), [sim, &armed] {
        if (armed && sim->stats().writesCompleted > 0) {
            QByteArray b = sim->block();
            b[100] = char(b.at(100) ^ 0x01);
            sim->setBlock(b);
            armed = false;
        }
    }, Qt::DirectConnection);

    QStringList statuses;
    connect(app.get(), &EpirbApp::progStatusChanged, this, [&] { statuses << app->progStatus(); });
    QList<double> progress;
    connect(app.get(), &EpirbApp::progProgressChanged, this, [&] { progress << app->progProgress(); });
    app->startProductionEpirbWrite();
    const QString result = waitResult(*app);
    QVERIFY(statuses.contains(QStringLiteral("Writing to PLB...")));
    // One bar over write and read-back, never beyond its ends nor going back.
    QVERIFY(!progress.isEmpty());
    for (int i = 0; i < progress.size(); ++i) {
        QVERIFY2(progress.at(i) >= 0.0 && progress.at(i) <= 100.0, qPrintable(QString::number(progress.at(i))));
        QVERIFY2(i == 0 || progress.at(i) >= progress.at(i - 1), qPrintable(QString::number(progress.at(i))));
    }
    QCOMPARE(app->writeBlock().size(), 192);
    QCOMPARE(m_sim->stats().writesCompleted, 1);
    if (!tamper) {
        QCOMPARE(result, QStringLiteral("ok"));
        QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully"));
        QCOMPARE(progress.last(), 100.0);
        QCOMPARE(m_sim->block(), app->writeBlock());
        QCOMPARE(databaseCount(), 1);
        QCOMPARE(DatabaseIfc::instance(nullptr)->beaconAt(0)->beaconSerial(), QStringLiteral("23456"));
        QCOMPARE(DatabaseIfc::instance(nullptr)->beaconAt(0)->beaconType(), int(ConfigTables::E_Skua11A));
        // The programming report of the stored beacon is written.
        const QString report = epirbdatablkWrapper::instance(app.get())->reportFileName();
        QVERIFY(report.endsWith(QLatin1String(".pdf")));
        QVERIFY(report.contains(QLatin1String("23456")));
        QVERIFY(QFile::exists(report));
    } else {
        QCOMPARE(result, QStringLiteral("readbackFailed"));
        QCOMPARE(app->progStatus(), QStringLiteral("PLB verification failed"));
        QCOMPARE(databaseCount(), 0);
    }
}

void TestController::productionRefusesTypesWithoutBlock()
{
    auto app = makeApp({ QStringLiteral("production"), QStringLiteral("beacontype=13"),
                         QStringLiteral("serialno=23456") });
    QSignalSpy failed(app.get(), &EpirbApp::writeFailed);
    QSignalSpy stop(app.get(), &EpirbApp::requestComStop);
    QSignalSpy production(app.get(), &EpirbApp::requestProductionStart);
    app->startProductionEpirbWrite();
    QCOMPARE(app->progStatus(), QStringLiteral("Legacy mode not supported."));
    QVERIFY(app->progStatusError());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Legacy mode not supported."));
    QCOMPARE(stop.count(), 1);
    QCOMPARE(production.count(), 0);
}

// A production line cannot answer "program anyway": a hex ID another beacon carries is
// refused before the beacon is touched; the beacon's own earlier record is no duplicate.
void TestController::productionRefusesDuplicateId()
{
    const QByteArray before(192, '\x5a');
    QVERIFY(startSim(simOptions(before)));
    auto app = makeApp({ QStringLiteral("production"), QStringLiteral("beacontype=10"),
                         QStringLiteral("serialno=23456"), QStringLiteral("country=257") });
    DatabaseIfc *db = DatabaseIfc::instance(nullptr);
    // Beacon 99999 was given this beacon's serial number as its identity: one ID, two beacons.
    EpirbConfig other(nullptr);
    other.copyFrom(*app->configPending());
    other.setSerial(QStringLiteral("99999"));
    other.setCustomSerial(app->configPending()->encodedSerial());
    other.setProgStation(QStringLiteral("Line 1"));
    other.setProgDate(QDate(2025, 3, 4));
    other.calculateCsMsg();
    EpirbConfig expected(nullptr);
    expected.copyFrom(*app->configPending());
    expected.calculateCsMsg();
    const QString hexId = expected.epirbHexMsg();
    QCOMPARE(hexId.size(), 15);
    QCOMPARE(other.epirbHexMsg(), hexId);
    QVERIFY(db->addOrReplace(other));

    QSignalSpy failed(app.get(), &EpirbApp::writeFailed);
    QSignalSpy production(app.get(), &EpirbApp::requestProductionStart);
    QSignalSpy asked(app.get(), &EpirbApp::duplicateIdFound);
    g_warnings.clear();
    app->startProductionEpirbWrite();
    QCOMPARE(production.count(), 0);
    QCOMPARE(asked.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(app->progStatusError());
    QVERIFY2(app->progStatus().startsWith(QStringLiteral("Write refused: hex ID %1 is already carried by Skua 11A 99999, "
                                                         "programmed 2025-03-04 at Line 1").arg(hexId)),
             qPrintable(app->progStatus()));
    QVERIFY(app->progStatus().endsWith(QStringLiteral("Nothing was written.")));
    QVERIFY2(!g_warnings.filter(QStringLiteral("Production write refused, nothing written: hex ID ") + hexId).isEmpty(),
             qPrintable(g_warnings.join('\n')));
    QTest::qWait(300);
    QCOMPARE(m_sim->stats().writesCompleted, 0);
    QCOMPARE(m_sim->block(), before);
    QCOMPARE(databaseCount(), 1);

    // The same beacon's own record with this ID stops nothing.
    other.setSerial(QStringLiteral("23456"));
    other.setCustomSerial(0);
    other.calculateCsMsg();
    db->clearAll();
    QVERIFY(db->addOrReplace(other));
    app->startProductionEpirbWrite();
    QCOMPARE(waitResult(*app), QStringLiteral("ok"));
    QCOMPARE(m_sim->stats().writesCompleted, 1);
    QCOMPARE(databaseCount(), 1);
    QVERIFY(db->beaconAt(0)->duplicateReason().isEmpty());
}

void TestController::productionRefusesBadSerial_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters among the digits") << QStringList{ "serialno=AB12X45" } << "AB12X45";
    QTest::newRow("scanned prefix") << QStringList{ "serialno=AB123456" } << "AB123456";
    QTest::newRow("too long") << QStringList{ "serialno=1234567" } << "1234567";
    QTest::newRow("too short") << QStringList{ "serialno=1234" } << "1234";
    QTest::newRow("no serial number") << QStringList{} << "serialno";
}

void TestController::productionRefusesBadSerial()
{
    QFETCH(QStringList, args);
    QFETCH(QString, shown);
    // The production window, as the operator starts it.
    EpirbApp app(QStringList{ "production", "beacontype=10", "country=257" } + args, nullptr);
    QVERIFY(app.engine());
    takeMessageBoxes();
    QSignalSpy failed(&app, &EpirbApp::writeFailed);
    QSignalSpy production(&app, &EpirbApp::requestProductionStart);
    g_warnings.clear();
    // Returns at once: the box does not wait for the operator.
    app.startProductionEpirbWrite();
    QCOMPARE(production.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(app.progStatus(), QStringLiteral("Invalid serial number"));
    QVERIFY(app.progStatusError());
    QVERIFY2(!g_warnings.filter(QStringLiteral("Production write refused")).filter(shown).isEmpty(),
             qPrintable(g_warnings.join('\n')));
    const QStringList boxes = takeMessageBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains(shown), qPrintable(boxes.first()));
}

void TestController::productionDefaultsFromCommandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("country");
    QTest::addColumn<QDate>("expiry");
    const QDate today = QDate::currentDate();
    QTest::newRow("defaults") << QStringList{ "production" } << "" << 257 << today.addYears(5);
    QTest::newRow("5 digits taken") << QStringList{ "production", "serialno=12345" } << "12345" << 257
                                    << today.addYears(5);
    QTest::newRow("Spain: 4 years") << QStringList{ "production", "country=224" } << "" << 224 << today.addYears(4);
    QTest::newRow("month 13 falls back") << QStringList{ "production", "batteryexpiry=132030" } << "" << 257
                                         << today.addYears(5);
    QTest::newRow("given expiry") << QStringList{ "production", "batteryexpiry=072031", "serialno=98765" }
                                  << "98765" << 257 << QDate(2031, 7, 1);
    QTest::newRow("not production") << QStringList{ "serialno=AB123456", "country=224" } << "" << 0 << QDate();
    QTest::newRow("letters not taken") << QStringList{ "production", "serialno=AB12X45" } << "" << 257
                                       << today.addYears(5);
}

void TestController::productionDefaultsFromCommandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, serial);
    QFETCH(int, country);
    QFETCH(QDate, expiry);
    auto app = makeApp(args);
    EpirbConfig *pending = app->configPending();
    QCOMPARE(pending->beaconSerial(), serial);
    QCOMPARE(pending->rawCountryCode(), country);
    if (expiry.isValid())
        QCOMPARE(pending->batteryExpiryDate(), expiry);
}

// ---------------------------------------------------------------------------

void TestController::serialPortServices()
{
    QSettings().setValue(QStringLiteral("ComPort"), QStringLiteral("/dev/quorvik-no-such-port"));
    {
        EpirbApp app({}, nullptr, EpirbApp::Headless);
        QVERIFY(!app.portAvailable());
        QVERIFY(!app.isSerialPortAvailable());
        QVERIFY(app.isSerialPortAvailable());
        QVERIFY(app.isSerialPortAvailable());
        // No listed port names the configured one.
        QCOMPARE(app.serialPortIndex(), 0);
        app.setSerialText(QStringLiteral("/dev/ttyQ7"));
        // The link takes it in its own thread.
        QTRY_COMPARE(app.comm()->portName(), QStringLiteral("/dev/ttyQ7"));
    }
    // Whole names only: COM1 is not COM10, nor ttyUSB1 ttyUSB10; a device path names its port.
    QCOMPARE(EpirbApp::portIndex({ "COM10", "COM1" }, QStringLiteral("COM1")), 1);
    QCOMPARE(EpirbApp::portIndex({ "COM10", "COM1" }, QStringLiteral("COM10")), 0);
    QCOMPARE(EpirbApp::portIndex({ "COM3", "COM1" }, QStringLiteral("COM1")), 1);
    QCOMPARE(EpirbApp::portIndex({ "ttyUSB10", "ttyUSB1" }, QStringLiteral("/dev/ttyUSB1")), 1);
    QCOMPARE(EpirbApp::portIndex({ "ttyUSB1", "ttyUSB10" }, QStringLiteral("/dev/ttyUSB10")), 1);
    QCOMPARE(EpirbApp::portIndex({ "COM3" }, QStringLiteral("COM7")), 0);
    QCOMPARE(EpirbApp::portIndex({ "COM3", "COM1" }, QString()), 0);
    // Headless runs leave the window's settings alone.
    QCOMPARE(QSettings().value(QStringLiteral("ComPort")).toString(), QStringLiteral("/dev/quorvik-no-such-port"));

    EpirbApp app({}, nullptr, EpirbApp::Headless);
    QSignalSpy changed(ConfigTables::instance(nullptr), &ConfigTables::serialOverrideAllowedChanged);
    app.setSerialOverrideAllowed(true);
    QCOMPARE(changed.count(), 1);
    QVERIFY(ConfigTables::instance(nullptr)->isSerialOverrideAllowed());
}

void TestController::restoreBatteryExpiryFromBeacon()
{
    auto app = makeApp();
    app->configCurrent()->setBatteryExpiry(QDateTime(QDate(2031, 7, 1), QTime(0, 0)));
    app->configCurrent()->setBatteryProd(QDateTime(QDate(2026, 7, 1), QTime(0, 0)));
    app->configPending()->setBatteryExpiry(QDateTime(QDate(2040, 1, 1), QTime(0, 0)));
    QSignalSpy expiry(app->configPending(), &EpirbConfig::batteryExpiryChanged);
    QSignalSpy prod(app->configPending(), &EpirbConfig::batteryProdChanged);
    app->restoreBatteryExpiry();
    QCOMPARE(app->configPending()->batteryExpiryDate(), QDate(2031, 7, 1));
    QCOMPARE(app->configPending()->batteryProdDate(), QDate(2026, 7, 1));
    QCOMPARE(expiry.count(), 1);
    QCOMPARE(prod.count(), 1);
}

void TestController::rules_data()
{
    QTest::addColumn<int>("beaconType");
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("supported");
    QTest::newRow("USA EPIRB serial") << 0 << 366 << 4 << false;
    QTest::newRow("USA 31 serial") << 7 << 338 << 4 << false;
    QTest::newRow("USA other model") << 3 << 366 << 4 << true;
    QTest::newRow("USA other protocol") << 0 << 366 << 5 << true;
    QTest::newRow("Norway") << 0 << 257 << 4 << true;
}

void TestController::rules()
{
    QFETCH(int, beaconType);
    QFETCH(int, country);
    QFETCH(int, protocol);
    QFETCH(bool, supported);
    auto app = makeApp();
    QCOMPARE(app->isProtocolSupported(beaconType, country, protocol), supported);
    QCOMPARE(app->batteryServiceLife(247), 4);
    QCOMPARE(app->batteryServiceLife(225), 4);
    QCOMPARE(app->batteryServiceLife(257), 5);
    QVERIFY(app->isBeaconLogAvailable());
    QVERIFY(!app->skipReadback());
}

void TestController::customCountryList()
{
    auto app = makeApp();
    const int shipped = CountryCodeModel::instance(app.get())->rowCount();
    QVERIFY(shipped > 10);
    QSignalSpy failed(app.get(), &EpirbApp::customCountryInstallFailed);
    QSignalSpy changed(app.get(), &EpirbApp::customCountryListChanged);

    const QString notAList = QDir(m_home.path()).filePath(QStringLiteral("notes.txt"));
    QFile f(notAList);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("just some notes\nnothing here\n");
    f.close();
    app->installCountryFile(QUrl::fromLocalFile(notAList));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("File is not a country code list"));
    QVERIFY(app->currentCustomCountryList().isEmpty());
    QCOMPARE(changed.count(), 0);

    // A short list replaces the shipped one, and removing it restores that.
    const QString custom = QDir(m_home.path()).filePath(QStringLiteral("custom.txt"));
    QFile out(custom);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("257 Norway\n259 Norway (Svalbard)\n");
    out.close();
    const int customRows = int(CountryCodeModel::parseCountryFile(custom).size());
    QCOMPARE(customRows, 2);

    app->installCountryFile(QUrl::fromLocalFile(custom));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(QFile::exists(app->currentCustomCountryList()));
    QCOMPARE(changed.last().first().toString(), app->currentCustomCountryList());
    QCOMPARE(CountryCodeModel::instance(app.get())->rowCount(), customRows);

    // Choosing the installed list itself again keeps it.
    const QString installed = app->currentCustomCountryList();
    app->installCountryFile(QUrl::fromLocalFile(installed));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(app->currentCustomCountryList(), installed);
    QCOMPARE(CountryCodeModel::parseCountryFile(installed).size(), customRows);
    QCOMPARE(CountryCodeModel::instance(app.get())->rowCount(), customRows);
    // A list that cannot be installed leaves the installed one in place, file and model.
    app->installCountryFile(QUrl::fromLocalFile(notAList));
    app->installCountryFile(QUrl::fromLocalFile(QDir(m_home.path()).filePath(QStringLiteral("gone.txt"))));
    QCOMPARE(failed.count(), 3);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(app->currentCustomCountryList(), installed);
    QCOMPARE(CountryCodeModel::parseCountryFile(installed).size(), customRows);
    QCOMPARE(CountryCodeModel::instance(app.get())->rowCount(), customRows);
    // No temporary copies are left beside it.
    QCOMPARE(QFileInfo(installed).dir().entryList({ QStringLiteral("Country*") }, QDir::Files),
             QStringList { QStringLiteral("Country.txt") });

    app->removeCustomCountryFile();
    QCOMPARE(changed.count(), 3);
    QVERIFY(changed.last().first().toString().isEmpty());
    QVERIFY(app->currentCustomCountryList().isEmpty());
    QCOMPARE(CountryCodeModel::instance(app.get())->rowCount(), shipped);
}

void TestController::reportExportImport()
{
    auto app = makeApp();
    EpirbConfig config(nullptr);
    fillPlb(config, QString::fromLatin1(kSerial), QStringLiteral("Exported Owner"));
    QVERIFY(DatabaseIfc::instance(nullptr)->addOrReplace(config));
    const QString file = QDir(m_home.path()).filePath(QStringLiteral("reports export.json"));
    QCOMPARE(app->exportReports(QUrl::fromLocalFile(file).toString()), 0);
    QVERIFY(QFile::exists(file));
    DatabaseIfc::instance(nullptr)->setDbBeacon(0);
    DatabaseIfc::instance(nullptr)->deleteCurrent();
    QCOMPARE(databaseCount(), 0);
    QCOMPARE(app->importReports(QUrl::fromLocalFile(file).toString()), 0);
    QCOMPARE(databaseCount(), 1);
    QCOMPARE(DatabaseIfc::instance(nullptr)->beaconAt(0)->ownerName(), QStringLiteral("Exported Owner"));

    // The page learns what the import did through an invokable it can call after importReports().
    const auto counts = [&app] {
        QVariantMap m;
        QMetaObject::invokeMethod(app.get(), "lastImportCounts", Q_RETURN_ARG(QVariantMap, m));
        return m;
    };
    QCOMPARE(counts(), (QVariantMap { { "imported", 1 }, { "replaced", 0 }, { "unchanged", 0 }, { "skipped", 0 } }));
    QCOMPARE(app->importReports(QUrl::fromLocalFile(file).toString()), 0);
    QCOMPARE(counts(), (QVariantMap { { "imported", 0 }, { "replaced", 0 }, { "unchanged", 1 }, { "skipped", 0 } }));
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QJsonObject top = QJsonDocument::fromJson(in.readAll()).object();
    in.close();
    QJsonArray beacons = top.value(QStringLiteral("beacons")).toArray();
    QJsonObject older = beacons.at(0).toObject();
    older.insert(QStringLiteral("beaconType"), 0);
    beacons.append(older);
    top.insert(QStringLiteral("beacons"), beacons);
    const QString partial = QDir(m_home.path()).filePath(QStringLiteral("partial.json"));
    QFile out(partial);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(top).toJson());
    out.close();
    QCOMPARE(app->importReports(QUrl::fromLocalFile(partial).toString()), 0);
    QCOMPARE(counts().value("skipped").toInt(), 1);
    QCOMPARE(counts().value("unchanged").toInt(), 1);
    QCOMPARE(app->importReports(QUrl::fromLocalFile(m_home.path() + QStringLiteral("/none.json")).toString()), -1);
    QCOMPARE(counts().value("skipped").toInt(), 0);
}

void TestController::databaseBeaconReachesDatablockView()
{
    auto app = makeApp();
    DatabaseIfc *db = DatabaseIfc::instance(nullptr);
    for (const char *serial : { "40001", "40002" }) {
        EpirbConfig config(nullptr);
        fillPlb(config, QString::fromLatin1(serial), QStringLiteral("Owner of ") + QString::fromLatin1(serial));
        config.setProgDate(QDate(2026, 1, 10));
        QVERIFY(db->addOrReplace(config));
    }
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    auto *view = epirbdatablkWrapper::instance(app.get());
    // The read-out of another beacon is on show.
    fillPlb(*app->configCurrent(), QStringLiteral("77777"), QStringLiteral("Read Out"));
    view->setConfig(app->configCurrent(), epirbdatablkWrapper::ReadbackView);

    for (int i : { 1, 0 }) {
        proxy.setProperty("dbBeacon", i);
        QCOMPARE(proxy.dbBeacon(), i);
        const EpirbConfig *record = db->beaconAt(i);
        QCOMPARE(view->serialNo(), record->beaconSerial());
        QCOMPARE(view->hexId(), record->epirbHexMsg());
        QVERIFY(!view->isReadback() && !view->isProgramming());
        view->createReport();
        const QString report = view->reportFileName();
        QVERIFY2(report.contains(record->beaconSerial() + QLatin1Char('_') + record->epirbHexMsg()), qPrintable(report));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), { report, QStringLiteral("-") });
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(record->beaconSerial()), qPrintable(text));
        QVERIFY2(text.contains(record->epirbHexMsg()), qPrintable(text));
        QVERIFY2(text.contains(record->ownerName()), qPrintable(text));
    }

    // An import that replaces the record on show shows the replacement.
    QJsonObject beacon = db->exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    beacon.insert(QStringLiteral("ownerName"), QStringLiteral("Imported Owner"));
    beacon.insert(QStringLiteral("progDate"), QStringLiteral("20260201"));
    const QString file = QDir(m_home.path()).filePath(QStringLiteral("replacement.json"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(QJsonObject{ { "version", 2 }, { "beacons", QJsonArray{ beacon } } }).toJson());
    }
    QCOMPARE(app->importReports(file), 0);
    QCOMPARE(view->config(), db->beaconAt(0));
    QCOMPARE(view->ownerName(), QStringLiteral("Imported Owner"));

    // Deleting it leaves nothing on show.
    proxy.deleteCurrent();
    QCOMPARE(view->config(), nullptr);
    QCOMPARE(view->serialNo(), QStringLiteral("N/A"));

    // A programming result on show stays there when the database replaces its current record.
    proxy.setProperty("dbBeacon", 0);
    EpirbConfig *shownRecord = db->beaconAt(0);
    app->configCurrent()->copyFrom(*shownRecord);
    app->configCurrent()->setOwnerName(QStringLiteral("Programmed Again"));
    view->setConfig(app->configCurrent(), epirbdatablkWrapper::ProgrammingView);
    QVERIFY(db->addOrReplace(*app->configCurrent()));
    QCOMPARE(view->config(), app->configCurrent());
    QVERIFY(view->isProgramming());
}

// ---------------------------------------------------------------------------

void TestController::proxyDateString_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("dateTime");
    QTest::newRow("month name") << "MMMM yyyy" << "en_US" << "March 2031" << "March 2031";
    QTest::newRow("short month") << "yyyy MMM" << "en_US" << "2031 Mar" << "2031 Mar";
    QTest::newRow("long US date") << "" << "en_US" << "Saturday, March 1, 2031" << "Saturday, March 1, 2031";
    QTest::newRow("Norwegian names") << "d. MMMM yyyy" << "nb_NO" << "1. mars 2031" << "1. mars 2031";
    QTest::newRow("no locale: English") << "d MMMM yyyy" << "" << "1 March 2031" << "1 March 2031";
}

void TestController::proxyDateString()
{
    QFETCH(QString, format);
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, dateTime);
    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    const QDateTime when(QDate(2031, 3, 1), QTime(14, 5));
    QCOMPARE(proxy.dateString(when, format, locale), date);
    QCOMPARE(proxy.dateTimeString(when, format, locale), dateTime);
    if (!format.isEmpty())
        QCOMPARE(proxy.dateTimeString(when, format + QStringLiteral(" HH:mm"), locale),
                 dateTime + QStringLiteral(" 14:05"));
}

void TestController::proxyAlternateRowColors_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("hiddenRow");
    QTest::addColumn<QStringList>("colours");
    // Rows start white; "-" marks a hidden row, which keeps its colour.
    QTest::newRow("offset 0") << 0 << -1 << QStringList{ "#ff0000", "#0000ff", "#ff0000", "#0000ff", "#ff0000" };
    QTest::newRow("offset 1") << 1 << -1 << QStringList{ "#ffffff", "#ff0000", "#0000ff", "#ff0000", "#0000ff" };
    QTest::newRow("hidden row skipped") << 0 << 2
                                        << QStringList{ "#ff0000", "#0000ff", "-", "#ff0000", "#0000ff" };
}

void TestController::proxyAlternateRowColors()
{
    QFETCH(int, offset);
    QFETCH(int, hiddenRow);
    QFETCH(QStringList, colours);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick\n"
                      "Column {\n"
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "  Item { width: 10; height: 10 }\n" // no colour: counted, left alone
                      "  Rectangle { width: 10; height: 10; color: \"white\" }\n"
                      "}\n",
                      QUrl());
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    auto *column = qobject_cast<QQuickItem *>(root.get());
    QList<QQuickItem *> rows;
    for (QQuickItem *child : column->childItems()) {
        if (child->metaObject()->indexOfProperty("color") >= 0)
            rows << child;
    }
    QCOMPARE(rows.size(), 6);
    if (hiddenRow >= 0)
        rows.at(hiddenRow)->setVisible(false);

    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    proxy.alternateRowColors(column, QColor(Qt::red), QStringLiteral("#0000ff"), offset);
    for (int i = 0; i < colours.size(); ++i) {
        const QString got = rows.at(i)->property("color").value<QColor>().name();
        QCOMPARE(got, colours.at(i) == QLatin1String("-") ? QStringLiteral("#ffffff") : colours.at(i));
    }
    // The item without a colour still took a turn and got no property.
    QVERIFY(!column->childItems().at(5)->property("color").isValid());
    const int visibleBefore = 5 - (hiddenRow >= 0 ? 1 : 0);
    const int k = visibleBefore + 1 - offset; // counter value of the last row
    QCOMPARE(rows.last()->property("color").value<QColor>().name(),
             k % 2 == 0 ? QStringLiteral("#ff0000") : QStringLiteral("#0000ff"));
}

void TestController::proxyAlternateRowColorsNeedsAnItem()
{
    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    QObject plain;
    plain.setObjectName(QStringLiteral("plainObject"));
    g_warnings.clear();
    proxy.alternateRowColors(&plain, QStringLiteral("red"), QStringLiteral("blue"));
    QCOMPARE(g_warnings.size(), 1);
    QVERIFY(g_warnings.first().startsWith(
        QStringLiteral("EpirbQMLProxy::alternateRowColors: object passed is not a QQuickItem: 'plainObject")));
    QVERIFY(!plain.property("color").isValid());
}

void TestController::proxyProgrammingPages()
{
    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    ConfigTables *tables = ConfigTables::instance(nullptr);
    for (int p = 0; p < tables->maxNoProtocolsAvailable(); ++p)
        tables->setProtocolAvailable(p, false);
    tables->setProtocolAvailable(ConfigTables::E_StdLocationSerialPlb, true);
    tables->updateProtocolList(ConfigTables::E_SkuaP5);
    QCOMPARE(tables->protocolsAvailableNo(), 1);
    const QStringList six = proxy.programmingPages();
    QCOMPARE(six, (QStringList{ "Prog_2_Identified.qml", "Prog_5_CountryCode.qml", "Prog_7_ProtocolParticular.qml",
                                "Prog_8_OwnerInfo.qml", "Prog_10_Summary.qml", "Prog_11_Transfer.qml" }));
    tables->setProtocolAvailable(ConfigTables::E_NationalLocationPlb, true);
    tables->updateProtocolList(ConfigTables::E_SkuaP5);
    QVERIFY(tables->protocolsAvailableNo() >= 2);
    const QStringList seven = proxy.programmingPages();
    QCOMPARE(seven.size(), 7);
    QCOMPARE(seven.at(2), QStringLiteral("Prog_6_SelectProtocol.qml"));
}

void TestController::proxySmallServices()
{
    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    QCOMPARE(proxy.utf8ByteLength(QStringLiteral("Ø")), qsizetype(2));
    QCOMPARE(proxy.utf8ByteLength(QStringLiteral("ABC")), qsizetype(3));
    QCOMPARE(proxy.bitOr(1, 8), 9);
    QVERIFY(proxy.regexTest(QStringLiteral("\\d{3}"), QStringLiteral("MID 257 here")));
    QVERIFY(!proxy.regexTest(QStringLiteral("^\\d{3}$"), QStringLiteral("MID 257")));
    QCOMPARE(proxy.getObjectName(nullptr), QString());
    QVERIFY(!proxy.toModelIndex(QStringLiteral("not an index")).isValid());
    QCOMPARE(proxy.initialStackItem(), QStringLiteral("Main_StartProg.qml"));
    QCOMPARE(proxy.qtBuildVersion(), QStringLiteral(QT_VERSION_STR));

    QSignalSpy menu(&proxy, &EpirbQMLProxy::menuVisibleChanged);
    QVERIFY(proxy.menuVisible());
    proxy.setMenuVisible(true);
    QCOMPARE(menu.count(), 0);
    proxy.setMenuVisible(false);
    QCOMPARE(menu.count(), 1);

    const QString folder = documentFolder(1);
    QFile::remove(folder + QStringLiteral("/contact_label.pdf"));
    QVERIFY(!proxy.createContactLabelPDF(QString()));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/contact_label.pdf")));
    QVERIFY(proxy.createContactLabelPDF(QStringLiteral("Call +47 555 01 234\nAlice")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/contact_label.pdf")));
    QCOMPARE(m_opened.urls.size(), 1);
}

void TestController::proxyResetConfig()
{
    auto app = makeApp();
    EpirbQMLProxy proxy(nullptr, app.get(), app->configCurrent(), app->configPending(), nullptr, nullptr);
    fillPlb(*app->configCurrent(), QString::fromLatin1(kSerial), QStringLiteral("Current Owner"));
    fillPlb(*app->configPending(), QStringLiteral("55555"), QStringLiteral("Edited Owner"));
    EpirbConfig before(nullptr);
    before.copyFrom(*app->configCurrent());

    proxy.resetConfig(false);
    QCOMPARE(app->configCurrent()->compare(before), 0);
    QCOMPARE(app->configCurrent()->beaconSerial(), before.beaconSerial());
    QCOMPARE(app->configPending()->compare(*app->configCurrent()), 0);
    QCOMPARE(app->configPending()->beaconSerial(), QString::fromLatin1(kSerial));
    QCOMPARE(epirbdatablkWrapper::instance(app.get())->viewMode(), int(epirbdatablkWrapper::ProgrammingView));

    proxy.resetConfig(true);
    for (EpirbConfig *c : { app->configPending(), app->configCurrent() }) {
        QVERIFY(c->ownerName().isEmpty());
        QVERIFY(c->messageBytes().isEmpty());
        QCOMPARE(c->protocolId(), 0);
        QCOMPARE(c->rawCountryCode(), 0);
        // Hardware identity survives a full reset.
        QCOMPARE(c->beaconSerial(), QString::fromLatin1(kSerial));
    }
}

void TestController::proxyFromQml()
{
    auto app = makeApp();
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQmlComponent component(&engine);
    component.setData("import QtQuick\n"
                      "import Quorvik.Backend\n"
                      "QtObject {\n"
                      "  property string name: QMLProxy.app.applicationName\n"
                      "  property string variant: QMLProxy.applicationVariant\n"
                      "  property string version: QMLProxy.applicationVersion\n"
                      "  property int yesNo: MessageDialogValues.YesNo\n"
                      "  property int ok: MessageDialogValues.Ok\n"
                      "  property bool samePending: QMLProxy.configPending === QMLProxy.configPending\n"
                      "}\n",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("name").toString(), QStringLiteral("Quorvik PLB"));
    QCOMPARE(object->property("variant").toString(), QStringLiteral("PLB"));
    QCOMPARE(object->property("version").toString(), QCoreApplication::applicationVersion());
    QCOMPARE(object->property("yesNo").toInt(), 81920);
    QCOMPARE(object->property("ok").toInt(), 1024);
    auto *proxy = engine.singletonInstance<EpirbQMLProxy *>(qmlTypeId("Quorvik.Backend", 1, 0, "QMLProxy"));
    QVERIFY(proxy);
    QCOMPARE(proxy->app(), app.get());
    QCOMPARE(proxy->configPending(), app->configPending());
    QVERIFY(engine.imageProvider(QStringLiteral("labelmaker")));
}

void TestController::mainWindowTitleFromProxy_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("title");
    QTest::newRow("desktop") << QStringList{} << "Quorvik PLB 5.3.9";
    QTest::newRow("production") << QStringList{ "production", "beacontype=10" } << "Quorvik PLB Production 5.3.9";
}

void TestController::mainWindowTitleFromProxy()
{
    QFETCH(QStringList, args);
    QFETCH(QString, title);
    EpirbApp app(args, nullptr);
    QVERIFY(app.engine());
    auto *window = qobject_cast<QQuickWindow *>(app.engine()->rootObjects().value(0));
    QVERIFY(window);
    QCOMPARE(window->title(), title);
    QVERIFY(app.engine()->imageProvider(QStringLiteral("labelmaker")));
    const QImage shot = window->grabWindow();
    QVERIFY(!shot.isNull());
    const QString folder = qEnvironmentVariable("QUORVIK_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(shot.save(folder + QLatin1Char('/') + QString::fromLatin1(QTest::currentDataTag()) + ".png"));
}

// ---------------------------------------------------------------------------

void TestController::cliAgainstSimulatorProcess()
{
    const QString bin = QStringLiteral(QUORVIK_BIN_DIR);
    QTemporaryDir home;
    const QProcessEnvironment env = cliEnvironment(home);

    const QString blockFile = home.filePath(QStringLiteral("start.bin"));
    {
        QFile f(blockFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(plbBlock(QString::fromLatin1(kSerial), QStringLiteral("Before Cli")));
    }
    QProcess sim;
    sim.start(bin + QStringLiteral("/quorvik-beacon-sim"),
              { QStringLiteral("--block"), blockFile, QStringLiteral("--baud"), QStringLiteral("0"),
                QStringLiteral("--resync-ms"), QStringLiteral("1000"), QStringLiteral("--sync-interval"),
                QStringLiteral("500") });
    QVERIFY(sim.waitForReadyRead(10000));
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QVERIFY2(device.startsWith(QLatin1String("/dev/")), qPrintable(device));
    auto cli = [&env](const QStringList &args, QByteArray *out, QByteArray *err = nullptr) {
        return runCli(args, env, out, err);
    };

    QByteArray out, err;
    QCOMPARE(cli({ QStringLiteral("read"), QStringLiteral("--port"), device }, &out, &err), 0);
    QJsonObject read = QJsonDocument::fromJson(out).object();
    QCOMPARE(read.value(QStringLiteral("beaconSerial")).toString(), QString::fromLatin1(kSerial));
    QCOMPARE(read.value(QStringLiteral("ownerName")).toString(), QStringLiteral("Before Cli"));
    QVERIFY(err.contains("100%"));

    read.insert(QStringLiteral("ownerName"), QStringLiteral("After Cli"));
    read.remove(QStringLiteral("message")); // computed again from the identity
    const QString jsonFile = home.filePath(QStringLiteral("pending.json"));
    {
        QFile f(jsonFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(read).toJson());
    }
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--config"), jsonFile },
                 &out, &err),
             0);
    const QJsonObject programmed = QJsonDocument::fromJson(out).object();
    QCOMPARE(programmed.value(QStringLiteral("status")).toString(), QStringLiteral("PLB programmed successfully"));
    QCOMPARE(programmed.value(QStringLiteral("ownerName")).toString(), QStringLiteral("After Cli"));
    QVERIFY(QFile::exists(home.path() + QStringLiteral("/data/Aldmar/Quorvik PLB/Quorvik.db")));

    // Another beacon (serial 40001, another station) carries the same hex ID: the next
    // write of this identity is refused with an exit status of its own, nothing written.
    QCOMPARE(cli({ QStringLiteral("db"), QStringLiteral("dump") }, &out, &err), 0);
    QJsonObject other = QJsonDocument::fromJson(out).object().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    QCOMPARE(other.value(QStringLiteral("beaconSerial")).toString(), QString::fromLatin1(kSerial));
    other.insert(QStringLiteral("beaconSerial"), QStringLiteral("40001"));
    other.insert(QStringLiteral("progStation"), QStringLiteral("Bench 2"));
    const QString otherFile = home.filePath(QStringLiteral("other.json"));
    {
        QFile f(otherFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(QJsonObject { { QStringLiteral("version"), 2 },
                                            { QStringLiteral("beacons"), QJsonArray { other } } })
                    .toJson());
    }
    QCOMPARE(cli({ QStringLiteral("db"), QStringLiteral("import"), otherFile }, &out, &err), 0);
    read.insert(QStringLiteral("ownerName"), QStringLiteral("Third Cli"));
    {
        QFile f(jsonFile);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QJsonDocument(read).toJson());
    }
    const QString hexId = programmed.value(QStringLiteral("hexId")).toString();
    QVERIFY(!hexId.isEmpty());
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--config"), jsonFile },
                 &out, &err),
             4);
    QVERIFY2(err.contains(QStringLiteral("nothing written: hex ID %1 is already carried by").arg(hexId).toLatin1())
                 && err.contains("40001") && err.contains("Bench 2") && err.contains("--allow-duplicate"),
             err.constData());
    QVERIFY(out.isEmpty());
    QCOMPARE(cli({ QStringLiteral("read"), QStringLiteral("--port"), device }, &out, &err), 0);
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("ownerName")).toString(), QStringLiteral("After Cli"));

    // Allowed with a reason: written, and the reason is kept with this beacon's record only.
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--config"), jsonFile,
                   QStringLiteral("--allow-duplicate"), QStringLiteral("Replacement unit, old one destroyed") },
                 &out, &err),
             0);
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("ownerName")).toString(), QStringLiteral("Third Cli"));
    QCOMPARE(cli({ QStringLiteral("db"), QStringLiteral("dump") }, &out, &err), 0);
    const QJsonArray stored = QJsonDocument::fromJson(out).object().value(QStringLiteral("beacons")).toArray();
    QCOMPARE(stored.size(), 2);
    for (const QJsonValue &b : stored) {
        const QJsonObject o = b.toObject();
        const bool mine = o.value(QStringLiteral("beaconSerial")).toString() == QLatin1String(kSerial);
        QCOMPARE(o.value(QStringLiteral("duplicateReason")).toString(),
                 mine ? QStringLiteral("Replacement unit, old one destroyed") : QString());
    }

    // Another beacon's identity is refused before anything is written.
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--serial"),
                   QStringLiteral("77777"), QStringLiteral("--country"), QStringLiteral("211"),
                   QStringLiteral("--protocol"), QStringLiteral("15") },
                 &out, &err),
             1);
    QVERIFY2(err.contains("Wrong beacon type or serial number..."), err.constData());

    // An MMSI no beacon could carry is refused by the pages' own rules, and nothing is written.
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--serial"),
                   QStringLiteral("44444"), QStringLiteral("--country"), QStringLiteral("211"),
                   QStringLiteral("--protocol"), QStringLiteral("20"), QStringLiteral("--mmsi"), QStringLiteral("ABC") },
                 &out, &err),
             2);
    QVERIFY2(err.contains("nothing written: The MMSI takes digits only"), err.constData());
    QVERIFY(out.isEmpty());

    // The boot log names its beacon, and its default name never replaces an earlier file:
    // earlier exports hold every name this read could take.
    const QString documents = home.filePath(QStringLiteral("Documents"));
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (int second = -5; second < 120; ++second) {
        earlier << QStringLiteral("%1/log_SKP5_%2_%3.csv")
                       .arg(documents, QString::fromLatin1(kSerial),
                            now.addSecs(second).toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
        QFile f(earlier.last());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier\n");
    }
    const auto firstLine = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readLine() : QByteArray();
    };
    QCOMPARE(cli({ QStringLiteral("log"), QStringLiteral("--port"), device }, &out, &err), 0);
    const QJsonObject log = QJsonDocument::fromJson(out).object();
    QVERIFY(!log.value(QStringLiteral("entries")).toArray().isEmpty());
    const QJsonObject logBeacon = log.value(QStringLiteral("beacon")).toObject();
    QCOMPARE(logBeacon.value(QStringLiteral("serial")).toString(), QString::fromLatin1(kSerial));
    QCOMPARE(logBeacon.value(QStringLiteral("hexId")).toString(), hexId);
    const QString logCsv = log.value(QStringLiteral("csv")).toString();
    QVERIFY2(logCsv.startsWith(documents + QStringLiteral("/log_SKP5_") + QString::fromLatin1(kSerial) + QLatin1Char('_'))
                 && logCsv.endsWith(QLatin1String("_2.csv")),
             qPrintable(logCsv));
    QVERIFY(earlier.contains(logCsv.left(logCsv.size() - 6) + QStringLiteral(".csv")));
    for (const QString &path : std::as_const(earlier))
        QCOMPARE(firstLine(path), QByteArray("earlier\n"));
    QCOMPARE(firstLine(logCsv), QStringLiteral("Model;Skua P5;Serial no;%1;Hex ID;%2;Read at;%3;\n")
                                    .arg(QString::fromLatin1(kSerial), hexId,
                                         logBeacon.value(QStringLiteral("readAt")).toString())
                                    .toUtf8());
    // --csv chooses the file, and what it held is replaced.
    const QString chosenCsv = home.filePath(QStringLiteral("chosen.csv"));
    {
        QFile f(chosenCsv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old\n");
    }
    QCOMPARE(cli({ QStringLiteral("log"), QStringLiteral("--port"), device, QStringLiteral("--csv"), chosenCsv }, &out, &err), 0);
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("csv")).toString(), chosenCsv);
    QVERIFY(firstLine(chosenCsv).startsWith("Model;Skua P5;Serial no;" + QByteArray(kSerial) + ";"));
    QCOMPARE(cli({ QStringLiteral("log"), QStringLiteral("--port"), device, QStringLiteral("--csv") }, &out, &err), 2);

    QCOMPARE(cli({ QStringLiteral("read") }, &out, &err), 2);
    QCOMPARE(cli({ QStringLiteral("program"), QStringLiteral("--port"), device }, &out, &err), 2);

    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));

    // Nobody answers on a line without a beacon.
    QCOMPARE(cli({ QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("/dev/null"), QStringLiteral("--wait"),
                   QStringLiteral("1") },
                 &out, &err),
             1);
}

namespace {

// A simulator executable on its own pseudo-terminal; the device path, or empty.
QString startSimProcess(QProcess &sim, const QString &blockFile)
{
    sim.start(QStringLiteral(QUORVIK_BIN_DIR) + QStringLiteral("/quorvik-beacon-sim"),
              { QStringLiteral("--block"), blockFile, QStringLiteral("--baud"), QStringLiteral("0"),
                QStringLiteral("--resync-ms"), QStringLiteral("1000"), QStringLiteral("--sync-interval"),
                QStringLiteral("500") });
    if (!sim.waitForReadyRead(10000))
        return QString();
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

QStringList dumpedSerials(const QByteArray &dump)
{
    QStringList serials;
    for (const QJsonValue &b : QJsonDocument::fromJson(dump).object().value(QStringLiteral("beacons")).toArray())
        serials << b.toObject().value(QStringLiteral("beaconSerial")).toString();
    serials.sort();
    return serials;
}

}

// A serial-user PLB without a C/S type approval number (bit 43 = 0) is a valid beacon: its
// national-use bits are named, and read and block decode succeed.
void TestController::cliReadsSerialPlbWithoutTac()
{
    QTemporaryDir home;
    const QProcessEnvironment env = cliEnvironment(home);
    EpirbConfig config(nullptr);
    fillPlb(config, QStringLiteral("40007"), QStringLiteral("No Tac"));
    config.setProtocolId(ConfigTables::E_UserSerialPlb);
    config.calculateCsMsg();
    const QByteArray block = encodeDataBlock(config);
    const QString blockFile = home.filePath(QStringLiteral("serial-plb.bin"));
    {
        QFile f(blockFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(block);
    }
    QProcess sim;
    const QString device = startSimProcess(sim, blockFile);
    QVERIFY2(device.startsWith(QLatin1String("/dev/")), qPrintable(device));
    const auto stopSim = qScopeGuard([&] {
        sim.terminate();
        sim.waitForFinished(5000);
    });

    QByteArray out, err;
    QCOMPARE(runCli({ QStringLiteral("read"), QStringLiteral("--port"), device }, env, &out, &err), 0);
    QVERIFY2(!err.contains("the stored message"), err.constData());
    const QString message = QJsonDocument::fromJson(out).object().value(QStringLiteral("message")).toString();
    QCOMPARE(message, config.epirbAsciiMsg());

    QCOMPARE(runCli({ QStringLiteral("block"), QStringLiteral("decode"), blockFile }, env, &out, &err), 0);
    QCOMPARE(runCli({ QStringLiteral("msg"), QStringLiteral("decode"), message }, env, &out, &err), 0);
    const QJsonObject decoded = QJsonDocument::fromJson(out).object();
    QCOMPARE(decoded.value(QStringLiteral("serialBeaconType")).toString(), QStringLiteral("PLB with a serial number (110)"));
    QVERIFY(decoded.value(QStringLiteral("problems")).toArray().isEmpty());
    QVERIFY(decoded.value(QStringLiteral("notes")).toArray().at(0).toString().startsWith(QLatin1String("bit 43 = 0")));
}

// Two programs programming at the same moment on one station, and the window's database
// open beside them: every beacon reported as saved is on disk.
void TestController::concurrentProgramsKeepEveryRecord()
{
    QTemporaryDir home;
    const QProcessEnvironment env = cliEnvironment(home);
    const QString blockFile = home.filePath(QStringLiteral("start.bin"));
    {
        QFile f(blockFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(plbBlock(QStringLiteral("40000"), QStringLiteral("Factory")));
    }
    QProcess simA, simB;
    const QString deviceA = startSimProcess(simA, blockFile);
    const QString deviceB = startSimProcess(simB, blockFile);
    QVERIFY2(deviceA.startsWith(QLatin1String("/dev/")) && deviceB.startsWith(QLatin1String("/dev/")),
             qPrintable(deviceA + QLatin1Char(' ') + deviceB));
    const auto stopSims = qScopeGuard([&] {
        simA.terminate();
        simB.terminate();
        simA.waitForFinished(5000);
        simB.waitForFinished(5000);
    });

    // The window's database on the folder the command line uses.
    const QString folder = home.path() + QStringLiteral("/data/Aldmar/Quorvik PLB");
    DatabaseIfc window(folder, nullptr);
    window.watchDisk();
    auto addFromWindow = [&](const QString &serial) {
        EpirbConfig config(nullptr);
        fillPlb(config, serial, QStringLiteral("Window"));
        return window.addOrReplace(config);
    };
    QVERIFY(addFromWindow(QStringLiteral("42000")));

    QStringList expected { QStringLiteral("42000") };
    const int rounds = 20;
    for (int round = 0; round < rounds; ++round) {
        QProcess a, b;
        const QString serialA = QString::number(41000 + 2 * round);
        const QString serialB = QString::number(41001 + 2 * round);
        for (auto [cli, device, serial] : { std::tuple(&a, deviceA, serialA), std::tuple(&b, deviceB, serialB) }) {
            cli->setProcessEnvironment(env);
            cli->start(QStringLiteral(QUORVIK_BIN_DIR) + QStringLiteral("/quorvik-cli"),
                       { QStringLiteral("program"), QStringLiteral("--port"), device, QStringLiteral("--skipreadback"),
                         QStringLiteral("--serial"), serial, QStringLiteral("--country"), QStringLiteral("211"),
                         QStringLiteral("--protocol"), QStringLiteral("15"), QStringLiteral("--owner-name"),
                         QStringLiteral("Round %1").arg(round) });
        }
        // The window saves while both programs run.
        const QString windowSerial = QString::number(43000 + round);
        QVERIFY(addFromWindow(windowSerial));
        for (QProcess *cli : { &a, &b }) {
            QVERIFY(cli->waitForFinished(90000));
            QVERIFY2(cli->exitStatus() == QProcess::NormalExit && cli->exitCode() == 0,
                     cli->readAllStandardError().constData());
        }
        expected << serialA << serialB << windowSerial;
    }
    expected.sort();

    QByteArray out, err;
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("dump") }, env, &out, &err), 0);
    QCOMPARE(dumpedSerials(out), expected);
    // The window follows what the others wrote, and its next save keeps all of it.
    QTRY_COMPARE_WITH_TIMEOUT(window.count(), expected.size(), 10000);
    QVERIFY(addFromWindow(QStringLiteral("42001")));
    expected << QStringLiteral("42001");
    expected.sort();
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("dump") }, env, &out, &err), 0);
    QCOMPARE(dumpedSerials(out), expected);
    QCOMPARE(window.count(), expected.size());
}

// What quorvik-cli says about a damaged database, an import it could not save, and a restore.
void TestController::cliDatabaseDamageImportAndRestore()
{
    QTemporaryDir home;
    const QProcessEnvironment env = cliEnvironment(home);
    const QString folder = home.path() + QStringLiteral("/data/Aldmar/Quorvik PLB");
    const QString dbFile = folder + QStringLiteral("/Quorvik.db");
    // Three beacons as a report from elsewhere.
    const QString report = home.filePath(QStringLiteral("three.tlr"));
    {
        QTemporaryDir elsewhere;
        DatabaseIfc other(elsewhere.path(), nullptr);
        for (const char *serial : { "51001", "51002", "51003" }) {
            EpirbConfig config(nullptr);
            fillPlb(config, QString::fromLatin1(serial), QStringLiteral("Owner"));
            config.setProgDate(QDate(2024, 5, 1));
            QVERIFY(other.addOrReplace(config));
        }
        QCOMPARE(other.ExportReports(report), 0);
    }
    QByteArray out, err;
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("import"), report }, env, &out, &err), 0);
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("saved")).toBool(), true);

    // Cut to half its length.
    QByteArray whole;
    {
        QFile f(dbFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        whole = f.readAll();
    }
    {
        QFile f(dbFile);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(whole.left(whole.size() / 2));
    }
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("dump") }, env, &out, &err), 1);
    QVERIFY2(err.contains("could not be read whole") && err.contains("cut short") && err.contains("Quorvik-damaged-")
                 && err.contains("Quorvikbackup-"),
             err.constData());
    const QStringList salvaged = dumpedSerials(out);
    QVERIFY2(!salvaged.isEmpty() && salvaged.size() < 3, qPrintable(salvaged.join(',')));
    QCOMPARE(QDir(folder).entryList({ QStringLiteral("Quorvik-damaged-*.db") }).size(), 1);

    // The last good copy goes back after its check.
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("restore") }, env, &out, &err), 1);
    const QJsonArray backups = QJsonDocument::fromJson(out).object().value(QStringLiteral("backups")).toArray();
    // The good copy first; the damaged original is offered after it, never in its place.
    QCOMPARE(backups.size(), 2);
    QVERIFY2(QFileInfo(backups.at(0).toString()).fileName().startsWith(QLatin1String("Quorvikbackup-")),
             qPrintable(backups.at(0).toString()));
    QVERIFY2(backups.at(1).toString().contains(QLatin1String("Quorvik-damaged-")), qPrintable(backups.at(1).toString()));
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("restore"), QFileInfo(backups.at(0).toString()).fileName() },
                    env, &out, &err),
             0);
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("dump") }, env, &out, &err), 0);
    QCOMPARE(dumpedSerials(out), (QStringList { "51001", "51002", "51003" }));
    QVERIFY2(err.isEmpty() || !err.contains("could not be read"), err.constData());

    // An import the database cannot keep is a failure, whatever its counts.
    QFile::remove(dbFile);
    QVERIFY(QDir().mkpath(dbFile));
    const auto unblock = qScopeGuard([&] { QDir(dbFile).removeRecursively(); });
    QCOMPARE(runCli({ QStringLiteral("db"), QStringLiteral("import"), report }, env, &out, &err), 1);
    QVERIFY2(err.contains("not saved") && err.contains("Quorvik.db could not be written"), err.constData());
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("saved")).toBool(), false);
}

// Both QML modules are static libraries: reference their registrations so they are linked.
void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

int main(int argc, char **argv)
{
    // Documents (boot-log exports, reports, labels) land in a private home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + QStringLiteral("/Documents")).toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    TestController test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_controller.moc"
