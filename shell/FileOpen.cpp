#include "shell/FileOpen.h"
#include "platform/FileOps.h"

#include "hlpkit/CFILE.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"
#include "shell/AccessLevels.h"
#include "shell/App.h"
#include "shell/EditorHost.h"
#include "shell/FileSave.h"
#include "shell/ModelSnapshot.h"
#include "shell/messages/FormUnload.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vokg {
namespace {

QString Extension(const QString& path) {
    return QFileInfo(path).suffix();
}

// The table number of a start position, rounded as the shell always rounded it.
int TableOf(qint64 start) {
    return static_cast<int>((start - 1) / kTableSize) + 1;
}

// The flags the readers consult while a table is read.
class OpeningScope {
public:
    OpeningScope(RunState& state, FileKind kind) : state_(state), saved_(state.opening) {
        state_.opening = OpeningState{kind == FileKind::User, kind == FileKind::Comparison};
    }
    ~OpeningScope() { state_.opening = saved_; }
    OpeningScope(const OpeningScope&) = delete;
    OpeningScope& operator=(const OpeningScope&) = delete;

private:
    RunState& state_;
    OpeningState saved_;
};

} // namespace

FileOpen::FileOpen(App& app, EditorHost& host) : app_(app), host_(host) {}

bool FileOpen::IsDSG(const QString& path) {
    return Extension(path).compare(QLatin1String("DSG"), Qt::CaseInsensitive) == 0;
}

bool FileOpen::IsDAT(const QString& path) {
    return Extension(path).compare(QLatin1String("DAT"), Qt::CaseInsensitive) == 0;
}

QStringList FileOpen::FilesInUse(const RunState& state) {
    QStringList files;
    for (const QString& file : {state.userPath, state.comparisonPath}) {
        if (file.isEmpty())
            continue;
        files.append(file);
        if (IsDSG(file)) {
            const QString companion = FileSave::CompanionOf(file);
            if (!companion.isEmpty())
                files.append(companion);
        }
    }
    return files;
}

bool FileOpen::OpenUserFile(const QString& file) {
    RunState& state = app_.State();
    host_.CommitPendingEdits();
    if (host_.IsExistChanged() || state.mainChanged) {
        if (!IsDSG(state.userPath)) {
            // A machine data file cannot be saved: the only choices are to drop or to stay.
            if (!AskGoOnWithoutSaving(app_.Messages()))
                return false;
            DiscardUnsavedChanges();
        } else {
            switch (app_.Messages().ShowMsg(msg::NotSavedQuestion, platform::BoxKind::QuestionYesNoCancel)) {
            case platform::Answer::Yes:
                if (FileSave(app_, host_).SaveAllFiles(SaveMode::Overwrite, true))
                    host_.CancelAllUpdate();
                else
                    return false; // the edits were not saved: opening now would lose them
                break;
            case platform::Answer::No:
                DiscardUnsavedChanges();
                break;
            default:
                return false;
            }
        }
    }
    state.busy = true;
    const bool opened = ReadVOKGData(FileKind::User, file, -1, false);
    state.busy = false;
    return opened;
}

void FileOpen::DiscardUnsavedChanges() {
    RunState& state = app_.State();
    host_.CancelAllUpdate();
    // The password and author changed in memory only; the user table holds what is in effect.
    if (state.mainChanged && IsDSG(state.userPath) && state.userTable > 0)
        app_.SelectTable().ReadData(state.userPath, TablePosition(state.userTable), state.userTable);
    state.mainChanged = false;
}

bool FileOpen::ReadVOKGData(FileKind kind, const QString& file, int table, bool keepWindows) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("ReadVOKGData"), false, [&] {
        // No private working folder (reported): nothing is asked and nothing is opened.
        if (app_.WorkFolder().isEmpty())
            return false;
        const QString path = file.isEmpty() ? GetSettingFile(kind) : file;
        if (path.isEmpty())
            return false;
        // A file named on the command line or by another window passes the same checks as one
        // chosen in the dialog: a file of another size is no data file of ours.
        if (!file.isEmpty() && !ExactFile(path))
            return false;
        // The new files a save killed before its rename left beside the file and its companion.
        if (kind == FileKind::User) {
            platform::fileops::SweepLeftovers(path);
            if (IsDSG(path))
                platform::fileops::SweepLeftovers(FileSave::NewCompanionOf(path));
        }
        RunState& state = app_.State();
        OpeningScope opening(state, kind);
        const ModelSnapshot before(app_);
        const RunState stateBefore = state;
        auto giveUp = [&] {
            before.Restore(app_);
            const OpeningState flags = state.opening;
            state = stateBefore;
            state.opening = flags;
            host_.EnableCommands();
            return false;
        };

        qint64 start = -1;
        if (table != -1) {
            start = TablePosition(table);
        } else {
            CSelectTable& record = app_.SelectTable();
            const bool design = IsDSG(path);
            const int preset = record.LastTable(design) > 0 ? record.LastTable(design) : 1;
            const platform::TableChoiceRequest request{
                design ? 8 : 16, preset, path, app_.Settings().Get(Setting::DoesReadKishuWhenSelectTable)};
            const int chosen = app_.Prompter().ChooseTable(request);
            if (chosen != -1) {
                record.RememberTable(design, chosen);
                start = TablePosition(chosen);
                table = chosen;
                if (kind == FileKind::User)
                    state.unlockedPath.clear(); // a table picked in the dialog asks its password again
            }
        }
        if (start == -1) {
            host_.EnableCommands();
            return false;
        }

        // Without a working copy the table's own author and password were never read: the
        // password check would ask for the previous table's password.
        if (!ReadTableHeader(kind, path, start, table)) {
            app_.Messages().ShowMsg(msg::ReadFailed, platform::BoxKind::Exclamation);
            return giveUp();
        }
        if (IsDSG(path) && !AccessLevels(app_).ExactTablePassword(kind, table, path))
            return giveUp();
        if (IsDSG(path) && kind == FileKind::User && MakeDSKfile(path).isEmpty())
            return giveUp();
        if (!ReadAllTables(kind, path, start)) {
            app_.Messages().ShowMsg(msg::ReadFailed, platform::BoxKind::Exclamation);
            return giveUp();
        }
        return FinishOpen(kind, path, start, keepWindows, false);
    });
}

