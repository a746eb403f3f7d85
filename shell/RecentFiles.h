#pragma once

#include <QString>
#include <QStringList>

namespace vokg {

class ProgramSettings;

// The files opened last, most recent first, at most eight and each once, kept in the settings
// (kRecentFiles). A file that has gone stays listed until it is picked: the list shows what was
// opened, and only picking it finds out and takes it off.
class RecentFiles {
public:
    explicit RecentFiles(ProgramSettings& settings);

    QStringList Files() const;
    // Puts the file first (by its absolute path), dropping an older entry of the same file and
    // the ninth.
    void Add(const QString& path);
    void Remove(const QString& path);

    static constexpr int kMaximum = 8;

private:
    void Store(const QStringList& files);

    ProgramSettings& settings_;
};

} // namespace vokg
