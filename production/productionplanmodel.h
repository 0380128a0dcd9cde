#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The plan as the production window lists it: one row per beacon of the plan, in the
// plan's order, with what became of it. Columns for a table view; the same values under
// named roles for anything that reads it as a list.
class ProductionPlanModel : public QAbstractTableModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Kept by a production batch")

    // The row in hand, else the one finished last; -1 before the first.
    Q_PROPERTY(int currentRow READ currentRow NOTIFY currentRowChanged)

public:
    enum Column { SerialColumn, StateColumn, HexIdColumn, SecondsColumn, ReasonColumn, ColumnCount };
    Q_ENUM(Column)
    // Differs: the record has it programmed with another identity than its row now gives.
    enum State { Left, Writing, Done, Failed, Refused, NotStored, Differs };
    Q_ENUM(State)
    enum Role { SerialRole = Qt::UserRole + 1, StateRole, StateTextRole, HexIdRole, SecondsRole, ReasonRole };

    explicit ProductionPlanModel(QObject *parent);

    void reset(const QStringList &serials);
    // seconds < 0: not measured (a beacon of an earlier run).
    void setResult(int row, State state, const QString &hexId, const QString &reason, double seconds);
    // The row being written, -1 for none; a row no longer in hand gets back what it showed.
    void setWriting(int row);
    State state(int row) const { return m_rows.value(row).state; }
    int currentRow() const { return m_current; }
    static QString stateText(State state);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void currentRowChanged();

private:
    struct Entry
    {
        QString serial;
        State state = Left;
        QString hexId;
        QString reason;
        double seconds = -1;
    };
    QString cellText(const Entry &entry, int column) const;
    void rowChanged(int row);
    void setCurrent(int row);

    QList<Entry> m_rows;
    int m_writing = -1;
    State m_beforeWriting = Left;
    int m_current = -1;
};
