// "Quorvik.db" as found on disk: either format version (100, 101) or anything else.
#include "fuzzcommon.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include <QBuffer>
#include <QDataStream>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file = fuzz::bytes(data, size);
    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    QDataStream stream(&device);
    DatabaseIfc db(QString(), nullptr);
    db.loadDb(stream);
    // Whatever was kept is a record the database can show and write again.
    for (int i = 0; i < db.count(); ++i) {
        db.setDbBeacon(i);
        const EpirbConfig *record = db.beaconAt(i);
        record->epirbHexMsg();
        FUZZ_CHECK(encodeDataBlock(*record).size() == kDataBlockSize);
    }
    db.exportObject();
    return 0;
}
