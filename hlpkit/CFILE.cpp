#include "hlpkit/CFILE.h"

#include "hlpkit/RunError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <gnu/libc-version.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace hlpkit {

const QUuid CFILE::kClassId{0xa450c061, 0x18ae, 0x4afe, 0x9d, 0x24, 0x9e, 0x3c, 0x40, 0x12, 0x47, 0x34};
const QUuid CFILE::kInterfaceId{0x88f5b532, 0x8c4c, 0x4099, 0x99, 0xe9, 0xe5, 0x30, 0x41, 0xda, 0x53, 0x4f};

namespace {

constexpr int kMaxNameCounter = 32767;

// The classic code for a failed file-system call, so that callers see the usual texts.
int CodeForErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return DeviceUnavailable;
    case EIO:
        return 57;
    case ENOSPC:
    case EDQUOT:
        return 61;
    case ENOENT:
    case ENOTDIR:
        return PathNotFound;
    case EEXIST:
        return 58;
    case ENAMETOOLONG:
        return BadFileName;
    case EMFILE:
    case ENFILE:
        return 67;
    default:
        return PathFileAccessError;
    }
}

[[noreturn]] void RaiseErrno(const QString& path) {
    int code = CodeForErrno(errno);
    throw RunError(code, StandardErrorText(code) + QStringLiteral(": ") + path);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now so that a failing close is seen; the destructor then has nothing to do.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool EntryExists(const QString& path) {
    QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A folder fit for working copies: a real folder (not a link to one), owned by this user
// and closed to everyone else.
void CheckPrivateFolder(const QString& folder) {
    struct stat status {};
    QByteArray name = QFile::encodeName(folder);
    if (::lstat(name.constData(), &status) != 0)
        RaiseErrno(folder);
    QString why;
    if (S_ISLNK(status.st_mode))
        why = QStringLiteral("it is a link");
    else if (!S_ISDIR(status.st_mode))
        why = QStringLiteral("it is not a folder");
    else if (status.st_uid != ::geteuid())
        why = QStringLiteral("it belongs to user %1").arg(status.st_uid);
    else if ((status.st_mode & 077) != 0)
        why =
            QStringLiteral("others may use it: mode %1").arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
    if (!why.isEmpty())
        throw RunError(PermissionDenied, StandardErrorText(PermissionDenied) +
                                             QStringLiteral(": not a private folder of this user: ") +
                                             folder + QStringLiteral(" (") + why + QStringLiteral(")"));
}

bool IsPrivateFolder(const QString& folder) {
    try {
        CheckPrivateFolder(folder);
        return true;
    } catch (const RunError&) {
        return false;
    }
}

} // namespace

QString CFILE::GetSpecialFolder(QWidget* owner, int folderId) {
    Q_UNUSED(owner);
    return Guarded(method_, QStringLiteral("GetSpecialFolder"), QString(), [&] {
        std::optional<QStandardPaths::StandardLocation> location;
        switch (folderId) {
        case Desktop:
        case DesktopDirectory:
            location = QStandardPaths::DesktopLocation;
            break;
        case Personal:
            location = QStandardPaths::DocumentsLocation;
            break;
        case MyMusic:
            location = QStandardPaths::MusicLocation;
            break;
        case MyVideo:
            location = QStandardPaths::MoviesLocation;
            break;
        case AppData:
        case LocalAppData:
            location = QStandardPaths::GenericDataLocation;
            break;
        case MyPictures:
            location = QStandardPaths::PicturesLocation;
            break;
        default:
            return QString();
        }
        QString path = QStandardPaths::writableLocation(*location);
        // A name without a folder behind it is no location: files saved there would fail later.
        if (path.isEmpty() || !QFileInfo(path).isDir())
            return QString();
        return path;
    });
}

QString CFILE::SystemDirectory() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&gnu_get_libc_version), &info) != 0 &&
        info.dli_fname != nullptr) {
        QFileInfo library(QFile::decodeName(info.dli_fname));
        if (library.isAbsolute())
            return library.canonicalPath();
    }
    return QStringLiteral("/usr/lib");
}

QString CFILE::TempPath() {
    return Guarded(method_, QStringLiteral("TempPath"), QString(), [&] {
        // The per-user runtime folder is private by design; the shared temporary folder is not,
        // so a folder of our own is made there and checked before every use.
        QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QString base = (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime))
                           ? runtime
                           : QDir::tempPath();
        QString folder = base + QStringLiteral("/vokg-") + QString::number(::geteuid());
        QByteArray name = QFile::encodeName(folder);
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
            RaiseErrno(folder);
        CheckPrivateFolder(folder);
        return folder + QLatin1Char('/');
    });
}

bool CFILE::IsWritable(const QString& path) {
    return Guarded(method_, QStringLiteral("IsWritable"), false, [&] {
        try {
            if (path.isEmpty())
                throw RunError(BadFileName);
            QString folder = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
            QByteArray folderName = QFile::encodeName(folder);
            // A file without a name: nothing can be left behind in the user's folder, not even
            // when the program is killed between creating the probe and deleting it.
            FileDescriptor file(::open(folderName.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
            if (file.get() < 0) {
                // File systems without unnamed files: the system's own check of the folder.
                if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                    RaiseErrno(folder);
                struct stat status {};
                if (::stat(folderName.constData(), &status) != 0)
                    RaiseErrno(folder);
                if (!S_ISDIR(status.st_mode)) {
                    errno = ENOTDIR;
                    RaiseErrno(folder);
                }
                if (::faccessat(AT_FDCWD, folderName.constData(), W_OK | X_OK, AT_EACCESS) != 0)
                    RaiseErrno(folder);
                return true;
            }
            const unsigned char two[2] = {0x01, 0x00};
            if (::write(file.get(), two, sizeof two) != ssize_t(sizeof two))
                RaiseErrno(folder);
            if (file.close() != 0)
                RaiseErrno(folder);
            return true;
        } catch (const RunError& error) {
            if (error.code == DeviceUnavailable || error.code == PermissionDenied ||
                error.code == DiskNotReady)
                return false;
            throw;
        }
    });
}

QString CFILE::MyFName(const QString& folder, const QString& head, const QString& ext) {
    return Guarded(method_, QStringLiteral("MyFName"), QString(), [&] {
        if (folder.isEmpty() || !folder.endsWith(QLatin1Char('/')))
            throw RunError(BadFileName, StandardErrorText(BadFileName) + QStringLiteral(": ") + folder);
        for (int counter = 1; counter <= kMaxNameCounter; ++counter) {
            QString name =
                head + QStringLiteral("%1").arg(counter, 5, 10, QLatin1Char('0')) + QLatin1Char('.') + ext;
            if (!EntryExists(folder + name))
                return name;
        }
        throw RunError(58, StandardErrorText(58) + QStringLiteral(": ") + folder + head +
                               QStringLiteral("*.") + ext);
    });
}

QString CFILE::ReplaceExt(const QString& fullName, const QString& ext) {
    return Guarded(method_, QStringLiteral(" ReplaceExt"), QString(), [&] {
        qsizetype nameStart = fullName.lastIndexOf(QLatin1Char('/')) + 1;
        qsizetype dot = fullName.lastIndexOf(QLatin1Char('.'));
        if (dot >= nameStart)
            return fullName.left(dot + 1) + ext;
        return fullName + QLatin1Char('.') + ext;
    });
}

} // namespace hlpkit
