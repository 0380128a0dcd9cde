#pragma once

#include "coding/epirbmsgbase.h"

// Serial user protocol (code 011) or user test protocol (code 111), short.
class UserSerial : public EpirbMsgBase
{
public:
    // category: bits 40-42 (2 float-free EPIRB, 4 non-float-free EPIRB, 6 PLB).
    UserSerial(int category, bool test);

    void setSerialNumber(int n) override;
    int serialNumber() const override;
    void setTacNo(int n) override;
    int tacNo() const override;
    void setBeaconCategory(int category) override;
    QString beaconCategoryName() const override;
    QByteArray identity() const override;
    int maxSerialNumber() const override;
    void setManualActivationOnly(bool manualOnly) override;

protected:
    bool m_test;
};
