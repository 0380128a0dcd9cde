// The link against the beacon simulator over real pseudo-terminals, and the XMODEM
// engines against a scripted far end that echoes like the programming adapter.
#include "link/epirbcomm.h"
#include "link/epirbechoqueue.h"
#include "link/epirbxmodemrx.h"
#include "link/epirbxmodemtx.h"
#include "records/epirblogdb.h"

#include "beaconsimulator.h"
#include "bootloggenerator.h"
#include "ptyendpoint.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {
constexpr char SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, ETB = 0x17, CAN = 0x18;

QByteArray sampleBlock(char seed)
{
    QByteArray b(192, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char(seed + i * 7);
    return b;
}

// A raw pty far end that plays the adapter's echo: everything read is written back.
struct ScriptedAdapter
{
    PtyEndpoint pty;
    QByteArray pending;

    QByteArray take(int count, int timeoutMs = 5000)
    {
        QElapsedTimer t;
        t.start();
        const bool hostThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        while (pending.size() < count && t.elapsed() < timeoutMs) {
            // In the host's thread its port only moves while events are processed.
            if (hostThread)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const QByteArray chunk = pty.read(hostThread ? 5 : 20);
            pty.write(chunk);
            pending += chunk;
        }
        const QByteArray out = pending.left(count);
        pending.remove(0, out.size());
        return out;
    }
    void send(const QByteArray &bytes) { pty.write(bytes); }
};

std::unique_ptr<QSerialPort> openHostPort(const QString &path)
{
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    port->setBaudRate(QSerialPort::Baud2400);
    if (!port->open(QIODevice::ReadWrite))
        return nullptr;
    return port;
}

BeaconSimulator::Options fastOptions(char sync = 'H')
{
    BeaconSimulator::Options o;
    o.sync = sync;
    o.baud = 0;
    o.syncIntervalMs = 100;
    o.resyncMs = 0;
    o.block = BeaconSimulator::blankBlock(QStringLiteral("31337"));
    return o;
}

// Page contents of an older beacon that differ from the blank fill.
QByteArray olderMemory(int pages)
{
    QByteArray m(pages * 256, '\0');
    for (int i = 0; i < m.size(); ++i)
        m[i] = char((i * 13) ^ 0x5a);
    return m;
}
}

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void crc16_data();
    void crc16();
    void echoQueueDropsBytesLostOnTheLine();

    void txRefusesPartialBlocks_data();
    void txRefusesPartialBlocks();
    void txNoCrcStartIsTimeout();
    void txSendsBlocksThenEotThenEtb();
    void rxRejectsBadPacketAndKeepsData_data();
    void rxRejectsBadPacketAndKeepsData();
    void rxCanReturnsToStartWithoutAnswer();
    void rxRecoversAsXmodemReceiversDo_data();
    void rxRecoversAsXmodemReceiversDo();

    void runsInItsOwnThread();
    void readPage_data();
    void readPage();
    void readWriteVerifyCurrentGeneration_data();
    void readWriteVerifyCurrentGeneration();
    void syncCrossingTheHandshake();
    void sixNaksCancelTheWrite();
    void timeoutThenNewSyncOnOpenPort();
    void retryDropsWhatTheLineStillHolds();
    void pacedWriteSurvivesNaks_data();
    void pacedWriteSurvivesNaks();
    void readSurvivesLostByteAndLostAck_data();
    void readSurvivesLostByteAndLostAck();
    void stopThenStartInOneTurn();
    void verifyOnClosedPortWaitsForTheBeacon();
    void olderReadEndsWithItsResult();
    void faultyBeacon_data();
    void faultyBeacon();
    void portThatDoesNotOpen_data();
    void portThatDoesNotOpen();
    void olderGenerationRead_data();
    void olderGenerationRead();
    void olderGenerationWriteSkipsHeldBytes();
    void olderValueEqualToAckNeedsTheBeaconsAck();
    void productionWrite_data();
    void productionWrite();
};

void TestLink::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<char>("char");
}

void TestLink::crc16_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");
    QTest::newRow("abc") << QByteArray("abc") << 0x9DD6;
    QTest::newRow("check string") << QByteArray("123456789") << 0x31C3;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("high bit") << QByteArray("\xff", 1) << 0x1EF0;
}

void TestLink::crc16()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(int(EpirbXmodemTx::crc16(data)), crc);
}

void TestLink::echoQueueDropsBytesLostOnTheLine()
{
    EpirbEchoQueue q;
    q.add(QByteArray("XYZ"));
    QVERIFY(q.consume('X'));
    // 'Y' never came back: matching 'Z' drops it as well.
    QVERIFY(q.consume('Z'));
    QCOMPARE(q.size(), 0);
    q.add(QByteArray("AB"));
    QVERIFY(!q.consume('C')); // not an echo: the queue is used up looking for it
    QCOMPARE(q.size(), 0);
}

void TestLink::txRefusesPartialBlocks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << 0 << false;
    QTest::newRow("191") << 191 << false;
    QTest::newRow("200") << 200 << false;
    QTest::newRow("192") << 192 << true;
    QTest::newRow("384") << 384 << true;
}

void TestLink::txRefusesPartialBlocks()
{
    QFETCH(int, size);
    QFETCH(bool, accepted);
    QSerialPort port;
    EpirbXmodemTx tx(&port, nullptr);
    QSignalSpy failures(&tx, &EpirbXmodemTx::failure);
    QCOMPARE(tx.startWrite(QByteArray(size, 'x')), accepted);
    QCOMPARE(tx.state(), accepted ? 1 : 0);
    if (!accepted) {
        // Nothing started: no time-out follows either.
        QTest::qWait(150);
        QCOMPARE(failures.count(), 0);
    }
}

