#pragma once

#include "shell/SaveReview.h"

#include <optional>

namespace vokg {

// What the open and save operations need of the editor windows. The main window offers it;
// without windows (the command-line companion) every call has nothing to do.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Every open input window finishes its open cell editor, so that a value still being typed
    // counts as a change (or is refused with its message) before anything asks or saves.
    virtual void CommitPendingEdits() {}
    // Any open input window holds unsaved edits.
    virtual bool IsExistChanged() const { return false; }
    // Every open input window drops its edits and its changed mark.
    virtual void CancelAllUpdate() {}
    // Closes every input window.
    virtual void CloseAllForm() {}
    // Every open input window shows the newly read comparison values.
    virtual void PasteHikakuValue() {}
    // Every open input window copies the values it edited into the data model; false when a
    // window refused one (it has said why and keeps the text).
    virtual bool SaveAllVariables() { return true; }
    // Opens the parameter window of all modes.
    virtual void OpenAllModesWindow() {}
    virtual void SetCaption() {}
    // Whether a save that writes a file first shows what it will write, and which locked modes
    // the list may show the values of; std::nullopt: saves write without a review.
    virtual std::optional<FieldAccess> ReviewOfSaves() const { return std::nullopt; }
    // Called with the edits in the model and nothing written yet; false writes nothing.
    virtual bool ConfirmSave(const SaveReview& /*review*/) { return true; }
    virtual void EnableCommands() {}
};

} // namespace vokg
