#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"

#include "editors/rules/ParamRules.h"
#include "model/AccessModes.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kCheckUsage =
    "usage: vokg-cli [--defs DIR] check FILE[:TABLE] [--password PW] [--special PW] "
    "[--manufacturer PW]\n";

} // namespace

// The parameter window's range check over every digital of one table: each value outside the
// bounds its row shows (bounds by name already resolved by the read) is listed as
// "MODE/DIGITAL = VALUE (MIN .. MAX)". The special and manufacturer modes are looked at only when
// unlocked, as they are shown only then.
int CheckCommand(CliSession& session, const QStringList& arguments) {
    OneTable table;
    if (const int status = OpenOneTable(session, arguments, kCheckUsage, table); status != kOk)
        return status;

    const CModes& modes = session.Application().Modes();
    int outside = 0;
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CMode& mode = *modes.Item(m);
        if (!IsModeUnlocked(mode.ModeName(), table.special, table.manufacturer))
            continue;
        const CDigitals& digitals = mode.Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d) {
            const CDigital& digital = *digitals.Item(d);
            const QString value = ParamRules::DisplayValue(digital, digital.UserValue());
            if (ParamRules::InRange(digital, value, digital.Min(), digital.Max()))
                continue;
            ++outside;
            WriteLine(stdout,
                      QStringLiteral("%1/%2 = %3 (%4 .. %5)")
                          .arg(mode.ModeName(), digital.digital(), value, digital.Min(), digital.Max()));
        }
    }
    return outside == 0 ? kOk : kOutOfRange;
}

} // namespace vokg::cli
