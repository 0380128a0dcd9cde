#include "records/reportjson.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"

#include <QDateTime>
#include <QJsonValue>

namespace {

const char kDateFormat[] = "yyyyMMdd";

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(kDateFormat)) : QString();
}

QDate parseDate(const QJsonValue &value)
{
    return QDate::fromString(value.toString(), QLatin1String(kDateFormat));
}

QJsonObject toJsonObject(const EpirbConfig &c)
{
    QJsonObject o;
    o.insert(QStringLiteral("beaconSerial"), QString::fromLatin1(c.serialBytes()));
    o.insert(QStringLiteral("beaconNo"), c.beaconNo());
    o.insert(QStringLiteral("beaconType"), c.beaconType());
    o.insert(QStringLiteral("ownerName"), c.ownerName());
    o.insert(QStringLiteral("ownerAddress"), c.ownerAddress());
    o.insert(QStringLiteral("ownerTelephone"), c.ownerTelephone());
    o.insert(QStringLiteral("ownerOther"), c.ownerOther());
    o.insert(QStringLiteral("useMorseCode"), c.useMorseCode());
    o.insert(QStringLiteral("morseSpeed"), c.morseSpeed());
    o.insert(QStringLiteral("blinkRate"), c.blinkRate());
    o.insert(QStringLiteral("sweepDirection"), c.sweepDirection());
    o.insert(QStringLiteral("tacNo"), c.tacNo());
    o.insert(QStringLiteral("tacNoRls"), c.storedTacNoRls());
    o.insert(QStringLiteral("tacNoRlsPlb"), c.storedTacNoRlsPlb());
    o.insert(QStringLiteral("additionalInfo"), c.additionalInfo());
    o.insert(QStringLiteral("progOperator"), c.progOperator());
    o.insert(QStringLiteral("progStation"), c.progStation());
    o.insert(QStringLiteral("progDealerno"), double(c.progDealer()));
    o.insert(QStringLiteral("quorvikVersion"), c.quorvikVersion());
    o.insert(QStringLiteral("batteryExpiryMode"), c.batteryExpiryMode());
    o.insert(QStringLiteral("batteryExpiry"), dateText(c.batteryExpiryDate()));
    o.insert(QStringLiteral("batteryProd"), dateText(c.batteryProdDate()));
    o.insert(QStringLiteral("morseSequence"), c.morseSequence());
    o.insert(QStringLiteral("countryLabel"), c.countryLabel());
    o.insert(QStringLiteral("progDate"), dateText(c.progDate()));
    o.insert(QStringLiteral("message406"), QString::fromLatin1(c.messageBytes().toBase64()));
    o.insert(QStringLiteral("hardwareType"), c.hardwareType());
    o.insert(QStringLiteral("hardwareSerial"), double(c.hardwareSerial()));
    o.insert(QStringLiteral("productionDate"), dateText(c.productionDate()));
    o.insert(QStringLiteral("vendorId"), c.vendorId());
    o.insert(QStringLiteral("aisSartMmsi"), c.aisSartMmsi());
    o.insert(QStringLiteral("batteryType"), c.batteryType());
    // Only where there is one: reports of ordinary beacons stay as they were.
    if (!c.duplicateReason().isEmpty())
        o.insert(QStringLiteral("duplicateReason"), c.duplicateReason());
    return o;
}

// The first key whose value is present but of another JSON type than the report uses.
QString badlyTypedKey(const QJsonObject &o)
{
    static const struct { const char *key; QJsonValue::Type type; } kKeys[] = {
        { "beaconSerial", QJsonValue::String }, { "beaconNo", QJsonValue::Double },
        { "beaconType", QJsonValue::Double }, { "ownerName", QJsonValue::String },
        { "ownerAddress", QJsonValue::String }, { "ownerTelephone", QJsonValue::String },
        { "ownerOther", QJsonValue::String }, { "useMorseCode", QJsonValue::Bool },
        { "morseSpeed", QJsonValue::Double }, { "blinkRate", QJsonValue::Double },
        { "sweepDirection", QJsonValue::Bool }, { "tacNo", QJsonValue::Double },
        { "tacNoRls", QJsonValue::Double }, { "tacNoRlsPlb", QJsonValue::Double },
        { "additionalInfo", QJsonValue::String }, { "progOperator", QJsonValue::String },
        { "progStation", QJsonValue::String }, { "progDealerno", QJsonValue::Double },
        { "quorvikVersion", QJsonValue::String }, { "batteryExpiryMode", QJsonValue::Double },
        { "batteryExpiry", QJsonValue::String }, { "batteryProd", QJsonValue::String },
        { "morseSequence", QJsonValue::String }, { "countryLabel", QJsonValue::String },
        { "progDate", QJsonValue::String }, { "message406", QJsonValue::String },
        { "hardwareType", QJsonValue::Double }, { "hardwareSerial", QJsonValue::Double },
        { "productionDate", QJsonValue::String }, { "vendorId", QJsonValue::Double },
        { "aisSartMmsi", QJsonValue::Double }, { "batteryType", QJsonValue::Double },
        { "duplicateReason", QJsonValue::String },
    };
    for (const auto &k : kKeys) {
        const QJsonValue v = o.value(QLatin1String(k.key));
        if (!v.isUndefined() && v.type() != k.type)
            return QLatin1String(k.key);
    }
    return QString();
}

}

