#include "model/HeaderField.h"

#include "hlpkit/RunError.h"
#include "model/DefinitionFile.h"
#include "platform/AnsiCodec.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {

// How a refused character is named in the message: itself when it can be seen, its code when
// it is a control character that would act on the screen or the terminal instead.
QString Shown(const QString& character) {
    if (character.size() == 1 && character.at(0).category() == QChar::Other_Control)
        return QStringLiteral("U+%1").arg(character.at(0).unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return character;
}

} // namespace

HeaderField HeaderField::FromStored(QByteArrayView stored) {
    HeaderField field;
    field.stored_ = stored.toByteArray();
    field.storedText_ = Decode(stored);
    field.text_ = field.storedText_;
    return field;
}

QString HeaderField::Decode(QByteArrayView stored) {
    QString text = platform::AnsiCodec::Decode(stored);
    text.replace(QChar(u'\0'), QChar(u' '));
    return DefinitionFile::TrimSpaces(text);
}

QByteArray HeaderField::Stored(const QString& what) const {
    if (stored_.size() == kSize && text_ == storedText_)
        return stored_;
    const std::optional<QByteArray> bytes = platform::AnsiCodec::EncodeStrict(text_);
    if (!bytes)
        throw hlpkit::RunError(
            hlpkit::InvalidCall,
            QStringLiteral("%1: the %2 \"%3\" has a character that the data file cannot hold")
                .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall), what, text_));
    // Never into the next field, and never half a double-byte character.
    QByteArray field = platform::AnsiCodec::CutAtCharBoundary(*bytes, kSize);
    field.append(QByteArray(kSize - field.size(), '\0'));
    return field;
}

std::optional<QString> HeaderField::UnstorableCharacter(const QString& text) {
    qsizetype position = 0;
    while (position < text.size()) {
        // A character outside the basic plane is two UTF-16 units and is judged whole.
        const qsizetype length = text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(position, length);
        if (character.at(0).category() == QChar::Other_Control)
            return character;
        const std::optional<QByteArray> bytes = platform::AnsiCodec::EncodeStrict(character);
        if (!bytes || platform::AnsiCodec::Decode(*bytes) != character)
            return character;
        position += length;
    }
    return std::nullopt;
}

bool HeaderField::FitsField(const QString& text) {
    return platform::AnsiCodec::Encode(text).size() <= kSize;
}

bool HeaderField::AcceptText(const QString& text, Messenger& messenger) {
    if (const std::optional<QString> character = UnstorableCharacter(text)) {
        messenger.ShowText(QStringLiteral("\"%1\" cannot be stored in the data file.").arg(Shown(*character)),
                           platform::BoxKind::Exclamation);
        return false;
    }
    if (!FitsField(text)) {
        messenger.ShowMsg(msg::TooManyCharacters, platform::BoxKind::Exclamation, kSize);
        return false;
    }
    return true;
}

} // namespace vokg
