#include "platform/Prompter.h"

namespace platform {

Prompter::~Prompter() = default;

bool BoxKindAsks(int kind) { return kind == 3 || kind == 5 || kind == 6 || kind == 7 || kind == 8; }

} // namespace platform
