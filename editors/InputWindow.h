#pragma once

#include "editors/EditStep.h"
#include "editors/rules/EntryVerdict.h"
#include "platform/gui/GridCellPosition.h"
#include "shell/messages/FormUnload.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QCloseEvent;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QPainter;
class QRect;
class QUndoStack;

namespace hlpkit {
class CMethod;
}
namespace platform {
class Grid;
}

namespace vokg {

class EditorServices;
struct EntryVerdict;
class Messenger;

// The common frame of the editor windows the main window holds (parameters, customize, feed,
// pitch): the calls the main window makes by name, the changed mark, the closing question, and
// the rules every editor shares so that no typed value is lost:
// - every route that ends the window or replaces its values first finishes the open cell
//   editor, and a typed text that differs from its cell counts as a change;
// - a window pushes into the model only the rows it edited;
// - a newly opened window shows the values still pending in the other open windows;
// - dropping the edits puts back what they changed outside the grid;
// - every user action is one step of the window's history; undo and redo write its cells back
//   and carry them on as the action did, into the other open windows too.
class InputWindow : public QWidget {
    Q_OBJECT

public:
    InputWindow(EditorServices& services, Messenger& messenger, QWidget* parent = nullptr);
    ~InputWindow() override;

    // "fParam", "fCustomize", "fOkuriParam" or "fOkuriParam2".
    virtual QString WindowKind() const = 0;
    // The mode name, category or table name the window was opened for; its menu item's caption.
    virtual QString Caption() const = 0;

    // The window holds edits not yet saved, a text still being typed included.
    bool IsChanged() const;
    // Records whether the window holds edits. False also drops them: the window shows the
    // model's values again (the main window's "cancel all updates"), and what the edits had
    // changed outside the grid follows the stored values again.
    void ControlChange(bool changed);
    // Copies the rows this window edited into the model; false when a value could not be taken
    // over (the window keeps the text and has said why).
    virtual bool Update_Variable() = 0;
    // Shows the comparison values just read.
    virtual void PasteHikakuValue() = 0;
    // The button commands by index; other indexes do nothing.
    virtual void BTN_Click(int index) = 0;
    // When the window was opened; the main window stacks the windows in this order.
    const QDateTime& LoadTime() const { return loadTime_; }

    // Finishes the open cell editor as leaving the cell would. False when the typed text was
    // refused: the editor stays open with its message and the window counts as changed.
    bool CommitPendingEdit();

    // A window just opened shows the values the other open windows hold and have not saved.
    void TakeOverPendingValues();

    // The closing question, after the open cell editor was finished; nothing is done yet.
    FormUnloadDecision AskBeforeClosing();

    // Closes the window through the closing question; inside a multiple-document frame the
    // frame's sub-window goes with it. False when the window stayed open.
    bool CloseWindow();

    // The grid cells this window edited since its last save or drop, and their rows.
    const QSet<QPair<int, int>>& EditedCells() const { return editedCells_; }
    QSet<int> EditedRows() const;

    EditorServices& Services() const { return services_; }
    Messenger& Messages() const { return messenger_; }

    // The window's history of user actions; the main window keeps it in its undo group. A save
    // marks its clean point; dropping the edits or closing the window ends it.
    QUndoStack* UndoStack() const { return undoStack_; }
    // The window went through its closing: nothing is written into it any more.
    bool IsClosed() const { return unloaded_; }
    // The cells a user edits, in a fixed order, and what one of them holds.
    const QList<platform::GridCellPosition>& UserCells() const;
    UserCellValue UserCellValueAt(const platform::GridCellPosition& cell) const;
    // An undo or a redo writes these values back; the marks, what follows the values elsewhere,
    // the filters and the changed state follow as after an edit.
    void RestoreUserCells(const QList<RestoredCell>& cells);
    // The value rule of a user cell, asked of a value an undo or a redo would write back: a value
    // once accepted may have left its range since (a bound that names another value changed in
    // another window). No verdict: the cell's rule does not depend on anything that can change.
    virtual std::optional<EntryVerdict> RuleOfCell(int row, int col, const QString& text) const {
        static_cast<void>(row);
        static_cast<void>(col);
        static_cast<void>(text);
        return std::nullopt;
    }

signals:
    void ChangedStateChanged(bool changed);

protected:
    // The grid that is the window's editing buffer.
    virtual platform::Grid* EditGrid() const = 0;
    // Shows the model's values again (the edits are being dropped).
    virtual void DropEdits() {}
    // After this window dropped its edits: the model-side effects of edits follow the stored
    // values and the edits still pending in other windows.
    virtual void AfterEditsDropped() {}
    // Takes over the unsaved values of `other`, an open window that holds edits.
    virtual void TakeOverFrom(InputWindow& other) { static_cast<void>(other); }

