#pragma once

#include <QHeaderView>

namespace platform {

class Grid;

// The fixed rows of the grid, drawn as the column header: each section stacks the fixed
// cells of its column, so they stay in view while the data rows scroll.
class GridHeaderView : public QHeaderView {
    Q_OBJECT

public:
    GridHeaderView(Grid& grid, QWidget* parent);

    void SetHeight(int pixels);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    Grid& grid_;
    int height_ = 0;
};

} // namespace platform
