#include "editors/InputWindow.h"
#include "editors/fHeader.h"
#include "editors/fParam.h"
#include "editors/fPrint.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/CSelectTable.h"
#include "platform/gui/Grid.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/WhenShown.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using platform::Answer;
using testsupport::WhenShown;
using vokg::FileKind;
using vokg::fParam;
using vokg::SaveMode;

namespace {

const QString kNotSaved = QStringLiteral("Data is not saved. Do you save it ?");
const QString kOutOfRange = QStringLiteral("Input value is out of range.");
QString WindowQuestion(const QString& caption) {
    return QStringLiteral("Data is chaneged on this window. Do you save it ?\n\n") + caption;
}
const QString kReadOnlyQuestion = QStringLiteral("The changes cannot be saved: a machine data file (*.dat) "
                                                 "is read only.\n\nDo you go on without saving them ?");

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndTheParameterMenu();
    void saveIsOnlyForDesignFiles();
    void atMostFourEditorWindows();
    void menuChecksFollowTheOpenWindows();
    void editsAndComparisonMarksOnScreen();
    void exitAsksAboutUnsavedData_data();
    void exitAsksAboutUnsavedData();
    void cancelAtExitKeepsEveryWindow_data();
    void cancelAtExitKeepsEveryWindow();
    void aWindowOpenedLaterShowsThePendingEdit();
    void toolbarOpenAndSaveButtonsAct();
    void everyRouteFinishesTheTypedValue_data();
    void everyRouteFinishesTheTypedValue();
    void aRefusedValueIsNeverReportedSaved();
    void aMachineDataFileIsNeverWritten();
    void droppingEditsRestoresTheBounds_data();
    void droppingEditsRestoresTheBounds();
    void droppingEditsRestoresTheManufacturerItem();
    void printKeepsAnUnsavedPasswordAndAuthor_data();
    void printKeepsAnUnsavedPasswordAndAuthor();
    void headerSaveClearsTheWindowsMarks();
    void noBeforeAnOpenDropsThePasswordChange();
    void windowsStandSideBySide();
};

void MainWindowTest::captionsAndTheParameterMenu() {
    MainWindowFixture main;
    QCOMPARE(main.window->windowTitle(), main.fixture.App().Identity().baseName + QStringLiteral(" Ver1.12"));
    const QList<QAction*> items = main.window->ParameterMenu()->actions();
    QCOMPARE(items.first()->text(), QStringLiteral("All"));
    QVERIFY(items.at(1)->isSeparator());
    QCOMPARE(items.size(), 2 + main.fixture.App().Modes().Count());
    QVERIFY(!main.MenuItem(QStringLiteral("MANUFACTURER"))->isVisible());
    QVERIFY(main.MenuItem(QStringLiteral("SPECIAL"))->isVisible());
    QCOMPARE(main.window->GetMenuIndexByMode(QStringLiteral("SEWING")), 4);
    QCOMPARE(main.window->GetMenuIndexByMode(QStringLiteral("NONE")), 0);
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QCOMPARE(main.window->findChild<QLabel*>(QStringLiteral("keyUSER"))->text(),
             QStringLiteral("SAMPLE.DSG[1] (VK-2300, 1.00)"));
}

void MainWindowTest::saveIsOnlyForDesignFiles() {
    MainWindowFixture main;
    QVERIFY(!main.SaveAll()->isEnabled());
    QVERIFY(!main.window->ParameterMenu()->isEnabled());
    QVERIFY(main.window->OpenCommandLineFile(main.dat));
    QVERIFY(!main.SaveAll()->isEnabled());
    QVERIFY(main.window->ParameterMenu()->isEnabled());
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QVERIFY(main.SaveAll()->isEnabled());
}

