#include "platform/FileLock.h"

#include <QFile>

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::chrono::milliseconds kPoll{20};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileLock::FileLock(QString path) : path_(std::move(path)) {}

FileLock::~FileLock() {
    Unlock();
}

void FileLock::Unlock() {
    if (descriptor_ >= 0)
        ::close(descriptor_); // closing the last descriptor lets the lock go
    descriptor_ = -1;
    if (state_ == State::Locked)
        state_ = State::Unlocked;
}

FileLock::State FileLock::Lock(std::chrono::milliseconds wait) {
    if (state_ == State::Locked)
        return state_;
    const QByteArray name = QFile::encodeName(path_);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Read and write where allowed: a file system that emulates these locks with record locks
        // grants an exclusive one only on a descriptor open for writing.
        descriptor_ = ::open(name.constData(), O_RDWR | O_CLOEXEC);
        if (descriptor_ < 0 && errno != ENOENT)
            descriptor_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor_ < 0)
            return state_ = errno == ENOENT ? State::Missing : State::Unsupported;
        bool locked = false;
        while (!locked) {
            if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
                locked = true;
            } else if (errno == EINTR) {
                continue;
            } else if (errno != EWOULDBLOCK) {
                Unlock();
                return state_ = State::Unsupported;
            } else if (std::chrono::steady_clock::now() >= deadline) {
                Unlock();
                return state_ = State::Busy;
            } else {
                std::this_thread::sleep_for(kPoll);
            }
        }
        // The holder we waited for may have renamed a new file over the name: this lock then
        // guards a file nobody reads any more. Start again on the file the name leads to now.
        struct stat held {};
        struct stat named {};
        if (::fstat(descriptor_, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
            SameFile(held, named)) {
            device_ = held.st_dev;
            inode_ = held.st_ino;
            return state_ = State::Locked;
        }
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

bool FileLock::Holds(const QString& path) const {
    struct stat named {};
    return state_ == State::Locked && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           named.st_dev == device_ && named.st_ino == inode_;
}

} // namespace platform
