#pragma once

#include "ptyendpoint.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <atomic>
#include <mutex>
#include <random>
#include <thread>

// Plays the programming adapter and a beacon on a pseudo-terminal: echoes every
// host byte, presses TEST (repeats the sync character until answered with 0xAA)
// and serves the page commands of both beacon generations.
class BeaconSimulator
{
public:
    struct Options
    {
        char sync = 'H';              // 'H' current generation, 'A'..'G' older
        int baud = 0;                 // pace output at 10 bits per byte; 0 = full speed
        QByteArray block;             // initial configuration (192 bytes, or older pages)
        QByteArray bootLog;           // page 2 as sent; empty = BootLogGenerator::sampleTransfer()
        QString storeFile;            // keeps written data across runs; loaded when present
        int pages = 0;                // older generation: 1 or 2; 0 = two for 'F', else one
        int syncIntervalMs = 100;     // between two sync characters
        int resyncMs = 2000;          // idle time after which TEST is pressed again; 0 never
        quint32 seed = 1;
        double dropRate = 0;          // fraction of own bytes lost
        double corruptRate = 0;       // fraction of own bytes garbled
        int nakFirst = 0;             // NAK the first N packets the host sends
        qint64 stallAfter = -1;       // send nothing more after N bytes
        bool silent = false;          // neither echo nor answer
        int garbage = 0;              // random bytes sent at each TEST press, before the sync
        bool faultEchoes = true;      // drops and garbling hit the adapter's echoes too
        bool echo = true;             // false: an adapter that does not echo the host
        int replyDelayMs = 0;         // the beacon waits this long before each answer
        qint64 dropNth = -1;          // the beacon's own n-th byte (from 0, echoes not counted) is lost
        int ignoreAcks = 0;           // the first N ACKs to packets it sends never reach the beacon
        int failWrite = 0;            // the N-th completed write (from 1) keeps one byte wrong
        QString linkPath;             // symbolic link to the device
    };

    struct Stats
    {
        int syncsSent = 0;
        int handshakes = 0;
        int packetsReceived = 0;
        int naksSent = 0;
        int cancelsReceived = 0;
        int writesCompleted = 0;
        int readsServed = 0;
        int byteWrites = 0;
        qint64 bytesSent = 0;
        qint64 hostBytes = 0;
    };

    explicit BeaconSimulator(const Options &options);
    ~BeaconSimulator();
    BeaconSimulator(const BeaconSimulator &) = delete;
    BeaconSimulator &operator=(const BeaconSimulator &) = delete;

    bool start();
    void stop();
    QString devicePath() const { return m_pty.devicePath(); }

    QByteArray block() const;
    QByteArray olderPage(int page) const;
    void setBlock(const QByteArray &block);
    Stats stats() const;
    // The beacon's TEST button: it announces itself again.
    void pressTest() { m_pressTest = true; }
    // The operator takes the beacon off the adapter and connects another, which
    // announces itself: one adapter serves a whole production line.
    void connectBeacon(const QByteArray &block);

    // A factory-fresh PLB block carrying only the serial number.
    static QByteArray blankBlock(const QString &serial);

private:
    enum class Phase { Sync, Commands };

    void run();
    bool syncPhase();
    void commandPhase();
    void serveXmodemRead(quint8 page);
    void serveXmodemWrite();
    void serveOlderPage(quint8 page);
    void storeOlderByte(quint8 page, quint8 address, quint8 value);

    bool readByte(quint8 &byte, int timeoutMs);
    bool interrupted() const { return m_stop || m_pressTest; }
    void send(const QByteArray &bytes, bool echo = false);
    void sendByte(quint8 byte) { send(QByteArray(1, char(byte))); }
    void persist();
    bool isOlder() const { return m_options.sync != 'H'; }

    Options m_options;
    PtyEndpoint m_pty;
    std::thread m_thread;
    std::atomic<bool> m_stop{ false };
    std::atomic<bool> m_pressTest{ false };
    mutable std::mutex m_mutex; // guards the memory and the figures below
    QByteArray m_block;
    QMap<int, QByteArray> m_olderPages;
    Stats m_stats;
    QByteArray m_in;
    std::mt19937 m_random;
    qint64 m_nextByteNs = 0;
    qint64 m_lastHostByteNs = 0;
    qint64 m_beaconBytes = 0;
    int m_acksToIgnore = 0;
    int m_naksLeft = 0;
};
