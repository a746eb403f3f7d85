#include "export/ModelSourceExport.h"
#include "export/ParameterSheet.h"
#include "export/WorkbookFile.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "platform/FileOps.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/FileSave.h"
#include "shell/Startup.h"
#include "tests/shell/ShellFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using platform::fileops::Call;
using vokg::FileKind;
using vokg::SaveMode;

namespace {

class QuietHost : public vokg::EditorHost {
public:
    bool IsExistChanged() const override { return false; }
    void CancelAllUpdate() override {}
    void CloseAllForm() override {}
    void PasteHikakuValue() override {}
    bool SaveAllVariables() override { return true; }
    void OpenAllModesWindow() override {}
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every file of the user's folder (the program's own files aside) with its bytes; hidden ones
// too, since new files are written under hidden names beside their targets.
using Folder = QMap<QString, QByteArray>;

Folder UserFolder(const QString& path) {
    Folder files;
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString name = QFileInfo(file).fileName();
        // The fixture's folder is the run's working folder too: its working copies are no
        // file of the user's.
        if (name.startsWith(QLatin1String("Set0")) || name == QLatin1String("Err.log") ||
            name.endsWith(QLatin1String(".ini")) ||
            (name.startsWith(QLatin1String("gset")) && name.endsWith(QLatin1String(".tmp"))))
            continue;
        files.insert(name, ReadFile(file));
    }
    return files;
}

// A workbook holds the time it was made: two complete workbooks of the same sheet differ in
// that member alone. Compared member by member with the system Python's zip reader.
bool SameWorkbook(const QByteArray& a, const QByteArray& b) {
    if (a == b)
        return true;
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("a.xlsx")), a);
    WriteFile(dir.filePath(QStringLiteral("b.xlsx")), b);
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile\n"
                                 "a, b = (zipfile.ZipFile(p) for p in sys.argv[1:3])\n"
                                 "assert a.testzip() is None and b.testzip() is None\n"
                                 "names = sorted(a.namelist())\n"
                                 "assert names == sorted(b.namelist())\n"
                                 "for n in names:\n"
                                 "    if n != 'docProps/core.xml':\n"
                                 "        assert a.read(n) == b.read(n), n\n"),
                  dir.filePath(QStringLiteral("a.xlsx")), dir.filePath(QStringLiteral("b.xlsx"))});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}

bool SameFolder(const Folder& a, const Folder& b) {
    if (a.keys() != b.keys())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const QByteArray& other = b.value(it.key());
        if (it.key().endsWith(QLatin1String(".xlsx")) ? !SameWorkbook(*it, other) : *it != other)
            return false;
    }
    return true;
}

QString Describe(const Folder& folder) {
    QStringList names;
    for (auto it = folder.cbegin(); it != folder.cend(); ++it)
        names.append(QStringLiteral("%1 (%2 bytes)").arg(it.key()).arg(it->size()));
    return names.join(QStringLiteral(", "));
}

// One save of the user's, from an opened and edited table to the files it writes.
class Run {
public:
    enum class Mode {
        Overwrite,
        SaveAsNew,
        SaveAsExisting,
        OtherTables,
        Workbook,
        WorkbookOver,
        CSource,
        CSourceOver
    };

