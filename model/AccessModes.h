#pragma once

#include <QString>

namespace vokg {

// The two reserved parameter modes, known by name in English or in Japanese.
bool IsSpecialMode(const QString& modeName);
bool IsManufacturerMode(const QString& modeName);

} // namespace vokg
