#include "editors/fPrint.h"

#include "editors/EditorServices.h"
#include "editors/fParam.h"
#include "export/WorkbookFile.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "hlpkit/RunError.h"
#include "model/AccessModes.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "platform/gui/SheetPrinter.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

namespace vokg {
namespace {

constexpr int kFileQuestionTitle = 1098; // "Specify excel file name"
constexpr int kMsgFailedToCreate = 55;
constexpr int kMsgSelectFromList = 57;
constexpr int kMsgFileOpen = 69;
constexpr int kCritical = 1;
constexpr int kExclamation = 2;
// The desktop shows the opened workbook maximised where it can.
constexpr int kShowMaximized = 3;

} // namespace

fPrint::fPrint(const CModes& modes, Messenger& messenger, hlpkit::CMethod& method, EditorServices& services)
    : modes_(modes), messenger_(messenger), method_(method), services_(services) {}

bool fPrint::Load() {
    excelFile_.clear();
    dispExcel_ = false;
    printed_ = false;
    items_.clear();
    currentIndex_ = -1;
    doesPrintOnlyDif_ = onlyDif_ && OnlyDifEnabled();
    doesOverWrite_ = services_.Settings().Get(Setting::DoesOverWrite);
    return hlpkit::Guarded(method_, QStringLiteral("Form_Load"), false, [&] {
        // The customize and feed sheets are not exported from here: say so rather than show an
        // empty list that prints nothing.
        if (printKind_ != kParameterModes)
            hlpkit::Raise(hlpkit::InvalidCall);
        Create_lst_modes();
        return true;
    });
}

void fPrint::Create_lst_modes() {
    hlpkit::Guarded(method_, QStringLiteral("Create_lst_modes"), false, [&] {
        items_.clear();
        const bool allModes = modeName_ == fParam::AllModesName();
        for (const CMode& mode : modes_) {
            const QString& name = mode.ModeName();
            if (!printTokushu_ && IsSpecialMode(name))
                continue;
            if (!printManufacturer_ && IsManufacturerMode(name))
                continue;
            items_.append(ListItem{name, allModes || name == modeName_});
        }
        currentIndex_ = items_.isEmpty() ? -1 : 0;
        return true;
    });
}

void fPrint::SetSelected(int index, bool selected) {
    if (index >= 0 && index < items_.size())
        items_[index].selected = selected;
}

void fPrint::SelectAll(bool selected) {
    for (ListItem& item : items_)
        item.selected = selected;
}

QStringList fPrint::Create_dicSelected() const {
    QStringList selected;
    for (const ListItem& item : items_)
        if (item.selected && !selected.contains(item.text))
            selected.append(item.text);
    return selected;
}

bool fPrint::OnlyDifEnabled() const {
    return services_.HasComparison();
}

bool fPrint::StartPrinting(bool toFile) {
    return hlpkit::Guarded(method_, QStringLiteral("StartPrinting"), false, [&] {
        const QStringList selected = Create_dicSelected();
        if (selected.isEmpty()) {
            messenger_.ShowMsg(kMsgSelectFromList, kExclamation);
            return false;
        }
        if (printKind_ != kParameterModes)
            hlpkit::Raise(hlpkit::InvalidCall);

        QString file;
        if (toFile) {
            file = ChooseExcelFile();
            if (file.isEmpty())
                return false;
        }

        ParameterSheetRequest request;
        request.fileName = file;
        request.selectedModes = selected;
        request.onlyDifferences = DoesPrintOnlyDif();
        request.saveToFile = toFile;
        request.hasComparison = services_.HasComparison();
        request.userTableNumber = userTable_;

        platform::SheetPrinter defaultPrinter;
        ParameterSheet sheet(modes_, method_);
        sheet.SetPrinter(printer_ != nullptr ? printer_ : &defaultPrinter);
        sheet.SetTextMeasure(measure_ ? measure_ : platform::SheetPrinter::FontMeasure());
        if (!sheet.PrintToExcel(request, [this](const QString& text) { Doing(text); })) {
            messenger_.ShowMsg(kMsgFailedToCreate, kCritical);
            return false;
        }
        printed_ = true;
        if (toFile) {
            excelFile_ = file;
            dispExcel_ = true;
        }
        return true;
    });
}

QString fPrint::ChooseExcelFile() {
    const QString latest = services_.Settings().Get(Setting::LatestExcelFile);
    QString file;
    // A missing setting reads as the default workbook, never as a name without a folder.
    if (doesOverWrite_ && QFileInfo(latest).absoluteDir().exists())
        file = latest;
    else
        file = GetExcelFile(latest);
    if (file.isEmpty())
        return {};
    // The data files being printed and a file the user may not write are refused before the
    // probe, which would otherwise replace them too.
    for (;;) {
        const WorkbookTarget target = CheckWorkbookTarget(file, filesInUse_);
        if (target != WorkbookTarget::Allowed)
            messenger_.ShowMsg(WorkbookTargetMessage(target), kExclamation, QDir::toNativeSeparators(file));
        else if (!ProbeWorkbookFile(file))
            messenger_.ShowMsg(kMsgFileOpen, kExclamation);
        else
            break;
        file = GetExcelFile(file);
        if (file.isEmpty())
            return {};
    }
    services_.Settings().Set(Setting::LatestExcelFile, file);
    return file;
}

QString fPrint::GetExcelFile(const QString& preset) {
    return hlpkit::Guarded(method_, QStringLiteral("GetExcelFile"), QString(), [&] {
        const QFileInfo presetFile(preset.isEmpty() ? ProgramSettings::DefaultWorkbookPath() : preset);
        platform::FileDialogRequest request;
        request.title = ResourceText(kFileQuestionTitle);
        request.initialFolder = presetFile.absolutePath();
        request.fileName = presetFile.fileName();
        request.filter = QString::fromLatin1(kWorkbookFilter);
        request.filterIndex = 1;
        request.defaultExtension = QString::fromLatin1(kWorkbookDefaultExtension);
        // A workbook to be written need not exist; its folder must, which the dialog enforces.
        request.mustExist = false;
        request.confirmOverwrite = true;
        const std::optional<platform::FileDialogResult> chosen = messenger_.Prompter().SaveFile(request);
        return chosen ? chosen->path : QString();
    });
}

void fPrint::CloseCommand() {
    excelFile_.clear();
    dispExcel_ = false;
}

void fPrint::Unload() {
    services_.Settings().Set(Setting::DoesOverWrite, doesOverWrite_);
}

bool fPrint::OpenExcelFile(hlpkit::CProperty& property, QWidget* owner) const {
    if (!dispExcel_ || excelFile_.isEmpty())
        return false;
    const int result = property.RunAssociatedApp(owner, excelFile_, kShowMaximized);
    if (result == hlpkit::CProperty::NoAssociation)
        messenger_.ShowText(QStringLiteral("The workbook was saved as:\n\n%1\n\n"
                                           "No program is registered to open it.")
                                .arg(QDir::toNativeSeparators(excelFile_)),
                            static_cast<int>(platform::BoxKind::Information));
    return result > 32;
}

void fPrint::Doing(const QString& text) {
    statusText_ = text;
    if (statusListener_)
        statusListener_(text);
    if (progress_)
        progress_(text);
}

} // namespace vokg
