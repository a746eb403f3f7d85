#pragma once

#include "editors/ParameterSheetOutput.h"

namespace vokg {

class COkuris;

// The print dialog's output for the feed and pitch windows: the feed sheets of the user feed data
// beside the comparison feed data, printed or saved as a workbook, with the workbook-file checks
// of every export.
class FeedSheetOutput : public ParameterSheetOutput {
public:
    FeedSheetOutput(const CModes& modes, COkuris& user, COkuris& comparison, hlpkit::CMethod& method)
        : ParameterSheetOutput(modes, method), modes_(modes), user_(user), comparison_(comparison),
          method_(method) {}

    bool PrintFeed(const FeedPrintJob& job, const std::function<void(const QString&)>& doing) override;

private:
    const CModes& modes_;
    COkuris& user_;
    COkuris& comparison_;
    hlpkit::CMethod& method_;
};

} // namespace vokg
