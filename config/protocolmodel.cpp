#include "config/protocolmodel.h"

ProtocolModel::ProtocolModel(const QList<int> &protocols, QObject *parent)
    : QAbstractListModel(parent)
    , m_protocols(protocols)
{
}

int ProtocolModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_protocols.size());
}

QVariant ProtocolModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= m_protocols.size()
        || role != Qt::DisplayRole)
        return {};
    return m_protocols.at(index.row());
}

QHash<int, QByteArray> ProtocolModel::roleNames() const
{
    return { { Qt::DisplayRole, QByteArrayLiteral("protocol") } };
}
