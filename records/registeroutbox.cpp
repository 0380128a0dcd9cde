#include "registeroutbox.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"
#include "records/registerline.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QSettings>

#include <algorithm>
#include <optional>
#include <utility>

RegisterOutbox *RegisterOutbox::s_instance = nullptr;

namespace {
std::optional<SharedRegister::Connection> &connectionOverride()
{
    static std::optional<SharedRegister::Connection> c;
    return c;
}

QVariant registerSetting(const char *key, const QVariant &fallback = {})
{
    return QSettings().value(QStringLiteral("Register/") + QLatin1String(key), fallback);
}
} // namespace

RegisterOutbox::RegisterOutbox(DatabaseIfc *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &RegisterOutbox::sendInBackground);
    reload();
    if (m_database) {
        connect(m_database, &DatabaseIfc::endResetModel, this, &RegisterOutbox::statusChanged);
        // Whatever takes a waiting programming out of the database (programming the beacon
        // again, delete, import, restore), the register still gets it.
        m_database->setKeepWaiting([this](const EpirbConfig &waiting) { keepAside(waiting); });
    }
}

RegisterOutbox::~RegisterOutbox()
{
    if (s_instance == this)
        s_instance = nullptr;
    if (m_database)
        m_database->setKeepWaiting({});
    // Jobs in hand (a release, a send) end first: each is bounded by the connection's timeouts.
    delete m_line;
}

RegisterOutbox *RegisterOutbox::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new RegisterOutbox(DatabaseIfc::instance(parent), parent);
    return s_instance;
}

void RegisterOutbox::setConnectionOverride(const SharedRegister::Connection &connection)
{
    connectionOverride() = connection;
    if (s_instance)
        s_instance->reload();
}

void RegisterOutbox::reload()
{
    const SharedRegister::Connection c = connectionOverride() ? *connectionOverride()
                                                              : SharedRegister::Connection::fromSettings();
    if (!(c == m_connection)) {
        m_connection = c;
        retireLine();
        m_connected = false;
        m_error.clear();
    }
    emit settingsChanged();
    emit statusChanged();
}

bool RegisterOutbox::enabled() const
{
    return registerSetting("Enabled", false).toBool();
}
QString RegisterOutbox::service() const
{
    return registerSetting("Service").toString();
}
QString RegisterOutbox::host() const
{
    return registerSetting("Host").toString();
}
int RegisterOutbox::port() const
{
    return registerSetting("Port", 0).toInt();
}
QString RegisterOutbox::database() const
{
    return registerSetting("Database").toString();
}
QString RegisterOutbox::user() const
{
    return registerSetting("User").toString();
}

int RegisterOutbox::waitingCount() const
{
    return (m_database ? m_database->registerWaitingCount() : 0) + int(superseded().size());
}

QString RegisterOutbox::supersededPath() const
{
    if (!m_database || m_database->databasePath().isEmpty())
        return QString();
    return QFileInfo(m_database->databasePath()).absolutePath() + QStringLiteral("/RegisterWaiting.db");
}

DatabaseFile::RecordList RegisterOutbox::superseded(QString *error) const
{
    const QString path = supersededPath();
    QByteArray bytes;
    bool exists = false;
    if (path.isEmpty() || !DatabaseFile::readFile(path, bytes, exists, error) || !exists)
        return {};
    return DatabaseFile::decode(bytes).records;
}

bool RegisterOutbox::lockSuperseded(QLockFile &lock) const
{
    // Another program of this station (the window and the command line) may change it too.
    lock.setStaleLockTime(30000);
    if (lock.tryLock(10000))
        return true;
    qWarning().noquote() << QStringLiteral("Register: %1 is held by another program").arg(supersededPath());
    return false;
}

void RegisterOutbox::dropSuperseded(const QSet<QString> &keys)
{
    const QString path = supersededPath();
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lockSuperseded(lock))
        return; // kept: the register keeps one row of each when they are sent again
    // Only what was sent goes: one set aside while this was sending stays.
    DatabaseFile::RecordList kept = superseded();
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [&keys](const auto &r) { return keys.contains(SharedRegister::programmingKey(*r)); }),
               kept.end());
    QString error;
    if (kept.empty())
        QFile::remove(path);
    else if (!DatabaseFile::writeFile(path, DatabaseFile::encode(kept), &error))
        qWarning().noquote() << QStringLiteral("Register: %1 could not be written: %2").arg(path, error);
}

