#include "shell/FileSave.h"

#include "export/WorkbookFile.h"
#include "hlpkit/CFILE.h"
#include "hlpkit/RunError.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"
#include "platform/FileLock.h"
#include "platform/FileOps.h"
#include "shell/App.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/ModelSnapshot.h"
#include "shell/SaveReview.h"
#include "shell/TableDiff.h"
#include "shell/messages/FormUnload.h"
#include "shell/messages/MessageIds.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <utility>

namespace vokg {
namespace {

constexpr int kMaximumBaseName = 8;

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path))
        hlpkit::Raise(hlpkit::FileNotFound);
    if (!platform::fileops::Open(file, QIODevice::ReadOnly))
        hlpkit::Raise(hlpkit::PathFileAccessError);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        hlpkit::Raise(hlpkit::PathFileAccessError);
    return bytes;
}

bool IsNetworkPath(const QString& path) {
    return path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"));
}

} // namespace

FileSave::FileSave(App& app, EditorHost& host) : app_(app), host_(host) {}

QString FileSave::CompanionOf(const QString& designFile) {
    const QFileInfo info(designFile);
    const QDir folder = info.absoluteDir();
    const QString base = info.completeBaseName();
    // Exactly ".DSK" first; then any letter case, since the companion may have been copied by
    // a system that does not keep case.
    const QString exact = folder.filePath(base + QStringLiteral(".DSK"));
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList candidates = folder.entryList(QStringList{base + QStringLiteral(".*")}, QDir::Files);
    for (const QString& name : candidates)
        if (QFileInfo(name).completeBaseName() == base &&
            QFileInfo(name).suffix().compare(QLatin1String("DSK"), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return {};
}

QString FileSave::NewCompanionOf(const QString& designFile) {
    const QString existing = CompanionOf(designFile);
    if (!existing.isEmpty())
        return existing;
    const QFileInfo info(designFile);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".DSK"));
}

bool FileSave::SaveAllFiles(SaveMode mode, bool withoutAsking) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("SaveAllFiles"), false, [&] {
        RunState& state = app_.State();
        state.reopenAfterSave = false;
        // A machine data file is only ever read. Its commands are disabled, but the save itself
        // refuses too: no header record was read for it, so a write would stamp the author and
        // password of another table into bytes the program never read.
        const bool writable = FileOpen::IsDSG(state.userPath);
        if (mode != SaveMode::MemoryOnly && !writable) {
            app_.Messages().ShowText(ReadOnlyDataRefusal(), platform::BoxKind::Exclamation);
            return false;
        }
        QString target;
        if (mode == SaveMode::SaveAs) {
            target = GetSavingFile(state.userPath);
        } else if (withoutAsking) {
            target = state.userPath;
        } else {
            host_.CommitPendingEdits();
            if (!host_.IsExistChanged() && !state.mainChanged) {
                target = state.userPath;
            } else if (!writable) {
                if (!AskGoOnWithoutSaving(app_.Messages()))
                    return false;
                target = state.userPath;
            } else {
                switch (
                    app_.Messages().ShowMsg(msg::NotSavedQuestion, platform::BoxKind::QuestionYesNoCancel)) {
                case platform::Answer::Yes:
                    if (!SaveAllFiles(SaveMode::Overwrite, true))
                        return false;
                    host_.CancelAllUpdate();
                    target = state.userPath;
                    break;
                case platform::Answer::No:
                    target = state.userPath;
                    break;
                default:
                    return false;
                }
            }
        }
        if (target.isEmpty())
            return false;
        if (!DriveOK(target) || !MayReplace(target))
            return false;
        const QList<qint64> positions = GetStartingLocationSaving(mode);
        if (positions.isEmpty())
            return false;
        // A save that does not end in a written file leaves the model as it was, so that the
        // windows' marks still tell what is unsaved and dropping the edits really drops them.
        const ModelSnapshot before(app_);
        if (!host_.SaveAllVariables()) {
            before.Restore(app_);
            return false;
        }
        if (mode == SaveMode::MemoryOnly)
            return true;
        // The review comes when every value is in the model and nothing is written yet; a
        // Cancel leaves the model as it was and the windows with their edits.
        if (const std::optional<FieldAccess> access = host_.ReviewOfSaves()) {
            SaveReview review{mode, state.userPath, target, {}, {}};
            for (const qint64 position : positions)
                review.tables.append(TableNumber(position));
            const std::optional<QList<TableDifference>> changes =
                TableDiff::ChangesOfSave(app_, state.userPath, review.tables, *access);
            if (!changes) {
                before.Restore(app_);
                app_.Messages().ShowMsg(msg::ReadFailed, platform::BoxKind::Exclamation);
                return false;
            }
            review.changes = *changes;
            if (!host_.ConfirmSave(review)) {
                before.Restore(app_);
                return false;
            }
        }
        // No private working folder (reported): nothing is written.
        const QString workingCopy = app_.CreateParaTempName(FileKind::User);
        if (workingCopy.isEmpty()) {
            before.Restore(app_);
            return false;
        }
        if (!SaveAllData(workingCopy, state.userPath, positions)) {
            before.Restore(app_);
            app_.Messages().ShowMsg(msg::SaveFailed, platform::BoxKind::Critical);
            return false;
        }
        if (!CopySetFiles(workingCopy, state.userPath, target)) {
            before.Restore(app_);
            if (!replaceExplained_)
                app_.Messages().ShowMsg(msg::CopyFailed, platform::BoxKind::Critical);
            return false;
        }
        state.userPath = target;
        state.mainChanged = false;
        if (state.reopenAfterSave) {
            // The file just written is the one to switch to, however it was opened.
            FileOpen(app_, host_).ReadVOKGDataAnotherTable(FileKind::User, positions.first(), target, false);
        }
        host_.SetCaption();
        return true;
    });
}

