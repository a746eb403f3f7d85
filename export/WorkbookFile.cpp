#include "export/WorkbookFile.h"
#include "platform/FileOps.h"
#include "shell/messages/MessageIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace vokg {

WorkbookTarget CheckWorkbookTarget(const QString& path, const QStringList& filesInUse) {
    struct stat target {};
    // A file that is not there yet replaces nothing; its folder decides when it is written.
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &target) != 0)
        return WorkbookTarget::Allowed;
    for (const QString& used : filesInUse) {
        struct stat file {};
        if (!used.isEmpty() && ::stat(QFile::encodeName(used).constData(), &file) == 0 &&
            file.st_dev == target.st_dev && file.st_ino == target.st_ino)
            return WorkbookTarget::FileInUse;
    }
    // A file without any write permission is marked read-only, whoever may override that.
    if ((target.st_mode & 0222) == 0 || ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return WorkbookTarget::NotWritable;
    return WorkbookTarget::Allowed;
}

int WorkbookTargetMessage(WorkbookTarget target) {
    switch (target) {
    case WorkbookTarget::Allowed:
        return 0;
    case WorkbookTarget::FileInUse:
        return msg::WorkbookIsDataFile;
    case WorkbookTarget::NotWritable:
        return msg::WorkbookNotWritable;
    }
    return 0;
}

bool ProbeWorkbookFile(const QString& path) {
    namespace io = platform::fileops;
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    if (!file.isFile())
        return false;
    const QString backup = file.dir().filePath(QStringLiteral("bak_") + file.fileName());
    if (QFileInfo::exists(backup) && !io::Remove(backup))
        return false;
    // The copy takes the file's place by a rename: the name is replaced as the workbook's will be,
    // and at no moment is the user's workbook missing (a delete and a copy back would leave it
    // only under the backup's name, were the run killed between the two).
    if (!io::Copy(path, backup) || !io::Rename(backup, path)) {
        if (QFileInfo::exists(backup))
            io::Remove(backup);
        return false;
    }
    return true;
}

} // namespace vokg
