#include "coding/unsupportedprotocol.h"

#include "coding/protocoltype.h"

UnsupportedProtocol::UnsupportedProtocol() = default;

int UnsupportedProtocol::protocolType() const
{
    return ProtocolType::ProtocolMax;
}
