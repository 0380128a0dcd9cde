#pragma once

#include <QStringList>

// quorvik-cli program --port PATH (--config JSONFILE | identity flags) [...]
int runProgramCommand(const QStringList &args);
