#pragma once

#include "editors/rules/RulesServices.h"
#include "model/FileKind.h"

#include <QList>
#include <QString>

namespace vokg {

class InputWindow;

// What an editor window hands to the print dialog.
struct ParamPrintRequest {
    int printKind = 0;
    QString modeName;
    bool onlyDif = false;           // the row filter "Different" is on
    bool printTokushu = false;      // the window shows a row of a special mode
    bool printManufacturer = false; // the window shows a row of a manufacturer mode
    QString customName;             // kind 1: the customize window's group
};

// What a feed or pitch window hands to the print dialog (print kind 2 or 3).
struct FeedPrintRequest {
    int printKind = 2;
    QString okuriCaption; // the window's array key or pitch-window kind
    bool onlyDif = false; // the row filter "Different" is on
};

// What the editor windows need of the main window. The main window implements it; the
// windows never reach the shell by any other road, so a test can stand in for the shell.
class EditorServices : public RulesServices {
public:
    // Saves the user file; true when it was saved.
    virtual bool SaveAllFiles(SaveMode mode, bool withoutAsking) = 0;

    // Printing is offered only while the main window can show the print dialog.
    virtual bool CanPrint() const { return false; }
    // Shows the print dialog for the request; false when nothing was printed.
    virtual bool PrintParameters(const ParamPrintRequest& request) {
        static_cast<void>(request);
        return false;
    }
    // Shows the print dialog for a feed or pitch window; false when nothing was printed.
    virtual bool PrintFeed(const FeedPrintRequest& request) {
        static_cast<void>(request);
        return false;
    }
    // Reads the open table of the user file again into the model (after a print that pushed
    // unsaved edits into it), leaving the windows' grids as they are.
    virtual void ReadVOKGData() {}

    // The main window closes windows itself during an open: nothing is asked then.
    virtual bool IsBusy() const = 0;

    // Asks the mode password (0 special, 1 manufacturer); true only for the exact one.
    virtual bool ExactPassWord(int kind) = 0;

    // Shows or hides the manufacturer mode's item of the parameter menu.
    virtual void SetManufacturerMenuVisible(bool visible) = 0;

    // A window is going away: its menu check mark is cleared and it leaves the window list.
    virtual void InputWindowClosed(InputWindow& window) = 0;

    // Every open input window, the caller included, in the order they were opened.
    virtual QList<InputWindow*> InputWindows() const = 0;

    // The user file is a design file: only that kind is ever written.
    virtual bool UserFileIsDsg() const = 0;
    // (HasComparison and the settings come with RulesServices.)
};

} // namespace vokg
