#include "cli/CustomizeExport.h"

#include "cli/CliSession.h"
#include "cli/TerminalText.h"
#include "editors/rules/CustomizeRules.h"
#include "export/CustomizeSheet.h"
#include "model/CModes.h"
#include "shell/App.h"
#include "shell/messages/Messages.h"

namespace vokg::cli {

int WriteCustomizeSheet(App& app, int inout, const std::optional<QString>& groupList, bool onlyDifferences,
                        bool hasComparison, const QString& outputPath, int userTable) {
    const QStringList listed = CustomizeRules::GroupsOf(app.UserCustoms(), inout);
    QStringList selected = listed;
    if (groupList) {
        selected.clear();
        for (const QString& name : groupList->split(u',', Qt::SkipEmptyParts)) {
            const QString trimmed = name.trimmed();
            if (!listed.contains(trimmed)) {
                WriteLine(stderr,
                          QStringLiteral("vokg-cli: no %1 group named '%2'")
                              .arg(inout == 0 ? QStringLiteral("input") : QStringLiteral("output"), trimmed));
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
    CustomizeSheetRequest request;
    request.fileName = outputPath;
    request.model = app.Modes().KishuName();
    request.version = app.Modes().DataVersion();
    request.hasComparison = hasComparison;
    request.selectedGroups = selected;
    request.inout = inout;
    request.onlyDifferences = onlyDifferences;
    request.saveToFile = true;
    request.userTableNumber = app.State().userTable > 0 ? app.State().userTable : userTable;
    CustomizeSheet sheet(app.UserCustoms(), app.ComparisonCustoms(), app.InputSelections(),
                         app.OutputSelections(), app.Method());
    if (!sheet.PrintToExcelCustomize(request, {})) {
        WriteLine(stderr, QStringLiteral("vokg-cli: ") + ComposeMessage(55));
        return kFailed;
    }
    return kOk;
}

} // namespace vokg::cli
