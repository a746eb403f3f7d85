#pragma once

#include <span>

namespace vokg {

// One text of the program's string resources. Every text is held twice: the Japanese text
// under `id` (below 1000) and its English twin under id + 1000, which is the one shown.
struct ResourceString {
    int id;
    const char16_t* japanese;
    const char16_t* english;
};

// Every resource text, sorted by id, each id once.
std::span<const ResourceString> ResourceStrings();

// The entry for a text id below 1000, or nullptr when the table has no such id.
const ResourceString* FindResourceString(int id);

} // namespace vokg
