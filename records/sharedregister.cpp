#include "sharedregister.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databasefile.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>

#include <memory>

namespace {

const char kDriver[] = "QPSQL";
// Serialises creating and upgrading the tables between stations starting at once.
const qint64 kSchemaLock = 0x51756f72766b31; // "Quorvk1"

QAtomicInt g_connectionCounter;

// libpq's conninfo quoting: single quotes around, backslash before ' and \.
QString conninfoValue(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

// Text columns are NOT NULL: a null QString binds as NULL, an empty one as ''.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

// The first line of what the server or libpq said.
QString firstLine(const QString &text)
{
    const QString t = text.trimmed();
    const int nl = t.indexOf(QLatin1Char('\n'));
    return (nl < 0 ? t : t.left(nl)).trimmed();
}

// The statements of docs/register.sql (compiled in), one at a time.
QStringList createStatements()
{
    QFile file(QStringLiteral(":/quorvik/register.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    QString current;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    return statements;
}

} // namespace

// ---------------------------------------------------------------------------

QString SharedRegister::Connection::describe() const
{
    if (!service.isEmpty())
        return QStringLiteral("service %1").arg(service);
    QString text = user.isEmpty() ? QString() : user + QLatin1Char('@');
    text += host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port > 0)
        text += QLatin1Char(':') + QString::number(port);
    if (!database.isEmpty())
        text += QLatin1Char('/') + database;
    return text;
}

bool SharedRegister::Connection::operator==(const Connection &o) const
{
    return service == o.service && host == o.host && port == o.port && database == o.database && user == o.user;
}

namespace {

// What was given, as it may be shown: a password in it (URL or key=value) becomes ***.
QString withoutPassword(const QString &given)
{
    QString shown = given;
    static const QRegularExpression inUrl(QStringLiteral("(://[^/?#@:]*):[^/?#@]*@"));
    static const QRegularExpression asKey(QStringLiteral("(password\\s*=\\s*)('[^']*'|\\S+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression asQuery(QStringLiteral("([?&]password=)[^&#]*"),
                                            QRegularExpression::CaseInsensitiveOption);
    shown.replace(inUrl, QStringLiteral("\\1:***@"));
    shown.replace(asKey, QStringLiteral("\\1***"));
    shown.replace(asQuery, QStringLiteral("\\1***"));
    return shown;
}

} // namespace

SharedRegister::Connection SharedRegister::Connection::parse(const QString &serviceOrUrl, QString *error)
{
    Connection c;
    if (error)
        error->clear();
    const QString text = serviceOrUrl.trimmed();
    const QString shown = withoutPassword(text);
    if (!text.startsWith(QLatin1String("postgresql://")) && !text.startsWith(QLatin1String("postgres://"))) {
        if (text.isEmpty() || text.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('='))) {
            if (error)
                *error = QStringLiteral("\"%1\" is neither a service name nor a postgresql:// address").arg(shown);
            return {};
        }
        c.service = text;
        return c;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        // QUrl's own message quotes the address; the one without its password says the same.
        if (error)
            *error = QStringLiteral("\"%1\" is not a valid address: %2")
                         .arg(shown, withoutPassword(QUrl(shown, QUrl::StrictMode).errorString()));
        return {};
    }
    c.host = url.host();
    c.port = url.port(0);
    c.user = url.userName();
    c.database = url.path().mid(1);
    if (!url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password"))) {
        if (error)
            *error = QStringLiteral("the address carries a password: give it in ~/.pgpass or the service file instead");
        return {};
    }
    const QUrlQuery query(url);
    // A socket folder cannot be a URL host: libpq takes it as ?host=/folder.
    if (query.hasQueryItem(QStringLiteral("host")))
        c.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (c.host.isEmpty() && c.database.isEmpty()) {
        if (error)
            *error = QStringLiteral("\"%1\" names neither a host nor a database").arg(shown);
        return {};
    }
    return c;
}

SharedRegister::Connection SharedRegister::Connection::fromSettings()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Register"));
    if (!settings.value(QStringLiteral("Enabled"), false).toBool())
        return {};
    Connection c;
    c.service = settings.value(QStringLiteral("Service")).toString().trimmed();
    if (c.service.isEmpty()) {
        c.host = settings.value(QStringLiteral("Host")).toString().trimmed();
        c.port = settings.value(QStringLiteral("Port"), 0).toInt();
        c.database = settings.value(QStringLiteral("Database")).toString().trimmed();
        c.user = settings.value(QStringLiteral("User")).toString().trimmed();
    }
    return c;
}

// ---------------------------------------------------------------------------

SharedRegister::SharedRegister(const Connection &connection)
    : m_connection(connection)
    , m_connectionName(QStringLiteral("quorvik-register-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1)))
{
}

SharedRegister::~SharedRegister()
{
    close();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool SharedRegister::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void SharedRegister::close()
{
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::database(m_connectionName, false).close();
    m_schemaVersion = 0;
}

bool SharedRegister::fail(const QString &text)
{
    m_error = text;
    return false;
}

QString SharedRegister::explain(const QSqlError &error) const
{
    QString said = firstLine(error.databaseText().isEmpty() ? error.text() : error.databaseText());
    if (said.isEmpty())
        said = firstLine(error.driverText());
    if (said.isEmpty())
        said = QStringLiteral("the server gave no reason");
    const QString lower = said.toLower();
    const QString where = m_connection.describe();
    if (lower.contains(QLatin1String("password authentication failed"))
        || lower.contains(QLatin1String("no password supplied"))
        || lower.contains(QLatin1String("authentication failed"))
        || (lower.contains(QLatin1String("role")) && lower.contains(QLatin1String("does not exist"))))
        return QStringLiteral("Register: the server at %1 refused the user name or password (%2). "
                              "Give the password in ~/.pgpass or the service file.")
            .arg(where, said);
    if (lower.contains(QLatin1String("could not connect")) || lower.contains(QLatin1String("connection refused"))
        || lower.contains(QLatin1String("could not translate host name"))
        || lower.contains(QLatin1String("timeout expired")) || lower.contains(QLatin1String("no such file"))
        || lower.contains(QLatin1String("server closed the connection"))
        || lower.contains(QLatin1String("terminating connection")) || lower.contains(QLatin1String("no connection"))
        || lower.contains(QLatin1String("connection to server")))
        return QStringLiteral("Register: cannot reach the server at %1 (%2).").arg(where, said);
    if (lower.contains(QLatin1String("definition of service")))
        return QStringLiteral("Register: the service file has no service \"%1\" (%2).").arg(m_connection.service, said);
    return QStringLiteral("Register: %1 (%2).").arg(said, where);
}

bool SharedRegister::failSql(const QSqlError &error)
{
    m_error = explain(error);
    // A connection that broke is opened again on the next call.
    const QString lower = m_error.toLower();
    if (lower.contains(QLatin1String("cannot reach")) || !isOpen())
        close();
    return false;
}

bool SharedRegister::open()
{
    m_error.clear();
    if (isOpen())
        return true;
    if (!m_connection.isSet())
        return fail(QStringLiteral("Register: no register is set up."));
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(kDriver)))
        return fail(QStringLiteral("Register: Qt's PostgreSQL driver is not installed (Debian package libqt6sql6-psql)."));
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), m_connectionName);
    QStringList options{ QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutS),
                         QStringLiteral("application_name=%1").arg(conninfoValue(QStringLiteral("Quorvik PLB"))),
                         QStringLiteral("keepalives=1"),
                         QStringLiteral("keepalives_idle=5"),
                         QStringLiteral("keepalives_interval=2"),
                         QStringLiteral("keepalives_count=3"),
                         QStringLiteral("tcp_user_timeout=%1").arg(kLineLostMs),
                         QStringLiteral("options=%1").arg(conninfoValue(
                             QStringLiteral("-c statement_timeout=%1").arg(kStatementTimeoutMs))) };
    if (!m_connection.service.isEmpty()) {
        options.prepend(QStringLiteral("service=%1").arg(conninfoValue(m_connection.service)));
    } else {
        db.setHostName(m_connection.host);
        db.setPort(m_connection.port > 0 ? m_connection.port : -1);
        db.setDatabaseName(m_connection.database);
        db.setUserName(m_connection.user);
    }
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open())
        return failSql(db.lastError());
    return ensureSchema();
}

