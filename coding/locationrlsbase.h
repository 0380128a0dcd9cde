#pragma once

#include "coding/epirbmsgbase.h"

// RLS location protocol (code 1101). type is bits 41-42: 0 ELT, 1 EPIRB,
// 2 PLB, 3 test (first/second EPIRB as 0/1 in the MMSI variant).
class LocationRlsBase : public EpirbMsgBase
{
public:
    explicit LocationRlsBase(int type);
};