void TestLink::txNoCrcStartIsTimeout()
{
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemTx tx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &tx, &EpirbXmodemTx::notifyDataAvailable);
    QSignalSpy failures(&tx, &EpirbXmodemTx::failure);
    QElapsedTimer t;
    t.start();
    QVERIFY(tx.startWrite(sampleBlock(1)));
    QVERIFY(failures.wait(2000));
    QVERIFY(t.elapsed() >= 90);
    QCOMPARE(failures.takeFirst().at(0).toInt(), -2);
    QCOMPARE(tx.state(), 5);
}

void TestLink::txSendsBlocksThenEotThenEtb()
{
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemTx tx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &tx, &EpirbXmodemTx::notifyDataAvailable);
    QSignalSpy ok(&tx, &EpirbXmodemTx::success);
    QSignalSpy failures(&tx, &EpirbXmodemTx::failure);
    QSignalSpy progress(&tx, &EpirbXmodemTx::bytesTransmitted);

    const QByteArray data = sampleBlock(3) + sampleBlock(9);
    QList<QByteArray> seen;
    std::atomic<bool> done{ false };
    std::thread beacon([&] {
        far.send("C");
        for (int i = 0; i < 2; ++i) {
            seen << far.take(197);
            far.send(QByteArray(1, ACK));
        }
        seen << far.take(1);
        far.send(QByteArray(1, ACK));
        seen << far.take(1);
        far.send(QByteArray(1, ACK));
        done = true;
    });
    QVERIFY(tx.startWrite(data));
    QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 1 || failures.count() > 0, 15000);
    QTRY_VERIFY(done);
    beacon.join();
    QCOMPARE(failures.count(), 0);
    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen.at(0), EpirbXmodemTx::packet(1, data.left(192)));
    QCOMPARE(seen.at(1), EpirbXmodemTx::packet(2, data.mid(192)));
    QCOMPARE(quint8(seen.at(1).at(2)), quint8(253));
    QCOMPARE(seen.at(2), QByteArray(1, EOT));
    QCOMPARE(seen.at(3), QByteArray(1, ETB));
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toULongLong(), quint64(384));
    // Progress counts payload bytes only and never steps back.
    quint64 previous = 0;
    for (const auto &args : progress) {
        QVERIFY(args.at(0).toULongLong() >= previous);
        previous = args.at(0).toULongLong();
    }
    QCOMPARE(tx.pendingEchoCount(), 0);
}

void TestLink::rxRejectsBadPacketAndKeepsData_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<bool>("goodFirst");
    const QByteArray good = EpirbXmodemTx::packet(1, sampleBlock(5));
    QByteArray complement = good;
    complement[2] = char(0xfd);
    QByteArray crc = good;
    crc[196] = char(crc.at(196) ^ 0x01);
    QByteArray payload = good;
    payload[50] = char(payload.at(50) ^ 0x40);
    QTest::newRow("bad complement") << complement << false;
    QTest::newRow("bad CRC byte") << crc << false;
    QTest::newRow("payload changed") << payload << false;
    QTest::newRow("block 2 first") << EpirbXmodemTx::packet(2, sampleBlock(5)) << false;
    QByteArray repeatedBad = good;
    repeatedBad[100] = char(repeatedBad.at(100) ^ 0x08);
    QTest::newRow("repeat with a bad CRC") << repeatedBad << true;
}

void TestLink::rxRejectsBadPacketAndKeepsData()
{
    QFETCH(QByteArray, bad);
    QFETCH(bool, goodFirst);
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemRx rx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &rx, &EpirbXmodemRx::notifyDataAvailable);
    QSignalSpy ok(&rx, &EpirbXmodemRx::success);

    const QByteArray good = EpirbXmodemTx::packet(1, sampleBlock(5));
    QByteArray answers;
    std::atomic<bool> done{ false };
    std::thread beacon([&] {
        answers += far.take(1); // "C"
        if (goodFirst) {
            far.send(good);
            answers += far.take(1);
        }
        far.send(bad);
        answers += far.take(1);
        if (!goodFirst) {
            far.send(good);
            answers += far.take(1);
        }
        far.send(QByteArray(1, EOT));
        answers += far.take(1);
        far.send(QByteArray(1, ETB));
        answers += far.take(1);
        done = true;
    });
    QVERIFY(rx.startRead());
    QTRY_COMPARE_WITH_TIMEOUT(ok.count(), 1, 10000);
    QTRY_VERIFY(done);
    beacon.join();
    const QByteArray expected = QByteArray("C") + (goodFirst ? QByteArray(1, ACK) + QByteArray(1, NAK)
                                                             : QByteArray(1, NAK) + QByteArray(1, ACK))
        + QByteArray(1, ACK) + QByteArray(1, ACK);
    QCOMPARE(answers.toHex(), expected.toHex());
    QCOMPARE(rx.receivedData(), sampleBlock(5));
    QCOMPARE(rx.state(), 5);
}

