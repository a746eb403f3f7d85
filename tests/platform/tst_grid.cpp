// The grid as a window uses it, driven offscreen with keys and mouse: the edit protocol
// (BeforeEdit, ValidateEdit, AfterEdit), lists, the ellipsis button, the key filter,
// current cell, hidden rows, owner drawing and mouse positions.
#include "platform/gui/Grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

using platform::Grid;
using platform::GridCellPosition;
using platform::GridEditMode;
using platform::GridRange;

namespace {

struct Call {
    int row = -1;
    int col = -1;
    QString text; // the cell's text when the event came
};

// A shown grid of 12 rows by 4 columns, one fixed row and one fixed column, editable,
// cells "r<row>c<col>".
std::unique_ptr<Grid> MakeGrid(int rows = 12) {
    auto grid = std::make_unique<Grid>();
    grid->SetRows(rows);
    grid->SetCols(4);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 4; ++col) {
            grid->SetTextMatrix(row, col, QStringLiteral("r%1c%2").arg(row).arg(col));
        }
    }
    grid->SetEditable(GridEditMode::KeyboardMouse);
    grid->resize(420, 320);
    grid->show();
    QApplication::setActiveWindow(grid.get());
    if (!QTest::qWaitForWindowActive(grid.get())) {
        qWarning("the grid's window did not become active; key tests may not reach the editor");
    }
    grid->View()->setFocus();
    return grid;
}

QWidget* Viewport(Grid& grid) {
    return grid.View()->viewport();
}

QPoint CenterInViewport(Grid& grid, int row, int col) {
    const std::optional<QRect> rect = grid.CellRect(row, col);
    return rect ? Viewport(grid)->mapFrom(&grid, rect->center()) : QPoint(-1, -1);
}

// The open editor's text box; a closed editor lingers hidden until the event loop deletes it.
QLineEdit* TextEditor(Grid& grid) {
    for (QLineEdit* text : grid.findChildren<QLineEdit*>()) {
        if (text->isVisible()) {
            return text;
        }
    }
    return nullptr;
}

// Types as a user does: the first key goes to the grid, the rest to whatever has the focus
// then (the editor once one is open).
void Type(Grid& grid, const QString& text) {
    for (const QChar ch : text) {
        QWidget* target = grid.IsEditing() ? QApplication::focusWidget() : grid.View();
        QTest::keyClick(target ? target : grid.View(), ch.toLatin1());
    }
}

int CountPixels(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& matches) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Enter commits through a queued call, as the item views do, so the test lets it arrive.
void PressEnter(QWidget* editor, Qt::Key key = Qt::Key_Return) {
    QTest::keyClick(editor, key);
    QCoreApplication::processEvents();
}

// A double click as a window system delivers it: a click, then the double-click event.
void DoubleClick(Grid& grid, int row, int col) {
    const QPoint at = CenterInViewport(grid, row, col);
    QTest::mouseClick(Viewport(grid), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Viewport(grid), Qt::LeftButton, {}, at);
}

bool IsDark(QColor color) {
    return color.lightness() < 100;
}

bool IsRed(QColor color) {
    return color.red() > 200 && color.green() < 60 && color.blue() < 60;
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void beforeEditCancelPreventsEditor();
    void validateEditRefusalKeepsEditorAndOldText();
    void validateEditMayRewriteText_data();
    void validateEditMayRewriteText();
    void afterEditOnceWithCommittedText();
    void escapeKeepsOldTextWithoutAfterEdit();
    void comboListOfferedAsItems_data();
    void comboListOfferedAsItems();
    void ellipsisRaisesCellButtonAndOpensNoList();
    void keyPressFilterDropsAndChangesCharacters();
    void keyDownHandledKeepsKeyFromGrid();
    void doubleClickHandledOpensNoEditor();
    void currentCellAndRowColChange();
    void hiddenRowsNotShownAndShownAgain();
    void topRow();
    void ownerDrawDoneSuppressesDefaultText();
    void rowBottomBorderDrawn();
    void mouseMoveReportsPositionThatCellAtResolves();
    void userColumnResizeReported();
    void rebuildWhileEditingDropsTheEdit();

private:
    QList<Call> beforeEdits_;
    QList<Call> afterEdits_;
};

