#include "config/epirbconfig.h"

#include "coding/epirbmsgbase.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"

#include <QDebug>

#include <memory>

namespace {

using MessagePtr = std::unique_ptr<EpirbMsgBase>;

MessagePtr newMessage(int protocol)
{
    return MessagePtr(EpirbMsgBase::create(protocol));
}

MessagePtr messageFrom(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return nullptr;
    return MessagePtr(EpirbMsgBase::fromBytes(bytes));
}

// Numeric texts that do not parse count as 0.
uint unsignedNumber(const QByteArray &text)
{
    bool ok = false;
    const uint v = text.toUInt(&ok);
    return ok ? v : 0;
}

int signedNumber(const QByteArray &text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : 0;
}

} // namespace

EpirbConfig::EpirbConfig(QObject *parent)
    : QObject(parent)
{
    reset();
}

EpirbConfig::~EpirbConfig() = default;

void EpirbConfig::reset()
{
    const QByteArray serial = m_serial;
    const QDate today = QDate::currentDate();

    m_message.clear();
    m_sweepDirection = 0;
    m_useMorseCode = false;
    m_morseSequence.clear();
    m_blinkRate = 0;
    m_morseSpeed = 0;

    m_hwType = 0;
    m_hwSerial = 0;
    m_productionDate = today;
    m_beaconType = 0;
    m_vendorId = 0;
    m_serial = serial;
    m_aisSartMmsi = 0;
    m_batteryType = 0;
    m_tacNo = 0;
    m_tacNoRls = 0;
    m_tacNoRlsPlb = 0;

    m_batteryExpiry = today;
    m_batteryProd = today;
    m_batteryExpiryMode = 0;

    m_ownerName.clear();
    m_ownerAddress.clear();
    m_ownerTelephone.clear();
    m_ownerOther.clear();
    m_progOperator.clear();
    m_progDealer = 0;
    m_progStation.clear();
    m_progDate = QDate();
    m_quorvikVersion.clear();
    m_additionalInfo.clear();

    m_protocolId = 0;
    m_mmsi.clear();
    m_beaconNo = 0;
    m_countryCode = 0;
    m_countryLabel.clear();
    m_firstEpirb = true;
    m_additionalDataType = true;
    m_additionalData = 0;
    m_customSerial = 0;
    m_duplicateReason.clear();
    m_registerPending = false;

    m_extraMetadata = ConfigExtraMetadata();
}

void EpirbConfig::copyFrom(const EpirbConfig &other)
{
    if (&other == this)
        return;
    m_message = other.m_message;
    m_sweepDirection = other.m_sweepDirection;
    m_useMorseCode = other.m_useMorseCode;
    m_morseSequence = other.m_morseSequence;
    m_blinkRate = other.m_blinkRate;
    m_morseSpeed = other.m_morseSpeed;

    m_hwType = other.m_hwType;
    m_hwSerial = other.m_hwSerial;
    m_productionDate = other.m_productionDate;
    m_beaconType = other.m_beaconType;
    emit beaconTypeChanged();
    m_vendorId = other.m_vendorId;
    m_serial = other.m_serial;
    m_aisSartMmsi = other.m_aisSartMmsi;
    m_batteryType = other.m_batteryType;
    m_tacNo = other.m_tacNo;
    m_tacNoRls = other.m_tacNoRls;
    m_tacNoRlsPlb = other.m_tacNoRlsPlb;

    m_batteryExpiry = other.m_batteryExpiry;
    m_batteryProd = other.m_batteryProd;
    m_batteryExpiryMode = other.m_batteryExpiryMode;

    m_ownerName = other.m_ownerName;
    m_ownerAddress = other.m_ownerAddress;
    m_ownerTelephone = other.m_ownerTelephone;
    m_ownerOther = other.m_ownerOther;
    m_progOperator = other.m_progOperator;
    m_progDealer = other.m_progDealer;
    m_progStation = other.m_progStation;
    m_progDate = other.m_progDate;
    m_quorvikVersion = other.m_quorvikVersion;
    m_additionalInfo = other.m_additionalInfo;

    m_protocolId = other.m_protocolId;
    m_mmsi = other.m_mmsi;
    m_beaconNo = other.m_beaconNo;
    m_countryCode = other.m_countryCode;
    m_countryLabel = other.m_countryLabel;
    m_firstEpirb = other.m_firstEpirb;
    m_additionalDataType = other.m_additionalDataType;
    m_additionalData = other.m_additionalData;
    m_customSerial = other.m_customSerial;
    m_duplicateReason = other.m_duplicateReason;
    m_registerPending = other.m_registerPending;

    m_extraMetadata = other.m_extraMetadata;
}