void MainWindowTest::atMostFourEditorWindows() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    // The option opens the all-modes window with the file.
    QCOMPARE(main.window->CountInputForms(), 1);
    for (const char* mode : {"MACHINE", "SEWING", "SPEED"})
        main.OpenMode(QLatin1String(mode));
    QCOMPARE(main.window->CountInputForms(), 4);
    main.Prompter().Clear();
    main.OpenMode(QStringLiteral("THREAD"));
    QCOMPARE(main.Prompter().MessageTexts(), QStringList{QStringLiteral("Please close other window.")});
    QCOMPARE(main.window->CountInputForms(), 4);
    // A window already open is only brought to the front.
    main.Prompter().Clear();
    main.OpenMode(QStringLiteral("MACHINE"));
    QVERIFY(main.Prompter().Prompts().isEmpty());
    QCOMPARE(main.window->CountInputForms(), 4);
    QCOMPARE(main.window->Mdi()->activeSubWindow()->widget(),
             main.window->ExistForm(QStringLiteral("MACHINE")));
    // A wrong special-mode password opens nothing.
    MainWindowFixture::CloseBox(main.window->ExistForm(QStringLiteral("SPEED")));
    main.Prompter().QueueInput(QStringLiteral("0000"));
    main.OpenMode(QStringLiteral("SPECIAL"));
    QCOMPARE(main.Prompter().MessageTexts().last(),
             QStringLiteral("You missed password. Special mode is not displayed."));
    QVERIFY(!main.window->ExistForm(QStringLiteral("SPECIAL")));
}

void MainWindowTest::menuChecksFollowTheOpenWindows() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    auto checked = [&](const char* mode) { return main.MenuItem(QLatin1String(mode))->isChecked(); };
    for (const char* mode : {"MACHINE", "SEWING", "SPEED"})
        main.OpenMode(QLatin1String(mode));
    QVERIFY(checked("All") && checked("MACHINE") && checked("SEWING") && checked("SPEED"));
    // Choosing an open window's item again only brings it to the front: the mark stays.
    main.OpenMode(QStringLiteral("MACHINE"));
    QVERIFY(checked("MACHINE"));
    // A fifth window is refused, and its item gets no mark.
    main.OpenMode(QStringLiteral("THREAD"));
    QVERIFY(!checked("THREAD"));
    MainWindowFixture::CloseBox(main.window->ExistForm(QStringLiteral("SPEED")));
    QVERIFY(!checked("SPEED"));
    // Nor does a mode whose password was missed.
    main.Prompter().QueueInput(QStringLiteral("0000"));
    main.OpenMode(QStringLiteral("SPECIAL"));
    QVERIFY(!checked("SPECIAL"));
    main.OpenMode(QStringLiteral("THREAD"));
    QVERIFY(checked("THREAD"));
}

void MainWindowTest::editsAndComparisonMarksOnScreen() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.OpenMode(QStringLiteral("SEWING"));
    QVERIFY(vokg::FileOpen(main.fixture.App(), *main.window)
                .ReadVOKGData(FileKind::Comparison, main.dsg, 2, false));
    fParam* all = main.Param(QStringLiteral("All"));
    fParam* sewing = main.Param(QStringLiteral("SEWING"));
    QVERIFY(all && sewing);
    // An edit typed in one window, through the rules: the model does not change before the
    // window hands it over, and both windows mark the row edited.
    const vokg::CDigital& digital = main.Digital(QStringLiteral("SEWING"), QStringLiteral("SS1SPD"));
    const int row = *sewing->RowOf(digital);
    QCOMPARE(digital.UserValue(), 400);
    MainWindowFixture::Type(sewing, digital.digital(), QStringLiteral("450"));
    QCOMPARE(sewing->fg()->TextMatrix(row, fParam::ColUser), QStringLiteral("450"));
    QCOMPARE(digital.UserValue(), 400);
    QVERIFY(sewing->IsRowEdited(row));
    QVERIFY(all->IsRowEdited(*all->RowOf(digital)));
    QVERIFY(!sewing->IsRowEdited(row + 1));
    QVERIFY(sewing->IsChanged() && all->IsChanged());
    // Table 2 holds 467 there: the edited row still differs from it, an edit to 467 would not.
    QCOMPARE(sewing->fg()->TextMatrix(row, fParam::ColComparison), QStringLiteral("467"));
    QCOMPARE(sewing->fg()->TextMatrix(row, fParam::ColDif), QStringLiteral("DIF"));
    MainWindowFixture::Type(sewing, QStringLiteral("SS2SPD"), QStringLiteral("667"));
    QCOMPARE(sewing->fg()->TextMatrix(row + 1, fParam::ColDif), QString());
    QVERIFY(sewing->IsRowEdited(row + 1));
    QVERIFY(!sewing->fg()->ColHidden(fParam::ColDif));
    QVERIFY(main.window->findChild<QLabel*>(QStringLiteral("keyHIKAKU"))
                ->text()
                .startsWith(QLatin1String("SAMPLE.DSG[2]")));
    QTest::qWait(200);
    const QString folder =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("VOKG_SCREENSHOT_DIR"));
    if (!folder.isEmpty())
        QVERIFY(main.window->grab().save(QDir(folder).filePath(QStringLiteral("main-window.png"))));
}

