#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>

class DatabaseIfc;

// The stored beacons as a four-column table for the database page.
class ProgBeaconList : public QAbstractTableModel
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

private:
    // Each row's hex ID, and those more than one stored beacon carries: read once per
    // change, as searching and marking ask for them row by row.
    void readHexIds();
    QString hexIdAt(int row) const;

    DatabaseIfc *m_db;
    QList<QString> m_hexIds;
    QSet<QString> m_duplicateIds;
};
