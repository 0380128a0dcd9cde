#pragma once

#include <QStringList>

// quorvik-cli db dump [--db PATH] | db import FILE [--db PATH]
int runDbCommand(const QStringList &args);
