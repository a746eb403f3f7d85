#pragma once

#include "editors/rules/PrintOutput.h"
#include "platform/SheetTextMeasure.h"

namespace hlpkit {
class CMethod;
}
namespace platform {
class SheetPrintBackend;
}

namespace vokg {

class CModes;

// The print dialog's output for the parameter modes: the parameter sheet export, printed or saved
// as a workbook, and the workbook-file checks of the export.
class ParameterSheetOutput : public PrintOutput {
public:
    ParameterSheetOutput(const CModes& modes, hlpkit::CMethod& method) : modes_(modes), method_(method) {}

    // Where a print (not a save) goes; none: the default printer.
    void SetPrinter(platform::SheetPrintBackend* printer) { printer_ = printer; }
    // Column fitting; none: the screen fonts' metrics.
    void SetTextMeasure(platform::SheetTextMeasure measure) { measure_ = std::move(measure); }

    bool PrintParameters(const ParameterPrintJob& job,
                         const std::function<void(const QString&)>& doing) override;
    int WorkbookRefusal(const QString& file, const QStringList& filesInUse) override;
    bool ProbeWorkbook(const QString& file) override;
    QString WorkbookFilter() override;
    QString WorkbookExtension() override;

protected:
    platform::SheetPrintBackend* Printer() const { return printer_; }
    const platform::SheetTextMeasure& Measure() const { return measure_; }

private:
    const CModes& modes_;
    hlpkit::CMethod& method_;
    platform::SheetPrintBackend* printer_ = nullptr;
    platform::SheetTextMeasure measure_;
};

} // namespace vokg
