#pragma once

#include "coding/epirbmsgbase.h"

// Maritime user protocol (code 010, short): six Baudot MMSI digits.
class UserMaritime : public EpirbMsgBase
{
public:
    UserMaritime();

    void setIdentity(const QByteArray &text) override;
    QByteArray identity() const override;
    void setBeaconNo(int n) override;
    int beaconNo() const override;
    void setManualActivationOnly(bool manualOnly) override;
};
