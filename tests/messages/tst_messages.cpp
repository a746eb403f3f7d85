#include "shell/messages/MessageTemplates.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ResourceStrings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QRegularExpression>
#include <QtTest>

using platform::Answer;

class MessagesTest : public QObject {
    Q_OBJECT

private slots:
    void composesTextWithDetails_data();
    void composesTextWithDetails();
    void everyKindReachesThePrompter_data();
    void everyKindReachesThePrompter();
    void unknownKindShowsNothing();
    void numberWithoutTextShowsEmptyBox();
    void anUnscriptedQuestionFailsTheTest();
    void detailsAreNotExpandedAgain();
    void loadMsgIsTheEnglishTwin();
    void templatesNameOnlyExistingTexts();
    void systemSpellingsStay_data();
    void systemSpellingsStay();
};

void MessagesTest::composesTextWithDetails_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QVariantList>("details");
    QTest::addColumn<QString>("expected");

    QTest::newRow("9 with the file size")
        << 9 << QVariantList{65536} << QStringLiteral("File size must be as follows.\n\n65536");
    QTest::newRow("1 with a path") << 1 << QVariantList{QStringLiteral("/opt/Set05.e")}
                                   << QStringLiteral(
                                          "Cannot find following file. Cannot load.\n\n/opt/Set05.e");
    QTest::newRow("28 with the range")
        << 28 << QVariantList{0, 65535}
        << QStringLiteral("Input value is out of range.\n\nMin = 0\nMax = 65535");
    QTest::newRow("92 with four details")
        << 92 << QVariantList{QStringLiteral("DB1"), 1, 99, 120}
        << QStringLiteral("Following digital value is out of range. Continue to check?\n\n"
                          "Digital = DB1\nMIN = 1\nMAX = 99\nValue = 120");
    QTest::newRow("71 with the digital in brackets")
        << 71 << QVariantList{QStringLiteral("WIP")} << QStringLiteral("[WIP]\n\nDo you continue to find ?");
    QTest::newRow("79 value not found")
        << 79 << QVariantList{QStringLiteral("xyz")} << QStringLiteral("[xyz]\n\nValue not found.");
    QTest::newRow("91 fixed limit") << 91 << QVariantList{}
                                    << QStringLiteral(
                                           "Length of file name error.\n\n Max of File name length =8");
    QTest::newRow("93 two lines in the resource")
        << 93 << QVariantList{} << QStringLiteral("Check done.\n\nThere was no error.");
    QTest::newRow("8 fixed extensions")
        << 8 << QVariantList{} << QStringLiteral("Extension must be as follows\n\n*.dsg, VOKG*.dat");
    QTest::newRow("36 two resources")
        << 36 << QVariantList{} << QStringLiteral("Great risk to edit this mode.\n\nDo you go ahead ?");
    QTest::newRow("44 two resources")
        << 44 << QVariantList{}
        << QStringLiteral(
               "Failed to copy temporary files. Data is not saved.\n\nQuit this application and reload.");
    QTest::newRow("37 fixed range") << 37 << QVariantList{}
                                    << QStringLiteral("Input value is out of range.\n\nMin = 0、Max = 9999");
    QTest::newRow("13 with the caption")
        << 13 << QVariantList{QStringLiteral("X_P1_A")}
        << QStringLiteral("Data is chaneged on this window. Do you save it ?\n\nX_P1_A");
    QTest::newRow("89 fixed Japanese")
        << 89 << QVariantList{QStringLiteral("ABC")} << QStringLiteral("未知の値です. 値=ABC");
    QTest::newRow("82 fixed Japanese with detail")
        << 82 << QVariantList{QStringLiteral("gus_x_l1_")}
        << QStringLiteral("次のキーワードがひな形zrdl_Model.cに見つかりません.\n\ngus_x_l1_");
    QTest::newRow("46 literal") << 46 << QVariantList{} << QStringLiteral("This S/W runs already!");
    QTest::newRow("21 input functions")
        << 21 << QVariantList{} << QStringLiteral("Failed to read the input function table (Set06.e).");
    QTest::newRow("22 output functions")
        << 22 << QVariantList{} << QStringLiteral("Failed to read the output function table (Set07.e).");
    QTest::newRow("65 shares 7") << 65 << QVariantList{} << QStringLiteral("Failed to save data.");
    QTest::newRow("missing detail is empty")
        << 9 << QVariantList{} << QStringLiteral("File size must be as follows.\n\n");
    QTest::newRow("boolean detail") << 39 << QVariantList{true}
                                    << QStringLiteral(
                                           "Number of character must be less than as follows.\n\nTrue");
    QTest::newRow("whole double detail")
        << 9 << QVariantList{131072.0} << QStringLiteral("File size must be as follows.\n\n131072");
    QTest::newRow("changed by another program")
        << 103 << QVariantList{QStringLiteral("/d/S.DSG")}
        << QStringLiteral("This file was changed by another program after it was read.\n\n/d/S.DSG\n\n"
                          "Do you overwrite it ?");
    QTest::newRow("number past the table") << 200 << QVariantList{} << QString();
}

