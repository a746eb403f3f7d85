#pragma once

#include "editors/rules/EntryVerdict.h"
#include "editors/rules/TypedNumber.h"

#include <QString>

#include <optional>

namespace vokg {

// The entry rules of the feed tables: the feed-parameter window (one axis array, or the seven
// other values), the pitch-parameter window (the long arrays, the pitch arrays) and the
// companion's feed.KEY[I]=, feed.other[I]= and feed.pitch.KEY[I]=. A blank or a text that is
// no number gets message 24, a number outside the range message 28 with its Min and Max.
class FeedRules {
public:
    // The feed menu's item of an axis array carries its range as "MIN<TAB>MAX"; every axis item
    // carries 0 and 99.
    static QString AxisMenuTag();
    // The range a menu item's tag holds; none for a tag that is not two whole numbers.
    static std::optional<NumberRange> RangeFromMenuTag(const QString& tag);
    // The range of every entry of an axis array, from its menu item.
    static NumberRange AxisRange();

    // The seven other values (0-based): 1-100, 1-100, 1-100, 1-99, 1-9999, 1-9999, 1-999.
    static std::optional<NumberRange> OtherValueRange(int index);

    // The columns of the pitch-parameter window by their array key: "XYLM", "XGA", "YGA",
    // "ZLM" 1-9999; "P1X", "P1Y" 1-99; the eight pitch arrays ("X_P1" ... "Y_T2") 1-99.
    static std::optional<NumberRange> PitchWindowRange(const QString& key);

    // One entry of a feed array: the array's key and the entry's index.
    struct Place {
        QString key;
        int index = 0;
        bool operator==(const Place&) const = default;
    };
    // The pitch arrays are a second view of bytes of the axis arrays. The pitch row that shares
    // its byte with an axis entry (entries 25..30 have none), and the axis entry behind a pitch
    // row; none for any other place.
    static std::optional<Place> PitchPlaceOfAxis(const Place& axis);
    static std::optional<Place> AxisPlaceOfPitch(const Place& pitch);
    // The value the pitch row shows for an axis entry holding `axisValue`: the low byte of a word
    // entry, the byte itself of a byte entry.
    static int PitchValueOfAxis(const QString& axisKey, int axisValue);
    // The axis entry once its pitch row holds `pitchValue`: a word entry keeps its high byte.
    static int AxisValueWithPitch(const QString& axisKey, int axisValue, int pitchValue);

    static EntryVerdict CheckEntry(const QString& text, NumberRange range) {
        return CheckNumberEntry(text, range);
    }
};

} // namespace vokg
