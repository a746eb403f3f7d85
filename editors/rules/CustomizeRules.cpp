#include "editors/rules/CustomizeRules.h"

#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SharedProcedures.h"

#include <cmath>

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

int CustomizeRules::DirectionOf(const QString& group) {
    return group.toUpper().contains(LoadMsg(487)) ? 0 : 1;
}

QStringList CustomizeRules::GroupsOf(const CCustoms& customs, int inout) {
    QStringList groups;
    for (const CCustom& row : customs)
        if (row.INOUT() == inout && !groups.contains(row.Category()))
            groups.append(row.Category());
    return groups;
}

QString CustomizeRules::Toggled(const QString& text) {
    return text.trimmed() == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("0");
}

QString CustomizeRules::ComparisonFunctionText(const CCusSelections& functions, qint32 value) {
    const CCusSelection* function = functions.Item(QString::number(value));
    if (function == nullptr)
        return QString::number(value);
    return function->Ditigal().leftJustified(3, QLatin1Char(' ')) + QLatin1Char(':') + function->Advice();
}

QString CustomizeRules::DutyData(qint32 onTime, qint32 offTime) {
    return QString::number(onTime) + QLatin1Char(',') + QString::number(offTime);
}

namespace {

qint32 DutyPart(const QString& data, int part) {
    const qsizetype comma = data.indexOf(QLatin1Char(','));
    if (comma < 0)
        return 0;
    const QString text = part == 0 ? data.left(comma) : data.mid(comma + 1);
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

qint32 CustomizeRules::ChopOnTime(const QString& data) {
    return DutyPart(data, 0);
}

qint32 CustomizeRules::ChopOffTime(const QString& data) {
    return DutyPart(data, 1);
}

QString CustomizeRules::DutyCodeOf(qint32 onTime, qint32 offTime) {
    CCustom row;
    QString code;
    CCustoms::GetDutyInfo(1, row, onTime, offTime, code);
    return code;
}

bool CustomizeRules::FixedDutyTimes(const QString& code, qint32& onTime, qint32& offTime) {
    if (code == ManualDutyCode() || !DutyCodes().contains(code))
        return false;
    CCustom row;
    QString known = code;
    CCustoms::GetDutyInfo(0, row, onTime, offTime, known);
    return true;
}

QString CustomizeRules::ManualDutyDescription(qint32 onTime, qint32 offTime, hlpkit::CMethod& method) {
    const QString times = QString::number(onTime / 10.0) + QStringLiteral("ms=ON, ") +
                          QString::number(offTime / 10.0) + QStringLiteral("ms=OFF");
    if (qint64(onTime) + offTime == 0)
        return times;
    return times + QStringLiteral(", ") + QString::number(GetDutyPercent(onTime, offTime, method)) +
           QLatin1Char('%') + LoadMsg(263);
}

QString CustomizeRules::DutyComboList(const QString& currentCode, qint32 onTime, qint32 offTime,
                                      hlpkit::CMethod& method) {
    QStringList entries;
    const QStringList codes = DutyCodes();
    for (int index = 0; index < codes.size() - 1; ++index)
        entries << codes[index] + QLatin1Char('\t') + CCustoms::GetDutyInfo2(index);
    const QString manual =
        currentCode == ManualDutyCode() ? ManualDutyDescription(onTime, offTime, method) : QString();
    entries << ManualDutyCode() + QLatin1Char('\t') + manual;
    return entries.join(QLatin1Char('|'));
}

QString CustomizeRules::DutyPercentLabel(const QString& onText, const QString& offText,
                                         hlpkit::CMethod& method) {
    const std::optional<double> on = TypedWholeNumber(onText);
    const std::optional<double> off = TypedWholeNumber(offText);
    if (!on || !off || *on + *off == 0)
        return {};
    // Times beyond 32 bits are refused at acceptance; the label shows nothing for them.
    if (std::abs(*on) > 2147483647.0 || std::abs(*off) > 2147483647.0)
        return {};
    return QString::number(GetDutyPercent(qint32(*on), qint32(*off), method)) + QLatin1Char('%') +
           LoadMsg(263);
}

} // namespace vokg
