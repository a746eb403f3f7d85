#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vokg {

class fOutput_zrdl_Model;

// The window of the firmware-source dialog "zrdl_Model出力": binds its four boxes and five
// buttons to an fOutput_zrdl_Model, which holds every rule. The boxes are filled from the
// settings when the window is made and stored again however it closes.
class fOutput_zrdl_ModelDialog : public QDialog {
    Q_OBJECT

public:
    explicit fOutput_zrdl_ModelDialog(fOutput_zrdl_Model& form, QWidget* parent = nullptr);
    ~fOutput_zrdl_ModelDialog() override;

    void done(int result) override;

    QLineEdit* TemplateBox() const { return txtFileHinagata_; }
    QLineEdit* NewFileBox() const { return txtFileNew_; }
    QLineEdit* ModelBox() const { return txtKishu_; }
    QLineEdit* SectionBox() const { return txtSectionNo_; }
    // BTN 1 create, 9 cancel / close.
    QPushButton* Button(int index) const;

private:
    void TakeBoxes();
    void ShowBoxes();
    void Unload();

    fOutput_zrdl_Model& form_;
    QLineEdit* txtFileHinagata_ = nullptr;
    QLineEdit* txtFileNew_ = nullptr;
    QLineEdit* txtKishu_ = nullptr;
    QLineEdit* txtSectionNo_ = nullptr;
    QPushButton* btnSpecifyHinagata_ = nullptr;
    QPushButton* btnSpecifyNew_ = nullptr;
    QPushButton* btnRule_ = nullptr;
    QPushButton* btnCreate_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    bool unloaded_ = false;
};

} // namespace vokg
