#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

class QByteArray;
class QFileDevice;
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

} // namespace platform::fileops
