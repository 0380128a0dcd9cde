// quorvik-beacon-sim: a programming adapter with a beacon behind it, on a pseudo-terminal.
#include "beaconsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
int g_signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvik-beacon-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays the USB-serial programming adapter and a beacon behind it on a pseudo-terminal.\n"
        "Prints the device path as the first line on stdout; open it at 2400 8N1 as the program's\n"
        "serial port (comport=<path>). Every byte the host writes is echoed. The beacon repeats its\n"
        "sync character until it is answered with 0xAA, then serves page reads and writes:\n"
        "  current generation (sync H): X <page> read by XMODEM (page 0 the 192-byte block,\n"
        "    page 2 the boot log), Y 0x00 write of the block by XMODEM;\n"
        "  older generation (sync A-G): R / G <page> read a 256-byte page, W / S write one byte.\n"
        "After --resync-ms without a command the beacon announces itself again.\n"
        "Stops on SIGINT/SIGTERM."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption blockOpt(QStringLiteral("block"), QStringLiteral("Initial configuration block (or older pages) from <file>."), QStringLiteral("file"));
    const QCommandLineOption serialOpt(QStringLiteral("serial"), QStringLiteral("Factory-fresh block carrying serial number <n> (default 1234)."), QStringLiteral("n"), QStringLiteral("1234"));
    const QCommandLineOption storeOpt(QStringLiteral("store"), QStringLiteral("Keep written data in <file>; loaded at start when it exists."), QStringLiteral("file"));
    const QCommandLineOption syncOpt(QStringLiteral("sync"), QStringLiteral("Sync character: H (current generation) or A-G (older). Default H."), QStringLiteral("c"), QStringLiteral("H"));
    const QCommandLineOption pagesOpt(QStringLiteral("pages"), QStringLiteral("Older generation: 1 or 2 pages (default 2 for F, else 1)."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption baudOpt(QStringLiteral("baud"), QStringLiteral("Pace output at <rate> baud, 10 bits per byte; 0 = full speed. Default 2400."), QStringLiteral("rate"), QStringLiteral("2400"));
    const QCommandLineOption intervalOpt(QStringLiteral("sync-interval"), QStringLiteral("Milliseconds between sync characters (default 100)."), QStringLiteral("ms"), QStringLiteral("100"));
    const QCommandLineOption resyncOpt(QStringLiteral("resync-ms"), QStringLiteral("Idle milliseconds before TEST is pressed again; 0 never (default 2000)."), QStringLiteral("ms"), QStringLiteral("2000"));
    const QCommandLineOption linkOpt(QStringLiteral("link"), QStringLiteral("Also make the device reachable as the symbolic link <path>."), QStringLiteral("path"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"), QStringLiteral("Seed of the fault injection (default 1)."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption dropOpt(QStringLiteral("drop"), QStringLiteral("Fault: lose this fraction (0-1) of the bytes sent."), QStringLiteral("fraction"), QStringLiteral("0"));
    const QCommandLineOption corruptOpt(QStringLiteral("corrupt"), QStringLiteral("Fault: garble this fraction (0-1) of the bytes sent."), QStringLiteral("fraction"), QStringLiteral("0"));
    const QCommandLineOption nakOpt(QStringLiteral("nak-first"), QStringLiteral("Fault: NAK the first <n> packets the host writes."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption stallOpt(QStringLiteral("stall-after"), QStringLiteral("Fault: send nothing at all after <n> bytes."), QStringLiteral("n"), QStringLiteral("-1"));
    const QCommandLineOption silentOpt(QStringLiteral("silent"), QStringLiteral("Fault: answer nothing, not even the echo."));
    const QCommandLineOption garbageOpt(QStringLiteral("garbage"), QStringLiteral("Fault: send <n> random bytes before the sync at each TEST press."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption beaconOnlyOpt(QStringLiteral("faults-beacon-only"), QStringLiteral("Drops and garbling hit the beacon's own bytes, not the adapter's echoes."));
    const QCommandLineOption noEchoOpt(QStringLiteral("no-echo"), QStringLiteral("Fault: an adapter that does not echo the host's bytes."));
    const QCommandLineOption delayOpt(QStringLiteral("reply-delay"), QStringLiteral("Fault: the beacon answers <ms> after the host's last byte."), QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption failWriteOpt(QStringLiteral("fail-write"), QStringLiteral("Fault: the <n>-th completed write (from 1) keeps one byte wrong."), QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions({ failWriteOpt, blockOpt, serialOpt, storeOpt, syncOpt, pagesOpt, baudOpt, intervalOpt, resyncOpt, linkOpt,
                        seedOpt, dropOpt, corruptOpt, nakOpt, stallOpt, silentOpt, garbageOpt, beaconOnlyOpt, noEchoOpt,
                        delayOpt });
    parser.process(app);

    BeaconSimulator::Options o;
    const QString sync = parser.value(syncOpt);
    if (sync.size() != 1 || sync.at(0) < QLatin1Char('A') || sync.at(0) > QLatin1Char('H')) {
        std::fprintf(stderr, "--sync takes one character A-H\n");
        return 2;
    }
    o.sync = sync.at(0).toLatin1();
    if (parser.isSet(blockOpt)) {
        QFile f(parser.value(blockOpt));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(f.fileName()));
            return 2;
        }
        o.block = f.readAll();
    } else {
        o.block = BeaconSimulator::blankBlock(parser.value(serialOpt));
    }
    o.storeFile = parser.value(storeOpt);
    o.pages = parser.value(pagesOpt).toInt();
    o.baud = parser.value(baudOpt).toInt();
    o.syncIntervalMs = qMax(1, parser.value(intervalOpt).toInt());
    o.resyncMs = parser.value(resyncOpt).toInt();
    o.linkPath = parser.value(linkOpt);
    o.seed = parser.value(seedOpt).toUInt();
    o.dropRate = parser.value(dropOpt).toDouble();
    o.corruptRate = parser.value(corruptOpt).toDouble();
    o.nakFirst = parser.value(nakOpt).toInt();
    o.stallAfter = parser.value(stallOpt).toLongLong();
    o.silent = parser.isSet(silentOpt);
    o.garbage = parser.value(garbageOpt).toInt();
    o.faultEchoes = !parser.isSet(beaconOnlyOpt);
    o.echo = !parser.isSet(noEchoOpt);
    o.replyDelayMs = parser.value(delayOpt).toInt();
    o.failWrite = parser.value(failWriteOpt).toInt();

    BeaconSimulator sim(o);
    if (!sim.start()) {
        std::fprintf(stderr, "cannot open a pseudo-terminal%s\n", o.linkPath.isEmpty() ? "" : " or its link");
        return 1;
    }
    std::printf("%s\n", qPrintable(sim.devicePath()));
    std::fflush(stdout);

    if (::pipe(g_signalPipe) == 0) {
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }
    const int rc = app.exec();
    sim.stop();
    return rc;
}
