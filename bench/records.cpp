// Database figures for 10,000 P5 records: load, save, JSON export, JSON import and one
// filter keystroke on the database page's proxy.
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"
#include "records/progbeaconlist.h"
#include "records/sortfilterproxymodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

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

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QStandardPaths::setTestModeEnabled(true);
    qSetMessagePattern(QString());
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;

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
        beacon.insert(QStringLiteral("beaconSerial"), QString::number(10000 + i));
        beacons.append(beacon);
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

    ProgBeaconList list(db, nullptr);
    SortFilterProxyModel proxy;
    proxy.setSourceModel(&list);
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterString(QStringLiteral("**"));
    const double keyMs = timed([&] { proxy.setFilterString(QStringLiteral("*1234*")); });
    report("filter keystroke (*1234*)", keyMs, 30);
    std::printf("  rows shown after the keystroke: %d\n", proxy.count());
    delete db;
    return 0;
}