void RegisterOutbox::keepAside(const EpirbConfig &waiting)
{
    QLockFile lock(supersededPath() + QStringLiteral(".lock"));
    lockSuperseded(lock); // written even so: losing the programming is worse than a race
    DatabaseFile::RecordList kept = superseded();
    auto copy = std::make_unique<EpirbConfig>();
    copy->copyFrom(waiting);
    copy->setRegisterPending(true);
    kept.push_back(std::move(copy));
    QString error;
    if (!DatabaseFile::writeFile(supersededPath(), DatabaseFile::encode(kept), &error))
        qWarning().noquote() << QStringLiteral("Register: a waiting programming of %1 could not be kept aside: %2")
                                    .arg(waiting.beaconSerial(), error);
    else
        qInfo().noquote() << QStringLiteral("Register: the waiting programming of PLB %1 is kept in %2 until it is sent")
                                 .arg(waiting.beaconSerial(), supersededPath());
}

QString RegisterOutbox::waitingText() const
{
    return tr("%1 waiting").arg(waitingCount());
}

QString RegisterOutbox::statusText() const
{
    if (!m_error.isEmpty())
        return m_error;
    if (!isSetUp())
        return waitingCount() ? waitingText() : tr("Register: off");
    if (waitingCount())
        return waitingText();
    return m_connected ? tr("Register: connected") : tr("Register: not connected yet");
}

void RegisterOutbox::setError(const QString &error, bool connected)
{
    if (!error.isEmpty() && error != m_error)
        qWarning().noquote() << error;
    m_error = error;
    m_connected = error.isEmpty() && connected;
    emit statusChanged();
}

RegisterLine *RegisterOutbox::line()
{
    if (!m_line)
        m_line = new RegisterLine(m_connection);
    return m_line;
}

void RegisterOutbox::retireLine()
{
    if (!m_line)
        return;
    // Not waited for: the old server may be the one that hangs.
    std::exchange(m_line, nullptr)->retire();
    ++m_lineGeneration;
    m_answer.reset();
    m_claims.clear();
    m_sendRunning = false;
    m_sendAgain = false;
}

QString RegisterOutbox::applySettings(bool enabled, const QString &service, const QString &host, int port,
                                      const QString &database, const QString &user)
{
    if (enabled && service.trimmed().isEmpty() && host.trimmed().isEmpty() && database.trimmed().isEmpty())
        return tr("Give a service name, or a host and a database.");
    if (port < 0 || port > 65535)
        return tr("The port is a number from 1 to 65535.");
    QSettings settings;
    settings.beginGroup(QStringLiteral("Register"));
    settings.setValue(QStringLiteral("Enabled"), enabled);
    settings.setValue(QStringLiteral("Service"), service.trimmed());
    settings.setValue(QStringLiteral("Host"), host.trimmed());
    settings.setValue(QStringLiteral("Port"), port);
    settings.setValue(QStringLiteral("Database"), database.trimmed());
    settings.setValue(QStringLiteral("User"), user.trimmed());
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return tr("The settings could not be written.");
    retireLine();
    reload();
    return QString();
}

void RegisterOutbox::checkConnection()
{
    if (!isSetUp()) {
        setError(QString());
        return;
    }
    const int generation = m_lineGeneration;
    line()->post<SendResult>(
        [](SharedRegister &r) {
            SendResult result;
            result.ok = r.open();
            result.error = r.lastError();
            return result;
        },
        this, [this, generation](const SendResult &result) {
            if (generation == m_lineGeneration)
                setError(result.ok ? QString() : result.error, result.ok);
        });
}

// What one send carries, copied: the database may change while the register answers.
struct RegisterOutbox::SendJob
{
    DatabaseFile::RecordList records; // the ones set aside first, then those waiting
    QSet<QString> asideKeys;
    // What is sent, as it is now: a note edited while the server answers is sent next time.
    QHash<QString, QString> sentNotes;
};

std::shared_ptr<RegisterOutbox::SendJob> RegisterOutbox::prepareSend() const
{
    auto job = std::make_shared<SendJob>();
    // Earlier programmings of beacons programmed again since go first, in the same transaction.
    job->records = superseded();
    for (const auto &record : job->records)
        job->asideKeys.insert(SharedRegister::programmingKey(*record));
    for (const EpirbConfig *record : m_database->registerWaiting()) {
        job->sentNotes.insert(SharedRegister::programmingKey(*record), DatabaseIfc::registerNotes(*record));
        auto copy = std::make_unique<EpirbConfig>();
        copy->copyFrom(*record);
        job->records.push_back(std::move(copy));
    }
    return job;
}

RegisterOutbox::SendResult RegisterOutbox::runSend(SharedRegister &r, const SendJob &job)
{
    SendResult result;
    std::vector<const EpirbConfig *> all;
    for (const auto &record : job.records)
        all.push_back(record.get());
    result.ok = all.empty() ? r.open() : r.send(all, &result.sent, &result.rejected);
    result.error = r.lastError();
    return result;
}

