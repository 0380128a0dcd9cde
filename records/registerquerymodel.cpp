#include "registerquerymodel.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "records/registerline.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// The value a sort key orders by, and its type to compare a page's last value with. Dates
// that may be missing order as the earliest.
struct SortSql
{
    const char *expr;
    const char *type;
};

SortSql sortSql(RegisterQueryModel::SortKey key)
{
    switch (key) {
    case RegisterQueryModel::ByHexId:
        return { "hex_id", "varchar" };
    case RegisterQueryModel::BySerial:
        return { "serial", "text" };
    case RegisterQueryModel::ByStation:
        return { "station", "text" };
    case RegisterQueryModel::ByOwner:
        return { "owner_name", "text" };
    case RegisterQueryModel::ByModel:
        return { "model", "integer" };
    case RegisterQueryModel::ByBatteryExpiry:
        return { "COALESCE(battery_expiry, DATE '0001-01-01')", "date" };
    case RegisterQueryModel::ByProgDate:
        return { "COALESCE(prog_date, DATE '0001-01-01')", "date" };
    case RegisterQueryModel::ByRecorded:
        break;
    }
    return { "recorded_at", "timestamptz" };
}

// A LIKE pattern matching text at the start, with the wildcards in text taken literally.
QString prefixPattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return escaped + QLatin1Char('%');
}
}

RegisterQueryModel::RegisterQueryModel(const SharedRegister::Connection &connection, QObject *parent)
    : QAbstractTableModel(parent)
    , m_line(new RegisterLine(connection))
{
    m_searchPause.setSingleShot(true);
    m_searchPause.setInterval(kSearchPauseMs);
    connect(&m_searchPause, &QTimer::timeout, this, &RegisterQueryModel::reload);
}

RegisterQueryModel::~RegisterQueryModel()
{
    delete m_line;
}

int RegisterQueryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RegisterQueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant RegisterQueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = { "Beacon Type", "Serial", "Battery Expiry", "Prog Date", "Station" };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    return QString::fromLatin1(titles[section]);
}

void RegisterQueryModel::sort(int column, Qt::SortOrder order)
{
    static const SortKey keys[] = { ByModel, BySerial, ByBatteryExpiry, ByProgDate, ByStation };
    if (column < 0 || column >= ColumnCount)
        return;
    sortBy(keys[column], order == Qt::AscendingOrder);
}

QHash<int, QByteArray> RegisterQueryModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { HexIdRole, "hexId" }, { ModelRole, "beaconType" },   { SerialRole, "beaconSerial" },
             { StationRole, "station" },   { OperatorRole, "progOperator" }, { ProgDateRole, "progDate" },
             { OwnerRole, "ownerName" },   { DuplicateReasonRole, "duplicateReason" },
             { RecordedRole, "recorded" }, { DuplicateIdRole, "duplicateId" } };
}

QVariant RegisterQueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    if (role == Qt::DisplayRole) {
        static const QLocale english(QLocale::English);
        switch (index.column()) {
        case BeaconType:
            return ConfigTables::instance(nullptr)->beaconShortName(r.model);
        case BeaconSerial:
            return r.serial;
        case BatteryDate:
            return english.toString(r.batteryExpiry, QStringLiteral("yyyy MMM"));
        case ProgDate:
            return english.toString(r.progDate, QStringLiteral("yyyy MMM dd"));
        case Station:
            return r.station;
        }
        return {};
    }
    switch (role) {
    case HexIdRole:
        return r.hexId;
    case ModelRole:
        return r.model;
    case SerialRole:
        return r.serial;
    case StationRole:
        return r.station;
    case OperatorRole:
        return r.operatorName;
    case ProgDateRole:
        return r.progDate;
    case OwnerRole:
        return r.owner;
    case DuplicateReasonRole:
        return r.duplicateReason;
    case RecordedRole:
        return r.recorded;
    case DuplicateIdRole:
        return !r.duplicateReason.isEmpty();
    }
    return {};
}

bool RegisterQueryModel::canFetchMore(const QModelIndex &parent) const
{
    // While the keys pause the rows are of the search before: no page of the new one goes after them.
    return !parent.isValid() && m_more && !m_fetching && !m_searchPause.isActive();
}

void RegisterQueryModel::fetchMore(const QModelIndex &parent)
{
    if (canFetchMore(parent))
        ask(true);
}

void RegisterQueryModel::setSearch(const QString &text)
{
    const QString t = text.trimmed();
    if (t == m_search)
        return;
    m_search = t;
    emit searchChanged();
    m_searchPause.start();
}

void RegisterQueryModel::setStation(const QString &station)
{
    if (station == m_station)
        return;
    m_station = station;
    emit stationChanged();
    reload();
}

void RegisterQueryModel::sortBy(int key, bool ascending)
{
    m_sort = SortKey(qBound(int(ByRecorded), key, int(ByProgDate)));
    m_ascending = ascending;
    reload();
}

void RegisterQueryModel::setError(const QString &error)
{
    if (error == m_error)
        return;
    m_error = error;
    emit errorChanged();
}

void RegisterQueryModel::reload()
{
    m_searchPause.stop();
    ++m_generation;
    ask(false);
}

void RegisterQueryModel::setFetching(bool fetching)
{
    if (fetching == m_fetching)
        return;
    m_fetching = fetching;
    emit loadingChanged();
}

