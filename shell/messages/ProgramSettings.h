#pragma once

#include "shell/messages/SettingKeys.h"

#include <QString>

#include <memory>

namespace hlpkit {
class CMethod;
class CProperty;
} // namespace hlpkit

namespace vokg {

// Where the settings' texts are kept. The program's store is the utility library's settings
// store under the executable's base name, section "Setting" (MakePropertySettingsStore); tests
// keep theirs in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text; "" when the entry is absent or holds the empty string.
    virtual QString Read(const QString& key) const = 0;
    // False (reported by the store) when the text could not be stored.
    virtual bool Write(const QString& key, const QString& value) = 0;
    // Stores `value` only when the entry is absent or empty; an existing text is never replaced.
    virtual bool WriteDefault(const QString& key, const QString& value) = 0;
};

std::unique_ptr<SettingsStore> MakePropertySettingsStore(hlpkit::CProperty& property,
                                                         QString applicationName);

// The program's per-user settings, typed: every key with its default lives in SettingKeys.h,
// and every reader and writer goes through here. A setting that is missing (absent or empty)
// reads as its default. One whose text does not read as its type is reported (type mismatch,
// or overflow for a number too large) and reads as its default too; its text stays stored as it
// was, so nothing the user wrote is lost. Booleans are written True or False; 1 and 0, which
// earlier versions wrote for some of them, still read as true and false.
class ProgramSettings {
public:
    // `programFolder` is the default of the reading folder.
    ProgramSettings(SettingsStore& store, hlpkit::CMethod& method, QString programFolder);

    bool Get(const BoolSetting& setting) const;
    int Get(const NumberSetting& setting) const;
    QString Get(const TextSetting& setting) const;

    // False when the store could not keep the value (reported by the store).
    bool Set(const BoolSetting& setting, bool value);
    bool Set(const NumberSetting& setting, int value);
    bool Set(const TextSetting& setting, const QString& value);

    // The text a missing setting is registered with.
    QString DefaultText(const AnySetting& setting) const;

    // Registers every missing setting with its default, in the documented order; false at the
    // first one the store cannot keep.
    bool RegisterDefaults();

    // The default workbook: VOKG_SET.xlsx in the documents folder, or in the home folder when
    // the desktop has no documents folder (never a name relative to wherever the program started).
    static QString DefaultWorkbookPath();

private:
    QString Stored(const char* key) const;
    void ReportUnreadable(int code, const char* key, const QString& text) const;

    SettingsStore& store_;
    hlpkit::CMethod& method_;
    QString programFolder_;
};

} // namespace vokg
