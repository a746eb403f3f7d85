#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace vokg {

class CDigital;
class CMode;
class CModes;

// One data row of the parameter window: the digital it shows and what the window needs to
// know about it without looking it up again.
struct ParamRow {
    CMode* mode = nullptr;
    CDigital* digital = nullptr;
    bool onOff = false;       // selections exactly "OF" then "ON": toggled with Space
    bool specialMode = false; // the row belongs to a special mode
    bool manufacturerMode = false;
    bool neverMarked = false; // DB1 ... DB5 of a special mode carry no edit mark
    bool lastOfMode = false;  // the all-modes view draws a line under it
};

// The rows of a parameter window: which digitals it shows, in which order, and which of them
// carry marks. What a value may be is ParamRules' business.
class ParamRows {
public:
    // The digitals of one mode, in definition order; empty when the mode does not exist.
    static ParamRows ForMode(CModes& modes, const QString& modeName);
    // Every mode in definition order; manufacturer modes never, special modes on request.
    static ParamRows ForAllModes(CModes& modes, bool withSpecialModes);

    const std::vector<ParamRow>& Rows() const { return rows_; }
    qsizetype Count() const { return qsizetype(rows_.size()); }
    const ParamRow& At(qsizetype index) const { return rows_[size_t(index)]; }
    // The index of the row that shows `digital`.
    std::optional<qsizetype> IndexOf(const CDigital* digital) const;

    // The cell text differs from the model's user value.
    static bool DiffersFromModel(const ParamRow& row, const QString& cellText);
    // The row carries the edit mark: it differs, and it is not one of the marks-free rows.
    static bool IsEdited(const ParamRow& row, const QString& cellText);

private:
    void Index();

    std::vector<ParamRow> rows_;
    QHash<const CDigital*, qsizetype> indexOf_;
};

} // namespace vokg
