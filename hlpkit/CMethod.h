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
    void TextSelOp(QLineEdit* textBox);

    // Draws a 3-D edge of the given style around `control`, widened by `spread` pixels.
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
