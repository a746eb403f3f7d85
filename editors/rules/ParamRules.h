#pragma once

#include "editors/rules/EntryVerdict.h"

#include <QString>

#include <optional>

namespace vokg {

class CDigital;
class CModes;

// The rules of a parameter value, whoever enters it: the parameter window's value cell and the
// companion's MODE/DIGITAL=VALUE both ask these functions, so one text gets one answer.
class ParamRules {
public:
    // The caption of the all-modes view ("All"), which is no mode of the definitions.
    static QString AllModesName();

    // A typed value checked against the digital and the bounds its row shows (MIN and MAX after
    // bounds by name): the text to store, or the refusal.
    // - blank (nothing, or only spaces): message 24;
    // - a "SEL" digital: the exact text of one of its choices, else the model's selection text
    //   ("UpdateUserValue:cannot find selection ->" + text); a choice whose value lies outside
    //   numeric MIN..MAX: message 12;
    // - any other digital: a number (TypedNumber; else message 24), rounded half to even, within
    //   numeric MIN and MAX and within what its 1- or 2-byte field holds (else message 12). The
    //   text to store is the whole number's decimal form.
    static EntryVerdict ValidateEntry(const CDigital& digital, const QString& text, const QString& min,
                                      const QString& max);

    // For the range check over a whole window: the value lies within numeric MIN and MAX. Rows
    // whose bounds are not both numbers are always in range; a value that is not a number (or not
    // a choice) is not.
    static bool InRange(const CDigital& digital, const QString& text, const QString& min, const QString& max);
    // Both bounds are numbers, so the range check looks at the row.
    static bool HasRange(const QString& min, const QString& max);

    // Selections exactly "OF" then "ON": the value is toggled with Space, never typed.
    static bool IsOnOff(const CDigital& digital);
    // Space on an ON/OFF value: "ON" becomes "OF", anything else "ON".
    static QString Toggled(const QString& text);
    // The value of the choice whose text is exactly `text`.
    static std::optional<qint32> ChoiceValue(const CDigital& digital, const QString& text);
    // What a value shows: the selection text of a "SEL" digital, otherwise the decimal number.
    static QString DisplayValue(const CDigital& digital, qint32 value);
    // The drop-down list of an edit: the selection texts joined by "|" for a "SEL" digital
    // (none for an ON/OFF digital, which is toggled), otherwise none.
    static QString ComboList(const CDigital& digital);

    // Bounds by name: the digital a bound names is the first of that name, modes in order.
    static CDigital* FirstDigitalNamed(const CModes& modes, const QString& name);
    // The whole number a value text gives the bounds that name its digital; none for a text
    // that is no value of the digital.
    static std::optional<qint32> BoundValue(const CDigital& digital, const QString& text);

    // The text the model shows for a choice it does not have.
    static QString SelectionNotFoundText(const QString& text);
};

} // namespace vokg