    explicit Run(Mode mode) : mode_(mode) {
        fixture_.CopySampleTables();
        vokg::Startup(fixture_.App()).ApplyRegData();
        QVERIFY(vokg::Startup(fixture_.App())
                    .LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture_.Folder(), false}));
        dsg_ = fixture_.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture_.CopySample(QStringLiteral("SAMPLE.DSK"));
        QVERIFY(vokg::FileOpen(fixture_.App(), host_).ReadVOKGData(FileKind::User, dsg_, 1, false));
        vokg::CDigital& digital = *fixture_.App().Modes().Item(1)->Digits().Item(3);
        digital.SetUserValue(digital.UserValue() ^ 1);
        // An older version of each file the save replaces.
        QByteArray older = ReadFile(dsg_);
        older[older.size() - 1] = char(older.at(older.size() - 1) ^ 0x55);
        if (mode == Mode::SaveAsExisting) {
            WriteFile(fixture_.PathOf(QStringLiteral("abc.DSG")), older);
            WriteFile(fixture_.PathOf(QStringLiteral("abc.DSK")), QByteArray("an older companion"));
        }
        if (mode == Mode::WorkbookOver)
            WriteFile(fixture_.PathOf(QStringLiteral("sheet.xlsx")), QByteArray("an older workbook"));
        if (mode == Mode::CSourceOver)
            WriteFile(fixture_.PathOf(QStringLiteral("out.c")), QByteArray("an older C source"));
        ready_ = true;
    }

    bool Ready() const { return ready_; }
    Folder Files() const { return UserFolder(fixture_.Folder()); }
    ShellFixture& Fixture() { return fixture_; }

    // The save as the user starts it; true when it says it succeeded.
    bool Save() {
        auto& prompter = fixture_.Prompter();
        vokg::App& app = fixture_.App();
        switch (mode_) {
        case Mode::Overwrite:
            return vokg::FileSave(app, host_).SaveAllFiles(SaveMode::Overwrite, true);
        case Mode::SaveAsNew:
        case Mode::SaveAsExisting:
            prompter.QueueFile(platform::FileDialogResult{fixture_.PathOf(QStringLiteral("abc")), 1});
            if (mode_ == Mode::SaveAsExisting)
                prompter.QueueAnswer(platform::Answer::Yes); // replace abc.DSG
            return vokg::FileSave(app, host_).SaveAllFiles(SaveMode::SaveAs, false);
        case Mode::OtherTables:
            prompter.QueueTables({2, 5});
            return vokg::FileSave(app, host_).SaveAllFiles(SaveMode::OtherTables, false);
        case Mode::Workbook:
        case Mode::WorkbookOver: {
            const QString path = fixture_.PathOf(QStringLiteral("sheet.xlsx"));
            // The print dialog probes an existing workbook before it writes one.
            if (!vokg::ProbeWorkbookFile(path)) {
                probeRefused_ = true;
                return false;
            }
            vokg::ParameterSheetRequest request;
            request.fileName = path;
            for (const vokg::CMode& mode : app.Modes())
                request.selectedModes.append(mode.ModeName());
            request.saveToFile = true;
            request.userTableNumber = 1;
            return vokg::PrintToExcel(app.Modes(), app.Method(), request, {});
        }
        case Mode::CSource:
        case Mode::CSourceOver: {
            vokg::ModelSourceExport exporter(app.Modes(), app.UserCustoms(), app.UserOkuris(), app.Context());
            return exporter
                .Create(QStringLiteral(VOKG_SOURCE_DIR "/samples/zrdl_Model.c"),
                        fixture_.PathOf(QStringLiteral("out.c")), QStringLiteral("VK-2300"),
                        QStringLiteral("1"), vokg::FileOpen::FilesInUse(app.State()))
                .succeeded;
        }
        }
        return false;
    }

    // The user opens the file again.
    bool Reopen() {
        return vokg::FileOpen(fixture_.App(), host_).ReadVOKGData(FileKind::User, dsg_, 1, false);
    }

    // What the user was told: a message, an error report, or the probe's refusal, which the
    // print dialog turns into its "in use" message.
    bool Told() {
        return probeRefused_ || !fixture_.Prompter().MessageTexts().isEmpty() ||
               !fixture_.ErrorBoxes().isEmpty();
    }

private:
    Mode mode_;
    ShellFixture fixture_;
    QuietHost host_;
    QString dsg_;
    bool ready_ = false;
    bool probeRefused_ = false;
};

// Fails the n-th call through the file seam, counting every call and the ones in each kind.
class FailNth {
public:
    explicit FailNth(int n) : n_(n) {
        platform::fileops::SetFaultHook([this](Call call, const QString& path) {
            if (++calls_ != n_)
                return false;
            failed_ = QStringLiteral("%1 %2").arg(QLatin1String(platform::fileops::CallName(call)),
                                                  QFileInfo(path).fileName());
            return true;
        });
    }
    ~FailNth() { platform::fileops::SetFaultHook({}); }
    FailNth(const FailNth&) = delete;
    FailNth& operator=(const FailNth&) = delete;

