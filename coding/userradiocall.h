#pragma once

#include "coding/epirbmsgbase.h"

// Radio call sign user protocol (code 110, short): four Baudot characters and
// three 4-bit digits.
class UserRadioCall : public EpirbMsgBase
{
public:
    UserRadioCall();

    void setIdentity(const QByteArray &text) override;
    QByteArray identity() const override;
    void setBeaconNo(int n) override;
    int beaconNo() const override;
    void setManualActivationOnly(bool manualOnly) override;

    // Whether setIdentity would write text (it ignores invalid call signs).
    static bool isValidCallSign(const QByteArray &text);
};
