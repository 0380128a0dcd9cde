#include "documents/epirbdatablkwrapper.h"

#include "coding/messagedecoder.h"

#include "coding/epirbmsgbase.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "documents/documentfiles.h"
#include "documents/labelwriter.h"
#include "documents/pdfreport.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QJSEngine>
#include <QLocale>
#include <QSaveFile>

#include <memory>

QPointer<epirbdatablkWrapper> epirbdatablkWrapper::s_instance;

namespace {
const QString kNA = QStringLiteral("N/A");

QString englishDate(const QDate &date, const QString &format)
{
    return QLocale(QLocale::English).toString(date, format);
}

const char *const kPdfMime = "application/pdf";
const char *const kPdfUti = "com.adobe.pdf";
const char *const kZipMime = "application/x-zip";
const char *const kZipUti = "public.zip-archive";
}

epirbdatablkWrapper::epirbdatablkWrapper(QObject *parent)
    : QObject(parent)
{
}

epirbdatablkWrapper *epirbdatablkWrapper::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new epirbdatablkWrapper(parent);
    return s_instance;
}

epirbdatablkWrapper *epirbdatablkWrapper::create(QQmlEngine *qmlEngine, QJSEngine *jsEngine)
{
    Q_UNUSED(qmlEngine)
    epirbdatablkWrapper *view = instance(nullptr);
    if (jsEngine)
        QJSEngine::setObjectOwnership(view, QJSEngine::CppOwnership);
    return view;
}

void epirbdatablkWrapper::setConfig(EpirbConfig *config, int mode)
{
    m_config = config;
    m_mode = mode;
    emit configChanged();
}

void epirbdatablkWrapper::clearConfig()
{
    m_config = nullptr;
    emit configChanged();
}

EpirbMsgBase *epirbdatablkWrapper::rebuildMessage() const
{
    return m_config ? EpirbMsgBase::fromBytes(m_config->messageBytes()) : nullptr;
}

QString epirbdatablkWrapper::reportFileBase(int kind) const
{
    const QString folder = documentFolder(kind);
    if (folder.isEmpty())
        return QString();
    return folder + QLatin1Char('/') + DocumentFiles::safeFileNamePart(serialNo()) + QLatin1Char('_')
        + DocumentFiles::safeFileNamePart(hexId());
}

QString epirbdatablkWrapper::reportFileName() const
{
    const QString base = reportFileBase(0);
    return base.isEmpty() ? QString() : base + QStringLiteral(".pdf");
}

QString epirbdatablkWrapper::programmingLabelFileName(bool pdf) const
{
    const QString base = reportFileBase(1);
    return base.isEmpty() ? QString() : base + (pdf ? QStringLiteral("_label.pdf") : QStringLiteral("_label.lbx"));
}

QString epirbdatablkWrapper::countryLabelFileName(bool pdf) const
{
    const QString base = reportFileBase(1);
    if (base.isEmpty())
        return QString();
    return base + QStringLiteral("_country_label_") + QString::number(countryCodeNumber())
        + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".lbx"));
}

ConfigTables::e_beaconTypes epirbdatablkWrapper::beaconType() const
{
    return ConfigTables::e_beaconTypes(m_config ? m_config->beaconType() : 0);
}

QString epirbdatablkWrapper::progDate() const
{
    if (!m_config)
        return kNA;
    // The data block decodes an all-zero date as this day.
    if (m_config->progDate() == QDate(2000, 1, 1))
        return QStringLiteral("Never programmed!");
    return englishDate(m_config->progDate(), QStringLiteral("yyyy MMM dd"));
}

QString epirbdatablkWrapper::serialNo() const
{
    return m_config ? m_config->beaconSerial() : kNA;
}

QString epirbdatablkWrapper::countryCode() const
{
    return m_config ? m_config->countryLabel() : kNA;
}

int epirbdatablkWrapper::countryCodeNumber() const
{
    return m_config ? m_config->countryCode() : 0;
}

QString epirbdatablkWrapper::protocol() const
{
    if (!m_config)
        return kNA;
    return ConfigTables::instance(nullptr)->protocolName(m_config->protocolId(), m_config->countryCode());
}

QString epirbdatablkWrapper::category() const
{
    const std::unique_ptr<EpirbMsgBase> msg(rebuildMessage());
    return msg ? msg->beaconCategoryName() : kNA;
}

QString epirbdatablkWrapper::hexId() const
{
    return m_config ? m_config->epirbHexMsg() : kNA;
}

bool epirbdatablkWrapper::messageFails() const
{
    return m_config && MessageDecoder::storedMessageFails(m_config->messageBytes());
}

