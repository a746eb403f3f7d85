#include "editors/fHeader.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <stdexcept>

using vokg::fHeader;

namespace {

const QString kTooLong = QStringLiteral("Number of character must be less than as follows.\n\n10");

} // namespace

class TestHeader : public QObject {
    Q_OBJECT

private:
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<vokg::CModes> modes_;
    int saves_ = 0;
    bool saveSucceeds_ = true;
    QString savedKishuName_; // the model name the save was asked to write

    std::unique_ptr<fHeader> Open(bool userFileIsDsg = true) {
        auto dialog = std::make_unique<fHeader>(
            messenger_, method_, fHeader::AccessOf(*modes_),
            [this] {
                ++saves_;
                savedKishuName_ = modes_->KishuName();
                return saveSucceeds_;
            },
            userFileIsDsg);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the header dialog did not become active");
        return dialog;
    }

    static void Retype(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, keys);
    }

private slots:
    void init() {
        prompter_.Clear();
        modes_ = std::make_unique<vokg::CModes>(vokg::ModelContext{method_, messenger_});
        modes_->SetKishuName(QStringLiteral("VK-100"));
        modes_->SetDataVersion(QStringLiteral("1.00"));
        saves_ = 0;
        saveSucceeds_ = true;
    }

    void showsTheModelsHeader() {
        auto dialog = Open();
        QCOMPARE(dialog->KishuNameBox()->text(), QStringLiteral("VK-100"));
        QCOMPARE(dialog->DataVersionBox()->text(), QStringLiteral("1.00"));
        QVERIFY(!dialog->SaveButton()->isEnabled());
    }

    void typingUpperCasesAndDropsSpaces_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower case and a space") << "vk 2a"
                                                << "VK2A";
        QTest::newRow("only spaces") << "   "
                                     << "";
        QTest::newRow("digits and signs stay") << "1.0-b"
                                               << "1.0-B";
        QTest::newRow("upper case stays") << "ABC"
                                          << "ABC";
    }
    void typingUpperCasesAndDropsSpaces() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto dialog = Open();
        for (QLineEdit* box : {dialog->KishuNameBox(), dialog->DataVersionBox()}) {
            Retype(box, typed);
            QCOMPARE(box->text(), shown);
        }
    }

    void enteringABoxSelectsItsText() {
        auto dialog = Open();
        dialog->CancelButton()->setFocus();
        QTest::mouseClick(dialog->DataVersionBox(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(dialog->DataVersionBox()->selectedText(), QStringLiteral("1.00"));
    }

    void saveIsOfferedOnlyAfterARealChangeOfADesignFile() {
        auto dialog = Open();
        // A dropped space and a text set to what the model holds change nothing.
        dialog->KishuNameBox()->setFocus();
        dialog->KishuNameBox()->end(false);
        QTest::keyClicks(dialog->KishuNameBox(), QStringLiteral(" "));
        dialog->DataVersionBox()->setText(QStringLiteral("1.00"));
        QVERIFY(!dialog->SaveButton()->isEnabled());
        QTest::keyClicks(dialog->KishuNameBox(), QStringLiteral("x"));
        QCOMPARE(dialog->KishuNameBox()->text(), QStringLiteral("VK-100X"));
        QVERIFY(dialog->SaveButton()->isEnabled());
        // Typing the old text back keeps Save offered.
        QTest::keyClick(dialog->KishuNameBox(), Qt::Key_Backspace);
        QCOMPARE(dialog->KishuNameBox()->text(), QStringLiteral("VK-100"));
        QVERIFY(dialog->SaveButton()->isEnabled());
    }

    void saveIsNeverOfferedForAMachineDataFile() {
        auto dialog = Open(false);
        Retype(dialog->KishuNameBox(), QStringLiteral("other"));
        Retype(dialog->DataVersionBox(), QStringLiteral("2"));
        QVERIFY(!dialog->SaveButton()->isEnabled());
        dialog->SaveButton()->click();
        QCOMPARE(saves_, 0);
        QCOMPARE(modes_->KishuName(), QStringLiteral("VK-100"));
    }

    void savePutsBothTextsInTheModelAndSavesTheFile_data() {
        QTest::addColumn<bool>("saveSucceeds");
        QTest::newRow("saved") << true;
        QTest::newRow("save failed") << false;
    }
    void savePutsBothTextsInTheModelAndSavesTheFile() {
        QFETCH(bool, saveSucceeds);
        saveSucceeds_ = saveSucceeds;
        auto dialog = Open();
        Retype(dialog->KishuNameBox(), QStringLiteral("vk-200"));
        Retype(dialog->DataVersionBox(), QStringLiteral("2.01"));
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(saves_, 1);
        QCOMPARE(dialog->Saved(), saveSucceeds);
        QVERIFY(prompter_.Prompts().isEmpty());
        if (saveSucceeds) {
            QCOMPARE(modes_->KishuName(), QStringLiteral("VK-200"));
            QCOMPARE(modes_->DataVersion(), QStringLiteral("2.01"));
            QVERIFY(!dialog->isVisible());
            return;
        }
        // The file keeps the old texts, so the model does; the dialog stays with the typed ones.
        QCOMPARE(savedKishuName_, QStringLiteral("VK-200"));
        QCOMPARE(modes_->KishuName(), QStringLiteral("VK-100"));
        QCOMPARE(modes_->DataVersion(), QStringLiteral("1.00"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->KishuNameBox()->text(), QStringLiteral("VK-200"));
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(modes_->KishuName(), QStringLiteral("VK-100"));
    }

    void aTextLongerThanItsFieldIsRefused_data() {
        QTest::addColumn<QString>("kishuName");
        QTest::addColumn<QString>("dataVersion");
        QTest::addColumn<bool>("nameFails");
        QTest::newRow("11-character name, version not looked at") << "ABCDEFGHIJK"
                                                                  << "12345678901" << true;
        QTest::newRow("11-character version") << "ABCDEFGHIJ"
                                              << "12345678901" << false;
        // Seven characters but thirteen bytes in the file: saving would cut the name.
        QTest::newRow("double-byte name past 10 bytes") << QStringLiteral(u"ミシンミシンA") << "1" << true;
    }
    void aTextLongerThanItsFieldIsRefused() {
        QFETCH(QString, kishuName);
        QFETCH(QString, dataVersion);
        QFETCH(bool, nameFails);
        auto dialog = Open();
        dialog->KishuNameBox()->setText(kishuName);
        dialog->DataVersionBox()->setText(dataVersion);
        dialog->CancelButton()->setFocus();
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);

        QCOMPARE(prompter_.MessageTexts(), QStringList{kTooLong});
        QCOMPARE(prompter_.Prompts().at(0).kind, int(platform::BoxKind::Exclamation));
        QLineEdit* offending = nameFails ? dialog->KishuNameBox() : dialog->DataVersionBox();
        QCOMPARE(QApplication::focusWidget(), offending);
        QVERIFY(dialog->isVisible());
        QCOMPARE(saves_, 0);
        QCOMPARE(modes_->KishuName(), QStringLiteral("VK-100"));
        QCOMPARE(modes_->DataVersion(), QStringLiteral("1.00"));
    }

    void tenCharactersFit() {
        auto dialog = Open();
        Retype(dialog->KishuNameBox(), QStringLiteral("abcdefghij"));
        Retype(dialog->DataVersionBox(), QStringLiteral("1234567890"));
        QVERIFY(dialog->CheckData());
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void aCharacterTheFileCannotHoldIsNamed() {
        auto dialog = Open();
        dialog->DataVersionBox()->setText(QStringLiteral(u"V1é"));
        QVERIFY(!dialog->CheckData());
        QCOMPARE(prompter_.MessageTexts(),
                 QStringList{QStringLiteral(u"\"é\" cannot be stored in the data file.")});
        QCOMPARE(QApplication::focusWidget(), dialog->DataVersionBox());
    }

    // Pasted text reaches the box whole; what the file would not give back as it was pasted is
    // refused when Save is pressed, with the rule's message, and nothing is stored or saved.
    void pastedCharactersThatDoNotComeBackAreRefused_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::newRow("escape sequence") << QStringLiteral(u"V\u001B[2J")
                                         << QStringLiteral("\"U+001B\" cannot be stored in the data file.");
        QTest::newRow("yen sign") << QStringLiteral(u"\u00A51")
                                  << QStringLiteral(u"\"\u00A5\" cannot be stored in the data file.");
        QTest::newRow("overline") << QStringLiteral(u"1\u203E")
                                  << QStringLiteral(u"\"\u203E\" cannot be stored in the data file.");
    }
    void pastedCharactersThatDoNotComeBackAreRefused() {
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        auto dialog = Open();
        dialog->DataVersionBox()->setFocus();
        dialog->DataVersionBox()->clear();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(dialog->DataVersionBox(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dialog->DataVersionBox()->text(), pasted);
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), dialog->DataVersionBox());
        QCOMPARE(saves_, 0);
        QCOMPARE(modes_->DataVersion(), QStringLiteral("1.00"));
    }

    // A model name the table held in a form no text can give back (it ends in half a
    // double-byte character) is saved back as it was: editing the data version alone is allowed.
    void anUntouchedFieldIsSavedAsTheTableHeldIt() {
        vokg::CModes::Header header = modes_->UserHeader();
        header.kishuName = vokg::HeaderField::FromStored(QByteArray("ABCDEFGHI\x82", 10));
        modes_->SetUserHeader(header);
        auto dialog = Open();
        const QString shown = dialog->KishuNameBox()->text();
        QVERIFY(shown.startsWith(QLatin1String("ABCDEFGHI")));
        Retype(dialog->DataVersionBox(), QStringLiteral("2.00"));
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QVERIFY2(prompter_.Prompts().isEmpty(), qPrintable(prompter_.MessageTexts().join(QLatin1Char('\n'))));
        QCOMPARE(saves_, 1);
        QCOMPARE(modes_->DataVersion(), QStringLiteral("2.00"));
        QCOMPARE(modes_->UserHeader().kishuName.Stored(QStringLiteral("machine model name")),
                 QByteArray("ABCDEFGHI\x82", 10));
    }

    void cancelChangesNothing() {
        auto dialog = Open();
        Retype(dialog->KishuNameBox(), QStringLiteral("new"));
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(modes_->KishuName(), QStringLiteral("VK-100"));
        QCOMPARE(saves_, 0);
    }

    void refusesAMissingCallback() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 fHeader(messenger_, method_, fHeader::AccessOf(*modes_), {}, true));
    }
};

QTEST_MAIN(TestHeader)
#include "tst_fHeader.moc"
