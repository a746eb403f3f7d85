#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// The working folder of one run of the program or the companion: the working copies of the
// user's data and the extracted definition tables live in it. It is made inside a folder the
// caller has found private to this user, named after the process ("run-<pid>-XXXXXX"), held by
// an advisory lock on its ".lock" file for as long as the run lasts, and removed with
// everything in it when the run ends. A run that was killed cannot remove it; the next start
// sweeps it away (SweepLeftovers).
class WorkFolder {
public:
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Makes this process's folder in `privateBase`; nullptr with `error` set when it cannot be
    // made.
    static std::unique_ptr<WorkFolder> Create(const QString& privateBase, QString& error);

    const QString& Path() const { return path_; }

    // Removes every working folder in `privateBase` whose run is over: its process no longer
    // exists and nobody holds its lock. A folder of a live run, a folder of another user, a link
    // and anything not named like a working folder are left alone. Returns the names removed.
    static QStringList SweepLeftovers(const QString& privateBase);

private:
    WorkFolder(QString path, int lock) : path_(std::move(path)), lock_(lock) {}

    QString path_;
    int lock_;
};

} // namespace platform