QString epirbdatablkWrapper::hexMsg() const
{
    return m_config ? m_config->epirbAsciiMsg() : kNA;
}

QString epirbdatablkWrapper::hexChecksum() const
{
    return m_config ? m_config->epirbHexChecksum() : kNA;
}

QString epirbdatablkWrapper::vesselFileName() const
{
    QString name = vesselName();
    for (QChar ch : QStringLiteral("\"*/:<>?\\|"))
        name.remove(ch);
    return name;
}

QString epirbdatablkWrapper::ownerName() const
{
    return m_config ? m_config->ownerName() : QString();
}

QString epirbdatablkWrapper::ownerAddress() const
{
    return m_config ? m_config->ownerAddress() : QString();
}

QString epirbdatablkWrapper::ownerTelephone() const
{
    return m_config ? m_config->ownerTelephone() : QString();
}

QString epirbdatablkWrapper::duplicateReason() const
{
    return m_config ? m_config->duplicateReason() : QString();
}

QString epirbdatablkWrapper::ownerOther() const
{
    return m_config ? m_config->ownerOther() : QString();
}

QString epirbdatablkWrapper::battExpiry() const
{
    return m_config ? englishDate(m_config->batteryExpiryDate(), QStringLiteral("yyyy MMM")) : kNA;
}

int epirbdatablkWrapper::aisUserID() const
{
    return m_config ? m_config->aisUserId() : 0;
}

int epirbdatablkWrapper::protocolCode() const
{
    return m_config ? m_config->protocolId() : 0;
}

QString epirbdatablkWrapper::idValue() const
{
    const std::unique_ptr<EpirbMsgBase> msg(rebuildMessage());
    if (!msg)
        return kNA;
    const QByteArray identity = msg->identity();
    if (!identity.isEmpty())
        return QString::fromLatin1(identity);
    return IdentityRules::protocolTransformIdentity(m_config->protocolId(), m_config->countryCode(),
                                                    uint32_t(msg->serialNumber()));
}

QString epirbdatablkWrapper::beaconNo() const
{
    return m_config ? QString::number(m_config->beaconNo()) : QString();
}

bool epirbdatablkWrapper::firstEpirb() const
{
    return m_config ? m_config->firstEpirb() : true;
}

QString epirbdatablkWrapper::csApproval() const
{
    const std::unique_ptr<EpirbMsgBase> msg(rebuildMessage());
    return msg ? QString::number(msg->tacNo()) : kNA;
}

QString epirbdatablkWrapper::additionalData() const
{
    return m_config ? QString::number(m_config->additionalData()) : QStringLiteral("0");
}

bool epirbdatablkWrapper::additionalDataType() const
{
    return m_config ? m_config->additionalDataType() : false;
}

ConfigExtraMetadata epirbdatablkWrapper::extraMetadata() const
{
    return m_config ? m_config->extraMetadata() : ConfigExtraMetadata();
}

QString epirbdatablkWrapper::addInfoNote() const
{
    return m_config ? m_config->additionalInfo() : kNA;
}

void epirbdatablkWrapper::setAddInfoNote(const QString &note)
{
    // Another station's record is shown as it was recorded there.
    if (!m_config || m_mode == RegisterView || m_config->additionalInfo() == note)
        return;
    m_config->setAdditionalInfo(note);
    // The owner of the record keeps it (the database writes its file).
    emit addInfoChanged();
}

bool epirbdatablkWrapper::createReport()
{
    const QString file = reportFileName();
    qDebug().noquote() << file;
    if (!m_config)
        return false;
    if (file.isEmpty()) {
        reportNotWritten(file, tr("No documents folder is available."));
        return false;
    }
    const int kind = m_mode == ReadbackView ? pdfReport::Readback
        : m_mode == ProgrammingView         ? pdfReport::Programmed
                                            : pdfReport::Database;
    pdfReport report;
    if (!report.writeReport(kind, file, *m_config)) {
        reportNotWritten(file, report.errorString());
        return false;
    }
    return true;
}

bool epirbdatablkWrapper::showReport()
{
    const QString file = reportFileName();
    if (file.isEmpty() || !m_config)
        return false;
    if (!QFile::exists(file)) {
        reportNotWritten(file, tr("The report has not been created."));
        return false;
    }
    return openDocument(file, QStringLiteral("Beacon report"), QLatin1String(kPdfMime), QLatin1String(kPdfUti));
}

bool epirbdatablkWrapper::openDocument(const QString &path, const QString &title, const QString &mimeType,
                                       const QString &uti)
{
    if (DocumentFiles::openFile(path, title, mimeType, uti))
        return true;
    emit documentNotOpened(QDir::toNativeSeparators(path));
    return false;
}

