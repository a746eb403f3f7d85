#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/HlpObject.h"

#include <QString>

class QWidget;

namespace hlpkit {

// File, folder and drive helpers.
class HLPKIT_EXPORT CFILE : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }

    // The shell's numbered special folders this platform has a place for:
    enum SpecialFolder : int {
        Desktop = 0,           // the desktop
        Personal = 5,          // the personal documents folder
        MyMusic = 13,          // music
        MyVideo = 14,          // videos
        DesktopDirectory = 16, // the desktop's folder
        AppData = 26,          // per-user application data
        LocalAppData = 28,     // per-user local application data
        MyPictures = 39,       // pictures
    };
    // The folder's path, or "" when the identifier has no place here or the folder does not
    // exist. `owner` is accepted for the callers' sake.
    QString GetSpecialFolder(QWidget* owner, int folderId);

    // The folder of the system's shared libraries: the folder the C library was loaded from,
    // "/usr/lib" when that cannot be told.
    QString SystemDirectory();

    // The program's private temporary folder, with a trailing "/": a folder of this user's only
    // (mode 0700), never a shared predictable name another user could have placed first.
    // "" (reported) when no safe folder can be had.
    QString TempPath();

    // Whether a file can be created in `path` (a folder): creates a file without a name there
    // (it vanishes when closed, so no probe is ever left behind) and writes two bytes; where the
    // file system has no unnamed files, asks the system whether this user may create files
    // there. A refused or unavailable folder gives false silently; any other failure (a missing
    // folder, a full disk) is reported.
    bool IsWritable(const QString& path);

    // The first free name Head + five-digit counter + "." + Ext in `folder`, which must end
    // with "/" (the name is joined to it directly). "" (reported) when all 32767 are taken.
    QString MyFName(const QString& folder, const QString& head, const QString& ext);

    // `fullName` with its extension replaced by `ext` (given without the dot). Only the file
    // name part is looked at, so a dot in a folder name is never taken for the extension; a
    // name without a dot gets "." + ext appended.
    QString ReplaceExt(const QString& fullName, const QString& ext);

private:
    CMethod method_;
};

} // namespace hlpkit
