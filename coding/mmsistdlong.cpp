#include "coding/mmsistdlong.h"

#include "coding/digits.h"
#include "coding/stdlocationdefaults.h"

MmsiStdLong::MmsiStdLong()
{
    setLongFormat();
    setLocationProtocol(2);
    StdLocationDefaults::writeSupplementary(*this);
    StdLocationDefaults::writePosition(*this);
}

void MmsiStdLong::setIdentity(const QByteArray &text)
{
    // Signs and blanks are not MMSI digits: "-12345" must not become a field value.
    const QByteArray lastSix = text.trimmed().right(6);
    if (!Digits::isDecimal(lastSix))
        return;
    setBits(41, 20, lastSix.toUInt());
    emit Update();
}

QByteArray MmsiStdLong::identity() const
{
    return QByteArray::number(bits(41, 20)).rightJustified(6, '0');
}

void MmsiStdLong::setBeaconNo(int n)
{
    setBits(61, 4, uint(n));
    emit Update();
}

int MmsiStdLong::beaconNo() const
{
    return int(bits(61, 4));
}
