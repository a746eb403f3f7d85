#include "platform/gui/GridModel.h"

#include <QBrush>
#include <QFont>

#include <algorithm>
#include <iterator>

namespace platform {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : publishedCols_;
}

bool GridModel::IsPublishedCell(int modelRow, int col) const {
    if (modelRow < 0 || modelRow >= static_cast<int>(visible_.size()) || col < 0 || col >= publishedCols_) {
        return false;
    }
    // While frozen the buffer may already be smaller than what the view was told.
    return GridRow(modelRow) < rows_ && col < cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !IsPublishedCell(index.row(), index.column())) {
        return {};
    }
    const int row = GridRow(index.row());
    const int col = index.column();
    const GridCell& cell = Cell(row, col);
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, col);
    case Qt::EditRole:
        return cell.text;
    case Qt::BackgroundRole:
        return cell.backColor.isValid() ? QVariant(QBrush(cell.backColor)) : QVariant();
    case Qt::ForegroundRole:
        return cell.foreColor.isValid() ? QVariant(QBrush(cell.foreColor)) : QVariant();
    case Qt::TextAlignmentRole: {
        const std::optional<Qt::Alignment> alignment =
            cell.alignment ? cell.alignment : ColumnAt(col).alignment;
        return alignment ? QVariant(static_cast<int>(*alignment)) : QVariant();
    }
    case Qt::FontRole: {
        if (cell.fontName.isEmpty() && cell.fontSize <= 0 && !cell.bold) {
            return {};
        }
        QFont font;
        if (!cell.fontName.isEmpty()) {
            font.setFamily(cell.fontName);
        }
        if (cell.fontSize > 0) {
            font.setPointSizeF(cell.fontSize);
        }
        if (cell.bold) {
            font.setBold(*cell.bold);
        }
        return font;
    }
    case Qt::UserRole:
        return cell.data;
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !IsPublishedCell(index.row(), index.column())) {
        return false;
    }
    const int row = GridRow(index.row());
    if (role == Qt::EditRole) {
        SetText(row, index.column(), value.toString());
        return true;
    }
    if (role == Qt::UserRole) {
        SetCellData(row, index.column(), value);
        return true;
    }
    return false;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !IsPublishedCell(index.row(), index.column())) {
        return Qt::NoItemFlags;
    }
    // Fixed columns are labels: the cursor never lands on them, so they are not enabled.
    if (index.column() < fixedCols_) {
        return Qt::ItemNeverHasChildren;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (IsCellEditable(GridRow(index.row()), index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section < static_cast<int>(visible_.size()) ? QVariant(GridRow(section)) : QVariant();
    }
    if (section >= publishedCols_ || section >= cols_) {
        return {};
    }
    QStringList lines;
    for (int row = 0; row < fixedRows_; ++row) {
        if (!RowHidden(row)) {
            lines << DisplayText(row, section);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void GridModel::SetShape(int rows, int cols, int fixedRows, int fixedCols) {
    if (rows == rows_ && cols == cols_ && fixedRows == fixedRows_ && fixedCols == fixedCols_) {
        return;
    }
    const bool rowsOnly = cols == cols_ && fixedRows == fixedRows_ && fixedCols == fixedCols_;
    const auto reshape = [&] {
        // Cells move only once the view has been warned, so it can still read the old ones.
        std::vector<GridCell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
        const int keepRows = std::min(rows, rows_);
        const int keepCols = std::min(cols, cols_);
        for (int row = 0; row < keepRows; ++row) {
            for (int col = 0; col < keepCols; ++col) {
                cells[static_cast<size_t>(row) * static_cast<size_t>(cols) + static_cast<size_t>(col)] =
                    std::move(cells_[CellOffset(row, col)]);
            }
        }
        cells_ = std::move(cells);
        rows_ = rows;
        cols_ = cols;
        fixedRows_ = fixedRows;
        fixedCols_ = fixedCols;
        columns_.resize(static_cast<size_t>(cols));
        rowHidden_.resize(static_cast<size_t>(rows), 0);
        rowHeights_.resize(static_cast<size_t>(rows), -1);
        rowBorders_.resize(static_cast<size_t>(rows));
    };
    if (frozen_) {
        reshape();
        pendingReset_ = true;
        return;
    }
    if (rowsOnly && rows >= fixedRows) {
        // Rows added or dropped at the end: the view keeps its place and its current cell.
        const int listedBefore = static_cast<int>(visible_.size());
        int listedKept = listedBefore;
        while (listedKept > 0 && GridRow(listedKept - 1) >= rows) {
            --listedKept;
        }
        structureChanging_ = true;
        if (listedKept < listedBefore) {
            beginRemoveRows({}, listedKept, listedBefore - 1);
            reshape();
            Publish();
            endRemoveRows();
        } else {
            const int added = std::max(0, rows - std::max(rows_, fixedRows_));
            if (added > 0) {
                beginInsertRows({}, listedBefore, listedBefore + added - 1);
                reshape();
                Publish();
                endInsertRows();
            } else {
                reshape();
                Publish();
            }
        }
        structureChanging_ = false;
        emit SizesChanged();
        return;
    }
    structureChanging_ = true;
    beginResetModel();
    reshape();
    Publish();
    endResetModel();
    structureChanging_ = false;
    emit SizesChanged();
}

void GridModel::SetText(int row, int col, const QString& text) {
    GridCell& cell = cells_[CellOffset(row, col)];
    if (cell.text == text) {
        return;
    }
    cell.text = text;
    CellsChanged(GridRange::Cell(row, col));
}

void GridModel::SetCellData(int row, int col, const QVariant& data) {
    cells_[CellOffset(row, col)].data = data;
    CellsChanged(GridRange::Cell(row, col));
}

QString GridModel::DisplayText(int row, int col) const {
    const GridCell& cell = Cell(row, col);
    if (cell.comboList) {
        return GridComboList::Parse(*cell.comboList).DisplayText(cell.text);
    }
    return ColumnAt(col).comboList.DisplayText(cell.text);
}

GridComboList GridModel::ComboListFor(int row, int col) const {
    const GridCell& cell = Cell(row, col);
    return cell.comboList ? GridComboList::Parse(*cell.comboList) : ColumnAt(col).comboList;
}

void GridModel::SetColWidth(int col, int twips) {
    columns_[static_cast<size_t>(col)].widthTwips = twips;
    SizesTouched();
}

void GridModel::SetColHidden(int col, bool hidden) {
    columns_[static_cast<size_t>(col)].hidden = hidden;
    SizesTouched();
}

void GridModel::SetColAlignment(int col, std::optional<Qt::Alignment> alignment) {
    columns_[static_cast<size_t>(col)].alignment = alignment;
    CellsChanged({0, col, std::max(0, rows_ - 1), col});
}

void GridModel::SetColComboList(int col, const QString& list) {
    Column& column = columns_[static_cast<size_t>(col)];
    column.comboListText = list;
    column.comboList = GridComboList::Parse(list);
    CellsChanged({0, col, std::max(0, rows_ - 1), col});
}

void GridModel::SetRowHidden(int row, bool hidden) {
    if (RowHidden(row) == hidden) {
        return;
    }
    if (frozen_ || row < fixedRows_) {
        rowHidden_[static_cast<size_t>(row)] = hidden ? 1 : 0;
        if (frozen_) {
            pendingReset_ = true;
        } else {
            emit headerDataChanged(Qt::Horizontal, 0, std::max(0, publishedCols_ - 1));
            emit SizesChanged();
        }
        return;
    }
    structureChanging_ = true;
    if (hidden) {
        const int modelRow = modelRowOf_[static_cast<size_t>(row)];
        beginRemoveRows({}, modelRow, modelRow);
        rowHidden_[static_cast<size_t>(row)] = 1;
        visible_.erase(visible_.begin() + modelRow);
        modelRowOf_[static_cast<size_t>(row)] = -1;
        for (size_t listed = static_cast<size_t>(modelRow); listed < visible_.size(); ++listed) {
            modelRowOf_[static_cast<size_t>(visible_[listed])] = static_cast<int>(listed);
        }
        endRemoveRows();
    } else {
        const auto place = std::lower_bound(visible_.begin(), visible_.end(), row);
        const int modelRow = static_cast<int>(std::distance(visible_.begin(), place));
        beginInsertRows({}, modelRow, modelRow);
        rowHidden_[static_cast<size_t>(row)] = 0;
        visible_.insert(place, row);
        for (size_t listed = static_cast<size_t>(modelRow); listed < visible_.size(); ++listed) {
            modelRowOf_[static_cast<size_t>(visible_[listed])] = static_cast<int>(listed);
        }
        endInsertRows();
        if (RowHasOwnHeight(row)) {
            emit SizesChanged();
        }
    }
    structureChanging_ = false;
}

int GridModel::RowHeightTwips(int row) const {
    const int own = rowHeights_[static_cast<size_t>(row)];
    return own >= 0 ? own : defaultRowHeight_;
}

void GridModel::SetRowHeight(int row, int twips) {
    rowHeights_[static_cast<size_t>(row)] = twips;
    SizesTouched();
}

void GridModel::SetDefaultRowHeight(int twips) {
    defaultRowHeight_ = twips;
    SizesTouched();
}

bool GridModel::AnyDataRowHasOwnHeight() const {
    return std::any_of(rowHeights_.begin() + std::min<ptrdiff_t>(fixedRows_, std::ssize(rowHeights_)),
                       rowHeights_.end(), [](int height) { return height >= 0; });
}

void GridModel::SetRowBorder(int row, RowBorder border) {
    rowBorders_[static_cast<size_t>(row)] = border;
    CellsChanged({row, 0, row, std::max(0, cols_ - 1)});
}

void GridModel::ClearBorders() {
    std::fill(rowBorders_.begin(), rowBorders_.end(), RowBorder{});
    CellsChanged({0, 0, std::max(0, rows_ - 1), std::max(0, cols_ - 1)});
}

void GridModel::SetEditingEnabled(bool enabled) {
    if (editingEnabled_ == enabled) {
        return;
    }
    editingEnabled_ = enabled;
    // Flags are part of what the view may cache about each cell.
    CellsChanged({fixedRows_, fixedCols_, std::max(fixedRows_, rows_ - 1), std::max(fixedCols_, cols_ - 1)});
}

bool GridModel::IsCellEditable(int row, int col) const {
    return editingEnabled_ && row >= fixedRows_ && col >= fixedCols_ && Cell(row, col).editable;
}

std::optional<int> GridModel::ModelRow(int gridRow) const {
    if (gridRow < 0 || gridRow >= static_cast<int>(modelRowOf_.size())) {
        return std::nullopt;
    }
    const int modelRow = modelRowOf_[static_cast<size_t>(gridRow)];
    return modelRow < 0 ? std::nullopt : std::optional<int>(modelRow);
}

QModelIndex GridModel::IndexAt(int gridRow, int col) const {
    const std::optional<int> modelRow = ModelRow(gridRow);
    if (!modelRow || col < 0 || col >= publishedCols_) {
        return {};
    }
    return index(*modelRow, col);
}

void GridModel::SetFrozen(bool frozen) {
    if (frozen_ == frozen) {
        return;
    }
    frozen_ = frozen;
    if (frozen) {
        return;
    }
    if (pendingReset_) {
        structureChanging_ = true;
        beginResetModel();
        Publish();
        endResetModel();
        structureChanging_ = false;
    } else if (pendingData_) {
        if (!visible_.empty() && publishedCols_ > 0) {
            emit dataChanged(index(0, 0), index(static_cast<int>(visible_.size()) - 1, publishedCols_ - 1));
        }
        if (publishedCols_ > 0) {
            emit headerDataChanged(Qt::Horizontal, 0, publishedCols_ - 1);
        }
    }
    if (pendingReset_ || pendingSizes_) {
        emit SizesChanged();
    }
    pendingReset_ = false;
    pendingData_ = false;
    pendingSizes_ = false;
}

void GridModel::CellsChanged(const GridRange& range) {
    if (frozen_) {
        pendingData_ = true;
        return;
    }
    const int left = std::max(range.Left(), 0);
    const int right = std::min(range.Right(), publishedCols_ - 1);
    if (left > right) {
        return;
    }
    if (range.Top() < fixedRows_) {
        emit headerDataChanged(Qt::Horizontal, left, right);
    }
    const auto first = std::lower_bound(visible_.begin(), visible_.end(), range.Top());
    const auto last = std::upper_bound(visible_.begin(), visible_.end(), range.Bottom());
    if (first < last) {
        const int top = static_cast<int>(std::distance(visible_.begin(), first));
        const int bottom = static_cast<int>(std::distance(visible_.begin(), last)) - 1;
        emit dataChanged(index(top, left), index(bottom, right));
    }
}

void GridModel::Publish() {
    visible_.clear();
    modelRowOf_.assign(static_cast<size_t>(rows_), -1);
    for (int row = fixedRows_; row < rows_; ++row) {
        if (!RowHidden(row)) {
            modelRowOf_[static_cast<size_t>(row)] = static_cast<int>(visible_.size());
            visible_.push_back(row);
        }
    }
    publishedCols_ = cols_;
}

void GridModel::SizesTouched() {
    if (frozen_) {
        pendingSizes_ = true;
    } else {
        emit SizesChanged();
    }
}

} // namespace platform
