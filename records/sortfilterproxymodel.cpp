#include "records/sortfilterproxymodel.h"

#include <QDate>
#include <QRegularExpression>

SortFilterProxyModel::SortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    sort(sortColumn(), Qt::AscendingOrder);
    emit sortOrderChanged();
    connect(this, &QAbstractItemModel::rowsInserted, this, &SortFilterProxyModel::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &SortFilterProxyModel::countChanged);
    // A reset (new source, import) changes the row count without row signals.
    connect(this, &QAbstractItemModel::modelReset, this, &SortFilterProxyModel::countChanged);
}

int SortFilterProxyModel::count() const
{
    return rowCount(QModelIndex());
}

void SortFilterProxyModel::sort(int column, Qt::SortOrder order)
{
    QSortFilterProxyModel::sort(column, order);
}

void SortFilterProxyModel::setSortOrder(Qt::SortOrder order)
{
    sort(sortColumn(), order);
    emit sortOrderChanged();
}

void SortFilterProxyModel::setFilterString(const QString &filter)
{
    m_filterString = filter;
    applyFilter();
    emit filterStringChanged();
}

void SortFilterProxyModel::setFilterSyntax(FilterSyntax syntax)
{
    m_filterSyntax = syntax;
    applyFilter();
    emit filterStringChanged();
    emit filterSyntaxChanged();
}

void SortFilterProxyModel::applyFilter()
{
    switch (m_filterSyntax) {
    case RegExp: {
        QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
        if (filterCaseSensitivity() == Qt::CaseInsensitive)
            options |= QRegularExpression::CaseInsensitiveOption;
        setFilterRegularExpression(QRegularExpression(m_filterString, options));
        break;
    }
    case Wildcard:
        setFilterWildcard(m_filterString);
        break;
    case FixedString:
        setFilterFixedString(m_filterString);
        break;
    }
}

bool SortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QAbstractItemModel *source = sourceModel();
    const QVariant leftValue = source->data(left, SortValueRole);
    if (leftValue.isValid()) {
        const QVariant rightValue = source->data(right, SortValueRole);
        const QPartialOrdering order = QVariant::compare(leftValue, rightValue);
        if (order == QPartialOrdering::Less || order == QPartialOrdering::Greater)
            return order == QPartialOrdering::Less;
        if (order == QPartialOrdering::Equivalent)
            return left.row() < right.row();
        // Values that do not compare fall back to the shown text below.
    }
    SortType type = SortText;
    const QVariant typeValue = source->data(left, SortTypeRole);
    if (typeValue.metaType() == QMetaType::fromType<SortType>()) {
        type = typeValue.value<SortType>();
    } else if (typeValue.isValid()) {
        // Models below this layer cannot name the enum and answer a plain number.
        bool ok = false;
        const int n = typeValue.toInt(&ok);
        if (ok && n >= SortText && n <= SortDate)
            type = SortType(n);
    }

    const QVariant l = source->data(left, Qt::DisplayRole);
    const QVariant r = source->data(right, Qt::DisplayRole);
    int order = 0;
    switch (type) {
    case SortNumeric: {
        const qlonglong a = l.toLongLong();
        const qlonglong b = r.toLongLong();
        order = a < b ? -1 : (b < a ? 1 : 0);
        break;
    }
    case SortDate: {
        const QVariant formatValue = source->data(left, DateFormatRole);
        const QString format = formatValue.isValid() ? formatValue.toString() : QStringLiteral("yyyy MMM");
        const QDate a = QDate::fromString(l.toString(), format);
        const QDate b = QDate::fromString(r.toString(), format);
        order = a < b ? -1 : (b < a ? 1 : 0);
        break;
    }
    case SortText:
        order = l.toString().compare(r.toString());
        break;
    }
    if (order != 0)
        return order < 0;
    // Equal values keep the source order, so a descending sort shows the later row first.
    return left.row() < right.row();
}

bool SortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QRegularExpression expression = filterRegularExpression();
    if (expression.pattern().isEmpty())
        return true;
    const QAbstractItemModel *source = sourceModel();
    const int key = filterKeyColumn();
    const int first = key < 0 ? 0 : key;
    const int last = key < 0 ? source->columnCount(sourceParent) - 1 : key;
    for (int column = first; column <= last; ++column) {
        const QModelIndex index = source->index(sourceRow, column, sourceParent);
        QVariant value = source->data(index, SearchTextRole);
        if (!value.isValid())
            value = source->data(index, filterRole());
        if (value.toString().contains(expression))
            return true;
    }
    return false;
}
