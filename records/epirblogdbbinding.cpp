#include "records/epirblogdbbinding.h"

#include "records/epirblogdb.h"

#include <QFileInfo>
#include <QJSEngine>

EpirbLogDbBinding::EpirbLogDbBinding(EpirbLogDb *db)
    : QAbstractTableModel(db)
    , m_db(db)
{
    connect(db, &EpirbLogDb::logAboutToChange, this, &EpirbLogDbBinding::beginResetModel);
    connect(db, &EpirbLogDb::logChanged, this, &EpirbLogDbBinding::endResetModel);
    connect(db, &EpirbLogDb::logChanged, this, &EpirbLogDbBinding::beaconChanged);
    connect(db, &EpirbLogDb::exportChanged, this, &EpirbLogDbBinding::exportChanged);
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
    return m_db->columnCount();
}

QVariant EpirbLogDbBinding::headerData(int section, Qt::Orientation, int role) const
{
    const QString title = EpirbLogDb::columnTitle(section);
    if (role != Qt::DisplayRole || title.isEmpty())
        return QVariant();
    return title;
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

QString EpirbLogDbBinding::exportFileName() const
{
    const QString path = m_db->exportPath();
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}
