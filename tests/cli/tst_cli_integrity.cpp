// The companion against damaged data files, hostile definitions and a hostile environment: what
// it stores is what it was told, what it cannot store it refuses, and it never leaves the user's
// data behind in a folder others could read.
#include "tests/cli/CliRun.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace clirun;

namespace {

constexpr int kFeed = 4096;

// The sample machine's definition tables, extracted into `folder`, with `from` replaced by `to`
// in Set02.e.
bool DefinitionsWith(const QString& folder, const QByteArray& from, const QByteArray& to) {
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        QFile source(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name);
        if (!source.open(QIODevice::ReadOnly))
            return false;
        QByteArray text = source.readAll();
        if (n == 2) {
            if (!text.contains(from))
                return false;
            text.replace(from, to);
        }
        QFile target(QDir(folder).filePath(name));
        if (!target.open(QIODevice::WriteOnly) || target.write(text) != text.size())
            return false;
    }
    return true;
}

} // namespace

class CliIntegrityTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settings_;
    QTemporaryDir temporary_;

    Run Cli(const QStringList& arguments) const {
        return RunCli(arguments, Environment(settings_.path(), temporary_.path()));
    }

private slots:
    void pitchViewSetBackToTheByteAsRead();
    void headerFieldsThatDoNotDecodeSurviveASave();
    void headerAssignmentsThatWouldNotComeBackAreRefused_data();
    void headerAssignmentsThatWouldNotComeBackAreRefused();
    void aDamagedPasswordFieldIsKept();
    void overlappingDefinitionsAreRefused_data();
    void overlappingDefinitionsAreRefused();
    void aMissingCodePageConverterEndsTheStart();
    void aTemporaryFolderThatCannotTakeTheFilesIsNamed();
    void noPrivateFolderNoRun();
    void aKilledRunsFolderIsSweptByTheNext();
};

// X_P1_A entry 0 is stored as 01 5F: its pitch twin X_P1 row 0 reads 95. Setting the axis entry
// to 50 and then the pitch row back to 95 stores 95 in the low byte: the pitch view is written
// last, and 95 differs from what it showed after the axis edit.
void CliIntegrityTest::pitchViewSetBackToTheByteAsRead() {
    SampleCopy copy;
    QVERIFY(copy.Patch(1, kFeed, QByteArray("\x01\x5F", 2)));
    const Run run = Cli({QStringLiteral("set"), copy.dsg + QStringLiteral(":1"),
                         QStringLiteral("feed.X_P1_A[0]=50"), QStringLiteral("feed.pitch.X_P1[0]=95")});
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(copy.Bytes().mid(kFeed, 2), QByteArray("\x00\x5F", 2));
    const Run dump = Cli({QStringLiteral("dump"), copy.dsg + QStringLiteral(":1")});
    const QJsonObject feed = QJsonDocument::fromJson(dump.out).object()[QStringLiteral("feed")].toObject();
    QCOMPARE(feed[QStringLiteral("X_P1_A")].toArray()[0].toInt(), 95);
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_P1")].toArray()[0].toInt(), 95);
}

// Another program wrote a model name that ends in half a double-byte character and a data
// version holding a byte code page 932 cannot map. A save that does not touch the header keeps
// both fields byte for byte; it used to fail with "Failed to save data.".
void CliIntegrityTest::headerFieldsThatDoNotDecodeSurviveASave() {
    SampleCopy copy;
    const QByteArray header("ABCDEFGHI\x82V\xFD\0\0\0\0\0\0\0\0", 20);
    QVERIFY(copy.Patch(1, 0, header));
    const QByteArray before = copy.Bytes();
    Run run =
        Cli({QStringLiteral("set"), copy.dsg + QStringLiteral(":1"), QStringLiteral("MACHINE/AREAX=200")});
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(copy.Bytes().left(20), header);
    QVERIFY(copy.Bytes() != before);
    // Assigning one header text encodes that one; the other stays as it was.
    run =
        Cli({QStringLiteral("set"), copy.dsg + QStringLiteral(":1"), QStringLiteral("header.version=2.00")});
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(copy.Bytes().left(20), header.left(10) + QByteArray("2.00").leftJustified(10, '\0'));
}

