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
