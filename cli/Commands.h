#pragma once

#include <QStringList>

namespace vokg::cli {

class CliSession;

// Each command takes its own arguments (after the command word) and returns the exit status.
int DefsCommand(CliSession& session, const QStringList& arguments);
int DumpCommand(CliSession& session, const QStringList& arguments);
int DiffCommand(CliSession& session, const QStringList& arguments);
int SetCommand(CliSession& session, const QStringList& arguments);
int ExportXlsxCommand(CliSession& session, const QStringList& arguments);
int ExportCCommand(CliSession& session, const QStringList& arguments);
int VersionInfoCommand(CliSession& session, const QStringList& arguments);
int CheckCommand(CliSession& session, const QStringList& arguments);

} // namespace vokg::cli
