#include "shownlanguage.h"
#include "textfit.h"

#include <QAccessible>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSet>
#include <QVariant>

namespace {

// Common English words that are no word of German or Norwegian Bokmål: any of them in a
// shown text means a sentence left untranslated, or made of pieces that were.
const QSet<QString> &englishOnly()
{
    static const QSet<QString> words = {
        QStringLiteral("the"),      QStringLiteral("and"),      QStringLiteral("with"),    QStringLiteral("from"),
        QStringLiteral("this"),     QStringLiteral("that"),     QStringLiteral("please"),  QStringLiteral("failed"),
        QStringLiteral("beacon"),   QStringLiteral("beacons"),  QStringLiteral("select"),  QStringLiteral("enter"),
        QStringLiteral("number"),   QStringLiteral("of"),       QStringLiteral("your"),    QStringLiteral("you"),
        QStringLiteral("are"),      QStringLiteral("been"),     QStringLiteral("cannot"),  QStringLiteral("could"),
        QStringLiteral("should"),   QStringLiteral("would"),    QStringLiteral("which"),   QStringLiteral("when"),
        QStringLiteral("what"),     QStringLiteral("there"),    QStringLiteral("file"),    QStringLiteral("none"),
        QStringLiteral("unknown"),  QStringLiteral("programmed"), QStringLiteral("written"), QStringLiteral("saved"),
        QStringLiteral("shown"),    QStringLiteral("waiting"),  QStringLiteral("reading"), QStringLiteral("writing"),
        QStringLiteral("owner"),    QStringLiteral("yes"),      QStringLiteral("retry"),   QStringLiteral("settings"),
    };
    return words;
}

QString plain(QString text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    text.replace(tags, QStringLiteral(" "));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text.simplified();
}

bool looksEnglish(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        if (englishOnly().contains(it.next().captured().toLower()))
            return true;
    }
    return false;
}

void walk(QQuickItem *item, QStringList &found)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    // The licences are legal texts, shown as their authors wrote them.
    if (item->objectName() == QLatin1String("licenseText"))
        return;
    QStringList texts;
    if (item->inherits("QQuickText"))
        texts << plain(item->property("text").toString());
    if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(item))
        texts << plain(a->text(QAccessible::Name)) << plain(a->text(QAccessible::Description));
    texts.removeDuplicates();
    for (const QString &text : std::as_const(texts)) {
        if (text.isEmpty() || !looksEnglish(text))
            continue;
        found << QStringLiteral("\"%1\" (in %2)").arg(text.left(100), TextFit::nameOf(item));
    }
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        walk(child, found);
}

}

QStringList ShownLanguage::englishTexts(QQuickItem *root)
{
    QStringList found;
    if (root)
        walk(root, found);
    found.removeDuplicates();
    return found;
}