QString FileSave::GetSavingFile(const QString& currentPath) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("GetSavingFile"), QString(), [&] {
        QString fileName = QFileInfo(currentPath).fileName();
        for (;;) {
            platform::FileDialogRequest request;
            request.title = ResourceText(1070);
            request.initialFolder = QFileInfo(currentPath).absolutePath();
            request.fileName = fileName;
            request.filter = QStringLiteral("dsg file|*.dsg");
            request.filterIndex = 1;
            request.mustExist = false;
            // The dialog adds ".DSG" before it asks about replacing a file, so "abc" typed where
            // "abc.DSG" exists asks about "abc.DSG", the file that is written.
            request.defaultExtension = QStringLiteral("DSG");
            request.extensionAlways = true;
            request.confirmOverwrite = true;
            const std::optional<platform::FileDialogResult> chosen = app_.Prompter().SaveFile(request);
            if (!chosen || chosen->path.isEmpty())
                return QString();
            const QString name = platform::SaveFileName(request, chosen->path);
            const QString base = QFileInfo(name).completeBaseName();
            if (base.size() <= kMaximumBaseName)
                return name;
            app_.Messages().ShowMsg(msg::NameTooLong, platform::BoxKind::Exclamation);
            fileName = base;
        }
    });
}

QList<qint64> FileSave::GetStartingLocationSaving(SaveMode mode) {
    RunState& state = app_.State();
    if (mode == SaveMode::OtherTables) {
        const QList<int> tables = app_.Prompter().ChooseTables(state.userTable);
        QList<qint64> positions;
        for (int table : tables)
            positions.append(TablePosition(table));
        if (!positions.isEmpty()) {
            state.reopenAfterSave = true;
            app_.SelectTable().RememberTable(true, tables.first());
        }
        return positions;
    }
    return {TablePosition(state.userTable)};
}

