#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace vokg {

class App;
class EditorHost;

// Saving the user file: into the table being edited (mode 0), into a new file (mode 1), into
// other tables (mode 2), or into the model only (mode 3). The new file is built whole in memory,
// flushed into a file in the target's own folder and renamed over the target, then the same for
// the companion: a crash, a full disk or a pulled medium leaves the old file or the new one.
class FileSave {
public:
    FileSave(App& app, EditorHost& host);

    bool SaveAllFiles(int mode, bool withoutAsking);

    // The save dialog with the 8-character base name rule; empty when cancelled.
    QString GetSavingFile(const QString& currentPath);

    // Start positions of the tables to write; empty when nothing was chosen.
    QList<qint64> GetStartingLocationSaving(int mode);

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

private:
    bool ReplaceFile(const QByteArray& bytes, const QString& target);

    App& app_;
    EditorHost& host_;
    ReplaceHook beforeReplace_;
    FreeSpaceProbe freeSpace_;
};

} // namespace vokg
