// Page 2 of a beacon: the boot log.
#include "fuzzcommon.h"

#include "records/epirblogdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static EpirbLogDb log(nullptr);
    const QByteArray block = fuzz::bytes(data, size);
    const int result = log.parseLog(block, false);
    FUZZ_CHECK(result == EpirbLogDb::Ok || result == EpirbLogDb::ShortBlock
               || result == EpirbLogDb::UnsupportedVersion);
    if (result != EpirbLogDb::Ok)
        return 0;
    FUZZ_CHECK(log.entryCount() <= EpirbLogDb::kLayout1Slots);
    // Every cell of the log page.
    for (int row = 0; row < log.entryCount(); ++row) {
        const LogEntry *entry = log.entryAt(row);
        FUZZ_CHECK(entry);
        for (int column = 0; column <= 6; ++column)
            EpirbLogDb::entryText(*entry, column);
    }
    return 0;
}
