#include "tests/support/CapturedReports.h"

#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"

#include <QFile>
#include <QtTest>

using hlpkit::CMethod;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Column where `item` starts in `line`, searching from `from`.
qsizetype ColumnOf(const QByteArray& line, const QByteArray& item, qsizetype from = 0) {
    return line.indexOf(item, from);
}

} // namespace

class TestErrReg : public QObject {
    Q_OBJECT

private slots:
    void zeroShowsAndWritesNothing() {
        CapturedReports reports;
        CMethod method;
        method.ErrReg(0, QStringLiteral("Nothing"), QStringLiteral("Proc"));
        QCOMPARE(reports.count(), 0);
        QVERIFY(!QFile::exists(reports.logPath()));
    }

    void boxCarriesProcedureTextCodeAndClosingSentence() {
        CapturedReports reports;
        CMethod method;
        method.ErrReg(53, QStringLiteral("File not found"), QStringLiteral("ReadVOKGData"));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.boxes().at(0).title, QStringLiteral("ERROR"));
        QCOMPARE(reports.boxes().at(0).text,
                 QStringLiteral("ReadVOKGData\r\n\r\nFile not found\r\n\r\n[ErrCode] "
                                "53\r\n\r\nPlease note this message and report."));
    }

    void headerOnFirstWriteOnly() {
        CapturedReports reports;
        CMethod method;
        method.ErrReg(53, QStringLiteral("File not found"), QStringLiteral("ReadVOKGData"));
        QList<QByteArray> first = Lines(ReadAll(reports.logPath()));
        QCOMPARE(first.size(), 2);
        QCOMPARE(first.at(0), QByteArray("ErrorCode     Date/Time     ModuleName    Content\r"));

        method.ErrReg(75, QStringLiteral("Path/File access error"), QStringLiteral("MakeDSKfile"));
        QByteArray bytes = ReadAll(reports.logPath());
        QList<QByteArray> second = Lines(bytes);
        QCOMPARE(second.size(), 3);
        QCOMPARE(second.mid(0, 2), first);
        QVERIFY(second.at(2).startsWith(" 75 "));
        QVERIFY(second.at(2).endsWith("Path/File access error\r"));
        // Every line ends with CR LF, and no bare LF hides anywhere.
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    }

    void entryLineFollowsPrintZones_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QByteArray>("numberItem");
        QTest::newRow("positive number gets a leading blank") << 9 << "CancelAllUpdate" << QByteArray(" 9 ");
        QTest::newRow("negative number gets its minus sign")
            << -2147221504 << "Proc" << QByteArray("-2147221504 ");
        QTest::newRow("a 14-column name is still followed by blanks")
            << 13 << "ABCDEFGHIJKLMN" << QByteArray(" 13 ");
    }
    void entryLineFollowsPrintZones() {
        QFETCH(int, number);
        QFETCH(QString, procedure);
        QFETCH(QByteArray, numberItem);
        CapturedReports reports;
        CMethod method;
        method.ErrReg(number, QStringLiteral("Type mismatch"), procedure);
        QList<QByteArray> lines = Lines(ReadAll(reports.logPath()));
        QCOMPARE(lines.size(), 2);
        QByteArray line = lines.at(1);
        QVERIFY(line.endsWith('\r'));
        line.chop(1);

        QVERIFY2(line.startsWith(numberItem), line.constData());
        QCOMPARE(line.mid(numberItem.size(), 14 - numberItem.size()),
                 QByteArray(14 - numberItem.size(), ' '));
        QVERIFY(line.at(14) != ' '); // the date starts the second zone
        QByteArray name = procedure.toLatin1();
        qsizetype nameColumn = ColumnOf(line, name, 15);
        QVERIFY(nameColumn > 14);
        qsizetype dateEnd = 14 + line.mid(14, nameColumn - 14).trimmed().size();
        QCOMPARE(nameColumn, (dateEnd / 14 + 1) * 14);

        qsizetype textColumn = ColumnOf(line, "Type mismatch", nameColumn + name.size());
        qsizetype nameEnd = nameColumn + name.size();
        QCOMPARE(textColumn, (nameEnd / 14 + 1) * 14);
        QCOMPARE(line.at(textColumn - 1), ' ');
        QVERIFY(line.endsWith("Type mismatch"));
    }

    void logTextIsCodePage932() {
        CapturedReports reports;
        CMethod method;
        method.ErrReg(70, QStringLiteral("書込み禁止"), QStringLiteral("保存"));
        QByteArray bytes = ReadAll(reports.logPath());
        // 保存 and 書込み禁止 in code page 932.
        QVERIFY(bytes.contains(QByteArray("\x95\xdb\x91\xb6")));
        QVERIFY(bytes.contains(QByteArray("\x8f\x91\x8d\x9e\x82\xdd\x8b\xd6\x8e\x7e")));
        // Zones count bytes: the four-byte name fills its zone up to the next one.
        QByteArray line = Lines(bytes).at(1);
        qsizetype nameColumn = line.indexOf("\x95\xdb\x91\xb6");
        QCOMPARE(line.indexOf("\x8f\x91"), nameColumn + 14);
    }

    void unwritableLogFolderIsSwallowed() {
        CapturedReports reports;
        CMethod::SetLogFolder(reports.folder() + QStringLiteral("/no/such/folder"));
        CMethod method;
        method.ErrReg(57, QStringLiteral("Device I/O error"), QStringLiteral("Proc"));
        QCOMPARE(reports.count(), 1); // the box still appears
        QVERIFY(!QFile::exists(reports.folder() + QStringLiteral("/no/such/folder/Err.log")));
    }

    void logFolderDefaultsToTheLibraryFolder() {
        CMethod::SetLogFolder(QString());
        QString folder = CMethod::LogFolder();
        QVERIFY(QFile::exists(folder + QStringLiteral("/libhlpkit.so")));
    }

    void guardedTurnsFailuresIntoReports() {
        CapturedReports reports;
        CMethod method;
        int result =
            hlpkit::Guarded(method, QStringLiteral("Divide"), -1, []() -> int { hlpkit::Raise(11); });
        QCOMPARE(result, -1);
        QCOMPARE(reports.count(), 1);
        QVERIFY(reports.boxes().at(0).text.startsWith(QStringLiteral("Divide\r\n\r\nDivision by zero\r\n")));
    }

    void standardTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("5") << 5 << "Invalid procedure call or argument";
        QTest::newRow("62") << 62 << "Input past end of file";
        QTest::newRow("75") << 75 << "Path/File access error";
        QTest::newRow("91") << 91 << "Object variable or With block variable not set";
        QTest::newRow("unknown") << 1234 << "Application-defined or object-defined error";
        QTest::newRow("zero") << 0 << "Application-defined or object-defined error";
    }
    void standardTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(hlpkit::StandardErrorText(code), text);
    }
};

QTEST_GUILESS_MAIN(TestErrReg)
#include "tst_ErrReg.moc"
