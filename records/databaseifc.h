#pragma once

#include "records/databasefile.h"

#include <QObject>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <vector>

class EpirbConfig;
class QDataStream;
class QFileSystemWatcher;
class QIODevice;
class QJsonObject;
class QLockFile;
class QTimer;

// The programmed-beacon database: owns the stored records, keeps them in
// "Quorvik.db" and exchanges them with other installations as JSON reports.
// Every change is written to disk at once, atomically, and as a read-modify-write
// under a lock beside the file: what another program wrote meanwhile is merged, not
// overwritten. A change that cannot be written stays queued and is tried again; a
// programmed beacon in that queue is also kept in a pending file.
class DatabaseIfc : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The database is reached through QMLProxy.database")
    // Why the file found at start could not be read whole; empty when it could.
    Q_PROPERTY(QString loadProblem READ loadProblem NOTIFY problemChanged)
    // Why the last change could not be written; empty once every change is on disk.
    Q_PROPERTY(QString writeProblem READ writeProblem NOTIFY problemChanged)
    // Why the last note written on a stored beacon was not saved; empty when it was.
    Q_PROPERTY(QString noteProblem READ noteProblem NOTIFY problemChanged)
    Q_PROPERTY(QString databasePath READ databasePath CONSTANT)

public:
    static constexpr qint32 kMagic = DatabaseFile::kMagic;
    // 103 keeps every member of a record; 102 lacked the duplicate reason and the
    // register flag, 100 and 101 kept the data block and the additional information
    // only. Older files are rewritten as 103 when loaded.
    static constexpr qint32 kFormatVersion = DatabaseFile::kFormatVersion;
    // How long a change waits for another program to release the file.
    static constexpr int kLockWaitMs = 10000;

    // Loads "Quorvik.db" from folder (created when missing).
    DatabaseIfc(const QString &folder, QObject *parent);
    ~DatabaseIfc() override;

    // The process-wide database in the application-data folder, created on the first call.
    static DatabaseIfc *instance(QObject *parent);

    int count() const { return int(m_records.size()); }
    EpirbConfig *beaconAt(int index) const { return m_records[size_t(index)].get(); }
    int currentIndex() const { return m_currentIndex; }
    // The 15-hex ID the record at index carries (empty without a message); kept per record,
    // computed once for each message.
    QString hexIdAt(int index) const;
    // The records carrying hexId (upper case), in list order: one hash look-up.
    QList<int> indicesCarrying(const QString &hexId) const;
    // Counts every change of the list, for those who keep something per row.
    quint64 generation() const { return m_generation; }
    QString databasePath() const { return m_databasePath; }
    bool isModified() const { return m_modified; }
    QString loadProblem() const { return m_loadProblem; }
    QString writeProblem() const { return m_writeProblem; }
    QString noteProblem() const { return m_noteProblem; }
    // Where the damaged file found at start was set aside; empty when none was.
    QString damagedCopy() const { return m_damagedCopy; }
    // Where programmed beacons not yet in the database are kept; empty when none are.
    QString pendingFile() const { return m_pendingFile; }

    // The good copies to go back to, newest first.
    Q_INVOKABLE QStringList backups() const;
    // Puts a good copy back in place of the database (the replaced file is kept aside).
    // Empty when done, else why not.
    Q_INVOKABLE QString restoreBackup(const QString &path);
    // Reads the file again when another program changed it; true when the list changed.
    bool refresh();
    // Follows changes other programs make to the file (the window's database does).
    void watchDisk();

    void setDbBeacon(int index);
    // Stores a copy of config, replacing the record of the same type and serial.
    bool addOrReplace(const EpirbConfig &config);
    void deleteCurrent();
    // A stored record was changed in place (its note, on the record page): write it out.
    // False when record is not stored here or the file could not be written.
    bool recordEdited(const EpirbConfig *record);
    // The note shown with a beacon (a stored record, or the controller's record of the beacon
    // just programmed) was edited: the stored record of that beacon takes it, on disk as a
    // change of that field alone. Refused (false, noteProblem said) when the record on disk
    // is no longer the programming the note was written on.
    bool noteEdited(const EpirbConfig *shown);
    // Removes every record with one write of the file (tools and tests start from empty).
    void clearAll();

    // Programmed beacons the shared register does not have yet, oldest programming first.
    std::vector<const EpirbConfig *> registerWaiting() const;
    int registerWaitingCount() const;
    // The register has these programmings (by SharedRegister::programmingKey): they wait no
    // more. False when the change is not on disk yet (it stays queued).
    // Keys of the programmings the register confirmed, each with the note and reason it got:
    // one edited since keeps waiting, so the edit is sent too.
    bool markSentToRegister(const QHash<QString, QString> &sentNotes);
    static QString registerNotes(const EpirbConfig &record);

    // 0, or -1 nothing to export, -2 cannot open, -3 cannot write.
    int ExportReports(const QString &fileName);
    // What the last import did with the entries of its file; all 0 after one that
    // failed as a whole (negative result).
    struct ImportCounts
    {
        int imported = 0;  // new beacons
        int replaced = 0;  // stored beacons replaced by a later programming
        int unchanged = 0; // already stored, and not programmed later than the stored one
        int skipped = 0;   // refused (unsupported type, malformed entry); each reason is logged
    };

    // 0, or -1 cannot open/read, -2 not a report file, -3 unsupported version.
    // A result of 0 may still have skipped entries: see lastImport().
    int ImportReports(const QString &fileName);
    int importReports(QIODevice &device);
    ImportCounts lastImport() const { return m_lastImport; }

    // The report export as a JSON object ("version" and "beacons").
    QJsonObject exportObject() const;

    // Writes the database when modified; false when it could not be written.
    bool saveDb();
    // Writes the database whether modified or not.
    bool writeDb();
    bool loadDb(QDataStream &stream);

