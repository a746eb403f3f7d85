#include "platform/ProcessList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using platform::ProcessList;

namespace {

// One process folder of a fake process file system, as the kernel shows it.
void AddProcess(const QString& root, const QString& pid, const QByteArray& comm, const QByteArray& cmdline,
                const QString& exeTarget = QString()) {
    const QString folder = QDir(root).filePath(pid);
    QVERIFY(QDir().mkpath(folder));
    QFile commFile(folder + "/comm");
    QVERIFY(commFile.open(QIODevice::WriteOnly));
    commFile.write(comm + "\n");
    QFile argsFile(folder + "/cmdline");
    QVERIFY(argsFile.open(QIODevice::WriteOnly));
    argsFile.write(cmdline);
    if (!exeTarget.isEmpty())
        QVERIFY(QFile::link(exeTarget, folder + "/exe"));
}

} // namespace

class TestProcessList : public QObject {
    Q_OBJECT

private slots:
    void findsItsOwnProcess() {
        const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const ProcessList processes;
        QVERIFY2(processes.IsRunning(self), qPrintable(self));
        QVERIFY(!processes.IsRunning(self + "_not_running_anywhere"));
        QVERIFY(!processes.IsRunning(self.toUpper())); // the comparison is exact
        QVERIFY(!processes.IsRunning(QString()));
    }

    void baseNameAfterEitherSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("baseName");
        QTest::newRow("unix path") << "/usr/bin/VOKG_SET"
                                   << "VOKG_SET";
        QTest::newRow("windows path") << "C:\\Tools\\Sibling\\VOKG_SET_KESTREL.exe"
                                      << "VOKG_SET_KESTREL.exe";
        QTest::newRow("mixed") << "/home/u/.wine/drive_c/x\\A.exe"
                               << "A.exe";
        QTest::newRow("bare name") << "A.exe"
                                   << "A.exe";
        QTest::newRow("trailing separator") << "C:\\Tools\\"
                                            << "";
    }
    void baseNameAfterEitherSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, baseName);
        QCOMPARE(ProcessList::BaseNameOf(path), baseName);
    }

    // Every name a process is known by counts, exactly as written.
    void matchesEveryNameOfAProcess_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("running");
        QTest::newRow("first argument, windows path") << "VOKG_SET_KESTREL.exe" << true;
        QTest::newRow("short command name") << "wine-preloader" << true;
        QTest::newRow("executable link") << "wine64-preloader" << true;
        QTest::newRow("executable replaced on disk") << "editor" << true;
        QTest::newRow("plain first argument") << "bash" << true;
        QTest::newRow("case differs") << "vokg_set_kestrel.exe" << false;
        QTest::newRow("short command name as the kernel cuts it") << "VOKG_SET_KESTRE" << true;
        QTest::newRow("prefix only") << "VOKG_SET_KESTREL" << false;
        QTest::newRow("a further argument") << "setup.dsg" << false;
        QTest::newRow("not a process folder") << "selfish" << false;
    }
    void matchesEveryNameOfAProcess() {
        QFETCH(QString, name);
        QFETCH(bool, running);
        QTemporaryDir root;
        AddProcess(root.path(), "4242", "VOKG_SET_KESTRE",
                   QByteArray("C:\\Program Files\\Sibling\\VOKG_SET_KESTREL.exe\0setup.dsg\0", 57));
        AddProcess(root.path(), "77", "wine-preloader", QByteArray(), "/usr/lib/wine/wine64-preloader");
        AddProcess(root.path(), "78", "ed", QByteArray("ed\0", 3), "/opt/editor (deleted)");
        AddProcess(root.path(), "100", "bash", QByteArray("/bin/bash\0-l\0", 13));
        AddProcess(root.path(), "self", "selfish", QByteArray("selfish\0", 8));
        QCOMPARE(ProcessList(root.path()).IsRunning(name), running);
    }
};

QTEST_GUILESS_MAIN(TestProcessList)
#include "tst_ProcessList.moc"
