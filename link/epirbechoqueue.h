#pragma once

#include <QByteArray>

#include <deque>

// The adapter's line is half-duplex and hands back every byte the host sends.
// Bytes are queued as they are written; received bytes that match are echoes.
class EpirbEchoQueue
{
public:
    void add(const QByteArray &bytes);
    void add(char byte) { m_queue.push_back(byte); }
    // True when the received byte is the echo of a queued byte. Queued bytes in front
    // of the match were lost on the line and are dropped with it.
    bool consume(char received);
    int size() const { return int(m_queue.size()); }
    void clear() { m_queue.clear(); }

private:
    std::deque<char> m_queue;
};
