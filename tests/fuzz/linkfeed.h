#pragma once

#include "ptyendpoint.h"

#include <QByteArray>
#include <QString>

class QObject;
class QSerialPort;

// The far end of the link targets: one pseudo-terminal for the whole run, fed
// chunk by chunk so that each chunk reaches the host's port as one read.
class LinkFeed
{
public:
    static LinkFeed &instance();

    QString devicePath() const { return m_pty.devicePath(); }
    // The host's serial port on the line, opened once for the whole run: opening it costs
    // more than most inputs.
    QSerialPort *hostPort();
    // Writes chunk to the line and lets port take all of it in (readyRead included).
    void deliver(QSerialPort *port, const QByteArray &chunk);
    // Drops whatever either side has not read yet, the host port's buffers included.
    void reset();
    // Time passes: the active timer of owner (or its children) due first runs out.
    static bool expireNextTimer(QObject *owner);

private:
    LinkFeed();
    int pendingAtHost() const;

    PtyEndpoint m_pty;
    int m_hostSide = -1;
    QSerialPort *m_port = nullptr;
};
