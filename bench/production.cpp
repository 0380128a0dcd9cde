// Batch production through the controller: a plan of 20 beacons against the beacon
// simulator paced at a real 2400 baud, the operator connecting the next beacon a set
// time after each result. Prints beacons per hour and the time per beacon against the
// protocol floor of one read, write and read-back cycle.
#include "app/epirbapp.h"
#include "production/productionbatch.h"

#include "beaconsimulator.h"
#include "benchprocess.h"
#include "linkfloor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace linkfloor;

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    isolateBenchHome(home);
    QGuiApplication app(argc, argv);
    nameBenchApplication();
    const int beacons = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    // Taking the last beacon off the adapter and connecting the next one.
    const int connectMs = argc > 2 ? std::max(0, atoi(argv[2])) : 3000;
    QSettings().setValue(QStringLiteral("Operator"), QStringLiteral("Bench"));

    QByteArray plan = "serial,owner_name\n";
    QStringList serials;
    for (int i = 0; i < beacons; ++i) {
        serials << QString::number(40001 + i);
        plan += serials.last().toLatin1() + ",Bench Owner " + QByteArray::number(i) + "\n";
    }
    const QString planPath = QDir(home.path()).filePath(QStringLiteral("bench-plan.csv"));
    QFile planFile(planPath);
    if (!planFile.open(QIODevice::WriteOnly) || planFile.write(plan) != plan.size())
        return 1;
    planFile.close();

    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = int(kBaud);
    o.resyncMs = 0;
    o.syncIntervalMs = 500;
    o.block = BeaconSimulator::blankBlock(serials.first());
    BeaconSimulator sim(o);
    if (!sim.start()) {
        std::fprintf(stderr, "cannot start the beacon simulator\n");
        return 1;
    }

    EpirbApp controller({ QStringLiteral("production") }, nullptr, EpirbApp::Headless);
    controller.setSerialText(sim.devicePath());
    ProductionBatch batch(controller.session(), nullptr);
    batch.setPortName(sim.devicePath());
    const QMap<QString, QString> defaults = { { QStringLiteral("country"), QStringLiteral("211") },
                                              { QStringLiteral("protocol"), QStringLiteral("15") },
                                              { QStringLiteral("batteryexpiry"), QStringLiteral("072031") } };
    if (!batch.load(planPath, defaults)) {
        std::fprintf(stderr, "%s\n", qPrintable(batch.errors().join(QLatin1Char('\n'))));
        return 1;
    }

    // A shift's plan is read and every row checked by the write gate before anything is written.
    {
        const int rows = 20000;
        // The serial field holds 14 bits: past 16,384 serials a second country keeps the hex IDs apart.
        QByteArray big = "serial,country,owner_name,owner_phone\n";
        for (int i = 0; i < rows; ++i)
            big += QByteArray::number(60000 + i) + (i < 16384 ? ",211" : ",232") + ",\"Owner, No. "
                + QByteArray::number(i) + "\",+47 555 " + QByteArray::number(10000 + i) + "\r\n";
        const QString bigPath = QDir(home.path()).filePath(QStringLiteral("bench-plan-20000.csv"));
        QFile bigFile(bigPath);
        if (!bigFile.open(QIODevice::WriteOnly) || bigFile.write(big) != big.size())
            return 1;
        bigFile.close();
        ProductionBatch planOnly(controller.session(), nullptr);
        QElapsedTimer loading;
        loading.start();
        const bool loaded = planOnly.load(bigPath, defaults);
        const double ms = loading.nsecsElapsed() / 1e6;
        if (!loaded || planOnly.total() != rows) {
            std::fprintf(stderr, "the plan of %d rows did not load: %s\n", rows,
                         qPrintable(planOnly.errors().mid(0, 5).join(QLatin1Char('\n'))));
            return 1;
        }
        std::printf("plan of %d rows read and checked in %.0f ms; target well under 1000 ms\n", rows, ms);
    }

    std::vector<double> seconds;
    // From the operator's connect to the beacon's sync seen by the program.
    std::vector<double> syncDelays;
    QElapsedTimer wall;
    qint64 connectedNs = 0;
    int next = 1;
    bool failed = false;
    QObject::connect(&batch, &ProductionBatch::beaconFinished, &batch,
                     [&](const QString &serial, const QString &, int outcome, const QString &status, double s) {
                         if (outcome != ProductionBatch::Ok) {
                             std::fprintf(stderr, "%s: %s\n", qPrintable(serial), qPrintable(status));
                             failed = true;
                             QCoreApplication::quit();
                             return;
                         }
                         // The sync character itself was on the wire before its slot ran.
                         seconds.push_back(s + kByteMs / 1000);
                         if (connectedNs > 0)
                             syncDelays.push_back((wall.nsecsElapsed() - connectedNs) / 1e9 - s);
                         if (next < serials.size()) {
                             const QByteArray block = BeaconSimulator::blankBlock(serials.at(next++));
                             QTimer::singleShot(connectMs, &batch, [&, block] {
                                 connectedNs = wall.nsecsElapsed();
                                 sim.connectBeacon(block);
                             });
                         }
                     });
    QObject::connect(&batch, &ProductionBatch::finished, &app, &QCoreApplication::quit);
    wall.start();
    batch.start();
    app.exec();
    const double wallS = wall.nsecsElapsed() / 1e9;
    sim.stop();
    if (failed || int(seconds.size()) != beacons) {
        std::fprintf(stderr, "the batch did not program every beacon (%zu of %d)\n", seconds.size(), beacons);
        return 1;
    }
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double floorS = cycleFloorMs() / 1000;
    // The first beacon is connected before the start: the operator's time is in the wall time
    // n-1 times; per beacon it counts once.
    const double perBeacon = (wallS - (beacons - 1) * connectMs / 1000.0) / beacons + connectMs / 1000.0;
    const double goal = 1.10 * floorS + connectMs / 1000.0;
    std::printf("batch of %d beacons at 2400 baud, operator connect time %.1f s: %.0f beacons per hour "
                "(%.1f s wall)\n",
                beacons, connectMs / 1000.0, beacons * 3600.0 / wallS, wallS);
    std::printf("per beacon from its sync to the stored result: median %.3f s (min %.3f, max %.3f); "
                "protocol floor %.3f s; ratio %.3f; target <= 1.10\n",
                median, sorted.front(), sorted.back(), floorS, median / floorS);
    std::sort(syncDelays.begin(), syncDelays.end());
    if (!syncDelays.empty())
        std::printf("from the connect to the beacon's sync seen: median %.3f s (max %.3f)\n",
                    syncDelays[syncDelays.size() / 2], syncDelays.back());
    std::printf("per beacon with connect time: %.3f s; goal <= 1.10 x floor + connect = %.3f s: %s\n", perBeacon,
                goal, perBeacon <= goal ? "met" : "missed");
    return 0;
}
