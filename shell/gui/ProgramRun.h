#pragma once

#include <QString>
#include <QStringList>

namespace vokg {

// What the program was asked to do on its command line.
struct ProgramOptions {
    QString commandLine;    // the comma-separated items, as one text
    QString screenshotPath; // --screenshot FILE: save a picture of the main window, then end
    QString screenshotMenu; // --screenshot-menu NAME: with the screenshot, that menu drops down
    // --help, --version or a command line the program does not understand: the text to print
    // (on standard output, or on standard error for a mistake) and the status to end with;
    // the program does not start then.
    bool answerOnly = false;
    QString answer;
    int answerStatus = 0;
};

// The command line: the options above, every other argument one item of the comma-separated
// command line (its first existing file is opened, "ZRDL" among them shows the C-source export).
// `arguments` starts with the program's own name.
ProgramOptions ParseProgramArguments(const QStringList& arguments);

// Prints the answer of --help, --version or a mistaken command line; returns its status.
int PrintAnswer(const ProgramOptions& options);

// Runs the program: initialization, the main window's load sequence, the event loop, exit.
// Returns the process exit status; a program that ends at start-up returns non-zero.
int RunProgram(const ProgramOptions& options);

} // namespace vokg