void MainWindowTest::exitAsksAboutUnsavedData_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Cancel keeps the program") << Answer::Cancel << false << false;
    QTest::newRow("Yes saves the edit") << Answer::Yes << true << true;
    QTest::newRow("No leaves the file alone") << Answer::No << true << false;
}

void MainWindowTest::exitAsksAboutUnsavedData() {
    QFETCH(Answer, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    const QByteArray before = ReadFile(main.dsg);
    fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    QVERIFY(all->IsChanged());
    auto& prompter = main.Prompter();
    prompter.Clear();
    prompter.QueueAnswer(answer);
    QCOMPARE(main.window->close(), closes);
    QCOMPARE(prompter.MessageTexts(), QStringList{WindowQuestion(QStringLiteral("All"))});
    QCOMPARE(main.window->isVisible(), !closes);
    // The working copy left by the open is gone after the exit.
    QCOMPARE(QFile::exists(main.fixture.App().CreateParaTempName(FileKind::User)), !closes);
    if (!closes) {
        QCOMPARE(main.window->CountInputForms(), 1);
        QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("350"));
    }
    QCOMPARE(ReadFile(main.dsg) == before, !saved);
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), saved ? 350 : 300);
}

void MainWindowTest::cancelAtExitKeepsEveryWindow_data() {
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("questions");
    QTest::newRow("Cancel on the first") << QList<Answer>{Answer::Cancel} << 1;
    QTest::newRow("No, then Cancel") << QList<Answer>{Answer::No, Answer::Cancel} << 2;
}

void MainWindowTest::cancelAtExitKeepsEveryWindow() {
    QFETCH(QList<Answer>, answers);
    QFETCH(int, questions);
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.OpenMode(QStringLiteral("MACHINE"));
    main.OpenMode(QStringLiteral("SEWING"));
    // All and SEWING hold edits, MACHINE none.
    MainWindowFixture::Type(main.Param(QStringLiteral("All")), QStringLiteral("AREAY"),
                            QStringLiteral("250"));
    MainWindowFixture::Type(main.Param(QStringLiteral("SEWING")), QStringLiteral("SSNUM"),
                            QStringLiteral("4"));
    main.Prompter().Clear();
    for (Answer answer : answers)
        main.Prompter().QueueAnswer(answer);
    QVERIFY(!main.window->close());
    QCOMPARE(main.Prompter().MessageTexts().size(), questions);
    QCOMPARE(main.Prompter().MessageTexts().first(), WindowQuestion(QStringLiteral("All")));
    // Every window stays, with every edit.
    QCOMPARE(main.window->CountInputForms(), 3);
    QCOMPARE(MainWindowFixture::Cell(main.Param(QStringLiteral("All")), QStringLiteral("AREAY")),
             QStringLiteral("250"));
    QVERIFY(main.Param(QStringLiteral("All"))->IsChanged());
    QVERIFY(main.Param(QStringLiteral("SEWING"))->IsChanged());
}

