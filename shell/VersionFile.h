#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace hlpkit {
class CMethod;
}

namespace vokg {

// The machine's version-information file (.vok): a 17-byte record whose bytes 1 to 9 hold the
// maker's version text and bytes 14 to 17 four key digits, each byte stored as a simple
// substitution of its character. Later bytes are never read.
class VersionFile {
public:
    static constexpr int kRecordLength = 17;

    // The decoded version text of the file; std::nullopt after a report through ErrReg under
    // "ReadVersionVok" (a file that cannot be read or is shorter than the record, a byte that
    // stands for no character). A text may be empty: byte 1 holding 0 ends it at once.
    static std::optional<QString> ReadVersionVok(const QString& path, hlpkit::CMethod& method);

    // The text of a record of at least 17 bytes; throws hlpkit::RunError as ReadVersionVok reports.
    static QString Decode(QByteArrayView record);
};

} // namespace vokg
