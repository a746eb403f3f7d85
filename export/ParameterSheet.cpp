#include "export/ParameterSheet.h"

#include "export/SheetStep.h"
#include "hlpkit/RunError.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/CSelections.h"
#include "platform/SheetApplication.h"
#include "platform/SheetError.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SharedProcedures.h"

#include <QRegularExpression>
#include <QSet>

namespace vokg {
namespace {

using platform::SheetBorderEdge;
using platform::SheetBorderWeight;
using platform::SheetHorizontalAlignment;
using platform::SheetWorksheet;

enum Column : int { kMode = 1, kDigital, kRemark, kUnit, kMin, kMax, kComparative, kValue, kDif };

constexpr int kHeadingGrey = 15;

QVariant Literal(const QString& text) {
    return SheetLiteral(text);
}

// A bound is a number on the sheet when it reads back as the very same text; "1.50", "007"
// or a bound given by name stay texts so that nothing of them is lost.
QVariant Bound(const QString& text) {
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]{1,15}(\\.[0-9]{1,15})?$"));
    if (plainNumber.match(text).hasMatch()) {
        const double number = text.toDouble();
        if (QString::number(number, 'g', 17) == text)
            return number;
    }
    return Literal(text);
}

QVariant ValueText(const CDigital& digital, qint32 value) {
    if (digital.InputType() == QLatin1String("SEL"))
        return Literal(digital.Selections().GetSelection(value));
    return value;
}

} // namespace

bool ParameterSheet::PrintToExcel(const ParameterSheetRequest& request, const SheetProgress& doing) {
    auto report = [&doing](const QString& text) {
        if (doing)
            doing(text);
    };
    report(LoadMsg(264));
    platform::SheetApplication application(printer_, measure_);
    platform::SheetWorkbook* book = nullptr;
    if (!SheetStep(method_, "PrintToExcel", [&] { book = &application.AddWorkbook(); }))
        return false;
    SheetWorksheet& sheet = book->Worksheets(1);
    if (!PrintExcelRows(sheet, request, report) || !ArrangeFace(sheet, request, report))
        return false;
    const bool finished = SheetStep(method_, "PrintToExcel", [&] {
        SaveOrPrintAndClose(application, *book, sheet, request.saveToFile, request.fileName);
    });
    if (!finished)
        return false;
    report(LoadMsg(266));
    return true;
}

bool ParameterSheet::PrintExcelRows(SheetWorksheet& sheet, const ParameterSheetRequest& request,
                                    const SheetProgress& doing) {
    return SheetStep(method_, "PrintExcelRows", [&] {
        const QStringList headings = {LoadMsg(296), LoadMsg(297),          LoadMsg(298),
                                      LoadMsg(299), QStringLiteral("MIN"), QStringLiteral("MAX"),
                                      LoadMsg(300), LoadMsg(301),          LoadMsg(302)};
        for (int column = kMode; column <= kDif; ++column)
            sheet.Cells(1, column).SetValue(headings.at(column - 1));
        const QSet<QString> selected(request.selectedModes.cbegin(), request.selectedModes.cend());
        // Only differences means something only beside a comparison table; without one every row prints.
        const bool onlyDifferences = request.onlyDifferences && request.hasComparison;
        int row = 1;
        for (const CMode& mode : modes_) {
            if (!selected.contains(mode.ModeName()))
                continue;
            for (const CDigital& digital : mode.Digits()) {
                doing(LoadMsg(294) + mode.ModeName() + QStringLiteral("  ") + digital.digital());
                const bool differs = digital.CmpValue() != digital.UserValue();
                if (onlyDifferences && !differs)
                    continue;
                ++row;
                sheet.Cells(row, kMode).SetValue(Literal(mode.ModeName()));
                sheet.Cells(row, kDigital).SetValue(Literal(digital.digital()));
                sheet.Cells(row, kRemark).SetValue(Literal(digital.Advice()));
                sheet.Cells(row, kUnit).SetValue(Literal(digital.Unit()));
                sheet.Cells(row, kMin).SetValue(Bound(digital.Min()));
                sheet.Cells(row, kMax).SetValue(Bound(digital.Max()));
                if (request.hasComparison)
                    sheet.Cells(row, kComparative).SetValue(ValueText(digital, digital.CmpValue()));
                sheet.Cells(row, kValue).SetValue(ValueText(digital, digital.UserValue()));
                if (request.hasComparison && differs)
                    sheet.Cells(row, kDif).SetValue(QStringLiteral("*"));
            }
        }
    });
}

