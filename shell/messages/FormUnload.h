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
};

enum class FormUnloadResult {
    Close,              // nothing to ask: the window closes
    CloseAfterSave,     // Yes, and the save succeeded
    CloseWithoutSaving, // No: the edits are dropped
    Cancel,             // Cancel, or Yes with a save that did not happen: the window stays
};

// The common closing question of the editor windows: with changes (and the main window not
// busy) asks message 13 with the caption, Yes / No / Cancel. A save that fails keeps the
// window open, so the edits it holds are not lost with it.
FormUnloadResult Form_Unload(Messenger& messenger, const FormUnloadRequest& request);

inline bool CancelsUnload(FormUnloadResult result) {
    return result == FormUnloadResult::Cancel;
}

} // namespace vokg