int RegisterOutbox::finishSend(const SendJob &job, const SendResult &result)
{
    if (!result.ok) {
        setError(result.error);
        if (m_retrying) {
            m_backoffMs = m_backoffMs ? std::min(2 * m_backoffMs, 300000) : 5000;
            m_retry.start(m_backoffMs);
        }
        return -1;
    }
    m_backoffMs = 0;
    m_retry.stop();
    // A programming the server refused keeps waiting here, with the reason said; the others went.
    QSet<QString> asideSent = job.asideKeys;
    QHash<QString, QString> sentNotes = job.sentNotes;
    for (const SharedRegister::Rejected &r : result.rejected) {
        asideSent.remove(r.key);
        sentNotes.remove(r.key);
    }
    if (!asideSent.isEmpty())
        dropSuperseded(asideSent);
    if (!job.records.empty()) {
        qInfo().noquote() << QStringLiteral("Register: %1 of %2 waiting records sent to %3")
                                 .arg(result.sent)
                                 .arg(job.records.size())
                                 .arg(m_connection.describe());
        // Not on disk yet: they are sent again later, and the register keeps one row each.
        if (!m_database->markSentToRegister(sentNotes)) {
            setError(tr("Register: the records were sent, but the local database could not note it: %1")
                         .arg(m_database->writeProblem()),
                     true);
            return result.sent;
        }
    }
    if (!result.rejected.isEmpty()) {
        setError(tr("Register: %n programming(s) refused by the register and kept waiting here; PLB %1: %2", nullptr,
                    int(result.rejected.size()))
                     .arg(result.rejected.first().serial, result.rejected.first().reason),
                 true);
        return result.sent;
    }
    setError(QString(), true);
    return result.sent;
}

int RegisterOutbox::sendNow()
{
    if (!isSetUp() || !m_database) {
        setError(QString());
        return 0;
    }
    const std::shared_ptr<SendJob> job = prepareSend();
    const SendResult result = line()->call<SendResult>([&job](SharedRegister &r) { return runSend(r, *job); });
    const int sent = finishSend(*job, result);
    emit sendFinished(sent);
    return sent;
}

void RegisterOutbox::sendInBackground()
{
    if (!isSetUp() || !m_database) {
        setError(QString());
        return;
    }
    if (m_sendRunning) {
        m_sendAgain = true;
        return;
    }
    m_sendRunning = true;
    m_retry.stop();
    emit statusChanged();
    const std::shared_ptr<SendJob> job = prepareSend();
    const int generation = m_lineGeneration;
    line()->post<SendResult>([job](SharedRegister &r) { return runSend(r, *job); }, this,
                             [this, job, generation](const SendResult &result) {
                                 if (generation != m_lineGeneration)
                                     return; // sent to a register given up since
                                 m_sendRunning = false;
                                 const int sent = finishSend(*job, result);
                                 emit sendFinished(sent);
                                 if (std::exchange(m_sendAgain, false))
                                     sendInBackground();
                             });
}

