#pragma once

#include "coding/locationrlsbase.h"

// RLS location protocol with type approval number and serial number.
class LocationRlsTac : public LocationRlsBase
{
public:
    explicit LocationRlsTac(int type);

    void setTacNo(int n) override;
    int tacNo() const override;
    void setSerialNumber(int n) override;
    int serialNumber() const override;
    QString beaconCategoryName() const override;
    int maxSerialNumber() const override;
};
