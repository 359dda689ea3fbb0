// The answer of one catalogue query: a header row of column names followed by
// the data rows, every cell a GBK text (NULL and empty both read as empty).
#pragma once
#include <string>
#include <vector>

struct ResultGrid {
    int rowCount = 0;     // header row included; 0 after a failure
    int columnCount = 0;  // 0 when no row matched
    std::vector<std::string> cells;  // row-major

    const std::string& Cell(int row, int column) const {
        return cells[static_cast<size_t>(row) * static_cast<size_t>(columnCount) + static_cast<size_t>(column)];
    }
    // Data rows, the header not counted.
    int DataRows() const { return rowCount > 0 ? rowCount - 1 : 0; }
};
