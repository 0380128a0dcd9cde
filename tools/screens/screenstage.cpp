// Brings the entries of ScreenPages.qml up in the real scenes.
#include "screenstage.h"

#include "coding/epirbmsgbase.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QThread>

namespace {

EpirbConfig *newPlb(const QString &serial, const QString &owner)
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
// additionalDataType, customSerial, tacNoRlsPlb, station, operator, address, other, note.
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
    if (extra.contains(QStringLiteral("customSerial")))
        config.setCustomSerial(extra.value(QStringLiteral("customSerial")).toInt());
    if (extra.contains(QStringLiteral("tacNoRlsPlb")))
        config.setTacNumberRlsPlb(extra.value(QStringLiteral("tacNoRlsPlb")).toInt());
    config.setProgStation(extra.value(QStringLiteral("station")).toString());
    config.setProgOperator(extra.value(QStringLiteral("operator")).toString());
    config.setOwnerAddress(extra.value(QStringLiteral("address")).toString());
    config.setOwnerOther(extra.value(QStringLiteral("other")).toString());
    config.setAdditionalInfo(extra.value(QStringLiteral("note")).toString());
    config.calculateCsMsg();
}

// n stored P5 beacons with distinct serials, programming and battery dates, through one
// report import (one write of the file) as the records benchmark builds them.
void fillDatabase(DatabaseIfc &db, int n)
{
    std::unique_ptr<EpirbConfig> p5(newPlb(QStringLiteral("1"), QStringLiteral("Owner of a personal locator beacon")));
    p5->setOwnerAddress(QStringLiteral("Harbour street 12, 5003 Bergen"));
    db.addOrReplace(*p5);
    QJsonObject beacon = db.exportObject().value(QStringLiteral("beacons")).toArray().at(0).toObject();
    db.clearAll();
    QJsonArray beacons;
    const std::unique_ptr<EpirbMsgBase> message(EpirbMsgBase::fromBytes(p5->messageBytes()));
    const QDate first(2019, 1, 7);
    for (int i = 0; i < n; ++i) {
        const QDate programmed = first.addDays((i * 37) % 2500);
        beacon.insert(QStringLiteral("beaconSerial"), QString::number(10000 + i));
        // Each beacon its own hex ID, as real beacons of a serial protocol have.
        message->setSerialNumber(10000 + i);
        message->calculateBch();
        beacon.insert(QStringLiteral("message406"), QString::fromLatin1(message->messageBytes().toBase64()));
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

}

EpirbConfig *ScreenStage::plbConfig(const QString &serial, const QString &owner)
{
    return newPlb(serial, owner);
}

void ScreenStage::prepareState(const QVariantMap &entry)
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
        std::unique_ptr<EpirbConfig> config(newPlb(fields.value(0).toString(), fields.value(1).toString()));
        applyExtras(*config, fields.value(2).toMap());
        // Through the data block, as a programmed beacon enters the database.
        EpirbConfig stored(nullptr);
        if (decodeDataBlock(encodeDataBlock(*config), stored)) {
            stored.setProgDate(QDate::currentDate());
            stored.setAdditionalInfo(config->additionalInfo());
            // The block keeps station and operator only when they are set.
            if (!config->progStation().isEmpty())
                stored.setProgStation(config->progStation());
            if (!config->progOperator().isEmpty())
                stored.setProgOperator(config->progOperator());
            db->addOrReplace(stored);
        }
    }
    const int generated = entry.value(QStringLiteral("generated")).toInt();
    if (generated > 0)
        fillDatabase(*db, generated);
}

void ScreenStage::settle(QQuickWindow *window, int extraMs)
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

ScreenStage::ScreenStage() = default;

ScreenStage::~ScreenStage()
{
    close();
}

QVariantList ScreenStage::pages()
{
    QQmlEngine listEngine;
    QQmlComponent list(&listEngine, QUrl(QStringLiteral("qrc:/screens/ScreenPages.qml")));
    std::unique_ptr<QObject> object(list.create());
    if (!object) {
        qWarning("ScreenPages.qml: %s", qPrintable(list.errorString()));
        return {};
    }
    return object->property("pages").toList();
}

QString ScreenStage::pictureName(const QVariantMap &entry)
{
    QString name = entry.value(QStringLiteral("file")).toString();
    if (name.endsWith(QLatin1String(".qml")))
        name.chop(4);
    const QString suffix = entry.value(QStringLiteral("suffix")).toString();
    if (!suffix.isEmpty())
        name += QLatin1Char('-') + suffix;
    return name + QStringLiteral(".png");
}

bool ScreenStage::isProduction(const QVariantMap &entry)
{
    const QString scene = entry.value(QStringLiteral("scene")).toString();
    return scene == QLatin1String("production") || scene == QLatin1String("batch");
}

bool ScreenStage::isBatch(const QVariantMap &entry)
{
    return entry.value(QStringLiteral("scene")).toString() == QLatin1String("batch");
}

bool ScreenStage::open(const QVariantMap &entry, const QSize &size)
{
    close();
    m_entry = entry;
    m_error.clear();
    prepareState(entry);

    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    auto *selector = new QQmlFileSelector(m_engine.get(), m_engine.get());
    selector->setExtraSelectors({ QStringLiteral("PLB") });

    const QString sceneFile = isProduction(entry) ? QStringLiteral("QMLSceneProduction.qml")
                                                  : QStringLiteral("QMLScene.qml");
    QQmlComponent sceneComponent(m_engine.get(), QUrl(QStringLiteral("qrc:/qt/qml/Quorvik/Frontend/") + sceneFile));
    m_scene.reset(sceneComponent.create());
    m_window = qobject_cast<QQuickWindow *>(m_scene.get());
    if (!m_window) {
        m_error = sceneFile + QStringLiteral(": ") + sceneComponent.errorString();
        return false;
    }
    m_window->resize(size);
    m_window->show();

    QQmlComponent driverComponent(m_engine.get(), QUrl(QStringLiteral("qrc:/screens/ScreensDriver.qml")));
    m_driver.reset(driverComponent.create());
    if (!m_driver) {
        m_error = QStringLiteral("ScreensDriver.qml: ") + driverComponent.errorString();
        return false;
    }
    settle(m_window, 0);
    QMetaObject::invokeMethod(m_driver.get(), "show", Q_ARG(QVariant, entry),
                              Q_ARG(QVariant, QVariant::fromValue(m_scene.get())));
    settle(m_window, 0);
    QMetaObject::invokeMethod(m_driver.get(), "finish", Q_ARG(QVariant, entry),
                              Q_ARG(QVariant, QVariant::fromValue(m_scene.get())));
    settle(m_window, entry.value(QStringLiteral("wait")).toInt());
    return true;
}

QString ScreenStage::problem() const
{
    if (!m_driver)
        return m_error;
    QVariant answer;
    QMetaObject::invokeMethod(m_driver.get(), "problem", Q_RETURN_ARG(QVariant, answer), Q_ARG(QVariant, m_entry));
    return answer.toString();
}

void ScreenStage::close()
{
    if (m_window)
        m_window->close();
    m_window = nullptr;
    m_driver.reset();
    m_scene.reset();
    m_engine.reset();
}
