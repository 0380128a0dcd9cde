// Shared-register figures with a million programmings in a throwaway PostgreSQL cluster:
// the duplicate-ID lookup before a write, writing one programming, and the Reports page's
// paged "All stations" view (open, one search keystroke). Then the local database page with
// 100,000 records (bench_records). bench_register [--rows N] [--register URL] [--skip-local]
#include "pgcluster.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/registerquerymodel.h"
#include "records/sharedregister.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <sys/resource.h>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kLocalLimitGiB = 6;

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void report(const char *what, double ms, double targetMs)
{
    std::printf("%-34s %8.2f ms   target <= %6.0f ms%s\n", what, ms, targetMs, ms <= targetMs ? "" : "   (over)");
    std::fflush(stdout);
}

void percentiles(const char *what, std::vector<double> samples, double targetP99)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double p) { return samples[std::min(samples.size() - 1, size_t(p * double(samples.size())))]; };
    std::printf("%-34s p50 %6.2f  p99 %6.2f  max %6.2f ms   target p99 <= %4.0f ms%s\n", what, at(0.50), at(0.99),
                samples.back(), targetP99, at(0.99) <= targetP99 ? "" : "   (over)");
    std::fflush(stdout);
}

bool exec(const QString &connection, const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!q.exec(sql)) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(sql.left(200)), qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rows = 1000000;
    QString url;
    bool local = true;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--rows") && !args.isEmpty())
            rows = std::max(1000, args.takeFirst().toInt());
        else if (a == QLatin1String("--register") && !args.isEmpty())
            url = args.takeFirst();
        else if (a == QLatin1String("--skip-local"))
            local = false;
        else {
            std::fprintf(stderr, "usage: bench_register [--rows N] [--register URL] [--skip-local]\n");
            return 2;
        }
    }

    std::unique_ptr<PgCluster> cluster;
    if (url.isEmpty()) {
        cluster = std::make_unique<PgCluster>();
        if (!cluster->create()) {
            std::fprintf(stderr, "no throwaway cluster: %s\n", qPrintable(cluster->why()));
            return 1;
        }
        const QString error = cluster->exec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE register"));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        url = cluster->url(QStringLiteral("register"));
    }
    QString error;
    const SharedRegister::Connection where = SharedRegister::Connection::parse(url, &error);
    SharedRegister reg(where);
    if (!error.isEmpty() || !reg.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(error.isEmpty() ? reg.lastError() : error));
        return 1;
    }

    // A programmed PLB as the template of every row and of the timed writes.
    EpirbConfig plb(nullptr);
    plb.setBeaconType(ConfigTables::E_SkuaP5);
    plb.setSerial(QStringLiteral("1"));
    plb.setProtocolId(ConfigTables::E_UserSerialPlb);
    plb.setCountryCode(257);
    plb.setOwnerName(QStringLiteral("Owner of a personal locator beacon"));
    plb.setOwnerAddress(QStringLiteral("Harbour street 12, 5003 Bergen"));
    plb.setProgStation(QStringLiteral("Bench W"));
    plb.setProgOperator(QStringLiteral("Bench"));
    plb.setProgDate(QDate(2026, 12, 9));
    plb.setBatteryExpiry(QDateTime(QDate(2031, 6, 1), QTime(0, 0)));
    plb.calculateCsMsg();
    const QString block = QString::fromLatin1(encodeDataBlock(plb).toHex());

    const qint64 present = reg.count();
    if (present < rows) {
        std::printf("filling the register to %d rows...\n", rows);
        std::fflush(stdout);
        QElapsedTimer fill;
        fill.start();
        const QString sql = QStringLiteral(
            "INSERT INTO public.quorvik_beacons (programming_key, hex_id, model, serial, protocol, country, owner_name, "
            "owner_address, station, operator, prog_date, data_block, recorded_at) "
            "SELECT 'bench-' || g, upper(substr(md5(g::text), 1, 15)), 13, (100000 + g)::text, 15, 257, "
            "'Owner ' || g, 'Harbour street ' || (g % 500), 'Bench ' || (g % 8), 'Op ' || (g % 20), "
            "date '2020-01-01' + (g % 2500), decode('%1', 'hex'), now() - (g || ' seconds')::interval "
            "FROM generate_series(%2, %3) g ON CONFLICT DO NOTHING")
                                .arg(block)
                                .arg(present + 1)
                                .arg(rows);
        // Filling takes longer than any statement of the program may.
        if (!exec(reg.connectionName(), QStringLiteral("SET statement_timeout = 0")) || !exec(reg.connectionName(), sql)
            || !exec(reg.connectionName(), QStringLiteral("ANALYZE public.quorvik_beacons")))
            return 1;
        std::printf("  filled in %.1f s\n", msSince(fill) / 1000.0);
    }
    std::printf("register bench, %lld rows\n", reg.count());

    // The guard's lookup: half of the IDs are carried by a beacon in the register, half are new
    // (and get reserved).
    QRandomGenerator random(406);
    std::vector<double> lookups;
    for (int i = 0; i < 1000; ++i) {
        const int g = 1 + int(random.bounded(rows));
        const QString existing = QString::fromLatin1(
            QCryptographicHash::hash(QByteArray::number(g), QCryptographicHash::Md5).toHex().left(15).toUpper());
        const QString hex = i % 2 ? existing : QStringLiteral("B%1").arg(quint64(random.generate64() % 100000000000000ULL), 14, 10, QLatin1Char('0'));
        QList<SharedRegister::Entry> others;
        QElapsedTimer t;
        t.start();
        if (!reg.claim(hex, 13, QStringLiteral("999%1").arg(i), QStringLiteral("Bench W"), QStringLiteral("Bench"), &others)) {
            std::fprintf(stderr, "%s\n", qPrintable(reg.lastError()));
            return 1;
        }
        lookups.push_back(msSince(t));
    }
    percentiles("duplicate lookup (claim)", lookups, 5);

    std::vector<double> writes;
    for (int i = 0; i < 1000; ++i) {
        plb.setOwnerName(QStringLiteral("Timed write %1 %2").arg(i).arg(QDateTime::currentMSecsSinceEpoch()));
        int sent = 0;
        QElapsedTimer t;
        t.start();
        if (!reg.send({ &plb }, &sent) || sent != 1) {
            std::fprintf(stderr, "write %d: %s\n", i, qPrintable(reg.lastError()));
            return 1;
        }
        writes.push_back(msSince(t));
    }
    percentiles("record write (one transaction)", writes, 10);

    {
        QElapsedTimer t;
        t.start();
        RegisterQueryModel all(where, nullptr);
        all.reload();
        report("\"All stations\" open (first page)", msSince(t), 500);
        std::printf("  rows on the first page: %d\n", all.rowCount());
        all.setSearch(QStringLiteral("4A"));
        t.restart();
        all.setSearch(QStringLiteral("4A1"));
        report("search keystroke (\"4A\" -> \"4A1\")", msSince(t), 50);
        std::printf("  rows on the first page: %d\n", all.rowCount());
        t.restart();
        all.setSearch(QStringLiteral("owner 12345"));
        report("search keystroke (owner name)", msSince(t), 50);
        t.restart();
        all.setStation(QStringLiteral("Bench 3"));
        report("\"This station\" open", msSince(t), 500);
        t.restart();
        all.sortBy(RegisterQueryModel::BySerial, true);
        report("sort by serial", msSince(t), 500);
        if (!all.error().isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(all.error()));
    }
    reg.close();

    if (!local)
        return 0;
    std::printf("\nlocal database page, 100000 records (bench_records, at most %d GiB of address space)\n",
                kLocalLimitGiB);
    std::fflush(stdout);
    // The local figures have been seen to take all of a machine's memory at this size: the
    // child gets a ceiling, so that it fails alone and says so.
    QProcess records;
    records.setProcessChannelMode(QProcess::ForwardedChannels);
    records.setChildProcessModifier([] {
        const rlim_t bytes = rlim_t(kLocalLimitGiB) << 30;
        const rlimit limit{ bytes, bytes };
        ::setrlimit(RLIMIT_AS, &limit);
    });
    records.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_records"), { QStringLiteral("100000") });
    if (!records.waitForFinished(-1) || records.exitStatus() != QProcess::NormalExit || records.exitCode() != 0) {
        std::printf("local database bench did not finish (exit %d%s): over the memory ceiling or failed\n",
                    records.exitCode(), records.exitStatus() == QProcess::CrashExit ? ", crashed" : "");
        return 1;
    }
    return 0;
}
