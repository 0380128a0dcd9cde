#include "epirbapp.h"

#include "app/epirbqmlproxy.h"
#include "app/productionbatch.h"
#include "app/quickaccessibleitem.h"
#include "config/configextrametadata.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "documents/epirbdatablkwrapper.h"
#include "documents/labelglyphatlas.h"
#include "link/epirbcomm.h"
#include "records/databaseifc.h"
#include "records/registeroutbox.h"
#include "records/duplicateguard.h"
#include "records/epirblogdb.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlFileSelector>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {
const char *const kDefaultQmlPath = "qrc:///qt/qml/Quorvik/Frontend/";
const char *const kDefaultComPort = "COM33";
}

EpirbApp::EpirbApp(const QStringList &args, QObject *parent, StartMode mode)
    : QObject(parent)
    , m_headless(mode == Headless)
{
    // Before any window exists, so that every item's interface carries its enabled state.
    QuickAccessibleItem::install();

    // 1. Configuration records (pending first), then the label picture.
    m_configPending = new EpirbConfig(this);
    m_configCurrent = new EpirbConfig(this);
    LabelGlyphAtlas::prepare();

    // 2. Folders and default scene path.
    m_appDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList appData = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    m_appDataDir = appData.isEmpty() ? QString() : appData.first();
    m_qmlPath = QString::fromLatin1(kDefaultQmlPath);

    // 3. Command line.
    evaluateArguments(args);

    // 4. Production identity.
    if (m_production)
        applyProductionDefaults(args);

    // 5. Version text stored in programmed beacons.
    m_version = shortVersion(QCoreApplication::applicationVersion());

    // 6. Start-up report.
    logStartupReport();

    // 7. Settings owned by the controller.
    readSettings();
    m_tables->setSerialOverrideAllowed(m_serialOverrideAllowed);

    // 8. Serial port check.
    probeSerialPort();

    // 9. Beacon link in its own thread; it creates its port and timers there on first use.
    m_comm = new EpirbComm(nullptr);
    m_comm->setPortName(m_comPort);
    m_comm->setForceSinglePage(m_forceSinglePage);
    m_comm->setAnswerDelay(m_progTimeout);
    m_commThread = new QThread(this);
    m_commThread->setObjectName(QStringLiteral("EpirbComm"));
    m_comm->moveToThread(m_commThread);
    connect(this, &EpirbApp::requestComStop, m_comm, &EpirbComm::on_requestStop, Qt::QueuedConnection);
    connect(this, &EpirbApp::requestReceiveStart, m_comm, &EpirbComm::receiveStart, Qt::QueuedConnection);
    connect(this, &EpirbApp::requestReciveLogStart, m_comm, &EpirbComm::receiveStart, Qt::QueuedConnection);
    connect(this, &EpirbApp::requestVerifyStart, m_comm, &EpirbComm::verifyStart, Qt::QueuedConnection);
    connect(this, &EpirbApp::requestWriteStart, m_comm, &EpirbComm::transmitStart, Qt::QueuedConnection);
    connect(this, &EpirbApp::requestProductionStart, m_comm, &EpirbComm::transmitProductionStart,
            Qt::QueuedConnection);
    m_commThread->start();

    // 10. Country list: a custom copy in the user's data folder replaces the shipped one.
    m_countryModel = CountryCodeModel::instance(this);
    QString countryFolder = m_appDir;
    const QString customCountry = m_appDataDir + QDir::separator() + QStringLiteral("Country.txt");
    if (!m_appDataDir.isEmpty() && QFileInfo::exists(customCountry)) {
        countryFolder = m_appDataDir;
        m_customCountryFile = QFileInfo(customCountry).absoluteFilePath();
        qDebug().noquote() << "Using custom Country.txt file from " + m_customCountryFile;
    }
    m_countryModel->loadCountryList(countryFolder, QLocale::territoryToString(QLocale::system().territory()));
    // The production identity was applied before the list was there; derive its label from the list.
    if (m_production)
        m_configPending->setCountryCode(m_configPending->rawCountryCode());

    // 11. Database and boot-log decoder.
    connectDatabaseView(DatabaseIfc::instance(this));
    m_duplicateGuard = std::make_unique<DuplicateGuard>(DatabaseIfc::instance(this));
    EpirbLogDb::instance(this);
    // Programmings left waiting by an earlier run go to the shared register once the
    // event loop runs; an unreachable register only leaves them waiting.
    RegisterOutbox *outbox = RegisterOutbox::instance(this);
    m_duplicateGuard->setExtraLookup(outbox->duplicateLookup());
    if (outbox->isSetUp() && outbox->waitingCount() > 0)
        QTimer::singleShot(0, outbox, [outbox] { outbox->sendNow(); });

    // 12. What the QML proxy hands out.
    EpirbQMLProxy::setGlobals(this, m_configCurrent, m_configPending, m_countryModel);
    connect(m_configPending, &EpirbConfig::beaconTypeChanged, this, &EpirbApp::on_beaconTypeChanged);
    // Every operation ends by closing the link; what the link sent before it saw the
    // stop must not reach the next status or result.
    connect(this, &EpirbApp::requestComStop, this, [this] {
        // A page that ends the run also ends a question it left open.
        setDuplicateQuestion(QString(), {});
        m_linkActive = false;
        m_heldBeacon = false;
        setWriteInProgress(false);
        ++m_stopsRequested;
        disconnectLink();
    });
    connect(m_comm, &EpirbComm::stopped, this, [this] { ++m_stopsDone; }, Qt::QueuedConnection);

    if (m_production)
        loadProductionPlan(args);

    if (m_headless)
        return;

    // 13. Renderer.
    chooseRenderer(args);

    // 14. Main scene.
    handleSceneFailure(loadMainScene());

    // A database that could not be read whole is said before anything is done with it.
    const QString dbProblem = DatabaseIfc::instance(this)->loadProblem();
    if (!dbProblem.isEmpty())
        showWarningBox(tr("Database of programmed beacons damaged"), dbProblem);
}

EpirbApp::~EpirbApp()
{
    if (m_commThread) {
        // Port and timers belong to the link thread: close and delete them there before it ends.
        if (m_comm && m_commThread->isRunning()) {
            EpirbComm *comm = m_comm;
            QMetaObject::invokeMethod(
                comm,
                [comm] {
                    comm->on_requestStop(QStringLiteral("shutdown"));
                    delete comm;
                },
                Qt::BlockingQueuedConnection);
            m_comm = nullptr;
        }
        m_commThread->quit();
        m_commThread->wait();
    }
    delete m_engine;
    m_engine = nullptr;
    delete m_comm;
    m_comm = nullptr;
    if (!m_headless)
        writeSettings();
    EpirbQMLProxy::setGlobals(nullptr, nullptr, nullptr, nullptr);
    // Every change is on disk already; this only writes what a failed save left pending.
    delete DatabaseIfc::instance(this);
}