bool FileSave::SaveAllData(const QString& workingCopy, const QString& source,
                           const QList<qint64>& positions) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("SaveAllData"), false, [&] {
        // The new file starts as an exact image of the user file, so every table and every byte
        // that is not written keeps what the file held.
        QByteArray image = ReadWhole(source);
        for (const qint64 position : positions) {
            if (!app_.Modes().SaveOneTable(image, position) ||
                !app_.UserCustoms().SaveCustomTable(image, position) ||
                !app_.UserOkuris().SaveData(image, position) ||
                !app_.SelectTable().SaveHeader(image, true, position))
                return false;
        }
        QFile::setPermissions(workingCopy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QSaveFile file(workingCopy);
        if (!platform::fileops::Open(file, QIODevice::WriteOnly) ||
            !platform::fileops::WriteAll(file, image) || !platform::fileops::Flush(file) ||
            !platform::fileops::Commit(file))
            throw hlpkit::RunError(hlpkit::PathFileAccessError,
                                   QStringLiteral("%1: the working copy %2 cannot be written: %3")
                                       .arg(hlpkit::StandardErrorText(hlpkit::PathFileAccessError),
                                            workingCopy, file.errorString()));
        return true;
    });
}

bool FileSave::CopySetFiles(const QString& workingCopy, const QString& oldPath, const QString& newPath) {
    replaceExplained_ = false;
    return hlpkit::Guarded(app_.Method(), QStringLiteral("CopySetFiles"), false, [&] {
        const QByteArray image = ReadWhole(workingCopy);
        const QString oldCompanion = CompanionOf(oldPath);
        const QString newCompanion = NewCompanionOf(newPath);
        // File names are case-sensitive here: only the very same file needs no copy.
        const QString sourceCompanion = oldCompanion.isEmpty() ? NewCompanionOf(oldPath) : oldCompanion;
        const bool copyCompanion =
            QFileInfo(sourceCompanion).absoluteFilePath() != QFileInfo(newCompanion).absoluteFilePath();
        // A new design file without its companion could never be opened again: when the source
        // companion has gone, nothing at all is written.
        if (copyCompanion && oldCompanion.isEmpty())
            return false;
        if (copyCompanion && !MayReplace(newCompanion)) {
            replaceExplained_ = true;
            return false;
        }
        QByteArray companionBytes;
        if (copyCompanion)
            companionBytes = ReadWhole(oldCompanion);
        // Room for both is checked before either is written.
        if (!CheckFreeSpace(image.size(), newPath) ||
            (copyCompanion && !CheckFreeSpace(companionBytes.size(), newCompanion))) {
            app_.Messages().ShowMsg(msg::NoSpace, platform::BoxKind::Exclamation);
            return false;
        }
        // Another writer (the command line's set, another copy of the program) takes the same
        // locks: it waits while this save replaces the files, and this save waits for it. Under
        // the lock the file must still be what this run read, or the user says to overwrite.
        const std::shared_ptr<platform::FileLock> lock = LockForReplace(newPath);
        if (!lock)
            return false;
        std::shared_ptr<platform::FileLock> companionLock;
        if (copyCompanion && !(companionLock = LockForReplace(newCompanion)))
            return false;
        if (!StillAsRead(newPath))
            return false;
        // The companion goes first and is put back when the design file cannot follow it: a
        // failure at any step leaves both files as they were, or both new.
        const bool companionExisted = copyCompanion && QFileInfo::exists(newCompanion);
        const QByteArray companionBefore = companionExisted ? ReadWhole(newCompanion) : QByteArray();
        if (copyCompanion && !ReplaceFile(companionBytes, newCompanion))
            return false;
        bool replaced = false;
        try {
            replaced = ReplaceFile(image, newPath);
        } catch (...) {
            if (copyCompanion)
                PutBack(newCompanion, companionExisted, companionBefore);
            throw;
        }
        if (!replaced) {
            if (copyCompanion)
                PutBack(newCompanion, companionExisted, companionBefore);
            return false;
        }
        // What the file holds now is what a later save compares with.
        app_.State().userFileRead =
            FileIdentity{QFileInfo(newPath).absoluteFilePath(), image.size(),
                         QFileInfo(newPath).lastModified().toMSecsSinceEpoch(), HashOf(image)};
        return true;
    });
}

