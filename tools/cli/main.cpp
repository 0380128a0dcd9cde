#include "blockcommand.h"
#include "clicommand.h"
#include "dbcommand.h"
#include "logcommand.h"
#include "msgcommand.h"

#include <QCoreApplication>

#include <cstdio>

// Sub-commands; each lives in its own file.
static const CliCommand kCommands[] = {
    { "db", "stored beacons: db dump [--db PATH], db import FILE [--db PATH]", runDbCommand },
    { "log", "decode a boot-log block (log decode FILE [--csv OUT])", runLogCommand },
    { "msg", "encode or decode a 406 MHz message or hex ID (msg encode|decode ...)", runMsgCommand },
    { "block", "decode or encode a 192-byte beacon data block", runBlockCommand },
    { nullptr, nullptr, nullptr },
};

static void printHelp()
{
    std::printf("Usage: quorvik-cli <command> [arguments]\n\n"
                "Scripted access to the Quorvik PLB back end. Exit codes: 0 success,\n"
                "1 beacon or link failure, 2 bad usage.\n\nCommands:\n");
    for (const CliCommand &c : kCommands) {
        if (c.name)
            std::printf("  %-8s %s\n", c.name, c.summary);
    }
    std::printf("\n'quorvik-cli <command> --help' documents each command.\n");
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printHelp();
        return args.isEmpty() ? cli::BadUsage : cli::Ok;
    }
    const QString name = args.takeFirst();
    for (const CliCommand &c : kCommands) {
        if (c.name && name == QLatin1String(c.name))
            return c.run(args);
    }
    return cli::usageError(QStringLiteral("unknown command \"%1\" (see --help)").arg(name));
}
