#include "coding/serialstdlong.h"

#include "coding/protocoltype.h"
#include "coding/stdlocationdefaults.h"

SerialStdLong::SerialStdLong(int code)
{
    setLongFormat();
    setLocationProtocol(code);
    StdLocationDefaults::writeSupplementary(*this);
    StdLocationDefaults::writePosition(*this);
}

void SerialStdLong::setTacNo(int n)
{
    setBits(41, 10, uint(n));
    emit Update();
}

int SerialStdLong::tacNo() const
{
    return int(bits(41, 10));
}

void SerialStdLong::setSerialNumber(int n)
{
    setBits(51, 14, uint(n));
    emit Update();
}

int SerialStdLong::serialNumber() const
{
    return int(bits(51, 14));
}

QByteArray SerialStdLong::identity() const
{
    return QByteArray::number(serialNumber()).rightJustified(5, '0');
}

QString SerialStdLong::beaconCategoryName() const
{
    switch (protocolType()) {
    case ProtocolType::StdLocationSerialEpirb: return QStringLiteral("EPIRB");
    case ProtocolType::StdLocationTest: return QStringLiteral("Test");
    case ProtocolType::StdLocationSerialPlb: return QStringLiteral("PLB");
    default: return QString();
    }
}

int SerialStdLong::maxSerialNumber() const
{
    return 16383;
}
