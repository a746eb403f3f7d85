// File menu items 54 (the firmware C source) and 56 (version information), picked with the mouse.
#include "editors/InputWindow.h"
#include "editors/fOutput_zrdl_ModelDialog.h"
#include "shell/Startup.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SettingKeys.h"
#include "shell/gui/fMain.h"
#include "shell/gui/fVerInfo.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/WhenShown.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using platform::FileDialogResult;
using testsupport::WhenShown;

namespace {

const QString kExportItem = QStringLiteral(u"zrdl_Model.cの出力");
const QString kVersionItem = QStringLiteral("VersionInfo");

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Types the text key by key, also the characters a keyboard map has no key for.
void Type(QLineEdit* box, const QString& text) {
    box->clear();
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// The main window as it comes up over the sample definitions, the C-source command shown or not.
struct Window {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;

    explicit Window(bool showExport) {
        fixture.CopySampleTables();
        vokg::Startup startup(fixture.App());
        startup.ApplyRegData();
        if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture.Folder(), false}))
            qFatal("the sample definitions did not load");
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        window = std::make_unique<vokg::fMain>(fixture.App());
        window->SetUICaptions();
        window->CreateToolbar();
        window->EnableCommands();
        window->Create_mnuParam();
        window->SetCaption();
        window->SetHiddenCommands(false, false, showExport);
        window->resize(1000, 700);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not shown");
    }
    ~Window() {
        for (vokg::InputWindow* input : window->InputWindows())
            input->ControlChange(false);
        window->close();
    }

    testsupport::ScriptedPrompter& Prompter() { return fixture.Prompter(); }
    QMenu* FileMenu() const { return window->menuBar()->actions().first()->menu(); }
    QAction* Item(const QString& text) const {
        for (QAction* item : FileMenu()->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }
    // Opens the File menu with the mouse and clicks the item.
    void Pick(const QString& text) {
        QAction* item = Item(text);
        QVERIFY2(item, qPrintable(text));
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(FileMenu()->menuAction()).center());
        QTRY_VERIFY(FileMenu()->isVisible());
        QTest::mouseClick(FileMenu(), Qt::LeftButton, {}, FileMenu()->actionGeometry(item).center());
        QCoreApplication::processEvents();
    }
    QStringList Messages() {
        QStringList texts;
        for (const auto& prompt : fixture.Prompter().Prompts())
            if (prompt.what == QLatin1String("message"))
                texts.append(prompt.text);
        return texts;
    }
};

} // namespace

class TestFileMenuCommands : public QObject {
    Q_OBJECT

private slots:
    void versionInformationShowsTheFilesText();
    void versionInformationOfAShortFileStaysEmpty();
    void cancelledVersionQuestionShowsNothing();
    void exportItemOnlyWithTheKeywordAndAnOpenFile();
    void exportItemWritesTheSource();
};

void TestFileMenuCommands::versionInformationShowsTheFilesText() {
    Window main(false);
    // No file is open: the item works all the same.
    QVERIFY(main.Item(kVersionItem)->isEnabled());
    const QString vok = QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.vok");
    main.Prompter().QueueFile(FileDialogResult{vok, 1});
    WhenShown<vokg::fVerInfo> shown([&](vokg::fVerInfo& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("VersionInfo"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblMakerVerF"))->text(),
                 QStringLiteral("MANUFACTURER Ver"));
        QCOMPARE(dialog.VersionLabel()->text(), QStringLiteral(u"V1.12-ﾃｽﾄ"));
        QCOMPARE(dialog.CloseButton()->text(), QStringLiteral("Close   "));
        QTest::mouseClick(dialog.CloseButton(), Qt::LeftButton);
    });
    main.Pick(kVersionItem);
    QTRY_VERIFY(shown.Ran());
    const auto& prompts = main.Prompter().Prompts();
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts.first().what, QStringLiteral("open"));
    QCOMPARE(prompts.first().title, QStringLiteral("Open versioninformation file"));
    QVERIFY(main.fixture.ErrorBoxes().isEmpty());
}

