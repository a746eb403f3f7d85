#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"
#include "platform/FileLock.h"
#include "shell/AccessLevels.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/FileSave.h"
#include "shell/Startup.h"
#include "tests/shell/ShellFixture.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <functional>

using vokg::FileKind;
using vokg::FileOpen;
using vokg::FileSave;
using vokg::SaveMode;
using vokg::TablePosition;

namespace {

// Records what the open and save operations ask of the windows.
class RecordingHost : public vokg::EditorHost {
public:
    bool changed = false;
    bool variablesTaken = true; // what SaveAllVariables answers
    QStringList calls;
    bool IsExistChanged() const override { return changed; }
    void CancelAllUpdate() override {
        calls << QStringLiteral("CancelAllUpdate");
        changed = false;
    }
    void CloseAllForm() override { calls << QStringLiteral("CloseAllForm"); }
    void PasteHikakuValue() override { calls << QStringLiteral("PasteHikakuValue"); }
    bool SaveAllVariables() override {
        calls << QStringLiteral("SaveAllVariables");
        if (onPush)
            onPush();
        return variablesTaken;
    }
    std::function<void()> onPush; // what the windows put into the model
    void OpenAllModesWindow() override { calls << QStringLiteral("OpenAllModesWindow"); }
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first digital of the first mode, the one the tests edit.
vokg::CDigital& FirstDigital(vokg::App& app) {
    return *app.Modes().Item(1)->Digits().Item(3);
}

// Every digital's user value, in model order.
QList<qint32> UserValues(vokg::App& app) {
    QList<qint32> values;
    for (qsizetype m = 1; m <= app.Modes().Count(); ++m) {
        const vokg::CDigitals& digitals = app.Modes().Item(m)->Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d)
            values.append(digitals.Item(d)->UserValue());
    }
    return values;
}

class Session {
public:
    Session() {
        fixture.CopySampleTables();
        vokg::Startup(fixture.App()).ApplyRegData();
        QVERIFY(vokg::Startup(fixture.App())
                    .LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture.Folder(), false}));
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        dat = fixture.CopySample(QStringLiteral("VOKG0001.dat"));
    }
    vokg::App& App() { return fixture.App(); }
    FileOpen Open() { return FileOpen(fixture.App(), host); }
    FileSave Save() { return FileSave(fixture.App(), host); }

    ShellFixture fixture;
    RecordingHost host;
    QString dsg;
    QString dat;
};

} // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private slots:
    void readAndSaveUnchangedKeepsEveryByte();
    void everyMachineTableReadsAndBuildsBackUnchanged();
    void extensionIsComparedWithoutCaseButThePathIsKept();
    void comparisonFromAnotherTableOfTheUserFile();
    void machineFileNeedsNoCompanionAndNoPassword();
    void cancelledTableDialogChangesNothing();
    void failedReadLeavesTheModelAsItWas();
    void missingCompanionIsReported();
    void saveAsWritesTheFileAndItsCompanion();
    void saveAsAsksAboutTheNameItWrites();
    void saveAsWithoutTheSourceCompanionWritesNothing();
    void longBaseNameAsksAgain();
    void saveToOtherTablesKeepsTheOtherTables();
    void spaceCheckRefusesBeforeWriting();
    void interruptedReplaceLeavesTheTarget();
    void saveAsksWhenAnotherProgramChangedTheFile_data();
    void saveAsksWhenAnotherProgramChangedTheFile();
    void saveHoldsTheLockWhileItReplaces();
    void saveWaitsForAnotherProgramsLock();
    void tablePasswordAsksUntilRightOrCancelled();
    void modePasswordsAreExact();
    void cancelledOpenKeepsTheAuthorAndPassword();
    void unsavedEditsAreOfferedBeforeAnOpen();
    void aMachineDataFileIsNeverWritten_data();
    void aMachineDataFileIsNeverWritten();
    void openingAMachineFileClearsTheHeaderRecord();
    void aRefusedPushWritesNothing_data();
    void aRefusedPushWritesNothing();
};

