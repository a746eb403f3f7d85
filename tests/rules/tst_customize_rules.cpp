// The customize window's own rules and the function tree's, without a window: the texts the
// window shows, the duty list and its MANUAL entry, and selecting, cancelling and finding.
#include "editors/rules/CustomizeRules.h"
#include "editors/rules/SelCusRules.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QTest>

#include <memory>

using platform::Answer;
using vokg::CustomizeRules;
using vokg::SelCusRules;

class CustomizeRulesTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<vokg::CCusSelections> functions_;

    SelCusRules Tree(int orgValue) {
        SelCusRules rules(messenger_, method_);
        rules.SetColSel(functions_.get());
        rules.SetINOUT(1);
        rules.SetOrgValue(orgValue);
        rules.BuildNodes();
        return rules;
    }

private slots:
    void init() {
        prompter_.Clear();
        functions_ = std::make_unique<vokg::CCusSelections>(vokg::ModelContext{method_, messenger_});
        functions_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        functions_->Add(QStringLiteral("WIP"), 6, QStringLiteral("Wiper"));
        functions_->Add(QStringLiteral("Lamp"), 11, QStringLiteral("Work lamp"));
        functions_->Add(QStringLiteral("DOORLOCK"), 40, QStringLiteral("Safety door lock"));
    }

    void comparisonFunctionText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("short name padded") << 6 << QStringLiteral("WIP:Wiper");
        QTest::newRow("long name kept whole") << 40 << QStringLiteral("DOORLOCK:Safety door lock");
        QTest::newRow("a value the table lacks shows its number") << 77 << QStringLiteral("77");
    }
    void comparisonFunctionText() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(CustomizeRules::ComparisonFunctionText(*functions_, value), text);
    }

    void dutyTexts_data() {
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("off");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("manual");
        QTest::newRow("50H") << 20 << 20 << QStringLiteral("50H")
                             << QStringLiteral("2ms=ON, 2ms=OFF, 50%duty");
        QTest::newRow("free 30/50") << 30 << 50 << QStringLiteral("MANUAL")
                                    << QStringLiteral("3ms=ON, 5ms=OFF, 37%duty");
        QTest::newRow("tenths shown")
            << 25 << 75 << QStringLiteral("MANUAL") << QStringLiteral("2.5ms=ON, 7.5ms=OFF, 25%duty");
        QTest::newRow("0/0 has no percentage")
            << 0 << 0 << QStringLiteral("MANUAL") << QStringLiteral("0ms=ON, 0ms=OFF");
    }
    void dutyTexts() {
        QFETCH(int, on);
        QFETCH(int, off);
        QFETCH(QString, code);
        QFETCH(QString, manual);
        QCOMPARE(CustomizeRules::DutyCodeOf(on, off), code);
        QCOMPARE(CustomizeRules::ManualDutyDescription(on, off, method_), manual);
        const QString data = CustomizeRules::DutyData(on, off);
        QCOMPARE(CustomizeRules::ChopOnTime(data), on);
        QCOMPARE(CustomizeRules::ChopOffTime(data), off);
    }

    void dutyListDescribesOnlyAManualCell() {
        const QStringList manualCell =
            CustomizeRules::DutyComboList(QStringLiteral("MANUAL"), 30, 50, method_).split(QLatin1Char('|'));
        QCOMPARE(manualCell.size(), 9);
        QCOMPARE(manualCell.first(), QStringLiteral("ALL\t100%all wave output"));
        QCOMPARE(manualCell.at(1), QStringLiteral("66L\t8ms=ON, 4ms=OFF, 66%duty"));
        QCOMPARE(manualCell.at(7), QStringLiteral("8\t2ms=ON, 22ms=OFF, 8%duty"));
        QCOMPARE(manualCell.last(), QStringLiteral("MANUAL\t3ms=ON, 5ms=OFF, 37%duty"));
        const QStringList fixedCell =
            CustomizeRules::DutyComboList(QStringLiteral("50H"), 20, 20, method_).split(QLatin1Char('|'));
        QCOMPARE(fixedCell.last(), QStringLiteral("MANUAL\t"));
    }

    void dutyDataWithoutACommaReadsZero() {
        QCOMPARE(CustomizeRules::ChopOnTime(QStringLiteral("30")), 0);
        QCOMPARE(CustomizeRules::ChopOffTime(QString()), 0);
        QCOMPARE(CustomizeRules::ChopOffTime(QStringLiteral("30,x")), 0);
    }

    void dutyPercentLabel_data() {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("label");
        QTest::newRow("20/220") << "20"
                                << "220" << QStringLiteral("8%duty");
        QTest::newRow("30/50") << "30"
                               << "50" << QStringLiteral("37%duty");
        QTest::newRow("0/0 is empty") << "0"
                                      << "0" << QString();
        QTest::newRow("no number is empty") << ""
                                            << "20" << QString();
    }
    void dutyPercentLabel() {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(QString, label);
        QCOMPARE(CustomizeRules::DutyPercentLabel(on, off, method_), label);
    }

    void directionOfAGroup_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("inout");
        QTest::newRow("All inputs") << "All inputs" << 0;
        QTest::newRow("Standard input") << "Standard input" << 0;
        QTest::newRow("All outputs") << "All outputs" << 1;
        QTest::newRow("I/O BOARD No.3 output") << "I/O BOARD No.3 output" << 1;
    }
    void directionOfAGroup() {
        QFETCH(QString, group);
        QFETCH(int, inout);
        QCOMPARE(CustomizeRules::DirectionOf(group), inout);
    }

    void treeNodes() {
        SelCusRules rules = Tree(6);
        const QList<SelCusRules::Node>& nodes = rules.Nodes();
        QCOMPARE(nodes.size(), 5);
        QVERIFY(nodes.first().isGroup);
        QCOMPARE(nodes.first().key, QStringLiteral("keyCustomize"));
        QCOMPARE(nodes.at(2).key, QStringLiteral("key6"));
        QCOMPARE(nodes.at(2).parentKey, QStringLiteral("keyCustomize"));
        QCOMPARE(nodes.at(2).text, QStringLiteral("WIP\tWiper"));
        QCOMPARE(nodes.at(2).image, QStringLiteral("keyRArrowBlue"));
        QCOMPARE(rules.ParentKeys(), QStringList{QStringLiteral("keyCustomize")});
        QCOMPARE(rules.SelectOriginalNode(), std::optional<int>(2));
    }

    void findNodeUpperCasesBothSides_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("node");
        QTest::newRow("wip finds WIP") << "wip" << 2;
        QTest::newRow("LAMP finds Lamp") << "LAMP" << 3;
        QTest::newRow("lamp finds Lamp") << "lamp" << 3;
        QTest::newRow("a part finds nothing") << "DOOR" << -1;
        QTest::newRow("the group is no function") << "Customize" << -1;
    }
    void findNodeUpperCasesBothSides() {
        QFETCH(QString, name);
        QFETCH(int, node);
        const SelCusRules rules = Tree(0);
        QCOMPARE(rules.FindNode(name).value_or(-1), node);
    }

    void anOriginalTheTableLacksSelectsNothingAndCancelKeepsIt() {
        SelCusRules rules = Tree(99);
        QCOMPARE(rules.SelectOriginalNode(), std::nullopt);
        QCOMPARE(rules.RetValue(), 99);
        rules.Cancel();
        QCOMPARE(rules.RetValue(), 99);
    }

    void selecting_data() {
        QTest::addColumn<int>("node");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("result");
        QTest::newRow("nothing selected") << -1 << false << QStringLiteral("Select again.") << 6;
        QTest::newRow("the group") << 0 << false << QStringLiteral("You cannnot select category!") << 6;
        QTest::newRow("a function") << 4 << true << QString() << 40;
    }
    void selecting() {
        QFETCH(int, node);
        QFETCH(bool, closes);
        QFETCH(QString, message);
        QFETCH(int, result);
        SelCusRules rules = Tree(6);
        QCOMPARE(rules.Select(node < 0 ? std::nullopt : std::optional<int>(node)), closes);
        QCOMPARE(prompter_.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rules.RetValue(), result);
    }

    void findAsksUntilANameIsGiven() {
        SelCusRules rules = Tree(0);
        prompter_.QueueInput(QString());
        prompter_.QueueInput(QStringLiteral("lamp"));
        QCOMPARE(rules.Find(), std::optional<int>(3));
        QCOMPARE(prompter_.MessageTexts(), QStringList{QStringLiteral("Input value!")});
        prompter_.Clear();
        prompter_.QueueInput(QStringLiteral("xyz"));
        QCOMPARE(rules.Find(), std::nullopt);
        QCOMPARE(prompter_.MessageTexts(), QStringList{QStringLiteral("[xyz]\n\nValue not found.")});
        prompter_.Clear();
        prompter_.QueueInput(std::nullopt);
        QCOMPARE(rules.Find(), std::nullopt);
        QVERIFY(prompter_.MessageTexts().isEmpty());
    }
};

QTEST_MAIN(CustomizeRulesTest)
#include "tst_customize_rules.moc"
