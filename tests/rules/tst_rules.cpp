#include "editors/rules/CustomizeRules.h"
#include "editors/rules/FeedRules.h"
#include "editors/rules/ParamRules.h"
#include "editors/rules/PasswordRules.h"
#include "editors/rules/TypedNumber.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "model/CModes.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QTest>

#include <memory>

namespace {

// "=TEXT" for an accepted value stored as TEXT, else the text of the refusing message.
QString Outcome(const vokg::EntryVerdict& verdict) {
    return verdict.Accepted() ? QStringLiteral("=") + *verdict.accepted : verdict.MessageText();
}

const QString kInputValue = QStringLiteral("Input value!");
const QString kOutOfRange = QStringLiteral("Input value is out of range.");
const QString kInvalid = QStringLiteral("Inptu value is invalid.");

QString Range(int min, int max) {
    return QStringLiteral("Input value is out of range.\n\nMin = %1\nMax = %2").arg(min).arg(max);
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<vokg::CModes> modes_;

    vokg::CDigital& Digital(const QString& name) {
        return *modes_->Item(QStringLiteral("BASIC"))->Digits().Find(name);
    }

private slots:
    void init() {
        modes_ = std::make_unique<vokg::CModes>(vokg::ModelContext{method_, messenger_});
        auto& basic = modes_->Add(QStringLiteral("BASIC")).Digits();
        basic.Add("SPEED", "NUM", "rpm", "0", "100", "Sewing speed", "", 0, 2);
        basic.Add("FREE", "NUM", "", "", "", "No range", "", 3, 1);
        basic.Add("WIDE", "NUM", "", "0", "70000", "Wider than its field", "", 4, 2);
        basic.Add("SIGNED", "NUM", "", "-200", "200", "Signed byte", "", 6, 1);
        basic.Add("COLOR", "SEL", "", "", "", "Colour", "", 7, 1);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("RED", 0);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("GREEN", 1);
        basic.Item(QStringLiteral("COLOR"))->Selections().Add("BLUE", 2);
    }

    void typedNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("whole");
        QTest::newRow("digits") << "120" << true << 120.0;
        QTest::newRow("surrounding spaces") << "  7 " << true << 7.0;
        QTest::newRow("plus sign") << "+7" << true << 7.0;
        QTest::newRow("minus sign") << "-7" << true << -7.0;
        QTest::newRow("12.5 is 12") << "12.5" << true << 12.0;
        QTest::newRow("13.5 is 14") << "13.5" << true << 14.0;
        QTest::newRow("-2.5 is -2") << "-2.5" << true << -2.0;
        QTest::newRow("a fraction alone") << ".6" << true << 1.0;
        QTest::newRow("a point after digits") << "3." << true << 3.0;
        QTest::newRow("past 32 bits") << "99999999999" << true << 99999999999.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "120abc" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("&H") << "&H10" << false << 0.0;
        QTest::newRow("0x") << "0x10" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("inner space") << "1 2" << false << 0.0;
        QTest::newRow("two signs") << "+-1" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void typedNumbers() {
        QFETCH(QString, typed);
        QFETCH(bool, isNumber);
        QFETCH(double, whole);
        const std::optional<double> value = vokg::TypedWholeNumber(typed);
        QCOMPARE(value.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*value, whole);
    }

    // The texts the drop-down list never lets through reach the rule from the companion.
    void parameterEntries_data() {
        QTest::addColumn<QString>("digital");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("outcome");
        const QString notFound = QStringLiteral("UpdateUserValue:cannot find selection ->");
        QTest::newRow("a choice") << "COLOR"
                                  << "GREEN"
                                  << ""
                                  << ""
                                  << "=GREEN";
        QTest::newRow("not a choice") << "COLOR"
                                      << "PINK"
                                      << ""
                                      << "" << notFound + "PINK";
        QTest::newRow("choices match exactly") << "COLOR"
                                               << "green"
                                               << ""
                                               << "" << notFound + "green";
        QTest::newRow("a choice whose value is out of range") << "COLOR"
                                                              << "BLUE"
                                                              << "0"
                                                              << "1" << kOutOfRange;
        QTest::newRow("a choice within range") << "COLOR"
                                               << "GREEN"
                                               << "0"
                                               << "1"
                                               << "=GREEN";
        QTest::newRow("empty choice") << "COLOR"
                                      << ""
                                      << ""
                                      << "" << kInputValue;
        QTest::newRow("blank") << "SPEED"
                               << "  "
                               << "0"
                               << "100" << kInputValue;
        QTest::newRow("negative half to even") << "SIGNED"
                                               << "-2.5"
                                               << "-10"
                                               << "10"
                                               << "=-2";
        QTest::newRow("hexadecimal is no number") << "SPEED"
                                                  << "&H10"
                                                  << "0"
                                                  << "100" << kInputValue;
        QTest::newRow("only MIN numeric: no upper limit") << "WIDE"
                                                          << "1000"
                                                          << "0"
                                                          << ""
                                                          << "=1000";
        QTest::newRow("only MIN numeric: lower limit kept") << "SPEED"
                                                            << "-1"
                                                            << "0"
                                                            << "" << kOutOfRange;
        QTest::newRow("MIN names a digital: still a number") << "FREE"
                                                             << "xyz"
                                                             << "SPEED"
                                                             << "10" << kInputValue;
        QTest::newRow("no range: a number") << "FREE"
                                            << "007"
                                            << ""
                                            << ""
                                            << "=7";
        QTest::newRow("1-byte field holds 255") << "FREE"
                                                << "255"
                                                << ""
                                                << ""
                                                << "=255";
        QTest::newRow("1-byte field refuses 256") << "FREE"
                                                  << "256"
                                                  << ""
                                                  << "" << kOutOfRange;
        QTest::newRow("unsigned field refuses -1") << "FREE"
                                                   << "-1"
                                                   << ""
                                                   << "" << kOutOfRange;
        QTest::newRow("2-byte field within MAX 70000") << "WIDE"
                                                       << "65535"
                                                       << "0"
                                                       << "70000"
                                                       << "=65535";
        QTest::newRow("2-byte field refuses 65536 within MAX") << "WIDE"
                                                               << "65536"
                                                               << "0"
                                                               << "70000" << kOutOfRange;
        QTest::newRow("signed byte holds -128") << "SIGNED"
                                                << "-128"
                                                << "-200"
                                                << "200"
                                                << "=-128";
        QTest::newRow("signed byte refuses 128") << "SIGNED"
                                                 << "128"
                                                 << "-200"
                                                 << "200" << kOutOfRange;
        QTest::newRow("past 32 bits") << "WIDE"
                                      << "99999999999"
                                      << "0"
                                      << "" << kOutOfRange;
    }
    void parameterEntries() {
        QFETCH(QString, digital);
        QFETCH(QString, typed);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, outcome);
        QCOMPARE(Outcome(vokg::ParamRules::ValidateEntry(Digital(digital), typed, min, max)), outcome);
    }

