#pragma once

#include <QString>

#include <vector>

// What a table model keeps per row so that a proxy over it sorts and searches without
// asking for each cell: one order per column and one prepared search text per row.
class RowKeys
{
public:
    virtual ~RowKeys() = default;

    // Counts the changes of the rows; what was computed for one generation holds until the next.
    virtual quint64 rowGeneration() const = 0;
    // Each source row's place when column is sorted ascending (equal values by row);
    // empty when the column keeps no order.
    virtual const std::vector<int> &rowRanks(int column) const = 0;
    // The rows, ascending, whose search text contains needle (already lower case); only
    // among candidates when it is given.
    virtual std::vector<int> rowsContaining(const QString &needle, const std::vector<int> *candidates) const = 0;
};
