#include "coding/locationusermaritime.h"

#include "coding/shortuserdefaults.h"

LocationUserMaritime::LocationUserMaritime()
{
    setLongFormat();
    ShortUserDefaults::writeUserLocationPosition(*this);
}
