// File -> Compare files…: the window over the companion's own comparison, driven by the mouse
// and the keyboard.
#include "editors/InputWindow.h"
#include "editors/fCustomize.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "editors/fParam.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "shell/gui/fCompare.h"
#include "shell/gui/fMain.h"
#include "shell/messages/Messages.h"
#include "tests/shell/SampleMainWindow.h"
#include "tests/shell/ShellFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using platform::FileDialogResult;

namespace {

const QString kCompareItem = QStringLiteral(u"Compare files…");

struct Window {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;

    Window() {
        LoadSampleDefinitions(fixture);
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        window = BuildMainWindow(fixture);
        window->SetCaption();
        ShowMainWindow(*window, 1000, 700);
    }
    ~Window() {
        for (vokg::InputWindow* input : window->InputWindows())
            input->ControlChange(false);
        window->close();
    }

    QMenu* FileMenu() const { return window->menuBar()->actions().first()->menu(); }

    // File -> Compare files… with the mouse; the window it brings up.
    vokg::fCompare* PickCompare() {
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(FileMenu()->menuAction()).center());
        if (!QTest::qWaitFor([&] { return FileMenu()->isVisible(); }))
            return nullptr;
        QTest::mouseClick(FileMenu(), Qt::LeftButton, {},
                          FileMenu()->actionGeometry(window->CompareAction()).center());
        QCoreApplication::processEvents();
        vokg::fCompare* compare = window->CompareWindow();
        if (compare && !QTest::qWaitForWindowExposed(compare))
            qWarning("the compare window was not shown");
        return compare;
    }

    // Both files chosen through their buttons, the tables picked with the keyboard, Compare clicked.
    void Compare(vokg::fCompare& compare, const QString& a, int tableA, const QString& b, int tableB) {
        fixture.Prompter().QueueFile(FileDialogResult{a, 1});
        QTest::mouseClick(compare.BrowseButton(0), Qt::LeftButton);
        fixture.Prompter().QueueFile(FileDialogResult{b, 1});
        QTest::mouseClick(compare.BrowseButton(1), Qt::LeftButton);
        for (const auto& [side, table] : {std::pair{0, tableA}, {1, tableB}}) {
            QComboBox* box = compare.TableBox(side);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Home);
            for (int step = 1; step < table; ++step)
                QTest::keyClick(box, Qt::Key_Down);
        }
        QTest::mouseClick(compare.CompareButton(), Qt::LeftButton);
    }
};

// The companion's diff of the same tables, line by line.
QStringList CompanionDiff(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli"),
                  QStringList{QStringLiteral("diff")} + arguments);
    if (!process.waitForFinished(60000))
        return {QStringLiteral("(the companion did not end)")};
    const QByteArray errors = process.readAllStandardError();
    if (!errors.isEmpty())
        qWarning("vokg-cli: %s", errors.constData());
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A double click as a window system delivers it: a click, then the double-click event.
void DoubleClick(QWidget* area, QPoint at) {
    QTest::mouseClick(area, Qt::LeftButton, {}, at);
    QTest::mouseDClick(area, Qt::LeftButton, {}, at);
}

QStringList Captions(QTreeWidgetItem* parent) {
    QStringList captions;
    for (int index = 0; index < parent->childCount(); ++index)
        if (!parent->child(index)->isHidden())
            captions.append(parent->child(index)->text(0));
    return captions;
}

} // namespace

class TestCompareFiles : public QObject {
    Q_OBJECT

private slots:
    void linesAreTheCompanionsForTables1And2();
    void everyTableOfTwoFiles();
    void aCancelledPasswordListsNothing();
    void filterNarrowsTheLinesAndTheCounts();
    void doubleClickOpensTheParameterWindowOnTheRow();
    void doubleClickOpensTheWindowOfEachKind_data();
    void doubleClickOpensTheWindowOfEachKind();
    void aMissingFileIsRefusedAndNothingListed();
    void theUsersOpenFileIsLeftAlone();
};

