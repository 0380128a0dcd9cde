// The link from the first byte on: sync character, handshake, the older beacons'
// page protocol or XMODEM, with the line fed arbitrary bytes in arbitrary pieces.
// The first input byte picks the operation: read page 0, read page 2 (boot log),
// production write.
#include "fuzzcommon.h"
#include "linkfeed.h"

#include "link/epirbcomm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    LinkFeed &feed = LinkFeed::instance();
    // One link for the whole run, as the program keeps one: each input is the next
    // operation after a stop, so what a stop leaves behind is fuzzed too.
    static EpirbComm *link = [&feed] {
        auto *comm = new EpirbComm;
        comm->setPortName(feed.devicePath());
        comm->setOpenPort(feed.hostPort());
        comm->setAnswerDelay(0);
        // No beacon turnaround to wait for at this far end.
        comm->setPauses(false);
        return comm;
    }();
    EpirbComm &comm = *link;
    QSerialPort *port = feed.hostPort();
    feed.reset();
    const int operation = data[0] % 3;

    int successes = 0;
    int lastCount = -1;
    // Ends this input's connection with it.
    QObject scope;
    QObject::connect(&comm, &EpirbComm::success, &scope, [&](int n) {
        ++successes;
        lastCount = n;
    });
    bool started = false;
    switch (operation) {
    case 0:
    case 1:
        comm.setPage(quint8(operation == 0 ? 0 : 2));
        started = comm.receiveStart();
        break;
    default:
        comm.setWriteData(QByteArray(192, '\x5a'));
        started = comm.transmitProductionStart();
        break;
    }
    if (!started)
        fuzz::fail("the link did not take the open port");
    fuzz::forEachChunk(
        fuzz::bytes(data + 1, size - 1), [&](const QByteArray &chunk) { feed.deliver(port, chunk); },
        [&] { LinkFeed::expireNextTimer(&comm); });

    if (operation != 2 && successes > 0)
        FUZZ_CHECK(lastCount == comm.readData().size());
    FUZZ_CHECK(comm.progress() >= 0);
    comm.on_requestStop(QString());
    return 0;
}
