#include "coding/epirbmsgbase.h"

#include "coding/locationnational.h"
#include "coding/locationrlsmmsi.h"
#include "coding/locationrlstac.h"
#include "coding/locationusermaritime.h"
#include "coding/locationuserradiocall.h"
#include "coding/locationuserserial.h"
#include "coding/mmsistdlong.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"
#include "coding/serialstdlong.h"
#include "coding/unsupportedprotocol.h"
#include "coding/usermaritime.h"
#include "coding/userradiocall.h"
#include "coding/userserial.h"

#include <QDebug>

#include <cstring>

namespace {

constexpr int kBufferBits = EpirbMsgBase::kBufferSize * 8;

// BCH-1: BCH(82,61), BCH-2: BCH(38,26) of C/S T.001.
constexpr quint32 kBch1Generator = 0x26D9E3;
constexpr quint32 kBch2Generator = 0x1539;

// Modified-Baudot table indexed by 6-bit code; 0 marks a code without character.
struct BaudotTable
{
    char fromCode[64] = {};
    quint8 toCode[256] = {};

    BaudotTable()
    {
        static const struct { char c; quint8 code; } entries[] = {
            { 'A', 070 }, { 'B', 063 }, { 'C', 056 }, { 'D', 062 }, { 'E', 060 }, { 'F', 066 },
            { 'G', 053 }, { 'H', 045 }, { 'I', 054 }, { 'J', 072 }, { 'K', 076 }, { 'L', 051 },
            { 'M', 047 }, { 'N', 046 }, { 'O', 043 }, { 'P', 055 }, { 'Q', 075 }, { 'R', 052 },
            { 'S', 064 }, { 'T', 041 }, { 'U', 074 }, { 'V', 057 }, { 'W', 071 }, { 'X', 067 },
            { 'Y', 065 }, { 'Z', 061 }, { ' ', 044 }, { '-', 030 }, { '/', 027 },
            { '0', 015 }, { '1', 035 }, { '2', 031 }, { '3', 020 }, { '4', 012 },
            { '5', 001 }, { '6', 025 }, { '7', 034 }, { '8', 014 }, { '9', 003 },
        };
        for (const auto &e : entries) {
            fromCode[e.code] = e.c;
            toCode[quint8(e.c)] = e.code;
        }
    }
};

const BaudotTable &baudot()
{
    static const BaudotTable table;
    return table;
}

// Remainder of the polynomial formed by bits first..last (inclusive) modulo
// the generator of the given degree; zero when the code word is intact.
quint32 bchRemainder(const EpirbMsgBase &msg, int first, int last, quint32 generator, int degree)
{
    const quint32 top = 1u << degree;
    quint32 r = 0;
    for (int i = first; i <= last; ++i) {
        r = (r << 1) | msg.bits(i, 1);
        if (r & top)
            r ^= generator;
    }
    return r;
}

char hexDigit(uint nibble)
{
    return "0123456789ABCDEF"[nibble & 0xF];
}

} // namespace

EpirbMsgBase::EpirbMsgBase()
{
    std::memset(m_buffer, 0, sizeof m_buffer);
    setBits(1, 15, 0x7FFF);
    setBits(16, 9, 47); // frame sync 000101111, normal operation
    emit Update();
}

EpirbMsgBase::~EpirbMsgBase() = default;

EpirbMsgBase *EpirbMsgBase::create(int type)
{
    using namespace ProtocolType;
    switch (type) {
    case StdLocationMmsi: return new MmsiStdLong();
    case StdLocationSerialEpirb: return new SerialStdLong(6);
    case UserMmsi: return new UserMaritime();
    case UserRadiocall: return new UserRadioCall();
    case UserSerialEpirb: return new UserSerial(2, false);
    case UserLocationMmsi: return new LocationUserMaritime();
    case UserLocationRadioCallsign: return new LocationUserRadioCall();
    case UserLocationSerialEpirb: return new LocationUserSerial(2, false);
    case RlsUserTacEpirb: return new LocationRlsTac(1);
    case RlsUserMmsiEpirb: return new LocationRlsMmsi(0);
    case StdLocationTest: return new SerialStdLong(14);
    case UserTestEpirb: return new UserSerial(2, true);
    case UserLocationTestEpirb: return new LocationUserSerial(2, true);
    case RlsUserTacTest: return new LocationRlsTac(3);
    case RlsUserMmsiTest: return new LocationRlsMmsi(3);
    case StdLocationSerialPlb: return new SerialStdLong(7);
    case UserSerialPlb: return new UserSerial(6, false);
    case UserLocationSerialPlb: return new LocationUserSerial(6, false);
    case NationalLocationPlb: return new LocationNational(false);
    case RlsUserTacPlb: return new LocationRlsTac(2);
    case RlsUserMmsiPlb: return new LocationRlsMmsi(2);
    case UserTestPlb: return new UserSerial(6, true);
    case UserLocationTestPlb: return new LocationUserSerial(6, true);
    case NationalLocationTest: return new LocationNational(true);
    case ProtocolMax: return new UnsupportedProtocol();
    default:
        qDebug() << "Unhandled protocol type" << type;
        return nullptr;
    }
}

