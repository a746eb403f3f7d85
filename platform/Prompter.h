#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The kinds of message box, numbered as the program numbers them.
enum class BoxKind : int {
    Critical = 1,               // OK
    Exclamation = 2,            // OK
    Question = 3,               // Yes / No
    Information = 4,            // OK
    CriticalYesNo = 5,          // Yes / No
    QuestionYesNoCancel = 6,    // Yes / No / Cancel
    QuestionYesNoDefaultNo = 7, // Yes / No, No is the default button
    ExclamationYesNo = 8,       // Yes / No
};

enum class Answer { None, Ok, Yes, No, Cancel };

// True for the box kinds that ask a question.
bool BoxKindAsks(BoxKind kind);

struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString fileName;
    QString filter; // "Text (*.dsg)|*.dsg|..." pairs separated by "|"
    int filterIndex = 1;
    // Added to a name saved without an extension of its own; with `extensionAlways`, to every
    // name that does not already end in it ("abc.x" becomes "abc.x.DSG").
    QString defaultExtension;
    bool extensionAlways = false;
    bool mustExist = true;
    // A save asks before replacing an existing file: the file of the name that will be written,
    // the default extension included.
    bool confirmOverwrite = true;
};

// The name a save dialog returns for the name chosen in it: the request's default extension
// added as the request says. Every prompter applies it before it asks about overwriting.
QString SaveFileName(const FileDialogRequest& request, const QString& chosen);

struct FileDialogResult {
    QString path;
    int filterIndex = 1;
};

// The table-choice dialog: one of 8 (design file) or 16 tables.
struct TableChoiceRequest {
    int tableCount = 8;
    int preset = 1; // the table selected when the dialog opens
    QString file;   // the data file whose table headers "Read model" shows
    bool readModelAtOnce = true;
};

// The author and password of a table, as the password dialog edits them.
struct PasswordAuthor {
    QString password;
    QString author;
};

// The function tree of a signal: its direction (0 input, 1 output) and current function value.
struct FunctionChoiceRequest {
    int inout = 0;
    int current = 0;
};

// A free chopping duty: ON and OFF time in 0.1 ms.
struct ChoppingTimes {
    int onTime = 0;
    int offTime = 0;
    bool operator==(const ChoppingTimes&) const = default;
};

// Every modal question the program asks goes through this interface: the Qt implementation
// shows real dialogs, the scripted one in the tests answers from a queue and records each prompt.
class Prompter {
public:
    virtual ~Prompter();

    // A message box of one of the kinds 1-8; returns the answer (Ok for the kinds that only tell).
    virtual Answer Message(BoxKind kind, const QString& title, const QString& text) = 0;

    // A text input box; std::nullopt when cancelled. `masked` hides what is typed.
    virtual std::optional<QString> Input(const QString& title, const QString& prompt, const QString& initial,
                                         bool masked) = 0;

    virtual std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) = 0;

    // The program's own modal dialogs. Their windows live above this layer, so a prompter that
    // does not offer them (the plain Qt one) answers each as cancelled.
    // One table of a file: 1..tableCount, or -1 when cancelled.
    virtual int ChooseTable(const TableChoiceRequest& request);
    // Save destinations: the ticked tables in ascending order; empty when cancelled.
    virtual QList<int> ChooseTables(int preselected);
    // The password-and-author dialog: the new values, or std::nullopt when cancelled.
    virtual std::optional<PasswordAuthor> EditPasswordAuthor(const PasswordAuthor& current);
    // The function tree: the chosen function value; the current one when cancelled.
    virtual int ChooseFunction(const FunctionChoiceRequest& request);
    // The chopping-duty dialog: the accepted times; the given ones when closed without accepting.
    virtual ChoppingTimes EditChoppingDuty(const ChoppingTimes& current);
};

} // namespace platform
