#include "records/epirblogdbbinding.h"

#include "records/epirblogdb.h"

#include <QJSEngine>

#include <iterator>

EpirbLogDbBinding::EpirbLogDbBinding(EpirbLogDb *db)
    : QAbstractTableModel(db)
    , m_db(db)
{
    connect(db, &EpirbLogDb::logAboutToChange, this, &EpirbLogDbBinding::beginResetModel);
    connect(db, &EpirbLogDb::logChanged, this, &EpirbLogDbBinding::endResetModel);
}

EpirbLogDbBinding *EpirbLogDbBinding::create(QQmlEngine *, QJSEngine *)
{
    auto *model = new EpirbLogDbBinding(EpirbLogDb::instance(nullptr));
    QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    return model;
}

int EpirbLogDbBinding::rowCount(const QModelIndex &) const
{
    return m_db->entryCount();
}

int EpirbLogDbBinding::columnCount(const QModelIndex &) const
{
    return m_db->version() == 2 ? 7 : 5;
}

QVariant EpirbLogDbBinding::headerData(int section, Qt::Orientation, int role) const
{
    static const char *const titles[] = {
        "Boot reason", "Boot mask", "Test result", "Duration", "Timestamp / Pressure", "Flags", "Notices",
    };
    if (role != Qt::DisplayRole || section < 0 || section >= int(std::size(titles)))
        return QVariant();
    return QString::fromLatin1(titles[section]);
}

QVariant EpirbLogDbBinding::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const LogEntry *entry = m_db->entryAt(index.row());
    if (!entry || index.column() < 0 || index.column() > 6)
        return QVariant();
    return EpirbLogDb::entryText(*entry, index.column());
}
