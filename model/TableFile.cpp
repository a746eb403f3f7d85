#include "model/TableFile.h"

#include "hlpkit/RunError.h"

#include <QFile>
#include <QFileInfo>

namespace vokg {

QByteArray ReadTableBytes(const QString& path, qint64 position) {
    QFile file(path);
    if (!QFileInfo::exists(path))
        hlpkit::Raise(hlpkit::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        hlpkit::Raise(hlpkit::PathFileAccessError);
    if (position < 1 || !file.seek(TableOffset(position)))
        hlpkit::Raise(hlpkit::InputPastEndOfFile);
    QByteArray table = file.read(kTableSize);
    if (table.size() != kTableSize)
        hlpkit::Raise(hlpkit::InputPastEndOfFile);
    return table;
}

void RaiseOutOfRange() {
    hlpkit::Raise(hlpkit::SubscriptOutOfRange);
}

void PutByte(QByteArray& bytes, qint64 offset, int value) {
    if (offset < 0 || offset >= bytes.size())
        hlpkit::Raise(hlpkit::SubscriptOutOfRange);
    if (value < 0 || value > 255)
        hlpkit::Raise(hlpkit::Overflow);
    bytes[offset] = static_cast<char>(value);
}

void PutWord(QByteArray& bytes, qint64 offset, int value) {
    if (offset < 0 || offset + 1 >= bytes.size())
        hlpkit::Raise(hlpkit::SubscriptOutOfRange);
    if (value < 0 || value > 65535)
        hlpkit::Raise(hlpkit::Overflow);
    bytes[offset] = static_cast<char>(value >> 8);
    bytes[offset + 1] = static_cast<char>(value & 0xFF);
}

} // namespace vokg
