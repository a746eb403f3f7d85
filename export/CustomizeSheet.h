#pragma once

#include "export/ParameterSheet.h"
#include "platform/SheetTextMeasure.h"

#include <QString>
#include <QStringList>

namespace hlpkit {
class CMethod;
}
namespace platform {
class SheetPrintBackend;
class SheetWorksheet;
} // namespace platform

namespace vokg {

class CCusSelections;
class CCustom;
class CCustoms;

// What the print dialog (or the command line) asks of the customize sheet.
struct CustomizeSheetRequest {
    QString fileName;           // the workbook written when saveToFile is set
    QString model;              // the first page-header text: the user table's model name
    QString version;            // the second: its data version
    bool hasComparison = false; // the comparison columns are filled and differences marked
    QStringList selectedGroups; // categories to print; any order, each counted once
    int inout = 0;              // 0 the input layout (8 columns), 1 the output layout (16)
    bool onlyDifferences = false;
    bool saveToFile = false; // false: print one collated copy
    int userTableNumber = 1; // "TableNo" of the page header
};

// The customize sheet "VOK-G Customize": one row per printed signal of one direction, the
// comparison settings beside the user's, a "*" where they differ.
class CustomizeSheet {
public:
    static constexpr auto kSheetName = "VOK-G Customize";

    CustomizeSheet(const CCustoms& user, const CCustoms& comparison, const CCusSelections& inputs,
                   const CCusSelections& outputs, hlpkit::CMethod& method)
        : user_(user), comparison_(comparison), inputs_(inputs), outputs_(outputs), method_(method) {}

    void SetPrinter(platform::SheetPrintBackend* printer) { printer_ = printer; }
    void SetTextMeasure(platform::SheetTextMeasure measure) { measure_ = std::move(measure); }

    // CCustoms.PrintToExcelCustomize: builds the sheet and prints or saves it. A failure is
    // reported through ErrReg under the step that failed ("PrintToExcelCustomize",
    // "PrintExcelRowsCustomize", "ArrangeFace", "SetExcelFont", "SetExcelBorders", "SetTitle")
    // and gives false; an existing workbook of that name is then left as it was.
    bool PrintToExcelCustomize(const CustomizeSheetRequest& request, const SheetProgress& doing);

    // The cell texts: a function as its name in a field of five characters and its description,
    // a longer name followed by one space
    // (the number alone when the table lacks it); the duty as its code, a free one as its percentage
    // and "(MANUAL)".
    static QString FunctionText(const CCusSelections& functions, qint32 value);
    QString DutyText(const CCustom& row) const;

private:
    struct Layout;
    bool SetTitle(platform::SheetWorksheet& sheet, const Layout& layout);
    bool PrintExcelRowsCustomize(platform::SheetWorksheet& sheet, const Layout& layout,
                                 const CustomizeSheetRequest& request, const SheetProgress& doing);
    void PrintRow(platform::SheetWorksheet& sheet, int sheetRow, int firstColumn, const CCustom& row,
                  const CustomizeSheetRequest& request) const;
    bool ArrangeFace(platform::SheetWorksheet& sheet, const Layout& layout,
                     const CustomizeSheetRequest& request, const SheetProgress& doing);

    const CCustoms& user_;
    const CCustoms& comparison_;
    const CCusSelections& inputs_;
    const CCusSelections& outputs_;
    hlpkit::CMethod& method_;
    platform::SheetPrintBackend* printer_ = nullptr;
    platform::SheetTextMeasure measure_;
};

} // namespace vokg