EpirbMsgBase *EpirbMsgBase::fromBytes(const QByteArray &bytes)
{
    EpirbMsgBase probe;
    probe.loadBytes(bytes);
    EpirbMsgBase *msg = create(probe.protocolType());
    if (msg)
        msg->loadBytes(bytes);
    return msg;
}

int EpirbMsgBase::protocolType() const
{
    using namespace ProtocolType;
    if (bits(26, 1) == 1) {
        const bool isLong = bits(25, 1) == 1;
        const bool plb = bits(40, 3) == 6;
        switch (bits(37, 3)) {
        case 2: return isLong ? UserLocationMmsi : UserMmsi;
        case 3:
            // Only the EPIRB and PLB beacon types are this program's; ELTs and the spare codes are not.
            if (bits(40, 3) != 2 && bits(40, 3) != 4 && !plb)
                return ProtocolMax;
            if (isLong)
                return plb ? UserLocationSerialPlb : UserLocationSerialEpirb;
            return plb ? UserSerialPlb : UserSerialEpirb;
        case 6: return isLong ? UserLocationRadioCallsign : UserRadiocall;
        case 7:
            if (isLong)
                return plb ? UserLocationTestPlb : UserLocationTestEpirb;
            return plb ? UserTestPlb : UserTestEpirb;
        default: return ProtocolMax;
        }
    }
    switch (bits(37, 4)) {
    case 2: return StdLocationMmsi;
    case 6: return StdLocationSerialEpirb;
    case 7: return StdLocationSerialPlb;
    case 11: return NationalLocationPlb;
    case 14: return StdLocationTest;
    case 15: return NationalLocationTest;
    case 13: {
        const uint t = bits(41, 2);
        if (bits(43, 4) == 0xF) {
            if (t == 2)
                return RlsUserMmsiPlb;
            if (t == 3)
                return RlsUserMmsiTest;
            return RlsUserMmsiEpirb;
        }
        switch (t) {
        case 1: return RlsUserTacEpirb;
        case 2: return RlsUserTacPlb;
        case 3: return RlsUserTacTest;
        default: return ProtocolMax;
        }
    }
    default: return ProtocolMax;
    }
}

void EpirbMsgBase::setIdentity(const QByteArray &) { }
QByteArray EpirbMsgBase::identity() const { return QByteArray(); }
void EpirbMsgBase::setBeaconNo(int) { }

bool EpirbMsgBase::setBaudotBeaconNo(int n)
{
    // Only 0-9 and A-Z exist as a Baudot beacon number; anything else would
    // put a code without character into the message.
    if (n < 0 || n > 35) {
        qWarning() << "Beacon number out of range, not written:" << n;
        return false;
    }
    const char c = n < 10 ? char('0' + n) : char('A' + (n - 10));
    setBits(76, 6, toBaudot(c));
    return true;
}

int EpirbMsgBase::baudotBeaconNo() const
{
    const char c = fromBaudot(bits(76, 6));
    return quint8(c < ':' ? c - '0' : c - 55);
}
int EpirbMsgBase::beaconNo() const { return 0; }
void EpirbMsgBase::setTacNo(int) { }
int EpirbMsgBase::tacNo() const { return 0; }
void EpirbMsgBase::setSerialNumber(int) { }
int EpirbMsgBase::serialNumber() const { return 0; }
void EpirbMsgBase::setBeaconCategory(int) { }
QString EpirbMsgBase::beaconCategoryName() const { return QString(); }
void EpirbMsgBase::setNationalData(int) { }
int EpirbMsgBase::nationalData() const { return 0; }
void EpirbMsgBase::setAdditionalDataType(bool) { }
bool EpirbMsgBase::additionalDataType() const { return true; }
void EpirbMsgBase::setManualActivationOnly(bool) { }
void EpirbMsgBase::setFirstEpirb(bool) { }
bool EpirbMsgBase::firstEpirb() const { return true; }
int EpirbMsgBase::maxSerialNumber() const { return 0; }

void EpirbMsgBase::loadBytes(const QByteArray &bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), kBufferSize);
    if (n > 0)
        std::memcpy(m_buffer, bytes.constData(), size_t(n));
}

void EpirbMsgBase::setBits(int firstBit, int width, uint value)
{
    if (width <= 0 || firstBit < 1 || width > 32 || firstBit + width - 1 > kBufferBits)
        return;
    // Work on the (at most five) bytes covering the field as one 64-bit word.
    const int startByte = (firstBit - 1) / 8;
    const int endByte = (firstBit + width - 2) / 8;
    const int nBytes = endByte - startByte + 1;
    quint64 word = 0;
    for (int i = 0; i < nBytes; ++i)
        word = (word << 8) | m_buffer[startByte + i];
    const int shift = (endByte + 1) * 8 - (firstBit + width - 1);
    const quint64 mask = ((width == 32 ? 0xFFFFFFFFull : ((1ull << width) - 1))) << shift;
    word = (word & ~mask) | ((quint64(value) << shift) & mask);
    for (int i = nBytes - 1; i >= 0; --i) {
        m_buffer[startByte + i] = quint8(word & 0xFF);
        word >>= 8;
    }
}