    int Calls() const { return calls_; }
    bool Fired() const { return !failed_.isEmpty(); }
    const QString& Failed() const { return failed_; }

private:
    int n_;
    int calls_ = 0;
    QString failed_;
};

// The id of a process that has ended.
qint64 DeadProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void everyFailingCallLeavesTheOldOrTheNewFiles_data();
    void everyFailingCallLeavesTheOldOrTheNewFiles();
    void onlyADeadWritersNewFileIsSwept_data();
    void onlyADeadWritersNewFileIsSwept();
};

void SaveFaultsTest::everyFailingCallLeavesTheOldOrTheNewFiles_data() {
    QTest::addColumn<int>("modeNumber");
    QTest::addColumn<int>("atLeast"); // calls a complete save makes through the seam, at least
    QTest::newRow("table overwrite") << int(Run::Mode::Overwrite) << 6;
    QTest::newRow("save as a new file") << int(Run::Mode::SaveAsNew) << 10;
    QTest::newRow("save as over a file and its companion") << int(Run::Mode::SaveAsExisting) << 10;
    QTest::newRow("other tables") << int(Run::Mode::OtherTables) << 6;
    QTest::newRow("workbook") << int(Run::Mode::Workbook) << 3;
    QTest::newRow("workbook over an older one") << int(Run::Mode::WorkbookOver) << 5;
    QTest::newRow("C source") << int(Run::Mode::CSource) << 3;
    QTest::newRow("C source over an older one") << int(Run::Mode::CSourceOver) << 3;
}

// For n = 1, 2, ... the n-th call of the save fails, until a save makes fewer calls than n:
// afterwards the user's folder holds exactly what it held before or exactly what a save without
// a fault leaves (every file the save writes and its companion together, nothing beside them),
// and a save that did not end complete has told the user so.
void SaveFaultsTest::everyFailingCallLeavesTheOldOrTheNewFiles() {
    QFETCH(int, modeNumber);
    const auto mode = Run::Mode(modeNumber);
    QFETCH(int, atLeast);
    Folder complete;
    int callsOfACompleteSave = 0;
    {
        Run reference(mode);
        QVERIFY(reference.Ready());
        FailNth counter(0);
        QVERIFY(reference.Save());
        QVERIFY(!reference.Told());
        complete = reference.Files();
        callsOfACompleteSave = counter.Calls();
    }
    QVERIFY2(callsOfACompleteSave >= atLeast, qPrintable(QString::number(callsOfACompleteSave)));
    int points = 0;
    for (int n = 1;; ++n) {
        Run run(mode);
        QVERIFY(run.Ready());
        const Folder before = run.Files();
        bool saved = false;
        QString failed;
        bool fired = false;
        {
            FailNth fault(n);
            saved = run.Save();
            failed = fault.Failed();
            fired = fault.Fired();
        }
        const Folder after = run.Files();
        const QString where = QStringLiteral("call %1 (%2): %3").arg(n).arg(failed, Describe(after));
        if (!fired) {
            QVERIFY2(saved, qPrintable(where));
            QVERIFY2(SameFolder(after, complete), qPrintable(where));
            break;
        }
        ++points;
        QVERIFY2(SameFolder(after, before) || SameFolder(after, complete), qPrintable(where));
        QVERIFY2(run.Told(), qPrintable(where));
        if (saved)
            QVERIFY2(SameFolder(after, complete), qPrintable(where));
        QVERIFY2(n < 100, "the save never ends");
    }
    qInfo("%d calls that can fail", points);
}

enum class Writer { Dead, Running, OtherMachine, Named };