void TestCompareFiles::linesAreTheCompanionsForTables1And2() {
    Window main;
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, main.dsg, 1, main.dsg, 2);
    const QStringList expected =
        CompanionDiff({main.dsg + QStringLiteral(":1"), main.dsg + QStringLiteral(":2")});
    QVERIFY(expected.size() > 100);
    QCOMPARE(compare->Lines(), expected);
    QCOMPARE(compare->VisibleLines(), expected);
    QCOMPARE(compare->CountLabel()->text(), QStringLiteral("%1 differences").arg(expected.size()));
    // Grouped by table, then by kind in model order, each with its count.
    QTreeWidget* tree = compare->Tree();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Table 1 : table 2 (%1)").arg(expected.size()));
    const QStringList kinds = Captions(tree->topLevelItem(0));
    QVERIFY2(kinds.size() >= 2, qPrintable(kinds.join(QLatin1Char('|'))));
    QVERIFY(kinds.first().startsWith(QStringLiteral("header (")));
    QVERIFY(kinds[1].startsWith(QStringLiteral("digital (")));
    const auto countOf = [&](const QString& kind) {
        return static_cast<int>(
            expected.filter(QRegularExpression(QStringLiteral("^%1[ .]").arg(kind))).size());
    };
    int listed = 0;
    for (int k = 0; k < tree->topLevelItem(0)->childCount(); ++k) {
        QTreeWidgetItem* kind = tree->topLevelItem(0)->child(k);
        const QString name = kind->text(0).section(QLatin1Char(' '), 0, 0);
        QCOMPARE(kind->text(0), QStringLiteral("%1 (%2)").arg(name).arg(countOf(name)));
        QCOMPARE(kind->childCount(), countOf(name));
        listed += kind->childCount();
    }
    QCOMPARE(listed, expected.size());
    QVERIFY(main.fixture.Prompter().Unexpected().isEmpty());
}

void TestCompareFiles::everyTableOfTwoFiles() {
    Window main;
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    const QString dat = main.fixture.CopySample(QStringLiteral("VOKG0001.dat"));
    QTest::mouseClick(compare->AllTablesBox(), Qt::LeftButton, {},
                      QPoint(5, compare->AllTablesBox()->height() / 2));
    QVERIFY(compare->AllTablesBox()->isChecked());
    QVERIFY(!compare->TableBox(0)->isEnabled());
    // Tables 1 to 8 of both (the design file has eight). Table 3 of the design file is locked:
    // its password is asked as File -> Open asks it, a wrong one told and asked again.
    main.fixture.Prompter().QueueInput(QStringLiteral("WRONG"));
    main.fixture.Prompter().QueueInput(QStringLiteral("key3"));
    main.Compare(*compare, main.dsg, 1, dat, 1);
    QCOMPARE(main.fixture.Prompter().MessageTexts(), QStringList{QStringLiteral("Password is not exact.")});
    const QStringList expected = CompanionDiff({main.dsg, dat, QStringLiteral("--all-tables"),
                                                QStringLiteral("--password"), QStringLiteral("KEY3")});
    QVERIFY(expected.size() >= 8);
    QCOMPARE(compare->Lines(), expected);
    QTreeWidget* tree = compare->Tree();
    QCOMPARE(tree->topLevelItemCount(), 8);
    for (int table = 1; table <= 8; ++table) {
        const int count = static_cast<int>(expected.filter(QStringLiteral("table %1: ").arg(table)).size());
        QCOMPARE(tree->topLevelItem(table - 1)->text(0),
                 QStringLiteral("Table %1 (%2)").arg(table).arg(count));
    }
    QVERIFY(main.fixture.Prompter().Unexpected().isEmpty());
}

void TestCompareFiles::aCancelledPasswordListsNothing() {
    Window main;
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    QTest::mouseClick(compare->AllTablesBox(), Qt::LeftButton, {},
                      QPoint(5, compare->AllTablesBox()->height() / 2));
    main.fixture.Prompter().QueueInput(std::nullopt);
    main.Compare(*compare, main.dsg, 1, main.dsg, 1);
    QVERIFY(compare->Lines().isEmpty());
    QCOMPARE(compare->Tree()->topLevelItemCount(), 0);
    QCOMPARE(compare->CountLabel()->text(), QStringLiteral("The files could not be compared."));
}

