#include "shell/RecentFiles.h"

#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SettingKeys.h"

#include <QDir>
#include <QFileInfo>

namespace vokg {
namespace {

QString Absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(ProgramSettings& settings) : settings_(settings) {}

QStringList RecentFiles::Files() const {
    QStringList files;
    for (const TextSetting& key : kRecentFiles) {
        const QString file = settings_.Get(key);
        // A gap or a repeat (a settings file edited by hand) is not shown twice or as a blank item.
        if (!file.isEmpty() && !files.contains(file))
            files.append(file);
    }
    return files;
}

void RecentFiles::Add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString file = Absolute(path);
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    Store(files);
}

void RecentFiles::Remove(const QString& path) {
    QStringList files = Files();
    if (files.removeAll(path) + files.removeAll(Absolute(path)) > 0)
        Store(files);
}

void RecentFiles::Store(const QStringList& files) {
    for (int index = 0; index < kMaximum; ++index)
        settings_.Set(kRecentFiles[index], index < files.size() ? files[index] : QString());
}

} // namespace vokg
