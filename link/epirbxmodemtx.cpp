#include "link/epirbxmodemtx.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <algorithm>

EpirbXmodemTx::EpirbXmodemTx(QSerialPort *port, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &EpirbXmodemTx::notifyRxTimeout);
}

quint16 EpirbXmodemTx::crc16(const QByteArray &data)
{
    quint16 crc = 0;
    for (char c : data) {
        crc ^= quint16(quint8(c)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

QByteArray EpirbXmodemTx::packet(quint8 blockNumber, const QByteArray &payload)
{
    QByteArray p;
    p.reserve(kPacketSize);
    p.append(char(SOH));
    p.append(char(blockNumber));
    p.append(char(quint8(255 - blockNumber)));
    p.append(payload);
    const quint16 crc = crc16(payload);
    p.append(char(crc >> 8));
    p.append(char(crc & 0xff));
    return p;
}

bool EpirbXmodemTx::startWrite(const QByteArray &data)
{
    qDebug("Starting write. Discard %zu bytes!", size_t(m_echo.size()));
    if (data.isEmpty() || data.size() % kBlockSize != 0)
        return false;
    m_block = 1;
    m_nakCount = 0;
    m_data = data;
    m_state = 1;
    m_timer->start(100);
    return true;
}

void EpirbXmodemTx::abort()
{
    m_timer->stop();
    m_state = 0;
}

bool EpirbXmodemTx::sendControl(char byte)
{
    if (m_pauses)
        QThread::msleep(20);
    m_echo.add(byte);
    const bool accepted = m_port->write(&byte, 1) == 1;
    m_port->flush(); // out now, not at the next event loop turn: a close may follow
    return accepted;
}

bool EpirbXmodemTx::sendPacket()
{
    // Answers are only read once the whole packet is out; readyRead can fire from the
    // waits below and must not start a second send.
    m_sending = true;
    if (m_pauses)
        QThread::msleep(20);
    m_packetBytesWritten = 0;
    const auto conn = connect(m_port, &QSerialPort::bytesWritten, this, &EpirbXmodemTx::onBytesWritten,
                              Qt::DirectConnection);
    const int offset = kBlockSize * (m_block - 1);
    const QByteArray p = packet(m_block, m_data.mid(offset, kBlockSize));
    bool stopped = false;
    for (char c : p) {
        m_echo.add(c);
        m_port->write(&c, 1);
        m_port->waitForBytesWritten(30000);
        if (m_pauses)
            QThread::msleep(10);
        // A packet takes seconds at 2400 baud: a stop asked for meanwhile is taken between
        // bytes, so that nothing more goes out once the technician has left the page.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        if (m_state == 0 || !m_port->isOpen()) {
            stopped = true;
            break;
        }
    }
    disconnect(conn);
    m_sending = false;
    return !stopped;
}

void EpirbXmodemTx::onBytesWritten(qint64 bytes)
{
    m_packetBytesWritten += bytes;
    const qint64 dataBytes = std::clamp<qint64>(m_packetBytesWritten - 3, 0, kBlockSize);
    emit bytesTransmitted(quint64(kBlockSize) * (m_block - 1) + quint64(dataBytes));
}

void EpirbXmodemTx::notifyDataAvailable()
{
    if (m_sending)
        return;
    const QByteArray bytes = m_port->readAll();
    for (char c : bytes) {
        // Before the transfer starts, a sync character that crossed our handshake on
        // the line is neither an echo nor an answer: taking it for either would upset
        // the echo bookkeeping.
        if (m_state == 1 && c == char(SYNC))
            continue;
        if (m_echoFilter && m_echo.consume(c))
            continue;
        handleByte(c);
    }
}

void EpirbXmodemTx::fail(int code)
{
    m_timer->stop();
    m_state = 5;
    emit failure(code);
}

void EpirbXmodemTx::handleByte(char byte)
{
    const quint8 b = quint8(byte);
    switch (m_state) {
    case 1:
        if (b == CRC_START) {
            m_timer->stop();
            if (!sendPacket())
                return;
            m_timer->start(2000);
            m_state = 2;
        }
        break;
    case 2:
        if (b == ACK) {
            m_timer->stop();
            m_nakCount = 0;
            if (kBlockSize * m_block == m_data.size()) {
                sendControl(char(EOT));
                m_state = 3;
            } else {
                ++m_block;
                if (!sendPacket())
                    return;
            }
            m_timer->start(100);
        } else if (b == NAK) {
            qDebug("Got NAK!");
            ++m_nakCount;
            if (m_nakCount <= 5) {
                m_timer->stop();
                if (!sendPacket())
                    return;
                m_timer->start(100);
            } else {
                sendControl(char(CAN));
                fail(-3);
            }
        } else {
            qDebug("Unexpected xmodem response: 0x%02x", b);
            fail(-1);
        }
        break;
    case 3:
        if (b == ACK) {
            m_timer->stop();
            sendControl(char(ETB));
            m_state = 4;
            m_timer->start(100);
        } else {
            qDebug("Invalid character 0x%02x", b);
        }
        break;
    case 4:
        if (b == ACK) {
            m_timer->stop();
            emit success();
        }
        break;
    default:
        break;
    }
}

void EpirbXmodemTx::notifyRxTimeout()
{
    qDebug("Timeout while in state %d", m_state);
    m_state = 5;
    emit failure(-2);
}
