#include "records/databaseifc.h"

#include "records/databasebackups.h"
#include "records/reportjson.h"
#include "records/sharedregister.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>

#include <algorithm>

DatabaseIfc *DatabaseIfc::s_instance = nullptr;

namespace {

// A report of 10,000 beacons is about 10 MiB; anything far beyond is not one.
constexpr qint64 kMaxReportSize = 256 * 1024 * 1024;
constexpr qint64 kReadPiece = 64 * 1024;
// A lock is stale only when its holder is gone, which QLockFile tells on this host: never by
// its age, since a clock set differently on a shared folder would make a live holder's lock old.
constexpr int kStaleLockMs = 0;
constexpr int kRetryMs = 5000;

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

// A free name folder/<base>-<time>.db.
QString asideName(const QString &folder, const QString &base)
{
    const QString time = stamp();
    QString path = QDir(folder).filePath(QStringLiteral("%1-%2.db").arg(base, time));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1-%2-%3.db").arg(base, time).arg(n));
    return path;
}

}


DatabaseIfc::DatabaseIfc(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_retry(new QTimer(this))
{
    m_retry->setInterval(kRetryMs);
    connect(m_retry, &QTimer::timeout, this, [this] {
        if (sync(false))
            m_retry->stop();
    });
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    m_databasePath = folder + QDir::separator() + QStringLiteral("Quorvik.db");
    qDebug().noquote() << "Loading Quorvik.db from " + m_databasePath;

    QByteArray bytes;
    QString error;
    if (!DatabaseFile::readFile(m_databasePath, bytes, m_diskExists, &error)) {
        m_loadProblem = tr("%1 could not be read: %2. No beacons are shown; nothing will be written to it until it "
                           "can be read.")
                            .arg(m_databasePath, error);
        qWarning().noquote() << m_loadProblem;
        // Writing now would replace a file nobody has seen.
        m_diskExists = true;
        m_diskDamaged = true;
        m_diskBytes = QByteArray();
    } else if (m_diskExists) {
        DatabaseFile::Contents contents = DatabaseFile::decode(bytes);
        m_loadedFormat = contents.format;
        m_diskBytes = bytes;
        for (auto &record : contents.records) {
            record->setParent(this);
            m_records.push_back(std::move(record));
        }
        listChanged();
        if (contents.whole) {
            DatabaseBackups(m_folder).keep(bytes, nullptr);
        } else {
            qDebug() << "problem reading file";
            m_diskDamaged = true;
            DatabaseBackups(m_folder).holdLatest();
            m_damagedCopy = setAside(bytes);
            m_loadProblem = describeLoadProblem(contents);
            qWarning().noquote() << m_loadProblem;
        }
        if (m_loadedFormat != 0 && m_loadedFormat < kFormatVersion)
            upgradeFile();
    } else if (!DatabaseBackups(m_folder).latest().isEmpty()) {
        // Good copies without the database: it was removed or moved, and starting empty
        // would soon make an empty list today's good copy.
        DatabaseBackups(m_folder).holdLatest();
        m_loadProblem = describeMissing();
        qWarning().noquote() << m_loadProblem;
    }
    m_currentIndex = -1;
    m_modified = false;
    // Beacons an earlier run could not store are stored now.
    const QStringList pending = pendingPaths();
    if (std::any_of(pending.begin(), pending.end(), [](const QString &path) { return QFileInfo::exists(path); }))
        sync(true);
}

DatabaseIfc::~DatabaseIfc()
{
    saveDb();
    m_retry->stop();
    clearRecords();
    if (s_instance == this)
        s_instance = nullptr;
}

DatabaseIfc *DatabaseIfc::instance(QObject *parent)
{
    if (!s_instance) {
        const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
        s_instance = new DatabaseIfc(folders.value(0), parent);
        s_instance->watchDisk();
    }
    return s_instance;
}

void DatabaseIfc::watchDisk()
{
    if (m_watcher || m_folder.isEmpty())
        return;
    m_watcher = new QFileSystemWatcher(this);
    m_refreshSoon = new QTimer(this);
    m_refreshSoon->setSingleShot(true);
    m_refreshSoon->setInterval(200);
    connect(m_refreshSoon, &QTimer::timeout, this, &DatabaseIfc::refresh);
    // A write replaces the file by a rename: the folder changes, the old file is gone.
    m_watcher->addPath(m_folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_refreshSoon, qOverload<>(&QTimer::start));
}

QString DatabaseIfc::describeLoadProblem(const DatabaseFile::Contents &contents) const
{
    QString text = tr("%1 could not be read whole. %2").arg(m_databasePath, contents.problems.join(QLatin1Char(' ')));
    text += QLatin1Char(' ') + tr("%1 beacon records could be read and are shown.").arg(contents.records.size());
    if (!m_damagedCopy.isEmpty())
        text += QLatin1Char(' ') + tr("The damaged file is kept as %1.").arg(m_damagedCopy);
    else
        text += QLatin1Char(' ') + tr("The damaged file could not be kept aside; it is not overwritten.");
    const QString backup = DatabaseBackups(m_folder).latest();
    if (!backup.isEmpty())
        text += QLatin1Char(' ') + tr("The last good copy is %1.").arg(backup);
    else
        text += QLatin1Char(' ') + tr("There is no earlier good copy.");
    text += QLatin1Char(' ')
        + tr("Check the list of programmed beacons. The next change saves what was read; if beacons are "
             "missing, put the last good copy back with \"Restore from backup\" on the Options page.");
    return text;
}

QString DatabaseIfc::describeMissing() const
{
    return tr("%1 is not there, though good copies of it are: it was removed or moved. The last good copy is %2. "
              "If the beacons it holds are missing here, put it back with \"Restore from backup\" on the Options page.")
        .arg(m_databasePath, DatabaseBackups(m_folder).latest());
}

QString DatabaseIfc::setAside(const QByteArray &bytes)
{
    // Every program that meets the damaged file reports it; one copy of it is enough.
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList({ QStringLiteral("Quorvik-damaged-*.db") }, QDir::Files)) {
        QFile kept(dir.filePath(name));
        if (kept.size() == bytes.size() && kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes)
            return kept.fileName();
    }
    const QString aside = asideName(m_folder, QStringLiteral("Quorvik-damaged"));
    QString error;
    if (!DatabaseFile::writeFile(aside, bytes, &error)) {
        qWarning().noquote() << "Damaged database could not be kept aside as " + aside + " (" + error
                + "); not overwriting it";
        return QString();
    }
    qWarning().noquote() << "Damaged database kept as " + aside;
    DatabaseBackups(m_folder).boundDamaged(aside);
    return aside;
}

