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
            findDuplicates();
            endResetModel();
        });
        findDuplicates();
    }
}

void ProgBeaconList::findDuplicates()
{
    m_duplicateIds.clear();
    if (!m_db)
        return;
    // Each stored record is one beacon (type and serial): an ID seen twice is carried by two.
    QSet<QString> seen;
    for (int i = 0; i < m_db->count(); ++i) {
        const EpirbConfig *record = m_db->beaconAt(i);
        const QString id = record ? record->epirbHexMsg() : QString();
        if (id.isEmpty())
            continue;
        if (seen.contains(id))
            m_duplicateIds.insert(id);
        else
            seen.insert(id);
    }
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
        return !m_duplicateIds.isEmpty() && m_duplicateIds.contains(record->epirbHexMsg());
    case SortFilterProxyModel::SearchTextRole:
        // A beacon is found by its serial or by its hex ID.
        if (column == BeaconSerial)
            return QString::fromLatin1(record->serialBytes()) + QLatin1Char(' ') + record->epirbHexMsg();
        return data(index, Qt::DisplayRole);
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