int EpirbConfig::compare(const EpirbConfig &other) const
{
    int diff = 0;
    auto mark = [&diff](bool differs, int bit) {
        if (differs)
            diff |= bit;
    };
    mark(m_message != other.m_message, DiffMessage);
    mark(m_sweepDirection != other.m_sweepDirection, DiffSweepDirection);
    mark(m_useMorseCode != other.m_useMorseCode, DiffUseMorseCode);
    mark(m_morseSequence != other.m_morseSequence, DiffMorseSequence);
    mark(m_blinkRate != other.m_blinkRate, DiffBlinkRate);
    mark(m_morseSpeed != other.m_morseSpeed, DiffMorseSpeed);
    mark(m_ownerName != other.m_ownerName, DiffOwnerName);
    mark(m_ownerAddress != other.m_ownerAddress, DiffOwnerAddress);
    mark(m_ownerTelephone != other.m_ownerTelephone, DiffOwnerTelephone);
    mark(m_ownerOther != other.m_ownerOther, DiffOwnerOther);
    mark(m_progOperator != other.m_progOperator, DiffProgOperator);
    mark(m_progDealer != other.m_progDealer, DiffProgDealer);
    mark(m_progStation != other.m_progStation, DiffProgStation);
    mark(m_progDate != other.m_progDate, DiffProgDate);
    mark(m_quorvikVersion != other.m_quorvikVersion, DiffQuorvikVersion);
    return diff;
}

bool EpirbConfig::isTestProtocol() const
{
    return ConfigTables::instance(nullptr)->isTestProtocol(m_protocolId);
}

int EpirbConfig::storedTacForProtocol() const
{
    switch (m_protocolId) {
    case ConfigTables::E_RlsUserTacEpirb:
    case ConfigTables::E_RlsUserTacTest:
        return m_tacNoRls;
    case ConfigTables::E_RlsUserTacPlb:
        return m_tacNoRlsPlb;
    default:
        return m_tacNo;
    }
}

MessagePtr EpirbConfig::composeMessage() const
{
    const int category = ConfigTables::instance(nullptr)->csBeaconType(m_beaconType);
    MessagePtr msg = newMessage(m_protocolId);
    if (!msg)
        return msg;

    msg->setCountryCode(encodedCountryCode());
    msg->setIdentity(m_mmsi.toLatin1());
    msg->setSerialNumber(encodedSerial());
    msg->setBeaconNo(m_beaconNo);
    msg->setTacNo(storedTacForProtocol() % 1000);
    msg->setFirstEpirb(m_firstEpirb);
    msg->setAdditionalDataType(m_additionalDataType);
    msg->setNationalData(m_additionalData);
    if (category == ConfigTables::E_csPLB)
        msg->setManualActivationOnly(true);
    // Serial-user EPIRBs always go out as non-float-free (100 in bits 40-42).
    const int type = msg->protocolType();
    if (type == ConfigTables::E_UserSerialEpirb || type == ConfigTables::E_UserLocationSerialEpirb)
        msg->setBeaconCategory(4);
    msg->calculateBch();
    return msg;
}

QByteArray EpirbConfig::composedMessage() const
{
    const MessagePtr msg = composeMessage();
    return msg ? msg->messageBytes() : m_message;
}

void EpirbConfig::calculateCsMsg()
{
    MessagePtr msg = composeMessage();
    if (!msg)
        return;
    qDebug() << "m_mmsi" << m_mmsi << msg->identity();
    qDebug() << "Calculate cospas sarsat msg" << "BeaconNo" << int(m_beaconNo);
    m_message = msg->messageBytes();
}

int EpirbConfig::protocolSerial() const
{
    MessagePtr msg = newMessage(m_protocolId);
    if (!msg)
        return encodedSerial();
    msg->setSerialNumber(encodedSerial());
    return msg->serialNumber();
}

bool EpirbConfig::isSgBeacon() const
{
    if (m_beaconType <= 9)
        return false;
    if (m_beaconType <= 13)
        return true;
    qWarning() << "Using default isSgBeacon value as type " << int(m_beaconType) << "is not defined";
    return true;
}

int EpirbConfig::encodedSerial() const
{
    // A national ID is never the beacon's serial number: 0 is a national ID of its own.
    if (m_protocolId == ConfigTables::E_NationalLocationPlb || m_protocolId == ConfigTables::E_NationalLocationTest)
        return m_customSerial;
    if (m_customSerial > 0)
        return m_customSerial;
    return int(unsignedNumber(m_serial));
}

int EpirbConfig::resolveCountryCode(int rawCode, const QString &mmsi)
{
    if (rawCode < 982 || rawCode > 989)
        return rawCode;
    bool ok = false;
    const int lastDigits = mmsi.size() >= 2 ? mmsi.left(2).toInt(&ok) : 0;
    if (!ok) {
        qWarning().noquote() << QStringLiteral("Could not recreate country code with 98 prefix from code %1 and MMSI %2.")
                                    .arg(rawCode)
                                    .arg(mmsi);
        return rawCode;
    }
    return (rawCode % 10) * 100 + lastDigits;
}

