#include "bootlogblock.h"
#include "recordfixture.h"

#include "records/epirblogcounterbinding.h"
#include "records/epirblogdb.h"
#include "records/databasebackups.h"
#include "records/databaseifc.h"
#include "records/epirblogdbbinding.h"
#include "records/progbeaconlist.h"
#include "records/duplicateguard.h"
#include "config/datablockcodec.h"
#include "records/sortfilterproxymodel.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

#include <cstdio>
#include <thread>

// The back-end module is a static library: reference its registration so it is linked in.
void qml_register_types_Quorvik_Backend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;

// Set to a folder: the binary adds one record to the database there and waits to be killed.
static const char *const kChildMode = "QUORVIK_TST_RECORDS_CHILD";
static QByteArray runCli(const QStringList &args, int expectedExit, QByteArray *err = nullptr);

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void crcCheckValue();
    void bootLogRingOrder_data();
    void bootLogRingOrder();
    void bootLogTooManyEntries();
    void bootLogInvalidIndex();
    void bootLogVersionSelection_data();
    void bootLogVersionSelection();
    void bootLogRejectsKeepPreviousEntries_data();
    void bootLogRejectsKeepPreviousEntries();
    void bootLogBadCrcStillDecodes();
    void bootLogSpuriousRule_data();
    void bootLogSpuriousRule();
    void bootLogEntryTexts_data();
    void bootLogEntryTexts();
    void bootLogNotices_data();
    void bootLogNotices();
    void bootLogVersion0LastSlot();
    void bootLogCounters();
    void bootLogCsv();

    void proxySort_data();
    void proxySort();
    void proxyFilter_data();
    void proxyFilter();
    void proxySignals();

    void dbRoundTripAndBackup();
    void dbChangedByteFailsChecksum();
    void dbTruncatedFileWithHugeCount();
    void dbEveryChangeIsOnDisk();
    void dbFormat100And101AreUpgraded_data();
    void dbFormat100And101AreUpgraded();
    void dbRestartKeepsEveryImportedField();
    void dbFormat102LoadsAndDuplicateReasonTravels();
    void dbAddOrReplace_data();
    void dbAddOrReplace();
    void dbDatablockSignals();
    void dbExport();
    void dbImportResults_data();
    void dbImportResults();
    void dbImportProgDateRule_data();
    void dbImportProgDateRule();
    void dbImportSkipsBadEntries_data();
    void dbImportSkipsBadEntries();
    void dbImportReplacesShownRecord();
    void dbImportReadsWhatTheFileHolds();
    void dbSurvivesKill();
    void dbDamagedFileIsSaidSalvagedAndSetAside();
    void dbRollingBackupsAndRestore();
    void dbHeldLockIsSaidAndRetried();
    void dbNoteEditMeetsOtherWriters();
    void beaconListAndProxy();
    void duplicateGuardAndListMark();
    void cliCommands();
    void qmlTypes();

private:
    QString freshFolder();
    QByteArray dbBytes(const QString &folder) const;

    QTemporaryDir m_tmp;
    int m_folders = 0;
};

void TestRecords::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_tmp.isValid());
}

void TestRecords::crcCheckValue()
{
    QCOMPARE(EpirbLogDb::crc16("123456789", 9), quint16(0xFEE8));
    QCOMPARE(EpirbLogDb::crc16("", 0), quint16(0));
}

// Each slot's duration is its slot number + 1, so the list tells which slots were read.
void TestRecords::bootLogRingOrder_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("expectedSlots");

    QTest::newRow("v2 wraps to the last slot") << 2 << 3 << 1 << QList<int> { 1, 0, 37 };
    QTest::newRow("v1 wraps to the last slot") << 1 << 3 << 0 << QList<int> { 0, 44, 43 };
    QTest::newRow("v1 no wrap") << 1 << 4 << 3 << QList<int> { 3, 2, 1, 0 };
    QTest::newRow("v2 full ring") << 2 << 38 << 37 << [] { QList<int> l; for (int i = 37; i >= 0; --i) l << i; return l; }();
    QTest::newRow("no entries, any index") << 1 << 0 << 300 << QList<int> {};
}

void TestRecords::bootLogRingOrder()
{
    QFETCH(int, version);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QList<int>, expectedSlots);

    BootLogBlock block(version);
    block.setCount(quint16(count));
    block.setIndex(quint16(index));
    for (int s = 0; s < block.slotCount(); ++s) {
        if (version == 2)
            block.setSlot2(s, 3, 0, 0, quint16(s + 1), 1, 1700000000);
        else
            block.setSlot1(s, 3, 0, quint16(s + 1), 1700000000);
    }

    EpirbLogDb db(nullptr);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    QCOMPARE(db.version(), quint8(version));
    QList<int> got;
    for (const auto &e : db.entries())
        got << e->durationMinutes - 1;
    QCOMPARE(got, expectedSlots);
}

void TestRecords::bootLogTooManyEntries()
{
    BootLogBlock block(1);
    block.setCount(50);
    block.setIndex(44);
    EpirbLogDb db(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Max log entry count exceeded: 50 for log version 1");
    QTest::ignoreMessage(QtWarningMsg, "Showing last 45 entries");
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    QCOMPARE(db.entryCount(), 45);
}

void TestRecords::bootLogInvalidIndex()
{
    BootLogBlock block(2);
    block.setCount(5);
    block.setIndex(5);
    block.setSlot2(0, 6, 0, 0, 77, 1, 1700000000);
    EpirbLogDb db(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Invalid log current index: 5");
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    QCOMPARE(db.entryCount(), 5);
    QCOMPARE(db.entryAt(0)->durationMinutes, quint16(77));
}

void TestRecords::bootLogVersionSelection_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("byte386");
    QTest::addColumn<int>("byte511");
    QTest::addColumn<int>("version");

    QTest::newRow("511 unset 0xFF, 386 = 1") << 512 << 1 << 0xFF << 1;
    QTest::newRow("511 unset 0, 386 = 1") << 512 << 1 << 0 << 1;
    QTest::newRow("511 = 2 wins over 386") << 512 << 1 << 2 << 2;
    QTest::newRow("386 = 0xFF counts as 0") << 389 << 0xFF << -1 << 0;
    QTest::newRow("both unset") << 512 << 0 << 0xFF << 0;
    QTest::newRow("short block reads only 386") << 389 << 1 << -1 << 1;
}

void TestRecords::bootLogVersionSelection()
{
    QFETCH(int, size);
    QFETCH(int, byte386);
    QFETCH(int, byte511);
    QFETCH(int, version);

    QByteArray block(size, '\0');
    block[100] = char(1); // spoils the zero CRC in every row
    block[386] = char(byte386);
    if (byte511 >= 0)
        block[511] = char(byte511);
    EpirbLogDb db(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "WARNING: Boot log CRC is not valid, output might not be correct");
    QCOMPARE(db.parseLog(block, false), 0);
    QCOMPARE(db.version(), quint8(version));
}

void TestRecords::bootLogRejectsKeepPreviousEntries_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("warning");

    QByteArray v3(512, '\0');
    v3[511] = char(3);
    QTest::newRow("version 3") << v3 << int(EpirbLogDb::UnsupportedVersion) << QStringLiteral("Log version 3 is not supported");
    QByteArray v1short(388, '\0');
    v1short[386] = char(1);
    QTest::newRow("version 1, 388 bytes") << v1short << int(EpirbLogDb::ShortBlock)
                                          << QStringLiteral("Boot log block too short: 388 bytes, log version 1 needs 389");
    QTest::newRow("empty") << QByteArray() << int(EpirbLogDb::ShortBlock)
                           << QStringLiteral("Boot log block too short: 0 bytes, log version 0 needs 389");
    QByteArray v2short = BootLogBlock(2).bytes();
    v2short.chop(1);
    v2short[386] = char(2);
    QTest::newRow("version 2 named at 386, 511 bytes") << v2short << int(EpirbLogDb::ShortBlock)
                                                      << QStringLiteral("Boot log block too short: 511 bytes, log version 2 needs 512");
}

void TestRecords::bootLogRejectsKeepPreviousEntries()
{
    QFETCH(QByteArray, block);
    QFETCH(int, result);
    QFETCH(QString, warning);

    const QString csv = m_tmp.filePath(QStringLiteral("reject.csv"));
    QFile::remove(csv);
    EpirbLogDb db(nullptr);
    db.setCsvPath(csv);
    BootLogBlock good(2);
    good.setCount(2);
    good.setIndex(1);
    good.setCounter(3, 9);
    QCOMPARE(db.parseLog(good.bytes(), false), 0);
    QCOMPARE(db.entryCount(), 2);

    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QCOMPARE(db.parseLog(block, true), result);
    QCOMPARE(db.entryCount(), 2);
    QCOMPARE(db.counters()[3], quint8(0));
    QVERIFY(!QFile::exists(csv));
}

void TestRecords::bootLogBadCrcStillDecodes()
{
    BootLogBlock block(1);
    block.setCount(1);
    block.setSlot1(0, 6, 0, 12, 1700000000);
    QByteArray bytes = block.bytes();
    bytes[100] = char(bytes[100] ^ 0x40);
    EpirbLogDb db(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "WARNING: Boot log CRC is not valid, output might not be correct");
    QCOMPARE(db.parseLog(bytes, false), 0);
    QCOMPARE(db.entryCount(), 1);
    QCOMPARE(db.entryAt(0)->durationMinutes, quint16(12));
}

void TestRecords::bootLogSpuriousRule_data()
{
    QTest::addColumn<int>("byte0");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("mask");

    QTest::newRow("0x08 mask 1 alone") << 0x08 << 8 << QStringLiteral("0x01");
    QTest::newRow("0x18 mask 3 keeps reason") << 0x18 << 0 << QStringLiteral("0x03");
    QTest::newRow("0x28 mask 5 drops bit 0") << 0x28 << 8 << QStringLiteral("0x04");
    QTest::newRow("0x00 plain test") << 0x00 << 0 << QStringLiteral("0x00");
    QTest::newRow("0x09 other reason untouched") << 0x09 << 1 << QStringLiteral("0x01");
    QTest::newRow("0xF8 mask 31") << 0xF8 << 0 << QStringLiteral("0x1f");
    QTest::newRow("0xE8 mask 29") << 0xE8 << 8 << QStringLiteral("0x1c");
}

void TestRecords::bootLogSpuriousRule()
{
    QFETCH(int, byte0);
    QFETCH(int, reason);
    QFETCH(QString, mask);

    BootLogBlock block(1);
    block.setCount(1);
    block.setSlot1(0, quint8(byte0), 0, 0, 0);
    EpirbLogDb db(nullptr);
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    EpirbLogDbBinding model(&db);
    QCOMPARE(db.entryAt(0)->bootReason, quint8(reason));
    QCOMPARE(model.data(model.index(0, 0)).toString(), EpirbLogDb::bootReasonName(reason));
    QCOMPARE(model.data(model.index(0, 1)).toString(), mask);
}

void TestRecords::bootLogEntryTexts_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<quint32>("tail");
    QTest::addColumn<QStringList>("texts");

    // The tests run with TZ=UTC.
    QTest::newRow("aborted test shows sensors") << 2 << 5 << 0 << BootLogBlock::sensorTail(10000, 235)
                                                << QStringList { "Test aborted", "0x00", "-", "-", "T=23.5C, P=100.0hPa" };
    QTest::newRow("negative temperature") << 2 << 0 << 1 << BootLogBlock::sensorTail(-150, -42)
                                          << QStringList { "Test aborted", "0x00", "-", "1 minutes", "T=-4.2C, P=-1.5hPa" };
    QTest::newRow("STD test passed, no time") << 0 << 0 << 3 << BootLogBlock::sensorTail(101325 / 10, 200)
                                              << QStringList { "STD test", "0x00", "OK", "3 minutes", "" };
    QTest::newRow("GNSS test failed") << 1 << 17 << 65535 << quint32(1704164645)
                                      << QStringList { "GNSS test", "0x00", "17", "65535 minutes", "2024-01-02T03:04:05" };
    QTest::newRow("manual in 1970") << 6 << 0 << 0 << quint32(200 * 86400)
                                    << QStringList { "Manual", "0x00", "-", "-", "N/A" };
    QTest::newRow("epoch") << 5 << 0 << 0 << quint32(0) << QStringList { "Seawater", "0x00", "-", "-", "N/A" };
    QTest::newRow("unknown reason") << 200 << 0 << 0 << quint32(86400 * 365 * 40)
                                    << QStringList { "Unknown", "0x00", "-", "-", "2009-12-22T00:00:00" };
    QTest::newRow("reason 10") << 10 << 0 << 0 << quint32(0) << QStringList { "Unknown Test", "0x00", "-", "-", "N/A" };
}