void epirbdatablkWrapper::reportNotWritten(const QString &path, const QString &reason)
{
    qWarning().noquote() << "Document not written: " + path + ": " + reason;
    emit documentNotWritten(QDir::toNativeSeparators(path), reason);
}

bool epirbdatablkWrapper::openFolderOf(const QString &path)
{
    const QString folder = QFileInfo(QDir::fromNativeSeparators(path)).absolutePath();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return true;
    qWarning().noquote() << "Could not open folder " + folder;
    return false;
}

bool epirbdatablkWrapper::shareReport()
{
    return DocumentFiles::shareFile(reportFileName(), QStringLiteral("Beacon report"), QLatin1String(kPdfMime),
                                    QLatin1String(kPdfUti));
}

QString epirbdatablkWrapper::getReportFileNameURI()
{
    if (!m_config)
        return QStringLiteral("file://404");
    return QStringLiteral("file://") + reportFileName();
}

bool epirbdatablkWrapper::isReadback()
{
    return m_mode == ReadbackView;
}

bool epirbdatablkWrapper::isProgramming()
{
    return m_mode == ProgrammingView;
}

bool epirbdatablkWrapper::isRegister()
{
    return m_mode == RegisterView;
}

bool epirbdatablkWrapper::createProgrammingLabelPDF()
{
    return createProgrammingLabel(true);
}

bool epirbdatablkWrapper::createProgrammingLabelLBX()
{
    return createProgrammingLabel(false);
}

bool epirbdatablkWrapper::createCountryLabelLBX(const QString &customName)
{
    return createCountryLabel(customName, false);
}

bool epirbdatablkWrapper::createCountryLabelPDF(const QString &customName)
{
    return createCountryLabel(customName, true);
}

bool epirbdatablkWrapper::createProgrammingLabel(bool pdf)
{
    const QString kindText = pdf ? QStringLiteral("PDF") : QStringLiteral("LBX");
    const QString file = programmingLabelFileName(pdf);
    qDebug().noquote() << "Creating " + file;
    if (!m_config) {
        qWarning() << "No config, cannot create programming label";
        return false;
    }
    if (file.isEmpty()) {
        qWarning().noquote() << (pdf ? QStringLiteral("Empty label PDF filename, cannot create label PDF")
                                     : QStringLiteral("Empty label filename, cannot create label LBX"));
        return false;
    }
    // Swapped in only when complete: a failed write keeps the previous label.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Could not open label " + kindText + " file: " + out.errorString();
        reportNotWritten(file, out.errorString());
        return false;
    }
    const int code = pdf ? LabelWriter::writeProgrammingLabelPdf(*m_config, &out)
                         : LabelWriter::writeProgrammingLabelLbx(*m_config, &out);
    if (code != 0 || !out.commit()) {
        qWarning().noquote() << "Could not create label " + kindText + ": " + QString::number(code);
        reportNotWritten(file, code != 0 ? tr("The label could not be made.") : out.errorString());
        return false;
    }
    if (!openDocument(file, QStringLiteral("Programming Label"), QLatin1String(pdf ? kPdfMime : kZipMime),
                      QLatin1String(pdf ? kPdfUti : kZipUti))) {
        qWarning().noquote() << "Could not open " + kindText + " at " + file;
        return false;
    }
    return true;
}

bool epirbdatablkWrapper::createCountryLabel(const QString &customName, bool pdf)
{
    const QString kindText = pdf ? QStringLiteral("PDF") : QStringLiteral("LBX");
    if (!m_config) {
        qWarning() << "No config, cannot create country label";
        return false;
    }
    const QString file = countryLabelFileName(pdf);
    if (file.isEmpty()) {
        qWarning().noquote() << "Empty label " + kindText + " filename, cannot create country label";
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Failed to to open " + file + ": " + out.errorString();
        reportNotWritten(file, out.errorString());
        return false;
    }
    const int country = m_config->countryCode();
    const int code = pdf ? LabelWriter::writeCountryLabelPdf(country, customName, &out)
                         : LabelWriter::writeCountryLabelLbx(country, customName, &out);
    if (code != 0 || !out.commit()) {
        qWarning().noquote() << "Could not create country label " + kindText + " (" + file + "): " + QString::number(code);
        reportNotWritten(file, code != 0 ? tr("The label could not be made.") : out.errorString());
        return false;
    }
    if (!openDocument(file, QStringLiteral("Country Label"), QLatin1String(pdf ? kPdfMime : kZipMime),
                      QLatin1String(pdf ? kPdfUti : kZipUti))) {
        qWarning().noquote() << "Could not open " + kindText + " at " + file;
        return false;
    }
    return true;
}
