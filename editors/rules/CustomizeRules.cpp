#include "editors/rules/CustomizeRules.h"

#include "model/CCusSelections.h"
#include "shell/messages/MessageIds.h"

namespace vokg {

EntryVerdict CustomizeRules::CheckLogicOrOperation(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed != QLatin1String("0") && trimmed != QLatin1String("1"))
        return EntryVerdict::Refuse(msg::InvalidValue);
    return EntryVerdict::Accept(trimmed);
}

EntryVerdict CustomizeRules::CheckFunction(const QString& text, const CCusSelections& functions) {
    const QString trimmed = text.trimmed();
    // A name first: the tables name every function, and a value is only its number.
    qint32 value = functions.ValueByDigital(trimmed);
    if (value == -1) {
        const std::optional<double> number = TypedNumber(trimmed);
        if (number && *number == qint32(*number))
            value = qint32(*number);
    }
    if (value == -1 || !functions.dicValue().contains(QString::number(value)))
        return EntryVerdict::Refuse(msg::SelectFromList);
    return EntryVerdict::Accept(QString::number(value));
}

QStringList CustomizeRules::DutyCodes() {
    return {QStringLiteral("ALL"), QStringLiteral("66L"), QStringLiteral("66H"),
            QStringLiteral("50L"), QStringLiteral("50H"), QStringLiteral("33"),
            QStringLiteral("17"),  QStringLiteral("8"),   ManualDutyCode()};
}

EntryVerdict CustomizeRules::CheckDutyCode(const QString& text) {
    if (IsBlankEntry(text))
        return EntryVerdict::Refuse(msg::InputValue);
    if (!DutyCodes().contains(text))
        return EntryVerdict::Refuse(msg::InvalidValue);
    return EntryVerdict::Accept(text);
}

EntryVerdict CustomizeRules::CheckManualTime(const QString& text) {
    const std::optional<double> value = TypedWholeNumber(text);
    if (!value || !kManualTimeRange.Contains(*value))
        return EntryVerdict::Refuse(msg::InvalidValue);
    return EntryVerdict::Accept(QString::number(qint64(*value)));
}

} // namespace vokg