void OpenSaveTest::readAndSaveUnchangedKeepsEveryByte() {
    Session session;
    for (int table = 1; table <= 8; ++table) {
        const QByteArray original = ReadFile(session.dsg);
        QCOMPARE(original.size(), 65536);
        if (table == 3)
            session.fixture.Prompter().QueueInput(QStringLiteral("KEY3"));
        QVERIFY2(session.Open().ReadVOKGData(FileKind::User, session.dsg, table, true),
                 qPrintable(QString::number(table)));
        const QString author = session.App().SelectTable().Author();
        const QString password = session.App().SelectTable().Password();
        QVERIFY(session.Save().SaveAllFiles(SaveMode::Overwrite, true));
        const QByteArray saved = ReadFile(session.dsg);
        QCOMPARE(saved.size(), original.size());
        const qint64 tableStart = qint64(table - 1) * vokg::kTableSize;
        for (qint64 offset = 0; offset < original.size(); ++offset) {
            const qint64 inTable = offset - tableStart;
            // Non-empty author and password fields are stamped anew at every save.
            const bool stamped =
                inTable >= 4031 && inTable < 4067 && (!author.isEmpty() || !password.isEmpty());
            if (!stamped && saved[offset] != original[offset])
                QFAIL(qPrintable(QStringLiteral("table %1: byte %2 changed").arg(table).arg(offset)));
        }
        vokg::CSelectTable decoder(session.App().Context());
        QVERIFY(decoder.ReadData(session.dsg, TablePosition(table), table));
        QCOMPARE(decoder.Author(), author);
        QCOMPARE(decoder.Password(), password);
    }
    QCOMPARE(ReadFile(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK"))),
             ReadFile(QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSK")));
}

void OpenSaveTest::everyMachineTableReadsAndBuildsBackUnchanged() {
    Session session;
    const QByteArray original = ReadFile(session.dat);
    const QString workingCopy = session.App().CreateParaTempName(FileKind::User);
    for (int table = 1; table <= 16; ++table) {
        QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dat, table, true));
        session.App().SelectTable().SetAuthor(QString());
        session.App().SelectTable().SetPassword(QString());
        QVERIFY(session.Save().SaveAllData(workingCopy, session.dat, {TablePosition(table)}));
        QVERIFY2(ReadFile(workingCopy) == original, qPrintable(QString::number(table)));
    }
}

void OpenSaveTest::extensionIsComparedWithoutCaseButThePathIsKept() {
    Session session;
    const QString lower = session.fixture.PathOf(QStringLiteral("lower.dsg"));
    QVERIFY(QFile::copy(session.dsg, lower));
    QVERIFY(QFile::copy(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK")),
                        session.fixture.PathOf(QStringLiteral("lower.dsk"))));
    session.fixture.Prompter().QueueFile(platform::FileDialogResult{lower, 1});
    session.fixture.Prompter().QueueTable(2);
    QVERIFY(session.Open().OpenUserFile());
    QCOMPARE(session.App().State().userPath, lower);
    QCOMPARE(session.App().State().userTable, 2);
    QVERIFY(session.host.calls.contains(QStringLiteral("OpenAllModesWindow")));
    // A lower-case companion is accepted; a save replaces it, not a second one beside it.
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    QVERIFY(session.Save().SaveAllFiles(SaveMode::Overwrite, true));
    QVERIFY(!QFileInfo::exists(session.fixture.PathOf(QStringLiteral("lower.DSK"))));
}

void OpenSaveTest::comparisonFromAnotherTableOfTheUserFile() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    session.fixture.Prompter().QueueInput(QStringLiteral("key3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::Comparison, session.dsg, 3, false));
    QCOMPARE(session.App().State().comparisonPath, session.dsg);
    QCOMPARE(session.App().State().comparisonTable, 3);
    QCOMPARE(session.App().State().userTable, 1);
    QVERIFY(session.host.calls.contains(QStringLiteral("PasteHikakuValue")));
    // The comparison values are those of table 3 itself.
    const QList<qint32> user1 = UserValues(session.App());
    session.fixture.Prompter().QueueInput(QStringLiteral("KEY3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, true));
    qsizetype index = 0;
    for (qsizetype m = 1; m <= session.App().Modes().Count(); ++m) {
        const vokg::CDigitals& digitals = session.App().Modes().Item(m)->Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d, ++index)
            QCOMPARE(digitals.Item(d)->CmpValue(), digitals.Item(d)->UserValue());
    }
    QVERIFY(UserValues(session.App()) != user1);
}

void OpenSaveTest::machineFileNeedsNoCompanionAndNoPassword() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dat, 16, false));
    QCOMPARE(session.App().State().userTable, 16);
    QVERIFY(session.fixture.Prompter().Prompts().isEmpty());
}

