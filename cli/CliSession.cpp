#include "cli/CliSession.h"
#include "cli/TerminalText.h"

#include "hlpkit/CFILE.h"
#include "hlpkit/CMethod.h"
#include "shell/Startup.h"
#include "shell/messages/MessageIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace vokg::cli {

CliSession::CliSession(QString definitionsFolder) : definitionsFolder_(std::move(definitionsFolder)) {
    // The utility library's failure reports go to standard error, one line each as its own default
    // does without a screen, with their control characters shown, never obeyed.
    hlpkit::CMethod::SetErrorBox([](const QString& title, const QString& text) {
        QString line = text;
        line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        WriteLine(stderr, title + QStringLiteral(": ") + line);
    });
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (definitionsFolder_.isEmpty())
        definitionsFolder_ = programFolder;
    // The companion reports as the program does, under the program's name. Its working folder
    // is a run's own, so it never touches the working copies of a running program.
    app_ = std::make_unique<App>(prompter_, ProgramIdentity{programFolder, QStringLiteral("VOKG_SET")});
}

bool CliSession::LoadDefinitions() {
    if (!app_->CreateActiveX())
        return false;
    Startup startup(*app_);
    if (!startup.CheckCodePage())
        return false;
    startup.SweepWorkFolders();
    // Fails closed: without a private folder nothing is extracted, copied or saved (reported).
    if (!app_->HasWorkFolder())
        return false;
    return startup.LoadDefinitionsFrom(definitionsFolder_);
}

} // namespace vokg::cli
