#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <vector>

class EpirbConfig;
class QSqlDatabase;
class QSqlError;

// The workshop's common record of programmed beacons, kept in PostgreSQL (Qt's QPSQL
// driver). One row per programming; the local database stays the first place a
// programming is written, and this one is filled from it. The tables are created and
// upgraded here; the same SQL is in docs/register.sql for an administrator.
// One object holds one connection and is used from one thread.
class SharedRegister
{
public:
    // The tables this program writes; a register of a higher version is left alone.
    static constexpr int kSchemaVersion = 2;
    // Seconds libpq waits for the server before the register counts as unreachable.
    static constexpr int kConnectTimeoutS = 3;
    // A lost network on an open connection is noticed within this, not TCP's quarter of an hour.
    static constexpr int kLineLostMs = 15000;
    // No statement of the program runs longer: a server that hangs is a register that cannot answer.
    static constexpr int kStatementTimeoutMs = 10000;
    // How long a reservation outlives a station that never ends its write.
    static constexpr int kClaimLifetimeS = 600;

    // Where the register is: a libpq service name, or host/port/database/user. No password:
    // libpq finds it in ~/.pgpass or in the service file.
    struct Connection
    {
        QString service;
        QString host;   // a name, an address, or a folder holding the server's socket
        int port = 0;   // 0: libpq's default
        QString database;
        QString user;

        bool isSet() const { return !service.isEmpty() || !host.isEmpty() || !database.isEmpty(); }
        // Short form for status texts and logs ("service wharf", "user@host:port/db").
        QString describe() const;
        // "postgresql://user@host:port/db" (host may be %2F-escaped folder, or ?host=/folder),
        // otherwise a service name. Empty error when it could be read.
        static Connection parse(const QString &serviceOrUrl, QString *error);
        // The "Register/" settings; an unset connection when the register is off.
        static Connection fromSettings();
        bool operator==(const Connection &o) const;
    };

    // One programming of a beacon with a given ID, as the register has it.
    struct Entry
    {
        QString hexId;
        int model = 0;
        QString serial;
        QString station;
        QString operatorName;
        QDate progDate;
        QDateTime recorded;
        QString duplicateReason;
        QString ownerName;
        bool claimOnly = false; // reserved for a beacon about to be written, not recorded yet
        bool former = false;    // the beacon has been programmed with another ID since
    };

    explicit SharedRegister(const Connection &connection);
    ~SharedRegister();
    SharedRegister(const SharedRegister &) = delete;
    SharedRegister &operator=(const SharedRegister &) = delete;

    // Connects and brings the tables to this program's version. False with lastError() set.
    bool open();
    bool isOpen() const;
    void close();
    // The last failure as a sentence for the technician; empty after a success.
    QString lastError() const { return m_error; }
    // The schema version the register reported; 0 before open().
    int schemaVersion() const { return m_schemaVersion; }

    // Other beacons (another model or serial) that carry hexId now or hold a live reservation
    // of it. When none does and reserve is set, the ID is reserved for this beacon by the
    // same statement, decided by the reservations' key, so that of two stations asking at
    // once exactly one is told of the other. False on failure (lastError()).
    bool claim(const QString &hexId, int model, const QString &serial, const QString &station,
               const QString &operatorName, QList<Entry> *others, bool reserve = true);
    // Gives up this beacon's reservation of hexId (its write failed or was cancelled).
    bool release(const QString &hexId, int model, const QString &serial);
    // Every programming recorded for hexId (those of beacons programmed with another ID since
    // marked former) and every live reservation of it, oldest first.
    bool who(const QString &hexId, QList<Entry> *entries);
    // Writes the records in one transaction; a programming already there is not written
    // again. sent receives how many rows were new. False: nothing was written.
    bool send(const std::vector<const EpirbConfig *> &records, int *sent = nullptr);
    // Rows in the register (benches and tests).
    qint64 count();

    // The key that makes a programming one row however often it is sent.
    static QString programmingKey(const EpirbConfig &record);
    // Bound to the connection's thread; for paged views over the register.
    QString connectionName() const { return m_connectionName; }

    // A failed statement's own error as a sentence for the technician (never empty).
    QString explain(const QSqlError &error) const;

private:
    bool ensureSchema();
    bool fail(const QString &text);
    bool failSql(const QSqlError &error);

    Connection m_connection;
    QString m_connectionName;
    QString m_error;
    int m_schemaVersion = 0;
};
