#include "beaconsimulator.h"

#include "bootloggenerator.h"

#include <QFile>
#include <QSaveFile>

#include <chrono>

namespace {
constexpr quint8 SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, ETB = 0x17, CAN = 0x18;
constexpr quint8 kHandshake = 0xAA;
constexpr int kBlock = 192;
constexpr int kPacket = kBlock + 5;
constexpr int kPage = 256;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

quint16 crcXmodem(const QByteArray &data)
{
    quint16 crc = 0;
    for (char c : data) {
        crc ^= quint16(quint8(c)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

QByteArray packet(quint8 number, const QByteArray &payload)
{
    QByteArray p;
    p.append(char(SOH));
    p.append(char(number));
    p.append(char(255 - number));
    p.append(payload);
    const quint16 crc = crcXmodem(payload);
    p.append(char(crc >> 8));
    p.append(char(crc & 0xff));
    return p;
}
}

BeaconSimulator::BeaconSimulator(const Options &options)
    : m_options(options)
    , m_random(options.seed)
{
    m_naksLeft = options.nakFirst;
    m_acksToIgnore = options.ignoreAcks;
    QByteArray initial = options.block;
    if (!options.storeFile.isEmpty()) {
        QFile f(options.storeFile);
        if (f.open(QIODevice::ReadOnly))
            initial = f.readAll();
    }
    if (isOlder()) {
        const int pages = options.pages > 0 ? options.pages : (options.sync == 'F' ? 2 : 1);
        QByteArray memory = initial.left(pages * kPage);
        memory.append(QByteArray(pages * kPage - memory.size(), char(0xff)));
        m_olderPages.insert(0, memory.left(kPage));
        if (pages > 1)
            m_olderPages.insert(2, memory.mid(kPage, kPage));
    } else {
        m_block = initial.left(kBlock);
        m_block.append(QByteArray(kBlock - m_block.size(), '\0'));
    }
}

BeaconSimulator::~BeaconSimulator()
{
    stop();
}

QByteArray BeaconSimulator::blankBlock(const QString &serial)
{
    QByteArray b(kBlock, '\0');
    b[0] = char(21); // the PLB's type identifier
    const QByteArray s = serial.toLatin1().left(8);
    b.replace(2, s.size(), s);
    b[30] = char(0xfe);
    b[31] = char(0xca);
    b[32] = char(18);
    return b;
}

bool BeaconSimulator::start()
{
    if (!m_pty.open())
        return false;
    if (!m_options.linkPath.isEmpty() && !m_pty.createLink(m_options.linkPath))
        return false;
    m_stop = false;
    m_thread = std::thread([this] { run(); });
    return true;
}

void BeaconSimulator::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_pty.close();
}

QByteArray BeaconSimulator::block() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_block;
}

void BeaconSimulator::setBlock(const QByteArray &block)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_block = block;
}

void BeaconSimulator::connectBeacon(const QByteArray &block)
{
    setBlock(block);
    pressTest();
}

QByteArray BeaconSimulator::olderPage(int page) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_olderPages.value(page);
}

BeaconSimulator::Stats BeaconSimulator::stats() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stats;
}

void BeaconSimulator::persist()
{
    if (m_options.storeFile.isEmpty())
        return;
    QByteArray data;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        data = isOlder() ? m_olderPages.value(0) + m_olderPages.value(2) : m_block;
    }
    QSaveFile f(m_options.storeFile);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(data);
        f.commit();
    }
}

