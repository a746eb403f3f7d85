#pragma once

#include <algorithm>

namespace platform {

// A block of cells in grid coordinates (row 0 is the first fixed row), corners inclusive and
// in either order, as the formatting calls of the editors name them.
struct GridRange {
    int row1 = 0;
    int col1 = 0;
    int row2 = 0;
    int col2 = 0;

    static GridRange Cell(int row, int col) { return {row, col, row, col}; }
    int Top() const { return std::min(row1, row2); }
    int Bottom() const { return std::max(row1, row2); }
    int Left() const { return std::min(col1, col2); }
    int Right() const { return std::max(col1, col2); }
};

} // namespace platform
