#include "config/datablockcodec.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"

#include <QDebug>
#include <QStringList>
#include <QtEndian>

#include <array>

namespace {

// Offsets of the fields in the block.
enum Offset {
    OffTypeId = 0,
    OffVendor = 1,
    OffSerial = 2,
    OffAisCode = 10,
    OffBatteryType = 11,
    OffTacNo = 12,
    OffRlsPlb = 20,
    OffRlsEpirb = 22,
    OffProductionDate = 28,
    OffMarker = 30,
    OffMessageLength = 32,
    OffMessage = 33,
    OffSweep = 51,
    OffMorse = 52,
    OffOwner = 65,
    OffDealer = 126,
    OffStation = 130,
    OffOperator = 146,
    OffProgDate = 156,
    OffVersion = 158,
    OffBatteryProd = 168,
    OffBatteryExpiry = 170,
};

constexpr int kSerialWidth = 8;
constexpr int kMorseWidth = 9;
constexpr int kOwnerWidth = 61;
constexpr int kStationWidth = kDataBlockStationWidth;
constexpr int kOperatorWidth = kDataBlockOperatorWidth;
constexpr int kVersionWidth = 8;
constexpr quint16 kMarker = 0xCAFE;
constexpr quint8 kSkuaP5TypeId = 21;

// International Morse of the 40 characters a beacon can key, in alphabet order.
const QString &morseAlphabet()
{
    static const QString alphabet = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅ0123456789/");
    return alphabet;
}

const std::array<quint8, 40> &morseCodes()
{
    static const std::array<quint8, 40> codes = [] {
        static const char *const elements[40] = {
            ".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",  "..",    ".---",
            "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",  "--.-",  ".-.",   "...",   "-",
            "..-",   "...-",  ".--",   "-..-",  "-.--",  "--..",  ".-.-",  "---.",  ".--.-", "-----",
            ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----.", "-..-.",
        };
        std::array<quint8, 40> out {};
        for (int i = 0; i < 40; ++i) {
            const QByteArray e(elements[i]);
            quint8 pattern = 0;
            for (int k = 0; k < e.size(); ++k) {
                if (e.at(k) == '-')
                    pattern |= quint8(1u << k);
            }
            out[size_t(i)] = quint8((e.size() << 5) | pattern);
        }
        return out;
    }();
    return codes;
}

quint8 byteAt(const QByteArray &block, int offset)
{
    return quint8(block.at(offset));
}

quint16 u16At(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint16>(block.constData() + offset);
}

quint32 u32At(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(block.constData() + offset);
}

void putU16(QByteArray &block, int offset, quint16 value)
{
    qToLittleEndian<quint16>(value, block.data() + offset);
}

void putU32(QByteArray &block, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, block.data() + offset);
}

void putBytes(QByteArray &block, int offset, const QByteArray &bytes, int width)
{
    const int n = qMin(int(bytes.size()), width);
    std::copy_n(bytes.constData(), n, block.data() + offset);
}

// A zero-padded text field, cut before its first zero byte.
QByteArray fieldText(const QByteArray &block, int offset, int width)
{
    QByteArray field = block.mid(offset, width);
    const int zero = field.indexOf('\0');
    if (zero >= 0)
        field.truncate(zero);
    return field;
}

QByteArray ownerField(const EpirbConfig &config)
{
    QByteArray owner;
    for (const QString &text : { config.ownerName(), config.ownerAddress(), config.ownerTelephone(), config.ownerOther() }) {
        owner += text.toUtf8();
        owner += '\0';
    }
    if (owner.size() > kOwnerWidth) {
        // Never leave half a UTF-8 character at the end of the field.
        int cut = kOwnerWidth;
        while (cut > 0 && (quint8(owner.at(cut)) & 0xC0) == 0x80)
            --cut;
        owner.truncate(cut);
    }
    owner.append(kOwnerWidth - owner.size(), '\0');
    return owner;
}

// Bytes the beacon keeps for itself whatever the host sends: its factory data, which
// the program only reads (the encoder leaves them 0). A verification must not count them.
struct BeaconOwnedField
{
    const char *name;
    int offset;
    int size;
};
constexpr BeaconOwnedField kBeaconOwnedFields[] = {
    { "vendor identifier", OffVendor, 1 },
    { "battery type code", OffBatteryType, 1 },
};

bool isBeaconOwned(int offset)
{
    for (const BeaconOwnedField &f : kBeaconOwnedFields) {
        if (offset >= f.offset && offset < f.offset + f.size)
            return true;
    }
    return false;
}

