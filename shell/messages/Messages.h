#pragma once

#include "platform/Prompter.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace vokg {

// LoadMsg(id): the English text shown for a text id below 1000 (resource id + 1000).
QString LoadMsg(int id);

// The resource string with this id: ids of 1000 and above are the English texts, ids below
// 1000 their Japanese twins. Empty for an id the table does not hold.
QString ResourceText(int resourceId);

// The text ShowMsg shows for message `number` with details d1..d4 (empty for a number
// without text).
QString ComposeMessage(int number, const QVariantList& details = {});

// Shows messages by number through the prompter, titled with the executable's base name.
class Messenger {
public:
    Messenger(platform::Prompter& prompter, QString title);

    platform::Answer ShowMsg(int number, platform::BoxKind kind, const QVariant& d1 = {},
                             const QVariant& d2 = {}, const QVariant& d3 = {}, const QVariant& d4 = {});

    // A box with a text of its own (the few places that show a literal text, not a number).
    platform::Answer ShowText(const QString& text, platform::BoxKind kind);

    platform::Prompter& Prompter() const { return prompter_; }
    const QString& Title() const { return title_; }

private:
    platform::Prompter& prompter_;
    QString title_;
};

} // namespace vokg
