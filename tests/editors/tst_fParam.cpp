#include "editors/EditorServices.h"
#include "editors/fParam.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "tests/editors/FakeEditorServices.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <memory>

using platform::Answer;
using vokg::CDigital;
using vokg::fParam;

namespace {

const QString kOutOfRange = QStringLiteral("Input value is out of range.");
const QString kInputValue = QStringLiteral("Input value!");
const QString kNotFound = QStringLiteral("Not found.");
const QString kCheckDone = QStringLiteral("Check done.\n\nThere was no error.");

using FakeServices = testsupport::FakeEditorServices;

} // namespace

class TestParam : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    QStringList errorBoxes_;
    std::unique_ptr<vokg::CModes> modes_;
    std::unique_ptr<FakeServices> services_;
    std::vector<std::unique_ptr<fParam>> windows_;

    CDigital& Digital(const QString& mode, const QString& name) {
        CDigital* digital = modes_->Item(mode)->Digits().Find(name);
        if (digital == nullptr)
            qFatal("no digital %s", qPrintable(name));
        return *digital;
    }

    fParam& Open(const QString& mode) {
        windows_.push_back(std::make_unique<fParam>(*modes_, *services_, messenger_, method_, mode));
        fParam& window = *windows_.back();
        services_->windows.append(&window);
        window.resize(1000, 600);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the parameter window was not shown");
        return window;
    }

    static int RowOf(const fParam& window, const QString& name) {
        const std::optional<int> row = window.fg()->FindRow(name, fParam::ColDigital);
        return row ? *row : -1;
    }

    // Types `text` into the value cell of the row as the user would, and commits it.
    static bool Type(fParam& window, const QString& name, const QString& text) {
        platform::Grid& grid = *window.fg();
        grid.Select(RowOf(window, name), fParam::ColUser);
        if (!grid.EditCell())
            return false;
        grid.SetEditText(text);
        return grid.FinishEditing();
    }

    static QString Cell(const fParam& window, const QString& name, int col = fParam::ColUser) {
        return window.fg()->TextMatrix(RowOf(window, name), col);
    }

    QStringList Messages() const { return prompter_.MessageTexts(); }

