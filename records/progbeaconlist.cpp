#include "records/progbeaconlist.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"
#include "records/sortfilterproxymodel.h"

#include <QLocale>

#include <algorithm>
#include <limits>

namespace {
const char kBatteryFormat[] = "yyyy MMM";
const char kProgDateFormat[] = "yyyy MMM dd";
}

ProgBeaconList::ProgBeaconList(QObject *parent)
    : ProgBeaconList(DatabaseIfc::instance(nullptr), parent)
{
}

ProgBeaconList::ProgBeaconList(DatabaseIfc *db, QObject *parent)
    : QAbstractTableModel(parent)
    , m_db(db)
{
    if (m_db) {
        connect(m_db, &DatabaseIfc::beginResetModel, this, &ProgBeaconList::beginResetModel);
        connect(m_db, &DatabaseIfc::endResetModel, this, [this] {
            listChanged();
            endResetModel();
        });
        // The hex IDs (for the duplicate mark) are read once now, not when the page opens.
        m_db->hexIdAt(0);
    }
}

void ProgBeaconList::listChanged()
{
    ++m_generation;
    m_searchReady = false;
    m_ranksReady.fill(false);
}

namespace {

// "yyyy MMM" and "yyyy MMM dd" with the English month names, as the cells show them,
// without a locale round per row.
QByteArray englishDate(const QDate &date, bool withDay)
{
    static const char *const months[] = { "jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec" };
    if (!date.isValid())
        return QByteArray();
    QByteArray text = QByteArray::number(date.year()).rightJustified(4, '0') + ' ' + months[date.month() - 1];
    if (withDay)
        text += ' ' + QByteArray::number(date.day()).rightJustified(2, '0');
    return text;
}

// Between the columns of a row's search text: no search text holds it.
constexpr char kColumnBreak = '\x1f';

}

void ProgBeaconList::prepareSearch() const
{
    if (m_searchReady)
        return;
    m_searchReady = true;
    m_searchText.clear();
    m_searchStart.clear();
    const int count = m_db ? m_db->count() : 0;
    m_searchStart.reserve(size_t(count) + 1);
    m_searchText.reserve(qsizetype(count) * 48);
    ConfigTables *tables = ConfigTables::instance(nullptr);
    QHash<int, QByteArray> typeNames;
    for (int i = 0; i < count; ++i) {
        m_searchStart.push_back(int(m_searchText.size()));
        const EpirbConfig *record = m_db->beaconAt(i);
        if (!record)
            continue;
        auto type = typeNames.find(record->beaconType());
        if (type == typeNames.end())
            type = typeNames.insert(record->beaconType(), tables->beaconShortName(record->beaconType()).toLower().toUtf8());
        // What each column is searched by: the type's name, serial and hex ID, the two dates.
        m_searchText += *type;
        m_searchText += kColumnBreak;
        m_searchText += QString::fromLatin1(record->serialBytes()).toLower().toUtf8();
        m_searchText += ' ';
        m_searchText += m_db->hexIdAt(i).toLower().toLatin1();
        m_searchText += kColumnBreak;
        m_searchText += englishDate(record->batteryExpiryDate(), false);
        m_searchText += kColumnBreak;
        m_searchText += englishDate(record->progDate(), true);
        m_searchText += kColumnBreak;
    }
    m_searchStart.push_back(int(m_searchText.size()));
}

std::vector<int> ProgBeaconList::rowsContaining(const QString &needle, const std::vector<int> *candidates) const
{
    prepareSearch();
    std::vector<int> hits;
    const QByteArray n = needle.toUtf8();
    const int rows = int(m_searchStart.size()) - 1;
    const QByteArrayView text(m_searchText);
    const auto test = [&](int row) {
        if (row < 0 || row >= rows)
            return;
        const QByteArrayView own = text.sliced(m_searchStart[size_t(row)], m_searchStart[size_t(row) + 1] - m_searchStart[size_t(row)]);
        if (own.contains(n))
            hits.push_back(row);
    };
    if (candidates) {
        for (int row : *candidates)
            test(row);
    } else {
        for (int row = 0; row < rows; ++row)
            test(row);
    }
    return hits;
}

