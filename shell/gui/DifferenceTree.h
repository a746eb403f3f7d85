#pragma once

#include "shell/TableDiff.h"

#include <QList>
#include <QString>

#include <functional>

class QTreeWidget;

namespace vokg {

// The tree the compare window and the review of a save show differences in: a group per table,
// below it a group per kind (header, digital, customize, feed), below those the lines of
// TableDifference::Line(), each group with its count.
namespace DifferenceTree {

// The index into `differences` a line item carries; nothing on the group items.
inline constexpr int kDifferenceRole = 0x0100 + 1; // Qt::UserRole + 1

// Fills `tree` with `differences` in their order; `tableCaption` names a table group.
void Fill(QTreeWidget* tree, const QList<TableDifference>& differences,
          const std::function<QString(int table)>& tableCaption);

// Shows the lines that contain `text` (every line when it is empty), hides the groups left
// without a line and puts the shown counts into the group captions; the number of lines shown.
int Filter(QTreeWidget* tree, const QString& text);

// The lines shown, in order.
QStringList VisibleLines(const QTreeWidget* tree);

// "1 change", "12 changes" and the like.
QString Counted(qsizetype count, const QString& one, const QString& many);

} // namespace DifferenceTree

} // namespace vokg
