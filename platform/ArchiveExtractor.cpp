#include "platform/ArchiveExtractor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace platform {
namespace {

struct ReadDeleter {
    void operator()(archive* handle) const { archive_read_free(handle); }
};
struct WriteDeleter {
    void operator()(archive* handle) const { archive_write_free(handle); }
};
using ArchiveReader = std::unique_ptr<archive, ReadDeleter>;
using DiskWriter = std::unique_ptr<archive, WriteDeleter>;

QString ErrorOf(archive* handle) {
    const char* text = archive_error_string(handle);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("unknown archive error");
}

// The archive comes from elsewhere: its member names decide where bytes land, so every
// name is judged before anything is written. Both separators count, since the archive may
// have been packed on a system that uses the backslash.
std::optional<QString> WhyRefused(archive_entry* entry, const QByteArray& name) {
    if (name.isEmpty())
        return QStringLiteral("the member has no name");
    if (name.startsWith('/') || name.startsWith('\\'))
        return QStringLiteral("absolute member name");
    if (name.size() >= 2 && name.at(1) == ':' && std::isalpha(static_cast<unsigned char>(name.at(0))))
        return QStringLiteral("member name with a drive letter");
    qsizetype start = 0;
    while (start <= name.size()) {
        qsizetype end = start;
        while (end < name.size() && name.at(end) != '/' && name.at(end) != '\\')
            ++end;
        if (name.sliced(start, end - start) == "..")
            return QStringLiteral("member name leads out of the folder (\"..\")");
        start = end + 1;
    }
    if (archive_entry_hardlink(entry))
        return QStringLiteral("hard link member");
    if (archive_entry_filetype(entry) == AE_IFLNK || archive_entry_symlink(entry))
        return QStringLiteral("symbolic link member");
    const auto type = archive_entry_filetype(entry);
    if (type != AE_IFREG && type != AE_IFDIR)
        return QStringLiteral("member is neither a file nor a folder");
    return std::nullopt;
}

QString ListRefused(const QList<RefusedMember>& refused) {
    QStringList parts;
    for (const RefusedMember& member : refused)
        parts << QStringLiteral("\"%1\" (%2)").arg(member.name, member.reason);
    return parts.join(QStringLiteral(", "));
}

ExtractResult Failure(const QString& archivePath, const QString& why) {
    ExtractResult result;
    result.message =
        QStringLiteral("Cannot extract \"%1\": %2").arg(QDir::toNativeSeparators(archivePath), why);
    return result;
}

// The folder could not take what was extracted (full, read-only, over quota): the system's reason
// is what the user needs to hear.
ExtractResult FolderFailure(const QString& archivePath, const QString& folder, const QString& what,
                            int error) {
    ExtractResult result;
    result.folderError = error != 0 ? error : EIO;
    result.message = QStringLiteral("Cannot extract \"%1\" into \"%2\": %3: %4")
                         .arg(QDir::toNativeSeparators(archivePath), QDir::toNativeSeparators(folder), what,
                              QString::fromLocal8Bit(std::strerror(result.folderError)));
    return result;
}

// What went wrong with one member: its data (the archive's fault) or the folder.
struct MemberFault {
    QString why;
    int folderError = 0;
};

// Copies one member's data; the reader checks the member's CRC as its last block is read. The
// data must be as long as the member's header says: for a stored member the reader gives what
// the archive holds, and the disk writer would pad a short member with NUL bytes up to the size
// in the header (or cut a long one) without a word.
std::optional<MemberFault> CopyData(archive* reader, archive* writer, archive_entry* entry) {
    const bool sized = archive_entry_size_is_set(entry);
    const la_int64_t declared = archive_entry_size(entry);
    la_int64_t end = 0;
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK)
            return MemberFault{QStringLiteral("damaged data: %1").arg(ErrorOf(reader))};
        end = std::max(end, offset + la_int64_t(size));
        // Data past the declared size is only counted, so that the report can say how much.
        if (sized && end > declared)
            continue;
        if (archive_write_data_block(writer, block, size, offset) != ARCHIVE_OK)
            return MemberFault{QString(), archive_errno(writer)};
    }
    if (sized && declared != end)
        return MemberFault{QStringLiteral("%1 bytes where the header says %2").arg(end).arg(declared)};
    return std::nullopt;
}

// The first folder on the way to a member (the member itself too, when it is a folder) that is a
// link in the target folder: "sub/Set01.e" would land wherever the link "sub" points, outside.
std::optional<QString> LinkOnTheWay(const QString& targetFolder, const QByteArray& member, bool isFolder) {
    const QStringList parts = QFile::decodeName(member).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = targetFolder;
    QString relative;
    for (qsizetype i = 0; i < parts.size() - (isFolder ? 0 : 1); ++i) {
        path += QLatin1Char('/') + parts.at(i);
        relative += (relative.isEmpty() ? QString() : QStringLiteral("/")) + parts.at(i);
        if (QFileInfo(path).isSymLink())
            return relative;
    }
    return std::nullopt;
}

} // namespace

bool ArchiveExtractor::SupportsLha() {
    const ArchiveReader reader(archive_read_new());
    return reader && archive_read_support_format_lha(reader.get()) == ARCHIVE_OK;
}

