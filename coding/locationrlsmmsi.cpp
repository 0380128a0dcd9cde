#include "coding/locationrlsmmsi.h"

#include "coding/digits.h"

LocationRlsMmsi::LocationRlsMmsi(int type)
    : LocationRlsBase(type)
{
    setBits(43, 4, 0xF);
}

void LocationRlsMmsi::setIdentity(const QByteArray &text)
{
    // Anything but plain digits counts as no MMSI (0); a sign must not wrap
    // into a different six-digit number.
    const QByteArray t = text.trimmed();
    bool ok = Digits::isDecimal(t);
    const qulonglong value = ok ? t.toULongLong(&ok) : 0;
    setBits(47, 20, ok ? uint(value % 1000000u) : 0u);
}

QByteArray LocationRlsMmsi::identity() const
{
    return QByteArray::number(bits(47, 20)).rightJustified(6, '0');
}

void LocationRlsMmsi::setFirstEpirb(bool first)
{
    if (bits(41, 2) <= 1)
        setBits(41, 2, first ? 0 : 1);
}

bool LocationRlsMmsi::firstEpirb() const
{
    return bits(41, 2) != 1;
}

QString LocationRlsMmsi::beaconCategoryName() const
{
    switch (bits(41, 2)) {
    case 2: return QStringLiteral("PLB");
    case 3: return QStringLiteral("Test");
    default: return QStringLiteral("EPIRB");
    }
}

int LocationRlsMmsi::maxSerialNumber() const
{
    return 999999;
}
