#include "platform/Prompter.h"

namespace platform {

Prompter::~Prompter() = default;

int Prompter::ChooseTable(const TableChoiceRequest&) {
    return -1;
}

QList<int> Prompter::ChooseTables(int) {
    return {};
}

std::optional<PasswordAuthor> Prompter::EditPasswordAuthor(const PasswordAuthor&) {
    return std::nullopt;
}

bool BoxKindAsks(int kind) {
    return kind == 3 || kind == 5 || kind == 6 || kind == 7 || kind == 8;
}

} // namespace platform
