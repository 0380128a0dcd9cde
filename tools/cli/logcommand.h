#pragma once

#include <QStringList>

// quorvik-cli log decode FILE [--csv OUT]
int runLogCommand(const QStringList &args);
