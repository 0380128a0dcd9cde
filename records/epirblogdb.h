#pragma once

#include "records/logentry.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <vector>

// Decoder and keeper of the beacon's boot log (page 2): counters of boots by reason
// and the ring buffer of the last boots, newest first.
class EpirbLogDb : public QObject
{
    Q_OBJECT

public:
    enum Result { Ok = 0, ShortBlock = -1, UnsupportedVersion = -2 };
    // The CSV export of the log on show. ExportExists: an earlier export holds its file
    // name and nothing is written until the technician says what to do.
    enum ExportState { NotExported, Exported, ExportExists, ExportFailed };

    static constexpr int kCounterCount = 16;
    static constexpr int kLayout1Size = 389;
    static constexpr int kLayout2Size = 512;
    static constexpr int kLayout1Slots = 45;
    static constexpr int kLayout2Slots = 38;

    explicit EpirbLogDb(QObject *parent);
    ~EpirbLogDb() override;

    // The process-wide decoder, created on the first call with the given parent.
    static EpirbLogDb *instance(QObject *parent);

    // Returns Ok, ShortBlock (block shorter than its layout; nothing decoded) or
    // UnsupportedVersion. The entry list is replaced only by a successful decode.
    // The log is of no known beacon.
    int parseLog(const QByteArray &block, bool exportCsv);
    // The log of the beacon whose configuration block was read with it, read at readTime;
    // exported after a good decode. A block that does not decode leaves the beacon unknown.
    int parseRead(const QByteArray &configBlock, const QByteArray &block,
                  const QDateTime &readTime = QDateTime::currentDateTime());
    // Forgets the log and whose it is: no entries, counters 0, version 0. The CSV file stays.
    void clear();

    quint8 version() const { return m_version; }
    const std::array<quint8, kCounterCount> &counters() const { return m_counters; }
    const std::vector<std::unique_ptr<LogEntry>> &entries() const { return m_entries; }
    int entryCount() const { return int(m_entries.size()); }
    const LogEntry *entryAt(int row) const;
    // Columns of the entry table: the flags and notices only in layout 2.
    int columnCount() const { return m_version == 2 ? 7 : 5; }
    static QString columnTitle(int column);

    // Whose log it is; empty texts and type -1 when not known.
    int beaconType() const { return m_beacon.type; }
    QString beaconModel() const;
    QString beaconSerial() const { return m_beacon.serial; }
    QString hexId() const { return m_beacon.hexId; }
    QDateTime readTime() const { return m_beacon.readTime; }
    // Header values carried by the block but shown nowhere.
    const std::array<qint16, 6> &sensorValues() const { return m_sensors; }
    quint16 headerWord() const { return m_headerWord; }

    // A file chosen for the export: written there, replacing what it holds. Empty: the
    // default name in the user's documents folder.
    void setCsvPath(const QString &path) { m_csvPath = path; }
    QString csvPath() const;
    // Model, serial and time of the read: "log_SKP5_31337_2023-11-14_221320.csv".
    QString defaultCsvName() const;
    // csvPath(), or, when a file holds it, the first free "<name>_2.csv", "<name>_3.csv", ...
    QString freeCsvPath() const;
    // The export after a read: to the chosen file, or to the default name unless a file
    // already holds it (then ExportExists and nothing is written).
    bool exportCsv();
    // The technician's word after ExportExists: replace the earlier file, or keep it and
    // write this log under a free name.
    bool replaceExport();
    bool exportAsNewFile();
    ExportState exportState() const { return m_exportState; }
    // The file written, or the one that holds the name (ExportExists).
    QString exportPath() const { return m_exportPath; }
    // Writes the CSV export of the current entries; false when the file cannot be written.
    bool writeCsv(const QString &path) const;

    static QString bootReasonName(int code);
    // Display text of one column of the entry table (0 reason .. 6 notices).
    static QString entryText(const LogEntry &entry, int column);
    static quint16 crc16(const char *data, qsizetype size);

signals:
    // Around every change of the decoded log, for the models over it.
    void logAboutToChange();
    void logChanged();
    void exportChanged();

private:
    struct Beacon
    {
        int type = -1;
        QString serial;
        QString hexId;
        QDateTime readTime;
    };

    int parse(const QByteArray &block, bool withExport, const Beacon &beacon);
    void forgetBeacon();
    bool writeExport(const QString &path);
    void decode(const QByteArray &block, int layoutSize, int slotCount);
    std::unique_ptr<LogEntry> decodeSlot(const uchar *slot, int slotIndex) const;

    static EpirbLogDb *s_instance;

    std::array<quint8, kCounterCount> m_counters {};
    quint8 m_version = 0;
    std::vector<std::unique_ptr<LogEntry>> m_entries;
    std::array<qint16, 6> m_sensors {};
    quint16 m_headerWord = 0;
    QString m_csvPath;
    Beacon m_beacon;
    ExportState m_exportState = NotExported;
    QString m_exportPath;
};
