#pragma once

namespace vokg {

class ProgramSettings;

// What the rules need of the running program: whether a comparison is loaded and the per-user
// settings. The main window gives it to the editors (EditorServices) and so to their rules.
class RulesServices {
public:
    virtual ~RulesServices() = default;

    // A comparison file (or table) is loaded.
    virtual bool HasComparison() const = 0;

    // The per-user settings of the program.
    virtual ProgramSettings& Settings() = 0;
};

} // namespace vokg
