// The customize sheet, saved and read back with an independent reader: the input and output
// layouts, the difference marks, the free duty, the groups and the progress it reports.
#include "export/CustomizeSheet.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "shell/messages/Messages.h"
#include "tests/export/WorkbookReadBack.h"
#include "tests/support/ScriptedPrompter.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using vokg::CustomizeSheetRequest;
using workbookreadback::Cell;

namespace {

QString Text(const QJsonObject& book, const QString& address) {
    const QJsonValue value = Cell(book, address)[QStringLiteral("value")];
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

} // namespace

class CustomizeSheetTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList boxes_;
    QStringList progress_;
    std::unique_ptr<vokg::CCustoms> user_;
    std::unique_ptr<vokg::CCustoms> comparison_;
    std::unique_ptr<vokg::CCusSelections> inputs_;
    std::unique_ptr<vokg::CCusSelections> outputs_;

    void AddSignals(vokg::CCustoms& set) {
        set.AddInput(QStringLiteral("I1"), {}, QStringLiteral("Standard input"), 1, 2, 3);
        set.AddInput(QStringLiteral("IP"), {}, QStringLiteral("Standard input"), 4, 5, 6);
        set.AddInput(QStringLiteral("I3"), {}, QStringLiteral("TE BOARD input"), 7, 8, 9);
        set.Add(QStringLiteral("O1"), {}, QStringLiteral("Standard output"), 10, 11, 12, 13, 15, 17, 19, 21);
        set.Add(QStringLiteral("O2"), {}, QStringLiteral("Standard output"), 23, 24, 25, 26, 28, 30, 32, 34);
    }

