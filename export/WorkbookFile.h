#pragma once

#include <QString>

namespace vokg {

// The workbook file that the sheet exports write: Office Open XML, "VOKG_SET.xlsx" in the
// documents folder (the home folder when there is none) unless the user chose another.
inline constexpr auto kWorkbookFileName = "VOKG_SET.xlsx";
inline constexpr auto kWorkbookFilter = "Excel file (*.xlsx)|*.xlsx";
inline constexpr auto kWorkbookDefaultExtension = "XLSX";

QString DefaultWorkbookPath();

// Whether an existing workbook may be replaced: it is copied to "bak_" + its name in the same
// folder, deleted, copied back and the copy deleted. A missing file passes. Should any step
// fail, the file is put back from the copy, so the probe itself never loses the workbook.
bool ProbeWorkbookFile(const QString& path);

} // namespace vokg
