#include "coding/protocolfields.h"

#include "coding/epirbmsgbase.h"
#include "coding/fieldreader.h"
#include "coding/locationprotocolfields.h"
#include "coding/userprotocolfields.h"

ProtocolFields::Output ProtocolFields::decode(const EpirbMsgBase &msg, bool wholeMessage)
{
    Output o;
    FieldReader r(msg, o);
    if (msg.bits(26, 1))
        UserProtocolFields::read(r, wholeMessage);
    else
        LocationProtocolFields::read(r, wholeMessage);
    return o;
}

QByteArray ProtocolFields::registrationId(const EpirbMsgBase &msg)
{
    if (msg.bits(26, 1))
        return msg.hexId();
    LocationProtocolFields::DefaultPosition d;
    if (!LocationProtocolFields::defaultPosition(msg.bits(37, 4), d))
        return QByteArray();
    EpirbMsgBase id;
    id.loadBytes(msg.messageBytes());
    id.setBits(d.first, d.width, d.pattern);
    return id.hexId();
}
