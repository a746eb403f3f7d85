#include "editors/fOkuriParam2.h"

#include "hlpkit/RunError.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "shell/messages/gui/PictureSet.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace vokg {

using platform::Grid;
using namespace feedcolors;

namespace {

constexpr int kHeaderRowHeight = 300;
constexpr int kValueWidth = 750;
constexpr int kMarkWidth = 550;

// Both grids scroll together, so that a row of one stays beside the same row of the other.
void ScrollTogether(Grid& a, Grid& b) {
    QScrollBar* first = a.View()->verticalScrollBar();
    QScrollBar* second = b.View()->verticalScrollBar();
    QObject::connect(first, &QScrollBar::valueChanged, second, &QScrollBar::setValue);
    QObject::connect(second, &QScrollBar::valueChanged, first, &QScrollBar::setValue);
}

} // namespace

fOkuriParam2::fOkuriParam2(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
                           hlpkit::CMethod& method, hlpkit::CString& keys, const QString& okuriCaption,
                           QWidget* parent)
    : FeedWindow(user, comparison, services, messenger, method, keys, okuriCaption, parent) {
    if (const std::optional<Picture> icon = LoadPictureById(PictureId::ParameterWindowIcon))
        setWindowIcon(ToIcon(*icon));
    hlpkit::Guarded(method, QStringLiteral("Initialize"), false, [&] {
        const std::optional<Kind> kind = KindOf(okuriCaption);
        if (!kind)
            hlpkit::Raise(hlpkit::InvalidCall);
        kind_ = *kind;
        return true;
    });
    keys_ = KeysOf(kind_);
    rows_ = kind_ == EachPitch ? 201 : 50;
    for (int col = 1; col <= keys_.size(); ++col)
        columns_.append(col);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* grids = new QHBoxLayout;
    grids->setSpacing(2);
    fgCmp_ = new Grid(this);
    fgCmp_->setObjectName(QStringLiteral("fgCmp"));
    fgUsr_ = new Grid(this);
    fgUsr_->setObjectName(QStringLiteral("fgUsr"));
    // The comparison block stands left of the user block, its mark column between them, as on
    // the printed sheet.
    grids->addWidget(fgCmp_, 1);
    grids->addWidget(fgUsr_, 1);
    layout->addLayout(grids, 1);
    BuildButtonStrip(layout, true);
    InstallEditEvents();
    fgUsr_->Events().OwnerDraw = [this](QPainter& painter, int row, int col, const QRect& rect, bool&) {
        DrawEditMark(painter, row, col, rect);
    };
    Fomrat_fg(*fgCmp_, true);
    Fomrat_fg(*fgUsr_, false);
    ScrollTogether(*fgUsr_, *fgCmp_);
    LoadUserValues();
    PasteHikakuValue();
    fgUsr_->Select(1, 1);
}

fOkuriParam2::~fOkuriParam2() = default;

std::optional<fOkuriParam2::Kind> fOkuriParam2::KindOf(const QString& caption) {
    for (const Kind kind : {EachPitch, SendingX, SendingY})
        if (caption == LoadMsg(kind))
            return kind;
    return std::nullopt;
}

QStringList fOkuriParam2::KeysOf(Kind kind) {
    switch (kind) {
    case EachPitch:
        return {QStringLiteral("XYLM"), QStringLiteral("XGA"), QStringLiteral("YGA"),
                QStringLiteral("P1X"),  QStringLiteral("P1Y"), QStringLiteral("ZLM")};
    case SendingX:
        return {QStringLiteral("X_P1"), QStringLiteral("X_T1"), QStringLiteral("X_P2"),
                QStringLiteral("X_T2")};
    case SendingY:
        return {QStringLiteral("Y_P1"), QStringLiteral("Y_T1"), QStringLiteral("Y_P2"),
                QStringLiteral("Y_T2")};
    }
    return {};
}

QString fOkuriParam2::RowLabel(int row) const {
    return kind_ == EachPitch ? COkuris::LongEntryText(row - 1) : COkuris::PitchRowText(row - 1);
}

