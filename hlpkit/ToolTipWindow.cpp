#include "hlpkit/ToolTipWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace hlpkit {

ToolTipWindow::ToolTipWindow() {
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, [this] { Show(); });
    connect(&hideTimer_, &QTimer::timeout, this, [this] { Hide(); });
}

ToolTipWindow::~ToolTipWindow() {
    if (parent_)
        parent_->removeEventFilter(this);
}

void ToolTipWindow::Attach(QWidget* parent) {
    Hide();
    currentKey_.reset();
    if (parent_)
        parent_->removeEventFilter(this);
    tools_.clear();
    parent_ = parent;
    // Tips follow the mouse without a button held, so the parent must report plain moves.
    parent_->setMouseTracking(true);
    parent_->installEventFilter(this);
}

void ToolTipWindow::AddTool(const Tool& tool) {
    auto existing =
        std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.key == tool.key; });
    if (existing != tools_.end())
        *existing = tool;
    else
        tools_.push_back(tool);
}

void ToolTipWindow::RemoveTool(int key) {
    if (currentKey_ == key) {
        Hide();
        currentKey_.reset();
    }
    std::erase_if(tools_, [&](const Tool& t) { return t.key == key; });
}

bool ToolTipWindow::SetToolText(int key, const QString& text) {
    auto tool = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.key == key; });
    if (tool == tools_.end())
        return false;
    tool->text = text;
    if (currentKey_ == key && label_ && label_->isVisible())
        Show();
    return true;
}

const ToolTipWindow::Tool* ToolTipWindow::ToolAt(const QPoint& position) const {
    for (const Tool& tool : tools_) {
        QRect area = tool.area.isNull() ? parent_->rect() : tool.area;
        if (area.contains(position))
            return &tool;
    }
    return nullptr;
}

bool ToolTipWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent_)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        lastPosition_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        const Tool* tool = ToolAt(lastPosition_);
        std::optional<int> key = tool ? std::optional<int>(tool->key) : std::nullopt;
        if (key != currentKey_) {
            Hide();
            currentKey_ = key;
            if (key)
                showTimer_.start(initialTime);
        }
        break;
    }
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        Hide();
        currentKey_.reset();
        break;
    default:
        break;
    }
    return false;
}

void ToolTipWindow::Show() {
    auto tool =
        std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.key == currentKey_; });
    if (!parent_ || tool == tools_.end() || tool->text.isEmpty())
        return;
    if (!label_) {
        label_ = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        label_->setObjectName(QStringLiteral("hlpkitToolTip"));
        label_->setAutoFillBackground(true);
        label_->setTextFormat(Qt::PlainText);
    }
    QPalette palette = label_->palette();
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    if (foreground.isValid())
        palette.setColor(QPalette::WindowText, foreground);
    label_->setPalette(palette);
    label_->setContentsMargins(margins);
    label_->setWordWrap(maxWidth >= 0);
    label_->setMaximumWidth(maxWidth >= 0 ? maxWidth + margins.left() + margins.right() : QWIDGETSIZE_MAX);
    label_->setText(tool->text);
    label_->adjustSize();
    // Below the pointer, clear of the cursor shape.
    label_->move(parent_->mapToGlobal(lastPosition_) + QPoint(0, 20));
    label_->show();
    if (autoPopTime > 0)
        hideTimer_.start(autoPopTime);
}

void ToolTipWindow::Hide() {
    showTimer_.stop();
    hideTimer_.stop();
    if (label_)
        label_->hide();
}

} // namespace hlpkit
