#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// One 406 MHz distress message (144-bit long or 112-bit short format), bits
// numbered 1..144 as in C/S T.001: bit 1 is the MSB of byte 0.
// Subclasses (one per protocol family) write their fixed bits in the
// constructor and the identity fields through the virtual setters.
class EpirbMsgBase : public QObject
{
    Q_OBJECT

public:
    static constexpr int kBufferSize = 32;
    static constexpr int kLongBytes = 18;
    static constexpr int kShortBytes = 14;

    EpirbMsgBase();
    ~EpirbMsgBase() override;

    // Factory: a new object for a protocol type 0..24 (caller owns it), null otherwise.
    static EpirbMsgBase *create(int type);
    // A new object of the subclass the bits describe (UnsupportedProtocol when
    // none fits); caller owns it. Accepts any length: at most kBufferSize bytes are used.
    static EpirbMsgBase *fromBytes(const QByteArray &bytes);

    virtual int protocolType() const;
    virtual void setIdentity(const QByteArray &text);
    virtual QByteArray identity() const;
    virtual void setBeaconNo(int n);
    virtual int beaconNo() const;
    virtual void setTacNo(int n);
    virtual int tacNo() const;
    virtual void setSerialNumber(int n);
    virtual int serialNumber() const;
    virtual void setBeaconCategory(int category);
    virtual QString beaconCategoryName() const;
    virtual void setNationalData(int n);
    virtual int nationalData() const;
    virtual void setAdditionalDataType(bool position);
    virtual bool additionalDataType() const;
    virtual void setManualActivationOnly(bool manualOnly);
    virtual void setFirstEpirb(bool first);
    virtual bool firstEpirb() const;
    virtual int maxSerialNumber() const;

    // Copies min(size, kBufferSize) bytes from byte 0; the rest keeps its values.
    void loadBytes(const QByteArray &bytes);

    // Field access by C/S bit number. Bits outside the buffer are read as 0
    // and never written.
    void setBits(int firstBit, int width, uint value);
    uint bits(int firstBit, int width) const;

    // Modified-Baudot code of C/S T.001: 0 for characters outside the table.
    static uint toBaudot(char c);
    // Space for code 0 and unused codes, '\0' above 63.
    static char fromBaudot(uint code);

    void setLongFormat();
    void setShortFormat();
    bool isLongFormat() const;
    void setUserProtocol(int code);
    void setLocationProtocol(int code);
    void setCountryCode(int code);
    int countryCode() const;

    // Writes BCH-1, and BCH-2 for a long message.
    void calculateBch();

    // Checks without changing anything: BCH-1 over bits 25-106, BCH-2 over
    // bits 107-144. isBchValid() asks BCH-2 only of long messages.
    bool isBch1Valid() const;
    bool isBch2Valid() const;
    bool isBchValid() const;
    // Same for stored message bytes (sync bits included); false when too short
    // for the format its bit 25 announces.
    static bool isBchValid(const QByteArray &messageBytes);

    QByteArray messageBytes() const;
    QByteArray hexMessage() const;
    QByteArray hexId() const;
    QByteArray hexIdChecksum() const;
    // Checksum of any 15-digit hex ID text (upper-case expected).
    static QByteArray checksumOfHexId(const QByteArray &hexId);
    QString protocolName() const;
    QString protocolGroupName() const;

signals:
    void Update();

protected:
    // The user protocols carry the beacon number as one Baudot character (0-9, A-Z)
    // in bits 76-81. Out-of-range numbers are refused (false), never written.
    bool setBaudotBeaconNo(int n);
    int baudotBeaconNo() const;

private:
    quint8 m_buffer[kBufferSize];
};
