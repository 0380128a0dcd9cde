#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <Qt>

#include <cstdint>
#include <functional>
#include <set>

// How a country wants a protocol's identity typed in and shown.
struct InputRule
{
    QString validationExpr; // the last capture group holds the number
    std::function<QString(uint32_t)> transform;
    Qt::InputMethodHints hints = Qt::ImhNone;
};

// Protocol restrictions and input conventions of one country.
struct CountryRule
{
    std::set<int> allowedProtocols;
    QMap<int, QString> inputDescriptions;
    QMap<int, InputRule> inputRules;
    std::set<int> forcedCustomSerial;
};
