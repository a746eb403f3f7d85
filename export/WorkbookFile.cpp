#include "export/WorkbookFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vokg {

QString DefaultWorkbookPath() {
    // A desktop without a documents folder (or one the settings name but nobody created) gets
    // the workbook in the home folder: never a name relative to wherever the program started.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QFileInfo folder(documents);
    const QString chosen =
        !documents.isEmpty() && folder.isAbsolute() && folder.isDir() ? documents : QDir::homePath();
    return QDir(QDir(chosen).absolutePath()).filePath(QString::fromLatin1(kWorkbookFileName));
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