void TestRecords::bootLogEntryTexts()
{
    QFETCH(int, reason);
    QFETCH(int, result);
    QFETCH(int, minutes);
    QFETCH(quint32, tail);
    QFETCH(QStringList, texts);

    BootLogBlock block(2);
    block.setCount(1);
    block.setSlot2(0, quint8(reason), 0, quint8(result), quint16(minutes), 1, tail);
    EpirbLogDb db(nullptr);
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    EpirbLogDbBinding model(&db);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 7);
    QStringList got;
    for (int c = 0; c < 5; ++c)
        got << model.data(model.index(0, c)).toString();
    QCOMPARE(got, texts);
    QVERIFY(!model.data(model.index(0, 0), Qt::EditRole).isValid());
}

void TestRecords::bootLogNotices_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QString>("flagText");
    QTest::addColumn<QString>("notices");

    QTest::newRow("0x000002") << quint32(2) << "0x2" << "UNCLEAN_SHUTDOWN,EXCESSIVE_SHUTDOWN_TIME";
    QTest::newRow("0x000003") << quint32(3) << "0x3" << "EXCESSIVE_SHUTDOWN_TIME";
    QTest::newRow("0x000001") << quint32(1) << "0x1" << "";
    QTest::newRow("0x000000") << quint32(0) << "0x0" << "UNCLEAN_SHUTDOWN";
    QTest::newRow("all 24 bits") << quint32(0xABCDEF) << "0xabcdef" << "EXCESSIVE_SHUTDOWN_TIME";
}

void TestRecords::bootLogNotices()
{
    QFETCH(quint32, flags);
    QFETCH(QString, flagText);
    QFETCH(QString, notices);

    BootLogBlock block(2);
    block.setCount(1);
    block.setSlot2(0, 3, 0x81, 0, 0, flags, 1700000000);
    EpirbLogDb db(nullptr);
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    EpirbLogDbBinding model(&db);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("0x81"));
    QCOMPARE(model.data(model.index(0, 5)).toString(), flagText);
    QCOMPARE(model.data(model.index(0, 6)).toString(), notices);
    QCOMPARE(model.headerData(6, Qt::Vertical).toString(), QStringLiteral("Notices"));
}

void TestRecords::bootLogVersion0LastSlot()
{
    BootLogBlock block(0);
    block.setCount(2);
    block.setIndex(0);
    block.setSlot1(0, 6, 0, 0, 1704164645);
    block.setSlot1(44, 6, 0, 0, 1704164645);
    EpirbLogDb db(nullptr);
    QCOMPARE(db.parseLog(block.bytes(), false), 0);
    QCOMPARE(db.version(), quint8(0));
    QVERIFY(db.entryAt(0)->timestamp.isValid());
    QVERIFY(!db.entryAt(1)->timestamp.isValid());
    EpirbLogDbBinding model(&db);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.data(model.index(1, 4)).toString(), QString());
}

void TestRecords::bootLogCounters()
{
    BootLogBlock v2(2);
    for (int i = 0; i < 16; ++i)
        v2.setCounter(i, quint8(i < 11 ? 20 + i : i - 10));
    EpirbLogDb db(nullptr);
    QCOMPARE(db.parseLog(v2.bytes(), false), 0);
    EpirbLogCounterBinding counters(&db);
    QCOMPARE(counters.rowCount(), 1);
    QCOMPARE(counters.columnCount(), 12);
    QCOMPARE(counters.data(counters.index(0, 11)).toString(), QStringLiteral("15"));
    QCOMPARE(counters.data(counters.index(0, 4)).toString(), QStringLiteral("24"));
    QCOMPARE(counters.headerData(8, Qt::Horizontal).toString(), QStringLiteral("Spurious"));
    QCOMPARE(counters.headerData(11, Qt::Vertical).toString(), QStringLiteral("Unknown"));
    QVERIFY(!counters.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    // Layout 1 has eight counters: the bytes after them are sensor values, not counters.
    BootLogBlock v1(1);
    for (int i = 0; i < 16; ++i)
        v1.setCounter(i, quint8(i + 1));
    QCOMPARE(db.parseLog(v1.bytes(), false), 0);
    QCOMPARE(counters.columnCount(), 8);
    QCOMPARE(counters.data(counters.index(0, 7)).toString(), QStringLiteral("8"));
    QCOMPARE(db.counters()[8], quint8(0));
}

void TestRecords::bootLogCsv()
{
    BootLogBlock block(2);
    block.setCount(2);
    block.setIndex(1);
    block.setSlot2(0, 2, 0, 3, 4, 0, BootLogBlock::sensorTail(10000, 235));
    block.setSlot2(1, 1, 0x10, 0, 0, 2, 1704164645);
    const auto beacon = makeP5(QStringLiteral("31337"));
    const QDateTime readAt(QDate(2024, 1, 2), QTime(3, 4, 5));
    const QString csv = m_tmp.filePath(QStringLiteral("chosen.csv"));
    EpirbLogDb db(nullptr);
    db.setCsvPath(csv);
    {
        QFile earlier(csv);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier file\n");
    }
    // A chosen file is the technician's word: it is replaced.
    QCOMPARE(db.parseRead(encodeDataBlock(*beacon), block.bytes(), readAt), 0);
    QCOMPARE(db.exportState(), EpirbLogDb::Exported);
    QCOMPARE(db.exportPath(), csv);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Whose log it is and when it was read, then every column of the page.
    QCOMPARE(file.readAll(), QByteArray("Model;Skua P5;Serial no;31337;Hex ID;") + beacon->epirbHexMsg().toLatin1()
                                 + ";Read at;2024-01-02T03:04:05;\n"
                                   "Boot reason;Boot mask;Test result;Duration;Timestamp;Flags;Notices;\n"
                                   "GNSS test;0x10;OK;-;2024-01-02T03:04:05;0x2;UNCLEAN_SHUTDOWN,EXCESSIVE_SHUTDOWN_TIME;\n"
                                   "Test aborted;0x00;-;4 minutes;T=23.5C, P=100.0hPa;0x0;UNCLEAN_SHUTDOWN;\n");
    file.close();
    QCOMPARE(db.defaultCsvName(), QStringLiteral("log_SKP5_31337_2024-01-02_030405.csv"));

    // A serial from the beacon's memory can neither leave the folder nor start a CSV cell.
    const auto odd = makeP5(QStringLiteral("../a;b"));
    QCOMPARE(db.parseRead(encodeDataBlock(*odd), block.bytes(), readAt), 0);
    QCOMPARE(db.defaultCsvName(), QStringLiteral("log_SKP5____a_b_2024-01-02_030405.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readLine().startsWith("Model;Skua P5;Serial no;../a b;Hex ID;"));
    file.close();

    // A configuration that does not decode: the log is shown and exported, its beacon unknown.
    QCOMPARE(db.parseRead(QByteArray(192, '\0'), block.bytes(), readAt), 0);
    QCOMPARE(db.beaconSerial(), QString());
    QCOMPARE(db.defaultCsvName(), QStringLiteral("log_unknown_unknown_2024-01-02_030405.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), QByteArray("Model;;Serial no;;Hex ID;;Read at;2024-01-02T03:04:05;\n"));
    file.close();

    // A rejected block leaves the log on show and whose it is together.
    QCOMPARE(db.parseRead(encodeDataBlock(*beacon), block.bytes(), readAt), 0);
    QCOMPARE(db.parseRead(encodeDataBlock(*odd), block.bytes().left(300), readAt), int(EpirbLogDb::ShortBlock));
    QCOMPARE(db.beaconSerial(), QStringLiteral("31337"));

    // Layout 1 has five columns on the page and in the file.
    BootLogBlock older(1);
    older.setCount(1);
    QCOMPARE(db.parseRead(encodeDataBlock(*beacon), older.bytes(), readAt), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.readLine();
    QCOMPARE(file.readLine(), QByteArray("Boot reason;Boot mask;Test result;Duration;Timestamp;\n"));
    QCOMPARE(file.readLine().count(';'), 5);
    file.close();

    // A documents folder that does not exist yet is created.
    const QString nested = m_tmp.filePath(QStringLiteral("missing/dir/log.csv"));
    db.setCsvPath(nested);
    QCOMPARE(db.parseLog(block.bytes(), true), 0);
    QVERIFY(QFile::exists(nested));

    // An unwritable path (below a plain file) leaves the result alone and says so.
    db.setCsvPath(csv + QStringLiteral("/log.csv"));
    QCOMPARE(db.parseLog(block.bytes(), true), 0);
    QCOMPARE(db.exportState(), EpirbLogDb::ExportFailed);
}

// One column of texts with the sort roles a source model would give.
static QStandardItemModel *columnModel(const QStringList &texts, const QVariant &sortType, const QVariant &format, QObject *parent)
{
    auto *model = new QStandardItemModel(parent);
    for (const QString &text : texts) {
        auto *item = new QStandardItem(text);
        if (sortType.isValid())
            item->setData(sortType, SortFilterProxyModel::SortTypeRole);
        if (format.isValid())
            item->setData(format, SortFilterProxyModel::DateFormatRole);
        model->appendRow(item);
    }
    return model;
}

static QStringList proxyColumn(const QAbstractItemModel &model, int column = 0)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.data(model.index(row, column)).toString();
    return out;
}

void TestRecords::proxySort_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVariant>("sortType");
    QTest::addColumn<QVariant>("format");
    QTest::addColumn<QStringList>("ascending");

    const QVariant numeric = QVariant::fromValue(SortFilterProxyModel::SortNumeric);
    const QVariant date = QVariant::fromValue(SortFilterProxyModel::SortDate);
    QTest::newRow("serials numerically") << QStringList { "100", "99", "1000", "5" } << numeric << QVariant()
                                         << QStringList { "5", "99", "100", "1000" };
    QTest::newRow("plain int role counts too") << QStringList { "100", "99" } << QVariant(1) << QVariant()
                                               << QStringList { "99", "100" };
    QTest::newRow("names as numbers keep order") << QStringList { "P5", "A11", "M3" } << numeric << QVariant()
                                                 << QStringList { "P5", "A11", "M3" };
    QTest::newRow("battery month dates") << QStringList { "2025 Jan", "2024 Dec", "2024 Feb", "none" } << date
                                         << QVariant(QStringLiteral("yyyy MMM"))
                                         << QStringList { "none", "2024 Feb", "2024 Dec", "2025 Jan" };
    QTest::newRow("prog dates") << QStringList { "2024 Mar 10", "2024 Mar 02", "2023 Dec 31" } << date
                                << QVariant(QStringLiteral("yyyy MMM dd"))
                                << QStringList { "2023 Dec 31", "2024 Mar 02", "2024 Mar 10" };
    QTest::newRow("date without format role") << QStringList { "2025 Jan", "2024 Dec" } << date << QVariant()
                                              << QStringList { "2024 Dec", "2025 Jan" };
    QTest::newRow("text by code unit, case sensitive") << QStringList { "b", "B", "a" } << QVariant() << QVariant()
                                                       << QStringList { "B", "a", "b" };
    QTest::newRow("unknown sort type falls back to text") << QStringList { "10", "9" } << QVariant(7) << QVariant()
                                                          << QStringList { "10", "9" };
}

void TestRecords::proxySort()
{
    QFETCH(QStringList, texts);
    QFETCH(QVariant, sortType);
    QFETCH(QVariant, format);
    QFETCH(QStringList, ascending);

    SortFilterProxyModel proxy;
    proxy.setSourceModel(columnModel(texts, sortType, format, &proxy));
    proxy.sort(0);
    QCOMPARE(proxyColumn(proxy), ascending);

    QSignalSpy orderSpy(&proxy, &SortFilterProxyModel::sortOrderChanged);
    proxy.setProperty("sortOrder", Qt::DescendingOrder);
    QCOMPARE(orderSpy.count(), 1);
    QCOMPARE(proxy.sortOrder(), Qt::DescendingOrder);
    QStringList descending = proxyColumn(proxy);
    std::reverse(descending.begin(), descending.end());
    // Equal keys keep source order either way; compare only when all keys differ.
    if (QTest::currentDataTag() != QLatin1String("names as numbers keep order"))
        QCOMPARE(descending, ascending);
}

void TestRecords::proxyFilter_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("wildcard as the pages use it") << int(SortFilterProxyModel::Wildcard) << "*p5*"
                                                  << QStringList { "SkuaP5", "1234" };
    QTest::newRow("wildcard matches any column") << int(SortFilterProxyModel::Wildcard) << "*99*"
                                                 << QStringList { "Skua11A", "99" };
    QTest::newRow("wildcard empty shows all") << int(SortFilterProxyModel::Wildcard) << ""
                                              << QStringList { "SkuaP5", "1234", "Skua11A", "99" };
    QTest::newRow("regexp case-insensitive") << int(SortFilterProxyModel::RegExp) << "^skua1"
                                             << QStringList { "Skua11A", "99" };
    QTest::newRow("fixed string takes * literally") << int(SortFilterProxyModel::FixedString) << "*p5*"
                                                    << QStringList {};
    QTest::newRow("fixed string") << int(SortFilterProxyModel::FixedString) << "23" << QStringList { "SkuaP5", "1234" };
}

void TestRecords::proxyFilter()
{
    QFETCH(int, syntax);
    QFETCH(QString, filter);
    QFETCH(QStringList, rows);

    auto *source = new QStandardItemModel(0, 2, this);
    source->appendRow({ new QStandardItem(QStringLiteral("SkuaP5")), new QStandardItem(QStringLiteral("1234")) });
    source->appendRow({ new QStandardItem(QStringLiteral("Skua11A")), new QStandardItem(QStringLiteral("99")) });
    SortFilterProxyModel proxy;
    proxy.setSourceModel(source);
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterSyntax(SortFilterProxyModel::FilterSyntax(syntax));
    proxy.setFilterString(filter);
    QStringList got;
    for (int row = 0; row < proxy.rowCount(); ++row)
        got << proxy.data(proxy.index(row, 0)).toString() << proxy.data(proxy.index(row, 1)).toString();
    QCOMPARE(got, rows);
    QCOMPARE(proxy.count(), rows.size() / 2);
    delete source;
}

void TestRecords::proxySignals()
{
    SortFilterProxyModel proxy;
    QCOMPARE(proxy.filterSyntax(), SortFilterProxyModel::Wildcard);
    QCOMPARE(proxy.sortOrder(), Qt::AscendingOrder);
    auto *source = columnModel({ "1", "2" }, QVariant(), QVariant(), &proxy);
    proxy.setSourceModel(source);

    QSignalSpy count(&proxy, &SortFilterProxyModel::countChanged);
    QSignalSpy filter(&proxy, &SortFilterProxyModel::filterStringChanged);
    QSignalSpy syntax(&proxy, &SortFilterProxyModel::filterSyntaxChanged);

    proxy.setFilterString(QStringLiteral("*"));
    proxy.setFilterString(QStringLiteral("*"));
    QCOMPARE(filter.count(), 2);

    // The syntax change re-applies the text first, then announces both.
    QList<int> order;
    connect(&proxy, &SortFilterProxyModel::filterStringChanged, this, [&order] { order << 1; });
    connect(&proxy, &SortFilterProxyModel::filterSyntaxChanged, this, [&order] { order << 2; });
    proxy.setFilterSyntax(SortFilterProxyModel::FixedString);
    QCOMPARE(order, (QList<int> { 1, 2 }));
    QCOMPARE(proxy.count(), 0);
    proxy.setFilterSyntax(SortFilterProxyModel::Wildcard);
    QCOMPARE(proxy.count(), 2);

    count.clear();
    source->appendRow(new QStandardItem(QStringLiteral("3")));
    QCOMPARE(count.count(), 1);
    source->removeRow(0);
    QCOMPARE(count.count(), 2);
    QCOMPARE(proxy.property("count").toInt(), 2);
    // A reset changes the count without row signals; the count is announced all the same.
    source->clear();
    QCOMPARE(count.count(), 3);
    QCOMPARE(proxy.count(), 0);
}

QString TestRecords::freshFolder()
{
    const QString folder = m_tmp.filePath(QStringLiteral("db%1").arg(++m_folders));
    QDir().mkpath(folder);
    return folder;
}

QByteArray TestRecords::dbBytes(const QString &folder) const
{
    QFile file(folder + QStringLiteral("/Quorvik.db"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static void addP5(DatabaseIfc &db, const QString &serial, const QDate &progDate = QDate(2024, 5, 17))
{
    QVERIFY(db.addOrReplace(*makeP5(serial, progDate)));
}

static QJsonObject beaconJson(const QString &serial, const QDate &progDate, int type = ConfigTables::E_SkuaP5)
{
    // Built through the exporter (a database without a file) so the test follows the format it writes.
    auto record = makeP5(serial, progDate);
    QJsonObject o;
    {
        DatabaseIfc db(QString(), nullptr);
        db.addOrReplace(*record);
        o = db.exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    }
    o.insert(QStringLiteral("beaconType"), type);
    return o;
}

static QByteArray reportText(const QJsonArray &beacons, const QJsonValue &version = 2)
{
    QJsonObject top;
    top.insert(QStringLiteral("version"), version);
    top.insert(QStringLiteral("beacons"), beacons);
    return QJsonDocument(top).toJson();
}

static QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

static QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRecords::dbRoundTripAndBackup()
{
    const QString folder = freshFolder();
    const QString backup = folder + QLatin1Char('/') + DatabaseBackups::fileName(QDate::currentDate());
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 0);
        addP5(db, QStringLiteral("1001"));
        addP5(db, QStringLiteral("99"), QDate());
        addP5(db, QStringLiteral("1003"));
    }
    const QByteArray written = dbBytes(folder);
    QCOMPARE(written.left(8), QByteArray::fromHex("4567009900000067"));
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 3);
        QCOMPARE(db.currentIndex(), -1);
        QVERIFY(!db.isModified());
        const QStringList serials { "1001", "99", "1003" };
        for (int i = 0; i < 3; ++i) {
            const auto expected = makeP5(serials[i], i == 1 ? QDate() : QDate(2024, 5, 17));
            EpirbConfig *got = db.beaconAt(i);
            QCOMPARE(got->beaconSerial(), serials[i]);
            QCOMPARE(got->beaconType(), int(ConfigTables::E_SkuaP5));
            QCOMPARE(got->compare(*expected), 0);
            QCOMPARE(got->messageBytes(), expected->messageBytes());
            QCOMPARE(got->additionalInfo(), expected->additionalInfo());
        }
        QVERIFY(!db.beaconAt(1)->progDate().isValid());
    }
    // Today's backup is a byte copy of the last good file.
    QVERIFY(QFile::exists(backup));
    QFile copy(backup);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), written);
    copy.close();
    {
        DatabaseIfc db(folder, nullptr);
        addP5(db, QStringLiteral("1004"));
    }
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 4);
    }
    // It follows the file: the copy of today is the last good state.
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), dbBytes(folder));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/Quorvikbackup.db")));
}

