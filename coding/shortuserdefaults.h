#pragma once

#include "coding/epirbmsgbase.h"

// Default data shared by the user protocol families.
namespace ShortUserDefaults {

// Non-protected bits 107-112 of a short user message: no emergency code,
// activation automatic and manual.
inline void writeNonProtected(EpirbMsgBase &msg)
{
    msg.setBits(107, 1, 0);
    msg.setBits(108, 1, 1);
    msg.setBits(109, 4, 0);
}

// Default (unknown) position of the user-location protocols, bits 107-132.
inline void writeUserLocationPosition(EpirbMsgBase &msg)
{
    msg.setBits(107, 1, 1);
    msg.setBits(108, 1, 0);
    msg.setBits(109, 7, 0x7F);
    msg.setBits(116, 4, 0);
    msg.setBits(120, 1, 0);
    msg.setBits(121, 8, 0xFF);
    msg.setBits(129, 4, 0);
}

}
