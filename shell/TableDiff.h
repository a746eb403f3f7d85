#pragma once

#include <QList>
#include <QString>

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
};

// Every field of the user table beside the comparison table, in model order: header, digitals
// (special and manufacturer modes only when unlocked), customize rows, feed arrays (axis, long,
// other; the pitch view is a view of axis bytes and is not listed again).
QList<TableField> CompareFields(App& app, bool special, bool manufacturer);

// A text in double quotes, with quotes and backslashes escaped.
QString Quoted(const QString& text);

// One field whose two sides differ.
struct TableDifference {
    int table = 0; // 0 when a single pair of tables is compared
    TableField field;

    // What the field belongs to: "header", "digital", "customize" or "feed".
    QString Kind() const;
    // "table 2: digital SEWING/SOFTST: 1 -> 0"; without the table part for a single pair.
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
};

} // namespace vokg
