#include "platform/SheetWorksheet.h"

#include "platform/SheetApplication.h"
#include "platform/SheetError.h"
#include "platform/SheetPrintBackend.h"
#include "platform/SheetRange.h"
#include "platform/SheetTextMeasure.h"
#include "platform/SheetWorkbook.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

using Attribute = SheetStylePatch::Attribute;

const SheetWorksheet::CellValue kEmptyValue;

[[noreturn]] void Refuse(const QString& text) {
    throw SheetError(SheetError::ApplicationDefined, text);
}

QString NumberText(double value) {
    // The General format: whole numbers without a decimal point, others to 11 significant digits.
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 11);
}

} // namespace

SheetWorksheet::SheetWorksheet(SheetWorkbook& workbook, QString name)
    : workbook_(workbook), name_(std::move(name)) {}

void SheetWorksheet::SetName(const QString& name) {
    static const QString kForbidden = QStringLiteral("[]:*?/\\");
    if (name.isEmpty() || name.size() > 31)
        Refuse(QStringLiteral("A sheet name must have 1 to 31 characters: \"%1\".").arg(name));
    for (const QChar character : name)
        if (kForbidden.contains(character))
            Refuse(QStringLiteral("A sheet name may not contain %1: \"%2\".").arg(character).arg(name));
    if (name.startsWith(u'\'') || name.endsWith(u'\''))
        Refuse(QStringLiteral("A sheet name may not begin or end with an apostrophe: \"%1\".").arg(name));
    for (int index = 1; index <= workbook_.WorksheetCount(); ++index) {
        const SheetWorksheet& other = workbook_.Worksheets(index);
        if (&other != this && other.Name().compare(name, Qt::CaseInsensitive) == 0)
            Refuse(QStringLiteral("The workbook already has a sheet named \"%1\".").arg(name));
    }
    name_ = name;
}

SheetRange SheetWorksheet::Cells(int row, int column) {
    const SheetArea area = SheetArea::Cell(row, column);
    if (!area.Valid())
        throw SheetError(9, QStringLiteral("Cells(%1, %2) lies outside the sheet.").arg(row).arg(column));
    return SheetRange(*this, area);
}

SheetRange SheetWorksheet::Cells() {
    return SheetRange(*this, SheetArea::WholeSheet());
}

SheetRange SheetWorksheet::Range(const QString& address) {
    const std::optional<SheetArea> area = SheetArea::Parse(address);
    if (!area)
        Refuse(QStringLiteral("\"%1\" is not a range address.").arg(address));
    return SheetRange(*this, *area);
}

SheetRange SheetWorksheet::Range(const SheetArea& area) {
    if (!area.Valid())
        throw SheetError(9, QStringLiteral("The range %1 lies outside the sheet.").arg(area.Address()));
    return SheetRange(*this, area);
}

SheetRange SheetWorksheet::Rows(const QString& rows) {
    const QString address = rows.contains(u':') ? rows : rows + u':' + rows;
    const std::optional<SheetArea> area = SheetArea::Parse(address);
    if (!area || !area->WholeRows())
        Refuse(QStringLiteral("\"%1\" names no rows.").arg(rows));
    return SheetRange(*this, *area);
}

SheetRange SheetWorksheet::Columns(const QString& columns) {
    const QString address = columns.contains(u':') ? columns : columns + u':' + columns;
    const std::optional<SheetArea> area = SheetArea::Parse(address);
    if (!area || !area->WholeColumns())
        Refuse(QStringLiteral("\"%1\" names no columns.").arg(columns));
    return SheetRange(*this, *area);
}

SheetRange SheetWorksheet::LastCell() {
    return SheetRange(*this, SheetArea::Cell(std::max(lastRow_, 1), std::max(lastColumn_, 1)));
}

void SheetWorksheet::PrintOut(int copies, bool collate) {
    if (copies < 1 || copies > 999)
        Refuse(QStringLiteral("The number of copies must lie between 1 and 999, not %1.").arg(copies));
    SheetPrintBackend* printer = workbook_.Application().PrintBackend();
    if (printer == nullptr)
        throw SheetError(SheetError::DeviceUnavailable,
                         QStringLiteral("No printer is available to print on."));
    printer->PrintSheet(*this, copies, collate);
}

// ---- storage ----

SheetWorksheet::Cell& SheetWorksheet::CellAtOrCreate(int row, int column) {
    if (rows_.size() < static_cast<std::size_t>(row))
        rows_.resize(static_cast<std::size_t>(row));
    std::vector<Cell>& line = rows_[static_cast<std::size_t>(row - 1)];
    if (line.size() < static_cast<std::size_t>(column))
        line.resize(static_cast<std::size_t>(column));
    return line[static_cast<std::size_t>(column - 1)];
}

