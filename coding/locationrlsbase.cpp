#include "coding/locationrlsbase.h"

#include "coding/stdlocationdefaults.h"

LocationRlsBase::LocationRlsBase(int type)
{
    setLongFormat();
    setLocationProtocol(13);
    setBits(41, 2, uint(type));
    StdLocationDefaults::writeSupplementary(*this);
    // RLS position and supplementary data replace part of the above.
    setBits(67, 1, 0);
    setBits(68, 8, 0xFF);
    setBits(76, 1, 0);
    setBits(77, 9, 0x1FF);
    setBits(107, 2, 3);
    setBits(109, 2, 2);
    setBits(111, 2, 0);
    setBits(113, 2, 1);
    setBits(115, 1, 1);
    setBits(116, 4, 0);
    setBits(120, 4, 0xF);
    setBits(124, 1, 1);
    setBits(125, 4, 0);
    setBits(129, 4, 0xF);
}
