#include "labelfonts.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {
void addFont(const QString &resource, const char *warning)
{
    const int id = QFontDatabase::addApplicationFont(resource);
    if (id < 0) {
        qWarning() << warning;
        return;
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    qDebug().noquote() << "Added fonts: " + families.join(QLatin1String(", "));
    // The label designs ask for "Helsinki"; our files carry another family name.
    for (const QString &family : families) {
        if (!QFont::substitutes(QLatin1String(LabelFonts::family())).contains(family))
            QFont::insertSubstitution(QLatin1String(LabelFonts::family()), family);
    }
}
}

void LabelFonts::install()
{
    addFont(QStringLiteral(":/BRHELRS0.ttf"), "Could not add Helsinki font and we need it to print labels");
    addFont(QStringLiteral(":/BRHELBS0.ttf"), "Could not add Helsinki Bold font and we need it to print labels");
}
