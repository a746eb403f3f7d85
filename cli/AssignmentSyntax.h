#pragma once

#include <QString>

#include <optional>

namespace vokg::cli {

// One assignment of `set` as written, before any rule has judged its value: what it names and
// the value text (everything after the first "=", as typed).
struct Assignment {
    enum class Kind { Header, Customize, Feed, Digital };
    Kind kind = Kind::Digital;
    // Header: model, version, password or author. Customize: the signal's location. Feed: the
    // array key. Digital: the digital's name (the whole target when no mode is given).
    QString name;
    QString field;      // Customize: the setting (kino, logic, ...)
    QString mode;       // Digital: the mode before the first "/", empty when none was given
    QString indexText;  // Feed: the index digits as written
    int index = -1;     // Feed: the index; -1 when it is too large for a number (out of range)
    bool pitch = false; // Feed: the pitch view (feed.pitch.KEY[I])
    QString value;

    bool operator==(const Assignment&) const = default;
};

// Splits TARGET=VALUE into what it names; std::nullopt when there is no "=" after a target.
std::optional<Assignment> ParseAssignment(const QString& text);

// The assignment written back in the syntax ParseAssignment reads.
QString FormatAssignment(const Assignment& assignment);

} // namespace vokg::cli
