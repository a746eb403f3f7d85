#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace platform {

class SheetApplication;
class SheetWorksheet;

// A workbook of one application: its worksheets (one to begin with), saved as an .xlsx file.
class SheetWorkbook {
public:
    SheetWorkbook(SheetApplication& application, QString name);
    ~SheetWorkbook();
    SheetWorkbook(const SheetWorkbook&) = delete;
    SheetWorkbook& operator=(const SheetWorkbook&) = delete;

    SheetApplication& Application() const { return application_; }

    // "Book1" until saved, then the file's name; what "&F" prints.
    const QString& Name() const { return name_; }
    const QString& FullName() const { return fullName_; }

    // Worksheets(1) is the first sheet; an index outside 1..count throws SheetError (code 9).
    SheetWorksheet& Worksheets(int index) const;
    int WorksheetCount() const { return static_cast<int>(sheets_.size()); }
    SheetWorksheet& AddWorksheet();

    // Writes the workbook as Office Open XML. The file is written beside the target under a
    // temporary name and only then put in the target's place, so a failed save leaves an
    // existing file as it was. Throws SheetError (code 75) when the file cannot be written.
    void SaveAs(const QString& path);

    // Closes the workbook without saving; the application forgets it and this object is gone.
    void Close();

private:
    SheetApplication& application_;
    QString name_;
    QString fullName_;
    std::vector<std::unique_ptr<SheetWorksheet>> sheets_;
};

} // namespace platform