void OpenSaveTest::cancelledTableDialogChangesNothing() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 2, false));
    const QList<qint32> before = UserValues(session.App());
    session.host.calls.clear();
    session.fixture.Prompter().QueueTable(-1);
    QVERIFY(!session.Open().ReadVOKGData(FileKind::User, session.dat, -1, false));
    QCOMPARE(session.fixture.Prompter().Prompts().last().what, QStringLiteral("table"));
    QCOMPARE(session.fixture.Prompter().Prompts().last().kind, 16);
    QCOMPARE(session.App().State().userPath, session.dsg);
    QCOMPARE(session.App().State().userTable, 2);
    QCOMPARE(UserValues(session.App()), before);
    QVERIFY(!session.host.calls.contains(QStringLiteral("CloseAllForm")));
}

void OpenSaveTest::failedReadLeavesTheModelAsItWas() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 2, false));
    const QList<qint32> before = UserValues(session.App());
    const QString model = session.App().Modes().KishuName();
    const qint32 kino = session.App().UserCustoms().Item(1)->Kino();
    // A file that passes the checks but whose feed table cannot be read: the digitals and the
    // customize bytes read first, and must be put back.
    QFile::setPermissions(session.dat, QFileDevice::ReadOwner);
    QVERIFY(session.App().UserOkuris().HasData());
    const QString broken = session.fixture.PathOf(QStringLiteral("VOKG0002.dat"));
    QVERIFY(QFile::copy(session.dat, broken));
    session.App().UserOkuris().SetArray(QStringLiteral("X_P1_A"), 0, 1234);
    // A stale open of a table the file does not have reaches the readers only when the working
    // copy is cut short; do that to the working copy through a file that ends inside table 16.
    QFile file(broken);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(vokg::kMachineFileSize));
    file.close();
    vokg::FileOpen open = session.Open();
    QVERIFY(!open.ReadAllTables(FileKind::User, session.fixture.PathOf(QStringLiteral("missing.dat")),
                                TablePosition(1)));
    // Whole open: a parameter read that fails fails the open with message 4.
    QFile cut(broken);
    QVERIFY(cut.open(QIODevice::ReadWrite));
    QVERIFY(cut.resize(vokg::kMachineFileSize));
    cut.close();
    session.fixture.Prompter().Clear();
    QVERIFY(!session.Open().ReadVOKGDataAnotherTable(FileKind::User, TablePosition(17), broken, false));
    QCOMPARE(session.fixture.Prompter().MessageTexts(), QStringList{QStringLiteral("Failed to read data.")});
    QCOMPARE(UserValues(session.App()), before);
    QCOMPARE(session.App().Modes().KishuName(), model);
    QCOMPARE(session.App().UserCustoms().Item(1)->Kino(), kino);
    QCOMPARE(session.App().UserOkuris().GetArray(QStringLiteral("X_P1_A")).first(), 1234);
    QCOMPARE(session.App().State().userPath, session.dsg);
    QCOMPARE(session.App().State().userTable, 2);
}

