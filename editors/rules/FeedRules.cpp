#include "editors/rules/FeedRules.h"

#include "model/COkuris.h"

#include <QStringList>

namespace vokg {
namespace {

constexpr NumberRange kAxis{0, 99};
constexpr NumberRange kOtherValues[7] = {{1, 100},  {1, 100},  {1, 100}, {1, 99},
                                         {1, 9999}, {1, 9999}, {1, 999}};
constexpr NumberRange kLongArray{1, 9999};
constexpr NumberRange kPulseArray{1, 99}; // P1X, P1Y and the pitch arrays

} // namespace

QString FeedRules::AxisMenuTag() {
    return QStringLiteral("%1\t%2").arg(kAxis.min).arg(kAxis.max);
}

std::optional<NumberRange> FeedRules::RangeFromMenuTag(const QString& tag) {
    const QStringList parts = tag.split(QLatin1Char('\t'));
    if (parts.size() != 2)
        return std::nullopt;
    bool minOk = false;
    bool maxOk = false;
    const NumberRange range{parts[0].toInt(&minOk), parts[1].toInt(&maxOk)};
    if (!minOk || !maxOk)
        return std::nullopt;
    return range;
}

NumberRange FeedRules::AxisRange() {
    return *RangeFromMenuTag(AxisMenuTag());
}

std::optional<NumberRange> FeedRules::OtherValueRange(int index) {
    if (index < 0 || index >= int(std::size(kOtherValues)))
        return std::nullopt;
    return kOtherValues[index];
}

std::optional<NumberRange> FeedRules::PitchWindowRange(const QString& key) {
    if (key == QLatin1String("P1X") || key == QLatin1String("P1Y"))
        return kPulseArray;
    if (COkuris::LongKeys().contains(key))
        return kLongArray;
    if (COkuris::PitchKeys().contains(key))
        return kPulseArray;
    return std::nullopt;
}

} // namespace vokg
