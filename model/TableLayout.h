#pragma once

#include <QString>

#include <optional>

namespace vokg {

class CCustoms;
class CModes;

// Two fields of the definitions that share a byte of a table.
struct LayoutClash {
    QString definitionFile; // the table of the row placed second: "Set02.e", "Set04.e" or "Set05.e"
    QString description;    // both rows and the bytes they share
};

// Where the fields of one table lie: the header record (model name, data version, author,
// password), the feed table, every digital and every signal setting. A save writes each field
// into its own bytes; two fields on one byte would let the later writer drop the earlier one's
// value while the save reports success, so a definition package is only usable when every byte
// belongs to one field at most.
class TableLayout {
public:
    // The first clash in the order the save writes (header record and feed table first, then
    // digitals by mode, then signals), or nothing when every field has bytes of its own.
    static std::optional<LayoutClash> FindClash(const CModes& modes, const CCustoms& customs);
};

} // namespace vokg
