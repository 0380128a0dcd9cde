#pragma once

#include <QString>

// File operations shared by the report and the labels.
class DocumentFiles
{
public:
    // Opens the file with the desktop's default application.
    static bool openFile(const QString &path, const QString &title, const QString &mimeType, const QString &uti);
    // Sharing needs a mobile platform: always false here.
    static bool shareFile(const QString &path, const QString &title, const QString &mimeType, const QString &uti);
    // Serial numbers and hex IDs come from a beacon's memory or an imported file:
    // anything that could leave the folder or upset a file system becomes "_".
    static QString safeFileNamePart(const QString &text);
};
