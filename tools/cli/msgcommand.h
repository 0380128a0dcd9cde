#pragma once

#include <QStringList>

// "quorvik-cli msg encode|decode ...": builds or reads 406 MHz messages.
int runMsgCommand(const QStringList &args);
