#pragma once

#include "coding/epirbmsgbase.h"

// National location protocol (code 1011 PLB, 1111 test).
class LocationNational : public EpirbMsgBase
{
public:
    explicit LocationNational(bool test);

    // The national identity (18 bits).
    void setSerialNumber(int n) override;
    int serialNumber() const override;
    void setAdditionalDataType(bool position) override;
    bool additionalDataType() const override;
    void setNationalData(int n) override;
    int nationalData() const override;
    int maxSerialNumber() const override;
};
