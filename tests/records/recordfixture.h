#pragma once

#include "config/configtables.h"
#include "config/epirbconfig.h"

#include <QDate>
#include <QString>

#include <memory>

// A programmed P5 record as the controller would store it after a verified write.
inline std::unique_ptr<EpirbConfig> makeP5(const QString &serial, const QDate &progDate = QDate(2024, 5, 17))
{
    auto c = std::make_unique<EpirbConfig>(nullptr);
    c->setBeaconType(ConfigTables::E_SkuaP5);
    c->setSerial(serial);
    c->setProtocolId(ConfigTables::E_UserSerialPlb);
    c->setCountryCode(257);
    c->setTacNo(123);
    c->setOwnerName(QStringLiteral("Kari Nordmann"));
    c->setOwnerAddress(QStringLiteral("Strandveien 1, Bergen"));
    c->setOwnerTelephone(QStringLiteral("+47 555 12 345"));
    c->setProgOperator(QStringLiteral("Op"));
    c->setProgStation(QStringLiteral("Station 7"));
    c->setProgDealer(4000000000u);
    c->setQuorvikVersion(QStringLiteral("5.3.9"));
    c->setProgDate(progDate);
    c->setBatteryExpiry(QDateTime(QDate(2031, 3, 1), QTime(0, 0)));
    c->setBatteryProd(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    c->setHardwareSerial(3000000000u);
    c->setProductionDate(QDate(2024, 2, 2));
    c->setAdditionalInfo(QStringLiteral("note for ") + serial);
    c->calculateCsMsg();
    return c;
}
