#pragma once

#include "model/HeaderField.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace vokg {

// Reads the two header texts of the tables of a data file straight from the file, without
// touching the model: the table-choice dialogs show them before any table is opened.
class HeaderText {
public:
    static constexpr int kFieldSize = HeaderField::kSize; // model name at 0, data version at 10
    static constexpr int kTableSize = 8192;

    struct Header {
        QString kishuName;
        QString dataVersion;
    };

    // Opens `path` for reading. Throws hlpkit::RunError 52 for an empty name, 53 when the file
    // does not exist and 75 when it cannot be read.
    explicit HeaderText(const QString& path);

    // The header of table `tableNumber` (1-based). Throws RunError 9 for a table number below 1
    // and 62 when the file ends before the header's 20 bytes.
    Header Read(int tableNumber);

    // One 10-byte field as the model decodes it: code page 932, every NUL a space, spaces
    // removed at both ends, so the dialog shows exactly what opening the table would show.
    static QString Decode(QByteArrayView field);

private:
    QFile file_;
};

} // namespace vokg
