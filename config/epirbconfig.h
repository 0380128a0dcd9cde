#pragma once

#include "config/configextrametadata.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class EpirbMsgBase;

// Everything known about one beacon's programming: hardware identity, protocol
// and identity fields, the 406 MHz message, homing, battery, owner and
// programming data. The controller keeps one as read and one being edited.
class EpirbConfig : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Backend managed object")

    Q_PROPERTY(int beaconType READ beaconType WRITE setBeaconType NOTIFY beaconTypeChanged)
    Q_PROPERTY(ConfigExtraMetadata extraMetadata READ extraMetadata NOTIFY extraMetadataChanged)
    Q_PROPERTY(QDateTime batteryExpiry READ batteryExpiry WRITE setBatteryExpiry NOTIFY batteryExpiryChanged)
    Q_PROPERTY(QDateTime batteryProd READ batteryProd WRITE setBatteryProd NOTIFY batteryProdChanged)

public:
    explicit EpirbConfig(QObject *parent = nullptr);
    ~EpirbConfig() override;

    // Bits of compare(): low byte radio settings, next bytes owner and programming data.
    enum CompareBit {
        DiffMessage = 0x1,
        DiffSweepDirection = 0x2,
        DiffUseMorseCode = 0x4,
        DiffMorseSequence = 0x8,
        DiffBlinkRate = 0x10,
        DiffMorseSpeed = 0x20,
        DiffOwnerName = 0x100,
        DiffOwnerAddress = 0x200,
        DiffOwnerTelephone = 0x400,
        DiffOwnerOther = 0x800,
        DiffProgOperator = 0x8000,
        DiffProgDealer = 0x10000,
        DiffProgStation = 0x20000,
        DiffProgDate = 0x40000,
        DiffQuorvikVersion = 0x80000,
    };

    Q_INVOKABLE bool isTestProtocol() const;
    Q_INVOKABLE void calculateCsMsg();
    Q_INVOKABLE int protocolSerial() const;
    Q_INVOKABLE int beaconSelected() const { return m_beaconType; }
    Q_INVOKABLE bool isSgBeacon() const;
    Q_INVOKABLE QString beaconSerial() const { return QString::fromLatin1(m_serial); }
    Q_INVOKABLE void setSerial(const QString &qstrSerial) { m_serial = qstrSerial.toLatin1(); }
    Q_INVOKABLE int encodedSerial() const;
    Q_INVOKABLE int countryCode() const;
    Q_INVOKABLE int rawCountryCode() const { return m_countryCode; }
    Q_INVOKABLE bool isAssociatedCraft() const;
    Q_INVOKABLE void setCountryCode(int code);
    Q_INVOKABLE int encodedCountryCode() const;
    Q_INVOKABLE bool useMorseCode() const { return m_useMorseCode; }
    Q_INVOKABLE void setUseMorseCode(bool morse) { m_useMorseCode = morse; }
    Q_INVOKABLE QString morseSequence() const { return m_morseSequence; }
    Q_INVOKABLE void setMorseSequence(const QString &morseSequence) { m_morseSequence = morseSequence; }
    Q_INVOKABLE bool sweepDirection() const { return m_sweepDirection == 1; }
    Q_INVOKABLE void setSweepDirection(bool up) { m_sweepDirection = up ? 1 : 0; }
    Q_INVOKABLE QString countryLabel() const { return m_countryLabel; }
    Q_INVOKABLE void setCountryLabel(const QString &countryLabel) { m_countryLabel = countryLabel; }
    Q_INVOKABLE int protocolId() const { return m_protocolId; }
    Q_INVOKABLE void setProtocolId(int prot) { m_protocolId = prot; }
    Q_INVOKABLE int beaconNo() const { return m_beaconNo; }
    Q_INVOKABLE void setBeaconNo(int bno) { m_beaconNo = quint8(bno); }
    Q_INVOKABLE QString mmsi() const { return m_mmsi; }
    Q_INVOKABLE void setMmsi(const QString &mmsi) { m_mmsi = mmsi; }
    Q_INVOKABLE bool firstEpirb() const { return m_firstEpirb; }
    Q_INVOKABLE void setFirstEpirb(bool firstEpirb) { m_firstEpirb = firstEpirb; }
    Q_INVOKABLE int tacNo() const { return m_tacNo; }
    Q_INVOKABLE void setTacNo(int tac_no) { m_tacNo = quint16(tac_no); }
    Q_INVOKABLE int encodedTacNo() const;
    Q_INVOKABLE int aisUserId() const;
    Q_INVOKABLE int tacNoRls() const;
    Q_INVOKABLE int tacNoRlsPlb() const;
    Q_INVOKABLE void setTacNumberRls(int tacRls_no) { m_tacNoRls = quint16(tacRls_no); }
    Q_INVOKABLE void setTacNumberRlsPlb(int tacRlsPlb_no) { m_tacNoRlsPlb = quint16(tacRlsPlb_no); }
    Q_INVOKABLE QString epirbAsciiMsg() const;
    Q_INVOKABLE QString epirbHexMsg() const;
    Q_INVOKABLE QString epirbHexChecksum() const;
    Q_INVOKABLE void setOwnerName(const QString &qstr) { m_ownerName = qstr.simplified(); }
    Q_INVOKABLE QString ownerName() const { return m_ownerName; }
    Q_INVOKABLE void setOwnerAddress(const QString &qstr) { m_ownerAddress = qstr.simplified(); }
    Q_INVOKABLE QString ownerAddress() const { return m_ownerAddress; }
    Q_INVOKABLE void setOwnerTelephone(const QString &qstr) { m_ownerTelephone = qstr.simplified(); }
    Q_INVOKABLE QString ownerTelephone() const { return m_ownerTelephone; }
    Q_INVOKABLE void setOwnerOther(const QString &qstr) { m_ownerOther = qstr.simplified(); }
    Q_INVOKABLE QString ownerOther() const { return m_ownerOther; }
    Q_INVOKABLE void setAdditionalInfo(const QString &qstr) { m_additionalInfo = qstr; }
    Q_INVOKABLE QString additionalInfo() const { return m_additionalInfo; }
    Q_INVOKABLE void setProgDate(const QDate &date_) { m_progDate = date_; }
    Q_INVOKABLE QDate progDate() const { return m_progDate; }
    Q_INVOKABLE uint progDealer() const { return m_progDealer; }
    Q_INVOKABLE void setProgOperator(const QString &qstr) { m_progOperator = qstr.simplified(); }
    Q_INVOKABLE QString progOperator() const { return m_progOperator; }
    Q_INVOKABLE void setProgStation(const QString &qstr) { m_progStation = qstr.simplified(); }
    Q_INVOKABLE QString progStation() const { return m_progStation; }
    Q_INVOKABLE void setQuorvikVersion(const QString &qstr) { m_quorvikVersion = qstr; }
    Q_INVOKABLE QString quorvikVersion() const { return m_quorvikVersion; }
    Q_INVOKABLE void setCustomSerial(int serial) { m_customSerial = serial; }
    Q_INVOKABLE int customSerial() const { return m_customSerial; }
    Q_INVOKABLE void setAdditionalDataType(bool position) { m_additionalDataType = position; }
    Q_INVOKABLE bool additionalDataType() const { return m_additionalDataType; }
    Q_INVOKABLE void setAdditionalData(int data) { m_additionalData = data; }
    Q_INVOKABLE int additionalData() const { return m_additionalData; }
    Q_INVOKABLE void setBatteryExpiryMode(int n) { m_batteryExpiryMode = quint8(n); }
    Q_INVOKABLE int batteryExpiryMode() const { return m_batteryExpiryMode; }
    // Why this beacon was programmed with a hex ID another beacon carries; empty normally.
    Q_INVOKABLE QString duplicateReason() const { return m_duplicateReason; }
    Q_INVOKABLE void setDuplicateReason(const QString &reason) { m_duplicateReason = reason.simplified(); }

    // Properties.
    int beaconType() const { return m_beaconType; }
    void setBeaconType(int type);
    ConfigExtraMetadata extraMetadata() const { return m_extraMetadata; }
    void setExtraMetadata(const ConfigExtraMetadata &value);
    QDateTime batteryExpiry() const { return QDateTime(m_batteryExpiry, QTime(0, 0)); }
    void setBatteryExpiry(const QDateTime &expiry);
    QDateTime batteryProd() const { return QDateTime(m_batteryProd, QTime(0, 0)); }
    void setBatteryProd(const QDateTime &prod);

    // Back-end operations.
    void reset();
    void copyFrom(const EpirbConfig &other);
    int compare(const EpirbConfig &other) const;
    // The stored message as a message object (caller owns it); null when there is no message.
    EpirbMsgBase *createMessage() const;
    // Stores a message and derives the identity members from it.
    void setMessageBytes(const QByteArray &bytes);
    QByteArray messageBytes() const { return m_message; }
    // The message calculateCsMsg() stores, from the fields as they are now (the stored one
    // when no encoder handles the protocol): what a page shows while the fields are edited.
    QByteArray composedMessage() const;
    void applyMetadataBatteryExpiry();

    // Plain members for the data block and the database.
    QByteArray serialBytes() const { return m_serial; }
    void setSerialBytes(const QByteArray &serial) { m_serial = serial; }
    int hardwareType() const { return m_hwType; }
    void setHardwareType(int type) { m_hwType = quint8(type); }
    quint32 hardwareSerial() const { return m_hwSerial; }
    void setHardwareSerial(quint32 serial) { m_hwSerial = serial; }
    QDate productionDate() const { return m_productionDate; }
    void setProductionDate(const QDate &date) { m_productionDate = date; }
    int vendorId() const { return m_vendorId; }
    void setVendorId(int id) { m_vendorId = quint8(id); }
    // AIS manufacturer code of the beacon (kept as "aisSartMmsi" in the database).
    int aisSartMmsi() const { return m_aisSartMmsi; }
    void setAisSartMmsi(int code) { m_aisSartMmsi = quint8(code); }
    int batteryType() const { return m_batteryType; }
    void setBatteryType(int code) { m_batteryType = quint8(code); }
    int blinkRate() const { return m_blinkRate; }
    void setBlinkRate(int rate) { m_blinkRate = quint8(rate); }
    int morseSpeed() const { return m_morseSpeed; }
    void setMorseSpeed(int speed) { m_morseSpeed = quint8(speed); }
    void setProgDealer(quint32 dealer) { m_progDealer = dealer; }
    // The stored RLS numbers, without the offsets tacNoRls()/tacNoRlsPlb() add.
    int storedTacNoRls() const { return m_tacNoRls; }
    int storedTacNoRlsPlb() const { return m_tacNoRlsPlb; }
    QDate batteryExpiryDate() const { return m_batteryExpiry; }
    QDate batteryProdDate() const { return m_batteryProd; }
    // Programmed while a shared register is set up and not sent to it yet (this station's state only).
    bool registerPending() const { return m_registerPending; }
    void setRegisterPending(bool pending) { m_registerPending = pending; }

    // The 98-prefix rule: an associated craft's raw code 982..989 and its MMSI give the real country.
    static int resolveCountryCode(int rawCode, const QString &mmsi);
    // The code the message carries for a real country code (319 goes out as 232).
    static int encodeCountryCode(int code) { return code == 319 ? 232 : code; }

