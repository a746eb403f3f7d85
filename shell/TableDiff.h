#pragma once

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace vokg {

class App;

// One value of a table as the comparisons show it: where it is and its text on each side.
struct TableField {
    QString name;     // "header.model", "digital MODE/NAME", "customize I3.kino", "feed X_P1_A[4]"
    QString userText; // decimal, or a quoted text
    QString comparisonText;
    // For a digital: its mode and its own name, as the parameter window shows them.
    QString mode = {};
    QString digital = {};
    // A value that is compared but never shown: a password, or a digital of a mode still locked.
    bool hidden = false;
};

// The values of one side of the App's tables, in model order, as the comparisons read them.
// Taken apart from the model, so that two states of the same side (the table as the file holds it
// and as a save is about to write it) can be compared as well as the user and comparison sides.
struct TableValues {
    QString model;
    QString version;
    // The author and password: listed by the review of a save only, never by the comparison of
    // two tables (a password's text is never shown).
    std::optional<QString> author = std::nullopt;
    std::optional<QString> password = std::nullopt;
    QList<qint32> digitals;               // every digital of every mode
    QList<std::array<qint32, 8>> customs; // kino logic dosa on_delay off_delay chopping_on chopping_off zenpa
    QList<QList<int>> feed;               // the arrays of FeedKeys(); empty without feed data
};

enum class TableSide { User, Comparison };

// The values a side holds now; `withRecord` adds the user side's author and password.
TableValues ValuesOf(App& app, TableSide side, bool withRecord = false);

// Which modes may show their values: the special and manufacturer modes only when unlocked. A
// locked mode is left out of a comparison, or (`listLocked`, for the review of a save, which must
// count everything it writes) listed with its values hidden.
struct FieldAccess {
    bool special = false;
    bool manufacturer = false;
    bool listLocked = false;
};

// Every field of `a` beside `b`, in model order: header, digitals, customize rows, feed arrays
// (axis, long, other; the pitch view is a view of axis bytes and is not listed again).
QList<TableField> CompareFields(App& app, const TableValues& a, const TableValues& b,
                                const FieldAccess& access);
// The user table beside the comparison table.
QList<TableField> CompareFields(App& app, bool special, bool manufacturer);

// A text in double quotes, with quotes and backslashes escaped.
QString Quoted(const QString& text);

// One field whose two sides differ.
struct TableDifference {
    int table = 0; // 0 when a single pair of tables is compared
    TableField field;

    // What the field belongs to: "header", "digital", "customize" or "feed".
    QString Kind() const;
    // "table 2: digital SEWING/SOFTST: 1 -> 0"; without the table part for a single pair; a
    // hidden field says "changed" instead of its values.
    QString Line() const;
};

// The comparison of two tables, or of every table two files have in common, over the App's
// user and comparison sides.
class TableDiff {
public:
    // Tables of the file: 8 for a design file, 16 otherwise.
    static int TableCount(const QString& path);

    // The tables to compare: {0} for one pair, else 1 .. the smaller file's count.
    static QList<int> Tables(const QString& pathA, const QString& pathB, bool allTables);

    // For each table, `openBoth(table)` reads the pair into the user and the comparison side (for
    // table 0 the pair it was told of); the fields that differ are listed in table and model order.
    // std::nullopt as soon as an open fails: a partial list would read as "no more differences".
    static std::optional<QList<TableDifference>> Compare(App& app, const QList<int>& tables,
                                                         const std::function<bool(int table)>& openBoth,
                                                         bool special, bool manufacturer);

    // What a save of the user side into `tables` of `source` changes there: each table as the
    // file holds it now (old) beside the values about to be written (new), author and password
    // included, locked modes counted with their values hidden. The model is left exactly as it
    // was; std::nullopt (reported by the reader) when a table cannot be read.
    static std::optional<QList<TableDifference>>
    ChangesOfSave(App& app, const QString& source, const QList<int>& tables, const FieldAccess& access);
};

} // namespace vokg
