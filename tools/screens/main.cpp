// quorvik-screens: one PNG per page of the front end, taken offscreen from the real
// scenes with a simulated beacon on the serial line. The pages are listed in ScreenPages.qml.
#include "app/applicationidentity.h"
#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include "beaconsimulator.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {

const char *const kSerial = "31337";

// Documents the pages would open are only noted.
class DesktopSink : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { std::printf("  (would open %s)\n", qPrintable(url.toLocalFile())); }
};

EpirbConfig *plbConfig(const QString &serial, const QString &owner)
{
    auto *config = new EpirbConfig(nullptr);
    config->reset();
    config->setBeaconType(ConfigTables::E_SkuaP5);
    config->setSerial(serial);
    config->setCountryCode(257);
    config->setProtocolId(ConfigTables::E_UserSerialPlb);
    config->setOwnerName(owner);
    config->setOwnerTelephone(QStringLiteral("+47 555 01 234"));
    config->setProgDate(QDate::currentDate());
    config->calculateCsMsg();
    return config;
}

// The optional third field of a "database" entry: protocol, mmsi, beaconNo, additionalData,
// additionalDataType, address, other, note.
void applyExtras(EpirbConfig &config, const QVariantMap &extra)
{
    if (extra.isEmpty())
        return;
    if (extra.contains(QStringLiteral("protocol")))
        config.setProtocolId(extra.value(QStringLiteral("protocol")).toInt());
    if (extra.contains(QStringLiteral("mmsi")))
        config.setMmsi(extra.value(QStringLiteral("mmsi")).toString());
    if (extra.contains(QStringLiteral("beaconNo")))
        config.setBeaconNo(extra.value(QStringLiteral("beaconNo")).toInt());
    if (extra.contains(QStringLiteral("additionalData")))
        config.setAdditionalData(extra.value(QStringLiteral("additionalData")).toInt());
    if (extra.contains(QStringLiteral("additionalDataType")))
        config.setAdditionalDataType(extra.value(QStringLiteral("additionalDataType")).toBool());
    config.setOwnerAddress(extra.value(QStringLiteral("address")).toString());
    config.setOwnerOther(extra.value(QStringLiteral("other")).toString());
    config.setAdditionalInfo(extra.value(QStringLiteral("note")).toString());
    config.calculateCsMsg();
}

// n stored P5 beacons with distinct serials, programming and battery dates, through one
// report import (one write of the file) as the records benchmark builds them.
void fillDatabase(DatabaseIfc &db, int n)
{
    std::unique_ptr<EpirbConfig> p5(plbConfig(QStringLiteral("1"), QStringLiteral("Owner of a personal locator beacon")));
    p5->setOwnerAddress(QStringLiteral("Harbour street 12, 5003 Bergen"));
    db.addOrReplace(*p5);
    QJsonObject beacon = db.exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    db.clearAll();
    QJsonArray beacons;
    const QDate first(2019, 1, 7);
    for (int i = 0; i < n; ++i) {
        const QDate programmed = first.addDays((i * 37) % 2500);
        beacon.insert(QStringLiteral("beaconSerial"), QString::number(10000 + i));
        beacon.insert(QStringLiteral("progDate"), programmed.toString(QStringLiteral("yyyyMMdd")));
        beacon.insert(QStringLiteral("batteryExpiry"), programmed.addYears(7).toString(QStringLiteral("yyyyMMdd")));
        beacons.append(beacon);
    }
    QBuffer report;
    report.setData(QJsonDocument(QJsonObject { { QStringLiteral("version"), 2 },
                                               { QStringLiteral("beacons"), beacons } }).toJson());
    report.open(QIODevice::ReadOnly);
    db.importReports(report);
}

