#pragma once

#include <QTableView>

namespace platform {

class Grid;

// The table view inside the grid. It asks the grid before an edit opens, lets the grid
// validate before an edit closes (a refused edit stays open), and runs typed keys through
// the grid's key events first.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(Grid& grid);

    using QTableView::edit;

    bool OpenEditor(const QModelIndex& index) { return edit(index, AllEditTriggers, nullptr); }
    bool CommitAndClose(QWidget* editor);
    void CloseWithoutCommit(QWidget* editor);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    Grid& grid_;
};

} // namespace platform
