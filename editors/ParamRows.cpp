#include "editors/ParamRows.h"

#include "editors/rules/ParamRules.h"
#include "editors/rules/TypedNumber.h"
#include "model/AccessModes.h"
#include "model/CModes.h"

namespace vokg {

namespace {

ParamRow MakeRow(CMode& mode, CDigital& digital) {
    ParamRow row;
    row.mode = &mode;
    row.digital = &digital;
    row.onOff = ParamRules::IsOnOff(digital);
    row.specialMode = IsSpecialMode(mode.ModeName());
    row.manufacturerMode = IsManufacturerMode(mode.ModeName());
    static const QStringList kDipSwitches{QStringLiteral("DB1"), QStringLiteral("DB2"), QStringLiteral("DB3"),
                                          QStringLiteral("DB4"), QStringLiteral("DB5")};
    row.neverMarked = row.specialMode && kDipSwitches.contains(digital.digital());
    return row;
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

bool ParamRows::IsEdited(const ParamRow& row, const QString& cellText) {
    return !row.neverMarked && DiffersFromModel(row, cellText);
}

bool ParamRows::DiffersFromModel(const ParamRow& row, const QString& cellText) {
    const CDigital& digital = *row.digital;
    if (digital.InputType() == QLatin1String("SEL"))
        return cellText != digital.Selections().GetSelection(digital.UserValue());
    // A value cell holds a number's decimal text once accepted; compared as the number.
    const std::optional<double> value = TypedNumber(cellText);
    return !value || *value != double(digital.UserValue());
}

} // namespace vokg
