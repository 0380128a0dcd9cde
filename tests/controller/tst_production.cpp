// Batch production end to end: quorvik-cli produce in its own process against the
// beacon simulator on a pseudo-terminal, the operator played by the test, which
// connects one beacon after the other as the tool reports each result.
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <signal.h>
#include <sys/types.h>

namespace {

constexpr int kBeaconTimeoutMs = 60000;

BeaconSimulator::Options simOptions(const QString &firstSerial)
{
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = 0;
    o.syncIntervalMs = 300;
    // Only a connected beacon announces itself: the test is the operator.
    o.resyncMs = 0;
    o.block = BeaconSimulator::blankBlock(firstSerial);
    return o;
}

// A private home for the tool: its database, settings and documents.
QProcessEnvironment toolEnvironment(const QTemporaryDir &home)
{
    QDir(home.path()).mkpath(QStringLiteral("Documents"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

QString cliPath()
{
    return QStringLiteral(QUORVIK_BIN_DIR) + QStringLiteral("/quorvik-cli");
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

QList<QStringList> recordLines(const QString &path)
{
    QFile f(path);
    QList<QStringList> lines;
    if (!f.open(QIODevice::ReadOnly))
        return lines;
    const QList<QByteArray> raw = f.readAll().split('\n');
    for (const QByteArray &l : raw) {
        if (!l.isEmpty())
            lines << QString::fromUtf8(l).split(QLatin1Char(','));
    }
    return lines;
}

// One produce run, read line by line as it prints.
class ProduceRun
{
public:
    ProduceRun(const QTemporaryDir &home, const QStringList &args)
    {
        m_process.setProcessEnvironment(toolEnvironment(home));
        m_process.start(cliPath(), QStringList{ QStringLiteral("produce") } + args);
    }
    ~ProduceRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // The next beacon line ("SERIAL HEXID RESULT SECONDS STATUS"), split in five; empty at the end.
    QStringList nextBeacon(int timeoutMs = kBeaconTimeoutMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                m_out << line;
                const QStringList f = line.split(QLatin1Char(' '));
                if (f.size() >= 5 && f.at(0).size() == 5 && f.at(3).endsWith(QLatin1Char('s')))
                    return { f.at(0), f.at(1), f.at(2), f.at(3), f.mid(4).join(QLatin1Char(' ')) };
            }
            if (m_process.state() == QProcess::NotRunning && !m_process.canReadLine())
                return {};
            m_process.waitForReadyRead(100);
        }
        return {};
    }
    int finish(int timeoutMs = 30000)
    {
        if (!m_process.waitForFinished(timeoutMs))
            return -1;
        while (m_process.canReadLine())
            m_out << QString::fromUtf8(m_process.readLine()).trimmed();
        m_out << QString::fromUtf8(m_process.readAll()).trimmed();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString output() const { return m_out.join(QLatin1Char('\n')); }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QStringList m_out;
};

} // namespace

class TestProduction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void planOfFiveWithFailedAndStrangerBeacon();
    void killMidWriteResumeAndCtrlCEndAfterTheBeaconInHand();
    void planWithBadRowsIsRefusedWhole();

private:
    bool startSim(const BeaconSimulator::Options &options);
    QString planPath() const { return m_dir.filePath(QStringLiteral("shift-a.csv")); }

    std::unique_ptr<QTemporaryDir> m_home;
    QTemporaryDir m_dir;
    std::unique_ptr<BeaconSimulator> m_sim;
};

void TestProduction::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(m_dir.filePath(name)).exists() ? (void)QDir(m_dir.filePath(name)).removeRecursively()
                                            : (void)QFile::remove(m_dir.filePath(name));
}

void TestProduction::cleanup()
{
    if (m_sim)
        m_sim->stop();
    m_sim.reset();
}

bool TestProduction::startSim(const BeaconSimulator::Options &options)
{
    m_sim = std::make_unique<BeaconSimulator>(options);
    return m_sim->start();
}

void TestProduction::planOfFiveWithFailedAndStrangerBeacon()
{
    // Identity from the command line for all, owners per row; the third write leaves a
    // wrong byte in the beacon, which only the read-back finds.
    QVERIFY(writeFile(planPath(), "serial,owner_name,owner_phone\n"
                                  "10001,Anna Berg,+49 30 111\n"
                                  "10002,\"Bruno Dahl, Jr.\",+49 30 222\n"
                                  "10003,Carla Eck,+49 30 333\n"
                                  "10004,Dirk Falk,\n"
                                  "10005,Eva Gross,+49 30 555\n"));
    BeaconSimulator::Options o = simOptions(QStringLiteral("10001"));
    o.failWrite = 3;
    QVERIFY(startSim(o));
    ProduceRun run(*m_home, { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath(),
                              QStringLiteral("--country"), QStringLiteral("211"), QStringLiteral("--protocol"),
                              QStringLiteral("15"), QStringLiteral("--batteryexpiry"), QStringLiteral("072031"),
                              QStringLiteral("--labels") });

    // What the operator connects after each result: a beacon of another batch, the one that
    // failed connected again, then the rest.
    const QStringList next = { "10002", "77777", "10003", "10003", "10004", "10005" };
    const QList<QPair<QString, QString>> expected = {
        { "10001", "ok" },      { "10002", "ok" },      { "77777", "refused" }, { "10003", "failed" },
        { "10003", "ok" },      { "10004", "ok" },      { "10005", "ok" },
    };
    QStringList hexIds;
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList line = run.nextBeacon();
        QVERIFY2(line.size() == 5, qPrintable(run.output() + QLatin1Char('\n') + run.errors()));
        QCOMPARE(line.at(0), expected.at(i).first);
        QVERIFY2(line.at(2) == expected.at(i).second, qPrintable(line.join(QLatin1Char(' '))));
        if (expected.at(i).second == QLatin1String("ok")) {
            QCOMPARE(line.at(4), QStringLiteral("PLB programmed successfully"));
            hexIds << line.at(1);
        } else if (expected.at(i).second == QLatin1String("failed")) {
            QCOMPARE(line.at(4), QStringLiteral("PLB verification failed"));
        } else {
            QCOMPARE(line.at(4), QStringLiteral("Serial number 77777 is not in the plan"));
        }
        if (i < next.size())
            m_sim->connectBeacon(BeaconSimulator::blankBlock(next.at(i)));
    }
    QCOMPARE(run.finish(), 0);
    QVERIFY2(run.output().contains(QStringLiteral("progress: done 2, failed 1, left 3 of 5")), qPrintable(run.output()));
    QVERIFY2(run.output().contains(QStringLiteral("progress: done 5, failed 0, left 0 of 5")), qPrintable(run.output()));

