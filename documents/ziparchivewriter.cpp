#include "documents/ziparchivewriter.h"

#include <QDebug>
#include <QIODevice>

#include <archive.h>
#include <archive_entry.h>

namespace {
int openCallback(struct archive *a, void *clientData)
{
    auto *device = static_cast<QIODevice *>(clientData);
    if (!device) {
        archive_set_error(a, EINVAL, "Invalid output device");
        return ARCHIVE_FATAL;
    }
    if (!device->isOpen() && !device->open(QIODevice::WriteOnly)) {
        archive_set_error(a, EIO, "Could not open output device: %s",
                          device->errorString().toLocal8Bit().constData());
        return ARCHIVE_FATAL;
    }
    return ARCHIVE_OK;
}

la_ssize_t writeCallback(struct archive *a, void *clientData, const void *buffer, size_t length)
{
    auto *device = static_cast<QIODevice *>(clientData);
    const qint64 written = device->write(static_cast<const char *>(buffer), qint64(length));
    if (written != qint64(length)) {
        archive_set_error(a, EIO, "Could not write to output device: %s",
                          device->errorString().toLocal8Bit().constData());
        return -1;
    }
    return la_ssize_t(written);
}
}

ZipArchiveWriter::ZipArchiveWriter(QIODevice *device)
    : m_device(device)
{
    struct archive *a = archive_write_new();
    if (!a)
        return;
    if (archive_write_set_format_zip(a) != ARCHIVE_OK
        // ZIP needs no block padding; the default would pad the last block with zeros.
        || archive_write_set_bytes_in_last_block(a, 1) != ARCHIVE_OK
        || archive_write_open(a, device, openCallback, writeCallback, nullptr) != ARCHIVE_OK) {
        qWarning().noquote() << "QZip: Could not open archive:" << QString::fromLocal8Bit(archive_error_string(a));
        archive_write_free(a);
        return;
    }
    m_archive = a;
}

ZipArchiveWriter::~ZipArchiveWriter()
{
    if (m_archive)
        archive_write_free(m_archive);
}

bool ZipArchiveWriter::addFile(const QString &name, const QByteArray &data)
{
    if (!m_archive) {
        qWarning() << "Archive has been finalized";
        return false;
    }
    struct archive_entry *entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, name.toUtf8().constData());
    archive_entry_set_size(entry, data.size());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    bool ok = archive_write_header(m_archive, entry) == ARCHIVE_OK;
    if (ok && !data.isEmpty())
        ok = archive_write_data(m_archive, data.constData(), size_t(data.size())) == la_ssize_t(data.size());
    archive_entry_free(entry);
    if (!ok)
        qWarning().noquote() << "QZip: Could not add file: " + QString::fromLocal8Bit(archive_error_string(m_archive));
    return ok;
}

bool ZipArchiveWriter::finalize()
{
    if (!m_archive)
        return false;
    const bool ok = archive_write_close(m_archive) == ARCHIVE_OK;
    if (!ok)
        qWarning().noquote() << "QZip: Could not close archive:" << QString::fromLocal8Bit(archive_error_string(m_archive));
    archive_write_free(m_archive);
    m_archive = nullptr;
    return ok;
}
