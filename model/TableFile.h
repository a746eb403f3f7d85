#pragma once

#include <QByteArray>
#include <QString>

namespace vokg {

// Every table of a data file is a fixed 8192-byte record.
constexpr int kTableSize = 8192;
constexpr qint64 kDesignFileSize = 8 * kTableSize;   // .dsg: 8 tables
constexpr qint64 kMachineFileSize = 16 * kTableSize; // .dat: 16 tables

// A table is passed as the 1-based byte position of its first byte.
constexpr qint64 TablePosition(int tableNumber) {
    return qint64(tableNumber - 1) * kTableSize + 1;
}
constexpr int TableNumber(qint64 position) {
    return int((position - 1) / kTableSize) + 1;
}
constexpr qint64 TableOffset(qint64 position) {
    return position - 1;
}

// Reads the whole table that starts at `position` from the file; throws hlpkit::RunError
// (53 file not found, 75 access error, 62 when the file ends inside the table).
QByteArray ReadTableBytes(const QString& path, qint64 position);

[[noreturn]] void RaiseOutOfRange();

// Checked access to a table image: throws RunError 9 (subscript out of range) for an offset
// outside it. Inline: every value of every table read goes through here.
inline int ByteAt(const QByteArray& bytes, qint64 offset) {
    if (offset < 0 || offset >= bytes.size())
        RaiseOutOfRange();
    return static_cast<unsigned char>(bytes.constData()[offset]);
}
inline int WordAt(const QByteArray& bytes, qint64 offset) { // big-endian, 0..65535
    return ByteAt(bytes, offset) * 256 + ByteAt(bytes, offset + 1);
}
void PutByte(QByteArray& bytes, qint64 offset, int value); // value must be 0..255, else RunError 6
void PutWord(QByteArray& bytes, qint64 offset, int value); // value must be 0..65535, else RunError 6

} // namespace vokg