void TestFileMenuCommands::versionInformationOfAShortFileStaysEmpty() {
    Window main(false);
    const QString vok = main.fixture.PathOf(QStringLiteral("short.vok"));
    QVERIFY(WriteFile(vok, QByteArray(16, '\xC5')));
    main.Prompter().QueueFile(FileDialogResult{vok, 1});
    QString shownText = QStringLiteral("(not shown)");
    WhenShown<vokg::fVerInfo> shown([&](vokg::fVerInfo& dialog) {
        shownText = dialog.VersionLabel()->text();
        dialog.close();
    });
    main.Pick(kVersionItem);
    QTRY_VERIFY(shown.Ran());
    QCOMPARE(shownText, QString());
    QCOMPARE(main.fixture.ReportedProcedures(), QStringList{QStringLiteral("ReadVersionVok")});
}

void TestFileMenuCommands::cancelledVersionQuestionShowsNothing() {
    Window main(false);
    main.Prompter().QueueFile(std::nullopt);
    WhenShown<vokg::fVerInfo> shown([](vokg::fVerInfo& dialog) { dialog.close(); });
    main.Pick(kVersionItem);
    QTest::qWait(100);
    QVERIFY(!shown.Ran());
    QCOMPARE(main.Prompter().Prompts().size(), 1); // the file question, nothing after it
    QVERIFY(main.fixture.ErrorBoxes().isEmpty());
}

void TestFileMenuCommands::exportItemOnlyWithTheKeywordAndAnOpenFile() {
    {
        Window main(false);
        QVERIFY(!main.Item(kExportItem)->isVisible());
    }
    Window main(true);
    QVERIFY(main.Item(kExportItem)->isVisible());
    QVERIFY(!main.Item(kExportItem)->isEnabled());
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QVERIFY(main.Item(kExportItem)->isEnabled());
}

void TestFileMenuCommands::exportItemWritesTheSource() {
    Window main(true);
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.Prompter().Clear();
    const QString templatePath = main.fixture.CopySample(QStringLiteral("zrdl_Model.c"));
    const QString named = main.fixture.PathOf(QStringLiteral(u"zrdl_G[機種].c"));
    const QString written = main.fixture.PathOf(QStringLiteral("zrdl_GVK-2300.c"));
    main.Prompter().QueueFile(FileDialogResult{templatePath, 1});
    main.Prompter().QueueFile(FileDialogResult{named, 1});
    QString closeCaption;
    WhenShown<vokg::fOutput_zrdl_ModelDialog> shown([&](vokg::fOutput_zrdl_ModelDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnSpecifyHinagata")),
                          Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnSpecifyNew")), Qt::LeftButton);
        Type(dialog.ModelBox(), QStringLiteral("VK-2300"));
        QTest::mouseClick(dialog.Button(1), Qt::LeftButton);
        closeCaption = dialog.Button(9)->text();
        QTest::mouseClick(dialog.Button(9), Qt::LeftButton);
    });
    main.Pick(kExportItem);
    QTRY_VERIFY(shown.Ran());
    QCOMPARE(main.Messages(), QStringList{QStringLiteral(u"処理が終了しました.")});
    QCOMPARE(closeCaption, QStringLiteral(u"閉じる"));
    // Table 1 of the sample design file, model name VK-2300, no section number: the committed
    // expected output, byte for byte.
    QCOMPARE(ReadFile(written), ReadFile(QStringLiteral(VOKG_SOURCE_DIR "/samples/zrdl_GVK-2300.c")));
    QVERIFY(main.fixture.ErrorBoxes().isEmpty());
    QCOMPARE(main.fixture.App().Settings().Get(vokg::Setting::Kishu_zrdl_Modelc), QStringLiteral("VK-2300"));
    QCOMPARE(main.fixture.App().Settings().Get(vokg::Setting::FileNew_zrdl_Modelc), named);
}

QTEST_MAIN(TestFileMenuCommands)
#include "tst_file_menu_commands.moc"
