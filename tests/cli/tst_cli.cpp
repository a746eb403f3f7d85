#include "platform/FileLock.h"
#include "shell/Version.h"
#include "tests/support/DefinitionBuilder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run RunCli(const QStringList& arguments, const QString& workFolder = QString(),
           const QString& standardOutputFile = QString()) {
    QProcess process;
    if (!standardOutputFile.isEmpty())
        process.setStandardOutputFile(standardOutputFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!workFolder.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), workFolder);
    process.setProcessEnvironment(environment);
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

QString CopyTables(const QTemporaryDir& folder) {
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name,
                    QDir(folder.path()).filePath(name));
    }
    return folder.path();
}

QJsonObject Digital(const QJsonObject& dump, const QString& mode, const QString& name) {
    for (const QJsonValue& value : dump[QStringLiteral("digitals")].toArray())
        if (value[QStringLiteral("mode")].toString() == mode &&
            value[QStringLiteral("digital")].toString() == name)
            return value.toObject();
    return {};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void versionIsTheProgramsVersion();
    void defsPrintsTheSampleDefinitions();
    void defsReadsExtractedTablesAndReportsAMissingOne();
    void dumpPrintsEveryPartOfATable();
    void dumpHonoursTheAccessLevels();
    void dumpRefusesFilesAndUsage_data();
    void dumpRefusesFilesAndUsage();
    void diffListsDifferencesInModelOrder();
    void setChangesExactlyWhatItIsTold();
    void setRefusesInvalidValuesAndWritesNothing_data();
    void setRefusesInvalidValuesAndWritesNothing();
    void setIntoOtherTablesAndReadOnlyFiles();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();
    void controlCharactersNeverReachTheTerminal();
    void concurrentSetsLoseNothing();
    void setWaitsForAFileLockedElsewhere();
};

// The same version as the program's title, from the one the build was made with.
void CliTest::versionIsTheProgramsVersion() {
    const Run run = RunCli({QStringLiteral("--version")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray("vokg-cli ") + vokg::kProgramVersion + '\n');
    QVERIFY(run.err.isEmpty());
}

void CliTest::defsPrintsTheSampleDefinitions() {
    const Run run = RunCli({QStringLiteral("defs")});
    QCOMPARE(run.status, 0);
    const QJsonObject defs = QJsonDocument::fromJson(run.out).object();
    const QJsonArray modes = defs[QStringLiteral("modes")].toArray();
    QCOMPARE(modes.size(), 10);
    int digitals = 0;
    bool sawNamedBound = false;
    bool sawDetailBreak = false;
    for (const QJsonValue& mode : modes)
        for (const QJsonValue& digital : mode[QStringLiteral("digitals")].toArray()) {
            ++digitals;
            sawNamedBound |= !digital[QStringLiteral("max_name")].toString().isEmpty();
            sawDetailBreak |= digital[QStringLiteral("detail")].toString().contains(QLatin1String("\r\n"));
        }
    QVERIFY(digitals >= 150);
    QVERIFY(sawNamedBound);
    QVERIFY(sawDetailBreak);
    QVERIFY(defs[QStringLiteral("inputs")].toArray().size() > 0);
    const QJsonObject output = defs[QStringLiteral("outputs")].toArray().first().toObject();
    QVERIFY(output.contains(QStringLiteral("zenpa_address")));
    QVERIFY(defs[QStringLiteral("input_functions")].toArray().size() >= 30);
    QVERIFY(defs[QStringLiteral("output_functions")].toArray().size() >= 30);
}

void CliTest::defsReadsExtractedTablesAndReportsAMissingOne() {
    QTemporaryDir folder;
    CopyTables(folder);
    Run run = RunCli({QStringLiteral("--defs"), folder.path(), QStringLiteral("defs")});
    QCOMPARE(run.status, 0);
    // The tables given by the user are read where they are and never deleted.
    QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Set05.e"))));
    QVERIFY(QFile::remove(QDir(folder.path()).filePath(QStringLiteral("Set05.e"))));
    run = RunCli({QStringLiteral("--defs"), folder.path(), QStringLiteral("defs")});
    QCOMPARE(run.status, 5);
    QVERIFY(run.out.isEmpty());
    const QStringList lines = QString::fromLocal8Bit(run.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList expected{QStringLiteral("Cannot find following file. Cannot load."),
                               QDir(folder.path()).filePath(QStringLiteral("Set05.e")),
                               QStringLiteral("Failed to initialize address. Cannot load."),
                               QStringLiteral("Set05.e"),
                               QStringLiteral("Failed to read setting files. Cannot load.")};
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(QString::fromLocal8Bit(run.err)));
    QVERIFY(lines.indexOf(expected[0]) < lines.indexOf(expected[2]));
    QVERIFY(lines.indexOf(expected[2]) < lines.indexOf(expected[4]));
}

void CliTest::dumpPrintsEveryPartOfATable() {
    const Run run =
        RunCli({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG")) + QStringLiteral(":2")});
    QCOMPARE(run.status, 0);
    const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(dump[QStringLiteral("table")].toInt(), 2);
    QCOMPARE(dump[QStringLiteral("kind")].toString(), QStringLiteral("DSG"));
    const QJsonObject header = dump[QStringLiteral("header")].toObject();
    QVERIFY(!header[QStringLiteral("model")].toString().isEmpty());
    QCOMPARE(header[QStringLiteral("protected")].toBool(), false);
    QVERIFY(!run.out.contains("\"password\""));
    // Special and manufacturer modes stay hidden without their passwords.
    for (const QJsonValue& digital : dump[QStringLiteral("digitals")].toArray()) {
        QVERIFY(digital[QStringLiteral("mode")].toString() != QLatin1String("SPECIAL"));
        QVERIFY(digital[QStringLiteral("mode")].toString() != QLatin1String("MANUFACTURER"));
        QCOMPARE(digital.toObject().contains(QStringLiteral("text")),
                 digital[QStringLiteral("type")] == QLatin1String("SEL"));
    }
    const QJsonObject feed = dump[QStringLiteral("feed")].toObject();
    QCOMPARE(feed[QStringLiteral("X_P1_A")].toArray().size(), 31);
    QCOMPARE(feed[QStringLiteral("XYLM")].toArray().size(), 201);
    QCOMPARE(feed[QStringLiteral("other")].toArray().size(), 7);
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("Y_T2")].toArray().size(), 50);
    // The pitch view is made of the low bytes of the axis entries.
    const int axis = feed[QStringLiteral("X_P1_A")].toArray()[3].toInt();
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_P1")].toArray()[6].toInt(),
             axis & 0xFF);
    QStringList duties;
    for (const QJsonValue& row : dump[QStringLiteral("customize")].toArray())
        if (row[QStringLiteral("inout")].toInt() == 1)
            duties.append(row[QStringLiteral("duty")].toString());
    for (const char* code : {"ALL", "66L", "66H", "50L", "50H", "33", "17", "8", "MANUAL"})
        QVERIFY2(duties.contains(QLatin1String(code)), code);
}

