#include "coding/userradiocall.h"

#include "coding/shortuserdefaults.h"

#include <QDebug>

namespace {

// Trimmed and upper-cased; call signs are entered in either case.
QByteArray normalised(const QByteArray &text)
{
    return text.trimmed().toUpper();
}

}

UserRadioCall::UserRadioCall()
{
    setShortFormat();
    setUserProtocol(6);
    setBits(84, 2, 1);
    ShortUserDefaults::writeNonProtected(*this);
    setBits(82, 2, 0);
}

bool UserRadioCall::isValidCallSign(const QByteArray &text)
{
    const QByteArray t = normalised(text);
    if (t.size() > 7)
        return false;
    for (int i = 0; i < t.size(); ++i) {
        const char c = t.at(i);
        if (i >= 4 ? (c < '0' || c > '9') : toBaudot(c) == 0)
            return false;
    }
    return true;
}

void UserRadioCall::setIdentity(const QByteArray &text)
{
    if (isValidCallSign(text)) {
        const QByteArray t = normalised(text);
        for (int i = 0; i < 4; ++i)
            setBits(40 + 6 * i, 6, toBaudot(i < t.size() ? t.at(i) : ' '));
        for (int i = 0; i < 3; ++i)
            setBits(64 + 4 * i, 4, 4 + i < t.size() ? uint(t.at(4 + i) - '0') : 0xA);
    } else {
        qWarning() << "Invalid radio call sign, not written:" << text;
    }
    emit Update();
}

QByteArray UserRadioCall::identity() const
{
    QByteArray out(7, ' ');
    for (int i = 0; i < 4; ++i)
        out[i] = fromBaudot(bits(40 + 6 * i, 6));
    for (int i = 0; i < 3; ++i) {
        const uint d = bits(64 + 4 * i, 4);
        out[4 + i] = d < 10 ? char('0' + d) : ' ';
    }
    return out;
}

void UserRadioCall::setBeaconNo(int n)
{
    if (setBaudotBeaconNo(n))
        emit Update();
}

int UserRadioCall::beaconNo() const
{
    return baudotBeaconNo();
}

void UserRadioCall::setManualActivationOnly(bool manualOnly)
{
    setBits(108, 1, manualOnly ? 0 : 1);
}
