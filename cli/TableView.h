#pragma once

#include <QList>
#include <QString>

namespace vokg {
class App;
}

namespace vokg::cli {

// One value of a table as the commands show it: where it is and its text on each side.
struct TableField {
    QString name;     // "header.model", "digital MODE/NAME", "customize I3.kino", "feed X_P1_A[4]"
    QString userText; // decimal, or a quoted text
    QString comparisonText;
};

// Every field of the user table beside the comparison table, in model order: header, digitals
// (special and manufacturer modes only when unlocked), customize rows, feed arrays (axis, long,
// other; the pitch view is a view of axis bytes and is not listed again).
QList<TableField> CompareFields(App& app, bool special, bool manufacturer);

// A text in double quotes, with quotes and backslashes escaped.
QString Quoted(const QString& text);

} // namespace vokg::cli
