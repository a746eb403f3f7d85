#include "export/FeedSheet.h"

#include "export/SheetStep.h"
#include "model/COkuris.h"
#include "platform/SheetApplication.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {

using platform::SheetArea;
using platform::SheetBorderEdge;
using platform::SheetBorderWeight;
using platform::SheetHorizontalAlignment;
using platform::SheetWorksheet;

constexpr int kShadeGrey = 15;
constexpr int kEachPitchCaption = 572;

// A label goes in with the sheet's text mark, so that "0.1-0.4" never becomes a date and "20.0"
// never the number 20.
QVariant Label(const QString& text) {
    return QVariant(QLatin1Char('\'') + text);
}

// A line break inside a cell is a line feed; a carriage return would show as a character.
QString CellText(const QString& text) {
    QString cell = text;
    return cell.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void Report(const FeedSheetProgress& doing, const QString& text) {
    if (doing)
        doing(text);
}

void ThinBox(SheetWorksheet& sheet, const SheetArea& area) {
    platform::SheetRange range = sheet.Range(area);
    for (const SheetBorderEdge edge :
         {SheetBorderEdge::Left, SheetBorderEdge::Top, SheetBorderEdge::Bottom, SheetBorderEdge::Right,
          SheetBorderEdge::InsideVertical, SheetBorderEdge::InsideHorizontal})
        range.SetBorderWeight(edge, SheetBorderWeight::Thin);
}

} // namespace

QStringList FeedSheet::PitchWindowKeys(const QString& caption) {
    if (caption == LoadMsg(kEachPitchCaption))
        return {QStringLiteral("XYLM"), QStringLiteral("XGA"), QStringLiteral("YGA"),
                QStringLiteral("P1X"),  QStringLiteral("P1Y"), QStringLiteral("ZLM")};
    if (caption == LoadMsg(573))
        return {QStringLiteral("X_P1"), QStringLiteral("X_T1"), QStringLiteral("X_P2"),
                QStringLiteral("X_T2")};
    if (caption == LoadMsg(574))
        return {QStringLiteral("Y_P1"), QStringLiteral("Y_T1"), QStringLiteral("Y_P2"),
                QStringLiteral("Y_T2")};
    return {};
}

bool FeedSheet::ArrangeFaceBefore(SheetWorksheet& sheet, const FeedSheetRequest& request,
                                  const FeedSheetProgress& doing) {
    return SheetStep(method_, "ArrangeFaceBefore", [&] {
        Report(doing, LoadMsg(267));
        sheet.SetName(LoadMsg(290));
        Report(doing, LoadMsg(269));
        sheet.Cells().SetFontSize(9);
        sheet.Cells().SetHorizontalAlignment(SheetHorizontalAlignment::Right);
        Report(doing, LoadMsg(271));
        sheet.SetDisplayGridlines(false);
        Report(doing, LoadMsg(272));
        platform::SheetPageSetup& page = sheet.PageSetup();
        page.SetCenterHeader(request.pageHeader);
        SetSheetMargins(page);
        page.SetZoom(100);
    });
}

bool FeedSheet::Finish(platform::SheetApplication& application, platform::SheetWorkbook& book,
                       SheetWorksheet& sheet, const FeedSheetRequest& request,
                       const FeedSheetProgress& doing) {
    const bool finished = SheetStep(method_, "PrintToExcel", [&] {
        SaveOrPrintAndClose(application, book, sheet, request.saveToFile, request.fileName);
    });
    if (finished)
        Report(doing, LoadMsg(266));
    return finished;
}

