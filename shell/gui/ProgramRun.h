#pragma once

#include <QString>
#include <QStringList>

namespace vokg {

// What the program was asked to do on its command line.
struct ProgramOptions {
    QString commandLine;    // the comma-separated items, as one text
    QString screenshotPath; // --screenshot FILE: save a picture of the main window, then end
    QString screenshotMenu; // --screenshot-menu NAME: with the screenshot, that menu drops down
};

ProgramOptions ParseProgramArguments(const QStringList& arguments);

// Runs the program: initialization, the main window's load sequence, the event loop, exit.
// Returns the process exit status; a program that ends at start-up returns non-zero.
int RunProgram(const ProgramOptions& options);

} // namespace vokg
