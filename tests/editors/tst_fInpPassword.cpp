#include "editors/fInpPassword.h"
#include "hlpkit/CMethod.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using vokg::fInpPassword;

namespace {

const QString kBadPassword =
    QStringLiteral("Password must be alphanumeric(only capital letters). Max length = 8.");
const QString kBadAuthor = QStringLiteral("Autohr must be alphanumeric. Max length = 16.");

} // namespace

class TestInpPassword : public QObject {
    Q_OBJECT

private:
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;

    std::unique_ptr<fInpPassword> Open(const QString& password, const QString& author) {
        auto dialog = std::make_unique<fInpPassword>(messenger_, method_);
        dialog->SetPassword(password);
        dialog->SetAuthor(author);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the password dialog did not become active");
        return dialog;
    }

    static void Retype(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, keys);
    }

private slots:
    void init() { prompter_.Clear(); }

    void passwordRule_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("exact");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("capitals and digits") << "AB12" << true;
        QTest::newRow("eight") << "ABCD1234" << true;
        QTest::newRow("nine") << "ABCD12345" << false;
        QTest::newRow("one lower-case letter") << "ABcD" << false;
        QTest::newRow("space inside") << "AB 12" << false;
        QTest::newRow("sign") << "AB-1" << false;
        QTest::newRow("full-width letter") << QStringLiteral(u"ＡＢ") << false;
        QTest::newRow("full-width digit") << QStringLiteral(u"１２") << false;
        QTest::newRow("accented capital") << QStringLiteral(u"ÄB") << false;
    }
    void passwordRule() {
        QFETCH(QString, password);
        QFETCH(bool, exact);
        QCOMPARE(fInpPassword::ExactPassword(password), exact);
    }

    void authorRule_data() {
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("exact");
        QTest::newRow("mixed case and digits") << "Yamada2" << true;
        QTest::newRow("sixteen") << "ABCDEFGHijklmnop" << true;
        QTest::newRow("seventeen") << "ABCDEFGHijklmnopq" << false;
        QTest::newRow("space inside") << "Ya mada" << false;
        QTest::newRow("non-ASCII letter") << QStringLiteral(u"Jürgen") << false;
        QTest::newRow("double-byte name") << QStringLiteral(u"山田") << false;
        QTest::newRow("dot") << "J.Smith" << false;
    }
    void authorRule() {
        QFETCH(QString, author);
        QFETCH(bool, exact);
        QCOMPARE(fInpPassword::ExactAuthor(author), exact);
    }

    void showsTheGivenValuesAndUpperCasesThePasswordAsTyped() {
        auto dialog = Open(QStringLiteral("OLD1"), QStringLiteral("Tanaka"));
        QCOMPARE(dialog->PasswordBox()->text(), QStringLiteral("OLD1"));
        QCOMPARE(dialog->AuthorBox()->text(), QStringLiteral("Tanaka"));
        Retype(dialog->PasswordBox(), QStringLiteral("ab1z"));
        QCOMPARE(dialog->PasswordBox()->text(), QStringLiteral("AB1Z"));
        Retype(dialog->AuthorBox(), QStringLiteral("Suzuki"));
        QCOMPARE(dialog->AuthorBox()->text(), QStringLiteral("Suzuki"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->Password(), QStringLiteral("AB1Z"));
        QCOMPARE(dialog->Author(), QStringLiteral("Suzuki"));
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void okTrimsBlanksAtBothEnds() {
        auto dialog = Open(QString(), QString());
        Retype(dialog->PasswordBox(), QStringLiteral(" pw9 "));
        Retype(dialog->AuthorBox(), QStringLiteral("  Sato "));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(dialog->Password(), QStringLiteral("PW9"));
        QCOMPARE(dialog->Author(), QStringLiteral("Sato"));
    }

    void emptyPasswordAndAuthorAreAccepted() {
        auto dialog = Open(QStringLiteral("LOCK"), QStringLiteral("Ito"));
        dialog->PasswordBox()->clear();
        dialog->AuthorBox()->clear();
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->Password(), QString());
        QCOMPARE(dialog->Author(), QString());
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void aNineCharacterPasswordIsRefused() {
        auto dialog = Open(QStringLiteral("KEEP"), QStringLiteral("Ito"));
        Retype(dialog->PasswordBox(), QStringLiteral("abcd12345"));
        // A bad author too: only the password is reported.
        Retype(dialog->AuthorBox(), QStringLiteral("I.to"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{kBadPassword});
        QCOMPARE(prompter_.Prompts().at(0).kind, int(platform::BoxKind::Exclamation));
        QCOMPARE(QApplication::focusWidget(), dialog->PasswordBox());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Password(), QStringLiteral("KEEP"));
    }

    void aPastedLowerCaseLetterIsRefused() {
        auto dialog = Open(QString(), QString());
        QApplication::clipboard()->setText(QStringLiteral("ab12"));
        dialog->PasswordBox()->setFocus();
        QTest::keyClick(dialog->PasswordBox(), Qt::Key_V, Qt::ControlModifier);
        if (dialog->PasswordBox()->text().isEmpty())
            dialog->PasswordBox()->paste(); // a platform whose shortcut map lacks Ctrl+V
        QCOMPARE(dialog->PasswordBox()->text(), QStringLiteral("ab12"));
        dialog->AuthorBox()->setFocus();
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{kBadPassword});
        QCOMPARE(QApplication::focusWidget(), dialog->PasswordBox());
        QVERIFY(dialog->isVisible());
    }

    void anAuthorWithANonAsciiLetterIsRefused() {
        auto dialog = Open(QStringLiteral("AB"), QStringLiteral("Ito"));
        // keyClicks types Latin-1 only; the "ü" key is sent as the key event a keyboard gives.
        Retype(dialog->AuthorBox(), QStringLiteral("J"));
        QTest::sendKeyEvent(QTest::Click, dialog->AuthorBox(), Qt::Key_unknown, QStringLiteral(u"ü"),
                            Qt::NoModifier);
        QTest::keyClicks(dialog->AuthorBox(), QStringLiteral("rgen"));
        QCOMPARE(dialog->AuthorBox()->text(), QStringLiteral(u"Jürgen"));
        dialog->PasswordBox()->setFocus();
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{kBadAuthor});
        QCOMPARE(QApplication::focusWidget(), dialog->AuthorBox());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Author(), QStringLiteral("Ito"));

        // Corrected, the same dialog closes with the new author.
        Retype(dialog->AuthorBox(), QStringLiteral("Jurgen"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->Author(), QStringLiteral("Jurgen"));
    }

    void cancelKeepsTheValues_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelKeepsTheValues() {
        QFETCH(bool, closeBox);
        auto dialog = Open(QStringLiteral("OLD"), QStringLiteral("Mori"));
        Retype(dialog->PasswordBox(), QStringLiteral("new1"));
        Retype(dialog->AuthorBox(), QStringLiteral("Kato"));
        if (closeBox)
            QVERIFY(dialog->close());
        else
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->Password(), QStringLiteral("OLD"));
        QCOMPARE(dialog->Author(), QStringLiteral("Mori"));
    }

    void tabIntoABoxSelectsItsText() {
        auto dialog = Open(QStringLiteral("AB12"), QStringLiteral("Ito"));
        dialog->PasswordBox()->setFocus();
        QTest::keyClick(dialog->PasswordBox(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), dialog->AuthorBox());
        QCOMPARE(dialog->AuthorBox()->selectedText(), QStringLiteral("Ito"));
    }
};

QTEST_MAIN(TestInpPassword)
#include "tst_fInpPassword.moc"
