// Undo and redo in the editor windows of the main window: Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and the
// Edit menu act on the window in front; one user action is one step, whichever windows it
// reached; the marks, the bounds, the changed state and the file after a save follow.
#include "editors/fCustomize.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "shell/messages/Messages.h"
#include "tests/shell/MainWindowFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

using platform::Answer;
using vokg::fCustomize;
using vokg::fOkuriParam;
using vokg::fOkuriParam2;
using vokg::fParam;
using vokg::InputWindow;

namespace {

// The window in front, as a click on its frame makes it.
void Activate(InputWindow* window) {
    // A menu just picked has closed before the next key.
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    frame->mdiArea()->setActiveSubWindow(frame);
    window->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    // The shortcuts go to the active window; a menu that was just open must have given it back.
    QTRY_COMPARE(QApplication::activeWindow(), window->window());
}

platform::Grid& GridOf(InputWindow* window) {
    if (auto* param = qobject_cast<fParam*>(window))
        return *param->fg();
    if (auto* customize = qobject_cast<fCustomize*>(window))
        return *customize->fg();
    if (auto* pitch = qobject_cast<fOkuriParam2*>(window))
        return *pitch->fgUsr();
    return *qobject_cast<fOkuriParam*>(window)->fg();
}

// A key pressed on the grid of the window in front: Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, Space.
void Press(InputWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    Activate(window);
    platform::Grid& grid = GridOf(window);
    grid.View()->setFocus();
    QTest::keyClick(grid.View(), key, modifiers);
    QCoreApplication::processEvents();
}

// Types into a user cell of any editor window and commits with Enter.
void TypeInto(InputWindow* window, int row, int col, const QString& text) {
    Activate(window);
    platform::Grid& grid = GridOf(window);
    grid.SetTopRow(row);
    grid.Select(row, col);
    grid.View()->setFocus();
    for (const QChar ch : text) {
        QWidget* editor = MainWindowFixture::Editor(grid);
        QTest::keyClick(editor ? editor : grid.View(), ch.toLatin1());
    }
    QVERIFY2(grid.IsEditing(), "no editor opened");
    QTest::keyClick(MainWindowFixture::Editor(grid), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(grid.TextMatrix(row, col), text);
}

// Space on a user cell (an ON/OFF value, a customize logic or operation).
void Toggle(InputWindow* window, int row, int col) {
    Activate(window);
    GridOf(window).Select(row, col);
    Press(window, Qt::Key_Space, Qt::NoModifier);
}

} // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT

