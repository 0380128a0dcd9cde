#include "dbcommand.h"

#include "clicommand.h"
#include "records/databaseifc.h"
#include "records/registeroutbox.h"
#include "config/epirbconfig.h"

#include <QRegularExpression>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: quorvik-cli db dump | db import FILE | db restore [FILE] | db send | db who HEXID\n"
    "       each with [--db PATH] [--register SERVICE|URL]";

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

QJsonObject entryJson(const SharedRegister::Entry &e)
{
    QJsonObject o;
    o.insert(QStringLiteral("hexId"), e.hexId);
    o.insert(QStringLiteral("beaconType"), e.model);
    o.insert(QStringLiteral("beaconSerial"), e.serial);
    o.insert(QStringLiteral("station"), e.station);
    o.insert(QStringLiteral("operator"), e.operatorName);
    o.insert(QStringLiteral("progDate"), e.progDate.toString(Qt::ISODate));
    o.insert(QStringLiteral("recorded"), e.recorded.toUTC().toString(Qt::ISODate));
    if (!e.duplicateReason.isEmpty())
        o.insert(QStringLiteral("duplicateReason"), e.duplicateReason);
    // Reserved by a station about to program it, not recorded (yet).
    if (e.claimOnly)
        o.insert(QStringLiteral("reservedOnly"), true);
    // The beacon has been programmed with another ID since: formerly carried by it.
    if (e.former)
        o.insert(QStringLiteral("formerlyCarried"), true);
    return o;
}

// "who": this station's own records, then the register's.
int runWho(DatabaseIfc &db, RegisterOutbox &outbox, const QString &hexId)
{
    QJsonArray local;
    for (int i = 0; i < db.count(); ++i) {
        const EpirbConfig *r = db.beaconAt(i);
        if (r->epirbHexMsg().compare(hexId, Qt::CaseInsensitive) != 0)
            continue;
        QJsonObject o;
        o.insert(QStringLiteral("hexId"), r->epirbHexMsg());
        o.insert(QStringLiteral("beaconType"), r->beaconType());
        o.insert(QStringLiteral("beaconSerial"), r->beaconSerial());
        o.insert(QStringLiteral("station"), r->progStation());
        o.insert(QStringLiteral("operator"), r->progOperator());
        o.insert(QStringLiteral("progDate"), r->progDate().toString(Qt::ISODate));
        if (!r->duplicateReason().isEmpty())
            o.insert(QStringLiteral("duplicateReason"), r->duplicateReason());
        o.insert(QStringLiteral("waiting"), r->registerPending());
        local.append(o);
    }
    QJsonObject out;
    out.insert(QStringLiteral("hexId"), hexId);
    out.insert(QStringLiteral("local"), local);
    if (!outbox.isSetUp()) {
        cli::printJson(out);
        return cli::Ok;
    }
    QList<SharedRegister::Entry> entries;
    QString error;
    const bool ok = outbox.who(hexId, &entries, &error);
    QJsonArray shared;
    QSet<QString> beacons;
    for (const SharedRegister::Entry &e : std::as_const(entries)) {
        shared.append(entryJson(e));
        if (!e.former)
            beacons.insert(QString::number(e.model) + QLatin1Char('/') + e.serial);
    }
    out.insert(QStringLiteral("register"), shared);
    out.insert(QStringLiteral("beacons"), beacons.size());
    out.insert(QStringLiteral("registerStatus"), outbox.statusText());
    cli::printJson(out);
    if (!ok) {
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(error));
        return cli::Failure;
    }
    return cli::Ok;
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
                    "  send    sends the programmed beacons still waiting for the shared register; prints how\n"
                    "          many were sent and how many still wait; exits 1 when the register could not\n"
                    "          take them (the records keep waiting, nothing is sent twice)\n"
                    "  who     every beacon and station carrying the 15-hex ID: this station's records and\n"
                    "          the register's rows (exits 1 when the register could not answer); a row of a\n"
                    "          beacon programmed with another ID since says \"formerlyCarried\", and\n"
                    "          \"beacons\" counts those that carry it now\n"
                    "--db: the folder holding Quorvik.db, or the file; default the application data folder.\n"
                    "--register: a libpq service name or postgresql://user@host:port/database (a socket\n"
                    "          folder as ?host=/folder) for this run, instead of the Options settings. No\n"
                    "          password here: libpq reads it from ~/.pgpass or the service file.\n"
                    "With a register set up, every db action first sends the records that wait for it.\n",
                    kUsage);
        return cli::Ok;
    }
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    static const QStringList kActions{ QStringLiteral("dump"), QStringLiteral("import"), QStringLiteral("restore"),
                                       QStringLiteral("send"), QStringLiteral("who") };
    if (!kActions.contains(action))
        return cli::usageError(QString::fromLatin1(kUsage));
    const bool takesFile = action == QLatin1String("import") || action == QLatin1String("restore")
        || action == QLatin1String("who");
    QString dbPath;
    QString file;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--db")) {
            if (args.isEmpty())
                return cli::usageError(QStringLiteral("--db needs a path"));
            dbPath = args.takeFirst();
        } else if (a == QLatin1String("--register")) {
            if (args.isEmpty())
                return cli::usageError(QStringLiteral("--register needs a service name or a postgresql:// address"));
            QString error;
            const SharedRegister::Connection c = SharedRegister::Connection::parse(args.takeFirst(), &error);
            if (!error.isEmpty())
                return cli::usageError(QStringLiteral("--register: ") + error);
            RegisterOutbox::setConnectionOverride(c);
        } else if (takesFile && file.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            file = a;
        } else {
            return cli::usageError(QString::fromLatin1(kUsage));
        }
    }
    if ((action == QLatin1String("import") || action == QLatin1String("who")) && file.isEmpty())
        return cli::usageError(QString::fromLatin1(kUsage));
    static const QRegularExpression kHexId(QStringLiteral("^[0-9A-Fa-f]{15}$"));
    if (action == QLatin1String("who") && !kHexId.match(file).hasMatch())
        return cli::usageError(QStringLiteral("\"%1\" is no 15-hex beacon ID").arg(file));

    DatabaseIfc db(databaseFolder(dbPath), nullptr);
    if (db.databasePath().isEmpty()) {
        std::fprintf(stderr, "quorvik-cli: cannot use database folder %s\n", qPrintable(databaseFolder(dbPath)));
        return cli::Failure;
    }
    const bool damaged = !db.loadProblem().isEmpty();
    if (damaged)
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(db.loadProblem()));

    RegisterOutbox outbox(&db, nullptr);
    if (action == QLatin1String("send")) {
        if (!outbox.isSetUp())
            return cli::usageError(QStringLiteral("no shared register: give --register or set one up in Options"));
        const int sent = outbox.sendNow();
        QJsonObject out;
        out.insert(QStringLiteral("sent"), sent < 0 ? 0 : sent);
        out.insert(QStringLiteral("waiting"), outbox.waitingCount());
        out.insert(QStringLiteral("registerStatus"), outbox.statusText());
        cli::printJson(out);
        if (sent < 0 || outbox.statusError()) {
            std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(outbox.statusText()));
            return cli::Failure;
        }
        return damaged ? cli::Failure : cli::Ok;
    }
    // Any run is a start of the program: what waits goes first. Failing leaves it waiting.
    if (outbox.isSetUp() && outbox.waitingCount() > 0 && outbox.sendNow() < 0)
        std::fprintf(stderr, "quorvik-cli: %s (%s)\n", qPrintable(outbox.statusText()), qPrintable(outbox.waitingText()));
    if (action == QLatin1String("who"))
        return runWho(db, outbox, file.toUpper());
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
