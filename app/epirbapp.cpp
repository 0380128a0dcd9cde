#include "epirbapp.h"

#include "app/epirbqmlproxy.h"
#include "app/mainscene.h"
#include "app/quickaccessibleitem.h"
#include "app/uilanguage.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "documents/labelglyphatlas.h"
#include "link/epirbcomm.h"
#include "production/productionbatch.h"
#include "records/databaseifc.h"
#include "session/programmingsession.h"
#include "session/stationservices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QOperatingSystemVersion>
#include <QQmlApplicationEngine>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
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

    // 9. The beacon link in its own thread, the country list (a custom copy in the user's
    //    data folder replaces the shipped one), the database, the boot-log decoder, the
    //    shared register's outbox, and the programming session over them.
    StationServices::Setup setup;
    setup.current = m_configCurrent;
    setup.pending = m_configPending;
    setup.portName = m_comPort;
    setup.forceSinglePage = m_forceSinglePage;
    setup.answerDelay = m_progTimeout;
    setup.appDir = m_appDir;
    setup.appDataDir = m_appDataDir;
    setup.territoryName = territoryName();
    setup.session.version = m_version;
    setup.session.skipReadback = m_skipReadback;
    setup.session.production = m_production;
    setup.session.productionSerialArgument = m_productionSerialArgument;
    m_services = std::make_unique<StationServices>(this, setup);
    m_session = m_services->session();
    connect(UiLanguage::instance(), &UiLanguage::choiceChanged, m_session, &ProgrammingSession::retranslateStatus);
    m_countryModel = m_services->countries();
    m_customCountryFile = m_services->customCountryFile();
    // The production identity was applied before the list was there; derive its label from the list.
    if (m_production)
        m_configPending->setCountryCode(m_configPending->rawCountryCode());
    m_services->followDatabaseInView();
    connectSession();

    // 10. What the QML proxy hands out.
    EpirbQMLProxy::setGlobals(this, m_configCurrent, m_configPending, m_countryModel);
    connect(m_configPending, &EpirbConfig::beaconTypeChanged, this, [this] {
        m_tables->updateBracketList(m_configPending->beaconType());
        m_tables->updateProtocolList(m_configPending->beaconType());
    });

    if (m_production)
        loadProductionPlan(args);

    if (m_headless)
        return;

    // 11. Renderer, then the main scene.
    m_scene = std::make_unique<MainScene>(this);
    m_scene->chooseRenderer(args);
    m_scene->handleFailure(m_scene->load(m_qmlPath, m_production));

    // A database that could not be read whole is said before anything is done with it.
    const QString dbProblem = DatabaseIfc::instance(this)->loadProblem();
    if (!dbProblem.isEmpty())
        showWarningBox(tr("Database of programmed beacons damaged"), dbProblem);
}

EpirbApp::~EpirbApp()
{
    // The link first: nothing it reports may reach a page or record being taken down.
    if (m_services)
        m_services->stopLink();
    m_scene.reset();
    if (!m_headless)
        writeSettings();
    EpirbQMLProxy::setGlobals(nullptr, nullptr, nullptr, nullptr);
    m_session = nullptr;
    m_services.reset();
}

