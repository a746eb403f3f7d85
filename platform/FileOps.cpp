#include "platform/FileOps.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

namespace platform::fileops {
namespace detail {

FaultHook* hook = nullptr;

bool Refuse(Call call, const QString& path) {
    if (!(*hook)(call, path))
        return false;
    errno = EIO;
    return true;
}

} // namespace detail

namespace {

FaultHook& StoredHook() {
    static FaultHook stored;
    return stored;
}

} // namespace

const char* CallName(Call call) {
    switch (call) {
    case Call::Open:
        return "open";
    case Call::Write:
        return "write";
    case Call::Flush:
        return "flush";
    case Call::Commit:
        return "commit";
    case Call::Copy:
        return "copy";
    case Call::Rename:
        return "rename";
    case Call::Remove:
        return "remove";
    }
    return "?";
}

void SetFaultHook(FaultHook hook) {
    StoredHook() = std::move(hook);
    detail::hook = StoredHook() ? &StoredHook() : nullptr;
}

bool Open(QFileDevice& file, QIODevice::OpenMode mode) {
    if (Refused(Call::Open, file.fileName()))
        return false;
    return file.open(mode);
}

qint64 Write(QFileDevice& file, const char* data, qint64 size) {
    if (Refused(Call::Write, file.fileName()))
        return -1;
    return file.write(data, size);
}

bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = Write(file, bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            return false;
        written += now;
    }
    return true;
}

bool Flush(QFileDevice& file) {
    if (Refused(Call::Flush, file.fileName()))
        return false;
    return file.flush();
}

bool Commit(QSaveFile& file) {
    if (Refused(Call::Commit, file.fileName())) {
        file.cancelWriting();
        file.commit(); // drops the new file now, as a failed commit does
        return false;
    }
    return file.commit();
}

bool Copy(const QString& from, const QString& to) {
    if (Refused(Call::Copy, to))
        return false;
    return QFile::copy(from, to);
}

bool Rename(const QString& from, const QString& to) {
    if (Refused(Call::Rename, to))
        return false;
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool Remove(const QString& path) {
    if (Refused(Call::Remove, path))
        return false;
    return QFile::remove(path);
}

} // namespace platform::fileops