bool ParameterSheet::ArrangeFace(SheetWorksheet& sheet, const ParameterSheetRequest& request,
                                 const SheetProgress& doing) {
    doing(LoadMsg(267));
    if (!SheetStep(method_, "ArrangeFace", [&] { sheet.SetName(QString::fromLatin1(kSheetName)); }))
        return false;
    doing(LoadMsg(269));
    if (!SetExcelFont(sheet))
        return false;
    doing(LoadMsg(268));
    if (!SheetStep(method_, "ArrangeFace", [&] {
            for (const char* column : {"A", "B", "C", "D", "G", "H"})
                sheet.Columns(QString::fromLatin1(column)).AutoFit();
            sheet.Columns(QStringLiteral("E:F")).SetColumnWidth(5.25);
            sheet.Columns(QStringLiteral("I")).SetColumnWidth(5);
            sheet.Cells().SetRowHeight(14);
        }))
        return false;
    doing(LoadMsg(270));
    if (!SetExcelBorders(sheet))
        return false;
    doing(LoadMsg(271));
    if (!SheetStep(method_, "ArrangeFace", [&] { sheet.SetDisplayGridlines(false); }))
        return false;
    doing(LoadMsg(272));
    return SheetStep(method_, "ArrangeFace", [&] {
        platform::SheetPageSetup& page = sheet.PageSetup();
        SetSheetMargins(page);
        page.SetZoom(70);
        // Nine columns with remarks are wider than they are long on a page; across the paper,
        // and with the headings above every page, a printout of many pages stays readable.
        page.SetOrientation(platform::SheetOrientation::Landscape);
        page.SetPrintTitleRows(QStringLiteral("$1:$1"));
        page.SetCenterHeader(MakeExcelHeader(request.saveToFile, modes_.KishuName(), modes_.DataVersion(),
                                             request.userTableNumber));
    });
}

bool ParameterSheet::SetExcelFont(SheetWorksheet& sheet) {
    return SheetStep(method_, "SetExcelFont", [&] {
        sheet.Cells().SetFontSize(9);
        platform::SheetRange first = sheet.Range(QStringLiteral("A1"));
        platform::SheetRange heading =
            sheet.Range(platform::SheetArea{1, 1, 1, first.EndRight().Column()}.Address());
        heading.SetWrapText(false);
        heading.SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        heading.SetVerticalAlignment(platform::SheetVerticalAlignment::Center);
        heading.SetInteriorColorIndex(kHeadingGrey);
        heading.SetInteriorPattern(platform::SheetPattern::Solid);
        heading.SetInteriorPatternColorIndex(platform::kSheetColorAutomatic);
        heading.SetFontBold(true);
        platform::SheetRange digital = sheet.Columns(QStringLiteral("B"));
        digital.SetFontName(QStringLiteral("Arial Black"));
        digital.SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        sheet.Range(QStringLiteral("B1")).SetFontName(QStringLiteral("Tahoma"));
        for (const char* column : {"D", "G", "I", "H"})
            sheet.Columns(QString::fromLatin1(column))
                .SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        sheet.Columns(QStringLiteral("H")).SetFontBold(true);
    });
}

bool ParameterSheet::SetExcelBorders(SheetWorksheet& sheet) {
    return SheetStep(method_, "SetExcelBorders", [&] {
        const platform::SheetArea used{1, 1, std::max(sheet.LastRow(), 1), std::max(sheet.LastColumn(), 1)};
        platform::SheetRange range = sheet.Range(used);
        for (const SheetBorderEdge edge :
             {SheetBorderEdge::Left, SheetBorderEdge::Top, SheetBorderEdge::Bottom, SheetBorderEdge::Right})
            range.SetBorderWeight(edge, SheetBorderWeight::Thin);
        range.SetBorderWeight(SheetBorderEdge::InsideVertical, SheetBorderWeight::Hairline);
        range.SetBorderWeight(SheetBorderEdge::InsideHorizontal, SheetBorderWeight::Hairline);
    });
}

bool PrintToExcel(const CModes& modes, hlpkit::CMethod& method, const ParameterSheetRequest& request,
                  const SheetProgress& doing, platform::SheetPrintBackend* printer,
                  platform::SheetTextMeasure measure) {
    ParameterSheet sheet(modes, method);
    sheet.SetPrinter(printer);
    sheet.SetTextMeasure(std::move(measure));
    return sheet.PrintToExcel(request, doing);
}

} // namespace vokg
