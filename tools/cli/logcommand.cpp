#include "logcommand.h"

#include "beaconrun.h"
#include "clicommand.h"

#include "session/programmingsession.h"
#include "records/epirblogdb.h"
#include "records/epirblogdbbinding.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace {

const char kUsage[] = "usage: quorvik-cli log decode FILE [--csv OUT]";
const char kPortUsage[] = "usage: quorvik-cli log --port PATH [--wait SECONDS] [--csv FILE]";

QJsonObject toJson(const EpirbLogDb &db, int result)
{
    EpirbLogDbBinding model(const_cast<EpirbLogDb *>(&db));
    QJsonObject out;
    out.insert(QStringLiteral("result"), result);
    out.insert(QStringLiteral("version"), int(db.version()));
    QJsonObject counters;
    const int counterCount = db.version() == 2 ? 16 : 8;
    for (int i = 0; i < counterCount; ++i)
        counters.insert(QString::number(i), int(db.counters()[size_t(i)]));
    out.insert(QStringLiteral("counters"), counters);
    QJsonArray entries;
    for (int row = 0; row < model.rowCount(); ++row) {
        QJsonObject entry;
        for (int column = 0; column < model.columnCount(); ++column)
            entry.insert(model.headerData(column, Qt::Horizontal).toString(), model.data(model.index(row, column)).toString());
        entries.append(entry);
    }
    out.insert(QStringLiteral("entries"), entries);
    return out;
}

// Takes "--csv FILE" out of args; false with a reason when the file is missing.
bool takeCsvOption(QStringList &args, QString &csv, QString &error)
{
    const int at = int(args.indexOf(QLatin1String("--csv")));
    if (at < 0)
        return true;
    if (at + 1 >= args.size() || args.at(at + 1).startsWith(QLatin1String("--"))) {
        error = QStringLiteral("--csv needs a file name");
        return false;
    }
    csv = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

int readFromBeacon(QStringList args)
{
    QString port;
    int wait = 0;
    QString csv;
    QString error;
    if (!takeCsvOption(args, csv, error) || !BeaconRun::takeLinkOptions(args, port, wait, error))
        return cli::usageError(error);
    if (!args.isEmpty())
        return cli::usageError(QString::fromLatin1(kPortUsage));
    BeaconRun::quietLog();
    BeaconRun run(port, {}, nullptr);
    EpirbLogDb *db = EpirbLogDb::instance(&run);
    db->setCsvPath(csv);
    if (!run.run([](ProgrammingSession *session) { session->startBootLogRead(); }, wait)) {
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(run.status()));
        return cli::Failure;
    }
    // Nobody is there to ask: an earlier export of the name stays, this one gets a name of its own.
    if (db->exportState() == EpirbLogDb::ExportExists)
        db->exportAsNewFile();
    QJsonObject out = toJson(*db, EpirbLogDb::Ok);
    out.insert(QStringLiteral("beacon"), QJsonObject { { QStringLiteral("model"), db->beaconModel() },
                                                       { QStringLiteral("serial"), db->beaconSerial() },
                                                       { QStringLiteral("hexId"), db->hexId() },
                                                       { QStringLiteral("readAt"), db->readTime().toString(Qt::ISODate) } });
    const bool exported = db->exportState() == EpirbLogDb::Exported;
    out.insert(QStringLiteral("csv"), exported ? db->exportPath() : QString());
    cli::printJson(out);
    if (!exported) {
        std::fprintf(stderr, "quorvik-cli: cannot write %s\n", qPrintable(db->exportPath()));
        return cli::Failure;
    }
    return cli::Ok;
}

}

int runLogCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.value(0) == QLatin1String("--help")) {
        std::printf("%s\n%s\n"
                    "Decodes a boot-log block read from page 2 and prints it as JSON;\n"
                    "--csv also writes the CSV export to OUT.\n"
                    "With --port the log is read from the beacon together with its configuration and\n"
                    "printed as the same JSON, with the beacon's model, serial number and hex ID. It is\n"
                    "exported as the program does, to log_<model>_<serial>_<date>_<time>.csv in the\n"
                    "documents folder (model, serial number and time of the read); an earlier file of\n"
                    "that name is never replaced: the export then goes to <name>_2.csv, <name>_3.csv, ...\n"
                    "--csv FILE writes it to FILE instead, replacing what FILE holds.\n",
                    kUsage, kPortUsage);
        return cli::Ok;
    }
    if (args.contains(QLatin1String("--port")))
        return readFromBeacon(args);
    if (args.value(0) != QLatin1String("decode"))
        return cli::usageError(QString::fromLatin1(kUsage));
    args.removeFirst();
    QString file;
    QString csv;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--csv")) {
            if (args.isEmpty())
                return cli::usageError(QStringLiteral("--csv needs a file name"));
            csv = args.takeFirst();
        } else if (file.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            file = a;
        } else {
            return cli::usageError(QString::fromLatin1(kUsage));
        }
    }
    if (file.isEmpty())
        return cli::usageError(QString::fromLatin1(kUsage));

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quorvik-cli: cannot read %s: %s\n", qPrintable(file), qPrintable(in.errorString()));
        return cli::Failure;
    }
    EpirbLogDb db(nullptr);
    const int result = db.parseLog(in.readAll(), false);
    if (result == EpirbLogDb::Ok && !csv.isEmpty() && !db.writeCsv(csv)) {
        std::fprintf(stderr, "quorvik-cli: cannot write %s\n", qPrintable(csv));
        return cli::Failure;
    }
    cli::printJson(toJson(db, result));
    return result == EpirbLogDb::Ok ? cli::Ok : cli::Failure;
}
