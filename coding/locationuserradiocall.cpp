#include "coding/locationuserradiocall.h"

#include "coding/shortuserdefaults.h"

LocationUserRadioCall::LocationUserRadioCall()
{
    setLongFormat();
    ShortUserDefaults::writeUserLocationPosition(*this);
}
