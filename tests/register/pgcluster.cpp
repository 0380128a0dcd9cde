#include "pgcluster.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <pwd.h>
#include <unistd.h>

namespace {
bool asRoot()
{
    return ::geteuid() == 0;
}

// Hands the folder and everything in it to the unprivileged user.
bool giveTo(const QString &path, uid_t uid, gid_t gid)
{
    if (::chown(QFile::encodeName(path).constData(), uid, gid) != 0)
        return false;
    QDir dir(path);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir() ? !giveTo(info.filePath(), uid, gid)
                         : ::chown(QFile::encodeName(info.filePath()).constData(), uid, gid) != 0)
            return false;
    }
    return true;
}
}

// The folder's name is the server's socket option too: no spaces from the application's name.
PgCluster::PgCluster()
    : m_dir(QDir::tempPath() + QStringLiteral("/quorvik-pg-XXXXXX"))
{
    // Only the socket file's name carries the port: any number serves, none is bound.
    m_port = 40000 + int(QRandomGenerator::global()->bounded(20000));
}

PgCluster::~PgCluster()
{
    stop();
}

QString PgCluster::serverBin()
{
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                                     QDir::Name | QDir::Reversed);
    for (const QString &v : versions) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(v);
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return QString();
}

QString PgCluster::url(const QString &database) const
{
    return QStringLiteral("postgresql://%1@localhost:%2/%3?host=%4")
        .arg(QLatin1String(kUser))
        .arg(m_port)
        .arg(database, socketDir());
}

bool PgCluster::runAsOwner(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(folder());
    if (asRoot())
        p.start(QStringLiteral("setpriv"), QStringList{ QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                                        QStringLiteral("--clear-groups"), program }
                                               + args);
    else
        p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_why = QStringLiteral("%1 failed: %2").arg(QFileInfo(program).fileName(), QString::fromLocal8Bit(p.readAll()));
        return false;
    }
    return true;
}

bool PgCluster::create()
{
    const QString bin = serverBin();
    if (bin.isEmpty()) {
        m_why = QStringLiteral("no PostgreSQL server binaries in /usr/lib/postgresql/*/bin");
        return false;
    }
    if (!m_dir.isValid()) {
        m_why = QStringLiteral("no temporary folder");
        return false;
    }
    QFile pw(m_dir.filePath(QStringLiteral("superuser-password")));
    if (!pw.open(QIODevice::WriteOnly) || pw.write(kPassword) < 0)
        return (m_why = QStringLiteral("cannot write the password file")), false;
    pw.close();
    if (asRoot()) {
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody || !giveTo(folder(), nobody->pw_uid, nobody->pw_gid)) {
            m_why = QStringLiteral("cannot hand %1 to the user nobody").arg(folder());
            return false;
        }
    }
    if (!runAsOwner(bin + QStringLiteral("/initdb"),
                    { QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                      QLatin1String(kUser), QStringLiteral("--pwfile=") + pw.fileName(),
                      QStringLiteral("--auth=scram-sha-256"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                      QStringLiteral("--no-sync"), QStringLiteral("--no-instructions") },
                    120000))
        return false;
    QFile::remove(pw.fileName());
    // The clients' password file: libpq refuses one others can read.
    QFile pass(passFile());
    if (!pass.open(QIODevice::WriteOnly))
        return (m_why = QStringLiteral("cannot write %1").arg(passFile())), false;
    pass.write(QStringLiteral("*:*:*:%1:%2\n").arg(QLatin1String(kUser), QLatin1String(kPassword)).toUtf8());
    pass.close();
    pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PGPASSFILE", QFile::encodeName(passFile()));
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile()));
    return start();
}

bool PgCluster::start()
{
    if (m_running)
        return true;
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off -c synchronous_commit=off "
                                           "-c full_page_writes=off -c max_connections=40")
                                .arg(socketDir())
                                .arg(m_port);
    if (!runAsOwner(serverBin() + QStringLiteral("/pg_ctl"),
                    { QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                      m_dir.filePath(QStringLiteral("server.log")), QStringLiteral("-w"), QStringLiteral("-t"),
                      QStringLiteral("60"), QStringLiteral("-o"), options, QStringLiteral("start") },
                    90000))
        return false;
    m_running = true;
    return true;
}

bool PgCluster::stop()
{
    if (!m_running)
        return true;
    m_running = false;
    return runAsOwner(serverBin() + QStringLiteral("/pg_ctl"),
                      { QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                        QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop") },
                      60000);
}

bool PgCluster::addService(const QString &name, const QString &database)
{
    QFile f(serviceFile());
    if (!f.open(QIODevice::Append))
        return false;
    f.write(QStringLiteral("[%1]\nhost=%2\nport=%3\ndbname=%4\nuser=%5\n\n")
                .arg(name, socketDir())
                .arg(m_port)
                .arg(database, QLatin1String(kUser))
                .toUtf8());
    return true;
}

QString PgCluster::exec(const QString &database, const QString &sql)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pgcluster-admin"));
        db.setHostName(socketDir());
        db.setPort(m_port);
        db.setDatabaseName(database);
        db.setUserName(QLatin1String(kUser));
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(sql))
                error = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pgcluster-admin"));
    return error;
}
