#pragma once

#include "model/HeaderField.h"

#include <QString>

namespace vokg {

class Messenger;

// The rules of the two header texts (machine model name, data version). The rule itself is the
// model's HeaderField::AcceptText, which every writer of a header field goes through; the header
// dialog and the companion reach it here, beside the other entry rules.
class HeaderRules {
public:
    // Each text fills a 10-byte field of the table.
    static constexpr int kMaxLength = HeaderField::kSize;

    // True when the text can be stored as it is; otherwise shows the rule's message (39 for a
    // text past 10 bytes, a message naming a character the file cannot hold) and gives false.
    static bool AcceptText(const QString& text, Messenger& messenger) {
        return HeaderField::AcceptText(text, messenger);
    }
};

} // namespace vokg