// The record cannot be decoded from this block; says why in the log.
bool rejectBlock(const QByteArray &block)
{
    if (block.size() < kDataBlockMinSize) {
        qWarning().noquote() << QStringLiteral("Data block of %1 bytes is too short").arg(block.size());
        return true;
    }
    const quint8 typeId = byteAt(block, OffTypeId);
    if (typeId != kSkuaP5TypeId || !ConfigTables::instance(nullptr)->beaconPresent(ConfigTables::E_SkuaP5)) {
        qWarning().noquote() << QStringLiteral("Unsupported beacon type ID %1").arg(typeId);
        return true;
    }
    // The 0xCAFE marker is not required: beacons with a block without it must stay
    // readable and programmable. Only isDataBlock looks for it.
    const int length = byteAt(block, OffMessageLength);
    if (length > kDataBlockMaxMessage) {
        qWarning().noquote() << QStringLiteral("Invalid 406 MHz message length %1 in data block").arg(length);
        return true;
    }
    return false;
}

} // namespace

quint16 packDate(const QDate &date)
{
    const uint year = uint(date.year() - 2000) & 0x7F;
    const uint month = uint(date.month()) & 0xF;
    const uint day = uint(date.day()) & 0x1F;
    return quint16(year | (month << 7) | (day << 11));
}

QDate unpackDate(quint16 word)
{
    const int yearOffset = word & 0x7F;
    const int month = (word >> 7) & 0xF;
    const int day = word >> 11;
    if (yearOffset == 0 && month == 0 && day == 0)
        return QDate(2000, 1, 1);
    const QDate date(yearOffset + 2000, month, day);
    if (date.isValid())
        return date;
    return QDate(yearOffset + 2000, month, 1);
}

QByteArray morseToBytes(const QString &text)
{
    const QString upper = text.toUpper();
    QByteArray bytes;
    bytes.reserve(upper.size());
    for (const QChar c : upper) {
        const int i = morseAlphabet().indexOf(c);
        if (i < 0)
            return QByteArray();
        bytes.append(char(morseCodes()[size_t(i)]));
    }
    return bytes;
}

QString bytesToMorse(const QByteArray &bytes)
{
    const auto &codes = morseCodes();
    QString text;
    for (const char b : bytes) {
        const auto it = std::find(codes.begin(), codes.end(), quint8(b));
        if (it == codes.end())
            break;
        text.append(morseAlphabet().at(int(it - codes.begin())));
    }
    return text;
}

QByteArray encodeDataBlock(const EpirbConfig &config)
{
    const QByteArray message = config.messageBytes();
    if (message.size() > kDataBlockMaxMessage) {
        qWarning().noquote() << QStringLiteral("A message of %1 bytes does not fit the data block").arg(message.size());
        return QByteArray();
    }

    QByteArray block(kDataBlockSize, '\0');
    switch (config.beaconType()) {
    case ConfigTables::E_Skua11A:
        block[OffTypeId] = char(18);
        break;
    case ConfigTables::E_Skua11RA:
        block[OffTypeId] = char(19);
        break;
    case ConfigTables::E_Skua31A:
        block[OffTypeId] = char(20);
        break;
    case ConfigTables::E_SkuaP5:
        block[OffTypeId] = char(kSkuaP5TypeId);
        break;
    default:
        break;
    }

    putBytes(block, OffSerial, config.serialBytes(), kSerialWidth);
    block[OffAisCode] = char(config.aisSartMmsi());
    putU16(block, OffTacNo, quint16(config.tacNo()));
    putU16(block, OffRlsPlb, quint16(config.tacNoRlsPlb()));
    putU16(block, OffRlsEpirb, quint16(config.tacNoRls()));
    putU16(block, OffMarker, kMarker);

    putU16(block, OffProductionDate, packDate(config.productionDate()));
    putU16(block, OffBatteryExpiry, packDate(config.batteryExpiryDate()));
    putU16(block, OffBatteryProd, packDate(config.batteryProdDate()));

    block[OffMessageLength] = char(message.size());
    putBytes(block, OffMessage, message, kDataBlockMaxMessage);

    block[OffSweep] = char(config.sweepDirection() ? 1 : 0);
    putBytes(block, OffMorse, morseToBytes(config.morseSequence()), kMorseWidth);
    putBytes(block, OffOwner, ownerField(config), kOwnerWidth);

    putU32(block, OffDealer, config.progDealer());
    putBytes(block, OffStation, config.progStation().toLatin1(), kStationWidth);
    putBytes(block, OffOperator, config.progOperator().toLatin1(), kOperatorWidth);
    putU16(block, OffProgDate, packDate(config.progDate()));
    putBytes(block, OffVersion, config.quorvikVersion().toLatin1(), kVersionWidth);
    return block;
}

