#pragma once

#include "records/rowkeys.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <vector>

class DatabaseIfc;

// The stored beacons as a four-column table for the database page. Keeps per row what
// sorting and searching ask for, read once per change of the list.
class ProgBeaconList : public QAbstractTableModel, public RowKeys
{
    Q_OBJECT
    QML_ELEMENT

public:
    enum Column { BeaconType = 0, BeaconSerial = 1, BatteryDate = 2, ProgDate = 3, ColumnCount = 4 };
    Q_ENUM(Column)
    // In every column: true when another stored beacon carries this one's hex ID ("duplicateId").
    static constexpr int DuplicateIdRole = Qt::UserRole + 110;

    // Reads the process-wide database.
    explicit ProgBeaconList(QObject *parent = nullptr);
    ProgBeaconList(DatabaseIfc *db, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    quint64 rowGeneration() const override { return m_generation; }
    const std::vector<int> &rowRanks(int column) const override;
    std::vector<int> rowsContaining(const QString &needle, const std::vector<int> *candidates) const override;

private:
    void listChanged();
    void prepareSearch() const;

    DatabaseIfc *m_db;
    quint64 m_generation = 0;
    // One lower-case text per row (each column's searched text, apart), end to end.
    mutable QByteArray m_searchText;
    mutable std::vector<int> m_searchStart;
    mutable bool m_searchReady = false;
    mutable std::array<std::vector<int>, ColumnCount> m_ranks;
    mutable std::array<bool, ColumnCount> m_ranksReady {};
};
