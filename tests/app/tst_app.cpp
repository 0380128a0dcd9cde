#include "app/epirbapp.h"
#include "app/logger.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "link/epirbcomm.h"

#include "beaconsimulator.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <signal.h>
#include <unistd.h>

// When started with this variable the binary is a child process whose stderr the tests read.
static const char *const kChildMode = "QUORVIK_TST_APP_CHILD";

static int runChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    {
        logger::instance scope;
        qInfo("inside");
    }
    qWarning("after the logger is gone");
    return 0;
}

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void logLineFormat_data();
    void logLineFormat();
    void logFileReplacedEachRunAndKeepsLineBreaks();
    void logReachesStderrAfterLoggerIsGone();

    void commandLineValue_data();
    void commandLineValue();
    void progTimeout_data();
    void progTimeout();
    void shortVersion_data();
    void shortVersion();

    void startsWithSceneFromQmlPathAndSavesSettings();
    void comportWordOverridesSettingForTheRun();
    void productionWordSelectsProductionScene_data();
    void productionWordSelectsProductionScene();

    void pendingIdentityFromArguments_data();
    void pendingIdentityFromArguments();

    void programStartsOffscreenAndExitsCleanly();
    void programEndsCleanlyOnSignal_data();
    void programEndsCleanlyOnSignal();
    void productionWindowFinishesTheBeaconInHandOnSigterm();
    void sceneThatIsNoWindowFailsTheStart();
    void portWithoutPermissionIsExplained();

private:
    QString logPath() const;
    QStringList testArgs(const QStringList &extra = {}) const;
};

// A program started by a test keeps its settings, database and log in the test's folder.
static QProcessEnvironment privateHome(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    return env;
}

void TestApp::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
}

QString TestApp::logPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QDir::separator()
        + QStringLiteral("Quorvik PLB.log");
}

QStringList TestApp::testArgs(const QStringList &extra) const
{
    return QStringList{ QStringLiteral("qmlpath=") + QUrl::fromLocalFile(QStringLiteral(QUORVIK_TEST_QML_DIR)).toString() }
        + extra;
}

void TestApp::logLineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("tag");
    QTest::newRow("debug") << int(QtDebugMsg) << "[DEBUG  ] ";
    QTest::newRow("info") << int(QtInfoMsg) << "[INFO   ] ";
    QTest::newRow("warning") << int(QtWarningMsg) << "[WARNING] ";
    QTest::newRow("critical is an error") << int(QtCriticalMsg) << "[ERROR  ] ";
    QTest::newRow("fatal") << int(QtFatalMsg) << "[FATAL  ] ";
}

void TestApp::logLineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, tag);
    const QString line = logger::formatLine(QtMsgType(type), QStringLiteral("hello"));
    static const QRegularExpression re(QStringLiteral(R"(^\[\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\] (.{10})hello\n$)"));
    const auto m = re.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    QCOMPARE(m.captured(1), tag);
}

void TestApp::logFileReplacedEachRunAndKeepsLineBreaks()
{
    {
        logger::instance scope;
        qInfo("first run marker");
    }
    QFile file(logPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("[INFO   ] first run marker\n"));
    file.close();

    {
        logger::instance scope;
        // A second scope object while one lives must not replace the logger.
        logger::instance nested;
        qCritical("two\nlines");
        qWarning("still open");
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(!content.contains("first run marker"));
    QVERIFY(content.contains("[ERROR  ] two\nlines\n["));
    QVERIFY(content.contains("[WARNING] still open\n"));
    qInstallMessageHandler(nullptr);
}

void TestApp::logReachesStderrAfterLoggerIsGone()
{
    QTemporaryDir home;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    const QByteArray err = child.readAllStandardError();
    QVERIFY2(err.contains("[INFO   ] inside\n"), err.constData());
    QVERIFY2(err.contains("[WARNING] after the logger is gone\n"), err.constData());
    QFile file(home.path() + QStringLiteral("/Quorvik PLB/Quorvik PLB.log"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("inside"));
    QVERIFY(!content.contains("after the logger is gone"));
}

void TestApp::commandLineValue_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    QTest::newRow("bare word") << QStringList{ "production" } << "production" << true << "";
    QTest::newRow("value ignored for flags") << QStringList{ "production=yes" } << "production" << true << "yes";
    QTest::newRow("case-sensitive") << QStringList{ "Production" } << "production" << false << "";
    QTest::newRow("prefix is no match") << QStringList{ "productionrun" } << "production" << false << "";
    QTest::newRow("empty value") << QStringList{ "qmlpath=" } << "qmlpath" << true << "";
    QTest::newRow("first match wins") << QStringList{ "a", "serialno=1", "serialno=2" } << "serialno" << true << "1";
    QTest::newRow("value after first =") << QStringList{ "x=a=b" } << "x" << true << "a=b";
    QTest::newRow("absent") << QStringList{} << "x" << false << "";
}

void TestApp::commandLineValue()
{
    QFETCH(QStringList, args);
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, value);
    QString out = QStringLiteral("stale");
    QCOMPARE(EpirbApp::commandLineValue(args, name, out), found);
    QCOMPARE(out, value);
}

