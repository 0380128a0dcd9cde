#include "dbcommand.h"

#include "clicommand.h"
#include "records/databaseifc.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: quorvik-cli db dump [--db PATH] | db import FILE [--db PATH] | db restore [FILE] [--db PATH]";

// --db names the folder holding "Quorvik.db" or the file itself.
QString databaseFolder(const QString &path)
{
    if (path.isEmpty())
        return QStandardPaths::standardLocations(QStandardPaths::AppDataLocation).value(0);
    const QFileInfo info(path);
    if (info.fileName() == QLatin1String("Quorvik.db") && !info.isDir())
        return info.absolutePath();
    return info.absoluteFilePath();
}

}

int runDbCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.value(0) == QLatin1String("--help")) {
        std::printf("%s\n  dump    print the stored beacons as a report (JSON) on stdout\n"
                    "  import  add or update stored beacons from a report file; prints what was added,\n"
                    "          replaced, left unchanged (stored one as new or newer) and skipped, and\n"
                    "          exits 1 when any entry was skipped or the database could not be written\n"
                    "          (each reason is on stderr)\n"
                    "  restore puts a good copy (a backup) back as the database, after checking it; the\n"
                    "          replaced database is kept aside. Without FILE it lists the backups.\n"
                    "A database that cannot be read whole is said on stderr (what was read, where the\n"
                    "damaged file and the last good copy are) and every action then exits 1.\n"
                    "--db: the folder holding Quorvik.db, or the file; default the application data folder.\n",
                    kUsage);
        return cli::Ok;
    }
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    if (action != QLatin1String("dump") && action != QLatin1String("import") && action != QLatin1String("restore"))
        return cli::usageError(QString::fromLatin1(kUsage));
    QString dbPath;
    QString file;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--db")) {
            if (args.isEmpty())
                return cli::usageError(QStringLiteral("--db needs a path"));
            dbPath = args.takeFirst();
        } else if (action != QLatin1String("dump") && file.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            file = a;
        } else {
            return cli::usageError(QString::fromLatin1(kUsage));
        }
    }
    if (action == QLatin1String("import") && file.isEmpty())
        return cli::usageError(QString::fromLatin1(kUsage));

    DatabaseIfc db(databaseFolder(dbPath), nullptr);
    if (db.databasePath().isEmpty()) {
        std::fprintf(stderr, "quorvik-cli: cannot use database folder %s\n", qPrintable(databaseFolder(dbPath)));
        return cli::Failure;
    }
    const bool damaged = !db.loadProblem().isEmpty();
    if (damaged)
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(db.loadProblem()));
    if (action == QLatin1String("dump")) {
        cli::printJson(db.exportObject());
        return damaged ? cli::Failure : cli::Ok;
    }
    if (action == QLatin1String("restore")) {
        QJsonObject out;
        if (file.isEmpty()) {
            out.insert(QStringLiteral("backups"), QJsonArray::fromStringList(db.backups()));
            cli::printJson(out);
            return damaged ? cli::Failure : cli::Ok;
        }
        // A bare name is one of the backups beside the database.
        const QFileInfo named(file);
        const QString path = named.exists() || named.isAbsolute()
            ? named.absoluteFilePath()
            : QFileInfo(QFileInfo(db.databasePath()).absolutePath() + QLatin1Char('/') + file).absoluteFilePath();
        const QString error = db.restoreBackup(path);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(error));
            return cli::Failure;
        }
        out.insert(QStringLiteral("restored"), path);
        out.insert(QStringLiteral("count"), db.count());
        out.insert(QStringLiteral("database"), db.databasePath());
        cli::printJson(out);
        return cli::Ok;
    }
    const int result = db.ImportReports(file);
    const DatabaseIfc::ImportCounts counts = db.lastImport();
    QJsonObject out;
    out.insert(QStringLiteral("result"), result);
    out.insert(QStringLiteral("count"), db.count());
    out.insert(QStringLiteral("added"), counts.imported);
    out.insert(QStringLiteral("replaced"), counts.replaced);
    out.insert(QStringLiteral("unchanged"), counts.unchanged);
    out.insert(QStringLiteral("skipped"), counts.skipped);
    out.insert(QStringLiteral("database"), db.databasePath());
    out.insert(QStringLiteral("saved"), !db.isModified());
    cli::printJson(out);
    if (result != 0)
        return cli::Failure;
    if (db.isModified()) {
        std::fprintf(stderr, "quorvik-cli: the imported beacons are not saved: %s\n", qPrintable(db.writeProblem()));
        return cli::Failure;
    }
    if (damaged)
        return cli::Failure;
    if (counts.skipped) {
        // The reason of each skip went to stderr as a warning just before.
        std::fprintf(stderr, "quorvik-cli: %d entries of %s were skipped, %d imported, %d replaced\n", counts.skipped,
                     qPrintable(file), counts.imported, counts.replaced);
        return cli::Failure;
    }
    return cli::Ok;
}