void MainWindowTest::aWindowOpenedLaterShowsThePendingEdit() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    MainWindowFixture::Type(main.Param(QStringLiteral("All")), QStringLiteral("AREAX"),
                            QStringLiteral("350"));
    main.OpenMode(QStringLiteral("MACHINE"));
    fParam* machine = main.Param(QStringLiteral("MACHINE"));
    QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("AREAX")), QStringLiteral("350"));
    QVERIFY(machine->IsChanged());
    // The bound that names the edited value shows the pending value too.
    QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax), QStringLiteral("350"));
    main.Prompter().Clear();
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Save all"));
    QVERIFY(main.Prompter().Prompts().isEmpty());
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 350);
    QVERIFY(!machine->IsChanged());
    QCOMPARE(MainWindowFixture::Cell(main.Param(QStringLiteral("All")), QStringLiteral("AREAX")),
             QStringLiteral("350"));
}

void MainWindowTest::toolbarOpenAndSaveButtonsAct() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    MainWindowFixture::Type(main.Param(QStringLiteral("All")), QStringLiteral("AREAX"),
                            QStringLiteral("360"));
    // The main part of Save, not its arrow, overwrites the user file.
    QToolButton* save = main.ToolButton("keySAVE");
    main.Prompter().Clear();
    QTest::mouseClick(save, Qt::LeftButton, {}, QPoint(6, save->height() / 2));
    QVERIFY(main.Prompter().Prompts().isEmpty());
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 360);
    QVERIFY(!main.Param(QStringLiteral("All"))->IsChanged());
    // Open asks for the file to open; cancelled, nothing changes.
    main.Prompter().QueueFile(std::nullopt);
    QTest::mouseClick(main.ToolButton("keyOPEN"), Qt::LeftButton);
    QCOMPARE(main.Prompter().Prompts().size(), 1);
    QCOMPARE(main.Prompter().Prompts().first().what, QStringLiteral("open"));
    QCOMPARE(main.window->CountInputForms(), 1);
}

// Each route that ends a window or replaces its values, taken while a value is still being typed.
void MainWindowTest::everyRouteFinishesTheTypedValue_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("question"); // empty: the route saves without asking
    QTest::newRow("main window close box") << "close box" << WindowQuestion(QStringLiteral("All"));
    QTest::newRow("toolbar Close") << "keyCLOSE" << WindowQuestion(QStringLiteral("All"));
    QTest::newRow("File, Close") << "&Close" << WindowQuestion(QStringLiteral("All"));
    QTest::newRow("File, Open") << "&Open" << kNotSaved;
    QTest::newRow("the window's close box") << "window close box" << WindowQuestion(QStringLiteral("All"));
    QTest::newRow("the window's Close") << "BTN9" << WindowQuestion(QStringLiteral("All"));
    QTest::newRow("Print") << "BTN2" << kNotSaved;
    QTest::newRow("File, Save all") << "&Save all" << QString();
    QTest::newRow("toolbar Save") << "keySAVE" << QString();
    QTest::newRow("the window's Save") << "BTN1" << QString();
}

void MainWindowTest::everyRouteFinishesTheTypedValue() {
    QFETCH(QString, route);
    QFETCH(QString, question);
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"), false);
    QVERIFY(all->fg()->IsEditing());
    main.Prompter().Clear();
    if (!question.isEmpty())
        main.Prompter().QueueAnswer(Answer::Cancel);
    if (route == QLatin1String("close box")) {
        main.window->close();
    } else if (route.startsWith(QLatin1String("key"))) {
        QToolButton* button = main.ToolButton(qPrintable(route));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    } else if (route.startsWith(QLatin1String("BTN"))) {
        QTest::mouseClick(all->findChild<QPushButton*>(route), Qt::LeftButton);
    } else if (route == QLatin1String("window close box")) {
        MainWindowFixture::CloseBox(all);
    } else {
        main.Pick(QStringLiteral("&File"), route);
    }
    QCoreApplication::processEvents();
    if (question.isEmpty()) {
        // Saved with the typed value, and nothing asked.
        QVERIFY(main.Prompter().Prompts().isEmpty());
        QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 350);
        QVERIFY(!all->IsChanged());
        return;
    }
    // Asked (and answered Cancel): the window, its value and the file stay as they were.
    QCOMPARE(main.Prompter().MessageTexts(), QStringList{question});
    QVERIFY(main.window->isVisible());
    QCOMPARE(main.window->CountInputForms(), 1);
    QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("350"));
    QVERIFY(all->IsChanged());
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 300);
}