uint EpirbMsgBase::bits(int firstBit, int width) const
{
    if (width <= 0 || firstBit < 1 || width > 32 || firstBit + width - 1 > kBufferBits)
        return 0;
    const int startByte = (firstBit - 1) / 8;
    const int endByte = (firstBit + width - 2) / 8;
    quint64 word = 0;
    for (int i = startByte; i <= endByte; ++i)
        word = (word << 8) | m_buffer[i];
    const int shift = (endByte + 1) * 8 - (firstBit + width - 1);
    const quint64 mask = width == 32 ? 0xFFFFFFFFull : ((1ull << width) - 1);
    return uint((word >> shift) & mask);
}

uint EpirbMsgBase::toBaudot(char c)
{
    return baudot().toCode[quint8(c)];
}

char EpirbMsgBase::fromBaudot(uint code)
{
    if (code > 63)
        return '\0';
    const char c = baudot().fromCode[code];
    return c ? c : ' ';
}

void EpirbMsgBase::setLongFormat()
{
    setBits(25, 1, 1);
    emit Update();
}

void EpirbMsgBase::setShortFormat()
{
    setBits(25, 1, 0);
    emit Update();
}

bool EpirbMsgBase::isLongFormat() const
{
    return bits(25, 1) == 1;
}

void EpirbMsgBase::setUserProtocol(int code)
{
    setBits(26, 1, 1);
    setBits(37, 3, uint(code));
    emit Update();
}

void EpirbMsgBase::setLocationProtocol(int code)
{
    setBits(26, 1, 0);
    setBits(37, 4, uint(code));
    emit Update();
}

void EpirbMsgBase::setCountryCode(int code)
{
    setBits(27, 10, uint(code));
    emit Update();
}

int EpirbMsgBase::countryCode() const
{
    return int(bits(27, 10));
}

void EpirbMsgBase::calculateBch()
{
    // BCH-1 over bits 25-85, shifted by the 21 parity bits.
    uint r = bits(25, 22);
    for (int b = 86; b <= 106; ++b)
        setBits(b, 1, 0);
    int i = 47;
    do {
        while (!(r & 0x200000) && i < 107) {
            r = (r << 1) | bits(i, 1);
            ++i;
        }
        if (r & 0x200000)
            r ^= kBch1Generator;
    } while (i < 107);
    setBits(86, 21, r);

    if (bits(25, 1) != 1)
        return;

    // BCH-2 over bits 107-132, shifted by the 12 parity bits.
    r = bits(107, 13);
    for (int b = 133; b <= 144; ++b)
        setBits(b, 1, 0);
    int j = 120;
    do {
        while (!(r & 0x1000) && j < 145) {
            r = (r << 1) | bits(j, 1);
            ++j;
        }
        if (r & 0x1000)
            r ^= kBch2Generator;
    } while (j < 145);
    setBits(133, 12, r);
}

bool EpirbMsgBase::isBch1Valid() const
{
    return bchRemainder(*this, 25, 106, kBch1Generator, 21) == 0;
}

bool EpirbMsgBase::isBch2Valid() const
{
    return bchRemainder(*this, 107, 144, kBch2Generator, 12) == 0;
}

bool EpirbMsgBase::isBchValid() const
{
    return isBch1Valid() && (!isLongFormat() || isBch2Valid());
}

bool EpirbMsgBase::isBchValid(const QByteArray &messageBytes)
{
    if (messageBytes.size() < kShortBytes)
        return false;
    EpirbMsgBase msg;
    msg.loadBytes(messageBytes);
    if (msg.isLongFormat() && messageBytes.size() < kLongBytes)
        return false;
    return msg.isBchValid();
}

QByteArray EpirbMsgBase::messageBytes() const
{
    return QByteArray(reinterpret_cast<const char *>(m_buffer), isLongFormat() ? kLongBytes : kShortBytes);
}

QByteArray EpirbMsgBase::hexMessage() const
{
    return messageBytes().toHex().toUpper();
}

QByteArray EpirbMsgBase::hexId() const
{
    QByteArray id(15, '0');
    for (int k = 0; k < 15; ++k)
        id[k] = hexDigit(bits(26 + 4 * k, 4));
    return id;
}

QByteArray EpirbMsgBase::hexIdChecksum() const
{
    return checksumOfHexId(hexId());
}

QByteArray EpirbMsgBase::checksumOfHexId(const QByteArray &hexId)
{
    quint32 m = 3803, r = 0, s = 0;
    for (char c : hexId) {
        s = quint32(quint8(c)) + r * m;
        r = s % 538471u;
        m = (m * 3911u) % 3847u;
    }
    s &= 0xFFFFF;
    QByteArray out(5, '0');
    for (int k = 4; k >= 0; --k) {
        out[k] = hexDigit(s);
        s >>= 4;
    }
    return out;
}

QString EpirbMsgBase::protocolName() const
{
    return ProtocolNames::longName(protocolType());
}

QString EpirbMsgBase::protocolGroupName() const
{
    return ProtocolNames::groupName(protocolType());
}