void CliTest::dumpHonoursTheAccessLevels() {
    const QString table3 = Sample(QStringLiteral("SAMPLE.DSG")) + QStringLiteral(":3");
    Run run = RunCli({QStringLiteral("dump"), table3});
    QCOMPARE(run.status, 3);
    QVERIFY(run.err.contains("Password is not exact."));
    run = RunCli({QStringLiteral("dump"), table3, QStringLiteral("--password"), QStringLiteral("key3")});
    QCOMPARE(run.status, 0);
    QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(dump[QStringLiteral("header")][QStringLiteral("author")].toString(),
             QStringLiteral("TAKAHASHI"));
    QCOMPARE(dump[QStringLiteral("header")][QStringLiteral("protected")].toBool(), true);
    QVERIFY(!run.out.contains("KEY3"));

    run = RunCli({QStringLiteral("dump"), Sample(QStringLiteral("VOKG0001.dat")) + QStringLiteral(":16"),
                  QStringLiteral("--special"), QStringLiteral("7468")});
    QCOMPARE(run.status, 0);
    dump = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(dump[QStringLiteral("kind")].toString(), QStringLiteral("DAT"));
    QCOMPARE(dump[QStringLiteral("header")][QStringLiteral("author")].toString(), QString());
    QVERIFY(!Digital(dump, QStringLiteral("SPECIAL"), QStringLiteral("DB5")).isEmpty());
    QVERIFY(!run.out.contains("\"MANUFACTURER\""));

    run = RunCli({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG")), QStringLiteral("--special"),
                  QStringLiteral("7468 ")});
    QCOMPARE(run.status, 3);
    QVERIFY(run.err.contains("You missed password. Special mode is not displayed."));
    run = RunCli({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG")),
                  QStringLiteral("--manufacturer"), QStringLiteral("30918274")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("\"MANUFACTURER\""));
}

void CliTest::dumpRefusesFilesAndUsage_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("tableSuffix");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("65535 bytes") << "SHORT.DSG" << 65535 << "" << 4
                                 << QByteArray("File size must be as follows.\n\n65536");
    QTest::newRow("65537 bytes, lower-case extension")
        << "long.dsg" << 65537 << "" << 4 << QByteArray("File size must be as follows.\n\n65536");
    QTest::newRow("dat of a design size")
        << "VOKG9.dat" << 65536 << "" << 4 << QByteArray("File size must be as follows.\n\n131072");
    QTest::newRow("other extension") << "DATA.BIN" << 65536 << "" << 4
                                     << QByteArray("Extension must be as follows\n\n*.dsg, VOKG*.dat");
    QTest::newRow("table 9 of a design file")
        << "OK.DSG" << 65536 << ":9" << 2 << QByteArray("the table number 9 is out of range");
    QTest::newRow("table 17 of a machine file")
        << "VOKG1.dat" << 131072 << ":17" << 2 << QByteArray("VOKG1.dat has tables 1 to 16");
    QTest::newRow("table 0") << "OK.DSG" << 65536 << ":0" << 2
                             << QByteArray("the table number 0 is out of range");
    QTest::newRow("table -1") << "OK.DSG" << 65536 << ":-1" << 2
                              << QByteArray("the table number -1 is out of range");
    QTest::newRow("table past 32 bits") << "OK.DSG" << 65536 << ":4294967297" << 2
                                        << QByteArray("the table number 4294967297 is out of range");
}

