#pragma once

#include "editors/rules/PrintOutput.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CCustoms;
class CModes;
class Messenger;
class RulesServices;

// What the print dialog decides, without a window: which modes are listed and selected, the
// only-differences and always-overwrite choices, the workbook file, and when to print or save
// (through the PrintOutput it is given). The caller sets the inputs, lets the user choose (the
// fPrint window, or a test calling the same functions) and reads DispExcel and ExcelFile
// afterwards.
class PrintRules {
public:
    // The parameter modes; the customize settings.
    static constexpr int kParameterModes = 0;
    static constexpr int kCustomize = 1;
    // The feed arrays of the feed-parameter window, and one pitch window's arrays.
    static constexpr int kFeedArrays = 2;
    static constexpr int kPitchWindow = 3;

    struct ListItem {
        QString text;
        bool selected = false;
    };

    PrintRules(const CModes& modes, Messenger& messenger, hlpkit::CMethod& method, RulesServices& services,
               PrintOutput& output);

    int PrintKind() const { return printKind_; }
    void SetPrintKind(int kind) { printKind_ = kind; }
    // The mode of the calling window, or ParamRules::AllModesName().
    const QString& ModeName() const { return modeName_; }
    void SetModeName(const QString& name) { modeName_ = name; }
    bool OnlyDif() const { return onlyDif_; }
    void SetOnlyDif(bool onlyDif) { onlyDif_ = onlyDif; }
    // The calling feed or pitch window's caption (kinds 2 and 3).
    const QString& OkuriCaption() const { return okuriCaption_; }
    void SetOkuriCaption(const QString& caption) { okuriCaption_ = caption; }
    bool PrintTokushu() const { return printTokushu_; }
    void SetPrintTokushu(bool print) { printTokushu_ = print; }
    bool PrintManufacturer() const { return printManufacturer_; }
    void SetPrintManufacturer(bool print) { printManufacturer_ = print; }
    // Kind 1: the customize window's group and the user customize set whose categories are listed.
    const QString& CustomName() const { return customName_; }
    void SetCustomName(const QString& name) { customName_ = name; }
    void SetCustoms(const CCustoms* user) { customs_ = user; }
    // "TableNo" of the page header.
    void SetUserTableNumber(int table) { userTable_ = table; }
    // The data files the sheet is made from: a workbook is never written over one of them.
    void SetFilesInUse(QStringList files) { filesInUse_ = std::move(files); }
    using Progress = std::function<void(const QString&)>;
    // Every progress text of the export, for the main window's status bar.
    void SetProgress(Progress progress) { progress_ = std::move(progress); }
    // The same texts for the dialog's own status bar; cleared by the dialog when it goes away.
    void SetStatusListener(Progress listener) { statusListener_ = std::move(listener); }

    // What the dialog shows when it opens: ExcelFile cleared, the list filled for the kind, the
    // only-differences box preset (ticked only with a comparison) and the stored "DoesOverWrite".
    bool Load();
    void Create_lst_modes();
    // Kind 2: every array of the feed-parameter window, the calling window's array selected.
    void Create_lst_okuri();
    // Kind 3: the calling pitch window's kind, selected.
    void Create_lst_okuri2();
    // Kind 1: every category of the window's direction, each once in set order; the categories
    // the window shows are selected.
    void Create_lst_cus();

    const QList<ListItem>& Items() const { return items_; }
    int CurrentIndex() const { return currentIndex_; }
    void SetSelected(int index, bool selected);
    // btnSel 1 (true) and 2 (false).
    void SelectAll(bool selected);
    // The selected list texts, each once.
    QStringList Create_dicSelected() const;

    // Only differences mean something against a comparison table.
    bool OnlyDifEnabled() const;
    bool DoesPrintOnlyDif() const { return doesPrintOnlyDif_ && OnlyDifEnabled(); }
    void SetDoesPrintOnlyDif(bool onlyDif) { doesPrintOnlyDif_ = onlyDif && OnlyDifEnabled(); }
    bool DoesOverWrite() const { return doesOverWrite_; }
    void SetDoesOverWrite(bool overwrite) { doesOverWrite_ = overwrite; }
    const QString& StatusText() const { return statusText_; }

    // BTN 1 (to the printer) and BTN 2 (into a workbook). True when the sheet was printed or
    // saved and the dialog may close; false after a message (57, 55), a cancelled file question
    // or a failure reported through the error log.
    bool StartPrinting(bool toFile);
    // The save-file question preset to `preset`; empty when cancelled.
    QString GetExcelFile(const QString& preset);

    // BTN 3: nothing was written for the caller to open.
    void CloseCommand();
    // However the dialog closes: the always-overwrite choice is stored.
    void Unload();

    bool DispExcel() const { return dispExcel_; }
    const QString& ExcelFile() const { return excelFile_; }
    bool Printed() const { return printed_; }

private:
    // The workbook to write after the always-overwrite rule, the file question and the probe;
    // empty when the user gave up.
    QString ChooseExcelFile();
    void Doing(const QString& text);
    bool PrintSheet(const QStringList& selected, const QString& file, bool toFile);

    const CModes& modes_;
    Messenger& messenger_;
    hlpkit::CMethod& method_;
    RulesServices& services_;
    PrintOutput& output_;

    int printKind_ = kParameterModes;
    QString modeName_;
    QString okuriCaption_;
    QString customName_;
    const CCustoms* customs_ = nullptr;
    bool onlyDif_ = false;
    bool printTokushu_ = false;
    bool printManufacturer_ = false;
    int userTable_ = 1;
    QStringList filesInUse_;
    Progress progress_;
    Progress statusListener_;

    QList<ListItem> items_;
    int currentIndex_ = -1;
    bool doesPrintOnlyDif_ = false;
    bool doesOverWrite_ = false;
    QString statusText_;

    bool dispExcel_ = false;
    QString excelFile_;
    bool printed_ = false;
};

} // namespace vokg
