#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>

// Runs the command-line companion as a separate process, the way a user does.
namespace clirun {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The companion's environment for one run: its own settings folder and its own temporary
// folder, so that runs of other test programs never meet its working folders.
inline QProcessEnvironment Environment(const QString& settingsFolder, const QString& temporaryFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!settingsFolder.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsFolder);
    if (!temporaryFolder.isEmpty()) {
        environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    }
    return environment;
}

inline QString Program() {
    return QStringLiteral(VOKG_BINARY_DIR "/bin/vokg-cli");
}

inline Run RunCli(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program(), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The same under a file-size limit of `blocks` 512-byte blocks: a file that would grow past it
// cannot be written, as on a full disk (the signal the limit sends is ignored, so the write
// fails instead).
inline Run RunCliLimited(const QStringList& arguments, const QProcessEnvironment& environment, int blocks) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks),
                              Program()} +
                      arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline QString Sample(const QString& name) {
    return QStringLiteral(VOKG_SOURCE_DIR "/samples/") + name;
}

// A writable copy of the sample design file and its companion.
struct SampleCopy {
    QTemporaryDir folder;
    QString dsg = QDir(folder.path()).filePath(QStringLiteral("SAMPLE.DSG"));
    SampleCopy() {
        QFile::copy(Sample(QStringLiteral("SAMPLE.DSG")), dsg);
        QFile::copy(Sample(QStringLiteral("SAMPLE.DSK")),
                    QDir(folder.path()).filePath(QStringLiteral("SAMPLE.DSK")));
        QFile::setPermissions(dsg, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QByteArray Bytes() const {
        QFile file(dsg);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Overwrites bytes at a 0-based offset of table `table`.
    bool Patch(int table, qint64 offset, const QByteArray& bytes) const {
        QFile file(dsg);
        return file.open(QIODevice::ReadWrite) && file.seek(qint64(table - 1) * 8192 + offset) &&
               file.write(bytes) == bytes.size();
    }
};

// Definition tables whose first one is a pipe nobody writes to: a companion given them stops
// while it loads, after it has made its working folder.
inline bool BlockingDefinitions(const QString& folder) {
    for (int n = 2; n <= 7; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        if (!QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name,
                         QDir(folder).filePath(name)))
            return false;
    }
    return ::mkfifo(QFile::encodeName(QDir(folder).filePath(QStringLiteral("Set01.e"))).constData(), 0600) ==
           0;
}

// A companion stopped while it loads the blocking definitions, with the user's temporary folder
// `temporary`; it is killed when the object goes.
class BlockedCompanion {
public:
    BlockedCompanion(const QString& definitions, const QString& temporary) {
        process_.setProcessEnvironment(Environment(QString(), temporary));
        process_.start(Program(), {QStringLiteral("--defs"), definitions, QStringLiteral("defs")});
    }
    ~BlockedCompanion() { Kill(); }
    BlockedCompanion(const BlockedCompanion&) = delete;
    BlockedCompanion& operator=(const BlockedCompanion&) = delete;

    // The name of the companion's working folder in `privateBase`, once it has made it; empty
    // when it did not within ten seconds.
    QString WaitForFolder(const QString& privateBase) {
        const QString prefix = QStringLiteral("run-%1-").arg(process_.processId());
        for (int tries = 0; tries < 200; ++tries) {
            for (const QString& name : QDir(privateBase).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                if (name.startsWith(prefix))
                    return name;
            QThread::msleep(50);
        }
        return {};
    }
    // Waits until the companion is stopped in the open of the blocking definition table, that
    // is, until its start-up (the sweep of other runs' folders included) is behind it; false
    // after ten seconds. The kernel names where it waits; where it does not, the system call
    // it is in (an open) tells the same.
    bool WaitUntilBlocked() {
        const QString proc = QStringLiteral("/proc/%1/").arg(process_.processId());
        for (int tries = 0; tries < 200; ++tries) {
            const QByteArray waits = ReadProc(proc + QStringLiteral("wchan"));
            if (waits == "wait_for_partner" || waits == "fifo_open")
                return true;
            if ((waits.isEmpty() || waits == "0") &&
                ReadProc(proc + QStringLiteral("syscall")).startsWith("257 "))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    // Ends it the hard way: nothing of its own clean-up runs.
    void Kill() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.kill();
        process_.waitForFinished(10000);
    }

private:
    static QByteArray ReadProc(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }

    QProcess process_;
};

} // namespace clirun
