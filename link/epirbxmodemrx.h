#pragma once

#include "link/epirbechoqueue.h"

#include <QByteArray>
#include <QObject>

class QSerialPort;
class QTimer;

// Receives a data block from the beacon by XMODEM-CRC with 192-byte blocks.
class EpirbXmodemRx : public QObject
{
    Q_OBJECT

public:
    EpirbXmodemRx(QSerialPort *port, QObject *parent);

    bool startRead();
    void addEcho(const QByteArray &bytes) { m_echo.add(bytes); }
    int pendingEchoCount() const { return m_echo.size(); }
    QByteArray receivedData() const { return m_data; }
    int state() const { return m_state; }
    // The pause before each control byte leaves the beacon its turnaround; off only
    // for a far end that needs none (tests, fuzzing).
    void setPauses(bool on) { m_pauses = on; }

signals:
    void success();
    void bytesReceived(quint64 bytes);

public slots:
    void notifyDataAvailable();
    void notifyRxTimeout();

private:
    bool sendControl(char byte);
    void handleByte(char byte);
    bool packetIsGood() const;

    QSerialPort *m_port;
    QByteArray m_data;
    QByteArray m_packet;
    int m_state = 0;
    QTimer *m_timer;
    quint8 m_expectedBlock = 1;
    bool m_echoFilter = true;
    EpirbEchoQueue m_echo;
    bool m_pauses = true;
};
