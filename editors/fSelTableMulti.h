#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

namespace vokg {

class Messenger;

// Choice of the tables of a design file that a save writes to. The caller sets TableIndex,
// shows the dialog modally and reads arTableIndex.
class fSelTableMulti : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTableCount = 8;

    explicit fSelTableMulti(Messenger& messenger, QWidget* parent = nullptr);

    // The table ticked when the dialog opens; 0 or less ticks none.
    int TableIndex() const { return tableIndex_; }
    void SetTableIndex(int table) { tableIndex_ = table; }

    // The ticked tables in ascending order after OK; empty after Cancel or the close box.
    const QList<int>& arTableIndex() const { return arTableIndex_; }

    QCheckBox* TableBox(int table) const;
    QCheckBox* SelectAllBox() const { return chkSelAll_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Ok();

    Messenger& messenger_;
    int tableIndex_ = 0;
    QList<int> arTableIndex_;
    bool loaded_ = false;

    QList<QCheckBox*> chks_; // index 0 is table 1
    QCheckBox* chkSelAll_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vokg
