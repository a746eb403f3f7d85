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

// The rows of a parameter window and the rules for the values typed into them. Nothing here
// needs a window, so the rules can be checked on their own.
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

    static bool IsOnOff(const CDigital& digital);
    // What the value column shows for a value: the selection text of a "SEL" digital,
    // otherwise the decimal number.
    static QString DisplayValue(const CDigital& digital, qint32 value);
    // The drop-down list of an edit: the selection texts joined by "|" for a "SEL" digital
    // (none for an ON/OFF digital, which is toggled), otherwise none.
    static QString ComboList(const CDigital& digital);
    // The cell text differs from the model's user value.
    static bool DiffersFromModel(const ParamRow& row, const QString& cellText);
    // The row carries the edit mark: it differs, and it is not one of the marks-free rows.
    static bool IsEdited(const ParamRow& row, const QString& cellText);
    // Space on an ON/OFF row: "ON" becomes "OF", anything else "ON".
    static QString Toggled(const QString& text);

    // A typed value checked against the row: the text to store, or the message that refuses
    // it (24 empty, 12 out of range or not one of the choices).
    struct Verdict {
        std::optional<QString> accepted;
        int message = 0;
    };
    static Verdict ValidateEntry(const CDigital& digital, const QString& text, const QString& min,
                                 const QString& max);
    // For the range check: the value lies within numeric MIN and MAX. Rows whose bounds are not
    // both numbers are always in range; a value that is not a number (or not a choice) is not.
    static bool InRange(const CDigital& digital, const QString& text, const QString& min, const QString& max);
    // Both bounds are numbers, so the range check looks at the row.
    static bool HasRange(const QString& min, const QString& max);

    // The first digital, modes in order, named `name` (bounds name digitals this way).
    static CDigital* FirstDigitalNamed(const CModes& modes, const QString& name);

private:
    void Index();

    std::vector<ParamRow> rows_;
    QHash<const CDigital*, qsizetype> indexOf_;
};

} // namespace vokg
