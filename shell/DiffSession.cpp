#include "shell/DiffSession.h"

#include "shell/App.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/messages/MessageIds.h"

#include <QFileInfo>

namespace vokg {

DiffSession::DiffSession(platform::Prompter& prompter, QString programFolder, QString baseName)
    : programFolder_(programFolder),
      // No working folder given: the session makes its own, so the working copies of the user's
      // open file are never written over by a comparison.
      app_(std::make_unique<App>(prompter, ProgramIdentity{std::move(programFolder), std::move(baseName)})) {}

DiffSession::~DiffSession() {
    if (app_->Created())
        app_->ReleaseActiveX();
}

bool DiffSession::Load() {
    if (loaded_)
        return true;
    if (!app_->Created() && !app_->CreateActiveX())
        return false;
    loaded_ = Startup(*app_).LoadDefinitionsFrom(programFolder_);
    return loaded_;
}

bool DiffSession::OpenTable(bool userSide, const QString& file, int table) {
    EditorHost noWindows;
    FileOpen open(*app_, noWindows);
    if (!QFileInfo(file).isFile()) {
        app_->Messages().ShowMsg(msg::CompanionMissing, platform::BoxKind::Exclamation, file);
        return false;
    }
    if (!open.ExactFile(file))
        return false;
    if (table < 1 || table > TableDiff::TableCount(file))
        return false;
    return open.ReadVOKGData(userSide ? FileKind::User : FileKind::Comparison, file, table, true);
}

std::optional<QList<TableDifference>> DiffSession::Compare(const QString& fileA, int tableA,
                                                           const QString& fileB, int tableB, bool allTables,
                                                           bool special, bool manufacturer) {
    if (!Load())
        return std::nullopt;
    return TableDiff::Compare(
        *app_, TableDiff::Tables(fileA, fileB, allTables),
        [&](int table) {
            return OpenTable(true, fileA, table != 0 ? table : tableA) &&
                   OpenTable(false, fileB, table != 0 ? table : tableB);
        },
        special, manufacturer);
}

} // namespace vokg
