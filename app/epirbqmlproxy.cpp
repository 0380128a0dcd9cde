#include "epirbqmlproxy.h"

#include "app/epirbapp.h"
#include "app/quickaccessibleitem.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "documents/documentfiles.h"
#include "documents/epirbdatablkwrapper.h"
#include "documents/labelimageprovider.h"
#include "documents/labelwriter.h"
#include "records/databaseifc.h"
#include "records/registeroutbox.h"
#include "records/registerquerymodel.h"
#include "records/progbeaconlist.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickStyle>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
QPointer<EpirbApp> g_app;
QPointer<EpirbConfig> g_configCurrent;
QPointer<EpirbConfig> g_configPending;
QPointer<CountryCodeModel> g_countryModel;

QColor toColor(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QColor>())
        return value.value<QColor>();
    return QColor(value.toString());
}

QString describe(const QObject *object)
{
    return object->objectName() + QStringLiteral("' of type '") + QString::fromLatin1(object->metaObject()->className());
}
}

EpirbQMLProxy::EpirbQMLProxy(QQmlEngine *engine, EpirbApp *app, EpirbConfig *configCurrent,
                             EpirbConfig *configPending, CountryCodeModel *countryModel, QObject *parent)
    : QObject(parent)
    , m_app(app)
    , m_configCurrent(configCurrent)
    , m_configPending(configPending)
    , m_beaconListModel(new ProgBeaconList(DatabaseIfc::instance(app), this))
    , m_countryModel(countryModel)
{
    connect(DatabaseIfc::instance(app), &DatabaseIfc::dbBeaconChanged, this, &EpirbQMLProxy::dbBeaconChanged);
    // New settings, a new register (or none): the old one's rows are not to be shown under them.
    connect(RegisterOutbox::instance(app), &RegisterOutbox::settingsChanged, this, [this] {
        if (m_registerRows)
            m_registerRows->deleteLater();
        m_registerRows = nullptr;
        emit registerRowsChanged();
    });
    if (engine)
        engine->addImageProvider(QStringLiteral("labelmaker"), new LabelImageProvider());
}

void EpirbQMLProxy::setGlobals(EpirbApp *app, EpirbConfig *configCurrent, EpirbConfig *configPending,
                               CountryCodeModel *countryModel)
{
    g_app = app;
    g_configCurrent = configCurrent;
    g_configPending = configPending;
    g_countryModel = countryModel;
}

EpirbQMLProxy *EpirbQMLProxy::create(QQmlEngine *qmlEngine, QJSEngine *jsEngine)
{
    Q_UNUSED(jsEngine)
    // One per engine, owned by it: the engine's image provider belongs to the same engine.
    return new EpirbQMLProxy(qmlEngine, g_app, g_configCurrent, g_configPending, g_countryModel, nullptr);
}

DatabaseIfc *EpirbQMLProxy::database() const
{
    return DatabaseIfc::instance(m_app);
}

RegisterOutbox *EpirbQMLProxy::sharedRegister() const
{
    return RegisterOutbox::instance(m_app);
}

RegisterQueryModel *EpirbQMLProxy::registerRows()
{
    RegisterOutbox *outbox = RegisterOutbox::instance(m_app);
    if (m_registerRows || !outbox->isSetUp())
        return m_registerRows;
    m_registerRows = new RegisterQueryModel(outbox->connection(), this);
    return m_registerRows;
}

bool EpirbQMLProxy::showRegisterRow(int row)
{
    if (!m_registerRows)
        return false;
    auto record = std::make_unique<EpirbConfig>(nullptr);
    if (!m_registerRows->record(row, *record))
        return false;
    epirbdatablkWrapper::instance(m_app)->setConfig(record.get(), epirbdatablkWrapper::RegisterView);
    m_registerRecord = std::move(record);
    return true;
}

void EpirbQMLProxy::deleteCurrent()
{
    DatabaseIfc *db = DatabaseIfc::instance(m_app);
    const int index = db->currentIndex();
    const epirbdatablkWrapper *view = epirbdatablkWrapper::instance(m_app);
    // Only the record on show may go: a view that has moved on (read-back, programming,
    // a cleared record) must not take a database record with it.
    if (index >= 0
        && (view->viewMode() != epirbdatablkWrapper::DatabaseView || view->config() != db->beaconAt(index))) {
        qWarning() << "deleteCurrent: the current database record is not the one shown; nothing deleted";
        return;
    }
    db->deleteCurrent();
}

