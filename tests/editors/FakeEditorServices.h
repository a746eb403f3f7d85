#pragma once

#include "editors/EditorServices.h"
#include "editors/InputWindow.h"
#include "tests/support/MemorySettings.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

namespace testsupport {

// The main window as the editors see it, with every answer under the test's control.
class FakeEditorServices : public vokg::EditorServices {
public:
    bool SaveAllFiles(vokg::SaveMode mode, bool withoutAsking) override {
        saves.append({mode, withoutAsking});
        if (saveSucceeds) {
            for (vokg::InputWindow* window : windows)
                window->Update_Variable();
        }
        return saveSucceeds;
    }
    bool IsBusy() const override { return busy; }
    bool ExactPassWord(int kind) override {
        passwordKinds.append(kind);
        return passwordRight;
    }
    void SetManufacturerMenuVisible(bool visible) override { manufacturerMenu.append(visible); }
    void InputWindowClosed(vokg::InputWindow& window) override {
        closed.append(&window);
        windows.removeAll(&window);
    }
    QList<vokg::InputWindow*> InputWindows() const override { return windows; }
    bool HasComparison() const override { return comparison; }
    bool UserFileIsDsg() const override { return dsg; }
    vokg::ProgramSettings& Settings() override { return settings.Typed(); }

    QList<QPair<vokg::SaveMode, bool>> saves;
    bool saveSucceeds = true;
    bool busy = false;
    bool passwordRight = true;
    QList<int> passwordKinds;
    QList<bool> manufacturerMenu;
    QList<vokg::InputWindow*> closed;
    QList<vokg::InputWindow*> windows;
    bool comparison = false;
    bool dsg = true;
    testsupport::MemorySettings settings;
};

} // namespace testsupport
