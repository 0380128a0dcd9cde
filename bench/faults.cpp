// Programming runs through the controller against the beacon simulator with random
// line faults, each with its own owner text; afterwards the block the simulator stored
// is compared with the one asked for. Counts per fault kind: verified, clean failure,
// hang, and FALSE success (success reported while the stored block is not the one
// asked for). Exits 1 when any run hung or falsely succeeded.
//
//   bench_faults [--runs N] [--jobs J] [--baud B] [--kinds k,k,...] [--rate R]
//                [--beacon-only] [--seed S] [--hang-s T] [--verbose]
#include "app/epirbapp.h"
#include "session/programmingsession.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <random>

namespace {

const QStringList kAllKinds{ QStringLiteral("clean"),   QStringLiteral("drops"),  QStringLiteral("biterrors"),
                             QStringLiteral("nakstorm"), QStringLiteral("stall"),  QStringLiteral("slow"),
                             QStringLiteral("noecho"),  QStringLiteral("older") };
const QStringList kOutcomes{ QStringLiteral("verified"), QStringLiteral("failed"), QStringLiteral("hang"),
                             QStringLiteral("FALSE") };
const char *const kSerial = "20001";

struct Settings
{
    int runs = 1000;
    int jobs = 1;
    int baud = 2400;
    QStringList kinds = kAllKinds;
    double rate = -1; // < 0: random per run
    bool beaconOnly = false;
    quint32 seed = 1;
    int hangSeconds = 120;
    bool verbose = false;
    bool child = false;
    int first = 0;
};

bool g_verbose = false;

void fillPlb(EpirbConfig &config, const QString &owner)
{
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(QString::fromLatin1(kSerial));
    // A protocol of the P5 that the country allows: the write gate lets nothing else through.
    config.setCountryCode(211);
    config.setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    config.setOwnerName(owner);
    config.calculateCsMsg();
}

// The fault of one run, drawn from its own seed.
BeaconSimulator::Options faultOptions(const Settings &s, const QString &kind, quint32 runSeed, QString &detail)
{
    std::mt19937 rng(runSeed);
    auto uniform = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    EpirbConfig initial(nullptr);
    fillPlb(initial, QStringLiteral("Previous owner"));
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = s.baud;
    o.resyncMs = 0;
    o.syncIntervalMs = 500;
    o.block = encodeDataBlock(initial);
    o.seed = runSeed;
    const double rate = s.rate >= 0 ? s.rate : uniform(0.0005, 0.01);
    if (kind == QLatin1String("drops") || kind == QLatin1String("biterrors")) {
        (kind == QLatin1String("drops") ? o.dropRate : o.corruptRate) = rate;
        o.faultEchoes = s.beaconOnly ? false : pick(0, 1) == 1;
        detail = QStringLiteral("rate %1%2").arg(rate, 0, 'g', 3).arg(o.faultEchoes ? "" : " beacon only");
    } else if (kind == QLatin1String("nakstorm")) {
        o.nakFirst = pick(1, 8);
        detail = QStringLiteral("nak-first %1").arg(o.nakFirst);
    } else if (kind == QLatin1String("stall")) {
        o.stallAfter = pick(1, 700);
        detail = QStringLiteral("stall after %1").arg(o.stallAfter);
    } else if (kind == QLatin1String("slow")) {
        o.replyDelayMs = pick(20, 400);
        detail = QStringLiteral("reply delay %1 ms").arg(o.replyDelayMs);
    } else if (kind == QLatin1String("noecho")) {
        o.echo = false;
        detail = QStringLiteral("no echo");
    } else if (kind == QLatin1String("older")) {
        o.sync = char('A' + pick(0, 6));
        detail = QStringLiteral("sync %1").arg(QLatin1Char(o.sync));
    }
    return o;
}

struct RunResult
{
    QString outcome;
    QString status;
    qint64 ms = 0;
};

// One programming run as the transfer page makes it; the page's stop ends it.
RunResult programOnce(EpirbApp &app, BeaconSimulator &sim, const QString &owner, int hangSeconds)
{
    RunResult r;
    app.setSerialText(sim.devicePath());
    fillPlb(*app.configPending(), owner);

    QEventLoop loop;
    QString result;
    bool answered = false;
    QList<QMetaObject::Connection> conns;
    conns << QObject::connect(&app, &EpirbApp::readbackSucceeded, &loop, [&] {
        if (result.isEmpty())
            result = QStringLiteral("ok");
        loop.quit();
    });
    conns << QObject::connect(&app, qOverload<const QString &>(&EpirbApp::readbackFailed), &loop, [&] {
        if (result.isEmpty())
            result = QStringLiteral("failed");
        loop.quit();
    });
    conns << QObject::connect(&app, qOverload<const QString &>(&EpirbApp::writeFailed), &loop, [&] {
        if (result.isEmpty())
            result = QStringLiteral("failed");
        loop.quit();
    });
    conns << QObject::connect(app.session(), &ProgrammingSession::beaconAnswered, &loop, [&] { answered = true; });
    // A beacon that never announces itself is waited for by design (the technician
    // presses TEST again); only a run the beacon has answered can hang.
    QTimer noBeacon;
    noBeacon.setSingleShot(true);
    QObject::connect(&noBeacon, &QTimer::timeout, &loop, [&] {
        if (!answered) {
            result = QStringLiteral("failed");
            loop.quit();
        }
    });
    QTimer hang;
    hang.setSingleShot(true);
    QObject::connect(&hang, &QTimer::timeout, &loop, &QEventLoop::quit);

    QElapsedTimer t;
    t.start();
    noBeacon.start(10000);
    hang.start(hangSeconds * 1000);
    app.startEpirbWrite();
    if (result.isEmpty())
        loop.exec();
    r.ms = t.elapsed();
    r.status = app.progStatus();
    for (const auto &c : conns)
        QObject::disconnect(c);
    app.stopEpirbReceive();
    // Let the stop reach the link before the simulator goes away.
    QEventLoop settle;
    QTimer::singleShot(100, &settle, &QEventLoop::quit);
    settle.exec();

    const QByteArray stored = sim.block();
    EpirbConfig onBeacon(nullptr);
    const bool storedAsAsked = !stored.isEmpty() && stored == app.writeBlock() && decodeDataBlock(stored, onBeacon)
        && onBeacon.ownerName() == owner && onBeacon.beaconSerial() == QLatin1String(kSerial);
    if (result.isEmpty())
        r.outcome = QStringLiteral("hang");
    else if (result == QLatin1String("ok"))
        r.outcome = storedAsAsked ? QStringLiteral("verified") : QStringLiteral("FALSE");
    else
        r.outcome = QStringLiteral("failed");
    return r;
}

// Runs [first, first + count) in this process; one line per run on stdout.
int runHere(const Settings &s, int count)
{
    EpirbApp app({}, nullptr, EpirbApp::Headless);
    for (int i = s.first; i < s.first + count; ++i) {
        const QString kind = s.kinds.at(i % s.kinds.size());
        const quint32 runSeed = s.seed * 1000003u + quint32(i);
        QString detail;
        BeaconSimulator sim(faultOptions(s, kind, runSeed, detail));
        if (!sim.start()) {
            std::fprintf(stderr, "cannot start the beacon simulator\n");
            return 2;
        }
        const QString owner = QStringLiteral("Fault run %1").arg(i);
        const RunResult r = programOnce(app, sim, owner, s.hangSeconds);
        sim.stop();
        std::printf("RUN %d %s %s %lld | %s | %s\n", i, qPrintable(kind), qPrintable(r.outcome), r.ms,
                    qPrintable(detail), qPrintable(r.status));
        std::fflush(stdout);
    }
    return 0;
}

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (g_verbose || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

bool parse(const QStringList &args, Settings &s, QString &error)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args.at(i);
        auto value = [&](QString &out) {
            if (i + 1 >= args.size()) {
                error = a + QStringLiteral(" needs a value");
                return false;
            }
            out = args.at(++i);
            return true;
        };
        QString v;
        if (a == QLatin1String("--verbose")) {
            s.verbose = true;
        } else if (a == QLatin1String("--beacon-only")) {
            s.beaconOnly = true;
        } else if (a == QLatin1String("--child")) {
            s.child = true;
        } else if (a == QLatin1String("--runs") && value(v)) {
            s.runs = v.toInt();
        } else if (a == QLatin1String("--jobs") && value(v)) {
            s.jobs = qMax(1, v.toInt());
        } else if (a == QLatin1String("--baud") && value(v)) {
            s.baud = v.toInt();
        } else if (a == QLatin1String("--rate") && value(v)) {
            s.rate = v.toDouble();
        } else if (a == QLatin1String("--seed") && value(v)) {
            s.seed = v.toUInt();
        } else if (a == QLatin1String("--hang-s") && value(v)) {
            s.hangSeconds = qMax(1, v.toInt());
        } else if (a == QLatin1String("--first") && value(v)) {
            s.first = v.toInt();
        } else if (a == QLatin1String("--kinds") && value(v)) {
            s.kinds = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (const QString &k : s.kinds) {
                if (!kAllKinds.contains(k)) {
                    error = QStringLiteral("unknown fault kind %1 (kinds: %2)").arg(k, kAllKinds.join(QLatin1Char(',')));
                    return false;
                }
            }
        } else if (error.isEmpty()) {
            error = QStringLiteral("unknown argument %1").arg(a);
        }
        if (!error.isEmpty())
            return false;
    }
    if (s.runs <= 0 || s.kinds.isEmpty()) {
        error = QStringLiteral("nothing to run");
        return false;
    }
    return true;
}

}

