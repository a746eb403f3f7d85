#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

#include <optional>

namespace platform {

// One cell of the grid's buffer. Unset formatting (invalid colour, empty font name, zero
// size, no bold or alignment) means "as the grid or the column says", so an editor that
// shades one column does not freeze every other setting of those cells.
struct GridCell {
    QString text;
    QVariant data;
    QColor backColor;
    QColor foreColor;
    QString fontName;
    qreal fontSize = 0;
    std::optional<bool> bold;
    std::optional<Qt::Alignment> alignment;
    std::optional<QString> comboList;
    bool editable = true;
};

} // namespace platform
