#include "bootlogblock.h"

#include "records/epirblogcounterbinding.h"
#include "records/epirblogdb.h"
#include "records/epirblogdbbinding.h"
#include "records/sortfilterproxymodel.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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

private:
    QTemporaryDir m_tmp;
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
    const QString csv = m_tmp.filePath(QStringLiteral("log.csv"));
    EpirbLogDb db(nullptr);
    db.setCsvPath(csv);
    QCOMPARE(db.parseLog(block.bytes(), true), 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Boot reason;Boot mask;Test result;Duration;Timestamp;\n"
                                        "GNSS test;0x10;OK;-;2024-01-02T03:04:05;\n"
                                        "Test aborted;0x00;-;4 minutes;T=23.5C, P=100.0hPa;\n"));
    file.close();

    // An unwritable path leaves the result alone.
    db.setCsvPath(m_tmp.filePath(QStringLiteral("missing/dir/log.csv")));
    QCOMPARE(db.parseLog(block.bytes(), true), 0);
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

int main(int argc, char **argv)
{
    // Timestamps are shown in local time; pin it so the expected texts hold anywhere.
    qputenv("TZ", "UTC");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    TestRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