void TestRecords::dbChangedByteFailsChecksum()
{
    const QString folder = freshFolder();
    {
        DatabaseIfc db(folder, nullptr);
        addP5(db, QStringLiteral("2001"));
        addP5(db, QStringLiteral("2002"));
    }
    QByteArray bytes = dbBytes(folder);
    // One bit of the second record's note: the record still reads, the checksum does not match.
    QByteArray note;
    for (const QChar c : QStringLiteral("note for 2002"))
        note.append('\0').append(char(c.unicode()));
    const int offset = int(bytes.indexOf(note)) + 1;
    QVERIFY(offset > 12);
    bytes[offset] = char(bytes[offset] ^ 0x20);
    writeFile(folder + QStringLiteral("/Quorvik.db"), bytes);

    const QString backup = folder + QLatin1Char('/') + DatabaseBackups::fileName(QDate::currentDate());
    QFile::remove(backup);
    {
        QTest::ignoreMessage(QtDebugMsg, "problem reading file");
        // The damaged file is kept aside at once, not at the next save.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Damaged database kept as .*Quorvik-damaged-.*\\.db$")));
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 2);
        QVERIFY(db.loadProblem().contains(QStringLiteral("checksum does not match")));
        QVERIFY(!QFile::exists(backup));
        QCOMPARE(dbBytes(folder), bytes);
        addP5(db, QStringLiteral("2003"));
    }
    const QStringList aside = QDir(folder).entryList({ QStringLiteral("Quorvik-damaged-*.db") });
    QCOMPARE(aside.size(), 1);
    QFile kept(folder + QLatin1Char('/') + aside.first());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 3);
        QVERIFY(QFile::exists(backup));
    }
}

void TestRecords::dbTruncatedFileWithHugeCount()
{
    const QString folder = freshFolder();
    QByteArray bytes = QByteArray::fromHex("4567009900000065ffffffff");
    writeFile(folder + QStringLiteral("/Quorvik.db"), bytes);
    QTest::ignoreMessage(QtDebugMsg, "problem reading file");
    QElapsedTimer timer;
    timer.start();
    DatabaseIfc db(folder, nullptr);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(db.count(), 0);

    // Unknown format versions and magics are refused the same way.
    for (const char *hex : { "4567009900000068", "4567009900000063", "1234567800000067", "" }) {
        writeFile(folder + QStringLiteral("/Quorvik.db"), QByteArray::fromHex(hex));
        QTest::ignoreMessage(QtDebugMsg, "problem reading file");
        DatabaseIfc other(folder, nullptr);
        QCOMPARE(other.count(), 0);
    }
}

void TestRecords::dbEveryChangeIsOnDisk()
{
    const QString folder = freshFolder();
    DatabaseIfc db(folder, nullptr);
    addP5(db, QStringLiteral("3001"));
    QVERIFY(!db.isModified());
    auto countOnDisk = [&] {
        const QString copy = freshFolder();
        writeFile(copy + QStringLiteral("/Quorvik.db"), dbBytes(folder));
        return DatabaseIfc(copy, nullptr).count();
    };
    QCOMPARE(countOnDisk(), 1);
    addP5(db, QStringLiteral("3002"));
    QCOMPARE(countOnDisk(), 2);
    db.setDbBeacon(0);
    db.deleteCurrent();
    QCOMPARE(countOnDisk(), 1);
    const QString report = writeFile(m_tmp.filePath(QStringLiteral("every.json")),
                                     reportText({ beaconJson(QStringLiteral("3003"), QDate(2024, 1, 1)) }));
    QCOMPARE(db.ImportReports(report), 0);
    QCOMPARE(countOnDisk(), 2);
    // No half-written temporary files or locks are left behind; beside the file only its backup.
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList { "Quorvik.db", DatabaseBackups::fileName(QDate::currentDate()) }));
}

// A database file as the two earlier formats wrote it: each record its data block and its note.
static QByteArray olderFormatFile(int format, const QList<const EpirbConfig *> &records)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out << qint32(0x45670099) << qint32(format);
    if (format == 101)
        out.setVersion(QDataStream::Qt_6_0);
    out << qint32(records.size());
    quint32 sum = 0;
    for (const EpirbConfig *r : records) {
        const QByteArray block = r->beaconType() >= ConfigTables::E_Skua11A ? encodeDataBlock(*r) : QByteArray();
        out << block << r->additionalInfo();
        for (char c : block)
            sum += quint32(qint32(qint8(c)));
    }
    out << qint32(sum);
    return bytes;
}

void TestRecords::dbFormat100And101AreUpgraded_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("format 100") << 100;
    QTest::newRow("format 101") << 101;
}

