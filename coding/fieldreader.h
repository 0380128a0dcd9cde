#pragma once

#include <utility>

#include "coding/protocolfields.h"

#include <QString>

class EpirbMsgBase;

// Reads one message's bits into a decode: the bit table's rows, the fields, and what cannot be read.
class FieldReader
{
public:
    // A position's coarse part plus offsets, before its hemisphere is applied.
    struct Coordinate
    {
        uint hemisphere = 0; // 1 south or west
        double magnitude = 0;
    };

    FieldReader(const EpirbMsgBase &m, ProtocolFields::Output &o);

    uint at(int first, int width) const;
    const EpirbMsgBase &message() const { return m; }

    void field(const QString &key, const QString &label, const QString &value, bool problem = false);
    void problem(const QString &text);
    void note(const QString &text);
    void row(int first, int width, const QString &name, const QString &value);
    void bin(int first, int width, const QString &name);
    void dec(int first, int width, const QString &name);

    // Modified Baudot, 6 bits a character (5 for letters-only fields, whose leading 1 is dropped);
    // an unassigned code shows as <bits> and is a problem.
    QString baudot(int first, int chars, int width, const QString &what);

    // A coarse position laid end to end from bit first: N/S, 7 bits of degrees, minutes in
    // steps; E/W, 8 bits of degrees, minutes. Its rows go to the bit table.
    std::pair<Coordinate, Coordinate> coarsePosition(int first, int minuteBits, int stepMinutes);
    // The position with its resolution; out of range is a problem.
    QString positionText(const Coordinate &lat, const Coordinate &lon, const QString &resolution);
    // Offset: sign bit (1 plus), minutes, 4-second steps; the row goes to the bit table.
    double offsetOf(int first, int minuteBits, const QString &name);

    static QString binary(uint value, int width);
    static QString hexOf(uint value, int digits);
    static QString yesNo(uint bit);
    static QString source(uint bit);
    static QString auxDevice(uint code);

private:
    const EpirbMsgBase &m;
    ProtocolFields::Output &o;
};