void prepareState(const QVariantMap &entry)
{
    QSettings settings;
    settings.clear();
    if (!entry.value(QStringLiteral("firstStart")).toBool()) {
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Kari Nordmann"));
        settings.setValue(QStringLiteral("ProgStation"), QStringLiteral("Bergen service"));
        settings.setValue(QStringLiteral("DealerNo"), QStringLiteral("4711"));
    }
    settings.sync();
    ConfigTables::instance(nullptr)->loadPersistentData();

    DatabaseIfc *db = DatabaseIfc::instance(nullptr);
    db->clearAll();
    const QVariantList beacons = entry.value(QStringLiteral("database")).toList();
    for (const QVariant &beacon : beacons) {
        const QVariantList fields = beacon.toList();
        std::unique_ptr<EpirbConfig> config(plbConfig(fields.value(0).toString(), fields.value(1).toString()));
        applyExtras(*config, fields.value(2).toMap());
        // Through the data block, as a programmed beacon enters the database.
        EpirbConfig stored(nullptr);
        if (decodeDataBlock(encodeDataBlock(*config), stored)) {
            stored.setProgDate(QDate::currentDate());
            stored.setAdditionalInfo(config->additionalInfo());
            db->addOrReplace(stored);
        }
    }
    const int generated = entry.value(QStringLiteral("generated")).toInt();
    if (generated > 0)
        fillDatabase(*db, generated);
}

bool anyImageLoading(QQuickItem *item)
{
    if (!item)
        return false;
    const QVariant status = item->property("status");
    // Image.Loading
    if (status.isValid() && item->metaObject()->indexOfProperty("sourceSize") >= 0 && status.toInt() == 2)
        return true;
    const auto children = item->childItems();
    for (QQuickItem *child : children) {
        if (anyImageLoading(child))
            return true;
    }
    return false;
}

// Lets bindings, deferred calls, layouts and pictures settle.
void settle(QQuickWindow *window, int extraMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300 + extraMs
           || (anyImageLoading(window->contentItem()) && timer.elapsed() < 5000 + extraMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // Outside an event loop nothing deleted later goes away by itself (cells a table let go).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    }
}

QString pictureName(const QVariantMap &entry)
{
    QString name = entry.value(QStringLiteral("file")).toString();
    if (name.endsWith(QLatin1String(".qml")))
        name.chop(4);
    const QString suffix = entry.value(QStringLiteral("suffix")).toString();
    if (!suffix.isEmpty())
        name += QLatin1Char('-') + suffix;
    return name + QStringLiteral(".png");
}

bool takePicture(const QVariantMap &entry, const QSize &size, const QDir &out)
{
    const bool production = entry.value(QStringLiteral("scene")).toString() == QLatin1String("production");
    prepareState(entry);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    auto *selector = new QQmlFileSelector(&engine, &engine);
    selector->setExtraSelectors({ QStringLiteral("PLB") });

    const QString sceneFile = production ? QStringLiteral("QMLSceneProduction.qml") : QStringLiteral("QMLScene.qml");
    QQmlComponent sceneComponent(&engine, QUrl(QStringLiteral("qrc:/qt/qml/Quorvik/Frontend/") + sceneFile));
    std::unique_ptr<QObject> sceneObject(sceneComponent.create());
    auto *window = qobject_cast<QQuickWindow *>(sceneObject.get());
    if (!window) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sceneFile), qPrintable(sceneComponent.errorString()));
        return false;
    }
    window->resize(size);
    window->show();

    QQmlComponent driverComponent(&engine, QUrl(QStringLiteral("qrc:/screens/ScreensDriver.qml")));
    std::unique_ptr<QObject> driver(driverComponent.create());
    if (!driver) {
        std::fprintf(stderr, "ScreensDriver.qml: %s\n", qPrintable(driverComponent.errorString()));
        return false;
    }
    settle(window, 0);
    QMetaObject::invokeMethod(driver.get(), "show", Q_ARG(QVariant, entry),
                              Q_ARG(QVariant, QVariant::fromValue(sceneObject.get())));
    settle(window, 0);
    QMetaObject::invokeMethod(driver.get(), "finish", Q_ARG(QVariant, entry),
                              Q_ARG(QVariant, QVariant::fromValue(sceneObject.get())));
    settle(window, entry.value(QStringLiteral("wait")).toInt());

    QVariant answer;
    QMetaObject::invokeMethod(driver.get(), "problem", Q_RETURN_ARG(QVariant, answer), Q_ARG(QVariant, entry));
    const QString problem = answer.toString();
    const QImage picture = window->grabWindow();
    const QString path = out.filePath(pictureName(entry));
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    window->close();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}