void TestRecords::dbFormat100And101AreUpgraded()
{
    QFETCH(int, format);
    const QString folder = freshFolder();
    auto p5 = makeP5(QStringLiteral("1400"));
    // Before the data-block generation a model had no block: such a record never came back.
    auto old = makeP5(QStringLiteral("1401"));
    old->setBeaconType(ConfigTables::E_Skua11R);
    const QByteArray older = olderFormatFile(format, { p5.get(), old.get() });
    writeFile(folder + QStringLiteral("/Quorvik.db"), older);
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 1);
        // The record the old format could not keep is counted and said, not dropped silently.
        QVERIFY2(db.loadProblem().contains(QStringLiteral("1 records could not be decoded")), qPrintable(db.loadProblem()));
        QCOMPARE(db.beaconAt(0)->beaconSerial(), QStringLiteral("1400"));
        QCOMPARE(db.beaconAt(0)->compare(*p5), 0);
        QCOMPARE(db.beaconAt(0)->additionalInfo(), p5->additionalInfo());
        // Loaded, it is at once rewritten in the current format; the old file stays aside.
        QCOMPARE(dbBytes(folder).left(8), QByteArray::fromHex("4567009900000067"));
        QFile aside(folder + QStringLiteral("/Quorvik-format%1.db").arg(format));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), older);
        // The current format keeps what the old one could not: an old model now survives a restart.
        QVERIFY(db.addOrReplace(*old));
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    DatabaseIfc db(folder, nullptr);
    QCOMPARE(db.count(), 2);
    QCOMPARE(db.beaconAt(1)->beaconType(), int(ConfigTables::E_Skua11R));
    QCOMPARE(db.beaconAt(1)->compare(*old), 0);
}

void TestRecords::dbRestartKeepsEveryImportedField()
{
    // A report from another workshop with every field set, some beyond what a data block holds.
    QJsonObject b = beaconJson(QStringLiteral("1500"), QDate(2024, 4, 5));
    b.insert(QStringLiteral("hardwareSerial"), 3123456789.0);
    b.insert(QStringLiteral("hardwareType"), 7);
    b.insert(QStringLiteral("vendorId"), 9);
    b.insert(QStringLiteral("batteryType"), 4);
    b.insert(QStringLiteral("aisSartMmsi"), 33);
    b.insert(QStringLiteral("morseSpeed"), 12);
    b.insert(QStringLiteral("blinkRate"), 3);
    b.insert(QStringLiteral("useMorseCode"), true);
    b.insert(QStringLiteral("morseSequence"), QStringLiteral("LN1500"));
    b.insert(QStringLiteral("batteryExpiryMode"), 2);
    b.insert(QStringLiteral("ownerName"), QStringLiteral("Ågot Sæbø-Østerås, Fiskeri og Havbruk AS"));
    b.insert(QStringLiteral("ownerAddress"), QStringLiteral("Kaien 1, 9990 Båtsfjord, Finnmark, Norway"));
    b.insert(QStringLiteral("ownerOther"), QStringLiteral("Vessel: M/S Nordkyn"));
    b.insert(QStringLiteral("progStation"), QStringLiteral("Workshop Båtsfjord harbour"));
    b.insert(QStringLiteral("quorvikVersion"), QStringLiteral("5.3.10-beta"));
    b.insert(QStringLiteral("productionDate"), QStringLiteral("20231130"));
    b.insert(QStringLiteral("batteryProd"), QStringLiteral("20231001"));
    const QJsonArray beacons { b };
    const QString report = writeFile(m_tmp.filePath(QStringLiteral("every-field.json")), reportText(beacons));

    const QString folder = freshFolder();
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.ImportReports(report), 0);
        QCOMPARE(db.exportObject().value(QStringLiteral("beacons")).toArray(), beacons);
    }
    // After a restart the database exports what it imported, not what a data block would keep.
    DatabaseIfc db(folder, nullptr);
    QCOMPARE(db.count(), 1);
    const QJsonObject got = db.exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    for (auto it = b.begin(); it != b.end(); ++it)
        QVERIFY2(got.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(got.keys(), b.keys());
}

// A format-102 file: its records are those of today without the two members 103 added
// (an empty text, 4 bytes, and a flag, 1 byte).
static QByteArray format102File(const QList<const EpirbConfig *> &records)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out << qint32(0x45670099) << qint32(102);
    out.setVersion(QDataStream::Qt_6_0);
    out << qint32(records.size());
    quint32 sum = 0;
    for (const EpirbConfig *r : records) {
        QByteArray record = DatabaseFile::recordBytes(*r);
        record.chop(5);
        out << record;
        for (char c : record)
            sum += quint32(qint32(qint8(c)));
    }
    out << qint32(sum);
    return bytes;
}

void TestRecords::dbFormat102LoadsAndDuplicateReasonTravels()
{
    const QString folder = freshFolder();
    auto first = makeP5(QStringLiteral("1600"));
    auto second = makeP5(QStringLiteral("1601"));
    const QByteArray older = format102File({ first.get(), second.get() });
    writeFile(folder + QStringLiteral("/Quorvik.db"), older);
    {
        DatabaseIfc db(folder, nullptr);
        QVERIFY2(db.loadProblem().isEmpty(), qPrintable(db.loadProblem()));
        QCOMPARE(db.count(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(db.beaconAt(i)->compare(i == 0 ? *first : *second), 0);
            QCOMPARE(db.beaconAt(i)->additionalInfo(), (i == 0 ? first : second)->additionalInfo());
            QVERIFY(db.beaconAt(i)->duplicateReason().isEmpty());
            QVERIFY(!db.beaconAt(i)->registerPending());
        }
        QCOMPARE(dbBytes(folder).left(8), QByteArray::fromHex("4567009900000067"));
        QFile aside(folder + QStringLiteral("/Quorvik-format102.db"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), older);

        first->setDuplicateReason(QStringLiteral("  Second PLB of the same   vessel, owner's wish "));
        second->setRegisterPending(true);
        QVERIFY(db.addOrReplace(*first));
        QVERIFY(db.addOrReplace(*second));
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QJsonArray exported;
    {
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), 2);
        QCOMPARE(db.beaconAt(0)->duplicateReason(), QStringLiteral("Second PLB of the same vessel, owner's wish"));
        QVERIFY(!db.beaconAt(0)->registerPending());
        QVERIFY(db.beaconAt(1)->duplicateReason().isEmpty());
        QVERIFY(db.beaconAt(1)->registerPending());
        // A copy of a record is the whole record.
        EpirbConfig copy(nullptr);
        copy.copyFrom(*db.beaconAt(0));
        QCOMPARE(copy.duplicateReason(), db.beaconAt(0)->duplicateReason());
        copy.copyFrom(*db.beaconAt(1));
        QVERIFY(copy.duplicateReason().isEmpty());
        QVERIFY(copy.registerPending());
        exported = db.exportObject().value(QStringLiteral("beacons")).toArray();
    }
    // The reason goes to other stations with the report; waiting for this station's register does not.
    QCOMPARE(exported.at(0).toObject().value(QStringLiteral("duplicateReason")).toString(),
             QStringLiteral("Second PLB of the same vessel, owner's wish"));
    QVERIFY(!exported.at(1).toObject().contains(QStringLiteral("duplicateReason")));
    for (const QJsonValue &b : exported)
        QVERIFY(!b.toObject().contains(QStringLiteral("registerPending")));
    const QString report = writeFile(m_tmp.filePath(QStringLiteral("duplicate-reason.json")), reportText(exported));
    DatabaseIfc other(freshFolder(), nullptr);
    QCOMPARE(other.ImportReports(report), 0);
    QCOMPARE(other.count(), 2);
    QCOMPARE(other.beaconAt(0)->duplicateReason(), QStringLiteral("Second PLB of the same vessel, owner's wish"));
    QVERIFY(!other.beaconAt(1)->registerPending());
}

void TestRecords::dbAddOrReplace_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("replacedRow");

    // The database holds P5 "500" and "501" before each row.
    QTest::newRow("new numeric serial appended") << "502" << int(ConfigTables::E_SkuaP5) << true << 3 << -1;
    QTest::newRow("same type and serial replaced") << "501" << int(ConfigTables::E_SkuaP5) << true << 2 << 1;
    QTest::newRow("same serial, other type appended") << "500" << int(ConfigTables::E_Skua31A) << true << 3 << -1;
    QTest::newRow("empty serial refused") << "" << int(ConfigTables::E_SkuaP5) << false << 2 << -1;
    QTest::newRow("letters refused") << "A12" << int(ConfigTables::E_SkuaP5) << false << 2 << -1;
    QTest::newRow("no beacon type refused") << "503" << int(ConfigTables::E_BeaconMax) << false << 2 << -1;
}

void TestRecords::dbAddOrReplace()
{
    QFETCH(QString, serial);
    QFETCH(int, type);
    QFETCH(bool, result);
    QFETCH(int, count);
    QFETCH(int, replacedRow);

    const QString folder = freshFolder();
    DatabaseIfc db(folder, nullptr);
    addP5(db, QStringLiteral("500"));
    addP5(db, QStringLiteral("501"));
    const QByteArray before = dbBytes(folder);

    auto config = makeP5(serial, QDate(2025, 1, 2));
    config->setBeaconType(type);
    config->setOwnerName(QStringLiteral("Replacement"));
    QSignalSpy reset(&db, &DatabaseIfc::endResetModel);
    QCOMPARE(db.addOrReplace(*config), result);
    QCOMPARE(db.count(), count);
    if (replacedRow >= 0) {
        QCOMPARE(db.beaconAt(replacedRow)->ownerName(), QStringLiteral("Replacement"));
        QCOMPARE(db.beaconAt(1 - replacedRow)->ownerName(), QStringLiteral("Kari Nordmann"));
    }
    if (!result) {
        QCOMPARE(dbBytes(folder), before);
        QCOMPARE(reset.count(), 0);
    }
    // The stored record is a copy.
    if (result)
        QVERIFY(db.beaconAt(replacedRow >= 0 ? replacedRow : count - 1) != config.get());
}

void TestRecords::dbDatablockSignals()
{
    DatabaseIfc db(freshFolder(), nullptr);
    addP5(db, QStringLiteral("600"));
    addP5(db, QStringLiteral("601"));

    QList<EpirbConfig *> shown;
    int cleared = 0;
    bool aliveWhenCleared = false;
    QPointer<EpirbConfig> current;
    connect(&db, &DatabaseIfc::showInDatablock, this, [&](EpirbConfig *r) { shown << r; current = r; });
    connect(&db, &DatabaseIfc::clearDatablock, this, [&] { ++cleared; aliveWhenCleared = !current.isNull(); });
    QSignalSpy changed(&db, &DatabaseIfc::dbBeaconChanged);

    db.setDbBeacon(5);
    db.setDbBeacon(-1);
    QCOMPARE(changed.count(), 0);
    QTest::ignoreMessage(QtDebugMsg, "setDbBeacon: 601 1");
    db.setDbBeacon(1);
    QCOMPARE(db.currentIndex(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(shown, QList<EpirbConfig *> { db.beaconAt(1) });

    // Replacing another record leaves the view alone.
    QVERIFY(db.addOrReplace(*makeP5(QStringLiteral("600"))));
    QCOMPARE(shown.size(), 1);
    // Replacing the shown one hands the view the replacement before the old record goes.
    QVERIFY(db.addOrReplace(*makeP5(QStringLiteral("601"))));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last(), db.beaconAt(1));
    QVERIFY(!current.isNull());

    QSignalSpy begin(&db, &DatabaseIfc::beginResetModel);
    db.deleteCurrent();
    QCOMPARE(cleared, 1);
    QVERIFY(aliveWhenCleared);
    QVERIFY(current.isNull());
    QCOMPARE(begin.count(), 1);
    QCOMPARE(db.currentIndex(), -1);
    QCOMPARE(db.count(), 1);

    QTest::ignoreMessage(QtDebugMsg, "databaseifc: Cannot delete current target");
    db.deleteCurrent();
    QCOMPARE(db.count(), 1);
}

void TestRecords::dbExport()
{
    const QString file = m_tmp.filePath(QStringLiteral("export.json"));
    DatabaseIfc db(freshFolder(), nullptr);
    QTest::ignoreMessage(QtDebugMsg, "ExportReports: no reports to export");
    QCOMPARE(db.ExportReports(file), -1);
    QVERIFY(!QFile::exists(file));

    addP5(db, QStringLiteral("700"));
    addP5(db, QStringLiteral("701"), QDate());
    QCOMPARE(db.ExportReports(file), 0);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray text = in.readAll();
    in.close();
    const QJsonObject top = QJsonDocument::fromJson(text).object();
    QCOMPARE(top.value(QStringLiteral("version")).toInt(), 2);
    const QJsonArray beacons = top.value(QStringLiteral("beacons")).toArray();
    QCOMPARE(beacons.size(), 2);
    const QJsonObject b = beacons.at(0).toObject();
    QCOMPARE(b.keys().size(), 32);
    QCOMPARE(b.value(QStringLiteral("beaconSerial")).toString(), QStringLiteral("700"));
    QCOMPARE(b.value(QStringLiteral("beaconType")).toInt(), 13);
    QCOMPARE(b.value(QStringLiteral("progDealerno")).toDouble(), 4000000000.0);
    QCOMPARE(b.value(QStringLiteral("hardwareSerial")).toDouble(), 3000000000.0);
    QCOMPARE(b.value(QStringLiteral("progDate")).toString(), QStringLiteral("20240517"));
    QCOMPARE(b.value(QStringLiteral("batteryExpiry")).toString(), QStringLiteral("20310301"));
    QCOMPARE(QByteArray::fromBase64(b.value(QStringLiteral("message406")).toString().toLatin1()), db.beaconAt(0)->messageBytes());
    QCOMPARE(beacons.at(1).toObject().value(QStringLiteral("progDate")).toString(), QString());
    QVERIFY(text.contains("\n    \"beacons\": [\n"));

    // Import into an empty database gives the same records back.
    DatabaseIfc other(freshFolder(), nullptr);
    QCOMPARE(other.ImportReports(file), 0);
    QCOMPARE(other.count(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(other.beaconAt(i)->compare(*db.beaconAt(i)), 0);
        QCOMPARE(other.beaconAt(i)->serialBytes(), db.beaconAt(i)->serialBytes());
        QCOMPARE(other.beaconAt(i)->additionalInfo(), db.beaconAt(i)->additionalInfo());
        QCOMPARE(other.beaconAt(i)->hardwareSerial(), db.beaconAt(i)->hardwareSerial());
        QCOMPARE(other.beaconAt(i)->countryLabel(), db.beaconAt(i)->countryLabel());
    }

    // A failed export leaves the earlier file as it was.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ExportReports: Could not open export file: ")));
    QCOMPARE(db.ExportReports(m_tmp.filePath(QStringLiteral("no/such/dir/export.json"))), -2);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), text);
}

