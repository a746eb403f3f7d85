#include "platform/SheetArea.h"

#include <QStringList>

namespace platform {
namespace {

struct Corner {
    int row = 0;    // 0: not given
    int column = 0; // 0: not given
};

// One side of an address: letters, digits or both, each optionally preceded by "$".
std::optional<Corner> ParseCorner(const QString& text) {
    Corner corner;
    qsizetype at = 0;
    const qsizetype size = text.size();
    if (at < size && text[at] == u'$')
        ++at;
    qint64 column = 0;
    qsizetype letters = 0;
    while (at < size && text[at].isLetter() && text[at].unicode() < 128) {
        column = column * 26 + (text[at].toUpper().unicode() - u'A' + 1);
        if (++letters > 3)
            return std::nullopt;
        ++at;
    }
    if (at < size && text[at] == u'$') {
        if (letters == 0)
            return std::nullopt;
        ++at;
    }
    qint64 row = 0;
    qsizetype digits = 0;
    while (at < size && text[at].isDigit() && text[at].unicode() < 128) {
        row = row * 10 + (text[at].unicode() - u'0');
        if (++digits > 7)
            return std::nullopt;
        ++at;
    }
    if (at != size || (letters == 0 && digits == 0))
        return std::nullopt;
    if ((letters > 0 && (column < 1 || column > SheetArea::kMaxColumns)) ||
        (digits > 0 && (row < 1 || row > SheetArea::kMaxRows)))
        return std::nullopt;
    corner.column = static_cast<int>(column);
    corner.row = static_cast<int>(row);
    return corner;
}

} // namespace

std::optional<SheetArea> SheetArea::Parse(const QString& address) {
    const QStringList sides = address.trimmed().split(u':');
    if (sides.size() > 2)
        return std::nullopt;
    const std::optional<Corner> first = ParseCorner(sides.first());
    const std::optional<Corner> second = sides.size() == 2 ? ParseCorner(sides.last()) : first;
    if (!first || !second)
        return std::nullopt;
    const bool rowsOnly = first->column == 0 && second->column == 0;
    const bool columnsOnly = first->row == 0 && second->row == 0;
    // "A" alone or "1" alone name nothing; "A1:B" mixes a cell with a column.
    if (sides.size() == 1 && (rowsOnly || columnsOnly))
        return std::nullopt;
    if (!rowsOnly && !columnsOnly &&
        (first->row == 0 || first->column == 0 || second->row == 0 || second->column == 0))
        return std::nullopt;
    SheetArea area;
    if (rowsOnly) {
        area = {std::min(first->row, second->row), 1, std::max(first->row, second->row), kMaxColumns};
    } else if (columnsOnly) {
        area = {1, std::min(first->column, second->column), kMaxRows,
                std::max(first->column, second->column)};
    } else {
        area = {std::min(first->row, second->row), std::min(first->column, second->column),
                std::max(first->row, second->row), std::max(first->column, second->column)};
    }
    return area;
}

QString SheetArea::ColumnName(int column) {
    QString letters;
    if (column < 1 || column > kMaxColumns)
        return letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(static_cast<char16_t>(u'A' + (rest - 1) % 26)));
    return letters;
}

QString SheetArea::Address() const {
    const QString first = ColumnName(firstColumn) + QString::number(firstRow);
    if (firstRow == lastRow && firstColumn == lastColumn)
        return first;
    return first + u':' + ColumnName(lastColumn) + QString::number(lastRow);
}

} // namespace platform