void TestApp::progTimeout_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("ms");
    QTest::newRow("absent") << QStringList{} << 40;
    QTest::newRow("not a number") << QStringList{ "progtimeout=abc" } << 40;
    QTest::newRow("empty") << QStringList{ "progtimeout=" } << 40;
    QTest::newRow("90") << QStringList{ "progtimeout=90" } << 90;
}

void TestApp::progTimeout()
{
    QFETCH(QStringList, args);
    QFETCH(int, ms);
    QCOMPARE(EpirbApp::progTimeoutFromArguments(args), ms);
}

void TestApp::shortVersion_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("plain") << "5.3.9" << "5.3.9";
    QTest::newRow("suffix") << "5.3.9-rc1" << "5.3.9+";
    QTest::newRow("long") << "10.20.300" << "10.20.30";
    QTest::newRow("long with suffix") << "10.20.300-beta" << "10.20.30";
}

void TestApp::shortVersion()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(EpirbApp::shortVersion(in), out);
}

void TestApp::startsWithSceneFromQmlPathAndSavesSettings()
{
    QSettings().clear();
    QSettings().setValue(QStringLiteral("TestProtocolAviable"), true);
    {
        EpirbApp app(testArgs({ QStringLiteral("progtimeout=90") }), nullptr);
        QVERIFY(app.engine());
        QCOMPARE(app.engine()->rootObjects().size(), 1);
        auto *window = qobject_cast<QQuickWindow *>(app.engine()->rootObjects().first());
        QVERIFY(window);
        QCOMPARE(window->title(), QStringLiteral("test scene"));
        QCOMPARE(app.progTimeout(), 90);
        QCOMPARE(app.version(), QStringLiteral("5.3.9"));
        QCOMPARE(app.comPort(), QStringLiteral("COM33"));
        QVERIFY(!app.portAvailable());
    }
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("ComPort")).toString(), QStringLiteral("COM33"));
    QCOMPARE(settings.value(QStringLiteral("TestProtocolAviable")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("SerialOverrideAllowed")).toBool(), false);

    // An empty qmlpath keeps the built-in scene path.
    QString value;
    QVERIFY(EpirbApp::commandLineValue({ QStringLiteral("qmlpath=") }, QStringLiteral("qmlpath"), value));
}

void TestApp::comportWordOverridesSettingForTheRun()
{
    QSettings().clear();
    QSettings().setValue(QStringLiteral("ComPort"), QStringLiteral("COM7"));
    const QString path = QStringLiteral("/nonexistent/quorvik-beacon");
    {
        EpirbApp app(testArgs({ QStringLiteral("comport=") + path, QStringLiteral("forceSinglePage"),
                                QStringLiteral("progtimeout=70") }),
                     nullptr);
        QCOMPARE(app.comPort(), path);
        QVERIFY(!app.portAvailable());
        QVERIFY(app.comm());
        QCOMPARE(app.comm()->portName(), path);
        QVERIFY(app.comm()->forceSinglePage());
        QCOMPARE(app.comm()->answerDelay(), 70);
        QVERIFY(app.comm()->thread() != app.thread());
        QVERIFY(app.comm()->thread()->isRunning());
    }
    // Only this run used the other port.
    QCOMPARE(QSettings().value(QStringLiteral("ComPort")).toString(), QStringLiteral("COM7"));
    {
        EpirbApp app(testArgs({ QStringLiteral("comport=") }), nullptr);
        QCOMPARE(app.comPort(), QStringLiteral("COM7"));
    }
}

