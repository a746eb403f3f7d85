// The customize windows in the main window: opened from the toolbar button and Edit > Customize,
// counted among the four input windows, and saved into the design file byte for byte.
#include "editors/fCustomize.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "tests/cli/CliRun.h"
#include "tests/shell/MainWindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScrollBar>

using vokg::fCustomize;

namespace {

// Chooses an item of the customize menu with the mouse once the menu is open.
void PickFromMenu(QMenu* menu, const QString& group) {
    QTRY_VERIFY(menu->isVisible());
    for (QAction* item : menu->actions()) {
        if (item->text() != group)
            continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QCoreApplication::processEvents();
        return;
    }
    QFAIL(qPrintable(group));
}

QJsonObject Signal(const QJsonObject& table, const QString& location) {
    for (const QJsonValue& row : table[QStringLiteral("customize")].toArray())
        if (row.toObject()[QStringLiteral("location")].toString() == location)
            return row.toObject();
    return {};
}

} // namespace

class CustomizeMainTest : public QObject {
    Q_OBJECT

    static void OpenFromButton(MainWindowFixture& main, const QString& group) {
        QTest::mouseClick(main.window->findChild<QPushButton*>(QStringLiteral("btnCustomize")),
                          Qt::LeftButton);
        PickFromMenu(main.window->CustomizeMenu(), group);
    }
    static fCustomize* Window(MainWindowFixture& main, const QString& group) {
        return qobject_cast<fCustomize*>(main.window->ExistForm(group));
    }

private slots:
    void openedByTheButtonAndTheEditMenu() {
        MainWindowFixture main;
        // Without a file the button rests.
        QVERIFY(!main.window->findChild<QPushButton*>(QStringLiteral("btnCustomize"))->isEnabled());
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        OpenFromButton(main, QStringLiteral("Standard output"));
        QVERIFY(Window(main, QStringLiteral("Standard output")));
        main.Pick(QStringLiteral("&Edit"), QStringLiteral("&Customize"));
        PickFromMenu(main.window->CustomizeMenu(), QStringLiteral("All inputs"));
        QVERIFY(Window(main, QStringLiteral("All inputs")));
        const auto checked = [&](const QString& group) {
            return main.ItemOf(main.window->CustomizeMenu(), group)->isChecked();
        };
        QVERIFY(checked(QStringLiteral("Standard output")) && checked(QStringLiteral("All inputs")));
        QVERIFY(!checked(QStringLiteral("All outputs")));
        // With the all-modes window, four: a fifth is refused.
        OpenFromButton(main, QStringLiteral("All outputs"));
        QCOMPARE(main.window->CountInputForms(), 4);
        main.Prompter().Clear();
        OpenFromButton(main, QStringLiteral("TE BOARD input"));
        QCOMPARE(main.Prompter().MessageTexts(), QStringList{QStringLiteral("Please close other window.")});
        QVERIFY(!checked(QStringLiteral("TE BOARD input")));
        // Closing one clears its mark.
        QTest::mouseClick(Window(main, QStringLiteral("All inputs"))->BTN(9), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!checked(QStringLiteral("All inputs")));
        QCOMPARE(main.window->CountInputForms(), 3);
    }

    void anOutputWindowBesideTheComparison() {
        MainWindowFixture main;
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        MainWindowFixture::CloseBox(main.window->ExistForm(QStringLiteral("All")));
        QVERIFY(vokg::FileOpen(main.fixture.App(), *main.window)
                    .ReadVOKGData(vokg::FileKind::Comparison, main.dsg, 2, false));
        OpenFromButton(main, QStringLiteral("All outputs"));
        fCustomize* window = Window(main, QStringLiteral("All outputs"));
        QVERIFY(window);
        platform::Grid& grid = *window->fg();
        QVERIFY(window->chkCmp()->isChecked());
        QVERIFY(!grid.ColHidden(fCustomize::ColCmpDuty) && !grid.ColHidden(fCustomize::ColDif));
        // Table 2 differs from table 1 in every output of the sample.
        for (int row = 1; row < grid.Rows(); ++row)
            QCOMPARE(grid.TextMatrix(row, fCustomize::ColDif), QStringLiteral("DIF"));
        const int o2 = *window->RowOf(QStringLiteral("O2"));
        QCOMPARE(grid.TextMatrix(o2, fCustomize::ColCmpOnDelay), QStringLiteral("55"));
        // An edit not yet saved shows its "*".
        grid.Select(o2, fCustomize::ColLogic);
        grid.View()->setFocus();
        QTest::keyClick(grid.View(), Qt::Key_Space);
        QVERIFY(window->ValueIsDifCustomze(o2, fCustomize::ColLogic));
        grid.View()->scrollToTop();
        grid.View()->horizontalScrollBar()->setValue(0);
        QTest::qWait(200);
        const QString folder =
            QProcessEnvironment::systemEnvironment().value(QStringLiteral("VOKG_SCREENSHOT_DIR"));
        if (!folder.isEmpty())
            QVERIFY(main.window->grab().save(QDir(folder).filePath(QStringLiteral("customize-window.png"))));
    }

