#include "platform/ProcessList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace platform {
namespace {

// Reads a small pseudo-file; their reported size is 0, so read until the end.
QByteArray ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

bool IsProcessFolder(const QString& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar ch) { return ch.isDigit(); });
}

} // namespace

ProcessList::ProcessList(QString procRoot) : procRoot_(std::move(procRoot)) {}

QString ProcessList::BaseNameOf(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QSet<QString> ProcessList::BaseNames() const {
    QSet<QString> names;
    const QDir root(procRoot_);
    for (const QString& pid : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!IsProcessFolder(pid))
            continue;
        const QString folder = root.filePath(pid);
        // The executable link cannot be read for other users' processes; the other two can.
        QString executable = QFileInfo(folder + QStringLiteral("/exe")).symLinkTarget();
        if (!executable.isEmpty()) {
            // A replaced or removed executable keeps running under its old name.
            const QLatin1StringView deleted(" (deleted)");
            if (executable.endsWith(deleted))
                executable.chop(deleted.size());
            names.insert(BaseNameOf(executable));
        }
        const QByteArray command = ReadSmallFile(folder + QStringLiteral("/comm")).trimmed();
        if (!command.isEmpty())
            names.insert(QString::fromUtf8(command));
        const QByteArray arguments = ReadSmallFile(folder + QStringLiteral("/cmdline"));
        const qsizetype end = arguments.indexOf('\0');
        const QByteArray first = end < 0 ? arguments : arguments.left(end);
        if (!first.isEmpty())
            names.insert(BaseNameOf(QString::fromUtf8(first)));
    }
    names.remove(QString());
    return names;
}

bool ProcessList::IsRunning(const QString& exactBaseName) const {
    return !exactBaseName.isEmpty() && BaseNames().contains(exactBaseName);
}

} // namespace platform
