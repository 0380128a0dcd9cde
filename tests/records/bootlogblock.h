#pragma once

#include "records/epirblogdb.h"

#include <QByteArray>
#include <QtEndian>

// Builds boot-log blocks of either layout for the tests.
class BootLogBlock
{
public:
    explicit BootLogBlock(int version)
        : m_version(version)
        , m_data(version == 2 ? EpirbLogDb::kLayout2Size : EpirbLogDb::kLayout1Size, '\0')
    {
        if (version == 2)
            m_data[511] = char(2);
        else
            m_data[386] = char(version);
    }

    int slotCount() const { return m_version == 2 ? EpirbLogDb::kLayout2Slots : EpirbLogDb::kLayout1Slots; }
    int slotSize() const { return m_version == 2 ? 12 : 8; }
    int slotOffset(int slot) const { return (m_version == 2 ? 34 : 26) + slot * slotSize(); }

    void setCount(quint16 count) { put16(2, count); }
    void setIndex(quint16 index) { put16(4, index); }
    void setCounter(int i, quint8 value) { m_data[6 + i] = char(value); }
    void setByte(int offset, quint8 value) { m_data[offset] = char(value); }

    // Layout 0/1: byte 0 = reason | mask << 3.
    void setSlot1(int slot, quint8 byte0, quint8 result, quint16 minutes, quint32 tail)
    {
        const int o = slotOffset(slot);
        m_data[o] = char(byte0);
        m_data[o + 1] = char(result);
        put16(o + 2, minutes);
        put32(o + 4, tail);
    }
    void setSlot2(int slot, quint8 reason, quint8 mask, quint8 result, quint16 minutes, quint32 flags, quint32 tail)
    {
        const int o = slotOffset(slot);
        m_data[o] = char(reason);
        m_data[o + 1] = char(mask);
        m_data[o + 2] = char(result);
        put16(o + 3, minutes);
        m_data[o + 5] = char(flags);
        m_data[o + 6] = char(flags >> 8);
        m_data[o + 7] = char(flags >> 16);
        put32(o + 8, tail);
    }
    static quint32 sensorTail(qint16 pressure, qint16 temperature)
    {
        return quint32(quint16(pressure)) | (quint32(quint16(temperature)) << 16);
    }

    // With a valid CRC over the covered bytes.
    QByteArray bytes() const
    {
        QByteArray out = m_data;
        const quint16 crc = EpirbLogDb::crc16(out.constData() + 2, out.size() - 2);
        out[0] = char(crc);
        out[1] = char(crc >> 8);
        return out;
    }

private:
    void put16(int o, quint16 v) { qToLittleEndian(v, m_data.data() + o); }
    void put32(int o, quint32 v) { qToLittleEndian(v, m_data.data() + o); }

    int m_version;
    QByteArray m_data;
};
