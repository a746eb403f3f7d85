#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace hlpkit {
class CProperty;
}

namespace vokg {

class Messenger;
class PrintRules;

// The print dialog's window: binds its list, buttons and check boxes to the PrintRules, which
// hold every rule. The dialog fills itself from the rules when it is created.
class fPrint : public QDialog {
    Q_OBJECT

public:
    explicit fPrint(PrintRules& print, QWidget* parent = nullptr);
    ~fPrint() override;

    // Opens the workbook the print wrote with the desktop's application; false when nothing was
    // written or it could not be opened. Where no program is registered to open it, the user is
    // told once, plainly, where the workbook was saved: the export itself succeeded.
    static bool OpenExcelFile(const PrintRules& print, hlpkit::CProperty& property, Messenger& messenger,
                              QWidget* owner);

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

    PrintRules& print_;
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
