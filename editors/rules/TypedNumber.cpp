#include "editors/rules/TypedNumber.h"

#include "editors/rules/EntryVerdict.h"
#include "shell/messages/MessageIds.h"

#include <cmath>

namespace vokg {
namespace {

bool IsDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

} // namespace

bool IsBlankEntry(const QString& text) {
    return text.trimmed().isEmpty();
}

std::optional<double> TypedNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    if (at < trimmed.size() && (trimmed[at] == u'+' || trimmed[at] == u'-'))
        ++at;
    qsizetype digits = 0;
    while (at < trimmed.size() && IsDigit(trimmed[at])) {
        ++at;
        ++digits;
    }
    if (at < trimmed.size() && trimmed[at] == u'.') {
        ++at;
        while (at < trimmed.size() && IsDigit(trimmed[at])) {
            ++at;
            ++digits;
        }
    }
    if (digits == 0 || at != trimmed.size())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> TypedWholeNumber(const QString& text) {
    const std::optional<double> value = TypedNumber(text);
    if (!value)
        return std::nullopt;
    // The default rounding mode of the floating-point unit rounds ties to even.
    return std::nearbyint(*value);
}

EntryVerdict CheckNumberEntry(const QString& text, NumberRange range) {
    if (IsBlankEntry(text))
        return EntryVerdict::Refuse(msg::InputValue);
    const std::optional<double> value = TypedWholeNumber(text);
    if (!value)
        return EntryVerdict::Refuse(msg::InputValue);
    if (!range.Contains(*value))
        return EntryVerdict::Refuse(msg::OutOfRangeMinMax, range.min, range.max);
    return EntryVerdict::Accept(QString::number(qint64(*value)));
}

} // namespace vokg
