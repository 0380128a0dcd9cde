#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The last good copies of "Quorvik.db": one per day ("Quorvikbackup-<yyyyMMdd>.db"),
// the newest few days kept, each written only from bytes that were read back whole;
// and the damaged files set aside, the newest few kept.
class DatabaseBackups
{
public:
    static constexpr int kDaysKept = 3;
    static constexpr int kDamagedKept = 3;

    explicit DatabaseBackups(const QString &folder);

    // Makes bytes the copy of today, then drops the copies beyond the newest kDaysKept days.
    // A held copy of today is left as it is (true, nothing written).
    bool keep(const QByteArray &bytes, QString *error, const QDate &today = QDate::currentDate());
    // The newest copy is the last good one before damage was met: no later save replaces
    // it, and rotation leaves it until newer held copies push it out.
    void holdLatest();
    bool isHeld(const QString &path) const;
    // Full paths, newest first; the single copy older versions kept ("Quorvikbackup.db") last.
    QStringList list() const;
    // The newest one, or empty.
    QString latest() const { return list().value(0); }
    // The damaged files kept aside ("Quorvik-damaged-*.db"), newest first.
    QStringList damaged() const;
    // Drops the damaged copies beyond the newest kDamagedKept, never keptPath.
    void boundDamaged(const QString &keptPath);

    static QString fileName(const QDate &day);

private:
    QString m_folder;
};
