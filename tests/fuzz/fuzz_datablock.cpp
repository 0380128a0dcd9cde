// A data block as the beacon or a database file hands it over.
#include "fuzzcommon.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray block = fuzz::bytes(data, size);
    const bool looksLikeBlock = isDataBlock(block);
    EpirbConfig config(nullptr);
    const bool decoded = decodeDataBlock(block, config);
    // The quick test and the decoder ask different things (the marker, the model); both
    // must only ever answer, whatever the bytes.
    Q_UNUSED(looksLikeBlock)
    if (!decoded)
        return 0;

    // Everything the pages show is derived from the decoded message.
    config.epirbHexMsg();
    config.epirbHexChecksum();
    config.epirbAsciiMsg();
    config.countryCode();
    config.encodedSerial();
    config.protocolSerial();
    config.tacNoRls();
    config.aisUserId();

    // What was decoded can be written back and reads back as the same record, as a
    // verify after writing it needs. Owner texts that grew on decoding (bytes that
    // are no UTF-8 become U+FFFD) may lose their tail once; nothing else may change.
    const QByteArray again = encodeDataBlock(config);
    FUZZ_CHECK(again.size() == kDataBlockSize);
    // A block the program writes carries the marker, whether or not the beacon's had it.
    FUZZ_CHECK(isDataBlock(again));
    EpirbConfig copy(nullptr);
    FUZZ_CHECK(decodeDataBlock(again, copy));
    const int ownerBits = EpirbConfig::DiffOwnerName | EpirbConfig::DiffOwnerAddress
        | EpirbConfig::DiffOwnerTelephone | EpirbConfig::DiffOwnerOther;
    FUZZ_CHECK((config.compare(copy) & ~ownerBits) == 0);
    EpirbConfig third(nullptr);
    FUZZ_CHECK(decodeDataBlock(encodeDataBlock(copy), third));
    FUZZ_CHECK(copy.compare(third) == 0);
    return 0;
}
