#include "records/databasebackups.h"

#include "records/databasefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
const char kPrefix[] = "Quorvikbackup-";
const char kHeld[] = ".held";

QStringList newestFirst(const QDir &dir, const QString &pattern)
{
    return dir.entryList({ pattern }, QDir::Files, QDir::Name | QDir::Reversed);
}
}

DatabaseBackups::DatabaseBackups(const QString &folder)
    : m_folder(folder)
{
}

QString DatabaseBackups::fileName(const QDate &day)
{
    return QLatin1String(kPrefix) + day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".db");
}

bool DatabaseBackups::isHeld(const QString &path) const
{
    return QFileInfo::exists(path + QLatin1String(kHeld));
}

void DatabaseBackups::holdLatest()
{
    const QString last = latest();
    if (last.isEmpty() || isHeld(last))
        return;
    QFile mark(last + QLatin1String(kHeld));
    if (mark.open(QIODevice::WriteOnly))
        mark.write("kept: the last good copy before the database was found damaged or missing\n");
}

bool DatabaseBackups::keep(const QByteArray &bytes, QString *error, const QDate &today)
{
    if (m_folder.isEmpty())
        return false;
    const QDir dir(m_folder);
    const QString name = fileName(today);
    const QString path = dir.filePath(name);
    if (isHeld(path))
        return true;
    if (!DatabaseFile::writeFile(path, bytes, error))
        return false;
    // By name, the newest days; with the clock set back the copy just written is among the
    // oldest names, and it stays all the same. Held copies are counted apart.
    const QStringList dated = newestFirst(dir, QLatin1String(kPrefix) + QStringLiteral("????????.db"));
    int plain = 0, held = 0;
    for (const QString &other : dated) {
        if (other == name)
            continue;
        const QString otherPath = dir.filePath(other);
        const bool isHeldCopy = isHeld(otherPath);
        // Today's copy is one of the kept days.
        if ((isHeldCopy ? ++held : ++plain) < (isHeldCopy ? kDamagedKept + 1 : kDaysKept))
            continue;
        QFile::remove(otherPath);
        QFile::remove(otherPath + QLatin1String(kHeld));
    }
    return true;
}

QStringList DatabaseBackups::list() const
{
    QStringList paths;
    if (m_folder.isEmpty())
        return paths;
    const QDir dir(m_folder);
    for (const QString &name : newestFirst(dir, QLatin1String(kPrefix) + QStringLiteral("????????.db")))
        paths << dir.filePath(name);
    if (dir.exists(QStringLiteral("Quorvikbackup.db")))
        paths << dir.filePath(QStringLiteral("Quorvikbackup.db"));
    return paths;
}

QStringList DatabaseBackups::damaged() const
{
    QStringList paths;
    if (m_folder.isEmpty())
        return paths;
    const QDir dir(m_folder);
    // By when each was kept: two kept in one second differ by a count after the time.
    for (const QString &name : dir.entryList({ QStringLiteral("Quorvik-damaged-*.db") }, QDir::Files, QDir::Time))
        paths << dir.filePath(name);
    return paths;
}

void DatabaseBackups::boundDamaged(const QString &keptPath)
{
    int kept = 0;
    for (const QString &path : damaged()) {
        if (QFileInfo(path) == QFileInfo(keptPath))
            continue;
        if (++kept < kDamagedKept)
            continue;
        QFile::remove(path);
    }
}
