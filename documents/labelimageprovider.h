#pragma once

#include <QQuickImageProvider>

// Previews for the labelling pages, registered as "labelmaker":
// "contactlabel.png?TEXT", "programminglabel.png", "countrylabel.png?NAME".
class LabelImageProvider : public QQuickImageProvider
{
public:
    LabelImageProvider();

    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};
