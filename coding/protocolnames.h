#pragma once

#include <QString>
#include <QStringList>

// Display names of the coding protocols, indexed by ProtocolType::Value.
// Out-of-range indexes (negative or above ProtocolMax) give the names of ProtocolMax.
class ProtocolNames
{
public:
    static const QStringList &longNames();
    static const QStringList &groupNames();
    static QString longName(int type);
    static QString groupName(int type);
};
