#include "platform/SingleInstanceLock.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using platform::SingleInstanceLock;
using State = SingleInstanceLock::State;

class TestSingleInstanceLock : public QObject {
    Q_OBJECT

private slots:
    void secondAcquireFailsUntilReleased() {
        QTemporaryDir dir;
        SingleInstanceLock first("VOKG_SET", dir.path());
        SingleInstanceLock second("VOKG_SET", dir.path());
        QVERIFY(first.TryAcquire());
        QVERIFY(first.TryAcquire()); // asking again keeps the lock
        QVERIFY(!second.TryAcquire());
        QCOMPARE(second.Current(), State::HeldElsewhere);
        QVERIFY(second.ErrorText().isEmpty());
        first.Release();
        QVERIFY(second.TryAcquire());
        QVERIFY(!first.TryAcquire());
    }

    void endingTheHolderFreesTheLock() {
        QTemporaryDir dir;
        {
            SingleInstanceLock holder("VOKG_SET", dir.path());
            QVERIFY(holder.TryAcquire());
        }
        SingleInstanceLock next("VOKG_SET", dir.path());
        QVERIFY(next.TryAcquire());
    }

    void otherProgramsDoNotCollide() {
        QTemporaryDir dir;
        SingleInstanceLock program("VOKG_SET", dir.path());
        SingleInstanceLock other("OTHER_TOOL", dir.path());
        QVERIFY(program.TryAcquire());
        QVERIFY(other.TryAcquire());
    }

    // Another process holding the lock, as a second start of the program would meet it.
    void lockHeldByAnotherProcess() {
        if (QStandardPaths::findExecutable("flock").isEmpty())
            QSKIP("the flock tool is not installed");
        QTemporaryDir dir;
        SingleInstanceLock probe("VOKG_SET", dir.path());
        QProcess holder;
        // The shell becomes the sleeping process and keeps descriptor 9, so killing it is
        // what ends the hold, as when a running program ends.
        holder.start(
            "sh", {"-c", "exec 9>\"$0\" && flock -x 9 && echo held && exec sleep 30", probe.LockFilePath()});
        QVERIFY(holder.waitForStarted(5000));
        QVERIFY(holder.waitForReadyRead(5000));
        QVERIFY(!probe.TryAcquire());
        QCOMPARE(probe.Current(), State::HeldElsewhere);
        holder.kill();
        holder.waitForFinished(5000);
        QTRY_VERIFY(probe.TryAcquire());
    }

    void unusableFolderIsAFailureWithAReason() {
        SingleInstanceLock lock("VOKG_SET", "/nonexistent/folder/for/locks");
        QVERIFY(!lock.TryAcquire());
        QCOMPARE(lock.Current(), State::Failed);
        QVERIFY2(lock.ErrorText().contains("/nonexistent/folder/for/locks"), qPrintable(lock.ErrorText()));
    }

    void defaultFolderIsUsable() {
        SingleInstanceLock lock("vokg_lock_test_" + QString::number(QCoreApplication::applicationPid()));
        QVERIFY2(lock.TryAcquire(), qPrintable(lock.ErrorText()));
        lock.Release();
        QFile::remove(lock.LockFilePath());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstanceLock)
#include "tst_SingleInstanceLock.moc"