void TestApp::productionWordSelectsProductionScene_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("title");
    QTest::newRow("production=yes") << "production=yes" << "test production scene";
    QTest::newRow("Production is not the word") << "Production" << "test scene";
}

void TestApp::productionWordSelectsProductionScene()
{
    QFETCH(QString, word);
    QFETCH(QString, title);
    EpirbApp app(testArgs({ word }), nullptr);
    auto *window = qobject_cast<QQuickWindow *>(app.engine()->rootObjects().value(0));
    QVERIFY(window);
    QCOMPARE(window->title(), title);
}

void TestApp::pendingIdentityFromArguments_data()
{
    const QDate today = QDate::currentDate();
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("beaconType");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("tacNo");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("country");
    QTest::addColumn<QDate>("expiry");

    QTest::newRow("Skua 11A unless told otherwise") << QStringList{} << 10 << "" << 0 << 0 << 0 << today;
    QTest::newRow("beacon type not a number") << QStringList{ "beacontype=abc" } << 0 << "" << 0 << 0 << 0 << today;
    QTest::newRow("identity words need production")
        << QStringList{ "beacontype=13", "serialno=AB123456", "protocol=19", "country=224", "batteryexpiry=052031" }
        << 13 << "" << 0 << 0 << 0 << today;
    QTest::newRow("production P5")
        << QStringList{ "production", "beacontype=13", "serialno=23456", "protocol=19", "country=224" }
        << 13 << "23456" << 0 << 19 << 224 << today.addYears(4);
    QTest::newRow("serial picks the TAC list")
        << QStringList{ "production", "beacontype=3", "serialno=23456" } << 3 << "23456" << 122 << 0 << 257 << today.addYears(5);
    QTest::newRow("five-digit serial taken")
        << QStringList{ "production", "serialno=12345" } << 10 << "12345" << 0 << 0 << 257 << today.addYears(5);
    QTest::newRow("a scanned prefix is not cut away")
        << QStringList{ "production", "beacontype=3", "serialno=X23456" } << 3 << "" << 0 << 0 << 257 << today.addYears(5);
    QTest::newRow("protocol 24 keeps the default, which the P5 lacks")
        << QStringList{ "production", "beacontype=13", "protocol=24" } << 13 << "" << 0 << 0 << 257 << today.addYears(5);
    QTest::newRow("test protocol default")
        << QStringList{ "production", "testprotocol", "beacontype=13" } << 13 << "" << 0 << 12 << 257 << today.addYears(5);
    QTest::newRow("battery expiry month and year")
        << QStringList{ "production", "beacontype=13", "batteryexpiry=052031" } << 13 << "" << 0 << 0 << 257 << QDate(2031, 5, 1);
    QTest::newRow("month 13 falls back to the service life")
        << QStringList{ "production", "beacontype=13", "batteryexpiry=132030" } << 13 << "" << 0 << 0 << 257 << today.addYears(5);
    QTest::newRow("country not a number") << QStringList{ "production", "country=abc" } << 10 << "" << 0 << 0 << 257 << today.addYears(5);
    QTest::newRow("Italy: four years") << QStringList{ "production", "country=247" } << 10 << "" << 0 << 0 << 247 << today.addYears(4);
}