int main(int argc, char *argv[])
{
    // Settings and database of the run live in a folder removed at the end.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    ApplicationIdentity::installFonts();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes one PNG per page of the Quorvik PLB window."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Window size (default 1250x900)."),
                                        QStringLiteral("WxH"), QStringLiteral("1250x900"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Only pictures whose name contains TEXT."),
                                        QStringLiteral("TEXT"));
    parser.addOptions({ outOption, sizeOption, onlyOption });
    parser.process(app);
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "quorvik-screens: --out DIR is required\n");
        return 2;
    }
    const QStringList wh = parser.value(sizeOption).split(QLatin1Char('x'));
    const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
    if (wh.size() != 2 || size.width() <= 0 || size.height() <= 0) {
        std::fprintf(stderr, "quorvik-screens: --size must be WxH, e.g. 1250x900\n");
        return 2;
    }
    QDir out(parser.value(outOption));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "quorvik-screens: cannot create %s\n", qPrintable(out.path()));
        return 2;
    }

    DesktopSink desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");

    // The simulated adapter with a programmed PLB behind it.
    BeaconSimulator::Options simOptions;
    simOptions.syncIntervalMs = 500;
    simOptions.resyncMs = 0;
    {
        std::unique_ptr<EpirbConfig> config(plbConfig(QString::fromLatin1(kSerial), QStringLiteral("Kari Nordmann")));
        simOptions.block = encodeDataBlock(*config);
    }
    BeaconSimulator sim(simOptions);
    if (!sim.start()) {
        std::fprintf(stderr, "quorvik-screens: the beacon simulator did not start\n");
        return 1;
    }

    QVariantList pages;
    {
        QQmlEngine listEngine;
        QQmlComponent list(&listEngine, QUrl(QStringLiteral("qrc:/screens/ScreenPages.qml")));
        std::unique_ptr<QObject> object(list.create());
        if (!object) {
            std::fprintf(stderr, "ScreenPages.qml: %s\n", qPrintable(list.errorString()));
            return 1;
        }
        pages = object->property("pages").toList();
    }

    int failures = 0;
    QSet<QString> names;
    for (const QVariant &value : std::as_const(pages)) {
        const QString name = pictureName(value.toMap());
        if (names.contains(name)) {
            std::fprintf(stderr, "ScreenPages.qml: %s twice; give one a suffix\n", qPrintable(name));
            ++failures;
        }
        names.insert(name);
    }
    for (const bool production : { false, true }) {
        QStringList args{ QStringLiteral("comport=") + sim.devicePath() };
        if (production)
            args << QStringLiteral("production") << QStringLiteral("serialno=31337")
                 << QStringLiteral("country=257");
        std::unique_ptr<EpirbApp> epirb;
        for (const QVariant &value : std::as_const(pages)) {
            const QVariantMap entry = value.toMap();
            if ((entry.value(QStringLiteral("scene")).toString() == QLatin1String("production")) != production)
                continue;
            if (parser.isSet(onlyOption) && !pictureName(entry).contains(parser.value(onlyOption)))
                continue;
            if (!epirb)
                epirb = std::make_unique<EpirbApp>(args, nullptr, EpirbApp::Headless);
            if (!takePicture(entry, size, out))
                ++failures;
        }
    }
    sim.stop();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return failures == 0 ? 0 : 1;
}

#include "main.moc"