void DatabaseIfc::clearRecords()
{
    m_records.clear();
    listChanged();
}

void DatabaseIfc::listChanged()
{
    ++m_generation;
}

void DatabaseIfc::indexHexIds() const
{
    if (m_indexedGeneration == m_generation)
        return;
    m_indexedGeneration = m_generation;
    m_hexIds.assign(m_records.size(), QString());
    m_byHexId.clear();
    m_byHexId.reserve(qsizetype(m_records.size()));
    QHash<QByteArray, QString> known;
    known.reserve(qsizetype(m_records.size()));
    for (size_t i = 0; i < m_records.size(); ++i) {
        const EpirbConfig *record = m_records[i].get();
        if (!record)
            continue;
        const QByteArray message = record->messageBytes();
        auto it = m_hexOfMessage.constFind(message);
        QString id = it != m_hexOfMessage.constEnd() ? *it : record->epirbHexMsg();
        known.insert(message, id);
        if (!id.isEmpty())
            m_byHexId[id].append(int(i));
        m_hexIds[i] = std::move(id);
    }
    // Only the messages still stored: the cache does not outgrow the list.
    m_hexOfMessage = std::move(known);
}

QString DatabaseIfc::hexIdAt(int index) const
{
    indexHexIds();
    return index >= 0 && size_t(index) < m_hexIds.size() ? m_hexIds[size_t(index)] : QString();
}

QList<int> DatabaseIfc::indicesCarrying(const QString &hexId) const
{
    indexHexIds();
    return m_byHexId.value(hexId);
}

bool DatabaseIfc::loadDb(QDataStream &stream)
{
    QByteArray bytes;
    if (QIODevice *device = stream.device())
        bytes = device->readAll();
    DatabaseFile::Contents contents = DatabaseFile::decode(bytes);
    m_loadedFormat = contents.format;
    for (auto &record : contents.records) {
        record->setParent(this);
        m_records.push_back(std::move(record));
    }
    listChanged();
    if (!contents.whole)
        qDebug() << "problem reading file";
    return contents.whole;
}

