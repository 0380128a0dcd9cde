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
    switch (type) {
    case SortNumeric:
        return l.toLongLong() < r.toLongLong();
    case SortDate: {
        const QVariant formatValue = source->data(left, DateFormatRole);
        const QString format = formatValue.isValid() ? formatValue.toString() : QStringLiteral("yyyy MMM");
        return QDate::fromString(l.toString(), format) < QDate::fromString(r.toString(), format);
    }
    case SortText:
        break;
    }
    return l.toString() < r.toString();
}
