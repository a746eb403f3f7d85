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
    // The companion reports as the program does, under the program's name.
    // Working copies of its own: a run never touches those of a running program.
    app_ = std::make_unique<App>(
        prompter_, ProgramIdentity{programFolder, QStringLiteral("VOKG_SET"), workFolder_.path()});
}

bool CliSession::LoadDefinitions() {
    if (!workFolder_.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder: %s\n", qPrintable(workFolder_.errorString()));
        return false;
    }
    if (!app_->CreateActiveX())
        return false;
    Startup startup(*app_);
    if (!startup.CheckCodePage())
        return false;
    DefinitionSource source;
    const QDir folder(definitionsFolder_);
    const QString archive = folder.filePath(QString::fromLatin1(Startup::kArchiveName));
    if (QFileInfo::exists(archive)) {
        // Never extract into the user's folder: a private folder that goes away with the run.
        extractFolder_ = std::make_unique<QTemporaryDir>(
            QDir(app_->File().TempPath()).filePath(QStringLiteral("defs-XXXXXX")));
        if (!extractFolder_->isValid()) {
            std::fprintf(stderr, "Cannot create a temporary folder for the definitions: %s\n",
                         qPrintable(extractFolder_->errorString()));
            return false;
        }
        source = DefinitionSource{archive, extractFolder_->path(), false};
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
