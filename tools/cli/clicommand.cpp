#include "clicommand.h"

#include <QJsonDocument>

#include <cstdio>

namespace cli {

int usageError(const QString &message)
{
    const QByteArray line = QStringLiteral("quorvik-cli: %1\n").arg(message).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    return BadUsage;
}

void printJson(const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

}