    void rangeCheck_data() {
        QTest::addColumn<QString>("digital");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<bool>("inRange");
        QTest::newRow("inside") << "SPEED"
                                << "50"
                                << "0"
                                << "100" << true;
        QTest::newRow("on the bounds") << "SPEED"
                                       << "100"
                                       << "100"
                                       << "100" << true;
        QTest::newRow("above") << "SPEED"
                               << "101"
                               << "0"
                               << "100" << false;
        QTest::newRow("not a number") << "FREE"
                                      << "abc"
                                      << "0"
                                      << "100" << false;
        QTest::newRow("only one bound is no range") << "FREE"
                                                    << "abc"
                                                    << "0"
                                                    << "" << true;
        QTest::newRow("a choice by its value") << "COLOR"
                                               << "BLUE"
                                               << "0"
                                               << "1" << false;
        QTest::newRow("an unknown choice") << "COLOR"
                                           << "?"
                                           << "0"
                                           << "5" << false;
    }
    void rangeCheck() {
        QFETCH(QString, digital);
        QFETCH(QString, value);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(bool, inRange);
        QCOMPARE(vokg::ParamRules::InRange(Digital(digital), value, min, max), inRange);
    }

    void boundValues() {
        QCOMPARE(vokg::ParamRules::BoundValue(Digital("COLOR"), "BLUE"), std::optional<qint32>(2));
        QCOMPARE(vokg::ParamRules::BoundValue(Digital("SPEED"), "40"), std::optional<qint32>(40));
        QCOMPARE(vokg::ParamRules::BoundValue(Digital("SPEED"), "40x"), std::nullopt);
        QCOMPARE(vokg::ParamRules::BoundValue(Digital("FREE"), "300"), std::nullopt);
        QCOMPARE(vokg::ParamRules::FirstDigitalNamed(*modes_, "WIDE"), &Digital("WIDE"));
        QCOMPARE(vokg::ParamRules::FirstDigitalNamed(*modes_, "NONE"), nullptr);
    }

