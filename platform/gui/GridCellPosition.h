#pragma once

namespace platform {

// A cell named by grid row and column (row 0 is the first fixed row).
struct GridCellPosition {
    int row = 0;
    int col = 0;

    friend bool operator==(const GridCellPosition&, const GridCellPosition&) = default;
};

} // namespace platform
