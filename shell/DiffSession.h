#pragma once

#include "shell/TableDiff.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace platform {
class Prompter;
}

namespace vokg {

class App;

// Comparing two files inside the program without touching what the user has open: a run of its
// own (its own model, working copies and working folder) over the same definitions and the same
// open as the program, its questions (a table's password) asked through the program's prompter.
class DiffSession {
public:
    // `programFolder` holds the definitions as the program found them; `baseName` names the
    // settings and the message boxes as the program's own.
    DiffSession(platform::Prompter& prompter, QString programFolder, QString baseName);
    ~DiffSession();
    DiffSession(const DiffSession&) = delete;
    DiffSession& operator=(const DiffSession&) = delete;

    // Creates the run's objects and reads the definitions (once); false after its messages.
    bool Load();

    // One table of each file (tableA, tableB from 1), or with `allTables` every table the two files
    // have in common. A file that is missing or no data file of ours, a table out of range or
    // a table password not given are shown as the open shows them; std::nullopt then.
    std::optional<QList<TableDifference>> Compare(const QString& fileA, int tableA, const QString& fileB,
                                                  int tableB, bool allTables, bool special = false,
                                                  bool manufacturer = false);

    App& Application() { return *app_; }

private:
    bool OpenTable(bool userSide, const QString& file, int table);

    QString programFolder_;
    std::unique_ptr<App> app_;
    bool loaded_ = false;
};

} // namespace vokg