ExtractResult ArchiveExtractor::ExtractAll(const QString& archivePath, const QString& targetFolder) {
    if (targetFolder.isEmpty() || !QFileInfo(targetFolder).isDir())
        return Failure(
            archivePath,
            QStringLiteral("the folder \"%1\" does not exist").arg(QDir::toNativeSeparators(targetFolder)));
    if (!QFileInfo(archivePath).isFile())
        return Failure(archivePath, QStringLiteral("the archive does not exist"));

    // Staging inside the target keeps the final move a rename on one file system.
    errno = 0;
    QTemporaryDir staging(QDir(targetFolder).filePath(QStringLiteral(".extract-XXXXXX")));
    if (!staging.isValid())
        return FolderFailure(archivePath, targetFolder, QStringLiteral("cannot create a staging folder"),
                             errno);
    // The writer refuses to pass through a symbolic link anywhere on the path, so the
    // staging path must be free of them itself (a linked home or temporary folder).
    const QString stagingPath = QFileInfo(staging.path()).canonicalFilePath();
    const QByteArray stagingBytes = QFile::encodeName(stagingPath);

    const ArchiveReader reader(archive_read_new());
    const DiskWriter writer(archive_write_disk_new());
    if (!reader || !writer)
        return Failure(archivePath, QStringLiteral("out of memory"));
    archive_read_support_format_lha(reader.get());
    // The staged path is absolute by construction, so the absolute-path guard cannot be
    // used for it; the member names themselves were refused above when absolute.
    archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                     ARCHIVE_EXTRACT_SECURE_SYMLINKS);
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 64 * 1024) !=
        ARCHIVE_OK)
        return Failure(archivePath, ErrorOf(reader.get()));

    ExtractResult result;
    QList<QByteArray> stagedFiles; // raw member names of regular files, archive order, unique
    QList<QByteArray> stagedFolders;
    int members = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            return Failure(archivePath, QStringLiteral("damaged archive after %1 member(s): %2")
                                            .arg(members)
                                            .arg(ErrorOf(reader.get())));
        ++members;
        const char* rawName = archive_entry_pathname(entry);
        const QByteArray name = rawName ? QByteArray(rawName) : QByteArray();
        const QString shownName = QFile::decodeName(name);
        if (const auto why = WhyRefused(entry, name)) {
            result.refused.append({shownName, *why});
            archive_read_data_skip(reader.get());
            continue;
        }
        if (!result.refused.isEmpty()) {
            // Nothing of this archive will be used; read on only to name every bad member.
            archive_read_data_skip(reader.get());
            continue;
        }
        archive_entry_set_pathname(entry, QByteArray(stagingBytes + '/' + name).constData());
        const QString cannotWrite = QStringLiteral("member \"%1\" cannot be written").arg(shownName);
        if (archive_write_header(writer.get(), entry) != ARCHIVE_OK)
            return FolderFailure(archivePath, targetFolder, cannotWrite, archive_errno(writer.get()));
        if (archive_entry_filetype(entry) == AE_IFREG) {
            if (const auto fault = CopyData(reader.get(), writer.get(), entry))
                return fault->why.isEmpty()
                           ? FolderFailure(archivePath, targetFolder, cannotWrite, fault->folderError)
                           : Failure(archivePath,
                                     QStringLiteral("member \"%1\": %2").arg(shownName, fault->why));
            if (!stagedFiles.contains(name))
                stagedFiles.append(name);
        } else if (!stagedFolders.contains(name)) {
            stagedFolders.append(name);
        }
        if (archive_write_finish_entry(writer.get()) != ARCHIVE_OK)
            return FolderFailure(archivePath, targetFolder, cannotWrite, archive_errno(writer.get()));
    }
    if (!result.refused.isEmpty()) {
        ExtractResult refused =
            Failure(archivePath, QStringLiteral("refused member(s) ") + ListRefused(result.refused));
        refused.refused = result.refused;
        return refused;
    }
    if (members == 0)
        return Failure(archivePath, QStringLiteral("the archive holds no members"));

    const QByteArray targetBytes = QFile::encodeName(QFileInfo(targetFolder).absoluteFilePath());
    QDir target(targetFolder);
    // Judged for every member before the first is moved, so that a refusal moves none.
    for (const bool folders : {true, false}) {
        for (const QByteArray& member : folders ? stagedFolders : stagedFiles) {
            if (const std::optional<QString> link = LinkOnTheWay(targetFolder, member, folders))
                return Failure(archivePath,
                               QStringLiteral("the folder \"%1\" on the way to the member \"%2\" is a "
                                              "link; nothing is written through it")
                                   .arg(*link, QFile::decodeName(member)));
        }
    }
    for (const QByteArray& folder : stagedFolders) {
        errno = 0;
        if (!target.mkpath(QFile::decodeName(folder)))
            return FolderFailure(
                archivePath, targetFolder,
                QStringLiteral("the folder \"%1\" cannot be created").arg(QFile::decodeName(folder)), errno);
    }
    for (const QByteArray& file : stagedFiles) {
        const QString shownName = QFile::decodeName(file);
        const QString parent = QFileInfo(shownName).path();
        errno = 0;
        if (parent != QStringLiteral(".") && !target.mkpath(parent))
            return FolderFailure(archivePath, targetFolder,
                                 QStringLiteral("the folder \"%1\" cannot be created").arg(parent), errno);
        // rename(2) replaces an existing file in one step, so a reader never sees half a table.
        const QByteArray from = stagingBytes + '/' + file;
        const QByteArray to = targetBytes + '/' + file;
        if (std::rename(from.constData(), to.constData()) != 0) {
            ExtractResult partial =
                FolderFailure(archivePath, targetFolder,
                              QStringLiteral("\"%1\" cannot be put in place").arg(shownName), errno);
            partial.extracted = result.extracted;
            return partial;
        }
        result.extracted.append(shownName);
    }
    result.ok = true;
    return result;
}

} // namespace platform
