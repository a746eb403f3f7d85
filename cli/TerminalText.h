#pragma once

#include <QString>

#include <cstdio>

namespace vokg::cli {

// Text as the companion writes it to a terminal or a text file. Header texts, names and paths
// come from data files and definitions: a control character among them (C0, DEL, C1) is written
// as "\u001B" the way the JSON output writes it, so that no file can move the cursor, recolour
// or retitle the terminal. `keepLineBreaks` keeps "\n" where a text is laid out in lines
// (the program's messages).
QString TerminalText(const QString& text, bool keepLineBreaks = false);

// Writes TerminalText(text) and a line end (UTF-8 on standard output, the local encoding on
// standard error).
void WriteLine(std::FILE* stream, const QString& text);

// True for the characters TerminalText escapes.
constexpr bool IsControlCharacter(char16_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

} // namespace vokg::cli
