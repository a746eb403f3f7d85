#pragma once

#include <QtGlobal>

#include <array>

namespace platform {

// The style settings made on one layer of a sheet (the whole sheet, a column, a row or a cell).
// Every setting carries the moment it was made, so that a later setting on the whole sheet wins
// over an earlier one on a single cell, as when a range is formatted cell by cell.
class SheetStylePatch {
public:
    enum Attribute : int {
        FontName, // index into the worksheet's font name list
        FontSize, // in hundredths of a point
        Bold,
        Horizontal,
        Vertical,
        WrapText,
        InteriorColor,
        Pattern,
        PatternColor,
        BorderLeft,
        BorderTop,
        BorderBottom,
        BorderRight,
        AttributeCount
    };

    void Set(Attribute attribute, qint32 value, quint32 stamp) {
        values_[attribute] = value;
        stamps_[attribute] = stamp;
    }
    qint32 Value(Attribute attribute) const { return values_[attribute]; }
    // 0: never set on this layer.
    quint32 Stamp(Attribute attribute) const { return stamps_[attribute]; }
    bool Empty() const {
        for (const quint32 stamp : stamps_)
            if (stamp != 0)
                return false;
        return true;
    }

private:
    std::array<qint32, AttributeCount> values_{};
    std::array<quint32, AttributeCount> stamps_{};
};

} // namespace platform