void BeaconSimulator::send(const QByteArray &bytes, bool echo)
{
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    const qint64 byteNs = m_options.baud > 0 ? qint64(10e9 / m_options.baud) : 0;
    if (!echo && m_options.replyDelayMs > 0) {
        // A slow beacon: its answer comes this long after what it answers.
        const qint64 due = m_lastHostByteNs + qint64(m_options.replyDelayMs) * 1000000;
        const qint64 now = nowNs();
        if (due > now)
            std::this_thread::sleep_for(std::chrono::nanoseconds(due - now));
    }
    const bool faulty = !echo || m_options.faultEchoes;
    for (char c : bytes) {
        if (m_options.silent)
            return;
        if (m_options.stallAfter >= 0 && m_stats.bytesSent >= m_options.stallAfter)
            return;
        if (!echo && m_beaconBytes++ == m_options.dropNth)
            continue;
        if (faulty && m_options.dropRate > 0 && chance(m_random) < m_options.dropRate)
            continue;
        if (faulty && m_options.corruptRate > 0 && chance(m_random) < m_options.corruptRate)
            c = char(quint8(c) ^ quint8(1 + m_random() % 255));
        if (byteNs > 0) {
            // The line carries one byte per 10 bit times; a byte waits for the previous one.
            const qint64 now = nowNs();
            if (m_nextByteNs > now)
                std::this_thread::sleep_for(std::chrono::nanoseconds(m_nextByteNs - now));
            m_nextByteNs = qMax(now, m_nextByteNs) + byteNs;
        }
        m_pty.write(QByteArray(1, c));
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_stats.bytesSent;
    }
}

bool BeaconSimulator::readByte(quint8 &byte, int timeoutMs)
{
    const qint64 deadline = nowNs() + qint64(timeoutMs) * 1000000;
    while (m_in.isEmpty()) {
        if (interrupted())
            return false;
        const qint64 left = (deadline - nowNs()) / 1000000;
        if (left <= 0)
            return false;
        const QByteArray chunk = m_pty.read(int(qMin<qint64>(left, 10)));
        if (chunk.isEmpty() || m_options.silent)
            continue;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stats.hostBytes += chunk.size();
        }
        m_lastHostByteNs = nowNs();
        if (m_options.echo)
            send(chunk, true); // the adapter's echo
        m_in.append(chunk);
    }
    byte = quint8(m_in.at(0));
    m_in.remove(0, 1);
    return true;
}

void BeaconSimulator::run()
{
    while (!m_stop) {
        if (m_options.silent) {
            m_pty.read(50); // a dead line: everything is swallowed
            continue;
        }
        if (syncPhase())
            commandPhase();
    }
}

bool BeaconSimulator::syncPhase()
{
    m_pressTest = false;
    m_in.clear();
    if (m_options.garbage > 0) {
        QByteArray noise;
        while (noise.size() < m_options.garbage) {
            const quint8 b = quint8(m_random() & 0xff);
            if ((b < 'A' || b > 'H') && b != kHandshake)
                noise.append(char(b));
        }
        send(noise);
        std::this_thread::sleep_for(std::chrono::milliseconds(m_options.syncIntervalMs));
    }
    while (!interrupted()) {
        // Earlier sync characters that nobody read are stale by now.
        m_pty.discardUnread();
        sendByte(quint8(m_options.sync));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_stats.syncsSent;
        }
        const qint64 until = nowNs() + qint64(m_options.syncIntervalMs) * 1000000;
        quint8 b = 0;
        while (nowNs() < until && readByte(b, int(qMax<qint64>(1, (until - nowNs()) / 1000000)))) {
            if (b == kHandshake) {
                std::lock_guard<std::mutex> lock(m_mutex);
                ++m_stats.handshakes;
                return true;
            }
        }
    }
    return false;
}

void BeaconSimulator::commandPhase()
{
    const int idle = m_options.resyncMs > 0 ? m_options.resyncMs : 24 * 3600 * 1000;
    quint8 b = 0;
    while (readByte(b, idle)) {
        quint8 p = 0, a = 0, v = 0;
        if (!isOlder()) {
            if (b == 'X' && readByte(p, 500))
                serveXmodemRead(p);
            else if (b == 'Y' && readByte(p, 500) && p == 0)
                serveXmodemWrite();
            continue;
        }
        switch (b) {
        case 'R':
            serveOlderPage(0);
            break;
        case 'G':
            if (readByte(p, 500))
                serveOlderPage(p);
            break;
        case 'W':
            if (readByte(a, 500) && readByte(v, 500))
                storeOlderByte(0, a, v);
            break;
        case 'S':
            if (readByte(p, 500) && readByte(a, 500) && readByte(v, 500))
                storeOlderByte(p, a, v);
            break;
        default:
            break;
        }
    }
}

