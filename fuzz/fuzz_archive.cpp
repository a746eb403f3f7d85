// The definition archive's extraction. The target folder holds, before each run, a link to a
// file and a link to a folder outside it: a member of the same name must replace a link, never
// write through it. Whatever the archive: nothing appears outside the target folder, the files
// outside keep their bytes, no link is made, and the folder ends with exactly the members the
// result reports (or, refused, with what it held before).

#include "fuzz/FuzzSupport.h"

#include "platform/ArchiveExtractor.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using fuzzing::Harness;
using fuzzing::Require;

namespace {

const QByteArray kOutsideBytes = "outside: never written\n";

// Every entry below `root` (relative paths, sorted), links marked with "@", folders with "/".
QStringList Tree(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString entry = QDir(root).relativeFilePath(path);
        if (info.isSymLink())
            entry += QLatin1Char('@');
        else if (info.isDir())
            entry += QLatin1Char('/');
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::TheHarness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness& harness = fuzzing::TheHarness();
    QDir scratch(harness.scratch.path());
    // A fresh world each time: the archive, the target folder with its two links, and what they
    // point at outside it.
    QDir(scratch.filePath(QStringLiteral("world"))).removeRecursively();
    Require(scratch.mkpath(QStringLiteral("world/target")) &&
                scratch.mkpath(QStringLiteral("world/outside/sub")),
            "the world is made");
    const QString world = scratch.filePath(QStringLiteral("world"));
    const QString target = world + QStringLiteral("/target");
    const QString outsideFile = world + QStringLiteral("/outside/Set01.e");
    const QString archive = world + QStringLiteral("/VOKG_SET.e");
    {
        QFile outside(outsideFile);
        Require(outside.open(QIODevice::WriteOnly) && outside.write(kOutsideBytes) == kOutsideBytes.size(),
                "the outside file is written");
        QFile in(archive);
        Require(in.open(QIODevice::WriteOnly) &&
                    in.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                "the archive is written");
    }
    Require(QFile::link(outsideFile, target + QStringLiteral("/Set01.e")) &&
                QFile::link(world + QStringLiteral("/outside/sub"), target + QStringLiteral("/sub")),
            "the links are made");
    const QStringList targetBefore = Tree(target);
    const QStringList outsideBefore = Tree(world + QStringLiteral("/outside"));

    const platform::ExtractResult result = platform::ArchiveExtractor::ExtractAll(archive, target);

    const QStringList worldAfter = Tree(world);
    QStringList outsideWorld;
    for (const QString& entry : worldAfter) {
        if (!entry.startsWith(QStringLiteral("target/")) && !entry.startsWith(QStringLiteral("outside/")) &&
            entry != QStringLiteral("target/") && entry != QStringLiteral("outside/") &&
            entry != QStringLiteral("VOKG_SET.e"))
            outsideWorld.append(entry);
    }
    Require(outsideWorld.isEmpty(), "nothing appears outside the target folder", outsideWorld.join(u' '));
    Require(Tree(world + QStringLiteral("/outside")) == outsideBefore, "nothing appears through a link",
            Tree(world + QStringLiteral("/outside")).join(u' '));
    Require(ReadAll(outsideFile) == kOutsideBytes, "the file behind a link keeps its bytes");

    const QStringList targetAfter = Tree(target);
    if (!result.ok) {
        Require(!result.message.isEmpty(), "a refused archive says why");
        // A folder that cannot take the files may have taken some; an archive at fault leaves it.
        if (result.folderError == 0)
            Require(targetAfter == targetBefore, "a refused archive leaves the target folder as it was",
                    targetAfter.join(u' '));
        return 0;
    }
    Require(result.message.isEmpty(), "an archive that extracts has no message");
    // What is there now: the links not replaced, every reported member as a plain file, and the
    // folders on the way to them.
    QStringList expected;
    for (const QString& before : targetBefore) {
        if (!result.extracted.contains(before.chopped(1)))
            expected.append(before);
    }
    for (const QString& member : result.extracted) {
        expected.append(member);
        for (QString parent = QFileInfo(member).path(); parent != QStringLiteral(".");
             parent = QFileInfo(parent).path())
            expected.append(parent + QLatin1Char('/'));
    }
    QStringList actual;
    for (const QString& entry : targetAfter) {
        // Folder members without files inside are reported by nothing but themselves.
        if (!entry.endsWith(QLatin1Char('/')) || expected.contains(entry))
            actual.append(entry);
    }
    expected.removeDuplicates();
    std::sort(expected.begin(), expected.end());
    Require(actual == expected, "the target folder holds the members as reported",
            actual.join(u' ') + QStringLiteral(" | ") + expected.join(u' '));
    for (const QString& member : result.extracted)
        Require(!QFileInfo(target + QLatin1Char('/') + member).isSymLink(), "an extracted member is no link",
                member);
    return 0;
}
