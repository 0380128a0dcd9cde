#include "productionplanmodel.h"

namespace {
// What an empty cell shows, as the rest of the production window does.
const QString kNone = QStringLiteral("-");
}

ProductionPlanModel::ProductionPlanModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString ProductionPlanModel::stateText(State state)
{
    switch (state) {
    case Left:
        return tr("left");
    case Writing:
        return tr("writing");
    case Done:
        return tr("ok");
    case Failed:
        return tr("failed");
    case Refused:
        return tr("refused");
    case NotStored:
        return tr("not stored");
    case Differs:
        return tr("differs");
    }
    return QString();
}

void ProductionPlanModel::reset(const QStringList &serials)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(serials.size());
    for (const QString &serial : serials)
        m_rows.append(Entry{ serial, Left, QString(), QString(), -1 });
    m_writing = -1;
    endResetModel();
    setCurrent(-1);
}

void ProductionPlanModel::setResult(int row, State state, const QString &hexId, const QString &reason, double seconds)
{
    if (row < 0 || row >= m_rows.size())
        return;
    if (row == m_writing)
        m_writing = -1;
    Entry &entry = m_rows[row];
    entry.state = state;
    entry.hexId = hexId;
    entry.reason = reason;
    entry.seconds = seconds;
    rowChanged(row);
    setCurrent(row);
}

void ProductionPlanModel::setWriting(int row)
{
    if (row == m_writing)
        return;
    if (m_writing >= 0) {
        m_rows[m_writing].state = m_beforeWriting;
        rowChanged(m_writing);
    }
    m_writing = row >= 0 && row < m_rows.size() ? row : -1;
    if (m_writing < 0)
        return;
    m_beforeWriting = m_rows.at(m_writing).state;
    m_rows[m_writing].state = Writing;
    rowChanged(m_writing);
    setCurrent(m_writing);
}

void ProductionPlanModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ProductionPlanModel::setCurrent(int row)
{
    if (m_current == row)
        return;
    m_current = row;
    emit currentRowChanged();
}

int ProductionPlanModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProductionPlanModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ProductionPlanModel::cellText(const Entry &entry, int column) const
{
    switch (column) {
    case SerialColumn:
        return entry.serial;
    case StateColumn:
        return stateText(entry.state);
    case HexIdColumn:
        return entry.hexId.isEmpty() ? kNone : entry.hexId;
    case SecondsColumn:
        return entry.seconds < 0 ? kNone : QString::number(entry.seconds, 'f', 1);
    case ReasonColumn:
        return entry.reason.isEmpty() ? kNone : entry.reason;
    }
    return QString();
}

QVariant ProductionPlanModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Entry &entry = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(entry, index.column());
    case SerialRole:
        return entry.serial;
    case StateRole:
        return int(entry.state);
    case StateTextRole:
        return stateText(entry.state);
    case HexIdRole:
        return entry.hexId;
    case SecondsRole:
        return entry.seconds;
    case ReasonRole:
        return entry.reason;
    default:
        return {};
    }
}

QVariant ProductionPlanModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case SerialColumn:
        return tr("Serial");
    case StateColumn:
        return tr("State");
    case HexIdColumn:
        return tr("Hex ID");
    case SecondsColumn:
        return tr("Seconds");
    case ReasonColumn:
        return tr("Reason");
    }
    return {};
}

QHash<int, QByteArray> ProductionPlanModel::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractTableModel::roleNames();
    roles.insert(SerialRole, "serial");
    roles.insert(StateRole, "state");
    roles.insert(StateTextRole, "stateText");
    roles.insert(HexIdRole, "hexId");
    roles.insert(SecondsRole, "seconds");
    roles.insert(ReasonRole, "reason");
    return roles;
}
