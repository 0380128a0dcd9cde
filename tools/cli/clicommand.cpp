#include "clicommand.h"

#include <QJsonDocument>

#include <cstdio>

namespace cli {

namespace {
bool g_verbose = false;

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const QByteArray line = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}
}

int usageError(const QString &message)
{
    // One line whatever the message quotes: control characters of an argument are
    // shown escaped.
    QString text;
    for (const QChar c : message) {
        if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            text += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += c;
    }
    const QByteArray line = QStringLiteral("quorvik-cli: %1\n").arg(text).toLocal8Bit();
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

namespace cli {

void setVerbose(bool verbose)
{
    g_verbose = verbose;
}

bool isVerbose()
{
    return g_verbose || qEnvironmentVariableIsSet("QUORVIK_CLI_VERBOSE");
}

void installMessageFilter()
{
    qInstallMessageHandler(isVerbose() ? nullptr : quietHandler);
}

}
