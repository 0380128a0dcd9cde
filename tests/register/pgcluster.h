#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster in a temporary folder, reached on a Unix socket in that
// folder only (no TCP port to collide with). The server refuses to run as root: then it
// runs as "nobody". Its superuser is "quorvik" with a password, which the clients find in
// the folder's password file (PGPASSFILE); removed with the folder.
class PgCluster
{
public:
    static constexpr const char *kUser = "quorvik";
    static constexpr const char *kPassword = "keel-406";

    PgCluster();
    ~PgCluster();

    // The server binaries' folder; empty when PostgreSQL is not installed.
    static QString serverBin();

    // initdb and start; false with why() set.
    bool create();
    bool start();
    bool stop();
    bool isRunning() const { return m_running; }
    QString why() const { return m_why; }

    QString folder() const { return m_dir.path(); }
    QString socketDir() const { return m_dir.path(); }
    int port() const { return m_port; }
    QString passFile() const { return m_dir.filePath(QStringLiteral("pgpass")); }
    QString serviceFile() const { return m_dir.filePath(QStringLiteral("pg_service.conf")); }
    // postgresql://quorvik@localhost:PORT/database?host=SOCKETDIR
    QString url(const QString &database) const;
    // Adds [name] for database to the service file.
    bool addService(const QString &name, const QString &database);
    // Runs SQL as the superuser on database; empty when it succeeded, else the error.
    QString exec(const QString &database, const QString &sql);

private:
    bool runAsOwner(const QString &program, const QStringList &args, int timeoutMs);

    QTemporaryDir m_dir;
    int m_port = 0;
    bool m_running = false;
    QString m_why;
};
