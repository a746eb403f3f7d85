#include "export/ParameterSheet.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "platform/gui/SheetPrinter.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vokg;

namespace {

QStringList PdfPages(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified(); // the text tool gives runs of spaces back as one
    return pages;
}

} // namespace

// The parameter sheet on paper: printed through the same export as the saved workbook.
class TestParameterSheetPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList boxes_;
    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};

private slots:
    void init() {
        boxes_.clear();
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) { boxes_.append(text); });
        hlpkit::CMethod::SetLogFolder(dir_.path());
    }
    void cleanup() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }

    void printsHeadingsAndHeaderOnEveryPage() {
        CModes modes(ModelContext{method_, messenger_});
        modes.SetKishuName(QStringLiteral("VK-2300"));
        modes.SetDataVersion(QStringLiteral("1.01"));
        for (int m = 1; m <= 3; ++m) {
            CMode& mode = modes.Add(QStringLiteral("MODE%1").arg(m));
            for (int d = 1; d <= 60; ++d) {
                CDigital& digital = mode.Digits().Add(
                    QStringLiteral("D%1_%2").arg(m).arg(d), QStringLiteral("NUM"), QStringLiteral("mm"),
                    QStringLiteral("0"), QStringLiteral("999"),
                    QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A remark %1").arg(d), QString(), d, 1);
                digital.SetUserValue(d);
                digital.SetCmpValue(d % 7 == 0 ? d + 1 : d);
            }
        }
        platform::SheetPrinter printer;
        const QString pdf = dir_.filePath(QStringLiteral("parameters.pdf"));
        printer.SetPdfOutput(pdf);
        ParameterSheet sheet(modes, method_);
        sheet.SetPrinter(&printer);
        sheet.SetTextMeasure(platform::SheetPrinter::FontMeasure());
        ParameterSheetRequest request;
        request.selectedModes = {QStringLiteral("MODE1"), QStringLiteral("MODE2"), QStringLiteral("MODE3")};
        request.hasComparison = true;
        request.userTableNumber = 5;
        QStringList progress;
        QVERIFY(sheet.PrintToExcel(request, [&progress](const QString& text) { progress.append(text); }));
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join(u'\n')));
        QCOMPARE(progress.last(), QStringLiteral("Print to excel file done."));

        const QStringList pages = PdfPages(pdf);
        QVERIFY(pages.size() >= 2);
        QCOMPARE(printer.LastPageCount(), pages.size());
        int rows = 0;
        for (int index = 0; index < pages.size(); ++index) {
            const QString& page = pages[index];
            QVERIFY2(page.contains(QStringLiteral("Mode Digital Remark Unit MIN MAX Comparative Value Dif")),
                     qPrintable(page));
            QVERIFY2(
                page.contains(
                    QStringLiteral("Name of machine=[VK-2300] Data version=[1.01] TableNo=[5] (%1/%2Page)")
                        .arg(index + 1)
                        .arg(pages.size())),
                qPrintable(page));
            // Printed, the header names no file.
            QVERIFY(!page.contains(QStringLiteral("Filename")));
            rows += static_cast<int>(page.count(QStringLiteral(" mm ")));
        }
        QCOMPARE(rows, 180);
        QVERIFY(pages.first().contains(QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A remark 1")));
    }
};

QTEST_MAIN(TestParameterSheetPrint)
#include "tst_parametersheetprint.moc"
