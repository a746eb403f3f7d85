#pragma once

#include "platform/SheetPrintBackend.h"
#include "platform/SheetTextMeasure.h"

#include <QDateTime>
#include <QString>

namespace platform {

struct SheetPage;

// Prints worksheets with QPrinter: cells with their fonts, fills, borders, widths and heights,
// cut into pages by the sheet's margins and zoom, each page with the sheet's header and footer
// (page numbers, date and time filled in) and the print title rows when the sheet asks for
// them. Goes to the default printer, or into a PDF file when one is set.
class SheetPrinter : public SheetPrintBackend {
public:
    // An empty path: the default printer again.
    void SetPdfOutput(const QString& path) { pdfPath_ = path; }
    // The moment "&D" and "&T" show; the time of printing when not set.
    void SetPrintTime(const QDateTime& moment) { printTime_ = moment; }
    void PrintSheet(const SheetWorksheet& sheet, int copies, bool collate) override;
    int LastPageCount() const { return lastPageCount_; }

    // Text widths from the real font metrics, for AutoFit (needs a QGuiApplication).
    static SheetTextMeasure FontMeasure();

private:
    QString pdfPath_;
    QDateTime printTime_;
    int lastPageCount_ = 0;
};

} // namespace platform
