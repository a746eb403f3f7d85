#include "editors/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace vokg {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addStretch() {
    stretchAt_ = static_cast<int>(items_.size());
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size())
        return nullptr;
    if (stretchAt_ > index)
        --stretchAt_;
    return items_.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return DoLayout(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem* item : items_)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const {
    // Everything on one line.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        const QSize hint = item->sizeHint();
        width += hint.width() + (width > 0 ? spacing_ : 0);
        height = std::max(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    DoLayout(rect, true);
}

int FlowLayout::DoLayout(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    struct Placed {
        QLayoutItem* item;
        QSize size;
        bool pushedRight;
    };
    QList<QList<Placed>> lines(1);
    int x = 0;
    for (int index = 0; index < items_.size(); ++index) {
        QLayoutItem* item = items_.at(index);
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
        if (x > 0 && x + size.width() > area.width()) {
            lines.append(QList<Placed>());
            x = 0;
        }
        lines.last().append({item, size, stretchAt_ >= 0 && index >= stretchAt_});
        x += size.width() + spacing_;
    }
    int y = area.top();
    for (const QList<Placed>& line : lines) {
        if (line.isEmpty())
            continue;
        int height = 0;
        int rightWidth = 0;
        for (const Placed& placed : line) {
            height = std::max(height, placed.size.height());
            if (placed.pushedRight)
                rightWidth += placed.size.width() + spacing_;
        }
        if (apply) {
            int left = area.left();
            int right = area.right() + 1 - std::max(0, rightWidth - spacing_);
            for (const Placed& placed : line) {
                int& at = placed.pushedRight ? right : left;
                // Each item sits in the middle of its line's height.
                const int top = y + (height - placed.size.height()) / 2;
                placed.item->setGeometry(QRect(QPoint(at, top), placed.size));
                at += placed.size.width() + spacing_;
            }
        }
        y += height + spacing_;
    }
    return y - spacing_ - area.top() + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace vokg
