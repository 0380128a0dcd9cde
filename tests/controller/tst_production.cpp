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

#include <functional>
#include <memory>

#include <signal.h>
#include <sys/resource.h>
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
    ProduceRun(const QTemporaryDir &home, const QStringList &args, std::function<void()> childSetup = {})
    {
        m_process.setProcessEnvironment(toolEnvironment(home));
        if (childSetup)
            m_process.setChildProcessModifier(childSetup);
        m_process.start(cliPath(), QStringList{ QStringLiteral("produce") } + args);
    }
    ~ProduceRun()
    {
        // Ended as an operator ends it: a killed run can leave the port's lock file half
        // written for the next test that gets the same pty number.
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(30000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
            }
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
                QStringList f = line.split(QLatin1Char(' '));
                if (f.size() >= 6 && f.at(2) == QLatin1String("not") && f.at(3) == QLatin1String("stored")) {
                    f[2] = QStringLiteral("not stored");
                    f.removeAt(3);
                }
                bool serial = false;
                f.value(0).toInt(&serial);
                if (f.size() >= 5 && f.at(0).size() == 5 && serial && f.at(3).endsWith(QLatin1Char('s')))
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
    void cutRecordLineAndPlanEditedBetweenRuns();
    void databaseOrRecordThatCannotBeWritten();

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
    // One row of each kind the wizard or the block would not take; the reader goes on
    // after a bad row, so every one is named, and the last quote is never closed.
    const QByteArray longOwner(40, 'A');
    QVERIFY(writeFile(planPath(), "serial,country,protocol,mmsi,batteryexpiry,nationalid,beaconno,owner_name,owner_other\n"
                                  "30001,211,15,,,,,,\n"
                                  "3002,211,15,,,,,,\n"
                                  "30003,257,15,,,,,,\n"
                                  "30001,211,15,,,,,,\n"
                                  "30005,211,20,,,,,,\n"
                                  "30006,211,15,,132030,,,,\n"
                                  "30007,211,22,,,,,,\n"
                                  "30008,999,15,,,,,,\n"
                                  "30009,211,15,,,1234,,,\n"
                                  "30010,211,20,211000010,,,1,,\n"
                                  "30011,211,15,,,,,Pat O\"Brien,\n"
                                  "30012,211,15,,,,,\n"
                                  "30013,211,15,,,,,\"" + longOwner + "\"," + longOwner + "\n"
                                  "30014,211,20,211000001,,,,,\n"
                                  "30015,211,20,211000001,,,,,\n"
                                  "30016,211,15,,,,,\"Pat O\"\"Brien\",\n"
                                  "30017,211,15,,,,,\"Unclosed,\n"
                                  "30018,211,15,,,,,,\n"));
    QVERIFY(startSim(simOptions(QStringLiteral("30001"))));
    const QStringList args = { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath(),
                               QStringLiteral("--batteryexpiry"), QStringLiteral("012032") };
    ProduceRun run(*m_home, args);
    QCOMPARE(run.finish(), 2);
    const QString err = run.errors();
    QVERIFY2(err.contains(QStringLiteral("plan refused, nothing written")), qPrintable(err));
    const QStringList named = {
        QStringLiteral("line 3: serial \"3002\""),
        QStringLiteral("line 4: "),
        QStringLiteral("line 5: serial 30001 is planned on line 2 already"),
        QStringLiteral("line 6: "),
        QStringLiteral("line 7: batteryexpiry \"132030\""),
        QStringLiteral("line 8: ") , // the test protocol, without the switch
        QStringLiteral("line 9: Country 999 is not in the country list"),
        QStringLiteral("line 10: nationalid \"1234\": protocol 15 does not carry it"),
        QStringLiteral("line 11: beaconno \"1\": protocol 20 does not carry it"),
        QStringLiteral("line 12: a quote inside a value"),
        QStringLiteral("line 13: 8 values for 9 columns"),
        QStringLiteral("line 14: owner texts: 83 bytes"),
        QStringLiteral("line 16: serial 30015 would get hex ID"),
        QStringLiteral("line 18: a quote opened here is never closed"),
    };
    for (const QString &n : named)
        QVERIFY2(err.contains(n), qPrintable(n + QStringLiteral(" not in:\n") + err));
    QVERIFY2(err.contains(QStringLiteral("test protocols are not allowed")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("not allowed for country 257")), qPrintable(err));
    // Good rows are not named (a doubled quote in a quoted value is one quote); one reason a bad row.
    for (const char *good : { "line 2:", "line 15:", "line 17:" })
        QVERIFY2(!err.contains(QLatin1String(good)), good);
    QCOMPARE(err.count(QStringLiteral("  line ")), named.size());
    // Nothing reached the beacon, and no record was begun.
    QCOMPARE(m_sim->stats().handshakes, 0);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("shift-a-record.csv"))));

    // An owner exported as Windows-1252 would reach the beacon as other letters.
    QVERIFY(writeFile(planPath(), "serial,country,protocol,owner_name\n"
                                  "30001,211,15,J\xfcrgen M\xfcller\n"));
    ProduceRun latin1(*m_home, args);
    QCOMPARE(latin1.finish(), 2);
    const QString latin1Err = latin1.errors();
    QVERIFY2(latin1Err.contains(QStringLiteral("line 2: not UTF-8 text")), qPrintable(latin1Err));
    QCOMPARE(m_sim->stats().handshakes, 0);
}

