#pragma once

#include "link/epirbechoqueue.h"

#include <QByteArray>
#include <QObject>

class QSerialPort;
class QTimer;

// Sends a data block to the beacon by XMODEM-CRC with 192-byte blocks.
class EpirbXmodemTx : public QObject
{
    Q_OBJECT

public:
    enum { SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, ETB = 0x17, CAN = 0x18, CRC_START = 'C' };
    // The current beacons' sync character, repeated until the handshake reaches them.
    enum { SYNC = 'H' };
    static constexpr int kBlockSize = 192;
    static constexpr int kPacketSize = kBlockSize + 5;

    EpirbXmodemTx(QSerialPort *port, QObject *parent);

    bool startWrite(const QByteArray &data);
    // Ends a transfer that is being abandoned, without a signal and without a byte sent.
    void abort();
    void addEcho(const QByteArray &bytes) { m_echo.add(bytes); }
    int pendingEchoCount() const { return m_echo.size(); }
    int state() const { return m_state; }
    // The pauses around control bytes and between packet bytes pace the beacon; off
    // only for a far end that needs none (tests, fuzzing).
    void setPauses(bool on) { m_pauses = on; }

    // CRC-16/XMODEM: polynomial 0x1021, initial 0, no reflection, no final XOR.
    static quint16 crc16(const QByteArray &data);
    // SOH, block number, complement, 192 payload bytes, CRC high byte first.
    static QByteArray packet(quint8 blockNumber, const QByteArray &payload);

signals:
    void success();
    void failure(int error_code);
    void bytesTransmitted(quint64 bytes);

public slots:
    void notifyDataAvailable();
    void notifyRxTimeout();
    void onBytesWritten(qint64 bytes);

private:
    bool sendControl(char byte);
    // False when the transfer was stopped while the packet went out.
    bool sendPacket();
    void handleByte(char byte);
    void fail(int code);

    QSerialPort *m_port;
    QByteArray m_data;
    int m_state = 0;
    quint8 m_block = 1;
    quint8 m_nakCount = 0;
    bool m_echoFilter = true;
    EpirbEchoQueue m_echo;
    QTimer *m_timer;
    qint64 m_packetBytesWritten = 0;
    bool m_sending = false;
    bool m_pauses = true;
};
