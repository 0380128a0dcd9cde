#include "beaconrun.h"

#include "app/epirbapp.h"
#include "clicommand.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

BeaconRun::BeaconRun(const QString &port, const QStringList &appArgs, QObject *parent)
    : QObject(parent)
    , m_app(new EpirbApp(appArgs, nullptr, EpirbApp::Headless))
{
    m_app->setSerialText(port);
    connect(m_app, &EpirbApp::progProgressChanged, this, [this] { drawProgress(false); });
    connect(m_app, &EpirbApp::progStatusChanged, this, [this] { drawProgress(false); });
}

BeaconRun::~BeaconRun()
{
    delete m_app;
}

QString BeaconRun::status() const
{
    return m_finalStatus;
}

bool BeaconRun::run(const std::function<void(EpirbApp *)> &start, int waitSeconds)
{
    QEventLoop loop;
    bool ok = false;
    bool done = false;
    bool answered = false;
    auto finish = [&](bool success) {
        if (done)
            return;
        // Link events already on their way must not rewrite the outcome.
        m_finalStatus = m_app->progStatus();
        m_succeeded = success;
        ok = success && !m_app->progStatusError();
        done = true;
        loop.quit();
    };
    connect(m_app, &EpirbApp::readbackSucceeded, &loop, [&] { finish(true); });
    connect(m_app, qOverload<const QString &>(&EpirbApp::readbackFailed), &loop, [&] { finish(false); });
    connect(m_app, qOverload<const QString &>(&EpirbApp::writeFailed), &loop, [&] { finish(false); });
    // Until the beacon's first sync the link waits indefinitely: bound that wait here. A
    // write that stopped at a question before the link started waits for the beacon again.
    connect(m_app, &EpirbApp::progStatusChanged, &loop, [&] {
        answered = m_app->progStatus() != EpirbApp::tr("Waiting for connection...");
    });
    QTimer noBeacon;
    noBeacon.setSingleShot(true);
    connect(&noBeacon, &QTimer::timeout, &loop, [&] {
        if (answered)
            return;
        m_app->stopEpirbReceive();
        m_app->setProgStatusText(QStringLiteral("No beacon answered within %1 s").arg(waitSeconds));
        m_app->setProgStatusError(true);
        finish(false);
    });
    noBeacon.start(waitSeconds * 1000);

    start(m_app);
    // Some refusals end the operation before it reaches the link.
    if (!done)
        loop.exec();
    if (!done)
        m_finalStatus = m_app->progStatus();
    drawProgress(true);
    return ok;
}

void BeaconRun::drawProgress(bool final)
{
    const int width = 30;
    const double percent = qBound(0.0, m_app->progProgress(), 100.0);
    const int filled = int(percent * width / 100.0 + 0.5);
    const QString status = final ? m_finalStatus : m_app->progStatus();
    if (!final && (status.isEmpty() || (int(percent) == m_lastPercent && status == m_lastStatus)))
        return;
    m_lastPercent = int(percent);
    m_lastStatus = status;
    const QByteArray line = QStringLiteral("\r[%1%2] %3% %4")
                                .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
                                .arg(int(percent), 3)
                                .arg(status.leftJustified(40))
                                .toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    if (final)
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool BeaconRun::takeLinkOptions(QStringList &args, QString &port, int &waitSeconds, QString &error)
{
    port.clear();
    waitSeconds = 60;
    for (int i = 0; i < args.size();) {
        const QString a = args.at(i);
        if (a != QLatin1String("--port") && a != QLatin1String("--wait")) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + QStringLiteral(" needs a value");
            return false;
        }
        const QString value = args.at(i + 1);
        args.remove(i, 2);
        if (a == QLatin1String("--port")) {
            port = value;
        } else {
            bool ok = false;
            waitSeconds = value.toInt(&ok);
            if (!ok || waitSeconds <= 0) {
                error = QStringLiteral("--wait takes a positive number of seconds");
                return false;
            }
        }
    }
    if (port.isEmpty()) {
        error = QStringLiteral("--port PATH is required");
        return false;
    }
    return true;
}

void BeaconRun::quietLog()
{
    cli::installMessageFilter();
}
