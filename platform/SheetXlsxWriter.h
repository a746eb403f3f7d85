#pragma once

#include <QString>

namespace platform {

class SheetWorkbook;

// Writes a workbook as an Office Open XML (.xlsx) file through libxlsxwriter.
class SheetXlsxWriter {
public:
    // Throws SheetError (code 75, or 76 for a missing folder) when the file cannot be written;
    // an existing file at `path` is then left exactly as it was.
    static void Write(const SheetWorkbook& workbook, const QString& path);
};

} // namespace platform
