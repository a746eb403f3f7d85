#include "editors/EditStep.h"

#include "editors/InputWindow.h"
#include "editors/rules/EntryVerdict.h"

namespace vokg {

EditStep::Snapshot EditStep::Take(const InputWindow& window) {
    Snapshot values;
    const QList<platform::GridCellPosition>& positions = window.UserCells();
    values.reserve(positions.size());
    for (const platform::GridCellPosition& position : positions)
        values.append(window.UserCellValueAt(position));
    return values;
}

std::unique_ptr<EditStep> EditStep::Since(InputWindow& window, const Snapshot& before, const QString& text) {
    auto step = std::make_unique<EditStep>(window, text);
    const QList<platform::GridCellPosition>& positions = window.UserCells();
    for (qsizetype index = 0; index < positions.size() && index < before.size(); ++index) {
        UserCellValue now = window.UserCellValueAt(positions[index]);
        if (now != before[index])
            step->cells_.append({positions[index], before[index], std::move(now)});
    }
    if (step->cells_.isEmpty())
        return nullptr;
    return step;
}

bool EditStep::Refused(bool redo) const {
    if (window_ == nullptr || window_->IsClosed())
        return false;
    for (const CellChange& change : cells_) {
        const UserCellValue& value = redo ? change.after : change.before;
        const std::optional<EntryVerdict> verdict =
            window_->RuleOfCell(change.cell.row, change.cell.col, value.text);
        if (verdict && !verdict->Accepted()) {
            verdict->Tell(window_->Messages());
            return true;
        }
    }
    return false;
}

void EditStep::undo() {
    Apply(false);
}

void EditStep::redo() {
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    Apply(true);
}

void EditStep::Apply(bool after) {
    // A closed window's history is cleared with it; a step still held elsewhere writes nothing.
    if (window_ == nullptr || window_->IsClosed())
        return;
    QList<RestoredCell> cells;
    cells.reserve(cells_.size());
    for (const CellChange& change : std::as_const(cells_))
        cells.append({change.cell, after ? change.after : change.before});
    window_->RestoreUserCells(cells);
}

} // namespace vokg
