#pragma once

#include "config/countryrule.h"

#include <QString>
#include <Qt>

#include <cstdint>

// The countries' own protocol restrictions and input conventions (Norway's call signs
// standing for the serial number). IdentityRules asks here; nothing else needs to.
class CountryRules
{
public:
    // Null for a country without a rule of its own.
    static const CountryRule *rule(int countryCode);
    static const InputRule *inputRule(int protocol, int countryCode);

    // The country's own restriction only, whatever protocols are enabled.
    static bool isProtocolAllowedInCountry(int protocol, int countryCode);
    static bool isCustomSerialForced(int protocol, int countryCode);
    // Caption of the identity field where the country names it its own way; else empty.
    static QString inputDescription(int protocol, int countryCode);
    static QString validationExpr(int protocol, int countryCode);
    static Qt::InputMethodHints inputMethodHints(int protocol, int countryCode);
    // The number a typed identity stands for ("LC1234" is 1234); the text itself otherwise.
    static QString capture(int protocol, int countryCode, const QString &value);
    // The identity as the country writes it ("LC1234"), else the number.
    static QString transformIdentity(int protocol, int countryCode, uint32_t identity);
};
