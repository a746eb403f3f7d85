// The customize window driven as a user drives it: typing, the space bar, double clicks, the
// ellipsis button, the duty list, the buttons; the function tree and the duty dialog answered by
// the scripted prompter.
#include "editors/fCustomize.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "tests/editors/FakeEditorServices.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using platform::Answer;
using vokg::fCustomize;

namespace {

QString Range(int min, int max) {
    return QStringLiteral("Input value is out of range.\n\nMin = %1\nMax = %2").arg(min).arg(max);
}

} // namespace

class CustomizeWindowTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    QStringList errorBoxes_;
    std::unique_ptr<testsupport::FakeEditorServices> services_;
    std::unique_ptr<vokg::CCustoms> user_;
    std::unique_ptr<vokg::CCustoms> comparison_;
    std::unique_ptr<vokg::CCusSelections> inputs_;
    std::unique_ptr<vokg::CCusSelections> outputs_;
    std::vector<std::unique_ptr<fCustomize>> windows_;

    void AddSignals(vokg::CCustoms& set) {
        set.AddInput(QStringLiteral("I1"), {}, QStringLiteral("Standard input"), 1, 2, 3);
        set.AddInput(QStringLiteral("I2"), {}, QStringLiteral("Standard input"), 4, 5, 6);
        set.AddInput(QStringLiteral("I3"), {}, QStringLiteral("TE BOARD input"), 7, 8, 9);
        set.Add(QStringLiteral("O1"), {}, QStringLiteral("Standard output"), 10, 11, 12, 13, 15, 17, 19, 21);
        set.Add(QStringLiteral("O2"), {}, QStringLiteral("Standard output"), 23, 24, 25, 26, 28, 30, 32, 34);
        set.Add(QStringLiteral("O3"), {}, QStringLiteral("TE BOARD output"), 36, 37, 38, 39, 41, 43, 45, 47);
    }
    vokg::CCustom& Row(const char* location) { return *user_->Item(QLatin1String(location)); }

    fCustomize& Open(const QString& group) {
        windows_.push_back(
            std::make_unique<fCustomize>(vokg::CustomizeData{*user_, *comparison_, *inputs_, *outputs_},
                                         *services_, messenger_, method_, group));
        fCustomize& window = *windows_.back();
        services_->windows.append(&window);
        window.resize(1400, 500);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the customize window was not shown");
        return window;
    }

    static int RowOf(const fCustomize& window, const char* location) {
        return window.RowOf(QLatin1String(location)).value_or(-1);
    }
    static QPoint CellCentre(fCustomize& window, int row, int col) {
        platform::Grid& grid = *window.fg();
        const std::optional<QRect> cell = grid.CellRect(row, col);
        if (!cell)
            qWarning("cell %d/%d is not shown", row, col);
        return grid.View()->viewport()->mapFrom(&grid, cell.value_or(QRect()).center());
    }
    static void DoubleClick(fCustomize& window, int row, int col) {
        QWidget* area = window.fg()->View()->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, CellCentre(window, row, col));
        QTest::mouseDClick(area, Qt::LeftButton, {}, CellCentre(window, row, col));
        QCoreApplication::processEvents();
    }
    static QLineEdit* Editor(platform::Grid& grid) {
        for (QLineEdit* box : grid.findChildren<QLineEdit*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }
    // Types into a cell as a user does: the first key goes to the grid and opens the editor,
    // the rest to the editor; Enter commits.
    static void Type(fCustomize& window, int row, int col, const QString& text) {
        platform::Grid& grid = *window.fg();
        grid.Select(row, col);
        grid.View()->setFocus();
        for (const QChar ch : text) {
            QWidget* editor = grid.IsEditing() ? Editor(grid) : nullptr;
            QTest::keyClick(editor ? editor : grid.View(), ch.toLatin1());
        }
        if (grid.IsEditing())
            QTest::keyClick(Editor(grid), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Opens the duty list of a row and types the first letter of an entry, which picks it.
    static QComboBox* DutyList(fCustomize& window, int row) {
        platform::Grid& grid = *window.fg();
        // The list of an edit just finished goes only when its deletion comes round.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid.Select(row, fCustomize::ColDuty);
        if (!grid.EditCell())
            return nullptr;
        return grid.findChild<QComboBox*>(QStringLiteral("GridListEditor"));
    }

private slots:
    void init() {
        prompter_.Clear();
        errorBoxes_.clear();
        hlpkit::CMethod::SetErrorBox(
            [this](const QString&, const QString& text) { errorBoxes_.append(text); });
        services_ = std::make_unique<testsupport::FakeEditorServices>();
        const vokg::ModelContext context{method_, messenger_};
        user_ = std::make_unique<vokg::CCustoms>(context);
        comparison_ = std::make_unique<vokg::CCustoms>(context);
        AddSignals(*user_);
        AddSignals(*comparison_);
        inputs_ = std::make_unique<vokg::CCusSelections>(context);
        outputs_ = std::make_unique<vokg::CCusSelections>(context);
        inputs_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        inputs_->Add(QStringLiteral("START"), 1, QStringLiteral("Start switch"));
        outputs_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        outputs_->Add(QStringLiteral("PF"), 1, QStringLiteral("Work clamp"));
        outputs_->Add(QStringLiteral("TRIM"), 5, QStringLiteral("Thread trimmer"));
        Row("I1").SetKino(1);
        Row("O1").SetKino(1);
        Row("O1").SetOnDelayTime(100);
        Row("O1").SetChoppingOnTime(1);
        Row("O1").SetChoppingOffTime(0);
        Row("O2").SetChoppingOnTime(30);
        Row("O2").SetChoppingOffTime(70);
    }

    void cleanup() {
        for (auto& window : windows_) {
            window->ControlChange(false);
            window->close();
        }
        windows_.clear();
        QVERIFY2(prompter_.Unexpected().isEmpty(),
                 qPrintable(prompter_.Unexpected().join(QLatin1Char('\n'))));
        hlpkit::CMethod::ResetErrorBox();
        QVERIFY2(errorBoxes_.isEmpty(), qPrintable(errorBoxes_.join(QLatin1Char('\n'))));
    }

    void layoutOfTheGroups_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("locations");
        QTest::addColumn<bool>("timesShown");
        QTest::newRow("All inputs") << "All inputs" << QStringList{"I1", "I2", "I3"} << false;
        QTest::newRow("Standard output") << "Standard output" << QStringList{"O1", "O2"} << true;
        QTest::newRow("All outputs") << "All outputs" << QStringList{"O1", "O2", "O3"} << true;
        QTest::newRow("a group without rows") << "I/O BOARD No.3 input" << QStringList{} << false;
    }
    void layoutOfTheGroups() {
        QFETCH(QString, group);
        QFETCH(QStringList, locations);
        QFETCH(bool, timesShown);
        fCustomize& window = Open(group);
        platform::Grid& grid = *window.fg();
        QCOMPARE(grid.Rows(), int(locations.size()) + 1);
        QCOMPARE(grid.Cols(), 17);
        QStringList shown;
        for (int row = 1; row < grid.Rows(); ++row)
            shown << grid.TextMatrix(row, fCustomize::ColLocation);
        QCOMPARE(shown, locations);
        QVERIFY(grid.ColHidden(fCustomize::ColCategory));
        for (int col = fCustomize::ColOnDelay; col <= fCustomize::ColZenpa; ++col)
            QCOMPARE(grid.ColHidden(col), !timesShown);
        // Without a comparison file the comparison side, its copy buttons and the check box rest.
        for (int col = fCustomize::ColCmpKino; col <= fCustomize::ColDif; ++col)
            QVERIFY(grid.ColHidden(col));
        QVERIFY(!window.chkCmp()->isEnabled() && !window.chkCmp()->isChecked());
        QVERIFY(!window.BTN(3)->isEnabled() && !window.BTN(4)->isEnabled());
        QCOMPARE(window.windowTitle(), group + QStringLiteral("[*]"));
    }

    void timesAreCheckedWhenTheCellIsLeft_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        QTest::newRow("-5") << "-5" << Range(0, 65535) << "100";
        QTest::newRow("65536") << "65536" << Range(0, 65535) << "100";
        QTest::newRow("no number") << "12x"
                                   << "Input value!"
                                   << "100";
        QTest::newRow("007 is 7") << "007" << QString() << "7";
        QTest::newRow("65535") << "65535" << QString() << "65535";
    }
    void timesAreCheckedWhenTheCellIsLeft() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        fCustomize& window = Open(QStringLiteral("Standard output"));
        const int row = RowOf(window, "O1");
        Type(window, row, fCustomize::ColOnDelay, typed);
        QCOMPARE(prompter_.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(window.fg()->TextMatrix(row, fCustomize::ColOnDelay), stored);
        // A refused text stays in the open cell.
        QCOMPARE(window.fg()->IsEditing(), !message.isEmpty());
        QVERIFY(window.IsChanged());
    }

    void aRefusedTimeIsAskedAboutWhenTheWindowCloses() {
        fCustomize& window = Open(QStringLiteral("Standard output"));
        Type(window, RowOf(window, "O2"), fCustomize::ColZenpa, QStringLiteral("-5"));
        prompter_.Clear();
        prompter_.QueueAnswer(Answer::Cancel);
        QTest::mouseClick(window.BTN(9), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts().first(),
                 QStringLiteral("Data is chaneged on this window. Do you save it ?\n\nStandard output"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.fg()->EditText(), QStringLiteral("-5"));
    }

    void spaceAndDoubleClickToggle() {
        fCustomize& window = Open(QStringLiteral("All inputs"));
        platform::Grid& grid = *window.fg();
        const int row = RowOf(window, "I2");
        grid.Select(row, fCustomize::ColLogic);
        grid.View()->setFocus();
        QTest::keyClick(grid.View(), Qt::Key_Space);
        QCOMPARE(grid.TextMatrix(row, fCustomize::ColLogic), QStringLiteral("1"));
        QVERIFY(window.ValueIsDifCustomze(row, fCustomize::ColLogic));
        QVERIFY(window.IsChanged());
        DoubleClick(window, row, fCustomize::ColDosa);
        QCOMPARE(grid.TextMatrix(row, fCustomize::ColDosa), QStringLiteral("1"));
        QVERIFY(!grid.IsEditing());
        // Toggled back, both cells hold the stored values again: nothing is left to save.
        QTest::keyClick(grid.View(), Qt::Key_Space);
        DoubleClick(window, row, fCustomize::ColLogic);
        QCOMPARE(grid.TextMatrix(row, fCustomize::ColLogic), QStringLiteral("0"));
        QCOMPARE(grid.TextMatrix(row, fCustomize::ColDosa), QStringLiteral("0"));
        QVERIFY(!window.IsChanged());
    }

    void theFunctionTreeFromTheButtonAndADoubleClick() {
        fCustomize& window = Open(QStringLiteral("Standard output"));
        platform::Grid& grid = *window.fg();
        const int row = RowOf(window, "O2");
        grid.Select(row, fCustomize::ColKino);
        QVERIFY(grid.EditCell());
        auto* button = grid.findChild<QToolButton*>(QStringLiteral("GridEllipsisButton"));
        QVERIFY(button);
        prompter_.QueueFunction(5);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(prompter_.Prompts().last().what, QStringLiteral("function"));
        QCOMPARE(prompter_.Prompts().last().kind, 1);                   // an output's tree
        QCOMPARE(prompter_.Prompts().last().text, QStringLiteral("0")); // its current function
        QCOMPARE(grid.CellData(row, fCustomize::ColKino).toInt(), 5);
        QCOMPARE(grid.TextMatrix(row, fCustomize::ColKino), QStringLiteral("TRIM"));
        QVERIFY(window.IsChanged());
        // Cancelled, the tree changes nothing.
        prompter_.QueueFunction(std::nullopt);
        DoubleClick(window, RowOf(window, "O1"), fCustomize::ColKino);
        QCOMPARE(prompter_.Prompts().last().text, QStringLiteral("1"));
        QCOMPARE(grid.CellData(RowOf(window, "O1"), fCustomize::ColKino).toInt(), 1);
        QVERIFY(!window.ValueIsDifCustomze(RowOf(window, "O1"), fCustomize::ColKino));
        // A name typed into the cell is a choice too, the table's value of it.
        Type(window, RowOf(window, "O1"), fCustomize::ColKino, QStringLiteral("NONE"));
        QCOMPARE(grid.CellData(RowOf(window, "O1"), fCustomize::ColKino).toInt(), 0);
    }

    void theDutyList_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("data");
        QTest::newRow("ALL") << "A"
                             << "ALL"
                             << "1,0";
        QTest::newRow("50L") << "5"
                             << "50L"
                             << "40,40";
        QTest::newRow("33") << "3"
                            << "33"
                            << "20,40";
        QTest::newRow("8") << "8"
                           << "8"
                           << "20,220";
    }
    void theDutyList() {
        QFETCH(QString, key);
        QFETCH(QString, code);
        QFETCH(QString, data);
        fCustomize& window = Open(QStringLiteral("Standard output"));
        const int row = RowOf(window, "O2");
        QComboBox* list = DutyList(window, row);
        QVERIFY(list);
        QCOMPARE(list->count(), 9);
        QTest::keyClicks(list, key);
        QCoreApplication::processEvents();
        QCOMPARE(window.fg()->TextMatrix(row, fCustomize::ColDuty), code);
        QCOMPARE(window.fg()->CellData(row, fCustomize::ColDuty).toString(), data);
        QVERIFY(window.IsChanged());
    }

    void aFreeDutyGoesThroughTheDutyDialog() {
        fCustomize& window = Open(QStringLiteral("Standard output"));
        const int row = RowOf(window, "O1");
        QComboBox* list = DutyList(window, row);
        QVERIFY(list);
        // The MANUAL entry describes nothing while the cell holds a fixed code.
        QCOMPARE(list->itemText(8).trimmed(), QStringLiteral("MANUAL"));
        prompter_.QueueChoppingDuty(platform::ChoppingTimes{30, 50});
        QTest::keyClicks(list, QStringLiteral("M"));
        QCoreApplication::processEvents();
        QCOMPARE(prompter_.Prompts().last().what, QStringLiteral("duty"));
        QCOMPARE(prompter_.Prompts().last().text, QStringLiteral("1,0")); // preset with the row's times
        QCOMPARE(window.fg()->TextMatrix(row, fCustomize::ColDuty), QStringLiteral("MANUAL"));
        QCOMPARE(window.GetChopOnTime(row), 30);
        QCOMPARE(window.GetChopOffTime(row), 50);
        list = DutyList(window, row);
        QVERIFY(list);
        QVERIFY2(list->itemText(8).contains(QStringLiteral("3ms=ON, 5ms=OFF, 37%duty")),
                 qPrintable(list->itemText(8)));
        window.fg()->CancelEditing();
        // Closed without accepting, the dialog leaves the times as they were.
        QTest::keyClicks(DutyList(window, RowOf(window, "O2")), QStringLiteral("M"));
        QCOMPARE(window.GetChopOnTime(RowOf(window, "O2")), 30);
        QCOMPARE(window.GetChopOffTime(RowOf(window, "O2")), 70);
    }

    void editsReachEveryWindowOfTheSignal() {
        fCustomize& all = Open(QStringLiteral("All outputs"));
        fCustomize& standard = Open(QStringLiteral("Standard output"));
        fCustomize& inputs = Open(QStringLiteral("All inputs"));
        Type(all, RowOf(all, "O2"), fCustomize::ColOffDelay, QStringLiteral("250"));
        QCOMPARE(standard.fg()->TextMatrix(RowOf(standard, "O2"), fCustomize::ColOffDelay),
                 QStringLiteral("250"));
        QVERIFY(standard.IsChanged());
        QVERIFY(!inputs.IsChanged());
        QTest::keyClicks(DutyList(standard, RowOf(standard, "O1")), QStringLiteral("3"));
        QCOMPARE(all.fg()->CellData(RowOf(all, "O1"), fCustomize::ColDuty).toString(),
                 QStringLiteral("20,40"));
        QCOMPARE(all.fg()->TextMatrix(RowOf(all, "O1"), fCustomize::ColDuty), QStringLiteral("33"));
        // A signal of another group stays where it is.
        Type(all, RowOf(all, "O3"), fCustomize::ColOnDelay, QStringLiteral("9"));
        QCOMPARE(standard.RowOf(QStringLiteral("O3")), std::nullopt);
        // A window opened now shows what the others hold unsaved.
        fCustomize& late = Open(QStringLiteral("TE BOARD output"));
        late.TakeOverPendingValues();
        QCOMPARE(late.fg()->TextMatrix(RowOf(late, "O3"), fCustomize::ColOnDelay), QStringLiteral("9"));
    }

    void onlyTheEditedRowsReachTheModel() {
        fCustomize& window = Open(QStringLiteral("All outputs"));
        fCustomize& other = Open(QStringLiteral("TE BOARD output"));
        Type(window, RowOf(window, "O1"), fCustomize::ColOnDelay, QStringLiteral("42"));
        // The model changes behind the other window (a save of another window); it must not
        // write its stale O3 back.
        Row("O3").SetZenpaTime(77);
        QVERIFY(other.Update_Variable());
        QCOMPARE(Row("O3").ZenpaTime(), 77);
        QVERIFY(window.Update_Variable());
        QCOMPARE(Row("O1").OnDelayTime(), 42);
        QCOMPARE(Row("O1").ChoppingOnTime(), 1);
        QCOMPARE(Row("O2").OnDelayTime(), 0);
        // Dropping the edits shows the model again.
        Type(window, RowOf(window, "O2"), fCustomize::ColOnDelay, QStringLiteral("5"));
        window.ControlChange(false);
        QCOMPARE(window.fg()->TextMatrix(RowOf(window, "O2"), fCustomize::ColOnDelay), QStringLiteral("0"));
        QVERIFY(!window.IsChanged());
    }

    void saveButton() {
        fCustomize& window = Open(QStringLiteral("Standard output"));
        fCustomize& other = Open(QStringLiteral("All inputs"));
        QVERIFY(!window.BTN(1)->isEnabled());
        Type(window, RowOf(window, "O1"), fCustomize::ColZenpa, QStringLiteral("300"));
        DoubleClick(other, RowOf(other, "I3"), fCustomize::ColLogic);
        QVERIFY(window.BTN(1)->isEnabled());
        QTest::mouseClick(window.BTN(1), Qt::LeftButton);
        QCOMPARE(services_->saves, (QList<QPair<vokg::SaveMode, bool>>{{vokg::SaveMode::Overwrite, true}}));
        QCOMPARE(Row("O1").ZenpaTime(), 300);
        QCOMPARE(Row("I3").Logic(), 1);
        QVERIFY(!window.IsChanged() && !other.IsChanged());
        QVERIFY(!window.BTN(1)->isEnabled());
    }

    void comparisonMarksAndCopies() {
        services_->comparison = true;
        comparison_->Item(QStringLiteral("O1"))->SetOnDelayTime(55);
        comparison_->Item(QStringLiteral("O2"))->SetKino(5);
        comparison_->Item(QStringLiteral("O2"))->SetChoppingOnTime(20);
        comparison_->Item(QStringLiteral("O2"))->SetChoppingOffTime(20);
        comparison_->Item(QStringLiteral("O1"))->SetKino(1);
        comparison_->Item(QStringLiteral("O1"))->SetChoppingOnTime(1);
        fCustomize& window = Open(QStringLiteral("Standard output"));
        platform::Grid& grid = *window.fg();
        const int o1 = RowOf(window, "O1");
        const int o2 = RowOf(window, "O2");
        QVERIFY(window.chkCmp()->isChecked() && window.chkCmp()->isEnabled());
        QVERIFY(!grid.ColHidden(fCustomize::ColCmpOnDelay));
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColCmpKino), QStringLiteral("TRIM:Thread trimmer"));
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColCmpDuty), QStringLiteral("50H"));
        QCOMPARE(grid.TextMatrix(o1, fCustomize::ColDif), QStringLiteral("DIF"));
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColDif), QStringLiteral("DIF"));
        // Typed to the comparison value, the mark goes.
        Type(window, o1, fCustomize::ColOnDelay, QStringLiteral("55"));
        QCOMPARE(grid.TextMatrix(o1, fCustomize::ColDif), QString());
        // This row: asked, then copied.
        grid.Select(o2, fCustomize::ColLogic);
        prompter_.Clear();
        prompter_.QueueAnswer(Answer::Yes);
        QTest::mouseClick(window.BTN(4), Qt::LeftButton);
        QCOMPARE(prompter_.Prompts().first().kind, 7);
        QCOMPARE(prompter_.MessageTexts(),
                 QStringList{QStringLiteral("Are you sure to reset selected row's value ?")});
        QCOMPARE(grid.CellData(o2, fCustomize::ColKino).toInt(), 5);
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColDuty), QStringLiteral("50H"));
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColDif), QString());
        // All rows: No copies nothing.
        Row("O1").SetLogic(0);
        comparison_->Item(QStringLiteral("O1"))->SetLogic(1);
        window.PasteHikakuValue();
        prompter_.QueueAnswer(Answer::No);
        QTest::mouseClick(window.BTN(3), Qt::LeftButton);
        QCOMPARE(grid.TextMatrix(o1, fCustomize::ColLogic), QStringLiteral("0"));
        prompter_.QueueAnswer(Answer::Yes);
        QTest::mouseClick(window.BTN(3), Qt::LeftButton);
        QCOMPARE(grid.TextMatrix(o1, fCustomize::ColLogic), QStringLiteral("1"));
        QVERIFY(window.IsChanged());
        // The check box hides the comparison side.
        QTest::mouseClick(window.chkCmp(), Qt::LeftButton, {}, QPoint(5, window.chkCmp()->height() / 2));
        QVERIFY(grid.ColHidden(fCustomize::ColCmpKino) && grid.ColHidden(fCustomize::ColDif));
        QVERIFY(grid.ColHidden(fCustomize::ColCmpOnDelay));
    }
};

QTEST_MAIN(CustomizeWindowTest)
#include "tst_fCustomize.moc"