bool SharedRegister::ensureSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return failSql(db.lastError());
    QSqlQuery q(db);
    const auto rollback = [&db, this](const QSqlError &error) {
        const bool result = failSql(error);
        db.rollback();
        return result;
    };
    if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSchemaLock)))
        return rollback(q.lastError());
    if (!q.exec(QStringLiteral("SELECT to_regclass('public.quorvik_schema') IS NOT NULL")) || !q.next())
        return rollback(q.lastError());
    int version = 0;
    if (q.value(0).toBool()) {
        if (!q.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM public.quorvik_schema")) || !q.next())
            return rollback(q.lastError());
        version = q.value(0).toInt();
    }
    if (version > kSchemaVersion) {
        db.rollback();
        m_schemaVersion = version;
        const QString text = QStringLiteral("Register: its tables are of version %1, newer than this program knows (%2); "
                                            "nothing is sent to it until the program is updated.")
                                 .arg(version)
                                 .arg(kSchemaVersion);
        close();
        m_schemaVersion = version;
        return fail(text);
    }
    if (version < kSchemaVersion) {
        // Version 1 is the first: a later version adds its own steps from the version found.
        const QStringList statements = createStatements();
        if (statements.isEmpty()) {
            db.rollback();
            return fail(QStringLiteral("Register: the program lacks its table definitions."));
        }
        for (const QString &statement : statements) {
            if (!q.exec(statement))
                return rollback(q.lastError());
        }
    }
    if (!db.commit())
        return rollback(db.lastError());
    m_schemaVersion = kSchemaVersion;
    return true;
}

