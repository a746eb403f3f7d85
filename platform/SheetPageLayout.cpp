#include "platform/SheetPageLayout.h"

#include "platform/SheetError.h"
#include "platform/SheetTextMeasure.h"
#include "platform/SheetWorksheet.h"

namespace platform {
namespace {

// Greedy bands: as many items from `first` as fit in `room`, at least one.
template <class Size> std::vector<std::pair<int, int>> Bands(int first, int last, double room, Size size) {
    std::vector<std::pair<int, int>> bands;
    int start = first;
    while (start <= last) {
        double used = size(start);
        int end = start;
        while (end < last && used + size(end + 1) <= room) {
            ++end;
            used += size(end);
        }
        bands.emplace_back(start, end);
        start = end + 1;
    }
    return bands;
}

} // namespace

double SheetPageLayout::ColumnPoints(const SheetWorksheet& sheet, int column) {
    return SheetColumnWidthToPixels(sheet.ColumnWidth(column)) * 0.75;
}

double SheetPageLayout::RowPoints(const SheetWorksheet& sheet, int row) {
    return sheet.RowHeight(row);
}

std::vector<SheetPage> SheetPageLayout::Paginate(const SheetWorksheet& sheet, double paperWidth,
                                                 double paperHeight) {
    if (sheet.LastRow() == 0 || sheet.LastColumn() == 0)
        throw SheetError(
            SheetError::ApplicationDefined,
            QStringLiteral("The sheet \"%1\" is empty; there is nothing to print.").arg(sheet.Name()));
    const SheetPageSetup& setup = sheet.PageSetup();
    const double scale = setup.Zoom() / 100.0;
    const double width = (paperWidth - setup.LeftMargin() - setup.RightMargin()) / scale;
    const double height = (paperHeight - setup.TopMargin() - setup.BottomMargin()) / scale;
    if (width <= 0 || height <= 0)
        throw SheetError(
            SheetError::ApplicationDefined,
            QStringLiteral("The margins of the sheet \"%1\" leave no room on the paper.").arg(sheet.Name()));

    const auto columnBands =
        Bands(1, sheet.LastColumn(), width, [&sheet](int column) { return ColumnPoints(sheet, column); });

    // Title rows stand above every page that starts below them, when they leave room for a row.
    const int titleFirst = setup.TitleFirstRow();
    const int titleLast = std::min(setup.TitleLastRow(), sheet.LastRow());
    double titleHeight = 0;
    if (titleFirst > 0)
        for (int row = titleFirst; row <= titleLast; ++row)
            titleHeight += RowPoints(sheet, row);
    const bool titles = titleFirst > 0 && titleFirst <= sheet.LastRow() && titleHeight < height;

    std::vector<std::pair<int, int>> rowBands;
    for (int start = 1; start <= sheet.LastRow();) {
        const bool withTitles = titles && start > titleLast;
        const double room = withTitles ? height - titleHeight : height;
        const auto band =
            Bands(start, sheet.LastRow(), room, [&sheet](int row) { return RowPoints(sheet, row); }).front();
        rowBands.push_back(band);
        start = band.second + 1;
    }

    std::vector<SheetPage> pages;
    pages.reserve(columnBands.size() * rowBands.size());
    for (const auto& [firstColumn, lastColumn] : columnBands)
        for (const auto& [firstRow, lastRow] : rowBands)
            pages.push_back({firstRow, lastRow, firstColumn, lastColumn, titles && firstRow > titleLast});
    return pages;
}

} // namespace platform
