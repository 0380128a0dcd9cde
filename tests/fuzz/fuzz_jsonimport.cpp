// A report file from another installation, imported into the database.
#include "fuzzcommon.h"

#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray text = fuzz::bytes(data, size);
    QBuffer device(&text);
    device.open(QIODevice::ReadOnly);
    // Without a folder the database lives in memory only: nothing is written.
    DatabaseIfc db(QString(), nullptr);
    const int result = db.importReports(device);
    FUZZ_CHECK(result <= 0 && result >= -3);
    if (result != 0)
        return 0;
    // Imported records are shown and exported again like stored ones.
    for (int i = 0; i < db.count(); ++i) {
        db.setDbBeacon(i);
        const EpirbConfig *record = db.beaconAt(i);
        record->epirbHexMsg();
        record->countryCode();
    }
    const QJsonObject again = db.exportObject();
    DatabaseIfc copy(QString(), nullptr);
    QByteArray exported = QJsonDocument(again).toJson(QJsonDocument::Compact);
    QBuffer second(&exported);
    second.open(QIODevice::ReadOnly);
    FUZZ_CHECK(copy.importReports(second) == 0);
    FUZZ_CHECK(copy.count() == db.count());
    return 0;
}
