#include "hlpkit/CProperty.h"

#include "hlpkit/RunError.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>

namespace hlpkit {

const QUuid CProperty::kClassId{0x1235ac2b, 0x3dc3, 0x4e43, 0xb4, 0xf8, 0x2f, 0x7d, 0x43, 0x46, 0x71, 0x35};
const QUuid CProperty::kInterfaceId{0xd062aa42, 0x49d2, 0x4953, 0xb5, 0x51, 0x5a,
                                    0xf3,       0x7d,   0x93,   0x35, 0xc9};

namespace {

struct OpenSettings {
    QMutex mutex;
    CProperty::OpenHook hook;
};

OpenSettings& Open() {
    static OpenSettings settings;
    return settings;
}

// The application name becomes a file name and the section and key become INI names, in
// which QSettings reads "/" and "\" as nesting: such names would land somewhere else.
void CheckEntryNames(const QString& appName, const QString& section, const QString& key) {
    if (appName.isEmpty() || appName == QLatin1String(".") || appName == QLatin1String("..") ||
        appName.contains(QLatin1Char('/')) || appName.contains(QLatin1Char('\\')))
        throw RunError(BadFileName, StandardErrorText(BadFileName) + QStringLiteral(": ") + appName);
    for (const QString& name : {section, key}) {
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            throw RunError(InvalidCall,
                           StandardErrorText(InvalidCall) + QStringLiteral(": \"") + name + QLatin1Char('"'));
    }
}

QString EntryPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

void CheckStatus(const QSettings& settings) {
    if (settings.status() != QSettings::NoError)
        throw RunError(PathFileAccessError,
                       StandardErrorText(PathFileAccessError) + QStringLiteral(": ") + settings.fileName());
}

QString ReadText(const QString& appName, const QString& section, const QString& key) {
    CheckEntryNames(appName, section, key);
    QSettings settings(CProperty::SettingsFile(appName), QSettings::IniFormat);
    QString value = settings.value(EntryPath(section, key)).toString();
    CheckStatus(settings);
    return value;
}

void WriteText(const QString& appName, const QString& section, const QString& key, const QString& value) {
    CheckEntryNames(appName, section, key);
    QString file = CProperty::SettingsFile(appName);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        throw RunError(PathNotFound, StandardErrorText(PathNotFound) + QStringLiteral(": ") +
                                         QFileInfo(file).absolutePath());
    QSettings settings(file, QSettings::IniFormat);
    // A file QSettings cannot parse would be rewritten from nothing: the user's other
    // settings would be lost. Refuse instead.
    CheckStatus(settings);
    settings.setValue(EntryPath(section, key), value);
    settings.sync();
    CheckStatus(settings);
}

} // namespace

int CProperty::CrtResolution() {
    return Guarded(method_, QStringLiteral("CrtResolution"), 0, [&] {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
            Raise(DeviceUnavailable);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr)
            Raise(DeviceUnavailable);
        return screen->geometry().width();
    });
}

int CProperty::GetDlgBorderHeight() {
    return Guarded(method_, QStringLiteral("GetDlgBorderHeight"), 0, [&] {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            Raise(DeviceUnavailable);
        // The editors are sub-windows of the main frame; theirs is the frame Qt itself draws.
        return QApplication::style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    });
}

int CProperty::RunAssociatedApp(QWidget* owner, const QString& fullName, int showCommand) {
    Q_UNUSED(owner);
    Q_UNUSED(showCommand);
    constexpr int kStarted = 42;
    constexpr int kFileNotFound = 2;
    return Guarded(method_, QStringLiteral(" RunAssociatedApp"), kFileNotFound, [&] {
        QFileInfo file(fullName);
        if (fullName.isEmpty() || !file.exists())
            throw RunError(FileNotFound, StandardErrorText(FileNotFound) + QStringLiteral(": ") + fullName);
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        OpenHook hook;
        {
            QMutexLocker lock(&Open().mutex);
            hook = Open().hook;
        }
        const bool opened = hook ? hook(url) : QDesktopServices::openUrl(url);
        // The desktop refuses a file it has no program for; the caller tells the user.
        return opened ? kStarted : NoAssociation;
    });
}

void CProperty::SetOpenHook(OpenHook hook) {
    QMutexLocker lock(&Open().mutex);
    Open().hook = std::move(hook);
}

void CProperty::ResetOpenHook() {
    SetOpenHook(nullptr);
}

QString CProperty::SettingsFile(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/VOKG_SET/") + appName + QStringLiteral(".ini");
}

bool CProperty::ExistsRegEntry(const QString& appName, const QString& section, const QString& key) {
    return Guarded(method_, QStringLiteral("ExistsRegEntry"), false,
                   [&] { return !ReadText(appName, section, key).isEmpty(); });
}

bool CProperty::RegDefaultKey(const QString& appName, const QString& section, const QVariant& key,
                              const QVariant& defaultValue) {
    return Guarded(method_, QStringLiteral("RegDefaultKey"), false, [&] {
        if (!key.canConvert<QString>())
            Raise(TypeMismatch);
        QString keyText = key.toString();
        if (!ReadText(appName, section, keyText).isEmpty())
            return true;
        QString text;
        if (defaultValue.typeId() == QMetaType::Bool)
            text = defaultValue.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        else if (defaultValue.isValid() && defaultValue.canConvert<QString>())
            text = defaultValue.toString();
        else
            Raise(TypeMismatch);
        WriteText(appName, section, keyText, text);
        return true;
    });
}

QString CProperty::ReadEntry(const QString& appName, const QString& section, const QString& key,
                             const QString& defaultValue) {
    return Guarded(method_, QStringLiteral("ReadEntry"), QString(), [&] {
        QString value = ReadText(appName, section, key);
        return value.isEmpty() ? defaultValue : value;
    });
}

bool CProperty::WriteEntry(const QString& appName, const QString& section, const QString& key,
                           const QString& value) {
    return Guarded(method_, QStringLiteral("WriteEntry"), false, [&] {
        WriteText(appName, section, key, value);
        return true;
    });
}

bool CProperty::apSel_DelObject(QPainter& painter, const PainterObject& select,
                                std::optional<PainterObject>& remove) {
    if (!painter.isActive())
        return false;
    std::visit(
        [&](const auto& object) {
            using T = std::decay_t<decltype(object)>;
            if constexpr (std::is_same_v<T, QPen>)
                painter.setPen(object);
            else if constexpr (std::is_same_v<T, QBrush>)
                painter.setBrush(object);
            else
                painter.setFont(object);
        },
        select);
    if (!remove.has_value())
        return false;
    remove.reset();
    return true;
}

} // namespace hlpkit