void GridTest::init() {
    beforeEdits_.clear();
    afterEdits_.clear();
}

void GridTest::beforeEditCancelPreventsEditor() {
    auto grid = MakeGrid();
    grid->Events().BeforeEdit = [&](int row, int col, bool& cancel) {
        beforeEdits_.append({row, col, grid->TextMatrix(row, col)});
        cancel = row == 3;
    };
    grid->Select(3, 2);
    QTest::keyClick(grid->View(), Qt::Key_5);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("r3c2"));
    QVERIFY(!grid->EditCell());
    QCOMPARE(beforeEdits_.size(), 2);
    QCOMPARE(beforeEdits_[0].row, 3);
    QCOMPARE(beforeEdits_[0].col, 2);

    grid->Select(4, 2);
    QTest::keyClick(grid->View(), Qt::Key_5);
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->EditText(), QStringLiteral("5"));
    QCOMPARE(grid->EditCellPosition(), (GridCellPosition{4, 2}));
}

void GridTest::validateEditRefusalKeepsEditorAndOldText() {
    auto grid = MakeGrid();
    QStringList validated;
    grid->Events().ValidateEdit = [&](int, int, QString& text, bool& cancel) {
        validated << text;
        cancel = text.isEmpty() || text.toInt() > 100;
    };
    grid->Events().AfterEdit = [&](int row, int col) {
        afterEdits_.append({row, col, grid->TextMatrix(row, col)});
    };
    grid->Select(2, 3);
    Type(*grid, QStringLiteral("250"));
    PressEnter(TextEditor(*grid));
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->EditText(), QStringLiteral("250"));
    QCOMPARE(grid->TextMatrix(2, 3), QStringLiteral("r2c3"));
    QVERIFY(afterEdits_.isEmpty());

    // A click on another cell is refused too: the cursor stays in the refused cell.
    QTest::mouseClick(Viewport(*grid), Qt::LeftButton, {}, CenterInViewport(*grid, 5, 2));
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->Row(), 2);
    QCOMPARE(grid->Col(), 3);
    QCOMPARE(validated, (QStringList{"250", "250"}));

    QLineEdit* editor = TextEditor(*grid);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("99"));
    PressEnter(editor);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(2, 3), QStringLiteral("99"));
    QCOMPARE(afterEdits_.size(), 1);
}

void GridTest::validateEditMayRewriteText_data() {
    QTest::addColumn<bool>("throughSetEditText");
    QTest::newRow("reference") << false;
    QTest::newRow("SetEditText") << true;
}

void GridTest::validateEditMayRewriteText() {
    QFETCH(bool, throughSetEditText);
    auto grid = MakeGrid();
    grid->Events().ValidateEdit = [&](int, int, QString& text, bool&) {
        const QString rounded = QString::number(qRound(text.toDouble()));
        if (throughSetEditText) {
            grid->SetEditText(rounded);
        } else {
            text = rounded;
        }
    };
    grid->Select(6, 2);
    Type(*grid, QStringLiteral("13.6"));
    PressEnter(TextEditor(*grid), Qt::Key_Enter);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(6, 2), QStringLiteral("14"));
}

void GridTest::afterEditOnceWithCommittedText() {
    auto grid = MakeGrid();
    grid->Events().AfterEdit = [&](int row, int col) {
        afterEdits_.append({row, col, grid->TextMatrix(row, col)});
    };
    grid->Select(7, 1);
    QTest::keyClick(grid->View(), Qt::Key_F2);
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->EditText(), QStringLiteral("r7c1"));
    TextEditor(*grid)->setText(QStringLiteral("new"));
    QTest::keyClick(TextEditor(*grid), Qt::Key_Tab);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(afterEdits_.size(), 1);
    QCOMPARE(afterEdits_[0].row, 7);
    QCOMPARE(afterEdits_[0].col, 1);
    QCOMPARE(afterEdits_[0].text, QStringLiteral("new"));
    QCOMPARE(grid->Col(), 2); // Tab moved on, without opening the next cell
    QCoreApplication::processEvents();
    QCOMPARE(afterEdits_.size(), 1);
}

