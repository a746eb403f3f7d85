#include "editors/rules/ParamRules.h"

#include "editors/rules/TypedNumber.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/LenientNumber.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {

bool IsSel(const CDigital& digital) {
    return digital.InputType() == QLatin1String("SEL");
}

} // namespace

QString ParamRules::AllModesName() {
    return ResourceText(1046);
}

EntryVerdict ParamRules::ValidateEntry(const CDigital& digital, const QString& text, const QString& min,
                                       const QString& max) {
    if (IsBlankEntry(text))
        return EntryVerdict::Refuse(msg::InputValue);
    const bool lowBound = IsNumeric(min);
    const bool highBound = IsNumeric(max);
    // A choice is stored by its value, so any text that is not one of the choices would be lost
    // on saving; a numeric bound of a selection digital applies to that value.
    if (IsSel(digital)) {
        const std::optional<qint32> value = ChoiceValue(digital, text);
        if (!value)
            return EntryVerdict::RefuseWith(SelectionNotFoundText(text));
        if ((lowBound && *value < LenientValue(min)) || (highBound && *value > LenientValue(max)))
            return EntryVerdict::Refuse(msg::OutOfRange);
        return EntryVerdict::Accept(text);
    }
    const std::optional<double> value = TypedWholeNumber(text);
    if (!value)
        return EntryVerdict::Refuse(msg::InputValue);
    if ((lowBound && *value < LenientValue(min)) || (highBound && *value > LenientValue(max)))
        return EntryVerdict::Refuse(msg::OutOfRange);
    // What the field in the file can hold, whatever the definition's bounds say: a value the
    // save could not write is refused here, where the user still has it in hand.
    if (*value < digital.FieldMinimum() || *value > digital.FieldMaximum())
        return EntryVerdict::Refuse(msg::OutOfRange);
    return EntryVerdict::Accept(QString::number(qint64(*value)));
}

bool ParamRules::HasRange(const QString& min, const QString& max) {
    return IsNumeric(min) && IsNumeric(max);
}

bool ParamRules::InRange(const CDigital& digital, const QString& text, const QString& min,
                         const QString& max) {
    if (!HasRange(min, max))
        return true;
    std::optional<double> value;
    if (IsSel(digital)) {
        if (const std::optional<qint32> choice = ChoiceValue(digital, text))
            value = *choice;
    } else {
        value = TypedNumber(text);
    }
    return value && *value >= LenientValue(min) && *value <= LenientValue(max);
}

bool ParamRules::IsOnOff(const CDigital& digital) {
    const CSelections& choices = digital.Selections();
    return choices.Count() == 2 && choices.Item(qsizetype(1))->Selection() == QLatin1String("OF") &&
           choices.Item(qsizetype(2))->Selection() == QLatin1String("ON");
}

QString ParamRules::Toggled(const QString& text) {
    return text == QLatin1String("ON") ? QStringLiteral("OF") : QStringLiteral("ON");
}

std::optional<qint32> ParamRules::ChoiceValue(const CDigital& digital, const QString& text) {
    for (const CSelection& choice : digital.Selections()) {
        if (choice.Selection() == text)
            return choice.Value();
    }
    return std::nullopt;
}

QString ParamRules::DisplayValue(const CDigital& digital, qint32 value) {
    return IsSel(digital) ? digital.Selections().GetSelection(value) : QString::number(value);
}

QString ParamRules::ComboList(const CDigital& digital) {
    if (!IsSel(digital) || IsOnOff(digital))
        return {};
    QStringList texts;
    for (const CSelection& choice : digital.Selections())
        texts.append(choice.Selection());
    return texts.join(QLatin1Char('|'));
}

CDigital* ParamRules::FirstDigitalNamed(const CModes& modes, const QString& name) {
    for (CMode& mode : modes) {
        for (CDigital& digital : mode.Digits()) {
            if (digital.digital() == name)
                return &digital;
        }
    }
    return nullptr;
}

std::optional<qint32> ParamRules::BoundValue(const CDigital& digital, const QString& text) {
    if (IsSel(digital))
        return ChoiceValue(digital, text);
    const std::optional<double> value = TypedWholeNumber(text);
    if (!value || *value < digital.FieldMinimum() || *value > digital.FieldMaximum())
        return std::nullopt;
    return qint32(*value);
}

QString ParamRules::SelectionNotFoundText(const QString& text) {
    return CDigital::SelectionNotFoundText(text);
}

} // namespace vokg