void fOkuriParam2::Fomrat_fg(Grid& grid, bool comparison) {
    hlpkit::Guarded(Method(), QStringLiteral("Fomrat_fg"), false, [&] {
        const int cols = int(keys_.size()) + (comparison ? 2 : 1);
        grid.SetRedraw(false);
        grid.SetCols(cols);
        grid.SetRows(rows_ + 1);
        grid.SetFixedRows(1);
        // Nothing of the comparison grid can be edited.
        grid.SetFixedCols(comparison ? cols : 1);
        grid.SetGridFont(QStringLiteral("Tahoma"), 9);
        grid.SetRowHeight(0, kHeaderRowHeight);
        grid.SetHighlightCurrentCell(false);
        grid.SetEditable(comparison ? platform::GridEditMode::Off : platform::GridEditMode::KeyboardMouse);
        grid.SetTextMatrix(0, 0, kind_ == EachPitch ? QStringLiteral("mm") : ResourceText(1507));
        grid.SetColWidth(0, kind_ == EachPitch ? 600 : 1000);
        for (int col = 1; col <= keys_.size(); ++col) {
            grid.SetTextMatrix(0, col, keys_.at(col - 1));
            grid.SetColWidth(col, kValueWidth);
            grid.SetColAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (comparison) {
            grid.SetColWidth(MarkColumn(), kMarkWidth);
            grid.SetCellForeColor({1, MarkColumn(), rows_, MarkColumn()}, kMarkColor);
            grid.SetCellAlignment({1, MarkColumn(), rows_, MarkColumn()}, Qt::AlignCenter);
            grid.SetCellBackColor({1, 1, rows_, int(keys_.size())}, kComparisonShade);
        }
        grid.SetCellBackColor({0, 0, 0, cols - 1}, kHeaderShade);
        grid.SetCellAlignment({0, 0, 0, cols - 1}, Qt::AlignCenter);
        for (int row = 1; row <= rows_; ++row)
            grid.SetTextMatrix(row, 0, RowLabel(row));
        // Each grid asks for the room of all its columns, so that the two stand side by side
        // without a horizontal scroll bar while the window is wide enough.
        int width = 0;
        for (int col = 0; col < cols; ++col)
            width += grid.ColWidth(col);
        grid.setMinimumWidth(width / Grid::TwipsPerPixel +
                             grid.View()->verticalScrollBar()->sizeHint().width() + 6);
        grid.SetRedraw(true);
        return true;
    });
    if (!grid.Redraw())
        grid.SetRedraw(true);
}

QString fOkuriParam2::ColumnKey(int col) const {
    return col >= 1 && col <= keys_.size() ? keys_.at(col - 1) : QString();
}

NumberRange fOkuriParam2::RangeOf(int, int col) const {
    const std::optional<NumberRange> range = FeedRules::PitchWindowRange(ColumnKey(col));
    return range ? *range : NumberRange{};
}

QString fOkuriParam2::ComparisonText(int row, int col) const {
    return ComparisonShown() ? fgCmp_->TextMatrix(row, col) : QString();
}

void fOkuriParam2::SetComparisonText(int row, int col, const QString& text) {
    fgCmp_->SetTextMatrix(row, col, text);
}

void fOkuriParam2::ShowComparison(bool) {
    // Without a comparison the grid keeps its labels and shows no value and no mark.
}

void fOkuriParam2::ShowRow(int row, bool shown) {
    fgUsr_->SetRowHidden(row, !shown);
    fgCmp_->SetRowHidden(row, !shown);
}

void fOkuriParam2::RowValuesChanged(int row) {
    fgCmp_->SetTextMatrix(row, MarkColumn(), RowDiffers(row) ? ResourceText(1458) : QString());
}

void fOkuriParam2::ShadeRow(int row, bool shaded) {
    const QColor user = shaded ? kCurrentRowShade : QColor();
    fgUsr_->SetCellBackColor({row, 0, row, int(keys_.size())}, user);
    fgCmp_->SetCellBackColor({row, 0, row, 0}, user);
    fgCmp_->SetCellBackColor({row, 1, row, int(keys_.size())}, shaded ? kCurrentRowShade : kComparisonShade);
    fgCmp_->SetCellBackColor({row, MarkColumn(), row, MarkColumn()}, user);
}

} // namespace vokg
