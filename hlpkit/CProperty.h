#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/HlpObject.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <variant>

class QPainter;
class QUrl;
class QWidget;

namespace hlpkit {

// System properties and the per-user settings store.
class HLPKIT_EXPORT CProperty : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }

    // Width of the primary screen in pixels; 0 (reported) when no screen is known.
    int CrtResolution();

    // Height in pixels of a dialog-style window frame.
    int GetDlgBorderHeight();

    // Opens `fullName` with the application the desktop associates with it. Returns a value
    // above 32 on success, NoAssociation (not reported: a plain situation, not a fault) when the
    // desktop has no program to open it, 2 when the file does not exist (reported).
    // `showCommand` is accepted for the callers' sake; the desktop decides how windows appear.
    int RunAssociatedApp(QWidget* owner, const QString& fullName, int showCommand);
    static constexpr int NoAssociation = 31;

    // How RunAssociatedApp hands a file to the desktop; tests replace it so that no real
    // application is ever started. The hook returns whether the desktop accepted the file.
    using OpenHook = std::function<bool(const QUrl& url)>;
    static void SetOpenHook(OpenHook hook);
    static void ResetOpenHook();

    // The settings store: one INI file per application name under the user's configuration
    // folder, one group per section. An entry that holds the empty string counts as absent.
    static QString SettingsFile(const QString& appName);
    bool ExistsRegEntry(const QString& appName, const QString& section, const QString& key);
    // Stores the text form of `defaultValue` (booleans as True/False) when the entry is absent;
    // an existing entry is never overwritten. False (reported) when it cannot be stored.
    bool RegDefaultKey(const QString& appName, const QString& section, const QVariant& key,
                       const QVariant& defaultValue);
    // The entry's text, `defaultValue` when it is absent or empty.
    QString ReadEntry(const QString& appName, const QString& section, const QString& key,
                      const QString& defaultValue = QString());
    // False (reported) when the value could not be stored.
    bool WriteEntry(const QString& appName, const QString& section, const QString& key, const QString& value);

    // A drawing object a painter can hold.
    using PainterObject = std::variant<QPen, QBrush, QFont>;
    // Puts `select` into the painter and releases the object held in `remove`. True only when
    // both steps succeed: the painter is active and `remove` held an object.
    bool apSel_DelObject(QPainter& painter, const PainterObject& select,
                         std::optional<PainterObject>& remove);

private:
    CMethod method_;
};

} // namespace hlpkit