void MessagesTest::composesTextWithDetails() {
    QFETCH(int, number);
    QFETCH(QVariantList, details);
    QFETCH(QString, expected);
    QCOMPARE(vokg::ComposeMessage(number, details), expected);

    // ShowMsg shows the same text, titled with the name given to the messenger.
    testsupport::ScriptedPrompter prompter;
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    details.resize(4);
    messenger.ShowMsg(number, platform::BoxKind::Exclamation, details[0], details[1], details[2], details[3]);
    QCOMPARE(prompter.Prompts().size(), 1);
    QCOMPARE(prompter.Prompts().first().text, expected);
    QCOMPARE(prompter.Prompts().first().title, QStringLiteral("VOKG_SET"));
}

void MessagesTest::everyKindReachesThePrompter_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<Answer>("scripted");
    QTest::addColumn<Answer>("expected");
    QTest::newRow("1 critical") << 1 << Answer::Yes << Answer::None;
    QTest::newRow("2 exclamation") << 2 << Answer::Yes << Answer::None;
    QTest::newRow("3 question yes") << 3 << Answer::Yes << Answer::Yes;
    QTest::newRow("3 question no") << 3 << Answer::No << Answer::No;
    QTest::newRow("4 information") << 4 << Answer::Yes << Answer::None;
    QTest::newRow("5 critical yes/no") << 5 << Answer::No << Answer::No;
    QTest::newRow("6 yes/no/cancel cancel") << 6 << Answer::Cancel << Answer::Cancel;
    QTest::newRow("6 yes/no/cancel yes") << 6 << Answer::Yes << Answer::Yes;
    QTest::newRow("7 default no") << 7 << Answer::Yes << Answer::Yes;
    QTest::newRow("8 exclamation yes/no") << 8 << Answer::No << Answer::No;
}

void MessagesTest::everyKindReachesThePrompter() {
    QFETCH(int, kind);
    QFETCH(Answer, scripted);
    QFETCH(Answer, expected);
    testsupport::ScriptedPrompter prompter;
    prompter.QueueAnswer(scripted);
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    QCOMPARE(messenger.ShowMsg(38, platform::BoxKind(kind)), expected);
    QCOMPARE(prompter.Prompts().size(), 1);
    QCOMPARE(prompter.Prompts().first().kind, kind);
    QCOMPARE(prompter.Prompts().first().text, QStringLiteral("Data is not saved. Do you save it ?"));
}

void MessagesTest::unknownKindShowsNothing() {
    testsupport::ScriptedPrompter prompter;
    prompter.QueueAnswer(Answer::Yes);
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    for (int kind : {0, 9, -1, 16})
        QCOMPARE(messenger.ShowMsg(38, platform::BoxKind(kind)), Answer::None);
    QCOMPARE(messenger.ShowText(QStringLiteral("text"), platform::BoxKind(0)), Answer::None);
    QVERIFY(prompter.Prompts().isEmpty());
}

// The scripted prompter's own promise: a question without a scripted answer fails the test that
// let it be asked (here expected), and is answered Cancel; a box that only tells needs no answer.
void MessagesTest::anUnscriptedQuestionFailsTheTest() {
    testsupport::ScriptedPrompter prompter;
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    QCOMPARE(messenger.ShowMsg(24, platform::BoxKind::Exclamation), Answer::None);
    QVERIFY(prompter.Unexpected().isEmpty());
    QEXPECT_FAIL("", "the program asks what the test did not script", Continue);
    const Answer answer = messenger.ShowMsg(38, platform::BoxKind::QuestionYesNoCancel);
    QCOMPARE(answer, Answer::Cancel);
    QCOMPARE(prompter.Unexpected(),
             QStringList{QStringLiteral("message: Data is not saved. Do you save it ?")});
    QEXPECT_FAIL("", "an input box nobody answers", Continue);
    QCOMPARE(prompter.Input(QString(), QStringLiteral("Input password."), QString(), true), std::nullopt);
    QCOMPARE(prompter.Unexpected().size(), 2);
}

void MessagesTest::numberWithoutTextShowsEmptyBox() {
    testsupport::ScriptedPrompter prompter;
    prompter.QueueAnswer(Answer::No);
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    messenger.ShowMsg(3, platform::BoxKind::Information);
    QCOMPARE(messenger.ShowMsg(3, platform::BoxKind::QuestionYesNoCancel), Answer::No);
    QCOMPARE(prompter.Prompts().size(), 2);
    QCOMPARE(prompter.Prompts().at(0).kind, 4);
    QCOMPARE(prompter.Prompts().at(1).kind, 6);
    QVERIFY(prompter.Prompts().at(0).text.isEmpty());
    QVERIFY(prompter.Prompts().at(1).text.isEmpty());
}