std::shared_ptr<platform::FileLock> FileSave::LockForReplace(const QString& path) {
    std::shared_ptr<platform::FileLock> lock = app_.LockFile(path, lockWait_);
    if (lock->Current() != platform::FileLock::State::Busy)
        return lock; // locked; or a new file, or a file system without locks: nobody to wait for
    app_.Messages().ShowMsg(msg::BeingSaved, platform::BoxKind::Exclamation, QDir::toNativeSeparators(path));
    replaceExplained_ = true;
    return nullptr;
}

bool FileSave::StillAsRead(const QString& target) {
    const FileIdentity& read = app_.State().userFileRead;
    if (read.path.isEmpty() || read.path != QFileInfo(target).absoluteFilePath() ||
        !QFileInfo::exists(target))
        return true;
    if (ReadIdentity(target) == read)
        return true;
    if (app_.Messages().ShowMsg(msg::ChangedElsewhere, platform::BoxKind::QuestionYesNoDefaultNo,
                                QDir::toNativeSeparators(target)) == platform::Answer::Yes)
        return true;
    replaceExplained_ = true;
    return false;
}

FileIdentity FileSave::ReadIdentity(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return FileIdentity{info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch(),
                        HashOf(bytes)};
}

QByteArray FileSave::HashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool FileSave::ReplaceFile(const QByteArray& bytes, const QString& target) {
    namespace io = platform::fileops;
    io::NewFile file(target);
    if (!io::Open(file, QIODevice::WriteOnly))
        hlpkit::Raise(QFileInfo::exists(QFileInfo(target).absolutePath()) ? hlpkit::PermissionDenied
                                                                          : hlpkit::PathNotFound);
    if (!io::WriteAll(file.Device(), bytes) || !io::Flush(file.Device()))
        hlpkit::Raise(hlpkit::PathFileAccessError);
    if (beforeReplace_ && !beforeReplace_(target))
        return false; // the new file goes with `file`
    if (!io::Commit(file))
        hlpkit::Raise(hlpkit::PathFileAccessError);
    return true;
}

void FileSave::PutBack(const QString& companion, bool existed, const QByteArray& bytes) {
    if (!existed) {
        platform::fileops::Remove(companion);
        return;
    }
    // The put-back itself is never interrupted by the test seam.
    ReplaceHook hook = std::exchange(beforeReplace_, nullptr);
    ReplaceFile(bytes, companion);
    beforeReplace_ = std::move(hook);
}

bool FileSave::MayReplace(const QString& path) {
    if (CheckWorkbookTarget(path, {}) != WorkbookTarget::NotWritable)
        return true;
    app_.Messages().ShowMsg(msg::WorkbookNotWritable, platform::BoxKind::Exclamation,
                            QDir::toNativeSeparators(path));
    return false;
}

bool FileSave::CheckFreeSpace(const QString& source, const QString& destination) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("CheckFreeSpace"), false,
                           [&] { return CheckFreeSpace(QFileInfo(source).size(), destination); });
}

bool FileSave::CheckFreeSpace(qint64 bytes, const QString& destination) const {
    if (IsNetworkPath(destination))
        return true;
    // The new file is written beside the old one before it replaces it, so even an existing
    // target needs room for the new bytes.
    const QString folder = QFileInfo(destination).absolutePath();
    if (freeSpace_)
        return freeSpace_(folder) >= bytes;
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return false;
    return storage.bytesAvailable() >= bytes;
}

bool FileSave::DriveOK(const QString& path) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("DriveOK"), false, [&] {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo(folder).isDir()) {
            app_.Messages().ShowMsg(msg::DriveNotReady, platform::BoxKind::Exclamation);
            return false;
        }
        if (!app_.File().IsWritable(folder + QLatin1Char('/'))) {
            app_.Messages().ShowMsg(msg::DriveProtected, platform::BoxKind::Exclamation);
            return false;
        }
        return true;
    });
}

} // namespace vokg
