#include "platform/SheetRange.h"

#include "platform/SheetControlText.h"
#include "platform/SheetError.h"
#include "platform/SheetWorksheet.h"

#include <cmath>

namespace platform {
namespace {

[[noreturn]] void Refuse(const QString& text) {
    throw SheetError(SheetError::ApplicationDefined, text);
}

void CheckColor(int colorIndex, const char* what) {
    if ((colorIndex < 1 || colorIndex > 56) && colorIndex != kSheetColorNone &&
        colorIndex != kSheetColorAutomatic)
        Refuse(QStringLiteral("%1 %2 is not a colour index (1 to 56, none or automatic).")
                   .arg(QString::fromLatin1(what))
                   .arg(colorIndex));
}

} // namespace

QVariant SheetRange::Value() const {
    const SheetWorksheet::CellValue& value = sheet_->ValueAt(area_.firstRow, area_.firstColumn);
    if (const double* number = std::get_if<double>(&value))
        return *number;
    if (const QString* text = std::get_if<QString>(&value))
        return *text;
    return QVariant();
}

QString SheetRange::Text() const {
    return sheet_->TextAt(area_.firstRow, area_.firstColumn);
}

void SheetRange::SetValue(const QVariant& value) {
    SheetWorksheet::CellValue stored;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        break;
    case QMetaType::QString: {
        QString text = SheetVisibleText(value.toString());
        if (text.startsWith(u'\''))
            text.remove(0, 1);
        if (text.size() > SheetWorksheet::kMaxTextLength)
            Refuse(QStringLiteral("A cell holds at most %1 characters; this text has %2.")
                       .arg(SheetWorksheet::kMaxTextLength)
                       .arg(text.size()));
        if (!text.isEmpty())
            stored = std::move(text);
        break;
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            Refuse(QStringLiteral("A cell cannot hold the number %1.").arg(value.toString()));
        stored = number;
        break;
    }
    default:
        Refuse(QStringLiteral("A cell holds numbers and texts, not a value of type %1.")
                   .arg(QString::fromLatin1(value.typeName())));
    }
    sheet_->SetValue(area_, stored);
}

SheetRange SheetRange::EntireColumn() const {
    return SheetRange(*sheet_, {1, area_.firstColumn, SheetArea::kMaxRows, area_.lastColumn});
}

SheetRange SheetRange::EntireRow() const {
    return SheetRange(*sheet_, {area_.firstRow, 1, area_.lastRow, SheetArea::kMaxColumns});
}

SheetRange SheetRange::EndRight() const {
    return SheetRange(*sheet_,
                      SheetArea::Cell(area_.firstRow, sheet_->EndRight(area_.firstRow, area_.firstColumn)));
}

void SheetRange::Select() {
    sheet_->Select(area_);
}

void SheetRange::SetFontName(const QString& name) {
    if (name.trimmed().isEmpty() || name.size() > 31)
        Refuse(QStringLiteral("A font name must have 1 to 31 characters: \"%1\".").arg(name));
    sheet_->SetStyleAttribute(area_, SheetStylePatch::FontName, sheet_->FontIndex(name));
}

void SheetRange::SetFontSize(double points) {
    if (!std::isfinite(points) || points < 1 || points > 409)
        Refuse(QStringLiteral("A font size must lie between 1 and 409 points, not %1.").arg(points));
    sheet_->SetStyleAttribute(area_, SheetStylePatch::FontSize,
                              static_cast<qint32>(std::lround(points * 100)));
}

void SheetRange::SetFontBold(bool bold) {
    sheet_->SetStyleAttribute(area_, SheetStylePatch::Bold, bold ? 1 : 0);
}

void SheetRange::SetHorizontalAlignment(SheetHorizontalAlignment alignment) {
    sheet_->SetStyleAttribute(area_, SheetStylePatch::Horizontal, static_cast<qint32>(alignment));
}

void SheetRange::SetVerticalAlignment(SheetVerticalAlignment alignment) {
    sheet_->SetStyleAttribute(area_, SheetStylePatch::Vertical, static_cast<qint32>(alignment));
}

void SheetRange::SetWrapText(bool wrap) {
    sheet_->SetStyleAttribute(area_, SheetStylePatch::WrapText, wrap ? 1 : 0);
}

void SheetRange::SetInteriorColorIndex(int colorIndex) {
    CheckColor(colorIndex, "Interior colour");
    sheet_->SetStyleAttribute(area_, SheetStylePatch::InteriorColor, colorIndex);
    if (colorIndex == kSheetColorNone)
        sheet_->SetStyleAttribute(area_, SheetStylePatch::Pattern, static_cast<qint32>(SheetPattern::None));
    else if (Style().pattern == SheetPattern::None)
        sheet_->SetStyleAttribute(area_, SheetStylePatch::Pattern, static_cast<qint32>(SheetPattern::Solid));
}

void SheetRange::SetInteriorPattern(SheetPattern pattern) {
    sheet_->SetStyleAttribute(area_, SheetStylePatch::Pattern, static_cast<qint32>(pattern));
}

void SheetRange::SetInteriorPatternColorIndex(int colorIndex) {
    CheckColor(colorIndex, "Pattern colour");
    sheet_->SetStyleAttribute(area_, SheetStylePatch::PatternColor, colorIndex);
}

void SheetRange::SetBorderWeight(SheetBorderEdge edge, SheetBorderWeight weight) {
    sheet_->SetBorder(area_, edge, weight);
}

void SheetRange::SetColumnWidth(double width) {
    sheet_->SetColumnWidth(area_, width);
}

void SheetRange::SetRowHeight(double height) {
    sheet_->SetRowHeight(area_, height);
}

double SheetRange::ColumnWidth() const {
    return sheet_->ColumnWidth(area_.firstColumn);
}

double SheetRange::RowHeight() const {
    return sheet_->RowHeight(area_.firstRow);
}

void SheetRange::AutoFit() {
    sheet_->AutoFitColumns(area_);
}

SheetStyle SheetRange::Style() const {
    return sheet_->StyleAt(area_.firstRow, area_.firstColumn);
}

} // namespace platform
