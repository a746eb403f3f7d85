#pragma once

#include <QByteArray>
#include <QString>

namespace hlpkit::detail {

// Text to code page 932 bytes for the files the library writes itself. The library must not
// reach into the program's codec, so it keeps this small converter of its own. A character
// without a code page 932 form becomes "?": the log must still get its line.
QByteArray EncodeCp932(const QString& text);

} // namespace hlpkit::detail
