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

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run RunCli(const QStringList& arguments, const QString& workFolder = QString()) {
    QProcess process;
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

QString Sample(const QString& name) { return QStringLiteral(VOKG_SOURCE_DIR "/samples/") + name; }

QString CopyTables(const QTemporaryDir& folder) {
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name, QDir(folder.path()).filePath(name));
    }
    return folder.path();
}

QJsonObject Digital(const QJsonObject& dump, const QString& mode, const QString& name) {
    for (const QJsonValue& value : dump[QStringLiteral("digitals")].toArray())
        if (value[QStringLiteral("mode")].toString() == mode && value[QStringLiteral("digital")].toString() == name)
            return value.toObject();
    return {};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void defsPrintsTheSampleDefinitions();
    void defsReadsExtractedTablesAndReportsAMissingOne();
    void dumpPrintsEveryPartOfATable();
    void dumpHonoursTheAccessLevels();
    void dumpRefusesFilesAndUsage_data();
    void dumpRefusesFilesAndUsage();
    void diffListsDifferencesInModelOrder();
};

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
                               QStringLiteral("Failed to initialize address. Cannot load."), QStringLiteral("Set05.e"),
                               QStringLiteral("Failed to read setting files. Cannot load.")};
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(QString::fromLocal8Bit(run.err)));
    QVERIFY(lines.indexOf(expected[0]) < lines.indexOf(expected[2]));
    QVERIFY(lines.indexOf(expected[2]) < lines.indexOf(expected[4]));
}

void CliTest::dumpPrintsEveryPartOfATable() {
    const Run run = RunCli({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG")) + QStringLiteral(":2")});
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
        QCOMPARE(digital.toObject().contains(QStringLiteral("text")), digital[QStringLiteral("type")] == QLatin1String("SEL"));
    }
    const QJsonObject feed = dump[QStringLiteral("feed")].toObject();
    QCOMPARE(feed[QStringLiteral("X_P1_A")].toArray().size(), 31);
    QCOMPARE(feed[QStringLiteral("XYLM")].toArray().size(), 201);
    QCOMPARE(feed[QStringLiteral("other")].toArray().size(), 7);
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("Y_T2")].toArray().size(), 50);
    // The pitch view is made of the low bytes of the axis entries.
    const int axis = feed[QStringLiteral("X_P1_A")].toArray()[3].toInt();
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_P1")].toArray()[6].toInt(), axis & 0xFF);
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
    QCOMPARE(dump[QStringLiteral("header")][QStringLiteral("author")].toString(), QStringLiteral("TAKAHASHI"));
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
    run = RunCli({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG")), QStringLiteral("--manufacturer"),
                  QStringLiteral("30918274")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("\"MANUFACTURER\""));
}

void CliTest::dumpRefusesFilesAndUsage_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("spec");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("65535 bytes") << "SHORT.DSG" << 65535 << "" << 4 << QByteArray("File size must be as follows.\n\n65536");
    QTest::newRow("65537 bytes, lower-case extension")
        << "long.dsg" << 65537 << "" << 4 << QByteArray("File size must be as follows.\n\n65536");
    QTest::newRow("dat of a design size") << "VOKG9.dat" << 65536 << "" << 4
                                          << QByteArray("File size must be as follows.\n\n131072");
    QTest::newRow("other extension") << "DATA.BIN" << 65536 << "" << 4
                                     << QByteArray("Extension must be as follows\n\n*.dsg, VOKG*.dat");
    QTest::newRow("table out of range") << "OK.DSG" << 65536 << ":9" << 2 << QByteArray("no table 9");
}

void CliTest::dumpRefusesFilesAndUsage() {
    QFETCH(QString, fileName);
    QFETCH(int, size);
    QFETCH(QString, spec);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, '\0'));
    file.close();
    const Run run = RunCli({QStringLiteral("dump"), file.fileName() + spec});
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

    run = RunCli({QStringLiteral("diff"), sample, sample, QStringLiteral("--all-tables"), QStringLiteral("--password"),
                  QStringLiteral("KEY3")});
    QCOMPARE(run.status, 0);
    run = RunCli({QStringLiteral("diff"), sample, Sample(QStringLiteral("VOKG0001.dat")), QStringLiteral("--all-tables"),
                  QStringLiteral("--password"), QStringLiteral("KEY3"), QStringLiteral("--json")});
    QCOMPARE(run.status, 1);
    const QJsonArray differences = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!differences.isEmpty());
    QCOMPARE(differences.last()[QStringLiteral("table")].toInt(), 8);
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
