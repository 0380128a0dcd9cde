#include "documents/labelwriter.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "documents/labelmaker.h"
#include "documents/ziparchivewriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
const QString kTemplateDir = QStringLiteral(":/qt/qml/Quorvik/Backend/");

bool readTemplate(const QString &name, QByteArray &out)
{
    QFile file(kTemplateDir + name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
    return true;
}

int writeLbx(const QByteArray &label, const QByteArray &bitmap, QIODevice *out)
{
    QByteArray prop;
    if (!readTemplate(QStringLiteral("plb_lbx_prop_template.xml"), prop)) {
        qWarning() << "Could not open prop.xml template file";
        return -1;
    }
    prop.replace("__DATETIME__", QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8());

    ZipArchiveWriter zip(out);
    bool added = zip.addFile(QStringLiteral("label.xml"), label);
    if (added && !bitmap.isNull())
        added = zip.addFile(QStringLiteral("Object0.bmp"), bitmap);
    if (added)
        added = zip.addFile(QStringLiteral("prop.xml"), prop);
    if (!added) {
        qWarning() << "Could not add files to LBX archive";
        return -1;
    }
    if (!zip.finalize()) {
        qWarning() << "Could not finalize LBX archive";
        return -1;
    }
    return 0;
}

bool readLabelTemplate(const QString &name, QByteArray &label)
{
    if (readTemplate(name, label))
        return true;
    qWarning() << "Could not open label.xml template file";
    return false;
}

bool openForPdf(QIODevice *out)
{
    if (!out)
        return false;
    if (!out->isOpen() && !out->open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Could not open PDF output device: " + out->errorString();
        return false;
    }
    return true;
}

void setupPdf(QPdfWriter &writer, const QString &title, double widthMm, double heightMm, int dpi)
{
    const QString version = QCoreApplication::applicationVersion();
    writer.setCreator(QStringLiteral("Aldmar PLB (%1)").arg(version.isEmpty() ? QStringLiteral("5.3.9") : version));
    writer.setTitle(title);
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

int finishPainter(QPainter &painter, bool drawn)
{
    if (!drawn) {
        qWarning() << "Could not draw image: " << -2;
        return -2;
    }
    return painter.end() ? 0 : -3;
}
}

QString LabelWriter::xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    // Control characters other than tab and line ends cannot appear in XML 1.0 at all.
    for (QChar ch : text) {
        if (ch.unicode() >= 0x20 || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            clean += ch;
    }
    return clean.toHtmlEscaped();
}

int LabelWriter::writeContactLabelLbx(const QString &text, QIODevice *out)
{
    QByteArray label;
    if (!readLabelTemplate(QStringLiteral("plb_lbx_contact_label_template.xml"), label))
        return -1;
    label.replace("__CONTACT_INFO__", xmlText(text).toUtf8());
    label.replace("__CONTACT_LENGTH__", QByteArray::number(text.size()));
    label.replace("__FONT_SIZE__", QByteArray::number(LabelMaker::contactFontSize(text, LabelMaker::kScale300)));
    return writeLbx(label, QByteArray(), out);
}

int LabelWriter::writeCountryLabelLbx(int countryCode, const QString &customName, QIODevice *out)
{
    QByteArray label;
    if (!readLabelTemplate(QStringLiteral("plb_lbx_country_label_template.xml"), label))
        return -1;
    const QString country = LabelMaker::countryString(countryCode, customName);
    label.replace("__COUNTRY_STRING__", xmlText(country).toUtf8());
    label.replace("__COUNTRY_LENGTH__", QByteArray::number(country.size()));
    label.replace("__FONT_SIZE__", QByteArray::number(LabelMaker::countryFontSize(country, LabelMaker::kScale180)));
    return writeLbx(label, QByteArray(), out);
}

int LabelWriter::writeProgrammingLabelLbx(const EpirbConfig &config, QIODevice *out)
{
    QByteArray label;
    if (!readLabelTemplate(QStringLiteral("plb_lbx_prog_label_template.xml"), label))
        return -1;
    const QImage image = LabelMaker::programmingLabelImage(config);
    if (image.isNull()) {
        qWarning() << "Could not create label image";
        return -1;
    }
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    writer.setQuality(100);
    if (!writer.write(image)) {
        qWarning().noquote() << "Cannot write image: " + writer.errorString();
        return -1;
    }
    return writeLbx(label, bitmap, out);
}

int LabelWriter::writeContactLabelPdf(const QString &text, QIODevice *out)
{
    if (!openForPdf(out))
        return -1;
    QPdfWriter writer(out);
    setupPdf(writer, QStringLiteral("Contact Label"), 44, 18, 300);
    QPainter painter(&writer);
    const bool drawn = LabelMaker::drawContactLabel(painter, QRectF(0, 0, writer.width(), writer.height()), text,
                                                    LabelMaker::kScale300);
    return finishPainter(painter, drawn);
}

int LabelWriter::writeCountryLabelPdf(int countryCode, const QString &customName, QIODevice *out)
{
    if (!openForPdf(out))
        return -1;
    QPdfWriter writer(out);
    setupPdf(writer, QStringLiteral("Country Label"), 65, 9, 300);
    QPainter painter(&writer);
    const bool drawn = LabelMaker::drawCountryLabel(painter, QRectF(0, 0, writer.width(), writer.height()),
                                                    LabelMaker::countryString(countryCode, customName),
                                                    LabelMaker::kScale300);
    return finishPainter(painter, drawn);
}

int LabelWriter::writeProgrammingLabelPdf(const EpirbConfig &config, QIODevice *out)
{
    const QImage image = LabelMaker::programmingLabelImage(config);
    if (image.isNull()) {
        qWarning() << "Could not create label image";
        return -1;
    }
    if (!openForPdf(out))
        return -1;
    QPdfWriter writer(out);
    const QString model = ConfigTables::instance(nullptr)->beaconLongName(config.beaconType());
    setupPdf(writer, model + QStringLiteral(" Programming Label"), 41, 9, 600);
    QPainter painter(&writer);
    if (!painter.isActive())
        return finishPainter(painter, false);
    // 600 dpi page, 600 dpi bitmap: painted at its own size.
    painter.drawImage(QPointF(0, 0), image);
    return finishPainter(painter, true);
}