bool FileOpen::ReadVOKGDataAnotherTable(FileKind kind, qint64 start, const QString& file, bool keepWindows) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("ReadVOKGDataAnotherTable"), false, [&] {
        if (file.isEmpty())
            return false;
        if (IsDSG(file) && kind == FileKind::User && MakeDSKfile(file).isEmpty())
            return false;
        if (start == -1) {
            host_.EnableCommands();
            return false;
        }
        RunState& state = app_.State();
        OpeningScope opening(state, kind);
        const ModelSnapshot before(app_);
        if (!ReadAllTables(kind, file, start)) {
            before.Restore(app_);
            app_.Messages().ShowMsg(msg::ReadFailed, platform::BoxKind::Exclamation);
            host_.EnableCommands();
            return false;
        }
        return FinishOpen(kind, file, start, keepWindows, true);
    });
}

bool FileOpen::FinishOpen(FileKind kind, const QString& path, qint64 start, bool keepWindows,
                          bool recordUnlocked) {
    RunState& state = app_.State();
    const int table = TableOf(start);
    if (kind == FileKind::User) {
        state.userPath = path;
        state.userTable = table;
        state.userFileRead = readIdentity_;
        if (!keepWindows) {
            const bool wasBusy = state.busy;
            state.busy = true;
            host_.CloseAllForm();
            state.busy = wasBusy;
            if (app_.Settings().Get(Setting::DoesClearComparativeInOpenFile))
                state.comparisonPath.clear();
            if (recordUnlocked)
                AccessLevels(app_).RememberUnlockedTable(table, path);
            if (app_.Settings().Get(Setting::DoesDispAllModeInOpening))
                host_.OpenAllModesWindow();
        } else if (recordUnlocked) {
            AccessLevels(app_).RememberUnlockedTable(table, path);
        }
    } else {
        state.comparisonPath = path;
        state.comparisonTable = table;
        host_.PasteHikakuValue();
    }
    host_.SetCaption();
    host_.EnableCommands();
    return true;
}

QString FileOpen::GetSettingFile(FileKind kind) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("GetSettingFile"), QString(), [&] {
        const RunState& state = app_.State();
        platform::FileDialogRequest request;
        request.mustExist = true;
        if (kind == FileKind::Comparison) {
            request.fileName = state.comparisonPath;
            request.filter = QStringLiteral("dsg file|*.dsg|VOKG dat file|VOKG*.dat");
            request.title = ResourceText(1067);
            request.initialFolder = state.comparisonPath.isEmpty()
                                        ? app_.Settings().Get(Setting::StdReadingPath)
                                        : QFileInfo(state.comparisonPath).absolutePath();
        } else if (kind == FileKind::User) {
            request.fileName = state.userPath;
            request.filter = ResourceText(1498);
            request.title = ResourceText(1068);
            request.initialFolder = state.userPath.isEmpty() ? app_.Settings().Get(Setting::StdReadingPath)
                                                             : QFileInfo(state.userPath).absolutePath();
        }
        const std::optional<platform::FileDialogResult> chosen = app_.Prompter().OpenFile(request);
        if (!chosen || chosen->path.isEmpty())
            return QString();
        // File names are case-sensitive here: the extension is compared without regard to case,
        // the path itself is kept as chosen.
        if (!ExactFile(chosen->path))
            return QString();
        app_.Settings().Set(Setting::PrevFilterIndex, IsDSG(chosen->path) ? 1 : 2);
        app_.Settings().Set(Setting::StdReadingPath, QFileInfo(chosen->path).absolutePath());
        if (kind == FileKind::User)
            app_.State().lastChosenUserFile = chosen->path;
        return chosen->path;
    });
}

