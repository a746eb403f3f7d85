#pragma once

#include <QString>

namespace bench {

// Writes a large definition package (Set01.e ... Set07.e, code page 932, TAB-separated) into
// `folder`: `digitals` digitals over 10 modes (every fifth one a selection digital with three
// choices), `signalCount` signals (half inputs, half outputs) and `functions` functions per table.
void WritePackage(const QString& folder, int digitals, int signalCount, int functions);

// Packs the Set*.e files of `folder` into `archive` with the lha tool (a -lh5- archive);
// false when the tool is missing or fails.
bool PackWithLha(const QString& folder, const QString& archive);

} // namespace bench
