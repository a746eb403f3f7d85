#pragma once

#include <QString>
#include <QStringList>

namespace hlpkit {
class CMethod;
}

namespace vokg {

// The executable's base name: the title of every message box and the application name of
// the settings store.
QString ExecutableBaseName();

// Deletes the file when it exists. A missing file is no error; a file that exists and cannot
// be deleted is reported through `method` (procedure "df") and gives false.
bool df(hlpkit::CMethod& method, const QString& path);

// The chopping duty in percent: on ÷ (on + off) × 100, truncated toward zero, computed in
// whole numbers so that 29 / 100 gives 29. On + off = 0 is reported as code 11 "Division by
// zero" and a result that does not fit a 32-bit integer as code 6; both give 0.
int GetDutyPercent(int onTime, int offTime, hlpkit::CMethod& method);

// The centre page header of the sheet exports, in the spreadsheet's header codes: font size
// 10, optionally the file name, model, data version, user table, page of pages, date and time.
QString MakeExcelHeader(bool withFileName, const QString& model, const QString& version, int userTableNumber);

// The sheet column letters of column n (1 → "A", 26 → "Z", 27 → "AA"); empty for n below 1.
QString ColumnLetter(int n);

// The index of the first element, from `start` (0: the first element) to the last, that
// contains `text` (case-sensitive); -1 when none does or `start` lies past the end.
int FindInArray(const QString& text, const QStringList& lines, int start);

} // namespace vokg
