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
    // Ends a transfer that is being abandoned: its timer must not answer on a line
    // that may already carry the next operation.
    void abort();
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
    enum class Check { Good, Repeat, Bad };
    Check checkPacket() const;
    void rejectAfterQuiet();
    void askForResend();

    QSerialPort *m_port;
    QByteArray m_data;
    QByteArray m_packet;
    // 6: discarding line noise until the line is quiet, then NAK.
    int m_state = 0;
    QTimer *m_timer;
    quint8 m_expectedBlock = 1;
    // A NAK is out: silence now means the NAK went astray, not that the sender is done.
    bool m_awaitingResend = false;
    // EOT acknowledged: only ETB is still to come.
    bool m_endAcknowledged = false;
    bool m_echoFilter = true;
    EpirbEchoQueue m_echo;
    bool m_pauses = true;
};
