#include "shell/gui/fReviewChanges.h"
#include "shell/gui/DifferenceTree.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vokg {
namespace {

QString TableList(const QList<int>& tables) {
    QStringList numbers;
    for (const int table : tables)
        numbers.append(QString::number(table));
    return (tables.size() == 1 ? QStringLiteral("table ") : QStringLiteral("tables ")) +
           numbers.join(QStringLiteral(", "));
}

} // namespace

QString fReviewChanges::Summary(const SaveReview& review) {
    const QString source = QDir::toNativeSeparators(review.source);
    const QString tables = TableList(review.tables);
    QString head;
    switch (review.mode) {
    case SaveMode::SaveAs:
        // The new file is a copy of the file open with the table written into it: what differs
        // from that file is what the list holds.
        head = QStringLiteral("Save as %1: a copy of %2 with %3 written into it.")
                   .arg(QDir::toNativeSeparators(review.target), source, tables);
        break;
    case SaveMode::OtherTables:
        head = QStringLiteral("Save into %1 of %2: the values being edited replace what %3.")
                   .arg(tables, source,
                        review.tables.size() == 1 ? QStringLiteral("that table holds")
                                                  : QStringLiteral("those tables hold"));
        break;
    default:
        head = QStringLiteral("Save into %1 of %2.").arg(tables, source);
        break;
    }
    if (review.changes.isEmpty())
        return head + QStringLiteral("\nNo value changes: the file already holds every value, and saving "
                                     "writes the same values again.");
    const QString count =
        DifferenceTree::Counted(review.changes.size(), QStringLiteral("change"), QStringLiteral("changes"));
    return head + QLatin1Char('\n') + count +
           (review.mode == SaveMode::SaveAs ? QStringLiteral(" against %1:").arg(source)
                                            : QStringLiteral(":"));
}

fReviewChanges::fReviewChanges(const SaveReview& review, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fReviewChanges"));
    setWindowTitle(QStringLiteral("Review changes before saving"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(Summary(review), this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("tvwChanges"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setUniformRowHeights(true);
    DifferenceTree::Fill(tree_, review.changes,
                         [](int table) { return QStringLiteral("Table %1").arg(table); });
    DifferenceTree::Filter(tree_, QString());
    tree_->setVisible(!review.changes.isEmpty());
    layout->addWidget(tree_, 1);
    auto* buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton(QDialogButtonBox::Save);
    save_->setObjectName(QStringLiteral("btnSave"));
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    save_->setDefault(true);
    resize(620, review.changes.isEmpty() ? 160 : 460);
}

QStringList fReviewChanges::Lines() const {
    return DifferenceTree::VisibleLines(tree_);
}

} // namespace vokg
