// The grid's buffer and model: shape, hidden-row mapping, redraw batching, value lists,
// bounds checks and FindRow, checked through the public Grid calls and the item model.
#include "platform/gui/Grid.h"
#include "platform/gui/GridComboList.h"

#include "hlpkit/RunError.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <functional>

using platform::Grid;
using platform::GridComboList;
using platform::GridEditMode;
using platform::GridRange;

namespace {

// A grid of `rows` rows and `cols` columns, one fixed row and one fixed column, each cell
// holding "r<row>c<col>" so that a wrong mapping shows up as a wrong text.
void Fill(Grid& grid, int rows, int cols) {
    grid.SetRows(rows);
    grid.SetCols(cols);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            grid.SetTextMatrix(row, col, QStringLiteral("r%1c%2").arg(row).arg(col));
        }
    }
}

QStringList ListedTexts(const QAbstractItemModel& model, int col) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, col).data().toString();
    }
    return texts;
}

} // namespace

class GridModelTest : public QObject {
    Q_OBJECT

private slots:
    void comboListParsing_data();
    void comboListParsing();
    void valueListShownByLabel();
    void modelStaysConsistentThroughChanges();
    void hiddenRowsLeaveAndReturnInOrder();
    void redrawOffSendsNothingUntilOn();
    void redrawOnWithOnlyTextChangesSendsOneUpdate();
    void resizingKeepsContent();
    void fixedCellsNeverEditable();
    void valueMatrix_data();
    void valueMatrix();
    void findRow_data();
    void findRow();
    void badCoordinatesThrowAndChangeNothing_data();
    void badCoordinatesThrowAndChangeNothing();
    void sizesInTwips();
};

void GridModelTest::comboListParsing_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("ellipsis");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("plain") << "OF|ON" << false << QStringList{"OF", "ON"} << QStringList{"OF", "ON"};
    QTest::newRow("empty") << "" << false << QStringList{} << QStringList{};
    QTest::newRow("ellipsis") << "..." << true << QStringList{} << QStringList{};
    QTest::newRow("tab description") << "ALL\tevery pulse|8\t12.5%" << false << QStringList{"ALL", "8"}
                                     << QStringList{"ALL   every pulse", "8   12.5%"};
    QTest::newRow("value list") << "#0;USUAL|#1;REV" << false << QStringList{"0", "1"}
                                << QStringList{"USUAL", "REV"};
    QTest::newRow("empty entries skipped")
        << "|a||b|" << false << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("dots inside a list are text")
        << "...|x" << false << QStringList{"...", "x"} << QStringList{"...", "x"};
}

void GridModelTest::comboListParsing() {
    QFETCH(QString, list);
    QFETCH(bool, ellipsis);
    QFETCH(QStringList, values);
    QFETCH(QStringList, labels);

    const GridComboList parsed = GridComboList::Parse(list);
    QCOMPARE(parsed.IsEllipsis(), ellipsis);
    QStringList gotValues;
    QStringList gotLabels;
    for (const GridComboList::Item& item : parsed.Items()) {
        gotValues << item.value;
        gotLabels << item.label;
    }
    QCOMPARE(gotValues, values);
    QCOMPARE(gotLabels, labels);
}

void GridModelTest::valueListShownByLabel() {
    Grid grid;
    Fill(grid, 4, 3);
    grid.SetColComboList(2, QStringLiteral("#0;USUAL|#1;REV"));
    grid.SetTextMatrix(1, 2, QStringLiteral("1"));
    grid.SetTextMatrix(2, 2, QStringLiteral("0"));
    grid.SetTextMatrix(3, 2, QStringLiteral("7")); // not in the list: shown as stored

    const QAbstractItemModel& model = *grid.ItemModel();
    QCOMPARE(ListedTexts(model, 2), (QStringList{"REV", "USUAL", "7"}));
    QCOMPARE(model.index(0, 2).data(Qt::EditRole).toString(), QStringLiteral("1"));
    QCOMPARE(grid.TextMatrix(1, 2), QStringLiteral("1"));
}

