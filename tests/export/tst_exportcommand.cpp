#include "tests/export/WorkbookReadBack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using workbookreadback::Cell;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run RunCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli"), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString Sample(const QString& name) {
    return QStringLiteral(VOKG_SOURCE_DIR "/samples/") + name;
}

// The table as the command line dumps it, keyed "MODE/DIGITAL": the value as the sheet shows it.
QHash<QString, QString> Dump(const QString& fileAndTable, const QStringList& access = {}) {
    const Run run = RunCli(QStringList{QStringLiteral("dump"), fileAndTable} + access);
    QHash<QString, QString> values;
    for (const QJsonValue& digital :
         QJsonDocument::fromJson(run.out).object()[QStringLiteral("digitals")].toArray()) {
        const QString key =
            digital[QStringLiteral("mode")].toString() + u'/' + digital[QStringLiteral("digital")].toString();
        values.insert(key, digital[QStringLiteral("type")].toString() == QLatin1String("SEL")
                               ? digital[QStringLiteral("text")].toString()
                               : QString::number(digital[QStringLiteral("value")].toInt()));
    }
    return values;
}

QString Text(const QJsonObject& book, const QString& address) {
    const QJsonValue value = Cell(book, address).value(QStringLiteral("value"));
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Out(const QString& name) const { return dir_.filePath(name); }

private slots:
    void writesTheSheetOfATableBesideItsComparison() {
        const QString user = Sample(QStringLiteral("SAMPLE.DSG")) + QStringLiteral(":2");
        const QString other = Sample(QStringLiteral("SAMPLE.DSG")) + QStringLiteral(":1");
        const Run run = RunCli({QStringLiteral("export-xlsx"), user, Out(QStringLiteral("cmp.xlsx")),
                                QStringLiteral("--compare"), other});
        QVERIFY2(run.status == 0, run.err.constData());
        const QJsonObject book = workbookreadback::Read(Out(QStringLiteral("cmp.xlsx")));
        QCOMPARE(book[QStringLiteral("title")].toString(), QStringLiteral("VOK-G Parameters"));
        const QHash<QString, QString> userValues = Dump(user);
        const QHash<QString, QString> otherValues = Dump(other);
        // Every listed digital once (special and manufacturer modes stay locked), with both values.
        QCOMPARE(book[QStringLiteral("maxRow")].toInt(), userValues.size() + 1);
        int marks = 0;
        for (int row = 2; row <= book[QStringLiteral("maxRow")].toInt(); ++row) {
            const QString key = Text(book, QStringLiteral("A%1").arg(row)) + u'/' +
                                Text(book, QStringLiteral("B%1").arg(row));
            QVERIFY2(userValues.contains(key), qPrintable(key));
            QCOMPARE(Text(book, QStringLiteral("H%1").arg(row)), userValues.value(key));
            QCOMPARE(Text(book, QStringLiteral("G%1").arg(row)), otherValues.value(key));
            const bool differs = userValues.value(key) != otherValues.value(key);
            QCOMPARE(Text(book, QStringLiteral("I%1").arg(row)), differs ? QStringLiteral("*") : QString());
            marks += differs ? 1 : 0;
        }
        QVERIFY(marks > 0);
        QVERIFY(book[QStringLiteral("headerCenter")].toString().contains(QStringLiteral("TableNo=[2]")));

        // Only the differences: exactly the marked rows.
        const Run onlyDif = RunCli({QStringLiteral("export-xlsx"), user, Out(QStringLiteral("dif.xlsx")),
                                    QStringLiteral("--compare"), other, QStringLiteral("--only-diff")});
        QCOMPARE(onlyDif.status, 0);
        const QJsonObject difBook = workbookreadback::Read(Out(QStringLiteral("dif.xlsx")));
        QCOMPARE(difBook[QStringLiteral("maxRow")].toInt(), marks + 1);
        for (int row = 2; row <= marks + 1; ++row)
            QCOMPARE(Text(difBook, QStringLiteral("I%1").arg(row)), QStringLiteral("*"));
    }

    void choosesModesAndUnlocksThem() {
        const QString user = Sample(QStringLiteral("SAMPLE.DSG"));
        Run run = RunCli({QStringLiteral("export-xlsx"), user, Out(QStringLiteral("modes.xlsx")),
                          QStringLiteral("--modes"), QStringLiteral("SPEED,MACHINE,SPEED")});
        QVERIFY2(run.status == 0, run.err.constData());
        QJsonObject book = workbookreadback::Read(Out(QStringLiteral("modes.xlsx")));
        // Definition order, whatever the order asked; no comparison: G and I empty.
        QCOMPARE(Text(book, QStringLiteral("A2")), QStringLiteral("MACHINE"));
        const int last = book[QStringLiteral("maxRow")].toInt();
        QCOMPARE(Text(book, QStringLiteral("A%1").arg(last)), QStringLiteral("SPEED"));
        for (int row = 2; row <= last; ++row) {
            QVERIFY(Text(book, QStringLiteral("G%1").arg(row)).isEmpty());
            QVERIFY(Text(book, QStringLiteral("I%1").arg(row)).isEmpty());
        }

        run = RunCli({QStringLiteral("export-xlsx"), user, Out(QStringLiteral("special.xlsx")),
                      QStringLiteral("--modes"), QStringLiteral("SPECIAL")});
        QCOMPARE(run.status, 6);
        QVERIFY(run.err.contains("locked mode 'SPECIAL'"));
        QVERIFY(!QFile::exists(Out(QStringLiteral("special.xlsx"))));
        run = RunCli({QStringLiteral("export-xlsx"), user, Out(QStringLiteral("special.xlsx")),
                      QStringLiteral("--modes"), QStringLiteral("SPECIAL"), QStringLiteral("--special"),
                      QStringLiteral("7468")});
        QVERIFY2(run.status == 0, run.err.constData());
        book = workbookreadback::Read(Out(QStringLiteral("special.xlsx")));
        QCOMPARE(Text(book, QStringLiteral("A2")), QStringLiteral("SPECIAL"));
    }

    void refusesBadRequestsAndLosesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString user = Sample(QStringLiteral("SAMPLE.DSG"));
        QTest::newRow("only-diff without comparison")
            << QStringList{user, QStringLiteral("OUT"), QStringLiteral("--only-diff")} << 2
            << "--only-diff needs";
        QTest::newRow("modes and all") << QStringList{user, QStringLiteral("OUT"), QStringLiteral("--all"),
                                                      QStringLiteral("--modes"), QStringLiteral("SPEED")}
                                       << 2 << "exclude each other";
        QTest::newRow("customize and feed") << QStringList{user,
                                                           QStringLiteral("OUT"),
                                                           QStringLiteral("--customize"),
                                                           QStringLiteral("out"),
                                                           QStringLiteral("--feed"),
                                                           QStringLiteral("X_P1_A")}
                                            << 2 << "--customize, --feed and --pitch exclude each other";
        QTest::newRow("customize and pitch") << QStringList{user,
                                                            QStringLiteral("OUT"),
                                                            QStringLiteral("--pitch"),
                                                            QStringLiteral("x"),
                                                            QStringLiteral("--customize"),
                                                            QStringLiteral("in")}
                                             << 2 << "--customize, --feed and --pitch exclude each other";
        QTest::newRow("unknown mode") << QStringList{user, QStringLiteral("OUT"), QStringLiteral("--modes"),
                                                     QStringLiteral("SPEED,NOSUCH")}
                                      << 6 << "no mode named 'NOSUCH'";
        QTest::newRow("no modes") << QStringList{user, QStringLiteral("OUT"), QStringLiteral("--modes"),
                                                 QStringLiteral(",")}
                                  << 2 << "Select function from list.";
        QTest::newRow("no output") << QStringList{user} << 2 << "usage:";
        QTest::newRow("compare without value")
            << QStringList{user, QStringLiteral("OUT"), QStringLiteral("--compare")} << 2 << "usage:";
        QTest::newRow("missing file")
            << QStringList{Sample(QStringLiteral("NONE.DSG")), QStringLiteral("OUT")} << 4
            << "Cannot find following file";
        QTest::newRow("no such table") << QStringList{user + QStringLiteral(":9"), QStringLiteral("OUT")} << 2
                                       << "the table number 9 is out of range";
        QTest::newRow("missing folder")
            << QStringList{user, QStringLiteral("missing/OUT")} << 7 << "Failed to create excel file.";
    }
    void refusesBadRequestsAndLosesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString out = Out(QStringLiteral("kept.xlsx"));
        {
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write("kept");
        }
        arguments.replaceInStrings(QStringLiteral("OUT"), out);
        arguments.replaceInStrings(QStringLiteral("missing/") + out, Out(QStringLiteral("missing/out.xlsx")));
        const Run run = RunCli(QStringList{QStringLiteral("export-xlsx")} + arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
    }

    void replacesAnExistingWorkbook() {
        const QString out = Out(QStringLiteral("again.xlsx"));
        {
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an old file");
        }
        const Run run = RunCli({QStringLiteral("export-xlsx"),
                                Sample(QStringLiteral("VOKG0001.dat")) + QStringLiteral(":16"), out,
                                QStringLiteral("--all")});
        QVERIFY2(run.status == 0, run.err.constData());
        QCOMPARE(Text(workbookreadback::Read(out), QStringLiteral("A1")), QStringLiteral("Mode"));
        QCOMPARE(
            QDir(dir_.path())
                .entryList({QStringLiteral(".again*"), QStringLiteral("bak_*")}, QDir::Files | QDir::Hidden),
            QStringList());
    }

    // A workbook never replaces the data it is made from, by whatever name, nor a read-only file.
    void neverWritesOverItsDataOrAReadOnlyFile_data() {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("message");
        const QString inUse = QStringLiteral("An excel file cannot be written over a data file in use.");
        QTest::newRow("the design file") << "S.DSG" << inUse;
        QTest::newRow("its companion") << "S.DSK" << inUse;
        QTest::newRow("the comparison file") << "C.DSG" << inUse;
        QTest::newRow("the comparison's companion") << "C.DSK" << inUse;
        QTest::newRow("a link to the design file") << "link.xlsx" << inUse;
        QTest::newRow("another name of the companion") << "hard.xlsx" << inUse;
        QTest::newRow("a read-only file")
            << "locked.xlsx" << QStringLiteral("You are not allowed to write this file.");
    }
    void neverWritesOverItsDataOrAReadOnlyFile() {
        QFETCH(QString, out);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const auto at = [&](const QString& name) { return QDir(folder.path()).filePath(name); };
        for (const QString& name : {QStringLiteral("S"), QStringLiteral("C")}) {
            QVERIFY(QFile::copy(Sample(QStringLiteral("SAMPLE.DSG")), at(name + QStringLiteral(".DSG"))));
            QVERIFY(QFile::copy(Sample(QStringLiteral("SAMPLE.DSK")), at(name + QStringLiteral(".DSK"))));
        }
        {
            QFile locked(at(QStringLiteral("locked.xlsx")));
            QVERIFY(locked.open(QIODevice::WriteOnly));
            locked.write("kept");
        }
        QVERIFY(QFile::setPermissions(at(QStringLiteral("locked.xlsx")), QFileDevice::ReadOwner));
        QVERIFY(QFile::link(at(QStringLiteral("S.DSG")), at(QStringLiteral("link.xlsx"))));
        QVERIFY(::link(QFile::encodeName(at(QStringLiteral("S.DSK"))).constData(),
                       QFile::encodeName(at(QStringLiteral("hard.xlsx"))).constData()) == 0);
        QFile target(at(out));
        QVERIFY(target.open(QIODevice::ReadOnly));
        const QByteArray before = target.readAll();
        target.close();

        const Run run =
            RunCli({QStringLiteral("export-xlsx"), at(QStringLiteral("S.DSG")), at(out),
                    QStringLiteral("--compare"), at(QStringLiteral("C.DSG")) + QStringLiteral(":2")});
        QCOMPARE(run.status, 4);
        QVERIFY2(QString::fromUtf8(run.err).contains(message + QStringLiteral("\n\n") + at(out)),
                 run.err.constData());
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), before);
        QVERIFY(QFileInfo(at(QStringLiteral("link.xlsx"))).isSymLink());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 7);
    }

    // A failure report that names a path with control characters shows them, never obeys them.
    void failureReportsShowControlCharacters() {
        const QString out = Out(QStringLiteral("no\x1b[2Jdir/out.xlsx"));
        const Run run = RunCli({QStringLiteral("export-xlsx"), Sample(QStringLiteral("SAMPLE.DSG")), out});
        QCOMPARE(run.status, 7);
        QVERIFY2(run.err.contains("ERROR: PrintToExcel  The folder of the workbook"), run.err.constData());
        QVERIFY2(run.err.contains("no\\u001B[2Jdir/out.xlsx"), run.err.constData());
        QVERIFY(!run.err.contains('\x1b'));
    }

    // A model name holding an escape sequence: the page header shows it, the workbook opens, and
    // the file gets the mode the user's umask gives (the command inherits it).
    void controlCharactersKeepTheWorkbookWhole() {
        const QString dsg = Out(QStringLiteral("ESC.DSG"));
        QVERIFY(QFile::copy(Sample(QStringLiteral("SAMPLE.DSG")), dsg));
        QVERIFY(QFile::copy(Sample(QStringLiteral("SAMPLE.DSK")), Out(QStringLiteral("ESC.DSK"))));
        QFile::setPermissions(dsg, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile file(dsg);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(QByteArray("A\x1b[2JZ"));
        file.close();
        const QString out = Out(QStringLiteral("esc.xlsx"));
        const mode_t previous = ::umask(0022);
        const Run run = RunCli({QStringLiteral("export-xlsx"), dsg, out});
        ::umask(previous);
        QVERIFY2(run.status == 0, run.err.constData());
        QString error;
        const QJsonObject book = workbookreadback::Read(out, &error);
        QVERIFY2(!book.isEmpty(), qPrintable(error));
        QVERIFY2(book[QStringLiteral("headerCenter")].toString().contains(QStringLiteral("=[A\\u001B[2JZ")),
                 qPrintable(book[QStringLiteral("headerCenter")].toString()));
        QCOMPARE(QFileInfo(out).permissions() & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