    void savedEditsChangeOnlyTheirBytes() {
        MainWindowFixture main;
        const QByteArray before = ReadFile(main.dsg);
        QVERIFY(main.window->OpenCommandLineFile(main.dsg));
        OpenFromButton(main, QStringLiteral("All outputs"));
        OpenFromButton(main, QStringLiteral("Standard input"));
        fCustomize* outputs = Window(main, QStringLiteral("All outputs"));
        fCustomize* inputs = Window(main, QStringLiteral("Standard input"));
        QVERIFY(outputs && inputs);
        // O3's OFF delay typed, I2's logic toggled with the space bar.
        platform::Grid& grid = *outputs->fg();
        const int o3 = *outputs->RowOf(QStringLiteral("O3"));
        main.window->Mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(outputs->parentWidget()));
        main.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
        grid.Select(o3, fCustomize::ColOffDelay);
        grid.View()->setFocus();
        QTest::keyClicks(grid.View(), QStringLiteral("4"));
        QTest::keyClicks(MainWindowFixture::Editor(grid), QStringLiteral("321"));
        QTest::keyClick(MainWindowFixture::Editor(grid), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(grid.TextMatrix(o3, fCustomize::ColOffDelay), QStringLiteral("4321"));
        const int i2 = *inputs->RowOf(QStringLiteral("I2"));
        const QString logicBefore = inputs->fg()->TextMatrix(i2, fCustomize::ColLogic);
        main.window->Mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(inputs->parentWidget()));
        inputs->fg()->Select(i2, fCustomize::ColLogic);
        inputs->fg()->View()->setFocus();
        QTest::keyClick(inputs->fg()->View(), Qt::Key_Space);
        QVERIFY(outputs->IsChanged() && inputs->IsChanged());

        main.Prompter().Clear();
        QVERIFY(outputs->BTN(1)->isEnabled());
        QTest::mouseClick(outputs->BTN(1), Qt::LeftButton);
        QVERIFY(main.Prompter().Prompts().isEmpty());
        QVERIFY(!outputs->IsChanged() && !inputs->IsChanged());

        // Exactly the two fields changed, in table 1; every other byte is as it was.
        const QByteArray after = ReadFile(main.dsg);
        QCOMPARE(after.size(), before.size());
        const vokg::CCustom& o3Row = *main.fixture.App().UserCustoms().Item(QStringLiteral("O3"));
        const vokg::CCustom& i2Row = *main.fixture.App().UserCustoms().Item(QStringLiteral("I2"));
        const int logic = logicBefore == QLatin1String("0") ? 1 : 0;
        QList<int> changed;
        for (int offset = 0; offset < after.size(); ++offset)
            if (after[offset] != before[offset])
                changed.append(offset);
        QList<int> expected;
        if (before[o3Row.OffDelayTimeAdrs()] != char(4321 >> 8))
            expected.append(o3Row.OffDelayTimeAdrs());
        if (before[o3Row.OffDelayTimeAdrs() + 1] != char(4321 & 0xFF))
            expected.append(o3Row.OffDelayTimeAdrs() + 1);
        expected.append(i2Row.LogicAdrs());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(changed, expected);
        QCOMPARE(quint8(after[o3Row.OffDelayTimeAdrs()]) * 256 + quint8(after[o3Row.OffDelayTimeAdrs() + 1]),
                 4321);
        QCOMPARE(int(after[i2Row.LogicAdrs()]), logic);

        // The companion reads the same values back.
        QTemporaryDir settings;
        const clirun::Run dump = clirun::RunCli({QStringLiteral("--defs"), main.fixture.Folder(),
                                                 QStringLiteral("dump"), main.dsg + QStringLiteral(":1")},
                                                clirun::Environment(settings.path(), {}));
        QCOMPARE(dump.status, 0);
        const QJsonObject table = QJsonDocument::fromJson(dump.out).object();
        QCOMPARE(Signal(table, QStringLiteral("O3"))[QStringLiteral("off_delay")].toInt(), 4321);
        QCOMPARE(Signal(table, QStringLiteral("I2"))[QStringLiteral("logic")].toInt(), logic);
    }
};

QTEST_MAIN(CustomizeMainTest)
#include "tst_customize_main.moc"
