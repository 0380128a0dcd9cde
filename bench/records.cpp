// Database figures for 100,000 P5 records (or each count given): load, save, JSON export, JSON import,
// the duplicate check and one filter keystroke on the database page's proxy; then the database page
// itself in the real window (offscreen): opening it, one search keystroke, and the memory with it open.
// Without a count, 100,000 and then 1,000,000 records (the second shows how the figures grow).
#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"
#include "records/duplicateguard.h"
#include "records/progbeaconlist.h"
#include "records/sortfilterproxymodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {

double timed(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

void report(const char *what, double ms, double targetMs)
{
    std::printf("%-28s %8.1f ms   target <= %6.0f ms%s\n", what, ms, targetMs, ms <= targetMs ? "" : "   (over)");
}

// Resident memory in MiB, -1 where /proc is not there.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Runs the event loop until the window has shown the next frame (or 10 s went by).
bool nextFrame(QQuickWindow *window)
{
    QEventLoop loop;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    window->update();
    return loop.exec() == 0;
}

// Lets posted work (deferred calls, layouts) run for a while.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The database page over the process-wide database, in the main window as the program shows it.
int pageFigures(const QString &reportFile, int n)
{
    DatabaseIfc *db = DatabaseIfc::instance(nullptr);
    db->clearAll();
    db->ImportReports(reportFile);
    if (db->count() != n) {
        std::fprintf(stderr, "the page's database holds %d of %d records\n", db->count(), n);
        return 1;
    }
    EpirbApp epirb({ QStringLiteral("comport=none") }, nullptr, EpirbApp::Headless);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    auto *selector = new QQmlFileSelector(&engine, &engine);
    selector->setExtraSelectors({ QStringLiteral("PLB") });
    QQmlComponent sceneComponent(&engine, QUrl(QStringLiteral("qrc:/qt/qml/Quorvik/Frontend/QMLScene.qml")));
    std::unique_ptr<QObject> scene(sceneComponent.create());
    auto *window = qobject_cast<QQuickWindow *>(scene.get());
    if (!window) {
        std::fprintf(stderr, "QMLScene.qml: %s\n", qPrintable(sceneComponent.errorString()));
        return 1;
    }
    window->show();
    nextFrame(window);
    settle(300);
    QObject *mainView = window->findChild<QObject *>(QStringLiteral("mainView"));
    if (!mainView)
        return 1;

    std::printf("database page, %d records in the list\n", n);
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(mainView, "set", Q_ARG(QVariant, QStringLiteral("BeaconDbDisplay.qml")));
    nextFrame(window);
    report("open page (to first frame)", double(t.nsecsElapsed()) / 1e6, 300);

    settle(300);
    auto *search = window->findChild<QQuickItem *>(QStringLiteral("dbSearchField"));
    auto *filter = window->findChild<QObject *>(QStringLiteral("dbFilterModel"));
    if (!search || !filter)
        return 1;
    // The page searches once typing pauses; the figure is the search and the frame after it.
    const int delay = filter->property("filterDelay").toInt();
    filter->setProperty("filterDelay", 0);
    search->setProperty("text", QStringLiteral("123"));
    nextFrame(window);
    settle(100);
    t.restart();
    search->setProperty("text", QStringLiteral("1234"));
    nextFrame(window);
    report("search keystroke (to frame)", double(t.nsecsElapsed()) / 1e6, 30);
    std::printf("  (the page starts the search %d ms after the last keystroke)\n", delay);
    std::printf("  rows shown after the keystroke: %d\n", filter->property("count").toInt());
    const double rss = residentMiB();
    // A hundred thousand records may take more than the ten thousand of a usual station.
    const double rssTarget = 250.0;
    std::printf("%-28s %8.1f MiB  target <= %6.0f MiB%s\n", "resident memory, page open", rss, rssTarget,
                rss <= rssTarget ? "" : "   (over)");
    window->close();
    return 0;
}

}