    // The cells of the edit grid a user edits; the grid's shape is fixed for the window's life.
    virtual QList<platform::GridCellPosition> EditableCells() const = 0;
    // After an undo or a redo wrote these cells: their marks, and what follows their values in
    // the model and in the other open windows, as after the edit itself. The frame sets the
    // changed state afterwards.
    virtual void AfterCellsRestored(const QList<platform::GridCellPosition>& cells) = 0;
    // The name of the step a typed edit of the cell makes ("Change SEWING/SOFTST to ON").
    virtual QString StepText(int row, int col) const = 0;

    // One user action that is not a typed cell (a toggle, a choice from a list, a copy) as one
    // step of this window's history: the window's user cells are taken when it starts, and what
    // differs when it ends is pushed under its text. An action inside another one is
    // part of it; an action that changed nothing leaves no step.
    class UserAction {
    public:
        UserAction(InputWindow& window, QString text);
        ~UserAction();
        UserAction(const UserAction&) = delete;
        UserAction& operator=(const UserAction&) = delete;
        // The step's name, when it is known only once the action has run.
        void SetText(const QString& text) { text_ = text; }

    private:
        InputWindow& window_;
        QString text_;
    };
    // The typed edit's step: it starts when the window accepted the text, just before the grid
    // takes it, and ends after the window's after-edit steps.
    void TypedEditAccepted();
    void TypedEditDone(int row, int col);

    // Wires the edit grid's events to the handlers below; called once the grid exists.
    void InstallGridEvents();
    // The grid's events (see platform::GridEvents); each does nothing unless a window takes it.
    virtual void fg_BeforeEdit(int row, int col, bool& cancel);
    virtual void fg_ValidateEdit(int row, int col, QString& text, bool& cancel);
    virtual void fg_AfterEdit(int row, int col);
    virtual void fg_RowColChange() {}
    virtual void fg_KeyDown(int key, bool& handled);
    virtual void fg_MouseMove(int x, int y);
    virtual void fg_DblClick(int row, int col, bool& handled);
    virtual void fg_CellButtonClick(int row, int col);
    virtual void fg_DrawCell(QPainter& painter, int row, int col, const QRect& rect, bool& done);
    virtual void fg_AfterUserResize(int col);

    // The shape every editor grid starts from: one header row of `headerTwips`, data rows of
    // `rowTwips`, the fixed columns first, Tahoma of `points`, the current cell not drawn
    // selected, edited by keyboard and mouse.
    struct GridShape {
        int dataRows = 0;
        int cols = 0;
        int fixedCols = 0;
        double points = 8;
        int headerTwips = 0;
        int rowTwips = 0;
    };
    void ShapeEditGrid(const GridShape& shape);

    // Runs `body` as the operation `procedure` (failures reported under its name) with the
    // grid's drawing held back; the grid draws once afterwards, also when the body failed.
    bool WithRedrawHeld(hlpkit::CMethod& method, const QString& procedure, const std::function<bool()>& body);

    // The current row is drawn highlighted: the row left gets its own colours back.
    void FollowCurrentRow();
    // Colours a data row as the current one or as itself; rows outside the data do nothing.
    virtual void ApplyRowColors(int row, bool highlighted) {
        static_cast<void>(row);
        static_cast<void>(highlighted);
    }
    // Makes the next FollowCurrentRow colour the current row, whichever row it is.
    void ForgetHighlightedRow() { highlightedRow_ = 0; }

