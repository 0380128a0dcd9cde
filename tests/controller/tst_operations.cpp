// The controller's beacon operations as pages start and stop them: each operation has
// its own identity, so a stop (or a late event of the operation it ended) never ends
// the next one; a verification started on its own runs like any other operation.
// Everything runs against the beacon simulator over a pseudo-terminal.
#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "link/epirbcomm.h"

#include "beaconsimulator.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char *const kSerial = "31337";

void fillPlb(EpirbConfig &config, const QString &owner)
{
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(QString::fromLatin1(kSerial));
    config.setCountryCode(211);
    config.setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    config.setOwnerName(owner);
    config.calculateCsMsg();
}

QByteArray plbBlock(const QString &owner)
{
    EpirbConfig config(nullptr);
    fillPlb(config, owner);
    return encodeDataBlock(config);
}

BeaconSimulator::Options simOptions(const QByteArray &block)
{
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = 0;
    o.syncIntervalMs = 500;
    o.resyncMs = 0;
    o.block = block;
    return o;
}

// Every result the controller reports, in order.
struct Results
{
    QStringList list;
    explicit Results(EpirbApp &app)
    {
        QObject::connect(&app, &EpirbApp::readbackSucceeded, &app, [this] { list << QStringLiteral("ok"); });
        QObject::connect(&app, &EpirbApp::readbackFailed, &app,
                         [this](const QString &m) { list << QStringLiteral("readbackFailed:") + m; });
        QObject::connect(&app, &EpirbApp::writeFailed, &app,
                         [this](const QString &m) { list << QStringLiteral("writeFailed:") + m; });
    }
};

}

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void stopThenStartInOneTurn_data();
    void stopThenStartInOneTurn();
    void restartDuringTransfer_data();
    void restartDuringTransfer();
    void staleLinkEventBeforeTheStopIsIgnored();
    void verifyOnItsOwn_data();
    void verifyOnItsOwn();
    void verifyWithoutWriteHoldsThePendingRecord();
    void pacedProgrammingSurvivesNaks();

private:
    std::unique_ptr<EpirbApp> makeApp(BeaconSimulator &sim)
    {
        auto app = std::make_unique<EpirbApp>(QStringList{}, nullptr, EpirbApp::Headless);
        app->setSerialText(sim.devicePath());
        return app;
    }
};

void TestOperations::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestOperations::init()
{
    QSettings().clear();
}

void TestOperations::stopThenStartInOneTurn_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("read") << QStringLiteral("read");
    QTest::newRow("boot-log read") << QStringLiteral("log");
    QTest::newRow("programming") << QStringLiteral("write");
}

void TestOperations::stopThenStartInOneTurn()
{
    QFETCH(QString, operation);
    BeaconSimulator sim(simOptions(plbBlock(QStringLiteral("Old Owner"))));
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    fillPlb(*app->configPending(), QStringLiteral("New Owner"));
    Results results(*app);
    auto start = [&] {
        if (operation == QLatin1String("read"))
            app->startEpirbRecieve(true);
        else if (operation == QLatin1String("log"))
            app->startEpirbLogRead();
        else
            app->startEpirbWrite();
    };

    // One page replaced by the next: its start, the page's stop and the next start.
    start();
    app->stopEpirbReceive();
    start();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), 20000);
    QTest::qWait(200);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    QVERIFY(!app->progStatusError());
    if (operation == QLatin1String("write")) {
        QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully"));
        QCOMPARE(sim.block(), app->writeBlock());
    }
}

void TestOperations::restartDuringTransfer_data()
{
    QTest::addColumn<bool>("pageStops");
    QTest::newRow("the page stops, then starts") << true;
    QTest::newRow("the page only starts again") << false;
}

void TestOperations::restartDuringTransfer()
{
    QFETCH(bool, pageStops);
    // The beacon is already sending when the page restarts the read: whatever the link
    // reported of the first transfer must not end (or finish) the second.
    BeaconSimulator::Options o = simOptions(plbBlock(QStringLiteral("Reader")));
    o.baud = 2400; // a packet takes most of a second
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    Results results(*app);
    app->startEpirbRecieve(true);
    QTRY_COMPARE_WITH_TIMEOUT(app->progStatus(), QStringLiteral("Reading data from PLB..."), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(app->progProgress() > 20, 5000);

    QSignalSpy stops(app.get(), &EpirbApp::requestComStop);
    if (pageStops)
        app->stopEpirbReceive();
    app->startEpirbRecieve(true);
    // Either way the first read is ended exactly once.
    QCOMPARE(stops.count(), 1);
    QCOMPARE(app->progStatus(), QStringLiteral("Waiting for connection..."));
    QCOMPARE(app->progProgress(), 0.0);
    sim.pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), 15000);
    QTest::qWait(200);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    QCOMPARE(app->configCurrent()->ownerName(), QStringLiteral("Reader"));
    QCOMPARE(app->progProgress(), 100.0);
}

