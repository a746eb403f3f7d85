#include "editors/InputWindow.h"

#include "editors/EditorServices.h"
#include "shell/messages/FormUnload.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace vokg {

InputWindow::InputWindow(EditorServices& services, Messenger& messenger, QWidget* parent)
    : QWidget(parent), services_(services), messenger_(messenger), loadTime_(QDateTime::currentDateTime()) {}

InputWindow::~InputWindow() = default;

void InputWindow::ControlChange(bool changed) {
    SetChanged(changed);
}

void InputWindow::SetChanged(bool changed) {
    const bool was = changed_;
    changed_ = changed;
    setWindowModified(changed);
    if (was != changed)
        emit ChangedStateChanged(changed);
}

bool InputWindow::CloseWindow() {
    // The sub-window asks its widget first, so the question is asked once either way.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return frame->close();
    return close();
}

void InputWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    FormUnloadRequest request;
    request.mainWindowBusy = services_.IsBusy();
    request.changed = changed_;
    request.caption = Caption();
    request.save = [this] {
        BTN_Click(1);
        return !changed_;
    };
    if (CancelsUnload(Form_Unload(messenger_, request))) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    WindowUnloading();
    services_.InputWindowClosed(*this);
    event->accept();
}

} // namespace vokg
