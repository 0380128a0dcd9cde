#pragma once

// The time a configuration-block cycle cannot beat: the wire rate plus the pauses the
// protocol asks for, on the critical path only. Shared by the link and programming benches.
namespace linkfloor {

constexpr double kBaud = 2400;
constexpr double kByteMs = 10 * 1000.0 / kBaud; // 10 bits per byte on the line
constexpr int kBlocks = 1;                      // one 192-byte block
constexpr int kPacket = 197;
constexpr double kControlPauseMs = 20;          // before each control byte and packet
constexpr double kPacketBytePauseMs = 10;       // after each byte of a packet the host sends
constexpr double kVerifyPauseMs = 100;

// Only what lies on the critical path counts: echoes of host bytes that overlap a
// host pause are free, the beacon's own bytes and the echo right before them are not.
inline double readFloorMs(bool withSync)
{
    double bytes = 0, pauses = 0;
    if (withSync) {
        bytes += 1;             // the sync character
        pauses += kControlPauseMs; // before 0xAA
    }
    pauses += kControlPauseMs;  // before "C" (the echoes of 0xAA, "X", page fit inside)
    bytes += 1 + kBlocks * kPacket; // echo of "C", then the packets
    pauses += kBlocks * kControlPauseMs; // ACK of each packet
    bytes += 2;                 // echo of the ACK, EOT
    pauses += kControlPauseMs;  // ACK of EOT
    bytes += 2;                 // echo of the ACK, ETB
    pauses += kControlPauseMs;  // ACK of ETB, after which the read is complete
    return bytes * kByteMs + pauses;
}

inline double writeFloorMs()
{
    double bytes = 3;           // echo of "Y" 0x00, then "C"
    double pauses = kBlocks * (kControlPauseMs + kPacket * kPacketBytePauseMs);
    // The echo of the last packet byte and the ACK fit inside its 10 ms pause.
    pauses += kControlPauseMs;  // EOT
    bytes += 2;                 // echo of EOT, ACK
    pauses += kControlPauseMs;  // ETB
    bytes += 2;                 // echo of ETB, ACK
    return bytes * kByteMs + pauses;
}

// Read with sync, write, the pause before the read-back, and the read-back.
inline double cycleFloorMs()
{
    return readFloorMs(true) + writeFloorMs() + kVerifyPauseMs + readFloorMs(false);
}

}
