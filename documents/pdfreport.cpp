#include "documents/pdfreport.h"

#include "coding/messagedecoder.h"

#include "coding/epirbmsgbase.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {
const int kCaptionX = 40;

QFont arial(int points)
{
    return QFont(QStringLiteral("Arial"), points);
}

// Caption and value on one baseline, offsets from the rectangle's top-left.
void drawRow(QPainter &p, const QRect &r, int baseline, const QString &caption, const QString &value, int valueX)
{
    p.drawText(QPoint(r.x() + kCaptionX, r.y() + baseline), caption);
    p.drawText(QPoint(r.x() + valueX, r.y() + baseline), value);
}

// In the language the report is written in (quorvik-cli keeps English).
QString shownDate(const QDate &date, const QString &format)
{
    return QLocale().toString(date, format);
}

void drawTitle(QPainter &p, const QRect &box, const QString &title)
{
    p.setFont(arial(18));
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, title);
}
}

pdfReport::pdfReport(QObject *parent)
    : QObject(parent)
{
}

QString pdfReport::registrationLinkText()
{
    return QStringLiteral("www.406registration.com");
}

QString pdfReport::registrationLinkUrl()
{
    return QStringLiteral("https://www.406registration.com");
}

bool pdfReport::writeReport(int mode, const QString &filePath, const EpirbConfig &config)
{
    m_mode = mode;
    m_error.clear();
    {
        const std::unique_ptr<EpirbMsgBase> msg(config.createMessage());
        if (msg)
            qDebug() << "PdfReport" << msg->protocolType() << msg->protocolName() << msg->countryCode()
                     << msg->identity() << msg->serialNumber() << msg->tacNo();
    }
    // Written beside the old file and swapped in only when complete, so a failed
    // write never costs the technician the previous report.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        qWarning().noquote() << "Could not open report file " + filePath + ": " + m_error;
        return false;
    }
    if (QFile::exists(filePath))
        qDebug() << "Deleting old file";
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Aldmar"));
    writer.setTitle(pdfReport::tr("Beacon report"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        m_error = tr("The PDF could not be drawn");
        qWarning().noquote() << "Could not draw report file " + filePath;
        return false;
    }
    drawReport(mode, painter, writer.width(), writer.height(), config);
    if (!painter.end()) {
        m_error = tr("The PDF could not be drawn");
        qWarning().noquote() << "Could not finish report file " + filePath;
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        qWarning().noquote() << "Could not write report file " + filePath + ": " + m_error;
        return false;
    }
    return true;
}

bool pdfReport::drawReport(int mode, QPainter &p, int W, int H, const EpirbConfig &config)
{
    m_mode = mode;
    const QRect outer(50, 50, W - 100, H - 100);
    p.setPen(QPen(Qt::black, 8));
    p.drawRect(outer);

    const int footerHeight = 7 * H / 100;
    const QRect footer(outer.x(), (H - 100) - footerHeight, outer.width(), footerHeight);
    const QRect header(outer.x(), outer.y(), outer.width(), 39 * H / 100);
    const QRect owner(outer.x(), header.y() + header.height(), outer.width(), 22 * H / 100);
    const QRect misc(outer.x(), owner.y() + owner.height(), outer.width(), 15 * H / 100);
    const int progTop = misc.y() + misc.height();
    const QRect prog(outer.x(), progTop, outer.width(), footer.y() - progTop);

    p.setPen(QPen(Qt::black, 5));
    for (const QRect &r : { header, owner, misc, prog })
        p.drawRect(r);

    qDebug() << "PdfReport" << "Main";
    drawHeader(p, header, config);
    qDebug() << "PdfReport" << "Sec1";
    drawOwner(p, owner, config);
    qDebug() << "PdfReport" << "Sec3";
    drawMiscellaneous(p, misc, config);
    qDebug() << "PdfReport" << "Sec4";
    drawProgrammingData(p, prog, config);
    drawFooter(p, footer);
    return p.isActive();
}