void BeaconSimulator::serveOlderPage(quint8 page)
{
    const QByteArray data = olderPage(page);
    if (data.isEmpty())
        return; // a one-page beacon has no answer to a second-page request
    send(QByteArray(1, 'r') + data);
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_stats.readsServed;
}

void BeaconSimulator::storeOlderByte(quint8 page, quint8 address, quint8 value)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_olderPages.find(page);
        if (it == m_olderPages.end())
            return;
        (*it)[address] = char(value);
        ++m_stats.byteWrites;
    }
    persist();
    sendByte(ACK);
}

void BeaconSimulator::serveXmodemRead(quint8 page)
{
    QByteArray data;
    if (page == 0)
        data = block();
    else if (page == 2)
        data = m_options.bootLog.isEmpty() ? BootLogGenerator::sampleTransfer() : m_options.bootLog;
    else
        return;

    quint8 b = 0;
    do {
        if (!readByte(b, 3000))
            return;
    } while (b != 'C');

    quint8 number = 1;
    for (int offset = 0; offset < data.size(); offset += kBlock, ++number) {
        const QByteArray p = packet(number, data.mid(offset, kBlock));
        for (int tries = 0;; ++tries) {
            if (tries > 10)
                return;
            send(p);
            bool answered = false;
            while (readByte(b, 2000)) {
                if (b == ACK || b == NAK || b == CAN) {
                    answered = true;
                    break;
                }
            }
            if (!answered || b == CAN)
                return;
            if (b == ACK && m_acksToIgnore > 0) {
                // The ACK was lost on the line: the block goes again.
                --m_acksToIgnore;
                continue;
            }
            if (b == ACK)
                break;
        }
    }
    for (quint8 end : { EOT, ETB }) {
        for (int tries = 0;; ++tries) {
            if (tries > 3)
                return;
            sendByte(end);
            if (readByte(b, 1000) && b == ACK)
                break;
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_stats.readsServed;
}

void BeaconSimulator::serveXmodemWrite()
{
    sendByte('C');
    int cSent = 1;
    quint8 expected = 1;
    QByteArray received;
    quint8 b = 0;
    for (;;) {
        if (!readByte(b, 1000)) {
            if (received.isEmpty() && expected == 1 && cSent < 3 && !interrupted()) {
                sendByte('C');
                ++cSent;
                continue;
            }
            return;
        }
        if (b == SOH) {
            QByteArray p(1, char(SOH));
            quint8 next = 0;
            while (p.size() < kPacket && readByte(next, 1000))
                p.append(char(next));
            if (p.size() < kPacket)
                return;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                ++m_stats.packetsReceived;
            }
            const quint8 number = quint8(p.at(1));
            const QByteArray payload = p.mid(3, kBlock);
            const quint16 crc = crcXmodem(payload);
            const bool intact = int(number) + int(quint8(p.at(2))) == 255 && quint8(p.at(195)) == (crc >> 8)
                && quint8(p.at(196)) == (crc & 0xff);
            if (m_naksLeft > 0 || !intact || (number != expected && number != quint8(expected - 1))) {
                if (m_naksLeft > 0)
                    --m_naksLeft;
                std::lock_guard<std::mutex> lock(m_mutex);
                ++m_stats.naksSent;
            } else {
                if (number == expected) {
                    received.append(payload);
                    ++expected;
                }
                sendByte(ACK);
                continue;
            }
            sendByte(NAK);
        } else if (b == EOT) {
            sendByte(ACK);
        } else if (b == ETB) {
            if (received.size() >= kBlock) {
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_block = received.left(kBlock);
                    ++m_stats.writesCompleted;
                    // A beacon whose memory keeps one byte wrong: found only by the read-back.
                    if (m_stats.writesCompleted == m_options.failWrite)
                        m_block[100] = char(m_block.at(100) ^ 0x01);
                }
                persist();
            }
            sendByte(ACK);
            return;
        } else if (b == CAN) {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_stats.cancelsReceived;
            return;
        }
    }
}
