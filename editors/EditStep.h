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

// One user action of an editor window as a step of that window's history: every user cell the
// action changed, in the window itself and in every other open window the same edit reached
// (a digital two windows show, a bound, a signal of two groups, a feed byte of two views).
// Undo writes the cells' earlier values back into each window still open, redo the later ones;
// each window then runs its own follow-ups, so that its marks, bounds, filters and changed
// state follow the values as after a typed edit.
class EditStep : public QUndoCommand {
public:
    // The user cells of some open windows at one moment.
    class Snapshot {
    public:
        static Snapshot Of(const QList<InputWindow*>& windows);

    private:
        friend class EditStep;
        struct WindowCells {
            QPointer<InputWindow> window;
            QList<UserCellValue> values; // in the order of the window's UserCells()
        };
        QList<WindowCells> windows_;
    };

    // The step from `before` to what the same windows' cells hold now; none when no cell changed.
    static std::unique_ptr<EditStep> Since(const Snapshot& before, const QString& text);

    explicit EditStep(const QString& text) : QUndoCommand(text) {}

    void undo() override;
    void redo() override;

private:
    struct CellChange {
        platform::GridCellPosition cell;
        UserCellValue before;
        UserCellValue after;
    };
    struct WindowChanges {
        QPointer<InputWindow> window;
        QList<CellChange> cells;
    };
    void Apply(bool after);

    QList<WindowChanges> windows_;
    // The push runs redo once; the cells already hold the values then.
    bool pushed_ = false;
};

} // namespace vokg
