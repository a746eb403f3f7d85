#include "editors/EditorServices.h"
#include "editors/ParameterSheetOutput.h"
#include "editors/fParam.h"
#include "editors/fPrint.h"
#include "editors/rules/PrintRules.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "shell/messages/Messages.h"
#include "tests/export/WorkbookReadBack.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vokg;
using platform::FileDialogResult;

namespace {

class FakeServices : public EditorServices {
public:
    bool SaveAllFiles(vokg::SaveMode, bool) override { return true; }
    bool IsBusy() const override { return false; }
    bool ExactPassWord(int) override { return false; }
    void SetManufacturerMenuVisible(bool) override {}
    void InputWindowClosed(InputWindow&) override {}
    QList<InputWindow*> InputWindows() const override { return {}; }
    bool HasComparison() const override { return comparison; }
    bool UserFileIsDsg() const override { return true; }
    vokg::ProgramSettings& Settings() override { return settings.Typed(); }

    bool comparison = false;
    testsupport::MemorySettings settings;
};

// On the box's indicator: a box stretched by its layout takes clicks only near its text.
void ClickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QStringList SelectedTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            texts.append(list.item(row)->text());
    return texts;
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    FakeServices services_;
    std::unique_ptr<CModes> modes_;
    std::unique_ptr<ParameterSheetOutput> output_;

    void BuildModes() {
        modes_ = std::make_unique<CModes>(ModelContext{method_, messenger_});
        output_ = std::make_unique<ParameterSheetOutput>(*modes_, method_);
        output_->SetTextMeasure(platform::EstimateSheetTextWidth);
        for (const QString& name :
             {QStringLiteral("BASIC"), QStringLiteral("SPECIAL"), QStringLiteral("EXTRA")}) {
            CDigital& digital = modes_->Add(name).Digits().Add(
                name + QStringLiteral("1"), QStringLiteral("NUM"), QString(), QStringLiteral("0"),
                QStringLiteral("9"), QString(), QString(), 100, 1);
            digital.SetUserValue(3);
            digital.SetCmpValue(name == QLatin1String("BASIC") ? 4 : 3);
        }
    }

    std::unique_ptr<PrintRules> MakePrint(const QString& modeName) {
        auto print = std::make_unique<PrintRules>(*modes_, messenger_, method_, services_, *output_);
        print->SetModeName(modeName);
        return print;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        prompter_ = testsupport::ScriptedPrompter();
        services_ = FakeServices();
        hlpkit::CMethod::SetLogFolder(dir_->path());
        BuildModes();
    }
    void cleanup() { hlpkit::CMethod::SetLogFolder(QString()); }

    void captionsAndList() {
        const auto print = MakePrint(QStringLiteral("EXTRA"));
        fPrint dialog(*print);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
        QCOMPARE(dialog.Button(1)->text(), QStringLiteral("&Print"));
        QCOMPARE(dialog.Button(2)->text(), QStringLiteral("Create &Excel file"));
        QCOMPARE(dialog.Button(3)->text(), QStringLiteral("&Close"));
        QCOMPARE(dialog.SelectButton(1)->text(), QStringLiteral("Select &all"));
        QCOMPARE(dialog.SelectButton(2)->text(), QStringLiteral("&Release all"));
        QCOMPARE(dialog.OnlyDifBox()->text(), QStringLiteral("Print only &differences."));
        QCOMPARE(dialog.OverWriteBox()->text(), QStringLiteral("Always Over&write"));
        // The special mode stays out when the window did not show it.
        QCOMPARE(dialog.List()->count(), 2);
        QCOMPARE(SelectedTexts(*dialog.List()), QStringList{"EXTRA"});
        QCOMPARE(dialog.List()->currentRow(), 0);
    }

