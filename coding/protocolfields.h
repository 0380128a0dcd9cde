#pragma once

#include "coding/messagedecoder.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>

class EpirbMsgBase;

// The fields of every first-generation protocol read straight from the bits, whether or not
// this program codes the protocol, with what cannot be read named as a problem.
class ProtocolFields
{
public:
    struct Output
    {
        QList<MessageDecoder::Field> fields;
        QList<MessageDecoder::BitRow> bits; // bits 37-85, then 107-132 (or 107-112) for a whole message
        QStringList problems;
        // Bits the beacon's administration defines (national use): named, but no fault of the message.
        QStringList notes;
        QJsonObject json; // every field by key, as shown
    };

    // wholeMessage: false for a 15-hex ID, whose bits 25 and 86-144 are not known.
    static Output decode(const EpirbMsgBase &msg, bool wholeMessage);

    // Bits 26-85 with the position bits at the defaults of the protocol family; empty for a
    // spare location protocol code, which defines no ID.
    static QByteArray registrationId(const EpirbMsgBase &msg);
};