void SaveFaultsTest::onlyADeadWritersNewFileIsSwept_data() {
    QTest::addColumn<int>("modeNumber"); // -1: the file is opened again instead
    QTest::addColumn<QString>("target"); // the file the leftover belongs to
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("name"); // a name of the user's, for Writer::Named
    QTest::addColumn<bool>("swept");
    const int overwrite = int(Run::Mode::Overwrite);
    const int dead = int(Writer::Dead);
    const int named = int(Writer::Named);
    const QString dsg = QStringLiteral("SAMPLE.DSG");
    QTest::newRow("dead writer, table save") << overwrite << dsg << dead << QString() << true;
    QTest::newRow("dead writer of the companion, save as")
        << int(Run::Mode::SaveAsExisting) << QStringLiteral("abc.DSK") << dead << QString() << true;
    QTest::newRow("dead writer, save as")
        << int(Run::Mode::SaveAsExisting) << QStringLiteral("abc.DSG") << dead << QString() << true;
    QTest::newRow("dead writer, open") << -1 << dsg << dead << QString() << true;
    QTest::newRow("dead writer of the companion, open")
        << -1 << QStringLiteral("SAMPLE.DSK") << dead << QString() << true;
    QTest::newRow("dead writer, workbook")
        << int(Run::Mode::WorkbookOver) << QStringLiteral("sheet.xlsx") << dead << QString() << true;
    QTest::newRow("dead writer, C source")
        << int(Run::Mode::CSourceOver) << QStringLiteral("out.c") << dead << QString() << true;
    QTest::newRow("running writer") << overwrite << dsg << int(Writer::Running) << QString() << false;
    QTest::newRow("running writer, open") << -1 << dsg << int(Writer::Running) << QString() << false;
    QTest::newRow("writer on another machine")
        << overwrite << dsg << int(Writer::OtherMachine) << QString() << false;
    QTest::newRow("dead writer of another file")
        << overwrite << QStringLiteral("OTHER.DSG") << dead << QString() << false;
    for (const char* user :
         {"SAMPLE.DSG.backup", "SAMPLE.DSG.A1b2C3", ".SAMPLE.DSG.A1b2C3", ".SAMPLE.DSG.vokg-old",
          ".SAMPLE.DSG.vokg--1-A1b2C3", ".SAMPLE.DSG.vokg-x-1-A1b2C3.xlsx", "SAMPLE.DSG~"})
        QTest::newRow(user) << overwrite << dsg << named << QString::fromLatin1(user) << false;
}

// A save killed before its rename leaves its new file beside the target. The next save or open
// of that target removes it once its writer has gone, and nothing else in the folder.
void SaveFaultsTest::onlyADeadWritersNewFileIsSwept() {
    QFETCH(int, modeNumber);
    QFETCH(QString, target);
    QFETCH(int, writer);
    QFETCH(QString, name);
    QFETCH(bool, swept);
    Run run(modeNumber < 0 ? Run::Mode::Overwrite : Run::Mode(modeNumber));
    QVERIFY(run.Ready());
    const QString targetPath = run.Fixture().PathOf(target);
    QString leftover;
    switch (Writer(writer)) {
    case Writer::Dead:
        leftover = platform::fileops::NewFilePrefix(targetPath, DeadProcess()) + QStringLiteral("A1b2C3");
        break;
    case Writer::Running:
        leftover = platform::fileops::NewFilePrefix(targetPath, ::getppid()) + QStringLiteral("A1b2C3");
        break;
    case Writer::OtherMachine:
        leftover = run.Fixture().PathOf(
            QStringLiteral(".%1.vokg-elsewhere99-%2-A1b2C3").arg(target).arg(DeadProcess()));
        break;
    case Writer::Named:
        leftover = run.Fixture().PathOf(name);
        break;
    }
    QVERIFY(QFileInfo(leftover).fileName().startsWith(u'.') || Writer(writer) == Writer::Named);
    WriteFile(leftover, QByteArray("the new file of a killed save"));
    QVERIFY(modeNumber < 0 ? run.Reopen() : run.Save());
    QCOMPARE(!QFileInfo::exists(leftover), swept);
    if (!swept)
        QCOMPARE(ReadFile(leftover), QByteArray("the new file of a killed save"));
}

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "tst_save_faults.moc"
