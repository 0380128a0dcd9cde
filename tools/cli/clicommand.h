#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One sub-command of quorvik-cli: "quorvik-cli <name> <args...>".
struct CliCommand
{
    const char *name;
    const char *summary;
    // args excludes the program and the sub-command name; returns the exit code.
    int (*run)(const QStringList &args);
};

namespace cli {
// Exit codes shared by every sub-command.
// NotSaved: the beacon is programmed and verified, but the database did not keep its record.
// Duplicate: nothing written, another beacon carries the hex ID (program without --allow-duplicate).
// Unchecked: nothing written, the shared register could not be asked (program without --allow-unchecked).
enum ExitCode { Ok = 0, Failure = 1, BadUsage = 2, NotSaved = 3, Duplicate = 4, Unchecked = 5 };

// One line on stderr, then the bad-usage exit code.
int usageError(const QString &message);
// Prints one JSON object on stdout (indented, newline-terminated).
void printJson(const QJsonObject &object);

// The back end logs for the program's log file; a tool's stderr carries only its
// warnings and errors unless --verbose (or QUORVIK_CLI_VERBOSE) asks for everything.
void setVerbose(bool verbose);
bool isVerbose();
void installMessageFilter();
}
