// The recent files of the File menu and a data file dropped on the main window: the same open,
// questions and checks as File -> Open.
#include "editors/InputWindow.h"
#include "shell/App.h"
#include "shell/RecentFiles.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "shell/messages/ProgramSettings.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/MemorySettings.h"

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using platform::Answer;
using platform::FileDialogResult;

namespace {

struct Window {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;
    QString dat;

    Window() {
        fixture.CopySampleTables();
        vokg::Startup startup(fixture.App());
        startup.ApplyRegData();
        if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture.Folder(), false}))
            qFatal("the sample definitions did not load");
        // No window opens by itself after an open: the tests look at the open alone.
        fixture.App().Settings().Set(vokg::Setting::DoesDispAllModeInOpening, false);
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        dat = fixture.CopySample(QStringLiteral("VOKG0001.dat"));
        window = std::make_unique<vokg::fMain>(fixture.App());
        window->SetUICaptions();
        window->CreateToolbar();
        window->EnableCommands();
        window->Create_mnuParam();
        window->SetCaption();
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
    QStringList RecentItems() const {
        QStringList texts;
        for (QAction* item : window->RecentMenu()->actions())
            texts.append(item->text());
        return texts;
    }

    // File -> Recent files -> the item, with the mouse.
    bool PickRecent(int index) {
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(FileMenu()->menuAction()).center());
        if (!QTest::qWaitFor([&] { return FileMenu()->isVisible(); }))
            return false;
        QMenu* recent = window->RecentMenu();
        QTest::mouseClick(FileMenu(), Qt::LeftButton, {},
                          FileMenu()->actionGeometry(recent->menuAction()).center());
        if (!QTest::qWaitFor([&] { return recent->isVisible(); }))
            return false;
        QAction* item = recent->actions().value(index);
        if (!item)
            return false;
        QTest::mouseClick(recent, Qt::LeftButton, {}, recent->actionGeometry(item).center());
        QCoreApplication::processEvents();
        return true;
    }

    // Drags the files over the window: whether it would take them.
    bool DragEnters(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(window->centralWidget()->geometry().center(), Qt::CopyAction, &data,
                              Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        return enter.isAccepted();
    }

    // Drags the files over the window and drops them; whether the window took the drop.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window->centralWidget()->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
};

QString Recent(int index, const QString& path) {
    return QStringLiteral("&%1 %2").arg(index).arg(path);
}

} // namespace

class TestRecentAndDroppedFiles : public QObject {
    Q_OBJECT

private slots:
    void listKeepsTheLastEight_data();
    void listKeepsTheLastEight();
    void openedFilesGoToTheTopOfTheMenu();
    void recentItemOpensThroughTheOpenQuestions();
    void missingRecentFileIsRefusedAndRemoved();
    void droppedFileOpensAsFileOpenWould();
    void droppedFileAsksAboutUnsavedChangesFirst();
    void otherDropsAreNotTaken_data();
    void otherDropsAreNotTaken();
};

void TestRecentAndDroppedFiles::listKeepsTheLastEight_data() {
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("most recent first")
        << QStringList{"/d/A.DSG", "/d/B.DSG"} << QStringList{} << QStringList{"/d/B.DSG", "/d/A.DSG"};
    QTest::newRow("opened again moves up, once") << QStringList{"/d/A.DSG", "/d/B.DSG", "/d/A.DSG"}
                                                 << QStringList{} << QStringList{"/d/A.DSG", "/d/B.DSG"};
    QTest::newRow("the same file by another spelling")
        << QStringList{"/d/A.DSG", "/d/x/../A.DSG"} << QStringList{} << QStringList{"/d/A.DSG"};
    QTest::newRow("letter case names another file")
        << QStringList{"/d/A.DSG", "/d/a.DSG"} << QStringList{} << QStringList{"/d/a.DSG", "/d/A.DSG"};
    QTest::newRow("the ninth pushes out the first")
        << QStringList{"/1.DSG", "/2.DSG", "/3.DSG", "/4.DSG", "/5.DSG",
                       "/6.DSG", "/7.DSG", "/8.DSG", "/9.dat"}
        << QStringList{}
        << QStringList{"/9.dat", "/8.DSG", "/7.DSG", "/6.DSG", "/5.DSG", "/4.DSG", "/3.DSG", "/2.DSG"};
    QTest::newRow("removed from the middle") << QStringList{"/1.DSG", "/2.DSG", "/3.DSG"}
                                             << QStringList{"/2.DSG"} << QStringList{"/3.DSG", "/1.DSG"};
    QTest::newRow("removing what is not listed")
        << QStringList{"/1.DSG"} << QStringList{"/2.DSG"} << QStringList{"/1.DSG"};
}

