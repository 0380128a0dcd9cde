#pragma once

#include <QByteArray>

class EpirbMsgBase;

// The position a location protocol's message carries: the coarse position of
// PDF-1 (or PDF-2 for the user-location protocols) refined by the PDF-2 offsets
// where present. Beacons with a navigation input rewrite these fields, so the
// registration hex ID is the one with them back at their default values.
class EncodedPosition
{
public:
    // Reads the position of a message; a message of any other protocol has none.
    static EncodedPosition fromMessage(const EpirbMsgBase &msg);
    // The 15-digit hex ID of msg with its PDF-1 position fields at their defaults:
    // what the beacon is registered under, whatever position it last transmitted.
    static QByteArray registrationHexId(const EpirbMsgBase &msg);

    // The protocol has position fields at all.
    bool hasFields() const { return m_hasFields; }
    // The fields hold a position rather than their defaults (or values out of range).
    bool isKnown() const { return m_known; }
    // Degrees; south and west negative.
    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }

private:
    bool m_hasFields = false;
    bool m_known = false;
    double m_latitude = 0;
    double m_longitude = 0;
};
