#include "editors/FeedSheetOutput.h"

#include "export/FeedSheet.h"
#include "model/CModes.h"
#include "platform/gui/SheetPrinter.h"
#include "shell/messages/SharedProcedures.h"

namespace vokg {

bool FeedSheetOutput::PrintFeed(const FeedPrintJob& job, const std::function<void(const QString&)>& doing) {
    FeedSheetRequest request;
    request.fileName = job.file;
    request.title = job.title;
    request.pageHeader =
        MakeExcelHeader(job.toFile, modes_.KishuName(), modes_.DataVersion(), job.userTableNumber);
    request.hasComparison = job.hasComparison;
    request.keys = job.keys;
    request.onlyDifferences = job.onlyDifferences;
    request.saveToFile = job.toFile;
    platform::SheetPrinter printer;
    FeedSheet sheet(user_, comparison_, method_);
    sheet.SetPrinter(&printer);
    sheet.SetTextMeasure(platform::SheetPrinter::FontMeasure());
    return job.pitchWindow ? sheet.PrintToExcel2(request, doing) : sheet.PrintToExcel(request, doing);
}

} // namespace vokg