void CliIntegrityTest::headerAssignmentsThatWouldNotComeBackAreRefused_data() {
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QString>("message");
    QTest::newRow("escape sequence") << QStringLiteral(u"header.model=A\u001B[2J")
                                     << QStringLiteral("\"U+001B\" cannot be stored in the data file.");
    QTest::newRow("line feed") << QStringLiteral(u"header.version=1\n2")
                               << QStringLiteral("\"U+000A\" cannot be stored in the data file.");
    QTest::newRow("yen sign") << QStringLiteral(u"header.version=\u00A5100")
                              << QStringLiteral(u"\"\u00A5\" cannot be stored in the data file.");
    QTest::newRow("overline") << QStringLiteral(u"header.model=VK\u203E1")
                              << QStringLiteral(u"\"\u203E\" cannot be stored in the data file.");
    QTest::newRow("eleven bytes") << QStringLiteral(u"header.model=ミシンミシンA")
                                  << QStringLiteral(
                                         "Number of character must be less than as follows.\n\n10");
}
void CliIntegrityTest::headerAssignmentsThatWouldNotComeBackAreRefused() {
    QFETCH(QString, assignment);
    QFETCH(QString, message);
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    const Run run = Cli({QStringLiteral("set"), copy.dsg, assignment});
    QCOMPARE(run.status, 6);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    QCOMPARE(copy.Bytes(), before);
}

// Table 3 of the sample carries a password. With one stamp byte of its field damaged the field
// cannot be decoded: the table opens (no answer could be checked), the damage is reported once,
// and the save writes the field back as it was; the table stays protected. The save used to
// write sixteen zero bytes, leaving the table without a password.
void CliIntegrityTest::aDamagedPasswordFieldIsKept() {
    constexpr int kPassword = 4051;
    SampleCopy copy;
    QVERIFY(copy.Patch(3, kPassword + 15, QByteArray(1, char(0xFF))));
    const QByteArray field = copy.Bytes().mid(2 * 8192 + kPassword, 16);
    const Run run =
        Cli({QStringLiteral("set"), copy.dsg + QStringLiteral(":3"), QStringLiteral("MACHINE/AREAX=200")});
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(run.err.count("cannot be decoded"), 1);
    QVERIFY2(run.err.contains("table 3 of") && run.err.contains("the password field"), run.err.constData());
    QCOMPARE(copy.Bytes().mid(2 * 8192 + kPassword, 16).toHex(), field.toHex());
    const Run dump = Cli({QStringLiteral("dump"), copy.dsg + QStringLiteral(":3")});
    QVERIFY2(dump.status == 0, dump.err.constData());
    const QJsonObject header =
        QJsonDocument::fromJson(dump.out).object()[QStringLiteral("header")].toObject();
    QCOMPARE(header[QStringLiteral("protected")].toBool(), true);
}

// A package that puts two fields on one byte is refused when it is loaded, naming both rows.
// With such a package "set MACHTYP=H" used to exit 0 and leave the file as it was: the later
// writer of the byte dropped the value.
void CliIntegrityTest::overlappingDefinitionsAreRefused_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("report");
    QTest::newRow("a digital on the password")
        << QByteArray("\t32\t1\r\n") << QByteArray("\t4051\t1\r\n")
        << "Set02.e digital \"MACHINE/MACHTYP\" (byte 4051) overlaps the "
           "password field (bytes 4051-4066)";
    QTest::newRow("two digitals on one byte")
        << QByteArray("\t33\t1\r\n") << QByteArray("\t32\t1\r\n")
        << "Set02.e digital \"MACHINE/HEADTYP\" (byte 32) overlaps Set02.e "
           "digital \"MACHINE/MACHTYP\" (byte 32)";
}
void CliIntegrityTest::overlappingDefinitionsAreRefused() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, report);
    QTemporaryDir definitions;
    QVERIFY(DefinitionsWith(definitions.path(), from, to));
    SampleCopy copy;
    const QByteArray before = copy.Bytes();
    const Run run = Cli({QStringLiteral("--defs"), definitions.path(), QStringLiteral("set"), copy.dsg,
                         QStringLiteral("MACHTYP=H")});
    QCOMPARE(run.status, 5);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(report), run.err.constData());
    QVERIFY2(err.contains(QStringLiteral("Failed to initialize address. Cannot load.\n\nSet02.e")),
             run.err.constData());
    QCOMPARE(copy.Bytes(), before);
}

