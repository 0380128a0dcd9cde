#include "documents/documentfiles.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

bool DocumentFiles::openFile(const QString &path, const QString &title, const QString &mimeType, const QString &uti)
{
    Q_UNUSED(title)
    Q_UNUSED(uti)
    qDebug().noquote() << "Trying to open file at " + path;
    const QUrl url = QUrl::fromLocalFile(path);
    qDebug().noquote() << url.toString();
    if (!QDesktopServices::openUrl(url)) {
        qWarning().noquote() << "Could not open file: " + path + " (" + mimeType + ")";
        return false;
    }
    return true;
}

bool DocumentFiles::shareFile(const QString &path, const QString &title, const QString &mimeType, const QString &uti)
{
    Q_UNUSED(title)
    Q_UNUSED(uti)
    qWarning().noquote() << "Could not share file: " + path + " (" + mimeType + ")";
    return false;
}

QString DocumentFiles::safeFileNamePart(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const bool unsafe = ch.unicode() < 0x20 || ch.unicode() == 0x7F || ch.category() == QChar::Other_Control
            || QStringLiteral("/\\:*?\"<>|").contains(ch);
        out += unsafe ? QLatin1Char('_') : ch;
    }
    // "." and ".." (or trailing dots, which Windows drops) must not name a folder step.
    if (out.startsWith(QLatin1Char('.')))
        out[0] = QLatin1Char('_');
    while (out.endsWith(QLatin1Char('.')) || out.endsWith(QLatin1Char(' ')))
        out[out.size() - 1] = QLatin1Char('_');
    return out;
}
