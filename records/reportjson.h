#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>

class EpirbConfig;

// One beacon as the JSON report exchanges it, both ways. The keys and their types are what
// other stations' files hold: never renamed.
class ReportJson
{
public:
    static QJsonObject toJson(const EpirbConfig &record);
    // Null, with the log line that says why, for an entry that is no beacon this station can keep.
    static std::unique_ptr<EpirbConfig> fromJson(const QJsonObject &object, qsizetype entry, QString *why);
};