void pdfReport::drawHeader(QPainter &p, const QRect &T, const EpirbConfig &config)
{
    ConfigTables *tables = ConfigTables::instance(nullptr);
    const QRect L(T.x(), T.y() + 300, T.width() / 2, T.height() - 300);

    QString model = tables->beaconLongName(config.beaconType());
    if (model != QLatin1String("N/A")) {
        if (tables->csBeaconType(config.beaconType()) == ConfigTables::E_csPLB) {
            if (!model.endsWith(QLatin1String("PLB")))
                model += QLatin1String(" PLB");
        } else if (!model.endsWith(QLatin1String("EPIRB"))) {
            model += QLatin1String(" EPIRB");
        }
    }
    p.setFont(arial(36));
    p.drawText(QPoint(T.x() + 40, T.y() + 160), model);
    p.setFont(arial(18));
    p.drawText(QPoint(T.x() + 40, T.y() + 260), pdfReport::tr("Programming Report"));

    const QRect logoRect(T.x() + T.width() - 550, T.y() + 50, 415, 177);
    // Vectors rather than the window's bitmap: the report is printed.
    QSvgRenderer logo(QStringLiteral(":/documents/Aldmar_logo.svg"));
    if (logo.isValid()) {
        logo.setAspectRatioMode(Qt::KeepAspectRatio);
        logo.render(&p, logoRect);
    } else {
        QFont font = arial(22);
        font.setBold(true);
        p.setFont(font);
        p.drawText(logoRect, Qt::AlignCenter, QStringLiteral("ALDMAR"));
    }

    p.setFont(arial(16));
    drawRow(p, L, 80, pdfReport::tr("Beacon serial:"), config.beaconSerial(), 800);
    drawRow(p, L, 160, pdfReport::tr("Battery expiry:"), config.batteryExpiryDate().toString(QStringLiteral("MM/yyyy")), 800);
    int pOff = 240;
    if (config.aisUserId() != 0) {
        drawRow(p, L, 240, pdfReport::tr("AIS user ID:"), QString::number(config.aisUserId()), 800);
        pOff = 320;
    }
    const int lineY = L.y() + pOff - 40;
    p.drawLine(T.x(), lineY, T.x() + T.width(), lineY);

    const std::unique_ptr<EpirbMsgBase> msg(config.createMessage());
    if (!msg) {
        qWarning() << "Could not get cospasSarsatMsgClass!";
        return;
    }
    const int code = msg->protocolType();
    const int country = config.countryCode();
    const QString protocolName = tables->hasLocalizedProtocolName(code, country) ? tables->protocolName(code, country)
                                                                                 : msg->protocolName();
    drawRow(p, L, pOff + 40, pdfReport::tr("Protocol:"), protocolName, 800);
    drawRow(p, L, pOff + 120, pdfReport::tr("Country code:"), QString::number(msg->countryCode()), 800);

    const int q = pOff + 200;
    const QRect block(L.x(), L.y() + q, L.width(), L.height() - q);
    int r = q + drawProtocolBlock(p, block, config, *msg);

    p.setFont(arial(16));
    drawRow(p, L, r, pdfReport::tr("15 HEX ID (UIN):"), QString::fromLatin1(msg->hexId()), 800);
    drawRow(p, L, r + 80, pdfReport::tr("Checksum:"), QString::fromLatin1(msg->hexIdChecksum()), 800);
    r += 160;
    qDebug() << "Pixel size: " << p.fontInfo().pixelSize();
    // A beacon transmitting this message would be rejected by rescuers' receivers.
    if (MessageDecoder::storedMessageFails(config.messageBytes())) {
        const QPen pen = p.pen();
        p.setPen(QPen(Qt::red, pen.widthF()));
        p.drawText(QPoint(L.x() + 40, L.y() + r), pdfReport::tr("The message stored in this beacon fails its check: reprogram it"));
        p.setPen(pen);
        r += 80;
    }

    if (tables->isTestProtocol(code)) {
        const QPen pen = p.pen();
        p.setPen(QPen(Qt::red, pen.widthF()));
        p.setFont(arial(18));
        p.drawText(QPoint(T.x() + 800, T.y() + 260), pdfReport::tr("(TEST PROTOCOL)"));
        p.setPen(pen);
    }
    if (r > L.height())
        qWarning().noquote() << "PDFReport: Section 1 height out of bounds: " + QString::number(r) + " vs "
                + QString::number(L.height());
}

