#pragma once

#include "coding/epirbmsgbase.h"

// Standard location protocols with type approval and serial number:
// code 6 EPIRB, 7 PLB, 14 test.
class SerialStdLong : public EpirbMsgBase
{
public:
    explicit SerialStdLong(int code);

    void setTacNo(int n) override;
    int tacNo() const override;
    void setSerialNumber(int n) override;
    int serialNumber() const override;
    QByteArray identity() const override;
    QString beaconCategoryName() const override;
    int maxSerialNumber() const override;
};
