#pragma once

#include "hlpkit/RunError.h"

#include <QString>
#include <QStringList>

namespace vokg {

// One TAB-separated definition table (Set01.e ... Set07.e): code page 932 text, one record per
// line, no header, no comments, no quoting. Lines end in CR LF or LF; a final line break does not
// make an extra record.
class DefinitionFile {
public:
    // Reads the whole file; throws RunError 53 (missing) or 75 (unreadable) naming the path.
    static DefinitionFile Open(const QString& path);

    const QString& FileName() const { return fileName_; }
    qsizetype LineCount() const { return qsizetype(lines_.size()); }

    // The fields of line `index` (0-based). A blank line or one with fewer than `minFields`
    // fields throws RunError 9 naming the file and line: a definition table has no empty records.
    // A control character other than the TAB between fields (a NUL, an escape, a lone CR) throws
    // RunError 5 naming the field.
    QStringList Fields(qsizetype index, int minFields) const;

    // Field `field` of a line read as a number (LenientInt32 / LenientInt16); a number that does
    // not fit throws RunError 6 naming the file, line and field.
    qint32 Int32Field(qsizetype index, const QStringList& fields, int field) const;
    qint16 Int16Field(qsizetype index, const QStringList& fields, int field) const;

    // A failure at line `index`: the standard text of `code`, then where and what.
    hlpkit::RunError LineError(int code, qsizetype index, const QString& detail) const;

    // Blanks (spaces only) removed at both ends, as the tables' texts are trimmed.
    static QString TrimSpaces(const QString& text);

private:
    QString fileName_;
    QString text_;             // the whole decoded file
    QList<QStringView> lines_; // views into text_, without their line ends
};

} // namespace vokg