    void feedRanges_data() {
        QTest::addColumn<QString>("where"); // "axis", "other N" or a pitch-window key
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("axis 0") << "axis"
                                << "0"
                                << "=0";
        QTest::newRow("axis 99") << "axis"
                                 << "99"
                                 << "=99";
        QTest::newRow("axis 100") << "axis"
                                  << "100" << Range(0, 99);
        QTest::newRow("axis blank") << "axis"
                                    << "" << kInputValue;
        QTest::newRow("axis letters") << "axis"
                                      << "9a" << kInputValue;
        const int high[7] = {100, 100, 100, 99, 9999, 9999, 999};
        for (int index = 0; index < 7; ++index) {
            const QString where = QStringLiteral("other %1").arg(index);
            QTest::addRow("other %d: 0", index) << where << "0" << Range(1, high[index]);
            QTest::addRow("other %d: MAX", index)
                << where << QString::number(high[index]) << "=" + QString::number(high[index]);
            QTest::addRow("other %d: MAX + 1", index)
                << where << QString::number(high[index] + 1) << Range(1, high[index]);
        }
        for (const char* key : {"XYLM", "XGA", "YGA", "ZLM"}) {
            QTest::addRow("%s 9999", key) << key << "9999"
                                          << "=9999";
            QTest::addRow("%s 10000", key) << key << "10000" << Range(1, 9999);
            QTest::addRow("%s 0", key) << key << "0" << Range(1, 9999);
        }
        for (const char* key :
             {"P1X", "P1Y", "X_P1", "X_T1", "X_P2", "X_T2", "Y_P1", "Y_T1", "Y_P2", "Y_T2"}) {
            QTest::addRow("%s 99", key) << key << "99"
                                        << "=99";
            QTest::addRow("%s 100", key) << key << "100" << Range(1, 99);
            QTest::addRow("%s 0", key) << key << "0" << Range(1, 99);
        }
    }
    void feedRanges() {
        QFETCH(QString, where);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        std::optional<vokg::NumberRange> range;
        if (where == QLatin1String("axis"))
            range = vokg::FeedRules::AxisRange();
        else if (where.startsWith(QLatin1String("other ")))
            range = vokg::FeedRules::OtherValueRange(where.mid(6).toInt());
        else
            range = vokg::FeedRules::PitchWindowRange(where);
        QVERIFY(range);
        QCOMPARE(Outcome(vokg::FeedRules::CheckEntry(typed, *range)), outcome);
    }

    void feedRangesOutsideTheTables() {
        QCOMPARE(vokg::FeedRules::OtherValueRange(7), std::nullopt);
        QCOMPARE(vokg::FeedRules::OtherValueRange(-1), std::nullopt);
        QCOMPARE(vokg::FeedRules::PitchWindowRange("X_P1_A"), std::nullopt);
        QCOMPARE(vokg::FeedRules::AxisMenuTag(), QStringLiteral("0\t99"));
        QCOMPARE(vokg::FeedRules::RangeFromMenuTag("0\t0").has_value(), true);
        QCOMPARE(vokg::FeedRules::RangeFromMenuTag("0"), std::nullopt);
        QCOMPARE(vokg::FeedRules::RangeFromMenuTag("a\t1"), std::nullopt);
    }

