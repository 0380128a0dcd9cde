#include "records/databasebackups.h"

#include "records/databasefile.h"

#include <QDir>
#include <QFile>

namespace {
const char kPrefix[] = "Quorvikbackup-";
}

DatabaseBackups::DatabaseBackups(const QString &folder)
    : m_folder(folder)
{
}

QString DatabaseBackups::fileName(const QDate &day)
{
    return QLatin1String(kPrefix) + day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".db");
}

bool DatabaseBackups::keep(const QByteArray &bytes, QString *error, const QDate &today)
{
    if (m_folder.isEmpty())
        return false;
    const QString path = QDir(m_folder).filePath(fileName(today));
    if (!DatabaseFile::writeFile(path, bytes, error))
        return false;
    const QStringList dated = QDir(m_folder).entryList({ QLatin1String(kPrefix) + QStringLiteral("????????.db") },
                                                       QDir::Files, QDir::Name | QDir::Reversed);
    for (int i = kDaysKept; i < dated.size(); ++i)
        QFile::remove(QDir(m_folder).filePath(dated.at(i)));
    return true;
}

QStringList DatabaseBackups::list() const
{
    QStringList paths;
    if (m_folder.isEmpty())
        return paths;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList({ QLatin1String(kPrefix) + QStringLiteral("????????.db") }, QDir::Files,
                                             QDir::Name | QDir::Reversed))
        paths << dir.filePath(name);
    if (dir.exists(QStringLiteral("Quorvikbackup.db")))
        paths << dir.filePath(QStringLiteral("Quorvikbackup.db"));
    return paths;
}
