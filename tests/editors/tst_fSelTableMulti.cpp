#include "editors/fSelTableMulti.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using vokg::fSelTableMulti;

class TestSelTableMulti : public QObject {
    Q_OBJECT

private:
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};

    static void Tick(fSelTableMulti& dialog, int table, bool ticked) {
        // The space bar toggles a check box wherever the layout has stretched it.
        if (dialog.TableBox(table)->isChecked() != ticked)
            QTest::keyClick(dialog.TableBox(table), Qt::Key_Space);
    }

    static QList<int> Ticked(const fSelTableMulti& dialog) {
        QList<int> ticked;
        for (int table = 1; table <= fSelTableMulti::kTableCount; ++table)
            if (dialog.TableBox(table)->isChecked())
                ticked.append(table);
        return ticked;
    }

private slots:
    void init() { prompter_.Clear(); }

    void opensWithTableIndexTickedAndReturnsTheTickedTables() {
        fSelTableMulti dialog(messenger_);
        dialog.SetTableIndex(3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Ticked(dialog), QList<int>{3});
        QCOMPARE(dialog.TableBox(5)->text(), QStringLiteral("Table 5"));

        Tick(dialog, 5, true);
        Tick(dialog, 3, false);
        Tick(dialog, 2, true);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.arTableIndex(), (QList<int>{2, 5}));
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void aTableIndexWithoutABoxTicksNothing_data() {
        QTest::addColumn<int>("tableIndex");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("past eight") << 9;
    }
    void aTableIndexWithoutABoxTicksNothing() {
        QFETCH(int, tableIndex);
        fSelTableMulti dialog(messenger_);
        dialog.SetTableIndex(tableIndex);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Ticked(dialog), QList<int>{});
    }

    void okWithNothingTickedAsksForATableAndStaysOpen() {
        fSelTableMulti dialog(messenger_);
        dialog.SetTableIndex(4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Tick(dialog, 4, false);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);

        QCOMPARE(prompter_.Prompts().size(), 1);
        QCOMPARE(prompter_.Prompts().at(0).text, QStringLiteral("At least, one table must be selected!"));
        QCOMPARE(prompter_.Prompts().at(0).kind, int(platform::BoxKind::Exclamation));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.arTableIndex().isEmpty());

        // The user ticks one after the message and the dialog closes normally.
        Tick(dialog, 8, true);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.arTableIndex(), QList<int>{8});
    }

    void cancelAndTheCloseBoxReturnNothing_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelAndTheCloseBoxReturnNothing() {
        QFETCH(bool, closeBox);
        fSelTableMulti dialog(messenger_);
        dialog.SetTableIndex(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Tick(dialog, 6, true);
        if (closeBox)
            QVERIFY(dialog.close());
        else
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.arTableIndex().isEmpty());
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void selectAllTicksAndClearsEveryTable() {
        fSelTableMulti dialog(messenger_);
        dialog.SetTableIndex(2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.SelectAllBox()->text(), QStringLiteral("Select &all"));
        QTest::keyClick(dialog.SelectAllBox(), Qt::Key_Space);
        QCOMPARE(Ticked(dialog), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QTest::keyClick(dialog.SelectAllBox(), Qt::Key_Space);
        QCOMPARE(Ticked(dialog), QList<int>{});

        QTest::keyClick(dialog.SelectAllBox(), Qt::Key_Space);
        Tick(dialog, 7, false);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.arTableIndex(), (QList<int>{1, 2, 3, 4, 5, 6, 8}));
    }

    void opensAtItsFixedPlace() {
        fSelTableMulti dialog(messenger_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.pos(), QPoint(27, 80));
    }
};

QTEST_MAIN(TestSelTableMulti)
#include "tst_fSelTableMulti.moc"
