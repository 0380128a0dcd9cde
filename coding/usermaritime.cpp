#include "coding/usermaritime.h"

#include "coding/shortuserdefaults.h"

#include <QDebug>

UserMaritime::UserMaritime()
{
    setShortFormat();
    setUserProtocol(2);
    setBits(84, 2, 1); // 121.5 MHz auxiliary radio-locating device
    ShortUserDefaults::writeNonProtected(*this);
    setBits(82, 2, 0);
    setBits(76, 6, toBaudot('0'));
}

void UserMaritime::setIdentity(const QByteArray &text)
{
    QByteArray six = text.size() > 6 ? text.right(6) : text.rightJustified(6, ' ');
    for (int i = 0; i < 6; ++i)
        setBits(40 + 6 * i, 6, toBaudot(six.at(i)));
    emit Update();
}

QByteArray UserMaritime::identity() const
{
    QByteArray out(6, ' ');
    for (int i = 0; i < 6; ++i)
        out[i] = fromBaudot(bits(40 + 6 * i, 6));
    return out;
}

void UserMaritime::setBeaconNo(int n)
{
    if (setBaudotBeaconNo(n))
        emit Update();
}

int UserMaritime::beaconNo() const
{
    return baudotBeaconNo();
}

void UserMaritime::setManualActivationOnly(bool manualOnly)
{
    setBits(108, 1, manualOnly ? 0 : 1);
}
