// `vokg-cli set --dry-run`: the changes the set would write, listed as the program's review lists
// them, with the set's own checks and exit statuses, and the file left as it was to the byte and
// to the second.
#include "tests/cli/CliRun.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using clirun::Run;
using clirun::SampleCopy;

namespace {

QStringList LinesOf(const QByteArray& out) {
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

Run RunIn(const QTemporaryDir& settings, const QStringList& arguments) {
    return clirun::RunCli(arguments, clirun::Environment(settings.path(), {}));
}

} // namespace

class CliDryRunTest : public QObject {
    Q_OBJECT
private slots:
    void listsWhatSetWouldWriteAndWritesNothing_data();
    void listsWhatSetWouldWriteAndWritesNothing();
    void intoOtherTablesListsEachTableAgainstItsOwnValues();
    void usageNamesTheOption();
};

void CliDryRunTest::listsWhatSetWouldWriteAndWritesNothing_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char* name, const QString& table, const QStringList& assignments, int status,
                        const QStringList& lines) {
        QTest::newRow(name) << table << assignments << status << lines;
    };
    row("parameter", QStringLiteral(":1"), {QStringLiteral("MACHINE/AREAX=350")}, 0,
        {QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350")});
    row("header", QStringLiteral(":2"), {QStringLiteral("header.model=VK-9")}, 0,
        {QStringLiteral("table 2: header.model: \"VK-2300\" -> \"VK-9\"")});
    row("author", QStringLiteral(":1"), {QStringLiteral("header.author=NEWAUTHOR")}, 0,
        {QStringLiteral("table 1: header.author: \"\" -> \"NEWAUTHOR\"")});
    // A password is never shown, only that it changes.
    row("password", QStringLiteral(":1"), {QStringLiteral("header.password=PW12")}, 0,
        {QStringLiteral("table 1: header.password: changed")});
    row("customize", QStringLiteral(":1"), {QStringLiteral("customize.O3.off_delay=4321")}, 0,
        {QStringLiteral("table 1: customize O3.off_delay: 100 -> 4321")});
    row("feed", QStringLiteral(":1"), {QStringLiteral("feed.X_P1_B[2]=12")}, 0,
        {QStringLiteral("table 1: feed X_P1_B[2]: 2367 -> 12")});
    // The pitch view writes the low byte of an axis word (3228 is 0x0C9C): the line names the word.
    row("pitch", QStringLiteral(":1"), {QStringLiteral("feed.pitch.X_T1[9]=33")}, 0,
        {QStringLiteral("table 1: feed X_T1_B[4]: 3228 -> 3105")});
    // In model order, whatever the order of the assignments.
    row("model order", QStringLiteral(":1"),
        {QStringLiteral("feed.X_P1_B[2]=12"), QStringLiteral("MACHINE/AREAX=350"),
         QStringLiteral("header.version=2.00")},
        0,
        {QStringLiteral("table 1: header.version: \"1.00\" -> \"2.00\""),
         QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350"),
         QStringLiteral("table 1: feed X_P1_B[2]: 2367 -> 12")});
    row("a value the file holds", QStringLiteral(":1"), {QStringLiteral("MACHINE/AREAX=300")}, 0, {});
    row("an invalid value", QStringLiteral(":1"),
        {QStringLiteral("MACHINE/AREAX=350"), QStringLiteral("MACHINE/AREAX=abc")}, 6, {});
    row("no such digital", QStringLiteral(":1"), {QStringLiteral("MACHINE/NOSUCH=1")}, 6, {});
    row("a locked table", QStringLiteral(":3"), {QStringLiteral("header.version=1")}, 3, {});
    row("a table out of range", QStringLiteral(":9"), {QStringLiteral("header.version=1")}, 2, {});
}

// Each case as a dry run and as the set itself on a second copy: the same status, and the dry
// run's lines are the differences `diff` finds between the file before and after the set.
void CliDryRunTest::listsWhatSetWouldWriteAndWritesNothing() {
    QFETCH(QString, table);
    QFETCH(QStringList, assignments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    QTemporaryDir settings;
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    const QString companion = QDir(copy.folder.path()).filePath(QStringLiteral("SAMPLE.DSK"));
    const QDateTime modified = QFileInfo(copy.dsg).lastModified();
    const QDateTime companionModified = QFileInfo(companion).lastModified();
    const QStringList files =
        QDir(copy.folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    // Past the file system's time resolution: a rewrite of the same bytes would show.
    QTest::qWait(20);

    const Run dry = RunIn(settings, QStringList{QStringLiteral("set"), copy.dsg + table} + assignments +
                                        QStringList{QStringLiteral("--dry-run")});
    QVERIFY2(dry.status == status, dry.err.constData());
    QCOMPARE(LinesOf(dry.out), lines);
    QCOMPARE(copy.Bytes(), before);
    QCOMPARE(QFileInfo(copy.dsg).lastModified(), modified);
    QCOMPARE(QFileInfo(companion).lastModified(), companionModified);
    QCOMPARE(QDir(copy.folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             files);

    SampleCopy written;
    const Run set = RunIn(settings, QStringList{QStringLiteral("set"), written.dsg + table} + assignments);
    QCOMPARE(set.status, status);
    if (status != 0 || table == QLatin1String(":3"))
        return;
    // The diff lists neither author nor password.
    QStringList expected;
    for (const QString& line : lines)
        if (!line.contains(QLatin1String("header.author")) &&
            !line.contains(QLatin1String("header.password")))
            expected.append(line.section(QStringLiteral(": "), 1));
    const Run diff = RunIn(settings, {QStringLiteral("diff"), copy.dsg + table, written.dsg + table});
    QCOMPARE(LinesOf(diff.out), expected);
}

void CliDryRunTest::intoOtherTablesListsEachTableAgainstItsOwnValues() {
    QTemporaryDir settings;
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    const QStringList modePasswords{QStringLiteral("--special"), QStringLiteral("7468"),
                                    QStringLiteral("--manufacturer"), QStringLiteral("30918274")};
    const QStringList set{
        QStringLiteral("set"),         copy.dsg + QStringLiteral(":1"), QStringLiteral("header.version=9.99"),
        QStringLiteral("--to-tables"), QStringLiteral("5,2"),           QStringLiteral("--dry-run")};
    const Run dry = RunIn(settings, set + modePasswords);
    QVERIFY2(dry.status == 0, dry.err.constData());
    QCOMPARE(copy.Bytes(), before);
    // Table 1 with its edit goes into tables 2 and 5: each table lists what it holds now
    // against what comes in, which is what diff says of that table against the edited table 1.
    SampleCopy edited;
    QCOMPARE(RunIn(settings, {QStringLiteral("set"), edited.dsg + QStringLiteral(":1"),
                              QStringLiteral("header.version=9.99")})
                 .status,
             0);
    QStringList expected;
    for (const int target : {2, 5}) {
        const Run diff =
            RunIn(settings, QStringList{QStringLiteral("diff"), copy.dsg + QStringLiteral(":%1").arg(target),
                                        edited.dsg + QStringLiteral(":1")} +
                                modePasswords);
        QCOMPARE(diff.status, 1);
        for (const QString& line : LinesOf(diff.out))
            expected.append(QStringLiteral("table %1: %2").arg(target).arg(line));
    }
    QVERIFY(expected.contains(QStringLiteral("table 5: header.version: \"1.04\" -> \"9.99\"")));
    // Beside the diff's lines, the author table 5 loses (the diff never lists authors).
    QStringList listed = LinesOf(dry.out);
    const QString author = QStringLiteral("table 5: header.author: \"YAMADA\" -> \"\"");
    QCOMPARE(
        listed.value(expected.indexOf(QStringLiteral("table 5: header.version: \"1.04\" -> \"9.99\"")) + 1),
        author);
    listed.removeOne(author);
    QCOMPARE(listed, expected);

    // Without the mode passwords the same lines, the special and manufacturer modes' values hidden.
    const Run locked = RunIn(settings, set);
    QCOMPARE(locked.status, 0);
    QStringList hidden = expected;
    int hiddenCount = 0;
    for (QString& line : hidden)
        if (line.contains(QLatin1String(" SPECIAL/")) || line.contains(QLatin1String(" MANUFACTURER/"))) {
            line = line.left(line.lastIndexOf(QStringLiteral(": "))) + QStringLiteral(": changed");
            ++hiddenCount;
        }
    QVERIFY(hiddenCount > 0);
    hidden.insert(hidden.indexOf(QStringLiteral("table 5: header.version: \"1.04\" -> \"9.99\"")) + 1,
                  author);
    QCOMPARE(LinesOf(locked.out), hidden);
}

void CliDryRunTest::usageNamesTheOption() {
    QTemporaryDir settings;
    const Run usage = RunIn(settings, {});
    QCOMPARE(usage.status, 2);
    QVERIFY(usage.err.contains("--dry-run"));
    const Run setUsage = RunIn(settings, {QStringLiteral("set")});
    QCOMPARE(setUsage.status, 2);
    QVERIFY(setUsage.err.contains("[--dry-run]"));
}

QTEST_GUILESS_MAIN(CliDryRunTest)
#include "tst_cli_dry_run.moc"
