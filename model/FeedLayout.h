#pragma once

#include <array>
#include <string_view>

namespace vokg::feed {

// Where the feed table sits in every table of a data file, and how long it is. The byte right
// after it (table offset 6864) belongs to nobody and must survive every save.
constexpr int kTableOffset = 4096;
constexpr int kTableLength = 2768;

// One array of the feed table: its key, where it starts (from the feed table's first byte), how
// many entries it has, whether an entry is a big-endian word or a single byte, and the name the
// firmware source uses for it.
struct ArrayLayout {
    std::string_view key;
    int offset;
    int count;
    bool wide;
    std::string_view cIdentifier;

    constexpr int ByteLength() const { return count * (wide ? 2 : 1); }
};

constexpr int kAxisEntries = 31;
constexpr int kLongEntries = 201;
constexpr int kOtherValueCount = 7;
constexpr int kPitchEntries = 50;

// "_A" arrays hold the clockwise settings, "_B" the counter-clockwise ones; the controller reads
// them at exactly these offsets.
constexpr std::array<ArrayLayout, 16> kAxisArrays{{
    {"X_P1_A", 0, kAxisEntries, true, "gus_x_s8_cw_"},
    {"X_P1_B", 62, kAxisEntries, true, "gus_x_s8_ccw_"},
    {"X_T1_A", 124, kAxisEntries, true, "gus_x_e8_cw_"},
    {"X_T1_B", 186, kAxisEntries, true, "gus_x_e8_ccw_"},
    {"X_P2_A", 248, kAxisEntries, false, "guc_x_p1_cw_"},
    {"X_P2_B", 279, kAxisEntries, false, "guc_x_p1_ccw_"},
    {"X_T2_A", 310, kAxisEntries, false, "guc_x_p2_cw_"},
    {"X_T2_B", 341, kAxisEntries, false, "guc_x_p2_ccw_"},
    {"Y_P1_A", 372, kAxisEntries, true, "gus_y_s8_cw_"},
    {"Y_P1_B", 434, kAxisEntries, true, "gus_y_s8_ccw_"},
    {"Y_T1_A", 496, kAxisEntries, true, "gus_y_e8_cw_"},
    {"Y_T1_B", 558, kAxisEntries, true, "gus_y_e8_ccw_"},
    {"Y_P2_A", 620, kAxisEntries, false, "guc_y_p1_cw_"},
    {"Y_P2_B", 651, kAxisEntries, false, "guc_y_p1_ccw_"},
    {"Y_T2_A", 682, kAxisEntries, false, "guc_y_p2_cw_"},
    {"Y_T2_B", 713, kAxisEntries, false, "guc_y_p2_ccw_"},
}};

// P1X and P1Y are single bytes although the firmware declares them as words.
constexpr std::array<ArrayLayout, 6> kLongArrays{{
    {"XYLM", 744, kLongEntries, true, "gus_x_l1_"},
    {"XGA", 1146, kLongEntries, true, "gus_x_l2_"},
    {"ZLM", 1548, kLongEntries, true, "gus_y_l1_"},
    {"YGA", 1950, kLongEntries, true, "gus_y_l2_"},
    {"P1X", 2352, kLongEntries, false, "gus_p1x_"},
    {"P1Y", 2553, kLongEntries, false, "gus_p1y_"},
}};

// The seven single values follow the long arrays as big-endian words, in caption order.
constexpr int kOtherValuesOffset = 2754;
constexpr int kFirstOtherCaptionId = 521; // captions are the texts 521..527
constexpr int kOtherGroupKeyId = 520;     // the key of the whole group
constexpr std::array<std::string_view, kOtherValueCount> kOtherValueIdentifiers{
    "gms_p1_pls_base_",    "gms_p1_pls_all_",     "gms_pmd_pd_inpos_", "gus_s8_top_",
    "gus_x_pos_kd_speed_", "gus_y_pos_kd_speed_", "gus_xy_inv_",
};

// A pitch array is a second view of the low bytes of the first 25 entries of its two axis
// arrays, interleaved: even rows from the "_A" array, odd rows from the "_B" array.
struct PitchLayout {
    std::string_view key;
    int axisA; // index into kAxisArrays
    int axisB;
};

constexpr std::array<PitchLayout, 8> kPitchArrays{{
    {"X_P1", 0, 1},
    {"X_T1", 2, 3},
    {"X_P2", 4, 5},
    {"X_T2", 6, 7},
    {"Y_P1", 8, 9},
    {"Y_T1", 10, 11},
    {"Y_P2", 12, 13},
    {"Y_T2", 14, 15},
}};

// The axis array and entry that pitch row `row` of pitch array `pitch` shares its byte with.
struct PitchSource {
    int axis;
    int entry;
};

constexpr PitchSource PitchSourceOf(int pitch, int row) {
    const PitchLayout& layout = kPitchArrays[static_cast<std::size_t>(pitch)];
    return row % 2 == 0 ? PitchSource{layout.axisA, row / 2} : PitchSource{layout.axisB, (row - 1) / 2};
}

// The feed-table offset of pitch row `row`: the low (second) byte of a word entry, or the byte
// of a single-byte entry.
constexpr int PitchOffset(int pitch, int row) {
    const PitchSource source = PitchSourceOf(pitch, row);
    const ArrayLayout& axis = kAxisArrays[static_cast<std::size_t>(source.axis)];
    return axis.wide ? axis.offset + source.entry * 2 + 1 : axis.offset + source.entry;
}

// The layout covers the feed table exactly: no gap, no overlap, nothing past its end.
constexpr bool LayoutIsContiguous() {
    int next = 0;
    for (const ArrayLayout& array : kAxisArrays) {
        if (array.offset != next)
            return false;
        next += array.ByteLength();
    }
    for (const ArrayLayout& array : kLongArrays) {
        if (array.offset != next)
            return false;
        next += array.ByteLength();
    }
    return next == kOtherValuesOffset && next + 2 * kOtherValueCount == kTableLength;
}
static_assert(LayoutIsContiguous());

// Pitch array p pairs the axis arrays 2p ("_A") and 2p + 1 ("_B"); COkuris relies on it to find
// the pitch row behind an axis entry.
constexpr bool PitchPairsFollowAxisOrder() {
    for (std::size_t p = 0; p < kPitchArrays.size(); ++p) {
        if (kPitchArrays[p].axisA != int(2 * p) || kPitchArrays[p].axisB != int(2 * p + 1))
            return false;
        const std::string_view key = kPitchArrays[p].key;
        if (kAxisArrays[2 * p].key.substr(0, key.size()) != key ||
            kAxisArrays[2 * p + 1].key.substr(0, key.size()) != key)
            return false;
    }
    return true;
}
static_assert(PitchPairsFollowAxisOrder());
static_assert(PitchOffset(0, 1) == 63);
static_assert(PitchOffset(7, 49) == 737);

} // namespace vokg::feed
