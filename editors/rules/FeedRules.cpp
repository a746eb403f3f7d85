#include "editors/rules/FeedRules.h"

#include "model/COkuris.h"
#include "model/FeedLayout.h"

#include <QStringList>

namespace vokg {
namespace {

constexpr NumberRange kAxis{0, 99};
constexpr NumberRange kOtherValues[7] = {{1, 100},  {1, 100},  {1, 100}, {1, 99},
                                         {1, 9999}, {1, 9999}, {1, 999}};
constexpr NumberRange kLongArray{1, 9999};
constexpr NumberRange kPulseArray{1, 99}; // P1X, P1Y and the pitch arrays

std::optional<int> AxisIndex(const QString& key) {
    for (std::size_t a = 0; a < feed::kAxisArrays.size(); ++a)
        if (key == QLatin1String(feed::kAxisArrays[a].key.data(), qsizetype(feed::kAxisArrays[a].key.size())))
            return int(a);
    return std::nullopt;
}

std::optional<int> PitchIndex(const QString& key) {
    for (std::size_t p = 0; p < feed::kPitchArrays.size(); ++p)
        if (key ==
            QLatin1String(feed::kPitchArrays[p].key.data(), qsizetype(feed::kPitchArrays[p].key.size())))
            return int(p);
    return std::nullopt;
}

bool IsWideAxis(const QString& key) {
    const std::optional<int> axis = AxisIndex(key);
    return axis && feed::kAxisArrays[std::size_t(*axis)].wide;
}

} // namespace

std::optional<FeedRules::Place> FeedRules::PitchPlaceOfAxis(const Place& axis) {
    const std::optional<int> index = AxisIndex(axis.key);
    if (!index || axis.index < 0 || axis.index >= feed::kPitchEntries / 2)
        return std::nullopt;
    // Axis arrays 2p and 2p + 1 are the even and odd rows of pitch array p.
    const int pitch = *index / 2;
    const feed::PitchLayout& layout = feed::kPitchArrays[std::size_t(pitch)];
    return Place{QLatin1String(layout.key.data(), qsizetype(layout.key.size())), 2 * axis.index + *index % 2};
}

std::optional<FeedRules::Place> FeedRules::AxisPlaceOfPitch(const Place& pitch) {
    const std::optional<int> index = PitchIndex(pitch.key);
    if (!index || pitch.index < 0 || pitch.index >= feed::kPitchEntries)
        return std::nullopt;
    const feed::PitchSource source = feed::PitchSourceOf(*index, pitch.index);
    const feed::ArrayLayout& layout = feed::kAxisArrays[std::size_t(source.axis)];
    return Place{QLatin1String(layout.key.data(), qsizetype(layout.key.size())), source.entry};
}

int FeedRules::PitchValueOfAxis(const QString& axisKey, int axisValue) {
    return IsWideAxis(axisKey) ? (axisValue & 0xFF) : axisValue;
}

int FeedRules::AxisValueWithPitch(const QString& axisKey, int axisValue, int pitchValue) {
    return IsWideAxis(axisKey) ? ((axisValue & 0xFF00) | (pitchValue & 0xFF)) : pitchValue;
}

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
