#include "tests/support/CapturedReports.h"

#include "hlpkit/CFILE.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using hlpkit::CFILE;

namespace {

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// Makes a folder immutable for as long as the object lives: not even the superuser can create a
// file in it then. Set() is false where the file system has no such flag.
class ImmutableFolder {
public:
    explicit ImmutableFolder(QString path) : path_(std::move(path)) {}
    ~ImmutableFolder() {
        if (set_)
            Change(false);
    }
    bool Set() {
        set_ = !path_.isEmpty() && Change(true);
        return set_;
    }

private:
    bool Change(bool on) const {
        const int folder = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(folder);
        return done;
    }

    QString path_;
    bool set_ = false;
};

} // namespace

class TestCFILE : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void myFNameSkipsTakenNames() {
        CapturedReports reports;
        QTemporaryDir dir;
        QString folder = dir.path() + QLatin1Char('/');
        CFILE files;
        QCOMPARE(files.MyFName(folder, QStringLiteral("tmp"), QStringLiteral("000")),
                 QStringLiteral("tmp00001.000"));
        QVERIFY(Touch(folder + QStringLiteral("tmp00001.000")));
        QCOMPARE(files.MyFName(folder, QStringLiteral("tmp"), QStringLiteral("000")),
                 QStringLiteral("tmp00002.000"));
        // A dangling link takes its name as well: creating a file there would follow it.
        QVERIFY(QFile::link(folder + QStringLiteral("nowhere"), folder + QStringLiteral("tmp00002.000")));
        QCOMPARE(files.MyFName(folder, QStringLiteral("tmp"), QStringLiteral("000")),
                 QStringLiteral("tmp00003.000"));
        // Other heads and extensions are other names.
        QCOMPARE(files.MyFName(folder, QStringLiteral("tmp"), QStringLiteral("001")),
                 QStringLiteral("tmp00001.001"));
        QCOMPARE(reports.count(), 0);
    }

    void myFNameReportsWhenAllNamesAreTaken() {
        CapturedReports reports;
        QTemporaryDir dir;
        QString folder = dir.path() + QLatin1Char('/');
        for (int counter = 1; counter < 32767; ++counter)
            QVERIFY(Touch(folder + QStringLiteral("x%1.e").arg(counter, 5, 10, QLatin1Char('0'))));
        CFILE files;
        QCOMPARE(files.MyFName(folder, QStringLiteral("x"), QStringLiteral("e")), QStringLiteral("x32767.e"));
        QVERIFY(Touch(folder + QStringLiteral("x32767.e")));
        QCOMPARE(reports.count(), 0);
        QCOMPARE(files.MyFName(folder, QStringLiteral("x"), QStringLiteral("e")), QString());
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("MyFName"));
    }

    void myFNameRefusesAFolderWithoutSeparator() {
        CapturedReports reports;
        QTemporaryDir dir;
        CFILE files;
        QCOMPARE(files.MyFName(dir.path(), QStringLiteral("tmp"), QStringLiteral("000")), QString());
        QCOMPARE(reports.count(), 1);
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] 52")));
    }

    void replaceExt_data() {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("result");
        QTest::newRow("design file") << "/data/A001.DSG"
                                     << "DSK"
                                     << "/data/A001.DSK";
        QTest::newRow("last dot counts") << "/data/a.b.DSG"
                                         << "DSK"
                                         << "/data/a.b.DSK";
        QTest::newRow("dot in a folder only") << "/data/v1.2/A001"
                                              << "DSK"
                                              << "/data/v1.2/A001.DSK";
        QTest::newRow("no dot at all") << "A001"
                                       << "DSK"
                                       << "A001.DSK";
        QTest::newRow("trailing dot") << "/data/A001."
                                      << "DSK"
                                      << "/data/A001.DSK";
        QTest::newRow("empty extension keeps the dot") << "/data/A001.DSG"
                                                       << ""
                                                       << "/data/A001.";
        QTest::newRow("relative name") << "A001.dsg"
                                       << "DSK"
                                       << "A001.DSK";
    }
    void replaceExt() {
        QFETCH(QString, fullName);
        QFETCH(QString, ext);
        QFETCH(QString, result);
        CFILE files;
        QCOMPARE(files.ReplaceExt(fullName, ext), result);
    }

    void isWritableLeavesNothingBehind() {
        CapturedReports reports;
        QTemporaryDir dir;
        QVERIFY(Touch(dir.path() + QStringLiteral("/tmp00001.000")));
        CFILE files;
        QVERIFY(files.IsWritable(dir.path()));
        QVERIFY(files.IsWritable(dir.path() + QLatin1Char('/')));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tmp00001.000")});
        QCOMPARE(reports.count(), 0);
    }

    void isWritableIsSilentlyFalseWhereWritingIsRefused() {
        CapturedReports reports;
        CFILE files;
        QTemporaryDir dir;
        const QString refused = dir.path() + QStringLiteral("/locked");
        QVERIFY(QDir().mkdir(refused));
        QVERIFY(::chmod(QFile::encodeName(refused).constData(), 0500) == 0);
        // The superuser writes through any mode; an immutable folder refuses even it.
        ImmutableFolder immutable(::geteuid() == 0 ? refused : QString());
        if (::geteuid() == 0 && !immutable.Set())
            QSKIP("no folder that refuses writing to the superuser here");
        QVERIFY(!files.IsWritable(refused));
        QCOMPARE(reports.count(), 0);
    }

    // The probe has no name at any moment, so a program killed in the middle of it leaves
    // nothing in the user's folder: the folder sees no file created at all.
    void isWritableNeverNamesAFile() {
        CapturedReports reports;
        QTemporaryDir dir;
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        QVERIFY(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(),
                                    IN_CREATE | IN_MOVED_TO) >= 0);
        CFILE files;
        QVERIFY(files.IsWritable(dir.path()));
        char events[4096];
        const ssize_t got = ::read(watch, events, sizeof events);
        const int error = errno;
        ::close(watch);
        QCOMPARE(got, ssize_t(-1));
        QCOMPARE(error, EAGAIN);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(reports.count(), 0);
    }

    void isWritableReportsAMissingFolder() {
        CapturedReports reports;
        QTemporaryDir dir;
        CFILE files;
        QVERIFY(!files.IsWritable(dir.path() + QStringLiteral("/missing")));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("IsWritable"));
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] 76")));
    }

    void tempPathIsPrivate() {
        CapturedReports reports;
        QTemporaryDir base;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base.path()));
        QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0700) == 0);
        CFILE files;
        QString path = files.TempPath();
        QVERIFY(path.startsWith(base.path() + QLatin1Char('/')));
        QVERIFY(path.endsWith(QLatin1Char('/')));
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &status), 0);
        QVERIFY(S_ISDIR(status.st_mode));
        QCOMPARE(int(status.st_mode & 0777), 0700);
        QCOMPARE(files.TempPath(), path); // the same folder on every call
        QCOMPARE(reports.count(), 0);
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void tempPathRefusesAFolderOthersCouldUse_data() {
        QTest::addColumn<bool>("asLink");
        QTest::newRow("open to others") << false;
        QTest::newRow("a link to another folder") << true;
    }
    void tempPathRefusesAFolderOthersCouldUse() {
        QFETCH(bool, asLink);
        CapturedReports reports;
        QTemporaryDir base;
        // A runtime folder open to others is not used; the temporary folder is then used, and
        // the name there has been prepared by someone else.
        QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base.path()));
        qputenv("TMPDIR", QFile::encodeName(base.path()));
        QString planted = base.path() + QStringLiteral("/vokg-") + QString::number(::geteuid());
        if (asLink) {
            QVERIFY(QDir().mkdir(base.path() + QStringLiteral("/elsewhere")));
            QVERIFY(::chmod(QFile::encodeName(base.path() + QStringLiteral("/elsewhere")).constData(),
                            0700) == 0);
            QVERIFY(QFile::link(base.path() + QStringLiteral("/elsewhere"), planted));
        } else {
            QVERIFY(QDir().mkdir(planted));
            QVERIFY(::chmod(QFile::encodeName(planted).constData(), 0777) == 0);
        }
        CFILE files;
        QCOMPARE(files.TempPath(), QString());
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("TempPath"));
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("not a private folder of this user: ") +
                                                    planted));
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("TMPDIR");
    }

    void specialFolders() {
        CFILE files;
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(files.GetSpecialFolder(nullptr, CFILE::Personal), documents);
        QCOMPARE(files.GetSpecialFolder(nullptr, 2), QString()); // no start menu here
        QCOMPARE(files.GetSpecialFolder(nullptr, -1), QString());
        QCOMPARE(files.GetSpecialFolder(nullptr, 9999), QString());
    }

    void systemDirectoryHoldsTheCLibrary() {
        CFILE files;
        QString folder = files.SystemDirectory();
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QDir(folder).entryList({QStringLiteral("libc.so*")}, QDir::Files | QDir::System).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCFILE)
#include "tst_CFILE.moc"
