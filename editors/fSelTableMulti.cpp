#include "editors/fSelTableMulti.h"

#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kCaption = 1125; // "Select table"
constexpr int kSelectAll = 1562;
constexpr int kOk = 1122;
constexpr int kCancel = 1123;

// The window has always opened at 400, 1200 twips from the screen's corner; at 15 twips a
// pixel that is 27, 80.
constexpr int kLeftPixels = 27;
constexpr int kTopPixels = 80;

} // namespace

fSelTableMulti::fSelTableMulti(Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
    setWindowTitle(ResourceText(kCaption));
    setObjectName(QStringLiteral("fSelTableMulti"));

    auto* layout = new QVBoxLayout(this);
    for (int table = 1; table <= kTableCount; ++table) {
        auto* box = new QCheckBox(QStringLiteral("Table %1").arg(table));
        box->setObjectName(QStringLiteral("chks%1").arg(table));
        chks_.append(box);
        layout->addWidget(box);
    }
    chkSelAll_ = new QCheckBox(ResourceText(kSelectAll));
    chkSelAll_->setObjectName(QStringLiteral("chkSelAll"));
    layout->addWidget(chkSelAll_);

    okButton_ = new QPushButton(ResourceText(kOk));
    okButton_->setObjectName(QStringLiteral("BTN1"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(ResourceText(kCancel));
    cancelButton_->setObjectName(QStringLiteral("BTN2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);

    connect(chkSelAll_, &QCheckBox::toggled, this, [this](bool checked) {
        for (QCheckBox* box : chks_)
            box->setChecked(checked);
    });
    connect(okButton_, &QPushButton::clicked, this, &fSelTableMulti::Ok);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    // Placed before the first show, so the dialog is not centred over its parent instead.
    move(kLeftPixels, kTopPixels);
}

QCheckBox* fSelTableMulti::TableBox(int table) const {
    return table >= 1 && table <= kTableCount ? chks_.at(table - 1) : nullptr;
}

void fSelTableMulti::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_)
        return;
    loaded_ = true;
    if (QCheckBox* preset = TableBox(tableIndex_))
        preset->setChecked(true);
}

void fSelTableMulti::Ok() {
    QList<int> ticked;
    for (int table = 1; table <= kTableCount; ++table)
        if (chks_.at(table - 1)->isChecked())
            ticked.append(table);
    if (ticked.isEmpty()) {
        messenger_.ShowMsg(msg::NoTableTicked, platform::BoxKind::Exclamation);
        return;
    }
    arTableIndex_ = ticked;
    accept();
}

void fSelTableMulti::done(int result) {
    if (result != QDialog::Accepted)
        arTableIndex_.clear();
    QDialog::done(result);
}

} // namespace vokg
