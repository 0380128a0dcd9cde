#include "documents/labelmaker.h"

#include "coding/epirbmsgbase.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "documents/labelfonts.h"
#include "documents/labelglyphatlas.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <memory>

namespace {
constexpr double kMmPerPoint = 25.4 / 72.0;

QFont labelFont(int weight, int points, double scale)
{
    QFont font(QString::fromLatin1(LabelFonts::family()));
    font.setWeight(QFont::Weight(weight));
    font.setPixelSize(std::max(1, int(points * kMmPerPoint * scale)));
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QRect contactArea(double scale)
{
    return QRect(0, 0, LabelMaker::pixels(39.5, scale), LabelMaker::pixels(15.5, scale));
}

QRect contactBox(const QString &text, int points, double scale)
{
    const QFontMetrics fm(labelFont(700, points, scale));
    return fm.boundingRect(contactArea(scale), Qt::TextWordWrap | Qt::AlignCenter, text);
}

bool isProtocolIn(int protocol, std::initializer_list<int> list)
{
    return std::find(list.begin(), list.end(), protocol) != list.end();
}
}

int LabelMaker::pixels(double mm, double scale)
{
    return int(mm * scale);
}

QString LabelMaker::countryString(int countryCode, const QString &customName)
{
    QString name = customName;
    if (name.isEmpty())
        name = ConfigTables::instance(nullptr)->countryName(countryCode);
    if (name.isEmpty())
        name = QStringLiteral("Unknown");
    return QStringLiteral("%1 (%2)").arg(name).arg(countryCode);
}

int LabelMaker::contactFontSize(const QString &text, double scale)
{
    const QRect area = contactArea(scale);
    QRect box = contactBox(text, 5, scale);
    int b = 5;
    int result = 5;
    while (area.width() > box.width() && area.height() > box.height() && b <= 9) {
        const int c = b + std::max(1, b / 6);
        box = contactBox(text, c, scale);
        result = b;
        b = c;
    }
    qDebug().noquote() << "Using font size " + QString::number(result) + " for contact label";
    return result;
}

int LabelMaker::countryFontSize(const QString &countryString, double scale)
{
    const double limit = 60.5 * scale;
    int a = 6;
    int result = 6;
    int width = QFontMetrics(labelFont(700, a, scale)).horizontalAdvance(countryString);
    while (limit > width && a <= 14) {
        const int b = a + a / 6;
        width = QFontMetrics(labelFont(700, b, scale)).horizontalAdvance(countryString);
        result = a;
        a = b;
    }
    qDebug().noquote() << "Using font size " + QString::number(result) + " for country label";
    return result;
}

bool LabelMaker::drawContactLabel(QPainter &painter, const QRectF &rect, const QString &text, double scale)
{
    if (!painter.isActive())
        return false;
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(Qt::black, 7));
    painter.setFont(labelFont(700, contactFontSize(text, scale), scale));
    painter.drawText(rect, Qt::TextWordWrap | Qt::AlignCenter, text);
    return true;
}

bool LabelMaker::drawCountryLabel(QPainter &painter, const QRectF &rect, const QString &countryString, double scale)
{
    if (!painter.isActive())
        return false;
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(Qt::black, 7));
    painter.setFont(labelFont(900, countryFontSize(countryString, scale), scale));
    painter.drawText(rect, Qt::AlignCenter, countryString);
    return true;
}

QImage LabelMaker::contactLabelImage(const QString &text, double scale)
{
    QImage image(pixels(40, scale), pixels(16, scale), QImage::Format_RGB32);
    QPainter painter(&image);
    if (!drawContactLabel(painter, image.rect(), text, scale)) {
        qWarning() << "Could not draw image: " << -1;
        return QImage();
    }
    return image;
}

QImage LabelMaker::countryLabelImage(int countryCode, const QString &customName, double scale)
{
    QImage image(pixels(61, scale), pixels(8, scale), QImage::Format_RGB32);
    QPainter painter(&image);
    if (!drawCountryLabel(painter, image.rect(), countryString(countryCode, customName), scale)) {
        qWarning() << "Could not draw image: " << -1;
        return QImage();
    }
    return image;
}

QImage LabelMaker::programmingLabelImage(const EpirbConfig &config)
{
    const std::unique_ptr<EpirbMsgBase> msg(config.createMessage());
    if (!msg) {
        qWarning() << "WARNING: Invalid configuration, cannot create label";
        return QImage();
    }
    const double s = kScale600;
    QImage image(pixels(37, s), pixels(8, s), QImage::Format_RGB888);
    image.setDotsPerMeterX(int(1000 * s));
    image.setDotsPerMeterY(int(1000 * s));
    image.fill(Qt::white);
    QPainter painter(&image);
    const double m = 0.5 * s;
    const double t = -0.5 * s;
    const double w = image.width();
    const double h = LabelGlyphAtlas::kGlyphHeight;
    const int protocol = config.protocolId();
    const int country = config.encodedCountryCode();

    using CT = ConfigTables;
    const int tac = isProtocolIn(protocol, { CT::E_RlsUserTacEpirb, CT::E_RlsUserTacPlb, CT::E_RlsUserTacTest,
                                             CT::E_StdLocationSerialEpirb, CT::E_StdLocationSerialPlb,
                                             CT::E_StdLocationTest })
        ? msg->tacNo()
        : config.encodedTacNo();
    LabelGlyphAtlas::drawText(painter, QStringLiteral("C/S TAC: ") + QString::number(tac), QRectF(m, t, w - m, h), false);
    LabelGlyphAtlas::drawText(painter, QStringLiteral("Country: ") + QString::number(country),
                              QRectF(12.35 * s + m, t, w - m - (12.35 * s + m), h), false);
    if (!isProtocolIn(protocol, { CT::E_NationalLocationPlb, CT::E_NationalLocationTest })) {
        if (config.protocolSerial() != 0) {
            const double x = 26.5 * s + m;
            LabelGlyphAtlas::drawText(painter, QStringLiteral("SN: ") + config.beaconSerial(), QRectF(x, t, w - m - x, h), true);
        } else {
            const double x = 23.3 * s + m;
            const QString mmsi = (QString::number(country) + config.mmsi().trimmed()).rightJustified(9, QLatin1Char('0'));
            LabelGlyphAtlas::drawText(painter, QStringLiteral("MMSI: ") + mmsi, QRectF(x, t, w - m - x, h), true);
        }
    }
    const double y2 = 4 * s + t;
    const QString hex = QStringLiteral("HEXID: ") + QString::fromLatin1(msg->hexId()) + QLatin1Char('-')
        + QString::fromLatin1(msg->hexIdChecksum());
    const int hexEnd = LabelGlyphAtlas::drawText(painter, hex, QRectF(m, y2, w - m, h), false);
    const bool rls = ConfigTables::instance(nullptr)->isRlsProtocol(CT::e_protocolTypes(protocol));
    const QChar mark(rls ? LabelGlyphAtlas::kRlsMark : LabelGlyphAtlas::kOtherMark);
    LabelGlyphAtlas::drawText(painter, QString(mark), QRectF(hexEnd, y2, w - m - hexEnd, h), true);
    return image;
}
