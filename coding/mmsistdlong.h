#pragma once

#include "coding/epirbmsgbase.h"

// Standard location protocol, EPIRB-MMSI (code 0010).
class MmsiStdLong : public EpirbMsgBase
{
public:
    MmsiStdLong();

    void setIdentity(const QByteArray &text) override;
    QByteArray identity() const override;
    void setBeaconNo(int n) override;
    int beaconNo() const override;
};
