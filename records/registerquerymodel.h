#pragma once

#include "records/sharedregister.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QtQml/qqmlregistration.h>

class EpirbConfig;

// The register's rows for the Reports page, "This station" or "All stations", fetched a page
// at a time: opening it and every search costs one page however many rows the register
// holds. Search matches the start of the hex ID, the serial number, the station or the owner
// name (case-insensitive for the owner), newest programming first unless sorted otherwise.
// Its columns are those of the local list, and the station that programmed the beacon.
class RegisterQueryModel : public QAbstractTableModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the back end")
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(QString station READ station WRITE setStation NOTIFY stationChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Role { HexIdRole = Qt::UserRole + 1, ModelRole, SerialRole, StationRole, OperatorRole, ProgDateRole,
                OwnerRole, DuplicateReasonRole, RecordedRole, DuplicateIdRole };
    enum SortKey { ByRecorded, ByHexId, BySerial, ByStation, ByOwner, ByModel, ByBatteryExpiry, ByProgDate };
    enum Column { BeaconType = 0, BeaconSerial = 1, BatteryDate = 2, ProgDate = 3, Station = 4, ColumnCount = 5 };
    Q_ENUM(Column)
    Q_ENUM(SortKey)

    static constexpr int kPageRows = 200;
    static constexpr int kSearchPauseMs = 250;

    RegisterQueryModel(const SharedRegister::Connection &connection, QObject *parent);
    ~RegisterQueryModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The table's header sorts by its columns.
    void sort(int column, Qt::SortOrder order) override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    QString search() const { return m_search; }
    void setSearch(const QString &text);
    // Empty: every station.
    QString station() const { return m_station; }
    void setStation(const QString &station);
    Q_INVOKABLE void sortBy(int key, bool ascending);
    QString error() const { return m_error; }
    // Queries the first page again.
    Q_INVOKABLE bool reload();
    // The next page, for a view scrolled near its last row.
    Q_INVOKABLE void fetchNextPage() { fetchMore(QModelIndex()); }
    // The programming of row as a record (its data block decoded); false when it cannot be read.
    bool record(int row, EpirbConfig &config);

signals:
    void searchChanged();
    void stationChanged();
    void errorChanged();
    void countChanged();

private:
    struct Row
    {
        qint64 id = 0;
        QString hexId;
        int model = 0;
        QString serial;
        QString station;
        QString operatorName;
        QDate progDate;
        QDate batteryExpiry;
        QString owner;
        QString duplicateReason;
        QDateTime recorded;
    };
    bool fetch(int offset, QVector<Row> *rows);
    void setError(const QString &error);

    SharedRegister m_register;
    QVector<Row> m_rows;
    QString m_search;
    // Typing on: the register is asked once the keys pause, not at every key.
    QTimer m_searchPause;
    QString m_station;
    SortKey m_sort = ByRecorded;
    bool m_ascending = false;
    bool m_more = false;
    QString m_error;
};
