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

// The LHA format's CRC of a member's data (reflected polynomial 0xA001).
quint16 Crc16(const QByteArray& data) {
    quint16 crc = 0;
    for (const char byte : data) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

void PutLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// An archive of level-0 members stored as they are ("-lh0-"): the header's size and byte sum,
// the method, both sizes, a time stamp, the attribute, the level, the name and the data's CRC.
QByteArray StoredArchive(const QList<QPair<QByteArray, QByteArray>>& members) {
    QByteArray archive;
    for (const auto& [name, data] : members) {
        QByteArray header = "-lh0-";
        PutLittleEndian(header, quint32(data.size()), 4);
        PutLittleEndian(header, quint32(data.size()), 4);
        PutLittleEndian(header, 0x58A16000, 4);
        header.append(char(0x20)).append(char(0)).append(char(name.size())).append(name);
        PutLittleEndian(header, Crc16(data), 2);
        int sum = 0;
        for (const char byte : header)
            sum += static_cast<unsigned char>(byte);
        archive.append(char(header.size())).append(char(sum & 0xFF)).append(header).append(data);
    }
    return archive.append('\0');
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
    // A folder of the target that is a link (to a folder elsewhere) would take a member into
    // that folder; the archive is refused and nothing is moved, here or there.
    void neverWritesThroughALinkedFolder_data() {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QString>("linkedFolder");
        QTest::addColumn<QStringList>("targetAfter");
        QTest::newRow("link at the top") << QByteArray("sub/Set02.e") << "sub" << QStringList{"deep", "sub"};
        QTest::newRow("link one folder down")
            << QByteArray("deep/sub/Set02.e") << "deep/sub" << QStringList{"deep"};
    }
    void neverWritesThroughALinkedFolder() {
        QFETCH(QByteArray, member);
        QFETCH(QString, linkedFolder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir root(dir.path());
        QVERIFY(root.mkpath("target/deep") && root.mkpath("elsewhere"));
        QVERIFY(QFile::link(dir.filePath("elsewhere"), dir.filePath("target/") + linkedFolder));
        const QString archive = dir.filePath("VOKG_SET.e");
        Write(archive, StoredArchive({{"Set01.e", "MODE\r\n"}, {member, "table two\r\n"}}));

        const ExtractResult result = ArchiveExtractor::ExtractAll(archive, dir.filePath("target"));
        QVERIFY(!result.ok);
        QCOMPARE(result.folderError, 0);
        QVERIFY2(result.message.contains(QStringLiteral("\"%1\" on the way to the member \"%2\" is a link")
                                             .arg(linkedFolder, QString::fromLatin1(member))),
                 qPrintable(result.message));
        QCOMPARE(Contents(dir.filePath("elsewhere")), QStringList());
        QFETCH(QStringList, targetAfter);
        QCOMPARE(Contents(dir.filePath("target")), targetAfter);
        QCOMPARE(Contents(dir.filePath("target/deep")),
                 linkedFolder.startsWith("deep/") ? QStringList{"sub"} : QStringList());
    }

    // The same members into real folders extract.
    void extractsIntoFoldersOfTheTarget() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString archive = dir.filePath("VOKG_SET.e");
        Write(archive, StoredArchive({{"Set01.e", "MODE\r\n"}, {"deep/sub/Set02.e", "table two\r\n"}}));
        QVERIFY(QDir(dir.path()).mkpath("target/deep"));
        const ExtractResult result = ArchiveExtractor::ExtractAll(archive, dir.filePath("target"));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.extracted, (QStringList{"Set01.e", "deep/sub/Set02.e"}));
        QCOMPARE(ReadAll(dir.filePath("target/deep/sub/Set02.e")), QByteArray("table two\r\n"));
    }

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
