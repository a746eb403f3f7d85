#include "editors/fInpPassword.h"

#include "editors/rules/PasswordRules.h"
#include "hlpkit/CMethod.h"
#include "shell/messages/Messages.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kCaption = 1579; // "Input password, author"
constexpr int kPasswordLabel = 1580;
constexpr int kPasswordLength = 1581;
constexpr int kPasswordCapitals = 1582;
constexpr int kAuthorLabel = 1583;
constexpr int kAuthorLength = 1584;
constexpr int kCancel = 1585;

} // namespace

fInpPassword::fInpPassword(Messenger& messenger, hlpkit::CMethod& method, QWidget* parent)
    : QDialog(parent), messenger_(messenger), method_(method) {
    setWindowTitle(ResourceText(kCaption));
    setObjectName(QStringLiteral("fInpPassword"));

    txtPassword_ = new QLineEdit;
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtAuthor_ = new QLineEdit;
    txtAuthor_->setObjectName(QStringLiteral("txtAuthor"));

    auto* passwordLabel = new QLabel(ResourceText(kPasswordLabel));
    passwordLabel->setBuddy(txtPassword_);
    auto* authorLabel = new QLabel(ResourceText(kAuthorLabel));
    authorLabel->setBuddy(txtAuthor_);

    auto* grid = new QGridLayout;
    grid->addWidget(passwordLabel, 0, 0);
    grid->addWidget(txtPassword_, 0, 1);
    grid->addWidget(new QLabel(ResourceText(kPasswordLength)), 1, 1);
    grid->addWidget(new QLabel(ResourceText(kPasswordCapitals)), 2, 1);
    grid->addWidget(authorLabel, 3, 0);
    grid->addWidget(txtAuthor_, 3, 1);
    grid->addWidget(new QLabel(ResourceText(kAuthorLength)), 4, 1);

    okButton_ = new QPushButton(QStringLiteral("OK"));
    okButton_->setObjectName(QStringLiteral("BTN1"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(ResourceText(kCancel));
    cancelButton_->setObjectName(QStringLiteral("BTN2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    txtPassword_->installEventFilter(this);
    txtAuthor_->installEventFilter(this);
    connect(okButton_, &QPushButton::clicked, this, &fInpPassword::Ok);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void fInpPassword::SetPassword(const QString& password) {
    password_ = password;
    txtPassword_->setText(password);
}

void fInpPassword::SetAuthor(const QString& author) {
    author_ = author;
    txtAuthor_->setText(author);
}

bool fInpPassword::ExactPassword(const QString& password) {
    return PasswordRules::ExactPassword(password);
}

bool fInpPassword::ExactAuthor(const QString& author) {
    return PasswordRules::ExactAuthor(author);
}

bool fInpPassword::ExactInput(const QString& password, const QString& author) {
    const EntryVerdict passwordVerdict = PasswordRules::CheckPassword(password);
    if (!passwordVerdict.Accepted()) {
        passwordVerdict.Tell(messenger_);
        txtPassword_->setFocus();
        return false;
    }
    const EntryVerdict authorVerdict = PasswordRules::CheckAuthor(author);
    if (!authorVerdict.Accepted()) {
        authorVerdict.Tell(messenger_);
        txtAuthor_->setFocus();
        return false;
    }
    return true;
}

void fInpPassword::Ok() {
    const QString password = PasswordRules::TrimSpaces(txtPassword_->text());
    const QString author = PasswordRules::TrimSpaces(txtAuthor_->text());
    if (!ExactInput(password, author))
        return;
    password_ = password;
    author_ = author;
    accept();
}

bool fInpPassword::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || (box != txtPassword_ && box != txtAuthor_))
        return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        // Run after the box's own focus handling and any mouse press that brought the focus,
        // so the selection chosen here is the one the user sees.
        QTimer::singleShot(0, box, [this, box, byTab] {
            if (byTab)
                method_.TextSelOp(box, true);
            else
                method_.TextSelOp(box);
        });
        return false;
    }
    if (event->type() != QEvent::KeyPress || box != txtPassword_)
        return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1)
        return false;
    const int code = key->text().at(0).unicode();
    const int upper = keys_.CvToBigASC(code);
    if (upper == code)
        return false;
    QKeyEvent upperKey(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(upper)),
                       key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(box, &upperKey);
    return true;
}

} // namespace vokg
