#include "testbeacon.h"

#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "records/databaseifc.h"
#include "records/sharedregister.h"

#include "pgcluster.h"

#include "beaconsimulator.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QMutex>
#include <QQmlEngine>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>

namespace {
QMutex g_logMutex;
QStringList g_log;
QtMessageHandler g_previous = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker lock(&g_logMutex);
        g_log << text;
    }
    if ((type != QtDebugMsg || qEnvironmentVariableIsSet("QUORVIK_TEST_DEBUG")) && g_previous)
        g_previous(type, context, text);
}

QByteArray plbBlock(const QString &serial, const QString &owner, int tac = 0)
{
    if (owner.isEmpty())
        return BeaconSimulator::blankBlock(serial);
    EpirbConfig config(nullptr);
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(serial);
    config.setCountryCode(257);
    config.setProtocolId(ConfigTables::E_UserSerialPlb);
    config.setOwnerName(owner);
    // Without a type approval number bits 74-83 are national use, which a decode names.
    if (tac > 0)
        config.setTacNo(tac);
    config.calculateCsMsg();
    return encodeDataBlock(config);
}
}

TestBeacon::TestBeacon(const QString &home, QObject *parent)
    : QObject(parent)
    , m_home(home)
    , m_stored(nullptr)
{
    QQmlEngine::setObjectOwnership(&m_stored, QQmlEngine::CppOwnership);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
}

TestBeacon::~TestBeacon()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    if (m_sim)
        m_sim->stop();
    stopRegister();
}

QString TestBeacon::startRegister()
{
    if (m_register)
        return QString();
    if (PgCluster::serverBin().isEmpty())
        return QStringLiteral("skip: PostgreSQL server binaries are not installed");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("skip: Qt's PostgreSQL driver is not installed");
    auto cluster = std::make_unique<PgCluster>();
    if (!cluster->create())
        return cluster->why();
    const QString created = cluster->exec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE register"));
    if (!created.isEmpty())
        return created;
    // The program finds the password where libpq looks for it.
    qputenv("PGPASSFILE", cluster->passFile().toLocal8Bit());
    m_register = std::move(cluster);
    return QString();
}

void TestBeacon::stopRegister()
{
    if (!m_register)
        return;
    if (!m_register->stop())
        qWarning().noquote() << "The test register did not stop: " + m_register->why();
    m_register.reset();
}

QVariantMap TestBeacon::registerPlace() const
{
    if (!m_register)
        return {};
    return { { QStringLiteral("host"), m_register->socketDir() },
             { QStringLiteral("port"), m_register->port() },
             { QStringLiteral("database"), QStringLiteral("register") },
             { QStringLiteral("user"), QLatin1String(PgCluster::kUser) } };
}

bool TestBeacon::sendToRegister(const QString &serial, const QString &owner, const QString &station)
{
    if (!m_register)
        return false;
    EpirbConfig config(nullptr);
    if (!decodeDataBlock(plbBlock(serial, owner), config))
        return false;
    config.setProgStation(station);
    config.setProgOperator(QStringLiteral("Operator of ") + station);
    config.setProgDate(QDate::currentDate());
    config.calculateCsMsg();
    SharedRegister::Connection where;
    where.host = m_register->socketDir();
    where.port = m_register->port();
    where.database = QStringLiteral("register");
    where.user = QLatin1String(PgCluster::kUser);
    SharedRegister reg(where);
    int sent = 0;
    if (!reg.send({ &config }, &sent) || sent != 1) {
        qWarning().noquote() << "Not sent to the test register: " + reg.lastError();
        return false;
    }
    return true;
}

void TestBeacon::setApp(EpirbApp *app)
{
    m_app = app;
    if (!app || !m_protocols.isEmpty())
        return;
    ConfigTables *tables = ConfigTables::instance(nullptr);
    for (int i = 0; i < tables->maxNoProtocolsAvailable(); ++i)
        m_protocols << tables->protocolAvailable(i);
    for (int i = 0; i < ConfigTables::E_BeaconMax; ++i)
        m_beacons << tables->beaconPresent(i);
}

void TestBeacon::installLogCapture()
{
    // The test log puts its own handler in place when a test file starts; stay in front of it.
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    if (previous != capture)
        g_previous = previous;
}

QString TestBeacon::devicePath() const
{
    return m_sim ? m_sim->devicePath() : QString();
}

