#include "ShellFixture.h"

#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "shell/messages/Messages.h"
#include "tests/cli/CliRun.h"
#include "tests/shell/SampleMainWindow.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

using platform::Answer;
using vokg::fOkuriParam;
using vokg::fOkuriParam2;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The main window over the sample definitions with the sample design file open and its table 2
// as the comparison; the feed commands shown (the hidden chord held).
struct FeedFixture {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;

    FeedFixture() {
        LoadSampleDefinitions(fixture);
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        window = BuildMainWindow(fixture);
        window->SetHiddenCommands(false, true, false);
        ShowMainWindow(*window, 1400, 900);
        if (!window->OpenCommandLineFile(dsg) ||
            !vokg::FileOpen(fixture.App(), *window).ReadVOKGData(vokg::FileKind::Comparison, dsg, 2, false))
            qFatal("the sample did not open");
    }
    ~FeedFixture() {
        for (vokg::InputWindow* input : window->InputWindows())
            input->ControlChange(false);
        window->close();
    }
    FeedFixture(const FeedFixture&) = delete;
    FeedFixture& operator=(const FeedFixture&) = delete;

    // The feed button, the warning answered as given, then the item picked with the mouse.
    bool PickFeedItem(const QString& caption, Answer warning = Answer::Yes) {
        fixture.Prompter().QueueAnswer(warning);
        auto* button = window->findChild<QPushButton*>(QStringLiteral("btnOkuri"));
        QTest::mouseClick(button, Qt::LeftButton);
        QMenu* menu = window->FeedMenu();
        if (warning != Answer::Yes)
            return !menu->isVisible();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return false;
        for (QAction* item : menu->actions())
            if (item->text() == caption) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
                QCoreApplication::processEvents();
                // The menu closes once its item is chosen.
                return QTest::qWaitFor([menu] { return !menu->isVisible(); }) &&
                       QApplication::activePopupWidget() == nullptr;
            }
        return false;
    }

    static void Type(platform::Grid& grid, int row, int col, const QString& text) {
        // The window the user types into is the active one.
        for (QWidget* parent = grid.parentWidget(); parent != nullptr; parent = parent->parentWidget())
            if (auto* frame = qobject_cast<QMdiSubWindow*>(parent))
                frame->mdiArea()->setActiveSubWindow(frame);
        grid.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(grid.window()));
        grid.SetTopRow(row);
        grid.Select(row, col);
        grid.View()->setFocus();
        // Typing on the cell opens its editor with the first character.
        for (const QChar ch : text) {
            QWidget* editor = Editor(grid);
            QTest::keyClick(editor ? editor : grid.View(), ch.toLatin1());
        }
        QVERIFY2(grid.IsEditing(), "no editor opened");
        QTest::keyClick(Editor(grid), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY2(!grid.IsEditing(), "the edit stayed open");
        QCOMPARE(grid.TextMatrix(row, col), text);
    }

    static QLineEdit* Editor(platform::Grid& grid) {
        if (!grid.IsEditing())
            return nullptr;
        for (QLineEdit* box : grid.findChildren<QLineEdit*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    bool Checked(const QString& caption) const {
        for (QAction* item : window->FeedMenu()->actions())
            if (item->text() == caption)
                return item->isChecked();
        return false;
    }

    QJsonObject Dump(const QString& file) {
        const clirun::Run dump = clirun::RunCli(
            {QStringLiteral("--defs"), fixture.Folder(), QStringLiteral("dump"), file + QStringLiteral(":1")},
            clirun::Environment(fixture.PathOf(QStringLiteral("settings")), {}));
        if (dump.status != 0)
            qWarning("dump: %s", dump.err.constData());
        return QJsonDocument::fromJson(dump.out).object();
    }
};

} // namespace

class FeedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void warningAnsweredNoOpensNothing() {
        FeedFixture main;
        const qsizetype open = main.window->InputWindows().size();
        QVERIFY(main.PickFeedItem(QStringLiteral("X_P1_A"), Answer::No));
        QCOMPARE(main.window->InputWindows().size(), open);
        QCOMPARE(main.fixture.Prompter().MessageTexts(), QStringList{vokg::ComposeMessage(36)});
    }

    // Two feed windows edited through the menus and saved with File, Save all: the companion's
    // dump shows the edited entries changed, and no other byte of the file changed.
    void savedEditsAreTheOnlyChange() {
        FeedFixture main;
        const QByteArray before = ReadFile(main.dsg);
        const QString original = main.fixture.PathOf(QStringLiteral("before.DSG"));
        QVERIFY(QFile::copy(main.dsg, original));
        QVERIFY(QFile::copy(main.fixture.PathOf(QStringLiteral("SAMPLE.DSK")),
                            main.fixture.PathOf(QStringLiteral("before.DSK"))));

        QVERIFY(main.PickFeedItem(QStringLiteral("X_P1_B")));
        auto* axis = qobject_cast<fOkuriParam*>(main.window->ExistForm(QStringLiteral("X_P1_B")));
        QVERIFY(axis);
        QVERIFY(!axis->fg()->ColHidden(fOkuriParam::ColComparison));
        QVERIFY(main.Checked(QStringLiteral("X_P1_B")));
        FeedFixture::Type(*axis->fg(), 3, fOkuriParam::ColUser, QStringLiteral("12"));

        const QString sendingX = vokg::LoadMsg(573);
        QVERIFY(main.PickFeedItem(sendingX));
        auto* pitch = qobject_cast<fOkuriParam2*>(main.window->ExistForm(sendingX));
        QVERIFY(pitch);
        QVERIFY(main.Checked(sendingX));
        // The feed window's pending edit shows in the pitch window: X_P1 row 5 is X_P1_B entry 2.
        QCOMPARE(pitch->fgUsr()->TextMatrix(6, 1), QStringLiteral("12"));
        // X_T1 row 9 is the low byte of X_T1_B entry 4.
        FeedFixture::Type(*pitch->fgUsr(), 10, 2, QStringLiteral("33"));
        main.fixture.Prompter().Clear();
        QAction* saveAll = nullptr;
        for (QAction* item : main.window->menuBar()->actions())
            if (item->menu() && item->text() == QLatin1String("&File"))
                for (QAction* entry : item->menu()->actions())
                    if (entry->text() == QLatin1String("&Save all"))
                        saveAll = entry;
        QVERIFY(saveAll);
        saveAll->trigger();
        QVERIFY(!pitch->IsChanged());

        const QJsonObject old = main.Dump(original);
        const QJsonObject saved = main.Dump(main.dsg);
        QVERIFY(!old.isEmpty() && !saved.isEmpty());
        const QJsonObject oldFeed = old[QStringLiteral("feed")].toObject();
        const QJsonObject newFeed = saved[QStringLiteral("feed")].toObject();
        QCOMPARE(newFeed[QStringLiteral("X_P1_B")].toArray()[2].toInt(), 12);
        const int word = oldFeed[QStringLiteral("X_T1_B")].toArray()[4].toInt();
        QCOMPARE(newFeed[QStringLiteral("X_T1_B")].toArray()[4].toInt(), (word & 0xFF00) | 33);
        QCOMPARE(newFeed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_T1")].toArray()[9].toInt(),
                 33);
        QCOMPARE(old[QStringLiteral("digitals")], saved[QStringLiteral("digitals")]);
        QCOMPARE(old[QStringLiteral("customize")], saved[QStringLiteral("customize")]);

        // Byte for byte: table 1's feed bytes of the two entries, nothing else.
        const QByteArray after = ReadFile(main.dsg);
        QCOMPARE(after.size(), before.size());
        QList<int> changed;
        for (int i = 0; i < after.size(); ++i)
            if (after.at(i) != before.at(i))
                changed.append(i);
        QList<int> expected;
        const int entryX = 4096 + 62 + 2 * 2 + 1;  // X_P1_B entry 2, low byte
        const int entryT = 4096 + 186 + 2 * 4 + 1; // X_T1_B entry 4, low byte
        if (before.at(entryX) != char(12))
            expected.append(entryX);
        if (before.at(entryT) != char(33))
            expected.append(entryT);
        if (before.at(entryX - 1) != 0)
            expected.prepend(entryX - 1); // the word became 12 as typed, its high byte 0
        std::sort(expected.begin(), expected.end());
        QCOMPARE(changed, expected);
    }
};

QTEST_MAIN(FeedWindowsTest)
#include "tst_feed_windows.moc"
