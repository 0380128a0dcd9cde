// A full read + write + verify cycle of the configuration block against the beacon
// simulator paced at a real 2400 baud, compared with the floor that the wire rate and
// the pauses the protocol asks for allow.
#include "link/epirbcomm.h"

#include "beaconsimulator.h"
#include "linkfloor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
using namespace linkfloor;

bool waitFor(EpirbComm &comm, int timeoutMs)
{
    QEventLoop loop;
    bool ok = false;
    auto c1 = QObject::connect(&comm, &EpirbComm::success, &loop, [&] { ok = true; loop.quit(); });
    auto c2 = QObject::connect(&comm, &EpirbComm::timeout, &loop, &QEventLoop::quit);
    auto c3 = QObject::connect(&comm, &EpirbComm::failure, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    QObject::disconnect(c3);
    return ok;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = int(kBaud);
    o.resyncMs = 0;
    o.block = BeaconSimulator::blankBlock(QStringLiteral("20001"));
    BeaconSimulator sim(o);
    if (!sim.start()) {
        std::fprintf(stderr, "cannot start the beacon simulator\n");
        return 1;
    }

    const double floorMs = cycleFloorMs();
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        EpirbComm comm;
        comm.setPortName(sim.devicePath());
        QByteArray block = BeaconSimulator::blankBlock(QStringLiteral("20001"));
        block[100] = char(i + 1);

        QElapsedTimer t;
        t.start();
        if (!comm.receiveStart())
            return 1;
        sim.pressTest(); // the technician presses TEST now
        if (!waitFor(comm, 10000)) {
            std::fprintf(stderr, "run %d: read failed\n", i);
            return 1;
        }
        comm.setWriteData(block);
        comm.transmitStart();
        if (!waitFor(comm, 10000)) {
            std::fprintf(stderr, "run %d: write failed\n", i);
            return 1;
        }
        comm.verifyStart();
        if (!waitFor(comm, 10000) || comm.readData() != block) {
            std::fprintf(stderr, "run %d: verify failed\n", i);
            return 1;
        }
        seconds.push_back(t.nsecsElapsed() / 1e9);
        comm.on_requestStop(QString());
    }
    sim.stop();
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("link read+write+verify of one 192-byte block at 2400 baud: median %.3f s over %d runs "
                "(min %.3f, max %.3f)\n",
                median, runs, seconds.front(), seconds.back());
    std::printf("floor from wire rate and mandated pauses: %.3f s (read %.3f, write %.3f, verify %.3f); "
                "ratio %.3f; target <= 1.10\n",
                floorMs / 1000, readFloorMs(true) / 1000, writeFloorMs() / 1000,
                (kVerifyPauseMs + readFloorMs(false)) / 1000, median * 1000 / floorMs);
    return 0;
}
