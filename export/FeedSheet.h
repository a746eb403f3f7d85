#pragma once

#include "platform/SheetTextMeasure.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace hlpkit {
class CMethod;
}
namespace platform {
class SheetApplication;
class SheetPrintBackend;
class SheetWorkbook;
class SheetWorksheet;
} // namespace platform

namespace vokg {

class COkuris;

// What the print dialog (or the command line) asks of a feed sheet.
struct FeedSheetRequest {
    QString fileName;   // the workbook written when saveToFile is set
    QString title;      // what the sheet prints (the window's caption)
    QString pageHeader; // the centre header of the page (MakeExcelHeader)
    bool hasComparison = false;
    // PrintToExcel: the arrays, one block each. PrintToExcel2: the pitch window's kind caption
    // ("Setting of each pitch", "Sending parameter X" or "Sending parameter Y") first.
    QStringList keys;
    bool onlyDifferences = false;
    bool saveToFile = false; // false: print one collated copy
};

using FeedSheetProgress = std::function<void(const QString& text)>;

// The feed sheets "VOK-G Pitch prameters" of the user feed data beside the comparison feed data:
// one block per array (PrintToExcel), or one pitch window's arrays as a comparison block and a
// user block side by side with the differing pairs shaded (PrintToExcel2). Row labels are texts
// ("0.1-0.4", "20.0"), so that the spreadsheet never reads them as numbers.
class FeedSheet {
public:
    FeedSheet(COkuris& user, COkuris& comparison, hlpkit::CMethod& method)
        : user_(user), comparison_(comparison), method_(method) {}

    void SetPrinter(platform::SheetPrintBackend* printer) { printer_ = printer; }
    void SetTextMeasure(platform::SheetTextMeasure measure) { measure_ = std::move(measure); }

    // A failure is reported through ErrReg under the step that failed and gives false; an
    // existing workbook of that name is then left as it was.
    bool PrintToExcel(const FeedSheetRequest& request, const FeedSheetProgress& doing);
    bool PrintToExcel2(const FeedSheetRequest& request, const FeedSheetProgress& doing);

    // The keys of a pitch window's kind caption, in column order; empty for another caption.
    static QStringList PitchWindowKeys(const QString& caption);

private:
    bool ArrangeFaceBefore(platform::SheetWorksheet& sheet, const FeedSheetRequest& request,
                           const FeedSheetProgress& doing);
    bool PrintExcelRows(platform::SheetWorksheet& sheet, const FeedSheetRequest& request, const QString& key,
                        int& row, const FeedSheetProgress& doing);
    bool PrintExcelRows2(platform::SheetWorksheet& sheet, const FeedSheetRequest& request,
                         const FeedSheetProgress& doing);
    bool Finish(platform::SheetApplication& application, platform::SheetWorkbook& book,
                platform::SheetWorksheet& sheet, const FeedSheetRequest& request,
                const FeedSheetProgress& doing);

    COkuris& user_;
    COkuris& comparison_;
    hlpkit::CMethod& method_;
    platform::SheetPrintBackend* printer_ = nullptr;
    platform::SheetTextMeasure measure_;
};

} // namespace vokg
