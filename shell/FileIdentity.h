#pragma once

#include <QByteArray>
#include <QString>

namespace vokg {

// What a data file held when this run last read or wrote it: a save that finds the file
// different has another program's changes in front of it.
struct FileIdentity {
    QString path; // absolute; empty: nothing recorded
    qint64 size = -1;
    qint64 modifiedMs = 0; // modification time, milliseconds since the epoch
    QByteArray hash;       // SHA-256 of the bytes

    bool operator==(const FileIdentity&) const = default;
};

} // namespace vokg
