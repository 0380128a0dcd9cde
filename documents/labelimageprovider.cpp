#include "documents/labelimageprovider.h"

#include "config/epirbconfig.h"
#include "documents/epirbdatablkwrapper.h"
#include "documents/labelmaker.h"

#include <QUrl>

LabelImageProvider::LabelImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Pixmap)
{
}

QPixmap LabelImageProvider::requestPixmap(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QUrl url(id);
    const QString name = url.fileName();
    const QString query = url.query(QUrl::FullyDecoded);
    const EpirbConfig *config = epirbdatablkWrapper::instance(nullptr)->config();

    QImage image;
    if (name == QLatin1String("contactlabel.png"))
        image = LabelMaker::contactLabelImage(query, LabelMaker::kScale300);
    else if (name == QLatin1String("programminglabel.png") && config)
        image = LabelMaker::programmingLabelImage(*config);
    else if (name == QLatin1String("countrylabel.png") && config)
        image = LabelMaker::countryLabelImage(config->countryCode(), query, LabelMaker::kScale300);

    if (image.isNull()) {
        if (size)
            *size = QSize(0, 0);
        return QPixmap();
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (size)
        *size = pixmap.size();
    if (requestedSize.isValid() && !requestedSize.isEmpty())
        pixmap = pixmap.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}
