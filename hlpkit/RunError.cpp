#include "hlpkit/RunError.h"

#include <QFile>
#include <QFileInfo>

namespace hlpkit {

QString StandardErrorText(int code) {
    switch (code) {
    case 5:
        return QStringLiteral("Invalid procedure call or argument");
    case 6:
        return QStringLiteral("Overflow");
    case 7:
        return QStringLiteral("Out of memory");
    case 9:
        return QStringLiteral("Subscript out of range");
    case 11:
        return QStringLiteral("Division by zero");
    case 13:
        return QStringLiteral("Type mismatch");
    case 52:
        return QStringLiteral("Bad file name or number");
    case 53:
        return QStringLiteral("File not found");
    case 54:
        return QStringLiteral("Bad file mode");
    case 55:
        return QStringLiteral("File already open");
    case 57:
        return QStringLiteral("Device I/O error");
    case 58:
        return QStringLiteral("File already exists");
    case 61:
        return QStringLiteral("Disk full");
    case 62:
        return QStringLiteral("Input past end of file");
    case 67:
        return QStringLiteral("Too many files");
    case 68:
        return QStringLiteral("Device unavailable");
    case 70:
        return QStringLiteral("Permission denied");
    case 71:
        return QStringLiteral("Disk not ready");
    case 75:
        return QStringLiteral("Path/File access error");
    case 76:
        return QStringLiteral("Path not found");
    case 91:
        return QStringLiteral("Object variable or With block variable not set");
    case 94:
        return QStringLiteral("Invalid use of Null");
    case 457:
        return QStringLiteral("This key is already associated with an element of this collection");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

QByteArray ReadFileOrRaise(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(QFileInfo::exists(path) ? PermissionDenied : FileNotFound,
                       QStringLiteral("%1: %2 cannot be read: %3")
                           .arg(StandardErrorText(PathFileAccessError), path, file.errorString()));
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw RunError(PathFileAccessError,
                       QStringLiteral("%1: %2 cannot be read: %3")
                           .arg(StandardErrorText(PathFileAccessError), path, file.errorString()));
    return bytes;
}

} // namespace hlpkit