void TestLink::rxRecoversAsXmodemReceiversDo_data()
{
    // Each step: what the beacon sends, and the one answer it then waits for.
    QTest::addColumn<QList<QByteArray>>("sends");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QByteArray>("data");
    const QByteArray one = EpirbXmodemTx::packet(1, sampleBlock(5));
    const QByteArray two = EpirbXmodemTx::packet(2, sampleBlock(9));
    const QByteArray end[] = { QByteArray(1, EOT), QByteArray(1, ETB) };
    const QByteArray ack(1, ACK), nak(1, NAK);
    QByteArray lostByte = one;
    lostByte.remove(120, 1);
    QTest::newRow("repeat of the block just accepted is acknowledged and dropped")
        << QList<QByteArray>{ one, one, end[0], end[1] } << ack + ack + ack + ack << sampleBlock(5);
    QTest::newRow("repeat of the second block")
        << QList<QByteArray>{ one, two, two, end[0], end[1] } << ack + ack + ack + ack + ack
        << sampleBlock(5) + sampleBlock(9);
    QTest::newRow("byte lost inside the packet: NAK once the line is quiet")
        << QList<QByteArray>{ lostByte, one, end[0], end[1] } << nak + ack + ack + ack << sampleBlock(5);
    QTest::newRow("packet start lost: one NAK, not one per byte")
        << QList<QByteArray>{ one.mid(1), one, end[0], end[1] } << nak + ack + ack + ack << sampleBlock(5);
    QTest::newRow("ETB lost after our ACK of EOT: asked again, not acknowledged")
        << QList<QByteArray>{ one, end[0], QByteArray(), end[1] } << ack + ack + nak + ack << sampleBlock(5);
    QTest::newRow("garbled EOT: asked again")
        << QList<QByteArray>{ one, QByteArray(1, char(0x44)), end[0], end[1] } << ack + nak + ack + ack
        << sampleBlock(5);
}

void TestLink::rxRecoversAsXmodemReceiversDo()
{
    QFETCH(QList<QByteArray>, sends);
    QFETCH(QByteArray, answers);
    QFETCH(QByteArray, data);
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemRx rx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &rx, &EpirbXmodemRx::notifyDataAvailable);
    QSignalSpy ok(&rx, &EpirbXmodemRx::success);

    QByteArray got;
    QByteArray extra;
    std::atomic<bool> done{ false };
    std::thread beacon([&] {
        if (far.take(1) != "C")
            return;
        for (const QByteArray &bytes : sends) {
            far.send(bytes);
            const QByteArray answer = far.take(1, 3000);
            got += answer;
            // One NAK per broken packet, not one per byte that follows it.
            if (answer == QByteArray(1, NAK))
                extra += far.take(1, 350);
        }
        done = true;
    });
    QVERIFY(rx.startRead());
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    beacon.join();
    QCOMPARE(got.toHex(), answers.toHex());
    QVERIFY2(!extra.contains(NAK), extra.toHex().constData());
    QCOMPARE(ok.count(), 1);
    QCOMPARE(rx.receivedData(), data);
}

void TestLink::rxCanReturnsToStartWithoutAnswer()
{
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemRx rx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &rx, &EpirbXmodemRx::notifyDataAvailable);
    QVERIFY(rx.startRead());
    QCOMPARE(far.take(1), QByteArray("C"));
    far.send(EpirbXmodemTx::packet(1, sampleBlock(2)));
    QCOMPARE(far.take(1), QByteArray(1, ACK));
    QTRY_COMPARE(rx.state(), 2);
    far.send(QByteArray(1, CAN));
    QCOMPARE(far.take(1, 150), QByteArray()); // the CAN itself is not answered
    QCOMPARE(rx.state(), 1);
    // Back at the start the receiver asks for the transfer again.
    QCOMPARE(far.take(1, 1000), QByteArray("C"));
}

void TestLink::retryDropsWhatTheLineStillHolds()
{
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    EpirbComm comm;
    comm.setPortName(far.pty.devicePath());
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QSignalSpy failures(&comm, &EpirbComm::failure);
    // A first read that failed: the host asked for the transfer ("C"), then the line went quiet.
    QVERIFY(comm.receiveStart());
    far.send("H");
    QTRY_COMPARE(sync.count(), 1);
    comm.on_requestStop(QString());
    // The adapter's echo of that request arrives after the port closed ...
    far.send("C");
    QTest::qWait(50);
    // ... and the retry must not take it for an older beacon's sync.
    sync.clear();
    QVERIFY(comm.receiveStart());
    QTest::qWait(300);
    QCOMPARE(sync.count(), 0);
    // The rest of a packet the beacon was sending when the read was restarted: letters
    // in its data are no sync, and nothing may be answered to them.
    // (Read past what the host sent before, without an adapter's echo of it.)
    while (!far.pty.read(100).isEmpty()) {}
    far.send(QByteArray("\x01\x01\xfe" "Reader A. Owner", 18));
    QTest::qWait(200);
    QCOMPARE(sync.count(), 0);
    QCOMPARE(far.pty.read(100).toHex(), QByteArray());
    far.send("H");
    QTRY_COMPARE(sync.count(), 1);
    QCOMPARE(sync.first().at(0).value<char>(), 'H');
    QCOMPARE(failures.count(), 0);
    comm.on_requestStop(QString());
}

// Stands in for the controller: talks to the link only through queued signals.
class LinkDriver : public QObject
{
    Q_OBJECT
signals:
    void requestReceiveStart();
    void requestWriteStart();
    void requestVerifyStart();
    void requestComStop(const QString &reason);
};

