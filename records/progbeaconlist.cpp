#include "records/progbeaconlist.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"
#include "records/sortfilterproxymodel.h"

#include <QLocale>

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
            readHexIds();
            endResetModel();
        });
        readHexIds();
    }
}

void ProgBeaconList::readHexIds()
{
    m_hexIds.clear();
    m_duplicateIds.clear();
    if (!m_db)
        return;
    // Each stored record is one beacon (type and serial): an ID seen twice is carried by two.
    const int count = m_db->count();
    m_hexIds.reserve(count);
    QSet<QString> seen;
    for (int i = 0; i < count; ++i) {
        const EpirbConfig *record = m_db->beaconAt(i);
        QString id = record ? record->epirbHexMsg() : QString();
        if (!id.isEmpty()) {
            if (seen.contains(id))
                m_duplicateIds.insert(id);
            else
                seen.insert(id);
        }
        m_hexIds.append(std::move(id));
    }
}

QString ProgBeaconList::hexIdAt(int row) const
{
    // A list not yet read again after a change falls back to the record itself.
    if (row < m_hexIds.size())
        return m_hexIds.at(row);
    const EpirbConfig *record = m_db->beaconAt(row);
    return record ? record->epirbHexMsg() : QString();
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
    static const char *const titles[] = { "Beacon Type", "Serial", "Battery Expiry", "Prog Date" };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    return QString::fromLatin1(titles[section]);
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
    case DuplicateIdRole:
        return !m_duplicateIds.isEmpty() && m_duplicateIds.contains(hexIdAt(index.row()));
    case SortFilterProxyModel::SearchTextRole:
        // A beacon is found by its serial or by its hex ID.
        if (column == BeaconSerial)
            return QString::fromLatin1(record->serialBytes()) + QLatin1Char(' ') + hexIdAt(index.row());
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