void OpenSaveTest::missingCompanionIsReported() {
    Session session;
    QVERIFY(QFile::remove(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK"))));
    QVERIFY(!session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    QCOMPARE(session.fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral("Cannot find following file. Cannot read data.\n\n") +
                         session.fixture.PathOf(QStringLiteral("SAMPLE.DSK"))});
    QVERIFY(session.App().State().userPath.isEmpty());
}

void OpenSaveTest::saveAsWritesTheFileAndItsCompanion() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 4, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() + 1);
    session.fixture.Prompter().QueueFile(
        platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("abc")), 1});
    QVERIFY(session.Save().SaveAllFiles(SaveMode::SaveAs, false));
    const QString saved = session.fixture.PathOf(QStringLiteral("abc.DSG"));
    QCOMPARE(session.App().State().userPath, saved);
    QCOMPARE(ReadFile(session.fixture.PathOf(QStringLiteral("abc.DSK"))),
             ReadFile(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK"))));
    const QByteArray before = ReadFile(session.dsg);
    const QByteArray after = ReadFile(saved);
    QCOMPARE(after.size(), before.size());
    QVERIFY(after != before);
    // Only table 4 differs.
    QCOMPARE(after.left(3 * vokg::kTableSize), before.left(3 * vokg::kTableSize));
    QCOMPARE(after.mid(4 * vokg::kTableSize), before.mid(4 * vokg::kTableSize));
}

void OpenSaveTest::saveAsAsksAboutTheNameItWrites() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const QString existing = session.fixture.PathOf(QStringLiteral("abc.DSG"));
    QVERIFY(QFile::copy(session.dsg, existing));
    QVERIFY(QFile::copy(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK")),
                        session.fixture.PathOf(QStringLiteral("abc.DSK"))));
    const QByteArray before = ReadFile(existing);
    auto& prompter = session.fixture.Prompter();
    // "abc" typed: the question is about abc.DSG; No keeps the dialog, which is then cancelled.
    prompter.QueueFile(platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("abc")), 1});
    prompter.QueueAnswer(platform::Answer::No);
    prompter.QueueFile(std::nullopt);
    QVERIFY(!session.Save().SaveAllFiles(SaveMode::SaveAs, false));
    QCOMPARE(prompter.Prompts().last().what, QStringLiteral("overwrite"));
    QCOMPARE(prompter.Prompts().last().text, existing);
    QCOMPARE(ReadFile(existing), before);
    QCOMPARE(session.App().State().userPath, session.dsg);
    // Yes replaces it.
    prompter.QueueFile(platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("abc")), 1});
    prompter.QueueAnswer(platform::Answer::Yes);
    QVERIFY(session.Save().SaveAllFiles(SaveMode::SaveAs, false));
    QVERIFY(ReadFile(existing) != before);
    QCOMPARE(session.App().State().userPath, existing);
}

void OpenSaveTest::saveAsWithoutTheSourceCompanionWritesNothing() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    QVERIFY(QFile::remove(session.fixture.PathOf(QStringLiteral("SAMPLE.DSK"))));
    session.fixture.Prompter().QueueFile(
        platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("abc")), 1});
    QVERIFY(!session.Save().SaveAllFiles(SaveMode::SaveAs, false));
    QCOMPARE(session.fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral(
                 "Failed to copy temporary files. Data is not saved.\n\nQuit this application and reload.")});
    QVERIFY(!QFileInfo::exists(session.fixture.PathOf(QStringLiteral("abc.DSG"))));
    QVERIFY(!QFileInfo::exists(session.fixture.PathOf(QStringLiteral("abc.DSK"))));
    QCOMPARE(session.App().State().userPath, session.dsg);
}

void OpenSaveTest::longBaseNameAsksAgain() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    auto& prompter = session.fixture.Prompter();
    prompter.QueueFile(
        platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("NINECHARS.dsg")), 1});
    prompter.QueueFile(platform::FileDialogResult{session.fixture.PathOf(QStringLiteral("EIGHTCHR.DSG")), 1});
    QCOMPARE(session.Save().GetSavingFile(session.dsg),
             session.fixture.PathOf(QStringLiteral("EIGHTCHR.DSG")));
    QCOMPARE(prompter.MessageTexts(),
             QStringList{QStringLiteral("Length of file name error.\n\n Max of File name length =8")});
    QList<QString> names;
    for (const auto& prompt : prompter.Prompts())
        if (prompt.what == QLatin1String("save"))
            names.append(prompt.text);
    QCOMPARE(names, (QList<QString>{QStringLiteral("SAMPLE.DSG"), QStringLiteral("NINECHARS")}));
}

