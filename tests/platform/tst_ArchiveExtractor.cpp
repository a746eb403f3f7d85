#include "platform/ArchiveExtractor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using platform::ArchiveExtractor;
using platform::ExtractResult;

namespace {

QString DataFile(const QString& name) {
    return QStringLiteral(VOKG_SOURCE_DIR "/tests/platform/data/") + name;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The members of good.e (packed with -lh5- except the tiny one, which the packer stores).
QByteArray ExpectedSet01() {
    QByteArray text = "NO\tNAME\tMIN\tMAX\tUNIT";
    for (int i = 1; i < 120; ++i)
        text += QByteArray("\r\n") + QByteArray::number(i) + "\tParameter " + QByteArray::number(i) +
                "\t0\t" + QByteArray::number(i * 10) + "\tmm";
    return text + "\r\n";
}

QByteArray ExpectedSet02() {
    return QByteArray("[\x92\x6c]\tMode\r\n\x93\xc1\x8e\xea\t1\r\n").repeated(20);
}

// Everything in `folder`, hidden entries included, so a left-over staging folder shows.
QStringList Contents(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestArchiveExtractor : public QObject {
    Q_OBJECT

private slots:
    void supportsLha() { QVERIFY(ArchiveExtractor::SupportsLha()); }

    void extractsEveryMemberAndOverwrites() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Write(dir.filePath("Set01.e"), "an old table that must be replaced");
        Write(dir.filePath("keep.txt"), "not in the archive");

        const ExtractResult result = ArchiveExtractor::ExtractAll(DataFile("good.e"), dir.path());
        QVERIFY2(result.ok, qPrintable(result.message));
        QVERIFY(result.message.isEmpty());
        QCOMPARE(result.extracted, (QStringList{"Set01.e", "Set02.e", "readme.txt"}));
        QCOMPARE(ReadAll(dir.filePath("Set01.e")), ExpectedSet01());
        QCOMPARE(ReadAll(dir.filePath("Set02.e")), ExpectedSet02());
        QCOMPARE(ReadAll(dir.filePath("readme.txt")), QByteArray("hello\n"));
        QCOMPARE(ReadAll(dir.filePath("keep.txt")), QByteArray("not in the archive"));
        QCOMPARE(Contents(dir.path()), (QStringList{"Set01.e", "Set02.e", "keep.txt", "readme.txt"}));
    }

    void extractsTwiceIntoTheSameFolder() {
        QTemporaryDir dir;
        QVERIFY(ArchiveExtractor::ExtractAll(DataFile("good.e"), dir.path()).ok);
        const ExtractResult again = ArchiveExtractor::ExtractAll(DataFile("good.e"), dir.path());
        QVERIFY2(again.ok, qPrintable(again.message));
        QCOMPARE(ReadAll(dir.filePath("Set01.e")), ExpectedSet01());
        QCOMPARE(Contents(dir.path()).size(), 3);
    }

    void refusesHostileMembers_data() {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("refusedNames");
        QTest::newRow("dot-dot and absolute")
            << "hostile.e" << QStringList{"../escape.txt", "/tmp/vokg_hostile_absolute.txt"};
        QTest::newRow("symbolic link") << "hostile_link.e" << QStringList{"link"};
    }
    void refusesHostileMembers() {
        QFETCH(QString, archive);
        QFETCH(QStringList, refusedNames);
        QFile::remove("/tmp/vokg_hostile_absolute.txt");
        QTemporaryDir outer;
        const QString target = outer.filePath("target");
        QVERIFY(QDir().mkpath(target));

        const ExtractResult result = ArchiveExtractor::ExtractAll(DataFile(archive), target);
        QVERIFY(!result.ok);
        QStringList names;
        for (const auto& member : result.refused) {
            names << member.name;
            QVERIFY(!member.reason.isEmpty());
        }
        QCOMPARE(names, refusedNames);
        for (const QString& name : refusedNames)
            QVERIFY2(result.message.contains(name), qPrintable(result.message));
        // Not even the harmless first member is written, and nothing lands beside or above.
        QCOMPARE(Contents(target), QStringList());
        QCOMPARE(Contents(outer.path()), QStringList{"target"});
        QVERIFY(!QFile::exists("/tmp/vokg_hostile_absolute.txt"));
        QVERIFY(result.extracted.isEmpty());
    }

    // A bad archive leaves the folder exactly as it was: old tables stay, nothing new appears.
    void badArchiveLeavesNothingBehind_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mentioned");
        const QByteArray good = ReadAll(DataFile("good.e"));
        QTest::newRow("checksum of the last member fails") << ReadAll(DataFile("damaged.e")) << "readme.txt";
        QTest::newRow("cut inside the second member") << good.left(good.indexOf("Set02.e") + 20) << "Set02.e";
        // Stored members whose size field does not match their data: trusting the field would pad
        // the table with NUL bytes, or cut it.
        QTest::newRow("size field past the data")
            << ReadAll(DataFile("padded.e")) << "\"Set01.e\": 18 bytes where the header says 118";
        QTest::newRow("size field short of the data")
            << ReadAll(DataFile("shortened.e")) << "\"Set01.e\": 18 bytes where the header says 15";
        QTest::newRow("not an archive") << QByteArray("NO\tNAME\r\n1\tSpeed\r\n") << "good.e";
        QTest::newRow("empty file") << QByteArray() << "good.e";
    }
    void badArchiveLeavesNothingBehind() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mentioned);
        QTemporaryDir source;
        const QString archive = source.filePath("good.e");
        Write(archive, bytes);
        QTemporaryDir dir;
        Write(dir.filePath("Set01.e"), "the table of the last good start");

