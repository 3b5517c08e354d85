#include "copiedrows.h"

#include "rowreader.h"

void CopiedRows::append(const RowReader &r)
{
    if (rows == 0)
        columns = r.columnCount();
    for (int c = 0; c < columns; ++c) {
        const ColumnBytes b = r.bytes(c);
        spans.push_back(b.data ? int(data.size()) : -1);
        spans.push_back(b.size);
        data.insert(data.end(), b.data, b.data + b.size);
    }
    ++rows;
}

void CopiedRows::clear()
{
    rows = 0;
    data.clear();
    spans.clear();
}

ColumnBytes CopiedRows::bytes(int row, int column) const
{
    ColumnBytes b;
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return b;
    const size_t at = (size_t(row) * size_t(columns) + size_t(column)) * 2;
    b.size = spans[at + 1];
    // An empty text is not NULL: it keeps a pointer of its own.
    if (spans[at] >= 0)
        b.data = b.size == 0 ? "" : data.data() + spans[at];
    return b;
}
