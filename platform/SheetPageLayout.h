#pragma once

#include <vector>

namespace platform {

class SheetWorksheet;

// One printed page: the cells it shows and whether the print title rows go above them.
struct SheetPage {
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = 1;
    int lastColumn = 1;
    bool withTitleRows = false;
};

// Cuts the used part of a worksheet (A1 to the last used cell) into pages: as many columns and
// rows as fit between the margins at the sheet's zoom, pages numbered down first, then across.
class SheetPageLayout {
public:
    // Paper width and height in points, already turned for the orientation. Throws SheetError
    // for an empty sheet (nothing to print) or margins that leave no room on the paper.
    static std::vector<SheetPage> Paginate(const SheetWorksheet& sheet, double paperWidth,
                                           double paperHeight);

    // Sizes in points at 100 %.
    static double ColumnPoints(const SheetWorksheet& sheet, int column);
    static double RowPoints(const SheetWorksheet& sheet, int row);
};

} // namespace platform
