#include "uifonts.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void UiFonts::install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char *file : { ":/uifonts/Carlito-Regular.ttf", ":/uifonts/Carlito-Bold.ttf" }) {
        const int id = QFontDatabase::addApplicationFont(QLatin1String(file));
        if (id < 0) {
            qWarning() << "Could not add the window font" << file;
            continue;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        for (const QString &name : families) {
            // A real Calibri, when installed, stays first choice.
            if (!QFont::substitutes(QLatin1String(family())).contains(name))
                QFont::insertSubstitution(QLatin1String(family()), name);
        }
    }
}
