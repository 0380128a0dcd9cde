#include "records/sortfilterproxymodel.h"

#include <QDate>
#include <QRegularExpression>
#include <QTimer>

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
    m_delay = new QTimer(this);
    m_delay->setSingleShot(true);
    connect(m_delay, &QTimer::timeout, this, &SortFilterProxyModel::applyFilter);
}

void SortFilterProxyModel::setSourceModel(QAbstractItemModel *model)
{
    m_keys = dynamic_cast<const RowKeys *>(model);
    m_fast = false;
    m_matchedGeneration = ~quint64(0);
    m_matchedNeedle.clear();
    QSortFilterProxyModel::setSourceModel(model);
}

void SortFilterProxyModel::setFilterDelay(int ms)
{
    if (ms == m_filterDelay)
        return;
    m_filterDelay = qMax(0, ms);
    emit filterDelayChanged();
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
    if (m_filterDelay > 0)
        m_delay->start(m_filterDelay);
    else
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

QString SortFilterProxyModel::plainNeedle() const
{
    QString text = m_filterString;
    if (m_filterSyntax == RegExp)
        return QString();
    if (m_filterSyntax == Wildcard) {
        // "*text*" and "text" find the same rows (the wildcard is not anchored).
        while (text.startsWith(QLatin1Char('*')))
            text.remove(0, 1);
        while (text.endsWith(QLatin1Char('*')) && !text.endsWith(QLatin1String("\\*")))
            text.chop(1);
        for (const QChar c : text) {
            if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[') || c == QLatin1Char('\\'))
                return QString();
        }
    }
    return text.toLower();
}

void SortFilterProxyModel::matchRows() const
{
    const quint64 generation = m_keys->rowGeneration();
    if (generation == m_matchedGeneration && m_needle == m_matchedNeedle)
        return;
    // While the text grows, what it finds is among what the shorter text found.
    const bool narrow = generation == m_matchedGeneration && !m_matchedNeedle.isEmpty() && m_needle.contains(m_matchedNeedle);
    m_hits = m_keys->rowsContaining(m_needle, narrow ? &m_hits : nullptr);
    m_matchedNeedle = m_needle;
    m_matchedGeneration = generation;
    m_accepted.assign(size_t(sourceModel()->rowCount()), 0);
    for (int row : m_hits) {
        if (size_t(row) < m_accepted.size())
            m_accepted[size_t(row)] = 1;
    }
}

void SortFilterProxyModel::applyFilter()
{
    m_delay->stop();
    const QString needle = m_keys ? plainNeedle() : QString();
    const bool noFilter = m_filterSyntax == FixedString
        ? m_filterString.isEmpty()
        : m_filterSyntax == Wildcard && m_filterString.count(QLatin1Char('*')) == m_filterString.size();
    m_fast = m_keys && m_filterSyntax != RegExp && (noFilter || !needle.isEmpty());
    if (m_fast) {
        // Over kept row keys: the rows are found here, and the proxy is laid out once
        // instead of row by row.
        const int before = rowCount();
        m_needle = needle;
        if (!m_needle.isEmpty() && sourceModel())
            matchRows();
        invalidate();
        if (rowCount() != before)
            emit countChanged();
        emit filterApplied();
        return;
    }
    m_needle.clear();
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
    emit filterApplied();
}

bool SortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (m_keys && left.column() == right.column()) {
        const std::vector<int> &ranks = m_keys->rowRanks(left.column());
        if (size_t(left.row()) < ranks.size() && size_t(right.row()) < ranks.size())
            return ranks[size_t(left.row())] < ranks[size_t(right.row())];
    }
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
    if (m_fast) {
        if (m_needle.isEmpty())
            return true;
        matchRows();
        return size_t(sourceRow) < m_accepted.size() && m_accepted[size_t(sourceRow)];
    }
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
