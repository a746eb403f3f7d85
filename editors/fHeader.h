#pragma once

#include "hlpkit/CString.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CModes;
class Messenger;

// Edits the machine model name and the data version of the open user table and saves the
// file at once.
class fHeader : public QDialog {
    Q_OBJECT

public:
    // Where the two texts live; the model's CModes in the program.
    struct HeaderAccess {
        std::function<QString()> kishuName;
        std::function<void(const QString&)> setKishuName;
        std::function<QString()> dataVersion;
        std::function<void(const QString&)> setDataVersion;
    };
    static HeaderAccess AccessOf(CModes& modes);

    // `saveAllFiles` saves the user file with everything in it and says whether it succeeded.
    // Save is offered only when `userFileIsDsg`: a machine data file is never written.
    // Throws std::invalid_argument when an accessor or the save callback is missing.
    fHeader(Messenger& messenger, hlpkit::CMethod& method, HeaderAccess access,
            std::function<bool()> saveAllFiles, bool userFileIsDsg, QWidget* parent = nullptr);

    // Checks the two boxes by the header text rule (HeaderRules::AcceptText): on failure the
    // rule's message is shown (message 39 for a text past 10 bytes, a message naming a character
    // the file cannot hold as it is), the focus goes to the offending box and the result is false.
    // A text left as the table holds it is not checked: it is saved back byte for byte.
    // A failure of the check itself is logged under "CheckData" and counts as failed.
    bool CheckData();

    // Whether Save ran and the save callback reported success.
    bool Saved() const { return saved_; }

    QLineEdit* KishuNameBox() const { return txtKishuName_; }
    QLineEdit* DataVersionBox() const { return txtDataVersion_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextChanged();
    void Save();
    bool CheckBox(QLineEdit* box, const QString& held);

    Messenger& messenger_;
    hlpkit::CMethod& method_;
    hlpkit::CString keys_;
    HeaderAccess access_;
    std::function<bool()> saveAllFiles_;
    bool userFileIsDsg_;
    bool saved_ = false;

    QLineEdit* txtKishuName_ = nullptr;
    QLineEdit* txtDataVersion_ = nullptr;
    QLabel* lblMaxMsg1_ = nullptr;
    QLabel* lblMaxMsg2_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vokg