// Without the code page 932 converter every byte above 0x7F decoded as U+FFFD: the special and
// manufacturer modes of a package with Japanese mode names were no longer recognised and were
// shown without their passwords. The converter is a required component now.
void CliIntegrityTest::aMissingCodePageConverterEndsTheStart() {
    QProcessEnvironment environment = Environment(settings_.path(), temporary_.path());
    environment.insert(QStringLiteral("LD_PRELOAD"),
                       QStringLiteral(VOKG_BINARY_DIR "/bin/libvokg_no_codepage932.so"));
    // A sanitized companion wants its runtime first; the preloaded library comes before it.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                                           QStringLiteral(":verify_asan_link_order=0"));
    const Run run =
        RunCli({QStringLiteral("--defs"), QStringLiteral(VOKG_SOURCE_DIR "/tests/data/definitions_ja"),
                QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG"))},
               environment);
    QCOMPARE(run.status, 5);
    QVERIFY2(run.err.contains("Cannot find following file. Cannot load.\n\nCP932"), run.err.constData());
    QVERIFY2(run.out.isEmpty(), run.out.constData());
    // With the converter the same dump hides the special and manufacturer modes, as it must
    // without their passwords.
    const Run normal =
        Cli({QStringLiteral("--defs"), QStringLiteral(VOKG_SOURCE_DIR "/tests/data/definitions_ja"),
             QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG"))});
    QVERIFY2(normal.status == 0, normal.err.constData());
    for (const QJsonValue& digital :
         QJsonDocument::fromJson(normal.out).object()[QStringLiteral("digitals")].toArray()) {
        const QString mode = digital[QStringLiteral("mode")].toString();
        QVERIFY2(mode != QStringLiteral(u"特殊") && mode != QStringLiteral(u"メーカー") &&
                     !mode.contains(QChar(QChar::ReplacementCharacter)),
                 qPrintable(mode));
    }
}

// Files past 4 KiB cannot be written, as in a full temporary folder. The extraction of the tables
// says so with the system's reason, instead of "Failed to read setting files" after a list of
// tables "not found"; so does the working copy of an open, once.
void CliIntegrityTest::aTemporaryFolderThatCannotTakeTheFilesIsNamed() {
    const QProcessEnvironment environment = Environment(settings_.path(), temporary_.path());
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
    Run run = RunCliLimited({QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG"))}, environment, 8);
    QCOMPARE(run.status, 5);
    QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.contains(QStringLiteral("MeltSettingFiles")) &&
                 err.contains(QStringLiteral("cannot be written: ") + tooLarge),
             run.err.constData());
    QVERIFY2(!err.contains(QStringLiteral("Cannot find following file")), run.err.constData());

    QTemporaryDir definitions;
    QVERIFY(DefinitionsWith(definitions.path(), "\tMACHTYP\t", "\tMACHTYP\t"));
    run = RunCliLimited({QStringLiteral("--defs"), definitions.path(), QStringLiteral("dump"),
                         Sample(QStringLiteral("SAMPLE.DSG"))},
                        environment, 8);
    QCOMPARE(run.status, 7);
    err = QString::fromLocal8Bit(run.err);
    QCOMPARE(err.count(QStringLiteral("the working copy")), 1);
    QVERIFY2(err.contains(QStringLiteral("cannot be written: ") + tooLarge), run.err.constData());
}

// A folder someone else made under the private folder's name: the companion refuses to run
// instead of extracting the tables and copying the user's file into the current folder.
void CliIntegrityTest::noPrivateFolderNoRun() {
    QTemporaryDir temporary;
    const QString planted = QDir(temporary.path()).filePath(QStringLiteral("vokg-%1").arg(::geteuid()));
    QVERIFY(QDir().mkdir(planted));
    QVERIFY(::chmod(QFile::encodeName(planted).constData(), 0777) == 0);
    QTemporaryDir current;
    QProcess process;
    process.setProcessEnvironment(Environment(settings_.path(), temporary.path()));
    process.setWorkingDirectory(current.path());
    process.start(Program(), {QStringLiteral("dump"), Sample(QStringLiteral("SAMPLE.DSG"))});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitCode(), 5);
    QVERIFY2(err.contains("not a private folder of this user: " + QFile::encodeName(planted)),
             err.constData());
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QCOMPARE(
        QDir(current.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
    QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
}

// A real run killed while it works leaves its working folder (where the copy of the user's data
// lies); the next run of the companion sweeps it away.
void CliIntegrityTest::aKilledRunsFolderIsSweptByTheNext() {
    QTemporaryDir definitions;
    QVERIFY(BlockingDefinitions(definitions.path()));
    const QString privateBase = QDir(temporary_.path()).filePath(QStringLiteral("vokg-%1").arg(::geteuid()));
    BlockedCompanion killed(definitions.path(), temporary_.path());
    const QString folder = killed.WaitForFolder(privateBase);
    QVERIFY(!folder.isEmpty());
    killed.Kill();
    QVERIFY(QFileInfo(QDir(privateBase).filePath(folder)).isDir());

    const Run next = Cli({QStringLiteral("defs")});
    QVERIFY2(next.status == 0, next.err.constData());
    QVERIFY(!QFileInfo::exists(QDir(privateBase).filePath(folder)));
    // And the next run took its own folder with it.
    QCOMPARE(
        QDir(privateBase).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
}

QTEST_GUILESS_MAIN(CliIntegrityTest)
#include "tst_cli_integrity.moc"
