#pragma once

#include "model/FileKind.h"

#include <QString>

namespace vokg {

class App;

// The two locks above normal editing: the special and manufacturer modes, each opened by its
// fixed password, and the password a table of a design file may carry.
class AccessLevels {
public:
    explicit AccessLevels(App& app);

    enum ModeKind { SpecialMode = 0, ManufacturerMode = 1 };

    // Asks for the mode's password in a masked input box; true only for the exact password.
    bool ExactPassWord(int kind);

    // The table password check of an open: the user table (Password/Author, and a passed check
    // records the table as unlocked) or the comparison table (Password2/Author2).
    // Asks until the right password is typed or the user cancels; cancelling empties the
    // record's password and author of that side.
    bool ExactTablePassword(FileKind kind, int table, const QString& path);

    void RememberUnlockedTable(int table, const QString& path);

    // The Info menu's password-and-author command: true when either text changed.
    bool InputPassword();

    static constexpr const char* kSpecialPassword = "7468";
    static constexpr const char* kManufacturerPassword = "30918274";

private:
    App& app_;
};

} // namespace vokg
