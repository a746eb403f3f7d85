#pragma once

#include "platform/SheetTextMeasure.h"

#include <memory>
#include <vector>

namespace platform {

class SheetPrintBackend;
class SheetWorkbook;

// The spreadsheet application of the sheet exports: it holds the open workbooks, the printer
// they print on (none: printing fails with a message) and the measure that column AutoFit uses
// (none: an estimate from the characters). Quit, or the end of the object, closes every workbook
// without saving.
class SheetApplication {
public:
    explicit SheetApplication(SheetPrintBackend* printer = nullptr, SheetTextMeasure measure = {});
    ~SheetApplication();
    SheetApplication(const SheetApplication&) = delete;
    SheetApplication& operator=(const SheetApplication&) = delete;

    // Workbooks.Add: a new workbook with one empty worksheet.
    SheetWorkbook& AddWorkbook();
    int WorkbookCount() const { return static_cast<int>(workbooks_.size()); }

    static constexpr double InchesToPoints(double inches) { return inches * 72.0; }

    SheetPrintBackend* PrintBackend() const { return printer_; }
    void SetPrintBackend(SheetPrintBackend* printer) { printer_ = printer; }
    const SheetTextMeasure& TextMeasure() const { return measure_; }
    void SetTextMeasure(SheetTextMeasure measure) { measure_ = std::move(measure); }

    void CloseWorkbook(SheetWorkbook& workbook);
    void Quit();

private:
    SheetPrintBackend* printer_;
    SheetTextMeasure measure_;
    std::vector<std::unique_ptr<SheetWorkbook>> workbooks_;
    int booksAdded_ = 0;
};

} // namespace platform
