#pragma once

namespace vokg {

// What the open and save operations need of the editor windows. The main window offers it;
// without windows (the command-line companion) every call has nothing to do.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Any open input window holds unsaved edits.
    virtual bool IsExistChanged() const { return false; }
    // Every open input window drops its edits and its changed mark.
    virtual void CancelAllUpdate() {}
    // Closes every input window.
    virtual void CloseAllForm() {}
    // Every open input window shows the newly read comparison values.
    virtual void PasteHikakuValue() {}
    // Every open input window copies its grid contents into the data model.
    virtual void SaveAllVariables() {}
    // Opens the parameter window of all modes.
    virtual void OpenAllModesWindow() {}
    virtual void SetCaption() {}
    virtual void EnableCommands() {}
};

} // namespace vokg