void TestLink::runsInItsOwnThread()
{
    BeaconSimulator sim(fastOptions());
    QVERIFY(sim.start());
    auto *comm = new EpirbComm(nullptr);
    comm->setPortName(sim.devicePath());
    QThread thread;
    comm->moveToThread(&thread);
    LinkDriver driver;
    connect(&driver, &LinkDriver::requestReceiveStart, comm, &EpirbComm::receiveStart, Qt::QueuedConnection);
    connect(&driver, &LinkDriver::requestWriteStart, comm, &EpirbComm::transmitStart, Qt::QueuedConnection);
    connect(&driver, &LinkDriver::requestVerifyStart, comm, &EpirbComm::verifyStart, Qt::QueuedConnection);
    connect(&driver, &LinkDriver::requestComStop, comm, &EpirbComm::on_requestStop, Qt::QueuedConnection);
    QList<int> results;
    QList<char> syncs;
    connect(comm, &EpirbComm::success, this, [&](int n) { results << n; }, Qt::QueuedConnection);
    connect(comm, &EpirbComm::syncReceived, this, [&](char c) { syncs << c; }, Qt::QueuedConnection);
    thread.start();

    emit driver.requestReceiveStart();
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 5000);
    QCOMPARE(comm->readData(), sim.block());
    QVERIFY(comm->findChild<QSerialPort *>());
    QCOMPARE(comm->findChild<QSerialPort *>()->thread(), &thread);

    const QByteArray programmed = sampleBlock(0x33);
    comm->setWriteData(programmed);
    emit driver.requestWriteStart();
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 8000);
    emit driver.requestVerifyStart();
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 3, 5000);
    QCOMPARE(results, (QList<int>{ 192, 192, 192 }));
    QCOMPARE(syncs, QList<char>{ 'H' });
    QCOMPARE(comm->readData(), programmed);
    QCOMPARE(sim.block(), programmed);

    // Shutdown as the application does it: stop in the link thread, join, delete.
    QMetaObject::invokeMethod(comm, "on_requestStop", Qt::BlockingQueuedConnection, Q_ARG(QString, QString()));
    QVERIFY(!comm->findChild<QSerialPort *>()->isOpen());
    thread.quit();
    QVERIFY(thread.wait(5000));
    delete comm;
}

void TestLink::readPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("configurationFirst");
    QTest::newRow("configuration") << 0 << 192 << false;
    QTest::newRow("boot log") << 2 << 576 << false;
    // The log names no beacon: the configuration comes in the same session, before it.
    QTest::newRow("boot log after the configuration") << 2 << 576 << true;
}

void TestLink::readPage()
{
    QFETCH(int, page);
    QFETCH(int, size);
    QFETCH(bool, configurationFirst);
    BeaconSimulator sim(fastOptions());
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    comm.setPage(quint8(page), configurationFirst);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy progress(&comm, &EpirbComm::comProgressChanged);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    double maxBelow100 = 0;
    double last = 0;
    bool backwards = false;
    connect(&comm, &EpirbComm::comProgressChanged, this, [&] {
        if (comm.progress() < 100)
            maxBelow100 = qMax(maxBelow100, comm.progress());
        backwards = backwards || (comm.progress() < last && comm.progress() > 0);
        last = comm.progress();
    });
    QVERIFY(comm.receiveStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(sync.count(), 1);
    QCOMPARE(sync.first().at(0).value<char>(), 'H');
    QCOMPARE(ok.first().at(0).toInt(), size);
    const QByteArray data = comm.readData();
    QCOMPARE(data.size(), size);
    if (page == 0) {
        QCOMPARE(data, sim.block());
    } else {
        QCOMPARE(data.left(512), BootLogGenerator::sampleLog());
        const quint16 stored = quint16(quint8(data.at(0)) | (quint8(data.at(1)) << 8));
        QCOMPARE(BootLogGenerator::crc16(data.mid(2, 510)), stored);
        QCOMPARE(int(data.at(511)), 2);
        // What the beacon sends is what the boot-log decoder expects.
        EpirbLogDb log(nullptr);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("CRC")));
        QCOMPARE(log.parseLog(data, false), 0);
        QCOMPARE(int(log.version()), 2);
        QCOMPARE(log.entryCount(), 5);
        QCOMPARE(EpirbLogDb::entryText(*log.entryAt(0), 0), QStringLiteral("Quorvik"));
        QCOMPARE(EpirbLogDb::entryText(*log.entryAt(2), 4), QStringLiteral("T=23.5C, P=100.0hPa"));
    }
    QCOMPARE(comm.configurationData(), configurationFirst ? sim.block() : QByteArray());
    QTRY_COMPARE(sim.stats().readsServed, configurationFirst ? 2 : 1);
    QCOMPARE(comm.progress(), 100.0);
    // Progress runs against the size of what is read, once from 0 to 100.
    QVERIFY(maxBelow100 > 90);
    QVERIFY(!backwards);
    QVERIFY(progress.count() > size / 2);
    comm.on_requestStop(QString());
}

void TestLink::readWriteVerifyCurrentGeneration_data()
{
    QTest::addColumn<int>("nakFirst");
    QTest::addColumn<int>("garbage");
    QTest::newRow("clean line") << 0 << 0;
    QTest::newRow("noise before sync") << 0 << 40;
}