const std::vector<int> &ProgBeaconList::rowRanks(int column) const
{
    static const std::vector<int> none;
    if (column < 0 || column >= ColumnCount || !m_db)
        return none;
    std::vector<int> &ranks = m_ranks[size_t(column)];
    if (m_ranksReady[size_t(column)])
        return ranks;
    m_ranksReady[size_t(column)] = true;
    const int count = m_db->count();
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[size_t(i)] = i;
    // The values the cells sort by (as lessThan would compare them), once per row.
    if (column == BeaconType) {
        ConfigTables *tables = ConfigTables::instance(nullptr);
        std::vector<QString> names(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            names[size_t(i)] = tables->beaconShortName(m_db->beaconAt(i)->beaconType());
        std::stable_sort(order.begin(), order.end(), [&names](int a, int b) { return names[size_t(a)] < names[size_t(b)]; });
    } else {
        std::vector<qint64> keys(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const EpirbConfig *r = m_db->beaconAt(i);
            switch (column) {
            case BeaconSerial:
                keys[size_t(i)] = QString::fromLatin1(r->serialBytes()).toLongLong();
                break;
            case BatteryDate: {
                // The battery by its month, as the cell shows it.
                const QDate expiry = r->batteryExpiryDate();
                keys[size_t(i)] = expiry.isValid() ? QDate(expiry.year(), expiry.month(), 1).toJulianDay()
                                                   : std::numeric_limits<qint64>::min();
                break;
            }
            default:
                keys[size_t(i)] = r->progDate().isValid() ? r->progDate().toJulianDay() : std::numeric_limits<qint64>::min();
            }
        }
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    }
    ranks.assign(size_t(count), 0);
    for (int place = 0; place < count; ++place)
        ranks[size_t(order[size_t(place)])] = place;
    return ranks;
}

QHash<int, QByteArray> ProgBeaconList::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(DuplicateIdRole, QByteArrayLiteral("duplicateId"));
    return names;
}

int ProgBeaconList::rowCount(const QModelIndex &) const
{
    return m_db ? m_db->count() : 0;
}

int ProgBeaconList::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant ProgBeaconList::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = { QT_TR_NOOP("Beacon Type"), QT_TR_NOOP("Serial"), QT_TR_NOOP("Battery Expiry"),
                                          QT_TR_NOOP("Prog Date") };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    return tr(titles[section]);
}

QVariant ProgBeaconList::data(const QModelIndex &index, int role) const
{
    if (!m_db || index.row() < 0 || index.column() < 0 || index.row() >= m_db->count() || index.column() >= ColumnCount)
        return QVariant();
    const EpirbConfig *record = m_db->beaconAt(index.row());
    if (!record)
        return QVariant();
    const int column = index.column();

    switch (role) {
    case Qt::DisplayRole: {
        static const QLocale english(QLocale::English);
        switch (column) {
        case BeaconType:
            return ConfigTables::instance(nullptr)->beaconShortName(record->beaconType());
        case BeaconSerial:
            return QString::fromLatin1(record->serialBytes());
        case BatteryDate:
            return english.toString(record->batteryExpiryDate(), QLatin1String(kBatteryFormat));
        case ProgDate:
            return english.toString(record->progDate(), QLatin1String(kProgDateFormat));
        }
        break;
    }
    case DuplicateIdRole: {
        const QString id = m_db->hexIdAt(index.row());
        return !id.isEmpty() && m_db->indicesCarrying(id).size() > 1;
    }
    case SortFilterProxyModel::SearchTextRole:
        // A beacon is found by its serial or by its hex ID.
        if (column == BeaconSerial)
            return QString::fromLatin1(record->serialBytes()) + QLatin1Char(' ') + m_db->hexIdAt(index.row());
        return data(index, Qt::DisplayRole);
    case SortFilterProxyModel::SortValueRole:
        // What each column shows, as a value: the battery by its month, programming by its day.
        switch (column) {
        case BeaconSerial:
            return QString::fromLatin1(record->serialBytes()).toLongLong();
        case BatteryDate: {
            const QDate expiry = record->batteryExpiryDate();
            return expiry.isValid() ? QDate(expiry.year(), expiry.month(), 1) : QDate();
        }
        case ProgDate:
            return record->progDate();
        }
        break;
    case SortFilterProxyModel::SortTypeRole:
        // Each column sorts by what it shows: the type by its name.
        switch (column) {
        case BeaconType:
            return QVariant::fromValue(SortFilterProxyModel::SortText);
        case BeaconSerial:
            return QVariant::fromValue(SortFilterProxyModel::SortNumeric);
        default:
            return QVariant::fromValue(SortFilterProxyModel::SortDate);
        }
    case SortFilterProxyModel::DateFormatRole:
        if (column == BatteryDate)
            return QString::fromLatin1(kBatteryFormat);
        if (column == ProgDate)
            return QString::fromLatin1(kProgDateFormat);
        break;
    }
    return QVariant();
}
