#pragma once

#include <QStringList>

class QQuickItem;

// Texts of a shown page that do not fit the box they are shown in: wider than their box
// without wrapping or eliding, taller than it, cut to fewer lines than they need, or cut at
// the side by the window or a clipping item.
class TextFit
{
public:
    // One line per such text: the text, what it needs and what it has.
    static QStringList overflows(QQuickItem *root);
    // The object name of the item or of its nearest named ancestor, to say where a text is.
    static QString nameOf(QQuickItem *item);
};
