#include "config/countryrules.h"

#include "coding/protocoltype.h"

#include <QMap>
#include <QRegularExpression>

namespace {

CountryRule norwayRule()
{
    const int rlsTacPlb = int(ProtocolType::RlsUserTacPlb);
    InputRule callSign;
    callSign.validationExpr = QStringLiteral("[Ll][Cc]([0-9]{4})");
    callSign.transform = [](uint32_t identity) {
        return QStringLiteral("LC%1").arg(identity % 10000, 4, 10, QLatin1Char('0'));
    };
    callSign.hints = Qt::ImhUppercaseOnly | Qt::ImhLatinOnly;

    CountryRule rule;
    rule.allowedProtocols = { rlsTacPlb };
    rule.inputDescriptions = { { rlsTacPlb, QStringLiteral("Call Sign (LCxxxx):") } };
    rule.inputRules = { { rlsTacPlb, callSign } };
    rule.forcedCustomSerial = { rlsTacPlb };
    return rule;
}

const QMap<int, CountryRule> &countryRules()
{
    static const QMap<int, CountryRule> rules = [] {
        QMap<int, CountryRule> map;
        const CountryRule norway = norwayRule();
        for (int code = 257; code <= 259; ++code)
            map.insert(code, norway);
        return map;
    }();
    return rules;
}

} // namespace

const CountryRule *CountryRules::rule(int countryCode)
{
    const auto found = countryRules().constFind(countryCode);
    return found == countryRules().cend() ? nullptr : &found.value();
}

const InputRule *CountryRules::inputRule(int protocol, int countryCode)
{
    const CountryRule *country = rule(countryCode);
    if (!country)
        return nullptr;
    const auto found = country->inputRules.constFind(protocol);
    return found == country->inputRules.cend() ? nullptr : &found.value();
}

bool CountryRules::isProtocolAllowedInCountry(int protocol, int countryCode)
{
    const CountryRule *country = rule(countryCode);
    return !country || country->allowedProtocols.count(protocol) > 0;
}

bool CountryRules::isCustomSerialForced(int protocol, int countryCode)
{
    const CountryRule *country = rule(countryCode);
    return country && country->forcedCustomSerial.count(protocol) > 0;
}

QString CountryRules::inputDescription(int protocol, int countryCode)
{
    const CountryRule *country = rule(countryCode);
    return country ? country->inputDescriptions.value(protocol) : QString();
}

QString CountryRules::validationExpr(int protocol, int countryCode)
{
    const InputRule *input = inputRule(protocol, countryCode);
    return input ? input->validationExpr : QString();
}

Qt::InputMethodHints CountryRules::inputMethodHints(int protocol, int countryCode)
{
    const InputRule *input = inputRule(protocol, countryCode);
    return input ? input->hints : Qt::InputMethodHints(Qt::ImhDigitsOnly);
}

QString CountryRules::capture(int protocol, int countryCode, const QString &value)
{
    const InputRule *input = inputRule(protocol, countryCode);
    if (!input || !input->transform)
        return value;
    const QRegularExpression expr(input->validationExpr);
    const QRegularExpressionMatch match = expr.match(value);
    if (!match.hasMatch())
        return value;
    for (int group = match.lastCapturedIndex(); group > 0; --group) {
        if (match.hasCaptured(group))
            return match.captured(group);
    }
    return value;
}

QString CountryRules::transformIdentity(int protocol, int countryCode, uint32_t identity)
{
    const InputRule *input = inputRule(protocol, countryCode);
    if (input && input->transform)
        return input->transform(identity);
    return QString::number(identity);
}