void TestRecords::dbImportResults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("warning");

    const QJsonArray one { beaconJson(QStringLiteral("800"), QDate(2024, 1, 1)) };
    QTest::newRow("version 3") << reportText(one, 3) << -3 << "ImportReports: Unsupported or missing file version: 3";
    QTest::newRow("version missing") << QByteArray("{\"beacons\": []}") << -3
                                     << "ImportReports: Unsupported or missing file version: 0";
    QTest::newRow("version as text") << reportText(one, QStringLiteral("2")) << -3
                                     << "ImportReports: Unsupported or missing file version: 0";
    QTest::newRow("top-level array") << QByteArray("[{\"version\": 2}]") << -2 << "ImportReports: Invalid file format";
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n\x1a\n garbage") << -2 << "ImportReports: Invalid file format";
    QTest::newRow("empty file") << QByteArray() << -2 << "ImportReports: Invalid file format";
    QTest::newRow("beacons not an array") << QByteArray("{\"version\": 2, \"beacons\": {}}") << -2
                                          << "ImportReports: Invalid file format, no beacons";
    QTest::newRow("version 1 read like 2") << reportText(one, 1) << 0 << "";
    QTest::newRow("empty list") << reportText({}) << 0 << "";
}

void TestRecords::dbImportResults()
{
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(QString, warning);

    const QString folder = freshFolder();
    DatabaseIfc db(folder, nullptr);
    addP5(db, QStringLiteral("800"), QDate(2020, 1, 1));
    const QByteArray before = dbBytes(folder);
    const QString file = writeFile(m_tmp.filePath(QStringLiteral("import.json")), content);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QSignalSpy reset(&db, &DatabaseIfc::beginResetModel);
    QCOMPARE(db.ImportReports(file), result);
    const DatabaseIfc::ImportCounts counts = db.lastImport();
    QCOMPARE(counts.imported + counts.replaced + counts.unchanged + counts.skipped, result == 0 ? int(QJsonDocument::fromJson(content).object().value(QStringLiteral("beacons")).toArray().size()) : 0);
    if (result != 0) {
        QCOMPARE(reset.count(), 0);
        QCOMPARE(dbBytes(folder), before);
        QCOMPARE(db.beaconAt(0)->progDate(), QDate(2020, 1, 1));
    }
}

void TestRecords::dbImportProgDateRule_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QDate>("imported");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("later replaces") << QDate(2024, 1, 1) << QDate(2024, 1, 2) << true;
    QTest::newRow("equal keeps") << QDate(2024, 1, 1) << QDate(2024, 1, 1) << false;
    QTest::newRow("earlier keeps") << QDate(2024, 1, 2) << QDate(2024, 1, 1) << false;
    QTest::newRow("stored null is earliest") << QDate() << QDate(2000, 1, 1) << true;
    QTest::newRow("imported null never later") << QDate(2000, 1, 1) << QDate() << false;
    QTest::newRow("both null keeps") << QDate() << QDate() << false;
}

void TestRecords::dbImportProgDateRule()
{
    QFETCH(QDate, stored);
    QFETCH(QDate, imported);
    QFETCH(bool, replaced);

    DatabaseIfc db(freshFolder(), nullptr);
    addP5(db, QStringLiteral("900"), stored);
    addP5(db, QStringLiteral("901"));
    QJsonObject b = beaconJson(QStringLiteral("900"), imported);
    b.insert(QStringLiteral("ownerName"), QStringLiteral("Imported"));
    const QJsonArray beacons { b, beaconJson(QStringLiteral("902"), QDate(2024, 1, 1)) };
    const QString file = writeFile(m_tmp.filePath(QStringLiteral("rule.json")), reportText(beacons));
    QTest::ignoreMessage(QtInfoMsg, replaced ? "Imported 1 new beacons and updated 1 existing beacons"
                                             : "Imported 1 new beacons and updated 0 existing beacons");
    QCOMPARE(db.ImportReports(file), 0);
    QCOMPARE(db.count(), 3);
    QCOMPARE(db.lastImport().imported, 1);
    QCOMPARE(db.lastImport().replaced, replaced ? 1 : 0);
    QCOMPARE(db.lastImport().unchanged, replaced ? 0 : 1);
    QCOMPARE(db.lastImport().skipped, 0);
    QCOMPARE(db.beaconAt(0)->ownerName(), replaced ? QStringLiteral("Imported") : QStringLiteral("Kari Nordmann"));
    QCOMPARE(db.beaconAt(2)->beaconSerial(), QStringLiteral("902"));
}

void TestRecords::dbImportSkipsBadEntries_data()
{
    QTest::addColumn<QJsonValue>("entry");
    QTest::addColumn<QString>("warning");

    const QJsonObject good = beaconJson(QStringLiteral("1100"), QDate(2024, 1, 1));
    QJsonObject e;
    QTest::newRow("unsupported type 0") << QJsonValue(beaconJson(QStringLiteral("1100"), QDate(2024, 1, 1), 0))
                                        << "Skipping unsupported beacon ID 0";
    QTest::newRow("type beyond the list") << QJsonValue(beaconJson(QStringLiteral("1100"), QDate(2024, 1, 1), 99))
                                          << "Skipping unsupported beacon ID 99";
    e = good;
    e.insert(QStringLiteral("message406"), QStringLiteral("AAEC"));
    QTest::newRow("message of 3 bytes") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"message406\" is not a 14 or 18 byte message";
    e.insert(QStringLiteral("message406"), QStringLiteral("not base64 at all!"));
    QTest::newRow("message not base64") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"message406\" is not a 14 or 18 byte message";
    e.remove(QStringLiteral("message406"));
    QTest::newRow("message missing") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"message406\" is not a 14 or 18 byte message";
    e = good;
    e.insert(QStringLiteral("beaconSerial"), 1100);
    QTest::newRow("serial as number") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"beaconSerial\" has the wrong type";
    e = good;
    e.insert(QStringLiteral("ownerName"), QJsonObject { { "x", 1 } });
    QTest::newRow("owner as object") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"ownerName\" has the wrong type";
    e = good;
    e.insert(QStringLiteral("useMorseCode"), QStringLiteral("yes"));
    QTest::newRow("flag as text") << QJsonValue(e) << "ImportReports: Skipping entry 0: \"useMorseCode\" has the wrong type";
    QTest::newRow("entry is a number") << QJsonValue(12) << "ImportReports: Skipping entry 0: not an object";
    QTest::newRow("entry is an array") << QJsonValue(QJsonArray { 1, 2 }) << "ImportReports: Skipping entry 0: not an object";
}

void TestRecords::dbImportSkipsBadEntries()
{
    QFETCH(QJsonValue, entry);
    QFETCH(QString, warning);

    DatabaseIfc db(freshFolder(), nullptr);
    const QJsonArray beacons { entry, beaconJson(QStringLiteral("1101"), QDate(2024, 1, 1)) };
    const QString file = writeFile(m_tmp.filePath(QStringLiteral("bad.json")), reportText(beacons));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    // The import goes on, but says that it left an entry out.
    QTest::ignoreMessage(QtWarningMsg, "ImportReports: Skipped 1 of 2 entries");
    QCOMPARE(db.ImportReports(file), 0);
    QCOMPARE(db.count(), 1);
    QCOMPARE(db.beaconAt(0)->beaconSerial(), QStringLiteral("1101"));
    QCOMPARE(db.lastImport().imported, 1);
    QCOMPARE(db.lastImport().skipped, 1);
}

// A device that notes the largest read the importer asks of it.
class ReadSizeBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    qint64 largestRead = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        largestRead = qMax(largestRead, maxSize);
        return QBuffer::readData(data, maxSize);
    }
};

void TestRecords::dbImportReadsWhatTheFileHolds()
{
    // A read sized to the 256 MiB limit would allocate all of it for every import.
    QByteArray text = reportText({ beaconJson(QStringLiteral("1500"), QDate(2024, 1, 2)) });
    ReadSizeBuffer device(&text);
    QVERIFY(device.open(QIODevice::ReadOnly));
    DatabaseIfc db(QString(), nullptr);
    QCOMPARE(db.importReports(device), 0);
    QCOMPARE(db.count(), 1);
    QCOMPARE(db.beaconAt(0)->beaconSerial(), QStringLiteral("1500"));
    QVERIFY2(device.largestRead <= 1024 * 1024, qPrintable(QString::number(device.largestRead)));
}

void TestRecords::dbImportReplacesShownRecord()
{
    DatabaseIfc db(freshFolder(), nullptr);
    addP5(db, QStringLiteral("1200"), QDate(2020, 1, 1));
    db.setDbBeacon(0);
    QPointer<EpirbConfig> old = db.beaconAt(0);
    QSignalSpy shown(&db, &DatabaseIfc::showInDatablock);
    const QString file = writeFile(m_tmp.filePath(QStringLiteral("shown.json")),
                                   reportText({ beaconJson(QStringLiteral("1200"), QDate(2024, 1, 1)) }));
    QCOMPARE(db.ImportReports(file), 0);
    QVERIFY(old.isNull());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).value<EpirbConfig *>(), db.beaconAt(0));
    QCOMPARE(db.currentIndex(), 0);
}

void TestRecords::dbSurvivesKill()
{
    const QString folder = freshFolder();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMode), folder);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted(10000));
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (!out.contains("added") && timer.elapsed() < 20000) {
        child.waitForReadyRead(200);
        out += child.readAllStandardOutput();
    }
    QVERIFY2(out.contains("added"), child.readAllStandardError().constData());
    child.kill(); // SIGKILL: no destructor, no exit handler runs
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    DatabaseIfc db(folder, nullptr);
    QCOMPARE(db.count(), 1);
    QCOMPARE(db.beaconAt(0)->beaconSerial(), QStringLiteral("4242"));
}

