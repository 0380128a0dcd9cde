#include "ptyendpoint.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyEndpoint::~PtyEndpoint()
{
    close();
}

bool PtyEndpoint::open()
{
    close();
    termios raw;
    std::memset(&raw, 0, sizeof raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B2400);
    cfsetospeed(&raw, B2400);
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_master = m_slave = -1;
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_path = QString::fromLocal8Bit(name);
    return true;
}

void PtyEndpoint::close()
{
    if (!m_link.isEmpty()) {
        QFile::remove(m_link);
        m_link.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_master = m_slave = -1;
}

bool PtyEndpoint::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{ m_master, POLLOUT, 0 };
        ::poll(&p, 1, 100);
    }
    return true;
}

QByteArray PtyEndpoint::read(int timeoutMs)
{
    if (m_master < 0)
        return {};
    pollfd p{ m_master, POLLIN, 0 };
    if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN))
        return {};
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

QByteArray PtyEndpoint::readCount(int count, int timeoutMs)
{
    QByteArray out;
    QDeadlineTimer deadline(timeoutMs);
    while (out.size() < count && !deadline.hasExpired())
        out += read(int(qMax<qint64>(1, deadline.remainingTime())));
    return out;
}

void PtyEndpoint::discardUnread()
{
    if (m_slave >= 0)
        ::tcflush(m_slave, TCIFLUSH);
}

bool PtyEndpoint::createLink(const QString &linkPath)
{
    QFile::remove(linkPath);
    if (!QFile::link(m_path, linkPath))
        return false;
    m_link = linkPath;
    return true;
}
