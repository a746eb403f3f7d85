#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testsupport {

// Runs `act` on the modal dialog of type Dialog as soon as it is up. Records whether it ran,
// so a route that never showed its dialog fails the test instead of passing quietly.
template <class Dialog> class WhenShown {
public:
    explicit WhenShown(std::function<void(Dialog&)> act) : act_(std::move(act)) {
        timer_.setInterval(10);
        const int outerLevel = QThread::currentThread()->loopLevel();
        QObject::connect(&timer_, &QTimer::timeout, [this, outerLevel] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            // Only from inside the dialog's own loop: a close before it runs would be lost.
            if (dialog == nullptr || !dialog->isVisible() ||
                QThread::currentThread()->loopLevel() <= outerLevel)
                return;
            timer_.stop();
            ran_ = true;
            act_(*dialog);
            // A check that failed inside `act` must not leave the modal loop waiting forever.
            if (QTest::currentTestFailed() && dialog->isVisible())
                dialog->reject();
        });
        timer_.start();
    }
    bool Ran() const { return ran_; }

private:
    std::function<void(Dialog&)> act_;
    QTimer timer_;
    bool ran_ = false;
};

} // namespace testsupport
