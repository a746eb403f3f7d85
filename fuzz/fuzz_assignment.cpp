// The syntax of `set`'s assignments: whatever the text, an assignment it parses to, written
// back, parses to the same assignment; its value is the text after the first "="; a text without
// a target before an "=" is refused.

#include "fuzz/FuzzSupport.h"

#include "cli/AssignmentSyntax.h"

using fuzzing::Require;
using vokg::cli::Assignment;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::TheHarness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Assignment> parsed = vokg::cli::ParseAssignment(text);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (!parsed) {
        Require(equals <= 0, "a text with a target and an \"=\" parses", text);
        return 0;
    }
    Require(equals > 0, "only a text with a target and an \"=\" parses", text);
    Require(parsed->value == text.mid(equals + 1), "the value is everything after the first \"=\"", text);
    if (parsed->kind == Assignment::Kind::Feed)
        Require(parsed->index == -1 ||
                    QString::number(parsed->index) == QString::number(parsed->indexText.toLongLong()),
                "a feed index is the number written", text);
    const QString written = vokg::cli::FormatAssignment(*parsed);
    const std::optional<Assignment> again = vokg::cli::ParseAssignment(written);
    Require(again.has_value() && *again == *parsed, "an assignment written back parses the same",
            text + QStringLiteral(" -> ") + written);
    return 0;
}