void TestCompareFiles::filterNarrowsTheLinesAndTheCounts() {
    Window main;
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, main.dsg, 1, main.dsg, 2);
    const QStringList all = compare->Lines();
    QTest::keyClicks(compare->FilterBox(), QStringLiteral("machine/area"));
    const QStringList shown = compare->VisibleLines();
    QCOMPARE(shown, all.filter(QStringLiteral("machine/area"), Qt::CaseInsensitive));
    QVERIFY(!shown.isEmpty());
    QCOMPARE(compare->CountLabel()->text(),
             QStringLiteral("%1 of %2 differences shown").arg(shown.size()).arg(all.size()));
    QTreeWidgetItem* table = compare->Tree()->topLevelItem(0);
    QCOMPARE(Captions(table), QStringList{QStringLiteral("digital (%1)").arg(shown.size())});
    QCOMPARE(table->text(0), QStringLiteral("Table 1 : table 2 (%1)").arg(shown.size()));
    const QString folder =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("VOKG_SCREENSHOT_DIR"));
    if (!folder.isEmpty())
        QVERIFY(compare->grab().save(QDir(folder).filePath(QStringLiteral("compare-window.png"))));
    // A text no line holds hides every group; clearing it shows every line again.
    QTest::keyClicks(compare->FilterBox(), QStringLiteral("#"));
    QVERIFY(compare->VisibleLines().isEmpty());
    QVERIFY(table->isHidden());
    compare->FilterBox()->selectAll();
    QTest::keyClick(compare->FilterBox(), Qt::Key_Delete);
    QCOMPARE(compare->VisibleLines(), all);
}

void TestCompareFiles::doubleClickOpensTheParameterWindowOnTheRow() {
    Window main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    for (vokg::InputWindow* input : main.window->InputWindows())
        input->CloseWindow();
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, main.dsg, 1, main.dsg, 2);
    const QString line = QStringLiteral("digital MACHINE/AREAY: 200 -> 150");
    QTreeWidgetItem* item = compare->ItemOfLine(line);
    QVERIFY2(item, qPrintable(line));
    QTreeWidget* tree = compare->Tree();
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    DoubleClick(tree->viewport(), at);
    auto* window = qobject_cast<vokg::fParam*>(main.window->ExistForm(QStringLiteral("MACHINE")));
    QVERIFY(window);
    const vokg::CDigital* digital =
        main.fixture.App().Modes().Item(QStringLiteral("MACHINE"))->Digits().Find(QStringLiteral("AREAY"));
    QVERIFY(digital);
    const std::optional<int> row = window->RowOf(*digital);
    QVERIFY(row);
    QCOMPARE(window->fg()->Row(), *row);
    QCOMPARE(window->fg()->Col(), int(vokg::fParam::ColUser));
    QVERIFY(main.fixture.Prompter().Unexpected().isEmpty());
}

void TestCompareFiles::doubleClickOpensTheWindowOfEachKind_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("feedShown");
    QTest::addColumn<QString>("caption"); // the window that opens; empty: none
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("status");
    const int duty = vokg::fCustomize::ColDuty;
    QTest::newRow("an output's time") << "customize O5.off_delay: 50 -> 60" << false << "All outputs" << -1
                                      << int(vokg::fCustomize::ColOffDelay) << "";
    QTest::newRow("an output's duty")
        << "customize O3.chopping_off: 20 -> 40" << false << "All outputs" << -1 << duty << "";
    QTest::newRow("an input's function") << "customize I20.kino: 23 -> 25" << false << "All inputs" << -1
                                         << int(vokg::fCustomize::ColKino) << "";
    QTest::newRow("an axis entry") << "feed X_P1_B[18]: 2077 -> 2067" << true << "X_P1_B" << 19
                                   << int(vokg::fOkuriParam::ColUser) << "";
    QTest::newRow("another feed value")
        << "feed other[3]: 150 -> 152" << true << vokg::COkuris::OtherValuesKey() << 4
        << int(vokg::fOkuriParam::ColUser) << "";
    QTest::newRow("a pitch entry") << "feed XYLM[29]: 538 -> 548" << true << vokg::LoadMsg(572) << 30 << 1
                                   << "";
    QTest::newRow("feed windows not given")
        << "feed X_P1_B[18]: 2077 -> 2067" << false << "" << 0 << 0
        << "The feed windows are not open to you; feed X_P1_B[18] is not shown.";
    QTest::newRow("the header") << "header.version: \"1.00\" -> \"1.01\"" << true << "" << 0 << 0
                                << "No editor window opens on a header line.";
}