void RegisterOutbox::waitForSends()
{
    QEventLoop loop;
    while (m_sendRunning || (m_line && m_line->jobsInHand() > 0)) {
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void RegisterOutbox::setRetrying(bool on)
{
    m_retrying = on;
    if (!on)
        m_retry.stop();
}

void RegisterOutbox::takeClaim(const Answer &answer, QList<SharedRegister::Entry> *others, QString *error)
{
    *others = answer.others;
    setError(answer.ok ? QString() : answer.error, answer.ok);
    if (error)
        *error = answer.ok ? QString() : answer.error;
    if (answer.ok && answer.reserve) {
        const bool held = std::any_of(m_claims.cbegin(), m_claims.cend(), [&](const Claim &c) {
            return c.hexId == answer.hexId && c.model == answer.model && c.serial == answer.serial;
        });
        if (!held)
            m_claims.append({ answer.hexId, answer.model, answer.serial });
    }
}

bool RegisterOutbox::claim(const QString &hexId, int model, const QString &serial, const QString &station,
                           const QString &operatorName, QList<SharedRegister::Entry> *others, QString *error,
                           bool reserve)
{
    if (!isSetUp()) {
        others->clear();
        return true;
    }
    Answer answer = line()->call<Answer>([&](SharedRegister &r) {
        Answer a;
        a.ok = r.claim(hexId, model, serial, station, operatorName, &a.others, reserve);
        a.error = r.lastError();
        return a;
    });
    answer.hexId = hexId;
    answer.model = model;
    answer.serial = serial;
    answer.reserve = reserve;
    takeClaim(answer, others, error);
    return answer.ok;
}

void RegisterOutbox::askAhead(const QString &hexId, int model, const QString &serial, bool reserve,
                              QObject *context, std::function<void()> done)
{
    dropAnswer();
    if (!isSetUp()) {
        done();
        return;
    }
    const ConfigTables *tables = ConfigTables::instance(nullptr);
    const QString station = tables->progStation();
    const QString operatorName = tables->operatorName();
    const int generation = m_lineGeneration;
    const int ask = ++m_askGeneration;
    const QPointer<QObject> asker(context);
    line()->post<Answer>(
        [=](SharedRegister &r) {
            Answer a;
            a.hexId = hexId;
            a.model = model;
            a.serial = serial;
            a.reserve = reserve;
            a.ok = r.claim(hexId, model, serial, station, operatorName, &a.others, reserve);
            a.error = r.lastError();
            return a;
        },
        this, [this, generation, ask, asker, done](const Answer &answer) {
            if (generation != m_lineGeneration)
                return;
            if (ask != m_askGeneration) {
                // Asked again or given up meanwhile: this reservation serves no write.
                if (answer.ok && answer.reserve)
                    writeEndedFor(answer.hexId, answer.model, answer.serial);
                return;
            }
            m_answer = answer;
            if (asker)
                done();
        });
}

void RegisterOutbox::dropAnswer()
{
    ++m_askGeneration;
    if (!m_answer)
        return;
    const Answer answer = *std::exchange(m_answer, std::nullopt);
    if (answer.ok && answer.reserve)
        writeEndedFor(answer.hexId, answer.model, answer.serial);
}

void RegisterOutbox::writeEndedFor(const QString &hexId, int model, const QString &serial)
{
    const bool held = std::any_of(m_claims.cbegin(), m_claims.cend(), [&](const Claim &c) {
        return c.hexId == hexId && c.model == model && c.serial == serial;
    });
    if (held || !isSetUp())
        return; // a write in hand still holds it
    line()->post<QString>(
        [=](SharedRegister &r) { return r.release(hexId, model, serial) ? QString() : r.lastError(); }, this,
        [hexId](const QString &error) {
            if (!error.isEmpty())
                qWarning().noquote() << QStringLiteral("Register: the reservation of %1 could not be given up (%2); "
                                                       "it expires within %3 minutes")
                                            .arg(hexId, error)
                                            .arg(SharedRegister::kClaimLifetimeS / 60);
        });
}

void RegisterOutbox::writeEnded(bool verified)
{
    const QList<Claim> claims = std::exchange(m_claims, {});
    if (verified || claims.isEmpty() || !isSetUp())
        return;
    // Not waited for; the command line waits for the line before it ends.
    for (const Claim &c : claims)
        writeEndedFor(c.hexId, c.model, c.serial);
}

bool RegisterOutbox::who(const QString &hexId, QList<SharedRegister::Entry> *entries, QString *error)
{
    entries->clear();
    if (!isSetUp()) {
        if (error)
            *error = tr("Register: no register is set up.");
        return false;
    }
    struct Found
    {
        bool ok = false;
        QList<SharedRegister::Entry> entries;
        QString error;
    };
    const Found found = line()->call<Found>([&hexId](SharedRegister &r) {
        Found f;
        f.ok = r.who(hexId, &f.entries);
        f.error = r.lastError();
        return f;
    });
    *entries = found.entries;
    setError(found.ok ? QString() : found.error, found.ok);
    if (error)
        *error = found.ok ? QString() : found.error;
    return found.ok;
}

DuplicateGuard::ExtraLookup RegisterOutbox::duplicateLookup()
{
    return [this](const QString &hexId, const QString &type, const QString &serial, bool reserve, QString *error) {
        QList<DuplicateGuard::Holder> holders;
        if (error)
            error->clear();
        if (!isSetUp())
            return holders;
        // The reservation names this station as the options do at the moment of asking.
        const ConfigTables *tables = ConfigTables::instance(nullptr);
        const QString station = tables->progStation();
        const QString operatorName = tables->operatorName();
        QList<SharedRegister::Entry> others;
        const bool asked = m_answer && m_answer->hexId == hexId && m_answer->model == type.toInt()
            && m_answer->serial == serial && m_answer->reserve == reserve;
        if (asked) {
            const Answer answer = *std::exchange(m_answer, std::nullopt);
            takeClaim(answer, &others, error);
            if (!answer.ok)
                return holders;
        } else if (!claim(hexId, type.toInt(), serial, station, operatorName, &others, error, reserve)) {
            return holders;
        }
        for (const SharedRegister::Entry &e : std::as_const(others)) {
            DuplicateGuard::Holder h;
            h.beaconType = e.model;
            h.model = ConfigTables::instance(nullptr)->beaconLongName(e.model);
            h.serial = e.serial;
            h.progDate = e.progDate.isValid() ? e.progDate : e.recorded.date();
            h.station = e.station;
            h.operatorName = e.operatorName;
            h.foundIn = e.claimOnly ? tr("shared register, being programmed") : tr("shared register");
            holders << h;
        }
        return holders;
    };
}