void TestRecentAndDroppedFiles::listKeepsTheLastEight() {
    QFETCH(QStringList, opened);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, expected);
    testsupport::MemorySettings store;
    vokg::RecentFiles recent(store.Typed());
    for (const QString& file : opened)
        recent.Add(file);
    for (const QString& file : removed)
        recent.Remove(file);
    QCOMPARE(recent.Files(), expected);
    // Kept in the settings, one key a file, read back by a list of its own.
    QCOMPARE(vokg::RecentFiles(store.Typed()).Files(), expected);
    for (int index = 0; index < 8; ++index)
        QCOMPARE(store.value(QStringLiteral("RecentFile%1").arg(index + 1)), expected.value(index));
}

void TestRecentAndDroppedFiles::openedFilesGoToTheTopOfTheMenu() {
    Window main;
    // The window carries the program's icon.
    QVERIFY(main.window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(!main.window->RecentMenu()->isEnabled());
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    main.Prompter().QueueFile(FileDialogResult{main.dat, 2});
    main.Prompter().QueueTable(2);
    QMenuBar* bar = main.window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(main.FileMenu()->menuAction()).center());
    QTRY_VERIFY(main.FileMenu()->isVisible());
    QAction* open = main.FileMenu()->actions().first();
    QCOMPARE(open->text(), QStringLiteral("&Open"));
    QTest::mouseClick(main.FileMenu(), Qt::LeftButton, {}, main.FileMenu()->actionGeometry(open).center());
    QTRY_COMPARE(main.fixture.App().State().userPath, main.dat);
    QCOMPARE(main.RecentItems(), (QStringList{Recent(1, main.dat), Recent(2, main.dsg)}));
    QCOMPARE(main.fixture.StoredSetting(QStringLiteral("RecentFile1")), main.dat);
    QCOMPARE(main.fixture.StoredSetting(QStringLiteral("RecentFile2")), main.dsg);
    // A new run of the window finds them in the settings.
    vokg::fMain again(main.fixture.App());
    QCOMPARE(again.RecentMenu()->actions().size(), 2);
    QVERIFY(main.Prompter().Unexpected().isEmpty());
}

void TestRecentAndDroppedFiles::recentItemOpensThroughTheOpenQuestions() {
    Window main;
    QVERIFY(main.window->OpenCommandLineFile(main.dat));
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QCOMPARE(main.RecentItems(), (QStringList{Recent(1, main.dsg), Recent(2, main.dat)}));
    // The open's own questions: the table, as File -> Open asks it.
    main.Prompter().QueueTable(5);
    QVERIFY(main.PickRecent(1));
    QTRY_COMPARE(main.fixture.App().State().userPath, main.dat);
    QCOMPARE(main.fixture.App().State().userTable, 5);
    QCOMPARE(main.RecentItems(), (QStringList{Recent(1, main.dat), Recent(2, main.dsg)}));
    QVERIFY(main.Prompter().Unexpected().isEmpty());
}

void TestRecentAndDroppedFiles::missingRecentFileIsRefusedAndRemoved() {
    Window main;
    const QString gone = main.fixture.PathOf(QStringLiteral("GONE.DSG"));
    QVERIFY(QFile::copy(main.dsg, gone));
    QVERIFY(QFile::copy(main.fixture.PathOf(QStringLiteral("SAMPLE.DSK")),
                        main.fixture.PathOf(QStringLiteral("GONE.DSK"))));
    QVERIFY(main.window->OpenCommandLineFile(gone));
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QVERIFY(QFile::remove(gone));
    // Still listed: nothing looks at the disk until the item is picked.
    QCOMPARE(main.RecentItems(), (QStringList{Recent(1, main.dsg), Recent(2, gone)}));
    QVERIFY(main.PickRecent(1));
    QTRY_COMPARE(main.Prompter().MessageTexts(),
                 QStringList{QStringLiteral("Cannot find following file. Cannot read data.\n\n") + gone});
    QCOMPARE(main.RecentItems(), QStringList{Recent(1, main.dsg)});
    QCOMPARE(main.fixture.StoredSetting(QStringLiteral("RecentFile2")), QString());
    // The open file stays as it was.
    QCOMPARE(main.fixture.App().State().userPath, main.dsg);
    QCOMPARE(main.fixture.App().State().userTable, 1);
}

