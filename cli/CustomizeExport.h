#pragma once

#include <QString>

#include <optional>

namespace vokg {
class App;
}

namespace vokg::cli {

// The customize sheet of one direction (0 inputs, 1 outputs) into the workbook `outputPath`,
// as the print dialog's kind 1 writes it: the groups named (comma-separated categories of that
// direction) or all of them. The tables are open already. Returns the exit status.
int WriteCustomizeSheet(App& app, int inout, const std::optional<QString>& groupList, bool onlyDifferences,
                        bool hasComparison, const QString& outputPath, int userTable);

} // namespace vokg::cli
