#include "bootloggenerator.h"

namespace {
void putU16(QByteArray &b, int offset, quint16 v)
{
    b[offset] = char(v & 0xff);
    b[offset + 1] = char(v >> 8);
}

void putU32(QByteArray &b, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xff);
}

struct Entry
{
    quint8 reason, mask, result;
    quint16 minutes;
    quint32 flags;
    quint32 time; // or pressure (low 16 bits) and temperature (high 16 bits)
};
}

quint16 BootLogGenerator::crc16(const QByteArray &data)
{
    quint16 crc = 0;
    for (char c : data) {
        crc ^= quint16(quint8(c)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x8005) : quint16(crc << 1);
    }
    return crc;
}

QByteArray BootLogGenerator::sampleLog()
{
    constexpr int kSlots = 38;
    constexpr int kEntriesAt = 34;
    constexpr int kSlotSize = 12;
    QByteArray log(kLogSize, '\0');

    const Entry entries[] = {
        { 0, 0x01, 0, 1, 0x000001, quint32(9870) | (quint32(215) << 16) }, // STD test, 98.7 hPa, 21.5 C
        { 1, 0x02, 0, 3, 0x000001, 1767225600 },                                   // GNSS test
        { 2, 0x00, 0, 0, 0x000001, quint32(10000) | (quint32(235) << 16) },         // aborted, 100 hPa, 23.5 C
        { 6, 0x04, 0, 12, 0x000000, 1767312000 },                                  // manual, unclean shutdown
        { 3, 0x00, 0, 0, 0x000003, 1767398400 },                                   // programming session
    };
    const int count = int(sizeof entries / sizeof entries[0]);
    putU16(log, 2, quint16(count));
    putU16(log, 4, quint16(count - 1));
    const quint8 counters[16] = { 14, 3, 1, 5, 0, 0, 2, 0, 1, 0, 0, 1, 2, 3, 4, 5 };
    for (int i = 0; i < 16; ++i)
        log[6 + i] = char(counters[i]);
    const qint16 sensors[6] = { 3012, -45, 1013, 250, 0, 7 };
    for (int i = 0; i < 6; ++i)
        putU16(log, 22 + 2 * i, quint16(sensors[i]));
    for (int i = 0; i < count; ++i) {
        const Entry &e = entries[i];
        const int at = kEntriesAt + kSlotSize * i;
        log[at] = char(e.reason);
        log[at + 1] = char(e.mask);
        log[at + 2] = char(e.result);
        putU16(log, at + 3, e.minutes);
        log[at + 5] = char(e.flags & 0xff);
        log[at + 6] = char((e.flags >> 8) & 0xff);
        log[at + 7] = char((e.flags >> 16) & 0xff);
        putU32(log, at + 8, e.time);
    }
    static_assert(kEntriesAt + kSlots * kSlotSize == 490, "slot area ends at the trailer");
    log[490] = char(0x5a);
    log[491] = char(0xa5);
    log[511] = char(2);
    putU16(log, 0, crc16(log.mid(2)));
    return log;
}

QByteArray BootLogGenerator::sampleTransfer()
{
    return sampleLog() + QByteArray(kTransferSize - kLogSize, char(0xff));
}