signals:
    void problemChanged();
    // A change could not be written; text names the file and the reason.
    void writeFailed(const QString &text);
    // A note was not saved; text says why.
    void noteRefused(const QString &text);
    void dbBeaconChanged();
    void beginResetModel();
    void endResetModel();
    // For the Datablock view; connect directly: clearDatablock() comes before the
    // shown record is destroyed, showInDatablock() before a replaced one is.
    void showInDatablock(EpirbConfig *record);
    void clearDatablock();

private:
    using RecordList = DatabaseFile::RecordList;
    // One change, applied to the records in memory and again to those on disk at each write.
    using Change = std::function<void(RecordList &records, RecordList &dropped)>;

    static std::unique_ptr<EpirbConfig> copyOf(const EpirbConfig &record);
    static Change addOrReplaceChange(const EpirbConfig &config);

    // Applies change in memory and writes it; false when it is not on disk yet.
    bool commit(const Change &change, bool applyInMemory = true);
    void applyInMemory(const Change &change);
    // Takes over records read from disk, keeping the objects of unchanged ones.
    void adopt(RecordList records);
    // The current record after the list changed: kept, its replacement shown, or the view cleared.
    void fixCurrent(EpirbConfig *previous, const QString &previousIdentity);
    // Writes the queued changes under the lock, merged into what the file holds now.
    bool sync(bool force);
    bool failWrite(const QString &reason);
    QString lockFailure(const QLockFile &lock) const;
    // Keeps a copy of damaged bytes (once) and returns where; empty when it could not.
    QString setAside(const QByteArray &bytes);
    QStringList pendingPaths() const;
    void savePending();
    void upgradeFile();
    void clearRecords();
    QString describeLoadProblem(const DatabaseFile::Contents &contents) const;
    QString describeMissing() const;
    static QByteArray programmingBytes(const EpirbConfig &record);

    static DatabaseIfc *s_instance;

    QString m_folder;
    QString m_databasePath;
    RecordList m_records;
    int m_currentIndex = -1;
    bool m_modified = false;
    qint32 m_loadedFormat = 0;
    ImportCounts m_lastImport;

    // Changes not yet on disk, in order.
    std::vector<Change> m_journal;
    // Programmed beacons among them, for the pending file.
    RecordList m_pendingRecords;
    // The file's bytes as this program last read or wrote them.
    QByteArray m_diskBytes;
    bool m_diskExists = false;
    // The file read at start failed its checks: the next write salvages it.
    bool m_diskDamaged = false;
    QString m_loadProblem;
    QString m_writeProblem;
    QString m_noteProblem;
    QString m_damagedCopy;
    QString m_pendingFile;
    // Hex IDs by record, and records by hex ID; rebuilt after a change, from the IDs
    // already computed for the messages that did not change.
    void indexHexIds() const;
    void listChanged();
    quint64 m_generation = 0;
    mutable quint64 m_indexedGeneration = ~quint64(0);
    mutable std::vector<QString> m_hexIds;
    mutable QHash<QString, QList<int>> m_byHexId;
    mutable QHash<QByteArray, QString> m_hexOfMessage;
    QTimer *m_retry = nullptr;
    QTimer *m_refreshSoon = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
};
