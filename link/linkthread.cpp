#include "link/linkthread.h"

#include "link/epirbcomm.h"

#include <QThread>

LinkThread::LinkThread(const QString &portName, bool forceSinglePage, int answerDelay)
    : m_link(new EpirbComm(nullptr))
    , m_thread(new QThread)
{
    // Set while nothing else can reach the link; afterwards only queued calls do.
    m_link->setPortName(portName);
    m_link->setForceSinglePage(forceSinglePage);
    m_link->setAnswerDelay(answerDelay);
    m_thread->setObjectName(QStringLiteral("EpirbComm"));
    m_link->moveToThread(m_thread);
    m_thread->start();
}

LinkThread::~LinkThread()
{
    if (m_thread->isRunning()) {
        EpirbComm *link = m_link;
        QMetaObject::invokeMethod(
            link,
            [link] {
                link->on_requestStop(QStringLiteral("shutdown"));
                delete link;
            },
            Qt::BlockingQueuedConnection);
        m_link = nullptr;
        m_thread->quit();
        m_thread->wait();
    }
    delete m_link;
    delete m_thread;
}
