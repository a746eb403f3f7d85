#include "platform/SheetApplication.h"
#include "platform/SheetError.h"
#include "platform/SheetRange.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"
#include "platform/gui/SheetPrinter.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

using namespace platform;

namespace {

// The text of every page of a PDF file, page by page.
QStringList PdfPages(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The first page rendered at 50 dots per inch.
QImage FirstPage(const QString& pdf, const QString& folder) {
    const QString stem = folder + QStringLiteral("/page");
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"),
                   QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                   QStringLiteral("-singlefile"), pdf, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

int ErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const SheetError& error) {
        return error.Code();
    }
    return 0;
}

} // namespace

class TestSheetPrinter : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // 120 numbered rows under a heading row, in two columns, with the program's kind of header.
    static void Fill(SheetWorksheet& sheet) {
        sheet.Cells(1, 1).SetValue(QStringLiteral("Heading one"));
        sheet.Cells(1, 2).SetValue(QStringLiteral("Heading two"));
        for (int row = 2; row <= 121; ++row) {
            sheet.Cells(row, 1).SetValue(QStringLiteral("item%1").arg(row - 1));
            sheet.Cells(row, 2).SetValue(row * 10);
        }
        sheet.Columns(QStringLiteral("A:B")).SetColumnWidth(20);
        sheet.Range(QStringLiteral("A1:B1")).SetInteriorColorIndex(3); // red, easy to find in pixels
        sheet.Range(QStringLiteral("A1:B121"))
            .SetBorderWeight(SheetBorderEdge::Left, SheetBorderWeight::Thin);
        sheet.PageSetup().SetCenterHeader(QStringLiteral("&10Name of machine=[VK&&9]  (&P/&NPage)  &D"));
        sheet.PageSetup().SetCenterFooter(QStringLiteral("sheet &A"));
    }

private slots:
    void printsEveryPageWithItsHeader() {
        SheetPrinter printer;
        const QString pdf = dir_.filePath(QStringLiteral("pages.pdf"));
        printer.SetPdfOutput(pdf);
        printer.SetPrintTime(QDateTime(QDate(2031, 4, 5), QTime(17, 42)));
        SheetApplication application(&printer);
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.SetName(QStringLiteral("Data"));
        Fill(sheet);
        sheet.PageSetup().SetPrintTitleRows(QStringLiteral("$1:$1"));
        sheet.PrintOut(1, true);

        const QStringList pages = PdfPages(pdf);
        QVERIFY(pages.size() >= 2);
        QCOMPARE(printer.LastPageCount(), pages.size());
        const QString count = QString::number(pages.size());
        QHash<QString, bool> items;
        for (int index = 0; index < pages.size(); ++index) {
            // The text tool gives runs of spaces back as one.
            const QString page = pages[index].simplified();
            QVERIFY2(
                page.contains(QStringLiteral("Name of machine=[VK&9] (%1/%2Page)").arg(index + 1).arg(count)),
                qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Heading one")), qPrintable(page)); // the title row repeats
            QVERIFY(page.contains(QStringLiteral("sheet Data")));
            QVERIFY(page.contains(QStringLiteral("31")));
            for (const QString& word : page.split(u' '))
                if (word.startsWith(QStringLiteral("item")))
                    QVERIFY2(!std::exchange(items[word], true), qPrintable(word)); // no data row twice
        }
        QCOMPARE(items.size(), 120);
        QVERIFY(pages.last().contains(QStringLiteral("1210")));

        // The heading fill is on paper.
        const QImage image = FirstPage(pdf, dir_.path());
        QVERIFY(!image.isNull());
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                red += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
            }
        QVERIFY(red > 50);
    }

    void repeatsNothingTheSheetDoesNotAsk() {
        SheetPrinter printer;
        const QString pdf = dir_.filePath(QStringLiteral("plain.pdf"));
        printer.SetPdfOutput(pdf);
        SheetApplication application(&printer);
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        Fill(sheet);
        sheet.PageSetup().SetCenterHeader(QString());
        sheet.PageSetup().SetZoom(50); // half the size: fewer pages
        sheet.PrintOut();
        const QStringList pages = PdfPages(pdf);
        QVERIFY(pages.size() >= 1);
        QVERIFY(pages.first().contains(QStringLiteral("Heading one")));
        for (int index = 1; index < pages.size(); ++index)
            QVERIFY(!pages[index].contains(QStringLiteral("Heading one")));
        QVERIFY(!pages.first().contains(QStringLiteral("Name of machine")));

        const int halfZoomPages = static_cast<int>(pages.size());
        sheet.PageSetup().SetZoom(100);
        sheet.PrintOut();
        const int portraitPages = static_cast<int>(PdfPages(pdf).size());
        QVERIFY(portraitPages > halfZoomPages);
        // Across the paper the two columns still fit; the rows take more pages.
        sheet.PageSetup().SetOrientation(SheetOrientation::Landscape);
        sheet.PrintOut();
        QVERIFY(PdfPages(pdf).size() > portraitPages);
    }

    void printsCopiesAndRefusesWhatItCannotPrint() {
        SheetPrinter printer;
        const QString pdf = dir_.filePath(QStringLiteral("copies.pdf"));
        printer.SetPdfOutput(pdf);
        SheetApplication application(&printer);
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells(1, 1).SetValue(QStringLiteral("only"));
        sheet.PrintOut(3, true);
        QCOMPARE(PdfPages(pdf).size(), 3);

        SheetWorksheet& empty = application.AddWorkbook().Worksheets(1);
        QCOMPARE(ErrorCode([&] { empty.PrintOut(); }), 1004);
        printer.SetPdfOutput(dir_.filePath(QStringLiteral("no/such/folder/out.pdf")));
        QCOMPARE(ErrorCode([&] { sheet.PrintOut(); }), 68);
    }

    void measuresWithTheRealFonts() {
        const SheetTextMeasure measure = SheetPrinter::FontMeasure();
        const double short9 = measure(QStringLiteral("abc"), QStringLiteral("DejaVu Sans"), 9, false);
        const double long9 = measure(QStringLiteral("abcabc"), QStringLiteral("DejaVu Sans"), 9, false);
        const double short18 = measure(QStringLiteral("abc"), QStringLiteral("DejaVu Sans"), 18, false);
        QVERIFY(short9 > 5);
        QVERIFY(qAbs(long9 - 2 * short9) < 1.5);
        QVERIFY(qAbs(short18 - 2 * short9) < 2);
        // Japanese text is measured in a font that has it.
        QVERIFY(measure(QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A"), QStringLiteral("IPAGothic"), 9,
                        false) > 15);
        // The measure fits columns: a longer text, a wider column.
        SheetApplication application(nullptr, measure);
        SheetWorksheet& sheet = application.AddWorkbook().Worksheets(1);
        sheet.Cells(1, 1).SetValue(QStringLiteral("a"));
        sheet.Cells(1, 2).SetValue(QStringLiteral("a rather long remark"));
        sheet.Columns(QStringLiteral("A:B")).AutoFit();
        QVERIFY(sheet.ColumnWidth(2) > 3 * sheet.ColumnWidth(1));
    }
};

QTEST_MAIN(TestSheetPrinter)
#include "tst_sheetprinter.moc"
