#include "epirbapp.h"

#include "config/configtables.h"
#include "link/epirbcomm.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "documents/labelglyphatlas.h"
#include "records/databaseifc.h"
#include "records/epirblogdb.h"

#include <QCoreApplication>
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
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {
const char *const kDefaultQmlPath = "qrc:///qt/qml/Quorvik/Frontend/";
const char *const kDefaultComPort = "COM33";
}

EpirbApp::EpirbApp(const QStringList &args, QObject *parent)
    : QObject(parent)
{
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
    DatabaseIfc::instance(this);
    EpirbLogDb::instance(this);

    // 12. QML proxy pointers: wired in with their subsystem.

    // 13. Renderer.
    chooseRenderer(args);

    // 14. Main scene.
    handleSceneFailure(loadMainScene());
}

EpirbApp::~EpirbApp()
{
    if (m_commThread) {
        // Port and timers belong to the link thread: close them there before it ends.
        if (m_comm && m_commThread->isRunning())
            QMetaObject::invokeMethod(m_comm, "on_requestStop", Qt::BlockingQueuedConnection,
                                      Q_ARG(QString, QStringLiteral("shutdown")));
        m_commThread->quit();
        m_commThread->wait();
    }
    delete m_comm;
    m_comm = nullptr;
    delete m_engine;
    m_engine = nullptr;
    // Every change is on disk already; this only writes what a failed save left pending.
    delete DatabaseIfc::instance(this);
    writeSettings();
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

    if (commandLineValue(args, QStringLiteral("serialno"), value) && value.size() > 5) {
        const QString serial = value.right(5);
        pending->setSerial(serial);
        pending->setMmsi(serial);
        pending->setTacNo(m_tables->csApproval(ConfigTables::e_beaconTypes(pending->beaconType()), serial.toInt()));
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

    // Country labels come from the country model, which the application owns (its list loads later).
    m_countryModel = CountryCodeModel::instance(this);
    if (commandLineValue(args, QStringLiteral("country"), value) && !value.isEmpty())
        pending->setCountryCode(value.toInt());
    if (pending->rawCountryCode() == 0)
        pending->setCountryCode(257);

    QDate expiry;
    if (commandLineValue(args, QStringLiteral("batteryexpiry"), value))
        expiry = QDate::fromString(value, QStringLiteral("MMyyyy"));
    if (!expiry.isValid()) {
        const int years = CountryCodeModel::isCountrySpainorItaly(pending->countryCode()) ? 4 : 5;
        expiry = QDate::currentDate().addYears(years);
    }
    pending->setBatteryExpiry(QDateTime(expiry, QTime(0, 0)));
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
    m_comPort = settings.value(QStringLiteral("ComPort"), QString::fromLatin1(kDefaultComPort)).toString();
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
    return names;
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
    if (!window)
        return;
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