// A database damaged in the ways a full disk, a crash or a bad copy damage it: what is
// said, what is read, that the damaged file is kept at once, and that the next save
// keeps everything that was readable.
void TestRecords::dbDamagedFileIsSaidSalvagedAndSetAside()
{
    const QStringList serials { "5001", "5002", "5003", "5004" };
    QByteArray good;
    {
        const QString folder = freshFolder();
        DatabaseIfc db(folder, nullptr);
        for (const QString &s : serials)
            addP5(db, s);
        good = dbBytes(folder);
    }
    // Where each record's length stands: the header is 12 bytes, each record its 4-byte length and bytes.
    QList<int> starts;
    for (int at = 12; at < good.size() - 4;) {
        starts << at;
        at += 4 + int(qFromBigEndian<quint32>(good.constData() + at));
    }
    QCOMPARE(starts.size(), 4);

    struct Case
    {
        const char *name;
        QByteArray bytes;
        QStringList salvaged;
        const char *said;
    };
    QList<Case> cases;
    cases.append({ "cut short", good.left(good.size() / 2), {}, "cut short" });
    for (int i = 0; i < 4; ++i) {
        if (starts[i] + 4 + int(qFromBigEndian<quint32>(good.constData() + starts[i])) <= good.size() / 2)
            cases.last().salvaged << serials[i];
    }
    QVERIFY(!cases.last().salvaged.isEmpty());
    QVERIFY(cases.last().salvaged.size() < 4);

    QByteArray flipped = good;
    QByteArray note;
    for (const QChar c : QStringLiteral("note for 5002"))
        note.append('\0').append(char(c.unicode()));
    const int noteAt = int(flipped.indexOf(note)) + 1;
    flipped[noteAt] = char(flipped[noteAt] ^ 0x20);
    cases.append({ "bytes flipped in a record", flipped, serials, "checksum does not match" });

    // A string length inside the third record: that record no longer decodes, the others do.
    QByteArray inner = good;
    const QByteArray owner = QByteArray("\0K\0a\0r\0i", 8);
    const int ownerAt = int(inner.indexOf(owner, starts[2]));
    QVERIFY(ownerAt > starts[2]);
    qToBigEndian<quint32>(0x7FFFFFF0u, inner.data() + ownerAt - 4);
    cases.append({ "a record that does not decode", inner, { "5001", "5002", "5004" }, "1 records could not be decoded" });

    // The second record's own length: the reader finds the third again.
    QByteArray length = good;
    qToBigEndian<quint32>(0x00FFFFFFu, length.data() + starts[1]);
    cases.append({ "a damaged record length", length, { "5001", "5003", "5004" }, "skipped" });

    QByteArray count = good;
    qToBigEndian<quint32>(9u, count.data() + 8);
    cases.append({ "a wrong count", count, serials, "It announces 9 records, 4 were found." });

    QByteArray magic = good;
    magic[0] = char(0x12);
    cases.append({ "a wrong magic", magic, serials, "first bytes are not those of a database" });

    for (const Case &c : cases) {
        const QString folder = freshFolder();
        writeFile(folder + QStringLiteral("/Quorvik.db"), good);
        // The good file read once: that made the last good copy.
        QString backup;
        {
            DatabaseIfc db(folder, nullptr);
            QVERIFY2(db.loadProblem().isEmpty(), c.name);
            backup = db.backups().value(0);
            QVERIFY2(backup.contains(QStringLiteral("Quorvikbackup-")), c.name);
        }
        writeFile(folder + QStringLiteral("/Quorvik.db"), c.bytes);

        const QStringList before = QDir(folder).entryList({ QStringLiteral("Quorvik-damaged-*.db") });
        QVERIFY(before.isEmpty());
        {
            DatabaseIfc db(folder, nullptr);
            QStringList got;
            for (int i = 0; i < db.count(); ++i)
                got << db.beaconAt(i)->beaconSerial();
            QVERIFY2(got == c.salvaged, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.name), got.join(','))));
            const QString said = db.loadProblem();
            QVERIFY2(said.contains(QLatin1String(c.said)), qPrintable(QLatin1String(c.name) + QStringLiteral(": ") + said));
            QVERIFY2(said.contains(QStringLiteral("%1 beacon records could be read").arg(c.salvaged.size())), qPrintable(said));
            QVERIFY2(said.contains(backup), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("Restore from backup")), qPrintable(said));
            // Set aside at once, before any save; named in what is said.
            const QStringList aside = QDir(folder).entryList({ QStringLiteral("Quorvik-damaged-*.db") });
            QCOMPARE(aside.size(), 1);
            QVERIFY(said.contains(db.damagedCopy()));
            QFile kept(db.damagedCopy());
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), c.bytes);
            // The damaged file is no good copy.
            QCOMPARE(db.backups().value(0), backup);
            {
                // A second program meeting the same damage keeps no second copy.
                DatabaseIfc other(folder, nullptr);
                QCOMPARE(other.damagedCopy(), db.damagedCopy());
            }
            addP5(db, QStringLiteral("5009"));
            QVERIFY(!db.isModified());
            addP5(db, QStringLiteral("5010"));
            // The copy named as the last good one still is, after the salvage and a later
            // save of the same day; the damaged original is offered beside it.
            QCOMPARE(fileBytes(backup), good);
            QVERIFY(db.backups().contains(db.damagedCopy()));
        }
        QString damagedCopy;
        {
            DatabaseIfc db(folder, nullptr);
            QVERIFY2(db.loadProblem().isEmpty(), qPrintable(db.loadProblem()));
            QStringList got;
            for (int i = 0; i < db.count(); ++i)
                got << db.beaconAt(i)->beaconSerial();
            QCOMPARE(got, (c.salvaged + QStringList { "5009", "5010" }));
            const QStringList aside = QDir(folder).entryList({ QStringLiteral("Quorvik-damaged-*.db") });
            QCOMPARE(aside.size(), 1);
            damagedCopy = aside.first();
            QCOMPARE(fileBytes(backup), good);
        }
        // The tool offers both and restores the good copy by its name: every beacon is back.
        const QJsonArray offered = QJsonDocument::fromJson(runCli({ "db", "restore", "--db", folder }, 0))
                                       .object().value(QStringLiteral("backups")).toArray();
        QStringList offeredNames;
        for (const QJsonValue &v : offered)
            offeredNames << QFileInfo(v.toString()).fileName();
        QVERIFY2(offeredNames.contains(QFileInfo(backup).fileName()) && offeredNames.contains(damagedCopy),
                 qPrintable(offeredNames.join(',')));
        runCli({ "db", "restore", QFileInfo(backup).fileName(), "--db", folder }, 0);
        DatabaseIfc db(folder, nullptr);
        QCOMPARE(db.count(), serials.size());
        QCOMPARE(db.beaconAt(3)->beaconSerial(), serials.last());
        QVERIFY(db.loadProblem().isEmpty());
        // The damaged original goes back as it was, and is read as damaged again.
        QCOMPARE(db.restoreBackup(folder + QLatin1Char('/') + damagedCopy), QString());
        QCOMPARE(dbBytes(folder), c.bytes);
        QCOMPARE(db.count(), c.salvaged.size());
        QVERIFY2(db.loadProblem().contains(QStringLiteral("could not be read whole")), qPrintable(db.loadProblem()));
    }

    // Each different damage keeps its copy, the newest few only.
    const QString folder = freshFolder();
    QString newest;
    for (int i = 0; i < DatabaseBackups::kDamagedKept + 2; ++i) {
        writeFile(folder + QStringLiteral("/Quorvik.db"), good.left(40 + i));
        DatabaseIfc db(folder, nullptr);
        newest = db.damagedCopy();
    }
    const QStringList aside = DatabaseBackups(folder).damaged();
    QCOMPARE(aside.size(), DatabaseBackups::kDamagedKept);
    QCOMPARE(aside.first(), newest);
    QCOMPARE(fileBytes(newest), good.left(40 + DatabaseBackups::kDamagedKept + 1));
}

void TestRecords::dbRollingBackupsAndRestore()
{
    const QString folder = freshFolder();
    QDate today = QDate::currentDate();
    {
        // One copy a day, the newest three days kept.
        DatabaseBackups backups(folder);
        for (int d = 5; d >= 1; --d)
            QVERIFY(backups.keep(QByteArray("day ") + QByteArray::number(d), nullptr, today.addDays(-d)));
        const QStringList kept = backups.list();
        QCOMPARE(kept.size(), 3);
        QVERIFY(kept[0].endsWith(DatabaseBackups::fileName(today.addDays(-1))));
        QVERIFY(kept[2].endsWith(DatabaseBackups::fileName(today.addDays(-3))));
        // The clock set back: the copy it writes is the oldest by name, and it stays.
        QVERIFY(backups.keep("set back", nullptr, today.addDays(-30)));
        QCOMPARE(backups.list().size(), 3);
        QCOMPARE(fileBytes(backups.list().last()), QByteArray("set back"));
        for (const QString &path : backups.list())
            QFile::remove(path);
    }

    // Each save refreshes today's copy with what was read back as written.
    DatabaseIfc db(folder, nullptr);
    addP5(db, QStringLiteral("6001"));
    addP5(db, QStringLiteral("6002"));
    const QString todays = folder + QLatin1Char('/') + DatabaseBackups::fileName(today);
    QFile copy(todays);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), dbBytes(folder));
    copy.close();
    // Yesterday's copy held two beacons; today a third was added.
    const QString yesterday = folder + QLatin1Char('/') + DatabaseBackups::fileName(today.addDays(-1));
    QVERIFY(QFile::rename(todays, yesterday));
    addP5(db, QStringLiteral("6003"));
    QCOMPARE(db.backups(), (QStringList { todays, yesterday }));

    // A copy that does not read whole is refused, and nothing changes.
    const QString cut = writeFile(m_tmp.filePath(QStringLiteral("cut.db")), dbBytes(folder).left(40));
    const QByteArray before = dbBytes(folder);
    QVERIFY(db.restoreBackup(cut).contains(QStringLiteral("is not a whole database")));
    QVERIFY(db.restoreBackup(folder + QStringLiteral("/none.db")).contains(QStringLiteral("no such file")));
    QCOMPARE(dbBytes(folder), before);
    QCOMPARE(db.count(), 3);

    QSignalSpy reset(&db, &DatabaseIfc::endResetModel);
    QCOMPARE(db.restoreBackup(yesterday), QString());
    QCOMPARE(db.count(), 2);
    QVERIFY(reset.count() >= 1);
    // The replaced database stays aside.
    const QStringList replaced = QDir(folder).entryList({ QStringLiteral("Quorvik-replaced-*.db") });
    QCOMPARE(replaced.size(), 1);
    QFile aside(folder + QLatin1Char('/') + replaced.first());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), before);
    DatabaseIfc reread(folder, nullptr);
    QCOMPARE(reread.count(), 2);
    QCOMPARE(reread.beaconAt(1)->beaconSerial(), QStringLiteral("6002"));

    // The file removed while a program has it open: that is said, and its next change writes
    // back what it had read, not a list of the one new beacon.
    QVERIFY(QFile::remove(folder + QStringLiteral("/Quorvik.db")));
    addP5(reread, QStringLiteral("6004"));
    QVERIFY2(reread.loadProblem().contains(QStringLiteral("disappeared")), qPrintable(reread.loadProblem()));
    QCOMPARE((DatabaseIfc(folder, nullptr).count()), 3);

    // Missing at start beside good copies: said, and the next save leaves the good copy alone.
    const QString other = freshFolder();
    {
        DatabaseIfc db(other, nullptr);
        addP5(db, QStringLiteral("6101"));
        addP5(db, QStringLiteral("6102"));
    }
    const QString otherToday = other + QLatin1Char('/') + DatabaseBackups::fileName(today);
    const QByteArray good = fileBytes(otherToday);
    QCOMPARE(good, dbBytes(other));
    QVERIFY(QFile::remove(other + QStringLiteral("/Quorvik.db")));
    {
        DatabaseIfc db(other, nullptr);
        QCOMPARE(db.count(), 0);
        QVERIFY2(db.loadProblem().contains(QStringLiteral("is not there")) && db.loadProblem().contains(otherToday),
                 qPrintable(db.loadProblem()));
        addP5(db, QStringLiteral("6103"));
    }
    QCOMPARE(fileBytes(otherToday), good);
}