QString SharedRegister::programmingKey(const EpirbConfig &record)
{
    // What the programming wrote, which never changes: the note and the duplicate reason can
    // be edited later and reach the register as updates of the same row.
    EpirbConfig copy;
    copy.copyFrom(record);
    copy.setRegisterPending(false);
    copy.setAdditionalInfo(QString());
    copy.setDuplicateReason(QString());
    return QString::fromLatin1(
        QCryptographicHash::hash(DatabaseFile::recordBytes(copy), QCryptographicHash::Sha256).toHex());
}

bool SharedRegister::claim(const QString &hexId, int model, const QString &serial, const QString &station,
                           const QString &operatorName, QList<Entry> *others, bool reserve)
{
    if (others)
        others->clear();
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (reserve) {
        // The key decides: a concurrent insert waits for the other's commit, then either takes
        // an expired reservation over or leaves the live one alone; never both stations hold it.
        // An ID another beacon carries now is not reserved for this one.
        QSqlQuery q(db);
        // A statement that could not be prepared is still run by Qt; its error is the reason.
        if (!q.prepare(QStringLiteral(
            "INSERT INTO public.quorvik_claims AS c (hex_id, model, serial, station, operator, claimed_at, expires_at) "
            "SELECT ?, ?, ?, ?, ?, now(), now() + make_interval(secs => ?) "
            "WHERE NOT EXISTS (SELECT 1 FROM public.quorvik_carriers WHERE hex_id = ? AND NOT (model = ? AND serial = ?)) "
            "ON CONFLICT (hex_id) DO UPDATE SET model = excluded.model, serial = excluded.serial, "
            "station = excluded.station, operator = excluded.operator, claimed_at = excluded.claimed_at, "
            "expires_at = excluded.expires_at "
            "WHERE c.expires_at < now() OR (c.model = excluded.model AND c.serial = excluded.serial)")))
            return failSql(q.lastError());
        q.addBindValue(text(hexId));
        q.addBindValue(model);
        q.addBindValue(text(serial));
        q.addBindValue(text(station));
        q.addBindValue(text(operatorName));
        q.addBindValue(double(kClaimLifetimeS));
        q.addBindValue(text(hexId));
        q.addBindValue(model);
        q.addBindValue(text(serial));
        if (!q.exec())
            return failSql(q.lastError());
    }
    QList<Entry> found;
    if (!who(hexId, &found))
        return false;
    if (others) {
        for (const Entry &e : std::as_const(found)) {
            if (!e.former && (e.model != model || e.serial != serial))
                others->append(e);
        }
    }
    return true;
}