void DatabaseIfc::upgradeFile()
{
    // The older file stays beside the new one for an older program version.
    const QString old = m_folder + QDir::separator() + QStringLiteral("Quorvik-format%1.db").arg(m_loadedFormat);
    if (!QFileInfo::exists(old))
        QFile::copy(m_databasePath, old);
    if (writeDb())
        qInfo().noquote() << QStringLiteral("Database rewritten from format %1 to %2; the old file is kept as %3")
                                 .arg(m_loadedFormat).arg(kFormatVersion).arg(old);
}

std::unique_ptr<EpirbConfig> DatabaseIfc::copyOf(const EpirbConfig &record)
{
    auto copy = std::make_unique<EpirbConfig>(nullptr);
    copy->copyFrom(record);
    return copy;
}

DatabaseIfc::Change DatabaseIfc::addOrReplaceChange(const EpirbConfig &config)
{
    std::shared_ptr<const EpirbConfig> proto = copyOf(config);
    return [proto](RecordList &records, RecordList &dropped) {
        const QByteArray serial = proto->serialBytes();
        for (auto &r : records) {
            if (r->beaconType() == proto->beaconType() && r->serialBytes() == serial) {
                dropped.push_back(std::move(r));
                r = copyOf(*proto);
                return;
            }
        }
        records.push_back(copyOf(*proto));
    };
}

void DatabaseIfc::fixCurrent(EpirbConfig *previous, const QString &previousIdentity)
{
    if (m_currentIndex < 0)
        return;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].get() == previous) {
            m_currentIndex = int(i);
            return;
        }
    }
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (DatabaseFile::identity(*m_records[i]) == previousIdentity) {
            m_currentIndex = int(i);
            emit showInDatablock(m_records[i].get());
            return;
        }
    }
    emit clearDatablock();
    m_currentIndex = -1;
}

void DatabaseIfc::applyInMemory(const Change &change)
{
    EpirbConfig *previous = m_currentIndex >= 0 ? m_records[size_t(m_currentIndex)].get() : nullptr;
    const QString previousIdentity = previous ? DatabaseFile::identity(*previous) : QString();
    RecordList dropped;
    emit beginResetModel();
    change(m_records, dropped);
    for (auto &r : m_records) {
        if (r->parent() != this)
            r->setParent(this);
    }
    fixCurrent(previous, previousIdentity);
    listChanged();
    emit endResetModel();
    // Only now: the view has let go of them.
    dropped.clear();
}

void DatabaseIfc::adopt(RecordList records)
{
    EpirbConfig *previous = m_currentIndex >= 0 ? m_records[size_t(m_currentIndex)].get() : nullptr;
    const QString previousIdentity = previous ? DatabaseFile::identity(*previous) : QString();
    std::vector<EpirbConfig *> before;
    QHash<QString, size_t> old;
    for (size_t i = 0; i < m_records.size(); ++i) {
        before.push_back(m_records[i].get());
        old.insert(DatabaseFile::identity(*m_records[i]), i);
    }
    RecordList dropped;
    std::vector<EpirbConfig *> after;
    for (auto &record : records) {
        const auto it = old.constFind(DatabaseFile::identity(*record));
        if (it != old.constEnd() && m_records[*it]
            && DatabaseFile::recordBytes(*m_records[*it]) == DatabaseFile::recordBytes(*record)) {
            dropped.push_back(std::move(record));
            record = std::move(m_records[*it]);
        }
        after.push_back(record.get());
    }
    if (after == before) {
        // Every object was kept: nothing for the views to hear about.
        m_records = std::move(records);
        return;
    }
    emit beginResetModel();
    for (auto &r : m_records) {
        if (r)
            dropped.push_back(std::move(r));
    }
    m_records = std::move(records);
    for (auto &r : m_records) {
        if (r->parent() != this)
            r->setParent(this);
    }
    fixCurrent(previous, previousIdentity);
    listChanged();
    emit endResetModel();
    dropped.clear();
}

