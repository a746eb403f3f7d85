#include "hlpkit/CToolTip.h"

#include "hlpkit/RunError.h"
#include "hlpkit/ToolTipWindow.h"

namespace hlpkit {

const QUuid CToolTip::kClassId{0x441ecf74, 0xbc66, 0x45d7, 0xba, 0x4c, 0x95, 0x00, 0xe8, 0x07, 0x5c, 0x72};
const QUuid CToolTip::kInterfaceId{0x5720fb25, 0xa22a, 0x4b69, 0xae, 0x28, 0x28,
                                   0x6f,       0xc5,   0x0e,   0xcb, 0x92};

namespace {

constexpr int kMaxDelay = 65535;

void CheckDelay(int milliseconds) {
    if (milliseconds < 0 || milliseconds > kMaxDelay)
        throw RunError(Overflow,
                       StandardErrorText(Overflow) + QStringLiteral(": ") + QString::number(milliseconds));
}

} // namespace

CToolTip::CToolTip() : window_(std::make_unique<ToolTipWindow>()) {}

CToolTip::~CToolTip() = default;

void CToolTip::Remove(int key) {
    window_->RemoveTool(key);
}

bool CToolTip::Create(QWidget* parent) {
    return Guarded(method_, QStringLiteral("Create"), false, [&] {
        if (parent == nullptr)
            Raise(91);
        window_->Attach(parent);
        return true;
    });
}

bool CToolTip::Add(int key, const QString& text, int left, int top, int right, int bottom) {
    return Guarded(method_, QStringLiteral("Add"), false, [&] {
        if (!window_->IsAttached())
            Raise(91);
        bool wholeArea = left == 0 && top == 0 && right == 0 && bottom == 0;
        if (!wholeArea && (right < left || bottom < top))
            Raise(InvalidCall);
        // Right and bottom are one past the last pixel, as the rectangle is given.
        QRect area = wholeArea ? QRect() : QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        window_->AddTool({key, text, area});
        return true;
    });
}

QColor CToolTip::BackColor() const {
    return window_->background;
}
void CToolTip::BackColor(const QColor& color) {
    window_->background = color;
}
QColor CToolTip::ForeColor() const {
    return window_->foreground;
}
void CToolTip::ForeColor(const QColor& color) {
    window_->foreground = color;
}

int CToolTip::InitialTime() const {
    return window_->initialTime;
}

void CToolTip::InitialTime(int milliseconds) {
    Guarded(method_, QStringLiteral("InitialTime"), 0, [&] {
        CheckDelay(milliseconds);
        window_->initialTime = milliseconds;
        return 0;
    });
}

int CToolTip::AutoPopTime() const {
    return window_->autoPopTime;
}

void CToolTip::AutoPopTime(int milliseconds) {
    Guarded(method_, QStringLiteral("AutoPopTime"), 0, [&] {
        CheckDelay(milliseconds);
        window_->autoPopTime = milliseconds;
        return 0;
    });
}

void CToolTip::SetMargin(int left, int top, int right, int bottom) {
    window_->margins = QMargins(left, top, right, bottom);
}

int CToolTip::MaxWidth() const {
    return window_->maxWidth;
}
void CToolTip::MaxWidth(int pixels) {
    window_->maxWidth = pixels < 0 ? -1 : pixels;
}

int CToolTip::ToolCount() const {
    return window_->ToolCount();
}

void CToolTip::ToolText(int key, const QString& text) {
    Guarded(method_, QStringLiteral("ToolText"), 0, [&] {
        if (!window_->SetToolText(key, text))
            throw RunError(SubscriptOutOfRange, StandardErrorText(SubscriptOutOfRange) +
                                                    QStringLiteral(": tool ") + QString::number(key));
        return 0;
    });
}

} // namespace hlpkit
