#pragma once

#include <QString>

namespace platform {

class SheetWorksheet;

// Puts a worksheet on paper. The object model knows no printer; the program hands it one
// (gui/SheetPrinter) when it can print.
class SheetPrintBackend {
public:
    virtual ~SheetPrintBackend() = default;
    // Throws SheetError when the sheet cannot be printed.
    virtual void PrintSheet(const SheetWorksheet& sheet, int copies, bool collate) = 0;
};

} // namespace platform