void EpirbApp::connectDatabaseView(DatabaseIfc *db)
{
    epirbdatablkWrapper *view = epirbdatablkWrapper::instance(this);
    // Direct: the view lets go of a record before the database deletes it.
    connect(db, &DatabaseIfc::dbBeaconChanged, view, [db, view] {
        if (db->currentIndex() >= 0)
            view->setConfig(db->beaconAt(db->currentIndex()), epirbdatablkWrapper::DatabaseView);
    });
    connect(db, &DatabaseIfc::showInDatablock, view, [view](EpirbConfig *record) {
        // A replaced record is followed only while the database's record is on show; a
        // read-out or programming result stays.
        if (view->config() && view->viewMode() == epirbdatablkWrapper::DatabaseView)
            view->setConfig(record, epirbdatablkWrapper::DatabaseView);
    });
    connect(db, &DatabaseIfc::clearDatablock, view, &epirbdatablkWrapper::clearConfig);
    // A note written on a stored beacon's page must survive the run.
    connect(view, &epirbdatablkWrapper::addInfoChanged, db, [db, view] {
        const EpirbConfig *shown = view->config();
        if (!shown)
            return;
        if (view->viewMode() == epirbdatablkWrapper::DatabaseView) {
            db->recordEdited(shown);
            return;
        }
        // Right after a run the page shows the controller's record; the note belongs to
        // the stored copy of that beacon.
        if (view->viewMode() != epirbdatablkWrapper::ProgrammingView)
            return;
        for (int i = 0; i < db->count(); ++i) {
            EpirbConfig *stored = db->beaconAt(i);
            if (stored->beaconType() == shown->beaconType() && stored->serialBytes() == shown->serialBytes()) {
                stored->setAdditionalInfo(shown->additionalInfo());
                if (!db->recordEdited(stored))
                    qWarning().noquote() << "The note of beacon " + shown->beaconSerial() + " could not be saved";
                return;
            }
        }
        qWarning().noquote() << "The note of beacon " + shown->beaconSerial() + " has no stored record to go to";
    });
}

QString EpirbApp::territoryName() const
{
    return QLocale::territoryToString(QLocale::system().territory());
}

bool EpirbApp::commandLineValue(const QStringList &args, const QString &name, QString &value)
{
    value.clear();
    for (const QString &arg : args) {
        const int eq = arg.indexOf(QLatin1Char('='));
        if ((eq < 0 ? arg : arg.left(eq)) != name)
            continue;
        if (eq >= 0)
            value = arg.mid(eq + 1);
        return true;
    }
    return false;
}

QString EpirbApp::shortVersion(const QString &applicationVersion)
{
    QString v = applicationVersion;
    const int dash = v.indexOf(QLatin1Char('-'));
    if (dash >= 0)
        v = v.left(dash) + QLatin1Char('+');
    return v.left(8);
}

int EpirbApp::progTimeoutFromArguments(const QStringList &args)
{
    QString value;
    if (!commandLineValue(args, QStringLiteral("progtimeout"), value))
        return 40;
    bool ok = false;
    const int ms = value.toInt(&ok);
    return ok ? ms : 40;
}

void EpirbApp::evaluateArguments(const QStringList &args)
{
    QString value;
    if (commandLineValue(args, QStringLiteral("qmlpath"), value) && !value.isEmpty())
        m_qmlPath = value;
    m_progTimeout = progTimeoutFromArguments(args);
    m_configPending->setBeaconType(ConfigTables::E_Skua11A);
    if (commandLineValue(args, QStringLiteral("beacontype"), value) && !value.isEmpty())
        m_configPending->setBeaconType(value.toInt());
    m_allSerial = commandLineValue(args, QStringLiteral("allSerial"), value);
    m_forceSinglePage = commandLineValue(args, QStringLiteral("forceSinglePage"), value);
    m_skipReadback = commandLineValue(args, QStringLiteral("skipreadback"), value);
    m_testProtocol = commandLineValue(args, QStringLiteral("testprotocol"), value);
    m_clearPreviousName = commandLineValue(args, QStringLiteral("clearPreviousName"), value);
    if (commandLineValue(args, QStringLiteral("log"), value))
        m_logAvailable = true;
    m_production = commandLineValue(args, QStringLiteral("production"), value);
    if (commandLineValue(args, QStringLiteral("comport"), value))
        m_comPortOverride = value;
    m_tables = ConfigTables::instance(this);
    m_tables->setTestProtocolAllowed(m_testProtocol);
}

void EpirbApp::applyProductionDefaults(const QStringList &args)
{
    EpirbConfig *pending = m_configPending;
    QString value;

    pending->setProductionDate(QDate::currentDate());
    pending->setProtocolId(m_testProtocol ? ConfigTables::E_UserLocationTestEpirb : ConfigTables::E_UserLocationMmsi);

    if (commandLineValue(args, QStringLiteral("serialno"), value) && !value.isEmpty()) {
        m_productionSerialArgument = value;
        // The whole value is the serial number: cutting a prefix or extra digits away would
        // program a beacon with an identity nobody asked for.
        if (isProductionSerial(value)) {
            pending->setSerial(value);
            // The MMSI field of the message holds six digits: the record holds what it will carry.
            pending->setMmsi(value.rightJustified(6, QLatin1Char('0')));
            pending->setTacNo(m_tables->csApproval(pending->beaconType(), value.toInt()));
        } else {
            qWarning().noquote() << "serialno=" + value + " is not a serial number of 5 digits; not taken";
        }
    }
    if (commandLineValue(args, QStringLiteral("protocol"), value)) {
        bool ok = false;
        const uint protocol = value.toUInt(&ok);
        if (ok && protocol < ConfigTables::E_ProtocolMax)
            pending->setProtocolId(int(protocol));
    }
    const QList<int> protocols = m_tables->updateProtocolList(pending->beaconType());
    if (!protocols.isEmpty() && !protocols.contains(pending->protocolId()))
        pending->setProtocolId(protocols.first());

    // Country labels need the country model; it is owned by the application.
    CountryCodeModel::instance(this);
    if (commandLineValue(args, QStringLiteral("country"), value) && !value.isEmpty())
        pending->setCountryCode(value.toInt());
    if (pending->rawCountryCode() == 0)
        pending->setCountryCode(257);

    QDate expiry;
    if (commandLineValue(args, QStringLiteral("batteryexpiry"), value))
        expiry = QDate::fromString(value, QStringLiteral("MMyyyy"));
    if (!expiry.isValid())
        expiry = QDate::currentDate().addYears(batteryServiceLife(pending->countryCode()));
    pending->setBatteryExpiry(QDateTime(expiry, QTime(0, 0)));
}

void EpirbApp::loadProductionPlan(const QStringList &args)
{
    QString plan;
    if (!commandLineValue(args, QStringLiteral("plan"), plan) || plan.isEmpty())
        return;
    // The identity words of a production run fill what the plan's rows leave out.
    QMap<QString, QString> defaults;
    QString value;
    for (const char *word : { "country", "protocol", "batteryexpiry" }) {
        if (commandLineValue(args, QLatin1String(word), value) && !value.isEmpty())
            defaults.insert(QLatin1String(word), value);
    }
    m_batch = new ProductionBatch(this, this);
    if (m_batch->load(plan, defaults)) {
        qInfo().noquote() << QStringLiteral("Production plan %1: %2 beacons, %3 done before")
                                 .arg(plan)
                                 .arg(m_batch->total())
                                 .arg(m_batch->done());
        return;
    }
    for (const QString &problem : m_batch->errors())
        qWarning().noquote() << "Production plan refused: " + problem;
    setProgStatus(tr("Plan refused, nothing written"), true);
}

void EpirbApp::logStartupReport() const
{
    qInfo().noquote() << "Version: " + m_version;
    qInfo().noquote() << "Qt Version: " + QStringLiteral(QT_VERSION_STR);
    qInfo().noquote() << "QML path: " + m_qmlPath;
    qInfo().noquote() << "System info: " + QSysInfo::productType();
    qInfo().noquote() << "System name: " + QSysInfo::prettyProductName();
    qInfo().noquote() << "Country: " + QLocale::territoryToString(QLocale::system().territory());
}

