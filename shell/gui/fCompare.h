#pragma once

#include "shell/TableDiff.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vokg {

class App;
class DiffSession;

// The window that lists the differences between two tables, or every table of two files, over
// the same comparison as the companion's diff: its lines, grouped by table and kind with their
// counts, narrowed by a text. The files are read in a run of their own (DiffSession): what the
// user has open is never touched.
class fCompare : public QWidget {
    Q_OBJECT
public:
    // `openDifference` is called for a line double-clicked.
    fCompare(App& app, std::function<void(const TableDifference&)> openDifference, QWidget* parent = nullptr);
    ~fCompare() override;

    // Compares the files and tables as the window's boxes give them; false (after its messages)
    // when a file could not be read, nothing listed then.
    bool CompareFiles();

    // Every line listed, in order, shown or not; the lines the filter lets through.
    QStringList Lines() const;
    QStringList VisibleLines() const;

    QLineEdit* FileBox(int side) const { return side == 0 ? fileA_ : fileB_; }
    QPushButton* BrowseButton(int side) const { return side == 0 ? browseA_ : browseB_; }
    QComboBox* TableBox(int side) const { return side == 0 ? tableA_ : tableB_; }
    QCheckBox* AllTablesBox() const { return allTables_; }
    QPushButton* CompareButton() const { return compare_; }
    QLineEdit* FilterBox() const { return filter_; }
    QTreeWidget* Tree() const { return tree_; }
    QLabel* CountLabel() const { return count_; }
    // The tree item of a line, for a test that double-clicks it.
    QTreeWidgetItem* ItemOfLine(const QString& line) const;

private:
    void Browse(int side);
    void FillTables(int side);
    void ShowDifferences();
    void ApplyFilter();

    App& app_;
    std::function<void(const TableDifference&)> openDifference_;
    std::unique_ptr<DiffSession> session_;
    QList<TableDifference> differences_;

    QLineEdit* fileA_ = nullptr;
    QLineEdit* fileB_ = nullptr;
    QPushButton* browseA_ = nullptr;
    QPushButton* browseB_ = nullptr;
    QComboBox* tableA_ = nullptr;
    QComboBox* tableB_ = nullptr;
    QCheckBox* allTables_ = nullptr;
    QPushButton* compare_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace vokg
