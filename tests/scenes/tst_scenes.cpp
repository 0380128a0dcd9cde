// The windows as the command line opens them: the real program start (EpirbApp with its
// arguments, the real scene and pages), against the beacon simulator on a pseudo-terminal:
// the production window, and the desktop window without a port and without read-back.
#include "app/epirbapp.h"
#include "production/productionbatch.h"
#include "app/uifonts.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include "beaconsimulator.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QQmlApplicationEngine>
#include <QScopeGuard>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {

constexpr int kRunTimeoutMs = 30000;
const char *const kBlankSerial = "99999";

// Reports are opened on the desktop in real use; here they are only counted.
class OpenedFiles : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// By objectName, through the visual tree (pages sit in loaders and scroll views).
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *findItem(QQuickWindow *window, const QString &name)
{
    return window ? findItem(window->contentItem(), name) : nullptr;
}

void typeText(QQuickWindow *window, const char *text)
{
    for (const char *c = text; *c; ++c)
        QTest::keyClick(window, *c);
}

QAccessibleInterface *findAccessible(QAccessibleInterface *iface, QAccessible::Role role, const QString &name)
{
    if (!iface)
        return nullptr;
    if (iface->role() == role && iface->text(QAccessible::Name) == name)
        return iface;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface *found = findAccessible(iface->child(i), role, name))
            return found;
    }
    return nullptr;
}

void collectShown(QAccessibleInterface *iface, QAccessible::Role role, QList<QQuickItem *> &items,
                  QList<QString> &names)
{
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        auto *item = child ? qobject_cast<QQuickItem *>(child->object()) : nullptr;
        if (item && item->isVisible() && child->role() == role && !child->state().invisible) {
            items << item;
            names << child->text(QAccessible::Name);
        }
        collectShown(child, role, items, names);
    }
}

// The plan list as a screen reader finds it: the column titles, then each row's cells;
// a cell's name is the text it shows.
QList<QStringList> planListAsRead(QQuickWindow *window)
{
    QAccessibleInterface *table = findAccessible(QAccessible::queryAccessibleInterface(window),
                                                 QAccessible::Table, QStringLiteral("Production plan"));
    if (!table || table->state().invisible)
        return {};
    QList<QQuickItem *> items;
    QList<QString> names;
    collectShown(table, QAccessible::ColumnHeader, items, names);
    QMap<int, QString> header;
    for (int i = 0; i < items.size(); ++i)
        header.insert(items.at(i)->property("index").toInt(), names.at(i));
    items.clear();
    names.clear();
    collectShown(table, QAccessible::Cell, items, names);
    QMap<int, QMap<int, QString>> cells;
    for (int i = 0; i < items.size(); ++i)
        cells[items.at(i)->property("row").toInt()].insert(items.at(i)->property("column").toInt(), names.at(i));
    QList<QStringList> rows{ header.values() };
    for (const QMap<int, QString> &row : std::as_const(cells))
        rows << row.values();
    return rows;
}

QString rowsText(const QList<QStringList> &rows)
{
    QStringList lines;
    for (const QStringList &row : rows)
        lines << row.join(QStringLiteral(" | "));
    return lines.join(QLatin1Char('\n'));
}

void click(QQuickWindow *window, QQuickItem *item)
{
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
}

}

class TestScenes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void productionWindowWritesOnItsOwn_data();
    void productionWindowWritesOnItsOwn();
    void productionWindowRunsAPlanOfThree();
    void withoutPortOrReadbackTheWizardTakesATypedSerial();

private:
    OpenedFiles m_opened;
};

void TestScenes::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opened, "open");
    UiFonts::install();
}

