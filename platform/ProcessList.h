#pragma once

#include <QSet>
#include <QString>

namespace platform {

// The executable names of the processes running on this machine, read from the process
// file system. Each process counts under every name it can be known by: the base name of
// its executable file, its short command name, and the base name of its first argument.
// The last matters for programs run under a compatibility layer, whose executable is the
// layer's loader and whose first argument is a path such as "C:\Tools\Name.exe".
class ProcessList {
public:
    explicit ProcessList(QString procRoot = QStringLiteral("/proc"));

    // A fresh snapshot of every name of every running process.
    QSet<QString> BaseNames() const;

    // True when a running process is known by exactly this base name (case-sensitive).
    bool IsRunning(const QString& exactBaseName) const;

    // The part after the last "/" or "\".
    static QString BaseNameOf(const QString& path);

private:
    QString procRoot_;
};

} // namespace platform
