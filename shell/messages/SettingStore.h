#pragma once

#include <QString>

namespace hlpkit {
class CProperty;
}

namespace vokg {

// The program's per-user settings: application = the executable's base name, section
// "Setting", text values. Reading and writing go through the utility library, which reports
// its own failures.
class SettingStore {
public:
    SettingStore(hlpkit::CProperty& property, QString applicationName);

    static QString Section() { return QStringLiteral("Setting"); }

    // The stored text, or "" when the entry is absent, empty or cannot be read.
    QString ReadReg(const QString& key) const;

    // False when the value could not be stored; the store then keeps what it held. An empty
    // key names no entry and is refused.
    bool WriteReg(const QString& key, const QString& value);

    const QString& ApplicationName() const { return applicationName_; }

private:
    hlpkit::CProperty& property_;
    QString applicationName_;
};

} // namespace vokg
