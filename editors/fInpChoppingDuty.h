#pragma once

#include "hlpkit/CString.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hlpkit {
class CMethod;
}

namespace vokg {

class Messenger;

// The free chopping duty: an ON and an OFF time in 0.1 ms, with the duty percentage shown
// while they are typed. Closing without accepting leaves both times as they were given.
class fInpChoppingDuty : public QDialog {
    Q_OBJECT

public:
    fInpChoppingDuty(Messenger& messenger, hlpkit::CMethod& method, QWidget* parent = nullptr);
    ~fInpChoppingDuty() override;

    qint32 ChoppingOnTime() const { return onTime_; }
    void SetChoppingOnTime(qint32 time);
    qint32 ChoppingOffTime() const { return offTime_; }
    void SetChoppingOffTime(qint32 time);

    // Box 1 the ON time, box 2 the OFF time.
    QLineEdit* txtChoppingTime(int index) const;
    QLabel* lblDuty() const { return lblDuty_; }
    QPushButton* BTN() const { return btn_; }

    // BTN: both times 1-65535 (message 95, the focus to the box at fault), then they are taken
    // and the dialog closes. False when a time was refused.
    bool ExactInput();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtChoppingTime_Validate();

    Messenger& messenger_;
    hlpkit::CMethod& method_;
    hlpkit::CString keys_;
    qint32 onTime_ = 0;
    qint32 offTime_ = 0;
    QLineEdit* boxes_[2] = {};
    QLabel* lblDuty_ = nullptr;
    QPushButton* btn_ = nullptr;
};

} // namespace vokg
