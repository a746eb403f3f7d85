#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace platform {

// The one place where text meets code page 932 bytes (definition tables, table headers,
// author and password fields, C templates, version files, the error log).
class AnsiCodec {
public:
    // True when the system's code page 932 converter can be had in both directions. Without it
    // every byte above 0x7F would decode as U+FFFD: mode names would no longer be recognised
    // (the special and manufacturer modes would open without their passwords) and no text of
    // ours could be written. The program and the companion refuse to start without it.
    static bool Available();

    // Bytes to text. Bytes that are not valid code page 932 become U+FFFD, never lost silently
    // for round trips: callers that must keep bytes keep the bytes, not the text.
    static QString Decode(QByteArrayView bytes);

    // Text to bytes; std::nullopt when a character has no code page 932 form.
    static std::optional<QByteArray> EncodeStrict(const QString& text);

    // Text to bytes; a character without a code page 932 form becomes "?".
    static QByteArray Encode(const QString& text);

    // The longest prefix of `bytes` of at most `maxBytes` bytes that ends on a character
    // boundary, so that no half of a double-byte character is kept.
    static QByteArray CutAtCharBoundary(const QByteArray& bytes, int maxBytes);

    // True for a code page 932 lead byte (the first byte of a double-byte character).
    static bool IsLeadByte(unsigned char byte);
};

} // namespace platform
