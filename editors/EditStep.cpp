#include "editors/EditStep.h"

#include "editors/InputWindow.h"

namespace vokg {

EditStep::Snapshot EditStep::Snapshot::Of(const QList<InputWindow*>& windows) {
    Snapshot snapshot;
    for (InputWindow* window : windows) {
        if (window == nullptr || window->IsClosed())
            continue;
        WindowCells cells{window, {}};
        const QList<platform::GridCellPosition>& positions = window->UserCells();
        cells.values.reserve(positions.size());
        for (const platform::GridCellPosition& position : positions)
            cells.values.append(window->UserCellValueAt(position));
        snapshot.windows_.append(std::move(cells));
    }
    return snapshot;
}

std::unique_ptr<EditStep> EditStep::Since(const Snapshot& before, const QString& text) {
    auto step = std::make_unique<EditStep>(text);
    for (const Snapshot::WindowCells& earlier : before.windows_) {
        InputWindow* window = earlier.window;
        if (window == nullptr || window->IsClosed())
            continue;
        const QList<platform::GridCellPosition>& positions = window->UserCells();
        WindowChanges changes{window, {}};
        for (qsizetype index = 0; index < positions.size() && index < earlier.values.size(); ++index) {
            UserCellValue now = window->UserCellValueAt(positions[index]);
            if (now == earlier.values[index])
                continue;
            changes.cells.append({positions[index], earlier.values[index], std::move(now)});
        }
        if (!changes.cells.isEmpty())
            step->windows_.append(std::move(changes));
    }
    if (step->windows_.isEmpty())
        return nullptr;
    return step;
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
    // A window closed since has no cells to take (its grid and model rows may be gone): only the
    // windows still open get their values back.
    for (const WindowChanges& changes : std::as_const(windows_)) {
        InputWindow* window = changes.window;
        if (window == nullptr || window->IsClosed())
            continue;
        QList<RestoredCell> cells;
        cells.reserve(changes.cells.size());
        for (const CellChange& change : changes.cells)
            cells.append({change.cell, after ? change.after : change.before});
        window->RestoreUserCells(cells);
    }
}

} // namespace vokg