// A lock file as QLockFile writes it, for the process pid on host, made old: past the 60 s
// after which an age rule would take it for abandoned.
static void writeOldLock(const QString &path, const QByteArray &contents)
{
    writeFile(path, contents);
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
}

// Another program holds the database: the change is not lost, the text says who holds it,
// and the lock is broken only when its holder is gone, never for its age.
void TestRecords::dbHeldLockIsSaidAndRetried()
{
    const QString folder = freshFolder();
    const QString lockPath = folder + QStringLiteral("/Quorvik.db.lock");
    DatabaseIfc db(folder, nullptr);
    addP5(db, QStringLiteral("7001"));
    // What QLockFile writes for this (live) process: pid, program, host and its IDs.
    QByteArray live;
    {
        QLockFile probe(m_tmp.filePath(QStringLiteral("probe.lock")));
        QVERIFY(probe.tryLock(0));
        live = fileBytes(m_tmp.filePath(QStringLiteral("probe.lock")));
    }
    QVERIFY(live.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    writeOldLock(lockPath, live);

    QSignalSpy failed(&db, &DatabaseIfc::writeFailed);
    QElapsedTimer waited;
    waited.start();
    QVERIFY(db.addOrReplace(*makeP5(QStringLiteral("7002"))));
    QVERIFY(waited.elapsed() >= DatabaseIfc::kLockWaitMs - 500);
    QVERIFY(db.isModified());
    QVERIFY(QFile::exists(lockPath));
    QCOMPARE(failed.count(), 1);
    const QString text = failed.at(0).at(0).toString();
    QVERIFY2(text.contains(QStringLiteral("is in use by")) && text.contains(QString::number(QCoreApplication::applicationPid()))
                 && text.contains(QStringLiteral("was not released within 10 s")),
             qPrintable(text));
    QCOMPARE(db.writeProblem(), text);
    // Not only in memory: the programmed beacon waits in the pending file.
    QVERIFY(QFile::exists(folder + QStringLiteral("/Quorvik-pending.db")));
    QCOMPARE(db.pendingFile(), folder + QStringLiteral("/Quorvik-pending.db"));

    // Released: the next try writes it, and the pending file goes.
    QVERIFY(QFile::remove(lockPath));
    QTRY_VERIFY_WITH_TIMEOUT(!db.isModified(), 15000);
    QCOMPARE(db.writeProblem(), QString());
    QVERIFY(!QFile::exists(folder + QStringLiteral("/Quorvik-pending.db")));
    QCOMPARE((DatabaseIfc(folder, nullptr).count()), 2);

    // Held from another computer on a shared folder: said so, and not broken from here.
    QList<QByteArray> lines = live.split('\n');
    lines[2] = "bench-pc-2";
    if (lines.size() > 3)
        lines[3] = "0123456789abcdef0123456789abcdef";
    writeOldLock(lockPath, lines.join('\n'));
    QVERIFY(db.addOrReplace(*makeP5(QStringLiteral("7003"))));
    QVERIFY(db.isModified());
    QVERIFY2(db.writeProblem().contains(QStringLiteral("on another computer, bench-pc-2")), qPrintable(db.writeProblem()));
    QVERIFY(QFile::exists(lockPath));
    QCOMPARE((DatabaseIfc(folder, nullptr).count()), 2);

    // Left by a program that has ended: broken at once, and the waiting change is written.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), { QStringLiteral("-functions") });
    QVERIFY(ended.waitForStarted(10000));
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished(10000));
    lines = live.split('\n');
    lines[0] = QByteArray::number(endedPid);
    writeOldLock(lockPath, lines.join('\n'));
    waited.restart();
    QVERIFY(db.addOrReplace(*makeP5(QStringLiteral("7004"))));
    QVERIFY(!db.isModified());
    QVERIFY(waited.elapsed() < DatabaseIfc::kLockWaitMs / 2);
    QCOMPARE((DatabaseIfc(folder, nullptr).count()), 4);
}

// A note written on a stored beacon while other programs write the file: it goes onto what
// the file holds as a change of that field; when that beacon was programmed again (or
// removed) meanwhile, the newer record stays and the note is refused with a sentence.
void TestRecords::dbNoteEditMeetsOtherWriters()
{
    const QString folder = freshFolder();
    DatabaseIfc db(folder, nullptr);
    for (const char *serial : { "8001", "8002", "8003" })
        addP5(db, QLatin1String(serial));
    const auto stored = [](DatabaseIfc &d, const QString &serial) -> EpirbConfig * {
        for (int i = 0; i < d.count(); ++i) {
            if (d.beaconAt(i)->beaconSerial() == serial)
                return d.beaconAt(i);
        }
        return nullptr;
    };
    // As the record page does: the shown record takes the text, then the database hears of it.
    const auto writeNote = [&db](EpirbConfig *shown, const QString &note) {
        shown->setAdditionalInfo(note);
        return db.noteEdited(shown);
    };
    const auto importBy = [this, &folder](const QJsonObject &beacon) {
        const QString report = writeFile(m_tmp.filePath(QStringLiteral("other.json")), reportText(QJsonArray { beacon }));
        runCli({ "db", "import", report, "--db", folder }, 0);
    };

    // Another program stores another beacon meanwhile: the note still goes on, and that beacon stays.
    importBy(beaconJson(QStringLiteral("8004"), QDate(2024, 6, 1)));
    QVERIFY(writeNote(stored(db, QStringLiteral("8001")), QStringLiteral("checked at service")));
    QVERIFY(db.noteProblem().isEmpty());
    {
        DatabaseIfc disk(folder, nullptr);
        QCOMPARE(disk.count(), 4);
        QCOMPARE(stored(disk, QStringLiteral("8001"))->additionalInfo(), QStringLiteral("checked at service"));
        QCOMPARE(stored(disk, QStringLiteral("8001"))->ownerName(), QStringLiteral("Kari Nordmann"));
    }

    // 8002 programmed again by another program before this one read the file again.
    QJsonObject again = beaconJson(QStringLiteral("8002"), QDate(2025, 1, 9));
    again.insert(QStringLiteral("ownerName"), QStringLiteral("Ola Nordmann"));
    again.insert(QStringLiteral("additionalInfo"), QStringLiteral("from the bench"));
    importBy(again);
    QSignalSpy refused(&db, &DatabaseIfc::noteRefused);
    QVERIFY(!writeNote(stored(db, QStringLiteral("8002")), QStringLiteral("written on the old programming")));
    QCOMPARE(refused.count(), 1);
    QVERIFY2(db.noteProblem().contains(QStringLiteral("programmed again")), qPrintable(db.noteProblem()));
    // The newer programming is what is shown and what the file holds.
    QCOMPARE(stored(db, QStringLiteral("8002"))->ownerName(), QStringLiteral("Ola Nordmann"));
    {
        DatabaseIfc disk(folder, nullptr);
        const EpirbConfig *newer = stored(disk, QStringLiteral("8002"));
        QCOMPARE(newer->progDate(), QDate(2025, 1, 9));
        QCOMPARE(newer->ownerName(), QStringLiteral("Ola Nordmann"));
        QCOMPARE(newer->additionalInfo(), QStringLiteral("from the bench"));
    }

    // Removed by another program: refused as well, and the beacon is not brought back.
    {
        DatabaseIfc other(folder, nullptr);
        for (int i = 0; i < other.count(); ++i) {
            if (other.beaconAt(i)->beaconSerial() == QLatin1String("8003"))
                other.setDbBeacon(i);
        }
        other.deleteCurrent();
    }
    QVERIFY(!writeNote(stored(db, QStringLiteral("8003")), QStringLiteral("too late")));
    QVERIFY2(db.noteProblem().contains(QStringLiteral("removed")), qPrintable(db.noteProblem()));
    QVERIFY(!stored(db, QStringLiteral("8003")));
    QCOMPARE((DatabaseIfc(folder, nullptr).count()), 3);

    // Right after a run the page shows the controller's own record: the stored one takes its note.
    auto programmed = makeP5(QStringLiteral("8001"));
    programmed->setAdditionalInfo(QStringLiteral("after the run"));
    QVERIFY(db.noteEdited(programmed.get()));
    QVERIFY(db.noteProblem().isEmpty());
    QCOMPARE(stored(db, QStringLiteral("8001"))->additionalInfo(), QStringLiteral("after the run"));
    DatabaseIfc disk(folder, nullptr);
    QCOMPARE(stored(disk, QStringLiteral("8001"))->additionalInfo(), QStringLiteral("after the run"));
}

static int runChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    DatabaseIfc db(qEnvironmentVariable(kChildMode), nullptr);
    if (!db.addOrReplace(*makeP5(QStringLiteral("4242"))))
        return 3;
    std::fputs("added\n", stdout);
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

// Which other beacons carry an ID: this station's records (never the beacon itself) and
// what a register adds, each beacon once; the list marks the records that share an ID.
void TestRecords::duplicateGuardAndListMark()
{
    DatabaseIfc db(freshFolder(), nullptr);
    // 2001 and 2002 were both given the identity of serial 2001; 2003 has its own.
    auto first = makeP5(QStringLiteral("2001"));
    auto second = makeP5(QStringLiteral("2002"));
    second->setCustomSerial(2001);
    second->setProgStation(QStringLiteral("Bench 2"));
    second->setProgOperator(QStringLiteral("Ola"));
    second->calculateCsMsg();
    const QString shared = first->epirbHexMsg();
    QCOMPARE(second->epirbHexMsg(), shared);
    QVERIFY(db.addOrReplace(*first));
    QVERIFY(db.addOrReplace(*second));
    addP5(db, QStringLiteral("2003"));
    const int p5 = ConfigTables::E_SkuaP5;

    DuplicateGuard guard(&db);
    QList<DuplicateGuard::Holder> others = guard.othersCarrying(*first);
    QCOMPARE(others.size(), 1);
    QCOMPARE(others.first().serial, QStringLiteral("2002"));
    QCOMPARE(others.first().model, QStringLiteral("Skua P5"));
    QCOMPARE(others.first().station, QStringLiteral("Bench 2"));
    QCOMPARE(others.first().operatorName, QStringLiteral("Ola"));
    QCOMPARE(others.first().progDate, QDate(2024, 5, 17));
    QCOMPARE(DuplicateGuard::describe(others.first()),
             QStringLiteral("Skua P5 2002, programmed 2024-05-17 at Bench 2 by Ola (database of this station)"));
    // A third beacon, of another model with the same serial: both stored ones carry its ID.
    QCOMPARE(guard.othersCarrying(shared.toLower(), ConfigTables::E_Skua11A, QStringLiteral("2001")).size(), 2);
    QVERIFY(guard.othersCarrying(*db.beaconAt(2)).isEmpty());
    QVERIFY(guard.othersCarrying(QString(), p5, QStringLiteral("9")).isEmpty());

    // The register's answer joins the database's: a beacon named by both once, the asking
    // beacon never, and its error is passed on with what the database found.
    QStringList asked;
    guard.setExtraLookup([&asked](const QString &hexId, const QString &type, const QString &serial, bool reserve,
                                  QString *error) {
        asked << hexId + QLatin1Char(' ') + type + QLatin1Char(' ') + serial
                + (reserve ? QStringLiteral(" reserve") : QStringLiteral(" look"));
        DuplicateGuard::Holder self, known, remote;
        self.beaconType = ConfigTables::E_SkuaP5;
        self.serial = serial;
        known.beaconType = ConfigTables::E_SkuaP5;
        known.serial = QStringLiteral("2002");
        remote.beaconType = -1;
        remote.serial = QStringLiteral("7007");
        remote.station = QStringLiteral("Hammerfest");
        remote.foundIn = QStringLiteral("shared register");
        *error = QStringLiteral("slow answer");
        return QList<DuplicateGuard::Holder> { self, known, remote };
    });
    QString error;
    others = guard.othersCarrying(*first, &error);
    // The database already names a holder: the register is asked, but reserves nothing.
    QCOMPARE(asked, QStringList { shared + QStringLiteral(" 13 2001 look") });
    QCOMPARE(error, QStringLiteral("slow answer"));
    QCOMPARE(others.size(), 2);
    QCOMPARE(others.at(0).serial, QStringLiteral("2002"));
    QCOMPARE(others.at(1).serial, QStringLiteral("7007"));
    QCOMPARE(DuplicateGuard::describe(others.at(1)),
             QStringLiteral("Beacon 7007, date of programming unknown at Hammerfest (shared register)"));
    // Nobody here carries it: the register's look reserves it for the beacon asking.
    asked.clear();
    guard.othersCarrying(QStringLiteral("ADCE0000000000F"), ConfigTables::E_SkuaP5, QStringLiteral("9"));
    QCOMPARE(asked, QStringList { QStringLiteral("ADCE0000000000F 13 9 reserve") });

    ProgBeaconList list(&db, nullptr);
    QCOMPARE(list.roleNames().value(ProgBeaconList::DuplicateIdRole), QByteArray("duplicateId"));
    auto marked = [&list] {
        QStringList serials;
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.data(list.index(row, 0), ProgBeaconList::DuplicateIdRole).toBool())
                serials << list.data(list.index(row, ProgBeaconList::BeaconSerial)).toString();
            // Every column of a row says the same.
            if (list.data(list.index(row, 3), ProgBeaconList::DuplicateIdRole)
                != list.data(list.index(row, 0), ProgBeaconList::DuplicateIdRole))
                serials << QStringLiteral("columns disagree in row %1").arg(row);
        }
        return serials;
    };
    QCOMPARE(marked(), (QStringList { "2001", "2002" }));
    SortFilterProxyModel proxy;
    proxy.setSourceModel(&list);
    QCOMPARE(proxy.roleNames().value(ProgBeaconList::DuplicateIdRole), QByteArray("duplicateId"));
    // The ID no longer shared, no mark is left.
    db.setDbBeacon(1);
    db.deleteCurrent();
    QCOMPARE(marked(), QStringList {});
}