signals:
    void beaconTypeChanged();
    void bracketIdChanged();
    void nextSbmDateChanged();
    void batteryExpiryChanged();
    void batteryProdChanged();
    void extraMetadataChanged();

private:
    std::unique_ptr<EpirbMsgBase> composeMessage() const;
    QString labelForCountry(int rawCode) const;
    // The n from which the message's TAC field is made for this protocol.
    int storedTacForProtocol() const;

    // message and homing
    QByteArray m_message;
    quint8 m_sweepDirection = 0;
    bool m_useMorseCode = false;
    QString m_morseSequence;
    quint8 m_blinkRate = 0;
    quint8 m_morseSpeed = 0;
    // hardware
    quint8 m_hwType = 0;
    quint32 m_hwSerial = 0;
    QDate m_productionDate;
    quint8 m_beaconType = 0;
    quint8 m_vendorId = 0;
    QByteArray m_serial;
    quint8 m_aisSartMmsi = 0;
    quint8 m_batteryType = 0;
    quint16 m_tacNo = 0;
    quint16 m_tacNoRls = 0;
    quint16 m_tacNoRlsPlb = 0;
    // battery
    QDate m_batteryExpiry;
    QDate m_batteryProd;
    quint8 m_batteryExpiryMode = 0;
    // owner and programming
    QString m_ownerName;
    QString m_ownerAddress;
    QString m_ownerTelephone;
    QString m_ownerOther;
    QString m_progOperator;
    quint32 m_progDealer = 0;
    QString m_progStation;
    QDate m_progDate;
    QString m_quorvikVersion;
    QString m_additionalInfo;
    // identity
    int m_protocolId = 0;
    QString m_mmsi;
    quint8 m_beaconNo = 0;
    int m_countryCode = 0;
    QString m_countryLabel;
    bool m_firstEpirb = true;
    bool m_additionalDataType = true;
    int m_additionalData = 0;
    int m_customSerial = 0;
    QString m_duplicateReason;
    bool m_registerPending = false;
    // metadata
    ConfigExtraMetadata m_extraMetadata;
};
