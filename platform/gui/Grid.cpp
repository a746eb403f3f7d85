#include "platform/gui/Grid.h"

#include "platform/gui/GridComboList.h"
#include "platform/gui/GridDelegate.h"
#include "platform/gui/GridHeaderView.h"
#include "platform/gui/GridModel.h"
#include "platform/gui/GridView.h"

#include "hlpkit/RunError.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

int ToPixels(int twips) {
    return qRound(twips / double(Grid::TwipsPerPixel));
}

[[noreturn]] void Fail(int code, const QString& text) {
    throw hlpkit::RunError(code, text);
}

} // namespace

Grid::Grid(QWidget* parent) : QWidget(parent) {
    model_ = new GridModel(this);
    view_ = new GridView(*this);
    header_ = new GridHeaderView(*this, view_);
    view_->setHorizontalHeader(header_);
    delegate_ = new GridDelegate(*this, view_);
    view_->setItemDelegate(delegate_);
    view_->setModel(model_);

    view_->verticalHeader()->hide();
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->setWordWrap(false);
    view_->setCornerButtonEnabled(false);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    header_->setSectionsClickable(false);
    header_->setHighlightSections(false);
    header_->setStretchLastSection(false);
    header_->setMinimumSectionSize(1);
    header_->setSectionResizeMode(QHeaderView::Interactive);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    gridFont_ = font();
    backColor_ = palette().color(QPalette::Base);
    foreColor_ = palette().color(QPalette::Text);
    backColorFixed_ = palette().color(QPalette::Button);
    foreColorFixed_ = palette().color(QPalette::ButtonText);
    model_->SetDefaultRowHeight((QFontMetrics(gridFont_).height() + 4) * TwipsPerPixel);

    dataArea_ = view_->viewport();
    headerArea_ = header_->viewport();
    dataArea_->setMouseTracking(true);
    dataArea_->installEventFilter(this);
    headerArea_->setMouseTracking(true);
    headerArea_->installEventFilter(this);

    connect(model_, &GridModel::SizesChanged, this, &Grid::ApplyLayout);
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        modelResetting_ = true;
        ForgetEditor();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { modelResetting_ = false; });
    connect(model_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (const std::optional<int> editing = model_->ModelRow(editRow_);
                    IsEditing() && editing && *editing >= first && *editing <= last) {
                    ForgetEditor();
                }
            });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { SyncViewCurrent(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { SyncViewCurrent(); });
    connect(header_, &QHeaderView::sectionResized, this, [this](int col, int, int pixels) {
        // Only a width the user dragged is news; the grid's own layout passes come through here too.
        if (applyingLayout_ || modelResetting_ || col >= model_->Cols() || model_->ColumnAt(col).hidden) {
            return;
        }
        model_->RecordColWidth(col, pixels * TwipsPerPixel);
        if (events_.AfterUserResize) {
            events_.AfterUserResize(col);
        }
    });
    ApplyLayout();
}

Grid::~Grid() {
    // The view, its delegate and an open editor call back into the grid (focus leaving the
    // editor, for one); they go first, while the grid is still whole and silent.
    events_ = GridEvents{};
    dataArea_->removeEventFilter(this);
    headerArea_->removeEventFilter(this);
    ForgetEditor();
    delete view_;
}

// ---- checks ------------------------------------------------------------------------------

void Grid::CheckRow(int row) const {
    if (row < 0 || row >= model_->Rows()) {
        Fail(hlpkit::SubscriptOutOfRange,
             QStringLiteral("Subscript out of range: grid row %1 (the grid has %2 rows)")
                 .arg(row)
                 .arg(model_->Rows()));
    }
}

void Grid::CheckCol(int col) const {
    if (col < 0 || col >= model_->Cols()) {
        Fail(hlpkit::SubscriptOutOfRange,
             QStringLiteral("Subscript out of range: grid column %1 (the grid has %2 columns)")
                 .arg(col)
                 .arg(model_->Cols()));
    }
}

void Grid::CheckRange(const GridRange& range) const {
    CheckRow(range.row1);
    CheckRow(range.row2);
    CheckCol(range.col1);
    CheckCol(range.col2);
}

void Grid::CheckSize(int value, const char* what) {
    if (value < 0) {
        Fail(hlpkit::InvalidCall,
             QStringLiteral("Invalid procedure call: %1 cannot be %2").arg(QLatin1String(what)).arg(value));
    }
}

