#include "platform/SheetApplication.h"

#include "platform/SheetWorkbook.h"

#include <algorithm>

namespace platform {

SheetApplication::SheetApplication(SheetPrintBackend* printer, SheetTextMeasure measure)
    : printer_(printer), measure_(std::move(measure)) {}

SheetApplication::~SheetApplication() = default;

SheetWorkbook& SheetApplication::AddWorkbook() {
    workbooks_.push_back(std::make_unique<SheetWorkbook>(*this, QStringLiteral("Book%1").arg(++booksAdded_)));
    return *workbooks_.back();
}

void SheetApplication::CloseWorkbook(SheetWorkbook& workbook) {
    const auto found = std::find_if(workbooks_.begin(), workbooks_.end(),
                                    [&workbook](const auto& open) { return open.get() == &workbook; });
    if (found != workbooks_.end())
        workbooks_.erase(found);
}

void SheetApplication::Quit() {
    workbooks_.clear();
}

} // namespace platform
