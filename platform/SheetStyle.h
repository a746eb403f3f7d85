#pragma once

#include <QHashFunctions>
#include <QString>

#include <array>

namespace platform {

enum class SheetHorizontalAlignment : int { General, Left, Center, Right };
enum class SheetVerticalAlignment : int { Top, Center, Bottom };
enum class SheetPattern : int { None, Solid, Gray75, Gray50, Gray25 };
enum class SheetBorderWeight : int { None, Hairline, Thin, Medium, Thick };
// The four cell edges first (they index SheetStyle::borders), then the lines inside a range.
enum class SheetBorderEdge : int { Left, Top, Bottom, Right, InsideVertical, InsideHorizontal };

// Colour indexes are those of the classic 56-colour palette (1..56) or one of these two.
inline constexpr int kSheetColorAutomatic = -4105;
inline constexpr int kSheetColorNone = -4142;

inline constexpr auto kSheetDefaultFontName = "Calibri";
inline constexpr double kSheetDefaultFontSize = 11.0;

// The complete look of one cell, after the sheet, column, row and cell settings are combined.
struct SheetStyle {
    QString fontName = QString::fromLatin1(kSheetDefaultFontName);
    double fontSize = kSheetDefaultFontSize;
    bool bold = false;
    SheetHorizontalAlignment horizontal = SheetHorizontalAlignment::General;
    SheetVerticalAlignment vertical = SheetVerticalAlignment::Bottom;
    bool wrapText = false;
    int interiorColor = kSheetColorNone;
    SheetPattern pattern = SheetPattern::None;
    int patternColor = kSheetColorAutomatic;
    std::array<SheetBorderWeight, 4> borders{}; // left, top, bottom, right

    SheetBorderWeight Border(SheetBorderEdge edge) const { return borders[static_cast<std::size_t>(edge)]; }
    bool operator==(const SheetStyle&) const = default;
};

inline size_t qHash(const SheetStyle& style, size_t seed = 0) {
    seed = qHashMulti(seed, style.fontName, qRound(style.fontSize * 100), style.bold,
                      static_cast<int>(style.horizontal), static_cast<int>(style.vertical), style.wrapText,
                      style.interiorColor, static_cast<int>(style.pattern), style.patternColor);
    return qHashMulti(seed, static_cast<int>(style.borders[0]), static_cast<int>(style.borders[1]),
                      static_cast<int>(style.borders[2]), static_cast<int>(style.borders[3]));
}

} // namespace platform
