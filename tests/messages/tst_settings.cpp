#include "hlpkit/CProperty.h"
#include "shell/messages/ProgramSettings.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/MemorySettings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <variant>

namespace {

const QString kProgramFolder = QStringLiteral("/opt/vokg");

// A store that records what start-up registers and can refuse the n-th default.
class RecordingStore : public testsupport::MemorySettings {
public:
    bool WriteDefault(const QString& key, const QString& text) override {
        registered.append({key, text});
        if (registered.size() == refuseAt)
            return false;
        return MemorySettings::WriteDefault(key, text);
    }
    QList<QPair<QString, QString>> registered;
    qsizetype refuseAt = -1;
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void storedTextsReadAsTheirType_data();
    void storedTextsReadAsTheirType();
    void valuesAreWrittenAsText();
    void startUpRegistersEveryMissingDefaultInOrder();
    void registrationStopsAtTheFirstRefusal();
    void programStoreIsTheUtilityLibrarysSectionSetting();
    void defaultWorkbookHasAnAbsoluteHome();
};

// Every row: the setting (by key), its stored text, what it reads as, and the report it causes
// ("" for none). A stored text that does not read is reported and left alone.
void SettingsTest::storedTextsReadAsTheirType_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QString>("report");

    const QString overwrite = QString::fromLatin1(vokg::Setting::DoesOverWrite.key);
    const QString readKishu = QString::fromLatin1(vokg::Setting::DoesReadKishuWhenSelectTable.key);
    const QString height = QString::fromLatin1(vokg::Setting::fSelCus_Height.key);
    const QString readingPath = QString::fromLatin1(vokg::Setting::StdReadingPath.key);
    const QString word = QString::fromLatin1(vokg::Setting::WordToFind.key);

    QTest::newRow("missing flag, default off") << overwrite << "" << QVariant(false) << "";
    QTest::newRow("missing flag, default on") << readKishu << "" << QVariant(true) << "";
    QTest::newRow("True") << overwrite << "True" << QVariant(true) << "";
    QTest::newRow("true, spaced") << overwrite << " true " << QVariant(true) << "";
    QTest::newRow("False") << readKishu << "False" << QVariant(false) << "";
    QTest::newRow("1 as written before") << overwrite << "1" << QVariant(true) << "";
    QTest::newRow("0 as written before") << readKishu << "0" << QVariant(false) << "";
    QTest::newRow("flag that is no flag") << readKishu << "yes" << QVariant(true) << "Type mismatch";
    QTest::newRow("missing number") << height << "" << QVariant(6255) << "";
    QTest::newRow("number") << height << "7000" << QVariant(7000) << "";
    QTest::newRow("half rounds to even, down") << height << "7000.5" << QVariant(7000) << "";
    QTest::newRow("half rounds to even, up") << height << "7001.5" << QVariant(7002) << "";
    QTest::newRow("negative") << height << "-3" << QVariant(-3) << "";
    QTest::newRow("number that is no number") << height << "12px" << QVariant(6255) << "Type mismatch";
    QTest::newRow("number too large") << height << "1e12" << QVariant(6255) << "Overflow";
    QTest::newRow("missing folder") << readingPath << "" << QVariant(kProgramFolder) << "";
    QTest::newRow("folder") << readingPath << "/data" << QVariant(QStringLiteral("/data")) << "";
    QTest::newRow("missing word") << word << "" << QVariant(QString()) << "";
    QTest::newRow("word kept as typed") << word << " DB1 " << QVariant(QStringLiteral(" DB1 ")) << "";
}

void SettingsTest::storedTextsReadAsTheirType() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QVariant, expected);
    QFETCH(QString, report);

    CapturedReports reports;
    testsupport::MemorySettings store(kProgramFolder);
    store.insert(key, stored);
    const vokg::ProgramSettings& settings = store.Typed();
    QVariant read;
    for (const vokg::AnySetting& setting : vokg::kSettingOrder) {
        std::visit(
            [&](const auto* each) {
                if (QString::fromLatin1(each->key) == key)
                    read = QVariant::fromValue(settings.Get(*each));
            },
            setting);
    }
    QCOMPARE(read, expected);
    QCOMPARE(store.value(key), stored);
    if (report.isEmpty()) {
        QCOMPARE(reports.count(), 0);
    } else {
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("ReadReg"));
        QVERIFY(reports.boxes().first().text.contains(report));
        QVERIFY(reports.boxes().first().text.contains(key));
    }
}

void SettingsTest::valuesAreWrittenAsText() {
    testsupport::MemorySettings store;
    vokg::ProgramSettings& settings = store.Typed();
    QVERIFY(settings.Set(vokg::Setting::DoesOverWrite, true));
    QCOMPARE(store.value(QStringLiteral("DoesOverWrite")), QStringLiteral("True"));
    QVERIFY(settings.Set(vokg::Setting::DoesOverWrite, false));
    QCOMPARE(store.value(QStringLiteral("DoesOverWrite")), QStringLiteral("False"));
    QVERIFY(settings.Set(vokg::Setting::PrevFilterIndex, 2));
    QCOMPARE(store.value(QStringLiteral("PrevFilterIndex")), QStringLiteral("2"));
    QVERIFY(settings.Set(vokg::Setting::WordToFind, QStringLiteral("SPEED")));
    QCOMPARE(settings.Get(vokg::Setting::WordToFind), QStringLiteral("SPEED"));
}

