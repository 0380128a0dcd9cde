#pragma once

#include "records/rowkeys.h"

#include <QSortFilterProxyModel>
#include <QtQml/qqmlregistration.h>

#include <vector>

class QTimer;

// Sortable, filterable view over a table model for the pages: sorts by the kind of
// value a column holds (text, number, date), as the source model tells through
// SortTypeRole and DateFormatRole.
class SortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(Qt::SortOrder sortOrder READ sortOrder WRITE setSortOrder NOTIFY sortOrderChanged)
    Q_PROPERTY(QString filterString READ filterString WRITE setFilterString NOTIFY filterStringChanged)
    Q_PROPERTY(FilterSyntax filterSyntax READ filterSyntax WRITE setFilterSyntax NOTIFY filterSyntaxChanged)
    // How long a new filter text waits for the next keystroke before it is applied (ms; 0: at once).
    Q_PROPERTY(int filterDelay READ filterDelay WRITE setFilterDelay NOTIFY filterDelayChanged)

public:
    enum FilterSyntax { RegExp = 0, Wildcard = 1, FixedString = 2 };
    Q_ENUM(FilterSyntax)

    enum SortType { SortText = 0, SortNumeric = 1, SortDate = 2 };

    // Roles a source model answers per column.
    static constexpr int SortTypeRole = Qt::UserRole + 100;
    static constexpr int DateFormatRole = Qt::UserRole + 101;
    // What a search matches in a cell, when it is more than the cell shows (a record's hex ID).
    static constexpr int SearchTextRole = Qt::UserRole + 102;
    // The value a cell sorts by, where the model has it at hand (a number, a QDate): spares
    // turning shown text back into values on every comparison.
    static constexpr int SortValueRole = Qt::UserRole + 103;

    explicit SortFilterProxyModel(QObject *parent = nullptr);

    int count() const;
    Qt::SortOrder sortOrder() const { return QSortFilterProxyModel::sortOrder(); }
    void setSortOrder(Qt::SortOrder order);
    QString filterString() const { return m_filterString; }
    void setFilterString(const QString &filter);
    FilterSyntax filterSyntax() const { return m_filterSyntax; }
    void setFilterSyntax(FilterSyntax syntax);
    int filterDelay() const { return m_filterDelay; }
    void setFilterDelay(int ms);
    void setSourceModel(QAbstractItemModel *model) override;

    Q_INVOKABLE void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void countChanged();
    void sortOrderChanged();
    void filterStringChanged();
    void filterSyntaxChanged();
    void filterDelayChanged();
    // The filter text in force now is applied to the rows.
    void filterApplied();

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void applyFilter();
    // A plain piece of text to look for (lower case), when the filter is one; else empty.
    QString plainNeedle() const;
    void matchRows() const;

    QString m_filterString;
    FilterSyntax m_filterSyntax = Wildcard;
    int m_filterDelay = 0;
    QTimer *m_delay = nullptr;
    // Over a source that keeps row keys: the filter is the rows its search text finds,
    // narrowed from the previous hits while the text grows.
    const RowKeys *m_keys = nullptr;
    bool m_fast = false;
    QString m_needle;
    mutable QString m_matchedNeedle;
    mutable quint64 m_matchedGeneration = ~quint64(0);
    mutable std::vector<int> m_hits;
    mutable std::vector<char> m_accepted;
};

Q_DECLARE_METATYPE(SortFilterProxyModel::SortType)
