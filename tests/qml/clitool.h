#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// quorvik-cli for the page tests (QML singleton "CliTool" of the module QuorvikTest):
// the tests compare what the pages show with what the tool computes on its own.
class CliTool : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Runs "quorvik-cli <args>" to its end: { exitCode, stdout, stderr, json } where json
    // is the parsed standard output when it is a JSON object.
    Q_INVOKABLE QVariantMap run(const QStringList &args) const;
};
