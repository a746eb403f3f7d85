#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"

#include "export/ModelSourceExport.h"
#include "platform/Prompter.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/VersionFile.h"

#include <QFileInfo>

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kExportCUsage = "usage: vokg-cli [--defs DIR] export-c FILE[:TABLE] TEMPLATE OUT "
                                      "--model NAME [--section N] [--password PW]\n"
                                      "              [--special PW] [--manufacturer PW]\n";
constexpr const char* kVersionInfoUsage = "usage: vokg-cli version-info FILE.vok\n";

constexpr platform::BoxKind kExclamation = platform::BoxKind::Exclamation;

// What a refused create check means for the exit status: a file that is not there is a read
// or write that cannot happen; a blank name is bad usage.
int CheckStatus(int message) {
    return message == 85 || message == 88 ? kUsage : kFailed;
}

} // namespace

// Writes the firmware C source of one table from a template exactly as the program's
// "zrdl_Model.cの出力" does, through the same checks and the same export.
int ExportCCommand(CliSession& session, const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    AccessOptions access;
    if (!TakeAccessOptions(arguments, access))
        return UsageError(kExportCUsage);
    std::optional<QString> model;
    std::optional<QString> section;
    if (!TakeValue(arguments, QStringLiteral("--model"), model) ||
        !TakeValue(arguments, QStringLiteral("--section"), section))
        return UsageError(kExportCUsage);
    if (!model)
        return UsageError(kExportCUsage, "--model NAME is required");
    if (arguments.size() != 3)
        return UsageError(kExportCUsage);
    for (const QString& argument : arguments)
        if (argument.startsWith(QLatin1String("--")))
            return UsageError(kExportCUsage);
    const std::optional<TableSpec> user = ParseTableSpec(arguments.at(0));
    if (!user)
        return UsageError(kExportCUsage);
    // Paths as the window's file questions give them: absolute, so that the folder check
    // looks where the file will be written.
    const QString templatePath = QFileInfo(arguments.at(1)).absoluteFilePath();
    const QString output = QFileInfo(arguments.at(2)).absoluteFilePath();

    if (!session.LoadDefinitions())
        return kDefinitions;
    App& app = session.Application();
    if (const std::optional<ModelSourceCheck> check =
            ModelSourceExport::CheckInputs(templatePath, output, *model)) {
        app.Messages().ShowMsg(check->message, kExclamation);
        return CheckStatus(check->message);
    }
    if (const int status = OpenTable(session, FileKind::User, *user, access); status != kOk)
        return status;

    // The export shows its messages on standard error as it goes (a missing signal block only
    // warns); a template it refuses writes nothing.
    ModelSourceExport exporter(app.Modes(), app.UserCustoms(), app.UserOkuris(), app.Context());
    const ModelSourceResult result = exporter.Create(
        templatePath, output, *model, section.value_or(QString()), FileOpen::FilesInUse(app.State()));
    if (result.succeeded)
        return kOk;
    const QString step = result.failure ? result.failure->detail : QString();
    const bool fileFailed =
        result.failure && result.failure->message == 0 &&
        (step == QLatin1String("ReadAllData") || step == QLatin1String("Write_zrdl_Modelc"));
    return fileFailed ? kFailed : kTemplateRefused;
}

// The maker's version text of a version-information file, on standard output.
int VersionInfoCommand(CliSession& session, const QStringList& arguments) {
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1String("--")))
        return UsageError(kVersionInfoUsage);
    App& app = session.Application();
    if (!app.CreateActiveX() || !Startup(app).CheckCodePage())
        return kFailed;
    const std::optional<QString> text = VersionFile::ReadVersionVok(arguments.first(), app.Method());
    if (!text)
        return kFailed;
    WriteLine(stdout, *text);
    return kOk;
}

} // namespace vokg::cli
