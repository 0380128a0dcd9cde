#pragma once

#include <QString>

class EpirbConfig;

namespace cli {
// Reads a 192-byte data block file into config; on failure error holds one line.
bool loadBlockFile(const QString &path, EpirbConfig &config, QString &error);
}
