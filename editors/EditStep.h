#pragma once

#include "platform/gui/GridCellPosition.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QUndoCommand>
#include <QVariant>

#include <memory>

namespace vokg {

class InputWindow;

// What a user cell of an editor grid holds: its text, and the cell data where a window keeps its
// value there (a customize function or chopping duty).
struct UserCellValue {
    QString text;
    QVariant data;
    bool operator==(const UserCellValue& other) const = default;
};

// A user cell written back by an undo or a redo, with the value it gets.
struct RestoredCell {
    platform::GridCellPosition cell;
    UserCellValue value;
};

// One user action of an editor window as a step of that window's history: every user cell of the
// window the action changed, before and after. Undo writes the earlier values back, redo the later
// ones, and the window then carries them on as the action did: into every other window open now
// that shows the same digital, signal or feed byte (one opened since included), into the bounds
// that name a value, the marks, the filters and the changed state. Carrying the value again rather
// than overwriting the other windows' cells keeps what they changed since in the rest of a shared
// feed word.
class EditStep : public QUndoCommand {
public:
    // The user cells of a window at one moment.
    using Snapshot = QList<UserCellValue>;
    static Snapshot Take(const InputWindow& window);

    // The step from `before` to what the window's cells hold now; none when no cell changed.
    static std::unique_ptr<EditStep> Since(InputWindow& window, const Snapshot& before, const QString& text);

    EditStep(InputWindow& window, const QString& text) : QUndoCommand(text), window_(&window) {}

    void undo() override;
    void redo() override;

    // Whether the window's value rules refuse a value the undo (or the redo) would write back; the
    // first refusal is told the user. A refused step is not taken: nothing changes.
    bool Refused(bool redo) const;

private:
    struct CellChange {
        platform::GridCellPosition cell;
        UserCellValue before;
        UserCellValue after;
    };
    void Apply(bool after);

    QPointer<InputWindow> window_;
    QList<CellChange> cells_;
    // The push runs redo once; the cells already hold the values then.
    bool pushed_ = false;
};

} // namespace vokg
