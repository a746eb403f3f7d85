#include "platform/FileOps.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The machine's name as it goes into a new file's name: letters and digits only, at most 16.
const QString& HostTag() {
    static const QString tag = [] {
        QString letters;
        for (const QChar c : QSysInfo::machineHostName())
            if (c.unicode() < 0x80 && c.isLetterOrNumber() && letters.size() < 16)
                letters.append(c);
        return letters;
    }();
    return tag;
}

QString LeftoverStart(const QString& targetName) {
    return u'.' + targetName + QStringLiteral(".vokg-");
}

// Syncs the folder, so that the rename itself outlives a power cut. A folder that cannot be
// synced (some network shares) leaves the rename as durable as the system makes it.
void SyncFolder(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

QString NewFilePrefix(const QString& target, qint64 pid) {
    const QFileInfo info(target);
    return info.absolutePath() + u'/' + LeftoverStart(info.fileName()) + HostTag() + u'-' +
           QString::number(pid) + u'-';
}

void SweepLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QString start = LeftoverStart(info.fileName());
    static const QRegularExpression rest(
        QStringLiteral("^([A-Za-z0-9]{0,16})-([1-9][0-9]{0,9})-[A-Za-z0-9]{6}$"));
    const QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!name.startsWith(start))
            continue;
        const QRegularExpressionMatch match = rest.match(QStringView(name).mid(start.size()));
        if (!match.hasMatch() || match.captured(1) != HostTag())
            continue;
        bool number = false;
        const qint64 pid = match.captured(2).toLongLong(&number);
        if (!number || pid <= 0 || pid > 0x7fffffff || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue; // running, or not ours to ask about: kept
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat status {};
        if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode))
            ::unlink(path.constData());
    }
}

NewFile::NewFile(const QString& target) : target_(QFileInfo(target).absoluteFilePath()) {}

NewFile::~NewFile() {
    if (file_.isOpen())
        file_.close();
    Drop();
}

QString NewFile::ErrorString() const {
    return error_.isEmpty() ? file_.errorString() : error_;
}

void NewFile::Drop() {
    if (!created_)
        return;
    created_ = false;
    const int saved = errno;
    ::unlink(QFile::encodeName(name_).constData());
    errno = saved;
}

bool Open(NewFile& file, QIODevice::OpenMode mode) {
    SweepLeftovers(file.target_);
    const QString prefix = NewFilePrefix(file.target_, ::getpid());
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < 6; ++i)
            name.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]));
        if (Refused(Call::Open, name)) {
            file.error_ = SystemReason(errno);
            return false;
        }
        const QByteArray encoded = QFile::encodeName(name);
        const int descriptor = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            file.error_ = SystemReason(errno);
            return false;
        }
        file.created_ = true;
        file.name_ = name;
        file.file_.name = name;
        // The new version keeps what the user allowed on the old one.
        struct stat old {};
        if (::stat(QFile::encodeName(file.target_).constData(), &old) == 0)
            ::fchmod(descriptor, old.st_mode & 07777);
        if (!file.file_.open(descriptor, mode | QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            file.error_ = file.file_.errorString();
            file.Drop();
            return false;
        }
        file.error_.clear();
        return true;
    }
    file.error_ = QStringLiteral("no free name for the new file beside it");
    return false;
}

bool Commit(NewFile& file) {
    QFile& device = file.file_;
    auto fail = [&](int error) {
        file.error_ = SystemReason(error);
        if (device.isOpen())
            device.close();
        file.Drop();
        errno = error;
        return false;
    };
    if (!file.created_ || !device.isOpen())
        return fail(EBADF);
    if (Refused(Call::Commit, file.name_))
        return fail(errno);
    if (!device.flush()) {
        file.error_ = device.errorString();
        device.close();
        file.Drop();
        return false;
    }
    if (::fsync(device.handle()) != 0)
        return fail(errno);
    device.close();
    if (device.error() != QFileDevice::NoError) {
        file.error_ = device.errorString();
        file.Drop();
        return false;
    }
    if (std::rename(QFile::encodeName(file.name_).constData(), QFile::encodeName(file.target_).constData()) !=
        0)
        return fail(errno);
    file.created_ = false;
    SyncFolder(QFileInfo(file.target_).absolutePath());
    return true;
}

} // namespace platform::fileops
