#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vokg {

class Messenger;

// One 10-byte text field of a table header: the machine model name (table offset 0) or the data
// version (offset 10). Holds the text shown and edited, and the bytes the field held when it was
// read: stored files written by other programs hold fields that end in half a double-byte
// character or hold bytes code page 932 cannot map, and such a field must reach the next save
// unchanged while nobody edits it.
class HeaderField {
public:
    static constexpr int kSize = 10;

    HeaderField() = default;
    // The field as a table holds it (kSize bytes); the text is its decoded form.
    static HeaderField FromStored(QByteArrayView stored);

    // The text every window shows for a stored field: code page 932, every NUL a space, spaces
    // removed at both ends.
    static QString Decode(QByteArrayView stored);

    const QString& Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }

    // The kSize bytes a save writes: the bytes as read while the text is still the one they
    // decode to; otherwise the text in code page 932, padded with NUL bytes (a text longer than
    // the field is cut at a character boundary). Throws hlpkit::RunError 5 naming `what` when the
    // text has a character the file cannot hold.
    QByteArray Stored(const QString& what) const;

    // The rule for a header text that is typed or assigned: every character must survive the
    // trip through code page 932 unchanged (no control character, no "¥" that would come back as
    // "\"), and the text must fit the field in bytes. When it does not, shows the message the
    // header editor shows and returns false.
    static bool AcceptText(const QString& text, Messenger& messenger);

    // The parts of that rule: the first character that cannot be stored as it is, and whether
    // the text fits the field (a double-byte character counts twice).
    static std::optional<QString> UnstorableCharacter(const QString& text);
    static bool FitsField(const QString& text);

private:
    QString text_;
    QByteArray stored_;  // empty when the field was never read
    QString storedText_; // the text `stored_` decodes to
};

} // namespace vokg