void RegisterQueryModel::ask(bool nextPage)
{
    Query query;
    query.station = m_station;
    query.search = m_search;
    query.sort = m_sort;
    query.ascending = m_ascending;
    if (nextPage && !m_rows.isEmpty()) {
        query.after = true;
        query.afterKey = m_lastKey;
        query.afterId = m_rows.constLast().id;
    }
    setFetching(true);
    const int generation = m_generation;
    m_line->post<Page>([query](SharedRegister &r) { return fetchPage(r, query); }, this,
                       [this, generation, nextPage](const Page &page) {
                           if (generation != m_generation)
                               return; // asked for before the last reload; that one follows
                           setFetching(false);
                           setError(page.ok ? QString() : page.error);
                           if (!nextPage) {
                               beginResetModel();
                               m_rows = page.rows;
                               m_more = page.ok && page.rows.size() == kPageRows;
                               m_lastKey = page.lastKey;
                               endResetModel();
                               emit countChanged();
                           } else {
                               m_more = page.ok && page.rows.size() == kPageRows;
                               if (!page.rows.isEmpty()) {
                                   beginInsertRows(QModelIndex(), int(m_rows.size()),
                                                   int(m_rows.size() + page.rows.size() - 1));
                                   m_rows += page.rows;
                                   m_lastKey = page.lastKey;
                                   endInsertRows();
                                   emit countChanged();
                               }
                           }
                           emit pageLoaded(page.ok);
                       });
}

RegisterQueryModel::Page RegisterQueryModel::fetchPage(SharedRegister &r, const Query &query)
{
    Page page;
    if (!r.open()) {
        page.error = r.lastError();
        return page;
    }
    QStringList where;
    QVariantList values;
    if (!query.station.isEmpty()) {
        where << QStringLiteral("station = ?");
        values << query.station;
    }
    if (!query.search.isEmpty()) {
        // Each alternative has an index of its own (docs/register.sql).
        where << QStringLiteral("(hex_id LIKE ? OR serial LIKE ? OR station LIKE ? OR lower(owner_name) LIKE ?)");
        const QString pattern = prefixPattern(query.search);
        values << pattern.toUpper() << pattern << pattern << pattern.toLower();
    }
    const SortSql sort = sortSql(query.sort);
    const QString expr = QLatin1String(sort.expr);
    if (query.after) {
        // The last value comes back as the server wrote it: exact, where a timestamp read into
        // the program would lose its microseconds.
        where << QStringLiteral("(%1, id) %2 (CAST(? AS %3), ?)")
                     .arg(expr, query.ascending ? QStringLiteral(">") : QStringLiteral("<"), QLatin1String(sort.type));
        values << query.afterKey << query.afterId;
    }
    const QString order = QStringLiteral("%1 %2, id %2").arg(expr, query.ascending ? QStringLiteral("ASC")
                                                                                     : QStringLiteral("DESC"));
    const QString sql = QStringLiteral("SELECT id, hex_id, model, serial, station, operator, prog_date, owner_name, "
                                       "duplicate_reason, recorded_at, battery_expiry, (%1)::text AS sort_key "
                                       "FROM public.quorvik_beacons %2 ORDER BY %3 LIMIT %4")
                            .arg(expr,
                                 where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")),
                                 order)
                            .arg(kPageRows);
    QSqlQuery q(QSqlDatabase::database(r.connectionName(), false));
    q.setForwardOnly(true);
    // Qt still runs a statement it could not prepare, and says that run's error instead of the reason.
    const bool prepared = q.prepare(sql);
    for (const QVariant &v : std::as_const(values))
        q.addBindValue(v);
    if (!prepared || !q.exec()) {
        page.error = r.explain(q.lastError());
        q = QSqlQuery();
        r.close();
        return page;
    }
    while (q.next()) {
        Row row;
        row.id = q.value(0).toLongLong();
        row.hexId = q.value(1).toString();
        row.model = q.value(2).toInt();
        row.serial = q.value(3).toString();
        row.station = q.value(4).toString();
        row.operatorName = q.value(5).toString();
        row.progDate = q.value(6).toDate();
        row.owner = q.value(7).toString();
        row.duplicateReason = q.value(8).toString();
        row.recorded = q.value(9).toDateTime();
        row.batteryExpiry = q.value(10).toDate();
        page.lastKey = q.value(11).toString();
        page.rows.append(row);
    }
    page.ok = true;
    return page;
}

bool RegisterQueryModel::record(int row, EpirbConfig &config)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    struct Found
    {
        bool ok = false;
        QString error;
        QByteArray block;
        QString note;
        QString reason;
    };
    const qint64 id = m_rows.at(row).id;
    // One row by its key; waited for, as the page that shows it needs it at once.
    const Found found = m_line->call<Found>([id](SharedRegister &r) {
        Found f;
        if (!r.open()) {
            f.error = r.lastError();
            return f;
        }
        QSqlQuery q(QSqlDatabase::database(r.connectionName(), false));
        const bool prepared =
            q.prepare(QStringLiteral("SELECT data_block, note, duplicate_reason FROM public.quorvik_beacons WHERE id = ?"));
        q.addBindValue(id);
        if (!prepared || !q.exec()) {
            f.error = r.explain(q.lastError());
            return f;
        }
        if (!q.next()) {
            f.error = QStringLiteral("Register: the row is no longer in the register.");
            return f;
        }
        f.ok = true;
        f.block = q.value(0).toByteArray();
        f.note = q.value(1).toString();
        f.reason = q.value(2).toString();
        return f;
    });
    if (!found.ok) {
        setError(found.error);
        return false;
    }
    if (!decodeDataBlock(found.block, config))
        return false;
    config.setAdditionalInfo(found.note);
    config.setDuplicateReason(found.reason);
    return true;
}
