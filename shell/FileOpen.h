#pragma once

#include "model/FileKind.h"
#include "shell/FileIdentity.h"

#include <QString>
#include <QStringList>

namespace vokg {

class App;
class EditorHost;
struct RunState;

// Opening a user file or a comparison (FileKind): the checks, the working
// copy, the password step and the reads of every part of the table. An open either succeeds as a
// whole or leaves the model, the windows and the run state exactly as they were.
class FileOpen {
public:
    FileOpen(App& app, EditorHost& host);

    // The Open command: offers to save unsaved edits, then opens with the dialogs. A file given
    // (dropped on the window, picked from the recent files) takes the open dialog's place and
    // passes the same checks as one chosen there.
    bool OpenUserFile(const QString& file = QString());

    // "No" to saving: every window drops its edits, and the password and author changed in
    // memory go back to what the user table holds.
    void DiscardUnsavedChanges();

    // Opens `file` (empty: ask with the open dialog) at `table` (-1: ask with the table dialog).
    bool ReadVOKGData(FileKind kind, const QString& file, int table, bool keepWindows);

    // Opens the table at `start` of a file the user has just written, without the table dialog
    // and without the password step.
    bool ReadVOKGDataAnotherTable(FileKind kind, qint64 start, const QString& file, bool keepWindows);

    // The open dialog; empty when cancelled or refused.
    QString GetSettingFile(FileKind kind);

    // Extension (DSG or DAT, any letter case) and exact size; messages 8 and 9.
    bool ExactFile(const QString& name);

    // The companion of a design file, or empty after message 40 when it is missing.
    QString MakeDSKfile(const QString& file);

    // Copies the file to the working copy of the kind; its path, or empty when the file is gone.
    QString CopyFromFDToHD(FileKind kind, const QString& file);

    // Makes the working copy and, for a design file, reads the table's author and password;
    // false when no working copy could be made (reported).
    bool ReadTableHeader(FileKind kind, const QString& file, qint64 start, int table);
    bool ReadAllTables(FileKind kind, const QString& file, qint64 start);

    static bool IsDSG(const QString& path);
    static bool IsDAT(const QString& path);

    // The data files the run has open: the user file, the comparison file and their companions
    // (those that exist); what no export may write over.
    static QStringList FilesInUse(const RunState& state);

private:
    bool FinishOpen(FileKind kind, const QString& path, qint64 start, bool keepWindows, bool recordUnlocked);

    App& app_;
    EditorHost& host_;
    FileIdentity readIdentity_; // the user file as ReadAllTables read it
};

} // namespace vokg