    void selectionButtonsAndClicks() {
        const auto print = MakePrint(QStringLiteral("BASIC"));
        print->SetPrintTokushu(true);
        fPrint dialog(*print);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QTest::mouseClick(dialog.SelectButton(1), Qt::LeftButton);
        QCOMPARE(SelectedTexts(*dialog.List()), (QStringList{"BASIC", "SPECIAL", "EXTRA"}));
        QCOMPARE(print->Create_dicSelected(), (QStringList{"BASIC", "SPECIAL", "EXTRA"}));

        // A click on a selected item releases it in the rules as well.
        QListWidget* list = dialog.List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(print->Create_dicSelected(), (QStringList{"BASIC", "EXTRA"}));

        QTest::mouseClick(dialog.SelectButton(2), Qt::LeftButton);
        QVERIFY(SelectedTexts(*list).isEmpty());
        QTest::mouseClick(dialog.Button(2), Qt::LeftButton);
        QCOMPARE(prompter_.MessageTexts(), QStringList{"Select function from list."});
        QVERIFY(dialog.isVisible()); // stays open for another choice
    }

    void onlyDifferencesBox_data() {
        QTest::addColumn<bool>("comparison");
        QTest::newRow("no comparison") << false;
        QTest::newRow("comparison") << true;
    }
    void onlyDifferencesBox() {
        QFETCH(bool, comparison);
        services_.comparison = comparison;
        const auto print = MakePrint(fParam::AllModesName());
        fPrint dialog(*print);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.OnlyDifBox()->isEnabled(), comparison);
        ClickBox(dialog.OnlyDifBox());
        QCOMPARE(dialog.OnlyDifBox()->isChecked(), comparison);
        QCOMPARE(print->DoesPrintOnlyDif(), comparison);
    }

    void createWorkbookClosesAndReports() {
        services_.comparison = true;
        const auto print = MakePrint(fParam::AllModesName());
        print->SetOnlyDif(true);
        fPrint dialog(*print);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.OnlyDifBox()->isChecked());

        const QString file = dir_->filePath(QStringLiteral("dialog.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});
        QTest::mouseClick(dialog.Button(2), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.StatusPanel()->text(), QStringLiteral("Print to excel file done."));
        QVERIFY(print->DispExcel());
        QCOMPARE(print->ExcelFile(), file);
        // Only the one differing digital, from the ticked box.
        const QJsonObject book = workbookreadback::Read(file);
        QCOMPARE(book.value(QStringLiteral("maxRow")).toInt(), 2);
        QCOMPARE(workbookreadback::Cell(book, QStringLiteral("B2")).value(QStringLiteral("value")).toString(),
                 QStringLiteral("BASIC1"));
        QCOMPARE(services_.settings.value(QStringLiteral("DoesOverWrite")), QStringLiteral("False"));
    }

    void closeStoresOverwrite_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("afterClick");
        // Earlier versions stored 0 and 1; they still read, and the box is stored as False or True.
        QTest::newRow("was off") << "False"
                                 << "True";
        QTest::newRow("was on") << "True"
                                << "False";
        QTest::newRow("was off, stored as 0") << "0"
                                              << "True";
        QTest::newRow("was on, stored as 1") << "1"
                                             << "False";
        QTest::newRow("never stored") << ""
                                      << "True";
    }
    void closeStoresOverwrite() {
        QFETCH(QString, stored);
        QFETCH(QString, afterClick);
        if (!stored.isEmpty())
            services_.settings.insert(QStringLiteral("DoesOverWrite"), stored);
        const auto print = MakePrint(QStringLiteral("BASIC"));
        fPrint dialog(*print);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.OverWriteBox()->isChecked(), afterClick == QLatin1String("False"));
        ClickBox(dialog.OverWriteBox());
        QTest::mouseClick(dialog.Button(3), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(services_.settings.value(QStringLiteral("DoesOverWrite")), afterClick);
        QVERIFY(print->ExcelFile().isEmpty());
        QVERIFY(!print->DispExcel());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "tst_fPrint.moc"
