#include "blockcommand.h"
#include "clicommand.h"
#include "dbcommand.h"
#include "labelcommand.h"
#include "logcommand.h"
#include "msgcommand.h"
#include "reportcommand.h"
#include "programcommand.h"
#include "producecommand.h"
#include "readcommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <memory>

// Sub-commands; each lives in its own file.
static const CliCommand kCommands[] = {
    { "db", "stored beacons and the shared register: db dump|import FILE|restore [FILE]|send|who HEXID", runDbCommand },
    { "msg", "encode or decode a 406 MHz message or hex ID (msg encode|decode ...)", runMsgCommand },
    { "block", "decode or encode a 192-byte beacon data block", runBlockCommand },
    { "report", "PDF programming report of a data block (report BLOCKFILE OUT.pdf [--mode N])", runReportCommand },
    { "label", "programming, country or contact label as LBX or PDF (label --help)", runLabelCommand },
    { "log", "decode a boot-log block (log decode FILE [--csv OUT] | log --port PATH [--csv FILE])", runLogCommand },
    { "read", "read a beacon's configuration (read --port PATH)", runReadCommand },
    { "program", "program and verify a beacon (program --port PATH --config JSON | flags)", runProgramCommand },
    { "produce", "program a batch of beacons from a plan (produce --port PATH --plan CSV)", runProduceCommand },
    { nullptr, nullptr, nullptr },
};

static void printHelp()
{
    std::printf("Usage: quorvik-cli [--verbose] <command> [arguments]\n\n"
                "Scripted access to the Quorvik PLB back end. Exit codes: 0 success,\n"
                "1 beacon or link failure, 2 bad usage, 3 beacon programmed but not saved\n"
                "in the database (program), 4 nothing written because another beacon carries\n"
                "the hex ID (program).\n"
                "stderr carries progress, warnings and errors; --verbose adds the back end's\n"
                "debug and info lines.\n\nCommands:\n");
    for (const CliCommand &c : kCommands) {
        if (c.name)
            std::printf("  %-8s %s\n", c.name, c.summary);
    }
    std::printf("\n'quorvik-cli <command> --help' documents each command.\n");
}

int main(int argc, char *argv[])
{
    // Before anything logs: the application object and the platform already may.
    const char *command = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--verbose"))
            cli::setVerbose(true);
        else if (!command)
            command = argv[i];
    }
    cli::installMessageFilter();

    // Documents are drawn with fonts, which need a GUI application; offscreen
    // serves a headless production line.
    const bool drawsDocuments = command && (!std::strcmp(command, "report") || !std::strcmp(command, "label")
                                           || !std::strcmp(command, "produce"));
    if (drawsDocuments && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawsDocuments ? new QGuiApplication(argc, argv)
                                                         : new QCoreApplication(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    // Scripts read what this program writes: English dates and numbers whatever the system speaks.
    QLocale::setDefault(QLocale(QLocale::English));

    QStringList args = QCoreApplication::arguments().mid(1);
    args.removeAll(QStringLiteral("--verbose"));
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
