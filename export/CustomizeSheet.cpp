#include "export/CustomizeSheet.h"

#include "export/SheetStep.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "platform/SheetApplication.h"
#include "platform/SheetArea.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SharedProcedures.h"

#include <QSet>

namespace vokg {

using platform::SheetBorderEdge;
using platform::SheetBorderWeight;
using platform::SheetHorizontalAlignment;
using platform::SheetWorksheet;

namespace {

constexpr int kHeadingGrey = 15;
constexpr int kFunctionField = 5;
// The signal after which the sheet leaves one empty row.
const char* const kGapAfter = "IP";

} // namespace

// Where each part of a row goes, for the direction being printed. The comparison block and
// the user block have the same shape; the difference mark sits between them.
struct CustomizeSheet::Layout {
    int columns = 0; // 8 or 16
    int comparison = 2;
    int dif = 0;
    int user = 0;
    bool output = false;

    explicit Layout(int inout) : output(inout == 1) {
        const int block = output ? 7 : 3; // function, logic, operation (and the four outputs)
        dif = comparison + block;
        user = dif + 1;
        columns = user + block - 1;
    }
};

QString CustomizeSheet::FunctionText(const CCusSelections& functions, qint32 value) {
    const CCusSelection* function = functions.Item(QString::number(value));
    if (function == nullptr)
        return QString::number(value);
    // A longer name keeps every character and one space before its description.
    const QString& name = function->Ditigal();
    return name.leftJustified(kFunctionField, QLatin1Char(' ')) +
           (name.size() >= kFunctionField ? QStringLiteral(" ") : QString()) + function->Advice();
}

QString CustomizeSheet::DutyText(const CCustom& row) const {
    qint32 onTime = row.ChoppingOnTime();
    qint32 offTime = row.ChoppingOffTime();
    QString code;
    CCustoms::GetDutyInfo(1, row, onTime, offTime, code);
    if (code != QLatin1String("MANUAL"))
        return code;
    // Two zero times have no percentage; the sheet says 0 rather than logging a division.
    const int percent = qint64(onTime) + offTime == 0 ? 0 : GetDutyPercent(onTime, offTime, method_);
    return QString::number(percent) + QStringLiteral("(MANUAL)");
}

bool CustomizeSheet::PrintToExcelCustomize(const CustomizeSheetRequest& request, const SheetProgress& doing) {
    auto report = [&doing](const QString& text) {
        if (doing)
            doing(text);
    };
    report(LoadMsg(264));
    platform::SheetApplication application(printer_, measure_);
    platform::SheetWorkbook* book = nullptr;
    if (!SheetStep(method_, "PrintToExcelCustomize", [&] { book = &application.AddWorkbook(); }))
        return false;
    SheetWorksheet& sheet = book->Worksheets(1);
    const Layout layout(request.inout);
    if (!SetTitle(sheet, layout) || !PrintExcelRowsCustomize(sheet, layout, request, report) ||
        !ArrangeFace(sheet, layout, request, report))
        return false;
    const bool finished = SheetStep(method_, "PrintToExcelCustomize", [&] {
        SaveOrPrintAndClose(application, *book, sheet, request.saveToFile, request.fileName);
    });
    if (!finished)
        return false;
    report(LoadMsg(266));
    return true;
}

bool CustomizeSheet::SetTitle(SheetWorksheet& sheet, const Layout& layout) {
    return SheetStep(method_, "SetTitle", [&] {
        const QString comparative = LoadMsg(528);
        QStringList block = {LoadMsg(279), LoadMsg(281)};
        if (layout.output)
            block << LoadMsg(282) << LoadMsg(285) << LoadMsg(288) << LoadMsg(287);
        sheet.Cells(1, 1).SetValue(LoadMsg(275));
        sheet.Cells(1, layout.comparison).SetValue(LoadMsg(276));
        sheet.Cells(1, layout.dif).SetValue(LoadMsg(277));
        sheet.Cells(1, layout.user).SetValue(LoadMsg(278));
        for (int index = 0; index < block.size(); ++index) {
            sheet.Cells(1, layout.comparison + 1 + index).SetValue(comparative + block[index]);
            sheet.Cells(1, layout.user + 1 + index).SetValue(block[index]);
        }
    });
}

void CustomizeSheet::PrintRow(SheetWorksheet& sheet, int sheetRow, int firstColumn, const CCustom& row,
                              const CustomizeSheetRequest& request) const {
    const CCusSelections& functions = request.inout == 0 ? inputs_ : outputs_;
    sheet.Cells(sheetRow, firstColumn).SetValue(SheetLiteral(FunctionText(functions, row.Kino())));
    sheet.Cells(sheetRow, firstColumn + 1)
        .SetValue(row.Logic() == 0 ? QStringLiteral("USUAL") : QStringLiteral("REV"));
    sheet.Cells(sheetRow, firstColumn + 2)
        .SetValue(row.Dosa() == 0 ? QStringLiteral("USUAL") : QStringLiteral("ALT"));
    if (request.inout != 1)
        return;
    // PrintExcelCustomizeOutputPart.
    sheet.Cells(sheetRow, firstColumn + 3).SetValue(row.OnDelayTime());
    sheet.Cells(sheetRow, firstColumn + 4).SetValue(row.OffDelayTime());
    sheet.Cells(sheetRow, firstColumn + 5).SetValue(DutyText(row));
    sheet.Cells(sheetRow, firstColumn + 6).SetValue(row.ZenpaTime());
}

bool CustomizeSheet::PrintExcelRowsCustomize(SheetWorksheet& sheet, const Layout& layout,
                                             const CustomizeSheetRequest& request,
                                             const SheetProgress& doing) {
    return SheetStep(method_, "PrintExcelRowsCustomize", [&] {
        const QSet<QString> selected(request.selectedGroups.cbegin(), request.selectedGroups.cend());
        int sheetRow = 1;
        for (const CCustom& user : user_) {
            // One direction a sheet: the rows of the other one never print, whatever is selected.
            if (user.INOUT() != request.inout)
                continue;
            const CCustom* comparison = comparison_.Item(user.Location());
            const CCustom& against = comparison != nullptr ? *comparison : user;
            if (!CCustoms::MustWrite(selected, request.onlyDifferences, request.hasComparison, against, user))
                continue;
            doing(LoadMsg(294) + user.Category() + QStringLiteral("  ") + user.Location());
            ++sheetRow;
            sheet.Cells(sheetRow, 1).SetValue(SheetLiteral(user.Location()));
            if (request.hasComparison) {
                PrintRow(sheet, sheetRow, layout.comparison, against, request);
                if (CCustoms::DoesDiff(against, user))
                    sheet.Cells(sheetRow, layout.dif).SetValue(QStringLiteral("*"));
            }
            PrintRow(sheet, sheetRow, layout.user, user, request);
            if (user.Location() == QLatin1String(kGapAfter))
                ++sheetRow;
        }
    });
}

bool CustomizeSheet::ArrangeFace(SheetWorksheet& sheet, const Layout& layout,
                                 const CustomizeSheetRequest& request, const SheetProgress& doing) {
    const platform::SheetArea used{1, 1, std::max(sheet.LastRow(), 1), layout.columns};
    doing(LoadMsg(267));
    if (!SheetStep(method_, "ArrangeFace", [&] { sheet.SetName(QString::fromLatin1(kSheetName)); }))
        return false;
    doing(LoadMsg(269));
    if (!SheetStep(method_, "SetExcelFont", [&] {
            platform::SheetRange all = sheet.Cells();
            all.SetFontName(QStringLiteral("Tahoma"));
            all.SetFontSize(8);
            platform::SheetRange heading =
                sheet.Range(platform::SheetArea{1, 1, 1, layout.columns}.Address());
            heading.SetWrapText(true);
            heading.SetHorizontalAlignment(SheetHorizontalAlignment::Center);
            heading.SetVerticalAlignment(platform::SheetVerticalAlignment::Center);
            heading.SetInteriorColorIndex(kHeadingGrey);
            heading.SetInteriorPattern(platform::SheetPattern::Solid);
            heading.SetInteriorPatternColorIndex(platform::kSheetColorAutomatic);
            for (int column = 1; column <= layout.columns; ++column)
                if (column != layout.comparison && column != layout.user)
                    sheet.Columns(ColumnLetter(column))
                        .SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        }))
        return false;
    doing(LoadMsg(270));
    if (!SheetStep(method_, "SetExcelBorders", [&] {
            platform::SheetRange range = sheet.Range(used);
            for (const SheetBorderEdge edge : {SheetBorderEdge::Left, SheetBorderEdge::Top,
                                               SheetBorderEdge::Bottom, SheetBorderEdge::Right})
                range.SetBorderWeight(edge, SheetBorderWeight::Thin);
            range.SetBorderWeight(SheetBorderEdge::InsideVertical, SheetBorderWeight::Hairline);
            range.SetBorderWeight(SheetBorderEdge::InsideHorizontal, SheetBorderWeight::Hairline);
        }))
        return false;
    doing(LoadMsg(268));
    if (!SheetStep(method_, "ArrangeFace", [&] {
            sheet.Columns(QStringLiteral("A")).SetColumnWidth(5);
            sheet.Columns(ColumnLetter(layout.comparison)).SetColumnWidth(25);
            sheet.Columns(ColumnLetter(layout.user)).SetColumnWidth(25);
            sheet.Columns(ColumnLetter(layout.dif)).SetColumnWidth(4);
            sheet.Cells().SetRowHeight(14);
            sheet.Rows(QStringLiteral("1:1")).SetRowHeight(40);
        }))
        return false;
    doing(LoadMsg(271));
    if (!SheetStep(method_, "ArrangeFace", [&] { sheet.SetDisplayGridlines(false); }))
        return false;
    doing(LoadMsg(272));
    return SheetStep(method_, "ArrangeFace", [&] {
        platform::SheetPageSetup& page = sheet.PageSetup();
        SetSheetMargins(page);
        page.SetZoom(80);
        page.SetOrientation(platform::SheetOrientation::Landscape);
        page.SetCenterHeader(
            MakeExcelHeader(request.saveToFile, request.model, request.version, request.userTableNumber));
    });
}

} // namespace vokg