void GridTest::escapeKeepsOldTextWithoutAfterEdit() {
    auto grid = MakeGrid();
    grid->Events().AfterEdit = [&](int row, int col) { afterEdits_.append({row, col, {}}); };
    grid->Select(3, 3);
    Type(*grid, QStringLiteral("77"));
    QTest::keyClick(TextEditor(*grid), Qt::Key_Escape);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(3, 3), QStringLiteral("r3c3"));
    QVERIFY(afterEdits_.isEmpty());
}

void GridTest::comboListOfferedAsItems_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("duringBeforeEdit");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("shownCurrent");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("committed");

    QTest::newRow("ON/OFF set before the edit")
        << "OF|ON" << true << "ON" << QStringList{"OF", "ON"} << 1 << 0 << "OF";
    QTest::newRow("value list of a column")
        << "#0;USUAL|#1;REV" << false << "0" << QStringList{"USUAL", "REV"} << 0 << 1 << "1";
    QTest::newRow("codes with descriptions")
        << "ALL\t100%|8\t12%|MANUAL\t" << true << "8" << QStringList{"ALL   100%", "8   12%", "MANUAL   "}
        << 1 << 2 << "MANUAL";
}

void GridTest::comboListOfferedAsItems() {
    QFETCH(QString, list);
    QFETCH(bool, duringBeforeEdit);
    QFETCH(QString, stored);
    QFETCH(QStringList, shown);
    QFETCH(int, shownCurrent);
    QFETCH(int, pick);
    QFETCH(QString, committed);

    auto grid = MakeGrid();
    if (duringBeforeEdit) {
        grid->Events().BeforeEdit = [&](int, int, bool&) { grid->SetComboList(list); };
    } else {
        grid->SetColComboList(2, list);
    }
    grid->Events().AfterEdit = [&](int row, int col) {
        afterEdits_.append({row, col, grid->TextMatrix(row, col)});
    };
    grid->SetTextMatrix(4, 2, stored);
    grid->Select(4, 2);
    QVERIFY(grid->EditCell());
    auto* combo = grid->findChild<QComboBox*>();
    QVERIFY(combo != nullptr);
    QStringList items;
    for (int index = 0; index < combo->count(); ++index) {
        items << combo->itemText(index);
    }
    QCOMPARE(items, shown);
    QCOMPARE(combo->currentIndex(), shownCurrent);
    QCOMPARE(grid->ComboList(), duringBeforeEdit ? list : QString());

    combo->setCurrentIndex(pick);
    emit combo->activated(pick);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(4, 2), committed);
    QCOMPARE(afterEdits_.size(), 1);
    QCOMPARE(afterEdits_[0].text, committed);

    // The list set during BeforeEdit served that one edit only.
    grid->Events().BeforeEdit = nullptr;
    grid->Select(5, 1);
    QVERIFY(grid->EditCell());
    QVERIFY(grid->findChild<QComboBox*>() == nullptr || !grid->findChild<QComboBox*>()->isVisible());
    grid->CancelEditing();
}

