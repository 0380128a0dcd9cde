#pragma once

#include "records/sharedregister.h"

#include <QAtomicInt>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

// One connection to the register on a thread of its own: the server may take seconds to
// answer, or not answer until a timeout, and the window must not wait with it. Jobs run
// one after another in the order given; a job still queued when the line is retired runs
// before the connection closes.
class RegisterLine : public QObject
{
    Q_OBJECT

public:
    explicit RegisterLine(const SharedRegister::Connection &connection);
    // Waits for the jobs in hand (each bounded by the connection's timeouts).
    ~RegisterLine() override;

    // Runs job on the line and waits for it: for the command line and tests, never the window.
    template<typename R>
    R call(const std::function<R(SharedRegister &)> &job)
    {
        R result {};
        m_jobs.ref();
        QMetaObject::invokeMethod(
            m_worker, [&] { result = job(reg()); }, Qt::BlockingQueuedConnection);
        m_jobs.deref();
        return result;
    }

    // Runs job on the line; done gets its result on this object's thread, unless context is
    // gone by then.
    template<typename R>
    void post(std::function<R(SharedRegister &)> job, QObject *context, std::function<void(R)> done)
    {
        m_jobs.ref();
        QPointer<QObject> alive(context);
        QMetaObject::invokeMethod(
            m_worker,
            [this, job = std::move(job), done = std::move(done), alive]() {
                R result = job(reg());
                QMetaObject::invokeMethod(
                    this,
                    [this, done, alive, result = std::move(result)]() {
                        m_jobs.deref();
                        if (alive)
                            done(result);
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

    // Jobs given whose results have not been delivered yet.
    int jobsInHand() const { return m_jobs.loadRelaxed(); }

    // Lets the jobs in hand finish on the line's thread and deletes the line after them, without
    // waiting here: a connection replaced while the server hangs.
    void retire();

private:
    SharedRegister &reg(); // on the line's thread only

    SharedRegister::Connection m_connection;
    QThread m_thread;
    QObject *m_worker = nullptr; // lives on m_thread
    std::unique_ptr<SharedRegister> m_register;
    QAtomicInt m_jobs;
};
