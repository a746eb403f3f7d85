#pragma once

#include <QString>

#include <functional>

namespace vokg {

class Messenger;

// What an editor window knows when it is about to close.
struct FormUnloadRequest {
    bool mainWindowBusy = false; // the main window closes windows itself during an open
    bool changed = false;        // the window holds edits not yet saved
    QString caption;             // shown in the question
    std::function<bool()> save;  // the window's save command; true when the data was saved
    // The user file can be written. A machine data file is only ever read: then the question
    // offers only to go on without saving or to stay, and says why.
    bool canSave = true;
};

enum class FormUnloadResult {
    Close,              // nothing to ask: the window closes
    CloseAfterSave,     // Yes, and the save succeeded
    CloseWithoutSaving, // No: the edits are dropped
    Cancel,             // Cancel, or Yes with a save that did not happen: the window stays
};

// The user's answer alone, before anything is done: the exit asks every window first and acts
// only when none of them said Cancel.
enum class FormUnloadDecision {
    Close, // nothing to ask
    Save,  // Yes: save, then close
    Drop,  // No (or, for a file that cannot be saved, Yes to going on without saving)
    Stay,  // Cancel
};

// The common closing question of the editor windows: with changes (and the main window not
// busy) asks message 13 with the caption, Yes / No / Cancel; for a file that cannot be saved the
// read-only question instead.
FormUnloadDecision AskFormUnload(Messenger& messenger, const FormUnloadRequest& request);

// The closing question and its Yes: a save that fails keeps the window open, so the edits it
// holds are not lost with it.
FormUnloadResult Form_Unload(Messenger& messenger, const FormUnloadRequest& request);

inline bool CancelsUnload(FormUnloadResult result) {
    return result == FormUnloadResult::Cancel;
}

// Asked instead of "Data is not saved. Do you save it ?" when the user file is a machine data
// file, which is never written: true when the user goes on without saving, false to stay.
bool AskGoOnWithoutSaving(Messenger& messenger);

// The text of that question.
QString ReadOnlyDataQuestion();

// Shown when a save is asked of a machine data file.
QString ReadOnlyDataRefusal();

} // namespace vokg
