#include "shell/App.h"

#include "hlpkit/CFILE.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "hlpkit/CString.h"
#include "hlpkit/RunError.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "platform/FileLock.h"
#include "platform/WorkFolder.h"
#include "shell/messages/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace vokg {
namespace {

template <class T> bool CreateLibraryObject(std::unique_ptr<T>& slot, const char* name) {
    slot = hlpkit::Create<T>();
    if (!slot)
        std::fprintf(stderr, "The utility library could not create %s.\n", name);
    return slot != nullptr;
}

} // namespace

App::App(platform::Prompter& prompter, ProgramIdentity identity)
    : prompter_(prompter), identity_(std::move(identity)), messenger_(prompter, identity_.baseName) {}

App::~App() {
    ReleaseActiveX();
    runFolder_.reset();
}

bool App::CreateActiveX() {
    // The order is the documented one: the utility objects first, because every later object
    // reports its failures through the method utilities.
    if (!CreateLibraryObject(file_, "CFILE") || !CreateLibraryObject(method_, "CMethod") ||
        !CreateLibraryObject(property_, "CProperty") || !CreateLibraryObject(string_, "CString"))
        return false;
    settingsStore_ = MakePropertySettingsStore(*property_, identity_.baseName);
    settings_ = std::make_unique<ProgramSettings>(*settingsStore_, *method_, identity_.folder);
    const ModelContext context = Context();
    modes_ = std::make_unique<CModes>(context);
    userCustoms_ = std::make_unique<CCustoms>(context);
    comparisonCustoms_ = std::make_unique<CCustoms>(context);
    userOkuris_ = std::make_unique<COkuris>(context);
    comparisonOkuris_ = std::make_unique<COkuris>(context);
    selectTable_ = std::make_unique<CSelectTable>(context);
    inputSelections_ = std::make_unique<CCusSelections>(context);
    outputSelections_ = std::make_unique<CCusSelections>(context);
    return true;
}

void App::ReleaseActiveX() {
    // The documented order. The model objects keep a reference to the method utilities but
    // never use it while they are destroyed.
    settings_.reset();
    settingsStore_.reset();
    file_.reset();
    method_.reset();
    property_.reset();
    string_.reset();
    modes_.reset();
    userCustoms_.reset();
    comparisonCustoms_.reset();
    userOkuris_.reset();
    comparisonOkuris_.reset();
    selectTable_.reset();
    inputSelections_.reset();
    outputSelections_.reset();
}

std::shared_ptr<platform::FileLock> App::LockFile(const QString& path, std::chrono::milliseconds wait) {
    std::erase_if(locks_, [](const std::weak_ptr<platform::FileLock>& lock) { return lock.expired(); });
    for (const std::weak_ptr<platform::FileLock>& held : locks_)
        if (std::shared_ptr<platform::FileLock> lock = held.lock(); lock && lock->Holds(path))
            return lock;
    auto lock = std::make_shared<platform::FileLock>(path);
    if (lock->Lock(wait) == platform::FileLock::State::Locked)
        locks_.push_back(lock);
    return lock;
}

QString App::WorkFolder() const {
    if (!identity_.workFolder.isEmpty())
        return identity_.workFolder;
    if (runFolder_)
        return runFolder_->Path();
    if (!file_ || !method_)
        return {};
    // TempPath reports a folder that is not private to this user itself.
    const QString privateBase = file_->TempPath();
    if (privateBase.isEmpty())
        return {};
    QString error;
    runFolder_ = platform::WorkFolder::Create(privateBase, error);
    if (!runFolder_) {
        method_->ErrReg(hlpkit::PathFileAccessError,
                        hlpkit::StandardErrorText(hlpkit::PathFileAccessError) + QStringLiteral(": ") + error,
                        QStringLiteral("WorkFolder"));
        return {};
    }
    return runFolder_->Path();
}

bool App::HasWorkFolder() const {
    return !identity_.workFolder.isEmpty() || runFolder_ != nullptr;
}

QString App::CreateParaTempName(FileKind kind) const {
    const QString folder = WorkFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(kind == FileKind::Comparison ? QStringLiteral("gsetcmp.tmp")
                                                              : QStringLiteral("gsetusr.tmp"));
}

} // namespace vokg
