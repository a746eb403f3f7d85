#include "editors/rules/PrintRules.h"

#include "editors/rules/CustomizeRules.h"
#include "editors/rules/ParamRules.h"
#include "editors/rules/RulesServices.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "model/AccessModes.h"
#include "model/CCustoms.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

namespace vokg {
namespace {

constexpr int kFileQuestionTitle = 1098; // "Specify excel file name"

} // namespace

PrintRules::PrintRules(const CModes& modes, Messenger& messenger, hlpkit::CMethod& method,
                       RulesServices& services, PrintOutput& output)
    : modes_(modes), messenger_(messenger), method_(method), services_(services), output_(output) {}

bool PrintRules::Load() {
    excelFile_.clear();
    dispExcel_ = false;
    printed_ = false;
    items_.clear();
    currentIndex_ = -1;
    doesPrintOnlyDif_ = onlyDif_ && OnlyDifEnabled();
    doesOverWrite_ = services_.Settings().Get(Setting::DoesOverWrite);
    return hlpkit::Guarded(method_, QStringLiteral("Form_Load"), false, [&] {
        switch (printKind_) {
        case kParameterModes:
            Create_lst_modes();
            return true;
        case kCustomize:
            Create_lst_cus();
            return true;
        case kFeedArrays:
            Create_lst_okuri();
            return true;
        case kPitchWindow:
            Create_lst_okuri2();
            return true;
        default:
            hlpkit::Raise(hlpkit::InvalidCall);
        }
    });
}

void PrintRules::Create_lst_modes() {
    hlpkit::Guarded(method_, QStringLiteral("Create_lst_modes"), false, [&] {
        items_.clear();
        const bool allModes = modeName_ == ParamRules::AllModesName();
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

void PrintRules::Create_lst_okuri() {
    hlpkit::Guarded(method_, QStringLiteral("Create_lst_okuri"), false, [&] {
        // Every array the feed-parameter window shows can be printed, the calling window's own
        // array chosen: a list of the other values alone would leave an axis window nothing of
        // its own to print.
        items_.clear();
        QStringList keys = COkuris::AxisKeys();
        keys.append(COkuris::OtherValuesKey());
        for (const QString& key : keys)
            items_.append(ListItem{key, key == okuriCaption_});
        currentIndex_ = int(std::max<qsizetype>(0, keys.indexOf(okuriCaption_)));
        return true;
    });
}

void PrintRules::Create_lst_cus() {
    hlpkit::Guarded(method_, QStringLiteral("Create_lst_cus"), false, [&] {
        items_.clear();
        if (customs_ == nullptr)
            hlpkit::Raise(hlpkit::InvalidCall);
        for (const QString& group :
             CustomizeRules::GroupsOf(*customs_, CustomizeRules::DirectionOf(customName_)))
            items_.append(ListItem{group, CCustoms::Included(customName_, group)});
        currentIndex_ = items_.isEmpty() ? -1 : 0;
        return true;
    });
}

void PrintRules::Create_lst_okuri2() {
    items_ = {ListItem{okuriCaption_, true}};
    currentIndex_ = 0;
}

void PrintRules::SetSelected(int index, bool selected) {
    if (index >= 0 && index < items_.size())
        items_[index].selected = selected;
}

void PrintRules::SelectAll(bool selected) {
    for (ListItem& item : items_)
        item.selected = selected;
}

QStringList PrintRules::Create_dicSelected() const {
    QStringList selected;
    for (const ListItem& item : items_)
        if (item.selected && !selected.contains(item.text))
            selected.append(item.text);
    return selected;
}

bool PrintRules::OnlyDifEnabled() const {
    return services_.HasComparison();
}

bool PrintRules::StartPrinting(bool toFile) {
    return hlpkit::Guarded(method_, QStringLiteral("StartPrinting"), false, [&] {
        const QStringList selected = Create_dicSelected();
        if (selected.isEmpty()) {
            messenger_.ShowMsg(msg::SelectFromList, platform::BoxKind::Exclamation);
            return false;
        }
        if (printKind_ < kParameterModes || printKind_ > kPitchWindow)
            hlpkit::Raise(hlpkit::InvalidCall);

        QString file;
        if (toFile) {
            file = ChooseExcelFile();
            if (file.isEmpty())
                return false;
        }

        if (!PrintSheet(selected, file, toFile)) {
            messenger_.ShowMsg(msg::WorkbookFailed, platform::BoxKind::Critical);
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

bool PrintRules::PrintSheet(const QStringList& selected, const QString& file, bool toFile) {
    const auto doing = [this](const QString& text) { Doing(text); };
    if (printKind_ == kCustomize) {
        CustomizePrintJob job;
        job.file = file;
        job.selectedGroups = selected;
        job.inout = CustomizeRules::DirectionOf(customName_);
        job.onlyDifferences = DoesPrintOnlyDif();
        job.toFile = toFile;
        job.hasComparison = services_.HasComparison();
        job.userTableNumber = userTable_;
        return output_.PrintCustomize(job, doing);
    }
    if (printKind_ == kParameterModes) {
        ParameterPrintJob job;
        job.file = file;
        job.selectedModes = selected;
        job.onlyDifferences = DoesPrintOnlyDif();
        job.toFile = toFile;
        job.hasComparison = services_.HasComparison();
        job.userTableNumber = userTable_;
        return output_.PrintParameters(job, doing);
    }
    FeedPrintJob job;
    job.file = file;
    job.keys = selected;
    job.pitchWindow = printKind_ == kPitchWindow;
    job.title = okuriCaption_;
    job.onlyDifferences = DoesPrintOnlyDif();
    job.toFile = toFile;
    job.hasComparison = services_.HasComparison();
    job.userTableNumber = userTable_;
    return output_.PrintFeed(job, doing);
}

QString PrintRules::ChooseExcelFile() {
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
        if (const int refusal = output_.WorkbookRefusal(file, filesInUse_); refusal != 0)
            messenger_.ShowMsg(refusal, platform::BoxKind::Exclamation, QDir::toNativeSeparators(file));
        else if (!output_.ProbeWorkbook(file))
            messenger_.ShowMsg(msg::WorkbookOpen, platform::BoxKind::Exclamation);
        else
            break;
        file = GetExcelFile(file);
        if (file.isEmpty())
            return {};
    }
    services_.Settings().Set(Setting::LatestExcelFile, file);
    return file;
}

QString PrintRules::GetExcelFile(const QString& preset) {
    return hlpkit::Guarded(method_, QStringLiteral("GetExcelFile"), QString(), [&] {
        const QFileInfo presetFile(preset.isEmpty() ? ProgramSettings::DefaultWorkbookPath() : preset);
        platform::FileDialogRequest request;
        request.title = ResourceText(kFileQuestionTitle);
        request.initialFolder = presetFile.absolutePath();
        request.fileName = presetFile.fileName();
        request.filter = output_.WorkbookFilter();
        request.filterIndex = 1;
        request.defaultExtension = output_.WorkbookExtension();
        // A workbook to be written need not exist; its folder must, which the dialog enforces.
        request.mustExist = false;
        request.confirmOverwrite = true;
        const std::optional<platform::FileDialogResult> chosen = messenger_.Prompter().SaveFile(request);
        return chosen ? chosen->path : QString();
    });
}

void PrintRules::CloseCommand() {
    excelFile_.clear();
    dispExcel_ = false;
}

void PrintRules::Unload() {
    services_.Settings().Set(Setting::DoesOverWrite, doesOverWrite_);
}

bool PrintOutput::PrintCustomize(const CustomizePrintJob&, const std::function<void(const QString&)>&) {
    hlpkit::Raise(hlpkit::InvalidCall);
}

void PrintRules::Doing(const QString& text) {
    statusText_ = text;
    if (statusListener_)
        statusListener_(text);
    if (progress_)
        progress_(text);
}

} // namespace vokg
