#pragma once

#include <QStringList>

int runProduceCommand(const QStringList &args);
