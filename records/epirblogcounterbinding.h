#pragma once

#include <QAbstractTableModel>
#include <QtQml/qqmlregistration.h>

class EpirbLogDb;
class QQmlEngine;
class QJSEngine;

// One row of boot counters by reason for the boot-log page.
class EpirbLogCounterBinding : public QAbstractTableModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(LogCounterModel)
    QML_SINGLETON

public:
    // The decoder is also the parent.
    explicit EpirbLogCounterBinding(EpirbLogDb *db);

    static EpirbLogCounterBinding *create(QQmlEngine *, QJSEngine *);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    EpirbLogDb *m_db;
};
