#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class EpirbConfig;

// The bytes of "Quorvik.db": what a file holds, read as far as it can be read, and
// the bytes of a list of records. Knows every format the program ever wrote (100, 101,
// 102 and the current 103); writes the current one only.
class DatabaseFile
{
public:
    static constexpr qint32 kMagic = 0x45670099;
    static constexpr qint32 kFormatVersion = 103;

    using RecordList = std::vector<std::unique_ptr<EpirbConfig>>;

    struct Contents
    {
        RecordList records;  // every record that decoded, in file order
        qint32 format = 0;   // 0 when the header is not one this program wrote
        int declared = 0;    // the count the header gives
        int unreadable = 0;  // records found but not decodable
        bool whole = false;  // read to its checksum, every record decoded, count and checksum agree
        QStringList problems; // what was wrong, one sentence each
    };

    // Reads as much as the bytes allow: past a record that does not decode, and past a
    // damaged length where a later record can be found again.
    static Contents decode(const QByteArray &bytes);
    // A whole file in the current format.
    static QByteArray encode(const RecordList &records);

    // The identity under which the database keeps one beacon.
    static QString identity(const EpirbConfig &record);

    // Every member of one record, as the current format keeps it.
    static QByteArray recordBytes(const EpirbConfig &record);
    // False when the bytes end before the last member the format has. A format of 0
    // (a header that cannot be trusted) reads the members 103 added when they are there.
    static bool readRecord(const QByteArray &bytes, EpirbConfig &record, qint32 format = kFormatVersion);

    // The whole file; false with error set when it exists but cannot be read.
    static bool readFile(const QString &path, QByteArray &bytes, bool &exists, QString *error);
    // Written aside and renamed over path: a failed write leaves the old file as it was.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *error);
    // Puts the folder's entries (a rename into it) on disk.
    static void syncFolderOf(const QString &path);
};