void TestOperations::staleLinkEventBeforeTheStopIsIgnored()
{
    BeaconSimulator sim(simOptions(plbBlock(QStringLiteral("Reader"))));
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    Results results(*app);
    EpirbComm *comm = app->comm();
    app->startEpirbRecieve(true);
    // The link reports a time-out of the first read just before it gets the page's stop;
    // by the time it arrives here the next read has been started.
    QMetaObject::invokeMethod(comm, [comm] { emit comm->timeout(); }, Qt::QueuedConnection);
    app->stopEpirbReceive();
    app->startEpirbRecieve(true);
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), 20000);
    QTest::qWait(200);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    QCOMPARE(app->progStatus(), QStringLiteral("Reading data from PLB..."));
    QVERIFY(!app->progStatusError());
}

void TestOperations::verifyOnItsOwn_data()
{
    QTest::addColumn<QString>("beacon");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("holds what was written") << "intact" << "ok" << "PLB programmed successfully";
    QTest::newRow("holds something else") << "altered" << "readbackFailed:Verification failed"
                                          << "PLB verification failed";
    QTest::newRow("stalls after its sync") << "stalled" << "readbackFailed:Communication error"
                                           << "Communication error";
}

void TestOperations::verifyOnItsOwn()
{
    QFETCH(QString, beacon);
    QFETCH(QString, result);
    QFETCH(QString, status);
    BeaconSimulator sim(simOptions(plbBlock(QStringLiteral("Old Owner"))));
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    fillPlb(*app->configPending(), QStringLiteral("New Owner"));
    Results results(*app);
    app->startEpirbWrite();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), 20000);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    results.list.clear();

    // Later, on its own (the port was closed at the end of the programming run).
    std::unique_ptr<BeaconSimulator> other;
    if (beacon == QLatin1String("altered")) {
        EpirbConfig changed(nullptr);
        QVERIFY(decodeDataBlock(sim.block(), changed));
        changed.setOwnerName(QStringLiteral("Mallory"));
        sim.setBlock(encodeDataBlock(changed));
    } else if (beacon == QLatin1String("stalled")) {
        BeaconSimulator::Options o = simOptions(sim.block());
        // Announces itself, then says nothing more. Its first sync arrives before the port is
        // opened and is drained with the line; the second is the one the link answers.
        o.stallAfter = 2;
        o.syncIntervalMs = 2000;
        other = std::make_unique<BeaconSimulator>(o);
        QVERIFY(other->start());
        app->setSerialText(other->devicePath());
    }
    sim.pressTest();
    app->startEpirbVerify();
    QCOMPARE(app->progStatus(), QStringLiteral("Waiting for connection..."));
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), EpirbComm::readTimeoutMs(192) + 10000);
    QTest::qWait(200);
    QCOMPARE(results.list, QStringList{ result });
    QCOMPARE(app->progStatus(), status);
    if (result == QLatin1String("ok"))
        QCOMPARE(app->progProgress(), 100.0);
}

void TestOperations::verifyWithoutWriteHoldsThePendingRecord()
{
    // A new run that only verifies has written nothing: the beacon is held against the pending record.
    BeaconSimulator sim(simOptions(plbBlock(QStringLiteral("Kept Owner"))));
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    QVERIFY(decodeDataBlock(sim.block(), *app->configPending()));
    Results results(*app);
    app->startEpirbVerify();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), EpirbComm::readTimeoutMs(192) + 10000);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully"));

    results.list.clear();
    app->configPending()->setOwnerName(QStringLiteral("Somebody Else"));
    sim.pressTest();
    app->startEpirbVerify();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), EpirbComm::readTimeoutMs(192) + 10000);
    QCOMPARE(results.list, QStringList{ QStringLiteral("readbackFailed:Verification failed") });
}

void TestOperations::pacedProgrammingSurvivesNaks()
{
    // At real pacing a resent packet costs two more seconds; two NAKs must still end in
    // a programmed beacon, not in a write time-out and a restart of the whole run.
    BeaconSimulator::Options o = simOptions(plbBlock(QStringLiteral("Old Owner")));
    o.baud = 2400;
    o.nakFirst = 2;
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    auto app = makeApp(sim);
    fillPlb(*app->configPending(), QStringLiteral("New Owner"));
    Results results(*app);
    app->startEpirbWrite();
    QTRY_VERIFY_WITH_TIMEOUT(!results.list.isEmpty(), 40000);
    QCOMPARE(results.list, QStringList{ QStringLiteral("ok") });
    QCOMPARE(app->progStatus(), QStringLiteral("PLB programmed successfully"));
    QCOMPARE(sim.stats().naksSent, 2);
    QCOMPARE(sim.block(), app->writeBlock());
}

int main(int argc, char **argv)
{
    // Database and settings of the runs live in a home of their own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    TestOperations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_operations.moc"
