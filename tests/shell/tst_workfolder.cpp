// The working folder of a run: private to the user or nothing at all, the run's own, gone with the
// run, and swept at the next start when the run was killed.
#include "hlpkit/CProperty.h"
#include "shell/App.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "tests/cli/CliRun.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using vokg::App;
using vokg::FileKind;
using vokg::ProgramIdentity;
using vokg::Startup;

namespace {

QString PrivateBase(const QString& temporary) {
    return QDir(temporary).filePath(QStringLiteral("vokg-%1").arg(::geteuid()));
}

int ModeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

QStringList RunFolders(const QString& privateBase) {
    return QDir(privateBase)
        .entryList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
}

// A program as the user starts it: working copies in the user's temporary folder, not in a folder
// given by the test.
struct Program {
    testsupport::ScriptedPrompter prompter;
    QString name = QStringLiteral("VOKG_TEST_%1").arg(QCoreApplication::applicationPid());
    std::unique_ptr<App> app;
    Program() {
        app = std::make_unique<App>(prompter, ProgramIdentity{QDir::tempPath(), name});
        app->CreateActiveX();
    }
    ~Program() {
        app.reset();
        QFile::remove(hlpkit::CProperty::SettingsFile(name));
    }
};

} // namespace

class WorkFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir temporary_;
    QByteArray savedTemporary_;
    QByteArray savedRuntime_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        savedTemporary_ = qgetenv("TMPDIR");
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    }
    void init() {
        // The user's temporary folder is one of the test's own; no runtime folder is offered.
        QVERIFY(QDir(temporary_.path()).removeRecursively() && QDir().mkpath(temporary_.path()));
        qputenv("TMPDIR", QFile::encodeName(temporary_.path()));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void cleanupTestCase() {
        qputenv("TMPDIR", savedTemporary_);
        if (!savedRuntime_.isEmpty())
            qputenv("XDG_RUNTIME_DIR", savedRuntime_);
    }

    void workFolderIsTheRunsOwnAndGoesWithIt() {
        CapturedReports reports;
        QString folder;
        {
            Program program;
            folder = program.app->WorkFolder();
            QVERIFY(!folder.isEmpty());
            QCOMPARE(QFileInfo(folder).path(), PrivateBase(temporary_.path()));
            QVERIFY(QFileInfo(folder).fileName().startsWith(
                QStringLiteral("run-%1-").arg(QCoreApplication::applicationPid())));
            QCOMPARE(ModeOf(folder), 0700);
            QCOMPARE(program.app->CreateParaTempName(FileKind::Comparison),
                     QDir(folder).filePath(QStringLiteral("gsetcmp.tmp")));
            QCOMPARE(program.app->WorkFolder(), folder);
            // The run holds its folder's lock for as long as it lasts.
            const int lock = ::open(QFile::encodeName(folder + QStringLiteral("/.lock")).constData(),
                                    O_RDONLY | O_CLOEXEC);
            QVERIFY(lock >= 0);
            QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), -1);
            ::close(lock);
            QVERIFY(QFile(QDir(folder).filePath(QStringLiteral("gsetusr.tmp"))).open(QIODevice::WriteOnly));
        }
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(reports.count(), 0);
    }

    // A folder someone else prepared under the private folder's name is refused, whatever it is;
    // nothing is opened, nothing is asked, and nothing lands in the current folder, where a
    // planted link named like the working copy points at a file of the user.
    void noPrivateFolderRefusesTheOpen_data() {
        QTest::addColumn<QString>("planted");
        QTest::newRow("open to others") << "open";
        QTest::newRow("a link to a folder") << "link";
        QTest::newRow("another user's") << "foreign";
    }
    void noPrivateFolderRefusesTheOpen() {
        QFETCH(QString, planted);
        const QString base = PrivateBase(temporary_.path());
        QTemporaryDir elsewhere;
        if (planted == QLatin1String("link")) {
            QVERIFY(::chmod(QFile::encodeName(elsewhere.path()).constData(), 0700) == 0);
            QVERIFY(QFile::link(elsewhere.path(), base));
        } else {
            QVERIFY(QDir().mkdir(base));
            QVERIFY(::chmod(QFile::encodeName(base).constData(),
                            planted == QLatin1String("open") ? 0777 : 0700) == 0);
            if (planted == QLatin1String("foreign") &&
                ::chown(QFile::encodeName(base).constData(), 4242, 4242) != 0)
                QSKIP("only the superuser can give a folder to another user");
        }
        QTemporaryDir current;
        const QString precious = QDir(elsewhere.path()).filePath(QStringLiteral("precious.txt"));
        QFile file(precious);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
        file.close();
        QVERIFY(::chmod(QFile::encodeName(precious).constData(), 0400) == 0);
        QVERIFY(QFile::link(precious, QDir(current.path()).filePath(QStringLiteral("gsetusr.tmp"))));
        const QString sample = QDir(current.path()).filePath(QStringLiteral("SAMPLE.DSG"));
        QVERIFY(QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSG"), sample));
        QVERIFY(QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSK"),
                            QDir(current.path()).filePath(QStringLiteral("SAMPLE.DSK"))));
        const QString wasCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));

        CapturedReports reports;
        bool opened = true;
        {
            Program program;
            QVERIFY(Startup(*program.app).SweepWorkFolders().isEmpty());
            vokg::EditorHost noWindows;
            opened = vokg::FileOpen(*program.app, noWindows).ReadVOKGData(FileKind::User, sample, 1, false);
            QVERIFY(program.prompter.Prompts().isEmpty());
            QVERIFY(program.app->State().userPath.isEmpty());
        }
        QDir::setCurrent(wasCurrent);
        QVERIFY(!opened);
        // One report for the start's sweep, one for the open; each names the folder.
        QCOMPARE(reports.count(), 2);
        for (int box = 0; box < reports.count(); ++box) {
            QCOMPARE(reports.procedure(box), QStringLiteral("TempPath"));
            QVERIFY2(reports.boxes().at(box).text.contains(
                         QStringLiteral("not a private folder of this user: ") + base),
                     qPrintable(reports.boxes().at(box).text));
        }
        QCOMPARE(ModeOf(precious), 0400);
        QVERIFY(QFileInfo(QDir(current.path()).filePath(QStringLiteral("gsetusr.tmp"))).isSymLink());
        QStringList entries =
            QDir(current.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries.sort();
        QCOMPARE(entries, (QStringList{QStringLiteral("SAMPLE.DSG"), QStringLiteral("SAMPLE.DSK"),
                                       QStringLiteral("gsetusr.tmp")}));
        QCOMPARE(RunFolders(planted == QLatin1String("link") ? elsewhere.path() : base), QStringList());
    }

    // Real processes: two companions are stopped while they load; one of them is killed. The
    // next start sweeps the killed run's folder (a copy of the user's data would be in it) and
    // leaves the live one's. A folder merely named like a working folder of a dead process goes
    // too; a link under such a name is left alone, and so is what it points at.
    void killedRunsAreSweptAtTheNextStart() {
        QTemporaryDir definitions;
        QVERIFY(clirun::BlockingDefinitions(definitions.path()));
        const QString base = PrivateBase(temporary_.path());
        clirun::BlockedCompanion killed(definitions.path(), temporary_.path());
        clirun::BlockedCompanion alive(definitions.path(), temporary_.path());
        const QString killedFolder = killed.WaitForFolder(base);
        const QString aliveFolder = alive.WaitForFolder(base);
        QVERIFY(!killedFolder.isEmpty() && !aliveFolder.isEmpty());
        // The live one sweeps at its own start: it must be past that before the folders below
        // are planted, or it takes them first.
        QVERIFY(alive.WaitUntilBlocked());
        QVERIFY(QFile(QDir(base).filePath(killedFolder + QStringLiteral("/gsetusr.tmp")))
                    .open(QIODevice::WriteOnly));
        killed.Kill();
        QVERIFY(QFileInfo::exists(QDir(base).filePath(killedFolder)));

        QVERIFY(QDir(base).mkdir(QStringLiteral("run-2147483646-abcdef")));
        QTemporaryDir target;
        QVERIFY(QFile(QDir(target.path()).filePath(QStringLiteral("kept"))).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(target.path(), QDir(base).filePath(QStringLiteral("run-2147483645-linked"))));
        QVERIFY(QDir(base).mkdir(QStringLiteral("notes")));

        CapturedReports reports;
        Program program;
        QStringList swept = Startup(*program.app).SweepWorkFolders();
        swept.sort();
        QStringList expected{QStringLiteral("run-2147483646-abcdef"), killedFolder};
        expected.sort();
        QCOMPARE(swept, expected);
        QStringList left = QDir(base).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY(left.contains(aliveFolder));
        QVERIFY(left.contains(QStringLiteral("run-2147483645-linked")));
        QVERIFY(left.contains(QStringLiteral("notes")));
        QVERIFY(left.contains(QFileInfo(program.app->WorkFolder()).fileName()));
        QCOMPARE(left.size(), 4);
        QVERIFY(QFileInfo::exists(QDir(target.path()).filePath(QStringLiteral("kept"))));
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(WorkFolderTest)
#include "tst_workfolder.moc"
