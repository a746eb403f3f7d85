#include "platform/gui/GridHeaderView.h"

#include "platform/gui/Grid.h"
#include "platform/gui/GridDelegate.h"
#include "platform/gui/GridModel.h"

#include <QPainter>

namespace platform {

GridHeaderView::GridHeaderView(Grid& grid, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), grid_(grid) {}

void GridHeaderView::SetHeight(int pixels) {
    height_ = pixels;
    setFixedHeight(pixels);
    updateGeometry();
}

QSize GridHeaderView::sizeHint() const {
    return {QHeaderView::sizeHint().width(), height_};
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const GridModel& model = *grid_.model_;
    if (logicalIndex < 0 || logicalIndex >= model.Cols()) {
        return;
    }
    const QColor lineColor = palette().color(QPalette::Mid);
    int top = rect.top();
    for (int row = 0; row < model.FixedRows(); ++row) {
        if (model.RowHidden(row)) {
            continue;
        }
        const int height = qRound(model.RowHeightTwips(row) / double(Grid::TwipsPerPixel));
        const QRect cell(rect.left(), top, rect.width() - 1, height - 1);
        grid_.delegate_->PaintCell(*painter, row, logicalIndex, cell);
        painter->setPen(lineColor);
        painter->drawLine(cell.topRight() + QPoint(1, 0), cell.bottomRight() + QPoint(1, 1));
        painter->drawLine(cell.bottomLeft() + QPoint(0, 1), cell.bottomRight() + QPoint(1, 1));
        top += height;
    }
}

} // namespace platform
