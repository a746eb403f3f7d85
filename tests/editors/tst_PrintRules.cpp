#include "editors/CustomizeSheetOutput.h"
#include "editors/EditorServices.h"
#include "editors/ParameterSheetOutput.h"
#include "editors/fParam.h"
#include "editors/fPrint.h"
#include "editors/rules/PrintRules.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/gui/SheetPrinter.h"
#include "shell/messages/Messages.h"
#include "tests/export/WorkbookReadBack.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include <unistd.h>

using namespace vokg;
using platform::FileDialogResult;

namespace {

const QString kSelectFromList = QStringLiteral("Select function from list.");
const QString kFailedToCreate = QStringLiteral("Failed to create excel file.");
const QString kFileOpen =
    QStringLiteral("This file is already open, please specify another filename or close file.");
const QString kDone = QStringLiteral("Print to excel file done.");

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

// Column A of every data row of the first sheet, top to bottom.
QStringList ModeColumn(const QJsonObject& book) {
    QStringList modes;
    const int last = book.value(QStringLiteral("maxRow")).toInt();
    for (int row = 2; row <= last; ++row)
        modes.append(workbookreadback::Cell(book, QStringLiteral("A%1").arg(row))
                         .value(QStringLiteral("value"))
                         .toString());
    return modes;
}

QStringList DigitalColumn(const QJsonObject& book) {
    QStringList digitals;
    const int last = book.value(QStringLiteral("maxRow")).toInt();
    for (int row = 2; row <= last; ++row)
        digitals.append(workbookreadback::Cell(book, QStringLiteral("B%1").arg(row))
                            .value(QStringLiteral("value"))
                            .toString());
    return digitals;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QStringList errorBoxes_;
    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    FakeServices services_;
    std::unique_ptr<CModes> modes_;
    std::unique_ptr<ParameterSheetOutput> output_;

    // BASIC: SPEED differs from the comparison, LIMIT does not. EXTRA follows the two reserved
    // modes so that leaving them out shows in the middle of the list, not only at its end.
    void BuildModes() {
        modes_ = std::make_unique<CModes>(ModelContext{method_, messenger_});
        output_ = std::make_unique<ParameterSheetOutput>(*modes_, method_);
        output_->SetTextMeasure(platform::EstimateSheetTextWidth);
        modes_->SetKishuName(QStringLiteral("VK-100"));
        modes_->SetDataVersion(QStringLiteral("V1.02"));
        CMode& basic = modes_->Add(QStringLiteral("BASIC"));
        CDigital& speed =
            basic.Digits().Add(QStringLiteral("SPEED"), QStringLiteral("NUM"), QStringLiteral("rpm"),
                               QStringLiteral("0"), QStringLiteral("3000"), QString(), QString(), 100, 2);
        speed.SetUserValue(2500);
        speed.SetCmpValue(2000);
        CDigital& limit =
            basic.Digits().Add(QStringLiteral("LIMIT"), QStringLiteral("NUM"), QStringLiteral("mm"),
                               QStringLiteral("0"), QStringLiteral("250"), QString(), QString(), 102, 1);
        limit.SetUserValue(12);
        limit.SetCmpValue(12);
        modes_->Add(QStringLiteral("SPECIAL"))
            .Digits()
            .Add(QStringLiteral("DB1"), QStringLiteral("NUM"), QString(), QStringLiteral("0"),
                 QStringLiteral("9"), QString(), QString(), 200, 1)
            .SetUserValue(7);
        modes_->Add(QStringLiteral("Manufacturer"))
            .Digits()
            .Add(QStringLiteral("OFFSET"), QStringLiteral("NUM"), QString(), QStringLiteral("-100"),
                 QStringLiteral("100"), QString(), QString(), 210, 2)
            .SetUserValue(-5);
        modes_->Add(QStringLiteral("EXTRA"))
            .Digits()
            .Add(QStringLiteral("TRIM"), QStringLiteral("NUM"), QString(), QStringLiteral("0"),
                 QStringLiteral("1"), QString(), QString(), 220, 1)
            .SetUserValue(1);
    }

    std::unique_ptr<PrintRules> MakePrint(const QString& modeName, bool tokushu = false,
                                          bool manufacturer = false) {
        auto print = std::make_unique<PrintRules>(*modes_, messenger_, method_, services_, *output_);
        print->SetPrintKind(PrintRules::kParameterModes);
        print->SetModeName(modeName);
        print->SetPrintTokushu(tokushu);
        print->SetPrintManufacturer(manufacturer);
        print->Load();
        return print;
    }

    QString Path(const QString& name) const { return dir_->filePath(name); }

    QStringList PromptKinds() const {
        QStringList kinds;
        for (const auto& prompt : prompter_.Prompts())
            kinds.append(prompt.what);
        return kinds;
    }

    static QStringList Listed(const PrintRules& print) {
        QStringList texts;
        for (const PrintRules::ListItem& item : print.Items())
            texts.append(item.text);
        return texts;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        errorBoxes_.clear();
        prompter_ = testsupport::ScriptedPrompter();
        services_.comparison = false;
        services_.settings.clear();
        hlpkit::CMethod::SetErrorBox(
            [this](const QString&, const QString& text) { errorBoxes_.append(text); });
        hlpkit::CMethod::SetLogFolder(dir_->path());
        BuildModes();
    }
    void cleanup() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
        hlpkit::CProperty::ResetOpenHook();
    }

