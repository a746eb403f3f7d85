#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace vokg {

// The numeric reading of every number field of the definition tables and of typed values.
// The leading number of the text counts (leading blanks skipped, optional sign, decimals and an
// exponent), or an "&H" hexadecimal number; a text with no leading number is 0, a number too
// large for a double is an infinity. Hexadecimal is
// taken as an unsigned magnitude: "&HFFFF" is 65535, since it names an address or a byte value.
double LenientValue(const QString& text);

// Nearest whole number, ties to the even neighbour. Throw hlpkit::RunError 6 (overflow) when
// the result does not fit.
qint32 RoundToInt32(double value);
qint16 RoundToInt16(double value);

// LenientValue followed by the rounding above.
qint32 LenientInt32(const QString& text);
qint16 LenientInt16(const QString& text);

// True when the whole text, blanks at both ends aside, is one decimal number (sign, decimals,
// exponent allowed) or an "&H" hexadecimal number. A bound that is not numeric names a digital.
bool IsNumeric(const QString& text);

// The whole number a whole text stands for (IsNumeric, then the rounding above); std::nullopt
// when the text is no number or the number does not fit: a typed "=5" or "1e400" is refused,
// never taken as 0.
std::optional<qint32> ExactInt32(const QString& text);

} // namespace vokg