void GridModelTest::modelStaysConsistentThroughChanges() {
    Grid grid;
    QAbstractItemModelTester tester(grid.ItemModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    Fill(grid, 30, 5);
    grid.SetCellBackColor({1, 2, 29, 2}, QColor(255, 224, 192));
    grid.SetRowHidden(4, true);
    grid.SetRowHidden(5, true);
    grid.SetRowHidden(4, false);
    grid.SetRows(40);
    grid.SetRows(12);
    grid.SetCols(7);
    grid.SetFixedCols(2);

    grid.SetRedraw(false);
    for (int row = 1; row < grid.Rows(); row += 2) {
        grid.SetRowHidden(row, true);
    }
    grid.SetRows(20);
    grid.SetTextMatrix(15, 3, QStringLiteral("late"));
    grid.SetRedraw(true);

    grid.SetFixedRows(2);
    grid.SetRows(1);
    grid.SetRows(0);
    QCOMPARE(grid.ItemModel()->rowCount(), 0);
}

void GridModelTest::hiddenRowsLeaveAndReturnInOrder() {
    Grid grid;
    Fill(grid, 7, 3);
    const QAbstractItemModel& model = *grid.ItemModel();
    QCOMPARE(ListedTexts(model, 1), (QStringList{"r1c1", "r2c1", "r3c1", "r4c1", "r5c1", "r6c1"}));

    grid.SetRowHidden(2, true);
    grid.SetRowHidden(5, true);
    QCOMPARE(ListedTexts(model, 1), (QStringList{"r1c1", "r3c1", "r4c1", "r6c1"}));
    QVERIFY(grid.RowHidden(5));

    grid.SetRowHidden(5, false);
    QCOMPARE(ListedTexts(model, 1), (QStringList{"r1c1", "r3c1", "r4c1", "r5c1", "r6c1"}));
    grid.SetRowHidden(2, false);
    QCOMPARE(ListedTexts(model, 1), (QStringList{"r1c1", "r2c1", "r3c1", "r4c1", "r5c1", "r6c1"}));

    // A hidden row keeps its text and takes changes while out of view.
    grid.SetRowHidden(3, true);
    grid.SetTextMatrix(3, 1, QStringLiteral("changed"));
    grid.SetRowHidden(3, false);
    QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("changed"));
}

void GridModelTest::redrawOffSendsNothingUntilOn() {
    Grid grid;
    Fill(grid, 3, 4);
    const QAbstractItemModel* model = grid.ItemModel();
    QSignalSpy dataChanged(model, &QAbstractItemModel::dataChanged);
    QSignalSpy headerChanged(model, &QAbstractItemModel::headerDataChanged);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    QSignalSpy layout(model, &QAbstractItemModel::layoutChanged);

    grid.SetRedraw(false);
    grid.SetRows(201);
    for (int row = 0; row < 201; ++row) {
        for (int col = 0; col < 4; ++col) {
            grid.SetTextMatrix(row, col, QString::number(row * 10 + col));
        }
        grid.SetCellForeColor(GridRange::Cell(row, 3), Qt::red);
    }
    for (int row = 1; row < 201; row += 2) {
        grid.SetRowHidden(row, true);
    }
    grid.SetRowBottomBorder(4, 2);
    QCOMPARE(dataChanged.count() + headerChanged.count() + inserted.count() + removed.count() +
                 reset.count() + layout.count(),
             0);
    QCOMPARE(model->rowCount(), 2); // still what the view was last told

    grid.SetRedraw(true);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(dataChanged.count(), 0);
    QCOMPARE(inserted.count() + removed.count(), 0);
    QCOMPARE(model->rowCount(), 100);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("21"));
    QCOMPARE(model->index(99, 3).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
}