void TestApp::pendingIdentityFromArguments()
{
    QFETCH(QStringList, words);
    QFETCH(int, beaconType);
    QFETCH(QString, serial);
    QFETCH(int, tacNo);
    QFETCH(int, protocol);
    QFETCH(int, country);
    QFETCH(QDate, expiry);
    QSettings().clear();
    EpirbApp app(testArgs(words), nullptr);
    EpirbConfig *pending = app.configPending();
    QVERIFY(pending);
    QVERIFY(app.configCurrent());
    QVERIFY(app.configCurrent() != pending);
    QCOMPARE(pending->parent(), &app);
    QCOMPARE(pending->beaconType(), beaconType);
    QCOMPARE(pending->beaconSerial(), serial);
    // The MMSI field carries six digits: the record holds what the message will.
    QCOMPARE(pending->mmsi(), serial.isEmpty() ? serial : serial.rightJustified(6, QLatin1Char('0')));
    QCOMPARE(pending->tacNo(), tacNo);
    QCOMPARE(pending->protocolId(), protocol);
    QCOMPARE(pending->rawCountryCode(), country);
    QCOMPARE(pending->batteryExpiryDate(), expiry);
    QCOMPARE(ConfigTables::instance(nullptr)->testProtocolAllowed(), words.contains(QStringLiteral("testprotocol")) ? 1 : 0);
    // The record read from the beacon starts out empty.
    QCOMPARE(app.configCurrent()->beaconType(), 0);
    QVERIFY(app.configCurrent()->beaconSerial().isEmpty());
}

void TestApp::programStartsOffscreenAndExitsCleanly()
{
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QUORVIK_QUIT_AFTER_START"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"), {});
    QVERIFY(program.waitForFinished(60000));
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, err.constData());
    QVERIFY2(err.contains("QMLScene.qml succeeded."), err.constData());
    QVERIFY(err.contains("[INFO   ] Version: 5.3.9\n"));

    QFile log(home.path() + QStringLiteral("/data/Aldmar/Quorvik PLB/Quorvik PLB.log"));
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
    QVERIFY(log.readAll().contains("QMLScene.qml succeeded."));
    QSettings written(home.path() + QStringLiteral("/config/Aldmar/Quorvik PLB.conf"), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("ComPort")).toString(), QStringLiteral("COM33"));
}

void TestApp::programEndsCleanlyOnSignal_data()
{
    QTest::addColumn<int>("sig");
    QTest::addColumn<QString>("name");
    QTest::newRow("SIGTERM") << int(SIGTERM) << "SIGTERM";
    QTest::newRow("SIGINT") << int(SIGINT) << "SIGINT";
}

void TestApp::programEndsCleanlyOnSignal()
{
    QFETCH(int, sig);
    QFETCH(QString, name);
    QTemporaryDir home;
    QProcess program;
    program.setProcessEnvironment(privateHome(home));
    program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"), {});
    QVERIFY(program.waitForStarted());
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += program.readAllStandardError()).contains("QMLScene.qml succeeded."), 60000);

    // While it runs, the log on disk already holds every line written so far.
    QFile log(home.path() + QStringLiteral("/data/Aldmar/Quorvik PLB/Quorvik PLB.log"));
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
    QVERIFY(log.readAll().contains("] [INFO   ] Creation of "));
    log.close();
    QSettings written(home.path() + QStringLiteral("/config/Aldmar/Quorvik PLB.conf"), QSettings::IniFormat);
    QVERIFY(!written.contains(QStringLiteral("ComPort")));

    QCOMPARE(::kill(pid_t(program.processId()), sig), 0);
    QVERIFY(program.waitForFinished(30000));
    err += program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, err.constData());

    // Ended as on a normal exit: the signal noted, the log closed in order, settings written.
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    QVERIFY(lines.size() > 3);
    const QByteArray noted = "[INFO   ] Received " + name.toLatin1() + ", shutting down";
    QVERIFY2(std::count_if(lines.begin(), lines.end(), [&](const QByteArray &l) { return l.endsWith(noted); }) == 1,
             err.constData());
    QVERIFY2(lines.last().endsWith("[INFO   ] Log closed, exit code 0"), lines.last().constData());
    written.sync();
    QCOMPARE(written.value(QStringLiteral("ComPort")).toString(), QStringLiteral("COM33"));
}