    // The sample design file open (the all-modes window with it) and its table 2 as comparison.
    static void OpenSample(MainWindowFixture& main) {
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        QVERIFY(vokg::FileOpen(main.fixture.App(), *main.window)
                    .ReadVOKGData(vokg::FileKind::Comparison, main.dsg, 2, false));
    }
    static fCustomize* OpenCustomize(MainWindowFixture& main, const QString& group) {
        QTest::mouseClick(main.window->findChild<QPushButton*>(QStringLiteral("btnCustomize")),
                          Qt::LeftButton);
        QMenu* menu = main.window->CustomizeMenu();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(main.ItemOf(menu, group)).center());
        QCoreApplication::processEvents();
        return qobject_cast<fCustomize*>(main.window->ExistForm(group));
    }
    static InputWindow* OpenFeed(MainWindowFixture& main, const QString& caption) {
        main.Prompter().QueueAnswer(Answer::Yes); // the feed warning
        QTest::mouseClick(main.window->findChild<QPushButton*>(QStringLiteral("btnOkuri")), Qt::LeftButton);
        QMenu* menu = main.window->FeedMenu();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(main.ItemOf(menu, caption)).center());
        QCoreApplication::processEvents();
        return main.window->ExistForm(caption);
    }
    // A button of a window's strip clicked, its question answered Yes.
    static void ClickAnsweringYes(MainWindowFixture& main, QPushButton* button) {
        main.Prompter().QueueAnswer(Answer::Yes);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    static QString Undo(MainWindowFixture& main) { return main.window->UndoAction()->text(); }
    static QString Redo(MainWindowFixture& main) { return main.window->RedoAction()->text(); }

private slots:
    // Edits in four windows, each carried where it belongs, taken back and done again window by
    // window: every value, mark, bound and changed state follows.
    void mixedEditsInSeveralWindows() {
        MainWindowFixture main;
        OpenSample(main);
        fParam* all = main.Param(QStringLiteral("All"));
        main.OpenMode(QStringLiteral("SEWING"));
        fParam* sewing = main.Param(QStringLiteral("SEWING"));
        fCustomize* outputs = OpenCustomize(main, QStringLiteral("Standard output"));
        fCustomize* allOutputs = OpenCustomize(main, QStringLiteral("All outputs"));
        QVERIFY(all && sewing && outputs && allOutputs);
        QVERIFY(!main.window->UndoAction()->isEnabled());
        const int softAll = MainWindowFixture::RowOf(all, QStringLiteral("SOFTST"));
        const int softSewing = MainWindowFixture::RowOf(sewing, QStringLiteral("SOFTST"));
        const QString stored = MainWindowFixture::Cell(sewing, QStringLiteral("SOFTST"));
        const QString toggled = stored == QLatin1String("ON") ? QStringLiteral("OF") : QStringLiteral("ON");
        const QString difBefore = MainWindowFixture::Cell(all, QStringLiteral("SOFTST"), fParam::ColDif);

        // 1. SEWING: Space on SOFTST reaches the all-modes window too.
        Toggle(sewing, softSewing, fParam::ColUser);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST")), toggled);
        QCOMPARE(Undo(main), QStringLiteral("Undo Change SEWING/SOFTST to %1").arg(toggled));
        // 2. All: AREAX, which the bound of ORGX names.
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("380"));
        vokg::CDigital& orgx = main.Digital(QStringLiteral("MACHINE"), QStringLiteral("ORGX"));
        QCOMPARE(orgx.Max(), QStringLiteral("380"));
        QCOMPARE(Undo(main), QStringLiteral("Undo Change MACHINE/AREAX to 380"));
        // 3. Standard output: Space on the logic of O2, which All outputs shows too.
        const int o2 = *outputs->RowOf(QStringLiteral("O2"));
        const int o2All = *allOutputs->RowOf(QStringLiteral("O2"));
        const QString logic = outputs->fg()->TextMatrix(o2, fCustomize::ColLogic);
        Toggle(outputs, o2, fCustomize::ColLogic);
        QVERIFY(allOutputs->fg()->TextMatrix(o2All, fCustomize::ColLogic) != logic);
        QVERIFY(Undo(main).startsWith(QStringLiteral("Undo Change O2/")));
        // 4. All outputs: copy all comparison values; table 2 differs in every output.
        ClickAnsweringYes(main, allOutputs->BTN(3));
        QCOMPARE(Undo(main), QStringLiteral("Undo Copy [all] Comparative value to User value"));
        for (int row = 1; row <= allOutputs->RowCount(); ++row)
            QCOMPARE(allOutputs->fg()->TextMatrix(row, fCustomize::ColDif), QString());
        QVERIFY(outputs->fg()->TextMatrix(o2, fCustomize::ColDif).isEmpty());
        QVERIFY(all->IsChanged() && sewing->IsChanged() && outputs->IsChanged() && allOutputs->IsChanged());

        // The copy is one step: one Ctrl+Z in All outputs takes every row back, in both windows,
        // to the state after the toggle of step 3.
        Press(allOutputs, Qt::Key_Z);
        QCOMPARE(allOutputs->fg()->TextMatrix(o2All, fCustomize::ColLogic),
                 outputs->fg()->TextMatrix(o2, fCustomize::ColLogic));
        QVERIFY(outputs->fg()->TextMatrix(o2, fCustomize::ColLogic) != logic);
        QCOMPARE(allOutputs->fg()->TextMatrix(1, fCustomize::ColDif), QStringLiteral("DIF"));
        QVERIFY(allOutputs->ValueIsDifCustomze(o2All, fCustomize::ColLogic));
        QCOMPARE(Redo(main), QStringLiteral("Redo Copy [all] Comparative value to User value"));
        // Nothing to take back in All outputs beyond the copy.
        QCOMPARE(Undo(main), QStringLiteral("Undo"));
        QVERIFY(!main.window->UndoAction()->isEnabled());
        // Standard output: its toggle goes back in both windows, and so does the changed state.
        Press(outputs, Qt::Key_Z);
        QCOMPARE(outputs->fg()->TextMatrix(o2, fCustomize::ColLogic), logic);
        QCOMPARE(allOutputs->fg()->TextMatrix(o2All, fCustomize::ColLogic), logic);
        QVERIFY(!outputs->ValueIsDifCustomze(o2, fCustomize::ColLogic));
        QVERIFY(!outputs->IsChanged() && !allOutputs->IsChanged());
        QVERIFY(!outputs->isWindowModified());

        // All: AREAX and the bound that names it, in the model and the MAX column.
        Press(all, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("300"));
        QCOMPARE(orgx.Max(), QStringLiteral("300"));
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("ORGX"), fParam::ColMax), QStringLiteral("300"));
        QVERIFY(!all->IsRowEdited(MainWindowFixture::RowOf(all, QStringLiteral("AREAX"))));
        // Still changed: it shows the SOFTST edit of the SEWING window.
        QVERIFY(all->IsChanged());
        QCOMPARE(Undo(main), QStringLiteral("Undo"));

        // SEWING, from the Edit menu with the mouse: the toggle goes back in both windows.
        Activate(sewing);
        QCOMPARE(Undo(main), QStringLiteral("Undo Change SEWING/SOFTST to %1").arg(toggled));
        main.Pick(QStringLiteral("&Edit"), Undo(main));
        QCOMPARE(MainWindowFixture::Cell(sewing, QStringLiteral("SOFTST")), stored);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST")), stored);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST"), fParam::ColDif), difBefore);
        QVERIFY(!sewing->IsRowEdited(softSewing) && !all->IsRowEdited(softAll));
        QVERIFY(!sewing->IsChanged() && !all->IsChanged());
        QVERIFY(!main.window->IsExistChanged());

        // Done again: Ctrl+Y in SEWING, Ctrl+Shift+Z in All.
        Press(sewing, Qt::Key_Y);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST")), toggled);
        QVERIFY(sewing->IsRowEdited(softSewing) && all->IsRowEdited(softAll));
        QVERIFY(sewing->IsChanged() && all->IsChanged());
        Press(all, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("380"));
        QCOMPARE(orgx.Max(), QStringLiteral("380"));
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("ORGX"), fParam::ColMax), QStringLiteral("380"));
    }

    // A save marks the point the file holds; undo after it is an edit to save, and redo back to
    // that point leaves nothing to save.
    void undoAfterSave() {
        MainWindowFixture main;
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        MainWindowFixture::CloseBox(main.Param(QStringLiteral("All")));
        main.OpenMode(QStringLiteral("MACHINE"));
        fParam* machine = main.Param(QStringLiteral("MACHINE"));
        const int areax = MainWindowFixture::RowOf(machine, QStringLiteral("AREAX"));
        MainWindowFixture::Type(machine, QStringLiteral("AREAX"), QStringLiteral("380"));
        // A value typed again as it is is no step.
        MainWindowFixture::Type(machine, QStringLiteral("AREAX"), QStringLiteral("380"));
        QCOMPARE(machine->UndoStack()->count(), 1);

        main.Pick(QStringLiteral("&File"), QStringLiteral("&Save all"));
        QVERIFY(!machine->IsChanged());
        QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 380);
        QCOMPARE(Undo(main), QStringLiteral("Undo Change MACHINE/AREAX to 380"));

        Press(machine, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("AREAX")), QStringLiteral("300"));
        QVERIFY(machine->IsRowEdited(areax));
        QVERIFY(machine->IsChanged() && machine->isWindowModified());
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax),
                 QStringLiteral("300"));
        // Redo back to the saved point: nothing to save.
        Press(machine, Qt::Key_Y);
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("AREAX")), QStringLiteral("380"));
        QVERIFY(!machine->IsRowEdited(areax));
        QVERIFY(!machine->IsChanged() && !machine->isWindowModified());

        // Undone and saved with the window's own Save: the file holds the undone value.
        Press(machine, Qt::Key_Z);
        QTest::mouseClick(machine->BTN(1), Qt::LeftButton);
        QVERIFY(!machine->IsChanged());
        QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 300);
        QCOMPARE(Redo(main), QStringLiteral("Redo Change MACHINE/AREAX to 380"));
        main.Pick(QStringLiteral("&Edit"), Redo(main));
        QVERIFY(machine->IsChanged() && machine->IsRowEdited(areax));
        main.Pick(QStringLiteral("&File"), QStringLiteral("&Save all"));
        QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 380);
    }

    // A feed byte two windows show: the edit, its undo and the copy of the comparison values
    // follow in both.
    void feedByteOfTwoWindows() {
        MainWindowFixture main;
        OpenSample(main);
        MainWindowFixture::CloseBox(main.Param(QStringLiteral("All")));
        auto* axis = qobject_cast<fOkuriParam*>(OpenFeed(main, QStringLiteral("X_P1_B")));
        const QString sendingX = vokg::LoadMsg(573);
        auto* pitch = qobject_cast<fOkuriParam2*>(OpenFeed(main, sendingX));
        QVERIFY(axis && pitch);
        platform::Grid& axisGrid = *axis->fg();
        platform::Grid& pitchGrid = *pitch->fgUsr();
        // X_P1 row 5 of the pitch window is X_P1_B entry 2, row 3 of the axis window.
        const QString stored = axisGrid.TextMatrix(3, fOkuriParam::ColUser);
        const QString pitchStored = pitchGrid.TextMatrix(6, 1);
        TypeInto(pitch, 6, 1, QStringLiteral("12"));
        // The pitch is the entry's low byte.
        const QString followed = axisGrid.TextMatrix(3, fOkuriParam::ColUser);
        QCOMPARE(followed.toInt() & 0xFF, 12);
        QVERIFY(followed != stored);
        QVERIFY(axis->IsCellEdited(3, fOkuriParam::ColUser));
        QCOMPARE(Undo(main), QStringLiteral("Undo Change X_P1[5] to 12"));

        Press(pitch, Qt::Key_Z);
        QCOMPARE(pitchGrid.TextMatrix(6, 1), pitchStored);
        QCOMPARE(axisGrid.TextMatrix(3, fOkuriParam::ColUser), stored);
        QVERIFY(!axis->IsCellEdited(3, fOkuriParam::ColUser) && !pitch->IsCellEdited(6, 1));
        QVERIFY(!axis->IsChanged() && !pitch->IsChanged());
        Press(pitch, Qt::Key_Y);
        QCOMPARE(axisGrid.TextMatrix(3, fOkuriParam::ColUser), followed);
        QVERIFY(axis->IsChanged() && pitch->IsChanged());

        // Copy all in the axis window, with "Edited" shown: one step, every row back in both.
        QList<QString> before;
        for (int row = 1; row < axisGrid.Rows(); ++row)
            before.append(axisGrid.TextMatrix(row, fOkuriParam::ColUser));
        QTest::mouseClick(axis->opDisp(fOkuriParam::ShowEdited), Qt::LeftButton);
        ClickAnsweringYes(main, axis->BTN(3));
        QVERIFY(!axis->RowDiffers(3));
        Press(axis, Qt::Key_Z);
        for (int row = 1; row < axisGrid.Rows(); ++row)
            QCOMPARE(axisGrid.TextMatrix(row, fOkuriParam::ColUser), before[row - 1]);
        QCOMPARE(pitchGrid.TextMatrix(6, 1), QStringLiteral("12"));
        // The filter follows: only the row still edited (by the pitch window's step) shows.
        for (int row = 1; row < axisGrid.Rows(); ++row)
            QCOMPARE(axisGrid.RowHidden(row), row != 3);
    }

    // Closing a window ends its history; a step that reached it restores the windows still open,
    // and one opened since follows as it follows an edit.
    void closedWindowsLeaveTheHistory() {
        MainWindowFixture main;
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        fParam* all = main.Param(QStringLiteral("All"));
        main.OpenMode(QStringLiteral("SEWING"));
        fParam* sewing = main.Param(QStringLiteral("SEWING"));
        const QString stored = MainWindowFixture::Cell(sewing, QStringLiteral("SOFTST"));
        Toggle(sewing, MainWindowFixture::RowOf(sewing, QStringLiteral("SOFTST")), fParam::ColUser);
        const QString toggled = MainWindowFixture::Cell(sewing, QStringLiteral("SOFTST"));
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("380"));
        QVERIFY(main.window->UndoAction()->isEnabled());

        // All goes, its edits dropped at the question: nothing of its history is left to undo.
        main.Prompter().QueueAnswer(Answer::No);
        MainWindowFixture::CloseBox(all);
        QVERIFY(!main.window->ExistForm(QStringLiteral("All")));
        Activate(sewing);
        QCOMPARE(Undo(main), QStringLiteral("Undo Change SEWING/SOFTST to %1").arg(toggled));
        Press(sewing, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(sewing, QStringLiteral("SOFTST")), stored);
        QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("ORGX")).Max(),
                 QStringLiteral("300"));

        // A window opened after the step follows its redo.
        main.OpenMode(QStringLiteral("All"));
        all = main.Param(QStringLiteral("All"));
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST")), stored);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("300"));
        Press(sewing, Qt::Key_Y);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("SOFTST")), toggled);
        QVERIFY(all->IsChanged());

        // Closing SEWING ends its history: the Edit menu offers nothing of it.
        main.Prompter().QueueAnswer(Answer::No);
        MainWindowFixture::CloseBox(sewing);
        Activate(all);
        QCOMPARE(Undo(main), QStringLiteral("Undo"));
        QCOMPARE(Redo(main), QStringLiteral("Redo"));
        // The last window's own step goes with it too, also when its edits were saved at the
        // closing question (a save alone keeps the history).
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("380"));
        QVERIFY(main.window->UndoAction()->isEnabled());
        main.Prompter().QueueAnswer(Answer::Yes);
        // At once, not only once the window is deleted.
        qobject_cast<QMdiSubWindow*>(all->parentWidget())->close();
        QVERIFY(!main.window->UndoAction()->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(main.window->CountInputForms(), 0);
        QCOMPARE(Undo(main), QStringLiteral("Undo"));
    }

    // An undo writes a value back through the value's rule, as a typed one: a bound that names a
    // value changed in another window since, and the old value is out of range now. The undo is
    // refused with the rule's message, and nothing changes; once the bound allows it, it is taken.
    void anUndoThatLeftItsRangeIsRefused() {
        MainWindowFixture main;
        OpenSample(main);
        fParam* all = main.Param(QStringLiteral("All"));
        main.OpenMode(QStringLiteral("MACHINE"));
        fParam* machine = main.Param(QStringLiteral("MACHINE"));
        QVERIFY(all && machine);
        // ORGX (150) is bounded by AREAX (300).
        MainWindowFixture::Type(machine, QStringLiteral("ORGX"), QStringLiteral("100"));
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("120"));
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax),
                 QStringLiteral("120"));
        main.Prompter().Clear();

        Press(machine, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX")), QStringLiteral("100"));
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("ORGX")), QStringLiteral("100"));
        QCOMPARE(main.Prompter().MessageTexts().size(), 1);
        QCOMPARE(main.Prompter().MessageTexts().first(), QStringLiteral("Input value is out of range."));
        QCOMPARE(Undo(main), QStringLiteral("Undo Change MACHINE/ORGX to 100"));

        // AREAX taken back in its own window: ORGX may be 150 again.
        Press(all, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax),
                 QStringLiteral("300"));
        Press(machine, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX")), QStringLiteral("150"));
        QCOMPARE(main.Prompter().MessageTexts().size(), 1);
        QVERIFY(!machine->IsChanged());
        QVERIFY(!all->IsChanged());
    }

    // Edits dropped before an open end the histories: no undo brings a dropped value back.
    void droppedEditsEndTheHistory() {
        MainWindowFixture main;
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        fParam* all = main.Param(QStringLiteral("All"));
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("380"));
        MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("390"));
        Press(all, Qt::Key_Z);
        QCOMPARE(Redo(main), QStringLiteral("Redo Change MACHINE/AREAX to 390"));
        main.Prompter().QueueAnswer(Answer::No);
        main.Prompter().QueueFile(std::nullopt); // the open dialog is then cancelled
        main.Pick(QStringLiteral("&File"), QStringLiteral("&Open"));
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("300"));
        QCOMPARE(all->UndoStack()->count(), 0);
        QVERIFY(!main.window->UndoAction()->isEnabled() && !main.window->RedoAction()->isEnabled());
        Press(all, Qt::Key_Z);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("300"));
        QVERIFY(!all->IsChanged());
    }
};

QTEST_MAIN(UndoRedoTest)
#include "tst_undo_redo.moc"
