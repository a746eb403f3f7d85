#pragma once

#include "platform/Prompter.h"

#include <QString>

namespace bench {

// A prompter for benchmarks: nothing may ask anything, so a message ends the run.
class SilentPrompter : public platform::Prompter {
public:
    platform::Answer Message(platform::BoxKind kind, const QString& title, const QString& text) override;
    std::optional<QString> Input(const QString&, const QString&, const QString&, bool) override { return {}; }
    std::optional<platform::FileDialogResult> OpenFile(const platform::FileDialogRequest&) override {
        return {};
    }
    std::optional<platform::FileDialogResult> SaveFile(const platform::FileDialogRequest&) override {
        return {};
    }
};

// Writes a large definition package (Set01.e ... Set07.e, code page 932, TAB-separated) into
// `folder`: `digitals` digitals over 10 modes (every fifth one a selection digital with three
// choices), `signalCount` signals (half inputs, half outputs) and `functions` functions per table.
// Every field gets table bytes of its own; a package that does not fit in one table ends the run.
void WritePackage(const QString& folder, int digitals, int signalCount, int functions);

// Packs the Set*.e files of `folder` into `archive` with the lha tool (a -lh5- archive);
// false when the tool is missing or fails.
bool PackWithLha(const QString& folder, const QString& archive);

} // namespace bench