int pdfReport::drawProtocolBlock(QPainter &p, const QRect &rect, const EpirbConfig &config, const EpirbMsgBase &msg)
{
    using CT = ConfigTables;
    ConfigTables *tables = CT::instance(nullptr);
    const int code = msg.protocolType();
    const int country = config.countryCode();
    const QString identity = QString::fromLatin1(msg.identity());
    p.setFont(arial(16));

    switch (code) {
    case CT::E_UserRadiocall:
    case CT::E_UserLocationRadioCallsign:
        drawRow(p, rect, 0, pdfReport::tr("Radio callsign:"), identity, 800);
        drawRow(p, rect, 80, pdfReport::tr("Beacon number:"), QString::number(msg.beaconNo()), 800);
        return 160;
    case CT::E_StdLocationMmsi:
    case CT::E_UserMmsi:
    case CT::E_UserLocationMmsi:
    case CT::E_RlsUserMmsiEpirb:
    case CT::E_RlsUserMmsiPlb:
    case CT::E_RlsUserMmsiTest: {
        drawRow(p, rect, 0, pdfReport::tr("Coding:"), QStringLiteral("MMSI"), 800);
        const QString withCountry = QString::number(msg.countryCode()) + QLatin1Char(' ') + identity;
        if (code == CT::E_UserMmsi || code == CT::E_UserLocationMmsi) {
            const QString trimmed = identity.trimmed();
            bool digitsOnly = !trimmed.isEmpty();
            for (QChar ch : trimmed)
                digitsOnly = digitsOnly && ch.isDigit();
            drawRow(p, rect, 80, pdfReport::tr("MMSI/Radio callsign:"), digitsOnly ? withCountry : identity, 800);
        } else {
            drawRow(p, rect, 80, pdfReport::tr("MMSI:"), withCountry, 800);
        }
        if (code == CT::E_RlsUserMmsiPlb || code == CT::E_RlsUserMmsiTest)
            drawRow(p, rect, 160, pdfReport::tr("Category:"), msg.beaconCategoryName(), 800);
        else if (code == CT::E_RlsUserMmsiEpirb)
            drawRow(p, rect, 160, pdfReport::tr("Beacon number:"), msg.firstEpirb() ? QStringLiteral("0") : QStringLiteral("1"), 800);
        else
            drawRow(p, rect, 160, pdfReport::tr("Beacon number:"), QString::number(msg.beaconNo()), 800);
        return 240;
    }
    case CT::E_NationalLocationPlb:
    case CT::E_NationalLocationTest:
        drawRow(p, rect, 0, pdfReport::tr("National ID:"), QString::number(msg.serialNumber()), 800);
        drawRow(p, rect, 80, pdfReport::tr("Use delta position:"), msg.additionalDataType() ? pdfReport::tr("Yes") : pdfReport::tr("No"), 800);
        drawRow(p, rect, 160, pdfReport::tr("Additional data:"), QString::number(msg.nationalData()), 800);
        return 240;
    case CT::E_StdLocationTest:
    case CT::E_UserTestEpirb:
    case CT::E_UserLocationTestEpirb:
    case CT::E_UserTestPlb:
    case CT::E_UserLocationTestPlb:
        return 0;
    case CT::E_ProtocolMax:
        p.setFont(arial(18));
        p.drawText(QPoint(rect.x() + kCaptionX, rect.y()), pdfReport::tr("UNSUPPORTED PROTOCOL"));
        return int(1.2 * p.fontInfo().pixelSize());
    default:
        break;
    }

    int row = 0;
    if (!tables->hasLocalizedProtocolName(code, country)) {
        const bool nrn = (code == CT::E_RlsUserTacEpirb || code == CT::E_RlsUserTacTest || code == CT::E_RlsUserTacPlb)
            && config.customSerial() != 0;
        drawRow(p, rect, row, pdfReport::tr("Coding:"), nrn ? QStringLiteral("NRN") : pdfReport::tr("Serial/TAC"), 800);
        row += 80;
    }
    drawRow(p, rect, row, pdfReport::tr("Category:"), msg.beaconCategoryName(), 800);
    row += 80;
    const QString custom = IdentityRules::customProtocolInputDescriptionText(code, country);
    drawRow(p, rect, row, custom.isEmpty() ? pdfReport::tr("C/S serial number:") : custom,
            IdentityRules::protocolTransformIdentity(code, country, uint32_t(msg.serialNumber())), 800);
    row += 80;
    drawRow(p, rect, row, pdfReport::tr("C/S TAC number:"), QString::number(msg.tacNo()), 800);
    return row + 80;
}