void EpirbApp::readSettings()
{
    QSettings settings;
    m_comPort = settings.value(QStringLiteral("ComPort"), defaultComPort()).toString();
    m_savedComPort = m_comPort;
    if (!m_comPortOverride.isEmpty())
        m_comPort = m_comPortOverride;
    m_testProtocolAvailable = settings.value(QStringLiteral("TestProtocolAviable"), false).toBool();
    m_serialOverrideAllowed = settings.value(QStringLiteral("SerialOverrideAllowed"), false).toBool();
}

void EpirbApp::writeSettings() const
{
    QSettings settings;
    const bool overridden = !m_comPortOverride.isEmpty() && m_comPort == m_comPortOverride;
    settings.setValue(QStringLiteral("ComPort"), overridden ? m_savedComPort : m_comPort);
    settings.setValue(QStringLiteral("TestProtocolAviable"), m_testProtocolAvailable);
    settings.setValue(QStringLiteral("SerialOverrideAllowed"), m_serialOverrideAllowed);
}

bool EpirbApp::probePort(const QString &name)
{
    QSerialPort port;
    port.setPortName(name);
    port.setBaudRate(QSerialPort::Baud2400);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

void EpirbApp::probeSerialPort()
{
    m_portAvailable = probePort(m_comPort);
    if (m_portAvailable)
        return;
    const QStringList ports = serialPorts();
    if (ports.size() == 1 && probePort(ports.first())) {
        m_comPort = ports.first();
        m_portAvailable = true;
        qInfo().noquote() << "Auto-detect serial port: " + m_comPort;
    }
}

QStringList EpirbApp::serialPorts() const
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (m_allSerial || info.manufacturer() == QLatin1String("FTDI"))
            names << info.portName();
    }
    // The port in use is shown even when the list leaves it out (another maker's adapter,
    // a device path), so that the options never show a port that is not the one used.
    if (!m_comPort.isEmpty() && (QFileInfo::exists(m_comPort) || !QSerialPortInfo(m_comPort).isNull())) {
        const QString name = m_comPort.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
        if (!names.contains(m_comPort) && !names.contains(name))
            names.prepend(m_comPort);
    }
    return names;
}

QString EpirbApp::defaultComPort()
{
    // Only Windows has COM ports: elsewhere the one USB serial adapter present is the one meant.
    if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows) {
        const QStringList usb = QDir(QStringLiteral("/dev")).entryList({ QStringLiteral("ttyUSB*") }, QDir::System);
        if (usb.size() == 1)
            return QStringLiteral("/dev/") + usb.first();
    }
    return QString::fromLatin1(kDefaultComPort);
}

void EpirbApp::chooseRenderer(const QStringList &args)
{
    QString value;
    if (commandLineValue(args, QStringLiteral("softwarerender"), value))
        m_softwareRender = true;
    else
        m_softwareRender = QSettings().value(QStringLiteral("SoftwareRender"), false).toBool();

    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.type() == QOperatingSystemVersion::Windows && os.majorVersion() == 6
        && (os.minorVersion() == 1 || os.minorVersion() == 2)) {
        qWarning() << "Forcing software renderer due to Windows version";
        m_softwareRender = true;
    }
    if (m_softwareRender) {
        QQuickWindow::setSceneGraphBackend(QStringLiteral("software"));
        qInfo() << "Using software renderer";
    }
}

int EpirbApp::loadMainScene()
{
    m_sceneResult = 0;
    m_engine = new QQmlApplicationEngine(this);
    m_engine->addImportPath(QStringLiteral("qrc:/"));
    m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    auto *selector = new QQmlFileSelector(m_engine, m_engine);
    selector->setExtraSelectors({ QStringLiteral("PLB") });

    connect(m_engine, &QQmlApplicationEngine::objectCreated, this, &EpirbApp::onSceneObjectCreated);
    const QString scene = m_production ? QStringLiteral("QMLSceneProduction.qml") : QStringLiteral("QMLScene.qml");
    m_engine->load(QUrl(m_qmlPath + scene));

    if (m_sceneResult == 0)
        m_sceneResult = m_sceneLoop.exec();
    return m_sceneResult;
}

void EpirbApp::onSceneObjectCreated(QObject *object, const QUrl &url)
{
    qInfo().noquote() << "Creation of " + url.toString() + (object ? " succeeded." : " failed.");
    const QString file = url.fileName();
    if (file != QLatin1String("QMLScene.qml") && file != QLatin1String("QMLSceneProduction.qml")
        && file != QLatin1String("QMLSceneMobile.qml"))
        return;
    if (!object) {
        qCritical() << "Failed to load main scene object. Terminating";
        m_sceneResult = -2;
        return;
    }
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        // Nothing would ever end the wait for a scene graph: fail like a missing scene.
        qCritical() << "Main scene is not a window. Terminating";
        m_sceneResult = -2;
        return;
    }
    connect(window, &QQuickWindow::sceneGraphError, this,
            [this](QQuickWindow::SceneGraphError error, const QString &message) {
                qWarning().noquote() << message;
                if (error == QQuickWindow::ContextNotAvailable) {
                    qWarning() << "Failed to load graphics context";
                    m_sceneLoop.exit(-1);
                }
            });
    connect(window, &QQuickWindow::sceneGraphInitialized, this, [this]() { m_sceneLoop.exit(0); }, Qt::SingleShotConnection);
    // A render context shared with an earlier window is not initialised again; the first
    // frame shows the scene graph is up just as well.
    connect(window, &QQuickWindow::frameSwapped, this, [this]() { m_sceneLoop.exit(0); }, Qt::SingleShotConnection);
}

void EpirbApp::handleSceneFailure(int result)
{
    if (result == 0)
        return;
    const QString backendTitle = tr("Failed to graphics backend");
    const QString backendText = tr("Could not load the graphics backend. Application will terminate.");
    if (result == -1 && m_softwareRender) {
        QMessageBox::critical(nullptr, backendTitle, backendText, QMessageBox::Ok);
    } else if (result == -1) {
        const QStringList restartArgs = QCoreApplication::arguments() << QStringLiteral("softwarerender");
        QSettings settings;
        settings.setValue(QStringLiteral("SoftwareRender"), true);
        settings.sync();
        qInfo() << "Enabling forced software renderer";
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), restartArgs, QDir::currentPath()))
            QMessageBox::critical(nullptr, backendTitle, backendText, QMessageBox::Ok);
    } else {
        QMessageBox::critical(nullptr, tr("Failed to load main window"),
                              tr("Could not load the main window. Application will terminate."), QMessageBox::Ok);
    }
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

// ---------------------------------------------------------------------------
// Status and progress

void EpirbApp::setProgStatusText(const QString &text)
{
    if (m_progStatus == text)
        return;
    m_progStatus = text;
    emit progStatusChanged();
}

void EpirbApp::setProgStatusError(bool error)
{
    if (m_progStatusError == error)
        return;
    m_progStatusError = error;
    emit progStatusErrorChanged();
}

void EpirbApp::setProgProgress(double progress)
{
    m_progProgress = progress;
    emit progProgressChanged();
}

void EpirbApp::setProgStatus(const QString &text, bool error)
{
    setProgStatusText(text);
    setProgStatusError(error);
}

