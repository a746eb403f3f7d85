#pragma once

#include <QString>

namespace platform {

// One running copy of a program per user. The lock is an advisory lock on a file in the
// user's private runtime folder; the system drops it when the holder ends, even by a crash,
// so a stale lock can never keep the program from starting.
class SingleInstanceLock {
public:
    enum class State { Released, Acquired, HeldElsewhere, Failed };

    // `programName` names the lock (the executable's base name); `folder` defaults to the
    // user's runtime folder.
    explicit SingleInstanceLock(QString programName, QString folder = QString());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this object now holds the lock. False when another instance holds it, and
    // also when the lock file cannot be opened at all (then ErrorText() says why).
    bool TryAcquire();
    State Acquire();
    void Release();

    State Current() const { return state_; }
    QString ErrorText() const { return errorText_; }
    QString LockFilePath() const { return path_; }

private:
    QString path_;
    QString errorText_;
    int descriptor_ = -1;
    State state_ = State::Released;
};

} // namespace platform