void GridTest::ellipsisRaisesCellButtonAndOpensNoList() {
    auto grid = MakeGrid();
    grid->SetColComboList(3, QString::fromLatin1(Grid::EllipsisButton));
    QList<Call> clicks;
    grid->Events().CellButtonClick = [&](int row, int col) { clicks.append({row, col, {}}); };
    grid->Events().AfterEdit = [&](int row, int col) { afterEdits_.append({row, col, {}}); };
    grid->SetCellData(8, 3, 17);
    grid->Select(8, 3);
    QVERIFY(grid->EditCell());
    QVERIFY(grid->findChild<QComboBox*>() == nullptr);
    auto* button = grid->findChild<QToolButton*>(QStringLiteral("GridEllipsisButton"));
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0].row, 8);
    QCOMPARE(clicks[0].col, 3);
    QVERIFY(!grid->IsEditing());
    QVERIFY(afterEdits_.isEmpty());
    QCOMPARE(grid->TextMatrix(8, 3), QStringLiteral("r8c3"));
    QCOMPARE(grid->CellData(8, 3).toInt(), 17);

    // Typing into the button cell still goes through the normal commit.
    QVERIFY(grid->EditCell());
    QLineEdit* text = TextEditor(*grid);
    text->setText(QStringLiteral("typed"));
    PressEnter(text);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(8, 3), QStringLiteral("typed"));
    QCOMPARE(afterEdits_.size(), 1);
}

void GridTest::keyPressFilterDropsAndChangesCharacters() {
    auto grid = MakeGrid();
    QString seen;
    grid->Events().KeyPress = [&](QChar& ch) {
        seen += ch;
        if (ch == QLatin1Char('x')) {
            ch = QLatin1Char('0');
        } else if (!ch.isDigit() && ch.unicode() >= 0x20) {
            ch = QChar(); // control keys pass, like the editors' digit filter
        }
    };
    grid->Select(2, 2);
    QTest::keyClick(grid->View(), Qt::Key_Minus);
    QVERIFY(!grid->IsEditing()); // a dropped key opens nothing
    Type(*grid, QStringLiteral("1a.2x"));
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->EditText(), QStringLiteral("120"));
    QTest::keyClick(TextEditor(*grid), Qt::Key_Backspace);
    QCOMPARE(grid->EditText(), QStringLiteral("12"));
    PressEnter(TextEditor(*grid));
    QCOMPARE(grid->TextMatrix(2, 2), QStringLiteral("12"));
    // Each typed key reached the window once, including the one that opened the editor.
    QCOMPARE(seen.left(6), QStringLiteral("-1a.2x"));
}

void GridTest::keyDownHandledKeepsKeyFromGrid() {
    auto grid = MakeGrid();
    int spaces = 0;
    grid->Events().KeyDown = [&](int key, Qt::KeyboardModifiers, bool& handled) {
        if (key == Qt::Key_Space) {
            ++spaces;
            grid->SetTextMatrix(grid->Row(), 2, QStringLiteral("ON"));
            handled = true;
        }
    };
    grid->Select(3, 2);
    QTest::keyClick(grid->View(), Qt::Key_Space);
    QCOMPARE(spaces, 1);
    QVERIFY(!grid->IsEditing());
    QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("ON"));
    QTest::keyClick(grid->View(), Qt::Key_Down);
    QCOMPARE(grid->Row(), 4);
}

void GridTest::doubleClickHandledOpensNoEditor() {
    auto grid = MakeGrid();
    QList<Call> doubles;
    bool handle = true;
    grid->Events().DblClick = [&](int row, int col, bool& handled) {
        doubles.append({row, col, {}});
        handled = handle;
    };
    DoubleClick(*grid, 4, 2);
    QCOMPARE(doubles.size(), 1);
    QCOMPARE(doubles[0].row, 4);
    QCOMPARE(doubles[0].col, 2);
    QVERIFY(!grid->IsEditing());
    // Nothing opens an editor late either, once the double-click interval has passed.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QVERIFY(!grid->IsEditing());

    handle = false;
    DoubleClick(*grid, 5, 2);
    QCOMPARE(doubles.size(), 2);
    QVERIFY(grid->IsEditing());
    QCOMPARE(grid->EditCellPosition(), (GridCellPosition{5, 2}));
}

