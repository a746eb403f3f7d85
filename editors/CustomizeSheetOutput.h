#pragma once

#include "editors/ParameterSheetOutput.h"

namespace vokg {

class CCusSelections;
class CCustoms;

// The print dialog's output for the customize settings: the customize sheet, printed or saved
// as a workbook, with the workbook-file checks of every sheet.
class CustomizeSheetOutput : public ParameterSheetOutput {
public:
    CustomizeSheetOutput(const CModes& modes, const CCustoms& user, const CCustoms& comparison,
                         const CCusSelections& inputs, const CCusSelections& outputs, hlpkit::CMethod& method)
        : ParameterSheetOutput(modes, method), modes_(modes), user_(user), comparison_(comparison),
          inputs_(inputs), outputs_(outputs), method_(method) {}

    bool PrintCustomize(const CustomizePrintJob& job,
                        const std::function<void(const QString&)>& doing) override;

private:
    const CModes& modes_;
    const CCustoms& user_;
    const CCustoms& comparison_;
    const CCusSelections& inputs_;
    const CCusSelections& outputs_;
    hlpkit::CMethod& method_;
};

} // namespace vokg
