#include "platform/SheetTextMeasure.h"

#include <QList>

#include <cmath>

namespace platform {
namespace {

bool IsWide(uint code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
           (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
           (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
           (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
}

} // namespace

double EstimateSheetTextWidth(const QString& text, const QString& fontName, double pointSize, bool bold) {
    const double pixelHeight = pointSize * 96.0 / 72.0;
    // Heavy display faces run noticeably wider than a text face at the same size.
    const bool heavyFace = fontName.contains(QLatin1String("Black"), Qt::CaseInsensitive);
    double latin = pixelHeight * (heavyFace ? 0.68 : 0.55);
    if (bold)
        latin *= 1.08;
    double width = 0;
    for (const uint code : text.toUcs4()) {
        if (code == 0x0A || code == 0x0D)
            continue;
        width += IsWide(code) ? pixelHeight : latin;
    }
    return width;
}

double SheetColumnWidthToPixels(double width) {
    if (width <= 0)
        return 0;
    if (width < 1)
        return std::floor(width * 12.0 + 0.5);
    return std::floor(width * 7.0 + 0.5) + 5.0;
}

double SheetPixelsToColumnWidth(double pixels) {
    if (pixels <= 0)
        return 0;
    if (pixels < 12)
        return std::round(pixels / 12.0 * 100.0) / 100.0;
    return std::round((pixels - 5.0) / 7.0 * 100.0) / 100.0;
}

} // namespace platform