void GridTest::currentCellAndRowColChange() {
    auto grid = MakeGrid();
    int changes = 0;
    grid->Events().RowColChange = [&] { ++changes; };
    grid->Select(3, 2);
    QCOMPARE(changes, 1);
    grid->Select(3, 2);
    QCOMPARE(changes, 1);
    QTest::keyClick(grid->View(), Qt::Key_Down);
    QCOMPARE(changes, 2);
    QCOMPARE(grid->Row(), 4);
    grid->SetRowHidden(5, true);
    QTest::keyClick(grid->View(), Qt::Key_Down);
    QCOMPARE(grid->Row(), 6);
    QTest::keyClick(grid->View(), Qt::Key_Left);
    QTest::keyClick(grid->View(), Qt::Key_Left); // the fixed column is never the cursor's
    QCOMPARE(grid->Col(), 1);
    QTest::mouseClick(Viewport(*grid), Qt::LeftButton, {}, CenterInViewport(*grid, 9, 3));
    QCOMPARE(grid->Row(), 9);
    QCOMPARE(grid->Col(), 3);

    // The header row can be made current by the program, as the filters do.
    grid->Select(0, 2);
    QCOMPARE(grid->Row(), 0);
    QVERIFY(!grid->View()->currentIndex().isValid());
    // Hiding rows does not move the program's current cell.
    grid->Select(7, 2);
    grid->SetRowHidden(7, true);
    QCOMPARE(grid->Row(), 7);
}

void GridTest::hiddenRowsNotShownAndShownAgain() {
    auto grid = MakeGrid();
    const QRect row4 = grid->CellRect(4, 2).value();
    grid->SetRowHidden(4, true);
    QVERIFY(!grid->CellRect(4, 2));
    QCOMPARE(grid->CellAt(row4.center()).value(), (GridCellPosition{5, 2}));
    grid->SetRowHidden(4, false);
    QCOMPARE(grid->CellRect(4, 2).value(), row4);

    // A filter: with redraw off, hide every row but two, then show all again.
    grid->SetRedraw(false);
    for (int row = 1; row < grid->Rows(); ++row) {
        grid->SetRowHidden(row, row != 3 && row != 9);
    }
    grid->SetRedraw(true);
    QCOMPARE(grid->View()->model()->rowCount(), 2);
    QCOMPARE(grid->CellAt(grid->CellRect(9, 1)->center()).value(), (GridCellPosition{9, 1}));
    QVERIFY(!grid->CellRect(4, 1));
    grid->SetRedraw(false);
    for (int row = 1; row < grid->Rows(); ++row) {
        grid->SetRowHidden(row, false);
    }
    grid->SetRedraw(true);
    QCOMPARE(grid->View()->model()->rowCount(), 11);
    QCOMPARE(grid->CellRect(4, 2).value(), row4);
}

void GridTest::topRow() {
    auto grid = MakeGrid(300);
    grid->SetTopRow(120);
    QCOMPARE(grid->TopRow(), 120);
    grid->SetRowHidden(200, true);
    grid->SetTopRow(200);
    QCOMPARE(grid->TopRow(), 201);
    grid->SetTopRow(0);
    QCOMPARE(grid->TopRow(), 1);
}

void GridTest::ownerDrawDoneSuppressesDefaultText() {
    auto grid = MakeGrid();
    grid->SetHighlightCurrentCell(false);
    grid->SetBackColor(Qt::white);
    grid->SetForeColor(Qt::black);
    for (int row = 1; row <= 3; ++row) {
        grid->SetTextMatrix(row, 2, QStringLiteral("WW"));
    }
    QList<Call> drawn;
    grid->Events().OwnerDraw = [&](QPainter& painter, int row, int col, const QRect& rect, bool& done) {
        drawn.append({row, col, {}});
        if (col != 2) {
            return;
        }
        if (row == 1) {
            done = true; // the window draws this cell itself, and here draws nothing
        } else if (row == 2) {
            painter.fillRect(QRect(rect.topRight() + QPoint(-5, 1), QSize(4, 4)), Qt::red); // a mark
        }
    };
    const QImage image = grid->grab().toImage();
    QVERIFY(!drawn.isEmpty());
    QVERIFY(std::any_of(drawn.begin(), drawn.end(), [](const Call& c) { return c.row == 0; })); // header too

    const QRect suppressed = grid->CellRect(1, 2).value();
    const QRect marked = grid->CellRect(2, 2).value();
    const QRect plain = grid->CellRect(3, 2).value();
    QCOMPARE(CountPixels(image, suppressed, IsDark), 0);
    QVERIFY(CountPixels(image, plain, IsDark) > 10);
    QVERIFY(CountPixels(image, marked, IsDark) > 10);
    QVERIFY(CountPixels(image, marked, IsRed) >= 16);
    QCOMPARE(CountPixels(image, plain, IsRed), 0);
}