void CliTest::dumpRefusesFilesAndUsage() {
    QFETCH(QString, fileName);
    QFETCH(int, size);
    QFETCH(QString, tableSuffix);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, '\0'));
    file.close();
    const Run run = RunCli({QStringLiteral("dump"), file.fileName() + tableSuffix});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(run.out.isEmpty());
}

void CliTest::diffListsDifferencesInModelOrder() {
    const QString sample = Sample(QStringLiteral("SAMPLE.DSG"));
    Run run = RunCli({QStringLiteral("diff"), sample + QStringLiteral(":1"), sample + QStringLiteral(":1")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.isEmpty());
    run = RunCli({QStringLiteral("diff"), sample + QStringLiteral(":1"), sample + QStringLiteral(":2")});
    QCOMPARE(run.status, 1);
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 3);
    QVERIFY(lines.first().startsWith(QLatin1String("header.")));
    const auto firstOf = [&](const QString& prefix) {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(prefix))
                return i;
        return -1;
    };
    QVERIFY(firstOf(QStringLiteral("digital ")) > 0);
    QVERIFY(firstOf(QStringLiteral("digital ")) < firstOf(QStringLiteral("customize ")));
    QVERIFY(firstOf(QStringLiteral("customize ")) < firstOf(QStringLiteral("feed ")));
    QVERIFY(lines.filter(QStringLiteral(" -> ")).size() == lines.size());

    run = RunCli({QStringLiteral("diff"), sample, sample, QStringLiteral("--all-tables"),
                  QStringLiteral("--password"), QStringLiteral("KEY3")});
    QCOMPARE(run.status, 0);
    run = RunCli({QStringLiteral("diff"), sample, Sample(QStringLiteral("VOKG0001.dat")),
                  QStringLiteral("--all-tables"), QStringLiteral("--password"), QStringLiteral("KEY3"),
                  QStringLiteral("--json")});
    QCOMPARE(run.status, 1);
    const QJsonArray differences = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!differences.isEmpty());
    QCOMPARE(differences.last()[QStringLiteral("table")].toInt(), 8);
}

