#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QtQml/qqmlregistration.h>

// The protocols the protocol page may offer, one id per row under the role "protocol".
class ProtocolModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Must be created by ConfigTables::allowedProtocols(int)")

public:
    ProtocolModel(const QList<int> &protocols, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<int> &protocols() const { return m_protocols; }

private:
    const QList<int> m_protocols;
};
