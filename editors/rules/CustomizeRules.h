#pragma once

#include "editors/rules/EntryVerdict.h"
#include "editors/rules/TypedNumber.h"

#include <QString>
#include <QStringList>

namespace vokg {

class CCusSelections;

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
};

} // namespace vokg