void TestRecords::beaconListAndProxy()
{
    DatabaseIfc db(freshFolder(), nullptr);
    addP5(db, QStringLiteral("100"), QDate(2024, 2, 9));
    auto late = makeP5(QStringLiteral("99"), QDate(2023, 12, 1));
    late->setBatteryExpiry(QDateTime(QDate(2030, 12, 1), QTime(0, 0)));
    QVERIFY(db.addOrReplace(*late));
    addP5(db, QStringLiteral("1000"), QDate());

    ProgBeaconList list(&db, nullptr);
    QCOMPARE(list.rowCount(), 3);
    QCOMPARE(list.columnCount(), 4);
    QCOMPARE(list.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Battery Expiry"));
    QVERIFY(!list.headerData(0, Qt::Vertical).isValid());
    QCOMPARE(list.data(list.index(0, 0)).toString(), ConfigTables::instance(nullptr)->beaconShortName(13));
    QCOMPARE(list.data(list.index(0, 1)).toString(), QStringLiteral("100"));
    QCOMPARE(list.data(list.index(0, 2)).toString(), QStringLiteral("2031 Mar"));
    QCOMPARE(list.data(list.index(0, 3)).toString(), QStringLiteral("2024 Feb 09"));
    QCOMPARE(list.data(list.index(2, 3)).toString(), QString());
    QCOMPARE(list.data(list.index(0, 1), SortFilterProxyModel::SortTypeRole).value<SortFilterProxyModel::SortType>(),
             SortFilterProxyModel::SortNumeric);
    QCOMPARE(list.data(list.index(0, 2), SortFilterProxyModel::SortTypeRole).value<SortFilterProxyModel::SortType>(),
             SortFilterProxyModel::SortDate);
    QCOMPARE(list.data(list.index(0, 3), SortFilterProxyModel::DateFormatRole).toString(), QStringLiteral("yyyy MMM dd"));
    QVERIFY(!list.data(list.index(0, 1), SortFilterProxyModel::DateFormatRole).isValid());
    QVERIFY(!list.data(list.index(0, 1), Qt::EditRole).isValid());

    SortFilterProxyModel proxy;
    proxy.setSourceModel(&list);
    proxy.sort(ProgBeaconList::BeaconSerial);
    QCOMPARE(proxyColumn(proxy, 1), (QStringList { "99", "100", "1000" }));
    proxy.sort(ProgBeaconList::BatteryDate);
    QCOMPARE(proxyColumn(proxy, 1), (QStringList { "99", "100", "1000" }));
    proxy.sort(ProgBeaconList::ProgDate, Qt::DescendingOrder);
    QCOMPARE(proxyColumn(proxy, 1), (QStringList { "100", "99", "1000" }));
    proxy.sort(ProgBeaconList::BeaconType);
    QCOMPARE(proxyColumn(proxy, 1), (QStringList { "100", "99", "1000" }));
    // The type column sorts by the names it shows.
    for (const auto &[type, serial] : { std::pair { 12, "6" }, std::pair { 10, "5" } }) {
        auto other = makeP5(QString::fromLatin1(serial));
        other->setBeaconType(type);
        QVERIFY(db.addOrReplace(*other));
    }
    proxy.sort(ProgBeaconList::BeaconType);
    const ConfigTables *tables = ConfigTables::instance(nullptr);
    QCOMPARE(proxyColumn(proxy, 0), (QStringList { tables->beaconShortName(10), tables->beaconShortName(12),
                                                   tables->beaconShortName(13), tables->beaconShortName(13),
                                                   tables->beaconShortName(13) }));
    proxy.sort(ProgBeaconList::BeaconType, Qt::DescendingOrder);
    QCOMPARE(proxyColumn(proxy, 1).mid(3), (QStringList { "6", "5" }));

    proxy.setFilterKeyColumn(-1);
    proxy.setFilterString(QStringLiteral("*100*"));
    QCOMPARE(proxy.count(), 2);

    // Changes in the database reach the models.
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    addP5(db, QStringLiteral("1001"));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(proxy.count(), 3);
}

static QByteArray runCli(const QStringList &args, int expectedExit, QByteArray *err)
{
    QProcess cli;
    // Keep the tool away from the user's settings.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::tempPath() + QStringLiteral("/quorvik-tst-records-config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QDir::tempPath() + QStringLiteral("/quorvik-tst-records-data"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli"), args);
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != expectedExit) {
        qWarning() << "quorvik-cli" << args << "exit" << cli.exitCode() << cli.readAllStandardError();
        return QByteArray("failed");
    }
    if (err)
        *err = cli.readAllStandardError();
    return cli.readAllStandardOutput();
}

void TestRecords::cliCommands()
{
    const QString folder = freshFolder();
    const QString report = writeFile(m_tmp.filePath(QStringLiteral("cli.json")),
                                     reportText({ beaconJson(QStringLiteral("1300"), QDate(2024, 1, 1)),
                                                  beaconJson(QStringLiteral("1301"), QDate(2024, 1, 1)) }));
    const QJsonObject imported = QJsonDocument::fromJson(runCli({ "db", "import", report, "--db", folder }, 0)).object();
    QCOMPARE(imported.value(QStringLiteral("result")).toInt(), 0);
    QCOMPARE(imported.value(QStringLiteral("added")).toInt(), 2);
    const QJsonObject dump = QJsonDocument::fromJson(runCli({ "db", "dump", "--db", folder + "/Quorvik.db" }, 0)).object();
    QCOMPARE(dump.value(QStringLiteral("beacons")).toArray().size(), 2);
    QCOMPARE(dump.value(QStringLiteral("beacons")).toArray().at(1).toObject().value(QStringLiteral("beaconSerial")).toString(),
             QStringLiteral("1301"));
    QCOMPARE(runCli({ "db", "import", m_tmp.filePath(QStringLiteral("missing.json")), "--db", folder }, 1).isEmpty(), false);

    // An import that leaves entries out says so and fails; what it could take is stored.
    QJsonObject broken = beaconJson(QStringLiteral("1303"), QDate(2024, 1, 1));
    broken.insert(QStringLiteral("message406"), QStringLiteral("AAEC"));
    const QString partial = writeFile(m_tmp.filePath(QStringLiteral("cli-partial.json")),
                                      reportText({ beaconJson(QStringLiteral("1300"), QDate(2024, 2, 1)),
                                                   beaconJson(QStringLiteral("1301"), QDate(2023, 1, 1)),
                                                   beaconJson(QStringLiteral("1302"), QDate(2024, 1, 1), 0),
                                                   broken,
                                                   beaconJson(QStringLiteral("1304"), QDate(2024, 1, 1)) }));
    QByteArray err;
    const QJsonObject counts = QJsonDocument::fromJson(runCli({ "db", "import", partial, "--db", folder }, 1, &err)).object();
    QCOMPARE(counts.value(QStringLiteral("added")).toInt(), 1);
    QCOMPARE(counts.value(QStringLiteral("replaced")).toInt(), 1);
    QCOMPARE(counts.value(QStringLiteral("unchanged")).toInt(), 1);
    QCOMPARE(counts.value(QStringLiteral("skipped")).toInt(), 2);
    QCOMPARE(counts.value(QStringLiteral("count")).toInt(), 3);
    QVERIFY2(err.contains("Skipping unsupported beacon ID 0\n"), err.constData());
    QVERIFY2(err.contains("Skipping entry 3: \"message406\" is not a 14 or 18 byte message\n"), err.constData());
    QVERIFY2(err.contains("quorvik-cli: 2 entries of "), err.constData());
    // Progress and debug lines stay off stderr.
    QVERIFY2(!err.contains("Loading Quorvik.db") && !err.contains("Imported 1 new"), err.constData());
    QCOMPARE(runCli({ "db", "export" }, 2), QByteArray());

    BootLogBlock block(2);
    block.setCount(1);
    block.setSlot2(0, 2, 0, 0, 0, 1, BootLogBlock::sensorTail(10000, 235));
    const QString blockFile = writeFile(m_tmp.filePath(QStringLiteral("log.bin")), block.bytes());
    const QString csv = m_tmp.filePath(QStringLiteral("cli-log.csv"));
    const QJsonObject log = QJsonDocument::fromJson(runCli({ "log", "decode", blockFile, "--csv", csv }, 0)).object();
    QCOMPARE(log.value(QStringLiteral("version")).toInt(), 2);
    QCOMPARE(log.value(QStringLiteral("entries")).toArray().at(0).toObject().value(QStringLiteral("Timestamp / Pressure")).toString(),
             QStringLiteral("T=23.5C, P=100.0hPa"));
    QVERIFY(QFile::exists(csv));
    const QString shortFile = writeFile(m_tmp.filePath(QStringLiteral("short.bin")), block.bytes().left(300));
    QCOMPARE(QJsonDocument::fromJson(runCli({ "log", "decode", shortFile }, 1)).object().value(QStringLiteral("result")).toInt(), -1);
}

void TestRecords::qmlTypes()
{
    BootLogBlock block(2);
    block.setCount(3);
    QCOMPARE(EpirbLogDb::instance(nullptr)->parseLog(block.bytes(), false), 0);
    for (int round = 0; round < 2; ++round) {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine);
        component.setData("import QtQml\n"
                          "import Quorvik.Backend\n"
                          "QtObject {\n"
                          "    property int counterColumns: LogCounterModel.columnCount()\n"
                          "    property int entryRows: LogDBModel.rowCount()\n"
                          "    property var proxy: SortFilterProxyModel { filterString: \"*1*\" }\n"
                          "    property int wildcard: SortFilterProxyModel.Wildcard\n"
                          "    property var list: ProgBeaconList {}\n"
                          "    property int serialColumn: ProgBeaconList.BeaconSerial\n"
                          "}\n",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("counterColumns").toInt(), 12);
        QCOMPARE(object->property("entryRows").toInt(), 3);
        QCOMPARE(object->property("wildcard").toInt(), 1);
        QCOMPARE(object->property("serialColumn").toInt(), 1);
        auto *proxy = qvariant_cast<SortFilterProxyModel *>(object->property("proxy"));
        QVERIFY(proxy);
        QCOMPARE(proxy->filterString(), QStringLiteral("*1*"));
    }
    // The engines did not take the singletons' decoder with them.
    QCOMPARE(EpirbLogDb::instance(nullptr)->entryCount(), 3);
}

int main(int argc, char **argv)
{
    // Timestamps are shown in local time; pin it so the expected texts hold anywhere.
    qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsSet(kChildMode))
        return runChild(argc, argv);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    TestRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