// A SIGTERM (a shutdown, a service manager) while the production window writes: the beacon in
// hand is written, verified and recorded, the next one is not started, and the program ends cleanly.
void TestApp::productionWindowFinishesTheBeaconInHandOnSigterm()
{
    QTemporaryDir home;
    const QString plan = home.filePath(QStringLiteral("shift.csv"));
    {
        QFile f(plan);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("serial,owner_name\n60001,Nils Aas\n60002,Per Bo\n");
    }
    QSettings settings(home.path() + QStringLiteral("/config/Aldmar/Quorvik PLB.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Operator"), QStringLiteral("Line 1"));
    settings.sync();

    BeaconSimulator::Options options;
    options.sync = 'H';
    // At the adapter's real speed a write lasts long enough to be interrupted.
    options.baud = 2400;
    options.syncIntervalMs = 300;
    options.resyncMs = 0;
    options.block = BeaconSimulator::blankBlock(QStringLiteral("60001"));
    BeaconSimulator sim(options);
    QVERIFY(sim.start());

    QProcess program;
    program.setProcessEnvironment(privateHome(home));
    program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"),
                  { QStringLiteral("production"), QStringLiteral("plan=") + plan, QStringLiteral("country=211"),
                    QStringLiteral("protocol=15"), QStringLiteral("batteryexpiry=072031"),
                    QStringLiteral("comport=") + sim.devicePath() });
    QVERIFY(program.waitForStarted());
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += program.readAllStandardError()).contains("Starting config write"), 60000);
    QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
    // Not waitForFinished: the test's own loop keeps the pty read while the beacon is finished.
    QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 60000);
    err += program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, err.constData());
    QVERIFY2(err.contains("Received SIGTERM, shutting down"), err.constData());
    QVERIFY2(err.contains("Ending after the beacon in hand"), err.constData());
    QVERIFY2(err.contains("verifyDone: Verify succeeded!"), err.constData());

    // The beacon in hand is recorded done; the next row is left for the next run.
    QFile record(home.filePath(QStringLiteral("shift-record.csv")));
    QVERIFY2(record.open(QIODevice::ReadOnly), qPrintable(record.fileName()));
    const QByteArray lines = record.readAll();
    QVERIFY2(lines.contains("60001,") && lines.contains(",ok,"), lines.constData());
    QVERIFY2(!lines.contains("60002,"), lines.constData());
}

void TestApp::sceneThatIsNoWindowFailsTheStart()
{
    QTemporaryDir home;
    QProcess program;
    program.setProcessEnvironment(privateHome(home));
    const QString scene = QUrl::fromLocalFile(QStringLiteral(QUORVIK_TEST_QML_DIR "NotAWindow/")).toString();
    program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"), { QStringLiteral("qmlpath=") + scene });
    QVERIFY(program.waitForStarted());
    // The failure ends in a modal message box, so the test watches the log and then ends it.
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += program.readAllStandardError()).contains("Terminating"), 30000);
    QVERIFY2(err.contains("[ERROR  ] Main scene is not a window. Terminating\n"), err.constData());
    program.kill();
    program.waitForFinished();
}

// A technician outside the port's group must read how to get in, not just "read failed".
void TestApp::portWithoutPermissionIsExplained()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    const QString port = home.filePath(QStringLiteral("ttyQuorvikLocked"));
    {
        QFile f(port);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(port, QFileDevice::Permissions());

    QString program = QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli");
    QStringList args{ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("--wait"),
                      QStringLiteral("5") };
    if (::geteuid() == 0) {
        // Root opens any file: run as nobody, as a workshop user would.
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("running as root without setpriv: cannot run the tool as an ordinary user");
        args = QStringList{ QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                            QStringLiteral("--clear-groups"), program } + args;
        program = setpriv;
    }
    QProcess cli;
    cli.setProcessEnvironment(privateHome(home));
    cli.start(program, args);
    QVERIFY(cli.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), 1);
    QVERIFY2(err.contains(QStringLiteral("No permission to open the serial port ") + port), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("usermod -aG dialout")), qPrintable(err));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildMode))
        return runChild(argc, argv);
    QApplication app(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
