#include "platform/SheetWorkbook.h"

#include "platform/SheetApplication.h"
#include "platform/SheetError.h"
#include "platform/SheetWorksheet.h"
#include "platform/SheetXlsxWriter.h"

#include <QFileInfo>

namespace platform {

SheetWorkbook::SheetWorkbook(SheetApplication& application, QString name)
    : application_(application), name_(std::move(name)) {
    AddWorksheet();
}

SheetWorkbook::~SheetWorkbook() = default;

SheetWorksheet& SheetWorkbook::Worksheets(int index) const {
    if (index < 1 || index > WorksheetCount())
        throw SheetError(
            9, QStringLiteral("The workbook has no sheet %1 (it has %2).").arg(index).arg(WorksheetCount()));
    return *sheets_[static_cast<std::size_t>(index - 1)];
}

SheetWorksheet& SheetWorkbook::AddWorksheet() {
    // A name no other sheet has, even after renames: Sheet<n> for the first free n.
    QString name;
    for (int number = WorksheetCount() + 1;; ++number) {
        name = QStringLiteral("Sheet%1").arg(number);
        bool taken = false;
        for (const auto& sheet : sheets_)
            taken = taken || sheet->Name().compare(name, Qt::CaseInsensitive) == 0;
        if (!taken)
            break;
    }
    sheets_.push_back(std::make_unique<SheetWorksheet>(*this, name));
    return *sheets_.back();
}

void SheetWorkbook::SaveAs(const QString& path) {
    SheetXlsxWriter::Write(*this, path);
    const QFileInfo info(path);
    name_ = info.fileName();
    fullName_ = info.absoluteFilePath();
}

void SheetWorkbook::Close() {
    application_.CloseWorkbook(*this);
}

} // namespace platform
