#pragma once

#include <QString>

class EpirbComm;
class QThread;

// The beacon link in a thread of its own: its port and timers live there, and it is
// stopped and deleted there before the thread ends.
class LinkThread
{
public:
    LinkThread(const QString &portName, bool forceSinglePage, int answerDelay);
    ~LinkThread();
    LinkThread(const LinkThread &) = delete;
    LinkThread &operator=(const LinkThread &) = delete;

    EpirbComm *link() const { return m_link; }
    QThread *thread() const { return m_thread; }

private:
    EpirbComm *m_link = nullptr;
    QThread *m_thread = nullptr;
};
