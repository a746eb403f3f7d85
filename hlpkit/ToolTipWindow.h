#pragma once

#include <QColor>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace hlpkit {

// The Qt side of a CToolTip: watches the parent's mouse moves and shows its own small tip
// window, so that colours, margins and wrap width belong to this tip alone rather than to
// the application's shared tooltip.
class ToolTipWindow : public QObject {
public:
    ToolTipWindow();
    ~ToolTipWindow() override;

    struct Tool {
        int key;
        QString text;
        QRect area; // empty: the parent's whole client area
    };

    void Attach(QWidget* parent);
    bool IsAttached() const { return !parent_.isNull(); }

    void AddTool(const Tool& tool);
    void RemoveTool(int key);
    bool SetToolText(int key, const QString& text);
    int ToolCount() const { return int(tools_.size()); }

    QColor background;
    QColor foreground;
    int initialTime = 500;
    int autoPopTime = 5000;
    int maxWidth = -1;
    QMargins margins;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Tool* ToolAt(const QPoint& position) const;
    void Show();
    void Hide();

    QPointer<QWidget> parent_;
    std::vector<Tool> tools_;
    std::unique_ptr<QLabel> label_;
    QTimer showTimer_;
    QTimer hideTimer_;
    std::optional<int> currentKey_;
    QPoint lastPosition_;
};

} // namespace hlpkit
