#include "shell/messages/ByteOrder.h"

namespace vokg {

namespace {

bool Inside(const QByteArray& data, qsizetype offset, qsizetype length) {
    return offset >= 0 && offset <= data.size() - length;
}

std::uint8_t ByteAt(const QByteArray& data, qsizetype offset) {
    return static_cast<std::uint8_t>(data.at(offset));
}

} // namespace

std::optional<std::uint16_t> ReadBigEndian16(const QByteArray& data, qsizetype offset) {
    if (!Inside(data, offset, 2))
        return std::nullopt;
    return FromBigEndian16(ByteAt(data, offset), ByteAt(data, offset + 1));
}

std::optional<std::uint32_t> ReadBigEndian32(const QByteArray& data, qsizetype offset) {
    if (!Inside(data, offset, 4))
        return std::nullopt;
    return FromBigEndian32(
        {ByteAt(data, offset), ByteAt(data, offset + 1), ByteAt(data, offset + 2), ByteAt(data, offset + 3)});
}

bool WriteBigEndian16(QByteArray& data, qsizetype offset, std::uint16_t value) {
    if (!Inside(data, offset, 2))
        return false;
    const auto bytes = ToBigEndian16(value);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        data[offset + static_cast<qsizetype>(i)] = static_cast<char>(bytes[i]);
    return true;
}

bool WriteBigEndian32(QByteArray& data, qsizetype offset, std::uint32_t value) {
    if (!Inside(data, offset, 4))
        return false;
    const auto bytes = ToBigEndian32(value);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        data[offset + static_cast<qsizetype>(i)] = static_cast<char>(bytes[i]);
    return true;
}

} // namespace vokg