void MainWindowTest::aRefusedValueIsNeverReportedSaved() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    const QByteArray before = ReadFile(main.dsg);
    fParam* all = main.Param(QStringLiteral("All"));
    // One value taken, one still being typed out of its range (10 to 400).
    MainWindowFixture::Type(all, QStringLiteral("AREAY"), QStringLiteral("250"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("500"), false);
    main.Prompter().Clear();
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Save all"));
    QCOMPARE(main.Prompter().MessageTexts(), QStringList{kOutOfRange});
    // Nothing written, nothing pushed, the typed text kept where the user can mend it.
    QCOMPARE(ReadFile(main.dsg), before);
    QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAY")).UserValue(), 200);
    QVERIFY(all->IsChanged());
    QVERIFY(all->fg()->IsEditing());
    QCOMPARE(all->fg()->EditText(), QStringLiteral("500"));
    QVERIFY(all->IsRowEdited(MainWindowFixture::RowOf(all, QStringLiteral("AREAY"))));
}

void MainWindowTest::aMachineDataFileIsNeverWritten() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dat));
    const QByteArray before = ReadFile(main.dat);
    fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    QVERIFY(all->IsChanged());
    auto& prompter = main.Prompter();
    // Open, Print and the window's close box ask whether to go on without saving; No stays.
    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Open"));
    prompter.QueueAnswer(Answer::No);
    QTest::mouseClick(all->BTN(2), Qt::LeftButton);
    prompter.QueueAnswer(Answer::No);
    MainWindowFixture::CloseBox(all);
    QCOMPARE(prompter.MessageTexts(), QStringList(3, kReadOnlyQuestion));
    for (const auto& prompt : prompter.Prompts())
        QCOMPARE(prompt.kind, int(platform::BoxKind::QuestionYesNoDefaultNo));
    QCOMPARE(main.window->CountInputForms(), 1);
    QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("350"));
    // A save asked all the same is refused.
    prompter.Clear();
    QVERIFY(!main.window->SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(prompter.MessageTexts(),
             QStringList{QStringLiteral("A machine data file (*.dat) is read only: it is never written.")});
    // Yes at the close box drops the edit and closes the window.
    prompter.Clear();
    prompter.QueueAnswer(Answer::Yes);
    MainWindowFixture::CloseBox(all);
    QCOMPARE(prompter.MessageTexts(), QStringList{kReadOnlyQuestion});
    QCOMPARE(main.window->CountInputForms(), 0);
    QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAX")).UserValue(), 300);
    QCOMPARE(ReadFile(main.dat), before);
}

void MainWindowTest::droppingEditsRestoresTheBounds_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("No at the window's closing question") << "close box";
    QTest::newRow("No before an open") << "&Open";
}