    // The stranger was never written; the failed beacon was written again only when connected again.
    QCOMPARE(m_sim->stats().writesCompleted, 6);
    EpirbConfig last(nullptr);
    QVERIFY(decodeDataBlock(m_sim->block(), last));
    QCOMPARE(last.beaconSerial(), QStringLiteral("10005"));
    QCOMPARE(last.rawCountryCode(), 211);
    QCOMPARE(last.protocolId(), 15);
    QCOMPARE(last.ownerName(), QStringLiteral("Eva Gross"));
    QCOMPARE(last.batteryExpiryDate(), QDate(2031, 7, 1));
    QCOMPARE(last.epirbHexMsg(), hexIds.last());

    // The record: one line per beacon identified, in order, with the status text.
    const QList<QStringList> record = recordLines(m_dir.filePath(QStringLiteral("shift-a-record.csv")));
    QCOMPARE(record.size(), 1 + expected.size());
    QCOMPARE(record.first().mid(0, 8).join(QLatin1Char(',')),
             QStringLiteral("serial,hexid,checksum,protocol,country,batteryexpiry,result,status"));
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(record.at(i + 1).at(0), expected.at(i).first);
        QCOMPARE(record.at(i + 1).at(6), expected.at(i).second);
    }
    QCOMPARE(record.at(5).at(1), hexIds.at(2));
    QCOMPARE(record.at(5).mid(3, 3), (QStringList{ "15", "211", "072031" }));

    // The database holds the five beacons with their owners.
    QProcess dump;
    dump.setProcessEnvironment(toolEnvironment(*m_home));
    dump.start(cliPath(), { QStringLiteral("db"), QStringLiteral("dump") });
    QVERIFY(dump.waitForFinished(30000));
    const QByteArray json = dump.readAllStandardOutput();
    for (const char *owner : { "Anna Berg", "Bruno Dahl, Jr.", "Carla Eck", "Dirk Falk", "Eva Gross" })
        QVERIFY2(json.contains(owner), owner);
    const QJsonArray stored = QJsonDocument::fromJson(json).object().value(QStringLiteral("beacons")).toArray();
    QStringList storedSerials;
    for (const QJsonValue &b : stored)
        storedSerials << b.toObject().value(QStringLiteral("beaconSerial")).toString();
    storedSerials.sort();
    QCOMPARE(storedSerials, (QStringList{ "10001", "10002", "10003", "10004", "10005" }));

    // Programming and country label, LBX and PDF, of each programmed beacon.
    const QStringList labels = QDir(m_dir.filePath(QStringLiteral("shift-a-labels"))).entryList(QDir::Files);
    QCOMPARE(labels.size(), 20);
    QVERIFY(labels.contains(QStringLiteral("10003_") + hexIds.at(2) + QStringLiteral("_programming.pdf")));
}

