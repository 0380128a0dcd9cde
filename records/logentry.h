#pragma once

#include <QDateTime>
#include <QtGlobal>

// One boot or self-test of the beacon as decoded from its boot log.
struct LogEntry
{
    quint8 bootReason = 0;
    quint8 bootMask = 0;
    quint8 testResult = 0;
    quint16 durationMinutes = 0;
    QDateTime timestamp;        // invalid when the slot carries sensor values instead
    double pressure = 0.0;      // hPa
    double temperature = 0.0;   // degrees C
    quint32 flags = 0;          // 24 bits, layout 2 only
    bool cleanShutdown = false;
    bool excessiveShutdownTime = false;
};
