#include "registeroutbox.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
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
    reload();
    if (m_database) {
        connect(m_database, &DatabaseIfc::endResetModel, this, &RegisterOutbox::statusChanged);
    }
}

RegisterOutbox::~RegisterOutbox()
{
    if (s_instance == this)
        s_instance = nullptr;
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
    if (!(c == m_connection) || !m_register) {
        m_connection = c;
        m_register.reset();
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

void RegisterOutbox::dropSuperseded(const DatabaseFile::RecordList &sent)
{
    const QString path = supersededPath();
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lockSuperseded(lock))
        return; // kept: the register keeps one row of each when they are sent again
    QSet<QString> keys;
    for (const auto &record : sent)
        keys.insert(SharedRegister::programmingKey(*record));
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

void RegisterOutbox::beforeReplacing(const EpirbConfig &incoming)
{
    if (!m_database)
        return;
    for (int i = 0; i < m_database->count(); ++i) {
        const EpirbConfig *stored = m_database->beaconAt(i);
        if (!stored->registerPending() || DatabaseFile::identity(*stored) != DatabaseFile::identity(incoming))
            continue;
        QLockFile lock(supersededPath() + QStringLiteral(".lock"));
        lockSuperseded(lock); // written even so: losing the programming is worse than a race
        DatabaseFile::RecordList kept = superseded();
        auto copy = std::make_unique<EpirbConfig>();
        copy->copyFrom(*stored);
        kept.push_back(std::move(copy));
        QString error;
        if (!DatabaseFile::writeFile(supersededPath(), DatabaseFile::encode(kept), &error))
            qWarning().noquote() << QStringLiteral("Register: a waiting programming of %1 could not be kept aside: %2")
                                        .arg(stored->beaconSerial(), error);
        return;
    }
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

void RegisterOutbox::setError(const QString &error)
{
    if (!error.isEmpty() && error != m_error)
        qWarning().noquote() << error;
    m_error = error;
    m_connected = error.isEmpty() && m_register && m_register->isOpen();
    emit statusChanged();
}

SharedRegister *RegisterOutbox::reg()
{
    if (!m_register)
        m_register = std::make_unique<SharedRegister>(m_connection);
    return m_register.get();
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
    m_register.reset();
    reload();
    return QString();
}

bool RegisterOutbox::checkConnection()
{
    if (!isSetUp()) {
        setError(QString());
        return false;
    }
    SharedRegister *r = reg();
    setError(r->open() ? QString() : r->lastError());
    return m_connected;
}

int RegisterOutbox::sendNow()
{
    if (!isSetUp() || !m_database) {
        setError(QString());
        return 0;
    }
    SharedRegister *r = reg();
    std::vector<const EpirbConfig *> waiting = m_database->registerWaiting();
    // What is sent, as it is now: a note edited while the server answers is sent next time.
    QHash<QString, QString> sentNotes;
    for (const EpirbConfig *record : waiting)
        sentNotes.insert(SharedRegister::programmingKey(*record), DatabaseIfc::registerNotes(*record));
    // Earlier programmings of beacons programmed again since go first, in the same transaction.
    const DatabaseFile::RecordList aside = superseded();
    std::vector<const EpirbConfig *> all;
    for (const auto &record : aside)
        all.push_back(record.get());
    all.insert(all.end(), waiting.begin(), waiting.end());
    int sent = 0;
    if (!(all.empty() ? r->open() : r->send(all, &sent))) {
        setError(r->lastError());
        return -1;
    }
    if (!aside.empty())
        dropSuperseded(aside);
    if (!all.empty()) {
        qInfo().noquote() << QStringLiteral("Register: %1 of %2 waiting records sent to %3")
                                 .arg(sent)
                                 .arg(all.size())
                                 .arg(m_connection.describe());
        // Not on disk yet: they are sent again later, and the register keeps one row each.
        if (!m_database->markSentToRegister(sentNotes)) {
            setError(tr("Register: the records were sent, but the local database could not note it: %1")
                         .arg(m_database->writeProblem()));
            return sent;
        }
    }
    setError(QString());
    return sent;
}

bool RegisterOutbox::claim(const QString &hexId, int model, const QString &serial, const QString &station,
                           const QString &operatorName, QList<SharedRegister::Entry> *others, QString *error,
                           bool reserve)
{
    if (!isSetUp()) {
        others->clear();
        return true;
    }
    SharedRegister *r = reg();
    const bool ok = r->claim(hexId, model, serial, station, operatorName, others, reserve);
    setError(ok ? QString() : r->lastError());
    if (error)
        *error = ok ? QString() : r->lastError();
    if (ok && reserve) {
        const bool held = std::any_of(m_claims.cbegin(), m_claims.cend(), [&](const Claim &c) {
            return c.hexId == hexId && c.model == model && c.serial == serial;
        });
        if (!held)
            m_claims.append({ hexId, model, serial });
    }
    return ok;
}

void RegisterOutbox::writeEnded(bool verified)
{
    const QList<Claim> claims = std::exchange(m_claims, {});
    if (verified || claims.isEmpty() || !isSetUp())
        return;
    SharedRegister *r = reg();
    for (const Claim &c : claims) {
        if (r->release(c.hexId, c.model, c.serial))
            continue;
        // Left to expire on its own.
        qWarning().noquote() << QStringLiteral("Register: the reservation of %1 could not be given up (%2); it "
                                               "expires within %3 minutes")
                                    .arg(c.hexId, r->lastError())
                                    .arg(SharedRegister::kClaimLifetimeS / 60);
    }
}

bool RegisterOutbox::who(const QString &hexId, QList<SharedRegister::Entry> *entries, QString *error)
{
    entries->clear();
    if (!isSetUp()) {
        if (error)
            *error = tr("Register: no register is set up.");
        return false;
    }
    SharedRegister *r = reg();
    const bool ok = r->who(hexId, entries);
    setError(ok ? QString() : r->lastError());
    if (error)
        *error = ok ? QString() : r->lastError();
    return ok;
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
        if (!claim(hexId, type.toInt(), serial, station, operatorName, &others, error, reserve))
            return holders;
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
