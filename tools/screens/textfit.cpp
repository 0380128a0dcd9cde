#include "textfit.h"

#include <QQuickItem>
#include <QVariant>

#include <cmath>

namespace {

// Sub-pixel differences come from font metrics rounding, not from a text too long.
constexpr qreal kSlack = 1.0;

// Cut at the side by the window or a clipping ancestor. A text wholly outside is not shown at
// all (the pages beside a swipe view's current one); only one crossing the edge is cut.
// Content running off the bottom is what scroll views are for, so only the sides count.
bool cutAtSide(QQuickItem *item)
{
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    for (QQuickItem *p = item->parentItem(); p; p = p->parentItem()) {
        if (!p->clip() && p->parentItem())
            continue;
        const QRectF edge = p->mapRectToScene(QRectF(0, 0, p->width(), p->height()));
        if (box.right() <= edge.left() || box.left() >= edge.right())
            return false;
        if (box.left() < edge.left() - kSlack || box.right() > edge.right() + kSlack)
            return true;
    }
    return false;
}

void walk(QQuickItem *item, QStringList &found)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    // Text, Label and the text of every control are QQuickText; typed text (fields) is the user's.
    if (item->inherits("QQuickText")) {
        const QString text = item->property("text").toString();
        const qreal w = item->width(), h = item->height();
        const qreal iw = item->implicitWidth(), ih = item->implicitHeight();
        const bool wraps = item->property("wrapMode").toInt() != 0;
        const bool elides = item->property("elide").toInt() != 0;
        const bool truncated = item->property("truncated").toBool();
        QString why;
        if (!text.trimmed().isEmpty() && w > 0 && h > 0) {
            if (!wraps && !elides && iw > w + kSlack)
                why = QStringLiteral("wider");
            else if (ih > h + kSlack && !elides)
                why = QStringLiteral("taller");
            else if (truncated && wraps)
                why = QStringLiteral("cut");
            else if (cutAtSide(item))
                why = QStringLiteral("cut at the side");
        }
        if (!why.isEmpty()) {
            found << QStringLiteral("\"%1\" (in %2): %3, needs %4x%5, has %6x%7")
                         .arg(text.left(80).replace(QLatin1Char('\n'), QLatin1Char(' ')), TextFit::nameOf(item), why)
                         .arg(std::ceil(iw)).arg(std::ceil(ih)).arg(std::floor(w)).arg(std::floor(h));
        }
    }
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        walk(child, found);
}

}

QString TextFit::nameOf(QQuickItem *item)
{
    QString name = item->objectName();
    for (QQuickItem *p = item->parentItem(); name.isEmpty() && p; p = p->parentItem())
        name = p->objectName();
    return name.isEmpty() ? QStringLiteral("?") : name;
}

QStringList TextFit::overflows(QQuickItem *root)
{
    QStringList found;
    if (root)
        walk(root, found);
    return found;
}
