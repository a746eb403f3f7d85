#include "export/FeedSheet.h"
#include "hlpkit/CMethod.h"
#include "model/COkuris.h"
#include "shell/messages/Messages.h"
#include "tests/export/WorkbookReadBack.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TableBuilder.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using testsupport::TableBuilder;
using vokg::COkuris;
using vokg::FeedSheet;
using vokg::FeedSheetRequest;

namespace {

constexpr int kFeed = 4096;

QJsonValue Value(const QJsonObject& book, const QString& cell) {
    return workbookreadback::Cell(book, cell).value(QStringLiteral("value"));
}

bool Empty(const QJsonValue& value) {
    return value.isNull() || value.isUndefined();
}

QString Fill(const QJsonObject& book, const QString& cell) {
    return workbookreadback::Cell(book, cell).value(QStringLiteral("fill")).toString();
}

} // namespace

class TestFeedSheet : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    std::unique_ptr<COkuris> user_;
    std::unique_ptr<COkuris> comparison_;
    QStringList errors_;

    std::unique_ptr<COkuris> Read(const TableBuilder& table, const QString& name) {
        const QString path = dir_.filePath(name);
        if (!table.WriteTo(path))
            qFatal("cannot write %s", qPrintable(name));
        auto okuris = std::make_unique<COkuris>(vokg::ModelContext{method_, messenger_});
        if (!okuris->ReadData(path, 1))
            qFatal("cannot read %s", qPrintable(name));
        return okuris;
    }

    // Writes the sheet and reads it back; an empty object when either failed.
    QJsonObject Write(const FeedSheetRequest& given, bool pitchWindow, QStringList* progress = nullptr) {
        FeedSheetRequest request = given;
        request.fileName = dir_.filePath(QStringLiteral("feed.xlsx"));
        request.saveToFile = true;
        QFile::remove(request.fileName);
        FeedSheet sheet(*user_, *comparison_, method_);
        const auto doing = [progress](const QString& text) {
            if (progress != nullptr)
                progress->append(text);
        };
        if (!(pitchWindow ? sheet.PrintToExcel2(request, doing) : sheet.PrintToExcel(request, doing)))
            return {};
        QString error;
        const QJsonObject book = workbookreadback::Read(request.fileName, &error);
        if (book.isEmpty())
            qWarning("%s", qPrintable(error));
        return book;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        hlpkit::CMethod::SetLogFolder(dir_.path());
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) { errors_.append(text); });
    }

    // User: X_P1_A entry 0 = 300, XYLM entry 200 = 1234, other value 6 = 7. Comparison: X_P1_A
    // entry 1 = 9, XYLM entry 200 = 1200, and X_P2 pitch row 1 (X_P2_B entry 0) = 3.
    void init() {
        errors_.clear();
        TableBuilder user;
        user.Word(1, kFeed + 0, 300).Word(1, kFeed + 744 + 400, 1234).Word(1, kFeed + 2754 + 12, 7);
        user_ = Read(user, QStringLiteral("user.dsg"));
        TableBuilder comparison;
        comparison.Word(1, kFeed + 0, 300).Word(1, kFeed + 2, 9).Word(1, kFeed + 744 + 400, 1200);
        comparison.Byte(1, kFeed + 279, 3).Word(1, kFeed + 2754 + 12, 7);
        comparison_ = Read(comparison, QStringLiteral("comparison.dsg"));
    }

    void cleanup() { QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join(u'\n'))); }

    void blocksOneAfterAnother() {
        FeedSheetRequest request;
        request.keys = {QStringLiteral("X_P1_A"), COkuris::OtherValuesKey()};
        request.hasComparison = true;
        request.pageHeader = QStringLiteral("&10HEADER");
        QStringList progress;
        const QJsonObject book = Write(request, false, &progress);
        QVERIFY(!book.isEmpty());
        QCOMPARE(book.value(QStringLiteral("title")).toString(), QStringLiteral("VOK-G Pitch prameters"));
        // Block 1: title, header, 31 entries labelled 0 to 30 (rows 3 to 33).
        QCOMPARE(Value(book, QStringLiteral("A1")).toString(), QStringLiteral("X_P1_A"));
        QCOMPARE(Value(book, QStringLiteral("A2")).toString(), QStringLiteral("Pitch"));
        QCOMPARE(Value(book, QStringLiteral("D2")).toString(), QStringLiteral("DIF"));
        QCOMPARE(Value(book, QStringLiteral("A3")).toDouble(), 0.0);
        QCOMPARE(Value(book, QStringLiteral("C3")).toDouble(), 300.0);
        QCOMPARE(Value(book, QStringLiteral("B3")).toDouble(), 300.0);
        QVERIFY(Empty(Value(book, QStringLiteral("D3"))));
        QCOMPARE(Value(book, QStringLiteral("B4")).toDouble(), 9.0);
        QCOMPARE(Value(book, QStringLiteral("D4")).toString(), QStringLiteral("*"));
        QCOMPARE(Value(book, QStringLiteral("A33")).toDouble(), 30.0);
        // Block 2 starts after one blank row: 7 entries labelled with their captions.
        QVERIFY(Empty(Value(book, QStringLiteral("A34"))));
        QCOMPARE(Value(book, QStringLiteral("A35")).toString(), COkuris::OtherValuesKey());
        QVERIFY(Value(book, QStringLiteral("A36")).toString().isEmpty());
        QCOMPARE(Value(book, QStringLiteral("A37")).toString(), vokg::LoadMsg(521));
        QCOMPARE(Value(book, QStringLiteral("A43")).toString(), vokg::LoadMsg(527));
        QCOMPARE(Value(book, QStringLiteral("C43")).toDouble(), 7.0);
        QCOMPARE(book.value(QStringLiteral("maxRow")).toInt(), 43);
        QCOMPARE(book.value(QStringLiteral("headerCenter")).toString(), QStringLiteral("HEADER"));
        QVERIFY(progress.contains(QStringLiteral("Printing:30 row")));
        QCOMPARE(progress.last(), QStringLiteral("Print to excel file done."));
    }

    void blocksWithoutComparisonOrDifferences_data() {
        QTest::addColumn<bool>("hasComparison");
        QTest::addColumn<bool>("onlyDifferences");
        QTest::newRow("no comparison") << false << false;
        QTest::newRow("only differences, none differ") << true << true;
    }
    void blocksWithoutComparisonOrDifferences() {
        QFETCH(bool, hasComparison);
        QFETCH(bool, onlyDifferences);
        FeedSheetRequest request;
        request.keys = {COkuris::OtherValuesKey()};
        request.hasComparison = hasComparison;
        request.onlyDifferences = onlyDifferences;
        const QJsonObject book = Write(request, false);
        QVERIFY(!book.isEmpty());
        QCOMPARE(Value(book, QStringLiteral("A1")).toString(), COkuris::OtherValuesKey());
        QCOMPARE(Value(book, QStringLiteral("B2")).toString(), QStringLiteral("Comparative\nvalue"));
        for (int row = 3; row <= 9; ++row) {
            QVERIFY(Empty(Value(book, QStringLiteral("B%1").arg(row))));
            QVERIFY(Empty(Value(book, QStringLiteral("D%1").arg(row))));
            // Without a comparison every entry prints; with only differences none does.
            QCOMPARE(Empty(Value(book, QStringLiteral("A%1").arg(row))), onlyDifferences);
        }
    }

    void pitchWindowSheets_data() {
        QTest::addColumn<int>("caption");
        QTest::addColumn<QString>("lastLabel");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<QString>("markColumn");
        QTest::newRow("each pitch") << 572 << "20.0" << 203 << "H";
        QTest::newRow("sending X") << 573 << "19.7-20.0" << 52 << "F";
        QTest::newRow("sending Y") << 574 << "19.7-20.0" << 52 << "F";
    }
    void pitchWindowSheets() {
        QFETCH(int, caption);
        QFETCH(QString, lastLabel);
        QFETCH(int, lastRow);
        QFETCH(QString, markColumn);
        FeedSheetRequest request;
        request.keys = {vokg::LoadMsg(caption)};
        request.hasComparison = true;
        const QJsonObject book = Write(request, true);
        QVERIFY(!book.isEmpty());
        QCOMPARE(book.value(QStringLiteral("maxRow")).toInt(), lastRow);
        QCOMPARE(Value(book, QStringLiteral("B1")).toString(), QStringLiteral("Comparative value"));
        QCOMPARE(Value(book, QStringLiteral("%1%2").arg(markColumn).arg(2)).toString(),
                 QStringLiteral("Dif"));
        // Labels stay texts: "20.0" is no number and "0.1-0.4" no date.
        QCOMPARE(Value(book, QStringLiteral("A%1").arg(lastRow)), QJsonValue(lastLabel));
        QCOMPARE(Value(book, QStringLiteral("A3")),
                 QJsonValue(caption == 572 ? QStringLiteral("0.0") : QStringLiteral("0.1-0.4")));
    }

    void differingPairsShadedAndMarked() {
        FeedSheetRequest request;
        request.keys = {vokg::LoadMsg(572)};
        request.hasComparison = true;
        QJsonObject book = Write(request, true);
        QVERIFY(!book.isEmpty());
        // XYLM entry 200 (row 203): comparison in B, user in I, both shaded; "*" in H.
        QCOMPARE(Value(book, QStringLiteral("B203")).toDouble(), 1200.0);
        QCOMPARE(Value(book, QStringLiteral("I203")).toDouble(), 1234.0);
        QCOMPARE(Fill(book, QStringLiteral("B203")), QStringLiteral("solid"));
        QCOMPARE(Fill(book, QStringLiteral("I203")), QStringLiteral("solid"));
        QCOMPARE(Value(book, QStringLiteral("H203")).toString(), QStringLiteral("*"));
        QVERIFY(Fill(book, QStringLiteral("C203")) != QStringLiteral("solid"));
        QVERIFY(Empty(Value(book, QStringLiteral("H202"))));

        request.keys = {vokg::LoadMsg(573)};
        request.onlyDifferences = true;
        book = Write(request, true);
        QVERIFY(!book.isEmpty());
        // Pitch row 1 differs in X_P2 (column D against I), pitch row 2 in X_P1 (X_P1_A entry 1).
        QCOMPARE(Value(book, QStringLiteral("A4")), QJsonValue(QStringLiteral("0.5-0.8")));
        QCOMPARE(Fill(book, QStringLiteral("D4")), QStringLiteral("solid"));
        QCOMPARE(Fill(book, QStringLiteral("I4")), QStringLiteral("solid"));
        QCOMPARE(Value(book, QStringLiteral("F4")).toString(), QStringLiteral("*"));
        QVERIFY(Empty(Value(book, QStringLiteral("A3"))));
        QCOMPARE(Value(book, QStringLiteral("A5")), QJsonValue(QStringLiteral("0.9-1.2")));
        QCOMPARE(Fill(book, QStringLiteral("B5")), QStringLiteral("solid"));
        QVERIFY(Empty(Value(book, QStringLiteral("A6"))));
    }

    void unknownPitchKindIsRefused() {
        FeedSheetRequest request;
        request.keys = {QStringLiteral("X_P1_A")};
        request.fileName = dir_.filePath(QStringLiteral("never.xlsx"));
        request.saveToFile = true;
        FeedSheet sheet(*user_, *comparison_, method_);
        QVERIFY(!sheet.PrintToExcel2(request, {}));
        QVERIFY(!QFile::exists(request.fileName));
        QCOMPARE(errors_.size(), 1);
        QVERIFY(errors_.first().contains(QStringLiteral("PrintToExcel2")));
        errors_.clear();
    }
};

QTEST_MAIN(TestFeedSheet)
#include "tst_feedsheet.moc"
