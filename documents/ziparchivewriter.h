#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
struct archive;

// Writes a ZIP archive (libarchive, default ZIP settings) onto a QIODevice.
// LBX label files are such archives.
class ZipArchiveWriter
{
public:
    // Opens the archive on device; a closed device is opened for writing.
    // On failure isOpen() is false and every addFile() fails.
    explicit ZipArchiveWriter(QIODevice *device);
    ~ZipArchiveWriter();
    ZipArchiveWriter(const ZipArchiveWriter &) = delete;
    ZipArchiveWriter &operator=(const ZipArchiveWriter &) = delete;

    bool isOpen() const { return m_archive != nullptr; }
    // A regular file entry, mode 0644.
    bool addFile(const QString &name, const QByteArray &data);
    // Writes the central directory; the writer has no archive afterwards.
    bool finalize();

private:
    struct archive *m_archive = nullptr;
    QIODevice *m_device = nullptr;
};
