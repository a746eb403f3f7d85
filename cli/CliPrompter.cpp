#include "cli/CliPrompter.h"
#include "cli/TerminalText.h"

#include <cstdio>

namespace vokg::cli {

platform::Answer CliPrompter::Message(platform::BoxKind kind, const QString&, const QString& text) {
    shown_.append(text);
    // A message may carry a header text or a path from a file: shown, never obeyed.
    std::fprintf(stderr, "%s\n", TerminalText(text, true).toLocal8Bit().constData());
    std::fflush(stderr);
    // Nobody can answer a question here: a question counts as declined.
    return platform::BoxKindAsks(kind) ? platform::Answer::No : platform::Answer::Ok;
}

std::optional<QString> CliPrompter::Input(const QString&, const QString&, const QString&, bool) {
    if (inputs_.isEmpty())
        return std::nullopt;
    return inputs_.takeFirst();
}

std::optional<platform::FileDialogResult> CliPrompter::OpenFile(const platform::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<platform::FileDialogResult> CliPrompter::SaveFile(const platform::FileDialogRequest&) {
    return std::nullopt;
}

} // namespace vokg::cli