void MainWindowTest::droppingEditsRestoresTheBounds() {
    QFETCH(QString, route);
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    MainWindowFixture::CloseBox(main.Param(QStringLiteral("All")));
    main.OpenMode(QStringLiteral("MACHINE"));
    fParam* machine = main.Param(QStringLiteral("MACHINE"));
    vokg::CDigital& orgx = main.Digital(QStringLiteral("MACHINE"), QStringLiteral("ORGX"));
    MainWindowFixture::Type(machine, QStringLiteral("AREAX"), QStringLiteral("380"));
    // The bound that names AREAX follows the edit at once.
    QCOMPARE(orgx.Max(), QStringLiteral("380"));
    QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax), QStringLiteral("380"));
    main.Prompter().Clear();
    main.Prompter().QueueAnswer(Answer::No);
    if (route == QLatin1String("close box")) {
        MainWindowFixture::CloseBox(machine);
        main.OpenMode(QStringLiteral("MACHINE"));
        machine = main.Param(QStringLiteral("MACHINE"));
    } else {
        main.Prompter().QueueFile(std::nullopt); // the open dialog is then cancelled
        main.Pick(QStringLiteral("&File"), route);
    }
    QCOMPARE(orgx.Max(), QStringLiteral("300"));
    QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("ORGX"), fParam::ColMax), QStringLiteral("300"));
    QCOMPARE(MainWindowFixture::Cell(machine, QStringLiteral("AREAX")), QStringLiteral("300"));
    main.Prompter().Clear();
    MainWindowFixture::Type(machine, QStringLiteral("ORGX"), QStringLiteral("320"));
    QCOMPARE(main.Prompter().MessageTexts(), QStringList{kOutOfRange});
    machine->fg()->CancelEditing();
}

void MainWindowTest::droppingEditsRestoresTheManufacturerItem() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.Prompter().QueueInput(QStringLiteral("7468"));
    main.OpenMode(QStringLiteral("SPECIAL"));
    fParam* special = main.Param(QStringLiteral("SPECIAL"));
    QVERIFY(special);
    QAction* manufacturer = main.window->GetManufacturerMenu();
    QVERIFY(!manufacturer->isVisible());
    special->fg()->Select(MainWindowFixture::RowOf(special, QStringLiteral("DB5")), fParam::ColUser);
    special->fg()->View()->setFocus();
    QTest::keyClick(special->fg()->View(), Qt::Key_Space);
    QCOMPARE(MainWindowFixture::Cell(special, QStringLiteral("DB5")), QStringLiteral("ON"));
    QVERIFY(manufacturer->isVisible());
    // No before an open drops the toggle: the item follows the stored OF again.
    main.Prompter().QueueAnswer(Answer::No);
    main.Prompter().QueueFile(std::nullopt);
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Open"));
    QCOMPARE(MainWindowFixture::Cell(special, QStringLiteral("DB5")), QStringLiteral("OF"));
    QVERIFY(!manufacturer->isVisible());
}

void MainWindowTest::printKeepsAnUnsavedPasswordAndAuthor_data() {
    QTest::addColumn<bool>("fileGoneDuringPrint");
    QTest::newRow("the table is read again") << false;
    QTest::newRow("the table cannot be read again") << true;
}

void MainWindowTest::printKeepsAnUnsavedPasswordAndAuthor() {
    QFETCH(bool, fileGoneDuringPrint);
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    auto& prompter = main.Prompter();
    prompter.QueuePasswordAuthor(
        platform::PasswordAuthor{QStringLiteral("PW12"), QStringLiteral("NEWAUTHOR")});
    main.Pick(QStringLiteral("&Info"), QStringLiteral("Pasword, Author"));
    QVERIFY(main.fixture.App().State().mainChanged);
    fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    const QString moved = main.dsg + QStringLiteral(".away");
    // No: print the values as they stand without saving them first.
    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    WhenShown<vokg::fPrint> closePrint([&](vokg::fPrint& dialog) {
        // Pushed for the print: the model holds the edit while the dialog is up.
        QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAX")).UserValue(), 350);
        if (fileGoneDuringPrint)
            QVERIFY(QFile::rename(main.dsg, moved));
        dialog.reject();
    });
    QTest::mouseClick(all->BTN(2), Qt::LeftButton);
    QVERIFY(closePrint.Ran());
    QCOMPARE(prompter.MessageTexts().first(), kNotSaved);
    // The model is back at the stored values, the window keeps the edit, the record keeps the
    // password and author that are not saved yet.
    QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAX")).UserValue(), 300);
    QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("350"));
    QVERIFY(all->IsChanged());
    QVERIFY(main.fixture.App().State().mainChanged);
    QCOMPARE(main.fixture.App().SelectTable().Author(), QStringLiteral("NEWAUTHOR"));
    QCOMPARE(main.fixture.App().SelectTable().Password(), QStringLiteral("PW12"));
    if (fileGoneDuringPrint)
        QVERIFY(QFile::rename(moved, main.dsg));
    prompter.Clear();
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Save all"));
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 350);
    vokg::CSelectTable& record = main.fixture.App().SelectTable();
    QVERIFY(record.ReadData2(main.dsg, 1, 1));
    QCOMPARE(record.Author2(), QStringLiteral("NEWAUTHOR"));
    QCOMPARE(record.Password2(), QStringLiteral("PW12"));
}

