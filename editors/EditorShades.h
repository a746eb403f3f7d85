#pragma once

#include <QColor>
#include <QPalette>
#include <QToolTip>

namespace vokg::shades {

// The colours every editor grid shares: the comparison side, the user's cells, the current
// row, the marks ("*", "DIF") and the cells that explain (detail, difference).
inline const QColor kComparison(255, 224, 192);
inline const QColor kUser(255, 255, 255);
inline const QColor kCurrentRow(224, 192, 160);
inline const QColor kMark(255, 0, 0);

inline QColor Explaining() {
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

} // namespace vokg::shades
