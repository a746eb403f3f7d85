#pragma once

#include <QString>

#include <functional>

namespace platform {

// The width in pixels (at 96 dots per inch) that a text takes in a font. The printing side
// measures with real font metrics; without a screen the estimate below stands in.
using SheetTextMeasure =
    std::function<double(const QString& text, const QString& fontName, double pointSize, bool bold)>;

// A font-free estimate: an average Latin glyph is a little over half the font's pixel height,
// a full-width (CJK) glyph as wide as it is high.
double EstimateSheetTextWidth(const QString& text, const QString& fontName, double pointSize, bool bold);

// Column widths are counted in digits of the workbook's standard font (7 pixels wide) plus
// 5 pixels of padding, as the workbook format defines them.
double SheetColumnWidthToPixels(double width);
double SheetPixelsToColumnWidth(double pixels);

} // namespace platform
