// A 406 MHz message as stored bytes (data block, report file, database).
#include "fuzzcommon.h"

#include "coding/epirbmsgbase.h"
#include "coding/protocoltype.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytes(data, size);
    EpirbMsgBase::isBchValid(bytes);
    std::unique_ptr<EpirbMsgBase> msg(EpirbMsgBase::fromBytes(bytes));
    FUZZ_CHECK(msg);
    const int type = msg->protocolType();
    FUZZ_CHECK(type >= 0 && type <= ProtocolType::ProtocolMax);

    const QByteArray hexId = msg->hexId();
    FUZZ_CHECK(hexId.size() == 15);
    FUZZ_CHECK(msg->hexIdChecksum().size() == 5);
    msg->hexMessage();
    msg->protocolName();
    msg->protocolGroupName();
    msg->countryCode();
    msg->identity();
    msg->serialNumber();
    msg->tacNo();
    msg->beaconNo();
    msg->beaconCategoryName();
    msg->firstEpirb();
    msg->additionalDataType();
    msg->nationalData();
    msg->maxSerialNumber();
    msg->isBchValid();

    // BCH written over whatever the bits hold is a valid code word.
    msg->calculateBch();
    FUZZ_CHECK(msg->isBch1Valid());
    FUZZ_CHECK(!msg->isLongFormat() || msg->isBch2Valid());
    FUZZ_CHECK(EpirbMsgBase::isBchValid(msg->messageBytes()));
    return 0;
}