template <class Change> void Grid::ChangeCells(const GridRange& range, Change&& change) {
    CheckRange(range);
    model_->ChangeRange(range, std::forward<Change>(change));
}

// ---- shape -------------------------------------------------------------------------------

int Grid::Rows() const {
    return model_->Rows();
}

void Grid::SetRows(int rows) {
    CheckSize(rows, "the number of rows");
    model_->SetShape(rows, model_->Cols(), std::min(model_->FixedRows(), rows), model_->FixedCols());
    ClampCurrent();
}

int Grid::Cols() const {
    return model_->Cols();
}

void Grid::SetCols(int cols) {
    CheckSize(cols, "the number of columns");
    model_->SetShape(model_->Rows(), cols, model_->FixedRows(), std::min(model_->FixedCols(), cols));
    ClampCurrent();
}

int Grid::FixedRows() const {
    return model_->FixedRows();
}

void Grid::SetFixedRows(int fixedRows) {
    CheckSize(fixedRows, "the number of fixed rows");
    if (fixedRows > model_->Rows()) {
        Fail(hlpkit::InvalidCall, QStringLiteral("Invalid procedure call: %1 fixed rows in a grid of %2 rows")
                                      .arg(fixedRows)
                                      .arg(model_->Rows()));
    }
    model_->SetShape(model_->Rows(), model_->Cols(), fixedRows, model_->FixedCols());
    ClampCurrent();
}

int Grid::FixedCols() const {
    return model_->FixedCols();
}

void Grid::SetFixedCols(int fixedCols) {
    CheckSize(fixedCols, "the number of fixed columns");
    if (fixedCols > model_->Cols()) {
        Fail(hlpkit::InvalidCall,
             QStringLiteral("Invalid procedure call: %1 fixed columns in a grid of %2 columns")
                 .arg(fixedCols)
                 .arg(model_->Cols()));
    }
    model_->SetShape(model_->Rows(), model_->Cols(), model_->FixedRows(), fixedCols);
    ClampCurrent();
}

int Grid::RowHeight(int row) const {
    CheckRow(row);
    return model_->RowHeightTwips(row);
}

void Grid::SetRowHeight(int row, int twips) {
    CheckRow(row);
    CheckSize(twips, "a row height");
    model_->SetRowHeight(row, twips);
}

void Grid::SetDefaultRowHeight(int twips) {
    CheckSize(twips, "a row height");
    model_->SetDefaultRowHeight(twips);
}

int Grid::ColWidth(int col) const {
    CheckCol(col);
    const int own = model_->ColumnAt(col).widthTwips;
    return own >= 0 ? own : header_->defaultSectionSize() * TwipsPerPixel;
}

void Grid::SetColWidth(int col, int twips) {
    CheckCol(col);
    CheckSize(twips, "a column width");
    model_->SetColWidth(col, twips);
}

bool Grid::RowHidden(int row) const {
    CheckRow(row);
    return model_->RowHidden(row);
}

void Grid::SetRowHidden(int row, bool hidden) {
    CheckRow(row);
    model_->SetRowHidden(row, hidden);
}

bool Grid::ColHidden(int col) const {
    CheckCol(col);
    return model_->ColumnAt(col).hidden;
}

void Grid::SetColHidden(int col, bool hidden) {
    CheckCol(col);
    model_->SetColHidden(col, hidden);
}

// ---- content -----------------------------------------------------------------------------

QString Grid::TextMatrix(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return model_->Cell(row, col).text;
}

void Grid::SetTextMatrix(int row, int col, const QString& text) {
    CheckRow(row);
    CheckCol(col);
    model_->SetText(row, col, text);
}