bool SharedRegister::release(const QString &hexId, int model, const QString &serial)
{
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    if (!q.prepare(QStringLiteral("DELETE FROM public.quorvik_claims WHERE hex_id = ? AND model = ? AND serial = ?")))
        return failSql(q.lastError());
    q.addBindValue(text(hexId));
    q.addBindValue(model);
    q.addBindValue(text(serial));
    if (!q.exec())
        return failSql(q.lastError());
    m_error.clear();
    return true;
}

bool SharedRegister::who(const QString &hexId, QList<Entry> *entries)
{
    entries->clear();
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    q.setForwardOnly(true);
    // A programming is former when the same beacon was programmed later with another ID.
    if (!q.prepare(QStringLiteral(
        "SELECT b.hex_id, b.model, b.serial, b.station, b.operator, b.prog_date, b.recorded_at, b.duplicate_reason, "
        "b.owner_name, false, EXISTS (SELECT 1 FROM public.quorvik_beacons l WHERE l.model = b.model "
        "AND l.serial = b.serial AND l.id > b.id AND l.hex_id <> b.hex_id) "
        "FROM public.quorvik_beacons b WHERE b.hex_id = ? "
        "UNION ALL "
        "SELECT c.hex_id, c.model, c.serial, c.station, c.operator, NULL, c.claimed_at, '', '', true, false "
        "FROM public.quorvik_claims c WHERE c.hex_id = ? AND c.expires_at >= now() AND NOT EXISTS "
        "(SELECT 1 FROM public.quorvik_beacons b WHERE b.hex_id = c.hex_id AND b.model = c.model AND b.serial = c.serial) "
        "ORDER BY 7")))
        return failSql(q.lastError());
    q.addBindValue(text(hexId));
    q.addBindValue(text(hexId));
    if (!q.exec())
        return failSql(q.lastError());
    while (q.next()) {
        Entry e;
        e.hexId = q.value(0).toString();
        e.model = q.value(1).toInt();
        e.serial = q.value(2).toString();
        e.station = q.value(3).toString();
        e.operatorName = q.value(4).toString();
        e.progDate = q.value(5).toDate();
        e.recorded = q.value(6).toDateTime();
        e.duplicateReason = q.value(7).toString();
        e.ownerName = q.value(8).toString();
        e.claimOnly = q.value(9).toBool();
        e.former = q.value(10).toBool();
        entries->append(e);
    }
    return true;
}