bool FeedSheet::PrintToExcel(const FeedSheetRequest& request, const FeedSheetProgress& doing) {
    Report(doing, LoadMsg(264));
    platform::SheetApplication application(printer_, measure_);
    platform::SheetWorkbook* book = nullptr;
    if (!SheetStep(method_, "PrintToExcel", [&] { book = &application.AddWorkbook(); }))
        return false;
    SheetWorksheet& sheet = book->Worksheets(1);
    if (!ArrangeFaceBefore(sheet, request, doing))
        return false;
    int row = 1;
    for (const QString& key : request.keys) {
        const int first = row;
        if (!PrintExcelRows(sheet, request, key, row, doing))
            return false;
        const bool arranged = SheetStep(method_, "ArrangeFaceIng", [&] {
            Report(doing, LoadMsg(269));
            sheet.Cells(first, 1).SetHorizontalAlignment(SheetHorizontalAlignment::Left);
            sheet.Range(SheetArea{first + 1, 1, first + 1, 4})
                .SetHorizontalAlignment(SheetHorizontalAlignment::Center);
            sheet.Range(SheetArea{first + 1, 4, row, 4})
                .SetHorizontalAlignment(SheetHorizontalAlignment::Center);
            Report(doing, LoadMsg(270));
            ThinBox(sheet, SheetArea{first + 1, 1, row, 4});
        });
        if (!arranged)
            return false;
        row += 2;
    }
    const bool sized = SheetStep(method_, "ArrangeFaceIng", [&] {
        Report(doing, LoadMsg(268));
        sheet.Columns(QStringLiteral("A")).SetColumnWidth(37);
        sheet.Columns(QStringLiteral("D")).SetColumnWidth(5);
        sheet.Cells().SetRowHeight(12);
    });
    return sized && Finish(application, *book, sheet, request, doing);
}

bool FeedSheet::PrintExcelRows(SheetWorksheet& sheet, const FeedSheetRequest& request, const QString& key,
                               int& row, const FeedSheetProgress& doing) {
    return SheetStep(method_, "PrintExcelRows", [&] {
        const bool other = key == COkuris::OtherValuesKey();
        sheet.Cells(row, 1).SetValue(key);
        ++row;
        sheet.Cells(row, 1).SetValue(other ? QString() : LoadMsg(507));
        sheet.Cells(row, 2).SetValue(CellText(LoadMsg(455)));
        sheet.Cells(row, 3).SetValue(CellText(LoadMsg(456)));
        sheet.Cells(row, 4).SetValue(LoadMsg(458));
        const QList<int> users = user_.GetArray(key);
        const QList<int> comparisons = request.hasComparison ? comparison_.GetArray(key) : QList<int>();
        for (int i = 0; i < users.size(); ++i) {
            ++row;
            const bool compared = request.hasComparison && i < comparisons.size();
            const bool differs = compared && users[i] != comparisons[i];
            if (!(request.onlyDifferences && compared && !differs)) {
                if (other)
                    sheet.Cells(row, 1).SetValue(COkuris::OtherValueCaption(i));
                else
                    sheet.Cells(row, 1).SetValue(double(i));
                sheet.Cells(row, 3).SetValue(double(users[i]));
                if (compared)
                    sheet.Cells(row, 2).SetValue(double(comparisons[i]));
                if (differs)
                    sheet.Cells(row, 4).SetValue(QStringLiteral("*"));
            }
            Report(doing, LoadMsg(294) + QString::number(i) + LoadMsg(295));
        }
    });
}

