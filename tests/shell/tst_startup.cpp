#include "hlpkit/CProperty.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "shell/Startup.h"
#include "shell/messages/SettingKeys.h"
#include "tests/shell/ShellFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using vokg::DefinitionSource;
using vokg::FileKind;
using vokg::Startup;

namespace {

// Rewrites one line of a definition table (0-based), or appends when `line` is -1.
void EditTable(const QString& path, int line, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray replacement = text + '\r';
    if (line < 0)
        lines.append(replacement);
    else
        lines[line] = replacement;
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join('\n') + '\n');
}

QByteArray LineOf(const QString& path, int line) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n').value(line).trimmed();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void loadsTheSampleArchiveAndRemovesTheExtractedTables();
    void keepsTheExtractedTablesWhenAskedTo();
    void specialAndManufacturerModesUnderEitherName_data();
    void specialAndManufacturerModesUnderEitherName();
    void missingTableGivesMessagesOneThenEighteen();
    void brokenTablesFailTheirRead_data();
    void brokenTablesFailTheirRead();
    void hostileArchiveExtractsNothing();
    void settingsAreRegisteredOnceAndEmptyOnesReset();
    void applyRegDataLoadsTheRunStateAndMyPath();
    void commandLineOpensTheFirstExistingFile();
    void requiredFiles();
    void deleteTempFilesRemovesTheWorkingCopies();
};

