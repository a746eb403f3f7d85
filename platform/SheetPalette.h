#pragma once

#include <QtGlobal>

#include <optional>

namespace platform {

// The classic 56-colour palette that colour indexes refer to. Nothing for an index outside 1..56
// (automatic and none are not colours of their own).
std::optional<quint32> SheetPaletteColor(int colorIndex);

} // namespace platform
