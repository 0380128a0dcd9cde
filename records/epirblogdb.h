#pragma once

#include "records/logentry.h"

#include <QByteArray>
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
    int parseLog(const QByteArray &block, bool exportCsv);
    // Forgets the log: no entries, counters 0, version 0. The CSV file stays.
    void clear();

    quint8 version() const { return m_version; }
    const std::array<quint8, kCounterCount> &counters() const { return m_counters; }
    const std::vector<std::unique_ptr<LogEntry>> &entries() const { return m_entries; }
    int entryCount() const { return int(m_entries.size()); }
    const LogEntry *entryAt(int row) const;
    // Header values carried by the block but shown nowhere.
    const std::array<qint16, 6> &sensorValues() const { return m_sensors; }
    quint16 headerWord() const { return m_headerWord; }

    // Empty: "log.csv" in the user's documents folder.
    void setCsvPath(const QString &path) { m_csvPath = path; }
    QString csvPath() const;
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

private:
    void decode(const QByteArray &block, int layoutSize, int slotCount);
    std::unique_ptr<LogEntry> decodeSlot(const uchar *slot, int slotIndex) const;

    static EpirbLogDb *s_instance;

    std::array<quint8, kCounterCount> m_counters {};
    quint8 m_version = 0;
    std::vector<std::unique_ptr<LogEntry>> m_entries;
    std::array<qint16, 6> m_sensors {};
    quint16 m_headerWord = 0;
    QString m_csvPath;
};
