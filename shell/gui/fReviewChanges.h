#pragma once

#include "shell/SaveReview.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vokg {

// The review of a save: every change it will write, grouped by table and kind with their counts,
// and Save (write) or Cancel (write nothing). Escape and the close box cancel.
class fReviewChanges : public QDialog {
    Q_OBJECT
public:
    explicit fReviewChanges(const SaveReview& review, QWidget* parent = nullptr);

    // What the dialog says above the list: the target, the tables and the count.
    static QString Summary(const SaveReview& review);

    QStringList Lines() const;
    QLabel* SummaryLabel() const { return summary_; }
    QTreeWidget* Tree() const { return tree_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QLabel* summary_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vokg