QJsonObject ReportJson::toJson(const EpirbConfig &record)
{
    return toJsonObject(record);
}

std::unique_ptr<EpirbConfig> ReportJson::fromJson(const QJsonObject &o, qsizetype entry, QString *why)
{
    const int type = o.value(QStringLiteral("beaconType")).toInt();
    if (!ConfigTables::instance(nullptr)->beaconPresent(type)) {
        *why = QStringLiteral("Skipping unsupported beacon ID ") + QString::number(type);
        return nullptr;
    }
    const QString badKey = badlyTypedKey(o);
    if (!badKey.isEmpty()) {
        *why = QStringLiteral("ImportReports: Skipping entry %1: \"%2\" has the wrong type").arg(entry).arg(badKey);
        return nullptr;
    }
    const auto message = QByteArray::fromBase64Encoding(o.value(QStringLiteral("message406")).toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!message || (message.decoded.size() != 14 && message.decoded.size() != 18)) {
        *why = QStringLiteral("ImportReports: Skipping entry %1: \"message406\" is not a 14 or 18 byte message").arg(entry);
        return nullptr;
    }

    auto r = std::make_unique<EpirbConfig>(nullptr);
    r->setBeaconNo(o.value(QStringLiteral("beaconNo")).toInt() & 0xFF);
    r->setSerialBytes(o.value(QStringLiteral("beaconSerial")).toString().toLatin1());
    r->setBeaconType(type);
    r->setOwnerName(o.value(QStringLiteral("ownerName")).toString());
    r->setOwnerAddress(o.value(QStringLiteral("ownerAddress")).toString());
    r->setOwnerTelephone(o.value(QStringLiteral("ownerTelephone")).toString());
    r->setOwnerOther(o.value(QStringLiteral("ownerOther")).toString());
    r->setUseMorseCode(o.value(QStringLiteral("useMorseCode")).toBool());
    r->setMorseSpeed(o.value(QStringLiteral("morseSpeed")).toInt() & 0xFF);
    r->setBlinkRate(o.value(QStringLiteral("blinkRate")).toInt() & 0xFF);
    r->setTacNo(o.value(QStringLiteral("tacNo")).toInt() & 0xFFFF);
    r->setTacNumberRls(o.value(QStringLiteral("tacNoRls")).toInt() & 0xFFFF);
    r->setTacNumberRlsPlb(o.value(QStringLiteral("tacNoRlsPlb")).toInt() & 0xFFFF);
    r->setAdditionalInfo(o.value(QStringLiteral("additionalInfo")).toString());
    r->setSweepDirection(o.value(QStringLiteral("sweepDirection")).toBool());
    r->setProgOperator(o.value(QStringLiteral("progOperator")).toString());
    r->setProgStation(o.value(QStringLiteral("progStation")).toString());
    r->setQuorvikVersion(o.value(QStringLiteral("quorvikVersion")).toString());
    r->setMorseSequence(o.value(QStringLiteral("morseSequence")).toString());
    r->setMessageBytes(message.decoded);
    r->setBatteryExpiryMode(o.value(QStringLiteral("batteryExpiryMode")).toInt() & 0xFF);
    r->setBatteryExpiry(QDateTime(parseDate(o.value(QStringLiteral("batteryExpiry"))), QTime(0, 0)));
    r->setBatteryProd(QDateTime(parseDate(o.value(QStringLiteral("batteryProd"))), QTime(0, 0)));
    r->setProgDate(parseDate(o.value(QStringLiteral("progDate"))));
    r->setProgDealer(quint32(o.value(QStringLiteral("progDealerno")).toInteger()));
    r->setHardwareType(o.value(QStringLiteral("hardwareType")).toInt() & 0xFF);
    r->setHardwareSerial(quint32(o.value(QStringLiteral("hardwareSerial")).toInteger()));
    r->setProductionDate(parseDate(o.value(QStringLiteral("productionDate"))));
    r->setVendorId(o.value(QStringLiteral("vendorId")).toInt() & 0xFF);
    r->setAisSartMmsi(o.value(QStringLiteral("aisSartMmsi")).toInt() & 0xFF);
    r->setBatteryType(o.value(QStringLiteral("batteryType")).toInt() & 0xFF);
    r->setDuplicateReason(o.value(QStringLiteral("duplicateReason")).toString());
    return r;
}