void MainWindowTest::headerSaveClearsTheWindowsMarks() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    WhenShown<vokg::fHeader> edit([](vokg::fHeader& dialog) {
        dialog.KishuNameBox()->setFocus();
        dialog.KishuNameBox()->selectAll();
        QTest::keyClicks(dialog.KishuNameBox(), QStringLiteral("vk-9"));
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main.window->findChild<QPushButton*>(QStringLiteral("btnHeader")), Qt::LeftButton);
    QVERIFY(edit.Ran());
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 350);
    QCOMPARE(main.Modes().KishuName(), QStringLiteral("VK-9"));
    QVERIFY(!all->IsChanged());
    QVERIFY(!all->IsRowEdited(MainWindowFixture::RowOf(all, QStringLiteral("AREAX"))));
}

void MainWindowTest::noBeforeAnOpenDropsThePasswordChange() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    auto& prompter = main.Prompter();
    prompter.QueuePasswordAuthor(
        platform::PasswordAuthor{QStringLiteral("PW12"), QStringLiteral("NEWAUTHOR")});
    main.Pick(QStringLiteral("&Info"), QStringLiteral("Pasword, Author"));
    QVERIFY(main.fixture.App().State().mainChanged);
    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    prompter.QueueFile(std::nullopt); // the open dialog is cancelled
    main.Pick(QStringLiteral("&File"), QStringLiteral("&Open"));
    QCOMPARE(prompter.MessageTexts(), QStringList{kNotSaved});
    QVERIFY(!main.fixture.App().State().mainChanged);
    QCOMPARE(main.fixture.App().SelectTable().Author(), QString());
    QCOMPARE(main.fixture.App().SelectTable().Password(), QString());
}

void MainWindowTest::windowsStandSideBySide() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.OpenMode(QStringLiteral("MACHINE"));
    main.OpenMode(QStringLiteral("SEWING"));
    auto frameOf = [&](const char* caption) {
        return qobject_cast<QMdiSubWindow*>(main.window->ExistForm(QLatin1String(caption))->parentWidget())
            ->geometry();
    };
    const QSize area = main.window->Mdi()->viewport()->size();
    const QRect all = frameOf("All");
    const QRect machine = frameOf("MACHINE");
    const QRect sewing = frameOf("SEWING");
    // Three columns of the full height, oldest on the left.
    for (const QRect& frame : {all, machine, sewing}) {
        QCOMPARE(frame.top(), 0);
        QCOMPARE(frame.height(), area.height());
        QVERIFY(qAbs(frame.width() - area.width() / 3) <= 2);
    }
    QCOMPARE(all.left(), 0);
    QCOMPARE(machine.left(), all.right() + 1);
    QCOMPARE(sewing.left(), machine.right() + 1);
    QCOMPARE(sewing.right(), area.width() - 1);
    // Arrange window lays them out again the same way after the user moved one.
    main.window->Mdi()->subWindowList().first()->move(40, 40);
    QMenuBar* bar = main.window->menuBar();
    QAction* arrange = nullptr;
    for (QAction* item : bar->actions())
        if (item->text() == QLatin1String("Arrange &window"))
            arrange = item;
    QVERIFY(arrange);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(arrange).center());
    QCOMPARE(frameOf("All"), all);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
