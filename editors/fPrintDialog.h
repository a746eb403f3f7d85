#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace vokg {

class fPrint;

// The window of the print dialog: binds its list, buttons and check boxes to an fPrint, which
// holds every rule. The dialog fills itself from the fPrint when it is created.
class fPrintDialog : public QDialog {
    Q_OBJECT

public:
    explicit fPrintDialog(fPrint& print, QWidget* parent = nullptr);
    ~fPrintDialog() override;

    void done(int result) override;

    QListWidget* List() const { return lst_; }
    // BTN 1 print, 2 create the workbook, 3 close.
    QPushButton* Button(int index) const;
    // btnSel 1 select all, 2 release all.
    QPushButton* SelectButton(int index) const;
    QCheckBox* OnlyDifBox() const { return chkDoesPrintOnlyDif_; }
    QCheckBox* OverWriteBox() const { return chkDoesOverWrite_; }
    QLabel* StatusPanel() const { return keyMsg_; }

private:
    void ShowSelection();
    void TakeSelection();
    void Print(bool toFile);
    void ShowStatus(const QString& text);

    fPrint& print_;
    QListWidget* lst_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnExcel_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QPushButton* btnSelectAll_ = nullptr;
    QPushButton* btnReleaseAll_ = nullptr;
    QCheckBox* chkDoesPrintOnlyDif_ = nullptr;
    QCheckBox* chkDoesOverWrite_ = nullptr;
    QGroupBox* framePrint_ = nullptr;
    QStatusBar* sBar_ = nullptr;
    QLabel* keyMsg_ = nullptr;
    bool showingSelection_ = false;
    bool unloaded_ = false;
};

} // namespace vokg