QStringList DatabaseIfc::pendingPaths() const
{
    QStringList paths;
    if (m_databasePath.isEmpty())
        return paths;
    // Beside the database, or (when its folder cannot be written) in the settings folder,
    // named after the database it belongs to.
    paths << QDir(m_folder).filePath(QStringLiteral("Quorvik-pending.db"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!config.isEmpty() && QDir(config) != QDir(m_folder)) {
        const QByteArray key = QCryptographicHash::hash(QFileInfo(m_databasePath).absoluteFilePath().toUtf8(),
                                                        QCryptographicHash::Sha1)
                                   .toHex()
                                   .left(12);
        paths << QDir(config).filePath(QStringLiteral("Quorvik-pending-%1.db").arg(QString::fromLatin1(key)));
    }
    return paths;
}

void DatabaseIfc::savePending()
{
    if (m_pendingRecords.empty())
        return;
    for (const QString &path : pendingPaths()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        // What an earlier failure kept there stays.
        QByteArray bytes;
        bool exists = false;
        RecordList kept;
        if (DatabaseFile::readFile(path, bytes, exists, nullptr) && exists)
            kept = std::move(DatabaseFile::decode(bytes).records);
        RecordList dropped;
        for (const auto &record : m_pendingRecords)
            addOrReplaceChange(*record)(kept, dropped);
        QString error;
        if (DatabaseFile::writeFile(path, DatabaseFile::encode(kept), &error)) {
            if (m_pendingFile != path)
                qWarning().noquote() << "Programmed beacons not yet in the database are kept in " + path;
            m_pendingFile = path;
            return;
        }
    }
    m_pendingFile.clear();
    qWarning().noquote() << "No pending file could be written: programmed beacons not yet in the database are "
                            "kept in memory only until it can be written";
}

QString DatabaseIfc::lockFailure(const QLockFile &lock) const
{
    qint64 pid = 0;
    QString host, program;
    if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, &program)
        && !host.isEmpty() && host != QSysInfo::machineHostName())
        return tr("the database is in use by %1 (process %2) on another computer, %3; a lock from another computer "
                  "is not broken from here. If that program is no longer running, remove %4")
            .arg(program.isEmpty() ? tr("another program") : program)
            .arg(pid)
            .arg(host, m_databasePath + QStringLiteral(".lock"));
    if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, &program))
        return tr("the database is in use by %1 (process %2 on %3) and was not released within %4 s")
            .arg(program.isEmpty() ? tr("another program") : program)
            .arg(pid)
            .arg(host)
            .arg(kLockWaitMs / 1000);
    if (lock.error() == QLockFile::LockFailedError)
        return tr("the database is in use by another program and was not released within %1 s").arg(kLockWaitMs / 1000);
    return tr("its lock file %1 cannot be created (is the folder writable?)").arg(m_databasePath + QStringLiteral(".lock"));
}

bool DatabaseIfc::failWrite(const QString &reason)
{
    const QString text = tr("%1 could not be written: %2").arg(m_databasePath, reason);
    qWarning().noquote() << "saveDb: could not write " + m_databasePath + ": " + reason;
    savePending();
    if (!m_databasePath.isEmpty())
        m_retry->start();
    const bool changed = text != m_writeProblem;
    m_writeProblem = text;
    if (changed)
        emit problemChanged();
    emit writeFailed(text);
    return false;
}

