#include "platform/SheetApplication.h"
#include "platform/SheetArea.h"
#include "platform/SheetError.h"
#include "platform/SheetHeaderText.h"
#include "platform/SheetPageLayout.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"
#include "tests/export/WorkbookReadBack.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace platform;
using workbookreadback::Cell;

Q_DECLARE_METATYPE(platform::SheetArea)

namespace {

// The code of the SheetError `action` throws; 0 when it throws none.
int ErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const SheetError& error) {
        return error.Code();
    }
    return 0;
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

private slots:
    void parsesAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<SheetArea>("area");
        const int rows = SheetArea::kMaxRows;
        const int columns = SheetArea::kMaxColumns;
        QTest::newRow("cell") << "A1" << true << SheetArea{1, 1, 1, 1};
        QTest::newRow("range") << "A1:I40" << true << SheetArea{1, 1, 40, 9};
        QTest::newRow("reversed corners") << "I40:A1" << true << SheetArea{1, 1, 40, 9};
        QTest::newRow("absolute") << "$B$2:$C$3" << true << SheetArea{2, 2, 3, 3};
        QTest::newRow("lower case") << "b2" << true << SheetArea{2, 2, 2, 2};
        QTest::newRow("column") << "B:B" << true << SheetArea{1, 2, rows, 2};
        QTest::newRow("columns") << "D:B" << true << SheetArea{1, 2, rows, 4};
        QTest::newRow("row") << "1:1" << true << SheetArea{1, 1, 1, columns};
        QTest::newRow("last cell") << "XFD1048576" << true << SheetArea{rows, columns, rows, columns};
        QTest::newRow("two letters") << "AA10" << true << SheetArea{10, 27, 10, 27};
        QTest::newRow("empty") << "" << false << SheetArea{};
        QTest::newRow("column alone") << "B" << false << SheetArea{};
        QTest::newRow("row alone") << "7" << false << SheetArea{};
        QTest::newRow("row zero") << "A0" << false << SheetArea{};
        QTest::newRow("past last column") << "XFE1" << false << SheetArea{};
        QTest::newRow("past last row") << "A1048577" << false << SheetArea{};
        QTest::newRow("cell with column") << "A1:B" << false << SheetArea{};
        QTest::newRow("three parts") << "A1:B2:C3" << false << SheetArea{};
        QTest::newRow("digits first") << "1A" << false << SheetArea{};
        QTest::newRow("full-width letter") << QString::fromUtf8("\xEF\xBC\xA1"
                                                                "1")
                                           << false << SheetArea{};
    }
    void parsesAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QFETCH(SheetArea, area);
        const std::optional<SheetArea> parsed = SheetArea::Parse(address);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, area);
            QVERIFY(parsed->Valid());
        }
    }

    void namesColumnsAndAddresses() {
        QCOMPARE(SheetArea::ColumnName(1), QStringLiteral("A"));
        QCOMPARE(SheetArea::ColumnName(26), QStringLiteral("Z"));
        QCOMPARE(SheetArea::ColumnName(27), QStringLiteral("AA"));
        QCOMPARE(SheetArea::ColumnName(702), QStringLiteral("ZZ"));
        QCOMPARE(SheetArea::ColumnName(703), QStringLiteral("AAA"));
        QCOMPARE(SheetArea::ColumnName(16384), QStringLiteral("XFD"));
        QVERIFY(SheetArea::ColumnName(0).isEmpty());
        QVERIFY(SheetArea::ColumnName(16385).isEmpty());
        QCOMPARE((SheetArea{2, 3, 40, 9}).Address(), QStringLiteral("C2:I40"));
        for (int column : {1, 26, 27, 52, 53, 702, 703, 16384})
            QCOMPARE(SheetArea::Parse(SheetArea::ColumnName(column) + QStringLiteral("1"))->firstColumn,
                     column);
    }

    void keepsValuesAsGiven() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells(1, 1).SetValue(42);
        sheet.Cells(1, 2).SetValue(QStringLiteral("012"));
        sheet.Cells(1, 3).SetValue(QStringLiteral("'0.1-0.4"));
        sheet.Cells(1, 4).SetValue(2.5);
        sheet.Cells(1, 5).SetValue(QStringLiteral("x"));
        sheet.Cells(1, 5).SetValue(QVariant());
        QCOMPARE(sheet.Cells(1, 1).Value().typeId(), QMetaType::Double);
        QCOMPARE(sheet.Cells(1, 1).Text(), QStringLiteral("42"));
        QCOMPARE(sheet.Cells(1, 2).Value(), QVariant(QStringLiteral("012")));
        QCOMPARE(sheet.Cells(1, 3).Value(), QVariant(QStringLiteral("0.1-0.4")));
        QCOMPARE(sheet.Cells(1, 4).Text(), QStringLiteral("2.5"));
        QVERIFY(!sheet.Cells(1, 5).Value().isValid());
        QVERIFY(!sheet.Cells(9, 9).Value().isValid());

        // Refused values change nothing.
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 1).SetValue(QString(32768, u'x')); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 1).SetValue(qQNaN()); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 1).SetValue(QVariant::fromValue(QStringList{})); }), 1004);
        QCOMPARE(sheet.Cells(1, 1).Value(), QVariant(42.0));
        QCOMPARE(ErrorCode([&] { sheet.Cells(0, 1); }), 9);
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 16385); }), 9);
        QCOMPARE(ErrorCode([&] { sheet.Range(QStringLiteral("A1:")); }), 1004);

        // A range takes one value into every cell.
        sheet.Range(QStringLiteral("B3:C4")).SetValue(7);
        QCOMPARE(sheet.Cells(4, 3).Value(), QVariant(7.0));
        QCOMPARE(sheet.LastRow(), 4);
        QCOMPARE(sheet.LastColumn(), 5);
    }

    void laterSettingsWinWhateverTheirLayer() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells(1, 2).SetValue(QStringLiteral("heading"));
        sheet.Cells().SetFontSize(9);
        sheet.Range(QStringLiteral("B:B")).SetFontName(QStringLiteral("Arial Black"));
        sheet.Range(QStringLiteral("B1")).SetFontName(QStringLiteral("Tahoma"));
        sheet.Rows(QStringLiteral("1:1")).SetFontBold(true);
        QCOMPARE(sheet.StyleAt(1, 2).fontName, QStringLiteral("Tahoma"));
        QCOMPARE(sheet.StyleAt(500, 2).fontName, QStringLiteral("Arial Black"));
        QCOMPARE(sheet.StyleAt(500, 3).fontName, QStringLiteral("Calibri"));
        QCOMPARE(sheet.StyleAt(500, 3).fontSize, 9.0);
        QVERIFY(sheet.StyleAt(1, 9).bold);
        QVERIFY(!sheet.StyleAt(2, 2).bold);

        // A sheet-wide setting made afterwards reaches the cells formatted before it.
        sheet.Cells().SetFontName(QStringLiteral("Gothic"));
        QCOMPARE(sheet.StyleAt(1, 2).fontName, QStringLiteral("Gothic"));
        QCOMPARE(sheet.StyleAt(500, 2).fontName, QStringLiteral("Gothic"));
        QCOMPARE(sheet.StyleAt(1, 2).fontSize, 9.0);
        // Formatting whole columns and rows stores no cells.
        QCOMPARE(sheet.LastRow(), 1);
        QCOMPARE(sheet.LastColumn(), 2);
    }

    void interiorColourBringsItsPattern() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        SheetRange heading = sheet.Range(QStringLiteral("A1:C1"));
        heading.SetInteriorColorIndex(15);
        QCOMPARE(sheet.StyleAt(1, 3).pattern, SheetPattern::Solid);
        QCOMPARE(sheet.StyleAt(1, 3).interiorColor, 15);
        heading.SetInteriorPattern(SheetPattern::Gray50);
        heading.SetInteriorColorIndex(6);
        QCOMPARE(sheet.StyleAt(1, 1).pattern, SheetPattern::Gray50); // a pattern chosen stays
        heading.SetInteriorColorIndex(kSheetColorNone);
        QCOMPARE(sheet.StyleAt(1, 1).pattern, SheetPattern::None);
        QCOMPARE(ErrorCode([&] { heading.SetInteriorColorIndex(57); }), 1004);
        QCOMPARE(ErrorCode([&] { heading.SetInteriorPatternColorIndex(0); }), 1004);
        QCOMPARE(sheet.StyleAt(1, 1).interiorColor, kSheetColorNone);
    }

    void bordersOfARange() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        SheetRange used = sheet.Range(QStringLiteral("A1:C3"));
        used.SetBorderWeight(SheetBorderEdge::Left, SheetBorderWeight::Thin);
        used.SetBorderWeight(SheetBorderEdge::Top, SheetBorderWeight::Thin);
        used.SetBorderWeight(SheetBorderEdge::Bottom, SheetBorderWeight::Thin);
        used.SetBorderWeight(SheetBorderEdge::Right, SheetBorderWeight::Thin);
        used.SetBorderWeight(SheetBorderEdge::InsideVertical, SheetBorderWeight::Hairline);
        used.SetBorderWeight(SheetBorderEdge::InsideHorizontal, SheetBorderWeight::Hairline);
        using W = SheetBorderWeight;
        auto edges = [&sheet](int row, int column) { return sheet.StyleAt(row, column).borders; };
        // left, top, bottom, right
        QCOMPARE(edges(1, 1), (std::array<W, 4>{W::Thin, W::Thin, W::Hairline, W::Hairline}));
        QCOMPARE(edges(2, 2), (std::array<W, 4>{W::Hairline, W::Hairline, W::Hairline, W::Hairline}));
        QCOMPARE(edges(3, 3), (std::array<W, 4>{W::Hairline, W::Hairline, W::Thin, W::Thin}));
        QCOMPARE(edges(1, 3), (std::array<W, 4>{W::Hairline, W::Thin, W::Hairline, W::Thin}));
        QCOMPARE(edges(4, 1), (std::array<W, 4>{}));
        QCOMPARE(edges(1, 4), (std::array<W, 4>{}));
        // Inside lines of a single row or column are no lines at all.
        sheet.Range(QStringLiteral("E5")).SetBorderWeight(SheetBorderEdge::InsideVertical, W::Medium);
        sheet.Range(QStringLiteral("E5")).SetBorderWeight(SheetBorderEdge::InsideHorizontal, W::Medium);
        QCOMPARE(edges(5, 5), (std::array<W, 4>{}));
    }

    void refusesWhatTheSheetCannotTake() {
        SheetApplication application;
        SheetWorkbook& book = application.AddWorkbook();
        SheetWorksheet& sheet = book.Worksheets(1);
        QCOMPARE(sheet.Name(), QStringLiteral("Sheet1"));
        QCOMPARE(ErrorCode([&] { sheet.SetName(QStringLiteral("a:b")); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.SetName(QString(32, u'x')); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.SetName(QString()); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.SetName(QStringLiteral("'quoted")); }), 1004);
        QCOMPARE(sheet.Name(), QStringLiteral("Sheet1"));
        sheet.SetName(QStringLiteral("VOK-G Parameters"));
        SheetWorksheet& second = book.AddWorksheet();
        QCOMPARE(ErrorCode([&] { second.SetName(QStringLiteral("vok-g parameters")); }), 1004);
        QCOMPARE(ErrorCode([&] { book.Worksheets(3); }), 9);

        QCOMPARE(ErrorCode([&] { sheet.PageSetup().SetZoom(9); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.PageSetup().SetZoom(401); }), 1004);
        QCOMPARE(sheet.PageSetup().Zoom(), 100);
        QCOMPARE(ErrorCode([&] { sheet.PageSetup().SetLeftMargin(-1); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Columns(QStringLiteral("A")).SetColumnWidth(255.5); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Rows(QStringLiteral("1")).SetRowHeight(410); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 1).SetFontSize(0.5); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.Cells(1, 1).SetFontName(QStringLiteral(" ")); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.PageSetup().SetPrintTitleRows(QStringLiteral("A1")); }), 1004);
        QCOMPARE(sheet.ColumnWidth(1), SheetWorksheet::kStandardWidth);
        QCOMPARE(sheet.RowHeight(1), SheetWorksheet::kStandardHeight);
        QCOMPARE(sheet.StyleAt(1, 1).fontSize, 11.0);

        // The header holds 255 characters in all its sections together.
        sheet.PageSetup().SetCenterHeader(QString(200, u'c'));
        QCOMPARE(ErrorCode([&] { sheet.PageSetup().SetLeftHeader(QString(60, u'l')); }), 1004);
        QVERIFY(sheet.PageSetup().LeftHeader().isEmpty());
        QCOMPARE(sheet.PageSetup().HeaderText(), QStringLiteral("&C") + QString(200, u'c'));
        // A cell by cell format of a whole-sheet sized block is refused, not attempted.
        QCOMPARE(ErrorCode([&] { sheet.Range(QStringLiteral("A2:Z1048576")).SetFontBold(true); }), 1004);
        QCOMPARE(ErrorCode([&] { sheet.PrintOut(); }), 68);
        QCOMPARE(ErrorCode([&] { sheet.PrintOut(0, true); }), 1004);
    }

    void findsTheLastCellAndTheEndOfARow() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        QCOMPARE(sheet.LastCell().Address(), QStringLiteral("A1"));
        for (int column = 1; column <= 9; ++column)
            sheet.Cells(1, column).SetValue(column);
        sheet.Cells(1, 12).SetValue(12);
        sheet.Cells(7, 3).SetValue(QStringLiteral("x"));
        sheet.Range(QStringLiteral("J9")).SetFontBold(true); // a format of its own counts
        QCOMPARE(sheet.LastCell().Address(), QStringLiteral("L9"));
        QCOMPARE(sheet.Range(QStringLiteral("A1")).EndRight().Address(), QStringLiteral("I1"));
        QCOMPARE(sheet.Range(QStringLiteral("I1")).EndRight().Address(), QStringLiteral("L1"));
        QCOMPARE(sheet.Range(QStringLiteral("L1")).EndRight().Column(), SheetArea::kMaxColumns);
        QCOMPARE(sheet.Range(QStringLiteral("A7")).EndRight().Address(), QStringLiteral("C7"));
    }

    void autoFitFollowsTextsAndFonts() {
        // A measure that counts characters makes the expected widths exact.
        int calls = 0;
        SheetApplication application(
            nullptr, [&calls](const QString& text, const QString& font, double size, bool bold) {
                ++calls;
                return text.size() * size * (bold ? 2.0 : 1.0) * (font == QLatin1String("Wide") ? 3.0 : 1.0);
            });
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells().SetFontSize(10);
        sheet.Cells(1, 1).SetValue(QStringLiteral("abcd"));           // 40 px
        sheet.Cells(2, 1).SetValue(QStringLiteral("abcdefgh\r\nab")); // longest line 80 px
        sheet.Cells(1, 2).SetValue(QStringLiteral("abcd"));
        sheet.Cells(1, 2).SetFontBold(true); // 80 px
        sheet.Cells(1, 3).SetValue(123456);  // the number's text: 60 px
        sheet.Columns(QStringLiteral("D")).SetColumnWidth(30);
        sheet.Cells(1, 5).SetValue(QStringLiteral("ab"));
        sheet.Columns(QStringLiteral("E")).SetFontName(QStringLiteral("Wide")); // 60 px
        sheet.Columns(QStringLiteral("A:E")).AutoFit();
        QVERIFY(calls >= 5);
        const double eighty = sheet.ColumnWidth(1);
        QCOMPARE(sheet.ColumnWidth(2), eighty);
        QCOMPARE(sheet.ColumnWidth(3), sheet.ColumnWidth(5));
        QVERIFY(sheet.ColumnWidth(3) < eighty);
        QVERIFY(SheetColumnWidthToPixels(eighty) >= 80 && SheetColumnWidthToPixels(eighty) <= 90);
        QCOMPARE(sheet.ColumnWidth(4), SheetWorksheet::kStandardWidth); // empty: back to standard
        // Only the rows of the range count.
        sheet.Range(QStringLiteral("A1:A1")).AutoFit();
        QVERIFY(sheet.ColumnWidth(1) < eighty);

        // Without a measure the estimate still grows with the text and the font.
        SheetApplication estimating;
        SheetWorksheet& other = estimating.AddWorkbook().Worksheets(1);
        other.Cells(1, 1).SetValue(QStringLiteral("short"));
        other.Cells(1, 2).SetValue(QStringLiteral("a much longer remark text"));
        other.Cells(1, 3).SetValue(QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A\xE9\x87\x8F")); // three wide
        other.Cells(1, 4).SetValue(QStringLiteral("abc"));
        other.Columns(QStringLiteral("A:D")).AutoFit();
        QVERIFY(other.ColumnWidth(2) > other.ColumnWidth(1));
        QVERIFY(other.ColumnWidth(3) > other.ColumnWidth(4));
    }

    void paginatesDownThenAcross() {
        SheetApplication application;
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells().SetRowHeight(20);
        sheet.Columns(QStringLiteral("A:D")).SetColumnWidth(20); // 145 px = 108.75 pt each
        sheet.Cells(100, 4).SetValue(1);
        SheetPageSetup& setup = sheet.PageSetup();
        for (auto set : {&SheetPageSetup::SetLeftMargin, &SheetPageSetup::SetRightMargin,
                         &SheetPageSetup::SetTopMargin, &SheetPageSetup::SetBottomMargin})
            (setup.*set)(0);
        // 250 x 500 points: two columns and 25 rows a page.
        std::vector<SheetPage> pages = SheetPageLayout::Paginate(sheet, 250, 500);
        QCOMPARE(pages.size(), std::size_t(8));
        QCOMPARE(pages[0].lastRow, 25);
        QCOMPARE(pages[0].lastColumn, 2);
        QCOMPARE(pages[1].firstRow, 26);   // down first
        QCOMPARE(pages[4].firstColumn, 3); // then across
        QCOMPARE(pages[4].firstRow, 1);

        // Title rows take their room on every page below them.
        setup.SetPrintTitleRows(QStringLiteral("$1:$1"));
        pages = SheetPageLayout::Paginate(sheet, 250, 500);
        QVERIFY(!pages[0].withTitleRows);
        QCOMPARE(pages[0].lastRow, 25);
        QVERIFY(pages[1].withTitleRows);
        QCOMPARE(pages[1].lastRow, 49);
        // Half the zoom, twice the rows.
        setup.SetPrintTitleRows(QString());
        setup.SetZoom(50);
        pages = SheetPageLayout::Paginate(sheet, 250, 500);
        QCOMPARE(pages.front().lastRow, 50);
        QCOMPARE(pages.front().lastColumn, 4);
        QCOMPARE(pages.size(), std::size_t(2));

        setup.SetLeftMargin(300);
        QCOMPARE(ErrorCode([&] { SheetPageLayout::Paginate(sheet, 250, 500); }), 1004);
        SheetWorksheet& empty = application.AddWorkbook().Worksheets(1);
        QCOMPARE(ErrorCode([&] { SheetPageLayout::Paginate(empty, 250, 500); }), 1004);
    }

    void fillsInHeaderCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("center");
        QTest::addColumn<QString>("right");
        QTest::addColumn<double>("centerSize");
        QTest::newRow("plain text is centred") << "Report"
                                               << ""
                                               << "Report"
                                               << "" << 11.0;
        QTest::newRow("font size and pages") << "&C&10Page &P of &N"
                                             << ""
                                             << "Page 3 of 7"
                                             << "" << 10.0;
        QTest::newRow("sections") << "&Lleft&Cmid&Rright"
                                  << "left"
                                  << "mid"
                                  << "right" << 11.0;
        QTest::newRow("file and sheet") << "&F / &A"
                                        << ""
                                        << "book.xlsx / Data"
                                        << "" << 11.0;
        QTest::newRow("ampersand") << "A&&B"
                                   << ""
                                   << "A&B"
                                   << "" << 11.0;
        QTest::newRow("dropped codes") << "&U&K00FF00x&\"Arial,Bold\"y&G"
                                       << ""
                                       << "xy"
                                       << "" << 11.0;
        QTest::newRow("trailing ampersand") << "x&"
                                            << ""
                                            << "x"
                                            << "" << 11.0;
        QTest::newRow("program header") << "&10Filename=[&F]  Name of machine=[M&&1]  (&P/&NPage)"
                                        << ""
                                        << "Filename=[book.xlsx]  Name of machine=[M&1]  (3/7Page)"
                                        << "" << 10.0;
    }
    void fillsInHeaderCodes() {
        QFETCH(QString, code);
        QFETCH(QString, left);
        QFETCH(QString, center);
        QFETCH(QString, right);
        QFETCH(double, centerSize);
        SheetHeaderContext context;
        context.page = 3;
        context.pages = 7;
        context.fileName = QStringLiteral("book.xlsx");
        context.sheetName = QStringLiteral("Data");
        context.printed = QDateTime(QDate(2026, 12, 7), QTime(9, 5));
        const auto sections = SheetHeaderText::Expand(code, context);
        QCOMPARE(sections[0].text, left);
        QCOMPARE(sections[1].text, center);
        QCOMPARE(sections[2].text, right);
        QCOMPARE(sections[1].fontSize, centerSize);
    }

    void headerDateAndTimeComeFromThePrintMoment() {
        SheetHeaderContext context;
        context.printed = QDateTime(QDate(2031, 4, 5), QTime(17, 42));
        const QString text = SheetHeaderText::Expand(QStringLiteral("&D &T"), context)[1].text;
        QVERIFY2(text.contains(QStringLiteral("31")) && text.contains(QStringLiteral("42")),
                 qPrintable(text));
    }

    void savesAWorkbookAnotherReaderUnderstands() {
        QTemporaryDir folder;
        SheetApplication application;
        SheetWorkbook& book = application.AddWorkbook();
        SheetWorksheet& sheet = book.Worksheets(1);
        sheet.SetName(QStringLiteral("VOK-G Parameters"));
        sheet.Cells(1, 1).SetValue(QStringLiteral("Mode"));
        sheet.Cells(1, 2).SetValue(QStringLiteral("Digital"));
        sheet.Cells(2, 1).SetValue(QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A")); // Japanese text
        sheet.Cells(2, 2).SetValue(-12.5);
        sheet.Cells(3, 2).SetValue(QStringLiteral("0012"));
        sheet.Cells().SetFontSize(9);
        sheet.Cells().SetRowHeight(14);
        sheet.Range(QStringLiteral("B:B")).SetFontName(QStringLiteral("Arial Black"));
        sheet.Range(QStringLiteral("B:B")).SetHorizontalAlignment(SheetHorizontalAlignment::Center);
        SheetRange heading = sheet.Range(QStringLiteral("A1:B1"));
        heading.SetInteriorColorIndex(15);
        heading.SetFontBold(true);
        heading.SetVerticalAlignment(SheetVerticalAlignment::Center);
        heading.SetWrapText(true);
        sheet.Range(QStringLiteral("A1:B3")).SetBorderWeight(SheetBorderEdge::Top, SheetBorderWeight::Thin);
        sheet.Range(QStringLiteral("A1:B3"))
            .SetBorderWeight(SheetBorderEdge::InsideHorizontal, SheetBorderWeight::Hairline);
        sheet.Range(QStringLiteral("A1:B3"))
            .SetBorderWeight(SheetBorderEdge::Right, SheetBorderWeight::Medium);
        sheet.Columns(QStringLiteral("A")).SetColumnWidth(5.25);
        sheet.Rows(QStringLiteral("3")).SetRowHeight(30);
        sheet.SetDisplayGridlines(false);
        SheetPageSetup& page = sheet.PageSetup();
        page.SetOrientation(SheetOrientation::Landscape);
        page.SetZoom(70);
        page.SetLeftMargin(SheetApplication::InchesToPoints(0.4));
        page.SetBottomMargin(SheetApplication::InchesToPoints(0.3));
        page.SetHeaderMargin(SheetApplication::InchesToPoints(0.1));
        page.SetCenterHeader(QStringLiteral("&10Name of machine=[M1]  (&P/&NPage)"));
        page.SetPrintTitleRows(QStringLiteral("$1:$1"));
        sheet.Range(QStringLiteral("A1")).Select();

        const QString path = folder.filePath(QStringLiteral("out.xlsx"));
        book.SaveAs(path);
        QCOMPARE(book.Name(), QStringLiteral("out.xlsx"));
        QString error;
        const QJsonObject read = workbookreadback::Read(path, &error);
        QVERIFY2(!read.isEmpty(), qPrintable(error));
        QCOMPARE(read[QStringLiteral("title")].toString(), QStringLiteral("VOK-G Parameters"));
        QCOMPARE(Cell(read, QStringLiteral("A2"))[QStringLiteral("value")].toString(),
                 QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A"));
        QCOMPARE(Cell(read, QStringLiteral("B2"))[QStringLiteral("value")].toDouble(), -12.5);
        QCOMPARE(Cell(read, QStringLiteral("B3"))[QStringLiteral("value")].toString(),
                 QStringLiteral("0012"));
        const QJsonObject a1 = Cell(read, QStringLiteral("A1"));
        QCOMPARE(a1[QStringLiteral("size")].toDouble(), 9.0);
        QVERIFY(a1[QStringLiteral("bold")].toBool());
        QVERIFY(a1[QStringLiteral("wrap")].toBool());
        QCOMPARE(a1[QStringLiteral("vertical")].toString(), QStringLiteral("center"));
        QCOMPARE(a1[QStringLiteral("fill")].toString(), QStringLiteral("solid"));
        QCOMPARE(a1[QStringLiteral("fillColor")].toString().right(6), QStringLiteral("C0C0C0"));
        QCOMPARE(a1[QStringLiteral("top")].toString(), QStringLiteral("thin"));
        QCOMPARE(a1[QStringLiteral("bottom")].toString(), QStringLiteral("hair"));
        const QJsonObject b2 = Cell(read, QStringLiteral("B2"));
        QCOMPARE(b2[QStringLiteral("font")].toString(), QStringLiteral("Arial Black"));
        QCOMPARE(b2[QStringLiteral("horizontal")].toString(), QStringLiteral("center"));
        QCOMPARE(b2[QStringLiteral("right")].toString(), QStringLiteral("medium"));
        QCOMPARE(b2[QStringLiteral("top")].toString(), QStringLiteral("hair"));
        QVERIFY(!b2[QStringLiteral("bold")].toBool());
        QCOMPARE(Cell(read, QStringLiteral("A2"))[QStringLiteral("font")].toString(),
                 QStringLiteral("Calibri"));
        // The file stores a width with the cell padding in it: 5.25 characters are 37 + 5 pixels.
        QCOMPARE(read[QStringLiteral("columns")].toObject()[QStringLiteral("A")].toDouble(), 42.0 / 7.0);
        QCOMPARE(read[QStringLiteral("rows")].toObject()[QStringLiteral("3")].toDouble(), 30.0);
        QCOMPARE(read[QStringLiteral("defaultRowHeight")].toDouble(), 14.0);
        QCOMPARE(read[QStringLiteral("orientation")].toString(), QStringLiteral("landscape"));
        QCOMPARE(read[QStringLiteral("scale")].toInt(), 70);
        const QJsonObject margins = read[QStringLiteral("margins")].toObject();
        QCOMPARE(margins[QStringLiteral("left")].toDouble(), 0.4);
        QCOMPARE(margins[QStringLiteral("bottom")].toDouble(), 0.3);
        QCOMPARE(margins[QStringLiteral("header")].toDouble(), 0.1);
        QCOMPARE(read[QStringLiteral("headerCenter")].toString(),
                 QStringLiteral("Name of machine=[M1]  (&P/&NPage)"));
        QCOMPARE(read[QStringLiteral("headerCenterSize")].toInt(), 10);
        QCOMPARE(read[QStringLiteral("gridlines")].toBool(), false);
        QCOMPARE(read[QStringLiteral("titleRows")].toString(), QStringLiteral("$1:$1"));
        QCOMPARE(read[QStringLiteral("maxRow")].toInt(), 3);
    }

    void savingReplacesOrLeavesTheOldFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("book.xlsx"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents");
        }
        SheetApplication application;
        SheetWorkbook& book = application.AddWorkbook();
        book.Worksheets(1).Cells(1, 1).SetValue(QStringLiteral("new"));
        book.SaveAs(path);
        QCOMPARE(Cell(workbookreadback::Read(path), QStringLiteral("A1"))[QStringLiteral("value")].toString(),
                 QStringLiteral("new"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("book.xlsx")});

        // A folder in the file's place: nothing written, nothing left behind.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.xlsx")));
        QCOMPARE(ErrorCode([&] { book.SaveAs(folder.filePath(QStringLiteral("taken.xlsx"))); }), 75);
        QCOMPARE(ErrorCode([&] { book.SaveAs(folder.filePath(QStringLiteral("missing/book.xlsx"))); }), 76);
        QCOMPARE(ErrorCode([&] { book.SaveAs(QString()); }), 75);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("book.xlsx")});
        QCOMPARE(book.Name(), QStringLiteral("book.xlsx"));

        // Closing forgets the workbook; quitting forgets them all.
        application.AddWorkbook();
        QCOMPARE(application.WorkbookCount(), 2);
        book.Close();
        QCOMPARE(application.WorkbookCount(), 1);
        application.Quit();
        QCOMPARE(application.WorkbookCount(), 0);
    }

    // Texts from data files may hold control characters: they stay visible, the workbook stays
    // well-formed (another reader opens it) and a tab or line break in a cell stays what it is.
    void controlCharactersStayVisible_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("cellShown");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("headerShown");
        QTest::newRow("escape sequence") << "A\x1b[2JZ"
                                         << "A\\u001B[2JZ"
                                         << "M=[\x1b]0;x\x07]"
                                         << "M=[\\u001B]0;x\\u0007]";
        QTest::newRow("NUL, DEL and C1")
            << QString::fromUtf16(u"a\u0000b\u007Fc\u009Bd", 7) << "a\\u0000b\\u007Fc\\u009Bd"
            << QString::fromUtf16(u"h\u0085i") << "h\\u0085i";
        QTest::newRow("tab and line break") << "one\ttwo\nthree"
                                            << "one\ttwo\nthree"
                                            << "tab\there"
                                            << "tab\there";
        QTest::newRow("form feed and vertical tab") << "x\fy\vz"
                                                    << "x\\u000Cy\\u000Bz"
                                                    << "p\fq"
                                                    << "p\\u000Cq";
    }
    void controlCharactersStayVisible() {
        QFETCH(QString, cell);
        QFETCH(QString, cellShown);
        QFETCH(QString, header);
        QFETCH(QString, headerShown);
        QTemporaryDir folder;
        SheetApplication application;
        SheetWorkbook& book = application.AddWorkbook();
        SheetWorksheet& sheet = book.Worksheets(1);
        sheet.Cells(1, 1).SetValue(cell);
        sheet.PageSetup().SetCenterHeader(QStringLiteral("&10") + header);
        sheet.PageSetup().SetCenterFooter(header);
        QCOMPARE(sheet.Cells(1, 1).Value().toString(), cellShown);
        QCOMPARE(sheet.PageSetup().CenterHeader(), QStringLiteral("&10") + headerShown);
        QCOMPARE(sheet.PageSetup().CenterFooter(), headerShown);

        const QString path = folder.filePath(QStringLiteral("control.xlsx"));
        book.SaveAs(path);
        QString error;
        const QJsonObject read = workbookreadback::Read(path, &error);
        QVERIFY2(!read.isEmpty(), qPrintable(error));
        QCOMPARE(Cell(read, QStringLiteral("A1"))[QStringLiteral("value")].toString(), cellShown);
        QCOMPARE(read[QStringLiteral("headerCenter")].toString(), headerShown);
    }

    // A workbook is an ordinary document: it gets the mode the user's umask gives every new file.
    void workbooksGetTheUsersFileMode_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        QTest::newRow("022") << 0022 << 0644;
        QTest::newRow("027") << 0027 << 0640;
        QTest::newRow("002") << 0002 << 0664;
    }
    void workbooksGetTheUsersFileMode() {
        QFETCH(int, mask);
        QFETCH(int, mode);
        QTemporaryDir folder;
        SheetApplication application;
        SheetWorkbook& book = application.AddWorkbook();
        book.Worksheets(1).Cells(1, 1).SetValue(QStringLiteral("shared"));
        const mode_t previous = ::umask(static_cast<mode_t>(mask));
        const QString path = folder.filePath(QStringLiteral("mode.xlsx"));
        const int code = ErrorCode([&] { book.SaveAs(path); });
        ::umask(previous);
        QCOMPARE(code, 0);
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(static_cast<int>(status.st_mode & 07777), mode);
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
