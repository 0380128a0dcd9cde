#pragma once

#include <QJsonObject>
#include <QStringList>

class EpirbConfig;

// "quorvik-cli block decode FILE" and "quorvik-cli block encode JSONFILE OUT".
int runBlockCommand(const QStringList &args);

namespace blockjson {
// Every member of the record; dates as yyyy-MM-dd, the message as hex with its hex ID and checksum.
QJsonObject toJson(const EpirbConfig &config);
// Fills the record from such an object; false with a reason for a malformed value.
bool fromJson(const QJsonObject &json, EpirbConfig &config, QString *error);
// A stored message that fails its BCH check: one line on stderr and the failure exit code.
int reportBrokenMessage(const EpirbConfig &config);
}
