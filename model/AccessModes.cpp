#include "model/AccessModes.h"

namespace vokg {

bool IsSpecialMode(const QString& modeName) {
    return modeName.toUpper() == u"SPECIAL" || modeName == u"特殊";
}

bool IsManufacturerMode(const QString& modeName) {
    return modeName.toUpper() == u"MANUFACTURER" || modeName == u"メーカー";
}

bool IsModeUnlocked(const QString& modeName, bool special, bool manufacturer) {
    return (special || !IsSpecialMode(modeName)) && (manufacturer || !IsManufacturerMode(modeName));
}

} // namespace vokg
