#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vokg {
class App;
}

namespace vokg::cli {

// What export-xlsx was asked for beside the parameter sheet: the feed arrays (--feed) or one
// pitch window (--pitch each|x|y).
struct FeedSheetChoice {
    QStringList keys; // --feed: the arrays; --pitch: the pitch window's kind caption
    bool pitchWindow = false;
};

// The choice the options name; a message on standard error and none when a key or kind is not
// one the windows print.
std::optional<FeedSheetChoice> ParseFeedSheetChoice(const std::optional<QString>& feed,
                                                    const std::optional<QString>& pitch);

// Writes the feed sheet through the same export as the print dialog; false when it failed.
bool WriteFeedWorkbook(App& app, const FeedSheetChoice& choice, const QString& output, bool hasComparison,
                       bool onlyDifferences, int userTable);

} // namespace vokg::cli
