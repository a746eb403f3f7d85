#pragma once

#include "hlpkit/HlpkitExport.h"

#include <QString>

class QLocale;

namespace hlpkit {

// The English country name of the system's default locale ("Japan", "Germany"); empty when the
// locale names no country (the C locale).
HLPKIT_EXPORT QString Language();
HLPKIT_EXPORT QString Language(const QLocale& locale);

// True when the system's default locale names Japan: the error box then closes in Japanese.
HLPKIT_EXPORT bool IsJapaneseSystem();

} // namespace hlpkit
