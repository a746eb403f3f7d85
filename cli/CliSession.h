#pragma once

#include "cli/CliPrompter.h"
#include "shell/App.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace vokg::cli {

// Exit statuses of the command-line companion.
enum ExitStatus : int {
    kOk = 0,
    kDifferent = 1, // diff only
    kUsage = 2,
    kPassword = 3,
    kRefusedFile = 4,
    kDefinitions = 5,
    kInvalidValue = 6,
    kFailed = 7,
};

// One run of the companion: the shared objects of the program and the definitions loaded
// exactly as the program's start loads them.
class CliSession {
public:
    explicit CliSession(QString definitionsFolder);

    // Loads the definitions from the folder: VOKG_SET.e there is extracted into a private
    // temporary folder; without it the extracted Set01.e ... are read where they are.
    // Shows the program's messages on standard error when that fails.
    bool LoadDefinitions();

    App& Application() { return *app_; }
    CliPrompter& Prompter() { return prompter_; }

private:
    QString definitionsFolder_;
    QTemporaryDir workFolder_;
    CliPrompter prompter_;
    std::unique_ptr<App> app_;
    std::unique_ptr<QTemporaryDir> extractFolder_;
};

} // namespace vokg::cli