QString EpirbQMLProxy::plainText(const QString &text) const
{
    return QuickAccessibleItem::plainText(text);
}

bool EpirbQMLProxy::regexTest(const QString &expr, const QString &str) const
{
    return QRegularExpression(expr).match(str).hasMatch();
}

QString EpirbQMLProxy::dateString(const QDateTime &date, const QString &format, const QString &locale) const
{
    const QDate day = date.date();
    if (format.isEmpty()) {
        const QLocale loc = locale.isEmpty() ? QLocale::system() : QLocale(locale);
        return loc.toString(day, QLocale::LongFormat);
    }
    if (locale.isEmpty())
        return day.toString(format);
    return QLocale(locale).toString(day, format);
}

QString EpirbQMLProxy::dateTimeString(const QDateTime &date, const QString &format, const QString &locale) const
{
    if (format.isEmpty()) {
        const QLocale loc = locale.isEmpty() ? QLocale::system() : QLocale(locale);
        return loc.toString(date, loc.dateFormat(QLocale::LongFormat));
    }
    if (locale.isEmpty())
        return date.toString(format);
    return QLocale(locale).toString(date, format);
}

void EpirbQMLProxy::alternateRowColors(QObject *item, const QVariant &color1, const QVariant &color2, int offset) const
{
    const QColor first = toColor(color1);
    const QColor second = toColor(color2);
    if (!qobject_cast<QQuickItem *>(item)) {
        qWarning().noquote() << "EpirbQMLProxy::alternateRowColors: object passed is not a QQuickItem: '"
                + (item ? describe(item) : QStringLiteral("' of type 'null")) + "'";
        return;
    }
    if (item->metaObject()->indexOfProperty("visibleChildren") < 0) {
        qWarning().noquote() << "EpirbQMLProxy::alternateRowColors: missing visibleChildren property in object '"
                + describe(item) + "'";
        return;
    }
    const QQmlListReference children(item, "visibleChildren");
    if (!children.isValid() || !children.listElementType()
        || !children.listElementType()->inherits(&QQuickItem::staticMetaObject)) {
        qWarning().noquote() << "EpirbQMLProxy::alternateRowColors: bad visibleChildren property in object '"
                + describe(item) + "'";
        return;
    }
    if (!children.canCount() || !children.canAt()) {
        qWarning().noquote()
            << "EpirbQMLProxy::alternateRowColors: cannot iterate over visibleChildren property in object '"
                + describe(item) + "'";
        return;
    }
    const qsizetype count = children.count();
    for (qsizetype i = qMax(0, offset), k = 0; i < count; ++i, ++k) {
        QObject *child = children.at(i);
        if (!child)
            continue;
        if (child->metaObject()->indexOfProperty("color") < 0) {
            qDebug().noquote() << "EpirbQMLProxy::alternateRowColors: will not create color property in "
                    + describe(child) + "', child of '" + describe(item) + "'";
            continue;
        }
        child->setProperty("color", k % 2 == 0 ? first : second);
    }
}

void EpirbQMLProxy::hideInputMethod() const
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && QGuiApplication::inputMethod())
        QGuiApplication::inputMethod()->hide();
}

QModelIndex EpirbQMLProxy::toModelIndex(const QVariant &var) const
{
    if (var.canConvert<QModelIndex>())
        return var.value<QModelIndex>();
    return QModelIndex();
}

QStringList EpirbQMLProxy::programmingPages() const
{
    const int protocols = ConfigTables::instance(m_app)->protocolsAvailableNo();
    const int beacon = m_configPending ? m_configPending->beaconType() : int(ConfigTables::E_SkuaP5);
    qDebug() << "Protocols:" << protocols << "Beacon:" << beacon;
    QStringList pages{ QStringLiteral("Prog_2_Identified.qml"), QStringLiteral("Prog_5_CountryCode.qml") };
    if (protocols > 1)
        pages << QStringLiteral("Prog_6_SelectProtocol.qml");
    pages << QStringLiteral("Prog_7_ProtocolParticular.qml") << QStringLiteral("Prog_8_OwnerInfo.qml")
          << QStringLiteral("Prog_10_Summary.qml") << QStringLiteral("Prog_11_Transfer.qml");
    return pages;
}