std::optional<double> Grid::ValueMatrix(int row, int col) const {
    const QString text = TextMatrix(row, col).trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QVariant Grid::CellData(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return model_->Cell(row, col).data;
}

void Grid::SetCellData(int row, int col, const QVariant& data) {
    CheckRow(row);
    CheckCol(col);
    model_->SetCellData(row, col, data);
}

// ---- formatting --------------------------------------------------------------------------

void Grid::SetCellBackColor(const GridRange& range, const QColor& color) {
    ChangeCells(range, [&](GridCell& cell) { cell.backColor = color; });
}

QColor Grid::CellBackColor(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    const QColor& own = model_->Cell(row, col).backColor;
    if (own.isValid()) {
        return own;
    }
    return row < model_->FixedRows() || col < model_->FixedCols() ? backColorFixed_ : backColor_;
}

void Grid::SetCellForeColor(const GridRange& range, const QColor& color) {
    ChangeCells(range, [&](GridCell& cell) { cell.foreColor = color; });
}

QColor Grid::CellForeColor(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    const QColor& own = model_->Cell(row, col).foreColor;
    if (own.isValid()) {
        return own;
    }
    return row < model_->FixedRows() || col < model_->FixedCols() ? foreColorFixed_ : foreColor_;
}

void Grid::SetCellFontName(const GridRange& range, const QString& family) {
    ChangeCells(range, [&](GridCell& cell) { cell.fontName = family; });
}

void Grid::SetCellFontSize(const GridRange& range, qreal points) {
    if (points < 0) {
        Fail(hlpkit::InvalidCall,
             QStringLiteral("Invalid procedure call: a font size cannot be %1").arg(points));
    }
    ChangeCells(range, [&](GridCell& cell) { cell.fontSize = points; });
}

void Grid::SetCellFontBold(const GridRange& range, bool bold) {
    ChangeCells(range, [&](GridCell& cell) { cell.bold = bold; });
}

QFont Grid::CellFont(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    const GridCell& cell = model_->Cell(row, col);
    QFont font = gridFont_;
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

void Grid::SetCellAlignment(const GridRange& range, Qt::Alignment alignment) {
    ChangeCells(range, [&](GridCell& cell) { cell.alignment = alignment; });
}

void Grid::SetColAlignment(int col, Qt::Alignment alignment) {
    CheckCol(col);
    model_->SetColAlignment(col, alignment);
}

Qt::Alignment Grid::CellAlignment(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    const GridCell& cell = model_->Cell(row, col);
    Qt::Alignment alignment =
        cell.alignment ? *cell.alignment : model_->ColumnAt(col).alignment.value_or(Qt::AlignLeft);
    if (!(alignment & Qt::AlignVertical_Mask)) {
        alignment |= Qt::AlignVCenter;
    }
    return alignment;
}

void Grid::SetCellEditable(const GridRange& range, bool editable) {
    ChangeCells(range, [&](GridCell& cell) { cell.editable = editable; });
}

void Grid::ClearBorders() {
    model_->ClearBorders();
}

void Grid::SetRowBottomBorder(int row, int widthPixels, const QColor& color) {
    CheckRow(row);
    CheckSize(widthPixels, "a border width");
    model_->SetRowBorder(row, {widthPixels, color});
}

void Grid::SetGridFont(const QString& family, qreal points) {
    if (points <= 0) {
        Fail(hlpkit::InvalidCall,
             QStringLiteral("Invalid procedure call: a font size cannot be %1").arg(points));
    }
    gridFont_.setFamily(family);
    gridFont_.setPointSizeF(points);
    view_->setFont(gridFont_);
    Refresh();
}

void Grid::SetBackColor(const QColor& color) {
    backColor_ = color;
    Refresh();
}

void Grid::SetForeColor(const QColor& color) {
    foreColor_ = color;
    Refresh();
}

void Grid::SetBackColorFixed(const QColor& color) {
    backColorFixed_ = color;
    Refresh();
}

void Grid::SetForeColorFixed(const QColor& color) {
    foreColorFixed_ = color;
    Refresh();
}

void Grid::SetHighlightCurrentCell(bool highlight) {
    highlightCurrent_ = highlight;
    Refresh();
}

// ---- editing -----------------------------------------------------------------------------

void Grid::SetEditable(GridEditMode mode) {
    editMode_ = mode;
    model_->SetEditingEnabled(mode != GridEditMode::Off);
    QAbstractItemView::EditTriggers triggers = QAbstractItemView::NoEditTriggers;
    if (mode != GridEditMode::Off) {
        triggers |= QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;
    }
    // A click on the current cell would arm a delayed edit that a double click handled by the
    // window could not call back; the mouse opens an editor by double click only.
    if (mode == GridEditMode::KeyboardMouse) {
        triggers |= QAbstractItemView::DoubleClicked;
    }
    view_->setEditTriggers(triggers);
}

void Grid::SetColComboList(int col, const QString& list) {
    CheckCol(col);
    model_->SetColComboList(col, list);
}

void Grid::SetCellComboList(const GridRange& range, const QString& list) {
    ChangeCells(range, [&](GridCell& cell) { cell.comboList = list; });
}

void Grid::SetComboList(const QString& list) {
    editComboList_ = list;
}

QString Grid::ComboList() const {
    return editComboList_.value_or(QString());
}

QString Grid::EditText() const {
    return editor_ ? GridDelegate::EditorValue(editor_) : QString();
}

void Grid::SetEditText(const QString& text) {
    if (editor_) {
        GridDelegate::SetEditorValue(editor_, text);
    }
}

bool Grid::EditCell() {
    if (IsEditing()) {
        return true;
    }
    const QModelIndex index = model_->IndexAt(row_, col_);
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable)) {
        return false;
    }
    view_->setFocus();
    return view_->OpenEditor(index) && IsEditing();
}

