#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <functional>

class QByteArray;
class QSaveFile;

namespace platform::fileops {

// The calls that put a file of the user's on disk: the data-file save, the workbook writer and
// the C-source writer make them through here and no other way. Each behaves exactly as the call
// it names; a test can make any one of them fail as the system would (SetFaultHook), so that
// every step of a save can be seen failing. Unhooked, the cost is one test of a pointer.
enum class Call {
    Open,   // opening a file for reading, or creating the new file beside a target
    Write,  // writing bytes (for the workbook library: writing the whole workbook)
    Flush,  // handing buffered bytes to the system
    Commit, // a save file's sync and rename over its target
    Copy,   // copying a whole file
    Rename, // renaming a file, over an existing one of that name
    Remove, // removing a file
};

const char* CallName(Call call);

// Asked before each call with the file it is about: true makes that call fail without being
// made. An empty hook lets every call through.
using FaultHook = std::function<bool(Call call, const QString& path)>;
void SetFaultHook(FaultHook hook);

namespace detail {
extern FaultHook* hook;
bool Refuse(Call call, const QString& path);
} // namespace detail

// True when the hook fails this call; errno is then EIO, as after a failed device.
inline bool Refused(Call call, const QString& path) {
    return detail::hook != nullptr && detail::Refuse(call, path);
}

bool Open(QFileDevice& file, QIODevice::OpenMode mode);
qint64 Write(QFileDevice& file, const char* data, qint64 size);
// All of `bytes`: a write into a nearly full disk first comes back short and without an error;
// only the next attempt fails and gives the file the system's reason.
bool WriteAll(QFileDevice& file, const QByteArray& bytes);
bool Flush(QFileDevice& file);
// A refused commit drops the new file, as a failed one does.
bool Commit(QSaveFile& file);
bool Copy(const QString& from, const QString& to);
bool Rename(const QString& from, const QString& to);
bool Remove(const QString& path);

// The new version of a file of the user's, written beside it and renamed over it when complete,
// so that the file is at every moment its old or its new version. The new file's name is this
// program's own and names its writer: "." + the target's name + ".vokg-" + host + "-" + process
// id + "-" + six letters or digits, e.g. ".SAMPLE.DSG.vokg-bench4-8412-Xy3k0Q". No user's file is
// named so, and a run killed before its rename leaves a file the next open or save of that
// target recognises as a dead writer's (SweepLeftovers).
class NewFile {
public:
    explicit NewFile(const QString& target);
    // Removes the new file unless it was renamed over the target.
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Written through Write, WriteAll and Flush; the hook sees the new file's name.
    QFile& Device() { return file_; }
    const QString& Target() const { return target_; }
    // The system's reason for the last failure.
    QString ErrorString() const;

private:
    friend bool Open(NewFile& file, QIODevice::OpenMode mode);
    friend bool Commit(NewFile& file);
    void Drop();

    // A file opened on a descriptor forgets its name; this one tells it to the hook all the same.
    class Named : public QFile {
    public:
        QString fileName() const override { return name; }
        QString name;
    };

    QString target_;
    QString name_;
    Named file_;
    QString error_;
    bool created_ = false;
};

// Creates the new file (exclusively; with the target's permissions when it exists, else those
// of any new file of the user's) after sweeping the target's leftovers.
bool Open(NewFile& file, QIODevice::OpenMode mode);
// Flushes, syncs and closes the new file and renames it over the target (one atomic rename).
// A refused or failed commit removes the new file; the target is untouched.
bool Commit(NewFile& file);

// The start of the names the new files of `target` written by process `pid` on this machine
// get: the folder, then "." + the target's name + ".vokg-" + host + "-" + pid + "-".
QString NewFilePrefix(const QString& target, qint64 pid);
// Removes the new files beside `target` that were written for it on this machine by a process
// that is no longer running. Nothing else is touched: no other name, no file of a running
// writer, none written from another machine (its process ids are not ours to ask about).
void SweepLeftovers(const QString& target);

} // namespace platform::fileops
