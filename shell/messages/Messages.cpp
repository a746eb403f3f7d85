#include "shell/messages/Messages.h"

#include "shell/messages/MessageTemplates.h"
#include "shell/messages/ResourceStrings.h"

#include <QStringView>

namespace vokg {

namespace {

constexpr int kEnglishOffset = 1000;

// Details arrive as whatever the caller holds; numbers are shown in decimal and a boolean the
// way the settings store writes it, so a detail reads the same in a box and in the store.
QString DetailText(const QVariant& detail) {
    if (!detail.isValid() || detail.isNull())
        return {};
    if (detail.typeId() == QMetaType::Bool)
        return detail.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return detail.toString();
}

// One pass over the template: a detail that itself contains "{1001}" or "{d2}" is shown as
// typed, never expanded again.
QString Expand(QStringView pattern, const QVariantList& details) {
    QString text;
    qsizetype position = 0;
    while (position < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'{', position);
        const qsizetype close = open < 0 ? -1 : pattern.indexOf(u'}', open);
        if (open < 0 || close < 0) {
            text += pattern.mid(position);
            break;
        }
        text += pattern.mid(position, open - position);
        const QStringView field = pattern.mid(open + 1, close - open - 1);
        bool isNumber = false;
        if (field.startsWith(u'd')) {
            const int index = field.mid(1).toInt(&isNumber) - 1;
            if (isNumber && index >= 0 && index < details.size())
                text += DetailText(details.at(index));
        } else {
            const int resourceId = field.toInt(&isNumber);
            text += isNumber ? ResourceText(resourceId) : pattern.mid(open, close - open + 1).toString();
        }
        position = close + 1;
    }
    return text;
}

} // namespace

QString LoadMsg(int id) {
    if (id < 0 || id >= kEnglishOffset)
        return {};
    return ResourceText(id + kEnglishOffset);
}

QString ResourceText(int resourceId) {
    const bool english = resourceId >= kEnglishOffset;
    const ResourceString* entry = FindResourceString(english ? resourceId - kEnglishOffset : resourceId);
    if (entry == nullptr)
        return {};
    return QString::fromUtf16(english ? entry->english : entry->japanese);
}

QString ComposeMessage(int number, const QVariantList& details) {
    const char16_t* pattern = FindMessageTemplate(number);
    if (pattern == nullptr)
        return {};
    return Expand(QStringView(pattern), details);
}

Messenger::Messenger(platform::Prompter& prompter, QString title)
    : prompter_(prompter), title_(std::move(title)) {}

platform::Answer Messenger::ShowMsg(int number, platform::BoxKind kind, const QVariant& d1,
                                    const QVariant& d2, const QVariant& d3, const QVariant& d4) {
    return ShowText(ComposeMessage(number, {d1, d2, d3, d4}), kind);
}

platform::Answer Messenger::ShowText(const QString& text, platform::BoxKind kind) {
    // A kind made from a number outside the table shows nothing.
    const int number = static_cast<int>(kind);
    if (number < static_cast<int>(platform::BoxKind::Critical) ||
        number > static_cast<int>(platform::BoxKind::ExclamationYesNo))
        return platform::Answer::None;
    const platform::Answer answer = prompter_.Message(kind, title_, text);
    return platform::BoxKindAsks(kind) ? answer : platform::Answer::None;
}

} // namespace vokg
