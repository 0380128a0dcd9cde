#include "link/epirbxmodemrx.h"

#include "link/epirbxmodemtx.h"

#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kBlock = EpirbXmodemTx::kBlockSize;
constexpr int kPacket = EpirbXmodemTx::kPacketSize;
// Silence between two bytes of one packet (a byte lasts about 4 ms at 2400 baud) that
// means a byte was lost; also how long the line must be quiet before a NAK after noise.
constexpr int kByteGapMs = 200;
constexpr int kPurge = 6;
// How long a sender may take to start the packet again after our NAK.
constexpr int kResendWaitMs = 1000;
}

EpirbXmodemRx::EpirbXmodemRx(QSerialPort *port, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_timer(new QTimer(this))
{
    m_data.reserve(kBlock);
    m_packet.reserve(kPacket);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &EpirbXmodemRx::notifyRxTimeout);
}

bool EpirbXmodemRx::sendControl(char byte)
{
    if (m_pauses)
        QThread::msleep(20);
    m_echo.add(byte);
    const bool accepted = m_port->write(&byte, 1) == 1;
    m_port->flush(); // out now, not at the next event loop turn: a close may follow
    return accepted;
}

bool EpirbXmodemRx::startRead()
{
    qDebug("Starting read. Discard %zu bytes!", size_t(m_echo.size()));
    m_data.clear();
    m_data.reserve(kBlock);
    m_packet.clear();
    m_state = 1;
    m_expectedBlock = 1;
    m_awaitingResend = false;
    m_endAcknowledged = false;
    m_timer->stop();
    const bool sent = sendControl(EpirbXmodemTx::CRC_START);
    m_timer->start(100);
    return sent;
}

void EpirbXmodemRx::abort()
{
    m_timer->stop();
    m_packet.clear();
    m_state = 0;
}

void EpirbXmodemRx::notifyDataAvailable()
{
    const QByteArray bytes = m_port->readAll();
    for (char c : bytes) {
        // Before the transfer starts, a sync character that crossed our handshake on
        // the line is neither an echo nor an answer: taking it for either would upset
        // the echo bookkeeping.
        if (m_state == 1 && c == char(EpirbXmodemTx::SYNC))
            continue;
        if (m_echoFilter && m_echo.consume(c))
            continue;
        handleByte(c);
    }
}

EpirbXmodemRx::Check EpirbXmodemRx::checkPacket() const
{
    if (m_packet.size() != kPacket || quint8(m_packet.at(0)) != EpirbXmodemTx::SOH)
        return Check::Bad;
    const quint8 block = quint8(m_packet.at(1));
    const quint8 complement = quint8(m_packet.at(2));
    if (int(block) + int(complement) != 255) {
        qDebug("Invalid packet counts %u+%u", block, complement);
        return Check::Bad;
    }
    // The sender repeats the block just accepted when our ACK did not reach it.
    const bool repeat = !m_data.isEmpty() && block == quint8(m_expectedBlock - 1);
    if (block != m_expectedBlock && !repeat) {
        qDebug("Wrong packet count %u vs %u", block, m_expectedBlock);
        return Check::Bad;
    }
    const quint16 crc = EpirbXmodemTx::crc16(m_packet.mid(3, kBlock));
    const quint8 hi = quint8(m_packet.at(kPacket - 2));
    const quint8 lo = quint8(m_packet.at(kPacket - 1));
    if (crc != quint16((hi << 8) | lo)) {
        qDebug("CRC error 0x%02x%02x vs 0x%02x%02x", crc >> 8, crc & 0xff, hi, lo);
        return Check::Bad;
    }
    return repeat ? Check::Repeat : Check::Good;
}

void EpirbXmodemRx::rejectAfterQuiet()
{
    // The rest of a broken packet is still arriving: a NAK now would be lost in it and
    // each further byte would draw another one. Answer once the line is quiet.
    m_packet.clear();
    m_state = kPurge;
    m_timer->start(kByteGapMs);
}

void EpirbXmodemRx::askForResend()
{
    m_packet.clear();
    m_state = 2;
    m_awaitingResend = true;
    sendControl(char(EpirbXmodemTx::NAK));
    m_timer->start(kResendWaitMs);
}

void EpirbXmodemRx::handleByte(char byte)
{
    const quint8 b = quint8(byte);
    if (m_state == 1)
        m_state = 2;
    switch (m_state) {
    case 2:
        m_timer->start(kByteGapMs);
        if (b == EpirbXmodemTx::SOH || b == EpirbXmodemTx::EOT || b == EpirbXmodemTx::ETB || b == EpirbXmodemTx::CAN)
            m_awaitingResend = false;
        if (b == EpirbXmodemTx::SOH) {
            m_endAcknowledged = false;
            m_packet = QByteArray(1, byte);
            m_state = 3;
        } else if (b == EpirbXmodemTx::EOT) {
            m_endAcknowledged = true;
            sendControl(char(EpirbXmodemTx::ACK));
        } else if (b == EpirbXmodemTx::ETB) {
            m_timer->stop();
            sendControl(char(EpirbXmodemTx::ACK));
            m_state = 5;
            emit success();
        } else if (b == EpirbXmodemTx::CAN) {
            m_state = 1;
        } else {
            qDebug("Unknown packet start: 0x%02x (%c)", b, b);
            rejectAfterQuiet();
        }
        break;
    case kPurge:
        m_timer->start(kByteGapMs);
        break;
    case 3: {
        m_timer->start(kByteGapMs);
        m_packet.append(byte);
        const qint64 inPacket = std::clamp<qint64>(m_packet.size() - 3, 0, kBlock);
        emit bytesReceived(quint64(m_data.size()) + quint64(inPacket));
        if (m_packet.size() == kPacket) {
            const Check check = checkPacket();
            if (check == Check::Good) {
                m_awaitingResend = false;
                sendControl(char(EpirbXmodemTx::ACK));
                ++m_expectedBlock;
                m_data.append(m_packet.mid(3, kBlock));
            } else if (check == Check::Repeat) {
                qDebug("Packet %u repeated: acknowledged, copy dropped", quint8(m_expectedBlock - 1));
                m_awaitingResend = false;
                sendControl(char(EpirbXmodemTx::ACK));
            } else {
                qDebug("Packet %u verification failed!", m_expectedBlock);
                askForResend();
                break;
            }
            m_packet.clear();
            m_state = 2;
        }
        break;
    }
    case 5:
        m_timer->stop();
        break;
    default:
        break;
    }
}

void EpirbXmodemRx::notifyRxTimeout()
{
    if (m_state == 1) {
        sendControl(EpirbXmodemTx::CRC_START);
        return;
    }
    if (m_state == kPurge) {
        qDebug("Line quiet after noise: asking for the packet again");
        askForResend();
        return;
    }
    qDebug("RX timeout while in state %d, %zu bytes received!", m_state, size_t(m_packet.size()));
    if (m_state == 2 && (m_awaitingResend || m_endAcknowledged)) {
        // A NAK went astray, or the ETB after our ACK of EOT was lost: an ACK now would
        // end the sender's transfer while ours is still open.
        askForResend();
    } else if (m_state == 2) {
        sendControl(char(EpirbXmodemTx::ACK));
    } else if (m_state == 3) {
        // A byte of the packet was lost: the sender waits for an answer, so ask for it again.
        askForResend();
    }
}
