#pragma once

#include <QAbstractTableModel>
#include <QtQml/qqmlregistration.h>

class EpirbLogDb;
class QQmlEngine;
class QJSEngine;

// The boot-log entries, newest first, one row each.
class EpirbLogDbBinding : public QAbstractTableModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(LogDBModel)
    QML_SINGLETON

public:
    // The decoder is also the parent.
    explicit EpirbLogDbBinding(EpirbLogDb *db);

    static EpirbLogDbBinding *create(QQmlEngine *, QJSEngine *);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    EpirbLogDb *m_db;
};