const SheetWorksheet::Cell* SheetWorksheet::FindCell(int row, int column) const {
    if (row < 1 || column < 1 || rows_.size() < static_cast<std::size_t>(row))
        return nullptr;
    const std::vector<Cell>& line = rows_[static_cast<std::size_t>(row - 1)];
    if (line.size() < static_cast<std::size_t>(column))
        return nullptr;
    return &line[static_cast<std::size_t>(column - 1)];
}

void SheetWorksheet::Touch(int row, int column) {
    lastRow_ = std::max(lastRow_, row);
    lastColumn_ = std::max(lastColumn_, column);
}

void SheetWorksheet::CheckCellCount(const SheetArea& area, const char* what) const {
    if (area.CellCount() > kMaxCellsPerOperation)
        Refuse(QStringLiteral("The range %1 is too large to %2 cell by cell (%3 cells; at most %4).")
                   .arg(area.Address(), QString::fromLatin1(what))
                   .arg(area.CellCount())
                   .arg(kMaxCellsPerOperation));
}

const SheetWorksheet::CellValue& SheetWorksheet::ValueAt(int row, int column) const {
    const Cell* cell = FindCell(row, column);
    return cell != nullptr ? cell->value : kEmptyValue;
}

QString SheetWorksheet::TextAt(int row, int column) const {
    const CellValue& value = ValueAt(row, column);
    if (const double* number = std::get_if<double>(&value))
        return NumberText(*number);
    if (const QString* text = std::get_if<QString>(&value))
        return *text;
    return QString();
}

bool SheetWorksheet::HasOwnStyle(int row, int column) const {
    const Cell* cell = FindCell(row, column);
    return cell != nullptr && !cell->patch.Empty();
}

// ---- styles ----

SheetStyle SheetWorksheet::Resolve(const SheetStylePatch* column, const SheetStylePatch* row,
                                   const SheetStylePatch* cell) const {
    const std::array<const SheetStylePatch*, 4> layers = {&sheetPatch_, column, row, cell};
    auto latest = [&layers](Attribute attribute) -> const SheetStylePatch* {
        const SheetStylePatch* best = nullptr;
        quint32 stamp = 0;
        for (const SheetStylePatch* layer : layers)
            if (layer != nullptr && layer->Stamp(attribute) > stamp) {
                stamp = layer->Stamp(attribute);
                best = layer;
            }
        return best;
    };
    SheetStyle style;
    if (const SheetStylePatch* p = latest(SheetStylePatch::FontName))
        style.fontName = fontNames_.at(p->Value(SheetStylePatch::FontName));
    if (const SheetStylePatch* p = latest(SheetStylePatch::FontSize))
        style.fontSize = p->Value(SheetStylePatch::FontSize) / 100.0;
    if (const SheetStylePatch* p = latest(SheetStylePatch::Bold))
        style.bold = p->Value(SheetStylePatch::Bold) != 0;
    if (const SheetStylePatch* p = latest(SheetStylePatch::Horizontal))
        style.horizontal = static_cast<SheetHorizontalAlignment>(p->Value(SheetStylePatch::Horizontal));
    if (const SheetStylePatch* p = latest(SheetStylePatch::Vertical))
        style.vertical = static_cast<SheetVerticalAlignment>(p->Value(SheetStylePatch::Vertical));
    if (const SheetStylePatch* p = latest(SheetStylePatch::WrapText))
        style.wrapText = p->Value(SheetStylePatch::WrapText) != 0;
    if (const SheetStylePatch* p = latest(SheetStylePatch::InteriorColor))
        style.interiorColor = p->Value(SheetStylePatch::InteriorColor);
    if (const SheetStylePatch* p = latest(SheetStylePatch::Pattern))
        style.pattern = static_cast<SheetPattern>(p->Value(SheetStylePatch::Pattern));
    if (const SheetStylePatch* p = latest(SheetStylePatch::PatternColor))
        style.patternColor = p->Value(SheetStylePatch::PatternColor);
    for (int edge = 0; edge < 4; ++edge) {
        const auto attribute = static_cast<Attribute>(SheetStylePatch::BorderLeft + edge);
        if (const SheetStylePatch* p = latest(attribute))
            style.borders[static_cast<std::size_t>(edge)] =
                static_cast<SheetBorderWeight>(p->Value(attribute));
    }
    return style;
}

SheetStyle SheetWorksheet::StyleAt(int row, int column) const {
    const auto columnLine = columns_.find(column);
    const auto rowLine = rowLines_.find(row);
    const Cell* cell = FindCell(row, column);
    return Resolve(columnLine != columns_.end() ? &columnLine->second.patch : nullptr,
                   rowLine != rowLines_.end() ? &rowLine->second.patch : nullptr,
                   cell != nullptr ? &cell->patch : nullptr);
}

