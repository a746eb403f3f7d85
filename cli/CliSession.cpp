#include "cli/CliSession.h"

#include "hlpkit/CFILE.h"
#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace vokg::cli {

CliSession::CliSession(QString definitionsFolder) : definitionsFolder_(std::move(definitionsFolder)) {
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
    const QString workFolder = app_->WorkFolder();
    DefinitionSource source;
    const QDir folder(definitionsFolder_);
    const QString archive = folder.filePath(QString::fromLatin1(Startup::kArchiveName));
    if (QFileInfo::exists(archive)) {
        // Never extract into the user's folder: the run's working folder goes away with the run.
        const QString tables = QDir(workFolder).filePath(QStringLiteral("defs"));
        if (!QDir().mkdir(tables)) {
            std::fprintf(stderr, "Cannot create a folder for the definitions: %s\n", qPrintable(tables));
            return false;
        }
        source = DefinitionSource{archive, tables, false};
    } else {
        source = DefinitionSource{QString(), folder.absolutePath(), false};
    }
    if (!startup.LoadDefinitionTables(source)) {
        app_->Messages().ShowMsg(19, 1);
        return false;
    }
    return true;
}

} // namespace vokg::cli