bool DatabaseIfc::sync(bool force)
{
    const QStringList pending = [this] {
        QStringList found;
        for (const QString &path : pendingPaths()) {
            if (QFileInfo::exists(path))
                found << path;
        }
        return found;
    }();
    if (!force && m_journal.empty() && pending.isEmpty())
        return true;
    if (m_databasePath.isEmpty())
        return false;

    QLockFile lock(m_databasePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return failWrite(lockFailure(lock));

    QByteArray disk;
    bool exists = false;
    QString error;
    if (!DatabaseFile::readFile(m_databasePath, disk, exists, &error))
        return failWrite(tr("it cannot be read first (%1)").arg(error));
    if (!exists && m_diskExists && !m_diskDamaged) {
        // Removed or moved since it was read: what was read is the base, not an empty list.
        DatabaseBackups(m_folder).holdLatest();
        m_loadProblem = tr("%1 disappeared while the program was running (removed or moved by another program). "
                           "The %2 beacon records read before are written back with the changes since.")
                            .arg(m_databasePath)
                            .arg(count());
        const QString backup = DatabaseBackups(m_folder).latest();
        if (!backup.isEmpty())
            m_loadProblem += QLatin1Char(' ') + tr("The last good copy is %1.").arg(backup);
        qWarning().noquote() << m_loadProblem;
        emit problemChanged();
        disk = m_diskBytes;
        exists = true;
    }

    QByteArray bytes;
    bool merged = false;
    // Written from a file that did not read whole: no good copy is made of it.
    bool salvage = false;
    RecordList records;
    if (exists == m_diskExists && disk == m_diskBytes && pending.isEmpty() && !m_diskDamaged) {
        // Nobody wrote since this program did: the list in memory is the file plus the queued changes.
        bytes = DatabaseFile::encode(m_records);
    } else {
        // Another program wrote meanwhile (or the file is damaged): its records, then the
        // pending beacons, then this program's queued changes.
        if (exists) {
            DatabaseFile::Contents contents = DatabaseFile::decode(disk);
            if (!contents.whole) {
                salvage = true;
                DatabaseBackups(m_folder).holdLatest();
                if (setAside(disk).isEmpty())
                    return failWrite(tr("it is damaged and could not be kept aside"));
            }
            records = std::move(contents.records);
        }
        RecordList dropped;
        for (const QString &path : pending) {
            QByteArray pendingBytes;
            bool pendingExists = false;
            if (DatabaseFile::readFile(path, pendingBytes, pendingExists, nullptr) && pendingExists) {
                for (const auto &record : DatabaseFile::decode(pendingBytes).records)
                    addOrReplaceChange(*record)(records, dropped);
            }
        }
        for (const Change &change : m_journal)
            change(records, dropped);
        bytes = DatabaseFile::encode(records);
        merged = true;
    }
    if (!DatabaseFile::writeFile(m_databasePath, bytes, &error))
        return failWrite(error);

    // A backup is made only of what was read back as written, and never of a salvage.
    QByteArray back;
    bool backExists = false;
    if (salvage)
        qInfo().noquote() << "saveDb: " + m_databasePath + " holds what could be read of a damaged file; no backup made of it";
    else if (DatabaseFile::readFile(m_databasePath, back, backExists, nullptr) && back == bytes)
        DatabaseBackups(m_folder).keep(bytes, nullptr);
    else
        qWarning().noquote() << "saveDb: " + m_databasePath + " does not read back as written; no backup made of it";
    for (const QString &path : pending) {
        if (QFile::remove(path))
            qInfo().noquote() << "Pending beacons of " + path + " are now in the database";
    }
    lock.unlock();

    m_journal.clear();
    m_pendingRecords.clear();
    m_pendingFile.clear();
    m_diskBytes = bytes;
    m_diskExists = true;
    m_diskDamaged = false;
    m_modified = false;
    m_retry->stop();
    const bool problemsChanged = !m_writeProblem.isEmpty();
    m_writeProblem.clear();
    if (merged)
        adopt(std::move(records));
    if (problemsChanged)
        emit problemChanged();
    qDebug() << "saveDb No of reports:" << m_records.size();
    return true;
}

bool DatabaseIfc::commit(const Change &change, bool inMemory)
{
    if (inMemory)
        applyInMemory(change);
    m_journal.push_back(change);
    m_modified = true;
    return sync(false);
}

bool DatabaseIfc::saveDb()
{
    return !m_modified || sync(true);
}

bool DatabaseIfc::writeDb()
{
    m_modified = true;
    return sync(true);
}

bool DatabaseIfc::refresh()
{
    if (m_databasePath.isEmpty())
        return false;
    QByteArray bytes;
    bool exists = false;
    if (!DatabaseFile::readFile(m_databasePath, bytes, exists, nullptr) || !exists
        || (exists == m_diskExists && bytes == m_diskBytes))
        return false;
    DatabaseFile::Contents contents = DatabaseFile::decode(bytes);
    // A damaged file is met by the next write; what is shown stays until then.
    if (!contents.whole)
        return false;
    RecordList records = std::move(contents.records);
    RecordList dropped;
    for (const Change &change : m_journal)
        change(records, dropped);
    m_diskBytes = bytes;
    m_diskExists = true;
    const int before = count();
    adopt(std::move(records));
    qDebug().noquote() << QStringLiteral("Database changed on disk by another program: %1 records, %2 before")
                              .arg(count())
                              .arg(before);
    return true;
}

QStringList DatabaseIfc::backups() const
{
    const DatabaseBackups backups(m_folder);
    return backups.list() + backups.damaged();
}

QString DatabaseIfc::restoreBackup(const QString &path)
{
    if (m_databasePath.isEmpty())
        return tr("There is no database folder.");
    QByteArray bytes;
    bool exists = false;
    QString error;
    if (!DatabaseFile::readFile(path, bytes, exists, &error) || !exists)
        return tr("%1 cannot be read: %2").arg(path, exists ? error : tr("no such file"));
    DatabaseFile::Contents contents = DatabaseFile::decode(bytes);
    // A damaged file set aside goes back as it is (the user chose it over the salvage);
    // any other copy must read whole.
    const QStringList damaged = DatabaseBackups(m_folder).damaged();
    const bool damagedCopy = std::any_of(damaged.begin(), damaged.end(),
                                         [&path](const QString &d) { return QFileInfo(d) == QFileInfo(path); });
    if (!contents.whole && !damagedCopy)
        return tr("%1 is not a whole database: %2").arg(path, contents.problems.join(QLatin1Char(' ')));

    QLockFile lock(m_databasePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return tr("%1 was not restored: %2").arg(path, lockFailure(lock));
    QByteArray current;
    bool currentExists = false;
    DatabaseFile::readFile(m_databasePath, current, currentExists, nullptr);
    QString kept;
    if (currentExists && current != bytes) {
        // The database being replaced may hold beacons the copy lacks: it stays aside.
        kept = asideName(m_folder, QStringLiteral("Quorvik-replaced"));
        if (!DatabaseFile::writeFile(kept, current, &error))
            return tr("%1 was not restored: the current database could not be kept aside as %2 (%3)")
                .arg(path, kept, error);
    }
    const QByteArray restored = contents.whole ? DatabaseFile::encode(contents.records) : bytes;
    if (!DatabaseFile::writeFile(m_databasePath, restored, &error))
        return tr("%1 was not restored: %2 could not be written (%3)").arg(path, m_databasePath, error);
    lock.unlock();

    m_journal.clear();
    m_pendingRecords.clear();
    m_diskBytes = restored;
    m_diskExists = true;
    m_diskDamaged = !contents.whole;
    m_modified = false;
    m_retry->stop();
    m_loadProblem.clear();
    m_writeProblem.clear();
    m_noteProblem.clear();
    if (!contents.whole) {
        m_damagedCopy = QFileInfo(path).absoluteFilePath();
        m_loadProblem = describeLoadProblem(contents);
    }
    adopt(std::move(contents.records));
    emit problemChanged();
    qInfo().noquote() << QStringLiteral("Database restored from %1 (%2 records)%3")
                             .arg(path)
                             .arg(count())
                             .arg(kept.isEmpty() ? QString() : QStringLiteral("; the replaced file is kept as ") + kept);
    return QString();
}

void DatabaseIfc::setDbBeacon(int index)
{
    if (index < 0 || index >= count() || !m_records[size_t(index)])
        return;
    m_currentIndex = index;
    EpirbConfig *record = m_records[size_t(index)].get();
    emit showInDatablock(record);
    qDebug().noquote() << "setDbBeacon: " + record->beaconSerial() + " " + QString::number(index);
    emit dbBeaconChanged();
}

bool DatabaseIfc::addOrReplace(const EpirbConfig &config)
{
    const QByteArray serial = config.serialBytes();
    const bool stored = std::any_of(m_records.begin(), m_records.end(), [&](const auto &r) {
        return r->beaconType() == config.beaconType() && r->serialBytes() == serial;
    });
    bool numeric = false;
    QString::fromLatin1(serial).toLongLong(&numeric);
    if (!stored && (config.beaconType() == ConfigTables::E_BeaconMax || !numeric))
        return false;
    // Until it is on disk, the beacon is also kept in the pending file.
    m_pendingRecords.push_back(copyOf(config));
    commit(addOrReplaceChange(config));
    return true;
}

void DatabaseIfc::deleteCurrent()
{
    if (m_currentIndex == -1) {
        qDebug() << "databaseifc: Cannot delete current target";
        return;
    }
    const QString identity = DatabaseFile::identity(*m_records[size_t(m_currentIndex)]);
    commit([identity](RecordList &records, RecordList &dropped) {
        for (auto it = records.begin(); it != records.end(); ++it) {
            if (DatabaseFile::identity(**it) == identity) {
                dropped.push_back(std::move(*it));
                records.erase(it);
                return;
            }
        }
    });
}

void DatabaseIfc::clearAll()
{
    if (m_records.empty())
        return;
    commit([](RecordList &records, RecordList &dropped) {
        for (auto &r : records)
            dropped.push_back(std::move(r));
        records.clear();
    });
}

std::vector<const EpirbConfig *> DatabaseIfc::registerWaiting() const
{
    std::vector<const EpirbConfig *> waiting;
    for (const auto &r : m_records) {
        if (r && r->registerPending())
            waiting.push_back(r.get());
    }
    std::stable_sort(waiting.begin(), waiting.end(),
                     [](const EpirbConfig *a, const EpirbConfig *b) { return a->progDate() < b->progDate(); });
    return waiting;
}

int DatabaseIfc::registerWaitingCount() const
{
    return int(std::count_if(m_records.begin(), m_records.end(), [](const auto &r) { return r && r->registerPending(); }));
}

QString DatabaseIfc::registerNotes(const EpirbConfig &record)
{
    return record.additionalInfo() + QChar(0x1f) + record.duplicateReason();
}

bool DatabaseIfc::markSentToRegister(const QHash<QString, QString> &sentNotes)
{
    if (sentNotes.isEmpty())
        return true;
    // In place: the same objects stay in the views. On disk, a record programmed again
    // meanwhile has another key and keeps waiting.
    return commit([sentNotes](RecordList &records, RecordList &) {
        for (auto &r : records) {
            if (!r || !r->registerPending())
                continue;
            const auto it = sentNotes.constFind(SharedRegister::programmingKey(*r));
            if (it != sentNotes.constEnd() && *it == registerNotes(*r))
                r->setRegisterPending(false);
        }
    });
}

bool DatabaseIfc::recordEdited(const EpirbConfig *record)
{
    const auto it = std::find_if(m_records.begin(), m_records.end(), [record](const auto &r) { return r.get() == record; });
    if (!record || it == m_records.end())
        return false;
    return noteEdited(record);
}

QByteArray DatabaseIfc::programmingBytes(const EpirbConfig &record)
{
    // What the programming wrote: everything but the note and the register's waiting mark.
    EpirbConfig copy(nullptr);
    copy.copyFrom(record);
    copy.setAdditionalInfo(QString());
    copy.setRegisterPending(false);
    return DatabaseFile::recordBytes(copy);
}

bool DatabaseIfc::noteEdited(const EpirbConfig *shown)
{
    if (!shown)
        return false;
    const QString identity = DatabaseFile::identity(*shown);
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [&identity](const auto &r) { return r && DatabaseFile::identity(*r) == identity; });
    if (it == m_records.end()) {
        qWarning().noquote() << "The note of beacon " + shown->beaconSerial() + " has no stored record to go to";
        return false;
    }
    EpirbConfig *stored = it->get();
    const QString note = shown->additionalInfo();
    // The programming the note was written on, as this program knows it: the note is
    // applied to the record on disk only while that record is still this programming.
    const QByteArray basis = programmingBytes(*stored);
    if (stored != shown)
        stored->setAdditionalInfo(note);
    auto refused = std::make_shared<QString>();
    const QString serial = shown->beaconSerial();
    const bool written = commit(
        [identity, note, basis, refused, serial](RecordList &records, RecordList &) {
            refused->clear();
            for (auto &r : records) {
                if (DatabaseFile::identity(*r) != identity)
                    continue;
                if (programmingBytes(*r) != basis) {
                    *refused = tr("The note on beacon %1 was not saved: the beacon was programmed again meanwhile "
                                  "by another program, and the newer programming is shown now. Write the note again "
                                  "if it still applies.")
                                   .arg(serial);
                    return;
                }
                r->setAdditionalInfo(note);
                return;
            }
            *refused = tr("The note on beacon %1 was not saved: another program removed the beacon from the database "
                          "meanwhile.")
                           .arg(serial);
        },
        false);
    const QString problem = *refused;
    if (problem != m_noteProblem) {
        m_noteProblem = problem;
        emit problemChanged();
    }
    if (!problem.isEmpty()) {
        qWarning().noquote() << problem;
        emit noteRefused(problem);
        return false;
    }
    return written;
}

QJsonObject DatabaseIfc::exportObject() const
{
    QJsonArray beacons;
    for (const auto &record : m_records)
        beacons.append(ReportJson::toJson(*record));
    QJsonObject top;
    top.insert(QStringLiteral("version"), 2);
    top.insert(QStringLiteral("beacons"), beacons);
    return top;
}

int DatabaseIfc::ExportReports(const QString &fileName)
{
    if (m_records.empty()) {
        qDebug() << "ExportReports: no reports to export";
        return -1;
    }
    const QByteArray text = QJsonDocument(exportObject()).toJson(QJsonDocument::Indented);

    // Written aside and renamed: a failed export leaves an earlier file intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "ExportReports: Could not open export file: " + file.errorString();
        return -2;
    }
    if (file.write(text) < text.size() || !file.commit()) {
        qWarning().noquote() << "ExportReports: Could not write export file: " + file.errorString();
        return -3;
    }
    return 0;
}

