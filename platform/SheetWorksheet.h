#pragma once

#include "platform/SheetArea.h"
#include "platform/SheetPageSetup.h"
#include "platform/SheetStyle.h"
#include "platform/SheetStylePatch.h"

#include <QString>
#include <QStringList>

#include <map>
#include <variant>
#include <vector>

namespace platform {

class SheetRange;
class SheetWorkbook;

// One worksheet: cell values, the look of the whole sheet, of columns, rows and cells, widths,
// heights and the page setup. Formatting a whole row, column or the sheet costs one setting, not
// one per cell, so a sheet-wide font is cheap however many rows follow.
class SheetWorksheet {
public:
    using CellValue = std::variant<std::monostate, double, QString>;

    static constexpr double kStandardWidth = 8.43;
    static constexpr double kStandardHeight = 15.0;
    static constexpr double kMaxColumnWidth = 255.0;
    static constexpr double kMaxRowHeight = 409.0;
    static constexpr int kMaxTextLength = 32767;

    SheetWorksheet(SheetWorkbook& workbook, QString name);
    SheetWorksheet(const SheetWorksheet&) = delete;
    SheetWorksheet& operator=(const SheetWorksheet&) = delete;

    SheetWorkbook& Parent() const { return workbook_; }

    const QString& Name() const { return name_; }
    // 1 to 31 characters, none of []:*?/\ and no apostrophe at either end; throws SheetError.
    void SetName(const QString& name);

    // Cells(row, column), Range("A1:I40"), Rows("1:1"), Columns("B:B"); Cells() is every cell.
    // A position or address outside the sheet throws SheetError.
    SheetRange Cells(int row, int column);
    SheetRange Cells();
    SheetRange Range(const QString& address);
    SheetRange Range(const SheetArea& area);
    SheetRange Rows(const QString& rows);
    SheetRange Columns(const QString& columns);

    // The last used cell: the lowest row and the rightmost column that hold a value or a
    // format of their own ("A1" on an empty sheet).
    SheetRange LastCell();
    int LastRow() const { return lastRow_; }       // 0 on an empty sheet
    int LastColumn() const { return lastColumn_; } // 0 on an empty sheet

    SheetPageSetup& PageSetup() { return pageSetup_; }
    const SheetPageSetup& PageSetup() const { return pageSetup_; }
    bool DisplayGridlines() const { return displayGridlines_; }
    void SetDisplayGridlines(bool shown) { displayGridlines_ = shown; }
    const SheetArea& Selection() const { return selection_; }

    // Prints through the application's print backend; throws SheetError without one.
    void PrintOut(int copies = 1, bool collate = true);

    // What the backends read.
    const CellValue& ValueAt(int row, int column) const;
    QString TextAt(int row, int column) const;
    SheetStyle StyleAt(int row, int column) const;
    SheetStyle SheetWideStyle() const;
    SheetStyle ColumnStyle(int column) const;
    SheetStyle RowStyle(int row) const;
    bool HasSheetWideStyle() const { return !sheetPatch_.Empty(); }
    bool HasOwnStyle(int row, int column) const;
    // Columns of the row the sheet keeps cells for (every cell past it is empty and plain).
    int StoredColumns(int row) const {
        return row >= 1 && static_cast<std::size_t>(row) <= rows_.size()
                   ? static_cast<int>(rows_[static_cast<std::size_t>(row - 1)].size())
                   : 0;
    }
    double StandardWidth() const { return standardWidth_; }
    double StandardHeight() const { return standardHeight_; }
    double ColumnWidth(int column) const;
    double RowHeight(int row) const;
    // Columns and rows with a width, height or style of their own, in order.
    std::vector<int> FormattedColumns() const;
    std::vector<int> FormattedRows() const;
    bool ColumnHasOwnWidth(int column) const;
    bool RowHasOwnHeight(int row) const;
    bool ColumnHasOwnStyle(int column) const;
    bool RowHasOwnStyle(int row) const;

private:
    friend class SheetRange;

    struct Cell {
        CellValue value;
        SheetStylePatch patch;
    };
    struct Line {
        double size = -1; // width or height; below 0: the standard one
        SheetStylePatch patch;
    };

    static constexpr qint64 kMaxCellsPerOperation = 4'000'000;

    Cell& CellAtOrCreate(int row, int column);
    const Cell* FindCell(int row, int column) const;
    void Touch(int row, int column);
    void CheckCellCount(const SheetArea& area, const char* what) const;
    SheetStyle Resolve(const SheetStylePatch* column, const SheetStylePatch* row,
                       const SheetStylePatch* cell) const;

    // The operations of SheetRange.
    void SetValue(const SheetArea& area, const CellValue& value);
    void SetStyleAttribute(const SheetArea& area, SheetStylePatch::Attribute attribute, qint32 value);
    void SetBorder(const SheetArea& area, SheetBorderEdge edge, SheetBorderWeight weight);
    void SetColumnWidth(const SheetArea& area, double width);
    void SetRowHeight(const SheetArea& area, double height);
    void AutoFitColumns(const SheetArea& area);
    qint32 FontIndex(const QString& fontName);
    int EndRight(int row, int column) const;
    void Select(const SheetArea& area) { selection_ = area; }

    SheetWorkbook& workbook_;
    QString name_;
    std::vector<std::vector<Cell>> rows_; // rows_[row - 1][column - 1], grown on demand
    std::map<int, Line> columns_;
    std::map<int, Line> rowLines_;
    SheetStylePatch sheetPatch_;
    QStringList fontNames_;
    quint32 nextStamp_ = 1;
    int lastRow_ = 0;
    int lastColumn_ = 0;
    double standardWidth_ = kStandardWidth;
    double standardHeight_ = kStandardHeight;
    SheetPageSetup pageSetup_;
    bool displayGridlines_ = true;
    SheetArea selection_;
};

} // namespace platform
