#include "platform/gui/QtPrompter.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

using platform::Answer;
using platform::BoxKind;
using platform::FileDialogRequest;
using platform::QtPrompter;

Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(Answer)

namespace {

// Runs `act` on the first modal dialog of type T once it is shown (and not `skip`); the
// dialog is closed afterwards whatever `act` did, so a failing test never hangs in exec().
// Polls for the modal dialog for up to a minute: a file dialog can take seconds to appear on a
// loaded machine, and a poll that gives up leaves the dialog open for good.
template <class T>
void WhenShown(std::function<void(T*)> act, QWidget* skip = nullptr, int attempts = 6000,
               int outerLevel = -1) {
    if (outerLevel < 0)
        outerLevel = QThread::currentThread()->loopLevel();
    QTimer::singleShot(10, [act, skip, attempts, outerLevel] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        // A file dialog processes events while it is being shown, before its own event loop
        // runs; closing it then would be lost. Act only from inside the dialog's loop.
        const bool inDialogLoop = QThread::currentThread()->loopLevel() > outerLevel;
        if (!dialog || dialog == skip || !inDialogLoop) {
            if (attempts > 0)
                WhenShown<T>(act, skip, attempts - 1, outerLevel);
            return;
        }
        act(dialog);
        // A file dialog can still be starting when `act` first runs, and then ignores it; as long
        // as it is the open modal dialog, `act` runs again from its loop (it only selects and
        // closes, so running it twice changes nothing). Only a dialog that stays open after
        // that is reported and closed, so the test fails instead of waiting forever in exec().
        QPointer<T> shown = dialog;
        auto retry = std::make_shared<std::function<void(int)>>();
        *retry = [shown, act, retry](int left) {
            QTimer::singleShot(50, [shown, act, retry, left] {
                if (!shown || QApplication::activeModalWidget() != shown.data()) {
                    *retry = nullptr; // the dialog is closed: nothing keeps the retries alive
                    return;
                }
                if (left > 0) {
                    act(shown.data());
                    (*retry)(left - 1);
                    return;
                }
                qWarning("a dialog stayed open: %s \"%s\"", shown->metaObject()->className(),
                         qPrintable(shown->windowTitle()));
                shown->reject();
                *retry = nullptr;
            });
        };
        (*retry)(40);
    });
}

} // namespace

