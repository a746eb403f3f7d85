#include "editors/fInpChoppingDuty.h"

#include "editors/rules/CustomizeRules.h"
#include "hlpkit/CMethod.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kCaption = 567;  // "Input ChoppingDuty"
constexpr int kUnit = 568;     // "Unit:0.1ms"
constexpr int kOnLabel = 569;  // "ChoppingOnTime:"
constexpr int kOffLabel = 570; // "ChoppingOffTime:"

} // namespace

fInpChoppingDuty::fInpChoppingDuty(Messenger& messenger, hlpkit::CMethod& method, QWidget* parent)
    : QDialog(parent), messenger_(messenger), method_(method) {
    setObjectName(QStringLiteral("fInpChoppingDuty"));
    setWindowTitle(LoadMsg(kCaption));
    auto* grid = new QGridLayout;
    for (int index = 0; index < 2; ++index) {
        boxes_[index] = new QLineEdit(this);
        boxes_[index]->setObjectName(QStringLiteral("txtChoppingTime%1").arg(index + 1));
        boxes_[index]->installEventFilter(this);
        auto* label = new QLabel(LoadMsg(index == 0 ? kOnLabel : kOffLabel), this);
        label->setObjectName(index == 0 ? QStringLiteral("LabelChoppingOnTime")
                                        : QStringLiteral("LabelChoppingOffTime"));
        label->setBuddy(boxes_[index]);
        grid->addWidget(label, index, 0);
        grid->addWidget(boxes_[index], index, 1);
        connect(boxes_[index], &QLineEdit::editingFinished, this, [this] { txtChoppingTime_Validate(); });
        // The percentage follows every key, not only the box being left.
        connect(boxes_[index], &QLineEdit::textChanged, this, [this] { txtChoppingTime_Validate(); });
    }
    auto* unit = new QLabel(LoadMsg(kUnit), this);
    unit->setObjectName(QStringLiteral("LabelUnit"));
    grid->addWidget(unit, 0, 2);
    auto* minMax = new QLabel(QStringLiteral("MIN = %1, MAX = %2")
                                  .arg(CustomizeRules::kManualTimeRange.min)
                                  .arg(CustomizeRules::kManualTimeRange.max),
                              this);
    minMax->setObjectName(QStringLiteral("lblMinMax"));
    grid->addWidget(minMax, 2, 1);
    lblDuty_ = new QLabel(this);
    lblDuty_->setObjectName(QStringLiteral("lblDuty"));
    grid->addWidget(lblDuty_, 1, 2);
    btn_ = new QPushButton(QStringLiteral("OK"), this);
    btn_->setObjectName(QStringLiteral("BTN"));
    btn_->setDefault(true);
    connect(btn_, &QPushButton::clicked, this, [this] { ExactInput(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(btn_, 0, Qt::AlignRight);
    txtChoppingTime_Validate();
}

fInpChoppingDuty::~fInpChoppingDuty() = default;

QLineEdit* fInpChoppingDuty::txtChoppingTime(int index) const {
    return index == 1 || index == 2 ? boxes_[index - 1] : nullptr;
}

void fInpChoppingDuty::SetChoppingOnTime(qint32 time) {
    onTime_ = time;
    boxes_[0]->setText(QString::number(time));
    txtChoppingTime_Validate();
}

void fInpChoppingDuty::SetChoppingOffTime(qint32 time) {
    offTime_ = time;
    boxes_[1]->setText(QString::number(time));
    txtChoppingTime_Validate();
}

void fInpChoppingDuty::txtChoppingTime_Validate() {
    lblDuty_->setText(CustomizeRules::DutyPercentLabel(boxes_[0]->text(), boxes_[1]->text(), method_));
}

bool fInpChoppingDuty::ExactInput() {
    txtChoppingTime_Validate();
    const EntryVerdict on = CustomizeRules::CheckManualTime(boxes_[0]->text());
    const EntryVerdict off = CustomizeRules::CheckManualTime(boxes_[1]->text());
    for (int index = 0; index < 2; ++index) {
        const EntryVerdict& verdict = index == 0 ? on : off;
        if (verdict.Accepted())
            continue;
        verdict.Tell(messenger_);
        boxes_[index]->setFocus();
        return false;
    }
    onTime_ = on.accepted->toInt();
    offTime_ = off.accepted->toInt();
    accept();
    return true;
}

bool fInpChoppingDuty::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || (box != boxes_[0] && box != boxes_[1]))
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Entering a box selects its whole text, after the box's own focus handling.
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
        return false;
    case QEvent::FocusOut:
        txtChoppingTime_Validate();
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1)
        return false;
    // Only the keys of a number (and the control keys) reach the boxes.
    return !keys_.CheckKeyAscii(key->text().at(0).unicode(), hlpkit::CString::DecimalUnsigned);
}

} // namespace vokg
