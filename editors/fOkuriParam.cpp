#include "editors/fOkuriParam.h"

#include "hlpkit/RunError.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "shell/messages/gui/PictureSet.h"

#include <QVBoxLayout>

namespace vokg {

using platform::Grid;
using namespace feedcolors;

namespace {

// Column widths in twips; the other values need room for their captions.
constexpr int kLabelWidth = 800;
constexpr int kCaptionWidth = 5100;
constexpr int kColumnWidths[] = {0, 1200, 1035, 800};
constexpr int kHeaderRowHeight = 500;

} // namespace

fOkuriParam::fOkuriParam(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
                         hlpkit::CMethod& method, hlpkit::CString& keys, const QString& okuriCaption,
                         const QString& menuTag, QWidget* parent)
    : FeedWindow(user, comparison, services, messenger, method, keys, okuriCaption, parent) {
    if (const std::optional<Picture> icon = LoadPictureById(PictureId::ParameterWindowIcon))
        setWindowIcon(ToIcon(*icon));
    otherValues_ = okuriCaption == COkuris::OtherValuesKey();
    rows_ = otherValues_ ? 7 : 31;
    // Every axis item of the feed menu carries its range; the other values have their own.
    const std::optional<NumberRange> tagged = FeedRules::RangeFromMenuTag(menuTag);
    range_ = tagged ? *tagged : FeedRules::AxisRange();
    if (!tagged && !otherValues_)
        hlpkit::Guarded(method, QStringLiteral("Initialize"), false, [&] {
            hlpkit::Raise(hlpkit::InvalidCall);
            return true;
        });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    fg_ = new Grid(this);
    fg_->setObjectName(QStringLiteral("fg"));
    layout->addWidget(fg_, 1);
    BuildButtonStrip(layout, false);
    InstallEditEvents();
    fg_->Events().OwnerDraw = [this](QPainter& painter, int row, int col, const QRect& rect, bool&) {
        if (col == ColUser)
            DrawEditMark(painter, row, col, rect);
    };
    Fomrat_fg();
    LoadUserValues();
    // The labels follow the key the window's own GetArray has just made current.
    for (int row = 1; row <= rows_; ++row)
        fg_->SetTextMatrix(row, ColLabel, RowLabel(user.CurrentFeedKey(), row));
    PasteHikakuValue();
    fg_->Select(1, ColUser);
}

fOkuriParam::~fOkuriParam() = default;

QString fOkuriParam::RowLabel(const QString& key, int row) {
    if (key == COkuris::OtherValuesKey())
        return COkuris::OtherValueCaption(row - 1);
    const int entry = row - 1;
    // Entries 25..30 have no pitch row.
    if (entry < 0 || entry >= 25)
        return QStringLiteral("-");
    return COkuris::PitchRowText(key.endsWith(QLatin1String("_B")) ? 2 * entry + 1 : 2 * entry);
}

void fOkuriParam::Fomrat_fg() {
    hlpkit::Guarded(Method(), QStringLiteral("Fomrat_fg"), false, [&] {
        fg_->SetRedraw(false);
        fg_->SetCols(ColumnCount);
        fg_->SetRows(rows_ + 1);
        fg_->SetFixedRows(1);
        fg_->SetFixedCols(2);
        fg_->SetGridFont(QStringLiteral("Tahoma"), 9);
        fg_->SetRowHeight(0, kHeaderRowHeight);
        fg_->SetHighlightCurrentCell(false);
        fg_->SetEditable(platform::GridEditMode::KeyboardMouse);
        const QString headers[ColumnCount] = {ResourceText(otherValues_ ? 1508 : 1507), ResourceText(1455),
                                              ResourceText(1456), ResourceText(1458)};
        for (int col = 0; col < ColumnCount; ++col) {
            fg_->SetTextMatrix(0, col, headers[col]);
            fg_->SetColWidth(col, col == ColLabel ? (otherValues_ ? kCaptionWidth : kLabelWidth)
                                                  : kColumnWidths[col]);
        }
        fg_->SetCellBackColor({0, 0, 0, ColumnCount - 1}, kHeaderShade);
        fg_->SetCellAlignment({0, 0, 0, ColumnCount - 1}, Qt::AlignCenter);
        fg_->SetCellBackColor({1, ColComparison, rows_, ColComparison}, kComparisonShade);
        fg_->SetCellForeColor({1, ColDif, rows_, ColDif}, kMarkColor);
        fg_->SetCellAlignment({1, ColDif, rows_, ColDif}, Qt::AlignCenter);
        fg_->SetCellEditable({1, ColDif, rows_, ColDif}, false);
        fg_->SetColAlignment(ColComparison, Qt::AlignRight | Qt::AlignVCenter);
        fg_->SetColAlignment(ColUser, Qt::AlignRight | Qt::AlignVCenter);
        for (int row = 1; row <= rows_; ++row)
            fg_->SetTextMatrix(row, ColComparison, QStringLiteral("-"));
        fg_->SetRedraw(true);
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
}

NumberRange fOkuriParam::RangeOf(int row, int) const {
    if (!otherValues_)
        return range_;
    const std::optional<NumberRange> range = FeedRules::OtherValueRange(row - 1);
    return range ? *range : NumberRange{};
}

QString fOkuriParam::ComparisonText(int row, int) const {
    return ComparisonShown() ? fg_->TextMatrix(row, ColComparison) : QString();
}

void fOkuriParam::SetComparisonText(int row, int, const QString& text) {
    fg_->SetTextMatrix(row, ColComparison, text.isEmpty() ? QStringLiteral("-") : text);
}

void fOkuriParam::ShowComparison(bool shown) {
    fg_->SetColHidden(ColComparison, !shown);
    fg_->SetColHidden(ColDif, !shown);
}

void fOkuriParam::ShowRow(int row, bool shown) {
    fg_->SetRowHidden(row, !shown);
}

void fOkuriParam::RowValuesChanged(int row) {
    fg_->SetTextMatrix(row, ColDif, RowDiffers(row) ? ResourceText(1458) : QString());
}

void fOkuriParam::ShadeRow(int row, bool shaded) {
    fg_->SetCellBackColor({row, ColLabel, row, ColLabel}, shaded ? kCurrentRowShade : QColor());
    fg_->SetCellBackColor({row, ColComparison, row, ColComparison},
                          shaded ? kCurrentRowShade : kComparisonShade);
}

} // namespace vokg