bool decodeDataBlock(const QByteArray &block, EpirbConfig &config)
{
    if (rejectBlock(block))
        return false;

    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setVendorId(byteAt(block, OffVendor));
    config.setSerialBytes(fieldText(block, OffSerial, kSerialWidth));

    config.setAisSartMmsi(byteAt(block, OffAisCode));
    config.setBatteryType(byteAt(block, OffBatteryType));
    config.setTacNo(u16At(block, OffTacNo));
    config.setTacNumberRls(u16At(block, OffRlsEpirb));
    config.setTacNumberRlsPlb(u16At(block, OffRlsPlb));
    config.setProductionDate(unpackDate(u16At(block, OffProductionDate)));

    config.setMessageBytes(block.mid(OffMessage, byteAt(block, OffMessageLength)));

    config.setSweepDirection(byteAt(block, OffSweep) == 1);
    const QString morse = bytesToMorse(block.mid(OffMorse, kMorseWidth));
    config.setMorseSequence(morse);
    config.setUseMorseCode(!morse.isEmpty());

    const QList<QByteArray> owner = block.mid(OffOwner, kOwnerWidth).split('\0');
    auto ownerPiece = [&owner](int i) { return QString::fromUtf8(owner.value(i)).simplified(); };
    config.setOwnerName(ownerPiece(0));
    config.setOwnerAddress(ownerPiece(1));
    config.setOwnerTelephone(ownerPiece(2));
    config.setOwnerOther(ownerPiece(3));

    config.setProgDealer(u32At(block, OffDealer));
    config.setProgStation(QString::fromLatin1(fieldText(block, OffStation, kStationWidth)));
    config.setProgOperator(QString::fromLatin1(fieldText(block, OffOperator, kOperatorWidth)));
    config.setQuorvikVersion(QString::fromLatin1(fieldText(block, OffVersion, kVersionWidth)));
    config.setProgDate(unpackDate(u16At(block, OffProgDate)));
    config.setBatteryProd(QDateTime(unpackDate(u16At(block, OffBatteryProd)), QTime(0, 0)));
    config.setBatteryExpiry(QDateTime(unpackDate(u16At(block, OffBatteryExpiry)), QTime(0, 0)));
    return true;
}

bool isDataBlock(const QByteArray &block)
{
    if (block.size() < kDataBlockMinSize)
        return false;
    const quint8 typeId = byteAt(block, OffTypeId);
    return typeId >= 18 && typeId <= kSkuaP5TypeId && u16At(block, OffMarker) == kMarker
        && byteAt(block, OffMessageLength) <= kDataBlockMaxMessage;
}

int writtenBlockDifference(const QByteArray &written, const QByteArray &readBack)
{
    if (written.isEmpty())
        return 0;
    for (int i = 0; i < written.size(); ++i) {
        if (i >= readBack.size())
            return i;
        if (written.at(i) != readBack.at(i) && !isBeaconOwned(i))
            return i;
    }
    return -1;
}

int ownerTextBytes(const EpirbConfig &config)
{
    // The zero after the last text may fall off the field's end: trailing empty texts
    // and the last separator take no room, a separator between two texts does.
    QStringList texts = { config.ownerName(), config.ownerAddress(), config.ownerTelephone(), config.ownerOther() };
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return int(texts.join(QLatin1Char('\0')).toUtf8().size());
}

int ownerTextCapacity()
{
    return kOwnerWidth;
}

void limitDataBlockTexts(EpirbConfig &config)
{
    QString station = QString::fromLatin1(config.progStation().toLatin1()).simplified();
    QString op = QString::fromLatin1(config.progOperator().toLatin1()).simplified();
    if (station.size() > kStationWidth)
        station = station.left(kStationWidth).simplified();
    if (op.size() > kOperatorWidth)
        op = op.left(kOperatorWidth).simplified();
    config.setProgStation(station);
    config.setProgOperator(op);
    const QString version = config.quorvikVersion();
    if (version.size() > kVersionWidth)
        config.setQuorvikVersion(version.left(kVersionWidth));
}
