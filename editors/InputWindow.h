#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>

class QCloseEvent;

namespace vokg {

class EditorServices;
class Messenger;

// The common frame of the editor windows the main window holds (parameters, customize, feed,
// pitch): the calls the main window makes by name, the changed mark and the closing question.
class InputWindow : public QWidget {
    Q_OBJECT

public:
    InputWindow(EditorServices& services, Messenger& messenger, QWidget* parent = nullptr);
    ~InputWindow() override;

    // "fParam", "fCustomize", "fOkuriParam" or "fOkuriParam2".
    virtual QString WindowKind() const = 0;
    // The mode name, category or table name the window was opened for; its menu item's caption.
    virtual QString Caption() const = 0;

    // The window holds edits not yet saved.
    bool IsChanged() const { return changed_; }
    // Records whether the window holds edits. False also drops them: the window shows the
    // model's values again (the main window's "cancel all updates").
    virtual void ControlChange(bool changed);
    // Copies the grid into the model; false when a value could not be taken over.
    virtual bool Update_Variable() = 0;
    // Shows the comparison values just read.
    virtual void PasteHikakuValue() = 0;
    // The button commands by index; other indexes do nothing.
    virtual void BTN_Click(int index) = 0;
    // When the window was opened; the main window stacks the windows in this order.
    const QDateTime& LoadTime() const { return loadTime_; }

    // Closes the window through the closing question; inside a multiple-document frame the
    // frame's sub-window goes with it. False when the window stayed open.
    bool CloseWindow();

    EditorServices& Services() const { return services_; }
    Messenger& Messages() const { return messenger_; }

signals:
    void ChangedStateChanged(bool changed);

protected:
    // Sets the changed mark without touching the grid.
    void SetChanged(bool changed);
    // Runs once when the window is really going away (after the closing question let it go).
    virtual void WindowUnloading() {}
    void closeEvent(QCloseEvent* event) override;

private:
    EditorServices& services_;
    Messenger& messenger_;
    QDateTime loadTime_;
    bool changed_ = false;
    bool unloaded_ = false;
};

} // namespace vokg
