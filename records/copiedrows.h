#pragma once

#include "columntext.h"

#include <vector>

class RowReader;

// Rows copied off a read statement as bytes, so that another thread can turn them
// into records while the statement steps on.
class CopiedRows
{
public:
    // From a direct reader (RowReader::isDirect()).
    void append(const RowReader &r);
    int size() const { return rows; }
    size_t byteSize() const { return data.size(); }
    void clear();
    // Valid until the next append() or clear().
    ColumnBytes bytes(int row, int column) const;

private:
    int columns = 0;
    int rows = 0;
    // Standard containers: clear() keeps their memory for the next rows.
    std::vector<char> data;
    // Offset into data (-1 for NULL) and size of each column of each row.
    std::vector<int> spans;
};
