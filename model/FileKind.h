#pragma once

namespace vokg {

// Which of the two open files something belongs to: the user file, the one being edited and
// saved, or the comparison file shown beside it. The values are the numbers the legacy
// procedures were called with.
enum class FileKind { User = 0, Comparison = 1 };

// How SaveAllFiles saves the user file. The values are the legacy mode numbers.
enum class SaveMode {
    Overwrite = 0,   // into the table being edited
    SaveAs = 1,      // into a new file, asked for
    OtherTables = 2, // into tables of the same file, chosen
    MemoryOnly = 3,  // the windows' values into the model only; no file is written
};

} // namespace vokg