void GridTest::rowBottomBorderDrawn() {
    auto grid = MakeGrid();
    grid->SetHighlightCurrentCell(false);
    grid->SetBackColor(Qt::white);
    grid->SetRowBottomBorder(3, 2, Qt::red);
    QImage image = grid->grab().toImage();
    const QRect bordered = grid->CellRect(3, 2).value();
    const QRect lastTwoLines(bordered.left(), bordered.bottom() - 1, bordered.width(), 2);
    QVERIFY(CountPixels(image, lastTwoLines, IsRed) >= bordered.width());
    QCOMPARE(CountPixels(image, grid->CellRect(4, 2).value(), IsRed), 0);

    grid->ClearBorders();
    image = grid->grab().toImage();
    QCOMPARE(CountPixels(image, bordered, IsRed), 0);
}

void GridTest::mouseMoveReportsPositionThatCellAtResolves() {
    auto grid = MakeGrid();
    QList<QPoint> moves;
    grid->Events().MouseMove = [&](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
        moves.append({x, y});
    };
    const QPoint target = CenterInViewport(*grid, 6, 3);
    QTest::mouseMove(Viewport(*grid), target);
    QTRY_VERIFY(!moves.isEmpty());
    QCOMPARE(moves.last(), Viewport(*grid)->mapTo(grid.get(), target));
    QCOMPARE(grid->CellAt(moves.last()).value(), (GridCellPosition{6, 3}));

    // The fixed row sits in the header; CellAt names it as row 0.
    const QRect header = grid->CellRect(0, 2).value();
    QCOMPARE(grid->CellAt(header.center()).value(), (GridCellPosition{0, 2}));
    QVERIFY(!grid->CellAt(QPoint(-5, -5)));
    QVERIFY(grid->WindowHandle() == grid.get());
}

void GridTest::userColumnResizeReported() {
    auto grid = MakeGrid();
    QList<int> resized;
    grid->Events().AfterUserResize = [&](int col) { resized << col; };
    grid->SetColWidth(2, 1200);
    QVERIFY(resized.isEmpty());
    grid->View()->horizontalHeader()->resizeSection(2, 120); // as a drag of the header edge ends
    QCOMPARE(resized, QList<int>{2});
    QCOMPARE(grid->ColWidth(2), 1800);
    grid->SetColHidden(1, true);
    grid->SetColHidden(1, false);
    QCOMPARE(resized, QList<int>{2});
    QCOMPARE(grid->ColWidth(2), 1800);
}

void GridTest::rebuildWhileEditingDropsTheEdit() {
    auto grid = MakeGrid();
    grid->Events().AfterEdit = [&](int row, int col) { afterEdits_.append({row, col, {}}); };
    grid->Select(10, 2);
    Type(*grid, QStringLiteral("5"));
    QVERIFY(grid->IsEditing());
    grid->SetCols(6); // a rebuild: the half-typed text is not written anywhere
    QVERIFY(!grid->IsEditing());
    QCoreApplication::processEvents();
    QCOMPARE(grid->TextMatrix(10, 2), QStringLiteral("r10c2"));

    grid->Select(10, 2);
    Type(*grid, QStringLiteral("6"));
    grid->SetRowHidden(10, true); // the edited row leaves the view
    QVERIFY(!grid->IsEditing());
    QCoreApplication::processEvents();
    QCOMPARE(grid->TextMatrix(10, 2), QStringLiteral("r10c2"));
    QVERIFY(afterEdits_.isEmpty());
    QVERIFY(grid->FinishEditing());
}

QTEST_MAIN(GridTest)
#include "tst_grid.moc"
