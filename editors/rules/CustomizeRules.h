#pragma once

#include "editors/rules/EntryVerdict.h"
#include "editors/rules/TypedNumber.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CCusSelections;
class CCustoms;

// The entry rules of the customize settings of a signal, for the customize window, its
// chopping-duty dialog and the companion's customize.LOCATION.FIELD=.
class CustomizeRules {
public:
    // ON delay, OFF delay and full-wave time, in 0.1 ms: 0-65535. Blank or no number: message
    // 24; outside the range: message 28 with Min = 0 and Max = 65535.
    static constexpr NumberRange kTimeRange{0, 65535};
    static EntryVerdict CheckTime(const QString& text) { return CheckNumberEntry(text, kTimeRange); }

    // Logic (0 usual, 1 reversed) and operation (0 usual, 1 alternate): "0" or "1", else
    // message 95.
    static EntryVerdict CheckLogicOrOperation(const QString& text);

    // A function of the signal's function table (input or output), given by its value or its
    // name: the value's decimal text, or message 57 ("Select function from list.").
    static EntryVerdict CheckFunction(const QString& text, const CCusSelections& functions);

    // The chopping duty codes in list order: the seven fixed ratios and full output, then
    // "MANUAL" (free ON and OFF times from the duty dialog).
    static QStringList DutyCodes();
    static QString ManualDutyCode() { return QStringLiteral("MANUAL"); }
    // One of the codes exactly; blank: message 24; any other text: message 95.
    static EntryVerdict CheckDutyCode(const QString& text);

    // The duty dialog's ON and OFF times, in 0.1 ms: 1-65535, else message 95.
    static constexpr NumberRange kManualTimeRange{1, 65535};
    static EntryVerdict CheckManualTime(const QString& text);

    // --- what the customize window shows -------------------------------------------------

    // 0 (inputs) when the upper-cased group text holds the input word ("INPUT"), else 1.
    static int DirectionOf(const QString& group);
    // The categories of the rows of one direction, each once, in set order: what a customize
    // sheet of that direction can print.
    static QStringList GroupsOf(const CCustoms& customs, int inout);

    // The value lists of the logic and operation cells: 0 shows "USUAL", 1 "REV" / "ALT".
    static QString LogicList() { return QStringLiteral("#0;USUAL|#1;REV"); }
    static QString OperationList() { return QStringLiteral("#0;USUAL|#1;ALT"); }
    // The space bar and a double click turn 0 into 1 and anything else into 0.
    static QString Toggled(const QString& text);

    // The comparison side's function: the name left-aligned in a field of three characters
    // (longer names keep every character), ":", the description. A value the table lacks shows
    // its number, so that a stored byte is never shown as another function.
    static QString ComparisonFunctionText(const CCusSelections& functions, qint32 value);

    // A duty cell's data: the ON time, a comma, the OFF time. GetChopOnTime and GetChopOffTime
    // read it back; a part that is missing or no whole number reads 0.
    static QString DutyData(qint32 onTime, qint32 offTime);
    static qint32 ChopOnTime(const QString& data);
    static qint32 ChopOffTime(const QString& data);
    // The code a pair of times shows: the first fixed ratio with both times, else "MANUAL".
    static QString DutyCodeOf(qint32 onTime, qint32 offTime);
    // The times of a fixed code; false for "MANUAL" and any other text.
    static bool FixedDutyTimes(const QString& code, qint32& onTime, qint32& offTime);

    // "3ms=ON, 5ms=OFF, 37%duty" for a free duty; without the percentage when both are 0.
    static QString ManualDutyDescription(qint32 onTime, qint32 offTime, hlpkit::CMethod& method);
    // The duty cell's drop-down list: each code, a TAB, its description; the MANUAL entry
    // describes the cell's own times only when its code is "MANUAL".
    static QString DutyComboList(const QString& currentCode, qint32 onTime, qint32 offTime,
                                 hlpkit::CMethod& method);

    // The duty dialog's live label: "37%duty" for the two typed times, empty while they add up
    // to 0 or one of them is no number.
    static QString DutyPercentLabel(const QString& onText, const QString& offText, hlpkit::CMethod& method);
};

} // namespace vokg
