#include "export/WorkbookFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vokg {

QString DefaultWorkbookPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QString::fromLatin1(kWorkbookFileName));
}

bool ProbeWorkbookFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    if (!file.isFile())
        return false;
    const QString backup = file.dir().filePath(QStringLiteral("bak_") + file.fileName());
    if (QFileInfo::exists(backup) && !QFile::remove(backup))
        return false;
    if (!QFile::copy(path, backup))
        return false;
    if (!QFile::remove(path)) {
        QFile::remove(backup);
        return false;
    }
    if (!QFile::copy(backup, path)) {
        // Never leave the user without the file: the copy takes its place again.
        QFile::rename(backup, path);
        return false;
    }
    return QFile::remove(backup);
}

} // namespace vokg
