// The function tree and the duty dialog as windows: what they show when they open, and what a
// click, a double click, a typed key or the close box leaves as their result.
#include "editors/fInpChoppingDuty.h"
#include "editors/fSelCus.h"
#include "editors/rules/SelCusRules.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "platform/gui/Tree.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using vokg::fInpChoppingDuty;
using vokg::fSelCus;
using vokg::SelCusRules;

class SelCusTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<vokg::CCusSelections> functions_;
    QRect place_{7485, 1605, 4755, 6255};

    static void DoubleClick(platform::Tree& tree, int node) {
        QWidget* area = tree.View()->viewport();
        const QPoint centre = area->mapFrom(&tree, tree.NodeRect(node).value_or(QRect()).center());
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
    }

private slots:
    void init() {
        prompter_.Clear();
        functions_ = std::make_unique<vokg::CCusSelections>(vokg::ModelContext{method_, messenger_});
        functions_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        functions_->Add(QStringLiteral("Wip"), 6, QStringLiteral("Wiper"));
        functions_->Add(QStringLiteral("LAMP"), 11, QStringLiteral("Work lamp"));
    }
    void cleanup() {
        QVERIFY2(prompter_.Unexpected().isEmpty(), qPrintable(prompter_.Unexpected().join(u'\n')));
    }

    void opensOnTheOriginalFunction() {
        SelCusRules rules(messenger_, method_);
        rules.SetColSel(functions_.get());
        rules.SetINOUT(0);
        rules.SetOrgValue(11);
        fSelCus dialog(rules, method_, place_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select function"));
        platform::Tree& tree = *dialog.tv();
        QCOMPARE(tree.Count(), 4);
        QVERIFY(tree.IsExpanded(0));
        QCOMPARE(tree.ForeColor(0), QColor(0, 64, 128));
        QCOMPARE(tree.SelectedNode(), std::optional<int>(3));
        // The window opens where the settings place it.
        QCOMPARE(dialog.geometry().width(), 317);
        // The group cannot be chosen; the dialog stays.
        tree.SetSelectedNode(0);
        QTest::mouseClick(dialog.BTN(1), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{QStringLiteral("You cannnot select category!")});
        QVERIFY(dialog.isVisible());
        // A double click on a function chooses it.
        DoubleClick(tree, 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(rules.RetValue(), 6);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void closingIsCancel_data() {
        QTest::addColumn<int>("original");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << 6 << false;
        QTest::newRow("the close box") << 6 << true;
        QTest::newRow("a value the table lacks") << 99 << false;
    }
    void closingIsCancel() {
        QFETCH(int, original);
        QFETCH(bool, closeBox);
        SelCusRules rules(messenger_, method_);
        rules.SetColSel(functions_.get());
        rules.SetINOUT(1);
        rules.SetOrgValue(original);
        fSelCus dialog(rules, method_, place_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (original == 99)
            QCOMPARE(dialog.tv()->SelectedNode(), std::nullopt);
        dialog.tv()->SetSelectedNode(3);
        if (closeBox)
            dialog.close();
        else
            QTest::mouseClick(dialog.BTN(2), Qt::LeftButton);
        QCOMPARE(rules.RetValue(), original);
        // The place it was left at is kept for the next time.
        QCOMPARE(place_.width(), dialog.geometry().width() * 15);
    }

    void findSelectsANameWithSmallLetters() {
        SelCusRules rules(messenger_, method_);
        rules.SetColSel(functions_.get());
        rules.SetOrgValue(0);
        fSelCus dialog(rules, method_, place_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        prompter_.QueueInput(QStringLiteral("wip"));
        QTest::mouseClick(dialog.btnFind(), Qt::LeftButton);
        QCOMPARE(dialog.tv()->SelectedNode(), std::optional<int>(2));
        QTest::mouseClick(dialog.BTN(1), Qt::LeftButton);
        QCOMPARE(rules.RetValue(), 6);
    }

    void dutyDialogShowsThePercentageWhileTyping() {
        fInpChoppingDuty dialog(messenger_, method_);
        dialog.SetChoppingOnTime(20);
        dialog.SetChoppingOffTime(220);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Input ChoppingDuty"));
        QCOMPARE(dialog.lblDuty()->text(), QStringLiteral("8%duty"));
        QLineEdit* on = dialog.txtChoppingTime(1);
        on->setFocus();
        on->selectAll();
        // Letters and signs never reach the box.
        QTest::keyClicks(on, QStringLiteral("3a-0"));
        QCOMPARE(on->text(), QStringLiteral("30"));
        QLineEdit* off = dialog.txtChoppingTime(2);
        off->selectAll();
        QTest::keyClicks(off, QStringLiteral("50"));
        QCOMPARE(dialog.lblDuty()->text(), QStringLiteral("37%duty"));
        QTest::mouseClick(dialog.BTN(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.ChoppingOnTime(), 30);
        QCOMPARE(dialog.ChoppingOffTime(), 50);
    }

    void dutyDialogRefusesZero_data() {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<int>("box");
        QTest::newRow("ON 0 and OFF 0") << "0"
                                        << "0" << 1;
        QTest::newRow("OFF 0") << "20"
                               << "0" << 2;
        QTest::newRow("ON above 65535") << "65536"
                                        << "20" << 1;
    }
    void dutyDialogRefusesZero() {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(int, box);
        fInpChoppingDuty dialog(messenger_, method_);
        dialog.SetChoppingOnTime(1);
        dialog.SetChoppingOffTime(1);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.txtChoppingTime(1)->setText(on);
        dialog.txtChoppingTime(2)->setText(off);
        if (on == QLatin1String("0") && off == QLatin1String("0"))
            QCOMPARE(dialog.lblDuty()->text(), QString());
        QTest::mouseClick(dialog.BTN(), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{QStringLiteral("Inptu value is invalid.")});
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.txtChoppingTime(box)->hasFocus());
        // Closed without accepting, it keeps the times it was given.
        dialog.reject();
        QCOMPARE(dialog.ChoppingOnTime(), 1);
        QCOMPARE(dialog.ChoppingOffTime(), 1);
    }
};

QTEST_MAIN(SelCusTest)
#include "tst_fSelCus.moc"
