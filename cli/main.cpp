#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/TerminalText.h"
#include "shell/Version.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: vokg-cli [--defs DIR] COMMAND ...\n"
    "       vokg-cli --version\n"
    "commands:\n"
    "  defs                                   print the definitions as JSON\n"
    "  dump FILE[:TABLE] [--password PW] [--special PW] [--manufacturer PW]\n"
    "                                         print one table as JSON\n"
    "  diff A[:T] B[:T] [--all-tables] [--json] [--password PW] [--special PW] [--manufacturer PW]\n"
    "                                         list the differences of two tables\n"
    "  set FILE[:TABLE] ASSIGNMENT... [--password PW] [--special PW] [--manufacturer PW] [--to-tables 2,5]\n"
    "      [--dry-run]                        change values through the program's own save; with\n"
    "                                         --dry-run list the changes it would write, write nothing\n"
    "  export-xlsx FILE[:TABLE] OUT.xlsx [--compare FILE[:TABLE]] [--modes A,B|--all] [--only-diff]\n"
    "              [--password PW] [--special PW] [--manufacturer PW]\n"
    "                                         write the parameter sheet as a workbook\n"
    "  export-xlsx FILE[:TABLE] OUT.xlsx --customize in|out [--groups \"A,B\"] [--compare FILE[:TABLE]]\n"
    "              [--only-diff] [--password PW]\n"
    "                                         write the customize sheet of the inputs or outputs\n"
    "  export-c FILE[:TABLE] TEMPLATE OUT --model NAME [--section N]\n"
    "           [--password PW] [--special PW] [--manufacturer PW]\n"
    "                                         write the firmware C source from a template\n"
    "  version-info FILE.vok                  print the maker's version text of a version file\n"
    "  check FILE[:TABLE] [--password PW] [--special PW] [--manufacturer PW]\n"
    "                                         list the values outside their bounds (exit 1 when any)\n";

int RunCommand(vokg::cli::CliSession& session, const QString& command, const QStringList& arguments) {
    if (command == QLatin1String("defs"))
        return vokg::cli::DefsCommand(session, arguments);
    if (command == QLatin1String("dump"))
        return vokg::cli::DumpCommand(session, arguments);
    if (command == QLatin1String("diff"))
        return vokg::cli::DiffCommand(session, arguments);
    if (command == QLatin1String("set"))
        return vokg::cli::SetCommand(session, arguments);
    if (command == QLatin1String("export-xlsx"))
        return vokg::cli::ExportXlsxCommand(session, arguments);
    if (command == QLatin1String("export-c"))
        return vokg::cli::ExportCCommand(session, arguments);
    if (command == QLatin1String("version-info"))
        return vokg::cli::VersionInfoCommand(session, arguments);
    if (command == QLatin1String("check"))
        return vokg::cli::CheckCommand(session, arguments);
    vokg::cli::WriteLine(stderr, QStringLiteral("vokg-cli: unknown command '%1'").arg(command));
    std::fputs(kUsage, stderr);
    return vokg::cli::kUsage;
}

// A listing cut short by a full disk or a closed device is no listing: the output is flushed
// here and any write error turns success into the save-failure status.
int FinishOutput(int status) {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout))
        return status;
    vokg::cli::WriteLine(stderr, QStringLiteral("vokg-cli: the output could not be written: %1")
                                     .arg(QString::fromLocal8Bit(std::strerror(flushed ? EIO : error))));
    return status == vokg::cli::kOk || status == vokg::cli::kDifferent ? vokg::cli::kFailed : status;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments == QStringList{QStringLiteral("--version")}) {
        std::printf("vokg-cli %s\n", vokg::kProgramVersion);
        return FinishOutput(vokg::cli::kOk);
    }
    QString definitions;
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--defs")) {
        definitions = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty()) {
        std::fputs(kUsage, stderr);
        return vokg::cli::kUsage;
    }
    const QString command = arguments.takeFirst();
    vokg::cli::CliSession session(definitions);
    return FinishOutput(RunCommand(session, command, arguments));
}
