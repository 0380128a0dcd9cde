// "Quorvik.db" as found on disk: any format version (100, 101, 102, 103), damaged, or anything else.
// What is salvaged from it must write out as a file that reads back whole.
#include "fuzzcommon.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/databasefile.h"
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

    // The salvage on its own: every record it keeps writes out and reads back whole.
    DatabaseFile::Contents salvaged = DatabaseFile::decode(file);
    FUZZ_CHECK(salvaged.whole == salvaged.problems.isEmpty());
    const QByteArray rewritten = DatabaseFile::encode(salvaged.records);
    const DatabaseFile::Contents again = DatabaseFile::decode(rewritten);
    FUZZ_CHECK(again.whole);
    FUZZ_CHECK(again.records.size() == salvaged.records.size());
    return 0;
}
