#include "cli/AssignmentSyntax.h"

#include <QRegularExpression>

namespace vokg::cli {

std::optional<Assignment> ParseAssignment(const QString& text) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return std::nullopt;
    const QString target = text.left(equals);
    Assignment assignment;
    assignment.value = text.mid(equals + 1);
    static const QRegularExpression header(QStringLiteral("^header\\.(model|version|password|author)$"));
    if (const auto match = header.match(target); match.hasMatch()) {
        assignment.kind = Assignment::Kind::Header;
        assignment.name = match.captured(1);
        return assignment;
    }
    static const QRegularExpression customize(QStringLiteral("^customize\\.(.+)\\.([a-z_]+)$"));
    if (const auto match = customize.match(target); match.hasMatch()) {
        assignment.kind = Assignment::Kind::Customize;
        assignment.name = match.captured(1);
        assignment.field = match.captured(2);
        return assignment;
    }
    static const QRegularExpression feed(QStringLiteral("^feed\\.(pitch\\.)?([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
    if (const auto match = feed.match(target); match.hasMatch()) {
        assignment.kind = Assignment::Kind::Feed;
        assignment.pitch = !match.captured(1).isEmpty();
        assignment.name = match.captured(2);
        assignment.indexText = match.captured(3);
        // An index too large for a number is out of range like any other, never entry 0.
        bool indexFits = false;
        const int index = assignment.indexText.toInt(&indexFits);
        assignment.index = indexFits ? index : -1;
        return assignment;
    }
    assignment.kind = Assignment::Kind::Digital;
    const qsizetype slash = target.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        assignment.mode = target.left(slash);
        assignment.name = target.mid(slash + 1);
    } else {
        assignment.name = target;
    }
    return assignment;
}

QString FormatAssignment(const Assignment& assignment) {
    QString target;
    switch (assignment.kind) {
    case Assignment::Kind::Header:
        target = QStringLiteral("header.") + assignment.name;
        break;
    case Assignment::Kind::Customize:
        target = QStringLiteral("customize.%1.%2").arg(assignment.name, assignment.field);
        break;
    case Assignment::Kind::Feed:
        target = QStringLiteral("feed.%1%2[%3]")
                     .arg(assignment.pitch ? QStringLiteral("pitch.") : QString(), assignment.name,
                          assignment.indexText);
        break;
    case Assignment::Kind::Digital:
        target = assignment.mode.isEmpty() ? assignment.name
                                           : assignment.mode + QLatin1Char('/') + assignment.name;
        break;
    }
    return target + QLatin1Char('=') + assignment.value;
}

} // namespace vokg::cli