void EpirbApp::startProgress(int phaseCount)
{
    setProgProgress(0);
    m_phaseCount = phaseCount;
    m_phase = 0;
}

void EpirbApp::on_comProgress()
{
    if (!isCurrentLinkEvent())
        return;
    m_progProgress = qBound(0.0, (m_phase * 100 + m_comm->progress()) / m_phaseCount, 100.0);
    emit progProgressChanged();
}

// ---------------------------------------------------------------------------
// Link connections

void EpirbApp::disconnectLink()
{
    // Not the link's stop notice: that one counts every stop, whichever operation runs.
    disconnect(m_comm, &EpirbComm::syncReceived, this, nullptr);
    disconnect(m_comm, &EpirbComm::comProgressChanged, this, nullptr);
    disconnect(m_comm, &EpirbComm::success, this, nullptr);
    disconnect(m_comm, &EpirbComm::failure, this, nullptr);
    disconnect(m_comm, &EpirbComm::timeout, this, nullptr);
}

void EpirbApp::endRunningOperation()
{
    // A start while an operation is under way ends that one first, so nothing it still
    // reports can be taken for the new one's.
    if (m_linkActive)
        emit requestComStop(QString());
    disconnectLink();
}

void EpirbApp::connectSync()
{
    connect(m_comm, &EpirbComm::syncReceived, this, &EpirbApp::on_syncReceived,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void EpirbApp::connectTimeout()
{
    connect(m_comm, &EpirbComm::timeout, this, &EpirbApp::on_timeout,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void EpirbApp::connectProgress()
{
    connect(m_comm, &EpirbComm::comProgressChanged, this, &EpirbApp::on_comProgress,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void EpirbApp::connectSuccess(void (EpirbApp::*slot)(int))
{
    disconnectSuccess();
    connect(m_comm, &EpirbComm::success, this, slot, Qt::QueuedConnection);
}

void EpirbApp::connectFailure(void (EpirbApp::*slot)(int))
{
    disconnect(m_comm, &EpirbComm::failure, this, nullptr);
    connect(m_comm, &EpirbComm::failure, this, slot, Qt::QueuedConnection);
}

void EpirbApp::disconnectSuccess()
{
    disconnect(m_comm, &EpirbComm::success, this, nullptr);
}

// ---------------------------------------------------------------------------
// Reading a beacon and its boot log

void EpirbApp::startEpirbRecieve(bool readback_mode)
{
    startProgress(1);
    qDebug() << "startEpirbReceive activated from QML";
    if (m_skipReadback && !readback_mode) {
        m_configPending->reset();
        return;
    }
    m_writing = false;
    endRunningOperation();
    m_productionRead = false;
    m_syncChar = '?';
    m_comm->setPage(0);
    connectSync();
    connectTimeout();
    connectSuccess(&EpirbApp::on_successRead);
    connectFailure(&EpirbApp::on_comReadFailure);
    connectProgress();
    setProgStatus(tr("Waiting for connection..."), false);
    m_linkActive = true;
    emit requestReceiveStart();
}

void EpirbApp::startProductionRead()
{
    startEpirbRecieve(true);
    m_productionRead = true;
}

void EpirbApp::startManualRun(int beaconType)
{
    // Without a read-out nothing is known of the beacon, and nothing of an earlier run
    // (serial, owner, note, identity, battery expiry) may pass for it.
    for (EpirbConfig *config : { m_configCurrent, m_configPending }) {
        config->reset();
        config->setSerial(QString());
        config->setMessageBytes(QByteArray());
        config->setBatteryExpiry(QDateTime());
    }
    m_configPending->setProtocolId(ConfigTables::E_StdLocationMmsi);
    m_configPending->setBeaconType(beaconType);
    qDebug() << "Manual run for beacon type" << beaconType;
}

void EpirbApp::startEpirbLogRead()
{
    startProgress(1);
    qDebug() << "startEpirbLogRead activated from QML";
    m_writing = false;
    endRunningOperation();
    m_syncChar = '?';
    // The configuration comes first: the log alone does not say whose it is.
    m_comm->setPage(2, true);
    connectSync();
    connectTimeout();
    connectSuccess(&EpirbApp::on_successLogRead);
    connectFailure(&EpirbApp::on_comReadLogFailure);
    connectProgress();
    setProgStatus(tr("Waiting for connection..."), false);
    m_linkActive = true;
    emit requestReciveLogStart();
}

void EpirbApp::stopEpirbReceive(const QString &msg)
{
    emit requestComStop(msg);
}

void EpirbApp::on_syncReceived(char ch)
{
    if (!isCurrentLinkEvent())
        return;
    m_syncChar = ch;
    qDebug() << "on_syncReceived: " << ch;
    if (m_writing && !m_production)
        setWriteInProgress(true);
    if (m_production && m_writing)
        setProgStatus(tr("Writing to PLB..."), false);
    else if (m_writing && m_phase > 0)
        // A retried write: the beacon was checked before.
        setProgStatus(tr("Writing data to PLB..."), false);
    else if (m_writing)
        setProgStatus(tr("Checking PLB before programming..."), false);
    else
        setProgStatus(tr("Reading data from PLB..."), false);
}

void EpirbApp::setWriteInProgress(bool inProgress)
{
    if (m_writeInProgress == inProgress)
        return;
    m_writeInProgress = inProgress;
    emit writeInProgressChanged();
}

void EpirbApp::on_successRead(int nNo)
{
    if (!isCurrentLinkEvent())
        return;
    Q_UNUSED(nNo)
    const QByteArray data = m_comm->readData();
    qDebug() << "EpirbApp Readback successfully: bytes read" << data.size();
    if (m_syncChar != 'H' || !decodeDataBlock(data, *m_configCurrent)) {
        const QString text = tr("Unsupported beacon type");
        emit requestComStop(text);
        setProgStatus(text, true);
        emit readbackFailed(text);
        return;
    }
    m_configCurrent->setExtraMetadata(ConfigExtraMetadata());
    m_configCurrent->applyMetadataBatteryExpiry();
    // The block carries no note: one left in the record belongs to an earlier beacon.
    m_configCurrent->setAdditionalInfo(QString());
    // Nor a duplicate reason, which belongs to a programming, not to the beacon.
    m_configCurrent->setDuplicateReason(QString());
    m_configCurrent->setRegisterPending(false);
    m_configPending->copyFrom(*m_configCurrent);
    epirbdatablkWrapper::instance(this)->setConfig(m_configCurrent, epirbdatablkWrapper::ReadbackView);
    if (m_productionRead) {
        // The beacon stays answered on the open link: its write needs no second sync.
        m_productionRead = false;
        m_heldBeacon = true;
        disconnectSuccess();
        emit readbackSucceeded();
        return;
    }
    emit requestComStop(QString());
    emit readbackSucceeded();
}

void EpirbApp::on_successLogRead(int nNo)
{
    if (!isCurrentLinkEvent())
        return;
    Q_UNUSED(nNo)
    const QByteArray data = m_comm->readData();
    emit requestComStop(QString());
    qDebug() << "EpirbApp Log successfully: bytes read" << data.size();
    EpirbLogDb *log = EpirbLogDb::instance(this);
    QString text;
    if (m_syncChar != 'H') {
        // An older beacon's page 2 is no boot log.
        text = tr("Unsupported beacon type");
    } else {
        // The export is written only by a good decode.
        const int result = log->parseRead(m_comm->configurationData(), data);
        if (result == EpirbLogDb::Ok) {
            emit readbackSucceeded();
            return;
        }
        text = result == EpirbLogDb::ShortBlock ? tr("Boot log incomplete. Please retry.")
                                                : tr("Unsupported boot log version");
    }
    // The previous beacon's log must not pass for this one's.
    log->clear();
    qWarning().noquote() << "on_successLogRead: boot log rejected: " + text;
    setProgStatus(text, true);
    emit readbackFailed(text);
}

// ---------------------------------------------------------------------------
// Programming

void EpirbApp::prepareWrite()
{
    m_configPending->setQuorvikVersion(m_version);
    bool ok = false;
    const uint dealer = m_tables->dealerNo().toUInt(&ok);
    m_configPending->setProgDealer(ok ? dealer : 0);
    m_configPending->setProgStation(m_tables->progStation());
    m_configPending->setProgOperator(m_tables->operatorName());
    m_configPending->setProgDate(QDate::currentDate());
    m_tables->prepareConfig(*m_configPending);
    m_configPending->calculateCsMsg();
}

bool EpirbApp::messageMatchesRecord(const QByteArray &message)
{
    QString why = IdentityRules::compareMessage(*m_configPending, message);
    if (why.isEmpty())
        why = IdentityRules::checkRecord(*m_configPending);
    if (why.isEmpty())
        return true;
    const QString text = tr("Write refused: ") + why;
    qWarning().noquote() << "Write refused, nothing written: " + why;
    emit requestComStop(text);
    setProgStatus(text, true);
    emit writeFailed(text);
    return false;
}

QByteArray EpirbApp::messageOfBlock(const QByteArray &block) const
{
    EpirbConfig written(nullptr);
    if (decodeDataBlock(block, written))
        return written.messageBytes();
    // The older models' blocks are not decoded: their message is the record's.
    return m_configPending->messageBytes();
}

void EpirbApp::startEpirbWrite()
{
    startProgress(3);
    qDebug() << "startEpirbWrite: startEpirbWrite activated from QML";
    prepareWrite();
    endRunningOperation();
    setDuplicateQuestion(QString(), {});
    // A reason given for an earlier write does not carry over to this one.
    m_configPending->setDuplicateReason(QString());
    if (!messageMatchesRecord(m_configPending->messageBytes()))
        return;
    if (!duplicateAllowed())
        return;
    beginWrite();
}

QString EpirbApp::duplicateKey() const
{
    return m_configPending->epirbHexMsg() + QLatin1Char(' ') + QString::number(m_configPending->beaconType())
        + QLatin1Char(' ') + m_configPending->beaconSerial();
}

void EpirbApp::setDuplicateQuestion(const QString &hexId, const QVariantList &holders)
{
    if (m_duplicateHexId == hexId && m_duplicateHolders == holders)
        return;
    m_duplicateHexId = hexId;
    m_duplicateHolders = holders;
    if (holders.isEmpty())
        m_duplicateAskedKey.clear();
    emit duplicateQuestionChanged();
}

bool EpirbApp::duplicateAllowed()
{
    QString registerError;
    const QList<DuplicateGuard::Holder> others = m_duplicateGuard->othersCarrying(*m_configPending, &registerError);
    if (!registerError.isEmpty())
        qWarning().noquote() << "Duplicate check: the shared register could not be asked (" + registerError
                + "); only this station's database was searched";
    const QString hexId = m_configPending->epirbHexMsg();
    if (others.isEmpty())
        return true;

    QStringList lines;
    QVariantList holders;
    for (const DuplicateGuard::Holder &h : others) {
        const QString line = DuplicateGuard::describe(h);
        lines << line;
        holders << QVariantMap { { QStringLiteral("model"), h.model },
                                 { QStringLiteral("serial"), h.serial },
                                 { QStringLiteral("date"), h.progDate.toString(Qt::ISODate) },
                                 { QStringLiteral("station"), h.station },
                                 { QStringLiteral("operator"), h.operatorName },
                                 { QStringLiteral("foundIn"), h.foundIn },
                                 { QStringLiteral("text"), line } };
    }
    const QString key = duplicateKey();
    if (!m_duplicateAllowedKey.isEmpty() && key == m_duplicateAllowedKey) {
        // Answered already for this beacon and ID; the write is being tried again.
        m_configPending->setDuplicateReason(m_duplicateAllowedReason);
        qWarning().noquote() << "Hex ID " + hexId + " is also carried by " + lines.join(QStringLiteral("; "))
                + "; programming anyway as allowed before, reason: " + m_duplicateAllowedReason;
        return true;
    }
    qWarning().noquote() << "Hex ID " + hexId + " of PLB " + m_configPending->beaconSerial()
            + " is already carried by " + lines.join(QStringLiteral("; ")) + "; nothing written, asking the technician";
    m_duplicateAskedKey = key;
    setProgStatus(tr("Not written: hex ID %1 is already carried by another beacon. Cancel, or program anyway "
                     "with a reason.")
                      .arg(hexId),
                  true);
    setDuplicateQuestion(hexId, holders);
    emit duplicateIdFound();
    return false;
}

bool EpirbApp::programAnyway(const QString &reasonIn)
{
    const QString reason = reasonIn.simplified();
    if (m_duplicateHolders.isEmpty()) {
        qWarning() << "programAnyway: no write is waiting for an answer";
        return false;
    }
    if (reason.isEmpty()) {
        setProgStatus(tr("Not written: give the reason for programming a hex ID another beacon carries."), true);
        return false;
    }
    if (duplicateKey() != m_duplicateAskedKey) {
        // The record changed under the question: what was asked no longer holds.
        const QString text = tr("Write cancelled: the configuration changed while the question was open. "
                                "Nothing was written.");
        qWarning().noquote() << "programAnyway: the pending record changed since the question; nothing written";
        setDuplicateQuestion(QString(), {});
        setProgStatus(text, true);
        emit writeFailed(text);
        return false;
    }
    const QString hexId = m_duplicateHexId;
    QStringList lines;
    for (const QVariant &h : std::as_const(m_duplicateHolders))
        lines << h.toMap().value(QStringLiteral("text")).toString();
    qWarning().noquote() << "Programming PLB " + m_configPending->beaconSerial() + " with hex ID " + hexId
            + " although it is carried by " + lines.join(QStringLiteral("; ")) + "; reason given by "
            + m_configPending->progOperator() + ": " + reason;
    m_duplicateAllowedKey = m_duplicateAskedKey;
    m_duplicateAllowedReason = reason;
    m_configPending->setDuplicateReason(reason);
    setDuplicateQuestion(QString(), {});
    beginWrite();
    return true;
}

void EpirbApp::cancelDuplicateWrite()
{
    if (m_duplicateHolders.isEmpty())
        return;
    const QString text = tr("Write cancelled: hex ID %1 is carried by another "
                            "beacon. Nothing was written to the PLB.")
                             .arg(m_duplicateHexId);
    qInfo().noquote() << "Write of PLB " + m_configPending->beaconSerial() + " cancelled: hex ID " + m_duplicateHexId
            + " is carried by another beacon; nothing written";
    setDuplicateQuestion(QString(), {});
    setProgStatus(text, true);
    emit writeFailed(text);
}

void EpirbApp::beginWrite()
{
    m_comm->setPage(0);
    connectSync();
    connectTimeout();
    connectSuccess(&EpirbApp::on_successReadBeforeWrite);
    connectProgress();
    connectFailure(&EpirbApp::on_comWriteFailure);
    setProgStatus(tr("Waiting for connection..."), false);
    m_writing = true;
    m_linkActive = true;
    emit requestReceiveStart();
}

void EpirbApp::on_successReadBeforeWrite(int nNo)
{
    if (!isCurrentLinkEvent())
        return;
    ++m_phase;
    qDebug() << "on_successReadBeforeWrite: EpirbApp Readback before write: bytes read" << nNo;
    disconnectSuccess();

    if (m_syncChar != 'H') {
        emit requestComStop(QString());
        setProgStatus(tr("Wrong beacon type or serial number..."), true);
        emit writeFailed(QString());
        qDebug() << "on_successReadBeforeWrite: Abort programming, legacy not supported";
        return;
    }

    EpirbConfig onBeacon(nullptr);
    const bool decoded = decodeDataBlock(m_comm->readData(), onBeacon);
    // An undecodable block carries no serial or type to compare: it never matches.
    const bool sameBeacon = decoded && onBeacon.serialBytes() == m_configPending->serialBytes()
        && onBeacon.beaconType() == m_configPending->beaconType();
    if (!sameBeacon && !m_skipReadback) {
        emit requestComStop(QString());
        setProgStatus(tr("Wrong beacon type or serial number..."), true);
        emit writeFailed(QString());
        qDebug() << "on_successReadBeforeWrite: Abort programming";
        return;
    }

    qDebug() << "on_successReadBeforeWrite: Allowed to program: " << m_syncChar;
    limitDataBlockTexts(*m_configPending);
    m_writeBlock = encodeDataBlock(*m_configPending);
    if (m_writeBlock.isEmpty()) {
        // Nothing sound to write: the record's message does not fit a block.
        emit requestComStop(QString());
        setProgStatus(tr("Write failed. Please retry."), true);
        emit writeFailed(QString());
        qWarning() << "on_successReadBeforeWrite: the configuration does not make a data block";
        return;
    }
    // The last look before the beacon gets it: the block's message against the record.
    if (!messageMatchesRecord(messageOfBlock(m_writeBlock))) {
        m_writeBlock.clear();
        return;
    }
    setProgStatus(tr("Writing data to PLB..."), false);
    connectSuccess(&EpirbApp::on_successWrite);
    m_comm->setWriteData(m_writeBlock);
    emit requestWriteStart();
}

void EpirbApp::on_successWrite(int nNo)
{
    if (!isCurrentLinkEvent())
        return;
    Q_UNUSED(nNo)
    ++m_phase;
    qDebug() << "on_successWrite: Success Writing to Epirb";
    connectSuccess(&EpirbApp::on_successVerify);
    emit requestVerifyStart();
    setProgStatus(tr("Verifying Data Written to PLB..."), false);
}

void EpirbApp::startEpirbVerify()
{
    // On its own, not as the last phase of a write: the link opens the port and waits
    // for the beacon as for a read, with the same time-out and failure path.
    startProgress(1);
    qDebug() << "startEpirbVerify";
    // Whatever ran before ends here, so the port is closed and the beacon is awaited.
    endRunningOperation();
    m_writing = false;
    m_syncChar = '?';
    m_comm->setPage(0);
    connectSync();
    connectTimeout();
    connectSuccess(&EpirbApp::on_successVerify);
    connectFailure(&EpirbApp::on_comReadFailure);
    connectProgress();
    setProgStatus(tr("Waiting for connection..."), false);
    m_linkActive = true;
    emit requestVerifyStart();
}

void EpirbApp::on_successVerify(int nNo)
{
    if (!isCurrentLinkEvent())
        return;
    Q_UNUSED(nNo)
    qDebug() << "on_successVerify: Success Writing to Epirb";
    const QString failedText = QStringLiteral("Verification failed");
    if (m_syncChar != 'H') {
        qWarning() << "Legacy protocol not supported";
        setProgStatus(tr("PLB verification failed"), true);
        emit requestComStop(failedText);
        emit readbackFailed(failedText);
        return;
    }

    const QByteArray readback = m_comm->readData();
    // Every byte the program wrote must come back; the record's compare misses most of them.
    const int differsAt = writtenBlockDifference(m_writeBlock, readback);
    int d = 0;
    if (m_production) {
        // Production models are not decoded.
        if (differsAt < 0)
            m_configCurrent->copyFrom(*m_configPending);
        else
            d = kVerifyBytesDiffer;
    } else if (!decodeDataBlock(readback, *m_configCurrent)) {
        // A block that does not decode proves nothing, whatever the current record holds.
        d = kVerifyUndecodable;
    } else if (m_writeBlock.isEmpty()) {
        // A verification on its own follows no write of this run: there are no written bytes,
        // only the pending record to hold the beacon against.
        d = m_configPending->compare(*m_configCurrent);
    } else if (differsAt >= 0) {
        // The field groups tell what differs; the bytes decide.
        d = m_configPending->compare(*m_configCurrent);
        if (d == 0)
            d = kVerifyBytesDiffer;
    }
    m_configCurrent->setExtraMetadata(ConfigExtraMetadata());
    m_configCurrent->applyMetadataBatteryExpiry();

    if (d == 0) {
        qDebug() << "on_successVerify:Verify succeeded!";
        // Programmed: the next write of this beacon asks again.
        m_duplicateAllowedKey.clear();
        m_duplicateAllowedReason.clear();
        if (storeVerifiedBeacon()) {
            setProgStatus(tr("PLB programmed successfully"), false);
        } else {
            // The beacon is programmed, but no record of it will be found later.
            qWarning().noquote() << "on_successVerify: PLB programmed, but not saved in the database: " + m_storeError;
            setProgStatus(tr("PLB programmed successfully, but not saved in the database"), true);
        }
        emit readbackSucceeded();
        if (m_production)
            epirbdatablkWrapper::instance(this)->createReport();
        qDebug() << "Stopped Epirb Receive";
        emit requestComStop(QString());
        return;
    }

    setProgStatus(tr("PLB verification failed"), true);
    emit requestComStop(failedText);
    emit readbackFailed(failedText);
    if (differsAt >= 0)
        qWarning().noquote() << QStringLiteral("on_successVerify: block read back differs from the written one at byte %1")
                                    .arg(differsAt);
    qWarning() << "on_successVerify:Verify Error: Count/Code:" << d;
    qWarning() << "Expected Configuration:";
    for (const QString &line : hexDump(m_writeBlock))
        qWarning().noquote() << line;
    qWarning() << "Received from beacon:";
    for (const QString &line : hexDump(readback))
        qWarning().noquote() << line;
}

bool EpirbApp::storeVerifiedBeacon()
{
    epirbdatablkWrapper::instance(this)->setConfig(m_configCurrent, epirbdatablkWrapper::ProgrammingView);
    // The data block does not carry the note, nor why a duplicate hex ID was written.
    m_configCurrent->setAdditionalInfo(m_configPending->additionalInfo());
    m_configCurrent->setDuplicateReason(m_configPending->duplicateReason());
    DatabaseIfc *db = DatabaseIfc::instance(this);
    RegisterOutbox *outbox = RegisterOutbox::instance(this);
    // Locally first; the register gets it from there, now or later.
    m_configCurrent->setRegisterPending(outbox->isSetUp());
    outbox->beforeReplacing(*m_configCurrent);
    m_storeError.clear();
    if (!db->addOrReplace(*m_configCurrent))
        m_storeError = QStringLiteral("the database keeps beacons by a numeric serial number, not \"%1\"")
                           .arg(m_configCurrent->beaconSerial());
    else if (db->isModified())
        // Written as soon as the database can be written again; meanwhile in the pending file.
        m_storeError = (db->writeProblem().isEmpty()
                            ? QStringLiteral("the database file %1 could not be written.").arg(db->databasePath())
                            : db->writeProblem() + QLatin1Char('.'))
            + (db->pendingFile().isEmpty()
                   ? QStringLiteral(" No pending file could be written either: the record is kept in memory only, "
                                    "and written to the database as soon as it can be while the program runs.")
                   : QStringLiteral(" The record is kept in %1 and is written to the database as soon as it can be.")
                         .arg(db->pendingFile()));
    // The register's failure is its own status: the beacon is safe in the local database.
    if (outbox->isSetUp())
        outbox->sendNow();
    return m_storeError.isEmpty();
}

QStringList EpirbApp::hexDump(const QByteArray &bytes)
{
    QStringList lines;
    for (int offset = 0; offset < bytes.size(); offset += 16) {
        const QByteArray row = bytes.mid(offset, 16);
        lines << QString::asprintf("%03x: %s", offset, row.toHex(' ').constData());
    }
    return lines;
}

void EpirbApp::retryWrite()
{
    // Back to the write phase, the second last, whatever failed before.
    m_phase = qMax(0, m_phaseCount - 2);
    qDebug() << "Retrying write after verify failure: Allowed to program: " << m_syncChar;
    endRunningOperation();
    setProgStatus(tr("Retrying to write data to PLB..."), false);
    connectSync();
    connectSuccess(&EpirbApp::on_successWrite);
    connectTimeout();
    connectProgress();
    connectFailure(&EpirbApp::on_comWriteFailure);
    // Every failure closed the port, and a plain write continues on an open one: the
    // retry opens the port, waits for the beacon's sync and writes the block it still holds.
    m_linkActive = true;
    emit requestProductionStart();
}

bool EpirbApp::isProductionSerial(const QString &serial) const
{
    static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
    if (!fiveDigits.match(serial).hasMatch())
        return false;
    const int limit = m_tables->beaconSerialNumberLimit(ConfigTables::e_beaconTypes(m_configPending->beaconType()));
    return limit < 0 || serial.toInt() <= limit;
}

void EpirbApp::showWarningBox(const QString &title, const QString &text)
{
    // Scripted runs have nobody to answer a box, and the window's box must not hold up
    // the event loop (the link, the other pages, the tests).
    if (m_headless || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A widget cannot be our child; a box still open when we go must go with us.
    connect(this, &QObject::destroyed, box, [box] { delete box; });
    box->open();
}

void EpirbApp::startProductionEpirbWrite()
{
    // Write and read-back share the bar.
    startProgress(2);
    qDebug() << "startEpirbWrite: startEpirbWrite activated from QML";
    prepareWrite();
    const int type = m_configPending->beaconType();
    // A beacon just read is written as the model it reported, and only that beacon.
    const bool heldBeacon = m_heldBeacon && type == m_configCurrent->beaconType()
        && m_configPending->serialBytes() == m_configCurrent->serialBytes();
    if (m_heldBeacon && !heldBeacon) {
        const QString text = tr("Wrong beacon type or serial number...");
        qWarning() << "Production write refused: the record is not the one of the beacon read";
        setProgStatus(text, true);
        emit requestComStop(text);
        emit writeFailed(text);
        return;
    }
    if (!heldBeacon && type != ConfigTables::E_Skua11A && type != ConfigTables::E_Skua11RA
        && type != ConfigTables::E_Skua31A) {
        const QString text = tr("Legacy mode not supported.");
        qWarning() << "Legacy mode not supported";
        setProgStatus(text, true);
        emit requestComStop(text);
        emit writeFailed(text);
        return;
    }
    if (!isProductionSerial(m_configPending->beaconSerial())) {
        // Nothing is written: a beacon with a wrong serial number has a wrong identity.
        const QString text = tr("Invalid serial number");
        QString reason;
        if (m_productionSerialArgument.isEmpty()) {
            qWarning() << "Production write refused: no serialno given";
            reason = tr("No serial number was given. Start the production run with serialno= followed by the "
                        "beacon's serial number.");
        } else {
            qWarning().noquote() << "Production write refused: serialno=" + m_productionSerialArgument
                    + " is not a serial number of 5 digits";
            reason = tr("The serial number \"%1\" is not valid: it must be the 5 digits of the beacon's "
                        "serial number. Nothing was written to the PLB.")
                         .arg(m_productionSerialArgument);
        }
        setProgStatus(text, true);
        emit requestComStop(text);
        emit writeFailed(text);
        showWarningBox(text, reason);
        return;
    }
    limitDataBlockTexts(*m_configPending);
    m_writeBlock = encodeDataBlock(*m_configPending);
    if (m_writeBlock.isEmpty()) {
        // Nothing sound to write: the record's message does not fit a block.
        const QString text = tr("Write failed. Please retry.");
        qWarning() << "startProductionEpirbWrite: the configuration does not make a data block";
        setProgStatus(text, true);
        emit requestComStop(text);
        emit writeFailed(text);
        return;
    }
    if (!messageMatchesRecord(messageOfBlock(m_writeBlock))) {
        m_writeBlock.clear();
        return;
    }
    // Nobody at a production line may decide that two beacons share an ID.
    m_configPending->setDuplicateReason(QString());
    QString registerError;
    const QList<DuplicateGuard::Holder> others = m_duplicateGuard->othersCarrying(*m_configPending, &registerError);
    if (!registerError.isEmpty())
        qWarning().noquote() << "Duplicate check: the shared register could not be asked (" + registerError
                + "); only this station's database was searched";
    if (!others.isEmpty()) {
        m_writeBlock.clear();
        const QString hexId = m_configPending->epirbHexMsg();
        const QString text = tr("Write refused: hex ID %1 is already carried by "
                                "%2. Nothing was written.")
                                 .arg(hexId, DuplicateGuard::describe(others.first()));
        QStringList lines;
        for (const DuplicateGuard::Holder &h : others)
            lines << DuplicateGuard::describe(h);
        qWarning().noquote() << "Production write refused, nothing written: hex ID " + hexId + " of PLB "
                + m_configPending->beaconSerial() + " is already carried by " + lines.join(QStringLiteral("; "));
        setProgStatus(text, true);
        emit requestComStop(text);
        emit writeFailed(text);
        return;
    }
    if (heldBeacon) {
        // The beacon answered the read on this very link: write on it now.
        m_heldBeacon = false;
        connectTimeout();
        connectSuccess(&EpirbApp::on_successWrite);
        connectProgress();
        connectFailure(&EpirbApp::on_comWriteFailure);
        m_writing = true;
        setWriteInProgress(true);
        setProgStatus(tr("Writing to PLB..."), false);
        m_comm->setWriteData(m_writeBlock);
        emit requestWriteStart();
        return;
    }
    endRunningOperation();
    connectSync();
    connectTimeout();
    connectSuccess(&EpirbApp::on_successWrite);
    connectProgress();
    connectFailure(&EpirbApp::on_comWriteFailure);
    setProgStatus(tr("Waiting for connection..."), false);
    m_writing = true;
    m_comm->setWriteData(m_writeBlock);
    m_linkActive = true;
    emit requestProductionStart();
}

// ---------------------------------------------------------------------------
// Failures

void EpirbApp::on_comReadFailure(int nErr)
{
    if (!isCurrentLinkEvent())
        return;
    qDebug() << "Read error: " << nErr;
    const QString text = tr("Read failed. Please retry.");
    setProgStatus(text, true);
    emit requestComStop(text);
    emit readbackFailed(text);
}

void EpirbApp::on_comReadLogFailure(int nErr)
{
    if (!isCurrentLinkEvent())
        return;
    qDebug() << "Read error" << nErr;
    const QString text = tr("Read failed. Please retry: ") + QString::number(nErr);
    emit requestComStop(text);
    emit readbackFailed(QString());
    setProgStatus(text, true);
}

void EpirbApp::on_comWriteFailure(int nErr)
{
    if (!isCurrentLinkEvent())
        return;
    qDebug() << "Write error" << nErr;
    const QString text = tr("Write failed. Please retry.");
    setProgStatus(text, true);
    emit requestComStop(text);
    emit writeFailed(tr("Write failed. Please retry"));
}

void EpirbApp::on_timeout()
{
    if (!isCurrentLinkEvent())
        return;
    qDebug() << "Timeout";
    const QString text = tr("Communication error");
    setProgStatus(text, true);
    emit requestComStop(text);
    emit readbackFailed(text);
}

void EpirbApp::on_comAborted()
{
    emit operationAborted();
}

void EpirbApp::on_successNfcWrite(int nNo)
{
    Q_UNUSED(nNo)
    ++m_phase;
    qDebug() << "on_successMobileWrite: Success Writing to Epirb";
    emit requestComStop(QString());
    disconnectLink();
    emit nfcWriteSucceeded();
    setProgStatus(QString(), false);
}

// ---------------------------------------------------------------------------
// Records, serial port and rules

void EpirbApp::on_beaconTypeChanged()
{
    m_tables->updateBracketList(m_configPending->beaconType());
    m_tables->updateProtocolList(m_configPending->beaconType());
}

void EpirbApp::restoreBatteryExpiry()
{
    // The setters announce each change.
    m_configPending->setBatteryExpiry(m_configCurrent->batteryExpiry());
    m_configPending->setBatteryProd(m_configCurrent->batteryProd());
}

int EpirbApp::serialPortIndex() const
{
    return portIndex(serialPorts(), m_comPort);
}

int EpirbApp::portIndex(const QStringList &ports, const QString &port)
{
    // Whole names: COM1 must not select COM10. A device path (/dev/ttyUSB1) names the
    // listed port of its last component.
    const QString name = port.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    for (int i = 0; i < ports.size(); ++i) {
        if (!port.isEmpty() && (ports.at(i) == port || ports.at(i) == name))
            return i;
    }
    return 0;
}

void EpirbApp::setSerialText(const QString &qstr)
{
    m_comPort = qstr;
    // Only ever called between operations, while the link is idle.
    m_comm->setPortName(qstr);
}

bool EpirbApp::isSerialPortAvailable()
{
    const bool available = m_portAvailable;
    m_portAvailable = true;
    return available;
}

void EpirbApp::setSerialOverrideAllowed(bool enable)
{
    m_serialOverrideAllowed = enable;
    m_tables->setSerialOverrideAllowed(enable);
}

int EpirbApp::batteryServiceLife(int country_code) const
{
    return CountryCodeModel::isCountrySpainorItaly(country_code) ? 4 : 5;
}

bool EpirbApp::isProtocolSupported(int beaconType, int country, int protocolId) const
{
    static const QList<int> noSerialUsa = { 0, 1, 2, 5, 7 };
    return !(CountryCodeModel::isCountryUsa(country) && noSerialUsa.contains(beaconType)
             && protocolId == ConfigTables::E_UserSerialEpirb);
}

// ---------------------------------------------------------------------------
// Custom country list, reports, help

void EpirbApp::installCountryFile(const QUrl &file)
{
    qDebug() << "Installing new custom Country file: " << file;
    const QString path = file.scheme() == QLatin1String("file") ? file.toLocalFile() : file.toString();
    auto fail = [this](const QString &log, const QString &error) {
        qWarning().noquote() << log;
        emit customCountryInstallFailed(error);
    };
    // Read whole first: the chosen file may be the installed list itself.
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        fail("Failed to install new custom Country.txt file: " + source.errorString(), source.errorString());
        return;
    }
    const QByteArray content = source.readAll();
    source.close();
    if (m_appDataDir.isEmpty() || !QDir().mkpath(m_appDataDir)) {
        const QString error = tr("No folder for the custom country list");
        fail("Failed to install new custom Country.txt file: " + error, error);
        return;
    }
    // Checked as written, beside the target, so that only a good list ever replaces it.
    QTemporaryFile copy(m_appDataDir + QDir::separator() + QStringLiteral("Country-XXXXXX.txt"));
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush()) {
        fail("Failed to install new custom Country.txt file: " + copy.errorString(), copy.errorString());
        return;
    }
    if (CountryCodeModel::parseCountryFile(copy.fileName()).isEmpty()) {
        fail("File '" + path + "' is not a country code list or empty", tr("File is not a country code list"));
        return;
    }
    const QString target = m_appDataDir + QDir::separator() + QStringLiteral("Country.txt");
    QSaveFile replacement(target);
    if (!replacement.open(QIODevice::WriteOnly) || replacement.write(content) != content.size()
        || !replacement.commit()) {
        fail("Failed to install new custom Country.txt file: " + replacement.errorString(), replacement.errorString());
        return;
    }
    m_customCountryFile = QFileInfo(target).absoluteFilePath();
    qDebug().noquote() << "Custom Country.txt file installed at " + m_customCountryFile;
    m_countryModel->loadCountryList(m_appDataDir, territoryName());
    emit customCountryListChanged(m_customCountryFile);
}

void EpirbApp::removeCustomCountryFile()
{
    if (m_customCountryFile.isEmpty() || !QFile::remove(m_customCountryFile))
        return;
    m_customCountryFile.clear();
    m_countryModel->loadCountryList(m_appDir, territoryName());
    emit customCountryListChanged(m_customCountryFile);
    qDebug() << "Removed custom Country.txt file";
}

static QString localPathOf(const QString &uri)
{
    return uri.startsWith(QLatin1String("file://")) ? QUrl(uri).toLocalFile() : uri;
}

int EpirbApp::exportReports(const QString &uri)
{
    qDebug() << "Exporting reports to " << uri;
    return DatabaseIfc::instance(this)->ExportReports(localPathOf(uri));
}

int EpirbApp::importReports(const QString &uri)
{
    qDebug() << "Importing reports from " << uri;
    return DatabaseIfc::instance(this)->ImportReports(localPathOf(uri));
}

QVariantMap EpirbApp::lastImportCounts() const
{
    const DatabaseIfc::ImportCounts counts = DatabaseIfc::instance(const_cast<EpirbApp *>(this))->lastImport();
    return { { QStringLiteral("imported"), counts.imported },
             { QStringLiteral("replaced"), counts.replaced },
             { QStringLiteral("unchanged"), counts.unchanged },
             { QStringLiteral("skipped"), counts.skipped } };
}

void EpirbApp::activateHelp()
{
    const QUrl url = QUrl::fromLocalFile(m_appDir + QStringLiteral("Quorvik-PLB Ref_Guide.pdf"));
    qDebug() << "Help activation" << url.toString();
    QDesktopServices::openUrl(url);
}
