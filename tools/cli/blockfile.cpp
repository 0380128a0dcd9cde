#include "blockfile.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QFile>

bool cli::loadBlockFile(const QString &path, EpirbConfig &config, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    // Anything much larger is not a data block; do not read it whole.
    const QByteArray block = file.read(kDataBlockSize + 1);
    if (block.size() != kDataBlockSize) {
        error = QStringLiteral("%1 is not a %2-byte data block").arg(path).arg(kDataBlockSize);
        return false;
    }
    if (!isDataBlock(block) || !decodeDataBlock(block, config)) {
        error = QStringLiteral("%1 holds no data block of a supported beacon").arg(path);
        return false;
    }
    return true;
}
