#pragma once

#include <QStringList>

// quorvik-cli read --port PATH [--wait SECONDS]
int runReadCommand(const QStringList &args);
