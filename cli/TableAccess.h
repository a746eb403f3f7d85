#pragma once

#include "model/FileKind.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vokg::cli {

class CliSession;

// FILE[:TABLE] as given on the command line; the table is 1-based, 1 when not given. A table
// number given is kept as typed for the messages; one that does not fit a number is 0. Whether it
// is in range is decided when the file's kind is known (OpenTable).
struct TableSpec {
    QString path;
    int table = 1;
    bool tableGiven = false;
    QString tableText;
};

std::optional<TableSpec> ParseTableSpec(const QString& text);

// The access options shared by the commands that read tables.
struct AccessOptions {
    std::optional<QString> password;
    std::optional<QString> special;
    std::optional<QString> manufacturer;
};

// Takes --password/--special/--manufacturer (each with its value) out of `arguments`;
// false for an option without its value.
bool TakeAccessOptions(QStringList& arguments, AccessOptions& options);

// Unlocks the special and manufacturer modes the options ask for, as the program's Parameter
// menu does (messages 32 and 94 on a wrong password). Returns an exit status (0 when all went well).
int UnlockModes(CliSession& session, const AccessOptions& options, bool& special, bool& manufacturer);

// Opens one table of a file into the user side or the comparison side through
// the program's own open, with the file checks (exit 4), the table password (exit 3) and the
// read (exit 7). Returns an exit status (0 when the table was read).
int OpenTable(CliSession& session, FileKind kind, const TableSpec& tableSpec, const AccessOptions& options);

// Takes "--name VALUE" out of the arguments; false when the option is there without its value
// or more than once.
bool TakeValue(QStringList& arguments, const QString& name, std::optional<QString>& value);

// Bad usage: the reason (when there is one) and the command's usage on standard error; returns
// the usage status.
int UsageError(const char* usage, const char* why = nullptr);

// One table read into the user side, with the modes the access options unlocked.
struct OneTable {
    TableSpec spec;
    bool special = false;
    bool manufacturer = false;
};

// The shape shared by the commands that read one table: exactly FILE[:TABLE] and the access
// options (else usage), the definitions loaded, the modes unlocked and the table opened. Returns
// an exit status (0 when the table was read into `table`).
int OpenOneTable(CliSession& session, const QStringList& arguments, const char* usage, OneTable& table);

} // namespace vokg::cli
