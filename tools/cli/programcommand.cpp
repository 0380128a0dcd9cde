#include "programcommand.h"

#include "beaconrun.h"
#include "blockcommand.h"
#include "clicommand.h"

#include "session/programmingsession.h"
#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "records/registeroutbox.h"
#include "session/writegate.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: quorvik-cli program --port PATH (--config JSONFILE | --serial S [flags]) [--skipreadback]\n"
    "                           [--testprotocol] [--allow-duplicate REASON] [--wait SECONDS]\n"
    "                           [--register SERVICE|URL] [--allow-unchecked REASON]";

// Flag -> setter on the pending record.
struct TextFlag
{
    const char *name;
    void (EpirbConfig::*set)(const QString &);
};
const TextFlag kTextFlags[] = {
    { "--serial", &EpirbConfig::setSerial },
    { "--mmsi", &EpirbConfig::setMmsi },
    { "--owner-name", &EpirbConfig::setOwnerName },
    { "--owner-address", &EpirbConfig::setOwnerAddress },
    { "--owner-telephone", &EpirbConfig::setOwnerTelephone },
    { "--owner-other", &EpirbConfig::setOwnerOther },
    { "--note", &EpirbConfig::setAdditionalInfo },
};
struct NumberFlag
{
    const char *name;
    void (EpirbConfig::*set)(int);
};
const NumberFlag kNumberFlags[] = {
    { "--type", &EpirbConfig::setBeaconType },
    { "--country", &EpirbConfig::setCountryCode },
    { "--protocol", &EpirbConfig::setProtocolId },
    { "--tac", &EpirbConfig::setTacNo },
    { "--beacon-no", &EpirbConfig::setBeaconNo },
};

void printHelp()
{
    std::printf("%s\n\n"
                "Programs the beacon on PATH as the program's transfer page does: reads it first and\n"
                "refuses a beacon of another serial number or type (unless --skipreadback), writes the\n"
                "data block, reads it back and compares, then stores the beacon in the database.\n"
                "The configuration comes from --config (JSON as 'block decode' or 'read' print) or from\n"
                "flags on a fresh record of a Skua P5:\n",
                kUsage);
    for (const TextFlag &f : kTextFlags)
        std::printf("  %s TEXT\n", f.name);
    for (const NumberFlag &f : kNumberFlags)
        std::printf("  %s N\n", f.name);
    std::printf("The identity passes the same rules as the program's pages: the model's protocols, the\n"
                "protocols enabled in Options, the country list and its rules, what the protocol carries,\n"
                "and whether a protocol serial number may differ from the beacon's (Options). A test\n"
                "protocol is written only with --testprotocol, as the program takes 'testprotocol'.\n"
                "A hex ID that another beacon (another model or serial number) in the database\n"
                "already carries is not written: the beacons carrying it go to stderr and the exit\n"
                "status is 4. --allow-duplicate REASON writes it all the same and stores REASON\n"
                "with the beacon's record, its report and the log.\n"
                "Prints the verified record as JSON with its \"status\"; progress goes to stderr.\n"
                "Exit 0 programmed, verified and saved in the database, 1 beacon or link failure,\n"
                "2 bad usage, 3 programmed and verified but not saved in the database (why on stderr),\n"
                "4 nothing written: another beacon carries the hex ID, 5 nothing written: the shared\n"
                "register is set up but could not be asked, so the hex ID was checked against this\n"
                "station only (--allow-unchecked REASON writes it all the same and stores REASON).\n"
                "With a shared register (Options, or --register for this run: a libpq service name or\n"
                "postgresql://user@host:port/database), the hex ID is also looked up there, and the stored\n"
                "record is then sent to it; when the register cannot take it, it waits in the database\n"
                "(\"registerStatus\" says why) and the exit status stays 0: 'db send' or the next run sends it.\n");
}

}

int runProgramCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.value(0) == QLatin1String("--help")) {
        printHelp();
        return cli::Ok;
    }
    QString port;
    int wait = 0;
    QString error;
    if (!BeaconRun::takeLinkOptions(args, port, wait, error))
        return cli::usageError(error);

    QString configFile;
    QString allowDuplicate;
    QString allowUnchecked;
    bool skipReadback = false;
    bool testProtocol = false;
    QList<QPair<const TextFlag *, QString>> texts;
    QList<QPair<const NumberFlag *, int>> numbers;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--skipreadback")) {
            skipReadback = true;
            continue;
        }
        if (a == QLatin1String("--testprotocol")) {
            testProtocol = true;
            continue;
        }
        if (args.isEmpty())
            return cli::usageError(a.startsWith(QLatin1String("--")) ? a + QStringLiteral(" needs a value")
                                                                      : QString::fromLatin1(kUsage));
        const QString value = args.takeFirst();
        if (a == QLatin1String("--config")) {
            configFile = value;
            continue;
        }
        if (a == QLatin1String("--register")) {
            QString parseError;
            const SharedRegister::Connection c = SharedRegister::Connection::parse(value, &parseError);
            if (!parseError.isEmpty())
                return cli::usageError(QStringLiteral("--register: ") + parseError);
            RegisterOutbox::setConnectionOverride(c);
            continue;
        }
        if (a == QLatin1String("--allow-duplicate")) {
            allowDuplicate = value.simplified();
            if (allowDuplicate.isEmpty())
                return cli::usageError(QStringLiteral("--allow-duplicate needs a reason"));
            continue;
        }
        if (a == QLatin1String("--allow-unchecked")) {
            allowUnchecked = value.simplified();
            if (allowUnchecked.isEmpty())
                return cli::usageError(QStringLiteral("--allow-unchecked needs a reason"));
            continue;
        }
        bool known = false;
        for (const TextFlag &f : kTextFlags) {
            if (a == QLatin1String(f.name)) {
                texts.append({ &f, value });
                known = true;
            }
        }
        for (const NumberFlag &f : kNumberFlags) {
            if (a == QLatin1String(f.name)) {
                bool ok = false;
                const int n = value.toInt(&ok);
                if (!ok)
                    return cli::usageError(a + QStringLiteral(" takes a number"));
                numbers.append({ &f, n });
                known = true;
            }
        }
        if (!known)
            return cli::usageError(QString::fromLatin1(kUsage));
    }
    if (configFile.isEmpty() && texts.isEmpty() && numbers.isEmpty())
        return cli::usageError(QStringLiteral("give the configuration with --config or with --serial and flags"));
    if (!configFile.isEmpty() && (!texts.isEmpty() || !numbers.isEmpty()))
        return cli::usageError(QStringLiteral("--config and identity flags exclude each other"));

    QJsonObject json;
    if (!configFile.isEmpty()) {
        QFile in(configFile);
        if (!in.open(QIODevice::ReadOnly))
            return cli::usageError(QStringLiteral("cannot read %1: %2").arg(configFile, in.errorString()));
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &parseError);
        if (!doc.isObject())
            return cli::usageError(QStringLiteral("%1 is not a JSON object: %2").arg(configFile, parseError.errorString()));
        json = doc.object();
    }

    BeaconRun::quietLog();
    BeaconRun::Options options;
    options.skipReadback = skipReadback;
    options.testProtocol = testProtocol;
    BeaconRun run(port, options, nullptr);
    EpirbConfig *pending = run.pending();
    if (!configFile.isEmpty()) {
        if (!blockjson::fromJson(json, *pending, &error))
            return cli::usageError(QStringLiteral("%1: %2").arg(configFile, error));
    } else {
        pending->reset();
        pending->setBeaconType(ConfigTables::E_SkuaP5);
        for (const auto &n : numbers)
            (pending->*(n.first->set))(n.second);
        for (const auto &t : texts)
            (pending->*(t.first->set))(t.second);
        if (pending->beaconSerial().isEmpty())
            return cli::usageError(QStringLiteral("--serial is required"));
    }

    // The session asks before a hex ID another beacon carries is written; the answer
    // here is the command line's.
    ProgrammingSession *session = run.session();
    QStringList duplicateHolders;
    bool unchecked = false;
    bool missingDuplicate = false;
    bool missingUnchecked = false;
    QObject::connect(session, &ProgrammingSession::duplicateIdFound, session,
                     [&] {
                         duplicateHolders.clear();
                         unchecked = session->duplicateUnchecked();
                         for (const QVariant &h : session->duplicateHolders()) {
                             if (!h.toMap().value(QStringLiteral("unchecked")).toBool())
                                 duplicateHolders << h.toMap().value(QStringLiteral("text")).toString();
                         }
                         // Each thing the check could not settle needs its own answer.
                         missingDuplicate = !duplicateHolders.isEmpty() && allowDuplicate.isEmpty();
                         missingUnchecked = unchecked && allowUnchecked.isEmpty();
                         if (missingDuplicate || missingUnchecked) {
                             session->cancelDuplicateWrite();
                             return;
                         }
                         QStringList reasons;
                         if (!duplicateHolders.isEmpty())
                             reasons << allowDuplicate;
                         if (unchecked)
                             reasons << allowUnchecked;
                         session->programAnyway(reasons.join(QStringLiteral("; ")));
                     }, Qt::QueuedConnection);
    // Every write passes the write gate: a refusal names the rule, and nothing is written.
    const bool ok = run.run([](ProgrammingSession *s) { s->startWrite(); }, wait);
    if (!ok && missingUnchecked && !missingDuplicate) {
        RegisterOutbox *outbox = RegisterOutbox::instance(&run);
        std::fprintf(stderr, "quorvik-cli: nothing written: hex ID %s: %s (%s)\n", qPrintable(pending->epirbHexMsg()),
                     qPrintable(WriteGate::uncheckedText()), qPrintable(outbox->lastError()));
        std::fputs("quorvik-cli: give --allow-unchecked REASON to program it all the same\n", stderr);
        return cli::Unchecked;
    }
    if (!ok && missingDuplicate) {
        std::fprintf(stderr, "quorvik-cli: nothing written: hex ID %s is already carried by:\n",
                     qPrintable(pending->epirbHexMsg()));
        for (const QString &line : std::as_const(duplicateHolders))
            std::fprintf(stderr, "  %s\n", qPrintable(line));
        std::fputs("quorvik-cli: give --allow-duplicate REASON to program it all the same\n", stderr);
        return cli::Duplicate;
    }
    // Every write passes the write gate: a refusal names the rule, and nothing is written.
    if (!session->refusalReason().isEmpty())
        return cli::usageError(QStringLiteral("nothing written: %1").arg(session->refusalReason()));
    const QString storeError = session->storeError();
    // A beacon programmed but not saved is neither a success nor a failed run.
    const bool notSaved = run.notStored();
    if (!ok && !notSaved) {
        std::fprintf(stderr, "quorvik-cli: %s\n", qPrintable(run.status()));
        return cli::Failure;
    }
    QJsonObject out = blockjson::toJson(*run.current());
    out.insert(QStringLiteral("status"), run.status());
    RegisterOutbox *outbox = RegisterOutbox::instance(&run);
    if (outbox->isSetUp()) {
        out.insert(QStringLiteral("registerStatus"), outbox->statusText());
        if (outbox->statusError())
            std::fprintf(stderr, "quorvik-cli: %s (the record waits in the database)\n", qPrintable(outbox->statusText()));
    }
    cli::printJson(out);
    if (notSaved) {
        std::fprintf(stderr, "quorvik-cli: the PLB is programmed and verified, but not saved in the database: %s\n",
                     qPrintable(storeError));
        return cli::NotSaved;
    }
    return cli::Ok;
}
