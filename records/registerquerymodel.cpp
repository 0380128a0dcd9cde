#include "registerquerymodel.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const char *sortColumn(RegisterQueryModel::SortKey key)
{
    switch (key) {
    case RegisterQueryModel::ByHexId:
        return "hex_id";
    case RegisterQueryModel::BySerial:
        return "serial";
    case RegisterQueryModel::ByStation:
        return "station";
    case RegisterQueryModel::ByOwner:
        return "owner_name";
    case RegisterQueryModel::ByModel:
        return "model";
    case RegisterQueryModel::ByBatteryExpiry:
        return "battery_expiry";
    case RegisterQueryModel::ByProgDate:
        return "prog_date";
    case RegisterQueryModel::ByRecorded:
        break;
    }
    return "recorded_at";
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
    , m_register(connection)
{
    m_searchPause.setSingleShot(true);
    m_searchPause.setInterval(kSearchPauseMs);
    connect(&m_searchPause, &QTimer::timeout, this, &RegisterQueryModel::reload);
}

RegisterQueryModel::~RegisterQueryModel() = default;

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
    return !parent.isValid() && m_more && !m_searchPause.isActive();
}

void RegisterQueryModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    QVector<Row> rows;
    if (!fetch(int(m_rows.size()), &rows)) {
        m_more = false;
        return;
    }
    m_more = rows.size() == kPageRows;
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
    m_rows += rows;
    endInsertRows();
    emit countChanged();
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

bool RegisterQueryModel::reload()
{
    m_searchPause.stop();
    QVector<Row> rows;
    const bool ok = fetch(0, &rows);
    beginResetModel();
    m_rows = rows;
    m_more = ok && rows.size() == kPageRows;
    endResetModel();
    emit countChanged();
    return ok;
}

bool RegisterQueryModel::fetch(int offset, QVector<Row> *rows)
{
    if (!m_register.open()) {
        setError(m_register.lastError());
        return false;
    }
    QStringList where;
    QVariantList values;
    if (!m_station.isEmpty()) {
        where << QStringLiteral("station = ?");
        values << m_station;
    }
    if (!m_search.isEmpty()) {
        // Each alternative has an index of its own (docs/register.sql).
        where << QStringLiteral("(hex_id LIKE ? OR serial LIKE ? OR station LIKE ? OR lower(owner_name) LIKE ?)");
        const QString pattern = prefixPattern(m_search);
        values << pattern.toUpper() << pattern << pattern << pattern.toLower();
    }
    const QString order = QStringLiteral("%1 %2, id %2").arg(QLatin1String(sortColumn(m_sort)),
                                                            m_ascending ? QStringLiteral("ASC") : QStringLiteral("DESC"));
    const QString sql = QStringLiteral("SELECT id, hex_id, model, serial, station, operator, prog_date, owner_name, "
                                       "duplicate_reason, recorded_at, battery_expiry FROM public.quorvik_beacons %1 ORDER BY %2 LIMIT %3 OFFSET %4")
                            .arg(where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")),
                                 order)
                            .arg(kPageRows)
                            .arg(offset);
    QSqlQuery q(QSqlDatabase::database(m_register.connectionName(), false));
    q.setForwardOnly(true);
    // Qt still runs a statement it could not prepare, and says that run's error instead of the reason.
    const bool prepared = q.prepare(sql);
    for (const QVariant &v : std::as_const(values))
        q.addBindValue(v);
    if (!prepared || !q.exec()) {
        setError(m_register.explain(q.lastError()));
        m_register.close();
        return false;
    }
    while (q.next()) {
        Row r;
        r.id = q.value(0).toLongLong();
        r.hexId = q.value(1).toString();
        r.model = q.value(2).toInt();
        r.serial = q.value(3).toString();
        r.station = q.value(4).toString();
        r.operatorName = q.value(5).toString();
        r.progDate = q.value(6).toDate();
        r.owner = q.value(7).toString();
        r.duplicateReason = q.value(8).toString();
        r.recorded = q.value(9).toDateTime();
        r.batteryExpiry = q.value(10).toDate();
        rows->append(r);
    }
    setError(QString());
    return true;
}

bool RegisterQueryModel::record(int row, EpirbConfig &config)
{
    if (row < 0 || row >= m_rows.size() || !m_register.open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_register.connectionName(), false));
    const bool prepared =
        q.prepare(QStringLiteral("SELECT data_block, note, duplicate_reason FROM public.quorvik_beacons WHERE id = ?"));
    q.addBindValue(m_rows.at(row).id);
    if (!prepared || !q.exec()) {
        setError(m_register.explain(q.lastError()));
        return false;
    }
    if (!q.next()) {
        setError(QStringLiteral("Register: the row is no longer in the register."));
        return false;
    }
    if (!decodeDataBlock(q.value(0).toByteArray(), config))
        return false;
    config.setAdditionalInfo(q.value(1).toString());
    config.setDuplicateReason(q.value(2).toString());
    return true;
}