bool Grid::FinishEditing() {
    if (!IsEditing()) {
        return true;
    }
    return view_->CommitAndClose(editor_);
}

void Grid::CancelEditing() {
    if (IsEditing()) {
        view_->CloseWithoutCommit(editor_);
    }
}

bool Grid::BeforeEditAt(int row, int col) {
    editComboList_.reset();
    bool cancel = false;
    if (events_.BeforeEdit) {
        events_.BeforeEdit(row, col, cancel);
    }
    if (cancel) {
        editComboList_.reset();
        return false;
    }
    editRow_ = row;
    editCol_ = col;
    return true;
}

GridComboList Grid::ActiveComboList(int row, int col) const {
    return editComboList_ ? GridComboList::Parse(*editComboList_) : model_->ComboListFor(row, col);
}

void Grid::EditorOpened(QWidget* editor, QLineEdit* textBox) {
    editor_ = editor;
    editorTextBox_ = textBox;
    commitAccepted_ = false;
    commitRejected_ = false;
    if (textBox != nullptr) {
        textBox->installEventFilter(this);
    }
}

bool Grid::CommitEditor(QWidget* editor) {
    if (editor == nullptr || committing_ || !editor_ || (editor != editor_ && editor != editorTextBox_)) {
        return false;
    }
    // Rows coming or going under an open editor (a rebuild, a filter) end the edit unwritten:
    // the window would not hear of a text it never accepted.
    if (model_->InStructureChange() || modelResetting_) {
        return false;
    }
    const QString typed = GridDelegate::EditorValue(editor_);
    QString text = typed;
    bool cancel = false;
    committing_ = true;
    if (events_.ValidateEdit) {
        events_.ValidateEdit(editRow_, editCol_, text, cancel);
    }
    committing_ = false;
    if (!editor_) {
        return false; // the grid was rebuilt while the window looked at the text
    }
    if (cancel) {
        commitRejected_ = true;
        return false;
    }
    // The window may rewrite the text through the reference or through SetEditText.
    if (text == typed) {
        text = GridDelegate::EditorValue(editor_);
    }
    if (editRow_ < model_->Rows() && editCol_ < model_->Cols()) {
        model_->SetText(editRow_, editCol_, text);
    }
    commitAccepted_ = true;
    return true;
}

bool Grid::ShouldCloseEditor(QWidget* editor) {
    if (committing_) {
        return false;
    }
    if (commitRejected_ && editor != nullptr && editor == editor_) {
        commitRejected_ = false;
        // The view may already have moved its cursor away; the refused cell keeps it.
        if (const QModelIndex index = model_->IndexAt(editRow_, editCol_); index.isValid()) {
            syncingView_ = true;
            view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            syncingView_ = false;
        }
        editor->setFocus();
        return false;
    }
    return true;
}

void Grid::EditorClosed(QWidget* editor, bool committed) {
    if (editor != editor_) {
        return;
    }
    const int row = editRow_;
    const int col = editCol_;
    ForgetEditor();
    view_->viewport()->update();
    if (committed && events_.AfterEdit) {
        events_.AfterEdit(row, col);
    }
}

void Grid::EllipsisPressed(QWidget* editor) {
    if (editor != editor_) {
        return;
    }
    const int row = editRow_;
    const int col = editCol_;
    view_->CloseWithoutCommit(editor);
    if (events_.CellButtonClick) {
        events_.CellButtonClick(row, col);
    }
}

void Grid::ForgetEditor() {
    if (editorTextBox_) {
        editorTextBox_->removeEventFilter(this);
    }
    editor_ = nullptr;
    editorTextBox_ = nullptr;
    editComboList_.reset();
    commitAccepted_ = false;
    commitRejected_ = false;
    editRow_ = -1;
    editCol_ = -1;
}

