#pragma once

#include <span>

namespace vokg {

// How ShowMsg builds the text of one message number. A template is literal text with two
// kinds of field: {1234} is the English resource text 1234, {d1} … {d4} the details. Numbers
// without an entry show an empty box.
struct MessageTemplate {
    int number;
    const char16_t* text;
};

// Every message template, sorted by number, each number once.
std::span<const MessageTemplate> MessageTemplates();

// The template of a message number, or nullptr when the number has no text.
const char16_t* FindMessageTemplate(int number);

} // namespace vokg
