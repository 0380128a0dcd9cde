// The XMODEM receiver fed whatever a beacon (or line noise) may send, in any pieces.
#include "fuzzcommon.h"
#include "linkfeed.h"

#include "link/epirbxmodemrx.h"
#include "link/epirbxmodemtx.h"

#include <QSerialPort>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LinkFeed &feed = LinkFeed::instance();
    QSerialPort *port = feed.hostPort();
    feed.reset();

    EpirbXmodemRx rx(port, nullptr);
    rx.setPauses(false);
    int successes = 0;
    QObject::connect(port, &QSerialPort::readyRead, &rx, &EpirbXmodemRx::notifyDataAvailable);
    QObject::connect(&rx, &EpirbXmodemRx::success, [&successes] { ++successes; });
    rx.startRead();
    fuzz::forEachChunk(
        fuzz::bytes(data, size), [&](const QByteArray &chunk) { feed.deliver(port, chunk); },
        [&] { LinkFeed::expireNextTimer(&rx); });

    // Only whole, checked blocks are kept; success comes once, and ends the transfer.
    FUZZ_CHECK(rx.receivedData().size() % EpirbXmodemTx::kBlockSize == 0);
    FUZZ_CHECK(successes <= 1);
    FUZZ_CHECK(successes == 0 || rx.state() == 5);
    return 0;
}
