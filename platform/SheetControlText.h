#pragma once

#include <QString>

namespace platform {

// Texts from data files may hold control characters. A workbook cannot store most of them (its
// XML has no place for them, and one in a page header leaves a file that will not open) and a
// printed page shows them as nothing, so a sheet keeps each one visible as "\u001B", the way the
// command line shows it: in cells and in page headers and footers alike. Tab, line feed and
// carriage return stay as they are: a workbook holds them and a cell shows them as spacing and
// line breaks.
QString SheetVisibleText(const QString& text);

} // namespace platform