void TestProduction::killMidWriteResumeAndCtrlCEndAfterTheBeaconInHand()
{
    QVERIFY(writeFile(planPath(), "serial,country,protocol,batteryexpiry,mmsi\n"
                                  "20001,211,20,082030,211000001\n"
                                  "20002,211,20,082030,211000002\n"
                                  "20003,211,15,082030,\n"
                                  "20004,211,15,082030,\n"));
    QVERIFY(startSim(simOptions(QStringLiteral("20001"))));
    const QStringList args = { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath() };
    const QString recordPath = m_dir.filePath(QStringLiteral("shift-a-record.csv"));
    {
        ProduceRun run(*m_home, args);
        QCOMPARE(run.nextBeacon().value(2), QStringLiteral("ok"));
        m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("20002")));
        QCOMPARE(run.nextBeacon().value(2), QStringLiteral("ok"));
        // The third beacon is being written when the tool is killed.
        const int packetsBefore = m_sim->stats().packetsReceived;
        m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("20003")));
        QElapsedTimer t;
        t.start();
        while (m_sim->stats().packetsReceived == packetsBefore && t.elapsed() < kBeaconTimeoutMs)
            QTest::qWait(1);
        QVERIFY(m_sim->stats().packetsReceived > packetsBefore);
        ::kill(pid_t(run.process().processId()), SIGKILL);
        QVERIFY(run.process().waitForFinished(10000));
        QCOMPARE(run.process().exitStatus(), QProcess::CrashExit);
    }
    QList<QStringList> record = recordLines(recordPath);
    QCOMPARE(record.size(), 3);

    // What is left, without touching a beacon.
    const int handshakes = m_sim->stats().handshakes;
    QProcess status;
    status.setProcessEnvironment(toolEnvironment(*m_home));
    status.start(cliPath(), QStringList{ QStringLiteral("produce"), QStringLiteral("--status") } + args);
    QVERIFY(status.waitForFinished(30000));
    QCOMPARE(status.exitCode(), 0);
    const QString statusText = QString::fromUtf8(status.readAllStandardOutput());
    QVERIFY2(statusText.contains(QStringLiteral("done: 20001 20002\n")), qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral("left: 20003 20004\n")), qPrintable(statusText));
    QCOMPARE(m_sim->stats().handshakes, handshakes);

    // The resumed run: a beacon done before is refused, the one cut off is written whole.
    const int writesBefore = m_sim->stats().writesCompleted;
    ProduceRun resumed(*m_home, args);
    m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("20002")));
    QStringList line = resumed.nextBeacon();
    QCOMPARE(line.value(0), QStringLiteral("20002"));
    QCOMPARE(line.value(2), QStringLiteral("refused"));
    QCOMPARE(line.value(4), QStringLiteral("Serial number 20002 is programmed already"));
    // Ctrl-C while the beacon in hand is being written: it is finished, then the run ends.
    int packetsBefore = m_sim->stats().packetsReceived;
    m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("20003")));
    QElapsedTimer t;
    t.start();
    while (m_sim->stats().packetsReceived == packetsBefore && t.elapsed() < kBeaconTimeoutMs)
        QTest::qWait(1);
    ::kill(pid_t(resumed.process().processId()), SIGINT);
    line = resumed.nextBeacon();
    QCOMPARE(line.value(0), QStringLiteral("20003"));
    QCOMPARE(line.value(2), QStringLiteral("ok"));
    QCOMPARE(resumed.finish(), 1);
    QVERIFY2(resumed.output().contains(QStringLiteral("batch ended: stopped")), qPrintable(resumed.output()));
    EpirbConfig third(nullptr);
    QVERIFY(decodeDataBlock(m_sim->block(), third));
    QCOMPARE(third.beaconSerial(), QStringLiteral("20003"));
    QCOMPARE(third.protocolId(), 15);

    ProduceRun last(*m_home, args);
    m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("20004")));
    QCOMPARE(last.nextBeacon().value(2), QStringLiteral("ok"));
    QCOMPARE(last.finish(), 0);
    QCOMPARE(m_sim->stats().writesCompleted - writesBefore, 2);

    record = recordLines(recordPath);
    QStringList ok;
    for (const QStringList &l : record) {
        if (l.value(6) == QLatin1String("ok"))
            ok << l.at(0);
    }
    QCOMPARE(ok, (QStringList{ "20001", "20002", "20003", "20004" }));
}

