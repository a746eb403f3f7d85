#pragma once

#include "platform/gui/GridCellPosition.h"
#include "platform/gui/GridEvents.h"
#include "platform/gui/GridRange.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <optional>

class QAbstractItemModel;
class QKeyEvent;
class QLineEdit;
class QTableView;

namespace platform {

class GridComboList;
class GridDelegate;
class GridHeaderView;
class GridModel;
class GridView;

enum class GridEditMode {
    Off,          // nothing can be edited
    Keyboard,     // typing, F2 or Enter opens the editor
    KeyboardMouse // and a double click
};

// The spreadsheet-like control of every editor window and its editing buffer.
//
// Coordinates are the program's: rows and columns count from 0 and include the fixed ones;
// row 0 is the first fixed (header) row, the fixed columns come first. Fixed cells are never
// editable. Sizes are in twips (15 twips = 1 pixel). Row and column numbers outside the grid
// throw hlpkit::RunError (9, subscript out of range) with the offending number in the text, and
// a negative count or size throws hlpkit::RunError (5, invalid call); the editors' operation
// boundaries report them.
class Grid : public QWidget {
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;
    // The list text that gives a cell an ellipsis button instead of a drop-down list.
    static constexpr const char* EllipsisButton = "...";

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    GridEvents& Events() { return events_; }

    // Shape.
    int Rows() const;
    void SetRows(int rows); // keeps the content of the rows that remain
    int Cols() const;
    void SetCols(int cols);
    int FixedRows() const;
    void SetFixedRows(int fixedRows);
    int FixedCols() const;
    void SetFixedCols(int fixedCols);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    void SetDefaultRowHeight(int twips); // every row without a height of its own
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    bool RowHidden(int row) const;
    void SetRowHidden(int row, bool hidden);
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool hidden);

    // Content.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The cell's text read as a number (surrounding blanks allowed); nullopt when it is not one.
    std::optional<double> ValueMatrix(int row, int col) const;
    QVariant CellData(int row, int col) const;
    void SetCellData(int row, int col, const QVariant& data);

    // Formatting of a cell or a block; an invalid colour or empty font name restores the default.
    void SetCellBackColor(const GridRange& range, const QColor& color);
    QColor CellBackColor(int row, int col) const; // as drawn, defaults resolved
    void SetCellForeColor(const GridRange& range, const QColor& color);
    QColor CellForeColor(int row, int col) const;
    void SetCellFontName(const GridRange& range, const QString& family);
    void SetCellFontSize(const GridRange& range, qreal points);
    void SetCellFontBold(const GridRange& range, bool bold);
    QFont CellFont(int row, int col) const;
    void SetCellAlignment(const GridRange& range, Qt::Alignment alignment);
    void SetColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment CellAlignment(int row, int col) const;
    void SetCellEditable(const GridRange& range, bool editable); // fixed cells stay read-only
    void ClearBorders();
    void SetRowBottomBorder(int row, int widthPixels, const QColor& color = Qt::black);
    void SetGridFont(const QString& family, qreal points);
    QFont GridFont() const { return gridFont_; }
    void SetBackColor(const QColor& color); // data cells
    void SetForeColor(const QColor& color);
    void SetBackColorFixed(const QColor& color); // fixed cells
    void SetForeColorFixed(const QColor& color);
    // Whether the current data cell is drawn in the selection colours (on by default).
    void SetHighlightCurrentCell(bool highlight);

    // Editing.
    GridEditMode Editable() const { return editMode_; }
    void SetEditable(GridEditMode mode);
    void SetColComboList(int col, const QString& list);
    void SetCellComboList(const GridRange& range, const QString& list);
    // The list of the edit about to begin; call it from BeforeEdit. It wins over the cell's
    // and the column's list for that one edit; an empty text means "no list, free text".
    void SetComboList(const QString& list);
    QString ComboList() const; // of the edit in progress or about to begin
    bool IsEditing() const { return !editor_.isNull(); }
    GridCellPosition EditCellPosition() const { return {editRow_, editCol_}; }
    QString EditText() const; // empty when no editor is open
    void SetEditText(const QString& text);
    bool EditCell();      // opens the editor on the current cell; false when that is not allowed
    bool FinishEditing(); // commits the open editor; false when validation kept it open
    void CancelEditing(); // closes the open editor and keeps the cell's text

    // Navigation.
    int Row() const { return row_; } // -1 only while the grid has no rows
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    void Select(int row, int col);
    int TopRow() const;      // the first data row in view
    void SetTopRow(int row); // scrolls so that `row` is the first data row in view
    // The first data row (hidden ones included) whose text in `col` equals `text` exactly.
    std::optional<int> FindRow(const QString& text, int col) const;
    std::optional<GridCellPosition> CellAt(const QPoint& point) const; // WindowHandle coordinates
    std::optional<QRect> CellRect(int row, int col) const;             // nullopt while not shown

    // Drawing.
    bool Redraw() const { return redraw_; }
    void SetRedraw(bool on); // off: changes are only buffered; on: the view is told once
    void Refresh();
    QWidget* WindowHandle() { return this; }

    // The model and view inside, for tests and accessibility; windows use the calls above.
    QAbstractItemModel* ItemModel() const;
    QTableView* View() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class GridDelegate;
    friend class GridHeaderView;
    friend class GridView;

    void CheckRow(int row) const;
    void CheckCol(int col) const;
    void CheckRange(const GridRange& range) const;
    static void CheckSize(int value, const char* what);
    template <class Change> void ChangeCells(const GridRange& range, Change&& change);

    void ApplyLayout();
    void SetCurrent(int row, int col);
    void SyncViewCurrent();
    void ViewCurrentChanged(const QModelIndex& current);
    void ClampCurrent();

    // Edit protocol, driven by the view and the delegate.
    bool BeforeEditAt(int row, int col);
    GridComboList ActiveComboList(int row, int col) const;
    void EditorOpened(QWidget* editor, QLineEdit* textBox);
    bool CommitEditor(QWidget* editor);
    bool ShouldCloseEditor(QWidget* editor);
    void EditorClosed(QWidget* editor, bool committed);
    void EllipsisPressed(QWidget* editor);
    bool FilterEditorKey(QKeyEvent* event);
    void ForgetEditor();

    GridEvents events_;
    GridModel* model_ = nullptr;
    GridView* view_ = nullptr;
    GridHeaderView* header_ = nullptr;
    GridDelegate* delegate_ = nullptr;
    QWidget* dataArea_ = nullptr;   // the view's viewport
    QWidget* headerArea_ = nullptr; // the header's viewport

    QFont gridFont_;
    QColor backColor_;
    QColor foreColor_;
    QColor backColorFixed_;
    QColor foreColorFixed_;
    bool highlightCurrent_ = true;
    GridEditMode editMode_ = GridEditMode::Off;
    bool redraw_ = true;

    int row_ = -1;
    int col_ = -1;
    bool syncingView_ = false;
    bool applyingLayout_ = false;
    bool modelResetting_ = false;

    QPointer<QWidget> editor_;
    QPointer<QLineEdit> editorTextBox_;
    int editRow_ = -1;
    int editCol_ = -1;
    std::optional<QString> editComboList_;
    bool committing_ = false;
    bool commitRejected_ = false;
    bool commitAccepted_ = false;
    bool keyAlreadyFiltered_ = false;
};

} // namespace platform
