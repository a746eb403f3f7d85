#include "editors/ParamRows.h"

#include "hlpkit/RunError.h"
#include "model/AccessModes.h"
#include "model/CModes.h"
#include "model/LenientNumber.h"

#include <cmath>

namespace vokg {

namespace {

ParamRow MakeRow(CMode& mode, CDigital& digital) {
    ParamRow row;
    row.mode = &mode;
    row.digital = &digital;
    row.onOff = ParamRows::IsOnOff(digital);
    row.specialMode = IsSpecialMode(mode.ModeName());
    row.manufacturerMode = IsManufacturerMode(mode.ModeName());
    static const QStringList kDipSwitches{QStringLiteral("DB1"), QStringLiteral("DB2"), QStringLiteral("DB3"),
                                          QStringLiteral("DB4"), QStringLiteral("DB5")};
    row.neverMarked = row.specialMode && kDipSwitches.contains(digital.digital());
    return row;
}

bool IsSel(const CDigital& digital) {
    return digital.InputType() == QLatin1String("SEL");
}

// The choice's value, when the text is one of the digital's choices.
std::optional<qint32> ChoiceValue(const CDigital& digital, const QString& text) {
    for (const CSelection& choice : digital.Selections()) {
        if (choice.Selection() == text)
            return choice.Value();
    }
    return std::nullopt;
}

// The whole number a typed text stands for, or nothing when it overflows 32 bits.
std::optional<qint32> WholeNumber(const QString& text) {
    try {
        return LenientInt32(text);
    } catch (const hlpkit::RunError&) {
        return std::nullopt;
    }
}

} // namespace

ParamRows ParamRows::ForMode(CModes& modes, const QString& modeName) {
    ParamRows rows;
    if (CMode* mode = modes.Item(modeName)) {
        for (CDigital& digital : mode->Digits())
            rows.rows_.push_back(MakeRow(*mode, digital));
    }
    if (!rows.rows_.empty())
        rows.rows_.back().lastOfMode = true;
    rows.Index();
    return rows;
}

ParamRows ParamRows::ForAllModes(CModes& modes, bool withSpecialModes) {
    ParamRows rows;
    rows.rows_.reserve(size_t(modes.AllDititalCount()));
    for (CMode& mode : modes) {
        if (IsManufacturerMode(mode.ModeName()) || (IsSpecialMode(mode.ModeName()) && !withSpecialModes))
            continue;
        const size_t before = rows.rows_.size();
        for (CDigital& digital : mode.Digits())
            rows.rows_.push_back(MakeRow(mode, digital));
        if (rows.rows_.size() > before)
            rows.rows_.back().lastOfMode = true;
    }
    rows.Index();
    return rows;
}

void ParamRows::Index() {
    indexOf_.reserve(qsizetype(rows_.size()));
    for (size_t i = 0; i < rows_.size(); ++i)
        indexOf_.insert(rows_[i].digital, qsizetype(i));
}

std::optional<qsizetype> ParamRows::IndexOf(const CDigital* digital) const {
    const auto found = indexOf_.constFind(digital);
    if (found == indexOf_.constEnd())
        return std::nullopt;
    return *found;
}

bool ParamRows::IsOnOff(const CDigital& digital) {
    const CSelections& choices = digital.Selections();
    return choices.Count() == 2 && choices.Item(qsizetype(1))->Selection() == QLatin1String("OF") &&
           choices.Item(qsizetype(2))->Selection() == QLatin1String("ON");
}

QString ParamRows::DisplayValue(const CDigital& digital, qint32 value) {
    return IsSel(digital) ? digital.Selections().GetSelection(value) : QString::number(value);
}

QString ParamRows::ComboList(const CDigital& digital) {
    if (!IsSel(digital) || IsOnOff(digital))
        return {};
    QStringList texts;
    for (const CSelection& choice : digital.Selections())
        texts.append(choice.Selection());
    return texts.join(QLatin1Char('|'));
}

bool ParamRows::IsEdited(const ParamRow& row, const QString& cellText) {
    return !row.neverMarked && DiffersFromModel(row, cellText);
}

bool ParamRows::DiffersFromModel(const ParamRow& row, const QString& cellText) {
    const CDigital& digital = *row.digital;
    if (IsSel(digital))
        return cellText != digital.Selections().GetSelection(digital.UserValue());
    // A number typed without a range rule is compared as the number it stands for.
    if (!IsNumeric(cellText))
        return true;
    return LenientValue(cellText) != double(digital.UserValue());
}

QString ParamRows::Toggled(const QString& text) {
    return text == QLatin1String("ON") ? QStringLiteral("OF") : QStringLiteral("ON");
}

bool ParamRows::HasRange(const QString& min, const QString& max) {
    return IsNumeric(min) && IsNumeric(max);
}

ParamRows::Verdict ParamRows::ValidateEntry(const CDigital& digital, const QString& text, const QString& min,
                                            const QString& max) {
    if (text.isEmpty())
        return {std::nullopt, 24};
    // A choice is stored by its value, so any text that is not one of the choices would be
    // lost on saving; a numeric bound of a selection digital applies to that value.
    if (IsSel(digital)) {
        const std::optional<qint32> value = ChoiceValue(digital, text);
        if (!value)
            return {std::nullopt, 12};
        if (IsNumeric(min) && IsNumeric(max) && (*value < LenientValue(min) || *value > LenientValue(max)))
            return {std::nullopt, 12};
        return {text, 0};
    }
    if (!IsNumeric(min))
        return {text, 0};
    const std::optional<qint32> value = WholeNumber(text);
    if (!value || *value < LenientValue(min) || (IsNumeric(max) && *value > LenientValue(max)))
        return {std::nullopt, 12};
    return {QString::number(*value), 0};
}

bool ParamRows::InRange(const CDigital& digital, const QString& text, const QString& min,
                        const QString& max) {
    if (!HasRange(min, max))
        return true;
    std::optional<double> value;
    if (IsSel(digital)) {
        if (const std::optional<qint32> choice = ChoiceValue(digital, text))
            value = *choice;
    } else if (IsNumeric(text)) {
        value = LenientValue(text);
    }
    return value && *value >= LenientValue(min) && *value <= LenientValue(max);
}

CDigital* ParamRows::FirstDigitalNamed(const CModes& modes, const QString& name) {
    for (CMode& mode : modes) {
        for (CDigital& digital : mode.Digits()) {
            if (digital.digital() == name)
                return &digital;
        }
    }
    return nullptr;
}

} // namespace vokg
