#pragma once

#include <QByteArray>
#include <QString>

// The far end of a pseudo-terminal: the host opens devicePath() as its serial port,
// this side reads what the host writes and writes what the host reads. The slave side
// is held open here as well so the line survives the host closing and reopening it.
class PtyEndpoint
{
public:
    PtyEndpoint() = default;
    ~PtyEndpoint();
    PtyEndpoint(const PtyEndpoint &) = delete;
    PtyEndpoint &operator=(const PtyEndpoint &) = delete;

    bool open();
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_path; }

    // Writes everything, waiting while the line is full.
    bool write(const QByteArray &bytes);
    // Waits up to timeoutMs for data, then returns what is there (possibly nothing).
    QByteArray read(int timeoutMs);
    // Reads until `count` bytes arrived or timeoutMs passed.
    QByteArray readCount(int count, int timeoutMs);
    // Drops bytes written here that the host has not read yet.
    void discardUnread();
    // A stable name for the device (a symbolic link); replaced if it exists.
    bool createLink(const QString &linkPath);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QString m_link;
};
