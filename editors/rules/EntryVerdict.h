#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace vokg {

class Messenger;

// What an entry rule says about a typed or assigned value: the text to store, or the message
// that refuses it. The rule decides; the caller shows the refusal where its user reads it (a box
// over the window, standard error for the companion).
struct EntryVerdict {
    std::optional<QString> accepted;
    int message = 0; // the refusal's message number
    QString text;    // a refusal that has a text of its own instead of a number
    QVariant d1, d2; // the message's details (Min and Max of message 28)

    static EntryVerdict Accept(QString value) { return {std::move(value), 0, {}, {}, {}}; }
    static EntryVerdict Refuse(int number, QVariant first = {}, QVariant second = {}) {
        return {std::nullopt, number, {}, std::move(first), std::move(second)};
    }
    static EntryVerdict RefuseWith(QString ownText) { return {std::nullopt, 0, std::move(ownText), {}, {}}; }

    bool Accepted() const { return accepted.has_value(); }
    // The text the refusal shows; empty for an accepted value.
    QString MessageText() const;
    // Shows the refusal as an exclamation box; nothing for an accepted value.
    void Tell(Messenger& messenger) const;
};

} // namespace vokg
