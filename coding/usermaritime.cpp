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
    // Only 0-9 and A-Z exist as a Baudot beacon number; anything else would
    // put a code without character into the message.
    if (n < 0 || n > 35) {
        qWarning() << "Beacon number out of range, not written:" << n;
        return;
    }
    const char c = n < 10 ? char('0' + n) : char('A' + (n - 10));
    setBits(76, 6, toBaudot(c));
    emit Update();
}

int UserMaritime::beaconNo() const
{
    const char c = fromBaudot(bits(76, 6));
    return quint8(c < ':' ? c - '0' : c - 55);
}

void UserMaritime::setManualActivationOnly(bool manualOnly)
{
    setBits(108, 1, manualOnly ? 0 : 1);
}
