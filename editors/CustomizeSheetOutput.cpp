#include "editors/CustomizeSheetOutput.h"

#include "export/CustomizeSheet.h"
#include "model/CModes.h"
#include "platform/gui/SheetPrinter.h"

namespace vokg {

bool CustomizeSheetOutput::PrintCustomize(const CustomizePrintJob& job,
                                          const std::function<void(const QString&)>& doing) {
    CustomizeSheetRequest request;
    request.fileName = job.file;
    request.model = modes_.KishuName();
    request.version = modes_.DataVersion();
    request.hasComparison = job.hasComparison;
    request.selectedGroups = job.selectedGroups;
    request.inout = job.inout;
    request.onlyDifferences = job.onlyDifferences;
    request.saveToFile = job.toFile;
    request.userTableNumber = job.userTableNumber;
    platform::SheetPrinter defaultPrinter;
    CustomizeSheet sheet(user_, comparison_, inputs_, outputs_, method_);
    sheet.SetPrinter(Printer() != nullptr ? Printer() : &defaultPrinter);
    sheet.SetTextMeasure(Measure() ? Measure() : platform::SheetPrinter::FontMeasure());
    return sheet.PrintToExcelCustomize(request, doing);
}

} // namespace vokg
