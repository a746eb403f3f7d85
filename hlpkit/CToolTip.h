#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/HlpObject.h"

#include <QColor>
#include <QString>

#include <memory>

class QWidget;

namespace hlpkit {

class ToolTipWindow;

// A tooltip for one window: tools are rectangles of the parent window, each with a text shown
// when the mouse rests over it.
class HLPKIT_EXPORT CToolTip : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }

    CToolTip();
    ~CToolTip() override;
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;

    // Removes the tool with that key; an unknown key is left alone.
    void Remove(int key);
    // Attaches the tip to `parent`; a second call moves it and drops the old parent's tools.
    bool Create(QWidget* parent);
    // Adds (or replaces) the tool `key` over the given rectangle of the parent, in pixels;
    // all four 0 means the parent's whole client area. False (reported) before Create.
    bool Add(int key, const QString& text, int left, int top, int right, int bottom);

    QColor BackColor() const;
    void BackColor(const QColor& color);
    QColor ForeColor() const;
    void ForeColor(const QColor& color);

    // Delays in milliseconds, each an unsigned 16-bit quantity (0 to 65535); a value outside
    // that range is reported and the old value kept.
    int InitialTime() const;
    void InitialTime(int milliseconds);
    int AutoPopTime() const;
    void AutoPopTime(int milliseconds);

    // Inner margins of the tip, in pixels.
    void SetMargin(int left, int top, int right, int bottom);
    // Widest tip text in pixels before it wraps; negative means no limit.
    int MaxWidth() const;
    void MaxWidth(int pixels);

    int ToolCount() const;
    // Sets the text of the tool `key`; an unknown key is reported.
    void ToolText(int key, const QString& text);

private:
    CMethod method_;
    std::unique_ptr<ToolTipWindow> window_;
};

} // namespace hlpkit
