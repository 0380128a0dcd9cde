#pragma once

#include <QByteArray>

// Builds the beacon's boot and self-test log as page 2 holds it: a version-2 log of
// 512 bytes with its CRC, padded to whole 192-byte transfer blocks.
class BootLogGenerator
{
public:
    static constexpr int kLogSize = 512;
    static constexpr int kTransferSize = 576;

    // CRC-16 poly 0x8005, initial 0, not reflected, no final XOR.
    static quint16 crc16(const QByteArray &data);
    // A plausible log: a few self-tests, a pressure/temperature entry, counters.
    static QByteArray sampleLog();
    static QByteArray sampleTransfer();
};