void EpirbApp::connectSession()
{
    ProgrammingSession *s = m_session;
    connect(s, &ProgrammingSession::statusTextChanged, this, &EpirbApp::progStatusChanged);
    connect(s, &ProgrammingSession::statusErrorChanged, this, &EpirbApp::progStatusErrorChanged);
    connect(s, &ProgrammingSession::progressChanged, this, &EpirbApp::progProgressChanged);
    connect(s, &ProgrammingSession::writeInProgressChanged, this, &EpirbApp::writeInProgressChanged);
    connect(s, &ProgrammingSession::duplicateIdFound, this, &EpirbApp::duplicateIdFound);
    connect(s, &ProgrammingSession::duplicateQuestionChanged, this, &EpirbApp::duplicateQuestionChanged);
    connect(s, &ProgrammingSession::requestComStop, this, &EpirbApp::requestComStop);
    connect(s, &ProgrammingSession::requestReceiveStart, this, &EpirbApp::requestReceiveStart);
    connect(s, &ProgrammingSession::requestReciveLogStart, this, &EpirbApp::requestReciveLogStart);
    connect(s, &ProgrammingSession::requestVerifyStart, this, &EpirbApp::requestVerifyStart);
    connect(s, &ProgrammingSession::requestWriteStart, this, &EpirbApp::requestWriteStart);
    connect(s, &ProgrammingSession::requestProductionStart, this, &EpirbApp::requestProductionStart);
    connect(s, &ProgrammingSession::warningRaised, this, &EpirbApp::showWarningBox);

    auto readResult = [this](bool ok, const QString &text) {
        if (ok)
            emit readbackSucceeded();
        else
            emit readbackFailed(text);
    };
    connect(s, &ProgrammingSession::readFinished, this, readResult);
    connect(s, &ProgrammingSession::bootLogFinished, this, readResult);
    connect(s, &ProgrammingSession::writeFinished, this, [this](ProgrammingSession::WriteOutcome outcome,
                                                                const QString &text) {
        switch (outcome) {
        case ProgrammingSession::WriteOutcome::Verified:
        case ProgrammingSession::WriteOutcome::VerifiedNotStored:
            emit readbackSucceeded();
            return;
        case ProgrammingSession::WriteOutcome::Failed:
        case ProgrammingSession::WriteOutcome::Refused:
            break;
        }
        // What went wrong reading the beacon back is a failed read to the pages.
        switch (m_session->lastFailure()) {
        case ProgrammingSession::Failure::LinkRead:
        case ProgrammingSession::Failure::Timeout:
        case ProgrammingSession::Failure::VerifyMismatch:
            emit readbackFailed(text);
            break;
        default:
            emit writeFailed(text);
            break;
        }
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
        if (IdentityRules::checkBeaconSerial(pending->beaconType(), value).isEmpty()) {
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
    m_batch = new ProductionBatch(m_session, this);
    m_batch->setPortName(m_comPort);
    if (m_batch->load(plan, defaults)) {
        qInfo().noquote() << QStringLiteral("Production plan %1: %2 beacons, %3 done before")
                                 .arg(plan)
                                 .arg(m_batch->total())
                                 .arg(m_batch->done());
        return;
    }
    for (const QString &problem : m_batch->errors())
        qWarning().noquote() << "Production plan refused: " + problem;
    m_session->setStatus([] { return tr("Plan refused, nothing written"); }, true);
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

// ---------------------------------------------------------------------------
// The beacon: every call goes to the programming session

QQmlApplicationEngine *EpirbApp::engine() const { return m_scene ? m_scene->engine() : nullptr; }
bool EpirbApp::softwareRender() const { return m_scene && m_scene->softwareRender(); }

QString EpirbApp::progStatus() const { return m_session->statusText(); }
void EpirbApp::setProgStatusText(const QString &text) { m_session->setStatusText(text); }
bool EpirbApp::progStatusError() const { return m_session->statusError(); }
void EpirbApp::setProgStatusError(bool error) { m_session->setStatusError(error); }
double EpirbApp::progProgress() const { return m_session->progress(); }
void EpirbApp::setProgProgress(double progress) { m_session->setProgress(progress); }
bool EpirbApp::writeInProgress() const { return m_session->writeInProgress(); }

bool EpirbApp::finishBeaconInHandBeforeQuit()
{
    // A beacon half written has no identity at all.
    if (!m_batch || !m_batch->running() || !m_session->writeInProgress())
        return false;
    if (!m_quitAfterBeacon) {
        m_quitAfterBeacon = true;
        qInfo() << "Ending after the beacon in hand";
        connect(m_batch, &ProductionBatch::finished, this, [] { QCoreApplication::quit(); });
        m_batch->stop();
    }
    return true;
}
QVariantList EpirbApp::duplicateHolders() const { return m_session->duplicateHolders(); }
QString EpirbApp::duplicateHexId() const { return m_session->duplicateHexId(); }
bool EpirbApp::duplicateUnchecked() const { return m_session->duplicateUnchecked(); }
DuplicateGuard *EpirbApp::duplicateGuard() const { return m_services->duplicateGuard(); }
EpirbComm *EpirbApp::comm() const { return m_services ? m_services->link() : nullptr; }
QThread *EpirbApp::commThread() const { return m_services ? m_services->linkThread() : nullptr; }
QByteArray EpirbApp::writeBlock() const { return m_session->writeBlock(); }
QString EpirbApp::storeError() const { return m_session->storeError(); }
QStringList EpirbApp::hexDump(const QByteArray &bytes) { return ProgrammingSession::hexDump(bytes); }

void EpirbApp::startEpirbRecieve(bool readback_mode) { m_session->startRead(readback_mode); }
void EpirbApp::startProductionRead() { m_session->startProductionRead(); }
void EpirbApp::startManualRun(int beaconType) { m_session->startManualRun(beaconType); }
void EpirbApp::startEpirbLogRead() { m_session->startBootLogRead(); }
void EpirbApp::stopEpirbReceive(const QString &msg) { m_session->stop(msg); }
void EpirbApp::startEpirbWrite() { m_session->startWrite(); }
void EpirbApp::startEpirbVerify() { m_session->startVerify(); }
void EpirbApp::retryWrite() { m_session->retryWrite(); }
void EpirbApp::startProductionEpirbWrite() { m_session->startProductionWrite(); }
bool EpirbApp::programAnyway(const QString &reason) { return m_session->programAnyway(reason); }
void EpirbApp::cancelDuplicateWrite() { m_session->cancelDuplicateWrite(); }

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

// ---------------------------------------------------------------------------
// Records, serial port and rules

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
    m_session->setPortName(qstr);
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
    return IdentityRules::isProtocolSupported(beaconType, country, protocolId);
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
