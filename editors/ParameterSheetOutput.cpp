#include "editors/ParameterSheetOutput.h"

#include "export/ParameterSheet.h"
#include "export/WorkbookFile.h"
#include "platform/gui/SheetPrinter.h"

namespace vokg {

bool ParameterSheetOutput::PrintParameters(const ParameterPrintJob& job,
                                           const std::function<void(const QString&)>& doing) {
    ParameterSheetRequest request;
    request.fileName = job.file;
    request.selectedModes = job.selectedModes;
    request.onlyDifferences = job.onlyDifferences;
    request.saveToFile = job.toFile;
    request.hasComparison = job.hasComparison;
    request.userTableNumber = job.userTableNumber;
    platform::SheetPrinter defaultPrinter;
    ParameterSheet sheet(modes_, method_);
    sheet.SetPrinter(printer_ != nullptr ? printer_ : &defaultPrinter);
    sheet.SetTextMeasure(measure_ ? measure_ : platform::SheetPrinter::FontMeasure());
    return sheet.PrintToExcel(request, doing);
}

int ParameterSheetOutput::WorkbookRefusal(const QString& file, const QStringList& filesInUse) {
    return WorkbookTargetMessage(CheckWorkbookTarget(file, filesInUse));
}

bool ParameterSheetOutput::ProbeWorkbook(const QString& file) {
    return ProbeWorkbookFile(file);
}

QString ParameterSheetOutput::WorkbookFilter() {
    return QString::fromLatin1(kWorkbookFilter);
}

QString ParameterSheetOutput::WorkbookExtension() {
    return QString::fromLatin1(kWorkbookDefaultExtension);
}

} // namespace vokg