namespace {

// A private copy of the sample design file and its companion.
struct SampleCopy {
    QTemporaryDir folder;
    QString dsg = QDir(folder.path()).filePath(QStringLiteral("SAMPLE.DSG"));
    SampleCopy() {
        QFile::copy(Sample(QStringLiteral("SAMPLE.DSG")), dsg);
        QFile::copy(Sample(QStringLiteral("SAMPLE.DSK")),
                    QDir(folder.path()).filePath(QStringLiteral("SAMPLE.DSK")));
        QFile::setPermissions(dsg, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QByteArray Bytes() const {
        QFile file(dsg);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QStringList DiffLines(const QString& a, const QString& b) {
    const Run run =
        RunCli({QStringLiteral("diff"), a, b, QStringLiteral("--special"), QStringLiteral("7468")});
    return QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

void CliTest::setChangesExactlyWhatItIsTold() {
    SampleCopy copy;
    const QString before = QDir(copy.folder.path()).filePath(QStringLiteral("BEFORE.DSG"));
    QVERIFY(QFile::copy(copy.dsg, before));
    QVERIFY(QFile::copy(Sample(QStringLiteral("SAMPLE.DSK")),
                        QDir(copy.folder.path()).filePath(QStringLiteral("BEFORE.DSK"))));
    const Run run =
        RunCli({QStringLiteral("set"), copy.dsg + QStringLiteral(":2"), QStringLiteral("header.model=VK-9"),
                QStringLiteral("MACHINE/AREAX=200"), QStringLiteral("MACHINE/MACHTYP=L"),
                QStringLiteral("customize.O1.on_delay=40000"), QStringLiteral("customize.I1.logic=1"),
                QStringLiteral("feed.X_P1_A[3]=12"), QStringLiteral("feed.other[4]=9999"),
                QStringLiteral("SPECIAL/DB5=ON"), QStringLiteral("--special"), QStringLiteral("7468")});
    QVERIFY2(run.status == 0, run.err.constData());
    const QStringList lines = DiffLines(before + QStringLiteral(":2"), copy.dsg + QStringLiteral(":2"));
    QVERIFY2(lines.contains(QStringLiteral("header.model: \"VK-2300\" -> \"VK-9\"")) ||
                 lines.filter(QStringLiteral("header.model: ")).size() == 1,
             qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(
        lines.filter(QStringLiteral("digital MACHINE/AREAX: ")).value(0).endsWith(QLatin1String("-> 200")));
    QVERIFY(
        lines.contains(QStringLiteral("customize O1.on_delay: ")) ||
        lines.filter(QStringLiteral("customize O1.on_delay: ")).value(0).endsWith(QLatin1String("-> 40000")));
    QVERIFY(lines.filter(QStringLiteral("feed X_P1_A[3]: ")).value(0).endsWith(QLatin1String("-> 12")));
    QVERIFY(lines.filter(QStringLiteral("feed other[4]: ")).value(0).endsWith(QLatin1String("-> 9999")));
    // Nothing else changed: every line names one of the assignments (values already equal to
    // the assigned one make no line).
    for (const QString& line : lines)
        QVERIFY2(line.startsWith(QLatin1String("header.model")) ||
                     line.startsWith(QLatin1String("digital MACHINE/AREAX")) ||
                     line.startsWith(QLatin1String("digital MACHINE/MACHTYP")) ||
                     line.startsWith(QLatin1String("customize O1.on_delay")) ||
                     line.startsWith(QLatin1String("customize I1.logic")) ||
                     line.startsWith(QLatin1String("feed X_P1_A[3]")) ||
                     line.startsWith(QLatin1String("feed other[4]")) ||
                     line.startsWith(QLatin1String("digital SPECIAL/DB5")),
                 qPrintable(line));
    // The edit of the axis entry survives the pitch view that shares its low byte.
    const Run dump = RunCli({QStringLiteral("dump"), copy.dsg + QStringLiteral(":2")});
    const QJsonObject feed = QJsonDocument::fromJson(dump.out).object()[QStringLiteral("feed")].toObject();
    QCOMPARE(feed[QStringLiteral("X_P1_A")].toArray()[3].toInt(), 12);
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_P1")].toArray()[6].toInt(), 12);
    // Other tables are untouched.
    QFile original(before);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray was = original.readAll();
    const QByteArray now = copy.Bytes();
    QCOMPARE(now.left(8192), was.left(8192));
    QCOMPARE(now.mid(2 * 8192), was.mid(2 * 8192));
}

void CliTest::setRefusesInvalidValuesAndWritesNothing_data() {
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("out of range") << "MACHINE/AREAX=100000" << QByteArray("Input value is out of range.");
    QTest::newRow("empty") << "MACHINE/AREAX=" << QByteArray("Input value!");
    QTest::newRow("not a selection") << "MACHINE/MACHTYP=X"
                                     << QByteArray("UpdateUserValue:cannot find selection ->X");
    QTest::newRow("header too long") << "header.version=12345678901"
                                     << QByteArray("Number of character must be less than as follows.\n\n10");
    QTest::newRow("logic 2") << "customize.I1.logic=2" << QByteArray("Inptu value is invalid.");
    QTest::newRow("time 65536") << "customize.O1.zenpa=65536" << QByteArray("Min = 0\nMax = 65535");
    QTest::newRow("unknown function") << "customize.I1.kino=254" << QByteArray("Select function from list.");
    QTest::newRow("axis over 99") << "feed.X_T2_B[30]=100" << QByteArray("Max = 99");
    QTest::newRow("other value 0") << "feed.other[0]=0" << QByteArray("Min = 1\nMax = 100");
    QTest::newRow("special without password") << "SPECIAL/DB5=ON" << QByteArray("no digital");
    // Numbers and indexes that do not fit are refused, never wrapped to 0.
    QTest::newRow("index past 32 bits") << "feed.X_P1_A[4294967296]=5" << QByteArray("entries 0 to 30");
    QTest::newRow("pitch index past 32 bits")
        << "feed.pitch.X_P1[4294967297]=5" << QByteArray("entries 0 to 49");
    QTest::newRow("an exponent is no number") << "MACHINE/BUZVOL=1e400" << QByteArray("Input value!");
    QTest::newRow("number past 32 bits")
        << "MACHINE/BUZVOL=4294967296" << QByteArray("Input value is out of range.");
    QTest::newRow("two equals signs") << "BUZVOL==5" << QByteArray("Input value!");
    QTest::newRow("number then text") << "BUZVOL=5x" << QByteArray("Input value!");
}

void CliTest::setRefusesInvalidValuesAndWritesNothing() {
    QFETCH(QString, assignment);
    QFETCH(QByteArray, message);
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    const Run run =
        RunCli({QStringLiteral("set"), copy.dsg, QStringLiteral("MACHINE/AREAY=150"), assignment});
    QCOMPARE(run.status, 6);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QCOMPARE(copy.Bytes(), before);
}

void CliTest::setIntoOtherTablesAndReadOnlyFiles() {
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    Run run =
        RunCli({QStringLiteral("set"), copy.dsg + QStringLiteral(":1"), QStringLiteral("header.version=9.99"),
                QStringLiteral("--to-tables"), QStringLiteral("5,2")});
    QVERIFY2(run.status == 0, run.err.constData());
    const QByteArray after = copy.Bytes();
    for (int table : {1, 3, 4, 6, 7, 8})
        QCOMPARE(after.mid((table - 1) * 8192, 8192), before.mid((table - 1) * 8192, 8192));
    for (int table : {2, 5})
        QCOMPARE(after.mid((table - 1) * 8192 + 10, 4), QByteArray("9.99"));
    run = RunCli(
        {QStringLiteral("set"), Sample(QStringLiteral("VOKG0001.dat")), QStringLiteral("header.version=1")});
    QCOMPARE(run.status, 4);
    run =
        RunCli({QStringLiteral("set"), copy.dsg + QStringLiteral(":3"), QStringLiteral("header.version=1")});
    QCOMPARE(run.status, 3);
    QCOMPARE(copy.Bytes(), after);
}

void CliTest::outputThatCannotBeWrittenFails_data() {
    QTest::addColumn<QStringList>("arguments");
    const QString sample = Sample(QStringLiteral("SAMPLE.DSG"));
    QTest::newRow("defs") << QStringList{QStringLiteral("defs")};
    QTest::newRow("dump") << QStringList{QStringLiteral("dump"), sample};
    QTest::newRow("diff as text") << QStringList{QStringLiteral("diff"), sample,
                                                 sample + QStringLiteral(":2")};
    QTest::newRow("diff as JSON") << QStringList{QStringLiteral("diff"), sample,
                                                 sample + QStringLiteral(":2"), QStringLiteral("--json")};
}

void CliTest::outputThatCannotBeWrittenFails() {
    QFETCH(QStringList, arguments);
    // A device that is always full: nothing of the listing arrives, as on a full disk.
    const Run run = RunCli(arguments, QString(), QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 7);
    QVERIFY2(run.err.contains("vokg-cli: the output could not be written: No space left on device"),
             run.err.constData());
}

void CliTest::controlCharactersNeverReachTheTerminal() {
    SampleCopy copy;
    // A model name holding an escape sequence and a DEL, as a damaged or hostile file may.
    QFile file(copy.dsg);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(0));
    file.write(QByteArray("A\x1b[2J\x7fZ"));
    file.close();
    Run run = RunCli({QStringLiteral("diff"), copy.dsg, Sample(QStringLiteral("SAMPLE.DSG"))});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.out.startsWith("header.model: \"A\\u001B[2J\\u007FZ\" -> \"VK-2300\"\n"),
             run.out.constData());
    QVERIFY(!run.out.contains('\x1b') && !run.out.contains('\x7f'));

    run = RunCli({QStringLiteral("dump"), copy.dsg});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("\"model\":\"A\\u001B[2J\\u007FZ\""));
    QVERIFY(!run.out.contains('\x1b') && !run.out.contains('\x7f'));
    const QJsonObject header = QJsonDocument::fromJson(run.out).object()[QStringLiteral("header")].toObject();
    QCOMPARE(header[QStringLiteral("model")].toString(), QStringLiteral("A\x1b[2J\x7fZ"));

    // A message that names a path shows the path's control characters too, and keeps its lines.
    const QString hostile = QDir(copy.folder.path()).filePath(QStringLiteral("X\x1b]0;owned\x07.DSG"));
    run = RunCli({QStringLiteral("dump"), hostile});
    QCOMPARE(run.status, 4);
    QVERIFY2(run.err.contains("Cannot find following file. Cannot read data.\n\n"), run.err.constData());
    QVERIFY2(run.err.contains("X\\u001B]0;owned\\u0007.DSG"), run.err.constData());
    QVERIFY(!run.err.contains('\x1b') && !run.err.contains('\x07'));
}

namespace {

QProcess* StartCli(const QStringList& arguments, QObject* parent) {
    auto* process = new QProcess(parent);
    process->start(QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli"), arguments);
    return process;
}

// AREAX and feed X_P1_A[3] of table 1, as dump shows them.
std::pair<int, int> AreaAndFeed(const QString& dsg) {
    const QJsonObject dump = QJsonDocument::fromJson(RunCli({QStringLiteral("dump"), dsg}).out).object();
    return {
        Digital(dump, QStringLiteral("MACHINE"), QStringLiteral("AREAX"))[QStringLiteral("value")].toInt(),
        dump[QStringLiteral("feed")][QStringLiteral("X_P1_A")].toArray()[3].toInt()};
}

} // namespace

// Two sets on one file at the same moment, again and again: each either wrote its change, which
// is then in the file, or was refused with a clear message. None is lost while reporting success.
void CliTest::concurrentSetsLoseNothing() {
    // The refusals a set may give: the other one kept the file too long, or changed it first.
    const QByteArray busy("This file is being saved by another program. Data is not saved.");
    const QByteArray changed("This file was changed by another program after it was read.");
    for (int pair = 0; pair < 12; ++pair) {
        SampleCopy copy;
        QObject owner;
        QProcess* area =
            StartCli({QStringLiteral("set"), copy.dsg, QStringLiteral("MACHINE/AREAX=200")}, &owner);
        QProcess* feed =
            StartCli({QStringLiteral("set"), copy.dsg, QStringLiteral("feed.X_P1_A[3]=12")}, &owner);
        QVERIFY(area->waitForFinished(60000) && feed->waitForFinished(60000));
        const auto [areaValue, feedValue] = AreaAndFeed(copy.dsg);
        const QString where = QStringLiteral("pair %1: AREAX %2 (exit %3), X_P1_A[3] %4 (exit %5)")
                                  .arg(pair)
                                  .arg(areaValue)
                                  .arg(area->exitCode())
                                  .arg(feedValue)
                                  .arg(feed->exitCode());
        for (QProcess* process : {area, feed}) {
            QVERIFY2(process->exitCode() == 0 || process->exitCode() == 7, qPrintable(where));
            if (process->exitCode() == 7) {
                const QByteArray error = process->readAllStandardError();
                QVERIFY2(error.contains(busy) || error.contains(changed), qPrintable(where + error));
            }
        }
        if (area->exitCode() == 0)
            QVERIFY2(areaValue == 200, qPrintable(where));
        if (feed->exitCode() == 0)
            QVERIFY2(feedValue == 12, qPrintable(where));
    }
}

// While another program holds the design file, set waits, then reads what is there and writes.
void CliTest::setWaitsForAFileLockedElsewhere() {
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    auto holder = std::make_unique<platform::FileLock>(copy.dsg);
    QCOMPARE(holder->Lock(std::chrono::milliseconds(0)), platform::FileLock::State::Locked);
    QObject owner;
    QProcess* set = StartCli({QStringLiteral("set"), copy.dsg, QStringLiteral("MACHINE/AREAX=200")}, &owner);
    QVERIFY(!set->waitForFinished(2000)); // still waiting for the lock
    QCOMPARE(copy.Bytes(), before);
    holder.reset();
    QVERIFY(set->waitForFinished(60000));
    QVERIFY2(set->exitCode() == 0, set->readAllStandardError().constData());
    QCOMPARE(AreaAndFeed(copy.dsg).first, 200);
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
