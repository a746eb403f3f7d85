#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vokg {

// One print of the parameter sheet, as the print dialog decided it.
struct ParameterPrintJob {
    QString file;              // the workbook to write; empty for the printer
    QStringList selectedModes; // the modes ticked in the list, each once
    bool onlyDifferences = false;
    bool toFile = false;
    bool hasComparison = false;
    int userTableNumber = 1; // "TableNo" of the page header
};

// One print of a feed sheet (print kinds 2 and 3), as the print dialog decided it.
struct FeedPrintJob {
    QString file;             // the workbook to write; empty for the printer
    QStringList keys;         // kind 2: the arrays ticked in the list; kind 3: the pitch window's kind
    bool pitchWindow = false; // kind 3: one pitch window's arrays side by side
    QString title;            // the calling window's caption
    bool onlyDifferences = false;
    bool toFile = false;
    bool hasComparison = false;
    int userTableNumber = 1; // "TableNo" of the page header
};

// One print of the customize sheet: the groups ticked in the list, of one direction.
struct CustomizePrintJob {
    QString file;               // the workbook to write; empty for the printer
    QStringList selectedGroups; // the categories ticked in the list, each once
    int inout = 0;              // 0 inputs, 1 outputs
    bool onlyDifferences = false;
    bool toFile = false;
    bool hasComparison = false;
    int userTableNumber = 1;
};

// Where the print dialog's decisions go: the sheet itself and the workbook files. The dialog's
// rules decide what to print and into which file; the sheet export (a layer above the rules)
// does it.
class PrintOutput {
public:
    virtual ~PrintOutput() = default;

    // Prints the sheet or saves it as a workbook; progress texts go to `doing`. False when it
    // failed (reported through the error log).
    virtual bool PrintParameters(const ParameterPrintJob& job,
                                 const std::function<void(const QString&)>& doing) = 0;

    // Prints a feed sheet or saves it as a workbook; false when it failed or this output has no
    // feed data.
    virtual bool PrintFeed(const FeedPrintJob& job, const std::function<void(const QString&)>& doing) {
        static_cast<void>(job);
        static_cast<void>(doing);
        return false;
    }
    // The customize sheet, likewise; an output without it refuses (false, reported).
    virtual bool PrintCustomize(const CustomizePrintJob& job,
                                const std::function<void(const QString&)>& doing);

    // 0 when a workbook may be written at `file`; otherwise the message that says why not
    // (a data file in use, a file the user may not write), shown with the file as its detail.
    virtual int WorkbookRefusal(const QString& file, const QStringList& filesInUse) = 0;
    // Whether an existing workbook can be replaced (not held open by another program).
    virtual bool ProbeWorkbook(const QString& file) = 0;

    // The workbook files' filter and default extension (the default workbook is a setting).
    virtual QString WorkbookFilter() = 0;
    virtual QString WorkbookExtension() = 0;
};

} // namespace vokg
