#pragma once

#include <QtGlobal>

class FieldReader;

// The location protocols (bit 26 = 0): standard, national, RLS and ELT(DT), each with its own
// identity bits and position layout.
class LocationProtocolFields
{
public:
    // First bit, width and "no position" pattern of a protocol family's PDF-1 position.
    struct DefaultPosition
    {
        int first = 0;
        int width = 0;
        uint pattern = 0;
    };

    static void read(FieldReader &r, bool whole);

    // False for a spare protocol code, which defines no position and no ID.
    static bool defaultPosition(uint protocolCode, DefaultPosition &d);
};
