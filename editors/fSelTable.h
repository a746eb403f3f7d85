#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace hlpkit {
class CMethod;
}

namespace vokg {

// Choice of one table of a data file: 8 option buttons for a design file, 16 for a machine
// data file. The caller sets TableNo and File, shows the dialog modally and reads TableNo.
class fSelTable : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDesignTables = 8;
    static constexpr int kMachineTables = 16;
    static constexpr int kCancelled = -1;

    // `tableCount` is 8 or 16; any other count is a programming error and throws
    // std::invalid_argument, since a dialog offering tables the file does not have would
    // hand back a position past its end.
    fSelTable(int tableCount, hlpkit::CMethod& method, QWidget* parent = nullptr);

    int TableCount() const { return tableCount_; }

    // The table preselected on entry; the chosen one after OK; -1 after Cancel or the close box.
    int TableNo() const { return tableNo_; }
    void SetTableNo(int tableNo);

    // The data file whose headers "Read model" shows.
    const QString& File() const { return file_; }
    void SetFile(const QString& file) { file_ = file; }

    // Whether the headers are read as soon as the dialog opens ("DoesReadKishuWhenSelectTable")
    // rather than only when the user presses "Read model".
    bool ReadModelAtOnce() const { return readModelAtOnce_; }
    void SetReadModelAtOnce(bool atOnce) { readModelAtOnce_ = atOnce; }

    // Reads the model name and data version of every table of File into the labels. A file
    // that is missing or ends early is logged under "DispInfo"; the labels keep what was read
    // before the failure. False on failure.
    bool DispInfo();

    // What the labels of table `table` show (empty before DispInfo or outside 1..TableCount).
    QString ShownKishuName(int table) const;
    QString ShownDataVersion(int table) const;

    QPushButton* ReadModelButton() const { return readModelButton_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QRadioButton* OptionButton(int table) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load();
    void ClearLabels();

    hlpkit::CMethod& method_;
    int tableCount_;
    int tableNo_ = 1;
    QString file_;
    bool readModelAtOnce_ = true;
    bool loaded_ = false;

    QButtonGroup* options_ = nullptr;
    QList<QRadioButton*> ops_;   // index 0 is table 1
    QList<QLabel*> lblKishuMei_; // one per table
    QList<QLabel*> lblDataVersion_;
    QPushButton* readModelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vokg
