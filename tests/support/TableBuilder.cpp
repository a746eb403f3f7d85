#include "tests/support/TableBuilder.h"

#include <QFile>

#include <stdexcept>

namespace testsupport {

TableBuilder::TableBuilder(int tableCount) : image_(qsizetype(tableCount) * kTableSize, '\0') {}

int TableBuilder::PatternByte(qint64 fileOffset) {
    // 251 is prime and not a multiple of any table-layout stride, so neighbouring bytes, words
    // and tables all differ.
    return int((fileOffset * 7 + fileOffset / 251 + 1) % 256);
}

qint64 TableBuilder::FileOffset(int table, qint64 offset) {
    return qint64(table - 1) * kTableSize + offset;
}

TableBuilder& TableBuilder::FillPattern() {
    for (qsizetype i = 0; i < image_.size(); ++i)
        image_[i] = static_cast<char>(PatternByte(i));
    return *this;
}

TableBuilder& TableBuilder::Byte(int table, qint64 offset, int value) {
    const qint64 at = FileOffset(table, offset);
    if (at < 0 || at >= image_.size() || value < 0 || value > 255)
        throw std::out_of_range("TableBuilder::Byte outside the image or the byte range");
    image_[at] = static_cast<char>(value);
    return *this;
}

TableBuilder& TableBuilder::Word(int table, qint64 offset, int value) {
    if (value < 0 || value > 0xFFFF)
        throw std::out_of_range("TableBuilder::Word outside the word range");
    Byte(table, offset, value >> 8);
    return Byte(table, offset + 1, value & 0xFF);
}

TableBuilder& TableBuilder::Bytes(int table, qint64 offset, QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        Byte(table, offset + i, static_cast<unsigned char>(bytes.at(i)));
    return *this;
}

TableBuilder& TableBuilder::CutInside(int table, qint64 length) {
    image_.truncate(FileOffset(table, length));
    return *this;
}

bool TableBuilder::WriteTo(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(image_) == image_.size();
}

} // namespace testsupport