class TestQtPrompter : public QObject {
    Q_OBJECT

private slots:
    void messageBoxPerKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<QMessageBox::StandardButton>("click");
        QTest::addColumn<Answer>("answer");
        using B = QMessageBox;
        QTest::newRow("1 critical") << 1 << B::Critical << B::StandardButtons(B::Ok) << B::Ok << B::Ok
                                    << Answer::Ok;
        QTest::newRow("2 exclamation")
            << 2 << B::Warning << B::StandardButtons(B::Ok) << B::Ok << B::Ok << Answer::Ok;
        QTest::newRow("3 question, yes")
            << 3 << B::Question << (B::Yes | B::No) << B::Yes << B::Yes << Answer::Yes;
        QTest::newRow("3 question, no")
            << 3 << B::Question << (B::Yes | B::No) << B::Yes << B::No << Answer::No;
        QTest::newRow("4 information")
            << 4 << B::Information << B::StandardButtons(B::Ok) << B::Ok << B::Ok << Answer::Ok;
        QTest::newRow("5 critical yes/no")
            << 5 << B::Critical << (B::Yes | B::No) << B::Yes << B::No << Answer::No;
        QTest::newRow("6 yes/no/cancel, cancel")
            << 6 << B::Question << (B::Yes | B::No | B::Cancel) << B::Yes << B::Cancel << Answer::Cancel;
        QTest::newRow("6 yes/no/cancel, no")
            << 6 << B::Question << (B::Yes | B::No | B::Cancel) << B::Yes << B::No << Answer::No;
        QTest::newRow("7 default no, yes")
            << 7 << B::Question << (B::Yes | B::No) << B::No << B::Yes << Answer::Yes;
        QTest::newRow("8 exclamation yes/no")
            << 8 << B::Warning << (B::Yes | B::No) << B::Yes << B::Yes << Answer::Yes;
    }
    void messageBoxPerKind() {
        QFETCH(int, kind);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QFETCH(QMessageBox::StandardButton, click);
        QFETCH(Answer, answer);
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons seenButtons;
        QMessageBox::StandardButton seenDefault = QMessageBox::NoButton;
        QString seenTitle, seenText;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            seenIcon = box->icon();
            seenButtons = box->standardButtons();
            seenDefault =
                box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
            seenTitle = box->windowTitle();
            seenText = box->text();
            if (QAbstractButton* button = box->button(click))
                button->click();
            else
                box->reject();
        });
        QtPrompter prompter;
        const Answer got = prompter.Message(static_cast<BoxKind>(kind), "VOKG_SET", "Data is not saved.");
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenButtons, buttons);
        QCOMPARE(seenDefault, defaultButton);
        QCOMPARE(seenTitle, QString("VOKG_SET"));
        QCOMPARE(seenText, QString("Data is not saved."));
        QCOMPARE(got, answer);
    }

    // Escape takes the safe way out: Cancel where offered, else No, and Ok for a notice.
    void escapeAnswers_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("notice") << 4 << Answer::Ok;
        QTest::newRow("yes/no") << 3 << Answer::No;
        QTest::newRow("yes/no/cancel") << 6 << Answer::Cancel;
        QTest::newRow("default no") << 7 << Answer::No;
    }
    void escapeAnswers() {
        QFETCH(int, kind);
        QFETCH(Answer, answer);
        WhenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QtPrompter prompter;
        QCOMPARE(prompter.Message(static_cast<BoxKind>(kind), "t", "x"), answer);
    }

    void inputBox_data() {
        QTest::addColumn<bool>("masked");
        QTest::addColumn<bool>("accept");
        QTest::newRow("plain, OK") << false << true;
        QTest::newRow("masked, OK") << true << true;
        QTest::newRow("masked, cancel") << true << false;
    }
    void inputBox() {
        QFETCH(bool, masked);
        QFETCH(bool, accept);
        QLineEdit::EchoMode echo = QLineEdit::NoEcho;
        QString initialShown, label, title;
        WhenShown<QInputDialog>([&](QInputDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            echo = edit->echoMode();
            initialShown = edit->text();
            label = dialog->labelText();
            title = dialog->windowTitle();
            edit->selectAll();
            QTest::keyClicks(edit, "pass 12");
            accept ? dialog->accept() : dialog->reject();
        });
        QtPrompter prompter;
        const auto text = prompter.Input("Password", "Enter the password", "old", masked);
        QCOMPARE(echo, masked ? QLineEdit::Password : QLineEdit::Normal);
        QCOMPARE(initialShown, QString("old"));
        QCOMPARE(label, QString("Enter the password"));
        QCOMPARE(title, QString("Password"));
        QCOMPARE(text.has_value(), accept);
        if (accept)
            QCOMPARE(*text, QString("pass 12"));
    }

    void filtersInQtForm_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("two pairs") << "Design file|*.dsg|Machine data|VOKG*.dat"
                                   << QStringList{"Design file (*.dsg)", "Machine data (VOKG*.dat)"};
        QTest::newRow("pattern already shown")
            << "Design (*.dsg)|*.dsg|All (*.*)|*.*" << QStringList{"Design (*.dsg)", "All (*.*)"};
        QTest::newRow("several patterns") << "Data|*.dsg;*.dat" << QStringList{"Data (*.dsg *.dat)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void filtersInQtForm() {
        QFETCH(QString, pairs);
        QFETCH(QStringList, filters);
        const auto converted = QtPrompter::ToQtFilters(pairs);
        QVERIFY(converted.has_value());
        QCOMPARE(*converted, filters);
    }

    void malformedFiltersAreRefused_data() {
        QTest::addColumn<QString>("pairs");
        QTest::newRow("odd number of parts") << "Design file|*.dsg|All";
        QTest::newRow("empty pattern") << "Design file|";
    }
    void malformedFiltersAreRefused() {
        QFETCH(QString, pairs);
        QVERIFY(!QtPrompter::ToQtFilters(pairs).has_value());
    }

    void defaultExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("always");
        QTest::addColumn<QString>("result");
        QTest::newRow("none typed") << "/d/out"
                                    << "dsg" << false << "/d/out.dsg";
        QTest::newRow("with dot") << "/d/out"
                                  << ".xls" << false << "/d/out.xls";
        QTest::newRow("own extension kept") << "/d/out.txt"
                                            << "dsg" << false << "/d/out.txt";
        QTest::newRow("dot in folder only") << "/d.v2/out"
                                            << "dsg" << false << "/d.v2/out.dsg";
        QTest::newRow("no default") << "/d/out"
                                    << "" << false << "/d/out";
        QTest::newRow("always, none typed") << "/d/abc"
                                            << "DSG" << true << "/d/abc.DSG";
        QTest::newRow("always, another extension") << "/d/abc.x"
                                                   << "DSG" << true << "/d/abc.x.DSG";
        QTest::newRow("always, in another case") << "/d/abc.dsg"
                                                 << "DSG" << true << "/d/abc.dsg";
    }
    void defaultExtension() {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(bool, always);
        QFETCH(QString, result);
        FileDialogRequest request;
        request.defaultExtension = extension;
        request.extensionAlways = always;
        QCOMPARE(platform::SaveFileName(request, name), result);
    }

    void openDialogUsesFiltersAndIndex() {
        QTemporaryDir dir;
        QFile file(dir.filePath("VOKG01.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QStringList shownFilters;
        QString shownFilter, title;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            shownFilters = dialog->nameFilters();
            shownFilter = dialog->selectedNameFilter();
            title = dialog->windowTitle();
            dialog->selectFile(dir.filePath("VOKG01.dat"));
            // The directory may still be loading; the typed name is what the dialog then takes.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
                name->setText(dir.filePath("VOKG01.dat"));
            static_cast<QDialog*>(dialog)->accept(); // virtual: the file dialog's own checks run
        });
        FileDialogRequest request;
        request.title = "Open";
        request.initialFolder = dir.path();
        request.filter = "Design file|*.dsg|Machine data|VOKG*.dat";
        request.filterIndex = 2;
        QtPrompter prompter;
        const auto result = prompter.OpenFile(request);
        QCOMPARE(shownFilters, (QStringList{"Design file (*.dsg)", "Machine data (VOKG*.dat)"}));
        QCOMPARE(shownFilter, QString("Machine data (VOKG*.dat)"));
        QCOMPARE(title, QString("Open"));
        QVERIFY(result.has_value());
        QCOMPARE(result->path, dir.filePath("VOKG01.dat"));
        QCOMPARE(result->filterIndex, 2);
    }

    void cancelledDialogIsNoResult() {
        WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QtPrompter prompter;
        FileDialogRequest request;
        request.filter = "Design file|*.dsg";
        QVERIFY(!prompter.OpenFile(request).has_value());
    }

    void saveAppendsDefaultExtension() {
        QTemporaryDir dir;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("new");
            static_cast<QDialog*>(dialog)->accept(); // virtual: the file dialog's own checks run
        });
        FileDialogRequest request;
        request.initialFolder = dir.path();
        request.filter = "Design file|*.dsg";
        request.defaultExtension = "dsg";
        QtPrompter prompter;
        const auto result = prompter.SaveFile(request);
        QVERIFY(result.has_value());
        QCOMPARE(result->path, dir.filePath("new.dsg"));
        QCOMPARE(result->filterIndex, 1);
    }

    // Overwriting asks first when asked to; answering No keeps the dialog open.
    void saveConfirmsOverwrite_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmation requested") << true;
        QTest::newRow("no confirmation") << false;
    }
    void saveConfirmsOverwrite() {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        QFile existing(dir.filePath("old.dsg"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        bool asked = false;
        QFileDialog* fileDialog = nullptr;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            fileDialog = dialog;
            if (confirm) {
                WhenShown<QMessageBox>(
                    [&](QMessageBox* box) {
                        asked = true;
                        box->button(QMessageBox::No)->click();
                        // Still open after No: the user may pick another name or give up.
                        QTimer::singleShot(10, fileDialog, [&] { fileDialog->reject(); });
                    },
                    dialog);
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("old");
            static_cast<QDialog*>(dialog)->accept(); // virtual: the file dialog's own checks run
        });
        FileDialogRequest request;
        request.initialFolder = dir.path();
        request.filter = "Design file|*.dsg";
        request.defaultExtension = "dsg";
        request.confirmOverwrite = confirm;
        QtPrompter prompter;
        const auto result = prompter.SaveFile(request);
        QCOMPARE(asked, confirm);
        QCOMPARE(result.has_value(), !confirm);
        if (result)
            QCOMPARE(result->path, dir.filePath("old.dsg"));
    }

    // The overwrite question is about the name that will be written, extension included:
    // "abc" typed where "abc.dsg" exists asks about "abc.dsg".
    void saveAsksAboutTheNameItWrites_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("always");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension typed, replaced") << "abc"
                                                      << "DSG" << true << "abc.DSG" << true << "abc.DSG";
        QTest::newRow("no extension typed, kept") << "abc"
                                                  << "DSG" << true << "abc.DSG" << false << "";
        QTest::newRow("another extension typed") << "abc.x"
                                                 << "DSG" << true << "abc.x.DSG" << false << "";
        QTest::newRow("extension typed in another case") << "abc.dsg"
                                                         << "DSG" << true << "abc.dsg" << true << "abc.dsg";
        QTest::newRow("own extension kept") << "book"
                                            << "xlsx" << false << "book.xlsx" << false << "";
        QTest::newRow("only the bare name exists") << "abc"
                                                   << "DSG" << true << "abc" << true << "abc.DSG";
    }
    void saveAsksAboutTheNameItWrites() {
        QFETCH(QString, typed);
        QFETCH(QString, extension);
        QFETCH(bool, always);
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QFile file(dir.filePath(existing));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const bool asks = existing != typed || existing == written;
        QString question;
        QFileDialog* fileDialog = nullptr;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            fileDialog = dialog;
            // Only where a question is due: a watcher left waiting would answer a later test's box.
            if (asks) {
                WhenShown<QMessageBox>(
                    [&](QMessageBox* box) {
                        question = box->text();
                        box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                        if (!replace) // still open after No: the user gives up
                            QTimer::singleShot(10, fileDialog, [&] { fileDialog->reject(); });
                    },
                    dialog);
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
            static_cast<QDialog*>(dialog)->accept(); // virtual: the dialog's own checks run
        });
        FileDialogRequest request;
        request.initialFolder = dir.path();
        request.filter = "Design file|*.dsg";
        request.defaultExtension = extension;
        request.extensionAlways = always;
        QtPrompter prompter;
        const auto result = prompter.SaveFile(request);
        if (asks)
            QCOMPARE(question,
                     QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(existing));
        QCOMPARE(result.has_value(), !written.isEmpty());
        if (result)
            QCOMPARE(result->path, dir.filePath(written));
    }
};

QTEST_MAIN(TestQtPrompter)
#include "tst_QtPrompter.moc"