int main(int argc, char *argv[])
{
    // Database and settings of the runs live in a home of their own.
    QTemporaryDir home;
    if (home.isValid())
        qputenv("HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    QStandardPaths::setTestModeEnabled(true);

    Settings s;
    QString error;
    if (!parse(QCoreApplication::arguments(), s, error)) {
        std::fprintf(stderr, "bench_faults: %s\n", qPrintable(error));
        return 2;
    }
    g_verbose = s.verbose;
    qInstallMessageHandler(messageHandler);
    if (s.child)
        return runHere(s, s.runs);

    // Worker processes run the runs (several share them: a run mostly waits on the
    // line); each has its own controller, database and settings.
    QStringList lines;
    QElapsedTimer wall;
    wall.start();
    std::vector<std::unique_ptr<QProcess>> children;
    const int jobs = qMin(s.jobs, s.runs);
    int first = 0;
    for (int j = 0; j < jobs; ++j) {
        const int count = s.runs / jobs + (j < s.runs % jobs ? 1 : 0);
        QStringList args{ QStringLiteral("--child"), QStringLiteral("--first"), QString::number(first),
                          QStringLiteral("--runs"),  QString::number(count),  QStringLiteral("--baud"),
                          QString::number(s.baud),   QStringLiteral("--seed"), QString::number(s.seed),
                          QStringLiteral("--hang-s"), QString::number(s.hangSeconds), QStringLiteral("--kinds"),
                          s.kinds.join(QLatin1Char(',')) };
        if (s.rate >= 0)
            args << QStringLiteral("--rate") << QString::number(s.rate);
        if (s.beaconOnly)
            args << QStringLiteral("--beacon-only");
        if (s.verbose)
            args << QStringLiteral("--verbose");
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(p.get(), &QProcess::readyReadStandardOutput, p.get(), [raw = p.get(), &lines, &s] {
            while (raw->canReadLine()) {
                const QString line = QString::fromLocal8Bit(raw->readLine()).trimmed();
                lines << line;
                if (s.verbose || !line.contains(QLatin1String(" verified ")))
                    std::printf("%s\n", qPrintable(line));
                else
                    std::printf(".");
                std::fflush(stdout);
            }
        });
        p->start(QCoreApplication::applicationFilePath(), args);
        children.push_back(std::move(p));
        first += count;
    }
    for (auto &p : children) {
        while (p->state() != QProcess::NotRunning) {
            QEventLoop wait;
            QObject::connect(p.get(), &QProcess::finished, &wait, &QEventLoop::quit);
            QTimer::singleShot(1000, &wait, &QEventLoop::quit);
            wait.exec();
        }
        if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0)
            std::fprintf(stderr, "a worker ended with %d\n", p->exitCode());
    }
    std::printf("\n");

    // kind -> outcome -> count
    QMap<QString, QMap<QString, int>> table;
    QMap<QString, int> totals;
    qint64 verifiedMs = 0;
    for (const QString &line : std::as_const(lines)) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.size() < 5 || f.at(0) != QLatin1String("RUN"))
            continue;
        ++table[f.at(2)][f.at(3)];
        ++totals[f.at(3)];
        if (f.at(3) == QLatin1String("verified"))
            verifiedMs += f.at(4).toLongLong();
    }
    const int done = int(lines.size());
    std::printf("%d programming runs at %s in %.0f s (%d worker%s)%s\n", done,
                s.baud > 0 ? qPrintable(QStringLiteral("%1 baud").arg(s.baud)) : "full line speed",
                wall.elapsed() / 1000.0, jobs, jobs == 1 ? "" : "s",
                s.rate >= 0 ? qPrintable(QStringLiteral(", fault rate %1%2").arg(s.rate).arg(s.beaconOnly ? " on the beacon's bytes" : ""))
                            : "");
    std::printf("%-10s %6s %9s %14s %6s %14s\n", "kind", "runs", "verified", "clean failure", "hang", "FALSE success");
    for (const QString &kind : std::as_const(s.kinds)) {
        const auto &row = table.value(kind);
        int n = 0;
        for (int c : row)
            n += c;
        std::printf("%-10s %6d %9d %14d %6d %14d\n", qPrintable(kind), n, row.value(QStringLiteral("verified")),
                    row.value(QStringLiteral("failed")), row.value(QStringLiteral("hang")),
                    row.value(QStringLiteral("FALSE")));
    }
    std::printf("%-10s %6d %9d %14d %6d %14d\n", "all", done, totals.value(QStringLiteral("verified")),
                totals.value(QStringLiteral("failed")), totals.value(QStringLiteral("hang")),
                totals.value(QStringLiteral("FALSE")));
    if (done > 0)
        std::printf("verified on the first attempt: %.1f %%", 100.0 * totals.value(QStringLiteral("verified")) / done);
    if (totals.value(QStringLiteral("verified")) > 0)
        std::printf("; mean verified run %.2f s", verifiedMs / 1000.0 / totals.value(QStringLiteral("verified")));
    std::printf("\n");
    if (done < s.runs) {
        std::fprintf(stderr, "only %d of %d runs reported\n", done, s.runs);
        return 1;
    }
    return totals.value(QStringLiteral("hang")) > 0 || totals.value(QStringLiteral("FALSE")) > 0 ? 1 : 0;
}
