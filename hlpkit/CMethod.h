#pragma once

#include "hlpkit/HlpObject.h"

#include <QString>

#include <functional>

class QLineEdit;
class QPainter;
class QWidget;

namespace hlpkit {

// Window and control helpers, and the error log every procedure reports through.
class HLPKIT_EXPORT CMethod : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }

    // Shows the failure in a modal "ERROR" box and appends it to Err.log beside the library.
    void ErrReg(int errNumber, const QString& errText, const QString& procName);

    // Selects the whole text when Tab or Alt is held as the box gets the focus, else none.
    // Only Alt can be asked of the keyboard here; a caller whose focus-in event says the
    // focus came by Tab uses the overload and passes what it knows.
    void TextSelOp(QLineEdit* textBox);
    void TextSelOp(QLineEdit* textBox, bool tabOrAltHeld);

    // Edge styles: an outer and an inner ring, each raised or sunken; combine one of each.
    enum EdgeStyle : int {
        RaisedOuter = 0x1,
        SunkenOuter = 0x2,
        RaisedInner = 0x4,
        SunkenInner = 0x8,
        EdgeRaised = RaisedOuter | RaisedInner,
        EdgeSunken = SunkenOuter | SunkenInner,
        EdgeEtched = SunkenOuter | RaisedInner,
        EdgeBump = RaisedOuter | SunkenInner,
    };

    // Draws a 3-D edge of the given style around `control`, widened by `spread` pixels, in the
    // coordinates of the control's parent (the painter paints the parent).
    void DrawButtonEdge(QPainter& painter, const QWidget* control, int edgeStyle, int spread);

    // How ErrReg shows its box. The default is a critical QMessageBox when a widget
    // application runs, else a line on standard error. Tests replace it so that no
    // blocking box ever appears.
    using ErrorBox = std::function<void(const QString& title, const QString& text)>;
    static void SetErrorBox(ErrorBox box);
    static void ResetErrorBox();

    // The folder of Err.log; by default the folder of the library file.
    static QString LogFolder();
    static void SetLogFolder(const QString& folder); // empty: back to the library folder
};

} // namespace hlpkit
