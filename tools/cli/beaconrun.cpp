#include "beaconrun.h"

#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "session/programmingsession.h"
#include "session/stationservices.h"
#include "clicommand.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

BeaconRun::BeaconRun(const QString &port, const Options &options, QObject *parent)
    : QObject(parent)
    , m_current(new EpirbConfig(this))
    , m_pending(new EpirbConfig(this))
{
    // The window's settings rule the command line too: the protocols enabled, whether a
    // protocol serial may differ from the beacon's.
    ConfigTables *tables = ConfigTables::instance(this);
    tables->setTestProtocolAllowed(options.testProtocol);
    tables->setSerialOverrideAllowed(QSettings().value(QStringLiteral("SerialOverrideAllowed"), false).toBool());
    m_pending->setBeaconType(ConfigTables::E_Skua11A);

    StationServices::Setup setup;
    setup.current = m_current;
    setup.pending = m_pending;
    setup.portName = port;
    setup.appDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList appData = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    setup.appDataDir = appData.isEmpty() ? QString() : appData.first();
    setup.territoryName = QLocale::territoryToString(QLocale::system().territory());
    setup.session.version = EpirbApp::shortVersion(QCoreApplication::applicationVersion());
    setup.session.skipReadback = options.skipReadback;
    setup.session.production = options.production;
    m_services = std::make_unique<StationServices>(this, setup);
    m_session = m_services->session();
    connect(m_session, &ProgrammingSession::progressChanged, this, [this] { drawProgress(false); });
    connect(m_session, &ProgrammingSession::statusTextChanged, this, [this] { drawProgress(false); });
}

BeaconRun::~BeaconRun()
{
    m_services.reset();
}

QString BeaconRun::status() const
{
    return m_finalStatus;
}

bool BeaconRun::run(const std::function<void(ProgrammingSession *)> &start, int waitSeconds)
{
    QEventLoop loop;
    bool ok = false;
    bool done = false;
    m_notStored = false;
    auto finish = [&](bool success) {
        if (done)
            return;
        // Link events already on their way must not rewrite the outcome.
        m_finalStatus = m_session->statusText();
        m_succeeded = success;
        ok = success && !m_session->statusError();
        done = true;
        loop.quit();
    };
    connect(m_session, &ProgrammingSession::readFinished, &loop, [&](bool success) { finish(success); });
    connect(m_session, &ProgrammingSession::bootLogFinished, &loop, [&](bool success) { finish(success); });
    connect(m_session, &ProgrammingSession::writeFinished, &loop, [&](ProgrammingSession::WriteOutcome outcome) {
        m_notStored = outcome == ProgrammingSession::WriteOutcome::VerifiedNotStored;
        finish(outcome == ProgrammingSession::WriteOutcome::Verified || m_notStored);
    });
    // Until the beacon's first sync the link waits indefinitely: bound that wait here. A
    // write that stopped at a question before the link started waits for the beacon again.
    QTimer noBeacon;
    noBeacon.setSingleShot(true);
    connect(&noBeacon, &QTimer::timeout, &loop, [&] {
        if (m_session->phase() != ProgrammingSession::Phase::WaitingForBeacon)
            return;
        m_session->stop();
        m_session->setStatus(QStringLiteral("No beacon answered within %1 s").arg(waitSeconds), true);
        finish(false);
    });
    noBeacon.start(waitSeconds * 1000);

    start(m_session);
    // Some refusals end the operation before it reaches the link.
    if (!done)
        loop.exec();
    if (!done)
        m_finalStatus = m_session->statusText();
    drawProgress(true);
    return ok;
}

void BeaconRun::drawProgress(bool final)
{
    const int width = 30;
    const double percent = qBound(0.0, m_session->progress(), 100.0);
    const int filled = int(percent * width / 100.0 + 0.5);
    const QString status = final ? m_finalStatus : m_session->statusText();
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