void TestLink::readWriteVerifyCurrentGeneration()
{
    QFETCH(int, nakFirst);
    QFETCH(int, garbage);
    BeaconSimulator::Options o = fastOptions();
    o.nakFirst = nakFirst;
    o.garbage = garbage;
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QSignalSpy failures(&comm, &EpirbComm::failure);

    QVERIFY(comm.receiveStart());
    if (garbage)
        sim.pressTest(); // noise while the host listens
    QVERIFY(ok.wait(5000));
    QCOMPARE(comm.readData(), BeaconSimulator::blankBlock(QStringLiteral("31337")));

    const QByteArray programmed = sampleBlock(0x21);
    comm.setWriteData(programmed);
    QVERIFY(comm.transmitStart());
    QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 2 || !timeouts.isEmpty(), 12000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(ok.at(1).at(0).toInt(), 192);
    QCOMPARE(sim.block(), programmed);
    QCOMPARE(sim.stats().naksSent, nakFirst);
    QCOMPARE(sim.stats().packetsReceived, 1 + nakFirst);

    QVERIFY(comm.verifyStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(comm.readData(), programmed);
    QCOMPARE(failures.count(), 0);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(sim.stats().handshakes, 1);
    comm.on_requestStop(QString());
}

void TestLink::syncCrossingTheHandshake()
{
    // A beacon repeating its sync quickly sends one more while our handshake is on the
    // line; the transfer must not take it for an echo or an answer. The crossing is a
    // race, so several rounds are run.
    BeaconSimulator::Options o = fastOptions();
    o.syncIntervalMs = 15;
    for (int round = 0; round < 5; ++round) {
        BeaconSimulator sim(o);
        QVERIFY(sim.start());
        EpirbComm comm;
        comm.setPortName(sim.devicePath());
        QSignalSpy ok(&comm, &EpirbComm::success);
        QSignalSpy timeouts(&comm, &EpirbComm::timeout);
        QSignalSpy failures(&comm, &EpirbComm::failure);
        QVERIFY(comm.receiveStart());
        QTRY_VERIFY_WITH_TIMEOUT(!ok.isEmpty() || !timeouts.isEmpty() || !failures.isEmpty(), 8000);
        QVERIFY2(!ok.isEmpty(), qPrintable(QStringLiteral("round %1").arg(round)));
        QCOMPARE(comm.readData(), BeaconSimulator::blankBlock(QStringLiteral("31337")));

        const QByteArray programmed = sampleBlock(0x21);
        comm.setWriteData(programmed);
        QVERIFY(comm.transmitStart());
        QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 2 || !timeouts.isEmpty() || !failures.isEmpty(), 12000);
        QCOMPARE(ok.count(), 2);
        QCOMPARE(sim.block(), programmed);
        comm.on_requestStop(QString());
    }
}

void TestLink::sixNaksCancelTheWrite()
{
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    auto port = openHostPort(far.pty.devicePath());
    QVERIFY(port);
    EpirbXmodemTx tx(port.get(), nullptr);
    connect(port.get(), &QSerialPort::readyRead, &tx, &EpirbXmodemTx::notifyDataAvailable);
    QSignalSpy ok(&tx, &EpirbXmodemTx::success);
    QSignalSpy failures(&tx, &EpirbXmodemTx::failure);
    const QByteArray data = sampleBlock(7);
    QList<QByteArray> packets;
    QByteArray last;
    std::atomic<bool> done{ false };
    std::thread beacon([&] {
        far.send("C");
        for (int i = 0; i < 6; ++i) {
            packets << far.take(197);
            far.send(QByteArray(1, NAK));
        }
        last = far.take(1);
        done = true;
    });
    QVERIFY(tx.startWrite(data));
    QTRY_VERIFY_WITH_TIMEOUT(!failures.isEmpty() || !ok.isEmpty(), 20000);
    QTRY_VERIFY(done);
    beacon.join();
    QCOMPARE(ok.count(), 0);
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().at(0).toInt(), -3);
    QCOMPARE(packets.size(), 6);
    for (const QByteArray &p : packets)
        QCOMPARE(p, EpirbXmodemTx::packet(1, data)); // five resends of the same block
    QCOMPARE(last, QByteArray(1, CAN));
    QCOMPARE(tx.state(), 5);
    // After giving up, further answers are ignored.
    far.send(QByteArray(1, ACK));
    QTest::qWait(150);
    QCOMPARE(ok.count(), 0);
    QCOMPARE(failures.count(), 1);
}

void TestLink::timeoutThenNewSyncOnOpenPort()
{
    BeaconSimulator sim(fastOptions());
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    comm.setPage(7); // a page the beacon does not serve: the transfer never starts
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QElapsedTimer t;
    t.start();
    QVERIFY(comm.receiveStart());
    const int allowed = EpirbComm::readTimeoutMs(192);
    QVERIFY(timeouts.wait(allowed + 3000));
    // A configuration page has time for all its resends; coarse timers may fire 5 % early.
    QVERIFY2(t.elapsed() >= allowed * 95 / 100 && t.elapsed() < allowed + 1500, qPrintable(QString::number(t.elapsed())));
    // ...and it is sized from the packet: a block of the boot log's length needs more.
    QVERIFY(EpirbComm::readTimeoutMs(576) > 2 * allowed);
    QCOMPARE(comm.state(), 0);
    QCOMPARE(ok.count(), 0);

    comm.setPage(0);
    sim.pressTest();
    QVERIFY(ok.wait(5000));
    QCOMPARE(sync.count(), 2);
    QCOMPARE(comm.readData(), sim.block());
    comm.on_requestStop(QString());
}

