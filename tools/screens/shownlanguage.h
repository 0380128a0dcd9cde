#pragma once

#include <QStringList>

class QQuickItem;

// English left on a page shown in another language: a text or accessible name holding a word
// that is English and neither German nor Norwegian. Proper names (models, countries, owners,
// protocol names) hold none of these words, so they pass.
class ShownLanguage
{
public:
    // One line per such text: the text and the item it is in.
    static QStringList englishTexts(QQuickItem *root);
};
