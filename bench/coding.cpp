// Throughput of message coding: encode + BCH + hex ID, and decode of stored bytes.
#include "coding/epirbmsgbase.h"
#include "coding/protocoltype.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QVector>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The pages recompute the hex ID on every keystroke; a few thousand a second is plenty.
constexpr double kTargetPerSecond = 10000;

QByteArray encodeOne(int type, int i, QByteArray *hexId, QByteArray *checksum)
{
    std::unique_ptr<EpirbMsgBase> m(EpirbMsgBase::create(type));
    m->setCountryCode(200 + i % 600);
    const bool callSign = type == ProtocolType::UserRadiocall || type == ProtocolType::UserLocationRadioCallsign;
    m->setIdentity(callSign ? QByteArray("GABC123") : QByteArray::number(366000000 + i));
    m->setSerialNumber(i % 16384);
    m->setBeaconNo(i % 10);
    m->setTacNo(1 + i % 958);
    m->setFirstEpirb(true);
    m->setAdditionalDataType(true);
    m->setNationalData(i % 64);
    m->calculateBch();
    *hexId = m->hexId();
    *checksum = m->hexIdChecksum();
    return m->messageBytes();
}

}

int main(int argc, char *argv[])
{
    const int n = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 200000;
    const int types = ProtocolType::ProtocolMax;

    QVector<QByteArray> stored;
    stored.reserve(types);
    QByteArray id, sum;
    size_t sink = 0;

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i) {
        const QByteArray bytes = encodeOne(i % types, i, &id, &sum);
        sink += size_t(bytes.at(17 % bytes.size())) + size_t(id.at(14)) + size_t(sum.at(4));
        if (stored.size() < types)
            stored.append(bytes);
    }
    const double encodeSeconds = double(t.nsecsElapsed()) / 1e9;

    t.restart();
    for (int i = 0; i < n; ++i) {
        std::unique_ptr<EpirbMsgBase> m(EpirbMsgBase::fromBytes(stored.at(i % types)));
        sink += size_t(m->protocolType()) + size_t(m->identity().size()) + size_t(m->serialNumber())
            + size_t(m->hexId().at(0)) + size_t(m->isBchValid());
    }
    const double decodeSeconds = double(t.nsecsElapsed()) / 1e9;

    const double encodeRate = n / encodeSeconds;
    const double decodeRate = n / decodeSeconds;
    std::printf("coding: %d messages over all 24 protocols (checksum %zu)\n", n, sink % 1000);
    std::printf("  encode + BCH + hex ID + checksum: %.0f messages/s (%.2f us each); target >= %.0f/s %s\n",
                encodeRate, 1e6 / encodeRate, kTargetPerSecond, encodeRate >= kTargetPerSecond ? "met" : "MISSED");
    std::printf("  decode (fromBytes, type, identity, serial, hex ID, BCH check): %.0f messages/s (%.2f us each); "
                "target >= %.0f/s %s\n",
                decodeRate, 1e6 / decodeRate, kTargetPerSecond, decodeRate >= kTargetPerSecond ? "met" : "MISSED");
    return 0;
}
