#pragma once

namespace vokg::msg {

// The numbers ShowMsg takes, named for what the box says. A number keeps its meaning across the
// program: a call site reads as the message it shows, and the number lives here once.
enum MessageId : int {
    FileMissing = 1,          // a required file is missing (detail: the file)
    RegistryFailed = 2,       // the settings store could not be read
    ReadFailed = 4,           // the data file could not be read
    SaveFailed = 7,           // the data file could not be saved
    WrongExtension = 8,       // "*.dsg, VOKG*.dat" only
    WrongSize = 9,            // the file size a data file must have
    ResetAllQuestion = 11,    // "Are you sure to reset all value ?"
    OutOfRange = 12,          // "Input value is out of range."
    SaveChangesQuestion = 13, // unsaved edits of a window (detail: its caption)
    DefinitionTable = 18,     // a definition table could not be read
    DefinitionsFailed = 19,   // the definitions could not be loaded
    InputFunctions = 21,      // Set06.e could not be read
    OutputFunctions = 22,     // Set07.e could not be read
    InputValue = 24,          // "Input value!"
    OutOfRangeMinMax = 28,    // "Input value is out of range." with the Min and Max lines
    SpecialPasswordMissed = 32,
    FeedWarning = 36,
    NotSavedQuestion = 38,  // "Data is not saved. Do you save it ?"
    TooManyCharacters = 39, // a text longer than its field (detail: the limit)
    CompanionMissing = 40,  // the DSK companion of a design file (detail: the file)
    CopyFailed = 44,
    RunsAlready = 46,
    NoSpace = 48,
    WorkbookFailed = 55, // "Failed to create excel file."
    SelectFromList = 57, // "Select function from list."
    NoTableTicked = 60,
    WorkbookOpen = 69, // the workbook is open in another program
    FoundDigital = 71, // "[name] Do you continue to find ?"
    NotFound = 72,
    DriveNotReady = 74,
    DriveProtected = 75,
    ResetRowQuestion = 76, // "Are you sure to reset selected row's value ?"
    SelectRowToReset = 77, // "Select row to reset."
    FindAgainQuestion = 78,
    CloseOtherWindows = 80,  // "Please close other window."
    TemplateMissing = 81,    // firmware source: the template file is not there
    KeywordMissing = 82,     // firmware template: a keyword is missing
    SourceWritten = 84,      // firmware source: "処理が終了しました."
    ModelNameMissing = 85,   // firmware source: no model name
    PlaceholderMissing = 86, // firmware template: a line without its value mark
    SignalMissing = 87,      // firmware template: a signal without its block (detail: the signal)
    NewFileMissing = 88,     // firmware source: no file to create
    UnknownValue = 89,
    FolderMissing = 90, // firmware source: the folder of the file to create is not there
    NameTooLong = 91,
    OutOfRangeContinue = 92, // the range check's question (digital, MIN, MAX, value)
    CheckDone = 93,
    ManufacturerPasswordMissed = 94,
    InvalidValue = 95, // "Inptu value is invalid." (sic)
    PasswordNotExact = 99,
    BadPassword = 100,
    BadAuthor = 101,
    SiblingRuns = 102,
    ChangedElsewhere = 103,
    BeingSaved = 104,
    WorkbookIsDataFile = 105,
    WorkbookNotWritable = 106,
};

} // namespace vokg::msg
