#include "coding/locationuserserial.h"

#include "coding/shortuserdefaults.h"

LocationUserSerial::LocationUserSerial(int category, bool test)
    : UserSerial(category, test)
{
    setLongFormat();
    ShortUserDefaults::writeUserLocationPosition(*this);
}

QString LocationUserSerial::protocolLabel() const
{
    return m_test ? QStringLiteral("User location - Test") : QStringLiteral("User Location - Serial");
}
