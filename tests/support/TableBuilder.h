#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace testsupport {

// Builds a data-file image of whole 8192-byte tables byte by byte, so that a test shows the
// bytes it relies on. Tables are numbered from 1 and offsets count from the table's first byte.
class TableBuilder {
public:
    static constexpr int kTableSize = 8192;

    explicit TableBuilder(int tableCount = 1);

    // Gives every byte of the image a value that differs from its neighbours, so a byte that a
    // save should not have touched is recognisable afterwards.
    TableBuilder& FillPattern();

    TableBuilder& Byte(int table, qint64 offset, int value);
    TableBuilder& Word(int table, qint64 offset, int value); // big-endian, most significant first
    TableBuilder& Bytes(int table, qint64 offset, QByteArrayView bytes);

    // Drops the image's tail so that it ends `length` bytes into table `table`.
    TableBuilder& CutInside(int table, qint64 length);

    const QByteArray& Image() const { return image_; }

    // Writes the image to `path`; false when the file cannot be written.
    bool WriteTo(const QString& path) const;

    // The value FillPattern gives the byte at 0-based file offset `fileOffset`.
    static int PatternByte(qint64 fileOffset);

    // The 0-based file offset of `offset` within table `table`.
    static qint64 FileOffset(int table, qint64 offset);

private:
    QByteArray image_;
};

} // namespace testsupport