void TestProduction::planWithBadRowsIsRefusedWhole()
{
    QVERIFY(writeFile(planPath(), "serial,country,protocol,mmsi,batteryexpiry\n"
                                  "30001,211,15,,\n"
                                  "3002,211,15,,\n"
                                  "30003,257,15,,\n"
                                  "30001,211,15,,\n"
                                  "30005,211,20,,\n"
                                  "30006,211,15,,132030\n"
                                  "30007,211,15,,\n"));
    QVERIFY(startSim(simOptions(QStringLiteral("30001"))));
    ProduceRun run(*m_home, { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath(),
                              QStringLiteral("--batteryexpiry"), QStringLiteral("012032") });
    QCOMPARE(run.finish(), 2);
    const QString err = run.errors();
    QVERIFY2(err.contains(QStringLiteral("plan refused, nothing written")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("line 3: serial \"3002\"")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("line 4: ")) && err.contains(QStringLiteral("not allowed for country 257")),
             qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("line 5: serial 30001 is planned on line 2 already")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("line 6: ")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("line 7: batteryexpiry \"132030\"")), qPrintable(err));
    // Good rows are not named; five reasons, one per bad row.
    QVERIFY(!err.contains(QStringLiteral("line 2:")) && !err.contains(QStringLiteral("line 8:")));
    QCOMPARE(err.count(QStringLiteral("  line ")), 5);
    // Nothing reached the beacon, and no record was begun.
    QCOMPARE(m_sim->stats().handshakes, 0);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("shift-a-record.csv"))));
}

QTEST_GUILESS_MAIN(TestProduction)
#include "tst_production.moc"
