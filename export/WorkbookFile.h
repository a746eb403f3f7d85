#pragma once

#include <QString>
#include <QStringList>

namespace vokg {

// The workbook files that the sheet exports write are Office Open XML (the default one is a
// setting: ProgramSettings::DefaultWorkbookPath).
inline constexpr auto kWorkbookFilter = "Excel file (*.xlsx)|*.xlsx";
inline constexpr auto kWorkbookDefaultExtension = "XLSX";

// Whether a workbook may be written at a path. A workbook never replaces one of the data files
// it is made from (the user file, the comparison file, their companions): they are compared by
// device and inode, so another name or a link for the same file counts too. Nor does it replace
// a file marked read-only (no write permission at all) or one the user may not write, which
// renaming a new file over it would otherwise do.
enum class WorkbookTarget { Allowed, FileInUse, NotWritable };
WorkbookTarget CheckWorkbookTarget(const QString& path, const QStringList& filesInUse);
// The message that tells the user why (shown with the path as its detail); 0 for Allowed.
int WorkbookTargetMessage(WorkbookTarget target);

// Whether an existing workbook may be replaced: it is copied to "bak_" + its name in the same
// folder and the copy renamed over it, which needs what the new workbook's rename will need. A
// missing file passes. The workbook keeps its bytes whatever fails, and no copy stays behind.
bool ProbeWorkbookFile(const QString& path);

} // namespace vokg