void GridModelTest::redrawOnWithOnlyTextChangesSendsOneUpdate() {
    Grid grid;
    Fill(grid, 50, 4);
    const QAbstractItemModel* model = grid.ItemModel();
    QSignalSpy dataChanged(model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);

    grid.SetRedraw(false);
    for (int row = 1; row < 50; ++row) {
        grid.SetTextMatrix(row, 2, QStringLiteral("x"));
    }
    grid.SetRedraw(true);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(dataChanged.count(), 1);
    QCOMPARE(model->index(48, 2).data().toString(), QStringLiteral("x"));

    // With redraw on, each change is told at once and only for its own cell.
    dataChanged.clear();
    grid.SetTextMatrix(10, 1, QStringLiteral("y"));
    QCOMPARE(dataChanged.count(), 1);
    QCOMPARE(dataChanged.at(0).at(0).value<QModelIndex>(), model->index(9, 1));
}

void GridModelTest::resizingKeepsContent() {
    Grid grid;
    Fill(grid, 5, 3);
    grid.SetCellData(3, 2, QStringLiteral("20,20"));
    grid.SetRows(10);
    grid.SetCols(5);
    QCOMPARE(grid.TextMatrix(3, 2), QStringLiteral("r3c2"));
    QCOMPARE(grid.CellData(3, 2).toString(), QStringLiteral("20,20"));
    QCOMPARE(grid.TextMatrix(9, 4), QString());
    grid.SetRows(4);
    grid.SetCols(2);
    QCOMPARE(grid.TextMatrix(3, 1), QStringLiteral("r3c1"));
    QCOMPARE(grid.ItemModel()->rowCount(), 3);
    QCOMPARE(grid.ItemModel()->columnCount(), 2);
}

void GridModelTest::fixedCellsNeverEditable() {
    Grid grid;
    Fill(grid, 4, 4);
    grid.SetFixedCols(2);
    const QAbstractItemModel& model = *grid.ItemModel();
    const auto editable = [&](int modelRow, int col) {
        return model.flags(model.index(modelRow, col)).testFlag(Qt::ItemIsEditable);
    };
    QVERIFY(!editable(0, 2)); // editing is off until the window turns it on

    grid.SetEditable(GridEditMode::KeyboardMouse);
    QVERIFY(!editable(0, 0));
    QVERIFY(!editable(0, 1));
    QVERIFY(editable(0, 2));
    QVERIFY(editable(2, 3));

    grid.SetCellEditable({0, 0, 3, 3}, true); // asking does not unlock fixed cells
    QVERIFY(!editable(1, 1));
    grid.SetCellEditable(GridRange::Cell(2, 3), false);
    QVERIFY(!editable(1, 3));
    QVERIFY(editable(1, 2));

    grid.Select(2, 1);
    QVERIFY(!grid.EditCell());
    QVERIFY(!grid.IsEditing());
}

void GridModelTest::valueMatrix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "42" << true << 42.0;
    QTest::newRow("decimal") << "12.5" << true << 12.5;
    QTest::newRow("blanks") << " -7 " << true << -7.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << "ON" << false << 0.0;
    QTest::newRow("dash shown without comparison") << "-" << false << 0.0;
}

void GridModelTest::valueMatrix() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    Grid grid;
    Fill(grid, 2, 2);
    grid.SetTextMatrix(1, 1, text);
    const std::optional<double> got = grid.ValueMatrix(1, 1);
    QCOMPARE(got.has_value(), numeric);
    if (numeric) {
        QCOMPARE(*got, value);
    }
}

void GridModelTest::findRow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("expected");
    QTest::newRow("first of two") << "DB1" << 1 << 2;
    QTest::newRow("hidden row found") << "B09" << 1 << 4;
    QTest::newRow("case matters") << "db1" << 1 << -1;
    QTest::newRow("whole text only") << "DB" << 1 << -1;
    QTest::newRow("header not searched") << "Digital" << 1 << -1;
    QTest::newRow("other column") << "x" << 2 << 3;
}