private slots:
    void init() {
        prompter_.Clear();
        errorBoxes_.clear();
        hlpkit::CMethod::SetErrorBox(
            [this](const QString&, const QString& text) { errorBoxes_.append(text); });
        services_ = std::make_unique<FakeServices>();
        modes_ = std::make_unique<vokg::CModes>(vokg::ModelContext{method_, messenger_});
        vokg::CModes& modes = *modes_;
        auto& basic = modes.Add(QStringLiteral("BASIC")).Digits();
        basic.Add("SPEED", "NUM", "rpm", "0", "100", "Sewing speed", "Top speed of the head", 0, 2);
        basic.Add("TEN", "NUM", "", "10", "10", "Fixed", "", 2, 1);
        basic.Add("FREE", "NUM", "", "", "", "No range", "", 3, 1);
        basic.Add("LOW", "NUM", "rpm", "0", "SPEED", "Slow start", "", 4, 2);
        basic.Add("LAMP", "SEL", "", "", "", "Lamp", "", 6, 1);
        basic.Item(QStringLiteral("LAMP"))->Selections().Add("OF", 0);
        basic.Item(QStringLiteral("LAMP"))->Selections().Add("ON", 1);
        basic.Add("COLOR", "SEL", "", "", "", "Colour", "", 7, 1);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("RED", 0);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("GREEN", 1);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("BLUE", 2);
        auto& special = modes.Add(QStringLiteral("SPECIAL")).Digits();
        special.Add("DB1", "NUM", "", "0", "255", "Switches 1", "", 8, 1);
        special.Add("DB5", "SEL", "", "", "", "Switches 5", "", 9, 1);
        special.Item(QStringLiteral("DB5"))->Selections().Add("OF", 0);
        special.Item(QStringLiteral("DB5"))->Selections().Add("ON", 1);
        modes.Add(QStringLiteral("MANUFACTURER")).Digits().Add("M1", "NUM", "", "0", "9", "Maker", "", 10, 1);
        modes.Add(QStringLiteral("EMPTY"));
        Digital("BASIC", "SPEED").SetUserValue(50);
        Digital("BASIC", "TEN").SetUserValue(10);
        Digital("BASIC", "FREE").SetUserValue(3);
        Digital("BASIC", "LOW").SetUserValue(20);
        Digital("BASIC", "LAMP").SetUserValue(1);
        Digital("BASIC", "COLOR").SetUserValue(2);
        modes.UpdateMaxMin();
    }

    void cleanup() {
        for (auto& window : windows_) {
            window->ControlChange(false);
            window->close();
        }
        windows_.clear();
        hlpkit::CMethod::ResetErrorBox();
        QVERIFY2(errorBoxes_.isEmpty(), qPrintable(errorBoxes_.join(QLatin1Char('\n'))));
    }

    void fillsOneModeInDefinitionOrder() {
        fParam& window = Open(QStringLiteral("BASIC"));
        QCOMPARE(window.windowTitle(), QStringLiteral("BASIC[*]"));
        QCOMPARE(window.fg()->Rows(), 7);
        QCOMPARE(window.fg()->FixedCols(), 7);
        QCOMPARE(window.fg()->TextMatrix(0, fParam::ColUser), QStringLiteral("User\r\nvalue"));
        QCOMPARE(window.fg()->TextMatrix(1, fParam::ColDigital), QStringLiteral("SPEED"));
        QCOMPARE(Cell(window, "COLOR"), QStringLiteral("BLUE"));
        QCOMPARE(Cell(window, "LOW", fParam::ColMax), QStringLiteral("50"));
        QCOMPARE(Cell(window, "SPEED", fParam::ColComparison), QStringLiteral("-"));
        QVERIFY(window.fg()->ColHidden(fParam::ColDif));
        QCOMPARE(window.lblLines()->text(), QStringLiteral("6"));
        // No print dialog is offered by these services.
        QVERIFY(!window.BTN(2)->isEnabled());
        QVERIFY(window.BTN(4)->isEnabled());
    }

    void valuesAreRoundedHalfToEven_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("model");
        QTest::newRow("12.5 down to even") << "12.5"
                                           << "12" << 12;
        QTest::newRow("13.5 up to even") << "13.5"
                                         << "14" << 14;
        QTest::newRow("lower bound") << "0"
                                     << "0" << 0;
        QTest::newRow("upper bound") << "100"
                                     << "100" << 100;
        QTest::newRow("100.5 rounds into the range") << "100.5"
                                                     << "100" << 100;
        QTest::newRow("surrounding spaces and a sign") << " +42 "
                                                       << "42" << 42;
    }
    void valuesAreRoundedHalfToEven() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, model);
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(window, "SPEED", typed));
        QCOMPARE(Cell(window, "SPEED"), stored);
        QVERIFY(Messages().isEmpty());
        // Nothing reaches the model before Update_Variable.
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 50);
        QVERIFY(window.Update_Variable());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), model);
    }

    void refusedValuesKeepTheEditOpen_data() {
        QTest::addColumn<QString>("digital");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "SPEED"
                               << "" << kInputValue;
        QTest::newRow("empty without a range") << "FREE"
                                               << "" << kInputValue;
        QTest::newRow("above MAX") << "SPEED"
                                   << "101" << kOutOfRange;
        QTest::newRow("below MIN") << "SPEED"
                                   << "-1" << kOutOfRange;
        QTest::newRow("100.6 rounds out of range") << "SPEED"
                                                   << "100.6" << kOutOfRange;
        QTest::newRow("beyond 32 bits") << "SPEED"
                                        << "99999999999" << kOutOfRange;
        QTest::newRow("only spaces") << "SPEED"
                                     << "   " << kInputValue;
        QTest::newRow("no number at all") << "TEN"
                                          << "abc" << kInputValue;
        QTest::newRow("a number then text") << "SPEED"
                                            << "42abc" << kInputValue;
        QTest::newRow("an exponent") << "SPEED"
                                     << "1e1" << kInputValue;
        QTest::newRow("no range: still a number") << "FREE"
                                                  << "abc" << kInputValue;
        QTest::newRow("no range: what a 1-byte field holds") << "FREE"
                                                             << "256" << kOutOfRange;
        QTest::newRow("MIN = MAX = 10 refuses 9") << "TEN"
                                                  << "9" << kOutOfRange;
        QTest::newRow("MIN = MAX = 10 refuses 11") << "TEN"
                                                   << "11" << kOutOfRange;
        QTest::newRow("MIN = MAX = 10 refuses 10.6") << "TEN"
                                                     << "10.6" << kOutOfRange;
    }
    void refusedValuesKeepTheEditOpen() {
        QFETCH(QString, digital);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        fParam& window = Open(QStringLiteral("BASIC"));
        const QString before = Cell(window, digital);
        QVERIFY(!Type(window, digital, typed));
        QCOMPARE(Messages(), QStringList{message});
        QCOMPARE(prompter_.Prompts().first().kind, int(platform::BoxKind::Exclamation));
        QVERIFY(window.fg()->IsEditing());
        QCOMPARE(window.fg()->EditText(), typed);
        QCOMPARE(Cell(window, digital), before);
        // The refused text is still there to lose: the window counts as changed until it goes.
        QVERIFY(window.IsChanged());
        window.fg()->CancelEditing();
        QVERIFY(!window.IsChanged());
    }

    void acceptedWithoutConversion_data() {
        QTest::addColumn<QString>("digital");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("MIN = MAX = 10 accepts 10") << "TEN"
                                                   << "10"
                                                   << "10";
        QTest::newRow("MIN = MAX = 10 accepts 9.5, which is 10") << "TEN"
                                                                 << "9.5"
                                                                 << "10";
        QTest::newRow("MIN = MAX = 10 accepts 10.5, which is 10") << "TEN"
                                                                  << "10.5"
                                                                  << "10";
        QTest::newRow("no range: the whole number") << "FREE"
                                                    << "7.5"
                                                    << "8";
        QTest::newRow("no range: up to what the field holds") << "FREE"
                                                              << "255"
                                                              << "255";
        QTest::newRow("a choice") << "COLOR"
                                  << "GREEN"
                                  << "GREEN";
    }
    void acceptedWithoutConversion() {
        QFETCH(QString, digital);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(window, digital, typed));
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Cell(window, digital), stored);
    }

    void selectionDigitalsOfferTheirChoices() {
        fParam& window = Open(QStringLiteral("BASIC"));
        platform::Grid& grid = *window.fg();
        grid.Select(RowOf(window, "COLOR"), fParam::ColUser);
        QVERIFY(grid.EditCell());
        QCOMPARE(grid.ComboList(), QStringLiteral("RED|GREEN|BLUE"));
        grid.CancelEditing();
        grid.Select(RowOf(window, "SPEED"), fParam::ColUser);
        QVERIFY(grid.EditCell());
        QCOMPARE(grid.ComboList(), QString());
        grid.CancelEditing();
        // An ON/OFF digital is toggled, never edited.
        grid.Select(RowOf(window, "LAMP"), fParam::ColUser);
        QCOMPARE(grid.Editable(), platform::GridEditMode::Off);
        QVERIFY(!grid.EditCell());
        grid.Select(RowOf(window, "SPEED"), fParam::ColComparison);
        QVERIFY(!grid.EditCell());
    }

    void spaceTogglesOnOff_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // The model holds ON: the window is changed while the value differs from it.
        QTest::addColumn<bool>("changed");
        QTest::newRow("ON becomes OF") << "ON"
                                       << "OF" << true;
        QTest::newRow("OF becomes ON") << "OF"
                                       << "ON" << false;
        QTest::newRow("any other text becomes ON") << "?"
                                                   << "ON" << false;
        QTest::newRow("lower case on becomes ON") << "on"
                                                  << "ON" << false;
    }
    void spaceTogglesOnOff() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, changed);
        fParam& window = Open(QStringLiteral("BASIC"));
        const int row = RowOf(window, "LAMP");
        window.fg()->SetTextMatrix(row, fParam::ColUser, before);
        window.fg()->Select(row, fParam::ColUser);
        window.fg()->View()->setFocus();
        QTest::keyClick(window.fg()->View(), Qt::Key_Space);
        QCOMPARE(Cell(window, "LAMP"), after);
        QCOMPARE(window.IsChanged(), changed);
        // Space on a row that is not ON/OFF changes nothing.
        window.fg()->Select(RowOf(window, "SPEED"), fParam::ColUser);
        QTest::keyClick(window.fg()->View(), Qt::Key_Space);
        QCOMPARE(Cell(window, "SPEED"), QStringLiteral("50"));
    }

    void db5OfTheSpecialModeShowsTheManufacturerMenu() {
        fParam& window = Open(QStringLiteral("SPECIAL"));
        const int row = RowOf(window, "DB5");
        QCOMPARE(Cell(window, "DB5"), QStringLiteral("OF"));
        QVERIFY(window.ToggleOnOff(row));
        QVERIFY(window.ToggleOnOff(row));
        QCOMPARE(services_->manufacturerMenu, (QList<bool>{true, false}));
        // The special mode's switches carry no edit mark, yet still reach the model.
        QVERIFY(window.ToggleOnOff(row));
        QVERIFY(!window.IsRowEdited(row));
        QVERIFY(window.Update_Variable());
        QCOMPARE(Digital("SPECIAL", "DB5").UserValue(), 1);
        prompter_.QueueAnswer(Answer::No);
        QVERIFY(window.close());
        QCOMPARE(services_->manufacturerMenu.last(), false);
        QCOMPARE(services_->closed.size(), 1);
    }

    void differentNeedsAComparison() {
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(!window.opDisp(fParam::ShowDifferent)->isEnabled());
        QVERIFY(!window.BTN(3)->isEnabled());
        window.SetFilter(fParam::ShowDifferent);
        QCOMPARE(window.CurrentFilter(), int(fParam::ShowAll));
        QCOMPARE(window.VisibleLines(), 6);

        Digital("BASIC", "SPEED").SetCmpValue(60);
        Digital("BASIC", "TEN").SetCmpValue(10);
        Digital("BASIC", "FREE").SetCmpValue(3);
        Digital("BASIC", "LOW").SetCmpValue(20);
        Digital("BASIC", "LAMP").SetCmpValue(0);
        Digital("BASIC", "COLOR").SetCmpValue(2);
        services_->comparison = true;
        window.PasteHikakuValue();
        QVERIFY(window.opDisp(fParam::ShowDifferent)->isEnabled());
        QVERIFY(window.BTN(3)->isEnabled());
        QVERIFY(!window.fg()->ColHidden(fParam::ColDif));
        QCOMPARE(Cell(window, "SPEED", fParam::ColComparison), QStringLiteral("60"));
        QCOMPARE(Cell(window, "LAMP", fParam::ColComparison), QStringLiteral("OF"));
        QCOMPARE(Cell(window, "SPEED", fParam::ColDif), QStringLiteral("DIF"));
        QCOMPARE(Cell(window, "TEN", fParam::ColDif), QString());

        QTest::mouseClick(window.opDisp(fParam::ShowDifferent), Qt::LeftButton);
        QCOMPARE(window.CurrentFilter(), int(fParam::ShowDifferent));
        QCOMPARE(window.VisibleLines(), 2);
        QCOMPARE(window.lblLines()->text(), QStringLiteral("2"));
        QVERIFY(window.fg()->RowHidden(RowOf(window, "TEN")));
        // An edit that makes a row equal its comparison value leaves it visible until the next filter.
        QVERIFY(Type(window, "SPEED", "60"));
        QCOMPARE(Cell(window, "SPEED", fParam::ColDif), QString());
        window.SetFilter(fParam::ShowDifferent);
        QCOMPARE(window.VisibleLines(), 1);

        window.SetFilter(fParam::ShowEdited);
        QCOMPARE(window.VisibleLines(), 1);
        QVERIFY(!window.fg()->RowHidden(RowOf(window, "SPEED")));

        // Losing the comparison falls back to all rows.
        services_->comparison = false;
        window.SetFilter(fParam::ShowDifferent);
        window.PasteHikakuValue();
        QCOMPARE(window.CurrentFilter(), int(fParam::ShowAll));
        QVERIFY(window.fg()->ColHidden(fParam::ColDif));
        QCOMPARE(Cell(window, "SPEED", fParam::ColComparison), QStringLiteral("-"));
    }

    void copyAllComparisonValues_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("copied");
        QTest::newRow("yes") << int(Answer::Yes) << true;
        QTest::newRow("no") << int(Answer::No) << false;
    }
    void copyAllComparisonValues() {
        QFETCH(int, answer);
        QFETCH(bool, copied);
        Digital("BASIC", "SPEED").SetCmpValue(80);
        services_->comparison = true;
        fParam& window = Open(QStringLiteral("BASIC"));
        fParam& other = Open(QStringLiteral("BASIC"));
        prompter_.QueueAnswer(Answer(answer));
        window.BTN_Click(3);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Are you sure to reset all value ?")});
        QCOMPARE(Cell(window, "SPEED"), copied ? QStringLiteral("80") : QStringLiteral("50"));
        QCOMPARE(window.IsChanged(), copied);
        QCOMPARE(Cell(other, "SPEED"), Cell(window, "SPEED"));
        // LOW's upper bound names SPEED and follows the copied value.
        QCOMPARE(Digital("BASIC", "LOW").Max(), copied ? QStringLiteral("80") : QStringLiteral("50"));
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 50);
    }

    void findOnAnEmptyGridSaysNotFound() {
        fParam& window = Open(QStringLiteral("EMPTY"));
        QCOMPARE(window.fg()->Rows(), 1);
        QVERIFY(!window.BTN(3)->isEnabled());
        QVERIFY(!window.BTN(4)->isEnabled());
        prompter_.QueueInput(QStringLiteral(" spe "));
        QTest::mouseClick(window.btnFind(), Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{kNotFound});
        QCOMPARE(services_->settings.value(QStringLiteral("WordToFind")), QStringLiteral("SPE"));
        QCOMPARE(prompter_.Prompts().first().title, QStringLiteral("Find digital"));
        QCOMPARE(prompter_.Prompts().first().text, QStringLiteral("Input digital value."));
    }

    void findWalksTheHits() {
        services_->settings.insert(QStringLiteral("WordToFind"), QStringLiteral("old"));
        fParam& window = Open(QStringLiteral("BASIC"));
        prompter_.QueueInput(QStringLiteral("e"));
        prompter_.QueueAnswer(Answer::Yes); // SPEED, continue
        prompter_.QueueAnswer(Answer::Yes); // TEN, continue
        prompter_.QueueAnswer(Answer::Yes); // FREE, continue
        prompter_.QueueAnswer(Answer::Yes); // end of grid: again from the top
        prompter_.QueueAnswer(Answer::No);  // SPEED, stop here
        window.FindOp();
        const QString more = QStringLiteral("\n\nDo you continue to find ?");
        QCOMPARE(
            Messages(),
            (QStringList{"[SPEED]" + more, "[TEN]" + more, "[FREE]" + more,
                         QStringLiteral("Searching digital has finished. Do you search from the top again ?"),
                         "[SPEED]" + more}));
        QCOMPARE(window.fg()->Row(), RowOf(window, "SPEED"));
        QCOMPARE(services_->settings.value(QStringLiteral("WordToFind")), QStringLiteral("E"));
    }

    // A digital the row filter hides is still found: the filter goes back to "All" to show it.
    void findShowsARowTheFilterHides() {
        fParam& window = Open(QStringLiteral("BASIC"));
        QTest::mouseClick(window.opDisp(fParam::ShowEdited), Qt::LeftButton);
        QCOMPARE(window.VisibleLines(), 0);
        prompter_.QueueInput(QStringLiteral("free"));
        prompter_.QueueAnswer(Answer::No);
        QTest::mouseClick(window.btnFind(), Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{QStringLiteral("[FREE]\n\nDo you continue to find ?")});
        QCOMPARE(window.CurrentFilter(), int(fParam::ShowAll));
        QVERIFY(window.opDisp(fParam::ShowAll)->isChecked());
        QVERIFY(!window.fg()->RowHidden(RowOf(window, "FREE")));
        QCOMPARE(window.fg()->Row(), RowOf(window, "FREE"));
    }

    // A window that only shows a digital never writes it back over another window's edit.
    void aWindowPushesOnlyItsOwnEdits() {
        fParam& first = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(first, "SPEED", "60"));
        // Opened afterwards without taking the edit over, it still shows the model's 50.
        fParam& second = Open(QStringLiteral("BASIC"));
        QCOMPARE(Cell(second, "SPEED"), QStringLiteral("50"));
        QVERIFY(Type(second, "FREE", "7"));
        QVERIFY(first.Update_Variable());
        QVERIFY(second.Update_Variable());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 60);
        QCOMPARE(Digital("BASIC", "FREE").UserValue(), 7);
    }

    void findCancelledChangesNothing() {
        services_->settings.insert(QStringLiteral("WordToFind"), QStringLiteral("OLD"));
        fParam& window = Open(QStringLiteral("BASIC"));
        prompter_.QueueInput(std::nullopt);
        window.FindOp();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(services_->settings.value(QStringLiteral("WordToFind")), QStringLiteral("OLD"));
    }

    void rangeCheckOverACleanGridReportsOnce() {
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(window.CheckRange());
        QCOMPARE(Messages(), QStringList{kCheckDone});
        prompter_.Clear();
        window.BTN_Click(4);
        QCOMPARE(Messages(), QStringList{kCheckDone});
    }

    void rangeCheckStopsAtAValueOutOfRange() {
        Digital("BASIC", "SPEED").SetUserValue(150);
        Digital("BASIC", "LOW").SetUserValue(200);
        modes_->UpdateMaxMin();
        fParam& window = Open(QStringLiteral("BASIC"));
        prompter_.QueueAnswer(Answer::Yes);
        prompter_.QueueAnswer(Answer::No);
        QVERIFY(!window.CheckRange());
        const QString head =
            QStringLiteral("Following digital value is out of range. Continue to check?\n\n");
        QCOMPARE(Messages(), (QStringList{head + "Digital = SPEED\nMIN = 0\nMAX = 100\nValue = 150",
                                          head + "Digital = LOW\nMIN = 0\nMAX = 150\nValue = 200"}));
        QCOMPARE(window.fg()->Row(), RowOf(window, "LOW"));
    }

    void editsAppearInEveryWindowOfTheMode() {
        fParam& all = Open(fParam::AllModesName());
        fParam& basic = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(basic, "SPEED", "70"));
        QCOMPARE(Cell(all, "SPEED"), QStringLiteral("70"));
        QVERIFY(all.IsRowEdited(RowOf(all, "SPEED")));
        QVERIFY(all.IsChanged());
        QVERIFY(basic.IsChanged());
        // The bound that names SPEED follows in the model and in both windows.
        QCOMPARE(Digital("BASIC", "LOW").Max(), QStringLiteral("70"));
        QCOMPARE(Cell(all, "LOW", fParam::ColMax), QStringLiteral("70"));
        QCOMPARE(Cell(basic, "LOW", fParam::ColMax), QStringLiteral("70"));
        // and the range of LOW is now the new bound.
        QVERIFY(!Type(all, "LOW", "71"));
        QCOMPARE(Messages(), QStringList{kOutOfRange});
        all.fg()->CancelEditing();
        QVERIFY(Type(all, "LOW", "70"));
        QCOMPARE(Cell(basic, "LOW"), QStringLiteral("70"));
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 50);
    }

    void updateVariableAndDroppingEdits() {
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(window, "SPEED", "77"));
        QVERIFY(Type(window, "COLOR", "RED"));
        QVERIFY(window.IsRowEdited(RowOf(window, "SPEED")));
        QVERIFY(window.IsChanged());
        QVERIFY(window.Update_Variable());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 77);
        QCOMPARE(Digital("BASIC", "COLOR").UserValue(), 0);
        QVERIFY(!window.IsRowEdited(RowOf(window, "SPEED")));

        QVERIFY(Type(window, "SPEED", "33"));
        window.ControlChange(false);
        QVERIFY(!window.IsChanged());
        QCOMPARE(Cell(window, "SPEED"), QStringLiteral("77"));
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 77);
    }

    void updateVariableTakesTheValueBeingTyped() {
        fParam& window = Open(QStringLiteral("BASIC"));
        platform::Grid& grid = *window.fg();
        grid.Select(RowOf(window, "SPEED"), fParam::ColUser);
        QVERIFY(grid.EditCell());
        grid.SetEditText(QStringLiteral("88"));
        QVERIFY(window.Update_Variable());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 88);
        QVERIFY(!grid.IsEditing());

        // A text that is refused stays in the cell editor and is reported as not taken.
        grid.Select(RowOf(window, "SPEED"), fParam::ColUser);
        QVERIFY(grid.EditCell());
        grid.SetEditText(QStringLiteral("500"));
        QVERIFY(!window.Update_Variable());
        QCOMPARE(Messages(), QStringList{kOutOfRange});
        QVERIFY(grid.IsEditing());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 88);
        grid.CancelEditing();
    }

    void aValueNoChoiceNamesSurvivesUpdateVariable() {
        Digital("BASIC", "COLOR").SetUserValue(9);
        fParam& window = Open(QStringLiteral("BASIC"));
        QCOMPARE(Cell(window, "COLOR"), QStringLiteral("?"));
        QVERIFY(window.Update_Variable());
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Digital("BASIC", "COLOR").UserValue(), 9);
    }

    void saveButtonSavesAndClearsEveryWindow() {
        fParam& window = Open(QStringLiteral("BASIC"));
        fParam& other = Open(QStringLiteral("SPECIAL"));
        QVERIFY(Type(window, "SPEED", "90"));
        QVERIFY(Type(other, "DB1", "7"));
        QTest::mouseClick(window.BTN(1), Qt::LeftButton);
        QCOMPARE(services_->saves, (QList<QPair<vokg::SaveMode, bool>>{{vokg::SaveMode::Overwrite, true}}));
        QVERIFY(!window.IsChanged());
        QVERIFY(!other.IsChanged());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 90);
        QCOMPARE(Digital("SPECIAL", "DB1").UserValue(), 7);

        services_->saveSucceeds = false;
        QVERIFY(Type(window, "SPEED", "91"));
        window.BTN_Click(1);
        QVERIFY(window.IsChanged());
        QCOMPARE(Cell(window, "SPEED"), QStringLiteral("91"));
    }

    void aMachineDataFileIsNeverSavedFromTheWindow() {
        services_->dsg = false;
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(!window.BTN(1)->isEnabled());
        QVERIFY(Type(window, "SPEED", "66"));
        window.BTN_Click(1);
        QVERIFY(services_->saves.isEmpty());
        QVERIFY(window.IsChanged());
    }

    void closingQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("saved");
        QTest::newRow("yes saves and closes") << int(Answer::Yes) << true << true << 1;
        QTest::newRow("yes with a failed save stays") << int(Answer::Yes) << false << false << 1;
        QTest::newRow("no closes without saving") << int(Answer::No) << true << true << 0;
        QTest::newRow("cancel stays") << int(Answer::Cancel) << true << false << 0;
    }
    void closingQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, saveSucceeds);
        QFETCH(bool, closes);
        QFETCH(int, saved);
        services_->saveSucceeds = saveSucceeds;
        fParam& window = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(window, "SPEED", "66"));
        prompter_.QueueAnswer(Answer(answer));
        window.BTN_Click(9);
        QCOMPARE(Messages(),
                 QStringList{QStringLiteral("Data is chaneged on this window. Do you save it ?\n\nBASIC")});
        QCOMPARE(prompter_.Prompts().first().kind, int(platform::BoxKind::QuestionYesNoCancel));
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(services_->closed.size(), closes ? 1 : 0);
        QCOMPARE(services_->saves.size(), saved);
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), saved && saveSucceeds ? 66 : 50);
        if (!closes)
            QCOMPARE(Cell(window, "SPEED"), QStringLiteral("66"));
    }

    void closingInsideTheFrameTakesTheSubWindow() {
        QMdiArea area;
        area.resize(900, 700);
        auto* window = new fParam(*modes_, *services_, messenger_, method_, QStringLiteral("BASIC"));
        services_->windows.append(window);
        QPointer<QMdiSubWindow> frame = area.addSubWindow(window);
        QPointer<fParam> alive = window;
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY(Type(*window, "SPEED", "66"));
        prompter_.QueueAnswer(Answer::Cancel);
        window->BTN_Click(9);
        QCOMPARE(Messages().size(), 1);
        QVERIFY(frame && frame->isVisible());
        prompter_.QueueAnswer(Answer::No);
        window->BTN_Click(9);
        QCOMPARE(Messages().size(), 2);
        QTRY_VERIFY(frame.isNull());
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(services_->closed.size(), 1);
        QVERIFY(services_->windows.isEmpty());
        QCOMPARE(Digital("BASIC", "SPEED").UserValue(), 50);
    }

    void closingWithoutChangesOrWhileBusyAsksNothing() {
        fParam& clean = Open(QStringLiteral("BASIC"));
        QVERIFY(clean.close());
        services_->busy = true;
        fParam& edited = Open(QStringLiteral("BASIC"));
        QVERIFY(Type(edited, "SPEED", "66"));
        QVERIFY(edited.close());
        QVERIFY(Messages().isEmpty());
        QCOMPARE(services_->closed.size(), 2);
    }

    void allModesLeavesTheReservedModesOut_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("passwordRight");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("withSpecial");
        QTest::newRow("option off") << "False" << true << false << false;
        QTest::newRow("option on, right password") << "True" << true << true << true;
        QTest::newRow("option on, wrong password") << "True" << false << true << false;
    }
    void allModesLeavesTheReservedModesOut() {
        QFETCH(QString, option);
        QFETCH(bool, passwordRight);
        QFETCH(bool, asked);
        QFETCH(bool, withSpecial);
        services_->settings.insert(QStringLiteral("DoesOpenSpecialModeWhelAll"), option);
        services_->passwordRight = passwordRight;
        fParam& window = Open(fParam::AllModesName());
        QVERIFY(window.IsAllModes());
        QCOMPARE(window.Caption(), QStringLiteral("All"));
        QCOMPARE(services_->passwordKinds, asked ? QList<int>{0} : QList<int>{});
        QCOMPARE(Messages(),
                 asked && !withSpecial
                     ? QStringList{QStringLiteral("You missed password. Special mode is not displayed.")}
                     : QStringList{});
        QCOMPARE(RowOf(window, "DB5") > 0, withSpecial);
        QCOMPARE(RowOf(window, "M1"), -1);
        QCOMPARE(window.fg()->Rows(), 1 + 6 + (withSpecial ? 2 : 0));
    }

    void detailTipCoversTheDetailColumn() {
        fParam& window = Open(QStringLiteral("BASIC"));
        const std::optional<QRect> cell = window.fg()->CellRect(1, fParam::ColDetail);
        QVERIFY(cell);
        QCOMPARE(window.HitLimit(cell->center().x(), cell->center().y()), std::optional<int>(1));
        const std::optional<QRect> value = window.fg()->CellRect(1, fParam::ColUser);
        QVERIFY(value);
        QCOMPARE(window.HitLimit(value->center().x(), value->center().y()), std::nullopt);
        QCOMPARE(Cell(window, "SPEED", fParam::ColDetail), QStringLiteral("?"));
        QCOMPARE(Cell(window, "TEN", fParam::ColDetail), QString());
    }
};

QTEST_MAIN(TestParam)
#include "tst_fParam.moc"
