#include "editors/HeaderText.h"
#include "editors/fSelTable.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/TableBuilder.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using testsupport::TableBuilder;
using vokg::fSelTable;
using vokg::HeaderText;

namespace {

// "ミシン" in code page 932.
const QByteArray kMishinCp932 = QByteArray::fromHex("837e83568393");

// Every table t gets the model name "M<t>" and the data version "V<t>.0", NUL padded, so a
// label showing another table's header is caught.
TableBuilder HeadedTables(int tableCount) {
    TableBuilder builder(tableCount);
    builder.FillPattern();
    for (int table = 1; table <= tableCount; ++table) {
        QByteArray name = "M" + QByteArray::number(table);
        QByteArray version = "V" + QByteArray::number(table) + ".0";
        name.append(QByteArray(10 - name.size(), '\0'));
        version.append(QByteArray(10 - version.size(), '\0'));
        builder.Bytes(table, 0, name).Bytes(table, 10, version);
    }
    return builder;
}

} // namespace

class TestSelTable : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    hlpkit::CMethod method_;

    QString Write(const TableBuilder& builder, const QString& name) {
        const QString path = dir_.filePath(name);
        if (!builder.WriteTo(path))
            qFatal("cannot write the test file");
        return path;
    }

private slots:
    void decodesHeaderFieldsAsTheModelDoes_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("name then NULs") << QByteArray("AB\0\0\0\0\0\0\0\0", 10) << "AB";
        QTest::newRow("full field") << QByteArray("ABCDEFGHIJ") << "ABCDEFGHIJ";
        QTest::newRow("NULs inside stay as spaces") << QByteArray("\0A\0B\0\0\0\0\0\0", 10) << "A B";
        QTest::newRow("blanks at both ends") << QByteArray("  V1.2    ") << "V1.2";
        QTest::newRow("all NUL") << QByteArray(10, '\0') << "";
        QTest::newRow("code page 932") << (kMishinCp932 + QByteArray(4, '\0')) << QStringLiteral(u"ミシン");
    }
    void decodesHeaderFieldsAsTheModelDoes() {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QCOMPARE(HeaderText::Decode(field), text);
    }

    void readsEachTablesHeaderAtItsOwnOffset() {
        const QString path = Write(HeadedTables(16), QStringLiteral("VOKG0001.dat"));
        HeaderText headers(path);
        QCOMPARE(headers.Read(1).kishuName, QStringLiteral("M1"));
        QCOMPARE(headers.Read(16).dataVersion, QStringLiteral("V16.0"));
        QCOMPARE(headers.Read(9).kishuName, QStringLiteral("M9"));
    }

    void headerReaderRefusesWhatItCannotRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("code");
        QTest::newRow("no file name") << QString() << 1 << int(hlpkit::BadFileName);
        QTest::newRow("missing file") << QStringLiteral("missing.dsg") << 1 << int(hlpkit::FileNotFound);
        QTest::newRow("table past the end")
            << QStringLiteral("short.dsg") << 3 << int(hlpkit::InputPastEndOfFile);
        QTest::newRow("header cut short")
            << QStringLiteral("short.dsg") << 2 << int(hlpkit::InputPastEndOfFile);
        QTest::newRow("table zero") << QStringLiteral("short.dsg") << 0 << int(hlpkit::SubscriptOutOfRange);
    }
    void headerReaderRefusesWhatItCannotRead() {
        QFETCH(QString, path);
        QFETCH(int, table);
        QFETCH(int, code);
        // Table 2 holds only 15 of its 20 header bytes.
        Write(HeadedTables(2).CutInside(2, 15), QStringLiteral("short.dsg"));
        const QString full = path.isEmpty() ? path : dir_.filePath(path);
        try {
            HeaderText headers(full);
            headers.Read(table);
            QFAIL("no error");
        } catch (const hlpkit::RunError& error) {
            QCOMPARE(error.code, code);
        }
    }

    void onlyEightOrSixteenTables() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fSelTable(9, method_));
        QCOMPARE(fSelTable(16, method_).TableCount(), 16);
    }

    void opensOnThePresetTableAndReturnsTheClickedOne_data() {
        QTest::addColumn<int>("tables");
        QTest::newRow("design file") << 8;
        QTest::newRow("machine data file") << 16;
    }
    void opensOnThePresetTableAndReturnsTheClickedOne() {
        QFETCH(int, tables);
        CapturedReports reports;
        fSelTable dialog(tables, method_);
        dialog.SetReadModelAtOnce(false);
        dialog.SetTableNo(3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.OptionButton(3)->isChecked());
        QCOMPARE(dialog.OptionButton(3)->text(), QStringLiteral("Table 3"));

        QTest::mouseClick(dialog.OptionButton(tables), Qt::LeftButton);
        QCOMPARE(dialog.TableNo(), tables);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.TableNo(), tables);
        QCOMPARE(reports.count(), 0);
    }

    void everyWayOutButOkGivesMinusOne_data() {
        QTest::addColumn<int>("tables");
        QTest::addColumn<QString>("how");
        for (int tables : {8, 16}) {
            for (const char* how : {"close box", "Cancel", "Escape"})
                QTest::addRow("%d tables, %s", tables, how) << tables << QString::fromLatin1(how);
        }
    }
    void everyWayOutButOkGivesMinusOne() {
        QFETCH(int, tables);
        QFETCH(QString, how);
        fSelTable dialog(tables, method_);
        dialog.SetReadModelAtOnce(false);
        dialog.SetTableNo(2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.OptionButton(5), Qt::LeftButton);
        QCOMPARE(dialog.TableNo(), 5);
        if (how == QLatin1String("close box"))
            QVERIFY(dialog.close());
        else if (how == QLatin1String("Cancel"))
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.TableNo(), -1);
    }

    void aPresetTheFileDoesNotHaveSelectsNothing_data() {
        QTest::addColumn<int>("tables");
        QTest::addColumn<int>("preset");
        QTest::newRow("zero") << 16 << 0;
        QTest::newRow("past sixteen") << 16 << 17;
        QTest::newRow("past eight") << 8 << 9;
    }
    void aPresetTheFileDoesNotHaveSelectsNothing() {
        QFETCH(int, tables);
        QFETCH(int, preset);
        fSelTable dialog(tables, method_);
        dialog.SetReadModelAtOnce(false);
        dialog.SetTableNo(preset);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int table = 1; table <= tables; ++table)
            QVERIFY(!dialog.OptionButton(table)->isChecked());
        QVERIFY(!dialog.OkButton()->isEnabled());
        QTest::mouseClick(dialog.OptionButton(1), Qt::LeftButton);
        QVERIFY(dialog.OkButton()->isEnabled());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.TableNo(), 1);
    }

    void headersStayEmptyUntilReadModelWhenTheSettingIsOff() {
        const QString path = Write(HeadedTables(16), QStringLiteral("VOKG0002.dat"));
        CapturedReports reports;
        fSelTable dialog(16, method_);
        dialog.SetFile(path);
        dialog.SetReadModelAtOnce(false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int table = 1; table <= 16; ++table) {
            QCOMPARE(dialog.ShownKishuName(table), QString());
            QCOMPARE(dialog.ShownDataVersion(table), QString());
        }
        QTest::mouseClick(dialog.ReadModelButton(), Qt::LeftButton);
        for (int table = 1; table <= 16; ++table) {
            QCOMPARE(dialog.ShownKishuName(table), QStringLiteral("M%1").arg(table));
            QCOMPARE(dialog.ShownDataVersion(table), QStringLiteral("V%1.0").arg(table));
        }
        QVERIFY(dialog.ReadModelButton()->isEnabled());
        QCOMPARE(reports.count(), 0);
    }

    void headersAreReadAtOnceWhenTheSettingIsOn() {
        TableBuilder builder = HeadedTables(8);
        builder.Bytes(4, 0, kMishinCp932 + QByteArray(4, '\0'));
        const QString path = Write(builder, QStringLiteral("SAMPLE.DSG"));
        fSelTable dialog(8, method_);
        dialog.SetFile(path);
        dialog.SetReadModelAtOnce(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.ShownKishuName(1), QStringLiteral("M1"));
        QCOMPARE(dialog.ShownKishuName(4), QStringLiteral(u"ミシン"));
        QCOMPARE(dialog.ShownDataVersion(8), QStringLiteral("V8.0"));
    }

    void aShortFileKeepsTheHeadersReadBeforeItEnds() {
        // Table 10 holds only 12 header bytes: its data version is cut.
        const QString path = Write(HeadedTables(10).CutInside(10, 12), QStringLiteral("VOKG0003.dat"));
        CapturedReports reports;
        fSelTable dialog(16, method_);
        dialog.SetFile(path);
        QVERIFY(!dialog.DispInfo());
        QCOMPARE(dialog.ShownKishuName(9), QStringLiteral("M9"));
        QCOMPARE(dialog.ShownDataVersion(9), QStringLiteral("V9.0"));
        QCOMPARE(dialog.ShownKishuName(10), QString());
        QCOMPARE(dialog.ShownKishuName(16), QString());
        QVERIFY(dialog.ReadModelButton()->isEnabled());
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("DispInfo"));
    }

    void aMissingFileIsLoggedAndTheDialogStaysUsable() {
        CapturedReports reports;
        fSelTable dialog(8, method_);
        dialog.SetFile(dir_.filePath(QStringLiteral("gone.dsg")));
        dialog.SetTableNo(2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("DispInfo"));
        QVERIFY(dialog.ReadModelButton()->isEnabled());
        QCOMPARE(dialog.ShownKishuName(1), QString());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.TableNo(), 2);
    }
};

QTEST_MAIN(TestSelTable)
#include "tst_fSelTable.moc"
