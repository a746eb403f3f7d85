#include "hlpkit/SystemLocale.h"

#include <QLocale>

namespace hlpkit {

QString Language(const QLocale& locale) {
    if (locale.territory() == QLocale::AnyTerritory)
        return QString();
    return QLocale::territoryToString(locale.territory());
}

QString Language() {
    return Language(QLocale::system());
}

bool IsJapaneseSystem() {
    return Language().toUpper() == QLatin1String("JAPAN");
}

} // namespace hlpkit
