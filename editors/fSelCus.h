#pragma once

#include <QDialog>
#include <QRect>

class QPushButton;

namespace hlpkit {
class CMethod;
}
namespace platform {
class Tree;
}

namespace vokg {

class SelCusRules;

// The function tree: the functions of the signal's table under their group, the current one
// selected; Select returns the chosen value, every other way out the original one. The window
// binds its tree and buttons to SelCusRules, which hold every rule.
class fSelCus : public QDialog {
    Q_OBJECT

public:
    // `place` is the window's left, top, width and height in twips, as the settings keep them;
    // it is read when the dialog opens and holds the last place when it has closed.
    fSelCus(SelCusRules& rules, hlpkit::CMethod& method, QRect& place, QWidget* parent = nullptr);
    ~fSelCus() override;

    void done(int result) override;

    platform::Tree* tv() const { return tv_; }
    // BTN 1 select, 2 cancel.
    QPushButton* BTN(int index) const;
    QPushButton* btnFind() const { return btnFind_; }

private:
    void Form_Load();
    void SelectCommand();
    void FindCommand();
    void SaveRegData();

    SelCusRules& rules_;
    hlpkit::CMethod& method_;
    QRect& place_;
    platform::Tree* tv_ = nullptr;
    QPushButton* btnSelect_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnFind_ = nullptr;
    bool chosen_ = false;
};

} // namespace vokg
