#include "platform/WorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr const char* kLockName = ".lock";

QString SystemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// True while the process may still be running: it exists, or it exists under another user.
bool ProcessExists(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

} // namespace

WorkFolder::~WorkFolder() {
    QDir(path_).removeRecursively();
    ::close(lock_);
}

std::unique_ptr<WorkFolder> WorkFolder::Create(const QString& privateBase, QString& error) {
    QByteArray name = QFile::encodeName(
        QDir(privateBase).filePath(QStringLiteral("run-%1-XXXXXX").arg(QCoreApplication::applicationPid())));
    if (::mkdtemp(name.data()) == nullptr) {
        error = QStringLiteral("cannot make a working folder in %1: %2").arg(privateBase, SystemText(errno));
        return nullptr;
    }
    const QString path = QFile::decodeName(name);
    const QByteArray lockName = name + '/' + kLockName;
    const int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        error = QStringLiteral("cannot lock the working folder %1: %2").arg(path, SystemText(errno));
        if (lock >= 0)
            ::close(lock);
        QDir(path).removeRecursively();
        return nullptr;
    }
    return std::unique_ptr<WorkFolder>(new WorkFolder(path, lock));
}

QStringList WorkFolder::SweepLeftovers(const QString& privateBase) {
    static const QRegularExpression pattern(QStringLiteral("^run-([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    QStringList removed;
    const QDir base(privateBase);
    for (const QString& entry :
         base.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = pattern.match(entry);
        if (!match.hasMatch())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() ||
            pid == QCoreApplication::applicationPid() || ProcessExists(pid_t(pid)))
            continue;
        const QByteArray path = QFile::encodeName(base.filePath(entry));
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
            status.st_uid != ::geteuid())
            continue;
        // A live run in another process namespace has a number that means nothing here; its
        // lock still tells.
        const QByteArray lockName = path + '/' + kLockName;
        const int lock = ::open(lockName.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            ::close(lock);
            continue;
        }
        // A run killed before it locked has no lock file; its folder is as dead as the others.
        if (lock < 0 && errno != ENOENT)
            continue;
        if (QDir(QFile::decodeName(path)).removeRecursively())
            removed.append(entry);
        if (lock >= 0)
            ::close(lock);
    }
    return removed;
}

} // namespace platform