bool FileOpen::ExactFile(const QString& name) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("ExactFile"), false, [&] {
        if (name.isEmpty())
            return false;
        qint64 required = 0;
        if (IsDSG(name))
            required = kDesignFileSize;
        else if (IsDAT(name))
            required = kMachineFileSize;
        else {
            app_.Messages().ShowMsg(msg::WrongExtension, platform::BoxKind::Exclamation);
            return false;
        }
        if (QFileInfo(name).size() != required) {
            app_.Messages().ShowMsg(msg::WrongSize, platform::BoxKind::Exclamation, required);
            return false;
        }
        return true;
    });
}

QString FileOpen::MakeDSKfile(const QString& file) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("MakeDSKfile"), QString(), [&] {
        const QString companion = FileSave::CompanionOf(file);
        if (companion.isEmpty()) {
            app_.Messages().ShowMsg(
                msg::CompanionMissing, platform::BoxKind::Exclamation,
                QDir::toNativeSeparators(app_.File().ReplaceExt(file, QStringLiteral("DSK"))));
            return QString();
        }
        return companion;
    });
}

QString FileOpen::CopyFromFDToHD(FileKind kind, const QString& file) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("CopyFromFDToHD"), QString(), [&] {
        if (!QFileInfo::exists(file))
            return QString();
        const QString workingCopy = app_.CreateParaTempName(kind);
        if (QFileInfo::exists(workingCopy)) {
            QFile::setPermissions(workingCopy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            if (!QFile::remove(workingCopy))
                hlpkit::Raise(hlpkit::PermissionDenied);
        }
        // Copied by hand, so that a full or broken temporary folder is reported with its reason.
        QFile source(file);
        QFile copy(workingCopy);
        QByteArray bytes;
        if (!source.open(QIODevice::ReadOnly) || (bytes = source.readAll()).size() != source.size())
            throw hlpkit::RunError(
                hlpkit::PathFileAccessError,
                QStringLiteral("%1: %2 cannot be read: %3")
                    .arg(hlpkit::StandardErrorText(hlpkit::PathFileAccessError), file, source.errorString()));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            !platform::fileops::WriteAll(copy, bytes) || !copy.flush()) {
            const QString reason = copy.errorString();
            copy.remove();
            throw hlpkit::RunError(
                hlpkit::PathFileAccessError,
                QStringLiteral("%1: the working copy %2 cannot be written: %3")
                    .arg(hlpkit::StandardErrorText(hlpkit::PathFileAccessError), workingCopy, reason));
        }
        QFile::setPermissions(workingCopy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return workingCopy;
    });
}

bool FileOpen::ReadTableHeader(FileKind kind, const QString& file, qint64 start, int table) {
    const QString workingCopy = CopyFromFDToHD(kind, file);
    if (workingCopy.isEmpty())
        return false;
    if (!IsDSG(file)) {
        // A machine data file has no author and password: what the last design table left in
        // the record must not pass for this table's.
        CSelectTable& record = app_.SelectTable();
        if (kind == FileKind::User) {
            record.SetAuthor(QString());
            record.SetPassword(QString());
        } else if (kind == FileKind::Comparison) {
            record.SetAuthor2(QString());
            record.SetPassword2(QString());
        }
        return true;
    }
    if (kind == FileKind::User)
        app_.SelectTable().ReadData(workingCopy, start, table);
    else if (kind == FileKind::Comparison)
        app_.SelectTable().ReadData2(workingCopy, start, table);
    return true;
}

bool FileOpen::ReadAllTables(FileKind kind, const QString& file, qint64 start) {
    // Size and time before the copy, the hash of the bytes copied: a change in between makes them
    // disagree, and the next save asks rather than overwriting what it never read.
    const QFileInfo source(file);
    const FileIdentity before{source.absoluteFilePath(), source.size(),
                              source.lastModified().toMSecsSinceEpoch(), QByteArray()};
    const QString workingCopy = CopyFromFDToHD(kind, file);
    if (workingCopy.isEmpty())
        return false;
    if (kind == FileKind::User) {
        QFile copy(workingCopy);
        readIdentity_ = before;
        readIdentity_.hash = copy.open(QIODevice::ReadOnly) ? FileSave::HashOf(copy.readAll()) : QByteArray();
    }
    if (!app_.Modes().ReadDataDigitals(kind, workingCopy, start, app_.State().opening))
        return false;
    CCustoms& customs = kind == FileKind::Comparison ? app_.ComparisonCustoms() : app_.UserCustoms();
    COkuris& okuris = kind == FileKind::Comparison ? app_.ComparisonOkuris() : app_.UserOkuris();
    if (!customs.ReadDataCustomize(workingCopy, start))
        return false;
    return okuris.ReadData(workingCopy, start);
}

} // namespace vokg
