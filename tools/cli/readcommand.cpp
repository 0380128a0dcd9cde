#include "readcommand.h"

#include "beaconrun.h"
#include "blockcommand.h"
#include "clicommand.h"

#include "session/programmingsession.h"
#include "config/epirbconfig.h"

#include <cstdio>

namespace {
const char kUsage[] = "usage: quorvik-cli read --port PATH [--wait SECONDS]";
}

int runReadCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.value(0) == QLatin1String("--help")) {
        std::printf("%s\nReads the beacon's configuration through the programming adapter on PATH and\n"
                    "prints it as JSON (the shape 'block decode' prints). --wait bounds the wait for\n"
                    "the beacon's first answer (default 60 s). Exit code 1 also when the message the beacon\n"
                    "stores fails its BCH check (bch1Valid/bch2Valid false) or holds something that\n"
                    "cannot be read (the problems msg decode lists, named on stderr).\n", kUsage);
        return cli::Ok;
    }
    QString port;
    int wait = 0;
    QString error;
    if (!BeaconRun::takeLinkOptions(args, port, wait, error))
        return cli::usageError(error);
    if (!args.isEmpty())
        return cli::usageError(QString::fromLatin1(kUsage));

    BeaconRun::quietLog();
    BeaconRun run(port, {}, nullptr);
    if (!run.run([](ProgrammingSession *session) { session->startRead(true); }, wait)) {
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(run.status()));
        return cli::Failure;
    }
    cli::printJson(blockjson::toJson(*run.current()));
    return blockjson::reportBrokenMessage(*run.current());
}