bool Grid::FilterEditorKey(QKeyEvent* event) {
    if (keyAlreadyFiltered_ || !events_.KeyPress || event->text().size() != 1) {
        return false;
    }
    const QChar typed = event->text().front();
    QChar ch = typed;
    events_.KeyPress(ch);
    if (ch.isNull()) {
        return true;
    }
    if (ch != typed && editorTextBox_) {
        editorTextBox_->insert(QString(ch));
        return true;
    }
    return false;
}

// ---- navigation --------------------------------------------------------------------------

void Grid::SetRow(int row) {
    CheckRow(row);
    SetCurrent(row, col_);
}

void Grid::SetCol(int col) {
    CheckCol(col);
    SetCurrent(row_, col);
}

void Grid::Select(int row, int col) {
    CheckRow(row);
    CheckCol(col);
    SetCurrent(row, col);
}

void Grid::SetCurrent(int row, int col) {
    const bool changed = row != row_ || col != col_;
    row_ = row;
    col_ = col;
    SyncViewCurrent();
    view_->viewport()->update();
    if (changed && events_.RowColChange) {
        events_.RowColChange();
    }
}

void Grid::ClampCurrent() {
    const int rows = model_->Rows();
    const int cols = model_->Cols();
    int row = row_;
    int col = col_;
    if (rows == 0) {
        row = -1;
    } else if (row < model_->FixedRows() && rows > model_->FixedRows()) {
        row = model_->FixedRows();
    } else {
        row = std::clamp(row, 0, rows - 1);
    }
    if (cols == 0) {
        col = -1;
    } else if (col < model_->FixedCols() && cols > model_->FixedCols()) {
        col = model_->FixedCols();
    } else {
        col = std::clamp(col, 0, cols - 1);
    }
    SetCurrent(row, col);
}

void Grid::SyncViewCurrent() {
    if (model_->Frozen() || model_->InStructureChange() || view_->selectionModel() == nullptr) {
        return;
    }
    const QModelIndex index = col_ >= model_->FixedCols() ? model_->IndexAt(row_, col_) : QModelIndex();
    syncingView_ = true;
    if (index.isValid()) {
        view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        view_->selectionModel()->clear();
    }
    syncingView_ = false;
}

void Grid::ViewCurrentChanged(const QModelIndex& current) {
    if (syncingView_ || model_->InStructureChange() || model_->Frozen() || modelResetting_ ||
        !current.isValid() || !model_->IsPublishedCell(current.row(), current.column())) {
        return;
    }
    if (IsEditing() && (model_->GridRow(current.row()) != editRow_ || current.column() != editCol_)) {
        return; // the open editor decides whether the cursor may leave
    }
    SetCurrent(model_->GridRow(current.row()), current.column());
}

int Grid::TopRow() const {
    const int modelRow = view_->rowAt(0);
    if (modelRow < 0) {
        return std::min(model_->FixedRows(), std::max(0, model_->Rows() - 1));
    }
    return model_->GridRow(modelRow);
}

void Grid::SetTopRow(int row) {
    CheckRow(row);
    if (model_->Frozen()) {
        return;
    }
    // A hidden row cannot be at the top; the next row shown takes its place.
    int modelRow = -1;
    for (int candidate = std::max(row, model_->FixedRows()); candidate < model_->Rows(); ++candidate) {
        if (const std::optional<int> listed = model_->ModelRow(candidate)) {
            modelRow = *listed;
            break;
        }
    }
    if (modelRow < 0) {
        return;
    }
    view_->doItemsLayout();
    view_->verticalScrollBar()->setValue(modelRow);
}

