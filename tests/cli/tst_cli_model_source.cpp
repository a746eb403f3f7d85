// vokg-cli export-c and version-info, run as a user runs them.
#include "tests/cli/CliRun.h"

#include <QTest>

using clirun::Run;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The sample template with every line holding `marker` taken out, or a block of `count` lines
// from the one holding it.
QByteArray SampleTemplateWithout(const QByteArray& marker, int count = 1) {
    QList<QByteArray> lines = ReadFile(clirun::Sample(QStringLiteral("zrdl_Model.c"))).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(marker)) {
            lines.remove(i, count);
            break;
        }
    return lines.join('\n');
}

const QByteArray kExpected = ReadFile(clirun::Sample(QStringLiteral("zrdl_GVK-2300.c")));

} // namespace

class TestCliModelSource : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exportCWritesTheExpectedSource_data();
    void exportCWritesTheExpectedSource();
    void exportCRefusesAndWritesNothing_data();
    void exportCRefusesAndWritesNothing();
    void exportCWarnsOfAMissingSignal();
    void versionInfoPrintsTheText();

private:
    QTemporaryDir dir_;
    QProcessEnvironment environment_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    Run Cli(const QStringList& arguments) const { return clirun::RunCli(arguments, environment_); }
};

void TestCliModelSource::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("config")));
    environment_ = clirun::Environment(Path(QStringLiteral("config")), QString());
    QVERIFY(kExpected.size() > 20000);
}

void TestCliModelSource::exportCWritesTheExpectedSource_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("the sample template, CR LF") << QByteArray("\r\n");
    QTest::newRow("the same with LF alone") << QByteArray("\n");
}

void TestCliModelSource::exportCWritesTheExpectedSource() {
    QFETCH(QByteArray, lineEnd);
    QByteArray bytes = ReadFile(clirun::Sample(QStringLiteral("zrdl_Model.c")));
    bytes.replace("\r\n", lineEnd);
    const QString templatePath = Path(QStringLiteral("zrdl_Model.c"));
    QVERIFY(WriteFile(templatePath, bytes));
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("out")));
    const QString written = Path(QStringLiteral("out/zrdl_GVK-2300.c"));
    QFile::remove(written);
    // "[機種]" in OUT is the model name, as in the window.
    const Run run = Cli({QStringLiteral("export-c"), clirun::Sample(QStringLiteral("SAMPLE.DSG")),
                         templatePath, Path(QStringLiteral(u"out/zrdl_G[機種].c")), QStringLiteral("--model"),
                         QStringLiteral("VK-2300")});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(ReadFile(written), kExpected);
}

