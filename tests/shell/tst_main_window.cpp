#include "editors/InputWindow.h"
#include "editors/fParam.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "platform/gui/Grid.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "tests/shell/ShellFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcessEnvironment>
#include <QTest>
#include <QToolButton>

namespace {

// A main window loaded as at start-up, over the sample definitions.
struct MainWindowFixture {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;
    QString dat;

    MainWindowFixture() {
        fixture.CopySampleTables();
        vokg::Startup startup(fixture.App());
        startup.ApplyRegData();
        if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture.Folder(), false}))
            qFatal("the sample definitions did not load");
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        dat = fixture.CopySample(QStringLiteral("VOKG0001.dat"));
        window = std::make_unique<vokg::fMain>(fixture.App());
        window->SetUICaptions();
        window->LoadSettingMarks();
        window->CreateToolbar();
        window->PastePicture();
        window->EnableCommands();
        window->Create_mnuParam();
        window->SetCaption();
        window->SetHiddenCommands(true, true, false);
        window->resize(1400, 900);
        window->show();
    }
    QAction* MenuItem(const QString& caption) const {
        for (QAction* item : window->ParameterMenu()->actions())
            if (item->text() == caption)
                return item;
        return nullptr;
    }
    QAction* SaveAll() const {
        for (QAction* item : window->menuBar()->actions().first()->menu()->actions())
            if (item->text() == QLatin1String("&Save all"))
                return item;
        return nullptr;
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndTheParameterMenu();
    void saveIsOnlyForDesignFiles();
    void atMostFourEditorWindows();
    void editsAndComparisonMarksOnScreen();
    void exitAsksAboutUnsavedData();
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
        main.window->mnuParameterContent_Click(main.MenuItem(QLatin1String(mode)));
    QCOMPARE(main.window->CountInputForms(), 4);
    QVERIFY(main.MenuItem(QStringLiteral("SEWING"))->isChecked());
    main.fixture.Prompter().Clear();
    main.window->mnuParameterContent_Click(main.MenuItem(QStringLiteral("THREAD")));
    QCOMPARE(main.fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral("Please close other window.")});
    QCOMPARE(main.window->CountInputForms(), 4);
    // A window already open is only brought to the front.
    main.fixture.Prompter().Clear();
    main.window->mnuParameterContent_Click(main.MenuItem(QStringLiteral("MACHINE")));
    QVERIFY(main.fixture.Prompter().Prompts().isEmpty());
    QCOMPARE(main.window->CountInputForms(), 4);
    QCOMPARE(main.window->Mdi()->activeSubWindow()->widget(),
             main.window->ExistForm(QStringLiteral("MACHINE")));
    // A wrong special-mode password opens nothing.
    main.window->ExistForm(QStringLiteral("SPEED"))->close();
    QApplication::processEvents();
    main.fixture.Prompter().QueueInput(QStringLiteral("0000"));
    main.window->mnuParameterContent_Click(main.MenuItem(QStringLiteral("SPECIAL")));
    QCOMPARE(main.fixture.Prompter().MessageTexts().last(),
             QStringLiteral("You missed password. Special mode is not displayed."));
    QVERIFY(!main.window->ExistForm(QStringLiteral("SPECIAL")));
}

void MainWindowTest::editsAndComparisonMarksOnScreen() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.window->mnuParameterContent_Click(main.MenuItem(QStringLiteral("SEWING")));
    QVERIFY(vokg::FileOpen(main.fixture.App(), *main.window).ReadVOKGData(1, main.dsg, 2, false));
    auto* all = qobject_cast<vokg::fParam*>(main.window->ExistForm(QStringLiteral("All")));
    auto* sewing = qobject_cast<vokg::fParam*>(main.window->ExistForm(QStringLiteral("SEWING")));
    QVERIFY(all && sewing);
    // An edit in one window: the model does not change before the window hands it over.
    const vokg::CDigital& digital =
        *main.fixture.App().Modes().Item(QStringLiteral("SEWING"))->Digits().Item(2);
    const std::optional<int> row = sewing->RowOf(digital);
    QVERIFY(row);
    const qint32 before = digital.UserValue();
    sewing->fg()->SetTextMatrix(*row, vokg::fParam::ColUser, QString::number(before + 1));
    QCOMPARE(digital.UserValue(), before);
    QVERIFY(main.window->findChild<QLabel*>(QStringLiteral("keyHIKAKU"))
                ->text()
                .startsWith(QLatin1String("SAMPLE.DSG[2]")));
    QTest::qWait(200);
    const QString folder =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("VOKG_SCREENSHOT_DIR"));
    if (!folder.isEmpty())
        QVERIFY(main.window->grab().save(QDir(folder).filePath(QStringLiteral("main-window.png"))));
}

void MainWindowTest::exitAsksAboutUnsavedData() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    const QByteArray before = [&] {
        QFile file(main.dsg);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    main.fixture.App().State().mainChanged = true;
    auto& prompter = main.fixture.Prompter();
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    QVERIFY(!main.window->close());
    QCOMPARE(prompter.MessageTexts(), QStringList{QStringLiteral("Data is not saved. Do you save it ?")});
    QVERIFY(main.window->isVisible());
    QCOMPARE(main.window->CountInputForms(), 1);
    // Yes saves first; a working copy left by the open is gone after the exit.
    QVERIFY(QFile::exists(main.fixture.App().CreateParaTempName(0)));
    prompter.QueueAnswer(platform::Answer::Yes);
    QVERIFY(main.window->close());
    QVERIFY(!main.fixture.App().State().mainChanged);
    QVERIFY(!QFile::exists(main.fixture.App().CreateParaTempName(0)));
    QFile file(main.dsg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().size(), before.size());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
