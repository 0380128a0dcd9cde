// A whole programming run through the controller - read-before-write, write,
// read-back and compare, database entry - against the beacon simulator paced at a
// real 2400 baud, from the beacon's sync to "PLB programmed successfully".
#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"
#include "linkfloor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
using namespace linkfloor;

void fillPlb(EpirbConfig &config, int run)
{
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(QStringLiteral("20001"));
    config.setCountryCode(257);
    config.setProtocolId(ConfigTables::E_UserSerialPlb);
    config.setOwnerName(QStringLiteral("Bench Owner %1").arg(run));
    config.calculateCsMsg();
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    // Keep the user's database and settings out of it.
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (qEnvironmentVariableIsSet("QUORVIK_BENCH_DEBUG") || (type != QtDebugMsg && type != QtInfoMsg))
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    EpirbConfig initial(nullptr);
    fillPlb(initial, 0);
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = int(kBaud);
    o.resyncMs = 0;
    o.syncIntervalMs = 500;
    o.block = encodeDataBlock(initial);
    BeaconSimulator sim(o);
    if (!sim.start()) {
        std::fprintf(stderr, "cannot start the beacon simulator\n");
        return 1;
    }

    const double floorMs = cycleFloorMs();
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        EpirbApp controller({}, nullptr, EpirbApp::Headless);
        controller.setSerialText(sim.devicePath());
        fillPlb(*controller.configPending(), i + 1);

        QEventLoop loop;
        bool ok = false;
        QObject::connect(&controller, &EpirbApp::readbackSucceeded, &loop, [&] { ok = true; loop.quit(); });
        QObject::connect(&controller, &EpirbApp::readbackFailed, &loop, &QEventLoop::quit);
        QObject::connect(&controller, &EpirbApp::writeFailed, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);

        controller.startEpirbWrite();
        // The technician presses TEST (a fresh simulator announces itself by itself).
        if (i > 0)
            sim.pressTest();
        QElapsedTimer t;
        QObject::connect(&controller, &EpirbApp::progStatusChanged, &loop, [&] {
            if (!t.isValid() && controller.progStatus() == QLatin1String("Checking PLB before programming..."))
                t.start();
        });
        loop.exec();
        if (!ok || controller.progStatus() != QLatin1String("PLB programmed successfully") || !t.isValid()) {
            std::fprintf(stderr, "run %d: %s\n", i, qPrintable(controller.progStatus()));
            return 1;
        }
        // The sync character itself was on the wire before its slot ran.
        seconds.push_back(t.nsecsElapsed() / 1e9 + kByteMs / 1000);
        controller.stopEpirbReceive();
        QEventLoop settle;
        QTimer::singleShot(100, &settle, &QEventLoop::quit);
        settle.exec();
    }
    sim.stop();
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("programming run (read-before-write, write, verify, database) at 2400 baud: median %.3f s over %d runs "
                "(min %.3f, max %.3f)\n",
                median, runs, seconds.front(), seconds.back());
    std::printf("protocol floor: %.3f s; ratio %.3f; target <= 1.10\n", floorMs / 1000, median * 1000 / floorMs);
    return 0;
}
