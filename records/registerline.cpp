#include "records/registerline.h"

RegisterLine::RegisterLine(const SharedRegister::Connection &connection)
    : m_connection(connection)
{
    m_thread.setObjectName(QStringLiteral("register"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

RegisterLine::~RegisterLine()
{
    if (m_thread.isRunning()) {
        // Queued behind the jobs in hand: the connection closes on the thread that opened it.
        QMetaObject::invokeMethod(m_worker, [this] { m_register.reset(); m_thread.quit(); }, Qt::QueuedConnection);
        m_thread.wait();
    }
    delete m_worker; // deleteLater does not run once the thread is gone
}

SharedRegister &RegisterLine::reg()
{
    if (!m_register)
        m_register = std::make_unique<SharedRegister>(m_connection);
    return *m_register;
}

void RegisterLine::retire()
{
    connect(&m_thread, &QThread::finished, this, &QObject::deleteLater);
    QMetaObject::invokeMethod(m_worker, [this] { m_register.reset(); m_thread.quit(); }, Qt::QueuedConnection);
}
