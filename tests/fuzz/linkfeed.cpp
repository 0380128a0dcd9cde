#include "linkfeed.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

LinkFeed &LinkFeed::instance()
{
    static LinkFeed feed;
    return feed;
}

LinkFeed::LinkFeed()
{
    if (!m_pty.open())
        qFatal("no pseudo-terminal");
    // Opened before any serial port takes the line exclusively: it tells how much
    // input waits at the host's side.
    m_hostSide = ::open(m_pty.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_hostSide < 0)
        qFatal("cannot open the host side of the pseudo-terminal");
}

QSerialPort *LinkFeed::hostPort()
{
    if (m_port)
        return m_port;
    m_port = new QSerialPort;
    m_port->setPortName(devicePath());
    m_port->setBaudRate(QSerialPort::Baud2400);
    if (!m_port->open(QIODevice::ReadWrite))
        qFatal("cannot open the host's port");
    return m_port;
}

int LinkFeed::pendingAtHost() const
{
    int n = 0;
    ::ioctl(m_hostSide, FIONREAD, &n);
    return n;
}

void LinkFeed::deliver(QSerialPort *port, const QByteArray &chunk)
{
    m_pty.write(chunk);
    // The kernel moves the bytes across the pty asynchronously: sleep until they land
    // rather than for a fixed while (a timed sleep costs more than the move itself).
    QDeadlineTimer arrival(1000);
    while (pendingAtHost() < chunk.size() && !arrival.hasExpired()) {
        pollfd p{ m_hostSide, POLLIN, 0 };
        if (pendingAtHost() == 0)
            ::poll(&p, 1, int(qMax<qint64>(1, arrival.remainingTime())));
        else
            ::sched_yield(); // part of the chunk is there, the rest follows at once
    }
    QDeadlineTimer taken(1000);
    while (pendingAtHost() > 0 && !taken.hasExpired()) {
        if (!port || !port->isOpen())
            break;
        port->waitForReadyRead(10);
    }
    // Zero-interval timers and queued calls the chunk started.
    QCoreApplication::processEvents();
    // What the host wrote back is not looked at; it must not fill the line.
    while (!m_pty.read(0).isEmpty()) { }
}

void LinkFeed::reset()
{
    ::tcflush(m_hostSide, TCIFLUSH);
    if (m_port)
        m_port->clear();
    while (!m_pty.read(0).isEmpty()) { }
}

bool LinkFeed::expireNextTimer(QObject *owner)
{
    QTimer *next = nullptr;
    for (QTimer *timer : owner->findChildren<QTimer *>()) {
        if (timer->isActive() && (!next || timer->remainingTime() < next->remainingTime()))
            next = timer;
    }
    if (!next)
        return false;
    if (next->isSingleShot())
        next->stop();
    return QMetaObject::invokeMethod(next, "timeout", Qt::DirectConnection);
}
