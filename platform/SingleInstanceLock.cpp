#include "platform/SingleInstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(QString programName, QString folder) {
    // The runtime folder belongs to the user alone (mode 0700), so another user can neither
    // hold nor plant this file.
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    path_ = QDir(folder).filePath(programName + QStringLiteral(".lock"));
}

SingleInstanceLock::~SingleInstanceLock() {
    Release();
}

bool SingleInstanceLock::TryAcquire() {
    return Acquire() == State::Acquired;
}

SingleInstanceLock::State SingleInstanceLock::Acquire() {
    if (state_ == State::Acquired)
        return state_;
    errorText_.clear();
    descriptor_ =
        ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0) {
        errorText_ = QStringLiteral("Cannot open the lock file \"%1\": %2")
                         .arg(QDir::toNativeSeparators(path_), QString::fromLocal8Bit(std::strerror(errno)));
        state_ = State::Failed;
        return state_;
    }
    // A lock belongs to the open file, not to the process: a second object in this same
    // process is refused just like a second program.
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Acquired;
        return state_;
    }
    const int error = errno;
    ::close(descriptor_);
    descriptor_ = -1;
    if (error == EWOULDBLOCK) {
        state_ = State::HeldElsewhere;
    } else {
        errorText_ = QStringLiteral("Cannot lock \"%1\": %2")
                         .arg(QDir::toNativeSeparators(path_), QString::fromLocal8Bit(std::strerror(error)));
        state_ = State::Failed;
    }
    return state_;
}

void SingleInstanceLock::Release() {
    // The file stays: removing it would let a third instance lock a new file while a second
    // one still waits on the old one.
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    state_ = State::Released;
}

} // namespace platform
