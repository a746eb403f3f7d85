// The prompter's library also holds the main window, which this folder does not link; its one
// source is compiled in here so the prompter is tested against the real dialogs it shows.
#include "editors/fInpPassword.h"
#include "editors/fSelTable.h"
#include "editors/fSelTableMulti.h"
#include "shell/gui/DialogPrompter.h"

#include "tests/support/CapturedReports.h"
#include "tests/support/TableBuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

using vokg::DialogPrompter;

namespace {

// Runs `act` on the modal dialog of type Dialog as soon as it is up. Records whether it ran,
// so a prompter that never showed its dialog fails the test instead of passing quietly.
template <class Dialog> class WhenShown {
public:
    explicit WhenShown(std::function<void(Dialog&)> act) : act_(std::move(act)) {
        timer_.setInterval(10);
        const int outerLevel = QThread::currentThread()->loopLevel();
        QObject::connect(&timer_, &QTimer::timeout, [this, outerLevel] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            // Only from inside the dialog's own loop: a close before it runs would be lost.
            if (dialog == nullptr || !dialog->isVisible() ||
                QThread::currentThread()->loopLevel() <= outerLevel)
                return;
            timer_.stop();
            ran_ = true;
            act_(*dialog);
            // A check that failed inside `act` must not leave the modal loop waiting forever.
            if (QTest::currentTestFailed() && dialog->isVisible())
                dialog->reject();
        });
        timer_.start();
    }
    bool Ran() const { return ran_; }

private:
    std::function<void(Dialog&)> act_;
    QTimer timer_;
    bool ran_ = false;
};

} // namespace

class TestDialogPrompter : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    hlpkit::CMethod method_;
    DialogPrompter prompter_{nullptr, method_, QStringLiteral("VOKG_SET")};

private slots:
    void chooseTableShowsTheRequestedDialog_data() {
        QTest::addColumn<int>("tables");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("design file, headers on request") << 8 << false;
        QTest::newRow("machine data file, headers at once") << 16 << true;
    }
    void chooseTableShowsTheRequestedDialog() {
        QFETCH(int, tables);
        QFETCH(bool, atOnce);
        testsupport::TableBuilder builder(tables);
        builder.Bytes(tables, 0, QByteArray("LAST"));
        const QString path = dir_.filePath(QStringLiteral("file"));
        QVERIFY(builder.WriteTo(path));

        WhenShown<vokg::fSelTable> choose([&](vokg::fSelTable& dialog) {
            QCOMPARE(dialog.TableCount(), tables);
            QCOMPARE(dialog.File(), path);
            QVERIFY(dialog.OptionButton(4)->isChecked());
            QCOMPARE(dialog.ShownKishuName(tables), atOnce ? QStringLiteral("LAST") : QString());
            QTest::mouseClick(dialog.OptionButton(tables - 1), Qt::LeftButton);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        const int chosen = prompter_.ChooseTable({tables, 4, path, atOnce});
        QVERIFY(choose.Ran());
        QCOMPARE(chosen, tables - 1);
    }

    void chooseTableCancelledIsMinusOne() {
        WhenShown<vokg::fSelTable> cancel([](vokg::fSelTable& dialog) { dialog.close(); });
        QCOMPARE(prompter_.ChooseTable({16, 2, QString(), false}), -1);
        QVERIFY(cancel.Ran());
    }

    void aTableCountNoFileHasIsLoggedAndCancelled() {
        CapturedReports reports;
        QCOMPARE(prompter_.ChooseTable({12, 1, QString(), false}), -1);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("ChooseTable"));
    }

    void chooseTablesReturnsTheTickedTables() {
        WhenShown<vokg::fSelTableMulti> tick([](vokg::fSelTableMulti& dialog) {
            QVERIFY(dialog.TableBox(3)->isChecked());
            QTest::keyClick(dialog.TableBox(6), Qt::Key_Space);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(prompter_.ChooseTables(3), (QList<int>{3, 6}));
        QVERIFY(tick.Ran());

        WhenShown<vokg::fSelTableMulti> cancel(
            [](vokg::fSelTableMulti& dialog) { QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton); });
        QCOMPARE(prompter_.ChooseTables(3), QList<int>{});
        QVERIFY(cancel.Ran());
    }

    void editPasswordAuthorGivesTheNewValuesOrNothing() {
        WhenShown<vokg::fInpPassword> edit([](vokg::fInpPassword& dialog) {
            QCOMPARE(dialog.PasswordBox()->text(), QStringLiteral("OLD"));
            dialog.PasswordBox()->setFocus();
            dialog.PasswordBox()->clear();
            QTest::keyClicks(dialog.PasswordBox(), QStringLiteral("new2"));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        const auto changed = prompter_.EditPasswordAuthor({QStringLiteral("OLD"), QStringLiteral("Ito")});
        QVERIFY(edit.Ran());
        QVERIFY(changed.has_value());
        QCOMPARE(changed->password, QStringLiteral("NEW2"));
        QCOMPARE(changed->author, QStringLiteral("Ito"));

        WhenShown<vokg::fInpPassword> cancel(
            [](vokg::fInpPassword& dialog) { QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton); });
        QCOMPARE(prompter_.EditPasswordAuthor({QStringLiteral("OLD"), QStringLiteral("Ito")}), std::nullopt);
        QVERIFY(cancel.Ran());
    }
};

QTEST_MAIN(TestDialogPrompter)
#include "tst_DialogPrompter.moc"
