#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

// Benches that run the program's own set-up keep its settings and database in home, a
// folder removed at the end, never in the user's. Call before the application object.
inline void isolateBenchHome(const QTemporaryDir &home)
{
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The program's names (its settings are found by them), and only warnings on stderr so the
// figures stay readable; QUORVIK_BENCH_DEBUG shows everything. Call after the application object.
inline void nameBenchApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (qEnvironmentVariableIsSet("QUORVIK_BENCH_DEBUG") || (type != QtDebugMsg && type != QtInfoMsg))
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
}
