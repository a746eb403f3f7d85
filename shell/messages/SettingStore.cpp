#include "shell/messages/SettingStore.h"

#include "hlpkit/CProperty.h"

namespace vokg {

SettingStore::SettingStore(hlpkit::CProperty& property, QString applicationName)
    : property_(property), applicationName_(std::move(applicationName)) {}

QString SettingStore::ReadReg(const QString& key) const {
    if (key.isEmpty())
        return {};
    return property_.ReadEntry(applicationName_, Section(), key);
}

bool SettingStore::WriteReg(const QString& key, const QString& value) {
    if (key.isEmpty())
        return false;
    return property_.WriteEntry(applicationName_, Section(), key, value);
}

} // namespace vokg
