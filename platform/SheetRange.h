#pragma once

#include "platform/SheetArea.h"
#include "platform/SheetStyle.h"

#include <QString>
#include <QVariant>

namespace platform {

class SheetWorksheet;

// A handle on a rectangle of one worksheet, as Cells(…), Range(…), Rows(…) and Columns(…) give
// it. Every setter applies to every cell of the rectangle; a whole row, column or sheet is set
// once for all its cells. A value the sheet cannot take throws SheetError and changes nothing.
class SheetRange {
public:
    SheetRange(SheetWorksheet& sheet, const SheetArea& area) : sheet_(&sheet), area_(area) {}

    const SheetArea& Area() const { return area_; }
    QString Address() const { return area_.Address(); }
    int Row() const { return area_.firstRow; }
    int Column() const { return area_.firstColumn; }

    // The value of the first cell: a double, a QString or an invalid QVariant for an empty cell.
    QVariant Value() const;
    // Numbers stay numbers and texts stay texts exactly as given (no text is ever turned into a
    // number); a text that starts with an apostrophe is stored without it, as a typed entry would
    // be. Control characters other than tab, line feed and carriage return are kept visible as "\u001B"
    // (SheetVisibleText). An empty QVariant empties the cells. Texts longer than 32767 characters,
    // infinities and values of other kinds throw.
    void SetValue(const QVariant& value);
    QString Text() const;

    SheetRange EntireColumn() const;
    SheetRange EntireRow() const;
    // From the first cell to the end of its filled block to the right (or the next filled cell).
    SheetRange EndRight() const;
    void Select();

    void SetFontName(const QString& name);
    void SetFontSize(double points); // 1 to 409
    void SetFontBold(bool bold);
    void SetHorizontalAlignment(SheetHorizontalAlignment alignment);
    void SetVerticalAlignment(SheetVerticalAlignment alignment);
    void SetWrapText(bool wrap);
    // 1..56, kSheetColorNone or kSheetColorAutomatic. A colour brings a solid pattern with it
    // and kSheetColorNone removes the fill, as the classic interior does.
    void SetInteriorColorIndex(int colorIndex);
    void SetInteriorPattern(SheetPattern pattern);
    void SetInteriorPatternColorIndex(int colorIndex);
    void SetBorderWeight(SheetBorderEdge edge, SheetBorderWeight weight);

    // Width in characters of the standard font (0 to 255); height in points (0 to 409).
    void SetColumnWidth(double width);
    void SetRowHeight(double height);
    double ColumnWidth() const;
    double RowHeight() const;
    // Fits the width of every column of the range to the longest text in its cells (of the
    // range's rows; every used row for whole columns).
    void AutoFit();

    SheetStyle Style() const;

private:
    SheetWorksheet* sheet_;
    SheetArea area_;
};

} // namespace platform
