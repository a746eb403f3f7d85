#pragma once

#include "editors/EditorServices.h"
#include "hlpkit/CMethod.h"
#include "shell/messages/ProgramSettings.h"

namespace bench {

// Settings that keep nothing: the window reads only defaults here.
class NoSettings : public vokg::SettingsStore {
public:
    QString Read(const QString&) const override { return {}; }
    bool Write(const QString&, const QString&) override { return true; }
    bool WriteDefault(const QString&, const QString&) override { return true; }
};

class BenchServices : public vokg::EditorServices {
public:
    bool SaveAllFiles(vokg::SaveMode, bool) override { return false; }
    bool IsBusy() const override { return false; }
    bool ExactPassWord(int) override { return false; }
    void SetManufacturerMenuVisible(bool) override {}
    void InputWindowClosed(vokg::InputWindow&) override {}
    QList<vokg::InputWindow*> InputWindows() const override { return {}; }
    bool HasComparison() const override { return true; }
    bool UserFileIsDsg() const override { return true; }
    vokg::ProgramSettings& Settings() override { return settings; }

    NoSettings store;
    hlpkit::CMethod method;
    vokg::ProgramSettings settings{store, method, QString()};
};

} // namespace bench
