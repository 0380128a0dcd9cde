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

}

int runLogCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.value(0) == QLatin1String("--help")) {
        std::printf("%s\nDecodes a boot-log block read from page 2 and prints it as JSON;\n"
                    "--csv also writes the CSV export to OUT.\n"
                    "quorvik-cli log --port PATH [--wait SECONDS] reads the log from the beacon\n"
                    "instead, writes log.csv as the program does and prints the same JSON.\n", kUsage);
        return cli::Ok;
    }
    if (args.contains(QLatin1String("--port"))) {
        QString port;
        int wait = 0;
        QString error;
        if (!BeaconRun::takeLinkOptions(args, port, wait, error))
            return cli::usageError(error);
        if (!args.isEmpty())
            return cli::usageError(QStringLiteral("usage: quorvik-cli log --port PATH [--wait SECONDS]"));
        BeaconRun::quietLog();
        BeaconRun run(port, {}, nullptr);
        if (!run.run([](ProgrammingSession *session) { session->startBootLogRead(); }, wait)) {
            std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(run.status()));
            return cli::Failure;
        }
        const EpirbLogDb *db = EpirbLogDb::instance(&run);
        QJsonObject out = toJson(*db, EpirbLogDb::Ok);
        out.insert(QStringLiteral("csv"), db->csvPath());
        cli::printJson(out);
        return cli::Ok;
    }
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
