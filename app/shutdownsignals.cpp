#include "shutdownsignals.h"

#include <QCoreApplication>
#include <QDebug>

#include <csignal>

namespace {
volatile std::sig_atomic_t g_received = 0;

extern "C" void onShutdownSignal(int sig)
{
    g_received = sig;
    std::signal(sig, SIG_DFL);
}

const char *signalName(int sig)
{
    return sig == SIGTERM ? "SIGTERM" : sig == SIGINT ? "SIGINT" : "signal";
}
}

ShutdownSignals::ShutdownSignals(QObject *parent)
    : QObject(parent)
{
    std::signal(SIGINT, onShutdownSignal);
    std::signal(SIGTERM, onShutdownSignal);
    // A few wake-ups a second cost nothing measurable and keep the handler trivial.
    m_poll.setInterval(200);
    connect(&m_poll, &QTimer::timeout, this, &ShutdownSignals::check);
    m_poll.start();
}

ShutdownSignals::~ShutdownSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

int ShutdownSignals::received()
{
    return g_received;
}

void ShutdownSignals::check()
{
    const int sig = g_received;
    if (!sig)
        return;
    if (!m_logged) {
        qInfo().noquote() << QStringLiteral("Received %1, shutting down").arg(QLatin1String(signalName(sig)));
        m_logged = true;
    }
    if (m_finishing || (m_finishFirst && m_finishFirst())) {
        m_finishing = true;
        return;
    }
    // Asked again on every tick: a signal during start-up may end a nested loop
    // before the main one runs.
    QCoreApplication::quit();
}