void MessagesTest::detailsAreNotExpandedAgain() {
    QCOMPARE(vokg::ComposeMessage(1, {QStringLiteral("{1002}{d1}")}),
             QStringLiteral("Cannot find following file. Cannot load.\n\n{1002}{d1}"));
}

void MessagesTest::loadMsgIsTheEnglishTwin() {
    QVERIFY(vokg::ResourceStrings().size() > 200);
    for (const vokg::ResourceString& entry : vokg::ResourceStrings()) {
        const QString english = vokg::LoadMsg(entry.id);
        QVERIFY2(!english.isEmpty(), qPrintable(QString::number(entry.id)));
        QCOMPARE(english, vokg::ResourceText(entry.id + 1000));
        QVERIFY2(!vokg::ResourceText(entry.id).isEmpty(), qPrintable(QString::number(entry.id)));
        QVERIFY2(vokg::ResourceText(entry.id) != english || english == QStringLiteral("OK"),
                 qPrintable(QStringLiteral("no Japanese twin for %1").arg(entry.id)));
    }
    QVERIFY(vokg::LoadMsg(7).isEmpty());
    QVERIFY(vokg::ResourceText(1007).isEmpty());
    QVERIFY(vokg::LoadMsg(-1).isEmpty());
    QVERIFY(vokg::LoadMsg(1001).isEmpty());
}

void MessagesTest::templatesNameOnlyExistingTexts() {
    const QRegularExpression field(QStringLiteral("\\{([^}]*)\\}"));
    for (const vokg::MessageTemplate& entry : vokg::MessageTemplates()) {
        const QString pattern = QString::fromUtf16(entry.text);
        auto matches = field.globalMatch(pattern);
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            const QString where = QStringLiteral("message %1 field %2").arg(entry.number).arg(name);
            if (name.startsWith(u'd')) {
                const int detail = name.mid(1).toInt();
                QVERIFY2(detail >= 1 && detail <= 4, qPrintable(where));
            } else {
                QVERIFY2(!vokg::ResourceText(name.toInt()).isEmpty() && name.toInt() >= 1000,
                         qPrintable(where));
            }
        }
        QVERIFY2(!vokg::ComposeMessage(entry.number, {1, 2, 3, 4}).contains(u'{'),
                 qPrintable(QString::number(entry.number)));
    }
}

void MessagesTest::systemSpellingsStay_data() {
    QTest::addColumn<int>("resource");
    QTest::addColumn<QString>("text");
    QTest::newRow("1010") << 1010 << QStringLiteral("Data is chaneged on this window. Do you save it ?");
    QTest::newRow("1571") << 1571 << QStringLiteral("Inptu value is invalid.");
    QTest::newRow("1578") << 1578 << QStringLiteral("Autohr must be alphanumeric. Max length = 16.");
    QTest::newRow("1589") << 1589
                          << QStringLiteral(
                                 "VOKG_SET_KESTREL is execting. VOKG_SET is not possible to start.");
    QTest::newRow("1133") << 1133 << QStringLiteral("You cannnot select category!");
    QTest::newRow("1558") << 1558 << QStringLiteral("Open comparatlive file");
    QTest::newRow("1587") << 1587 << QStringLiteral("Pasword, Author");
    QTest::newRow("1290") << 1290 << QStringLiteral("VOK-G Pitch prameters");
    QTest::newRow("1002 trailing blank") << 1002 << QStringLiteral("Failed to read registry. ");
    QTest::newRow("1470 trailing blank") << 1470 << QStringLiteral("Open ");
    QTest::newRow("1052 trailing blanks") << 1052 << QStringLiteral("Close   ");
    QTest::newRow("1455 two lines") << 1455 << QStringLiteral("Comparative\r\nvalue");
    QTest::newRow("1032 two lines") << 1032 << QStringLiteral("Logical\r\nsetting");
    QTest::newRow("1509 two breaks") << 1509
                                     << QStringLiteral(
                                            "Length of file name error.\n\n Max of File name length =");
    QTest::newRow("1498 filter") << 1498 << QStringLiteral("dsg file|*.dsg|dat file (read only)|*.dat");
    QTest::newRow("1486 group") << 1486 << QStringLiteral("I/O BOARD No.3 output");
    QTest::newRow("1527 feed value") << 1527 << QStringLiteral("XY notch parameter");
}

void MessagesTest::systemSpellingsStay() {
    QFETCH(int, resource);
    QFETCH(QString, text);
    QCOMPARE(vokg::ResourceText(resource), text);
}

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
