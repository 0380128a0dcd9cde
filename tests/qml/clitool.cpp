#include "clitool.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtQml/qqml.h>

QVariantMap CliTool::run(const QStringList &args) const
{
    QProcess process;
    process.start(QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli"), args);
    QVariantMap result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        result.insert(QStringLiteral("exitCode"), -1);
        result.insert(QStringLiteral("stderr"), QStringLiteral("quorvik-cli did not finish: ") + process.errorString());
        return result;
    }
    const QByteArray out = process.readAllStandardOutput();
    result.insert(QStringLiteral("exitCode"), process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1);
    result.insert(QStringLiteral("stdout"), QString::fromUtf8(out));
    result.insert(QStringLiteral("stderr"), QString::fromUtf8(process.readAllStandardError()));
    const QJsonDocument json = QJsonDocument::fromJson(out);
    if (json.isObject())
        result.insert(QStringLiteral("json"), json.object().toVariantMap());
    return result;
}

static void registerCliTool()
{
    qmlRegisterSingletonType<CliTool>("QuorvikTest", 1, 0, "CliTool",
                                      [](QQmlEngine *, QJSEngine *) -> QObject * { return new CliTool(); });
}
Q_CONSTRUCTOR_FUNCTION(registerCliTool)