void TestProduction::cutRecordLineAndPlanEditedBetweenRuns()
{
    // As a spreadsheet in many locales saves it: BOM, ";" between values, CRLF.
    QVERIFY(writeFile(planPath(), "\xef\xbb\xbfserial;country;protocol;batteryexpiry;owner_name\r\n"
                                  "50001;211;15;082030;\"Dahl; Bruno\"\r\n"
                                  "50002;211;15;082030;Eck\r\n"
                                  "50003;211;15;082030;Falk\r\n"));
    QVERIFY(startSim(simOptions(QStringLiteral("50001"))));
    const QStringList args = { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath() };
    const QString recordPath = m_dir.filePath(QStringLiteral("shift-a-record.csv"));
    QStringList hexIds;
    {
        ProduceRun run(*m_home, args);
        for (const char *next : { "50002", "50003", "" }) {
            const QStringList line = run.nextBeacon();
            QVERIFY2(line.value(2) == QLatin1String("ok"), qPrintable(run.output() + run.errors()));
            hexIds << line.at(1);
            if (*next)
                m_sim->connectBeacon(BeaconSimulator::blankBlock(QLatin1String(next)));
        }
        QCOMPARE(run.finish(), 0);
        QVERIFY2(run.output().contains(QStringLiteral("note: The plan is read as separated by semicolons")),
                 qPrintable(run.output()));
    }
    EpirbConfig onBeacon(nullptr);
    QVERIFY(decodeDataBlock(m_sim->block(), onBeacon));
    QCOMPARE(onBeacon.ownerName(), QStringLiteral("Falk"));

    // A power cut inside the first beacon's line: it was writing a quoted status.
    QFile record(recordPath);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = record.readAll().split('\n');
    record.close();
    QCOMPARE(lines.size(), 5); // header, three beacons, the end of the last line
    lines[1] = lines.at(1).left(40) + ",\"PLB progr";
    QVERIFY(writeFile(recordPath, lines.join('\n')));

    // The plan edited: beacon 50003 is planned for another country now.
    QVERIFY(writeFile(planPath(), "serial;country;protocol;batteryexpiry;owner_name\r\n"
                                  "50001;211;15;082030;\"Dahl; Bruno\"\r\n"
                                  "50002;211;15;082030;Eck\r\n"
                                  "50003;232;15;082030;Falk\r\n"));
    const int handshakes = m_sim->stats().handshakes;
    QProcess status;
    status.setProcessEnvironment(toolEnvironment(*m_home));
    status.start(cliPath(), QStringList{ QStringLiteral("produce"), QStringLiteral("--status") } + args);
    QVERIFY(status.waitForFinished(30000));
    QCOMPARE(status.exitCode(), 0);
    const QString statusText = QString::fromUtf8(status.readAllStandardOutput());
    QVERIFY2(statusText.contains(QStringLiteral("note: record line 2 is damaged and skipped")), qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral("note: 50003 differs from the plan: country 232 planned, 211 programmed; "
                                                "hex ID ")),
             qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral(" programmed\n")), qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral("done: 50002\n")), qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral("left: 50001 50003\n")), qPrintable(statusText));
    QVERIFY2(statusText.contains(QStringLiteral("differ from the plan: 50003\n")), qPrintable(statusText));
    QCOMPARE(m_sim->stats().handshakes, handshakes);

    // The changed beacon is named, once while it stays connected, and not written; the
    // beacon whose line was cut is written again; then the batch ends with 50003 held.
    const int writes = m_sim->stats().writesCompleted;
    {
        ProduceRun run(*m_home, args);
        m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50003")));
        QStringList line = run.nextBeacon();
        QCOMPARE(line.value(0), QStringLiteral("50003"));
        QCOMPARE(line.value(2), QStringLiteral("refused"));
        QVERIFY2(line.value(4).startsWith(QStringLiteral("50003 differs from the plan: country 232 planned, 211 programmed")),
                 qPrintable(line.value(4)));
        // Left connected, it announces itself again and again: no second line.
        QTest::qWait(2000);
        m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50001")));
        line = run.nextBeacon();
        QCOMPARE(line.value(0), QStringLiteral("50001"));
        QCOMPARE(line.value(2), QStringLiteral("ok"));
        QCOMPARE(run.finish(), 1);
        QVERIFY2(run.output().contains(QStringLiteral("batch ended: the beacons left are programmed with another "
                                                      "identity than the plan's: 50003")),
                 qPrintable(run.output()));
    }
    QCOMPARE(m_sim->stats().writesCompleted - writes, 1);

    // The technician's word: 50003 gets the plan's identity.
    ProduceRun rewrite(*m_home, QStringList(args) << QStringLiteral("--rewrite") << QStringLiteral("50003"));
    m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50003")));
    QCOMPARE(rewrite.nextBeacon().value(2), QStringLiteral("ok"));
    QCOMPARE(rewrite.finish(), 0);
    QVERIFY(decodeDataBlock(m_sim->block(), onBeacon));
    QCOMPARE(onBeacon.rawCountryCode(), 232);
    QVERIFY(onBeacon.epirbHexMsg() != hexIds.at(2));
}