        const ExtractResult result = ArchiveExtractor::ExtractAll(archive, dir.path());
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(mentioned), qPrintable(result.message));
        QCOMPARE(Contents(dir.path()), QStringList{"Set01.e"});
        QCOMPARE(ReadAll(dir.filePath("Set01.e")), QByteArray("the table of the last good start"));
    }

    // A folder that cannot take the tables is reported as such, with the system's reason; the
    // archive is not blamed. Files larger than 1 KiB are refused here by the process's file-size
    // limit, as a full disk refuses them.
    void aFolderThatCannotTakeTheTablesIsNamed() {
        QTemporaryDir dir;
        struct rlimit before {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = before;
        small.rlim_cur = 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const ExtractResult result = ArchiveExtractor::ExtractAll(DataFile("good.e"), dir.path());
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!result.ok);
        QCOMPARE(result.folderError, EFBIG);
        QVERIFY2(result.message.contains(QStringLiteral("into \"%1\"").arg(dir.path())),
                 qPrintable(result.message));
        QVERIFY2(result.message.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(result.message));
        QCOMPARE(Contents(dir.path()), QStringList());
        // A damaged archive is the archive's fault, not the folder's.
        QCOMPARE(ArchiveExtractor::ExtractAll(DataFile("damaged.e"), dir.path()).folderError, 0);
    }

    void reportsMissingArchiveAndFolder() {
        QTemporaryDir dir;
        const ExtractResult noArchive = ArchiveExtractor::ExtractAll(dir.filePath("VOKG_SET.e"), dir.path());
        QVERIFY(!noArchive.ok);
        QVERIFY2(noArchive.message.contains("VOKG_SET.e"), qPrintable(noArchive.message));

        const QString missingFolder = dir.filePath("no such folder");
        const ExtractResult noFolder = ArchiveExtractor::ExtractAll(DataFile("good.e"), missingFolder);
        QVERIFY(!noFolder.ok);
        QVERIFY2(noFolder.message.contains("no such folder"), qPrintable(noFolder.message));
        QVERIFY(!QFile::exists(missingFolder));
    }
};

QTEST_GUILESS_MAIN(TestArchiveExtractor)
#include "tst_ArchiveExtractor.moc"
