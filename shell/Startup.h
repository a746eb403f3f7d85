#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class ProcessList;
class SingleInstanceLock;
} // namespace platform

namespace vokg {

class App;

// Where the definition tables come from for one load.
struct DefinitionSource {
    QString archivePath;      // VOKG_SET.e; empty when the tables are already extracted
    QString tableFolder;      // where Set01.e ... are extracted to and read from
    bool deleteMelted = true; // delete Set01.e ... Set20.e before extraction and after reading
};

// Everything the program does from its start until it is ready, and the clean-up at exit,
// without any window: the main window and the command-line companion both run it.
class Startup {
public:
    explicit Startup(App& app);

    // Refuses a second instance (message 46) and a running sibling tool (message 102).
    bool CheckSingleInstance(platform::SingleInstanceLock& lock);
    bool CheckSiblingTool(const platform::ProcessList& processes);

    // The code page 932 converter must exist (CheckCodePage), the archive reader must read LHA
    // archives and the archive must lie in the program folder.
    bool CheckRequiredFiles();

    // The system's code page 932 converter is a required component: without it message 1 names
    // it and the start ends.
    bool CheckCodePage();

    // Registers the defaults, records MYPATH and loads the options into the run state.
    bool ApplyRegData();
    bool CheckRegData();

    // Extracts, checks and reads every definition table; shows message 18/21/22 for the
    // table that failed (the caller shows message 19 and ends).
    bool LoadDefinitionTables();
    bool LoadDefinitionTables(const DefinitionSource& source);

    // The definitions of a folder for a run that is not the program's start (the companion, a
    // comparison of two files): VOKG_SET.e there is extracted into this run's own working folder,
    // never into the user's folder; without it the tables Set01.e ... are read where they are.
    // Reports and shows the program's messages when that fails (message 19 included).
    bool LoadDefinitionsFrom(const QString& definitionsFolder);

    // MeltSettingFiles fails (reported) when the table folder cannot take the tables; a damaged
    // archive is reported and left to the reads that follow.
    bool PrepareSetFiles(const DefinitionSource& source);
    bool MeltSettingFiles(const DefinitionSource& source);
    bool DeleteMeltedFiles(const DefinitionSource& source);
    bool ExistSetFiles(const DefinitionSource& source);

    // The program's own source: the archive and the extracted tables in the program folder.
    DefinitionSource ProgramSource() const;

    // Deletes the working copies of the run.
    void DeleteTempFiles();

    // Makes this run's working folder and removes the working folders that runs of the program
    // or the companion left behind beside it when they were killed (their processes no longer
    // exist); returns the names removed. Nothing when this run was given a working folder of its
    // own, or when no private folder can be had (reported).
    QStringList SweepWorkFolders();

    // The first comma-separated item of the command line that names an existing file.
    static QString FindFileNameFromCommand(const QString& commandLine);

    // The settings application and key under which the sibling tool finds this program.
    static constexpr const char* kSiblingApplication = "VOKE_SET";
    static constexpr const char* kSiblingSection = "SETTING";
    static constexpr const char* kSiblingKey = "MYPATH";
    static constexpr const char* kSiblingExecutable = "VOKG_SET_KESTREL.exe";
    static constexpr const char* kArchiveName = "VOKG_SET.e";

private:
    App& app_;
};

} // namespace vokg