void OpenSaveTest::saveToOtherTablesKeepsTheOtherTables() {
    Session session;
    session.fixture.Prompter().QueueInput(QStringLiteral("KEY3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, false));
    const QByteArray before = ReadFile(session.dsg);
    session.fixture.Prompter().QueueTables({2, 5});
    QVERIFY(session.Save().SaveAllFiles(SaveMode::OtherTables, false));
    const QByteArray after = ReadFile(session.dsg);
    for (int table : {1, 3, 4, 6, 7, 8})
        QCOMPARE(after.mid((table - 1) * vokg::kTableSize, vokg::kTableSize),
                 before.mid((table - 1) * vokg::kTableSize, vokg::kTableSize));
    // Tables 2 and 5 now hold table 3's values, author and password; the editor shows table 2
    // without asking its password again.
    QCOMPARE(session.App().State().userTable, 2);
    QCOMPARE(session.App().State().unlockedTable, 2);
    vokg::CSelectTable decoder(session.App().Context());
    QVERIFY(decoder.ReadData(session.dsg, TablePosition(5), 5));
    QCOMPARE(decoder.Author(), QStringLiteral("TAKAHASHI"));
    QCOMPARE(decoder.Password(), QStringLiteral("KEY3"));
    // The comparison of the table last unlocked asks nothing.
    session.fixture.Prompter().Clear();
    QVERIFY(session.Open().ReadVOKGData(FileKind::Comparison, session.dsg, 2, false));
    QVERIFY(session.fixture.Prompter().Prompts().isEmpty());
}

void OpenSaveTest::spaceCheckRefusesBeforeWriting() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const QByteArray before = ReadFile(session.dsg);
    FileSave save = session.Save();
    save.SetFreeSpaceProbe([](const QString&) { return qint64(65535); });
    QVERIFY(!save.SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(
        session.fixture.Prompter().MessageTexts(),
        (QStringList{
            QStringLiteral("This space is not enough."),
            QStringLiteral(
                "Failed to copy temporary files. Data is not saved.\n\nQuit this application and reload.")}));
    QCOMPARE(ReadFile(session.dsg), before);
    save.SetFreeSpaceProbe([](const QString&) { return qint64(65536); });
    QVERIFY(save.SaveAllFiles(SaveMode::Overwrite, true));
    QVERIFY(ReadFile(session.dsg) != before);
}

void OpenSaveTest::interruptedReplaceLeavesTheTarget() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const QByteArray before = ReadFile(session.dsg);
    FileSave save = session.Save();
    QString interrupted;
    save.SetBeforeReplaceHook([&](const QString& target) {
        interrupted = target;
        return false;
    });
    QVERIFY(!save.SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(interrupted, session.dsg);
    QCOMPARE(ReadFile(session.dsg), before);
    // Nothing is left beside the target.
    QDir folder(session.fixture.Folder());
    QCOMPARE(folder.entryList(QStringList{QStringLiteral("SAMPLE.DSG*")}, QDir::Files),
             QStringList{QStringLiteral("SAMPLE.DSG")});
}

namespace {

const QString kChangedElsewhere =
    QStringLiteral("This file was changed by another program after it was read.");

// Runs the command-line companion and returns its exit status.
int RunCli(const QStringList& arguments, QByteArray* error = nullptr) {
    QProcess process;
    process.start(QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli"), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (error != nullptr)
        *error = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// Between the open and the save another program changes the file: the save asks, No keeps the
// other program's bytes, Yes writes. The time and size alone do not decide: a change that keeps
// both is seen by its bytes.
void OpenSaveTest::saveAsksWhenAnotherProgramChangedTheFile_data() {
    QTest::addColumn<bool>("sameSizeAndTime");
    QTest::newRow("a set in another process") << false;
    QTest::newRow("same size and time, other bytes") << true;
}

void OpenSaveTest::saveAsksWhenAnotherProgramChangedTheFile() {
    QFETCH(bool, sameSizeAndTime);
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const QByteArray opened = ReadFile(session.dsg);
    if (sameSizeAndTime) {
        const QDateTime modified = QFileInfo(session.dsg).lastModified();
        QFile file(session.dsg);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(vokg::kTableSize + 10));
        file.write("7.77");
        QVERIFY(file.flush()); // the bytes reach the file before its time is put back
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
    } else {
        QByteArray error;
        QVERIFY2(RunCli({QStringLiteral("set"), session.dsg + QStringLiteral(":2"),
                         QStringLiteral("header.version=7.77")},
                        &error) == 0,
                 error.constData());
    }
    const QByteArray changed = ReadFile(session.dsg);
    if (sameSizeAndTime)
        QCOMPARE(QFileInfo(session.dsg).lastModified().toMSecsSinceEpoch(),
                 session.App().State().userFileRead.modifiedMs);
    QCOMPARE(changed.mid(vokg::kTableSize + 10, 4), QByteArray("7.77"));
    auto& prompter = session.fixture.Prompter();
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::No);
    QVERIFY(!session.Save().SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(prompter.MessageTexts(), QStringList{kChangedElsewhere + QStringLiteral("\n\n") + session.dsg +
                                                  QStringLiteral("\n\nDo you overwrite it ?")});
    QCOMPARE(prompter.Prompts().last().kind, 7); // No is the default answer
    QCOMPARE(ReadFile(session.dsg), changed);
    // Yes writes; the file then is what this run wrote, and the next save asks nothing.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Yes);
    QVERIFY(session.Save().SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(prompter.MessageTexts().size(), 1);
    const QByteArray saved = ReadFile(session.dsg);
    QVERIFY(saved.left(vokg::kTableSize) != opened.left(vokg::kTableSize));
    prompter.Clear();
    QVERIFY(session.Save().SaveAllFiles(SaveMode::Overwrite, true));
    QVERIFY(prompter.Prompts().isEmpty());
}

// The program's save holds the lock while it replaces the file: a set started in that moment
// waits for it, then reads the saved file and adds its own change. Both changes are in the file.
void OpenSaveTest::saveHoldsTheLockWhileItReplaces() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const qint32 edited = FirstDigital(session.App()).UserValue();
    FileSave save = session.Save();
    QProcess set;
    bool setWaited = false;
    save.SetBeforeReplaceHook([&](const QString&) {
        set.start(QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli"),
                  {QStringLiteral("set"), session.dsg + QStringLiteral(":2"),
                   QStringLiteral("header.version=7.77")});
        setWaited = !set.waitForFinished(2000);
        return true;
    });
    QVERIFY(save.SaveAllFiles(SaveMode::Overwrite, true));
    QVERIFY(setWaited);
    QVERIFY(set.waitForFinished(60000));
    QVERIFY2(set.exitCode() == 0, set.readAllStandardError().constData());
    const QByteArray bytes = ReadFile(session.dsg);
    QCOMPARE(bytes.mid(vokg::kTableSize + 10, 4), QByteArray("7.77"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, true));
    QCOMPARE(FirstDigital(session.App()).UserValue(), edited);
}

// Another program keeps the file locked past the wait: nothing is written, and the message
// says why (no second message about temporary files).
void OpenSaveTest::saveWaitsForAnotherProgramsLock() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() ^ 1);
    const QByteArray before = ReadFile(session.dsg);
    platform::FileLock other(session.dsg);
    QCOMPARE(other.Lock(std::chrono::milliseconds(0)), platform::FileLock::State::Locked);
    FileSave save = session.Save();
    save.SetLockWait(std::chrono::milliseconds(200));
    QVERIFY(!save.SaveAllFiles(SaveMode::Overwrite, true));
    QCOMPARE(
        session.fixture.Prompter().MessageTexts(),
        QStringList{QStringLiteral("This file is being saved by another program. Data is not saved.\n\n") +
                    session.dsg});
    QCOMPARE(ReadFile(session.dsg), before);
    other.Unlock();
    QVERIFY(save.SaveAllFiles(SaveMode::Overwrite, true));
    QVERIFY(ReadFile(session.dsg) != before);
}

void OpenSaveTest::tablePasswordAsksUntilRightOrCancelled() {
    Session session;
    auto& prompter = session.fixture.Prompter();
    prompter.QueueInput(QStringLiteral("KEY3 "));
    prompter.QueueInput(QStringLiteral("wrong"));
    prompter.QueueInput(QStringLiteral("key3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, false));
    QCOMPARE(prompter.MessageTexts(), (QStringList{QStringLiteral("Password is not exact."),
                                                   QStringLiteral("Password is not exact.")}));
    QCOMPARE(session.App().State().unlockedTable, 3);
    // Choosing the table in the dialog always asks again.
    prompter.Clear();
    prompter.QueueTable(3);
    prompter.QueueInput(std::nullopt);
    QVERIFY(!session.Open().ReadVOKGData(FileKind::User, session.dsg, -1, false));
    QCOMPARE(prompter.Prompts().last().what, QStringLiteral("masked-input"));
}

void OpenSaveTest::modePasswordsAreExact() {
    Session session;
    vokg::AccessLevels access(session.App());
    auto& prompter = session.fixture.Prompter();
    prompter.QueueInput(QStringLiteral("7468 "));
    QVERIFY(!access.ExactPassWord(vokg::AccessLevels::SpecialMode));
    prompter.QueueInput(QStringLiteral("7468"));
    QVERIFY(access.ExactPassWord(vokg::AccessLevels::SpecialMode));
    prompter.QueueInput(QStringLiteral("7468"));
    QVERIFY(!access.ExactPassWord(vokg::AccessLevels::ManufacturerMode));
    prompter.QueueInput(QStringLiteral("30918274"));
    QVERIFY(access.ExactPassWord(vokg::AccessLevels::ManufacturerMode));
    prompter.QueueInput(std::nullopt);
    QVERIFY(!access.ExactPassWord(vokg::AccessLevels::ManufacturerMode)); // cancelled
    QCOMPARE(prompter.Prompts().first().text, QStringLiteral("Special mode\n\nInput password."));
}

void OpenSaveTest::cancelledOpenKeepsTheAuthorAndPassword() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    session.fixture.Prompter().QueuePasswordAuthor(
        platform::PasswordAuthor{QStringLiteral(" PW1 "), QStringLiteral("SATO")});
    QVERIFY(vokg::AccessLevels(session.App()).InputPassword());
    QCOMPARE(session.App().SelectTable().Password(), QStringLiteral("PW1"));
    // Open protected table 3 and cancel its password question.
    session.fixture.Prompter().QueueInput(std::nullopt);
    QVERIFY(!session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, false));
    QCOMPARE(session.App().SelectTable().Password(), QStringLiteral("PW1"));
    QCOMPARE(session.App().SelectTable().Author(), QStringLiteral("SATO"));
    QCOMPARE(session.App().State().userTable, 1);
    QVERIFY(session.Save().SaveAllFiles(SaveMode::Overwrite, true));
    vokg::CSelectTable decoder(session.App().Context());
    QVERIFY(decoder.ReadData(session.dsg, TablePosition(1), 1));
    QCOMPARE(decoder.Password(), QStringLiteral("PW1"));
    QCOMPARE(decoder.Author(), QStringLiteral("SATO"));
}

void OpenSaveTest::unsavedEditsAreOfferedBeforeAnOpen() {
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    session.host.changed = true;
    auto& prompter = session.fixture.Prompter();
    prompter.QueueAnswer(platform::Answer::Cancel);
    QVERIFY(!session.Open().OpenUserFile());
    QCOMPARE(prompter.MessageTexts(), QStringList{QStringLiteral("Data is not saved. Do you save it ?")});
    QVERIFY(session.host.changed);
    prompter.QueueAnswer(platform::Answer::No);
    prompter.QueueFile(std::nullopt); // the open dialog is cancelled afterwards
    QVERIFY(!session.Open().OpenUserFile());
    QVERIFY(!session.host.changed);
    QCOMPARE(session.App().State().userPath, session.dsg);
}

void OpenSaveTest::aMachineDataFileIsNeverWritten_data() {
    QTest::addColumn<SaveMode>("mode");
    QTest::addColumn<bool>("withoutAsking");
    QTest::newRow("overwrite") << SaveMode::Overwrite << true;
    QTest::newRow("save as") << SaveMode::SaveAs << false;
    QTest::newRow("other tables") << SaveMode::OtherTables << false;
}

void OpenSaveTest::aMachineDataFileIsNeverWritten() {
    QFETCH(SaveMode, mode);
    QFETCH(bool, withoutAsking);
    Session session;
    // A design table with an author read first: its record must not reach the machine file.
    session.fixture.Prompter().QueueInput(QStringLiteral("KEY3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, false));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dat, 2, false));
    const QByteArray before = ReadFile(session.dat);
    FirstDigital(session.App()).SetUserValue(FirstDigital(session.App()).UserValue() + 1);
    session.fixture.Prompter().Clear();
    session.fixture.Prompter().QueueFile(platform::FileDialogResult{session.fixture.PathOf("NEW.DSG"), 1});
    session.fixture.Prompter().QueueTables({2});
    QVERIFY(!session.Save().SaveAllFiles(mode, withoutAsking));
    QCOMPARE(session.fixture.Prompter().MessageTexts(),
             QStringList{QStringLiteral("A machine data file (*.dat) is read only: it is never written.")});
    QCOMPARE(session.fixture.Prompter().Prompts().size(), 1); // no file or table was asked for
    QCOMPARE(ReadFile(session.dat), before);
    QVERIFY(!QFile::exists(session.fixture.PathOf("NEW.DSG")));
    QVERIFY(!session.host.calls.contains(QStringLiteral("SaveAllVariables")));
}

void OpenSaveTest::openingAMachineFileClearsTheHeaderRecord() {
    Session session;
    session.fixture.Prompter().QueueInput(QStringLiteral("KEY3"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 3, false));
    QCOMPARE(session.App().SelectTable().Author(), QStringLiteral("TAKAHASHI"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::Comparison, session.dsg, 3, false));
    QCOMPARE(session.App().SelectTable().Author2(), QStringLiteral("TAKAHASHI"));
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dat, 1, false));
    QCOMPARE(session.App().SelectTable().Author(), QString());
    QCOMPARE(session.App().SelectTable().Password(), QString());
    QVERIFY(session.Open().ReadVOKGData(FileKind::Comparison, session.dat, 1, false));
    QCOMPARE(session.App().SelectTable().Author2(), QString());
    QCOMPARE(session.App().SelectTable().Password2(), QString());
}

void OpenSaveTest::aRefusedPushWritesNothing_data() {
    QTest::addColumn<SaveMode>("mode");
    QTest::newRow("overwrite") << SaveMode::Overwrite;
    QTest::newRow("memory only, for a print") << SaveMode::MemoryOnly;
}

void OpenSaveTest::aRefusedPushWritesNothing() {
    QFETCH(SaveMode, mode);
    Session session;
    QVERIFY(session.Open().ReadVOKGData(FileKind::User, session.dsg, 1, false));
    const QByteArray before = ReadFile(session.dsg);
    const QList<qint32> values = UserValues(session.App());
    session.host.variablesTaken = false;
    // One window took its values before another refused one.
    vokg::CDigital& digital = FirstDigital(session.App());
    session.host.onPush = [&digital] { digital.SetUserValue(digital.UserValue() + 1); };
    QVERIFY(!session.Save().SaveAllFiles(mode, true));
    QCOMPARE(ReadFile(session.dsg), before);
    QCOMPARE(UserValues(session.App()), values);
}

QTEST_GUILESS_MAIN(OpenSaveTest)
#include "tst_open_save.moc"
