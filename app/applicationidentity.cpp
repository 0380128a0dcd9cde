#include "applicationidentity.h"

#include "app/uifonts.h"
#include "documents/labelfonts.h"

#include <QApplication>
#include <QFont>
#include <QQuickStyle>

void ApplicationIdentity::apply()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("aldmar.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
}

void ApplicationIdentity::installFonts()
{
    LabelFonts::install();
    UiFonts::install();
    QApplication::setFont(QFont(QLatin1String(UiFonts::family())));
}