void TestCompareFiles::doubleClickOpensTheWindowOfEachKind() {
    QFETCH(QString, line);
    QFETCH(bool, feedShown);
    QFETCH(QString, caption);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, status);
    Window main;
    main.window->SetHiddenCommands(false, feedShown, false);
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    for (vokg::InputWindow* input : main.window->InputWindows())
        input->CloseWindow();
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, main.dsg, 1, main.dsg, 2);
    QTreeWidgetItem* item = compare->ItemOfLine(line);
    QVERIFY2(item, qPrintable(line));
    if (feedShown && line.startsWith(QLatin1String("feed ")))
        main.fixture.Prompter().QueueAnswer(platform::Answer::Yes); // the feed windows' warning
    compare->Tree()->scrollToItem(item);
    DoubleClick(compare->Tree()->viewport(), compare->Tree()->visualItemRect(item).center());
    QCOMPARE(main.window->statusBar()->currentMessage(), status);
    QVERIFY(main.fixture.Prompter().Unexpected().isEmpty());
    if (caption.isEmpty()) {
        QCOMPARE(main.window->CountInputForms(), 0);
        return;
    }
    vokg::InputWindow* window = main.window->ExistForm(caption);
    QVERIFY2(window, qPrintable(caption));
    platform::Grid* grid = nullptr;
    if (auto* customize = qobject_cast<vokg::fCustomize*>(window)) {
        const std::optional<int> signalRow =
            customize->RowOf(line.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('.'), 0, 0));
        QVERIFY(signalRow);
        row = *signalRow;
        grid = customize->fg();
    } else if (auto* pitch = qobject_cast<vokg::fOkuriParam2*>(window)) {
        grid = pitch->fgUsr();
    } else if (auto* feed = qobject_cast<vokg::fOkuriParam*>(window)) {
        grid = feed->fg();
    }
    QVERIFY(grid);
    QCOMPARE(grid->Row(), row);
    QCOMPARE(grid->Col(), col);
}

void TestCompareFiles::aMissingFileIsRefusedAndNothingListed() {
    Window main;
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, main.dsg, 1, main.dsg, 2);
    QVERIFY(!compare->Lines().isEmpty());
    const QString missing = main.fixture.PathOf(QStringLiteral("GONE.DSG"));
    main.fixture.Prompter().Clear();
    main.Compare(*compare, main.dsg, 1, missing, 1);
    QCOMPARE(main.fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral("Cannot find following file. Cannot read data.\n\n") + missing});
    QVERIFY(compare->Lines().isEmpty());
    QCOMPARE(compare->Tree()->topLevelItemCount(), 0);
    QCOMPARE(compare->CountLabel()->text(), QStringLiteral("The files could not be compared."));
}

void TestCompareFiles::theUsersOpenFileIsLeftAlone() {
    Window main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    vokg::App& app = main.fixture.App();
    const vokg::CDigital* digital =
        app.Modes().Item(QStringLiteral("MACHINE"))->Digits().Find(QStringLiteral("AREAX"));
    const int userValue = digital->UserValue();
    const QString userFile = app.State().userPath;
    const QByteArray workingCopy = [&] {
        QFile file(app.CreateParaTempName(vokg::FileKind::User));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!workingCopy.isEmpty());
    const QString dat = main.fixture.CopySample(QStringLiteral("VOKG0001.dat"));
    vokg::fCompare* compare = main.PickCompare();
    QVERIFY(compare);
    main.Compare(*compare, dat, 2, dat, 3);
    QCOMPARE(digital->UserValue(), userValue);
    QCOMPARE(app.State().userPath, userFile);
    QCOMPARE(app.State().userTable, 1);
    QFile file(app.CreateParaTempName(vokg::FileKind::User));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), workingCopy);
}

QTEST_MAIN(TestCompareFiles)
#include "tst_compare_files.moc"
