// A full read + write + verify cycle of the configuration block against the beacon
// simulator paced at a real 2400 baud, compared with the floor that the wire rate and
// the pauses the protocol asks for allow.
#include "link/epirbcomm.h"

#include "beaconsimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr double kBaud = 2400;
constexpr double kByteMs = 10 * 1000.0 / kBaud; // 10 bits per byte on the line
constexpr int kBlocks = 1;                      // one 192-byte block
constexpr int kPacket = 197;
constexpr double kControlPauseMs = 20;          // before each control byte and packet
constexpr double kPacketBytePauseMs = 10;       // after each byte of a packet the host sends
constexpr double kVerifyPauseMs = 100;

// Only what lies on the critical path counts: echoes of host bytes that overlap a
// host pause are free, the beacon's own bytes and the echo right before them are not.
double readFloorMs(bool withSync)
{
    double bytes = 0, pauses = 0;
    if (withSync) {
        bytes += 1;             // the sync character
        pauses += kControlPauseMs; // before 0xAA
    }
    pauses += kControlPauseMs;  // before "C" (the echoes of 0xAA, "X", page fit inside)
    bytes += 1 + kBlocks * kPacket; // echo of "C", then the packets
    pauses += kBlocks * kControlPauseMs; // ACK of each packet
    bytes += 2;                 // echo of the ACK, EOT
    pauses += kControlPauseMs;  // ACK of EOT
    bytes += 2;                 // echo of the ACK, ETB
    pauses += kControlPauseMs;  // ACK of ETB, after which the read is complete
    return bytes * kByteMs + pauses;
}

double writeFloorMs()
{
    double bytes = 3;           // echo of "Y" 0x00, then "C"
    double pauses = kBlocks * (kControlPauseMs + kPacket * kPacketBytePauseMs);
    // The echo of the last packet byte and the ACK fit inside its 10 ms pause.
    pauses += kControlPauseMs;  // EOT
    bytes += 2;                 // echo of EOT, ACK
    pauses += kControlPauseMs;  // ETB
    bytes += 2;                 // echo of ETB, ACK
    return bytes * kByteMs + pauses;
}

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

    const double floorMs = readFloorMs(true) + writeFloorMs() + kVerifyPauseMs + readFloorMs(false);
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
