#pragma once

#include "coding/epirbmsgbase.h"

// Default data of the standard location protocols.
namespace StdLocationDefaults {

// Supplementary data, bits 107-112: 1101, internal position source, 121.5 MHz homing.
inline void writeSupplementary(EpirbMsgBase &msg)
{
    msg.setBits(107, 4, 0xD);
    msg.setBits(111, 1, 1);
    msg.setBits(112, 1, 1);
}

// Default (unknown) position in PDF-1 and zero offsets in PDF-2.
inline void writePosition(EpirbMsgBase &msg)
{
    msg.setBits(65, 1, 0);
    msg.setBits(66, 9, 0x1FF);
    msg.setBits(75, 1, 0);
    msg.setBits(76, 10, 0x3FF);
    msg.setBits(113, 1, 1);
    msg.setBits(114, 5, 0);
    msg.setBits(119, 4, 0xF);
    msg.setBits(123, 1, 1);
    msg.setBits(124, 5, 0);
    msg.setBits(129, 4, 0xF);
}

}
