#pragma once

#include "platform/SheetTextMeasure.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace hlpkit {
class CMethod;
}
namespace platform {
class SheetPrintBackend;
class SheetWorksheet;
} // namespace platform

namespace vokg {

class CModes;

// What the print dialog (or the command line) asks of the parameter sheet.
struct ParameterSheetRequest {
    QString fileName;          // the workbook written when saveToFile is set
    QStringList selectedModes; // names of the modes to print; any order, each counted once
    bool onlyDifferences = false;
    bool saveToFile = false;    // false: print one collated copy
    bool hasComparison = false; // a comparison table is loaded: columns G and I are filled
    int userTableNumber = 1;    // "TableNo" of the page header
};

// The Doing event: one progress text at a time.
using SheetProgress = std::function<void(const QString& text)>;

// The parameter sheet "VOK-G Parameters": one row per printed digital with its mode, name,
// remark, unit, bounds, comparison value, user value and difference mark, formatted and set up
// for the page, then printed or saved as a workbook.
class ParameterSheet {
public:
    static constexpr auto kSheetName = "VOK-G Parameters";

    ParameterSheet(const CModes& modes, hlpkit::CMethod& method) : modes_(modes), method_(method) {}

    // The printer that a print (saveToFile clear) goes to; none: printing fails with a report.
    void SetPrinter(platform::SheetPrintBackend* printer) { printer_ = printer; }
    // Real font metrics for the fitted columns; none: an estimate from the characters.
    void SetTextMeasure(platform::SheetTextMeasure measure) { measure_ = std::move(measure); }

    // Builds the sheet and prints or saves it. A failure is reported through ErrReg under the
    // step that failed ("PrintToExcel", "PrintExcelRows", "ArrangeFace", "SetExcelFont",
    // "SetExcelBorders") and gives false; an existing workbook of that name is then left as it was.
    bool PrintToExcel(const ParameterSheetRequest& request, const SheetProgress& doing);

private:
    bool PrintExcelRows(platform::SheetWorksheet& sheet, const ParameterSheetRequest& request,
                        const SheetProgress& doing);
    bool ArrangeFace(platform::SheetWorksheet& sheet, const ParameterSheetRequest& request,
                     const SheetProgress& doing);
    bool SetExcelFont(platform::SheetWorksheet& sheet);
    bool SetExcelBorders(platform::SheetWorksheet& sheet);

    const CModes& modes_;
    hlpkit::CMethod& method_;
    platform::SheetPrintBackend* printer_ = nullptr;
    platform::SheetTextMeasure measure_;
};

// CModes.PrintToExcel as one call.
bool PrintToExcel(const CModes& modes, hlpkit::CMethod& method, const ParameterSheetRequest& request,
                  const SheetProgress& doing, platform::SheetPrintBackend* printer = nullptr,
                  platform::SheetTextMeasure measure = {});

} // namespace vokg
