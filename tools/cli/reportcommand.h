#pragma once

#include <QStringList>

// quorvik-cli report BLOCKFILE OUT.pdf [--mode 0|1|2]
int runReportCommand(const QStringList &args);