void TestLink::pacedWriteSurvivesNaks_data()
{
    QTest::addColumn<int>("nakFirst");
    QTest::newRow("nak-first 1") << 1;
    QTest::newRow("nak-first 2") << 2;
}

void TestLink::pacedWriteSurvivesNaks()
{
    // At real 2400-baud pacing one packet takes about two seconds from the host, so
    // each NAK costs that again: the resends the protocol allows must fit the time-out.
    QFETCH(int, nakFirst);
    BeaconSimulator::Options o = fastOptions();
    o.baud = 2400;
    o.nakFirst = nakFirst;
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.receiveStart());
    QVERIFY(ok.wait(5000));

    const QByteArray programmed = sampleBlock(0x42);
    comm.setWriteData(programmed);
    QElapsedTimer t;
    t.start();
    QVERIFY(comm.transmitStart());
    QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 2 || !timeouts.isEmpty(), EpirbComm::writeTimeoutMs(192) + 3000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(sim.stats().naksSent, nakFirst);
    QCOMPARE(sim.stats().packetsReceived, 1 + nakFirst);
    QCOMPARE(sim.block(), programmed);
    // The pacing is real: the resends did take their time.
    QVERIFY2(t.elapsed() > (1 + nakFirst) * 1900, qPrintable(QString::number(t.elapsed())));

    QVERIFY(comm.verifyStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(comm.readData(), programmed);
    QCOMPARE(timeouts.count(), 0);
    comm.on_requestStop(QString());
}

void TestLink::readSurvivesLostByteAndLostAck_data()
{
    QTest::addColumn<qint64>("dropNth");
    QTest::addColumn<int>("ignoreAcks");
    QTest::addColumn<int>("baud");
    // The beacon's byte 0 is its sync character, byte 1 the packet's SOH.
    QTest::newRow("data byte lost") << qint64(80) << 0 << 0;
    QTest::newRow("data byte lost, 2400 baud") << qint64(150) << 0 << 2400;
    QTest::newRow("packet start lost") << qint64(1) << 0 << 0;
    QTest::newRow("ACK lost: block repeated") << qint64(-1) << 1 << 0;
    QTest::newRow("two ACKs lost") << qint64(-1) << 2 << 2400;
}

void TestLink::readSurvivesLostByteAndLostAck()
{
    QFETCH(qint64, dropNth);
    QFETCH(int, ignoreAcks);
    QFETCH(int, baud);
    BeaconSimulator::Options o = fastOptions();
    o.baud = baud;
    o.dropNth = dropNth;
    o.ignoreAcks = ignoreAcks;
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.receiveStart());
    QTRY_VERIFY_WITH_TIMEOUT(!ok.isEmpty() || !timeouts.isEmpty(), EpirbComm::readTimeoutMs(192) + 3000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(comm.readData(), sim.block());
    // The beacon counts the read once our last ACK has reached it.
    QTRY_COMPARE(sim.stats().readsServed, 1);
    comm.on_requestStop(QString());
}

void TestLink::stopThenStartInOneTurn()
{
    // A page replaced by the next one: stop and start reach the link back to back, and
    // the start's connections and its read must survive the stop queued before them.
    BeaconSimulator sim(fastOptions());
    QVERIFY(sim.start());
    auto *comm = new EpirbComm(nullptr);
    comm->setPortName(sim.devicePath());
    QThread thread;
    comm->moveToThread(&thread);
    LinkDriver driver;
    connect(&driver, &LinkDriver::requestReceiveStart, comm, &EpirbComm::receiveStart, Qt::QueuedConnection);
    connect(&driver, &LinkDriver::requestComStop, comm, &EpirbComm::on_requestStop, Qt::QueuedConnection);
    QSignalSpy stopped(comm, &EpirbComm::stopped);
    thread.start();

    QList<int> first, second;
    auto c1 = connect(comm, &EpirbComm::success, this, [&](int n) { first << n; }, Qt::QueuedConnection);
    emit driver.requestReceiveStart();
    // In one turn: the first operation ends, the second one is wired and started.
    emit driver.requestComStop(QString());
    disconnect(c1);
    connect(comm, &EpirbComm::success, this, [&](int n) { second << n; }, Qt::QueuedConnection);
    emit driver.requestReceiveStart();
    sim.pressTest();

    QTRY_COMPARE_WITH_TIMEOUT(second.size(), 1, 8000);
    QCOMPARE(first.size(), 0);
    QCOMPARE(second.first(), 192);
    QCOMPARE(comm->readData(), sim.block());
    QCOMPARE(stopped.count(), 1);

    QMetaObject::invokeMethod(comm, "on_requestStop", Qt::BlockingQueuedConnection, Q_ARG(QString, QString()));
    thread.quit();
    QVERIFY(thread.wait(5000));
    delete comm;
}

void TestLink::verifyOnClosedPortWaitsForTheBeacon()
{
    // A read-back that does not follow a write: the port is closed, so the link opens
    // it and waits for the beacon's sync as a read does.
    BeaconSimulator sim(fastOptions());
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.verifyStart());
    QTRY_VERIFY_WITH_TIMEOUT(!ok.isEmpty() || !timeouts.isEmpty(), 8000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(sync.count(), 1);
    QCOMPARE(comm.readData(), sim.block());
    comm.on_requestStop(QString());
}