    QJsonObject Save(CustomizeSheetRequest request) {
        request.fileName = dir_->filePath(QStringLiteral("customize.xlsx"));
        request.saveToFile = true;
        vokg::CustomizeSheet sheet(*user_, *comparison_, *inputs_, *outputs_, method_);
        if (!sheet.PrintToExcelCustomize(request, [this](const QString& text) { progress_.append(text); }))
            return {};
        QString error;
        const QJsonObject book = workbookreadback::Read(request.fileName, &error);
        if (book.isEmpty())
            qWarning("%s", qPrintable(error));
        return book;
    }
    static CustomizeSheetRequest Request(int inout, QStringList groups, bool comparison = true) {
        CustomizeSheetRequest request;
        request.inout = inout;
        request.selectedGroups = std::move(groups);
        request.hasComparison = comparison;
        request.model = QStringLiteral("VK-2300");
        request.version = QStringLiteral("1.00");
        return request;
    }
    static QStringList Row(const QJsonObject& book, int row, int columns) {
        QStringList texts;
        for (int column = 0; column < columns; ++column)
            texts << Text(book, QChar(u'A' + column) + QString::number(row));
        return texts;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        boxes_.clear();
        progress_.clear();
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) { boxes_.append(text); });
        hlpkit::CMethod::SetLogFolder(dir_->path());
        const vokg::ModelContext context{method_, messenger_};
        user_ = std::make_unique<vokg::CCustoms>(context);
        comparison_ = std::make_unique<vokg::CCustoms>(context);
        AddSignals(*user_);
        AddSignals(*comparison_);
        inputs_ = std::make_unique<vokg::CCusSelections>(context);
        outputs_ = std::make_unique<vokg::CCusSelections>(context);
        inputs_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        inputs_->Add(QStringLiteral("START"), 1, QStringLiteral("Start switch"));
        outputs_->Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        outputs_->Add(QStringLiteral("DOORLOCK"), 40, QStringLiteral("Safety door lock"));
        user_->Item(QStringLiteral("I1"))->SetKino(1);
        user_->Item(QStringLiteral("I1"))->SetLogic(1);
        comparison_->Item(QStringLiteral("I1"))->SetKino(1);
        user_->Item(QStringLiteral("O1"))->SetKino(40);
        user_->Item(QStringLiteral("O1"))->SetOnDelayTime(65535);
        user_->Item(QStringLiteral("O1"))->SetChoppingOnTime(30);
        user_->Item(QStringLiteral("O1"))->SetChoppingOffTime(70);
        user_->Item(QStringLiteral("O1"))->SetZenpaTime(300);
        comparison_->Item(QStringLiteral("O1"))->SetKino(40);
        comparison_->Item(QStringLiteral("O1"))->SetOnDelayTime(65535);
        comparison_->Item(QStringLiteral("O1"))->SetChoppingOnTime(20);
        comparison_->Item(QStringLiteral("O1"))->SetChoppingOffTime(20);
        comparison_->Item(QStringLiteral("O1"))->SetZenpaTime(300);
        user_->Item(QStringLiteral("O2"))->SetChoppingOnTime(1);
        comparison_->Item(QStringLiteral("O2"))->SetChoppingOnTime(1);
        comparison_->Item(QStringLiteral("O2"))->SetDosa(1);
    }
    void cleanup() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join(u'\n')));
    }

    void inputSheetHasEightColumns() {
        const QJsonObject book =
            Save(Request(0, {QStringLiteral("Standard input"), QStringLiteral("TE BOARD input")}));
        QVERIFY(!book.isEmpty());
        QCOMPARE(book[QStringLiteral("title")].toString(), QStringLiteral("VOK-G Customize"));
        QCOMPARE(book[QStringLiteral("maxColumn")].toInt(), 8);
        QCOMPARE(Row(book, 1, 8), (QStringList{"Signal", "Comparative value", "ComparativeLogical setting",
                                               "ComparativeOperation selection", "Dif", "User value",
                                               "Logical setting", "Operation selection"}));
        QCOMPARE(Row(book, 2, 8), (QStringList{"I1", "START Start switch", "USUAL", "USUAL", "*",
                                               "START Start switch", "REV", "USUAL"}));
        QCOMPARE(Row(book, 3, 8), (QStringList{"IP", "NONE No function", "USUAL", "USUAL", "",
                                               "NONE No function", "USUAL", "USUAL"}));
        // One empty row after the signal IP.
        QCOMPARE(Text(book, QStringLiteral("A4")), QString());
        QCOMPARE(Text(book, QStringLiteral("A5")), QStringLiteral("I3"));
        QCOMPARE(book[QStringLiteral("orientation")].toString(), QStringLiteral("landscape"));
        QCOMPARE(book[QStringLiteral("scale")].toInt(), 80);
        // The workbook stores a width with the padding of its default font.
        const QJsonObject widths = book[QStringLiteral("columns")].toObject();
        QCOMPARE(int(widths[QStringLiteral("A")].toDouble()), 5);
        QCOMPARE(int(widths[QStringLiteral("B")].toDouble()), 25);
        QCOMPARE(int(widths[QStringLiteral("F")].toDouble()), 25);
        QCOMPARE(int(widths[QStringLiteral("E")].toDouble()), 4);
    }

    void outputSheetHasSixteenColumnsAndTheFreeDuty() {
        const QJsonObject book = Save(Request(1, {QStringLiteral("Standard output")}));
        QVERIFY(!book.isEmpty());
        QCOMPARE(book[QStringLiteral("maxColumn")].toInt(), 16);
        QCOMPARE(Text(book, QStringLiteral("I1")), QStringLiteral("Dif"));
        QCOMPARE(Text(book, QStringLiteral("G1")), QStringLiteral("ComparativeChopping duty"));
        QCOMPARE(Row(book, 2, 16), (QStringList{"O1", "DOORLOCK Safety door lock", "USUAL", "USUAL", "65535",
                                                "0", "50H", "300", "*", "DOORLOCK Safety door lock", "USUAL",
                                                "USUAL", "65535", "0", "30(MANUAL)", "300"}));
        QCOMPARE(Text(book, QStringLiteral("I3")), QStringLiteral("*"));
        QCOMPARE(Text(book, QStringLiteral("D3")), QStringLiteral("ALT"));
        QCOMPARE(Text(book, QStringLiteral("O3")), QStringLiteral("ALL"));
    }

    void groupsAndDifferencesChooseTheRows_data() {
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<bool>("comparison");
        QTest::addColumn<bool>("onlyDifferences");
        QTest::addColumn<int>("rows");
        QTest::newRow("no group matches: the header only") << QStringList{"Nothing"} << true << false << 1;
        QTest::newRow("only differences")
            << QStringList{"Standard input", "TE BOARD input"} << true << true << 2;
        QTest::newRow("only differences without a comparison prints all")
            << QStringList{"Standard input", "TE BOARD input"} << false << true << 5;
        QTest::newRow("one group") << QStringList{"TE BOARD input"} << true << false << 2;
    }
    void groupsAndDifferencesChooseTheRows() {
        QFETCH(QStringList, groups);
        QFETCH(bool, comparison);
        QFETCH(bool, onlyDifferences);
        QFETCH(int, rows);
        CustomizeSheetRequest request = Request(0, groups, comparison);
        request.onlyDifferences = onlyDifferences;
        const QJsonObject book = Save(request);
        QVERIFY(!book.isEmpty());
        QCOMPARE(book[QStringLiteral("maxRow")].toInt(), rows);
        if (!comparison)
            QCOMPARE(Text(book, QStringLiteral("B2")), QString());
    }

    void progressComesInItsOrder() {
        QVERIFY(!Save(Request(0, {QStringLiteral("TE BOARD input")})).isEmpty());
        QCOMPARE(
            progress_,
            (QStringList{"Creating excel object...", "Printing:TE BOARD input  I3", "Setting sheet name...",
                         "Setting font / location...", "Setting line...", "Setting column width / height...",
                         "Removing line around.", "Setting page ...", "Print to excel file done."}));
    }
};

QTEST_MAIN(CustomizeSheetTest)
#include "tst_customizesheet.moc"
