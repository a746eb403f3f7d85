#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace platform {

// A drop-down list as the editors write it: entries separated by "|".
//   "a|b|c"           the cell takes the chosen text
//   "ALL\tevery pulse" the list shows both parts, the cell takes the part before the TAB
//   "#0;USUAL|#1;REV" a value list: the cell stores 0 or 1 and shows USUAL or REV
//   "..."             no list: an ellipsis button that raises the cell-button event
class GridComboList {
public:
    struct Item {
        QString value; // what the cell stores
        QString label; // what the list shows
    };

    static GridComboList Parse(const QString& list);

    bool IsEllipsis() const { return ellipsis_; }
    bool HasItems() const { return !items_.isEmpty(); }
    bool IsValueList() const { return valueList_; }
    const QList<Item>& Items() const { return items_; }

    std::optional<int> IndexOfValue(const QString& value) const;
    // What a cell holding `value` shows: the label of a value-list entry, else the value.
    QString DisplayText(const QString& value) const;

private:
    QList<Item> items_;
    bool ellipsis_ = false;
    bool valueList_ = false;
};

} // namespace platform
