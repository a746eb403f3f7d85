#include "platform/gui/GridComboList.h"

namespace platform {

GridComboList GridComboList::Parse(const QString& list) {
    GridComboList result;
    if (list == QLatin1String("...")) {
        result.ellipsis_ = true;
        return result;
    }
    const QStringList parts = list.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        Item item;
        if (part.startsWith(QLatin1Char('#'))) {
            // A value list keeps the stored code apart from the word the user reads.
            const qsizetype semicolon = part.indexOf(QLatin1Char(';'));
            item.value = semicolon < 0 ? part.mid(1) : part.mid(1, semicolon - 1);
            item.label = semicolon < 0 ? item.value : part.mid(semicolon + 1);
            result.valueList_ = true;
        } else if (const qsizetype tab = part.indexOf(QLatin1Char('\t')); tab >= 0) {
            item.value = part.left(tab);
            item.label = item.value + QStringLiteral("   ") + part.mid(tab + 1);
        } else {
            item.value = part;
            item.label = part;
        }
        result.items_.append(item);
    }
    return result;
}

std::optional<int> GridComboList::IndexOfValue(const QString& value) const {
    for (int index = 0; index < items_.size(); ++index) {
        if (items_[index].value == value) {
            return index;
        }
    }
    return std::nullopt;
}

QString GridComboList::DisplayText(const QString& value) const {
    if (!valueList_) {
        return value;
    }
    const std::optional<int> index = IndexOfValue(value);
    return index ? items_[*index].label : value;
}

} // namespace platform