    void customizeEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("time 0") << "time"
                                << "0"
                                << "=0";
        QTest::newRow("time 65535") << "time"
                                    << "65535"
                                    << "=65535";
        QTest::newRow("time 007") << "time"
                                  << "007"
                                  << "=7";
        QTest::newRow("time -5") << "time"
                                 << "-5" << Range(0, 65535);
        QTest::newRow("time 65536") << "time"
                                    << "65536" << Range(0, 65535);
        QTest::newRow("time blank") << "time"
                                    << "" << kInputValue;
        QTest::newRow("time letters") << "time"
                                      << "1a" << kInputValue;
        QTest::newRow("logic 0") << "logic"
                                 << "0"
                                 << "=0";
        QTest::newRow("logic 1") << "logic"
                                 << "1"
                                 << "=1";
        QTest::newRow("logic 2") << "logic"
                                 << "2" << kInvalid;
        QTest::newRow("logic 1.0") << "logic"
                                   << "1.0" << kInvalid;
        QTest::newRow("duty 50H") << "duty"
                                  << "50H"
                                  << "=50H";
        QTest::newRow("duty MANUAL") << "duty"
                                     << "MANUAL"
                                     << "=MANUAL";
        QTest::newRow("duty lower case") << "duty"
                                         << "50h" << kInvalid;
        QTest::newRow("duty blank") << "duty"
                                    << "" << kInputValue;
        QTest::newRow("manual 1") << "manual"
                                  << "1"
                                  << "=1";
        QTest::newRow("manual 65535") << "manual"
                                      << "65535"
                                      << "=65535";
        QTest::newRow("manual 0") << "manual"
                                  << "0" << kInvalid;
        QTest::newRow("manual 65536") << "manual"
                                      << "65536" << kInvalid;
        QTest::newRow("manual letters") << "manual"
                                        << "x" << kInvalid;
        QTest::newRow("function by value") << "function"
                                           << "3"
                                           << "=3";
        QTest::newRow("function by name") << "function"
                                          << "WIP"
                                          << "=3";
        QTest::newRow("function not in the table") << "function"
                                                   << "4"
                                                   << "Select function from list.";
        QTest::newRow("function name of another case") << "function"
                                                       << "wip"
                                                       << "Select function from list.";
    }
    void customizeEntries() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        vokg::CCusSelections functions(vokg::ModelContext{method_, messenger_});
        functions.Add(QStringLiteral("---"), 0, QStringLiteral("No function"));
        functions.Add(QStringLiteral("WIP"), 3, QStringLiteral("Wiper"));
        vokg::EntryVerdict verdict;
        if (field == QLatin1String("time"))
            verdict = vokg::CustomizeRules::CheckTime(typed);
        else if (field == QLatin1String("logic"))
            verdict = vokg::CustomizeRules::CheckLogicOrOperation(typed);
        else if (field == QLatin1String("duty"))
            verdict = vokg::CustomizeRules::CheckDutyCode(typed);
        else if (field == QLatin1String("manual"))
            verdict = vokg::CustomizeRules::CheckManualTime(typed);
        else
            verdict = vokg::CustomizeRules::CheckFunction(typed, functions);
        QCOMPARE(Outcome(verdict), outcome);
    }

    void passwordAndAuthor_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        const QString badPassword =
            QStringLiteral("Password must be alphanumeric(only capital letters). Max length = 8.");
        const QString badAuthor = QStringLiteral("Autohr must be alphanumeric. Max length = 16.");
        QTest::newRow("empty password unlocks") << "password"
                                                << ""
                                                << "=";
        QTest::newRow("8 capitals and digits") << "password"
                                               << "ABCD1234"
                                               << "=ABCD1234";
        QTest::newRow("9 characters") << "password"
                                      << "ABCD12345" << badPassword;
        QTest::newRow("a lower-case letter") << "password"
                                             << "ABCd" << badPassword;
        QTest::newRow("a wide digit") << "password" << QStringLiteral(u"AB\uFF11") << badPassword;
        QTest::newRow("a hyphen") << "password"
                                  << "AB-1" << badPassword;
        QTest::newRow("author of 16, both cases") << "author"
                                                  << "Abcdefghijklmno1"
                                                  << "=Abcdefghijklmno1";
        QTest::newRow("author of 17") << "author"
                                      << "Abcdefghijklmno12" << badAuthor;
        QTest::newRow("author with a space") << "author"
                                             << "A B" << badAuthor;
        QTest::newRow("empty author") << "author"
                                      << ""
                                      << "=";
    }
    void passwordAndAuthor() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        const vokg::EntryVerdict verdict = field == QLatin1String("password")
                                               ? vokg::PasswordRules::CheckPassword(typed)
                                               : vokg::PasswordRules::CheckAuthor(typed);
        QCOMPARE(Outcome(verdict), outcome);
    }

    void trimOnlySpaces() {
        QCOMPARE(vokg::PasswordRules::TrimSpaces(QStringLiteral("  AB1 ")), QStringLiteral("AB1"));
        QCOMPARE(vokg::PasswordRules::TrimSpaces(QStringLiteral("\tAB1")), QStringLiteral("\tAB1"));
    }

    void refusalsAreToldAsExclamations() {
        vokg::CustomizeRules::CheckTime(QStringLiteral("70000")).Tell(messenger_);
        vokg::ParamRules::ValidateEntry(Digital("COLOR"), QStringLiteral("PINK"), {}, {}).Tell(messenger_);
        vokg::EntryVerdict::Accept(QStringLiteral("1")).Tell(messenger_);
        QCOMPARE(
            prompter_.MessageTexts(),
            QStringList({Range(0, 65535), QStringLiteral("UpdateUserValue:cannot find selection ->PINK")}));
        for (const auto& prompt : prompter_.Prompts())
            QCOMPARE(prompt.kind, int(platform::BoxKind::Exclamation));
        prompter_.Clear();
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
