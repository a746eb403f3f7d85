#include "model/AccessModes.h"

namespace vokg {

bool IsSpecialMode(const QString& modeName) {
    return modeName.toUpper() == u"SPECIAL" || modeName == u"特殊";
}

bool IsManufacturerMode(const QString& modeName) {
    return modeName.toUpper() == u"MANUFACTURER" || modeName == u"メーカー";
}

} // namespace vokg
