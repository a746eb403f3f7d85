#include "editors/fHeader.h"

#include "editors/rules/HeaderRules.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "model/CModes.h"
#include "shell/messages/Messages.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace vokg {
namespace {

constexpr int kCaption = 1316; // "Setting header"
constexpr int kSave = 1091;
constexpr int kCancel = 1092;
constexpr int kDataVersionLabel = 1094;
constexpr int kKishuNameLabel = 1095;
constexpr int kCharacters = 1449;

} // namespace

fHeader::HeaderAccess fHeader::AccessOf(CModes& modes) {
    return {[&modes] { return modes.KishuName(); },
            [&modes](const QString& text) { modes.SetKishuName(text); },
            [&modes] { return modes.DataVersion(); },
            [&modes](const QString& text) { modes.SetDataVersion(text); }};
}

fHeader::fHeader(Messenger& messenger, hlpkit::CMethod& method, HeaderAccess access,
                 std::function<bool()> saveAllFiles, bool userFileIsDsg, QWidget* parent)
    : QDialog(parent), messenger_(messenger), method_(method), access_(std::move(access)),
      saveAllFiles_(std::move(saveAllFiles)), userFileIsDsg_(userFileIsDsg) {
    if (!access_.kishuName || !access_.setKishuName || !access_.dataVersion || !access_.setDataVersion ||
        !saveAllFiles_)
        throw std::invalid_argument("fHeader needs both header texts and the save of all files");

    setWindowTitle(ResourceText(kCaption));
    setObjectName(QStringLiteral("fHeader"));

    txtKishuName_ = new QLineEdit;
    txtKishuName_->setObjectName(QStringLiteral("txtKishuName"));
    txtDataVersion_ = new QLineEdit;
    txtDataVersion_->setObjectName(QStringLiteral("txtDataVersion"));

    auto* lbl3 = new QLabel(ResourceText(kKishuNameLabel));
    lbl3->setObjectName(QStringLiteral("lbl3"));
    lbl3->setBuddy(txtKishuName_);
    auto* lbl2 = new QLabel(ResourceText(kDataVersionLabel));
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setBuddy(txtDataVersion_);

    const QString limit =
        QStringLiteral("MAX = %1 %2").arg(HeaderRules::kMaxLength).arg(ResourceText(kCharacters));
    lblMaxMsg1_ = new QLabel(limit);
    lblMaxMsg1_->setObjectName(QStringLiteral("lblMaxMsg1"));
    lblMaxMsg2_ = new QLabel(limit);
    lblMaxMsg2_->setObjectName(QStringLiteral("lblMaxMsg2"));

    auto* grid = new QGridLayout;
    grid->addWidget(lbl3, 0, 0);
    grid->addWidget(txtKishuName_, 0, 1);
    grid->addWidget(lblMaxMsg1_, 0, 2);
    grid->addWidget(lbl2, 1, 0);
    grid->addWidget(txtDataVersion_, 1, 1);
    grid->addWidget(lblMaxMsg2_, 1, 2);

    saveButton_ = new QPushButton(ResourceText(kSave));
    saveButton_->setObjectName(QStringLiteral("BTN1"));
    saveButton_->setEnabled(false);
    cancelButton_ = new QPushButton(ResourceText(kCancel));
    cancelButton_->setObjectName(QStringLiteral("BTN2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    txtKishuName_->setText(access_.kishuName());
    txtDataVersion_->setText(access_.dataVersion());
    txtKishuName_->installEventFilter(this);
    txtDataVersion_->installEventFilter(this);

    connect(txtKishuName_, &QLineEdit::textChanged, this, &fHeader::TextChanged);
    connect(txtDataVersion_, &QLineEdit::textChanged, this, &fHeader::TextChanged);
    connect(saveButton_, &QPushButton::clicked, this, &fHeader::Save);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool fHeader::CheckData() {
    return hlpkit::Guarded(method_, QStringLiteral("CheckData"), false, [&] {
        return CheckBox(txtKishuName_, access_.kishuName()) &&
               CheckBox(txtDataVersion_, access_.dataVersion());
    });
}

bool fHeader::CheckBox(QLineEdit* box, const QString& held) {
    if (box->text() == held || HeaderRules::AcceptText(box->text(), messenger_))
        return true;
    box->setFocus();
    return false;
}

void fHeader::TextChanged() {
    // Once offered, Save stays offered: typing the old text back does not take it away.
    if (!userFileIsDsg_ || saveButton_->isEnabled())
        return;
    if (txtKishuName_->text() != access_.kishuName() || txtDataVersion_->text() != access_.dataVersion())
        saveButton_->setEnabled(true);
}

void fHeader::Save() {
    if (!userFileIsDsg_ || !CheckData())
        return;
    const QString oldDataVersion = access_.dataVersion();
    const QString oldKishuName = access_.kishuName();
    access_.setDataVersion(txtDataVersion_->text());
    access_.setKishuName(txtKishuName_->text());
    saved_ = saveAllFiles_();
    if (!saved_) {
        // The file still holds the old texts, so the model does too (the caption never names a
        // model the file does not); the dialog stays open with the typed texts to try again.
        access_.setDataVersion(oldDataVersion);
        access_.setKishuName(oldKishuName);
        return;
    }
    accept();
}

bool fHeader::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || (box != txtKishuName_ && box != txtDataVersion_))
        return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        // Queued, so that a mouse click that brought the focus does not undo the selection.
        QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1)
        return false;
    const int code = key->text().at(0).unicode();
    if (code == ' ')
        return true;
    const int upper = keys_.CvToBigASC(code);
    if (upper == code)
        return false;
    QKeyEvent upperKey(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(upper)),
                       key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(box, &upperKey);
    return true;
}

} // namespace vokg
