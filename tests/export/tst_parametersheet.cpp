#include "export/ParameterSheet.h"
#include "export/WorkbookFile.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "shell/messages/Messages.h"
#include "tests/export/WorkbookReadBack.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vokg;
using workbookreadback::Cell;

namespace {

QString Text(const QJsonObject& book, const QString& address) {
    const QJsonValue value = Cell(book, address).value(QStringLiteral("value"));
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

} // namespace

class TestParameterSheet : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QStringList boxes_;
    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    std::unique_ptr<CModes> modes_;
    QStringList progress_;

    SheetProgress Recorder() {
        return [this](const QString& text) { progress_.append(text); };
    }

    static QString ProcOf(const QString& box) { return box.section(QStringLiteral("\r\n"), 0, 0); }
    static int CodeOf(const QString& box) {
        const auto match = QRegularExpression(QStringLiteral("\\[ErrCode\\] (-?\\d+)")).match(box);
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    // Three modes; SPEED and MODEX differ from the comparison table, LIMIT and DB1 do not.
    void BuildModes() {
        modes_ = std::make_unique<CModes>(ModelContext{method_, messenger_});
        modes_->SetKishuName(QStringLiteral("VK-100&A"));
        modes_->SetDataVersion(QStringLiteral("V1.02"));
        CMode& basic = modes_->Add(QStringLiteral("BASIC"));
        CDigital& speed = basic.Digits().Add(
            QStringLiteral("SPEED"), QStringLiteral("NUM"), QStringLiteral("rpm"), QStringLiteral("0"),
            QStringLiteral("3000"), QStringLiteral("Maximum sewing speed"), QString(), 100, 2);
        speed.SetUserValue(2500);
        speed.SetCmpValue(2000);
        CDigital& limit = basic.Digits().Add(
            QStringLiteral("LIMIT"), QStringLiteral("NUM"), QStringLiteral("mm"), QStringLiteral("1.50"),
            QStringLiteral("250"), QStringLiteral("'quoted remark"), QString(), 102, 1);
        limit.SetUserValue(12);
        limit.SetCmpValue(12);
        CDigital& modex = basic.Digits().Add(
            QStringLiteral("MODEX"), QStringLiteral("SEL"), QString(), QStringLiteral("0"),
            QStringLiteral("1"), QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A"), QString(), 104, 1);
        modex.Selections().Add(QStringLiteral("OFF"), 0);
        modex.Selections().Add(QStringLiteral("ON"), 1);
        modex.SetUserValue(1);
        modex.SetCmpValue(0);
        CMode& special = modes_->Add(QStringLiteral("SPECIAL"));
        CDigital& db1 =
            special.Digits().Add(QStringLiteral("DB1"), QStringLiteral("NUM"), QString(), QStringLiteral("0"),
                                 QStringLiteral("65535"), QString(), QString(), 200, 2);
        db1.SetUserValue(7);
        db1.SetCmpValue(7);
        modes_->Add(QStringLiteral("Manufacturer"))
            .Digits()
            .Add(QStringLiteral("OFFSET"), QStringLiteral("NUM"), QString(), QStringLiteral("-100"),
                 QStringLiteral("100"), QString(), QString(), 210, 2)
            .SetUserValue(-5);
    }

    ParameterSheetRequest SaveRequest(const QString& name) const {
        ParameterSheetRequest request;
        request.fileName = dir_->filePath(name);
        request.selectedModes = {QStringLiteral("BASIC"), QStringLiteral("SPECIAL")};
        request.saveToFile = true;
        request.hasComparison = true;
        request.userTableNumber = 3;
        return request;
    }

    QJsonObject Save(const ParameterSheetRequest& request) {
        if (!PrintToExcel(*modes_, method_, request, Recorder()))
            return {};
        QString error;
        const QJsonObject book = workbookreadback::Read(request.fileName, &error);
        if (book.isEmpty())
            qWarning("%s", qPrintable(error));
        return book;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        boxes_.clear();
        progress_.clear();
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) { boxes_.append(text); });
        hlpkit::CMethod::SetLogFolder(dir_->path());
        BuildModes();
    }
    void cleanup() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }

    void writesTheRowsAsLaidOut() {
        const QJsonObject book = Save(SaveRequest(QStringLiteral("sheet.xlsx")));
        QVERIFY(!book.isEmpty());
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join(u'\n')));
        QCOMPARE(book[QStringLiteral("sheets")].toArray().size(), 1);
        QCOMPARE(book[QStringLiteral("title")].toString(), QStringLiteral("VOK-G Parameters"));
        const QStringList headings = {"Mode", "Digital",     "Remark", "Unit", "MIN",
                                      "MAX",  "Comparative", "Value",  "Dif"};
        for (int column = 1; column <= 9; ++column)
            QCOMPARE(Text(book, QChar(u'A' + column - 1) + QStringLiteral("1")), headings.at(column - 1));
        // Rows in definition order; the manufacturer mode was not chosen.
        QCOMPARE(book[QStringLiteral("maxRow")].toInt(), 5);
        QCOMPARE(book[QStringLiteral("maxColumn")].toInt(), 9);
        const QList<QStringList> rows = {
            {"BASIC", "SPEED", "Maximum sewing speed", "rpm", "0", "3000", "2000", "2500", "*"},
            {"BASIC", "LIMIT", "'quoted remark", "mm", "1.50", "250", "12", "12", ""},
            {"BASIC", "MODEX", QString::fromUtf8("\xE9\x80\x81\xE3\x82\x8A"), "", "0", "1", "OFF", "ON", "*"},
            {"SPECIAL", "DB1", "", "", "0", "65535", "7", "7", ""},
        };
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < 9; ++column)
                QCOMPARE(Text(book, QChar(u'A' + column) + QString::number(row + 2)), rows[row][column]);
        // Numbers stay numbers; a bound that would lose its form as a number stays text.
        QVERIFY(Cell(book, QStringLiteral("H2"))[QStringLiteral("value")].isDouble());
        QVERIFY(Cell(book, QStringLiteral("F2"))[QStringLiteral("value")].isDouble());
        QVERIFY(Cell(book, QStringLiteral("E3"))[QStringLiteral("value")].isString());
        QVERIFY(Cell(book, QStringLiteral("H4"))[QStringLiteral("value")].isString());
    }

    void formatsAndSetsUpThePage() {
        const QJsonObject book = Save(SaveRequest(QStringLiteral("format.xlsx")));
        QVERIFY(!book.isEmpty());
        const QJsonObject a1 = Cell(book, QStringLiteral("A1"));
        QCOMPARE(a1[QStringLiteral("size")].toDouble(), 9.0);
        QVERIFY(a1[QStringLiteral("bold")].toBool());
        QVERIFY(!a1[QStringLiteral("wrap")].toBool());
        QCOMPARE(a1[QStringLiteral("horizontal")].toString(), QStringLiteral("center"));
        QCOMPARE(a1[QStringLiteral("vertical")].toString(), QStringLiteral("center"));
        QCOMPARE(a1[QStringLiteral("fill")].toString(), QStringLiteral("solid"));
        QCOMPARE(a1[QStringLiteral("fillColor")].toString().right(6), QStringLiteral("C0C0C0"));
        QCOMPARE(Cell(book, QStringLiteral("I1"))[QStringLiteral("fill")].toString(),
                 QStringLiteral("solid"));
        QCOMPARE(Cell(book, QStringLiteral("B1"))[QStringLiteral("font")].toString(),
                 QStringLiteral("Tahoma"));
        const QJsonObject b3 = Cell(book, QStringLiteral("B3"));
        QCOMPARE(b3[QStringLiteral("font")].toString(), QStringLiteral("Arial Black"));
        QCOMPARE(b3[QStringLiteral("horizontal")].toString(), QStringLiteral("center"));
        QVERIFY(!b3[QStringLiteral("bold")].toBool());
        QVERIFY(Cell(book, QStringLiteral("H3"))[QStringLiteral("bold")].toBool());
        for (const char* centred : {"D3", "G3", "H3", "I3"})
            QCOMPARE(Cell(book, QString::fromLatin1(centred))[QStringLiteral("horizontal")].toString(),
                     QStringLiteral("center"));
        QVERIFY(Cell(book, QStringLiteral("C3"))[QStringLiteral("horizontal")].isNull());
        QCOMPARE(Cell(book, QStringLiteral("C3"))[QStringLiteral("size")].toDouble(), 9.0);
        QVERIFY(Cell(book, QStringLiteral("A2"))[QStringLiteral("fill")].isNull());

        // Outer lines thin, inner lines hairline, over A1 to the last used cell.
        auto edges = [&book](const char* address) {
            const QJsonObject cell = Cell(book, QString::fromLatin1(address));
            return QStringList{
                cell[QStringLiteral("left")].toString(), cell[QStringLiteral("top")].toString(),
                cell[QStringLiteral("bottom")].toString(), cell[QStringLiteral("right")].toString()};
        };
        QCOMPARE(edges("A1"), (QStringList{"thin", "thin", "hair", "hair"}));
        QCOMPARE(edges("E3"), (QStringList{"hair", "hair", "hair", "hair"}));
        QCOMPARE(edges("I5"), (QStringList{"hair", "hair", "thin", "thin"}));
        QCOMPARE(edges("A5"), (QStringList{"thin", "hair", "thin", "hair"}));

        // Widths: E and F 5.25, I 5 (stored with their padding); the fitted ones grow with their texts.
        const QJsonObject columns = book[QStringLiteral("columns")].toObject();
        // The file keeps widths in 256ths of a character.
        auto near = [](double stored, double expected) { return qAbs(stored - expected) < 1.0 / 256; };
        QVERIFY(near(columns[QStringLiteral("E")].toDouble(), 42.0 / 7.0));
        QVERIFY(near(columns[QStringLiteral("F")].toDouble(), 42.0 / 7.0));
        QVERIFY(near(columns[QStringLiteral("I")].toDouble(), 40.0 / 7.0));
        QVERIFY(columns[QStringLiteral("C")].toDouble() > columns[QStringLiteral("D")].toDouble());
        QVERIFY(columns[QStringLiteral("C")].toDouble() > 12);
        QVERIFY(columns[QStringLiteral("B")].toDouble() >= 5);
        QCOMPARE(book[QStringLiteral("defaultRowHeight")].toDouble(), 14.0);
        QCOMPARE(book[QStringLiteral("gridlines")].toBool(), false);

        QCOMPARE(book[QStringLiteral("orientation")].toString(), QStringLiteral("landscape"));
        QCOMPARE(book[QStringLiteral("scale")].toInt(), 70);
        const QJsonObject margins = book[QStringLiteral("margins")].toObject();
        QCOMPARE(margins[QStringLiteral("left")].toDouble(), 0.4);
        QCOMPARE(margins[QStringLiteral("right")].toDouble(), 0.4);
        QCOMPARE(margins[QStringLiteral("top")].toDouble(), 0.4);
        QCOMPARE(margins[QStringLiteral("bottom")].toDouble(), 0.3);
        QCOMPARE(margins[QStringLiteral("header")].toDouble(), 0.1);
        QCOMPARE(margins[QStringLiteral("footer")].toDouble(), 0.1);
        QCOMPARE(book[QStringLiteral("titleRows")].toString(), QStringLiteral("$1:$1"));
        QCOMPARE(book[QStringLiteral("headerCenterSize")].toInt(), 10);
        const QString header = book[QStringLiteral("headerCenter")].toString();
        QVERIFY2(header.startsWith(
                     QStringLiteral("Filename=[&F]  Name of machine=[VK-100&&A]  Data version=[V1.02]  "
                                    "TableNo=[3]  (&P/&NPage)")),
                 qPrintable(header));
    }

    void progressComesInItsOrder() {
        QVERIFY(PrintToExcel(*modes_, method_, SaveRequest(QStringLiteral("p.xlsx")), Recorder()));
        const QStringList expected = {"Creating excel object...",
                                      "Printing:BASIC  SPEED",
                                      "Printing:BASIC  LIMIT",
                                      "Printing:BASIC  MODEX",
                                      "Printing:SPECIAL  DB1",
                                      "Setting sheet name...",
                                      "Setting font / location...",
                                      "Setting column width / height...",
                                      "Setting line...",
                                      "Removing line around.",
                                      "Setting page ...",
                                      "Print to excel file done."};
        QCOMPARE(progress_, expected);
    }

    void onlyDifferencesSkipsEqualRowsButReportsThem() {
        ParameterSheetRequest request = SaveRequest(QStringLiteral("dif.xlsx"));
        request.onlyDifferences = true;
        const QJsonObject book = Save(request);
        QVERIFY(!book.isEmpty());
        QCOMPARE(book[QStringLiteral("maxRow")].toInt(), 3);
        QCOMPARE(Text(book, QStringLiteral("B2")), QStringLiteral("SPEED"));
        QCOMPARE(Text(book, QStringLiteral("B3")), QStringLiteral("MODEX"));
        QCOMPARE(progress_.filter(QStringLiteral("Printing:")).size(), 4);

        // Without a comparison table there is nothing to differ from: every row prints.
        progress_.clear();
        request.hasComparison = false;
        request.fileName = dir_->filePath(QStringLiteral("nocmp.xlsx"));
        QCOMPARE(Save(request)[QStringLiteral("maxRow")].toInt(), 5);
    }

    void withoutComparisonColumnsGAndIStayEmpty() {
        ParameterSheetRequest request = SaveRequest(QStringLiteral("nocmp.xlsx"));
        request.hasComparison = false;
        const QJsonObject book = Save(request);
        QVERIFY(!book.isEmpty());
        QCOMPARE(Text(book, QStringLiteral("G1")), QStringLiteral("Comparative"));
        QCOMPARE(Text(book, QStringLiteral("I1")), QStringLiteral("Dif"));
        for (int row = 2; row <= 5; ++row) {
            QVERIFY(Cell(book, QStringLiteral("G%1").arg(row))[QStringLiteral("value")].isNull());
            QVERIFY(Cell(book, QStringLiteral("I%1").arg(row))[QStringLiteral("value")].isNull());
            QVERIFY(!Cell(book, QStringLiteral("H%1").arg(row))[QStringLiteral("value")].isNull());
        }
        // The page header names the file only when the sheet is saved.
        QVERIFY(book[QStringLiteral("headerCenter")].toString().contains(QStringLiteral("&F")));
    }

    void unchosenModesGiveNoRowsAndNoProgress() {
        ParameterSheetRequest request = SaveRequest(QStringLiteral("one.xlsx"));
        request.selectedModes = {QStringLiteral("SPECIAL"), QStringLiteral("NOSUCH"),
                                 QStringLiteral("SPECIAL")};
        const QJsonObject book = Save(request);
        QCOMPARE(book[QStringLiteral("maxRow")].toInt(), 2);
        QCOMPARE(Text(book, QStringLiteral("A2")), QStringLiteral("SPECIAL"));
        QCOMPARE(progress_.filter(QStringLiteral("Printing:")),
                 QStringList{QStringLiteral("Printing:SPECIAL  DB1")});

        // Nothing chosen: the headings alone, framed.
        progress_.clear();
        request.selectedModes.clear();
        request.fileName = dir_->filePath(QStringLiteral("none.xlsx"));
        const QJsonObject empty = Save(request);
        QCOMPARE(empty[QStringLiteral("maxRow")].toInt(), 1);
        QCOMPARE(Cell(empty, QStringLiteral("I1"))[QStringLiteral("right")].toString(),
                 QStringLiteral("thin"));
        QVERIFY(progress_.filter(QStringLiteral("Printing:")).isEmpty());
    }

    void savingOverAnExistingFileReplacesIt() {
        const ParameterSheetRequest request = SaveRequest(QStringLiteral("VOKG_SET.xlsx"));
        {
            QFile old(request.fileName);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older workbook");
        }
        QVERIFY(ProbeWorkbookFile(request.fileName));
        const QJsonObject book = Save(request);
        QCOMPARE(Text(book, QStringLiteral("B2")), QStringLiteral("SPEED"));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(QDir(dir_->path()).entryList({QStringLiteral("*.xlsx*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("VOKG_SET.xlsx")});
    }

    void aFailedSaveIsReportedAndKeepsTheOldFile() {
        ParameterSheetRequest request = SaveRequest(QStringLiteral("missing/VOKG_SET.xlsx"));
        QVERIFY(!PrintToExcel(*modes_, method_, request, Recorder()));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.first()), QStringLiteral("PrintToExcel"));
        QCOMPARE(CodeOf(boxes_.first()), 76);
        QVERIFY(!progress_.contains(QStringLiteral("Print to excel file done.")));

        // A printout with no printer to go to is a failure too, not a silent success.
        boxes_.clear();
        request.saveToFile = false;
        QVERIFY(!PrintToExcel(*modes_, method_, request, Recorder()));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(CodeOf(boxes_.first()), 68);
        QVERIFY(boxes_.first().contains(QStringLiteral("printer")));
    }

    void probesAWorkbookWithoutLosingIt() {
        const QString path = dir_->filePath(QStringLiteral("book.xlsx"));
        QVERIFY(ProbeWorkbookFile(path)); // nothing there yet
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("workbook bytes");
        }
        QVERIFY(ProbeWorkbookFile(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("workbook bytes"));
        QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("bak_book.xlsx"))));
        // A folder of that name cannot be replaced by a workbook.
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.xlsx")));
        QVERIFY(!ProbeWorkbookFile(dir_->filePath(QStringLiteral("folder.xlsx"))));
        QVERIFY(QFileInfo(dir_->filePath(QStringLiteral("folder.xlsx"))).isDir());
    }
};

QTEST_GUILESS_MAIN(TestParameterSheet)
#include "tst_parametersheet.moc"