bool SharedRegister::send(const std::vector<const EpirbConfig *> &records, int *sent)
{
    if (sent)
        *sent = 0;
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return failSql(db.lastError());
    const auto unprepared = [&db, this](const QSqlQuery &q) {
        // Qt still runs a statement it could not prepare; the preparation's error is the reason.
        const QSqlError error = q.lastError();
        db.rollback();
        return failSql(error);
    };
    QSqlQuery row(db);
    if (!row.prepare(QStringLiteral(
        "INSERT INTO public.quorvik_beacons (programming_key, hex_id, model, serial, protocol, country, mmsi, beacon_no, "
        "tac_no, tac_no_rls, tac_no_rls_plb, custom_serial, message, owner_name, owner_address, owner_telephone, "
        "owner_other, battery_expiry, station, operator, dealer, prog_date, data_block, duplicate_reason, note) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (programming_key) DO UPDATE SET note = excluded.note, duplicate_reason = excluded.duplicate_reason "
        "RETURNING id, (xmax = 0)")))
        return unprepared(row);
    // The beacon's other ID is free again; this one is its own unless another beacon holds it.
    QSqlQuery freeOld(db);
    if (!freeOld.prepare(QStringLiteral("DELETE FROM public.quorvik_carriers WHERE model = ? AND serial = ? AND hex_id <> ?")))
        return unprepared(freeOld);
    QSqlQuery carry(db);
    if (!carry.prepare(QStringLiteral(
        "INSERT INTO public.quorvik_carriers AS k (hex_id, model, serial, station, operator, programming_id) "
        "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (hex_id) DO UPDATE SET station = excluded.station, "
        "operator = excluded.operator, programming_id = excluded.programming_id, since = now() "
        "WHERE k.model = excluded.model AND k.serial = excluded.serial")))
        return unprepared(carry);
    // Recorded: the reservation has done its work.
    QSqlQuery unclaim(db);
    if (!unclaim.prepare(QStringLiteral("DELETE FROM public.quorvik_claims WHERE hex_id = ? AND model = ? AND serial = ?")))
        return unprepared(unclaim);
    int added = 0;
    for (const EpirbConfig *r : records) {
        const QString hexId = r->epirbHexMsg();
        row.addBindValue(text(programmingKey(*r)));
        row.addBindValue(text(hexId));
        row.addBindValue(r->beaconType());
        row.addBindValue(text(r->beaconSerial()));
        row.addBindValue(r->protocolId());
        row.addBindValue(r->countryCode());
        row.addBindValue(text(r->mmsi()));
        row.addBindValue(r->beaconNo());
        row.addBindValue(r->tacNo());
        row.addBindValue(r->storedTacNoRls());
        row.addBindValue(r->storedTacNoRlsPlb());
        row.addBindValue(r->customSerial());
        row.addBindValue(text(r->epirbAsciiMsg()));
        row.addBindValue(text(r->ownerName()));
        row.addBindValue(text(r->ownerAddress()));
        row.addBindValue(text(r->ownerTelephone()));
        row.addBindValue(text(r->ownerOther()));
        row.addBindValue(r->batteryExpiryDate().isValid() ? QVariant(r->batteryExpiryDate()) : QVariant(QMetaType::fromType<QDate>()));
        row.addBindValue(text(r->progStation()));
        row.addBindValue(text(r->progOperator()));
        row.addBindValue(qint64(r->progDealer()));
        row.addBindValue(r->progDate().isValid() ? QVariant(r->progDate()) : QVariant(QMetaType::fromType<QDate>()));
        row.addBindValue(encodeDataBlock(*r));
        row.addBindValue(text(r->duplicateReason()));
        row.addBindValue(text(r->additionalInfo()));
        if (!row.exec()) {
            const QSqlError error = row.lastError();
            db.rollback();
            return failSql(error);
        }
        // A programming already there (sent before) changes nobody's ID; its note may be newer.
        if (!row.next() || !row.value(1).toBool())
            continue;
        const qint64 programmingId = row.value(0).toLongLong();
        ++added;
        const auto failed = [&db, this](const QSqlQuery &q) {
            const QSqlError error = q.lastError();
            db.rollback();
            return failSql(error);
        };
        freeOld.addBindValue(r->beaconType());
        freeOld.addBindValue(text(r->beaconSerial()));
        freeOld.addBindValue(text(hexId));
        if (!freeOld.exec())
            return failed(freeOld);
        carry.addBindValue(text(hexId));
        carry.addBindValue(r->beaconType());
        carry.addBindValue(text(r->beaconSerial()));
        carry.addBindValue(text(r->progStation()));
        carry.addBindValue(text(r->progOperator()));
        carry.addBindValue(programmingId);
        if (!carry.exec())
            return failed(carry);
        unclaim.addBindValue(text(hexId));
        unclaim.addBindValue(r->beaconType());
        unclaim.addBindValue(text(r->beaconSerial()));
        if (!unclaim.exec())
            return failed(unclaim);
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        return failSql(error);
    }
    if (sent)
        *sent = added;
    m_error.clear();
    return true;
}

qint64 SharedRegister::count()
{
    if (!open())
        return -1;
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM public.quorvik_beacons")) || !q.next()) {
        failSql(q.lastError());
        return -1;
    }
    return q.value(0).toLongLong();
}