QString TestBeacon::dataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool TestBeacon::restart(const QVariantMap &options)
{
    if (m_sim)
        m_sim->stop();
    m_sim.reset();
    BeaconSimulator::Options o;
    const QByteArray sync = options.value(QStringLiteral("sync"), QStringLiteral("H")).toString().toLatin1();
    o.sync = sync.isEmpty() ? 'H' : sync.at(0);
    o.baud = options.value(QStringLiteral("baud"), 0).toInt();
    o.block = plbBlock(options.value(QStringLiteral("serial"), QStringLiteral("31337")).toString(),
                       options.value(QStringLiteral("owner")).toString(), options.value(QStringLiteral("tac")).toInt());
    // A block given whole, e.g. one whose stored message was damaged.
    if (options.contains(QStringLiteral("block")))
        o.block = QByteArray::fromHex(options.value(QStringLiteral("block")).toString().toLatin1());
    // Leave the link time to answer one sync before the next arrives.
    o.syncIntervalMs = options.value(QStringLiteral("syncIntervalMs"), 500).toInt();
    o.resyncMs = options.value(QStringLiteral("resyncMs"), 0).toInt();
    o.silent = options.value(QStringLiteral("silent"), false).toBool();
    o.stallAfter = options.value(QStringLiteral("stallAfter"), -1).toLongLong();
    o.nakFirst = options.value(QStringLiteral("nakFirst"), 0).toInt();
    o.dropRate = options.value(QStringLiteral("dropRate"), 0.0).toDouble();
    o.corruptRate = options.value(QStringLiteral("corruptRate"), 0.0).toDouble();
    o.garbage = options.value(QStringLiteral("garbage"), 0).toInt();
    o.bootLog = QByteArray::fromHex(options.value(QStringLiteral("bootLog")).toString().toLatin1());
    m_sim = std::make_unique<BeaconSimulator>(o);
    if (!m_sim->start()) {
        qWarning() << "TestBeacon: the beacon simulator did not start";
        return false;
    }
    if (m_app)
        m_app->setSerialText(m_sim->devicePath());
    emit restarted();
    return true;
}

EpirbConfig *TestBeacon::stored()
{
    if (!m_sim)
        return nullptr;
    m_stored.reset();
    return decodeDataBlock(m_sim->block(), m_stored) ? &m_stored : nullptr;
}

QString TestBeacon::storedBlockHex() const
{
    return m_sim ? QString::fromLatin1(m_sim->block().toHex()) : QString();
}

QVariantMap TestBeacon::stats() const
{
    if (!m_sim)
        return {};
    const BeaconSimulator::Stats s = m_sim->stats();
    return { { QStringLiteral("syncsSent"), s.syncsSent },
             { QStringLiteral("handshakes"), s.handshakes },
             { QStringLiteral("packetsReceived"), s.packetsReceived },
             { QStringLiteral("naksSent"), s.naksSent },
             { QStringLiteral("cancelsReceived"), s.cancelsReceived },
             { QStringLiteral("writesCompleted"), s.writesCompleted },
             { QStringLiteral("readsServed"), s.readsServed } };
}

void TestBeacon::pressTest()
{
    if (m_sim)
        m_sim->pressTest();
}

QStringList TestBeacon::logLines() const
{
    QMutexLocker lock(&g_logMutex);
    return g_log;
}

bool TestBeacon::logged(const QString &part) const
{
    QMutexLocker lock(&g_logMutex);
    for (const QString &line : std::as_const(g_log)) {
        if (line.contains(part))
            return true;
    }
    return false;
}

void TestBeacon::clearLog()
{
    installLogCapture();
    QMutexLocker lock(&g_logMutex);
    g_log.clear();
}

void TestBeacon::openFile(const QUrl &url)
{
    m_opened << url.toLocalFile();
    emit openedFilesChanged();
}

void TestBeacon::setViewerInstalled(bool installed)
{
    // A handler whose method does not exist makes openUrl() fail as on a desktop without a
    // program for the file, whatever this machine has installed.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, installed ? "openFile" : "noProgramForFiles");
}

void TestBeacon::clearOpenedFiles()
{
    m_opened.clear();
    emit openedFilesChanged();
}

