#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "platform/SheetApplication.h"
#include "platform/SheetError.h"
#include "platform/SheetPageSetup.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"

#include <QString>
#include <QVariant>

namespace vokg {

// Runs one step of a sheet export as an operation of its own: a sheet failure is reported under
// the step's name with the sheet's code and text, and the step gives false.
template <class Body> bool SheetStep(hlpkit::CMethod& method, const char* name, Body&& body) {
    return hlpkit::Guarded(method, QString::fromLatin1(name), false, [&] {
        try {
            body();
        } catch (const platform::SheetError& error) {
            throw hlpkit::RunError(error.Code(), error.Text());
        }
        return true;
    });
}

// Texts go into the sheet exactly as the program holds them: a leading apostrophe would
// otherwise be taken for the sheet's "this is text" mark and vanish.
inline QVariant SheetLiteral(const QString& text) {
    return text.startsWith(u'\'') ? QVariant(u'\'' + text) : QVariant(text);
}

// The last step of every sheet: the cursor to A1, the workbook saved as `file` (an existing file
// is replaced only once the new one is whole) or printed, and the sheet application closed.
inline void SaveOrPrintAndClose(platform::SheetApplication& application, platform::SheetWorkbook& book,
                                platform::SheetWorksheet& sheet, bool saveToFile, const QString& file) {
    sheet.Range(QStringLiteral("A1")).Select();
    if (saveToFile)
        book.SaveAs(file);
    else
        sheet.PrintOut(1, true);
    book.Close();
    application.Quit();
}

// The margins every sheet of ours prints with, in inches: 0.4 left, right and top, 0.3 at the
// bottom, 0.1 for the page header and footer.
inline void SetSheetMargins(platform::SheetPageSetup& page) {
    using platform::SheetApplication;
    page.SetLeftMargin(SheetApplication::InchesToPoints(0.4));
    page.SetRightMargin(SheetApplication::InchesToPoints(0.4));
    page.SetTopMargin(SheetApplication::InchesToPoints(0.4));
    page.SetBottomMargin(SheetApplication::InchesToPoints(0.3));
    page.SetHeaderMargin(SheetApplication::InchesToPoints(0.1));
    page.SetFooterMargin(SheetApplication::InchesToPoints(0.1));
}

} // namespace vokg
