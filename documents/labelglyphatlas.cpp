#include "documents/labelglyphatlas.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace {
struct Atlas
{
    bool tried = false;
    QImage image;
    QHash<char16_t, QPair<int, int>> spans; // x, width
};

Atlas &atlas()
{
    static Atlas a;
    return a;
}
}

bool LabelGlyphAtlas::prepare()
{
    Atlas &a = atlas();
    if (a.tried)
        return !a.image.isNull();
    a.tried = true;
    QImage image(QStringLiteral(":/documents/labelglyphs.png"));
    QFile tableFile(QStringLiteral(":/documents/labelglyphs.json"));
    if (image.isNull() || !tableFile.open(QIODevice::ReadOnly)) {
        qWarning() << "Could not load the label glyph atlas";
        return false;
    }
    const QJsonObject glyphs = QJsonDocument::fromJson(tableFile.readAll()).object().value(QLatin1String("glyphs")).toObject();
    for (auto it = glyphs.begin(); it != glyphs.end(); ++it) {
        const QString key = it.key();
        const QJsonArray span = it.value().toArray();
        if (key.size() != 1 || span.size() != 2)
            continue;
        a.spans.insert(key.at(0).unicode(), qMakePair(span.at(0).toInt(), span.at(1).toInt()));
    }
    a.image = image.convertToFormat(QImage::Format_RGB888);
    return true;
}

int LabelGlyphAtlas::textWidth(const QString &text)
{
    prepare();
    const Atlas &a = atlas();
    int width = 0;
    for (QChar ch : text)
        width += a.spans.value(ch.unicode(), qMakePair(0, 0)).second;
    return width;
}

int LabelGlyphAtlas::drawText(QPainter &painter, const QString &text, const QRectF &rect, bool alignRight)
{
    prepare();
    const Atlas &a = atlas();
    const int right = int(std::floor(rect.right()));
    const int top = int(std::floor(rect.top()));
    const int bottom = int(std::floor(rect.bottom()));
    int x = alignRight ? right - textWidth(text) : int(std::floor(rect.left()));
    for (QChar ch : text) {
        const auto it = a.spans.constFind(ch.unicode());
        if (it == a.spans.constEnd())
            continue;
        const int w = std::min(it->second, right - x);
        const int h = std::min(kGlyphHeight, bottom - top);
        if (w > 0 && h > 0)
            painter.drawImage(QPoint(x, top), a.image, QRect(it->first, 0, w, h));
        x += it->second;
    }
    return x;
}
