#include "shell/Startup.h"

#include "hlpkit/CFILE.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "hlpkit/RunError.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/TableLayout.h"
#include "platform/AnsiCodec.h"
#include "platform/ArchiveExtractor.h"
#include "platform/ProcessList.h"
#include "platform/SingleInstanceLock.h"
#include "platform/WorkFolder.h"
#include "shell/App.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SharedProcedures.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>

namespace vokg {
namespace {

// The classic code of a full disk.
constexpr int kDiskFull = 61;

QString Join(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

} // namespace

Startup::Startup(App& app) : app_(app) {}

bool Startup::CheckSingleInstance(platform::SingleInstanceLock& lock) {
    switch (lock.Acquire()) {
    case platform::SingleInstanceLock::State::HeldElsewhere:
        app_.Messages().ShowMsg(msg::RunsAlready, platform::BoxKind::Exclamation);
        return false;
    case platform::SingleInstanceLock::State::Failed:
        // A lock that cannot be made must not keep the program from starting; it is reported.
        std::fprintf(stderr, "%s: single-instance lock unavailable: %s\n",
                     qPrintable(app_.Identity().baseName), qPrintable(lock.ErrorText()));
        return true;
    default:
        return true;
    }
}

bool Startup::CheckSiblingTool(const platform::ProcessList& processes) {
    if (!processes.IsRunning(QString::fromLatin1(kSiblingExecutable)))
        return true;
    app_.Messages().ShowMsg(msg::SiblingRuns, platform::BoxKind::Exclamation);
    return false;
}

bool Startup::CheckCodePage() {
    if (platform::AnsiCodec::Available())
        return true;
    app_.Messages().ShowMsg(msg::FileMissing, platform::BoxKind::Exclamation,
                            QStringLiteral("CP932 (the code page 932 converter of the C library, gconv)"));
    return false;
}

bool Startup::CheckRequiredFiles() {
    if (!CheckCodePage())
        return false;
    // The archive reader is linked in; what must hold is that it reads LHA archives.
    if (!platform::ArchiveExtractor::SupportsLha()) {
        app_.Messages().ShowMsg(msg::FileMissing, platform::BoxKind::Exclamation,
                                QStringLiteral("libarchive (LHA reader)"));
        return false;
    }
    const QString archive = Join(app_.Identity().folder, QString::fromLatin1(kArchiveName));
    if (!QFileInfo::exists(archive)) {
        app_.Messages().ShowMsg(msg::FileMissing, platform::BoxKind::Exclamation,
                                QDir::toNativeSeparators(archive));
        return false;
    }
    return true;
}

bool Startup::CheckRegData() {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("CheckRegData"), false,
                           [&] { return app_.Settings().RegisterDefaults(); });
}

bool Startup::ApplyRegData() {
    if (!CheckRegData())
        app_.Messages().ShowMsg(msg::RegistryFailed, platform::BoxKind::Critical);
    app_.Property().WriteEntry(QString::fromLatin1(kSiblingApplication), QString::fromLatin1(kSiblingSection),
                               QString::fromLatin1(kSiblingKey), app_.Identity().folder);
    const ProgramSettings& settings = app_.Settings();
    RunState& state = app_.State();
    state.customStdKinoWidth = settings.Get(Setting::wdt_Custom_StdKino);
    state.customUsrKinoWidth = settings.Get(Setting::wdt_Custom_UsrKino);
    state.deleteMeltedFiles = settings.Get(Setting::DoesDeleteMeltedFiles);
    state.selectionTreeHeight = settings.Get(Setting::fSelCus_Height);
    state.selectionTreeLeft = settings.Get(Setting::fSelCus_Left);
    state.selectionTreeTop = settings.Get(Setting::fSelCus_Top);
    state.selectionTreeWidth = settings.Get(Setting::fSelCus_Width);
    return true;
}

DefinitionSource Startup::ProgramSource() const {
    const QString folder = app_.Identity().folder;
    return DefinitionSource{Join(folder, QString::fromLatin1(kArchiveName)), folder,
                            app_.State().deleteMeltedFiles};
}

bool Startup::LoadDefinitionTables() {
    return LoadDefinitionTables(ProgramSource());
}

bool Startup::LoadDefinitionTables(const DefinitionSource& source) {
    if (!PrepareSetFiles(source))
        return false;
    Messenger& messages = app_.Messages();
    const QString folder = source.tableFolder;
    if (!app_.Modes().ReadSet01e(folder)) {
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, QStringLiteral("Set01.e"));
        return false;
    }
    if (!app_.Modes().ReadSet02e(folder)) {
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, QStringLiteral("Set02.e"));
        return false;
    }
    if (!app_.Modes().ReadSet03e(folder)) {
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, QStringLiteral("Set03.e"));
        return false;
    }
    if (!app_.UserCustoms().ReadSet04e(folder) || !app_.ComparisonCustoms().ReadSet04e(folder)) {
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, QStringLiteral("Set04.e"));
        return false;
    }
    if (!app_.UserCustoms().ReadSet05e(folder) || !app_.ComparisonCustoms().ReadSet05e(folder)) {
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, QStringLiteral("Set05.e"));
        return false;
    }
    // Two fields on one byte would make a save drop a value while it reports success.
    if (const std::optional<LayoutClash> clash = TableLayout::FindClash(app_.Modes(), app_.UserCustoms())) {
        app_.Method().ErrReg(hlpkit::InvalidCall,
                             hlpkit::StandardErrorText(hlpkit::InvalidCall) + QStringLiteral(": ") +
                                 clash->description,
                             QStringLiteral("LoadDefinitionTables"));
        messages.ShowMsg(msg::DefinitionTable, platform::BoxKind::Critical, clash->definitionFile);
        return false;
    }
    if (!app_.InputSelections().ReadSet6_7_8_9e(Join(folder, QStringLiteral("Set06.e")))) {
        messages.ShowMsg(msg::InputFunctions, platform::BoxKind::Critical);
        return false;
    }
    if (!app_.OutputSelections().ReadSet6_7_8_9e(Join(folder, QStringLiteral("Set07.e")))) {
        messages.ShowMsg(msg::OutputFunctions, platform::BoxKind::Critical);
        return false;
    }
    return DeleteMeltedFiles(source);
}