void SettingsTest::startUpRegistersEveryMissingDefaultInOrder() {
    RecordingStore store;
    store.insert(QStringLiteral("WordToFind"), QStringLiteral("SPEED"));
    store.insert(QStringLiteral("DoesOverWrite"), QStringLiteral("1"));
    hlpkit::CMethod method;
    vokg::ProgramSettings settings(store, method, kProgramFolder);
    QVERIFY(settings.RegisterDefaults());

    const QString workbook = vokg::ProgramSettings::DefaultWorkbookPath();
    const QList<QPair<QString, QString>> expected{
        {"DoesReadKishuWhenSelectTable", "True"},
        {"DoesDispAllModeInOpening", "True"},
        {"DoesClearComparativeInOpenFile", "True"},
        {"DoesOpenSpecialModeWhelAll", "False"},
        {"StdReadingPath", kProgramFolder},
        {"PrevFilterIndex", "1"},
        {"wdt_Custom_StdKino", "2500"},
        {"wdt_Custom_UsrKino", "3430"},
        {"DoesDeleteMeltedFiles", "True"},
        {"fSelCus_Height", "6255"},
        {"fSelCus_Left", "7485"},
        {"fSelCus_Top", "1605"},
        {"fSelCus_Width", "4755"},
        {"LatestExcelFile", workbook},
        {"DoesOverWrite", "False"},
        {"WordToFind", ""},
        {"FileHinagata_zrdl_Modelc", ""},
        {"FileNew_zrdl_Modelc", ""},
        {"Kishu_zrdl_Modelc", ""},
        {"SectionNo_zrdl_Modelc", ""},
    };
    QCOMPARE(store.registered, expected);
    // What was there stays as it was, in the form it was written.
    QCOMPARE(store.value(QStringLiteral("WordToFind")), QStringLiteral("SPEED"));
    QCOMPARE(store.value(QStringLiteral("DoesOverWrite")), QStringLiteral("1"));
    QCOMPARE(store.value(QStringLiteral("wdt_Custom_StdKino")), QStringLiteral("2500"));
}

void SettingsTest::registrationStopsAtTheFirstRefusal() {
    RecordingStore store;
    store.refuseAt = 3;
    hlpkit::CMethod method;
    vokg::ProgramSettings settings(store, method, kProgramFolder);
    QVERIFY(!settings.RegisterDefaults());
    QCOMPARE(store.registered.size(), 3);
    QVERIFY(!store.contains(QStringLiteral("DoesOpenSpecialModeWhelAll")));
}

void SettingsTest::programStoreIsTheUtilityLibrarysSectionSetting() {
    CapturedReports reports;
    hlpkit::CProperty property;
    hlpkit::CMethod method;
    const QString application = QStringLiteral("tst_messages_settings");
    QFile::remove(hlpkit::CProperty::SettingsFile(application));
    const std::unique_ptr<vokg::SettingsStore> store = vokg::MakePropertySettingsStore(property, application);
    vokg::ProgramSettings settings(*store, method, kProgramFolder);

    QVERIFY(settings.Set(vokg::Setting::DoesOverWrite, true));
    QCOMPARE(property.ReadEntry(application, QStringLiteral("Setting"), QStringLiteral("DoesOverWrite")),
             QStringLiteral("True"));
    // Registering keeps what is there and fills in what is not.
    QVERIFY(settings.RegisterDefaults());
    QVERIFY(settings.Get(vokg::Setting::DoesOverWrite));
    QCOMPARE(property.ReadEntry(application, QStringLiteral("Setting"), QStringLiteral("fSelCus_Top")),
             QStringLiteral("1605"));
    // Another application's entries are its own.
    const std::unique_ptr<vokg::SettingsStore> other =
        vokg::MakePropertySettingsStore(property, QStringLiteral("tst_messages_other"));
    QCOMPARE(other->Read(QStringLiteral("DoesOverWrite")), QString());
    QCOMPARE(reports.count(), 0);
    QFile::remove(hlpkit::CProperty::SettingsFile(application));
}

// The default workbook goes to the documents folder, or to the home folder when there is none;
// never to a name relative to the current folder.
void SettingsTest::defaultWorkbookHasAnAbsoluteHome() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    const QString withoutDocuments = vokg::ProgramSettings::DefaultWorkbookPath();
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    const QString withDocuments = vokg::ProgramSettings::DefaultWorkbookPath();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(withoutDocuments, QDir(home.path()).filePath(QStringLiteral("VOKG_SET.xlsx")));
    QCOMPARE(withDocuments, QDir(home.path()).filePath(QStringLiteral("Documents/VOKG_SET.xlsx")));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