SheetStyle SheetWorksheet::SheetWideStyle() const {
    return Resolve(nullptr, nullptr, nullptr);
}

SheetStyle SheetWorksheet::ColumnStyle(int column) const {
    const auto line = columns_.find(column);
    return Resolve(line != columns_.end() ? &line->second.patch : nullptr, nullptr, nullptr);
}

SheetStyle SheetWorksheet::RowStyle(int row) const {
    const auto line = rowLines_.find(row);
    return Resolve(nullptr, line != rowLines_.end() ? &line->second.patch : nullptr, nullptr);
}

qint32 SheetWorksheet::FontIndex(const QString& fontName) {
    qsizetype index = fontNames_.indexOf(fontName);
    if (index < 0) {
        fontNames_.append(fontName);
        index = fontNames_.size() - 1;
    }
    return static_cast<qint32>(index);
}

void SheetWorksheet::SetStyleAttribute(const SheetArea& area, Attribute attribute, qint32 value) {
    const quint32 stamp = nextStamp_++;
    if (area.CoversSheet()) {
        sheetPatch_.Set(attribute, value, stamp);
    } else if (area.WholeColumns()) {
        for (int column = area.firstColumn; column <= area.lastColumn; ++column)
            columns_[column].patch.Set(attribute, value, stamp);
    } else if (area.WholeRows()) {
        for (int row = area.firstRow; row <= area.lastRow; ++row)
            rowLines_[row].patch.Set(attribute, value, stamp);
    } else {
        CheckCellCount(area, "format");
        for (int row = area.firstRow; row <= area.lastRow; ++row)
            for (int column = area.firstColumn; column <= area.lastColumn; ++column)
                CellAtOrCreate(row, column).patch.Set(attribute, value, stamp);
        Touch(area.lastRow, area.lastColumn);
    }
}

void SheetWorksheet::SetBorder(const SheetArea& area, SheetBorderEdge edge, SheetBorderWeight weight) {
    const auto value = static_cast<qint32>(weight);
    SheetArea part = area;
    switch (edge) {
    case SheetBorderEdge::Left:
        part.lastColumn = area.firstColumn;
        SetStyleAttribute(part, SheetStylePatch::BorderLeft, value);
        break;
    case SheetBorderEdge::Right:
        part.firstColumn = area.lastColumn;
        SetStyleAttribute(part, SheetStylePatch::BorderRight, value);
        break;
    case SheetBorderEdge::Top:
        part.lastRow = area.firstRow;
        SetStyleAttribute(part, SheetStylePatch::BorderTop, value);
        break;
    case SheetBorderEdge::Bottom:
        part.firstRow = area.lastRow;
        SetStyleAttribute(part, SheetStylePatch::BorderBottom, value);
        break;
    case SheetBorderEdge::InsideVertical:
        if (area.firstColumn == area.lastColumn)
            break;
        if (area.WholeRows() && !area.CoversSheet()) {
            // Lines between every pair of columns of whole rows: the rows carry them.
            SetStyleAttribute(area, SheetStylePatch::BorderLeft, value);
            SetStyleAttribute(area, SheetStylePatch::BorderRight, value);
            break;
        }
        part.lastColumn = area.lastColumn - 1;
        SetStyleAttribute(part, SheetStylePatch::BorderRight, value);
        part = area;
        part.firstColumn = area.firstColumn + 1;
        SetStyleAttribute(part, SheetStylePatch::BorderLeft, value);
        break;
    case SheetBorderEdge::InsideHorizontal:
        if (area.firstRow == area.lastRow)
            break;
        if (area.WholeColumns()) {
            // Lines between every pair of rows of whole columns: the columns carry them.
            SetStyleAttribute(area, SheetStylePatch::BorderTop, value);
            SetStyleAttribute(area, SheetStylePatch::BorderBottom, value);
            break;
        }
        part.lastRow = area.lastRow - 1;
        SetStyleAttribute(part, SheetStylePatch::BorderBottom, value);
        part = area;
        part.firstRow = area.firstRow + 1;
        SetStyleAttribute(part, SheetStylePatch::BorderTop, value);
        break;
    }
}

// ---- values ----

void SheetWorksheet::SetValue(const SheetArea& area, const CellValue& value) {
    CheckCellCount(area, "fill");
    const bool empty = std::holds_alternative<std::monostate>(value);
    for (int row = area.firstRow; row <= area.lastRow; ++row)
        for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
            if (empty && FindCell(row, column) == nullptr)
                continue;
            CellAtOrCreate(row, column).value = value;
        }
    if (!empty)
        Touch(area.lastRow, area.lastColumn);
}