void TestCliModelSource::exportCRefusesAndWritesNothing_data() {
    QTest::addColumn<QStringList>("arguments"); // TEMPLATE and OUT are filled in; "-" keeps the sample's
    QTest::addColumn<QByteArray>("templateBytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QByteArray sample = ReadFile(clirun::Sample(QStringLiteral("zrdl_Model.c")));
    QTest::newRow("no --model") << QStringList{} << sample << 2 << "--model NAME is required";
    QTest::newRow("a blank model name") << QStringList{QStringLiteral("--model"), QStringLiteral(" ")}
                                        << sample << 2 << QStringLiteral(u"機種を入力してください.");
    QTest::newRow("no template") << QStringList{QStringLiteral("--model"), QStringLiteral("VK-2300")}
                                 << QByteArray() << 7 << QStringLiteral(u"ファイルが存在しません.");
    QTest::newRow("a digital without its line")
        << QStringList{QStringLiteral("--model"), QStringLiteral("VK-2300")}
        << SampleTemplateWithout("[BUZVOL]") << 8
        << QStringLiteral(u"次のキーワードがひな形zrdl_Model.cに見つかりません.\n\n[BUZVOL]");
    // The last output's name line and five of its nine settings: the template ends there.
    const QList<QByteArray> lines = sample.split('\n');
    qsizetype lastBlock = 0;
    while (!lines.at(lastBlock).contains("gst_out_O16_"))
        ++lastBlock;
    QTest::newRow("an output block cut short")
        << QStringList{QStringLiteral("--model"), QStringLiteral("VK-2300")}
        << lines.mid(0, lastBlock + 6).join('\n') << 8 << QStringLiteral("UpdateCustomize");
    QTest::newRow("a feed array without its line")
        << QStringList{QStringLiteral("--model"), QStringLiteral("VK-2300")}
        << SampleTemplateWithout("gus_y_l1_") << 8
        << QStringLiteral(u"次のキーワードがひな形zrdl_Model.cに見つかりません.\n\ngus_y_l1_");
}

void TestCliModelSource::exportCRefusesAndWritesNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, templateBytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString templatePath = Path(QStringLiteral("refused.c"));
    QFile::remove(templatePath);
    if (!templateBytes.isEmpty())
        QVERIFY(WriteFile(templatePath, templateBytes));
    const QString output = Path(QStringLiteral("refused_out.c"));
    QVERIFY(WriteFile(output, "the previous output"));
    const Run run = Cli(QStringList{QStringLiteral("export-c"), clirun::Sample(QStringLiteral("SAMPLE.DSG")),
                                    templatePath, output} +
                        arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    QCOMPARE(ReadFile(output), QByteArray("the previous output"));
}

void TestCliModelSource::exportCWarnsOfAMissingSignal() {
    const QString templatePath = Path(QStringLiteral("no_i5.c"));
    QVERIFY(WriteFile(templatePath, SampleTemplateWithout("gst_inp_I5_", 5)));
    const QString output = Path(QStringLiteral("no_i5_out.c"));
    const Run run = Cli({QStringLiteral("export-c"), clirun::Sample(QStringLiteral("SAMPLE.DSG:1")),
                         templatePath, output, QStringLiteral("--model"), QStringLiteral("VK-2300"),
                         QStringLiteral("--section"), QStringLiteral("2")});
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.err).trimmed(),
             QStringLiteral(u"次の信号がひな形zrdl_Model.cに見つかりません.\n\nI5"));
    const QByteArray written = ReadFile(output);
    QVERIFY(written.contains("#pragma section 2\r\n"));
    QVERIFY(!written.contains("gst_inp_I5_"));

    // Never over the design file it reads.
    const QByteArray design = ReadFile(clirun::Sample(QStringLiteral("SAMPLE.DSG")));
    clirun::SampleCopy copy;
    const Run over = Cli({QStringLiteral("export-c"), copy.dsg, templatePath, copy.dsg,
                          QStringLiteral("--model"), QStringLiteral("VK-2300")});
    QCOMPARE(over.status, 7);
    QVERIFY2(over.err.contains("data file in use"), over.err.constData());
    QCOMPARE(copy.Bytes(), design);
}

void TestCliModelSource::versionInfoPrintsTheText() {
    const Run run = Cli({QStringLiteral("version-info"), clirun::Sample(QStringLiteral("SAMPLE.vok"))});
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out), QStringLiteral(u"V1.12-ﾃｽﾄ\n"));
    QCOMPARE(run.err, QByteArray());

    const QString shortFile = Path(QStringLiteral("short.vok"));
    QVERIFY(WriteFile(shortFile, QByteArray(16, '\xC5')));
    const Run refused = Cli({QStringLiteral("version-info"), shortFile});
    QCOMPARE(refused.status, 7);
    QCOMPARE(refused.out, QByteArray());
    QVERIFY2(refused.err.contains("ReadVersionVok") && refused.err.contains("holds 16 bytes"),
             refused.err.constData());

    QCOMPARE(Cli({QStringLiteral("version-info")}).status, 2);
}

QTEST_GUILESS_MAIN(TestCliModelSource)
#include "tst_cli_model_source.moc"
