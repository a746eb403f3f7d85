#include "cli/FeedExport.h"

#include "cli/TerminalText.h"
#include "export/FeedSheet.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "shell/App.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SharedProcedures.h"

#include <cstdio>

namespace vokg::cli {

std::optional<FeedSheetChoice> ParseFeedSheetChoice(const std::optional<QString>& feed,
                                                    const std::optional<QString>& pitch) {
    FeedSheetChoice choice;
    if (pitch) {
        const QString kind = pitch->trimmed().toLower();
        const int caption = kind == QLatin1String("each") ? 572
                            : kind == QLatin1String("x")  ? 573
                            : kind == QLatin1String("y")  ? 574
                                                          : 0;
        if (caption == 0) {
            WriteLine(stderr, QStringLiteral("vokg-cli: --pitch takes each, x or y, not '%1'").arg(*pitch));
            return std::nullopt;
        }
        choice.keys = {LoadMsg(caption)};
        choice.pitchWindow = true;
        return choice;
    }
    // The arrays of the feed-parameter window: the sixteen axis arrays and the other values
    // (by their caption or as "other").
    QStringList known = COkuris::AxisKeys();
    for (const QString& given : feed->split(u',', Qt::SkipEmptyParts)) {
        QString key = given.trimmed();
        if (key.compare(QLatin1String("other"), Qt::CaseInsensitive) == 0)
            key = COkuris::OtherValuesKey();
        if (!known.contains(key) && key != COkuris::OtherValuesKey()) {
            WriteLine(stderr, QStringLiteral("vokg-cli: no feed array named '%1'").arg(key));
            return std::nullopt;
        }
        if (!choice.keys.contains(key))
            choice.keys.append(key);
    }
    if (choice.keys.isEmpty()) {
        WriteLine(stderr, QStringLiteral("vokg-cli: ") + ComposeMessage(57));
        return std::nullopt;
    }
    return choice;
}

bool WriteFeedWorkbook(App& app, const FeedSheetChoice& choice, const QString& output, bool hasComparison,
                       bool onlyDifferences, int userTable) {
    FeedSheetRequest request;
    request.fileName = output;
    request.title = choice.keys.first();
    request.pageHeader = MakeExcelHeader(true, app.Modes().KishuName(), app.Modes().DataVersion(), userTable);
    request.hasComparison = hasComparison;
    request.keys = choice.keys;
    request.onlyDifferences = onlyDifferences;
    request.saveToFile = true;
    FeedSheet sheet(app.UserOkuris(), app.ComparisonOkuris(), app.Method());
    return choice.pitchWindow ? sheet.PrintToExcel2(request, {}) : sheet.PrintToExcel(request, {});
}

} // namespace vokg::cli
