#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/CustomizeExport.h"
#include "cli/FeedExport.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"

#include "export/ParameterSheet.h"
#include "export/WorkbookFile.h"
#include "model/AccessModes.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "shell/FileOpen.h"
#include "shell/messages/Messages.h"

#include <QFileInfo>

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kExportUsage =
    "usage: vokg-cli [--defs DIR] export-xlsx FILE[:TABLE] OUT.xlsx [--compare FILE[:TABLE]] "
    "[--modes A,B|--all|--feed KEY[,KEY...]|--pitch each|x|y] [--only-diff] [--password PW] [--special PW] "
    "[--manufacturer PW]\n"
    "       vokg-cli [--defs DIR] export-xlsx FILE[:TABLE] OUT.xlsx --customize in|out [--groups \"A,B\"] "
    "[--compare FILE[:TABLE]] [--only-diff] [--password PW]\n";

int Usage(const char* why = nullptr) {
    return UsageError(kExportUsage, why);
}

} // namespace

// Writes the parameter sheet exactly as the print dialog's "Create Excel file" does, through
// the same export: the modes the print dialog would list (special and manufacturer modes only
// when unlocked), all of them or those named.
int ExportXlsxCommand(CliSession& session, const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    AccessOptions access;
    if (!TakeAccessOptions(arguments, access))
        return Usage();
    std::optional<QString> compare;
    std::optional<QString> modeList;
    std::optional<QString> feedList;
    std::optional<QString> pitchKind;
    std::optional<QString> customize;
    std::optional<QString> groupList;
    if (!TakeValue(arguments, QStringLiteral("--compare"), compare) ||
        !TakeValue(arguments, QStringLiteral("--modes"), modeList) ||
        !TakeValue(arguments, QStringLiteral("--feed"), feedList) ||
        !TakeValue(arguments, QStringLiteral("--pitch"), pitchKind) ||
        !TakeValue(arguments, QStringLiteral("--customize"), customize) ||
        !TakeValue(arguments, QStringLiteral("--groups"), groupList))
        return Usage();
    const bool all = arguments.removeAll(QStringLiteral("--all")) > 0;
    const bool onlyDifferences = arguments.removeAll(QStringLiteral("--only-diff")) > 0;
    if (arguments.size() != 2 || arguments.first().startsWith(QLatin1String("--")) ||
        arguments.last().startsWith(QLatin1String("--")))
        return Usage();
    if (all && modeList)
        return Usage("--modes and --all exclude each other");
    if (customize && customize != QLatin1String("in") && customize != QLatin1String("out"))
        return Usage("--customize takes in or out");
    if (customize && (all || modeList))
        return Usage("--customize prints signals, not modes (--modes, --all)");
    if (groupList && !customize)
        return Usage("--groups needs --customize");
    if (customize && (feedList || pitchKind))
        return Usage("--customize, --feed and --pitch exclude each other");
    if ((feedList || pitchKind) && (all || modeList || (feedList && pitchKind)))
        return Usage("--feed, --pitch and the modes exclude each other");
    std::optional<FeedSheetChoice> feedChoice;
    if (feedList || pitchKind) {
        feedChoice = ParseFeedSheetChoice(feedList, pitchKind);
        if (!feedChoice)
            return kInvalidValue;
    }
    if (onlyDifferences && !compare)
        return Usage("--only-diff needs a comparison table (--compare)");
    const std::optional<TableSpec> user = ParseTableSpec(arguments.first());
    const std::optional<TableSpec> comparison = compare ? ParseTableSpec(*compare) : std::nullopt;
    if (!user || (compare && !comparison))
        return Usage();
    const QString output = arguments.last();

    if (!session.LoadDefinitions())
        return kDefinitions;
    bool special = false;
    bool manufacturer = false;
    if (const int status = UnlockModes(session, access, special, manufacturer); status != kOk)
        return status;

    App& app = session.Application();
    QStringList listed;
    for (const CMode& mode : app.Modes())
        if (IsModeUnlocked(mode.ModeName(), special, manufacturer))
            listed.append(mode.ModeName());
    QStringList selected = listed;
    if (modeList) {
        selected.clear();
        for (const QString& name : modeList->split(u',', Qt::SkipEmptyParts)) {
            const QString trimmed = name.trimmed();
            if (!listed.contains(trimmed)) {
                const bool exists = app.Modes().Item(trimmed) != nullptr;
                WriteLine(stderr,
                          exists ? QStringLiteral("vokg-cli: locked mode '%1' (unlock it with --special or "
                                                  "--manufacturer)")
                                       .arg(trimmed)
                                 : QStringLiteral("vokg-cli: no mode named '%1'").arg(trimmed));
                return kInvalidValue;
            }
            if (!selected.contains(trimmed))
                selected.append(trimmed);
        }
        if (selected.isEmpty()) {
            WriteLine(stderr, QStringLiteral("vokg-cli: ") + ComposeMessage(57));
            return kUsage;
        }
    }

    if (const int status = OpenTable(session, FileKind::User, *user, access); status != kOk)
        return status;
    if (comparison)
        if (const int status = OpenTable(session, FileKind::Comparison, *comparison, access); status != kOk)
            return status;

    // Never over the data it is made from (a typo such as OUT = the design file itself would
    // turn the data into a workbook), nor over a file the user may not write.
    const QString outputPath = QFileInfo(output).absoluteFilePath();
    if (const WorkbookTarget target = CheckWorkbookTarget(outputPath, FileOpen::FilesInUse(app.State()));
        target != WorkbookTarget::Allowed) {
        app.Messages().ShowMsg(WorkbookTargetMessage(target), platform::BoxKind::Exclamation, outputPath);
        return kRefusedFile;
    }

    const int userTable = app.State().userTable > 0 ? app.State().userTable : user->table;
    if (feedChoice) {
        if (!WriteFeedWorkbook(app, *feedChoice, outputPath, comparison.has_value(), onlyDifferences,
                               userTable)) {
            WriteLine(stderr, QStringLiteral("vokg-cli: ") + ComposeMessage(55));
            return kFailed;
        }
        return kOk;
    }
    if (customize)
        return WriteCustomizeSheet(app, *customize == QLatin1String("in") ? 0 : 1, groupList, onlyDifferences,
                                   comparison.has_value(), outputPath, userTable);

    ParameterSheetRequest request;
    request.fileName = outputPath;
    request.selectedModes = selected;
    request.onlyDifferences = onlyDifferences;
    request.saveToFile = true;
    request.hasComparison = comparison.has_value();
    request.userTableNumber = userTable;
    if (!PrintToExcel(app.Modes(), app.Method(), request, {})) {
        WriteLine(stderr, QStringLiteral("vokg-cli: ") + ComposeMessage(55));
        return kFailed;
    }
    return kOk;
}

} // namespace vokg::cli
