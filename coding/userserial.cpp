#include "coding/userserial.h"

#include "coding/shortuserdefaults.h"

UserSerial::UserSerial(int category, bool test)
    : m_test(test)
{
    setShortFormat();
    setUserProtocol(test ? 7 : 3);
    setBits(84, 2, 1);
    setBits(40, 3, uint(category));
    ShortUserDefaults::writeNonProtected(*this);
    setBits(64, 10, 0);
    setBits(74, 10, 0);
    setBits(43, 1, 0);
}

void UserSerial::setSerialNumber(int n)
{
    setBits(44, 20, uint(n));
    emit Update();
}

int UserSerial::serialNumber() const
{
    return int(bits(44, 20));
}

void UserSerial::setTacNo(int n)
{
    setBits(43, 1, n > 0 ? 1 : 0);
    setBits(74, 10, uint(n));
    emit Update();
}

int UserSerial::tacNo() const
{
    return int(bits(74, 10));
}

void UserSerial::setBeaconCategory(int category)
{
    setBits(40, 3, uint(category));
    emit Update();
}

QString UserSerial::beaconCategoryName() const
{
    switch (bits(40, 3)) {
    case 2: return QStringLiteral("Float-free");
    case 4: return QStringLiteral("Non float free");
    case 6: return QStringLiteral("Personal (PLB)");
    default: return QString();
    }
}

QByteArray UserSerial::identity() const
{
    return QByteArray::number(serialNumber());
}

int UserSerial::maxSerialNumber() const
{
    return 1048575;
}

void UserSerial::setManualActivationOnly(bool manualOnly)
{
    setBits(108, 1, manualOnly ? 0 : 1);
}
