#pragma once

#include "platform/gui/GridCell.h"
#include "platform/gui/GridComboList.h"
#include "platform/gui/GridRange.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace platform {

// The grid's editing buffer and its table model. The buffer keeps every cell in grid
// coordinates (fixed rows first, hidden rows included); the model shows only the rows a
// view should list: the data rows that are not hidden. Fixed rows are the view's header.
//
// Hiding rows inside the model, instead of hiding them in the view's header one by one, lets
// a filter over thousands of rows reach the view as a single reset. While frozen (redraw off)
// the buffer changes freely and the model keeps answering from the rows it last published;
// unfreezing publishes once.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        int widthTwips = -1; // -1: the view's default width
        bool hidden = false;
        std::optional<Qt::Alignment> alignment;
        QString comboListText;
        GridComboList comboList;
    };
    struct RowBorder {
        int widthPixels = 0;
        QColor color;
    };

    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shape of the buffer. The caller has checked the numbers (fixed counts within the totals).
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetShape(int rows, int cols, int fixedRows, int fixedCols);

    const GridCell& Cell(int row, int col) const { return cells_[CellOffset(row, col)]; }
    void SetText(int row, int col, const QString& text);
    void SetCellData(int row, int col, const QVariant& data);
    // Applies `change` (void(GridCell&)) to every cell of the range, then tells the view once.
    template <class Change> void ChangeRange(const GridRange& range, Change&& change) {
        for (int row = range.Top(); row <= range.Bottom(); ++row) {
            for (int col = range.Left(); col <= range.Right(); ++col) {
                change(cells_[CellOffset(row, col)]);
            }
        }
        CellsChanged(range);
    }
    QString DisplayText(int row, int col) const;
    GridComboList ComboListFor(int row, int col) const;

    const Column& ColumnAt(int col) const { return columns_[static_cast<size_t>(col)]; }
    void SetColWidth(int col, int twips);
    // A width the view already has (the user dragged it): recorded without telling the view.
    void RecordColWidth(int col, int twips) { columns_[static_cast<size_t>(col)].widthTwips = twips; }
    void SetColHidden(int col, bool hidden);
    void SetColAlignment(int col, std::optional<Qt::Alignment> alignment);
    void SetColComboList(int col, const QString& list);

    bool RowHidden(int row) const { return rowHidden_[static_cast<size_t>(row)] != 0; }
    void SetRowHidden(int row, bool hidden);
    int RowHeightTwips(int row) const; // the row's own height, else the default
    bool RowHasOwnHeight(int row) const { return rowHeights_[static_cast<size_t>(row)] >= 0; }
    void SetRowHeight(int row, int twips);
    int DefaultRowHeightTwips() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int twips);
    bool AnyDataRowHasOwnHeight() const;
    const RowBorder& BorderOfRow(int row) const { return rowBorders_[static_cast<size_t>(row)]; }
    void SetRowBorder(int row, RowBorder border);
    void ClearBorders();

    void SetEditingEnabled(bool enabled);
    bool EditingEnabled() const { return editingEnabled_; }
    bool IsCellEditable(int row, int col) const;

    // Between grid rows and the rows the view sees (as last published).
    std::optional<int> ModelRow(int gridRow) const;
    int GridRow(int modelRow) const { return visible_[static_cast<size_t>(modelRow)]; }
    QModelIndex IndexAt(int gridRow, int col) const;
    bool IsPublishedCell(int modelRow, int col) const;

    bool Frozen() const { return frozen_; }
    void SetFrozen(bool frozen);
    // True while rows come or go: the view's own moves of its current cell mean nothing then.
    bool InStructureChange() const { return structureChanging_; }

signals:
    // Row heights, column widths or hidden columns changed: the view must apply them again.
    void SizesChanged();

private:
    size_t CellOffset(int row, int col) const {
        return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
    }
    void CellsChanged(const GridRange& range);
    void Publish();
    void SizesTouched();

    std::vector<GridCell> cells_;
    std::vector<Column> columns_;
    std::vector<char> rowHidden_;
    std::vector<int> rowHeights_;
    std::vector<RowBorder> rowBorders_;
    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int defaultRowHeight_ = 255;
    bool editingEnabled_ = false;

    // What the view was last told.
    std::vector<int> visible_;    // model row -> grid row
    std::vector<int> modelRowOf_; // grid row -> model row, -1 when not listed
    int publishedCols_ = 0;

    bool frozen_ = false;
    bool pendingReset_ = false;
    bool pendingData_ = false;
    bool pendingSizes_ = false;
    bool structureChanging_ = false;
};

} // namespace platform
