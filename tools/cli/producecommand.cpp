#include "producecommand.h"

#include "beaconrun.h"
#include "clicommand.h"

#include "config/countrycodemodel.h"
#include "production/productionbatch.h"
#include "production/productionplan.h"
#include "session/stationservices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

const char kUsage[] = "usage: quorvik-cli produce --port PATH --plan FILE [--status] [--labels] [--record FILE] "
                      "[--rewrite SERIAL[,SERIAL...]] [--protocol N] [--country N] [--batteryexpiry MMyyyy] [--<column> VALUE ...]";

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int sig)
{
    g_interrupted = 1;
    // A second Ctrl-C ends the process at once.
    std::signal(sig, SIG_DFL);
}

// "--owner-name" names the plan column "owner_name".
QString columnOfFlag(const QString &flag)
{
    return flag.mid(2).replace(QLatin1Char('-'), QLatin1Char('_'));
}

void printHelp()
{
    std::printf("%s\n\n"
                "Programs a batch of beacons from a plan, one after the other, without a restart.\n"
                "The plan is CSV (RFC 4180) in UTF-8 with a header; one row per beacon, the column\n"
                "serial (the beacon's own 5 digits) required, any of: %s.\n"
                "Values are separated by \",\"; a plan whose header has no comma but \";\" is read as\n"
                "separated by \";\" and the run says so. A quote opens a value only at its start (a quote\n"
                "inside a quoted value is written twice); every row has as many values as the header.\n"
                "A flag --<column> VALUE gives a value for every row that leaves the column out.\n"
                "Every row is checked before anything is written, by the rules the wizard and the write\n"
                "gate apply: the model's and the enabled protocols, the test-protocol switch, the\n"
                "country list, the serial-override setting, first/second EPIRB. A column the row's\n"
                "protocol does not carry, owner texts over the 61 bytes the beacon holds, a file not in\n"
                "UTF-8 and two rows giving the same hex ID are bad rows too. A plan with a bad row is\n"
                "refused whole (exit 2), each bad row named by its line.\n"
                "For each beacon connected: wait for its sync, read it, take the plan row of the serial\n"
                "read (a serial not in the plan is refused), write, verify, store in the database, and\n"
                "print one line: serial, hex ID, result (ok, failed, refused, not stored), seconds,\n"
                "status; then a progress line. A failed beacon is tried again when it announces itself\n"
                "again; a refused one is refused once while it stays connected. \"not stored\": the\n"
                "beacon is programmed and verified but the database did not keep it.\n"
                "The record (--record, default PLAN-record.csv beside the plan) gets one line per beacon,\n"
                "synced to the disk before the next beacon and before its labels; a record that cannot\n"
                "be written stops the batch. A run with the same plan goes on with the rows not yet\n"
                "programmed; a damaged record line is skipped and named. A beacon the record has as\n"
                "programmed with another identity than its row now has (protocol, country, identity,\n"
                "hex ID) is named with every difference, not counted done and not written again unless\n"
                "named with --rewrite.\n"
                "  --status   print what is done and what is left, touching no beacon\n"
                "  --labels   programming and country labels (LBX and PDF) of each beacon into\n"
                "             PLAN-labels beside the plan\n"
                "  --rewrite SERIAL[,SERIAL...]\n"
                "             write these beacons again with the plan's identity\n"
                "Ctrl-C ends after the beacon in hand; a second one at once.\n"
                "Exit 0 when every row is programmed, 1 when the batch ended with rows left,\n"
                "2 bad usage or a refused plan, 3 when a beacon of the run was not stored.\n",
                kUsage, qPrintable(ProductionPlan::columns().join(QLatin1String(", "))));
}

void printNotes(const ProductionBatch &batch)
{
    for (const QString &note : batch.notes())
        std::printf("note: %s\n", qPrintable(note));
}

void printProgress(const ProductionBatch &batch)
{
    std::printf("progress: done %d, failed %d, left %d of %d\n", batch.done(), batch.failed(), batch.left(),
                batch.total());
    std::fflush(stdout);
}

}

int runProduceCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.contains(QLatin1String("--help"))) {
        printHelp();
        return cli::Ok;
    }
    QString port;
    QString plan;
    QString record;
    bool status = false;
    bool labels = false;
    QSet<QString> rewrite;
    QMap<QString, QString> defaults;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--status")) {
            status = true;
            continue;
        }
        if (a == QLatin1String("--labels")) {
            labels = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--")))
            return cli::usageError(QString::fromLatin1(kUsage));
        if (args.isEmpty())
            return cli::usageError(a + QStringLiteral(" needs a value"));
        const QString value = args.takeFirst();
        if (a == QLatin1String("--port"))
            port = value;
        else if (a == QLatin1String("--plan"))
            plan = value;
        else if (a == QLatin1String("--record"))
            record = value;
        else if (a == QLatin1String("--rewrite")) {
            for (const QString &serial : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                rewrite.insert(serial.trimmed());
        }
        else if (ProductionPlan::columns().contains(columnOfFlag(a)) && columnOfFlag(a) != QLatin1String("serial"))
            defaults.insert(columnOfFlag(a), value);
        else
            return cli::usageError(QStringLiteral("unknown option %1 (see produce --help)").arg(a));
    }
    if (plan.isEmpty())
        return cli::usageError(QStringLiteral("--plan FILE is required"));
    if (port.isEmpty() && !status)
        return cli::usageError(QStringLiteral("--port PATH is required"));

    BeaconRun::quietLog();
    if (status) {
        // The plan's rows are checked against the country list, as for a run.
        const QStringList appData = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
        StationServices::loadCountryList(CountryCodeModel::instance(nullptr),
                                         QCoreApplication::applicationDirPath() + QLatin1Char('/'),
                                         appData.isEmpty() ? QString() : appData.first(), QString());
        ProductionBatch batch(nullptr, nullptr);
        if (!batch.load(plan, defaults, record)) {
            std::fprintf(stderr, "quorvik-cli: plan refused:\n");
            for (const QString &e : batch.errors())
                std::fprintf(stderr, "  %s\n", qPrintable(e));
            return cli::BadUsage;
        }
        std::printf("plan %s: %d beacons, record %s\n", qPrintable(QFileInfo(plan).fileName()), batch.total(),
                    qPrintable(batch.recordPath()));
        printNotes(batch);
        QStringList done, left, differ;
        for (const ProductionPlan::Row &row : batch.plan().rows()) {
            (batch.isDone(row.serial) ? done : left) << row.serial;
            if (batch.differences().contains(row.serial))
                differ << row.serial;
        }
        std::printf("done: %s\n", qPrintable(done.join(QLatin1Char(' '))));
        std::printf("left: %s\n", qPrintable(left.join(QLatin1Char(' '))));
        std::printf("differ from the plan: %s\n", qPrintable(differ.join(QLatin1Char(' '))));
        printProgress(batch);
        return cli::Ok;
    }

    BeaconRun::Options options;
    options.production = true;
    BeaconRun run(port, options, nullptr);
    ProductionBatch batch(run.session(), nullptr);
    batch.setPortName(port);
    if (!batch.load(plan, defaults, record)) {
        std::fprintf(stderr, "quorvik-cli: plan refused, nothing written:\n");
        for (const QString &e : batch.errors())
            std::fprintf(stderr, "  %s\n", qPrintable(e));
        return cli::BadUsage;
    }
    batch.allowRewrite(rewrite);
    if (labels)
        batch.setLabelFolder(ProductionBatch::defaultLabelFolder(plan));
    std::printf("plan %s: %d beacons, %d done before, record %s\n", qPrintable(QFileInfo(plan).fileName()),
                batch.total(), batch.done(), qPrintable(batch.recordPath()));
    printNotes(batch);
    printProgress(batch);

    QObject::connect(&batch, &ProductionBatch::beaconFinished, &batch,
                     [&batch](const QString &serial, const QString &hexId, int outcome, const QString &text,
                              double seconds) {
                         const QString result = ProductionBatch::outcomeText(outcome);
                         std::printf("%s %s %s %.1fs %s\n", qPrintable(serial),
                                     qPrintable(hexId.isEmpty() ? QStringLiteral("-") : hexId), qPrintable(result),
                                     seconds,
                                     qPrintable(text));
                         printProgress(batch);
                     });
    QString why;
    QObject::connect(&batch, &ProductionBatch::finished, &batch, [&why](const QString &reason) {
        why = reason;
        QCoreApplication::quit();
    });

    g_interrupted = 0;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    QTimer interrupts;
    bool told = false;
    QObject::connect(&interrupts, &QTimer::timeout, &batch, [&] {
        if (!g_interrupted || told)
            return;
        told = true;
        std::fprintf(stderr, "quorvik-cli: ending after the beacon in hand\n");
        batch.stop();
    });
    interrupts.start(100);

    batch.start();
    if (batch.running())
        QCoreApplication::exec();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::printf("batch ended: %s\n", qPrintable(why));
    printProgress(batch);
    if (batch.notStored() > 0)
        return cli::NotSaved;
    return batch.left() == 0 ? cli::Ok : cli::Failure;
}
