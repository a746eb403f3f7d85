#pragma once

#include <QChar>
#include <QRect>
#include <QString>
#include <Qt>

#include <functional>

class QPainter;

namespace platform {

// What the grid tells its window. Every handler is optional; rows and columns are grid
// coordinates (row 0 is the first fixed row). The flags passed by reference start false.
struct GridEvents {
    // An edit of a cell is about to begin; set `cancel` to keep the cell closed.
    std::function<void(int row, int col, bool& cancel)> BeforeEdit;
    // The edited text is about to be written; `text` may be rewritten (normalised), and
    // `cancel` keeps the editor open with the typed text while the cell keeps its old text.
    std::function<void(int row, int col, QString& text, bool& cancel)> ValidateEdit;
    // The new text is in the cell and the editor is closed.
    std::function<void(int row, int col)> AfterEdit;
    // The current cell moved, by the user or by the program.
    std::function<void()> RowColChange;
    // A key went down on the grid while no editor is open; `handled` swallows it.
    std::function<void(int key, Qt::KeyboardModifiers modifiers, bool& handled)> KeyDown;
    // A character was typed, on the grid or into the cell editor (Grid::IsEditing tells which).
    // Set `ch` to QChar() to drop it, or to another character to type that instead.
    std::function<void(QChar& ch)> KeyPress;
    // The mouse moved over the grid; x and y are pixels in Grid::WindowHandle coordinates.
    std::function<void(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y)> MouseMove;
    // The ellipsis button of a cell whose list is Grid::EllipsisButton was pressed.
    std::function<void(int row, int col)> CellButtonClick;
    // A cell was double-clicked; `handled` keeps the double click from starting an edit.
    std::function<void(int row, int col, bool& handled)> DblClick;
    // The user dragged a column to a new width (read it back with Grid::ColWidth).
    std::function<void(int col)> AfterUserResize;
    // A cell is being drawn; its background is already painted and its text comes next, on top.
    // Draw marks where the text does not reach, or draw the whole cell and set `done` so that
    // the grid draws no text of its own.
    std::function<void(QPainter& painter, int row, int col, const QRect& rect, bool& done)> OwnerDraw;
};

} // namespace platform
