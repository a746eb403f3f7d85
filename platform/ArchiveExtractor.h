#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A member the extractor would not write, and why.
struct RefusedMember {
    QString name;
    QString reason;
};

// The outcome of one extraction: either every member is in place, or none was moved there.
struct ExtractResult {
    bool ok = false;
    QString message;       // empty on success; otherwise what went wrong, member names included
    QStringList extracted; // member names now in the target folder, in archive order
    QList<RefusedMember> refused;
    // The system's error number when the folder could not take the files (full, read-only, over
    // quota); 0 when all went well or the archive itself was at fault.
    int folderError = 0;
};

// Unpacks the definition archive (LHA, "-lh5-" and the other LHA methods).
class ArchiveExtractor {
public:
    // True when the linked archive reader reads LHA archives at all.
    static bool SupportsLha();

    // Extracts every member of `archivePath` into `targetFolder`, replacing files of the same
    // name. A member that would land outside the folder (absolute name, "..", a link) makes
    // the whole archive refused; a member whose data fails its check does the same. In both
    // cases nothing is written into the folder: members are unpacked into a private staging
    // folder first and moved into place only after the last one has been read intact.
    static ExtractResult ExtractAll(const QString& archivePath, const QString& targetFolder);
};

} // namespace platform
