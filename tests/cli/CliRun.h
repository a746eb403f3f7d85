#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

} // namespace clirun