bool FeedSheet::PrintToExcel2(const FeedSheetRequest& request, const FeedSheetProgress& doing) {
    Report(doing, LoadMsg(264));
    platform::SheetApplication application(printer_, measure_);
    platform::SheetWorkbook* book = nullptr;
    if (!SheetStep(method_, "PrintToExcel2", [&] {
            if (request.keys.isEmpty() || PitchWindowKeys(request.keys.first()).isEmpty())
                hlpkit::Raise(hlpkit::InvalidCall);
            book = &application.AddWorkbook();
        }))
        return false;
    SheetWorksheet& sheet = book->Worksheets(1);
    if (!ArrangeFaceBefore(sheet, request, doing) || !PrintExcelRows2(sheet, request, doing))
        return false;
    const bool eachPitch = request.keys.first() == LoadMsg(kEachPitchCaption);
    const int count = int(PitchWindowKeys(request.keys.first()).size());
    const int mark = count + 2;
    const int last = std::max(sheet.LastRow(), 2);
    const bool arranged = SheetStep(method_, "ArrangeFaceIng2", [&] {
        Report(doing, LoadMsg(268));
        sheet.Columns(QStringLiteral("A")).SetColumnWidth(eachPitch ? 6 : 10);
        sheet.Range(SheetArea{1, 2, SheetArea::kMaxRows, 2 * count + 2}).SetColumnWidth(7);
        sheet.Range(SheetArea{1, mark, SheetArea::kMaxRows, mark}).SetColumnWidth(5);
        sheet.Cells().SetRowHeight(11);
        Report(doing, LoadMsg(269));
        platform::SheetRange headers = sheet.Range(SheetArea{1, 1, 2, 2 * count + 2});
        headers.SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        headers.SetVerticalAlignment(platform::SheetVerticalAlignment::Center);
        sheet.Range(SheetArea{3, mark, last, mark}).SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        Report(doing, LoadMsg(270));
        ThinBox(sheet, SheetArea{2, 1, last, 2 * count + 2});
        // The mark column stands between the two blocks: heavier lines set them apart.
        platform::SheetRange between = sheet.Range(SheetArea{1, mark, last, mark});
        between.SetBorderWeight(SheetBorderEdge::Left, SheetBorderWeight::Medium);
        between.SetBorderWeight(SheetBorderEdge::Right, SheetBorderWeight::Medium);
        sheet.Rows(QStringLiteral("1:2")).SetRowHeight(24);
    });
    return arranged && Finish(application, *book, sheet, request, doing);
}

bool FeedSheet::PrintExcelRows2(SheetWorksheet& sheet, const FeedSheetRequest& request,
                                const FeedSheetProgress& doing) {
    return SheetStep(method_, "PrintExcelRows2", [&] {
        const bool eachPitch = request.keys.first() == LoadMsg(kEachPitchCaption);
        const QStringList keys = PitchWindowKeys(request.keys.first());
        const int count = int(keys.size());
        const int mark = count + 2;
        sheet.Cells(1, 2).SetValue(LoadMsg(276));
        sheet.Cells(1, mark + 1).SetValue(LoadMsg(278));
        sheet.Cells(2, 1).SetValue(eachPitch ? QStringLiteral("mm") : LoadMsg(507));
        sheet.Cells(2, mark).SetValue(LoadMsg(45));
        QList<QList<int>> users;
        QList<QList<int>> comparisons;
        for (int c = 0; c < count; ++c) {
            sheet.Cells(2, 2 + c).SetValue(keys[c]);
            sheet.Cells(2, mark + 1 + c).SetValue(keys[c]);
            users.append(user_.GetArray(keys[c]));
            comparisons.append(request.hasComparison ? comparison_.GetArray(keys[c]) : QList<int>());
        }
        const int rows = int(users.first().size());
        for (int i = 0; i < rows; ++i) {
            const int row = 3 + i;
            bool differs = false;
            for (int c = 0; c < count; ++c)
                differs = differs || (request.hasComparison && users[c][i] != comparisons[c][i]);
            if (request.onlyDifferences && request.hasComparison && !differs)
                continue;
            sheet.Cells(row, 1).SetValue(
                Label(eachPitch ? COkuris::LongEntryText(i) : COkuris::PitchRowText(i)));
            for (int c = 0; c < count; ++c) {
                sheet.Cells(row, mark + 1 + c).SetValue(double(users[c][i]));
                if (!request.hasComparison)
                    continue;
                sheet.Cells(row, 2 + c).SetValue(double(comparisons[c][i]));
                if (users[c][i] != comparisons[c][i]) {
                    // Amikake: both cells of a differing pair are shaded grey.
                    for (const int column : {2 + c, mark + 1 + c}) {
                        platform::SheetRange cell = sheet.Cells(row, column);
                        cell.SetInteriorColorIndex(kShadeGrey);
                        cell.SetInteriorPattern(platform::SheetPattern::Solid);
                    }
                }
            }
            if (differs)
                sheet.Cells(row, mark).SetValue(QStringLiteral("*"));
            Report(doing, LoadMsg(294) + QString::number(i) + LoadMsg(295));
        }
    });
}

} // namespace vokg
