#pragma once

#include "model/FileKind.h"
#include "shell/FileIdentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace platform {
class FileLock;
}

namespace vokg {

class App;
class EditorHost;

// Saving the user file: into the table being edited, into a new file, into other tables, or into
// the model only (SaveMode). The new file is built whole in memory,
// flushed into a file in the target's own folder and renamed over the target, then the same for
// the companion: a crash, a full disk or a pulled medium leaves the old file or the new one. The
// replace holds the lock every writer of data files takes (App::LockFile), and a file another
// program changed since this run read it is overwritten only when the user says so.
class FileSave {
public:
    FileSave(App& app, EditorHost& host);

    bool SaveAllFiles(SaveMode mode, bool withoutAsking);

    // The save dialog with the 8-character base name rule; empty when cancelled.
    QString GetSavingFile(const QString& currentPath);

    // Start positions of the tables to write; empty when nothing was chosen.
    QList<qint64> GetStartingLocationSaving(SaveMode mode);

    // Builds the new file from `source` with every table at `positions` written, and keeps it
    // as the working copy; false (the working copy untouched) when a table cannot be written.
    bool SaveAllData(const QString& workingCopy, const QString& source, const QList<qint64>& positions);

    // Replaces `newPath` by the working copy and copies the companion along.
    bool CopySetFiles(const QString& workingCopy, const QString& oldPath, const QString& newPath);

    // True when the file `source` fits where `destination` goes (or replaces an existing file).
    bool CheckFreeSpace(const QString& source, const QString& destination);
    bool CheckFreeSpace(qint64 bytes, const QString& destination) const;

    // The target's folder exists (message 74 otherwise) and is writable (75).
    bool DriveOK(const QString& path);

    // What a file holds now (size, modification time, hash of its bytes); an empty path when
    // it cannot be read.
    static FileIdentity ReadIdentity(const QString& path);
    static QByteArray HashOf(const QByteArray& bytes);

    // How long a save waits while another program replaces the same file.
    static constexpr std::chrono::milliseconds kLockWait{10000};

    // The existing companion of a design file (extension "DSK" in any letter case), or empty.
    static QString CompanionOf(const QString& designFile);
    // The companion a new design file gets: its extension replaced by "DSK".
    static QString NewCompanionOf(const QString& designFile);

    // Test seam: called after the new file was written and flushed, before it replaces the
    // target; returning false abandons the replacement as a crash would.
    using ReplaceHook = std::function<bool(const QString& target)>;
    void SetBeforeReplaceHook(ReplaceHook hook) { beforeReplace_ = std::move(hook); }

    // Test seam: the free bytes of the file system that holds a folder.
    using FreeSpaceProbe = std::function<qint64(const QString& folder)>;
    void SetFreeSpaceProbe(FreeSpaceProbe probe) { freeSpace_ = std::move(probe); }

    // Test seam: the wait for another program's lock.
    void SetLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

private:
    bool ReplaceFile(const QByteArray& bytes, const QString& target);
    // The companion as it was before this save replaced it: its old bytes, or no file at all.
    void PutBack(const QString& companion, bool existed, const QByteArray& bytes);
    // False after message 106 when `path` is a file marked read-only (or one this user may not
    // write): renaming a new file over it would replace it all the same.
    bool MayReplace(const QString& path);
    // The lock on a file about to be replaced; empty after message 104 when another program
    // keeps it.
    std::shared_ptr<platform::FileLock> LockForReplace(const QString& path);
    // True when `target` is not the user file as this run read it, or is unchanged since, or the
    // user answers message 103 with Yes.
    bool StillAsRead(const QString& target);

    App& app_;
    EditorHost& host_;
    ReplaceHook beforeReplace_;
    FreeSpaceProbe freeSpace_;
    std::chrono::milliseconds lockWait_ = kLockWait;
    // CopySetFiles has told the user why nothing was saved: no second message.
    bool replaceExplained_ = false;
};

} // namespace vokg
