#include "tests/cli/CliRun.h"

#include <QTest>

using clirun::Run;

namespace {
// Bytes written over table 1 before the check: offset and bytes.
using Patches = QList<QPair<int, QByteArray>>;
} // namespace

// vokg-cli check: the parameter window's range check over a whole table, from the command line.
class TestCliCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsEveryValueOutsideItsBounds_data();
    void listsEveryValueOutsideItsBounds();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();

private:
    QTemporaryDir dir_;
    QProcessEnvironment environment_;
    Run Check(const QStringList& arguments) const {
        return clirun::RunCli(QStringList{QStringLiteral("--defs"), QStringLiteral(VOKG_SOURCE_DIR "/data/definitions"),
                                          QStringLiteral("check")} +
                                  arguments,
                              environment_);
    }
};

void TestCliCheck::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("config")));
    environment_ = clirun::Environment(dir_.filePath(QStringLiteral("config")), QString());
}

// Offsets in table 1 of the sample definitions: AREAX (10..400) and ORGX (0..AREAX), two bytes
// each, high byte first; AREAX of the sample is 300,
// ORGX 150.
void TestCliCheck::listsEveryValueOutsideItsBounds_data() {
    QTest::addColumn<Patches>("patches");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("sample as shipped") << Patches{} << 0 << QStringList{};
    // ORGX (150) then lies above the AREAX it is bounded by as well.
    QTest::newRow("below MIN") << Patches{{34, QByteArray("\x00\x05", 2)}} << 1
                               << QStringList{QStringLiteral("MACHINE/AREAX = 5 (10 .. 400)"),
                                              QStringLiteral("MACHINE/ORGX = 150 (0 .. 5)")};
    QTest::newRow("on the bounds") << Patches{{34, QByteArray("\x01\x90", 2)}, {38, QByteArray("\x01\x90", 2)}} << 0
                                   << QStringList{};
    // The upper bound of ORGX is the value AREAX holds in this table, not the definition's text.
    QTest::newRow("above a bound by name")
        << Patches{{34, QByteArray("\x00\x64", 2)}, {38, QByteArray("\x00\x65", 2)}} << 1
        << QStringList{QStringLiteral("MACHINE/ORGX = 101 (0 .. 100)")};
    QTest::newRow("two at once") << Patches{{34, QByteArray("\x01\xF4", 2)}, {38, QByteArray("\x01\xF5", 2)}} << 1
                                 << QStringList{QStringLiteral("MACHINE/AREAX = 500 (10 .. 400)"),
                                                QStringLiteral("MACHINE/ORGX = 501 (0 .. 500)")};
}

void TestCliCheck::listsEveryValueOutsideItsBounds() {
    QFETCH(Patches, patches);
    QFETCH(int, status);
    QFETCH(QStringList, listed);
    const clirun::SampleCopy copy;
    for (const auto& [offset, bytes] : patches)
        QVERIFY(copy.Patch(1, offset, bytes));
    const QByteArray before = copy.Bytes();

    const Run run = Check({copy.dsg});
    QCOMPARE(run.status, status);
    const QString out = QString::fromUtf8(run.out);
    QCOMPARE(out.split(u'\n', Qt::SkipEmptyParts), listed);
    // A check only reads.
    QCOMPARE(copy.Bytes(), before);
}

void TestCliCheck::refusesWhatItCannotRead_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("no file") << QStringList{} << 2;
    QTest::newRow("two files") << QStringList{clirun::Sample(QStringLiteral("SAMPLE.DSG")),
                                              clirun::Sample(QStringLiteral("SAMPLE.DSG"))}
                               << 2;
    QTest::newRow("table out of range") << QStringList{clirun::Sample(QStringLiteral("SAMPLE.DSG:9"))} << 2;
    QTest::newRow("protected table without its password")
        << QStringList{clirun::Sample(QStringLiteral("SAMPLE.DSG:3"))} << 3;
    QTest::newRow("missing file") << QStringList{QStringLiteral("/nonexistent/X.DSG")} << 4;
}

void TestCliCheck::refusesWhatItCannotRead() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Run run = Check(arguments);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

QTEST_MAIN(TestCliCheck)
#include "tst_cli_check.moc"