int SheetWorksheet::EndRight(int row, int column) const {
    auto filled = [this, row](int c) { return !std::holds_alternative<std::monostate>(ValueAt(row, c)); };
    const int last = std::max(lastColumn_, column);
    if (filled(column) && column < last && filled(column + 1)) {
        while (column < last && filled(column + 1))
            ++column;
        return column;
    }
    for (int c = column + 1; c <= last; ++c)
        if (filled(c))
            return c;
    return SheetArea::kMaxColumns;
}

// ---- widths and heights ----

double SheetWorksheet::ColumnWidth(int column) const {
    const auto line = columns_.find(column);
    return line != columns_.end() && line->second.size >= 0 ? line->second.size : standardWidth_;
}

double SheetWorksheet::RowHeight(int row) const {
    const auto line = rowLines_.find(row);
    return line != rowLines_.end() && line->second.size >= 0 ? line->second.size : standardHeight_;
}

bool SheetWorksheet::ColumnHasOwnWidth(int column) const {
    const auto line = columns_.find(column);
    return line != columns_.end() && line->second.size >= 0;
}

bool SheetWorksheet::RowHasOwnHeight(int row) const {
    const auto line = rowLines_.find(row);
    return line != rowLines_.end() && line->second.size >= 0;
}

bool SheetWorksheet::ColumnHasOwnStyle(int column) const {
    const auto line = columns_.find(column);
    return line != columns_.end() && !line->second.patch.Empty();
}

bool SheetWorksheet::RowHasOwnStyle(int row) const {
    const auto line = rowLines_.find(row);
    return line != rowLines_.end() && !line->second.patch.Empty();
}

std::vector<int> SheetWorksheet::FormattedColumns() const {
    std::vector<int> columns;
    columns.reserve(columns_.size());
    for (const auto& [column, line] : columns_)
        columns.push_back(column);
    return columns;
}

std::vector<int> SheetWorksheet::FormattedRows() const {
    std::vector<int> rows;
    rows.reserve(rowLines_.size());
    for (const auto& [row, line] : rowLines_)
        rows.push_back(row);
    return rows;
}

void SheetWorksheet::SetColumnWidth(const SheetArea& area, double width) {
    if (!std::isfinite(width) || width < 0 || width > kMaxColumnWidth)
        Refuse(QStringLiteral("A column width must lie between 0 and 255, not %1.").arg(width));
    if (area.WholeRows()) {
        // Every column: the standard width, and no column keeps a width of its own.
        standardWidth_ = width;
        for (auto& [column, line] : columns_)
            line.size = -1;
        return;
    }
    for (int column = area.firstColumn; column <= area.lastColumn; ++column)
        columns_[column].size = width;
}

void SheetWorksheet::SetRowHeight(const SheetArea& area, double height) {
    if (!std::isfinite(height) || height < 0 || height > kMaxRowHeight)
        Refuse(QStringLiteral("A row height must lie between 0 and 409 points, not %1.").arg(height));
    if (area.WholeColumns()) {
        standardHeight_ = height;
        for (auto& [row, line] : rowLines_)
            line.size = -1;
        return;
    }
    if (area.lastRow - area.firstRow + 1 > kMaxCellsPerOperation)
        Refuse(QStringLiteral("Too many rows to set one by one: %1.").arg(area.Address()));
    for (int row = area.firstRow; row <= area.lastRow; ++row)
        rowLines_[row].size = height;
}

void SheetWorksheet::AutoFitColumns(const SheetArea& area) {
    const SheetTextMeasure& measure = workbook_.Application().TextMeasure();
    const int lastColumn = std::min(area.lastColumn, std::max(lastColumn_, area.firstColumn));
    const int lastRow = std::min(area.lastRow, lastRow_);
    std::map<int, double> widths;
    for (int column = area.firstColumn; column <= lastColumn; ++column) {
        double widest = -1;
        for (int row = area.firstRow; row <= lastRow; ++row) {
            const QString text = TextAt(row, column);
            if (text.isEmpty())
                continue;
            const SheetStyle style = StyleAt(row, column);
            // Texts written with CR LF break where the LF is; the CR takes no room.
            for (QString line : text.split(u'\n')) {
                line.remove(u'\r');
                const double pixels =
                    measure ? measure(line, style.fontName, style.fontSize, style.bold)
                            : EstimateSheetTextWidth(line, style.fontName, style.fontSize, style.bold);
                widest = std::max(widest, pixels);
            }
        }
        // An empty column goes back to the standard width; a filled one gets its text plus
        // a few pixels so that nothing touches the cell's lines.
        widths[column] = widest < 0
                             ? standardWidth_
                             : std::min(kMaxColumnWidth, SheetPixelsToColumnWidth(std::ceil(widest) + 6));
    }
    for (const auto& [column, width] : widths)
        columns_[column].size = width;
}

} // namespace platform