void TestScenes::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestScenes::init()
{
    QSettings().clear();
    // An operator is known: the production window never asks for one, but the settings are real.
    QSettings().setValue(QStringLiteral("Operator"), QStringLiteral("Production line"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The database and all its copies: a database gone while its copies stay is said at start, with a box.
    for (const QString &name : QDir(data).entryList({ QStringLiteral("Quorvik*.db*") }, QDir::Files))
        QFile::remove(data + QLatin1Char('/') + name);
}

void TestScenes::productionWindowWritesOnItsOwn_data()
{
    // The serial number is exactly the beacon's 5 digits: anything else would write another identity.
    QTest::addColumn<QString>("serialno");
    QTest::addColumn<QString>("serial");
    QTest::newRow("serial number") << QStringLiteral("20001") << QStringLiteral("20001");
    QTest::newRow("letters") << QStringLiteral("2A0B1") << QString();
    QTest::newRow("scanned label prefix") << QStringLiteral("SN20001") << QString();
    QTest::newRow("too long") << QStringLiteral("200011") << QString();
    QTest::newRow("too short") << QStringLiteral("2000") << QString();
}

void TestScenes::productionWindowWritesOnItsOwn()
{
    QFETCH(QString, serialno);
    QFETCH(QString, serial);
    const bool accepted = !serial.isEmpty();

    BeaconSimulator::Options options;
    options.sync = 'H';
    options.syncIntervalMs = 500;
    options.resyncMs = 0;
    options.block = BeaconSimulator::blankBlock(QString::fromLatin1(kBlankSerial));
    BeaconSimulator sim(options);
    QVERIFY(sim.start());

    const QStringList args { QStringLiteral("production"), QStringLiteral("serialno=") + serialno,
                             QStringLiteral("protocol=15"), QStringLiteral("country=257"),
                             QStringLiteral("batteryexpiry=122031"), QStringLiteral("comport=") + sim.devicePath() };
    // Returns once the production window is on the screen; its page has started the write.
    auto app = std::make_unique<EpirbApp>(args, nullptr);
    QVERIFY(app->engine());
    QCOMPARE(app->engine()->rootObjects().size(), 1);
    auto *window = qobject_cast<QQuickWindow *>(app->engine()->rootObjects().first());
    QVERIFY(window);
    QQuickItem *status = findItem(window, QStringLiteral("progressStatus"));
    QVERIFY(status);

    if (accepted) {
        QTRY_COMPARE_WITH_TIMEOUT(app->progStatus(), QStringLiteral("PLB programmed successfully"), kRunTimeoutMs);
        QVERIFY(!app->progStatusError());
        QCOMPARE(status->property("text").toString(), app->progStatus());
        // The beacon holds, byte for byte, the block the program built, and it is this identity.
        QCOMPARE(sim.stats().writesCompleted, 1);
        QCOMPARE(sim.block(), app->writeBlock());
        // Production blocks are of the older type the codec does not decode: the serial
        // number sits in the block's serial field, the rest is the record the window shows.
        QCOMPARE(sim.block().mid(2, serial.size()), serial.toLatin1());
        const EpirbConfig *pending = app->configPending();
        QCOMPARE(pending->beaconSerial(), serial);
        QCOMPARE(pending->mmsi(), serial.rightJustified(6, QLatin1Char('0')));
        QCOMPARE(pending->countryCode(), 257);
        QCOMPARE(pending->batteryExpiry().date(), QDate(2031, 12, 1));
        QCOMPARE(DatabaseIfc::instance(nullptr)->count(), 1);
        // What the window shows is what was written.
        QQuickItem *serialRow = findItem(window, QStringLiteral("productionSerial"));
        QVERIFY(serialRow);
        QCOMPARE(serialRow->property("paramText").toString(), serial);
        QQuickItem *countryRow = findItem(window, QStringLiteral("productionCountry"));
        QVERIFY(countryRow);
        QCOMPARE(countryRow->property("paramText").toString(), QStringLiteral("257"));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(app->progStatusError(), 5000);
        QCOMPARE(app->progStatus(), QStringLiteral("Invalid serial number"));
        QCOMPARE(status->property("text").toString(), app->progStatus());
        // Time for a write that should not happen to show up.
        QTest::qWait(1500);
        QCOMPARE(sim.stats().writesCompleted, 0);
        QCOMPARE(sim.block(), BeaconSimulator::blankBlock(QString::fromLatin1(kBlankSerial)));
        QCOMPARE(DatabaseIfc::instance(nullptr)->count(), 0);
    }

    // "Close App" ends the program.
    QQuickItem *close = findItem(window, QStringLiteral("closeAppButton"));
    QVERIFY(close);
    QVERIFY(close->isVisible() && close->isEnabled());
    QSignalSpy quit(app->engine(), &QQmlEngine::quit);
    const QPointF centre = close->mapToScene(QPointF(close->width() / 2, close->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
    QTRY_COMPARE(quit.count(), 1);

    app.reset();
    sim.stop();
}

void TestScenes::productionWindowRunsAPlanOfThree()
{
    // Read as a screen reader would: Qt Quick fills in its accessible tree only then.
    QAccessible::setActive(true);
    auto inactive = qScopeGuard([] { QAccessible::setActive(false); });
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("line-3.csv"));
    {
        QFile f(plan);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("serial,owner_name\n50001,Nils Aas\n50002,Per Bo\n50003,Ida Vik\n");
    }
    BeaconSimulator::Options options;
    options.sync = 'H';
    options.syncIntervalMs = 300;
    options.resyncMs = 0;
    options.block = BeaconSimulator::blankBlock(QStringLiteral("50001"));
    // The second beacon keeps a wrong byte: its read-back fails and it is connected again.
    options.failWrite = 2;
    BeaconSimulator sim(options);
    QVERIFY(sim.start());
    const int storedBefore = DatabaseIfc::instance(nullptr)->count();

    auto app = std::make_unique<EpirbApp>(
        QStringList{ QStringLiteral("production"), QStringLiteral("plan=") + plan, QStringLiteral("country=211"),
                     QStringLiteral("protocol=15"), QStringLiteral("batteryexpiry=072031"),
                     QStringLiteral("comport=") + sim.devicePath() },
        nullptr);
    QVERIFY(app->engine());
    auto *window = qobject_cast<QQuickWindow *>(app->engine()->rootObjects().value(0));
    QVERIFY(window);
    ProductionBatch *batch = app->productionBatch();
    QVERIFY(batch);
    QQuickItem *counts = findItem(window, QStringLiteral("productionPlanCounts"));
    QQuickItem *last = findItem(window, QStringLiteral("productionLastResult"));
    QQuickItem *serialRow = findItem(window, QStringLiteral("productionSerial"));
    QQuickItem *heading = findItem(window, QStringLiteral("productionModel"));
    QVERIFY(counts && last && serialRow && heading);
    QVERIFY(counts->isVisible());
    // What the window showed while each beacon was in hand.
    QStringList shownInHand;
    connect(batch, &ProductionBatch::inHandChanged, this, [&] {
        if (!batch->inHand().isEmpty())
            shownInHand << serialRow->property("paramText").toString();
    });
    const QStringList titles = { "Serial", "State", "Hex ID", "Seconds", "Reason" };
    const QString none = QStringLiteral("-");
    // One beacon's row: what became of it, its hex ID and the seconds it took.
    auto checkRow = [&](const QStringList &row, const QString &serial, const QString &state, const QString &reason) {
        QCOMPARE(row.value(0), serial);
        QCOMPARE(row.value(1), state);
        QCOMPARE(row.value(4), reason);
        if (state == QLatin1String("left")) {
            QCOMPARE(row.value(2), none);
            QCOMPARE(row.value(3), none);
        } else if (state != QLatin1String("writing")) {
            QCOMPARE(row.value(2).size(), 15);
            QVERIFY2(row.value(3).toDouble() > 0, qPrintable(row.value(3)));
        }
    };
    auto waitForCounts = [&](int done, int failed) {
        const QString text
                = QStringLiteral("Plan line-3: %1 done, %2 failed, %3 left of 3").arg(done).arg(failed).arg(3 - done);
        QTRY_COMPARE_WITH_TIMEOUT(counts->property("text").toString(), text, kRunTimeoutMs);
        // The window goes on by itself: it waits for the next beacon, no "Close App" needed.
        if (done < 3) {
            QTRY_COMPARE(heading->property("text").toString(), QStringLiteral("Connect the next beacon"));
            QCOMPARE(serialRow->property("paramText").toString(), none);
        }
    };

    QList<QStringList> list;
    waitForCounts(1, 0);
    QCOMPARE(last->property("text").toString(), QStringLiteral("50001: PLB programmed successfully"));
    QTRY_COMPARE((list = planListAsRead(window)).size(), 4);
    QCOMPARE(list.at(0), titles);
    checkRow(list.at(1), QStringLiteral("50001"), QStringLiteral("ok"), none);
    checkRow(list.at(2), QStringLiteral("50002"), QStringLiteral("left"), none);
    checkRow(list.at(3), QStringLiteral("50003"), QStringLiteral("left"), none);

    sim.connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50002")));
    waitForCounts(1, 1);
    QCOMPARE(last->property("text").toString(), QStringLiteral("50002: PLB verification failed"));
    list = planListAsRead(window);
    QVERIFY2(list.size() == 4, qPrintable(rowsText(list)));
    checkRow(list.at(1), QStringLiteral("50001"), QStringLiteral("ok"), none);
    checkRow(list.at(2), QStringLiteral("50002"), QStringLiteral("failed"), QStringLiteral("PLB verification failed"));

    // Connected again, the failed beacon is written again.
    sim.connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50002")));
    waitForCounts(2, 0);
    sim.connectBeacon(BeaconSimulator::blankBlock(QStringLiteral("50003")));
    // The window closed while the last beacon is being written: it stays until the beacon
    // is done, as "Close App" does; the list says which beacon is in hand.
    QTRY_VERIFY_WITH_TIMEOUT(app->writeInProgress(), kRunTimeoutMs);
    window->close();
    QVERIFY(window->isVisible());
    list = planListAsRead(window);
    QVERIFY2(list.size() == 4, qPrintable(rowsText(list)));
    checkRow(list.at(3), QStringLiteral("50003"), QStringLiteral("writing"), none);
    waitForCounts(3, 0);
    QTRY_COMPARE(last->property("text").toString(), QStringLiteral("Plan line-3 complete: 3 beacons programmed"));
    QCOMPARE(shownInHand, (QStringList{ "50001", "50002", "50002", "50003" }));
    QVERIFY(!batch->running());
    QCOMPARE(sim.stats().writesCompleted, 4);
    QCOMPARE(DatabaseIfc::instance(nullptr)->count(), storedBefore + 3);
    EpirbConfig lastWritten(nullptr);
    QVERIFY(decodeDataBlock(sim.block(), lastWritten));
    QCOMPARE(lastWritten.beaconSerial(), QStringLiteral("50003"));
    QCOMPARE(lastWritten.ownerName(), QStringLiteral("Ida Vik"));
    QCOMPARE(lastWritten.rawCountryCode(), 211);

    // Every beacon done, each with the hex ID its record line has; the last one the hex ID
    // the beacon transmits.
    list = planListAsRead(window);
    QVERIFY2(list.size() == 4, qPrintable(rowsText(list)));
    QFile recordFile(dir.filePath(QStringLiteral("line-3-record.csv")));
    QVERIFY(recordFile.open(QIODevice::ReadOnly));
    QMap<QString, QString> recordedHex;
    for (const QByteArray &line : recordFile.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(',');
        if (f.size() > 6 && f.at(6) == "ok")
            recordedHex.insert(QString::fromLatin1(f.at(0)), QString::fromLatin1(f.at(1)));
    }
    QCOMPARE(recordedHex.size(), 3);
    for (int i = 1; i <= 3; ++i) {
        checkRow(list.at(i), QStringLiteral("5000%1").arg(i), QStringLiteral("ok"), none);
        QCOMPARE(list.at(i).at(2), recordedHex.value(list.at(i).at(0)));
    }
    QCOMPARE(list.at(3).at(2), lastWritten.epirbHexMsg());
    QCOMPARE(QSet<QString>(recordedHex.cbegin(), recordedHex.cend()).size(), 3);
    app.reset();

    // A plan with a bad row: the window says which, and nothing is written.
    {
        QFile f(plan);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("serial,owner_name,protocol\n60001,Nils Aas,\n6002,Per Bo,\n");
    }
    app = std::make_unique<EpirbApp>(
        QStringList{ QStringLiteral("production"), QStringLiteral("plan=") + plan, QStringLiteral("country=211"),
                     QStringLiteral("protocol=15"), QStringLiteral("batteryexpiry=072031"),
                     QStringLiteral("comport=") + sim.devicePath() },
        nullptr);
    window = qobject_cast<QQuickWindow *>(app->engine()->rootObjects().value(0));
    QVERIFY(window);
    counts = findItem(window, QStringLiteral("productionPlanCounts"));
    last = findItem(window, QStringLiteral("productionLastResult"));
    QVERIFY(counts && last);
    QCOMPARE(counts->property("text").toString(), QStringLiteral("Plan line-3 refused, nothing written"));
    QVERIFY2(last->property("text").toString().startsWith(QLatin1String("line 3: ")),
             qPrintable(last->property("text").toString()));
    QCOMPARE(app->progStatus(), QStringLiteral("Plan refused, nothing written"));
    // No list of a plan that is not taken.
    QCOMPARE(planListAsRead(window), QList<QStringList>());
    sim.pressTest();
    QTest::qWait(1000);
    QCOMPARE(sim.stats().writesCompleted, 4);
    app.reset();
    sim.stop();
}

void TestScenes::withoutPortOrReadbackTheWizardTakesATypedSerial()
{
    const QString missing = QDir::temp().filePath(QStringLiteral("quorvik-no-such-port"));
    auto app = std::make_unique<EpirbApp>(QStringList { QStringLiteral("skipreadback"),
                                                        QStringLiteral("comport=") + missing },
                                          nullptr);
    QVERIFY(app->engine());
    auto *window = qobject_cast<QQuickWindow *>(app->engine()->rootObjects().first());
    QVERIFY(window);

    // The start page says the port is missing, and the run can start all the same.
    QQuickItem *home = nullptr;
    QTRY_VERIFY((home = findItem(window, QStringLiteral("Main_StartProg"))) != nullptr);
    QObject *dialog = home->findChild<QObject *>(QStringLiteral("noPortDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->property("visible").toBool());
    QCOMPARE(dialog->property("title").toString(), QStringLiteral("Cannot open communication port"));
    QVERIFY(dialog->property("text").toString().startsWith(QLatin1String("Cannot open communication port.<br>")));
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
    QTRY_VERIFY(!dialog->property("visible").toBool());

    QQuickItem *start = findItem(window, QStringLiteral("getStartedButton"));
    QVERIFY(start);
    click(window, start);
    // Without read-back the technician names the model.
    QQuickItem *model = nullptr;
    QTRY_VERIFY((model = findItem(window, QStringLiteral("beaconModel_13"))) != nullptr);
    QTRY_VERIFY(model->isVisible() && model->width() > 0);
    QTest::qWait(50);
    click(window, model);
    QCOMPARE(app->configPending()->beaconType(), int(ConfigTables::E_SkuaP5));

    // ... and types the serial number from the label.
    QQuickItem *entry = nullptr;
    QTRY_VERIFY((entry = findItem(window, QStringLiteral("serialEntry"))) != nullptr);
    QTRY_VERIFY(entry->isVisible());
    QVERIFY(!findItem(window, QStringLiteral("serialRow"))->isVisible());
    QQuickItem *indicator = findItem(window, QStringLiteral("pageIndicator"));
    QVERIFY(indicator);
    QTest::qWait(50);
    click(window, entry);
    entry->forceActiveFocus();
    QTest::keyClick(window, Qt::Key_Home);
    typeText(window, "1234567890");
    QCOMPARE(entry->property("text").toString(), QStringLiteral("12345-67890"));
    QCOMPARE(app->configPending()->beaconSerial(), QStringLiteral("12345"));
    // Without a read-out the battery expiry is asked for too.
    QVERIFY(!indicator->property("forwardEnabled").toBool());
    QQuickItem *expiry = findItem(window, QStringLiteral("expiryEntry"));
    QVERIFY(expiry && expiry->isVisible());
    click(window, expiry);
    expiry->forceActiveFocus();
    QTest::keyClick(window, Qt::Key_Home);
    typeText(window, "122031");
    QCOMPARE(app->configPending()->batteryExpiryDate(), QDate(2031, 12, 1));
    QVERIFY(indicator->property("forwardEnabled").toBool());
    QVERIFY(!indicator->property("backwardEnabled").toBool());
    entry->forceActiveFocus();
    // Five characters or fewer are no serial number.
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Backspace);
    typeText(window, "1234");
    QCOMPARE(app->configPending()->beaconSerial(), QString());
    QVERIFY(!indicator->property("forwardEnabled").toBool());
}

int main(int argc, char **argv)
{
    // Settings, database, reports and log stay in a private home.
    QTemporaryDir home;
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + QStringLiteral("/Documents")).toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    TestScenes test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scenes.moc"