void GridModelTest::findRow() {
    QFETCH(QString, text);
    QFETCH(int, col);
    QFETCH(int, expected);
    Grid grid;
    grid.SetRows(6);
    grid.SetCols(3);
    grid.SetFixedRows(1);
    const QStringList names{"Digital", "A01", "DB1", "C02", "B09", "DB1"};
    for (int row = 0; row < names.size(); ++row) {
        grid.SetTextMatrix(row, 1, names[row]);
    }
    grid.SetTextMatrix(3, 2, QStringLiteral("x"));
    grid.SetRowHidden(4, true);
    const std::optional<int> found = grid.FindRow(text, col);
    QCOMPARE(found.value_or(-1), expected);
}

void GridModelTest::badCoordinatesThrowAndChangeNothing_data() {
    QTest::addColumn<std::function<void(Grid&)>>("call");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("mentions");
    using Call = std::function<void(Grid&)>;
    QTest::newRow("row below zero") << Call([](Grid& g) { g.TextMatrix(-1, 0); }) << 9 << "-1";
    QTest::newRow("row past the end") << Call([](Grid& g) { g.SetTextMatrix(5, 0, "x"); }) << 9 << "5";
    QTest::newRow("column past the end") << Call([](Grid& g) { g.SetCellData(1, 3, 1); }) << 9 << "3";
    QTest::newRow("range corner outside") << Call([](Grid& g) {
        g.SetCellBackColor({1, 1, 8, 1}, Qt::red);
    }) << 9 << "8";
    QTest::newRow("negative rows") << Call([](Grid& g) { g.SetRows(-2); }) << 5 << "-2";
    QTest::newRow("more fixed rows than rows") << Call([](Grid& g) { g.SetFixedRows(6); }) << 5 << "6";
    QTest::newRow("negative height") << Call([](Grid& g) { g.SetRowHeight(0, -15); }) << 5 << "-15";
    QTest::newRow("hide missing column") << Call([](Grid& g) { g.SetColHidden(9, true); }) << 9 << "9";
    QTest::newRow("find in missing column") << Call([](Grid& g) { g.FindRow("a", -3); }) << 9 << "-3";
}

void GridModelTest::badCoordinatesThrowAndChangeNothing() {
    QFETCH(std::function<void(Grid&)>, call);
    QFETCH(int, code);
    QFETCH(QString, mentions);
    Grid grid;
    Fill(grid, 5, 3);
    try {
        call(grid);
        QFAIL("no error was raised");
    } catch (const hlpkit::RunError& error) {
        QCOMPARE(error.code, code);
        QVERIFY2(error.text.contains(mentions), qPrintable(error.text));
    }
    QCOMPARE(grid.Rows(), 5);
    QCOMPARE(grid.Cols(), 3);
    QCOMPARE(grid.FixedRows(), 1);
    QCOMPARE(grid.TextMatrix(4, 2), QStringLiteral("r4c2"));
    QCOMPARE(grid.CellBackColor(1, 1), grid.CellBackColor(2, 2));
}

void GridModelTest::sizesInTwips() {
    Grid grid;
    Fill(grid, 4, 3);
    grid.SetRowHeight(0, 500);
    grid.SetDefaultRowHeight(260);
    grid.SetRowHeight(2, 450);
    grid.SetColWidth(1, 1500);
    QCOMPARE(grid.RowHeight(0), 500);
    QCOMPARE(grid.RowHeight(1), 260);
    QCOMPARE(grid.RowHeight(2), 450);
    QCOMPARE(grid.ColWidth(1), 1500);
    const QTableView& view = *grid.View();
    QCOMPARE(view.horizontalHeader()->height(), 33); // 500 twips
    QCOMPARE(view.rowHeight(0), 17);                 // 260 twips
    QCOMPARE(view.rowHeight(1), 30);                 // 450 twips
    QCOMPARE(view.columnWidth(1), 100);

    // A row's own height follows it when rows before it are hidden and shown.
    grid.SetRowHidden(1, true);
    QCOMPARE(view.rowHeight(0), 30);
    grid.SetRowHidden(1, false);
    QCOMPARE(view.rowHeight(1), 30);
}

QTEST_MAIN(GridModelTest)
#include "tst_gridmodel.moc"
