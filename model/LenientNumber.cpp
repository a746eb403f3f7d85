#include "model/LenientNumber.h"

#include "hlpkit/RunError.h"

#include <cmath>
#include <limits>

namespace vokg {
namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int HexDigit(QChar c) {
    if (IsDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

bool StartsHex(QStringView text, qsizetype at) {
    return at + 1 < text.size() && text[at] == u'&' && (text[at + 1] == u'H' || text[at + 1] == u'h');
}

// The number that starts at `at`: its value and where it ends (== at when there is none).
struct Scan {
    double value = 0;
    qsizetype end = 0;
};

Scan ScanHex(QStringView text, qsizetype at) {
    Scan scan{0, at};
    qsizetype i = at + 2;
    double value = 0;
    while (i < text.size() && HexDigit(text[i]) >= 0)
        value = value * 16 + HexDigit(text[i++]);
    if (i > at + 2)
        scan = {value, i};
    return scan;
}

Scan ScanDecimal(QStringView text, qsizetype at) {
    qsizetype i = at;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    double whole = 0;
    while (i < text.size() && IsDigit(text[i])) {
        whole = whole * 10 + (text[i].unicode() - u'0');
        ++i;
        ++digits;
    }
    // Almost every field is a plain whole number: it is taken as read, without the general
    // conversion (exact up to 15 digits).
    const bool plainWhole = digits > 0 && digits <= 15 &&
                            (i == text.size() || (text[i] != u'.' && text[i] != u'e' && text[i] != u'E'));
    if (plainWhole)
        return {text[at] == u'-' ? -whole : whole, i};
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return {0, at};
    // An exponent counts only when digits follow it, so "12E" is 12 and not an error.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentDigits = j;
        while (j < text.size() && IsDigit(text[j]))
            ++j;
        if (j > exponentDigits)
            i = j;
    }
    bool ok = false;
    const double value = text.mid(at, i - at).toDouble(&ok);
    // A number too large for a double is still a number: it reads as an infinity, so that
    // every rounding refuses it (overflow) instead of taking it as 0.
    if (!ok && std::isinf(value))
        return Scan{value, i};
    return ok ? Scan{value, i} : Scan{0, at};
}

qint64 RoundHalfEven(double value, qint64 low, qint64 high) {
    if (!std::isfinite(value))
        hlpkit::Raise(hlpkit::Overflow);
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1;
    if (rounded < double(low) || rounded > double(high))
        hlpkit::Raise(hlpkit::Overflow);
    return qint64(rounded);
}

} // namespace

double LenientValue(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (StartsHex(text, at))
        return ScanHex(text, at).value;
    return ScanDecimal(text, at).value;
}

qint32 RoundToInt32(double value) {
    return qint32(
        RoundHalfEven(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

qint16 RoundToInt16(double value) {
    return qint16(
        RoundHalfEven(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint32 LenientInt32(const QString& text) {
    return RoundToInt32(LenientValue(text));
}
qint16 LenientInt16(const QString& text) {
    return RoundToInt16(LenientValue(text));
}

std::optional<qint32> ExactInt32(const QString& text) {
    if (!IsNumeric(text))
        return std::nullopt;
    try {
        return RoundToInt32(LenientValue(text));
    } catch (const hlpkit::RunError&) {
        return std::nullopt;
    }
}

bool IsNumeric(const QString& text) {
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty())
        return false;
    const Scan scan = StartsHex(trimmed, 0) ? ScanHex(trimmed, 0) : ScanDecimal(trimmed, 0);
    return scan.end == trimmed.size();
}

} // namespace vokg