// Found by fuzzing the link: an older beacon's read must report exactly the pages of
// the attempt that succeeded, and nothing that arrives after it ended.
void TestLink::olderReadEndsWithItsResult()
{
    PtyEndpoint far;
    QVERIFY(far.open());
    auto fromHost = [&far](int count) {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < count && t.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            got += far.read(5);
        }
        return got;
    };
    const QByteArray page(256, '\x11');
    EpirbComm comm;
    comm.setPortName(far.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);

    // Page 2 never comes: the page time-out ends the read with page 0. Bytes after
    // that neither join the data nor report a second success.
    QVERIFY(comm.receiveStart());
    far.write("F");
    QCOMPARE(fromHost(2), QByteArray("\xAAR"));
    far.write("r" + page);
    QCOMPARE(fromHost(2), QByteArray("G\x02", 2));
    QVERIFY(ok.wait(2000));
    QCOMPARE(ok.last().at(0).toInt(), 256);
    far.write("r" + QByteArray(239, '\x11') + QByteArray(17, '\x22'));
    QTest::qWait(300);
    QCOMPARE(ok.count(), 1);
    QCOMPARE(comm.readData(), page);
    comm.on_requestStop(QString());

    // A time-out in the middle of page 0, then a one-page beacon syncs: its page alone
    // is the result, not the broken attempt's bytes in front of it.
    EpirbComm again;
    again.setPortName(far.devicePath());
    QSignalSpy okAgain(&again, &EpirbComm::success);
    QVERIFY(again.receiveStart());
    far.write("F");
    QCOMPARE(fromHost(2), QByteArray("\xAAR"));
    far.write("r" + page.left(100));
    QTest::qWait(100);
    QVERIFY(QMetaObject::invokeMethod(&again, "on_timeout")); // the 10 s time-out, without the wait
    const QByteArray other(256, '\x33');
    far.write("A");
    QCOMPARE(fromHost(2), QByteArray("\xAAR"));
    far.write("r" + other);
    QVERIFY(okAgain.wait(2000));
    QCOMPARE(okAgain.last().at(0).toInt(), 256);
    QCOMPARE(again.readData(), other);
    again.on_requestStop(QString());
}

void TestLink::faultyBeacon_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<qint64>("stallAfter");
    QTest::addColumn<double>("corrupt");
    QTest::addColumn<bool>("timesOut");
    QTest::newRow("answers nothing: no sync, no time-out") << true << qint64(-1) << 0.0 << false;
    QTest::newRow("stalls inside the packet") << false << qint64(60) << 0.0 << true;
    QTest::newRow("garbles one byte in the packet") << false << qint64(-1) << 0.004 << false;
}

void TestLink::faultyBeacon()
{
    QFETCH(bool, silent);
    QFETCH(qint64, stallAfter);
    QFETCH(double, corrupt);
    QFETCH(bool, timesOut);
    BeaconSimulator::Options o = fastOptions();
    o.silent = silent;
    o.stallAfter = stallAfter;
    o.corruptRate = corrupt;
    o.seed = 7;
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QVERIFY(comm.receiveStart());
    if (silent) {
        QTest::qWait(500);
        QCOMPARE(sync.count(), 0);
        QCOMPARE(timeouts.count(), 0);
        QCOMPARE(comm.state(), 0);
    } else if (timesOut) {
        QVERIFY(timeouts.wait(EpirbComm::readTimeoutMs(192) + 3000));
        QCOMPARE(ok.count(), 0);
        QCOMPARE(comm.state(), 0);
    } else {
        // A garbled byte costs a NAK and a resend, never wrong data.
        QTRY_VERIFY_WITH_TIMEOUT(!ok.isEmpty() || !timeouts.isEmpty(), 8000);
        if (!ok.isEmpty())
            QCOMPARE(comm.readData(), sim.block());
    }
    comm.on_requestStop(QString());
}

void TestLink::portThatDoesNotOpen_data()
{
    QTest::addColumn<bool>("production");
    QTest::newRow("read") << false;
    QTest::newRow("production write") << true;
}

void TestLink::portThatDoesNotOpen()
{
    QFETCH(bool, production);
    EpirbComm comm;
    comm.setPortName(QStringLiteral("/nonexistent/ttyQuorvik"));
    QSignalSpy failures(&comm, &EpirbComm::failure);
    comm.setWriteData(sampleBlock(1));
    QVERIFY(!(production ? comm.transmitProductionStart() : comm.receiveStart()));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().at(0).toInt(), -1);
}

void TestLink::olderGenerationRead_data()
{
    QTest::addColumn<char>("syncChar");
    QTest::addColumn<int>("simPages");
    QTest::addColumn<bool>("forceSinglePage");
    QTest::addColumn<int>("size");
    QTest::newRow("A: one page") << 'A' << 1 << false << 256;
    QTest::newRow("F: two pages") << 'F' << 2 << false << 512;
    QTest::newRow("F forced single") << 'F' << 2 << true << 256;
    QTest::newRow("F without second page") << 'F' << 1 << false << 256;
    QTest::newRow("G with two pages reads one") << 'G' << 2 << false << 256;
}

void TestLink::olderGenerationRead()
{
    QFETCH(char, syncChar);
    QFETCH(int, simPages);
    QFETCH(bool, forceSinglePage);
    QFETCH(int, size);
    BeaconSimulator::Options o = fastOptions(syncChar);
    o.pages = simPages;
    o.block = olderMemory(simPages);
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    comm.setForceSinglePage(forceSinglePage);
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.receiveStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(sync.first().at(0).value<char>(), syncChar);
    QCOMPARE(ok.first().at(0).toInt(), size);
    QCOMPARE(comm.readData(), olderMemory(simPages).left(size));
    QCOMPARE(comm.progress(), 100.0);
    QVERIFY(!comm.isXmodem());
    comm.on_requestStop(QString());
}