std::optional<int> Grid::FindRow(const QString& text, int col) const {
    CheckCol(col);
    for (int row = model_->FixedRows(); row < model_->Rows(); ++row) {
        if (model_->Cell(row, col).text == text) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<GridCellPosition> Grid::CellAt(const QPoint& point) const {
    if (header_->isVisible()) {
        const QPoint inHeader = header_->viewport()->mapFrom(this, point);
        if (header_->viewport()->rect().contains(inHeader)) {
            const int col = header_->logicalIndexAt(inHeader.x());
            if (col < 0) {
                return std::nullopt;
            }
            int bottom = 0;
            for (int row = 0; row < model_->FixedRows(); ++row) {
                if (model_->RowHidden(row)) {
                    continue;
                }
                bottom += ToPixels(model_->RowHeightTwips(row));
                if (inHeader.y() < bottom) {
                    return GridCellPosition{row, col};
                }
            }
            return std::nullopt;
        }
    }
    const QPoint inViewport = view_->viewport()->mapFrom(this, point);
    if (!view_->viewport()->rect().contains(inViewport)) {
        return std::nullopt;
    }
    const QModelIndex index = view_->indexAt(inViewport);
    if (!index.isValid() || !model_->IsPublishedCell(index.row(), index.column())) {
        return std::nullopt;
    }
    return GridCellPosition{model_->GridRow(index.row()), index.column()};
}

std::optional<QRect> Grid::CellRect(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    if (model_->ColumnAt(col).hidden || model_->RowHidden(row)) {
        return std::nullopt;
    }
    if (row < model_->FixedRows()) {
        int top = 0;
        for (int fixed = 0; fixed < row; ++fixed) {
            top += model_->RowHidden(fixed) ? 0 : ToPixels(model_->RowHeightTwips(fixed));
        }
        const QRect inHeader(header_->sectionViewportPosition(col), top, header_->sectionSize(col),
                             ToPixels(model_->RowHeightTwips(row)));
        return QRect(header_->viewport()->mapTo(this, inHeader.topLeft()), inHeader.size());
    }
    const QModelIndex index = model_->IndexAt(row, col);
    if (!index.isValid()) {
        return std::nullopt;
    }
    const QRect inViewport = view_->visualRect(index);
    return QRect(view_->viewport()->mapTo(this, inViewport.topLeft()), inViewport.size());
}

// ---- drawing -----------------------------------------------------------------------------

void Grid::SetRedraw(bool on) {
    if (on == redraw_) {
        return;
    }
    redraw_ = on;
    if (!on) {
        view_->setUpdatesEnabled(false);
        model_->SetFrozen(true);
        return;
    }
    model_->SetFrozen(false);
    SyncViewCurrent();
    view_->setUpdatesEnabled(true);
    Refresh();
}

void Grid::Refresh() {
    view_->viewport()->update();
    header_->viewport()->update();
}

QAbstractItemModel* Grid::ItemModel() const {
    return model_;
}

QTableView* Grid::View() const {
    return view_;
}

void Grid::ApplyLayout() {
    if (model_->Frozen()) {
        return;
    }
    applyingLayout_ = true;
    int headerHeight = 0;
    for (int row = 0; row < model_->FixedRows(); ++row) {
        headerHeight += model_->RowHidden(row) ? 0 : ToPixels(model_->RowHeightTwips(row));
    }
    header_->SetHeight(headerHeight);
    header_->setVisible(headerHeight > 0);

    for (int col = 0; col < model_->Cols(); ++col) {
        const GridModel::Column& column = model_->ColumnAt(col);
        view_->setColumnHidden(col, column.hidden);
        if (!column.hidden) {
            const int width =
                column.widthTwips >= 0 ? ToPixels(column.widthTwips) : header_->defaultSectionSize();
            if (view_->columnWidth(col) != width) {
                view_->setColumnWidth(col, width);
            }
        }
    }

    QHeaderView* rows = view_->verticalHeader();
    const int defaultHeight = std::max(1, ToPixels(model_->DefaultRowHeightTwips()));
    if (rows->defaultSectionSize() != defaultHeight) {
        rows->setDefaultSectionSize(defaultHeight);
    }
    if (model_->AnyDataRowHasOwnHeight()) {
        for (int modelRow = 0; modelRow < model_->rowCount(); ++modelRow) {
            const int height = std::max(1, ToPixels(model_->RowHeightTwips(model_->GridRow(modelRow))));
            if (rows->sectionSize(modelRow) != height) {
                rows->resizeSection(modelRow, height);
            }
        }
    }
    applyingLayout_ = false;
    SyncViewCurrent();
    Refresh();
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (editorTextBox_ && watched == editorTextBox_.data() && event->type() == QEvent::KeyPress) {
        return FilterEditorKey(static_cast<QKeyEvent*>(event));
    }
    // Compared by address only: during teardown these widgets may be half destroyed.
    if (watched != dataArea_ && watched != headerArea_) {
        return QWidget::eventFilter(watched, event);
    }
    auto* area = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (events_.MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint point = area->mapTo(this, mouse->position().toPoint());
            events_.MouseMove(mouse->buttons(), mouse->modifiers(), point.x(), point.y());
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // A click elsewhere first settles the open edit; a refused text keeps the cursor in it.
        if (IsEditing() && !FinishEditing()) {
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::optional<GridCellPosition> cell =
                CellAt(area->mapTo(this, mouse->position().toPoint()))) {
            bool handled = false;
            if (events_.DblClick) {
                events_.DblClick(cell->row, cell->col, handled);
            }
            if (handled) {
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform
