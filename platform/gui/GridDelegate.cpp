#include "platform/gui/GridDelegate.h"

#include "platform/gui/Grid.h"
#include "platform/gui/GridComboList.h"
#include "platform/gui/GridModel.h"
#include "platform/gui/GridView.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace platform {

GridDelegate::GridDelegate(Grid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const GridModel& model = *grid_.model_;
    if (!model.IsPublishedCell(index.row(), index.column())) {
        return;
    }
    PaintCell(*painter, model.GridRow(index.row()), index.column(), option.rect);
}

void GridDelegate::PaintCell(QPainter& painter, int row, int col, const QRect& rect) const {
    const GridModel& model = *grid_.model_;
    const bool fixed = row < model.FixedRows() || col < model.FixedCols();
    QColor back = grid_.CellBackColor(row, col);
    QColor fore = grid_.CellForeColor(row, col);
    if (!fixed && grid_.highlightCurrent_ && row == grid_.row_ && col == grid_.col_) {
        back = grid_.palette().color(QPalette::Highlight);
        fore = grid_.palette().color(QPalette::HighlightedText);
    }
    painter.fillRect(rect, back);

    bool done = false;
    if (grid_.events_.OwnerDraw) {
        painter.save();
        grid_.events_.OwnerDraw(painter, row, col, rect, done);
        painter.restore();
    }
    if (!done) {
        QString text = model.DisplayText(row, col);
        if (!text.isEmpty()) {
            // Headers are written with CR LF between their lines.
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            painter.save();
            painter.setFont(grid_.CellFont(row, col));
            painter.setPen(fore);
            painter.setClipRect(rect);
            painter.drawText(rect.adjusted(3, 1, -3, -1), static_cast<int>(grid_.CellAlignment(row, col)),
                             text);
            painter.restore();
        }
    }
    const GridModel::RowBorder& border = model.BorderOfRow(row);
    if (border.widthPixels > 0) {
        const int width = std::min(border.widthPixels, rect.height());
        painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width() + 1, width),
                         border.color.isValid() ? border.color : QColor(Qt::black));
    }
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const GridModel& model = *grid_.model_;
    if (!model.IsPublishedCell(index.row(), index.column())) {
        return nullptr;
    }
    const int row = model.GridRow(index.row());
    const int col = index.column();
    const GridComboList list = grid_.ActiveComboList(row, col);
    auto* self = const_cast<GridDelegate*>(this);
    const QFont font = grid_.CellFont(row, col);

    if (list.HasItems()) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("GridListEditor"));
        combo->setFont(font);
        for (const GridComboList::Item& item : list.Items()) {
            combo->addItem(item.label, item.value);
        }
        // Picking an entry is the whole edit; no second key press is needed to commit it.
        connect(combo, &QComboBox::activated, self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::SubmitModelCache);
        });
        grid_.EditorOpened(combo, nullptr);
        return combo;
    }
    if (list.IsEllipsis()) {
        auto* box = new QWidget(parent);
        box->setObjectName(QStringLiteral("GridEllipsisEditor"));
        box->setAutoFillBackground(true);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* text = new QLineEdit(box);
        text->setObjectName(QStringLiteral("GridEditorText"));
        text->setFrame(false);
        text->setFont(font);
        auto* button = new QToolButton(box);
        button->setObjectName(QStringLiteral("GridEllipsisButton"));
        button->setText(QStringLiteral("..."));
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(text, 1);
        layout->addWidget(button);
        box->setFocusProxy(text);
        grid_.EditorOpened(box, text);
        // The text box sends Enter, Tab and Escape to the delegate like a plain editor does.
        text->installEventFilter(self);
        Grid* grid = &grid_;
        connect(button, &QToolButton::clicked, box, [grid, box] { grid->EllipsisPressed(box); });
        return box;
    }
    auto* text = new QLineEdit(parent);
    text->setObjectName(QStringLiteral("GridTextEditor"));
    text->setFrame(false);
    text->setFont(font);
    grid_.EditorOpened(text, text);
    return text;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const GridModel& model = *grid_.model_;
    if (!model.IsPublishedCell(index.row(), index.column())) {
        return;
    }
    SetEditorValue(editor, model.Cell(model.GridRow(index.row()), index.column()).text);
}

void GridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {
    // The grid writes the text itself once the window has accepted it.
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

QString GridDelegate::EditorValue(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) {
        return combo->currentIndex() >= 0 ? combo->currentData().toString() : combo->currentText();
    }
    if (const auto* text = qobject_cast<const QLineEdit*>(editor)) {
        return text->text();
    }
    if (editor != nullptr) {
        if (const auto* text = editor->findChild<QLineEdit*>()) {
            return text->text();
        }
    }
    return {};
}

void GridDelegate::SetEditorValue(QWidget* editor, const QString& value) {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findData(value));
        return;
    }
    if (auto* text = qobject_cast<QLineEdit*>(editor)) {
        text->setText(value);
        return;
    }
    if (editor != nullptr) {
        if (auto* text = editor->findChild<QLineEdit*>()) {
            text->setText(value);
        }
    }
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A click elsewhere in the grid commits through the grid's own mouse handling, which
        // can refuse the click while the text is refused; committing here as well would ask
        // the window twice.
        const QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && (focus == grid_.view_ || grid_.view_->isAncestorOf(focus))) {
            const auto* editor = qobject_cast<const QWidget*>(object);
            if (editor == nullptr || !(editor == focus || editor->isAncestorOf(focus))) {
                return false;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace platform