bool EpirbQMLProxy::createContactLabel(const QString &number, bool pdf)
{
    if (number.isEmpty())
        return false;
    epirbdatablkWrapper *view = epirbdatablkWrapper::instance(this);
    const QString folder = documentFolder(1);
    const QString fileName = folder + (pdf ? QStringLiteral("/contact_label.pdf") : QStringLiteral("/contact_label.lbx"));
    if (folder.isEmpty()) {
        view->reportNotWritten(fileName, tr("No documents folder is available."));
        return false;
    }
    // Swapped in only when complete, like the other labels.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Failed to to open " + fileName + ": " + file.errorString();
        view->reportNotWritten(fileName, file.errorString());
        return false;
    }
    const int result = pdf ? LabelWriter::writeContactLabelPdf(number, &file) : LabelWriter::writeContactLabelLbx(number, &file);
    if (result != 0 || !file.commit()) {
        qWarning().noquote() << (pdf ? "Could not create contact label PDF (" : "Could not create contact label LBX (")
                + fileName + "): " + QString::number(result);
        view->reportNotWritten(fileName, result != 0 ? tr("The label could not be made.") : file.errorString());
        return false;
    }
    if (pdf)
        return view->openDocument(fileName, QStringLiteral("Contact Label"), QStringLiteral("application/pdf"),
                                  QStringLiteral("com.adobe.pdf"));
    return view->openDocument(fileName, QStringLiteral("Contact Label"), QStringLiteral("application/x-zip"),
                              QStringLiteral("public.zip-archive"));
}

bool EpirbQMLProxy::createContactLabelLBX(const QString &number)
{
    return createContactLabel(number, false);
}

bool EpirbQMLProxy::createContactLabelPDF(const QString &number)
{
    return createContactLabel(number, true);
}

void EpirbQMLProxy::resetConfig(bool fullReset)
{
    if (!m_configPending || !m_configCurrent)
        return;
    m_configPending->copyFrom(*m_configCurrent);
    if (fullReset) {
        for (EpirbConfig *config : { m_configPending, m_configCurrent }) {
            config->setOwnerName(QString());
            config->setOwnerAddress(QString());
            config->setOwnerTelephone(QString());
            config->setOwnerOther(QString());
            config->setProgOperator(QString());
            config->setProgDealer(0);
            config->setProgStation(QString());
            config->setProgDate(QDate());
            config->setQuorvikVersion(QString());
            config->setAdditionalInfo(QString());
            config->setMessageBytes(QByteArray());
            config->setSweepDirection(false);
            config->setUseMorseCode(false);
            config->setMorseSequence(QString());
            config->setBlinkRate(0);
            config->setMorseSpeed(0);
            config->setProtocolId(0);
            config->setMmsi(QString());
            config->setBeaconNo(0);
            config->setCountryCode(0);
            config->setCountryLabel(QString());
            config->setFirstEpirb(true);
            config->setAdditionalDataType(true);
            config->setAdditionalData(0);
            config->setCustomSerial(0);
        }
    }
    epirbdatablkWrapper::instance(m_app)->setConfig(m_configCurrent, epirbdatablkWrapper::ProgrammingView);
}

int EpirbQMLProxy::dbBeacon() const
{
    return DatabaseIfc::instance(m_app)->currentIndex();
}

void EpirbQMLProxy::setDbBeacon(int row)
{
    DatabaseIfc::instance(m_app)->setDbBeacon(row);
}

bool EpirbQMLProxy::isHelpAvailable() const
{
    return QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/Quorvik-PLB Ref_Guide.pdf"));
}

void EpirbQMLProxy::setMenuVisible(bool visible)
{
    if (m_menuVisible == visible)
        return;
    m_menuVisible = visible;
    emit menuVisibleChanged();
}


QString EpirbQMLProxy::currentStyle() const
{
    return QQuickStyle::name();
}

QString EpirbQMLProxy::applicationVersion() const
{
    return QCoreApplication::applicationVersion();
}

QString EpirbQMLProxy::qtBuildVersion() const
{
    return QStringLiteral("%1.%2.%3").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR).arg(QT_VERSION_PATCH);
}

QString EpirbQMLProxy::qtRuntimeVersion() const
{
    return QString::fromLatin1(qVersion());
}