void StartupTest::loadsTheSampleArchiveAndRemovesTheExtractedTables() {
    ShellFixture fixture;
    fixture.CopySampleArchive();
    Startup startup(fixture.App());
    QVERIFY(
        startup.LoadDefinitionTables(DefinitionSource{fixture.PathOf("VOKG_SET.e"), fixture.Folder(), true}));
    QVERIFY(fixture.Prompter().Prompts().isEmpty());
    QCOMPARE(fixture.App().Modes().Count(), 10);
    QVERIFY(fixture.App().Modes().AllDititalCount() >= 150);
    QVERIFY(fixture.App().UserCustoms().Count() > 0);
    QCOMPARE(fixture.App().UserCustoms().Count(), fixture.App().ComparisonCustoms().Count());
    QVERIFY(fixture.App().InputSelections().Count() >= 30);
    QVERIFY(fixture.App().OutputSelections().Count() >= 30);
    for (int n = 1; n <= 20; ++n)
        QVERIFY(
            !QFileInfo::exists(fixture.PathOf(QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0')))));
}

void StartupTest::keepsTheExtractedTablesWhenAskedTo() {
    ShellFixture fixture;
    fixture.CopySampleArchive();
    // A stale table from an earlier start is overwritten by the archive's.
    QFile stale(fixture.PathOf("Set01.e"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("OLD\r\n");
    stale.close();
    Startup startup(fixture.App());
    QVERIFY(startup.LoadDefinitionTables(
        DefinitionSource{fixture.PathOf("VOKG_SET.e"), fixture.Folder(), false}));
    QCOMPARE(fixture.App().Modes().Count(), 10);
    for (int n = 1; n <= 7; ++n)
        QVERIFY(QFileInfo::exists(fixture.PathOf(QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0')))));
}

void StartupTest::specialAndManufacturerModesUnderEitherName_data() {
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("manufacturer");
    QTest::newRow("English names") << QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/VOKG_SET.e")
                                   << QStringLiteral("SPECIAL") << QStringLiteral("MANUFACTURER");
    QTest::newRow("Japanese names") << QStringLiteral(VOKG_SOURCE_DIR "/tests/data/definitions_ja/VOKG_SET.e")
                                    << QStringLiteral("特殊") << QStringLiteral("メーカー");
}

void StartupTest::specialAndManufacturerModesUnderEitherName() {
    QFETCH(QString, archive);
    QFETCH(QString, special);
    QFETCH(QString, manufacturer);
    ShellFixture fixture;
    QVERIFY(QFile::copy(archive, fixture.PathOf("VOKG_SET.e")));
    QVERIFY(
        Startup(fixture.App())
            .LoadDefinitionTables(DefinitionSource{fixture.PathOf("VOKG_SET.e"), fixture.Folder(), true}));
    const vokg::CModes& modes = fixture.App().Modes();
    QVERIFY(modes.Item(special));
    QVERIFY(modes.Item(manufacturer));
    QCOMPARE(modes.CountThisDititalCount(0), modes.Item(special)->Digits().Count());
    QCOMPARE(modes.CountThisDititalCount(1), modes.Item(manufacturer)->Digits().Count());
    QVERIFY(modes.CountThisDititalCount(0) > 0);
    QCOMPARE(modes.CountThisDititalCount(2), 0);
    QCOMPARE(modes.DifDititalCount(), 0);
}

void StartupTest::missingTableGivesMessagesOneThenEighteen() {
    ShellFixture fixture;
    fixture.CopySampleTables();
    QVERIFY(QFile::remove(fixture.PathOf("Set05.e")));
    Startup startup(fixture.App());
    QVERIFY(!startup.LoadDefinitionTables(DefinitionSource{QString(), fixture.Folder(), false}));
    const QStringList texts = fixture.Prompter().MessageTexts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0],
             QStringLiteral("Cannot find following file. Cannot load.\n\n") + fixture.PathOf("Set05.e"));
    QCOMPARE(texts[1], QStringLiteral("Failed to initialize address. Cannot load.\n\nSet05.e"));
    QCOMPARE(fixture.Prompter().Prompts()[0].kind, 2);
    QCOMPARE(fixture.Prompter().Prompts()[1].kind, 1);
    QVERIFY(fixture.ReportedProcedures().contains(QStringLiteral("ReadSet05e")));
}

void StartupTest::brokenTablesFailTheirRead_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("procedure");
    const QString eighteen = QStringLiteral("Failed to initialize address. Cannot load.\n\n");
    QTest::newRow("signal name twice, other case")
        << "Set04.e" << -1 << QByteArray("i1\tX\tStandard input\t4000\t4001\t4002") << eighteen + "Set04.e"
        << "ReadSet04e";
    QTest::newRow("function value twice")
        << "Set06.e" << -1 << QByteArray("EXTRA\t0\tA second function with value 0")
        << "Failed to read the input function table (Set06.e)."
        << "ReadSet6_7_8_9e";
    QTest::newRow("output function value twice")
        << "Set07.e" << -1 << QByteArray("EXTRA\t0\tA second function with value 0")
        << "Failed to read the output function table (Set07.e)."
        << "ReadSet6_7_8_9e";
    QTest::newRow("blank line") << "Set02.e" << 3 << QByteArray("") << eighteen + "Set02.e"
                                << "ReadSet02e";
    QTest::newRow("too few fields") << "Set03.e" << 0 << QByteArray("MACHINE\tMACHTYP\tS")
                                    << eighteen + "Set03.e"
                                    << "ReadSet03e";
    QTest::newRow("mode that does not exist")
        << "Set02.e" << -1 << QByteArray("NOMODE\tX1\tNUM\t\t0\t1\tA\tB\t4000\t1") << eighteen + "Set02.e"
        << "ReadSet02e";
    QTest::newRow("digital that does not exist")
        << "Set03.e" << -1 << QByteArray("MACHINE\tNODIGITAL\tON\t1") << eighteen + "Set03.e"
        << "ReadSet03e";
    QTest::newRow("mode twice") << "Set01.e" << -1 << QByteArray("MACHINE") << eighteen + "Set01.e"
                                << "ReadSet01e";
}

void StartupTest::brokenTablesFailTheirRead() {
    QFETCH(QString, table);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QFETCH(QString, procedure);
    ShellFixture fixture;
    fixture.CopySampleTables();
    if (procedure == QLatin1String("ReadSet04e"))
        QVERIFY(LineOf(fixture.PathOf(table), 0).startsWith("I1\t"));
    EditTable(fixture.PathOf(table), line, text);
    Startup startup(fixture.App());
    QVERIFY(!startup.LoadDefinitionTables(DefinitionSource{QString(), fixture.Folder(), false}));
    QCOMPARE(fixture.Prompter().MessageTexts(), QStringList{message});
    QCOMPARE(fixture.ReportedProcedures().value(0), procedure);
    QVERIFY(fixture.ErrorLog().contains(procedure.toLatin1()));
}

void StartupTest::hostileArchiveExtractsNothing() {
    ShellFixture fixture;
    QVERIFY(QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/tests/platform/data/hostile.e"),
                        fixture.PathOf("VOKG_SET.e")));
    Startup startup(fixture.App());
    QVERIFY(!startup.LoadDefinitionTables(
        DefinitionSource{fixture.PathOf("VOKG_SET.e"), fixture.Folder(), true}));
    QCOMPARE(fixture.ReportedProcedures().value(0), QStringLiteral("MeltSettingFiles"));
    // Every table is then reported missing, and the first read ends the start.
    const QStringList texts = fixture.Prompter().MessageTexts();
    QCOMPARE(texts.size(), 8);
    QVERIFY(texts.last().endsWith(QLatin1String("Set01.e")));
}

void StartupTest::settingsAreRegisteredOnceAndEmptyOnesReset() {
    ShellFixture fixture;
    vokg::App& app = fixture.App();
    QVERIFY(fixture.StoreSetting(QStringLiteral("WordToFind"), QStringLiteral("SPEED")));
    QVERIFY(fixture.StoreSetting(QStringLiteral("DoesOverWrite"), QStringLiteral("True")));
    QVERIFY(fixture.StoreSetting(QStringLiteral("wdt_Custom_StdKino"), QString()));
    Startup startup(app);
    QVERIFY(startup.CheckRegData());
    QCOMPARE(fixture.StoredSetting(QStringLiteral("WordToFind")), QStringLiteral("SPEED"));
    QCOMPARE(fixture.StoredSetting(QStringLiteral("DoesOverWrite")), QStringLiteral("True"));
    QCOMPARE(fixture.StoredSetting(QStringLiteral("wdt_Custom_StdKino")), QStringLiteral("2500"));
    QCOMPARE(fixture.StoredSetting(QStringLiteral("DoesReadKishuWhenSelectTable")), QStringLiteral("True"));
    QCOMPARE(fixture.StoredSetting(QStringLiteral("DoesOpenSpecialModeWhelAll")), QStringLiteral("False"));
    QCOMPARE(fixture.StoredSetting(QStringLiteral("StdReadingPath")), fixture.Folder());
    QVERIFY(
        fixture.StoredSetting(QStringLiteral("LatestExcelFile")).endsWith(QLatin1String("/VOKG_SET.xlsx")));
    // The keys with an empty default stay absent (they count as missing at every start).
    QCOMPARE(fixture.StoredSetting(QStringLiteral("FileNew_zrdl_Modelc")), QString());
    // A second start changes nothing that is there.
    fixture.StoreSetting(QStringLiteral("PrevFilterIndex"), QStringLiteral("2"));
    QVERIFY(startup.CheckRegData());
    QCOMPARE(fixture.StoredSetting(QStringLiteral("PrevFilterIndex")), QStringLiteral("2"));
    QCOMPARE(vokg::kSettingOrder.size(), size_t(20));
}

void StartupTest::applyRegDataLoadsTheRunStateAndMyPath() {
    ShellFixture fixture;
    vokg::App& app = fixture.App();
    fixture.StoreSetting(QStringLiteral("fSelCus_Height"), QStringLiteral("7000.5"));
    fixture.StoreSetting(QStringLiteral("DoesDeleteMeltedFiles"), QStringLiteral("False"));
    Startup startup(app);
    QVERIFY(startup.ApplyRegData());
    QCOMPARE(app.State().selectionTreeHeight, 7000); // half to even
    QCOMPARE(app.State().customUsrKinoWidth, 3430);
    QVERIFY(!app.State().deleteMeltedFiles);
    QCOMPARE(app.Property().ReadEntry(QStringLiteral("VOKE_SET"), QStringLiteral("SETTING"),
                                      QStringLiteral("MYPATH")),
             fixture.Folder());
}

void StartupTest::commandLineOpensTheFirstExistingFile() {
    ShellFixture fixture;
    const QString a = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
    const QString b = fixture.CopySample(QStringLiteral("VOKG0001.dat"));
    QCOMPARE(Startup::FindFileNameFromCommand(QStringLiteral("nothing.dsg , %1,%2").arg(b, a)), b);
    QCOMPARE(Startup::FindFileNameFromCommand(QStringLiteral(" %1 ").arg(a)), a);
    QCOMPARE(Startup::FindFileNameFromCommand(QStringLiteral("a.dsg,ZRDL,")), QString());
    QCOMPARE(Startup::FindFileNameFromCommand(fixture.Folder()), QString()); // a folder is no file
}

void StartupTest::requiredFiles() {
    ShellFixture fixture;
    Startup startup(fixture.App());
    QVERIFY(!startup.CheckRequiredFiles());
    QCOMPARE(fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral("Cannot find following file. Cannot load.\n\n") +
                         fixture.PathOf("VOKG_SET.e")});
    fixture.CopySampleArchive();
    QVERIFY(startup.CheckRequiredFiles());
}

void StartupTest::deleteTempFilesRemovesTheWorkingCopies() {
    ShellFixture fixture;
    vokg::App& app = fixture.App();
    for (const FileKind kind : {FileKind::User, FileKind::Comparison}) {
        QFile copy(app.CreateParaTempName(kind));
        QVERIFY(copy.open(QIODevice::WriteOnly));
    }
    QVERIFY(app.CreateParaTempName(FileKind::User).endsWith(QLatin1String("gsetusr.tmp")));
    QVERIFY(app.CreateParaTempName(FileKind::Comparison).endsWith(QLatin1String("gsetcmp.tmp")));
    Startup(app).DeleteTempFiles();
    QVERIFY(!QFileInfo::exists(app.CreateParaTempName(FileKind::User)));
    QVERIFY(!QFileInfo::exists(app.CreateParaTempName(FileKind::Comparison)));
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
