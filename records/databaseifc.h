#pragma once

#include <QObject>
#include <QString>

#include <vector>

class EpirbConfig;
class QDataStream;
class QIODevice;
class QJsonObject;

// The programmed-beacon database: owns the stored records, keeps them in
// "Quorvik.db" and exchanges them with other installations as JSON reports.
// Every change is written to disk at once, atomically.
class DatabaseIfc : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 kMagic = 0x45670099;
    // 102 keeps every member of a record; 100 and 101 kept the data block and the
    // additional information only, and are rewritten as 102 when loaded.
    static constexpr qint32 kFormatVersion = 102;

    // Loads "Quorvik.db" from folder (created when missing).
    DatabaseIfc(const QString &folder, QObject *parent);
    ~DatabaseIfc() override;

    // The process-wide database in the application-data folder, created on the first call.
    static DatabaseIfc *instance(QObject *parent);

    int count() const { return int(m_records.size()); }
    EpirbConfig *beaconAt(int index) const { return m_records[size_t(index)]; }
    int currentIndex() const { return m_currentIndex; }
    QString databasePath() const { return m_databasePath; }
    bool isModified() const { return m_modified; }

    void setDbBeacon(int index);
    // Stores a copy of config, replacing the record of the same type and serial.
    bool addOrReplace(const EpirbConfig &config);
    void deleteCurrent();
    // A stored record was changed in place (its note, on the record page): write it out.
    // False when record is not stored here or the file could not be written.
    bool recordEdited(const EpirbConfig *record);
    // Removes every record with one write of the file (tools and tests start from empty).
    void clearAll();

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
    void dbBeaconChanged();
    void beginResetModel();
    void endResetModel();
    // For the Datablock view; connect directly: clearDatablock() comes before the
    // shown record is destroyed, showInDatablock() before a replaced one is.
    void showInDatablock(EpirbConfig *record);
    void clearDatablock();

private:
    // Puts record in place of the one at index and deletes the old one.
    void replaceAt(int index, EpirbConfig *record);
    bool keepDamagedFile();
    void upgradeFile();
    void clearRecords();

    static DatabaseIfc *s_instance;

    QString m_folder;
    QString m_databasePath;
    std::vector<EpirbConfig *> m_records;
    int m_currentIndex = -1;
    bool m_modified = false;
    // The file on disk failed its checks and still holds what the list may lack.
    bool m_damagedOnDisk = false;
    qint32 m_loadedFormat = 0;
    ImportCounts m_lastImport;
};
