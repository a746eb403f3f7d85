#include "editors/EditorServices.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CString.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TableBuilder.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using platform::Answer;
using platform::Grid;
using testsupport::TableBuilder;
using vokg::COkuris;
using vokg::FeedWindow;
using vokg::fOkuriParam;
using vokg::fOkuriParam2;

namespace {

constexpr int kFeed = 4096;
constexpr int kXP1A = 0;     // "X_P1_A", words
constexpr int kXP1B = 62;    // "X_P1_B", words
constexpr int kXP2A = 248;   // "X_P2_A", bytes
constexpr int kXYLM = 744;   // "XYLM", words
constexpr int kOther = 2754; // the seven other values, words

// The main window as the feed windows see it.
class FakeServices : public vokg::EditorServices {
public:
    bool SaveAllFiles(vokg::SaveMode mode, bool) override {
        saves.append(mode);
        bool taken = true;
        for (vokg::InputWindow* window : windows)
            taken = window->Update_Variable() && taken;
        return taken && saveSucceeds;
    }
    bool CanPrint() const override { return true; }
    bool PrintFeed(const vokg::FeedPrintRequest& request) override {
        prints.append(request);
        return true;
    }
    bool IsBusy() const override { return false; }
    bool ExactPassWord(int) override { return false; }
    void SetManufacturerMenuVisible(bool) override {}
    void InputWindowClosed(vokg::InputWindow& window) override { windows.removeAll(&window); }
    QList<vokg::InputWindow*> InputWindows() const override { return windows; }
    bool HasComparison() const override { return comparison; }
    bool UserFileIsDsg() const override { return dsg; }
    vokg::ProgramSettings& Settings() override { return settings.Typed(); }

    QList<vokg::SaveMode> saves;
    QList<vokg::FeedPrintRequest> prints;
    bool saveSucceeds = true;
    QList<vokg::InputWindow*> windows;
    bool comparison = true;
    bool dsg = true;
    testsupport::MemorySettings settings;
};

QString Each() {
    return vokg::LoadMsg(572);
}
QString SendingX() {
    return vokg::LoadMsg(573);
}

} // namespace

class TestFeedWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    hlpkit::CString keys_;
    std::unique_ptr<COkuris> user_;
    std::unique_ptr<COkuris> comparison_;
    std::unique_ptr<FakeServices> services_;
    std::vector<std::unique_ptr<FeedWindow>> windows_;
    QByteArray userImage_;

    // The user table: X_P1_A entry 0 is 300 (hex 012C, pitch X_P1 row 0 shows 44), X_P1_B entry 0
    // is 5, X_P2_A entry 0 is 40, XYLM entry 200 is 1234, the other values 1..7; the comparison
    // table differs in X_P1_A entry 1 (0 against 9) and X_P2_A entry 0 (41), and the pitch view
    // of X_T2 row 3 (odd: X_T2_B entry 1).
    static TableBuilder UserTable() {
        TableBuilder table;
        table.Word(1, kFeed + kXP1A, 0x012C).Word(1, kFeed + kXP1B, 5).Byte(1, kFeed + kXP2A, 40);
        table.Word(1, kFeed + kXYLM + 2 * 200, 1234);
        for (int i = 0; i < 7; ++i)
            table.Word(1, kFeed + kOther + 2 * i, i + 1);
        return table;
    }

    COkuris& Read(std::unique_ptr<COkuris>& into, const TableBuilder& table, const QString& name) {
        const QString path = dir_.filePath(name);
        if (!table.WriteTo(path))
            qFatal("cannot write %s", qPrintable(name));
        into = std::make_unique<COkuris>(vokg::ModelContext{method_, messenger_});
        if (!into->ReadData(path, 1))
            qFatal("cannot read %s", qPrintable(name));
        return *into;
    }

    template <class Window, class... Args> Window& Open(Args&&... args) {
        auto window = std::make_unique<Window>(*user_, *comparison_, *services_, messenger_, method_, keys_,
                                               std::forward<Args>(args)...);
        Window& shown = *window;
        // A new window shows what the others hold unsaved, as the main window asks it to.
        shown.TakeOverPendingValues();
        services_->windows.append(&shown);
        windows_.push_back(std::move(window));
        shown.resize(900, 600);
        shown.show();
        if (!QTest::qWaitForWindowExposed(&shown))
            qWarning("the window was not shown");
        return shown;
    }
    fOkuriParam& OpenFeed(const QString& key) {
        return Open<fOkuriParam>(key, vokg::FeedRules::AxisMenuTag());
    }

    // Clicks the cell; false when it is not in view.
    static bool Click(Grid& grid, int row, int col, bool twice = false) {
        const std::optional<QRect> cell = grid.CellRect(row, col);
        if (!cell)
            return false;
        QWidget* area = grid.View()->viewport();
        const QPoint centre = area->mapFrom(&grid, cell->center());
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
        return true;
    }

    static QLineEdit* OpenEditor(Grid& grid, int row, int col) {
        // A double click on the cell opens its editor, as it does for the user.
        if (!Click(grid, row, col, true))
            return nullptr;
        for (QLineEdit* box : grid.findChildren<QLineEdit*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    // Types `text` into the cell as a user does (the old text selected and erased first) and
    // presses Enter; the cell's text afterwards, or the editor's when it stayed open.
    static QString Type(Grid& grid, int row, int col, const QString& text) {
        grid.SetTopRow(row);
        QLineEdit* box = OpenEditor(grid, row, col);
        if (box == nullptr)
            return QStringLiteral("<no editor>");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        if (grid.IsEditing()) {
            const QString typed = grid.EditText();
            grid.CancelEditing();
            return QStringLiteral("open:") + typed;
        }
        return grid.TextMatrix(row, col);
    }

    static QByteArray Saved(COkuris& okuris, const QByteArray& image) {
        QByteArray copy = image;
        if (!okuris.SaveData(copy, 1))
            return {};
        return copy;
    }
    static int Word(const QByteArray& image, int offset) {
        return (static_cast<unsigned char>(image.at(offset)) << 8) |
               static_cast<unsigned char>(image.at(offset + 1));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        hlpkit::CMethod::SetLogFolder(dir_.path());
        hlpkit::CMethod::SetErrorBox(
            [](const QString&, const QString& text) { qWarning("%s", qPrintable(text)); });
    }

    void init() {
        prompter_.Clear();
        windows_.clear();
        services_ = std::make_unique<FakeServices>();
        TableBuilder user = UserTable();
        userImage_ = user.Image();
        Read(user_, user, QStringLiteral("user.dsg"));
        TableBuilder comparison = UserTable();
        comparison.Word(1, kFeed + kXP1A + 2, 9).Byte(1, kFeed + kXP2A, 41).Byte(1, kFeed + 341 + 1, 3);
        Read(comparison_, comparison, QStringLiteral("comparison.dsg"));
    }

    void cleanup() {
        QVERIFY2(prompter_.Unexpected().isEmpty(), qPrintable(prompter_.Unexpected().join(u'\n')));
        windows_.clear();
    }

    void rowLabels_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("label");
        QTest::newRow("X_P1_B first") << "X_P1_B" << 1 << "0.5-0.8";
        QTest::newRow("X_P1_B second") << "X_P1_B" << 2 << "1.3-1.6";
        QTest::newRow("X_P1_B 25") << "X_P1_B" << 25 << "19.7-20.0";
        QTest::newRow("X_P1_B 26") << "X_P1_B" << 26 << "-";
        QTest::newRow("X_P1_B 31") << "X_P1_B" << 31 << "-";
        QTest::newRow("X_P1_A first") << "X_P1_A" << 1 << "0.1-0.4";
        QTest::newRow("X_P1_A second") << "X_P1_A" << 2 << "0.9-1.2";
        QTest::newRow("Y_T2_A 25") << "Y_T2_A" << 25 << "19.3-19.6";
        QTest::newRow("other first") << COkuris::OtherValuesKey() << 1 << vokg::LoadMsg(521);
        QTest::newRow("other last") << COkuris::OtherValuesKey() << 7 << vokg::LoadMsg(527);
        QTest::newRow("sending X row 4") << SendingX() << 4 << "1.3-1.6";
        QTest::newRow("sending X row 42") << SendingX() << 42 << "16.5-16.8";
        QTest::newRow("sending Y row 50") << vokg::LoadMsg(574) << 50 << "19.7-20.0";
        QTest::newRow("each pitch first") << Each() << 1 << "0.0";
        QTest::newRow("each pitch 201") << Each() << 201 << "20.0";
    }
    void rowLabels() {
        QFETCH(QString, caption);
        QFETCH(int, row);
        QFETCH(QString, label);
        Grid* grid = nullptr;
        int rows = 0;
        if (fOkuriParam2::KindOf(caption)) {
            fOkuriParam2& window = Open<fOkuriParam2>(caption);
            grid = window.fgUsr();
            QCOMPARE(window.fgCmp()->TextMatrix(row, 0), label);
            rows = caption == Each() ? 202 : 51;
        } else {
            grid = OpenFeed(caption).fg();
            rows = caption == COkuris::OtherValuesKey() ? 8 : 32;
        }
        QCOMPARE(grid->Rows(), rows);
        QCOMPARE(grid->TextMatrix(row, 0), label);
    }

    void values() {
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_A"));
        QCOMPARE(axis.fg()->TextMatrix(1, fOkuriParam::ColUser), QStringLiteral("300"));
        QCOMPARE(axis.fg()->TextMatrix(2, fOkuriParam::ColComparison), QStringLiteral("9"));
        QCOMPARE(axis.fg()->TextMatrix(2, fOkuriParam::ColDif), QStringLiteral("DIF"));
        QCOMPARE(axis.fg()->TextMatrix(1, fOkuriParam::ColDif), QString());
        fOkuriParam2& each = Open<fOkuriParam2>(Each());
        QCOMPARE(each.fgUsr()->TextMatrix(201, 1), QStringLiteral("1234"));
        QCOMPARE(each.fgUsr()->TextMatrix(0, 6), QStringLiteral("ZLM"));
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        // Pitch row 0 is the low byte of X_P1_A entry 0; row 1 that of X_P1_B entry 0.
        QCOMPARE(x.fgUsr()->TextMatrix(1, 1), QStringLiteral("44"));
        QCOMPARE(x.fgUsr()->TextMatrix(2, 1), QStringLiteral("5"));
        QCOMPARE(x.fgUsr()->TextMatrix(1, 3), QStringLiteral("40"));
    }

    void ranges_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the cell's text, or the message that refused it
        const QString out = QStringLiteral("Input value is out of range.\n\nMin = %1\nMax = %2");
        const QString other = COkuris::OtherValuesKey();
        QTest::newRow("axis 99") << "X_P1_A" << 3 << 2 << "99"
                                 << "99";
        QTest::newRow("axis 0") << "X_P1_A" << 3 << 2 << "0"
                                << "0";
        QTest::newRow("axis 100") << "X_P1_A" << 3 << 2 << "100" << out.arg(0).arg(99);
        QTest::newRow("axis blank") << "X_P1_A" << 3 << 2 << ""
                                    << "Input value!";
        QTest::newRow("other row 1 zero") << other << 1 << 2 << "0" << out.arg(1).arg(100);
        QTest::newRow("other row 4 100") << other << 4 << 2 << "100" << out.arg(1).arg(99);
        QTest::newRow("other row 5 9999") << other << 5 << 2 << "9999"
                                          << "9999";
        QTest::newRow("other row 6 9999") << other << 6 << 2 << "9999"
                                          << "9999";
        QTest::newRow("other row 7 9999") << other << 7 << 2 << "9999" << out.arg(1).arg(999);
        QTest::newRow("XYLM 9999") << Each() << 5 << 1 << "9999"
                                   << "9999";
        QTest::newRow("ZLM 9999") << Each() << 5 << 6 << "9999"
                                  << "9999";
        QTest::newRow("P1X 9999") << Each() << 5 << 4 << "9999" << out.arg(1).arg(99);
        QTest::newRow("P1Y 99") << Each() << 5 << 5 << "99"
                                << "99";
        QTest::newRow("XGA 0") << Each() << 5 << 2 << "0" << out.arg(1).arg(9999);
        QTest::newRow("pitch 99") << SendingX() << 7 << 4 << "99"
                                  << "99";
        QTest::newRow("pitch 0") << SendingX() << 7 << 4 << "0" << out.arg(1).arg(99);
        // Only digits reach the cell: a minus sign, a point and letters are dropped as typed.
        QTest::newRow("minus dropped") << "X_P1_A" << 3 << 2 << "-5"
                                       << "5";
        QTest::newRow("point and letters dropped") << SendingX() << 7 << 2 << "1.2ab3" << out.arg(1).arg(99);
        QTest::newRow("letters only") << "X_P1_A" << 3 << 2 << "abc"
                                      << "Input value!";
    }
    void ranges() {
        QFETCH(QString, caption);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Grid* grid =
            fOkuriParam2::KindOf(caption) ? Open<fOkuriParam2>(caption).fgUsr() : OpenFeed(caption).fg();
        const QString outcome = Type(*grid, row, col, typed);
        const QStringList messages = prompter_.MessageTexts();
        if (messages.isEmpty()) {
            QCOMPARE(outcome, shown);
        } else {
            QCOMPARE(messages, QStringList{shown});
            QVERIFY2(outcome.startsWith(QLatin1String("open:")), qPrintable(outcome));
        }
    }

    void keyFilter() {
        Grid& grid = *OpenFeed(QStringLiteral("X_P1_A")).fg();
        QLineEdit* box = OpenEditor(grid, 4, fOkuriParam::ColUser);
        QVERIFY(box != nullptr);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("-4.x2"));
        QCOMPARE(box->text(), QStringLiteral("42"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("4"));
        grid.CancelEditing();
    }

    void withoutComparison() {
        services_->comparison = false;
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_A"));
        QVERIFY(axis.fg()->ColHidden(fOkuriParam::ColComparison));
        QVERIFY(!axis.BTN(3)->isEnabled());
        QVERIFY(!axis.opDisp(FeedWindow::ShowDifferent)->isEnabled());
        QCOMPARE(axis.fg()->TextMatrix(2, fOkuriParam::ColDif), QString());
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        QVERIFY(!x.BTN(3)->isEnabled());
        QVERIFY(!x.BTN(4)->isEnabled());
        QVERIFY(!x.opDisp(FeedWindow::ShowDifferent)->isEnabled());
        for (int row = 1; row <= 50; ++row) {
            QVERIFY(!x.fgCmp()->TextMatrix(row, 0).isEmpty());
            for (int col = 1; col <= x.MarkColumn(); ++col)
                QCOMPARE(x.fgCmp()->TextMatrix(row, col), QString());
        }
        // Clicking the disabled option changes nothing.
        QTest::mouseClick(x.opDisp(FeedWindow::ShowDifferent), Qt::LeftButton);
        QCOMPARE(x.CurrentFilter(), int(FeedWindow::ShowAll));
    }

    void changeAndChangeBack_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("stored");
        QTest::newRow("axis") << "X_P1_B" << 1 << 2 << "5";
        QTest::newRow("other values") << COkuris::OtherValuesKey() << 3 << 2 << "3";
        QTest::newRow("each pitch") << Each() << 201 << 1 << "1234";
        QTest::newRow("sending X") << SendingX() << 1 << 3 << "40";
    }
    void changeAndChangeBack() {
        QFETCH(QString, caption);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, stored);
        FeedWindow* window = nullptr;
        Grid* grid = nullptr;
        if (fOkuriParam2::KindOf(caption)) {
            fOkuriParam2& pitch = Open<fOkuriParam2>(caption);
            window = &pitch;
            grid = pitch.fgUsr();
        } else {
            fOkuriParam& feed = OpenFeed(caption);
            window = &feed;
            grid = feed.fg();
        }
        QVERIFY(!window->BTN(1)->isEnabled());
        QCOMPARE(Type(*grid, row, col, QStringLiteral("77")), QStringLiteral("77"));
        QVERIFY(window->IsCellEdited(row, col));
        QVERIFY(window->IsChanged());
        QVERIFY(window->BTN(1)->isEnabled());
        QCOMPARE(Type(*grid, row, col, stored), stored);
        QVERIFY(!window->IsCellEdited(row, col));
        QVERIFY(!window->IsChanged());
        QVERIFY(!window->BTN(1)->isEnabled());
        // Nothing is pushed for a value changed back.
        QVERIFY(window->Update_Variable());
        QCOMPARE(Saved(*user_, userImage_), userImage_);
    }

    void datFileSaveStaysDisabled() {
        services_->dsg = false;
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_A"));
        QCOMPARE(Type(*axis.fg(), 3, fOkuriParam::ColUser, QStringLiteral("12")), QStringLiteral("12"));
        QVERIFY(axis.IsChanged());
        QVERIFY(!axis.BTN(1)->isEnabled());
        QTest::mouseClick(axis.BTN(1), Qt::LeftButton);
        QVERIFY(services_->saves.isEmpty());
    }

    void saveButtonPushesOnlyTheEditedEntry() {
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_B"));
        QCOMPARE(Type(*axis.fg(), 3, fOkuriParam::ColUser, QStringLiteral("12")), QStringLiteral("12"));
        QTest::mouseClick(axis.BTN(1), Qt::LeftButton);
        QCOMPARE(services_->saves, QList<vokg::SaveMode>{vokg::SaveMode::Overwrite});
        QVERIFY(!axis.IsChanged());
        const QByteArray saved = Saved(*user_, userImage_);
        QCOMPARE(saved.size(), userImage_.size());
        QList<int> changed;
        for (int i = 0; i < saved.size(); ++i)
            if (saved.at(i) != userImage_.at(i))
                changed.append(i);
        // X_P1_B entry 2 is the word at 62 + 4: only its low byte changes (0 to 12).
        QCOMPARE(changed, QList<int>{kFeed + kXP1B + 5});
    }

    void difMarkFollowsTheUserValue() {
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        // X_T2 row 3 differs only in column 4.
        QCOMPARE(x.fgCmp()->TextMatrix(4, x.MarkColumn()), QStringLiteral("DIF"));
        QVERIFY(x.RowDiffers(4));
        QTest::mouseClick(x.opDisp(FeedWindow::ShowDifferent), Qt::LeftButton);
        QVERIFY(!x.fgUsr()->RowHidden(4));
        QVERIFY(!x.fgCmp()->RowHidden(4));
        QVERIFY(x.fgUsr()->RowHidden(5));
        QVERIFY(x.fgCmp()->RowHidden(5));
        QTest::mouseClick(x.opDisp(FeedWindow::ShowAll), Qt::LeftButton);
        QCOMPARE(Type(*x.fgUsr(), 4, 4, QStringLiteral("3")), QStringLiteral("3"));
        QCOMPARE(x.fgCmp()->TextMatrix(4, x.MarkColumn()), QString());
        QTest::mouseClick(x.opDisp(FeedWindow::ShowEdited), Qt::LeftButton);
        QVERIFY(!x.fgUsr()->RowHidden(4));
        QVERIFY(x.fgUsr()->RowHidden(1));
    }

    void copyThisRow() {
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        // Row 1 differs in X_P2 (40 against 41); the current row is copied after Yes.
        QVERIFY(Click(*x.fgUsr(), 1, 2));
        prompter_.QueueAnswer(Answer::Yes);
        QTest::mouseClick(x.BTN(4), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(),
                 QStringList{QStringLiteral("Are you sure to reset selected row's value ?")});
        QCOMPARE(x.fgUsr()->TextMatrix(1, 3), QStringLiteral("41"));
        QVERIFY(x.IsChanged());
        QVERIFY(!x.RowDiffers(1));
        // No copies nothing.
        prompter_.Clear();
        QVERIFY(Click(*x.fgUsr(), 4, 1));
        prompter_.QueueAnswer(Answer::No);
        QTest::mouseClick(x.BTN(4), Qt::LeftButton);
        QCOMPARE(x.fgUsr()->TextMatrix(4, 4), QStringLiteral("0"));
    }

    void copyAll() {
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_A"));
        prompter_.QueueAnswer(Answer::Yes);
        QTest::mouseClick(axis.BTN(3), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{QStringLiteral("Are you sure to reset all value ?")});
        for (int row = 1; row <= 31; ++row)
            QCOMPARE(axis.fg()->TextMatrix(row, fOkuriParam::ColUser),
                     axis.fg()->TextMatrix(row, fOkuriParam::ColComparison));
        QVERIFY(axis.IsChanged());
        QVERIFY(axis.IsCellEdited(2, fOkuriParam::ColUser));
    }

    void printHandsOverTheWindow() {
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        QTest::mouseClick(x.opDisp(FeedWindow::ShowDifferent), Qt::LeftButton);
        QTest::mouseClick(x.BTN(2), Qt::LeftButton);
        QCOMPARE(services_->prints.size(), 1);
        QCOMPARE(services_->prints[0].printKind, 3);
        QCOMPARE(services_->prints[0].okuriCaption, SendingX());
        QVERIFY(services_->prints[0].onlyDif);
    }

    // The pitch window and the feed window show the same byte: X_P1 row 0 is the low byte of
    // X_P1_A entry 0 (300, hex 012C). An edit in either shows in the other at once; whatever order
    // the windows push in, the file gets the value typed last, and a byte changed and changed
    // back keeps the other window's edit.
    void twoViewsOfTheSameBytes_data() {
        QTest::addColumn<QStringList>("edits"); // "feed=N" or "pitch=N", in typing order
        QTest::addColumn<bool>("pitchFirst");   // the pitch window pushes first
        QTest::addColumn<int>("word");          // X_P1_A entry 0 in the saved file
        for (const bool pitchFirst : {false, true}) {
            const char* order = pitchFirst ? "pitch pushes first" : "feed pushes first";
            QTest::addRow("feed only, %s", order) << QStringList{"feed=7"} << pitchFirst << 0x0007;
            QTest::addRow("pitch only, %s", order) << QStringList{"pitch=9"} << pitchFirst << 0x0109;
            QTest::addRow("feed then pitch, %s", order)
                << QStringList{"feed=7", "pitch=9"} << pitchFirst << 0x0009;
            QTest::addRow("pitch then feed, %s", order)
                << QStringList{"pitch=9", "feed=7"} << pitchFirst << 0x0007;
            QTest::addRow("pitch changed back, %s", order)
                << QStringList{"feed=7", "pitch=9", "pitch=44"} << pitchFirst << 0x002C;
            QTest::addRow("pitch back to the stored byte after a feed edit, %s", order)
                << QStringList{"feed=7", "pitch=44"} << pitchFirst << 0x002C;
        }
    }
    void twoViewsOfTheSameBytes() {
        QFETCH(QStringList, edits);
        QFETCH(bool, pitchFirst);
        QFETCH(int, word);
        fOkuriParam& feed = OpenFeed(QStringLiteral("X_P1_A"));
        fOkuriParam2& pitch = Open<fOkuriParam2>(SendingX());
        for (const QString& edit : edits) {
            const QString value = edit.section(u'=', 1);
            if (edit.startsWith(QLatin1String("feed")))
                QCOMPARE(Type(*feed.fg(), 1, fOkuriParam::ColUser, value), value);
            else
                QCOMPARE(Type(*pitch.fgUsr(), 1, 1, value), value);
        }
        // Both windows show the byte as typed last.
        QCOMPARE(feed.fg()->TextMatrix(1, fOkuriParam::ColUser), QString::number(word));
        QCOMPARE(pitch.fgUsr()->TextMatrix(1, 1), QString::number(word & 0xFF));
        if (pitchFirst)
            services_->windows = {&pitch, &feed};
        else
            services_->windows = {&feed, &pitch};
        QVERIFY(services_->SaveAllFiles(vokg::SaveMode::Overwrite, true));
        const QByteArray saved = Saved(*user_, userImage_);
        QCOMPARE(Word(saved, kFeed + kXP1A), word);
        // Nothing else of the table changed.
        QByteArray expected = userImage_;
        expected[kFeed + kXP1A] = char(word >> 8);
        expected[kFeed + kXP1A + 1] = char(word & 0xFF);
        QCOMPARE(saved, expected);
    }

    void aNewWindowShowsPendingEditsOfTheOther() {
        fOkuriParam2& pitch = Open<fOkuriParam2>(SendingX());
        QCOMPARE(Type(*pitch.fgUsr(), 2, 1, QStringLiteral("8")), QStringLiteral("8"));
        // X_P1 row 1 is the low byte of X_P1_B entry 0.
        fOkuriParam& feed = OpenFeed(QStringLiteral("X_P1_B"));
        QCOMPARE(feed.fg()->TextMatrix(1, fOkuriParam::ColUser), QStringLiteral("8"));
        QVERIFY(feed.IsChanged());
        // Dropping the pitch window's edits leaves the feed window's own copy of the edit.
        pitch.ControlChange(false);
        QCOMPARE(pitch.fgUsr()->TextMatrix(2, 1), QStringLiteral("5"));
        QVERIFY(feed.IsChanged());
    }

    // The picture of the README: the X pitch window over the sample's table 1 beside table 2, with
    // one edit. Written only when VOKG_SCREENSHOT_DIR names a folder.
    void screenshotOfTheSample() {
        const QString folder = qEnvironmentVariable("VOKG_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("VOKG_SCREENSHOT_DIR is not set");
        const QString sample = QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSG");
        QVERIFY(user_->ReadData(sample, 1) && comparison_->ReadData(sample, 1 + TableBuilder::kTableSize));
        fOkuriParam2& x = Open<fOkuriParam2>(SendingX());
        x.resize(x.minimumSizeHint().width() + 20, 720);
        QCOMPARE(Type(*x.fgUsr(), 6, 2, QStringLiteral("33")), QStringLiteral("33"));
        x.fgUsr()->SetTopRow(1);
        QTest::qWait(200);
        QVERIFY(x.grab().save(QDir(folder).filePath(QStringLiteral("pitch-window.png"))));
    }

    void closeAsksAndNoDrops() {
        fOkuriParam& axis = OpenFeed(QStringLiteral("X_P1_A"));
        QCOMPARE(Type(*axis.fg(), 3, fOkuriParam::ColUser, QStringLiteral("12")), QStringLiteral("12"));
        prompter_.QueueAnswer(Answer::No);
        QTest::mouseClick(axis.BTN(9), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts().size(), 1);
        QVERIFY(prompter_.MessageTexts().first().contains(QStringLiteral("X_P1_A")));
        QVERIFY(!services_->windows.contains(&axis));
        QVERIFY(services_->saves.isEmpty());
    }
};

QTEST_MAIN(TestFeedWindows)
#include "tst_fOkuriParam.moc"
