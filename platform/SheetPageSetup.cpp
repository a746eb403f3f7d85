#include "platform/SheetPageSetup.h"

#include "platform/SheetArea.h"
#include "platform/SheetControlText.h"
#include "platform/SheetError.h"

#include <cmath>

namespace platform {
namespace {

QString Sections(const QString& left, const QString& center, const QString& right) {
    QString text;
    if (!left.isEmpty())
        text += QStringLiteral("&L") + left;
    if (!center.isEmpty())
        text += QStringLiteral("&C") + center;
    if (!right.isEmpty())
        text += QStringLiteral("&R") + right;
    return text;
}

} // namespace

void SheetPageSetup::SetZoom(int percent) {
    if (percent < 10 || percent > 400)
        throw SheetError(
            SheetError::ApplicationDefined,
            QStringLiteral("The zoom must lie between 10 and 400 percent, not %1.").arg(percent));
    zoom_ = percent;
}

double SheetPageSetup::Checked(double points) {
    // 49 inches is the largest margin the workbook format accepts.
    if (!std::isfinite(points) || points < 0 || points > 49 * 72)
        throw SheetError(
            SheetError::ApplicationDefined,
            QStringLiteral("A margin must lie between 0 and 49 inches, not %1 points.").arg(points));
    return points;
}

void SheetPageSetup::SetSection(QString& section, const QString& text, bool header) {
    const QString previous = section;
    section = SheetVisibleText(text);
    const qsizetype length = header ? HeaderText().size() : FooterText().size();
    if (length > kMaxHeaderLength) {
        section = previous;
        throw SheetError(SheetError::ApplicationDefined,
                         QStringLiteral("A page %1 may hold at most %2 characters; this one would have %3.")
                             .arg(header ? QStringLiteral("header") : QStringLiteral("footer"))
                             .arg(kMaxHeaderLength)
                             .arg(length));
    }
}

void SheetPageSetup::SetPrintTitleRows(const QString& address) {
    if (address.trimmed().isEmpty()) {
        titleFirst_ = titleLast_ = 0;
        return;
    }
    const std::optional<SheetArea> area = SheetArea::Parse(address);
    if (!area || !area->WholeRows())
        throw SheetError(SheetError::ApplicationDefined,
                         QStringLiteral("Print title rows must be whole rows such as \"$1:$1\", not \"%1\".")
                             .arg(address));
    titleFirst_ = area->firstRow;
    titleLast_ = area->lastRow;
}

QString SheetPageSetup::HeaderText() const {
    return Sections(leftHeader_, centerHeader_, rightHeader_);
}

QString SheetPageSetup::FooterText() const {
    return Sections(QString(), centerFooter_, QString());
}

} // namespace platform
