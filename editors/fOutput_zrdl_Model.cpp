#include "editors/fOutput_zrdl_Model.h"

#include "editors/EditorServices.h"
#include "hlpkit/RunError.h"
#include "platform/Prompter.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SettingKeys.h"

#include <QFileInfo>

namespace vokg {
namespace {

constexpr platform::BoxKind kExclamation = platform::BoxKind::Exclamation;
constexpr platform::BoxKind kInformation = platform::BoxKind::Information;
constexpr int kFinished = 84;

// The folder and the file name of a path as typed, for presetting a file dialog.
platform::FileDialogRequest RequestFor(const QString& current) {
    platform::FileDialogRequest request;
    const qsizetype slash = current.lastIndexOf(u'/');
    request.initialFolder = slash < 0 ? QString() : (slash == 0 ? QStringLiteral("/") : current.left(slash));
    request.fileName = current.mid(slash + 1);
    request.filter = QString::fromLatin1(fOutput_zrdl_Model::kFilter);
    return request;
}

} // namespace

fOutput_zrdl_Model::fOutput_zrdl_Model(const CModes& modes, const CCustoms& customs, COkuris& okuris,
                                       Messenger& messenger, hlpkit::CMethod& method,
                                       EditorServices& services)
    : modes_(modes), customs_(customs), okuris_(okuris), messenger_(messenger), method_(method),
      services_(services), cancelCaption_(QStringLiteral("キャンセル")) {}

void fOutput_zrdl_Model::Load() {
    ProgramSettings& settings = services_.Settings();
    fileHinagata_ = settings.Get(Setting::FileHinagata_zrdl_Modelc);
    fileNew_ = settings.Get(Setting::FileNew_zrdl_Modelc);
    kishu_ = settings.Get(Setting::Kishu_zrdl_Modelc);
    sectionNo_ = settings.Get(Setting::SectionNo_zrdl_Modelc);
}

void fOutput_zrdl_Model::Unload() {
    ProgramSettings& settings = services_.Settings();
    settings.Set(Setting::FileHinagata_zrdl_Modelc, fileHinagata_);
    settings.Set(Setting::FileNew_zrdl_Modelc, fileNew_);
    settings.Set(Setting::Kishu_zrdl_Modelc, kishu_);
    settings.Set(Setting::SectionNo_zrdl_Modelc, sectionNo_);
}

QString fOutput_zrdl_Model::GetFile(const QString& current) {
    return hlpkit::Guarded(method_, QStringLiteral("GetFile"), QString(), [&] {
        platform::FileDialogRequest request = RequestFor(current);
        request.mustExist = true;
        const std::optional<platform::FileDialogResult> chosen = messenger_.Prompter().OpenFile(request);
        return chosen ? chosen->path : QString();
    });
}

QString fOutput_zrdl_Model::GetFileNew(const QString& current) {
    return hlpkit::Guarded(method_, QStringLiteral("GetFileNew"), QString(), [&] {
        platform::FileDialogRequest request = RequestFor(current);
        request.defaultExtension = QString::fromLatin1(kExtension);
        request.mustExist = false;
        request.confirmOverwrite = true;
        const std::optional<platform::FileDialogResult> chosen = messenger_.Prompter().SaveFile(request);
        return chosen ? chosen->path : QString();
    });
}

void fOutput_zrdl_Model::SpecifyHinagata() {
    const QString chosen = GetFile(fileHinagata_);
    if (!chosen.isEmpty())
        fileHinagata_ = chosen;
}

void fOutput_zrdl_Model::SpecifyNew() {
    const QString chosen = GetFileNew(fileNew_);
    if (!chosen.isEmpty())
        fileNew_ = chosen;
}

void fOutput_zrdl_Model::ShowRules() {
    messenger_.ShowText(ModelSourceExport::RuleText(), kInformation);
}

fOutput_zrdl_Model::CreateResult fOutput_zrdl_Model::Create() {
    if (const std::optional<ModelSourceCheck> check =
            ModelSourceExport::CheckInputs(fileHinagata_, fileNew_, kishu_)) {
        messenger_.ShowMsg(check->message, kExclamation);
        return CreateResult{false, check->box};
    }
    ModelSourceExport exporter(modes_, customs_, okuris_, ModelContext{method_, messenger_});
    if (!exporter.Create(fileHinagata_, fileNew_, kishu_, sectionNo_, filesInUse_).succeeded)
        return {};
    messenger_.ShowMsg(kFinished, kInformation);
    cancelCaption_ = QStringLiteral("閉じる");
    return CreateResult{true, std::nullopt};
}

} // namespace vokg