void TestLink::olderGenerationWriteSkipsHeldBytes()
{
    BeaconSimulator::Options o = fastOptions('F');
    o.pages = 2;
    o.block = olderMemory(2);
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    comm.setAnswerDelay(25);
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.receiveStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(comm.readData().size(), 512);

    // A 192-byte block: 20 bytes differ from what the beacon holds.
    QByteArray block = olderMemory(2).left(192);
    for (int i = 10; i < 30; ++i)
        block[i] = char(~block.at(i));
    comm.setWriteData(block);
    QVERIFY(comm.transmitStart());
    QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 2 || !timeouts.isEmpty(), 20000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(ok.at(1).at(0).toInt(), 192);
    QCOMPARE(comm.progress(), 100.0);
    // First byte, the changed ones and the last byte of the data (a busy machine may
    // miss an answer delay now and then and send a byte twice).
    QVERIFY2(sim.stats().byteWrites >= 1 + 20 + 1 && sim.stats().byteWrites < 40,
             qPrintable(QString::number(sim.stats().byteWrites)));
    const QByteArray page0 = sim.olderPage(0);
    QCOMPARE(page0.left(192), block);
    QCOMPARE(page0.mid(192), olderMemory(2).mid(192, 64));
    QCOMPARE(sim.olderPage(2), olderMemory(2).mid(256));

    QVERIFY(comm.verifyStart());
    QVERIFY(ok.wait(5000));
    QCOMPARE(comm.readData().left(192), block);
    QCOMPARE(comm.readData().size(), 512);
    comm.on_requestStop(QString());
}

void TestLink::olderValueEqualToAckNeedsTheBeaconsAck()
{
    // A beacon that hands bytes back but never acknowledges: even a value byte of
    // 0x06, whose echo ends in ACK, must not count as written.
    ScriptedAdapter far;
    QVERIFY(far.pty.open());
    EpirbComm comm;
    comm.setPortName(far.pty.devicePath());
    comm.setAnswerDelay(20);
    comm.setWriteData(QByteArray(192, char(ACK)));
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy progress(&comm, &EpirbComm::comProgressChanged);
    QVERIFY(comm.transmitProductionStart());
    far.send("B");
    QCOMPARE(far.take(1), QByteArray(1, char(0xAA)));
    QCOMPARE(far.take(3), QByteArray("W\x00\x06", 3));
    QCOMPARE(far.take(3, 1000), QByteArray("W\x00\x06", 3)); // sent again, unanswered
    QCOMPARE(ok.count(), 0);
    QCOMPARE(comm.progress(), 0.0);
    far.send(QByteArray(1, ACK));
    // The beacon's own ACK moves on to the next byte.
    QByteArray next;
    QTRY_VERIFY_WITH_TIMEOUT((next += far.take(3, 50)).contains(QByteArray("W\x01\x06", 3)), 2000);
    comm.on_requestStop(QString());
}

void TestLink::productionWrite_data()
{
    QTest::addColumn<char>("syncChar");
    QTest::addColumn<int>("simPages");
    QTest::newRow("current generation") << 'H' << 0;
    QTest::newRow("older, two pages") << 'F' << 2;
    QTest::newRow("older, sync C") << 'C' << 2;
}

void TestLink::productionWrite()
{
    QFETCH(char, syncChar);
    QFETCH(int, simPages);
    BeaconSimulator::Options o = fastOptions(syncChar);
    o.pages = simPages;
    if (simPages)
        o.block = olderMemory(simPages);
    BeaconSimulator sim(o);
    QVERIFY(sim.start());
    EpirbComm comm;
    comm.setPortName(sim.devicePath());
    comm.setAnswerDelay(20);
    const QByteArray block = sampleBlock(0x11);
    comm.setWriteData(block);
    QSignalSpy ok(&comm, &EpirbComm::success);
    QSignalSpy sync(&comm, &EpirbComm::syncReceived);
    QSignalSpy timeouts(&comm, &EpirbComm::timeout);
    QVERIFY(comm.transmitProductionStart());
    QTRY_VERIFY_WITH_TIMEOUT(ok.count() == 1 || !timeouts.isEmpty(), 20000);
    QCOMPARE(timeouts.count(), 0);
    QCOMPARE(ok.first().at(0).toInt(), 192);
    QCOMPARE(comm.progress(), 100.0);
    QCOMPARE(sync.count(), 1);
    if (syncChar == 'H') {
        QCOMPARE(sync.first().at(0).value<char>(), 'H');
        QCOMPARE(sim.block(), block);
    } else {
        // Any older beacon counts as the two-page type; nothing is skipped, and the
        // write ends with the data instead of running on through both pages.
        QCOMPARE(sync.first().at(0).value<char>(), 'F');
        QVERIFY2(sim.stats().byteWrites >= 192 && sim.stats().byteWrites < 220,
                 qPrintable(QString::number(sim.stats().byteWrites)));
        QCOMPARE(sim.olderPage(0).left(192), block);
        QCOMPARE(sim.olderPage(0).mid(192), olderMemory(2).mid(192, 64));
        QCOMPARE(sim.olderPage(2), olderMemory(2).mid(256));
    }
    comm.on_requestStop(QString());
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
