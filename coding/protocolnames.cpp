#include "coding/protocolnames.h"

#include "coding/protocoltype.h"

const QStringList &ProtocolNames::longNames()
{
    static const QStringList names = {
        QStringLiteral("Std Location - MMSI"),
        QStringLiteral("Std Location - Serial/TAC (EPIRB)"),
        QStringLiteral("User - MMSI"),
        QStringLiteral("User - Radio Call sign"),
        QStringLiteral("User - Serial/TAC (EPIRB)"),
        QStringLiteral("User Location - MMSI"),
        QStringLiteral("User Location - Radio Call sign"),
        QStringLiteral("User Location - Serial/TAC (EPIRB)"),
        QStringLiteral("RLS Location - Serial/TAC (EPIRB)"),
        QStringLiteral("RLS Location - MMSI (EPIRB)"),
        QStringLiteral("Standard Location - Test"),
        QStringLiteral("User - Test"),
        QStringLiteral("User Location - Test (EPIRB)"),
        QStringLiteral("RLS Location Serial/TAC - Test"),
        QStringLiteral("RLS Location MMSI - Test"),
        QStringLiteral("Std Location - Serial/TAC (PLB)"),
        QStringLiteral("User - Serial/TAC (PLB)"),
        QStringLiteral("User Location - Serial/TAC (PLB)"),
        QStringLiteral("National Location (PLB)"),
        QStringLiteral("RLS Location - Serial/TAC (PLB)"),
        QStringLiteral("RLS Location - MMSI (PLB)"),
        QStringLiteral("User - Test (PLB)"),
        QStringLiteral("User Location - Test (PLB)"),
        QStringLiteral("National Location - Test"),
        QStringLiteral("N/A"),
    };
    return names;
}

const QStringList &ProtocolNames::groupNames()
{
    const QString std = QStringLiteral("Standard Location");
    const QString user = QStringLiteral("User");
    const QString userLoc = QStringLiteral("User Location");
    const QString rls = QStringLiteral("RLS Location");
    const QString national = QStringLiteral("National Location");
    static const QStringList names = {
        std, std, user, user, user, userLoc, userLoc, userLoc, rls, rls, std, user, userLoc, rls, rls,
        std, user, userLoc, national, rls, rls, user, userLoc, national, QStringLiteral("Unknown"),
    };
    return names;
}

static int tableIndex(int type)
{
    return (type < 0 || type > ProtocolType::ProtocolMax) ? int(ProtocolType::ProtocolMax) : type;
}

QString ProtocolNames::longName(int type)
{
    return longNames().at(tableIndex(type));
}

QString ProtocolNames::groupName(int type)
{
    return groupNames().at(tableIndex(type));
}
