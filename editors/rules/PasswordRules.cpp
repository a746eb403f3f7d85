#include "editors/rules/PasswordRules.h"

#include "shell/messages/MessageIds.h"

namespace vokg {
namespace {

bool IsDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

} // namespace

bool PasswordRules::ExactPassword(const QString& password) {
    if (password.size() > kMaxPasswordLength)
        return false;
    for (const QChar character : password) {
        // A lower-case letter can only arrive by pasting; the stored field and the unlock
        // comparison are upper case, so it is refused rather than quietly converted.
        if (character >= u'a' && character <= u'z')
            return false;
        if (character.unicode() > 0x7F)
            return false;
        if (!(character >= u'A' && character <= u'Z') && !IsDigit(character))
            return false;
    }
    return true;
}

bool PasswordRules::ExactAuthor(const QString& author) {
    if (author.size() > kMaxAuthorLength)
        return false;
    for (const QChar character : author) {
        if (character.unicode() > 0x7F)
            return false;
        const bool letter =
            (character >= u'A' && character <= u'Z') || (character >= u'a' && character <= u'z');
        if (!letter && !IsDigit(character))
            return false;
    }
    return true;
}

QString PasswordRules::TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

EntryVerdict PasswordRules::CheckPassword(const QString& password) {
    if (!password.isEmpty() && !ExactPassword(password))
        return EntryVerdict::Refuse(msg::BadPassword);
    return EntryVerdict::Accept(password);
}

EntryVerdict PasswordRules::CheckAuthor(const QString& author) {
    if (!author.isEmpty() && !ExactAuthor(author))
        return EntryVerdict::Refuse(msg::BadAuthor);
    return EntryVerdict::Accept(author);
}

} // namespace vokg