    void customizeListsTheWindowsDirection_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("Standard output")
            << "Standard output" << QStringList{"Standard output", "TE BOARD output"}
            << QStringList{"Standard output"};
        QTest::newRow("All inputs") << "All inputs" << QStringList{"Standard input", "TE BOARD input"}
                                    << QStringList{"Standard input", "TE BOARD input"};
    }
    void customizeListsTheWindowsDirection() {
        QFETCH(QString, window);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, selected);
        const ModelContext context{method_, messenger_};
        CCustoms user(context);
        CCustoms comparison(context);
        for (CCustoms* set : {&user, &comparison}) {
            set->AddInput(QStringLiteral("I1"), {}, QStringLiteral("Standard input"), 1, 2, 3);
            set->Add(QStringLiteral("O1"), {}, QStringLiteral("Standard output"), 4, 5, 6, 7, 9, 11, 13, 15);
            set->AddInput(QStringLiteral("I2"), {}, QStringLiteral("TE BOARD input"), 17, 18, 19);
            set->Add(QStringLiteral("O2"), {}, QStringLiteral("TE BOARD output"), 20, 21, 22, 23, 25, 27, 29,
                     31);
            set->Add(QStringLiteral("O3"), {}, QStringLiteral("Standard output"), 33, 34, 35, 36, 38, 40, 42,
                     44);
        }
        CCusSelections functions(context);
        functions.Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        CustomizeSheetOutput output(*modes_, user, comparison, functions, functions, method_);
        PrintRules print(*modes_, messenger_, method_, services_, output);
        print.SetPrintKind(PrintRules::kCustomize);
        print.SetCustomName(window);
        print.SetCustoms(&user);
        QVERIFY(print.Load());
        QCOMPARE(Listed(print), listed);
        QCOMPARE(print.Create_dicSelected(), selected);
        // Create Excel file writes the customize sheet of that direction.
        const QString file = Path(QStringLiteral("customize.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});
        QVERIFY(print.StartPrinting(true));
        QCOMPARE(print.ExcelFile(), file);
        const QJsonObject book = workbookreadback::Read(file);
        QCOMPARE(book[QStringLiteral("title")].toString(), QStringLiteral("VOK-G Customize"));
        QCOMPARE(book[QStringLiteral("maxColumn")].toInt(),
                 window.contains(QLatin1String("output")) ? 16 : 8);
        QCOMPARE(print.StatusText(), QStringLiteral("Print to excel file done."));
        QVERIFY2(errorBoxes_.isEmpty(), qPrintable(errorBoxes_.join(u'\n')));
    }

    void listFollowsAccessRules_data() {
        QTest::addColumn<QString>("modeName");
        QTest::addColumn<bool>("tokushu");
        QTest::addColumn<bool>("manufacturer");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("selected");
        const QString all = fParam::AllModesName();
        QTest::newRow("one mode") << "EXTRA" << false << false << QStringList{"BASIC", "EXTRA"}
                                  << QStringList{"EXTRA"};
        QTest::newRow("all modes") << all << false << false << QStringList{"BASIC", "EXTRA"}
                                   << QStringList{"BASIC", "EXTRA"};
        QTest::newRow("all with special") << all << true << false << QStringList{"BASIC", "SPECIAL", "EXTRA"}
                                          << QStringList{"BASIC", "SPECIAL", "EXTRA"};
        QTest::newRow("manufacturer window")
            << "Manufacturer" << false << true << QStringList{"BASIC", "Manufacturer", "EXTRA"}
            << QStringList{"Manufacturer"};
        QTest::newRow("unknown mode selects nothing")
            << "GONE" << true << true << QStringList{"BASIC", "SPECIAL", "Manufacturer", "EXTRA"}
            << QStringList{};
    }
    void listFollowsAccessRules() {
        QFETCH(QString, modeName);
        QFETCH(bool, tokushu);
        QFETCH(bool, manufacturer);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, selected);
        const auto print = MakePrint(modeName, tokushu, manufacturer);
        QCOMPARE(Listed(*print), listed);
        QCOMPARE(print->Create_dicSelected(), selected);
        QCOMPARE(print->CurrentIndex(), 0);
        QVERIFY(errorBoxes_.isEmpty());
    }

    void presetsSelectAndRelease() {
        const auto print = MakePrint(QStringLiteral("BASIC"));
        print->SelectAll(true);
        QCOMPARE(print->Create_dicSelected(), (QStringList{"BASIC", "EXTRA"}));
        print->SelectAll(false);
        QVERIFY(print->Create_dicSelected().isEmpty());

        // Nothing chosen: message 57 and no file question.
        QVERIFY(!print->StartPrinting(true));
        QCOMPARE(prompter_.MessageTexts(), QStringList{kSelectFromList});
        QCOMPARE(PromptKinds(), QStringList{"message"});
        QVERIFY(!print->DispExcel());
    }

    void onlyDifferencesNeedComparison_data() {
        QTest::addColumn<bool>("comparison");
        QTest::addColumn<bool>("preset");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("effective");
        QTest::addColumn<QStringList>("digitals");
        QTest::newRow("comparison, preset") << true << true << true << true << QStringList{"SPEED"};
        QTest::newRow("comparison, not preset")
            << true << false << true << false << QStringList{"SPEED", "LIMIT"};
        QTest::newRow("no comparison, preset")
            << false << true << false << false << QStringList{"SPEED", "LIMIT"};
    }
    void onlyDifferencesNeedComparison() {
        QFETCH(bool, comparison);
        QFETCH(bool, preset);
        QFETCH(bool, enabled);
        QFETCH(bool, effective);
        QFETCH(QStringList, digitals);
        services_.comparison = comparison;
        auto print = std::make_unique<PrintRules>(*modes_, messenger_, method_, services_, *output_);
        print->SetModeName(QStringLiteral("BASIC"));
        print->SetOnlyDif(preset);
        print->Load();
        QCOMPARE(print->OnlyDifEnabled(), enabled);
        QCOMPARE(print->DoesPrintOnlyDif(), effective);
        // Ticking by hand does not get round the missing comparison either.
        print->SetDoesPrintOnlyDif(true);
        QCOMPARE(print->DoesPrintOnlyDif(), enabled);
        print->SetDoesPrintOnlyDif(preset);

        const QString file = Path(QStringLiteral("dif.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});
        QVERIFY(print->StartPrinting(true));
        QCOMPARE(DigitalColumn(workbookreadback::Read(file)), digitals);
    }

    void saveWritesChosenModesAtChosenPath() {
        services_.settings.insert(QStringLiteral("LatestExcelFile"), Path(QStringLiteral("earlier.xlsx")));
        const auto print = MakePrint(QStringLiteral("BASIC"), true, true);
        QStringList progress;
        print->SetProgress([&progress](const QString& text) { progress.append(text); });
        const QString file = Path(QStringLiteral("chosen.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});

        QVERIFY(print->StartPrinting(true));
        QCOMPARE(PromptKinds(), QStringList{"save"});
        QCOMPARE(prompter_.Prompts().at(0).title, QStringLiteral("Specify excel file name"));
        QCOMPARE(prompter_.Prompts().at(0).text, QStringLiteral("earlier.xlsx"));
        QVERIFY(print->DispExcel());
        QVERIFY(print->Printed());
        QCOMPARE(print->ExcelFile(), file);
        QCOMPARE(services_.settings.value(QStringLiteral("LatestExcelFile")), file);

        const QJsonObject book = workbookreadback::Read(file);
        QCOMPARE(book.value(QStringLiteral("title")).toString(), QStringLiteral("VOK-G Parameters"));
        // Only the selected mode: the listed but unselected modes give no rows and no progress.
        QCOMPARE(ModeColumn(book), (QStringList{"BASIC", "BASIC"}));
        QCOMPARE(progress.filter(QStringLiteral("Printing:")).size(), 2);
        QCOMPARE(progress.filter(QStringLiteral("EXTRA")).size(), 0);
        QCOMPARE(progress.last(), kDone);
        QCOMPARE(print->StatusText(), kDone);

        // Close after a save: nothing is left for the caller to open.
        print->CloseCommand();
        QVERIFY(!print->DispExcel());
        QVERIFY(print->ExcelFile().isEmpty());
    }

    void alwaysOverwriteReplacesLatestFile_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("stored as 1") << "1";
        QTest::newRow("stored as True") << "True";
    }
    void alwaysOverwriteReplacesLatestFile() {
        QFETCH(QString, stored);
        const QString file = Path(QStringLiteral("latest.xlsx"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("not a workbook");
        }
        services_.settings.insert(QStringLiteral("LatestExcelFile"), file);
        services_.settings.insert(QStringLiteral("DoesOverWrite"), stored);
        const auto print = MakePrint(QStringLiteral("EXTRA"));
        QVERIFY(print->DoesOverWrite());

        QVERIFY(print->StartPrinting(true));
        QVERIFY(prompter_.Prompts().isEmpty());
        QCOMPARE(print->ExcelFile(), file);
        QCOMPARE(ModeColumn(workbookreadback::Read(file)), QStringList{"EXTRA"});
        // The probe's copy never stays behind.
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"latest.xlsx"});
    }

    void alwaysOverwriteWithFolderGoneAsks() {
        const QString gone = Path(QStringLiteral("gone/latest.xlsx"));
        services_.settings.insert(QStringLiteral("LatestExcelFile"), gone);
        services_.settings.insert(QStringLiteral("DoesOverWrite"), QStringLiteral("1"));
        const auto print = MakePrint(QStringLiteral("EXTRA"));
        prompter_.QueueFile(std::nullopt);

        QVERIFY(!print->StartPrinting(true)); // the question is cancelled
        QCOMPARE(PromptKinds(), QStringList{"save"});
        QCOMPARE(prompter_.Prompts().at(0).text, QStringLiteral("latest.xlsx"));
        QVERIFY(prompter_.MessageTexts().isEmpty());
        QCOMPARE(services_.settings.value(QStringLiteral("LatestExcelFile")), gone);
        QVERIFY(!print->DispExcel());
    }

    void fileInUseAsksAgain_data() {
        QTest::addColumn<bool>("secondAnswer");
        QTest::newRow("another file") << true;
        QTest::newRow("cancelled") << false;
    }
    void fileInUseAsksAgain() {
        QFETCH(bool, secondAnswer);
        // A folder under the workbook's name cannot be replaced, as a file held open elsewhere.
        const QString busy = Path(QStringLiteral("busy.xlsx"));
        QVERIFY(QDir().mkpath(busy));
        const QString other = Path(QStringLiteral("other.xlsx"));
        const auto print = MakePrint(QStringLiteral("BASIC"));
        prompter_.QueueFile(FileDialogResult{busy, 1});
        prompter_.QueueFile(secondAnswer ? std::optional(FileDialogResult{other, 1}) : std::nullopt);

        QCOMPARE(print->StartPrinting(true), secondAnswer);
        QCOMPARE(PromptKinds(), (QStringList{"save", "message", "save"}));
        QCOMPARE(prompter_.MessageTexts(), QStringList{kFileOpen});
        QCOMPARE(prompter_.Prompts().at(2).text, QStringLiteral("busy.xlsx"));
        QVERIFY(QFileInfo(busy).isDir());
        QCOMPARE(QFileInfo::exists(other), secondAnswer);
        QCOMPARE(print->DispExcel(), secondAnswer);
        QCOMPARE(services_.settings.contains(QStringLiteral("LatestExcelFile")), secondAnswer);
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("bak_busy.xlsx"))));
    }

    // The data files being printed (by any name for them) and a read-only file are never
    // replaced by a workbook: the dialog says why and asks again.
    void dataAndReadOnlyFilesAreRefused_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("message");
        const QString inUse = QStringLiteral("An excel file cannot be written over a data file in use.");
        QTest::newRow("the user file") << "S.DSG" << inUse;
        QTest::newRow("its companion") << "S.DSK" << inUse;
        QTest::newRow("the comparison file") << "C.DSG" << inUse;
        QTest::newRow("a link to the user file") << "link.xlsx" << inUse;
        QTest::newRow("another name of the companion") << "hard.xlsx" << inUse;
        QTest::newRow("a read-only workbook")
            << "locked.xlsx" << QStringLiteral("You are not allowed to write this file.");
    }
    void dataAndReadOnlyFilesAreRefused() {
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        for (const char* name : {"S.DSG", "S.DSK", "C.DSG", "locked.xlsx"}) {
            QFile file(Path(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        QVERIFY(QFile::link(Path(QStringLiteral("S.DSG")), Path(QStringLiteral("link.xlsx"))));
        QVERIFY(::link(QFile::encodeName(Path(QStringLiteral("S.DSK"))).constData(),
                       QFile::encodeName(Path(QStringLiteral("hard.xlsx"))).constData()) == 0);
        QVERIFY(QFile::setPermissions(Path(QStringLiteral("locked.xlsx")), QFileDevice::ReadOwner |
                                                                               QFileDevice::ReadGroup |
                                                                               QFileDevice::ReadOther));
        const QString target = Path(chosen);
        QFile original(target);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        const auto print = MakePrint(QStringLiteral("BASIC"));
        print->SetFilesInUse(
            {Path(QStringLiteral("S.DSG")), Path(QStringLiteral("S.DSK")), Path(QStringLiteral("C.DSG"))});
        // "Always overwrite" with the refused file stored asks as well.
        services_.settings.insert(QStringLiteral("LatestExcelFile"), target);
        print->SetDoesOverWrite(true);
        prompter_.QueueFile(FileDialogResult{Path(QStringLiteral("ok.xlsx")), 1});

        QVERIFY(print->StartPrinting(true));
        QCOMPARE(PromptKinds(), (QStringList{"message", "save"}));
        QCOMPARE(prompter_.MessageTexts(), QStringList{message + QStringLiteral("\n\n") + target});
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);
        QCOMPARE(print->ExcelFile(), Path(QStringLiteral("ok.xlsx")));
        QCOMPARE(ModeColumn(workbookreadback::Read(print->ExcelFile())), (QStringList{"BASIC", "BASIC"}));
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("bak_") + QFileInfo(target).fileName())));
    }

    void failedSaveGivesMessage55() {
        const auto print = MakePrint(QStringLiteral("BASIC"));
        const QString nowhere = Path(QStringLiteral("missing/folder.xlsx"));
        prompter_.QueueFile(FileDialogResult{nowhere, 1});

        QVERIFY(!print->StartPrinting(true));
        QCOMPARE(prompter_.MessageTexts(), QStringList{kFailedToCreate});
        QCOMPARE(prompter_.Prompts().last().kind, 1);
        QVERIFY(!errorBoxes_.isEmpty());
        QVERIFY(!print->DispExcel());
        QVERIFY(print->ExcelFile().isEmpty());
        QVERIFY(!print->Printed());
    }

    void printGoesToPrinter() {
        const auto print = MakePrint(fParam::AllModesName());
        platform::SheetPrinter printer;
        const QString pdf = Path(QStringLiteral("paper.pdf"));
        printer.SetPdfOutput(pdf);
        output_->SetPrinter(&printer);

        QVERIFY(print->StartPrinting(false));
        QVERIFY(prompter_.Prompts().isEmpty());
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(print->Printed());
        QVERIFY(!print->DispExcel());
        QVERIFY(print->ExcelFile().isEmpty());
        QVERIFY(!services_.settings.contains(QStringLiteral("LatestExcelFile")));
    }

    void unloadStoresOverwrite() {
        services_.settings.insert(QStringLiteral("DoesOverWrite"), QStringLiteral("0"));
        const auto print = MakePrint(QStringLiteral("BASIC"));
        QVERIFY(!print->DoesOverWrite());
        print->SetDoesOverWrite(true);
        print->Unload();
        QCOMPARE(services_.settings.value(QStringLiteral("DoesOverWrite")), QStringLiteral("True"));
        print->SetDoesOverWrite(false);
        print->Unload();
        QCOMPARE(services_.settings.value(QStringLiteral("DoesOverWrite")), QStringLiteral("False"));
    }

    void writtenWorkbookOpensOnDesktop() {
        QList<QUrl> opened;
        hlpkit::CProperty::SetOpenHook([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });
        hlpkit::CProperty property;
        const auto print = MakePrint(QStringLiteral("BASIC"));
        QVERIFY(!fPrint::OpenExcelFile(*print, property, messenger_, nullptr)); // nothing written yet
        QVERIFY(opened.isEmpty());

        const QString file = Path(QStringLiteral("open.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});
        QVERIFY(print->StartPrinting(true));
        QVERIFY(fPrint::OpenExcelFile(*print, property, messenger_, nullptr));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(file)});
    }

    // Where no program opens workbooks, the user is told once, plainly, where it was saved.
    void aWorkbookNoProgramOpensIsNamed() {
        hlpkit::CProperty::SetOpenHook([](const QUrl&) { return false; });
        hlpkit::CProperty property;
        const auto print = MakePrint(QStringLiteral("BASIC"));
        const QString file = Path(QStringLiteral("nobody.xlsx"));
        prompter_.QueueFile(FileDialogResult{file, 1});
        QVERIFY(print->StartPrinting(true));
        prompter_.Clear();
        QVERIFY(!fPrint::OpenExcelFile(*print, property, messenger_, nullptr));
        QCOMPARE(prompter_.MessageTexts(),
                 QStringList{QStringLiteral(
                                 "The workbook was saved as:\n\n%1\n\nNo program is registered to open it.")
                                 .arg(QDir::toNativeSeparators(file))});
        QCOMPARE(prompter_.Prompts().first().kind, int(platform::BoxKind::Information));
        QVERIFY(errorBoxes_.isEmpty());
        QVERIFY(QFile::exists(file));
    }

    // Kind 2 lists every array of the feed-parameter window with the calling window's own
    // selected; kind 3 lists the calling pitch window alone, selected.
    void feedKindsList_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("count");
        QTest::newRow("axis window") << 2 << "X_P1_B" << 17;
        QTest::newRow("other values window") << 2 << COkuris::OtherValuesKey() << 17;
        QTest::newRow("pitch window") << 3 << LoadMsg(573) << 1;
    }
    void feedKindsList() {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(int, count);
        auto print = std::make_unique<PrintRules>(*modes_, messenger_, method_, services_, *output_);
        print->SetPrintKind(kind);
        print->SetOkuriCaption(caption);
        QVERIFY(print->Load());
        QCOMPARE(print->Items().size(), count);
        QCOMPARE(print->Create_dicSelected(), QStringList{caption});
        QCOMPARE(print->Items().at(print->CurrentIndex()).text, caption);
    }

    void feedKindsPrintThroughTheFeedOutput() {
        struct FeedOutput : ParameterSheetOutput {
            using ParameterSheetOutput::ParameterSheetOutput;
            bool PrintFeed(const FeedPrintJob& job, const std::function<void(const QString&)>&) override {
                jobs.append(job);
                return true;
            }
            QList<FeedPrintJob> jobs;
        } output(*modes_, method_);
        services_.comparison = true;
        PrintRules print(*modes_, messenger_, method_, services_, output);
        print.SetPrintKind(PrintRules::kFeedArrays);
        print.SetOkuriCaption(QStringLiteral("X_T1_A"));
        print.SetOnlyDif(true);
        QVERIFY(print.Load());
        print.SetSelected(0, true); // X_P1_A as well
        QVERIFY(print.StartPrinting(false));
        QCOMPARE(output.jobs.size(), 1);
        QCOMPARE(output.jobs[0].keys, (QStringList{QStringLiteral("X_P1_A"), QStringLiteral("X_T1_A")}));
        QVERIFY(!output.jobs[0].pitchWindow);
        QVERIFY(output.jobs[0].onlyDifferences);
        QVERIFY(output.jobs[0].hasComparison);
        QCOMPARE(output.jobs[0].title, QStringLiteral("X_T1_A"));
        services_.comparison = false;
    }

    void otherKindsAreRefused() {
        auto print = std::make_unique<PrintRules>(*modes_, messenger_, method_, services_, *output_);
        print->SetPrintKind(4); // no such sheet
        print->SetModeName(QStringLiteral("BASIC"));
        QVERIFY(!print->Load());
        QVERIFY(print->Items().isEmpty());
        QCOMPARE(errorBoxes_.size(), 1);
        QVERIFY(errorBoxes_.at(0).contains(QStringLiteral("Form_Load")));
    }
};

QTEST_MAIN(TestPrint)
#include "tst_PrintRules.moc"
