#include "editors/InputWindow.h"

#include "editors/EditorServices.h"
#include "editors/rules/EntryVerdict.h"
#include "hlpkit/RunError.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

namespace vokg {

InputWindow::InputWindow(EditorServices& services, Messenger& messenger, QWidget* parent)
    : QWidget(parent), services_(services), messenger_(messenger), loadTime_(QDateTime::currentDateTime()),
      undoStack_(new QUndoStack(this)) {}

InputWindow::~InputWindow() = default;

bool InputWindow::IsChanged() const {
    return changed_ || HasUncommittedText();
}

bool InputWindow::HasUncommittedText() const {
    const platform::Grid* grid = EditGrid();
    if (grid == nullptr || !grid->IsEditing())
        return false;
    const platform::GridCellPosition cell = grid->EditCellPosition();
    return grid->EditText() != grid->TextMatrix(cell.row, cell.col);
}

void InputWindow::ControlChange(bool changed) {
    if (changed) {
        SetChanged(true);
        return;
    }
    const EditStep::Snapshot shown = EditStep::Take(*this);
    if (platform::Grid* grid = EditGrid())
        grid->CancelEditing();
    DropEdits();
    editedCells_.clear();
    refused_.reset();
    SetChanged(false);
    AfterEditsDropped();
    // After a save the window shows what it showed, now the file's values: the history stays,
    // with this point as the saved one. Edits really dropped change what it shows; the history
    // ends with them, so that no undo brings a dropped value back.
    if (EditStep::Since(*this, shown, QString()))
        undoStack_->clear();
    else
        undoStack_->setClean();
}

void InputWindow::SetChanged(bool changed) {
    const bool was = changed_;
    changed_ = changed;
    setWindowModified(changed);
    if (was != changed)
        emit ChangedStateChanged(changed);
}

QSet<int> InputWindow::EditedRows() const {
    QSet<int> rows;
    for (const QPair<int, int>& cell : editedCells_)
        rows.insert(cell.first);
    return rows;
}

void InputWindow::FollowMarks() {
    bool differs = false;
    for (const QPair<int, int>& cell : std::as_const(editedCells_)) {
        if (EditDiffersFromModel(cell.first, cell.second)) {
            differs = true;
            break;
        }
    }
    SetChanged(differs);
}

QList<InputWindow*> InputWindow::OpenWindows() const {
    return services_.InputWindows();
}

const QList<platform::GridCellPosition>& InputWindow::UserCells() const {
    if (!userCells_)
        userCells_ = EditableCells();
    return *userCells_;
}

UserCellValue InputWindow::UserCellValueAt(const platform::GridCellPosition& cell) const {
    const platform::Grid* grid = EditGrid();
    return {grid->TextMatrix(cell.row, cell.col), grid->CellData(cell.row, cell.col)};
}

void InputWindow::RestoreUserCells(const QList<RestoredCell>& cells) {
    platform::Grid* grid = EditGrid();
    // The undo finished every open editor first; one left open over a restored cell would
    // write its old text over the restored value when it closes.
    grid->CancelEditing();
    QList<platform::GridCellPosition> positions;
    positions.reserve(cells.size());
    for (const RestoredCell& restored : cells) {
        const auto [row, col] = restored.cell;
        if (grid->CellData(row, col) != restored.value.data)
            grid->SetCellData(row, col, restored.value.data);
        grid->SetTextMatrix(row, col, restored.value.text);
        positions.append(restored.cell);
    }
    AfterCellsRestored(positions);
    FollowMarks();
    grid->Refresh();
}

InputWindow::UserAction::UserAction(InputWindow& window, QString text)
    : window_(window), text_(std::move(text)) {
    if (window_.actionDepth_++ == 0)
        window_.actionStart_ = EditStep::Take(window_);
}

InputWindow::UserAction::~UserAction() {
    if (--window_.actionDepth_ > 0 || !window_.actionStart_)
        return;
    const EditStep::Snapshot start = std::move(*window_.actionStart_);
    window_.actionStart_.reset();
    window_.PushStep(start, text_);
}

void InputWindow::TypedEditAccepted() {
    // An action that finishes the open editor first takes the typed text into its own step.
    if (actionDepth_ > 0)
        return;
    typedStart_ = EditStep::Take(*this);
}

void InputWindow::TypedEditDone(int row, int col) {
    if (!typedStart_)
        return;
    const EditStep::Snapshot start = std::move(*typedStart_);
    typedStart_.reset();
    PushStep(start, StepText(row, col));
}

void InputWindow::PushStep(const EditStep::Snapshot& start, const QString& text) {
    if (unloaded_)
        return;
    if (std::unique_ptr<EditStep> step = EditStep::Since(*this, start, text))
        undoStack_->push(step.release());
}

bool InputWindow::SaveAllWindows() {
    if (!services_.SaveAllFiles(SaveMode::Overwrite, true))
        return false;
    // Every window's edits went into the file with this save.
    QList<InputWindow*> windows = services_.InputWindows();
    if (!windows.contains(this))
        windows.append(this);
    for (InputWindow* window : windows)
        window->ControlChange(false);
    if (platform::Grid* grid = EditGrid())
        grid->Refresh();
    return true;
}

bool InputWindow::PrintWithEdits(const std::function<void()>& print) {
    CommitPendingEdit();
    if (IsChanged() && !services_.SaveAllFiles(SaveMode::MemoryOnly, false))
        return false;
    print();
    if (IsChanged())
        services_.ReadVOKGData();
    return true;
}

bool InputWindow::CommitPendingEdit() {
    platform::Grid* grid = EditGrid();
    if (grid == nullptr || !grid->IsEditing())
        return true;
    // An editor opened and left as it was changes nothing; committing it could only refuse a
    // stored text the rules no longer accept.
    if (!HasUncommittedText()) {
        grid->CancelEditing();
        return true;
    }
    const platform::GridCellPosition cell = grid->EditCellPosition();
    if (refused_ && refused_->row == cell.row && refused_->col == cell.col &&
        refused_->text == grid->EditText())
        return false;
    return grid->FinishEditing();
}

bool InputWindow::TellRefusal(int row, int col, const QString& text) {
    // The grid checks an open editor again whenever the focus leaves it (a menu opening, a
    // message box, the save that follows); the user hears once about one typed text.
    const bool repeated = refused_ && refused_->row == row && refused_->col == col && refused_->text == text;
    refused_ = RefusedEdit{row, col, text};
    return !repeated;
}

void InputWindow::ValidateCellEdit(hlpkit::CMethod& method, const QString& procName, int row, int col,
                                   QString& text, bool& cancel,
                                   const std::function<std::optional<EntryVerdict>()>& rule) {
    const bool checked = hlpkit::Guarded(method, procName, false, [&] {
        TakeVerdict(row, col, rule(), text, cancel);
        return true;
    });
    if (!checked)
        cancel = true;
}

QPushButton* InputWindow::MakeCommandButton(QWidget* strip, int index, int resource) {
    auto* button = new QPushButton(ResourceText(resource), strip);
    button->setObjectName(QStringLiteral("BTN%1").arg(index));
    button->setFont(QFont(QStringLiteral("Tahoma")));
    connect(button, &QPushButton::clicked, this, [this, index] { BTN_Click(index); });
    return button;
}

QGroupBox* InputWindow::MakeShowOptions(QWidget* strip, QRadioButton* (&options)[3],
                                        const std::function<void(int)>& choose) {
    auto* frame = new QGroupBox(ResourceText(1499), strip);
    frame->setObjectName(QStringLiteral("frameDisp"));
    auto* row = new QHBoxLayout(frame);
    for (int index = 0; index < 3; ++index) {
        options[index] = new QRadioButton(ResourceText(1500 + index), frame);
        options[index]->setObjectName(QStringLiteral("opDisp%1").arg(index));
        row->addWidget(options[index]);
        connect(options[index], &QRadioButton::clicked, this, [choose, index] { choose(index); });
    }
    options[0]->setChecked(true);
    return frame;
}

void InputWindow::InstallGridEvents() {
    platform::GridEvents& events = EditGrid()->Events();
    events.BeforeEdit = [this](int row, int col, bool& cancel) { fg_BeforeEdit(row, col, cancel); };
    events.ValidateEdit = [this](int row, int col, QString& text, bool& cancel) {
        fg_ValidateEdit(row, col, text, cancel);
        if (!cancel)
            TypedEditAccepted();
    };
    events.AfterEdit = [this](int row, int col) {
        fg_AfterEdit(row, col);
        TypedEditDone(row, col);
    };
    events.RowColChange = [this] { fg_RowColChange(); };
    events.KeyDown = [this](int key, Qt::KeyboardModifiers, bool& handled) { fg_KeyDown(key, handled); };
    events.MouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { fg_MouseMove(x, y); };
    events.DblClick = [this](int row, int col, bool& handled) { fg_DblClick(row, col, handled); };
    events.CellButtonClick = [this](int row, int col) { fg_CellButtonClick(row, col); };
    events.OwnerDraw = [this](QPainter& painter, int row, int col, const QRect& rect, bool& done) {
        fg_DrawCell(painter, row, col, rect, done);
    };
    events.AfterUserResize = [this](int col) { fg_AfterUserResize(col); };
}

void InputWindow::fg_BeforeEdit(int, int, bool& cancel) {
    cancel = true;
}

void InputWindow::fg_ValidateEdit(int, int, QString&, bool& cancel) {
    cancel = true;
}

void InputWindow::fg_AfterEdit(int, int) {}
void InputWindow::fg_KeyDown(int, bool&) {}
void InputWindow::fg_MouseMove(int, int) {}
void InputWindow::fg_DblClick(int, int, bool&) {}
void InputWindow::fg_CellButtonClick(int, int) {}
void InputWindow::fg_DrawCell(QPainter&, int, int, const QRect&, bool&) {}
void InputWindow::fg_AfterUserResize(int) {}

void InputWindow::ShapeEditGrid(const GridShape& shape) {
    platform::Grid& grid = *EditGrid();
    grid.SetCols(shape.cols);
    grid.SetRows(shape.dataRows + 1);
    grid.SetFixedRows(1);
    grid.SetFixedCols(shape.fixedCols);
    grid.SetGridFont(QStringLiteral("Tahoma"), shape.points);
    grid.SetRowHeight(0, shape.headerTwips);
    grid.SetDefaultRowHeight(shape.rowTwips);
    grid.SetHighlightCurrentCell(false);
    grid.SetEditable(platform::GridEditMode::KeyboardMouse);
}

bool InputWindow::WithRedrawHeld(hlpkit::CMethod& method, const QString& procedure,
                                 const std::function<bool()>& body) {
    platform::Grid* grid = EditGrid();
    grid->SetRedraw(false);
    const bool done = hlpkit::Guarded(method, procedure, false, body);
    grid->SetRedraw(true);
    return done;
}

void InputWindow::FollowCurrentRow() {
    const int row = EditGrid()->Row();
    if (row == highlightedRow_)
        return;
    ApplyRowColors(highlightedRow_, false);
    ApplyRowColors(row, true);
    highlightedRow_ = row;
}

void InputWindow::TakeVerdict(int row, int col, const std::optional<EntryVerdict>& verdict, QString& text,
                              bool& cancel) {
    if (!verdict) {
        cancel = true;
        return;
    }
    if (!verdict->Accepted()) {
        cancel = true;
        if (TellRefusal(row, col, text))
            verdict->Tell(messenger_);
        return;
    }
    text = *verdict->accepted;
}

void InputWindow::TakeOverPendingValues() {
    for (InputWindow* other : services_.InputWindows()) {
        if (other == this)
            continue;
        other->CommitPendingEdit();
        if (other->IsChanged())
            TakeOverFrom(*other);
    }
}

FormUnloadDecision InputWindow::AskBeforeClosing() {
    CommitPendingEdit();
    FormUnloadRequest request;
    request.mainWindowBusy = services_.IsBusy();
    request.changed = IsChanged();
    request.caption = Caption();
    request.canSave = services_.UserFileIsDsg();
    return AskFormUnload(messenger_, request);
}

bool InputWindow::CloseWindow() {
    // The sub-window asks its widget first, so the question is asked once either way.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return frame->close();
    return close();
}

void InputWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    switch (AskBeforeClosing()) {
    case FormUnloadDecision::Stay:
        event->ignore();
        return;
    case FormUnloadDecision::Save:
        BTN_Click(1);
        // A save that did not happen keeps the window and its edits.
        if (IsChanged()) {
            event->ignore();
            return;
        }
        break;
    case FormUnloadDecision::Drop:
    case FormUnloadDecision::Close:
        break;
    }
    // Edits that go with the window are dropped, so that what they changed elsewhere (bounds
    // that name an edited value, the manufacturer menu) follows the stored values again.
    if (IsChanged())
        ControlChange(false);
    unloaded_ = true;
    // The history goes with the window: no step may write into it, nor from it into others.
    undoStack_->clear();
    WindowUnloading();
    services_.InputWindowClosed(*this);
    event->accept();
}

} // namespace vokg
