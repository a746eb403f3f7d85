#pragma once

#include <QStyledItemDelegate>

namespace platform {

class Grid;

// Draws every cell of the grid (data cells and the fixed rows of the header alike) and
// makes its editors: a text box, a drop-down list, or a text box with an ellipsis button.
// It never writes into the model itself: the grid validates and writes.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GridDelegate(Grid& grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    void PaintCell(QPainter& painter, int row, int col, const QRect& rect) const;

    // The text an editor would store: for a list, the chosen entry's value.
    static QString EditorValue(const QWidget* editor);
    static void SetEditorValue(QWidget* editor, const QString& value);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    Grid& grid_;
};

} // namespace platform
