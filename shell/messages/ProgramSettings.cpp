#include "shell/messages/ProgramSettings.h"

#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "hlpkit/RunError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace vokg {
namespace {

class PropertySettingsStore : public SettingsStore {
public:
    PropertySettingsStore(hlpkit::CProperty& property, QString applicationName)
        : property_(property), applicationName_(std::move(applicationName)) {}

    QString Read(const QString& key) const override {
        return property_.ReadEntry(applicationName_, Section(), key);
    }
    bool Write(const QString& key, const QString& value) override {
        return property_.WriteEntry(applicationName_, Section(), key, value);
    }
    bool WriteDefault(const QString& key, const QString& value) override {
        return property_.RegDefaultKey(applicationName_, Section(), key, value);
    }

private:
    static QString Section() { return QString::fromLatin1(kSettingSection); }

    hlpkit::CProperty& property_;
    QString applicationName_;
};

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

std::unique_ptr<SettingsStore> MakePropertySettingsStore(hlpkit::CProperty& property,
                                                         QString applicationName) {
    return std::make_unique<PropertySettingsStore>(property, std::move(applicationName));
}

ProgramSettings::ProgramSettings(SettingsStore& store, hlpkit::CMethod& method, QString programFolder)
    : store_(store), method_(method), programFolder_(std::move(programFolder)) {}

QString ProgramSettings::Stored(const char* key) const {
    return store_.Read(QString::fromLatin1(key));
}

void ProgramSettings::ReportUnreadable(int code, const char* key, const QString& text) const {
    method_.ErrReg(code,
                   QStringLiteral("%1: the setting %2 holds \"%3\"; its default is used")
                       .arg(hlpkit::StandardErrorText(code), QString::fromLatin1(key), text),
                   QStringLiteral("ReadReg"));
}

bool ProgramSettings::Get(const BoolSetting& setting) const {
    const QString text = Stored(setting.key).trimmed();
    if (text.isEmpty())
        return setting.byDefault;
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    // A number reads as a boolean the way the runtime converts one: 0 is false, any other true.
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (isNumber && std::isfinite(number))
        return number != 0;
    ReportUnreadable(hlpkit::TypeMismatch, setting.key, text);
    return setting.byDefault;
}

int ProgramSettings::Get(const NumberSetting& setting) const {
    const QString text = Stored(setting.key).trimmed();
    if (text.isEmpty())
        return setting.byDefault;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (!isNumber || std::isnan(number)) {
        ReportUnreadable(hlpkit::TypeMismatch, setting.key, text);
        return setting.byDefault;
    }
    // Rounded half to even, like every other conversion of a text to a whole number.
    const double rounded = std::nearbyint(number);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min() ||
        rounded > std::numeric_limits<int>::max()) {
        ReportUnreadable(hlpkit::Overflow, setting.key, text);
        return setting.byDefault;
    }
    return static_cast<int>(rounded);
}

QString ProgramSettings::Get(const TextSetting& setting) const {
    const QString text = Stored(setting.key);
    return text.isEmpty() ? DefaultText(&setting) : text;
}

bool ProgramSettings::Set(const BoolSetting& setting, bool value) {
    return store_.Write(QString::fromLatin1(setting.key), BoolText(value));
}

bool ProgramSettings::Set(const NumberSetting& setting, int value) {
    return store_.Write(QString::fromLatin1(setting.key), QString::number(value));
}

bool ProgramSettings::Set(const TextSetting& setting, const QString& value) {
    return store_.Write(QString::fromLatin1(setting.key), value);
}

QString ProgramSettings::DefaultText(const AnySetting& setting) const {
    struct Visitor {
        const ProgramSettings& settings;
        QString operator()(const BoolSetting* flag) const { return BoolText(flag->byDefault); }
        QString operator()(const NumberSetting* number) const { return QString::number(number->byDefault); }
        QString operator()(const TextSetting* text) const {
            switch (text->byDefault) {
            case TextDefault::ProgramFolder:
                return settings.programFolder_;
            case TextDefault::DefaultWorkbook:
                return DefaultWorkbookPath();
            case TextDefault::Empty:
                break;
            }
            return QString();
        }
    };
    return std::visit(Visitor{*this}, setting);
}

bool ProgramSettings::RegisterDefaults() {
    for (const AnySetting& setting : kSettingOrder) {
        const char* key = std::visit([](const auto* each) { return each->key; }, setting);
        if (!store_.WriteDefault(QString::fromLatin1(key), DefaultText(setting)))
            return false;
    }
    return true;
}

QString ProgramSettings::DefaultWorkbookPath() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QFileInfo folder(documents);
    const QString chosen =
        !documents.isEmpty() && folder.isAbsolute() && folder.isDir() ? documents : QDir::homePath();
    return QDir(QDir(chosen).absolutePath()).filePath(QString::fromLatin1(kDefaultWorkbookName));
}

} // namespace vokg
