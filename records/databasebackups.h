#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The last good copies of "Quorvik.db": one per day ("Quorvikbackup-<yyyyMMdd>.db"),
// the newest few days kept, each written only from bytes that were read back whole.
class DatabaseBackups
{
public:
    static constexpr int kDaysKept = 3;

    explicit DatabaseBackups(const QString &folder);

    // Makes bytes the copy of today, then drops the copies beyond the newest kDaysKept days.
    bool keep(const QByteArray &bytes, QString *error, const QDate &today = QDate::currentDate());
    // Full paths, newest first; the single copy older versions kept ("Quorvikbackup.db") last.
    QStringList list() const;
    // The newest one, or empty.
    QString latest() const { return list().value(0); }

    static QString fileName(const QDate &day);

private:
    QString m_folder;
};