    // Sets the changed mark without touching the grid.
    void SetChanged(bool changed);
    void MarkCellEdited(int row, int col) { editedCells_.insert({row, col}); }
    // A window with one editable column marks its rows.
    void MarkRowEdited(int row) { MarkCellEdited(row, 0); }
    // Whether the edited cell still differs from the model (for a window that marks rows, col
    // is 0).
    virtual bool EditDiffersFromModel(int row, int col) const = 0;
    // The changed mark follows the edits: set while an edited cell still differs from the
    // model, so that a value changed and changed back leaves nothing to save.
    void FollowMarks();

    // The window's Save: every window's edits go into the file, and on success every window
    // shows the saved values without a mark. False when nothing was saved.
    bool SaveAllWindows();
    // The window's Print: unsaved edits are pushed into the model without writing a file (after
    // the "Data is not saved" question), `print` runs, and the open table is read again so that
    // the model holds the file's values while the window keeps its edits. False when the user
    // stopped at the question.
    bool PrintWithEdits(const std::function<void()>& print);
    // The window refuses this text in this cell: true when it should say why, false when it
    // has said so already for the same text in the same cell.
    bool TellRefusal(int row, int col, const QString& text);
    // The validate-edit event of a cell: `rule` gives the verdict on the typed text, or none for
    // a cell that cannot be edited. A refusal keeps the editor open and is told once for one typed
    // text; an accepted text goes into the cell as the rule gives it; a rule that could not run
    // (reported under `procName`) keeps the edit open rather than store an unchecked text.
    void ValidateCellEdit(hlpkit::CMethod& method, const QString& procName, int row, int col, QString& text,
                          bool& cancel, const std::function<std::optional<EntryVerdict>()>& rule);
    // The button BTN `index` of the button strip, captioned with resource `resource` and wired
    // to BTN_Click.
    QPushButton* MakeCommandButton(QWidget* strip, int index, int resource);
    // The "Show" frame with its options "All", "Different" and "Edited" (opDisp 0 to 2), each
    // wired to `choose`; "All" is chosen.
    QGroupBox* MakeShowOptions(QWidget* strip, QRadioButton* (&options)[3],
                               const std::function<void(int)>& choose);
    // The other open windows of one kind, in the order they were opened.
    template <class Window> QList<Window*> OtherWindows() const {
        QList<Window*> windows;
        for (InputWindow* window : OpenWindows()) {
            auto* same = qobject_cast<Window*>(window);
            if (same != nullptr && same != this)
                windows.append(same);
        }
        return windows;
    }
    // The grid's validate-edit step with a rule's verdict: an accepted text replaces the typed
    // one; a refusal keeps the editor open with the typed text and says why once. No verdict (a
    // cell that takes no entry, or a rule that could not run) keeps it open without a word.
    void TakeVerdict(int row, int col, const std::optional<EntryVerdict>& verdict, QString& text,
                     bool& cancel);
    // Runs once when the window is really going away (after the closing question let it go).
    virtual void WindowUnloading() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool HasUncommittedText() const;
    QList<InputWindow*> OpenWindows() const;
    void PushStep(const EditStep::Snapshot& start, const QString& text);

    EditorServices& services_;
    Messenger& messenger_;
    QDateTime loadTime_;
    QSet<QPair<int, int>> editedCells_;
    struct RefusedEdit {
        int row;
        int col;
        QString text;
    };
    std::optional<RefusedEdit> refused_;
    int highlightedRow_ = 0;
    QUndoStack* undoStack_ = nullptr;
    mutable std::optional<QList<platform::GridCellPosition>> userCells_;
    int actionDepth_ = 0;
    std::optional<EditStep::Snapshot> actionStart_;
    std::optional<EditStep::Snapshot> typedStart_;
    bool changed_ = false;
    bool unloaded_ = false;
};

} // namespace vokg
