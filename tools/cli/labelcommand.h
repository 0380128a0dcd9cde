#pragma once

#include <QStringList>

// quorvik-cli label programming|country|contact [--block BLOCKFILE] [--text TEXT] OUT.lbx|OUT.pdf
int runLabelCommand(const QStringList &args);
