#pragma once

#include "model/FileKind.h"
#include "model/ModelContext.h"
#include "shell/FileIdentity.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SettingKeys.h"

#include <QString>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

namespace hlpkit {
class CFILE;
class CMethod;
class CProperty;
class CString;
} // namespace hlpkit

namespace platform {
class FileLock;
class Prompter;
class WorkFolder;
} // namespace platform

namespace vokg {

class CCusSelections;
class CCustoms;
class CModes;
class COkuris;
class CSelectTable;
class ProgramSettings;
class SettingsStore;

// The run state every part reads and only the shell writes.
struct RunState {
    QString userPath;
    int userTable = 0;
    QString comparisonPath;
    int comparisonTable = 0;
    QString unlockedPath;
    int unlockedTable = 0;
    std::array<bool, 9> unlockedFlags{}; // indexed by table number 0..8
    OpeningState opening;
    QString lastChosenUserFile;
    FileIdentity userFileRead;    // the user file as last opened or saved
    bool mainChanged = false;     // the main window's own changed flag (password, author)
    bool busy = false;            // windows closed by the program during an open ask nothing
    bool reopenAfterSave = false; // a save to other tables switches to the first table written
    bool smallScreen = false;
    bool verySmallScreen = false;
    QString allModesCaption;
    // The options read from the settings at start-up (ApplyRegData).
    int customStdKinoWidth = Setting::wdt_Custom_StdKino.byDefault;
    int customUsrKinoWidth = Setting::wdt_Custom_UsrKino.byDefault;
    bool deleteMeltedFiles = Setting::DoesDeleteMeltedFiles.byDefault;
    int selectionTreeHeight = Setting::fSelCus_Height.byDefault;
    int selectionTreeLeft = Setting::fSelCus_Left.byDefault;
    int selectionTreeTop = Setting::fSelCus_Top.byDefault;
    int selectionTreeWidth = Setting::fSelCus_Width.byDefault;
};

// Where the program lives and what it is called; fixed for a run.
struct ProgramIdentity {
    QString folder;   // the program folder: executables, the utility library, the definition archive
    QString baseName; // the executable's base name, "VOKG_SET" as shipped
    // Where the working copies of this run live; empty: a working folder of this run's own inside
    // the user's private temporary folder (the program and the companion). Tests give a folder of
    // their own here.
    QString workFolder = {};
};

// The shared objects of a run and its state, created in a fixed order and handed by reference
// to whoever needs them. There are no program-wide variables besides this object.
class App {
public:
    App(platform::Prompter& prompter, ProgramIdentity identity);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the shared objects in their documented order; false (after a report on standard
    // error) when the utility library could not create one of its classes.
    bool CreateActiveX();
    // Releases them in their documented order.
    void ReleaseActiveX();
    bool Created() const { return modes_ != nullptr; }

    hlpkit::CFILE& File() const { return *file_; }
    hlpkit::CMethod& Method() const { return *method_; }
    hlpkit::CProperty& Property() const { return *property_; }
    hlpkit::CString& String() const { return *string_; }
    CModes& Modes() const { return *modes_; }
    CCustoms& UserCustoms() const { return *userCustoms_; }
    CCustoms& ComparisonCustoms() const { return *comparisonCustoms_; }
    COkuris& UserOkuris() const { return *userOkuris_; }
    COkuris& ComparisonOkuris() const { return *comparisonOkuris_; }
    CSelectTable& SelectTable() const { return *selectTable_; }
    CCusSelections& InputSelections() const { return *inputSelections_; }
    CCusSelections& OutputSelections() const { return *outputSelections_; }

    Messenger& Messages() { return messenger_; }
    platform::Prompter& Prompter() const { return prompter_; }
    ModelContext Context() { return ModelContext{*method_, messenger_}; }
    RunState& State() { return state_; }
    const RunState& State() const { return state_; }
    const ProgramIdentity& Identity() const { return identity_; }

    // The per-user settings of this program (section "Setting" under the executable's base
    // name), typed; created with the utility objects.
    ProgramSettings& Settings() const { return *settings_; }

    // An exclusive lock on a data file for whoever is about to replace it, waiting up to `wait`
    // for another program to let go. A lock this run already holds on that file is shared, so
    // that the command line's set, which holds its file from the read to the save, and the save
    // itself do not wait for each other. See platform::FileLock for the states.
    std::shared_ptr<platform::FileLock> LockFile(const QString& path, std::chrono::milliseconds wait);

    // The working copy of the user file or the comparison file; "" when there is no working
    // folder.
    QString CreateParaTempName(FileKind kind) const;
    // The folder of the working copies: the identity's folder when one is given, else this run's
    // own folder inside the user's private temporary folder, made on first need and removed with
    // the App. "" (reported) when no private folder can be had: nothing may then be opened or
    // saved, and nothing is ever put in the current folder instead.
    QString WorkFolder() const;
    // Whether the working folder is there (given, or made already); asks and reports nothing.
    bool HasWorkFolder() const;

private:
    platform::Prompter& prompter_;
    ProgramIdentity identity_;
    Messenger messenger_;
    RunState state_;

    std::unique_ptr<hlpkit::CFILE> file_;
    std::unique_ptr<hlpkit::CMethod> method_;
    std::unique_ptr<hlpkit::CProperty> property_;
    std::unique_ptr<hlpkit::CString> string_;
    std::unique_ptr<SettingsStore> settingsStore_;
    std::unique_ptr<ProgramSettings> settings_;
    std::unique_ptr<CModes> modes_;
    std::unique_ptr<CCustoms> userCustoms_;
    std::unique_ptr<CCustoms> comparisonCustoms_;
    std::unique_ptr<COkuris> userOkuris_;
    std::unique_ptr<COkuris> comparisonOkuris_;
    std::unique_ptr<CSelectTable> selectTable_;
    std::unique_ptr<CCusSelections> inputSelections_;
    std::unique_ptr<CCusSelections> outputSelections_;
    std::vector<std::weak_ptr<platform::FileLock>> locks_;
    mutable std::unique_ptr<platform::WorkFolder> runFolder_;
};

} // namespace vokg
