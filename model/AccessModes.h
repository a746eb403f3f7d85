#pragma once

#include <QString>

namespace vokg {

// The two reserved parameter modes, known by name in English or in Japanese.
bool IsSpecialMode(const QString& modeName);
bool IsManufacturerMode(const QString& modeName);

// A mode is shown when it is no reserved mode, or when its reserved level is unlocked.
bool IsModeUnlocked(const QString& modeName, bool special, bool manufacturer);

} // namespace vokg
