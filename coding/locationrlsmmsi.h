#pragma once

#include "coding/locationrlsbase.h"

// RLS location protocol with the last six MMSI digits.
class LocationRlsMmsi : public LocationRlsBase
{
public:
    explicit LocationRlsMmsi(int type);

    void setIdentity(const QByteArray &text) override;
    QByteArray identity() const override;
    void setFirstEpirb(bool first) override;
    bool firstEpirb() const override;
    QString beaconCategoryName() const override;
    int maxSerialNumber() const override;
};
