#include "records/epirblogcounterbinding.h"

#include "records/epirblogdb.h"

#include <QJSEngine>

EpirbLogCounterBinding::EpirbLogCounterBinding(EpirbLogDb *db)
    : QAbstractTableModel(db)
    , m_db(db)
{
    connect(db, &EpirbLogDb::logAboutToChange, this, &EpirbLogCounterBinding::beginResetModel);
    connect(db, &EpirbLogDb::logChanged, this, &EpirbLogCounterBinding::endResetModel);
}

EpirbLogCounterBinding *EpirbLogCounterBinding::create(QQmlEngine *, QJSEngine *)
{
    auto *model = new EpirbLogCounterBinding(EpirbLogDb::instance(nullptr));
    QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    return model;
}

int EpirbLogCounterBinding::rowCount(const QModelIndex &) const
{
    return 1;
}

int EpirbLogCounterBinding::columnCount(const QModelIndex &) const
{
    return m_db->version() == 2 ? 12 : 8;
}

QVariant EpirbLogCounterBinding::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return EpirbLogDb::bootReasonName(section);
}

QVariant EpirbLogCounterBinding::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || index.row() != 0 || index.column() < 0 || index.column() >= EpirbLogDb::kCounterCount)
        return QVariant();
    const auto &counters = m_db->counters();
    if (index.column() == 11) {
        // The last column stands for every reason from 11 up.
        int sum = 0;
        for (int i = 11; i < EpirbLogDb::kCounterCount; ++i)
            sum += counters[size_t(i)];
        return QString::number(sum);
    }
    return QString::number(counters[size_t(index.column())]);
}