int main(int argc, char *argv[])
{
    // Settings and documents of the page run stay in a folder removed at the end.
    QTemporaryDir home;
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // bench_records --page <report> <n>: the page figures alone, in a process of their own so
    // that the memory figure is the page's and not what the database figures left behind.
    const bool pageOnly = argc > 3 && qstrcmp(argv[1], "--page") == 0;
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QStandardPaths::setTestModeEnabled(true);
    qSetMessagePattern(QString());
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (!pageOnly && argc != 2) {
        // Each count in a process of its own.
        const QStringList counts = argc > 2 ? QCoreApplication::arguments().mid(1)
                                            : QStringList { QStringLiteral("100000"), QStringLiteral("1000000") };
        int failed = 0;
        for (const QString &count : counts) {
            std::fflush(stdout);
            failed |= QProcess::execute(QCoreApplication::applicationFilePath(), { count });
        }
        return failed;
    }
    const int n = pageOnly ? std::max(1, atoi(argv[3])) : std::max(1, atoi(argv[1]));
    if (pageOnly) {
        // An operator is set: the window opens on the start page, not the first-time set-up.
        QSettings settings;
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Bench"));
        settings.sync();
        return pageFigures(QString::fromLocal8Bit(argv[2]), n);
    }

    QTemporaryDir dir;
    const QString seedFolder = dir.filePath(QStringLiteral("seed"));
    const QString folder = dir.filePath(QStringLiteral("db"));
    const QString report1 = dir.filePath(QStringLiteral("source.json"));
    const QString report2 = dir.filePath(QStringLiteral("export.json"));

    // One programmed P5 as a template; the report carries n of them with distinct serials.
    EpirbConfig p5(nullptr);
    p5.setBeaconType(ConfigTables::E_SkuaP5);
    p5.setSerial(QStringLiteral("1"));
    p5.setProtocolId(ConfigTables::E_UserSerialPlb);
    p5.setCountryCode(257);
    p5.setOwnerName(QStringLiteral("Owner of a personal locator beacon"));
    p5.setOwnerAddress(QStringLiteral("Harbour street 12, 5003 Bergen"));
    p5.setProgDate(QDate(2024, 6, 1));
    p5.setBatteryExpiry(QDateTime(QDate(2031, 6, 1), QTime(0, 0)));
    p5.calculateCsMsg();
    QJsonObject beacon;
    {
        DatabaseIfc seed(seedFolder, nullptr);
        seed.addOrReplace(p5);
        beacon = seed.exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    }
    QJsonArray beacons;
    for (int i = 0; i < n; ++i) {
        // A fresh copy each time: inserting into the one object already appended leaves its
        // replaced strings behind in the shared storage, which then grows with every beacon.
        QJsonObject entry = beacon;
        entry.insert(QStringLiteral("beaconSerial"), QString::number(10000 + i));
        // Each beacon its own message, so each its own hex ID, as at a station.
        p5.setSerial(QString::number(10000 + i));
        p5.calculateCsMsg();
        entry.insert(QStringLiteral("message406"), QString::fromLatin1(p5.messageBytes().toBase64()));
        beacons.append(entry);
    }
    {
        QFile f(report1);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(QJsonDocument(QJsonObject { { "version", 2 }, { "beacons", beacons } }).toJson());
    }

    std::printf("records bench, %d P5 records\n", n);
    {
        DatabaseIfc db(folder, nullptr);
        const double importMs = timed([&] { db.ImportReports(report1); });
        if (db.count() != n) {
            std::fprintf(stderr, "import stored %d of %d records\n", db.count(), n);
            return 1;
        }
        report("JSON import (incl. save)", importMs, 1000);
    }
    DatabaseIfc *db = nullptr;
    const double loadMs = timed([&] { db = new DatabaseIfc(folder, nullptr); });
    if (db->count() != n) {
        std::fprintf(stderr, "load read %d of %d records\n", db->count(), n);
        return 1;
    }
    report("load Quorvik.db", loadMs, 300);
    report("save Quorvik.db", timed([&] { db->writeDb(); }), 300);
    report("JSON export", timed([&] { db->ExportReports(report2); }), 500);

    // Before each write: does another stored beacon carry this ID? The first check after the
    // load reads every record's ID once; the ones after it are what programming waits for.
    {
        DuplicateGuard guard(db);
        const EpirbConfig *probe = db->beaconAt(n / 2);
        const QString hexId = probe->epirbHexMsg();
        int found = 0;
        const double firstMs = timed([&] { found = int(guard.othersCarrying(hexId, probe->beaconType(), QStringLiteral("1")).size()); });
        double checkMs = 0;
        const int rounds = 100;
        checkMs = timed([&] {
            for (int i = 0; i < rounds; ++i)
                found = int(guard.othersCarrying(hexId, probe->beaconType(), QStringLiteral("1")).size());
        }) / rounds;
        report("duplicate check", checkMs, 1);
        std::printf("  first check after the load: %.1f ms; beacons found carrying the ID: %d\n", firstMs, found);
    }

    ProgBeaconList list(db, nullptr);
    SortFilterProxyModel proxy;
    proxy.setSourceModel(&list);
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterString(QStringLiteral("**"));
    const double keyMs = timed([&] { proxy.setFilterString(QStringLiteral("*1234*")); });
    report("filter keystroke (*1234*)", keyMs, 30);
    std::printf("  rows shown after the keystroke: %d\n", proxy.count());
    delete db;

    std::fflush(stdout);
    return QProcess::execute(QCoreApplication::applicationFilePath(),
                             { QStringLiteral("--page"), report1, QString::number(n) });
}