bool Startup::LoadDefinitionsFrom(const QString& definitionsFolder) {
    // Fails closed: without a private folder nothing is extracted, copied or saved (reported).
    const QString workFolder = app_.WorkFolder();
    if (workFolder.isEmpty())
        return false;
    DefinitionSource source;
    const QDir folder(definitionsFolder);
    const QString archive = folder.filePath(QString::fromLatin1(kArchiveName));
    if (QFileInfo::exists(archive)) {
        // The run's working folder goes away with the run, and the tables with it.
        const QString tables = QDir(workFolder).filePath(QStringLiteral("defs"));
        if (!QDir().mkdir(tables)) {
            app_.Method().ErrReg(hlpkit::PathFileAccessError,
                                 hlpkit::StandardErrorText(hlpkit::PathFileAccessError) +
                                     QStringLiteral(": ") + tables,
                                 QStringLiteral("LoadDefinitionsFrom"));
            return false;
        }
        source = DefinitionSource{archive, tables, false};
    } else {
        source = DefinitionSource{QString(), folder.absolutePath(), false};
    }
    if (!LoadDefinitionTables(source)) {
        app_.Messages().ShowMsg(msg::DefinitionsFailed, platform::BoxKind::Critical);
        return false;
    }
    return true;
}

bool Startup::PrepareSetFiles(const DefinitionSource& source) {
    if (!MeltSettingFiles(source))
        return false;
    return ExistSetFiles(source);
}

bool Startup::MeltSettingFiles(const DefinitionSource& source) {
    if (source.archivePath.isEmpty())
        return true; // the tables are already extracted
    if (!DeleteMeltedFiles(source))
        return false;
    // A damaged or hostile archive extracts nothing at all; the missing tables are then
    // reported one by one and the read of the first one stops the start. A folder that cannot
    // take the tables (full, read-only) is the reason itself: it is reported, and the start ends
    // without a list of tables that were never missing from the archive.
    const platform::ExtractResult result =
        platform::ArchiveExtractor::ExtractAll(source.archivePath, source.tableFolder);
    if (result.ok)
        return true;
    int code = hlpkit::PathFileAccessError;
    if (result.folderError == ENOSPC || result.folderError == EDQUOT || result.folderError == EFBIG)
        code = kDiskFull;
    else if (result.folderError == EACCES || result.folderError == EPERM || result.folderError == EROFS)
        code = hlpkit::PermissionDenied;
    app_.Method().ErrReg(code, result.message, QStringLiteral("MeltSettingFiles"));
    return result.folderError == 0;
}

bool Startup::DeleteMeltedFiles(const DefinitionSource& source) {
    if (!source.deleteMelted)
        return true;
    for (int number = 1; number <= 20; ++number)
        df(app_.Method(),
           Join(source.tableFolder, QStringLiteral("Set%1.e").arg(number, 2, 10, QLatin1Char('0'))));
    return true;
}

bool Startup::ExistSetFiles(const DefinitionSource& source) {
    // File names here are case-sensitive, so the tables are looked for under the name they
    // are read by ("Set01.e"), not "set01.e".
    for (int number = 1; number <= 7; ++number) {
        const QString path =
            Join(source.tableFolder, QStringLiteral("Set%1.e").arg(number, 2, 10, QLatin1Char('0')));
        if (!QFileInfo::exists(path))
            app_.Messages().ShowMsg(msg::FileMissing, platform::BoxKind::Exclamation,
                                    QDir::toNativeSeparators(path));
    }
    return true;
}

void Startup::DeleteTempFiles() {
    // A run that never had a working folder has nothing to delete, and must not ask for one now.
    if (!app_.HasWorkFolder())
        return;
    df(app_.Method(), app_.CreateParaTempName(FileKind::User));
    df(app_.Method(), app_.CreateParaTempName(FileKind::Comparison));
    df(app_.Method(), Join(app_.WorkFolder(), QStringLiteral("gsetdsk.tmp")));
}

QStringList Startup::SweepWorkFolders() {
    if (!app_.Identity().workFolder.isEmpty())
        return {}; // a folder given to this run is its owner's to clean
    // The run's own folder is made first: the others lie beside it, in the private folder it
    // was made in. Without one (reported) there is nothing safe to sweep.
    const QString workFolder = app_.WorkFolder();
    if (workFolder.isEmpty())
        return {};
    return platform::WorkFolder::SweepLeftovers(QFileInfo(workFolder).path());
}

QString Startup::FindFileNameFromCommand(const QString& commandLine) {
    const QStringList items = commandLine.split(QLatin1Char(','));
    for (const QString& item : items) {
        const QString name = item.trimmed();
        if (!name.isEmpty() && QFileInfo(name).isFile())
            return name;
    }
    return {};
}

} // namespace vokg