void TestRecentAndDroppedFiles::droppedFileOpensAsFileOpenWould() {
    Window main;
    QVERIFY(main.DragEnters({QUrl::fromLocalFile(main.dsg)}));
    main.Prompter().QueueTable(2);
    QVERIFY(main.Drop({QUrl::fromLocalFile(main.dsg)}));
    QTRY_COMPARE(main.fixture.App().State().userPath, main.dsg);
    QCOMPARE(main.fixture.App().State().userTable, 2);
    QCOMPARE(main.RecentItems(), QStringList{Recent(1, main.dsg)});
    // A file of the right name but the wrong size: the open's own check refuses it.
    const QString shortFile = main.fixture.PathOf(QStringLiteral("SHORT.DSG"));
    QFile file(shortFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, '\0'));
    file.close();
    QVERIFY(main.Drop({QUrl::fromLocalFile(shortFile)}));
    QTRY_COMPARE(main.Prompter().MessageTexts().size(), 1);
    QVERIFY2(main.Prompter().MessageTexts().first().contains(QStringLiteral("65536")),
             qPrintable(main.Prompter().MessageTexts().first()));
    QCOMPARE(main.fixture.App().State().userPath, main.dsg);
    QCOMPARE(main.RecentItems(), QStringList{Recent(1, main.dsg)});
    QVERIFY(main.Prompter().Unexpected().isEmpty());
}

void TestRecentAndDroppedFiles::droppedFileAsksAboutUnsavedChangesFirst() {
    Window main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    // The password and author changed and not saved: the main window's own change.
    main.fixture.App().State().mainChanged = true;
    main.Prompter().QueueAnswer(Answer::Cancel);
    QVERIFY(main.Drop({QUrl::fromLocalFile(main.dat)}));
    QTRY_COMPARE(main.Prompter().MessageTexts(),
                 QStringList{QStringLiteral("Data is not saved. Do you save it ?")});
    QCOMPARE(main.fixture.App().State().userPath, main.dsg);
    QVERIFY(main.fixture.App().State().mainChanged);
    main.Prompter().QueueAnswer(Answer::No);
    main.Prompter().QueueTable(1);
    QVERIFY(main.Drop({QUrl::fromLocalFile(main.dat)}));
    QTRY_COMPARE(main.fixture.App().State().userPath, main.dat);
    QVERIFY(!main.fixture.App().State().mainChanged);
    QVERIFY(main.Prompter().Unexpected().isEmpty());
}

void TestRecentAndDroppedFiles::otherDropsAreNotTaken_data() {
    QTest::addColumn<QStringList>("names");
    QTest::newRow("a text file") << QStringList{QStringLiteral("notes.txt")};
    QTest::newRow("a companion file") << QStringList{QStringLiteral("SAMPLE.DSK")};
    QTest::newRow("two data files") << QStringList{QStringLiteral("SAMPLE.DSG"),
                                                   QStringLiteral("VOKG0001.dat")};
}

void TestRecentAndDroppedFiles::otherDropsAreNotTaken() {
    QFETCH(QStringList, names);
    Window main;
    QList<QUrl> urls;
    for (const QString& name : names)
        urls.append(QUrl::fromLocalFile(main.fixture.PathOf(name)));
    QVERIFY(!main.DragEnters(urls));
    QVERIFY(!main.Drop(urls));
    QCoreApplication::processEvents();
    QVERIFY(main.fixture.App().State().userPath.isEmpty());
    QVERIFY(main.Prompter().Prompts().isEmpty());
}

QTEST_MAIN(TestRecentAndDroppedFiles)
#include "tst_recent_and_dropped_files.moc"
