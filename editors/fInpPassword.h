#pragma once

#include "hlpkit/CString.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace hlpkit {
class CMethod;
}

namespace vokg {

class Messenger;

// Edits the password and the author of the open design-file table. The caller sets both
// values, shows the dialog modally and reads them back; Cancel leaves them as they were.
class fInpPassword : public QDialog {
    Q_OBJECT

public:
    fInpPassword(Messenger& messenger, hlpkit::CMethod& method, QWidget* parent = nullptr);

    const QString& Password() const { return password_; }
    void SetPassword(const QString& password);
    const QString& Author() const { return author_; }
    void SetAuthor(const QString& author);

    // The dialog's names for PasswordRules::ExactPassword and ExactAuthor.
    static bool ExactPassword(const QString& password);
    static bool ExactAuthor(const QString& author);

    // PasswordRules::CheckPassword, then CheckAuthor: a refusal shows its message (100, 101) and
    // puts the focus in the box it is about. Empty texts pass: an empty password unlocks the table.
    bool ExactInput(const QString& password, const QString& author);

    QLineEdit* PasswordBox() const { return txtPassword_; }
    QLineEdit* AuthorBox() const { return txtAuthor_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Ok();

    Messenger& messenger_;
    hlpkit::CMethod& method_;
    hlpkit::CString keys_;
    QString password_;
    QString author_;

    QLineEdit* txtPassword_ = nullptr;
    QLineEdit* txtAuthor_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vokg