void pdfReport::drawOwner(QPainter &p, const QRect &B, const EpirbConfig &config)
{
    if (config.ownerName().isEmpty() && config.ownerAddress().isEmpty() && config.ownerTelephone().isEmpty()
        && config.ownerOther().isEmpty() && config.additionalInfo().isEmpty()) {
        qDebug() << "Skipping owners section";
        return;
    }
    drawTitle(p, B, pdfReport::tr("Owner Information"));
    const QRect I(B.x(), B.y() + 100, B.width(), B.height() - 100);
    p.setFont(arial(16));
    int y = 80;
    auto row = [&](const QString &caption, const QString &value) {
        if (value.isEmpty())
            return;
        drawRow(p, I, y, caption, value, 600);
        y += 100;
    };
    row(pdfReport::tr("Name:"), config.ownerName());
    row(pdfReport::tr("Address:"), config.ownerAddress());
    row(pdfReport::tr("Telephone:"), config.ownerTelephone());
    const QString other = config.ownerOther();
    const int colon = other.indexOf(QLatin1Char(':'));
    if (colon >= 0 && colon < other.size() - 1)
        row(other.left(colon + 1), other.mid(colon + 1).trimmed());
    else
        row(pdfReport::tr("Other:"), other);

    const QString info = config.additionalInfo();
    if (info.isEmpty())
        return;
    const int top = I.y() + y - 80 + 20;
    const QRect captionRect(I.x() + kCaptionX, top, 560, I.bottom() - top);
    p.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop, pdfReport::tr("Additional info:"));
    const QRect textRect(captionRect.right(), top, I.right() - captionRect.right() - kCaptionX, captionRect.height());
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    int chosen = 10;
    for (int size : { 16, 14, 12, 10 }) {
        p.setFont(arial(size));
        const QRect needed = p.boundingRect(textRect, flags, info);
        if (needed.width() <= textRect.width() && needed.height() <= textRect.height()) {
            chosen = size;
            break;
        }
    }
    p.setFont(arial(chosen));
    p.drawText(textRect, flags, info);
}