int DatabaseIfc::ImportReports(const QString &fileName)
{
    m_lastImport = ImportCounts();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "ImportReports: Could not open file: " + file.errorString();
        return -1;
    }
    return importReports(file);
}

int DatabaseIfc::importReports(QIODevice &device)
{
    m_lastImport = ImportCounts();
    if (!device.isOpen()) {
        qWarning() << "ImportReports: device is not open";
        return -1;
    }
    if (!device.isSequential() && device.size() > kMaxReportSize) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    // In pieces: read(n) sizes its buffer to n before reading, and a report is small.
    QByteArray bytes;
    while (bytes.size() <= kMaxReportSize) {
        const QByteArray piece = device.read(qMin<qint64>(kReadPiece, kMaxReportSize + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > kMaxReportSize) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject()) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    const QJsonObject top = doc.object();
    const int version = top.value(QStringLiteral("version")).toInt();
    if (version != 2 && version != 1) {
        qWarning().noquote() << "ImportReports: Unsupported or missing file version: " + QString::number(version);
        return -3;
    }
    const QJsonValue beaconsValue = top.value(QStringLiteral("beacons"));
    if (!beaconsValue.isArray()) {
        qWarning() << "ImportReports: Invalid file format, no beacons";
        return -2;
    }
    const QJsonArray beacons = beaconsValue.toArray();

    // Parsed first; merged by a change, which a later write applies again to what the file holds then.
    auto entries = std::make_shared<std::vector<std::pair<qsizetype, std::unique_ptr<EpirbConfig>>>>();
    ImportCounts counts;
    for (qsizetype n = 0; n < beacons.size(); ++n) {
        const QJsonValue element = beacons.at(n);
        if (!element.isObject()) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: not an object").arg(n);
            ++counts.skipped;
            continue;
        }
        QString why;
        auto r = ReportJson::fromJson(element.toObject(), n, &why);
        if (!r) {
            qWarning().noquote() << why;
            ++counts.skipped;
            continue;
        }
        entries->emplace_back(n, std::move(r));
    }

    auto result = std::make_shared<ImportCounts>(counts);
    auto firstRun = std::make_shared<bool>(true);
    const Change change = [entries, result, firstRun](RecordList &records, RecordList &dropped) {
        // First stored record of each type and serial, as the linear search would find it.
        QHash<QPair<int, QByteArray>, size_t> firstMatch;
        firstMatch.reserve(qsizetype(records.size() + entries->size()));
        for (size_t i = records.size(); i-- > 0;)
            firstMatch.insert({ records[i]->beaconType(), records[i]->serialBytes() }, i);
        for (const auto &[n, entry] : *entries) {
            const QPair<int, QByteArray> key { entry->beaconType(), entry->serialBytes() };
            const auto match = firstMatch.constFind(key);
            if (match == firstMatch.constEnd()) {
                firstMatch.insert(key, records.size());
                records.push_back(copyOf(*entry));
                ++result->imported;
                continue;
            }
            // A null date is the earliest: QDate orders it before every valid one.
            const QDate storedDate = records[*match]->progDate();
            if (entry->progDate().isValid() && (!storedDate.isValid() || entry->progDate() > storedDate)) {
                dropped.push_back(std::move(records[*match]));
                records[*match] = copyOf(*entry);
                ++result->replaced;
            } else {
                if (*firstRun)
                    qInfo().noquote() << QStringLiteral("ImportReports: Entry %1 (serial %2) is not newer than the stored beacon; keeping the stored one")
                                             .arg(n).arg(QString::fromLatin1(key.second));
                ++result->unchanged;
            }
        }
        *firstRun = false;
    };
    // The counts are those of the list as shown when the import ran.
    applyInMemory(change);
    m_lastImport = *result;
    counts = *result;
    m_journal.push_back(change);
    m_modified = true;
    qInfo().noquote() << QStringLiteral("Imported %1 new beacons and updated %2 existing beacons").arg(counts.imported).arg(counts.replaced);
    if (counts.skipped)
        qWarning().noquote() << QStringLiteral("ImportReports: Skipped %1 of %2 entries").arg(counts.skipped).arg(beacons.size());
    sync(false);
    return 0;
}