void TestBeacon::resetSettings(bool firstStart)
{
    QSettings settings;
    settings.clear();
    if (!firstStart)
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Test Operator"));
    settings.sync();
    ConfigTables *tables = ConfigTables::instance(nullptr);
    tables->loadPersistentData();
    // Settings absent means defaults, which loading alone does not bring back.
    for (int i = 0; i < m_protocols.size(); ++i)
        tables->setProtocolAvailable(i, m_protocols.at(i));
    for (int i = 0; i < m_beacons.size(); ++i)
        tables->setBeaconPresent(i, m_beacons.at(i));
    if (m_app)
        m_app->setSerialOverrideAllowed(false);
}

void TestBeacon::reloadSettings()
{
    QSettings().sync();
    ConfigTables::instance(nullptr)->loadPersistentData();
}

QString TestBeacon::sourceFile(const QString &relativePath) const
{
    return QDir(QStringLiteral(QUORVIK_SOURCE_DIR)).filePath(relativePath);
}

QString TestBeacon::pdfText(const QString &path) const
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

int TestBeacon::databaseCount() const
{
    return DatabaseIfc::instance(nullptr)->count();
}

bool TestBeacon::addBeaconToDatabase(const QString &serial, const QString &owner)
{
    EpirbConfig config(nullptr);
    if (!decodeDataBlock(plbBlock(serial, owner.isEmpty() ? QStringLiteral("Owner") : owner), config))
        return false;
    config.setProgDate(QDate::currentDate());
    return DatabaseIfc::instance(nullptr)->addOrReplace(config);
}

bool TestBeacon::storeBeaconWithIdentityOf(const QString &serial, EpirbConfig *identity, const QString &station,
                                           const QString &operatorName)
{
    if (!identity)
        return false;
    EpirbConfig config(nullptr);
    config.copyFrom(*identity);
    config.setSerial(serial);
    config.setProgStation(station);
    config.setProgOperator(operatorName);
    config.setProgDate(QDate::currentDate());
    config.setDuplicateReason(QString());
    config.calculateCsMsg();
    return DatabaseIfc::instance(nullptr)->addOrReplace(config);
}

QString TestBeacon::databaseFileDuplicateReason(const QString &serial) const
{
    DatabaseIfc db(dataFolder(), nullptr);
    for (int i = 0; i < db.count(); ++i) {
        if (QString::fromLatin1(db.beaconAt(i)->serialBytes()) == serial)
            return db.beaconAt(i)->duplicateReason();
    }
    return QStringLiteral("(no beacon %1)").arg(serial);
}

void TestBeacon::clearDatabase()
{
    DatabaseIfc *db = DatabaseIfc::instance(nullptr);
    for (int left = db->count(); left > 0; --left) {
        db->setDbBeacon(0);
        db->deleteCurrent();
    }
}

bool TestBeacon::hasPage(const QString &file) const
{
    return QFile::exists(QStringLiteral(":/qt/qml/Quorvik/Frontend/") + file);
}

bool TestBeacon::setDatabaseWritable(bool writable) const
{
    const QString path = dataFolder() + QStringLiteral("/Quorvik.db");
    const QString held = path + QStringLiteral(".held");
    if (!writable) {
        if (QFileInfo(path).isFile() && !QFile::rename(path, held))
            return false;
        return QDir().mkpath(path);
    }
    if (QFileInfo(path).isDir() && !QDir(path).removeRecursively())
        return false;
    return !QFile::exists(held) || QFile::rename(held, path);
}

QStringList TestBeacon::databaseFileSerials() const
{
    // A second database on the same folder sees only what reached the file.
    DatabaseIfc db(dataFolder(), nullptr);
    QStringList serials;
    for (int i = 0; i < db.count(); ++i)
        serials << QString::fromLatin1(db.beaconAt(i)->serialBytes());
    return serials;
}

QString TestBeacon::databaseFileNote(const QString &serial) const
{
    DatabaseIfc db(dataFolder(), nullptr);
    for (int i = 0; i < db.count(); ++i) {
        if (QString::fromLatin1(db.beaconAt(i)->serialBytes()) == serial)
            return db.beaconAt(i)->additionalInfo();
    }
    return QString();
}

QString TestBeacon::readTextFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList TestBeacon::filesIn(const QString &folder, const QString &nameFilter) const
{
    return QDir(folder).entryList({ nameFilter }, QDir::Files, QDir::Name);
}

bool TestBeacon::writeTextFile(const QString &path, const QString &text) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}
