// Regenerates the glyph atlas of the programming label:
//   quorvik-glyphatlas OUT.png OUT.json
// Every glyph is 110 pixels high and drawn from the label font ("Helsinki",
// shipped in documents/fonts). A few spans are fixed because the label layout
// was measured against them: digits 21 wide, "," at 1209, "-" at 1220, space at
// 1468 and the two marks at 1479 and 1690.
#include "documents/labelfonts.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {
constexpr int kHeight = 110;
constexpr int kBaseline = 80;
constexpr int kDigitWidth = 21;
constexpr QChar kRlsMark(0xF00A);
constexpr QChar kOtherMark(0xF00B);

struct Span
{
    QChar ch;
    int x;
    int width;
};

QFont labelFont(int weight, int pixelSize)
{
    QFont font(QString::fromLatin1(LabelFonts::family()));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    // Condensed so that a digit is 21 pixels wide while capitals stay tall enough to read.
    font.setStretch(65);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return font;
}

void drawGlyph(QPainter &p, const QFont &font, const Span &s)
{
    p.setFont(font);
    const QFontMetricsF fm(font);
    const qreal advance = fm.horizontalAdvance(s.ch);
    // Centred in its span: fixed-width spans may be wider or narrower than the advance.
    p.drawText(QPointF(s.x + (s.width - advance) / 2.0, kBaseline), QString(s.ch));
}

void drawMark(QPainter &p, const Span &s, bool rls)
{
    const QRectF box(s.x + 6, 18, s.width - 12, 74);
    QFont font(QString::fromLatin1(LabelFonts::family()));
    font.setPixelSize(rls ? 58 : 44);
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    QPainterPath path;
    path.addRoundedRect(box, 14, 14);
    if (rls) {
        p.fillPath(path, Qt::black);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("RLS"));
    } else {
        p.setPen(QPen(Qt::black, 7));
        p.drawPath(path);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("NO RLS"));
    }
    p.setPen(Qt::black);
}
}

int main(int argc, char *argv[])
{
    // Draws into an image only: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvik-glyphatlas OUT.png OUT.json\n");
        return 2;
    }
    LabelFonts::install();
    const QFont font = labelFont(QFont::Normal, 58);
    const QFontMetricsF fm(font);

    QList<Span> spans;
    int x = 0;
    QString flowing;
    for (char c = 'A'; c <= 'Z'; ++c)
        flowing += QLatin1Char(c);
    for (char c = 'a'; c <= 'z'; ++c)
        flowing += QLatin1Char(c);
    flowing += QStringLiteral("./");
    for (QChar ch : flowing) {
        const int w = int(std::lround(fm.horizontalAdvance(ch)));
        spans.append({ ch, x, w });
        x += w;
    }
    if (x > 1209) {
        std::fprintf(stderr, "letters overflow into the fixed spans (%d > 1209)\n", x);
        return 1;
    }
    spans.append({ QLatin1Char(','), 1209, 11 });
    spans.append({ QLatin1Char('-'), 1220, 13 });
    x = 1233;
    for (char c = '0'; c <= '9'; ++c, x += kDigitWidth)
        spans.append({ QLatin1Char(c), x, kDigitWidth });
    spans.append({ QLatin1Char(':'), x, int(std::lround(fm.horizontalAdvance(QLatin1Char(':')))) });
    spans.append({ QLatin1Char(' '), 1468, 11 });
    spans.append({ kRlsMark, 1479, 211 });
    spans.append({ kOtherMark, 1690, 220 });

    QImage atlas(1910, kHeight, QImage::Format_Grayscale8);
    atlas.fill(Qt::white);
    QPainter p(&atlas);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    QJsonObject table;
    for (const Span &s : spans) {
        if (s.ch == kRlsMark || s.ch == kOtherMark)
            drawMark(p, s, s.ch == kRlsMark);
        else
            drawGlyph(p, font, s);
        table.insert(QString(s.ch), QJsonArray { s.x, s.width });
    }
    p.end();

    if (!atlas.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QFile json(QString::fromLocal8Bit(argv[2]));
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    json.write(QJsonDocument(QJsonObject { { QStringLiteral("height"), kHeight },
                                           { QStringLiteral("glyphs"), table } })
                   .toJson(QJsonDocument::Indented));
    return 0;
}
