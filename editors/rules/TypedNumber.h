#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace vokg {

// A whole-number range, both ends included.
struct NumberRange {
    qint32 min = 0;
    qint32 max = 0;
    bool Contains(double value) const { return value >= min && value <= max; }
};

// A number as a user types it into a cell or gives it to the companion: blanks at both ends, an
// optional sign, digits and a decimal fraction ("12", " -3 ", "+7", "12.5", ".5"). Anything else
// is no number: "abc", "120abc", "1e3", "&H10", "0x10". The definition tables keep their own
// lenient reading; a typed value never becomes 0 or its leading digits by accident.
std::optional<double> TypedNumber(const QString& text);

// The typed number rounded to the nearest whole number, ties to the even neighbour (12.5 is 12,
// 13.5 is 14), as a double so that a number past 32 bits is still a number (out of any range).
std::optional<double> TypedWholeNumber(const QString& text);

// Blank: nothing but spaces. A blank entry is refused with message 24, never read as 0.
bool IsBlankEntry(const QString& text);

// Refusal with message 24 for a blank or no number, message 28 (with Min and Max) for a number
// outside `range`; otherwise the number's decimal text ("007" is "7", "12.5" is "12").
struct EntryVerdict;
EntryVerdict CheckNumberEntry(const QString& text, NumberRange range);

} // namespace vokg
