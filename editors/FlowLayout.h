#pragma once

#include <QLayout>
#include <QList>

namespace vokg {

// The button strip of the editor windows: its controls stand in one line while the window is
// wide enough and wrap onto further lines when it is not, so that a narrow window (several
// windows side by side on a small screen) still shows every button, Close included. A stretch
// item pushes the items after it to the right end of their line.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 4);
    ~FlowLayout() override;
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    // The items after this one go to the right end of the line they fall on.
    void addStretch();

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (only measures when `apply` is false); the height used.
    int DoLayout(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int stretchAt_ = -1; // index of the first item pushed to the right, -1 for none
    int spacing_;
};

} // namespace vokg
