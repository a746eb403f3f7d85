#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

namespace vokg {

// Every word of a data file is big-endian (most significant byte first), whatever the
// machine running the program. These are plain shifts, so they read the same everywhere.

constexpr std::uint16_t FromBigEndian16(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>((high << 8) | low);
}

constexpr std::array<std::uint8_t, 2> ToBigEndian16(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}

constexpr std::uint32_t FromBigEndian32(const std::array<std::uint8_t, 4>& bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

constexpr std::array<std::uint8_t, 4> ToBigEndian32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>((value >> 16) & 0xFF),
            static_cast<std::uint8_t>((value >> 8) & 0xFF), static_cast<std::uint8_t>(value & 0xFF)};
}

// The value with its bytes in the other order: a word read in the machine's order becomes
// the stored value and back.
constexpr std::uint16_t SwapBytes16(std::uint16_t value) {
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

constexpr std::uint32_t SwapBytes32(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

// The big-endian word at `offset` of `data`; nothing when it does not lie wholly inside.
std::optional<std::uint16_t> ReadBigEndian16(const QByteArray& data, qsizetype offset);
std::optional<std::uint32_t> ReadBigEndian32(const QByteArray& data, qsizetype offset);

// Writes the word at `offset`; false, and `data` untouched, when it does not lie wholly inside.
bool WriteBigEndian16(QByteArray& data, qsizetype offset, std::uint16_t value);
bool WriteBigEndian32(QByteArray& data, qsizetype offset, std::uint32_t value);

} // namespace vokg
