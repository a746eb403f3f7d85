#pragma once

#include <QString>

#include <optional>

namespace platform {

// A rectangle of cells, 1-based and inclusive, as a range address names it.
struct SheetArea {
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    static SheetArea Cell(int row, int column) { return {row, column, row, column}; }
    static SheetArea WholeSheet() { return {1, 1, kMaxRows, kMaxColumns}; }

    // "A1", "A1:I40", "B:B", "B:D", "1:1", "2:5" and "$A$1"-style absolute forms; the two
    // corners may be given in either order. Nothing for a malformed address or one past the
    // sheet's last row or column.
    static std::optional<SheetArea> Parse(const QString& address);

    // The column letters of column n (1 → "A", 27 → "AA"); empty outside 1..kMaxColumns.
    static QString ColumnName(int column);

    bool WholeColumns() const { return firstRow == 1 && lastRow == kMaxRows; }
    bool WholeRows() const { return firstColumn == 1 && lastColumn == kMaxColumns; }
    bool CoversSheet() const { return WholeColumns() && WholeRows(); }
    qint64 CellCount() const { return qint64(lastRow - firstRow + 1) * (lastColumn - firstColumn + 1); }
    bool Valid() const {
        return firstRow >= 1 && firstColumn >= 1 && firstRow <= lastRow && firstColumn <= lastColumn &&
               lastRow <= kMaxRows && lastColumn <= kMaxColumns;
    }
    // "A1" or "A1:I40".
    QString Address() const;
    bool operator==(const SheetArea&) const = default;
};

} // namespace platform
