#pragma once

#include "cli/CliPrompter.h"
#include "shell/App.h"

#include <QString>

#include <memory>

namespace vokg::cli {

// Exit statuses of the command-line companion.
enum ExitStatus : int {
    kOk = 0,
    kDifferent = 1,  // diff: the tables differ
    kOutOfRange = 1, // check: a value lies outside its bounds
    kUsage = 2,
    kPassword = 3,
    kRefusedFile = 4,
    kDefinitions = 5,
    kInvalidValue = 6,
    kFailed = 7,
    kTemplateRefused = 8, // export-c: the template does not fit the table (nothing written)
};

// One run of the companion: the shared objects of the program and the definitions loaded
// exactly as the program's start loads them.
class CliSession {
public:
    explicit CliSession(QString definitionsFolder);

    // Sweeps the working folders of killed runs, makes this run's own (inside the user's private
    // temporary folder; without one nothing goes on) and loads the definitions from the folder:
    // VOKG_SET.e there is extracted into this run's working folder; without it the extracted
    // Set01.e ... are read where they are. Shows the program's messages on standard error when
    // that fails.
    bool LoadDefinitions();

    App& Application() { return *app_; }
    CliPrompter& Prompter() { return prompter_; }

private:
    QString definitionsFolder_;
    CliPrompter prompter_;
    std::unique_ptr<App> app_;
};

} // namespace vokg::cli
