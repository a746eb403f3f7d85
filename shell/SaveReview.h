#pragma once

#include "model/FileKind.h"
#include "shell/TableDiff.h"

#include <QList>
#include <QString>

namespace vokg {

// What a save is about to write, shown before anything is written when the user asked for it:
// each table written as the file holds it now beside the values that go into it.
struct SaveReview {
    SaveMode mode = SaveMode::Overwrite;
    // The file the new file starts from (its tables are the old values) and the file written:
    // the same file but for Save As.
    QString source;
    QString target;
    QList<int> tables;
    QList<TableDifference> changes;
};

} // namespace vokg
