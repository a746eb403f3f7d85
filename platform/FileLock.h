#pragma once

#include <QString>

#include <chrono>

namespace platform {

// An exclusive advisory lock (flock) on an existing data file, held from Lock() until the object
// goes away. Every writer of data files takes it before it replaces one, so two writers take turns
// instead of the later one silently dropping what the earlier one wrote.
//
// Files are replaced by renaming a new file over them, which leaves a waiting writer holding the
// old file: after every wait the lock is checked against what the name leads to now, and taken
// again on the new file when the name has moved on.
class FileLock {
public:
    enum class State {
        Unlocked,
        Locked,
        Missing,     // no file of that name: there is nothing to lock
        Busy,        // another holder kept it for the whole wait
        Unsupported, // the file system offers no locks (or the file cannot be opened for one)
    };

    explicit FileLock(QString path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, waiting up to `wait` for another holder to let go.
    State Lock(std::chrono::milliseconds wait);
    void Unlock();

    State Current() const { return state_; }
    const QString& Path() const { return path_; }
    // True when the lock is held and `path` still names the locked file (device and inode).
    bool Holds(const QString& path) const;

private:
    QString path_;
    int descriptor_ = -1;
    State state_ = State::Unlocked;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

} // namespace platform
