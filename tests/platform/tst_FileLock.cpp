#include "platform/FileLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <thread>

using platform::FileLock;
using namespace std::chrono_literals;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestFileLock : public QObject {
    Q_OBJECT

private slots:
    // One holder at a time; a second one waits for its whole wait and is then refused.
    void oneHolderAtATime() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("S.DSG"));
        QVERIFY(WriteFile(path, "data"));
        FileLock first(path);
        QCOMPARE(first.Lock(0ms), FileLock::State::Locked);
        QVERIFY(first.Holds(path));
        FileLock second(path);
        const auto started = std::chrono::steady_clock::now();
        QCOMPARE(second.Lock(150ms), FileLock::State::Busy);
        QVERIFY(std::chrono::steady_clock::now() - started >= 150ms);
        QVERIFY(!second.Holds(path));
        first.Unlock();
        QCOMPARE(second.Lock(0ms), FileLock::State::Locked);
        // A lock asked for again by its holder is simply still held.
        QCOMPARE(second.Lock(0ms), FileLock::State::Locked);

        FileLock missing(folder.filePath(QStringLiteral("none.DSG")));
        QCOMPARE(missing.Lock(0ms), FileLock::State::Missing);
    }

    // A writer that replaces the file by renaming a new one over it leaves the waiter holding
    // the old file; the waiter must end up holding the file the name leads to now, or a third
    // writer would take that one at the same time.
    void followsAFileReplacedWhileWaiting() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("S.DSG"));
        QVERIFY(WriteFile(path, "old"));
        FileLock holder(path);
        QCOMPARE(holder.Lock(0ms), FileLock::State::Locked);
        FileLock waiter(path);
        FileLock::State waited = FileLock::State::Unlocked;
        std::thread waiting([&] { waited = waiter.Lock(10s); });
        std::this_thread::sleep_for(300ms); // the waiter has opened the old file by now
        const QString fresh = folder.filePath(QStringLiteral(".S.DSG.new"));
        QVERIFY(WriteFile(fresh, "new"));
        QVERIFY(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0);
        holder.Unlock();
        waiting.join();
        QCOMPARE(waited, FileLock::State::Locked);
        QVERIFY(waiter.Holds(path));
        FileLock third(path);
        QCOMPARE(third.Lock(0ms), FileLock::State::Busy);
    }
};

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_FileLock.moc"
