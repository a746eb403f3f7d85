#pragma once

#include "editors/rules/EntryVerdict.h"

#include <QString>

namespace vokg {

// The rules of a design-file table's password and author, for the password dialog and the
// companion's header.password= and header.author=.
class PasswordRules {
public:
    static constexpr int kMaxPasswordLength = 8;
    static constexpr int kMaxAuthorLength = 16;

    // At most 8 characters, each a capital letter A-Z or a digit 0-9 of normal width.
    static bool ExactPassword(const QString& password);
    // At most 16 characters, each a letter (either case) or a digit 0-9 of normal width.
    static bool ExactAuthor(const QString& author);

    // Blanks at both ends go; any other character is the user's and is judged, not dropped.
    static QString TrimSpaces(const QString& text);

    // The texts as the dialog takes them (already trimmed): an empty password passes (it unlocks
    // the table), another must pass ExactPassword, else message 100; an empty author passes,
    // another must pass ExactAuthor, else message 101.
    static EntryVerdict CheckPassword(const QString& password);
    static EntryVerdict CheckAuthor(const QString& author);
};

} // namespace vokg
