#include "shell/gui/DifferenceTree.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace vokg::DifferenceTree {
namespace {

constexpr int kCaptionRole = Qt::UserRole + 2; // a group's caption without its count
static_assert(kDifferenceRole == Qt::UserRole + 1);

} // namespace

void Fill(QTreeWidget* tree, const QList<TableDifference>& differences,
          const std::function<QString(int table)>& tableCaption) {
    tree->clear();
    QTreeWidgetItem* tableItem = nullptr;
    QTreeWidgetItem* kindItem = nullptr;
    int shownTable = -1;
    for (int index = 0; index < differences.size(); ++index) {
        const TableDifference& difference = differences[index];
        if (!tableItem || difference.table != shownTable) {
            shownTable = difference.table;
            tableItem = new QTreeWidgetItem(tree);
            tableItem->setData(0, kCaptionRole, tableCaption(difference.table));
            kindItem = nullptr;
        }
        if (!kindItem || kindItem->data(0, kCaptionRole).toString() != difference.Kind()) {
            kindItem = new QTreeWidgetItem(tableItem);
            kindItem->setData(0, kCaptionRole, difference.Kind());
        }
        auto* line = new QTreeWidgetItem(kindItem);
        line->setText(0, difference.Line());
        line->setData(0, kDifferenceRole, index);
    }
    tree->expandAll();
}

int Filter(QTreeWidget* tree, const QString& text) {
    int shown = 0;
    for (int t = 0; t < tree->topLevelItemCount(); ++t) {
        QTreeWidgetItem* tableItem = tree->topLevelItem(t);
        int tableShown = 0;
        for (int k = 0; k < tableItem->childCount(); ++k) {
            QTreeWidgetItem* kindItem = tableItem->child(k);
            int kindShown = 0;
            for (int l = 0; l < kindItem->childCount(); ++l) {
                QTreeWidgetItem* line = kindItem->child(l);
                const bool visible = text.isEmpty() || line->text(0).contains(text, Qt::CaseInsensitive);
                line->setHidden(!visible);
                kindShown += visible ? 1 : 0;
            }
            kindItem->setHidden(kindShown == 0);
            kindItem->setText(
                0, QStringLiteral("%1 (%2)").arg(kindItem->data(0, kCaptionRole).toString()).arg(kindShown));
            tableShown += kindShown;
        }
        tableItem->setHidden(tableShown == 0);
        tableItem->setText(
            0, QStringLiteral("%1 (%2)").arg(tableItem->data(0, kCaptionRole).toString()).arg(tableShown));
        shown += tableShown;
    }
    return shown;
}

QStringList VisibleLines(const QTreeWidget* tree) {
    QStringList lines;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
        if ((*it)->data(0, kDifferenceRole).isValid() && !(*it)->isHidden() && !(*it)->parent()->isHidden())
            lines.append((*it)->text(0));
    return lines;
}

QString Counted(qsizetype count, const QString& one, const QString& many) {
    return count == 1 ? QStringLiteral("1 ") + one : QStringLiteral("%1 %2").arg(count).arg(many);
}

} // namespace vokg::DifferenceTree