void pdfReport::drawMiscellaneous(QPainter &p, const QRect &box, const EpirbConfig &config)
{
    drawTitle(p, box, pdfReport::tr("Miscellaneous Data"));
    const QRect I(box.x(), box.y() + 100, box.width() / 2, box.height() - 100);
    const QString date = shownDate(config.progDate(), QStringLiteral("yyyy MMM dd"));
    if (m_mode == Database || m_mode == Readback) {
        p.setFont(arial(15));
        const QString note = m_mode == Database ? tr("Report created from database, originally programmed: %1")
                                                : tr("Readback from beacon, originally programmed: %1");
        p.drawText(QPoint(I.x() + 240, I.y() + 80), note.arg(date));
    }
    p.setFont(arial(16));
    p.drawText(QPoint(I.x() + 240, I.y() + 180), pdfReport::tr("121.5 MHz homing:"));
    p.drawText(QPoint(I.x() + 1200, I.y() + 180), config.sweepDirection() ? pdfReport::tr("Sweep up") : pdfReport::tr("Sweep down"));
    if (!config.morseSequence().isEmpty()) {
        p.drawText(QPoint(I.x() + 240, I.y() + 260), pdfReport::tr("121.5 Morse code:"));
        p.drawText(QPoint(I.x() + 1200, I.y() + 260), config.morseSequence());
    }
}

void pdfReport::drawProgrammingData(QPainter &p, const QRect &box, const EpirbConfig &config)
{
    drawTitle(p, box, pdfReport::tr("Programming Data"));
    const QRect I(box.x(), box.y() + 100, box.width() / 2, box.height() - 100);
    const QRect R(box.x() + box.width() / 2, box.y() + 100, box.width() - box.width() / 2, box.height() - 100);
    p.setFont(arial(16));
    drawRow(p, I, 80, pdfReport::tr("Program version:"), config.quorvikVersion(), 740);
    drawRow(p, I, 160, pdfReport::tr("Programming station:"), config.progStation(), 740);
    drawRow(p, I, 240, pdfReport::tr("Programmed by:"), config.progOperator(), 740);
    drawRow(p, I, 320, pdfReport::tr("Date:"), shownDate(config.progDate(), QStringLiteral("yyyy MMM dd")), 740);
    drawRow(p, R, 80, pdfReport::tr("Aldmar dealer no:"), QString::number(config.progDealer()), 700);

    // Programmed although another beacon carries the same hex ID: the reason goes on paper.
    const QString reason = config.duplicateReason();
    if (reason.isEmpty())
        return;
    const QPen pen = p.pen();
    p.setPen(QPen(Qt::red, pen.widthF()));
    p.drawText(QPoint(R.x() + kCaptionX, R.y() + 160), pdfReport::tr("Duplicate hex ID. Reason:"));
    p.setPen(pen);
    const QRect textRect(R.x() + kCaptionX, R.y() + 190, R.width() - 2 * kCaptionX, R.height() - 200);
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    int chosen = 8;
    for (int size : { 14, 12, 10, 8 }) {
        p.setFont(arial(size));
        const QRect needed = p.boundingRect(textRect, flags, reason);
        if (needed.width() <= textRect.width() && needed.height() <= textRect.height()) {
            chosen = size;
            break;
        }
    }
    p.setFont(arial(chosen));
    p.drawText(textRect, flags, reason);
}

void pdfReport::drawFooter(QPainter &p, const QRect &area)
{
    p.setFont(arial(18));
    p.drawText(area, Qt::AlignHCenter | Qt::AlignTop, pdfReport::tr(" Cospas-Sarsat Programming Report"));
    p.setFont(arial(12));
    QRect hintRect;
    p.drawText(area, Qt::AlignCenter, pdfReport::tr("Use the link below to obtain national registration information"), &hintRect);

    // A text document turns the anchor into a PDF link annotation.
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(p.device());
    doc.setDocumentMargin(0);
    QTextCharFormat format;
    format.setFont(arial(28));
    format.setForeground(Qt::blue);
    format.setFontUnderline(true);
    format.setAnchor(true);
    format.setAnchorHref(registrationLinkUrl());
    QTextCursor cursor(&doc);
    cursor.insertText(registrationLinkText(), format);
    doc.setTextWidth(p.device()->width());
    p.save();
    p.translate(hintRect.left(), area.y() + 160);
    doc.drawContents(&p);
    p.restore();
}