int EpirbConfig::countryCode() const
{
    return resolveCountryCode(m_countryCode, m_mmsi);
}

bool EpirbConfig::isAssociatedCraft() const
{
    return m_countryCode >= 982 && m_countryCode <= 989;
}

QString EpirbConfig::labelForCountry(int rawCode) const
{
    return CountryCodeModel::instance(nullptr)->countryLabelText(resolveCountryCode(rawCode, m_mmsi));
}

void EpirbConfig::setCountryCode(int code)
{
    m_countryCode = code;
    m_countryLabel = labelForCountry(code);
}

int EpirbConfig::encodedCountryCode() const
{
    return encodeCountryCode(countryCode());
}

int EpirbConfig::encodedTacNo() const
{
    return storedTacForProtocol();
}

int EpirbConfig::aisUserId() const
{
    if (!isSgBeacon() || m_aisSartMmsi == 0)
        return 0;
    return 974000000 + m_aisSartMmsi * 10000 + signedNumber(m_serial) % 10000;
}

int EpirbConfig::tacNoRls() const
{
    return m_tacNoRls < 1000 ? m_tacNoRls + 1000 : m_tacNoRls;
}

int EpirbConfig::tacNoRlsPlb() const
{
    return m_tacNoRlsPlb < 1000 ? m_tacNoRlsPlb + 3000 : m_tacNoRlsPlb;
}

QString EpirbConfig::epirbAsciiMsg() const
{
    return QString::fromLatin1(m_message.toHex().toUpper());
}

QString EpirbConfig::epirbHexMsg() const
{
    MessagePtr msg = messageFrom(m_message);
    return msg ? QString::fromLatin1(msg->hexId()) : QString();
}

QString EpirbConfig::epirbHexChecksum() const
{
    MessagePtr msg = messageFrom(m_message);
    return msg ? QString::fromLatin1(msg->hexIdChecksum()) : QString();
}

void EpirbConfig::setBeaconType(int type)
{
    m_beaconType = quint8(type);
    emit beaconTypeChanged();
}

void EpirbConfig::setExtraMetadata(const ConfigExtraMetadata &value)
{
    m_extraMetadata = value;
    emit extraMetadataChanged();
}

void EpirbConfig::setBatteryExpiry(const QDateTime &expiry)
{
    m_batteryExpiry = expiry.date();
    emit batteryExpiryChanged();
}

void EpirbConfig::setBatteryProd(const QDateTime &prod)
{
    m_batteryProd = prod.date();
    emit batteryProdChanged();
}

EpirbMsgBase *EpirbConfig::createMessage() const
{
    return messageFrom(m_message).release();
}

void EpirbConfig::setMessageBytes(const QByteArray &bytes)
{
    m_message = bytes;
    m_customSerial = 0;

    if (bytes.isEmpty()) {
        // A never-programmed beacon: no identity to derive, and none left from an earlier beacon.
        m_countryCode = 0;
        m_protocolId = ConfigTables::E_ProtocolMax;
        m_mmsi.clear();
        m_beaconNo = 0;
        m_firstEpirb = true;
        m_additionalDataType = true;
        m_additionalData = 0;
        m_countryLabel = labelForCountry(0);
        return;
    }

    MessagePtr msg = messageFrom(bytes);
    if (!msg)
        return;

    m_countryCode = msg->countryCode();
    m_protocolId = msg->protocolType();
    m_mmsi = QString::fromLatin1(msg->identity());
    m_beaconNo = quint8(msg->beaconNo());
    m_firstEpirb = msg->firstEpirb();
    m_additionalDataType = msg->additionalDataType();
    m_additionalData = msg->nationalData();
    // The 98-prefix rule needs this message's identity, not the one held before.
    m_countryLabel = labelForCountry(m_countryCode);

    const int s = msg->serialNumber();
    if (m_protocolId == ConfigTables::E_NationalLocationPlb || m_protocolId == ConfigTables::E_NationalLocationTest) {
        m_customSerial = s;
    } else {
        const int t = signedNumber(m_serial);
        if (s != 0 && s != t) {
            // A serial the protocol merely truncated is not a custom one.
            msg->setSerialNumber(t);
            if (s != msg->serialNumber())
                m_customSerial = s;
        }
    }
}

void EpirbConfig::applyMetadataBatteryExpiry()
{
    const QString text = m_extraMetadata.batteryExpireDate();
    if (text.isEmpty())
        return;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date == m_batteryExpiry)
        return;
    qWarning().noquote() << QStringLiteral("Wrong battery expire date detected (%1), using date from NFC metadata (%2)")
                                .arg(m_batteryExpiry.toString(QStringLiteral("yyyy-MM-dd")),
                                     date.toString(QStringLiteral("yyyy-MM-dd")));
    m_batteryExpiry = date;
    emit batteryExpiryChanged();
}
