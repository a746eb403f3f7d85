#include "platform/gui/GridView.h"

#include "platform/gui/Grid.h"
#include "platform/gui/GridModel.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

GridView::GridView(Grid& grid) : grid_(grid) {}

bool GridView::CommitAndClose(QWidget* editor) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
    return !grid_.IsEditing();
}

void GridView::CloseWithoutCommit(QWidget* editor) {
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (state() == EditingState || !index.isValid()) {
        return QTableView::edit(index, trigger, event);
    }
    // A click on the current cell only arms a timer here; the timer comes back as an
    // AllEditTriggers request, and that is the one the window hears about.
    const bool opens =
        trigger == AllEditTriggers || (trigger != SelectedClicked && (editTriggers() & trigger));
    if (!opens || !(index.flags() & Qt::ItemIsEditable)) {
        return QTableView::edit(index, trigger, event);
    }
    const int row = grid_.model_->GridRow(index.row());
    if (!grid_.BeforeEditAt(row, index.column())) {
        return false;
    }
    const bool opened = QTableView::edit(index, trigger, event);
    if (!opened) {
        grid_.ForgetEditor();
    }
    return opened;
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTableView::keyPressEvent(event);
        return;
    }
    if (grid_.events_.KeyDown) {
        bool handled = false;
        grid_.events_.KeyDown(event->key(), event->modifiers(), handled);
        if (handled) {
            event->accept();
            return;
        }
    }
    const QString text = event->text();
    if (text.size() == 1 && grid_.events_.KeyPress) {
        QChar typed = text.front();
        grid_.events_.KeyPress(typed);
        if (typed.isNull()) {
            event->accept();
            return;
        }
        // The character may open an editor, which then receives the same key: it has been
        // through the filter once already.
        QKeyEvent replaced(event->type(), typed == text.front() ? event->key() : int(Qt::Key_unknown),
                           event->modifiers(), QString(typed), event->isAutoRepeat());
        grid_.keyAlreadyFiltered_ = true;
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            edit(currentIndex(), EditKeyPressed, event)) {
            event->accept();
        } else {
            QTableView::keyPressEvent(typed == text.front() ? event : &replaced);
        }
        grid_.keyAlreadyFiltered_ = false;
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        edit(currentIndex(), EditKeyPressed, event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::keyboardSearch(const QString&) {
    // Typing never jumps to a row by its first letters: a typed key edits or does nothing.
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    grid_.ViewCurrentChanged(current);
}

void GridView::commitData(QWidget* editor) {
    grid_.CommitEditor(editor);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // A composite editor reports through its text box; the view knows only the outer widget.
    if (editor != nullptr && editor == grid_.editorTextBox_.data() && grid_.editor_) {
        editor = grid_.editor_.data();
    }
    // Enter in a composite editor reaches the delegate twice (text box, then the box around
    // it); the second request finds the edit already over.
    if (editor == nullptr || editor != grid_.editor_.data()) {
        return;
    }
    if (!grid_.ShouldCloseEditor(editor)) {
        return;
    }
    const bool committed = grid_.commitAccepted_;
    grid_.commitAccepted_ = false;
    const bool moveNext = hint == QAbstractItemDelegate::EditNextItem;
    const bool movePrevious = hint == QAbstractItemDelegate::EditPreviousItem;
    // Tab moves on only after the window has heard AfterEdit of this cell, and opens no
    // editor of its own on the next one.
    QTableView::closeEditor(editor, moveNext || movePrevious ? QAbstractItemDelegate::NoHint : hint);
    grid_.EditorClosed(editor, committed);
    if (moveNext || movePrevious) {
        const QModelIndex next = moveCursor(moveNext ? MoveNext : MovePrevious, Qt::NoModifier);
        if (next.isValid()) {
            setCurrentIndex(next);
        }
    }
}

} // namespace platform