void TestProduction::databaseOrRecordThatCannotBeWritten()
{
    QVERIFY(writeFile(planPath(), "serial,country,protocol,batteryexpiry\n"
                                  "60001,211,15,082030\n"
                                  "60002,211,15,082030\n"));
    QVERIFY(startSim(simOptions(QStringLiteral("60001"))));
    const QStringList args = { QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--plan"), planPath() };
    const QString recordPath = m_dir.filePath(QStringLiteral("shift-a-record.csv"));

    // A database the tool cannot read is not written: the beacon is programmed, not stored.
    const QString dbPath = m_home->filePath(QStringLiteral("data/Aldmar/Quorvik PLB/Quorvik.db"));
    QFile::remove(dbPath);
    QVERIFY(QDir().mkpath(dbPath));
    {
        ProduceRun run(*m_home, args);
        const QStringList line = run.nextBeacon();
        QCOMPARE(line.value(0), QStringLiteral("60001"));
        QVERIFY2(line.value(2) == QLatin1String("not stored"), qPrintable(run.output() + run.errors()));
        ::kill(pid_t(run.process().processId()), SIGINT);
        QCOMPARE(run.finish(), 3);
        QVERIFY2(run.output().contains(QStringLiteral("progress: done 0, failed 0, left 2 of 2")), qPrintable(run.output()));
    }
    QList<QStringList> record = recordLines(recordPath);
    QCOMPARE(record.size(), 2);
    QCOMPARE(record.at(1).value(6), QStringLiteral("not stored"));

    // A record that cannot take the next line (a full disk, here a file size limit) stops
    // the batch at once.
    QFile file(recordPath);
    const qint64 recordSize = file.size();
    ProduceRun full(*m_home, args, [recordSize] {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        limit.rlim_cur = limit.rlim_max = rlim_t(recordSize + 8);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    m_sim->connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("60001")));
    const QStringList line = full.nextBeacon();
    QCOMPARE(line.value(0), QStringLiteral("60001"));
    QCOMPARE(line.value(2), QStringLiteral("not stored"));
    QCOMPARE(full.finish(), 3);
    QVERIFY2(full.output().contains(QStringLiteral("batch ended: the record ") + recordPath + QStringLiteral(" cannot be written")),
             qPrintable(full.output()));
    QVERIFY2(full.output().contains(QStringLiteral("beacon 60001 is not recorded; the batch is stopped")),
             qPrintable(full.output()));
    // It did not go on to wait for the next beacon; what reached the record of the line
    // is a fragment the next run skips.
    QVERIFY(QFileInfo(recordPath).size() <= recordSize + 8);
    QVERIFY(QDir(dbPath).removeRecursively());
}

QTEST_GUILESS_MAIN(TestProduction)
#include "tst_production.moc"
