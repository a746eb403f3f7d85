#include "editors/fParam.h"

#include "editors/EditorServices.h"
#include "editors/EditorShades.h"
#include "editors/FlowLayout.h"
#include "editors/rules/ParamRules.h"
#include "hlpkit/CToolTip.h"
#include "hlpkit/RunError.h"
#include "model/AccessModes.h"
#include "model/CModes.h"
#include "platform/gui/Grid.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/gui/PictureSet.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace vokg {

using platform::Answer;
using platform::BoxKind;
using platform::Grid;
using platform::GridRange;

namespace {

const QColor kHeaderShade(224, 224, 224);

constexpr int kHeaderRowHeight = 500;
// Column widths in twips; the explanation gives up room first when the window is narrow.
constexpr int kColumnWidths[] = {1400, 1100, 3600, 800, 800, 800, 1300, 1300, 700, 600};
constexpr int kNarrowestAdvice = 600;
constexpr int kReadableAdvice = 1200;
constexpr int kDataRowHeight = 260;
constexpr int kLineWidthPixels = 1;

} // namespace

fParam::fParam(CModes& modes, EditorServices& services, Messenger& messenger, hlpkit::CMethod& method,
               QString modeName, QWidget* parent)
    : InputWindow(services, messenger, parent), modes_(modes), method_(method),
      modeName_(std::move(modeName)) {
    setWindowTitle(modeName_ + QStringLiteral("[*]"));
    if (const std::optional<Picture> icon = LoadPictureById(PictureId::ParameterWindowIcon))
        setWindowIcon(ToIcon(*icon));
    BuildControls();
    InstallGridEvents();
    Form_Load();
}

fParam::~fParam() = default;

QString fParam::AllModesName() {
    return ParamRules::AllModesName();
}

void fParam::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    fg_ = new Grid(this);
    fg_->setObjectName(QStringLiteral("fg"));
    layout->addWidget(fg_, 1);

    picCMD_ = new QWidget(this);
    picCMD_->setObjectName(QStringLiteral("picCMD"));
    auto* strip = new FlowLayout(picCMD_);
    const auto addButton = [&](int index, int resource) {
        buttons_[index] = MakeCommandButton(picCMD_, index, resource);
        strip->addWidget(buttons_[index]);
    };
    addButton(1, 1074);
    addButton(2, 1075);
    addButton(3, 1076);
    addButton(4, 1510);
    btnFind_ = new QPushButton(ResourceText(1347), picCMD_);
    btnFind_->setObjectName(QStringLiteral("btnFind"));
    connect(btnFind_, &QPushButton::clicked, this, [this] { FindOp(); });
    strip->addWidget(btnFind_);

    frameDisp_ = MakeShowOptions(picCMD_, opDisp_, [this](int index) { SetFilter(index); });
    strip->addWidget(frameDisp_);

    frameLines_ = new QGroupBox(ResourceText(1503), picCMD_);
    auto* lines = new QHBoxLayout(frameLines_);
    lblLines_ = new QLabel(frameLines_);
    lblLines_->setObjectName(QStringLiteral("lblLines"));
    lines->addWidget(lblLines_);
    strip->addWidget(frameLines_);
    strip->addStretch();
    addButton(9, 1077);
    layout->addWidget(picCMD_);

    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] { FindOp(); });
}

QPushButton* fParam::BTN(int index) const {
    return index >= 0 && index < 10 ? buttons_[index] : nullptr;
}

QRadioButton* fParam::opDisp(int index) const {
    return index >= 0 && index < 3 ? opDisp_[index] : nullptr;
}

void fParam::Form_Load() {
    hlpkit::Guarded(method_, QStringLiteral("Form_Load"), false, [&] {
        allModes_ = modeName_ == AllModesName();
        if (allModes_) {
            bool withSpecial = false;
            bool hasSpecial = false;
            for (const CMode& mode : modes_)
                hasSpecial = hasSpecial || IsSpecialMode(mode.ModeName());
            if (hasSpecial && Services().Settings().Get(Setting::DoesOpenSpecialModeWhelAll)) {
                withSpecial = Services().ExactPassWord(0);
                if (!withSpecial)
                    Messages().ShowMsg(msg::SpecialPasswordMissed, BoxKind::Exclamation);
            }
            rows_ = ParamRows::ForAllModes(modes_, withSpecial);
        } else {
            rows_ = ParamRows::ForMode(modes_, modeName_);
        }
        for (CMode& mode : modes_) {
            for (CDigital& digital : mode.Digits()) {
                if (digital.InputType() != QLatin1String("NUM"))
                    continue;
                if (!digital.MinString().isEmpty())
                    boundFollowers_.insert(digital.MinString(), {&digital, false});
                if (!digital.MaxString().isEmpty())
                    boundFollowers_.insert(digital.MaxString(), {&digital, true});
            }
        }
        comparisonShown_ = Services().HasComparison();
        Format_fg();
        ToolTipSet();
        ShowComparisonState();
        if (rows_.Count() > 0) {
            fg_->Select(1, ColUser);
            // The fill may have left the cursor on row 1 already; colour it over the column shades.
            ForgetHighlightedRow();
            fg_RowColChange();
        }
        lblLines_->setText(QString::number(VisibleLines()));
        return true;
    });
}

void fParam::Format_fg() {
    hlpkit::Guarded(method_, QStringLiteral("Format_fg"), false, [&] {
        const int count = int(rows_.Count());
        fg_->SetRedraw(false);
        fg_->SetCols(ColumnCount);
        fg_->SetRows(count + 1);
        fg_->SetFixedRows(1);
        fg_->SetFixedCols(ColUser);
        fg_->SetGridFont(QStringLiteral("Tahoma"), 9);
        fg_->SetRowHeight(0, kHeaderRowHeight);
        fg_->SetDefaultRowHeight(kDataRowHeight);
        fg_->SetHighlightCurrentCell(false);

        const QString headers[ColumnCount] = {
            ResourceText(1451),    ResourceText(1452),    ResourceText(1453), ResourceText(1454),
            QStringLiteral("MIN"), QStringLiteral("MAX"), ResourceText(1455), ResourceText(1456),
            ResourceText(1457),    ResourceText(1458)};
        for (int col = 0; col < ColumnCount; ++col) {
            fg_->SetTextMatrix(0, col, headers[col]);
            fg_->SetColWidth(col, kColumnWidths[col]);
        }
        fg_->SetCellBackColor({0, 0, 0, ColumnCount - 1}, kHeaderShade);
        fg_->SetCellAlignment({0, 0, 0, ColumnCount - 1}, Qt::AlignCenter);
        for (int row = 1; row <= count; ++row)
            FillRow(row);
        if (count > 0) {
            fg_->SetCellBackColor({1, ColComparison, count, ColComparison}, shades::kComparison);
            fg_->SetCellBackColor({1, ColUser, count, ColUser}, shades::kUser);
            fg_->SetCellBackColor({1, ColDetail, count, ColDif}, shades::Explaining());
            fg_->SetCellForeColor({1, ColDif, count, ColDif}, shades::kMark);
            // Centred values leave the top-left corner of the value cell to the edit mark.
            fg_->SetCellAlignment({1, ColComparison, count, ColDif}, Qt::AlignCenter);
            fg_->SetCellEditable({1, ColDetail, count, ColDif}, false);
        }
        DrawModeLines();
        FitColumns();
        fg_->SetEditable(platform::GridEditMode::KeyboardMouse);
        fg_->SetRedraw(true);
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
    EnableButtons();
}

void fParam::FitColumns() {
    if (fg_->Cols() != ColumnCount)
        return;
    // Side by side on a small screen a window is narrow: the explanation column gives up room
    // so that the last column (the comparison mark, or the detail) stays in view, or at least
    // the value column.
    const int available = fg_->View()->viewport()->width() * Grid::TwipsPerPixel;
    const auto othersThrough = [](int last) {
        int width = 0;
        for (int col = 0; col <= last; ++col)
            width += col == ColAdvice ? 0 : kColumnWidths[col];
        return width;
    };
    const int last = fg_->ColHidden(ColDif) ? ColDetail : ColDif;
    int advice = available - othersThrough(last);
    if (advice < kReadableAdvice)
        advice = std::max(available - othersThrough(ColUser), kNarrowestAdvice);
    advice = std::min(advice, kColumnWidths[ColAdvice]);
    if (fg_->ColWidth(ColAdvice) != advice)
        fg_->SetColWidth(ColAdvice, advice);
}

void fParam::resizeEvent(QResizeEvent* event) {
    InputWindow::resizeEvent(event);
    hlpkit::Guarded(method_, QStringLiteral("Form_Resize"), false, [&] {
        FitColumns();
        return true;
    });
}

void fParam::FillRow(int row) {
    const ParamRow& data = rows_.At(row - 1);
    const CDigital& digital = *data.digital;
    fg_->SetTextMatrix(row, ColMode, data.mode->ModeName());
    fg_->SetTextMatrix(row, ColDigital, digital.digital());
    fg_->SetTextMatrix(row, ColAdvice, digital.Advice());
    fg_->SetTextMatrix(row, ColUnit, digital.Unit());
    fg_->SetTextMatrix(row, ColMin, digital.Min());
    fg_->SetTextMatrix(row, ColMax, digital.Max());
    fg_->SetTextMatrix(row, ColComparison, ComparisonText(data));
    fg_->SetTextMatrix(row, ColUser, ParamRules::DisplayValue(digital, digital.UserValue()));
    // The detail column is the hover area of the detail tip; "?" tells there is something to read.
    fg_->SetTextMatrix(row, ColDetail, digital.DetailAdvice().isEmpty() ? QString() : QStringLiteral("?"));
    UpdateDifMark(row);
}

QString fParam::ComparisonText(const ParamRow& row) const {
    if (!comparisonShown_)
        return QStringLiteral("-");
    return ParamRules::DisplayValue(*row.digital, row.digital->CmpValue());
}

void fParam::UpdateDifMark(int row) {
    const bool differs =
        comparisonShown_ && fg_->TextMatrix(row, ColComparison) != fg_->TextMatrix(row, ColUser);
    fg_->SetTextMatrix(row, ColDif, differs ? QStringLiteral("DIF") : QString());
}

void fParam::ShowComparisonState() {
    fg_->SetColHidden(ColDif, !comparisonShown_);
    FitColumns();
    if (!comparisonShown_ && filter_ == ShowDifferent)
        SetFilter(ShowAll);
    EnableButtons();
}

void fParam::EnableButtons() {
    const bool hasRows = rows_.Count() > 0;
    // A machine data file is only ever read.
    buttons_[1]->setEnabled(Services().UserFileIsDsg());
    buttons_[2]->setEnabled(hasRows && Services().CanPrint());
    buttons_[3]->setEnabled(hasRows && comparisonShown_);
    buttons_[4]->setEnabled(hasRows);
    opDisp_[ShowDifferent]->setEnabled(comparisonShown_);
}

void fParam::DrawModeLines() {
    fg_->ClearBorders();
    if (!allModes_)
        return;
    int lastVisible = 0;
    for (int row = 1; row <= rows_.Count(); ++row) {
        if (!fg_->RowHidden(row))
            lastVisible = row;
        const ParamRow& data = rows_.At(row - 1);
        if (data.lastOfMode && lastVisible > 0) {
            fg_->SetRowBottomBorder(lastVisible, kLineWidthPixels);
            lastVisible = 0;
        }
    }
}

void fParam::ApplyRowColors(int row, bool highlighted) {
    if (row < 1 || row > rows_.Count())
        return;
    if (highlighted) {
        fg_->SetCellBackColor({row, 0, row, ColumnCount - 1}, shades::kCurrentRow);
        return;
    }
    fg_->SetCellBackColor({row, 0, row, ColUnit + 2}, QColor());
    fg_->SetCellBackColor(GridRange::Cell(row, ColComparison), shades::kComparison);
    fg_->SetCellBackColor(GridRange::Cell(row, ColUser), shades::kUser);
    fg_->SetCellBackColor({row, ColDetail, row, ColDif}, shades::Explaining());
}

void fParam::ToolTipSet() {
    toolTip_ = std::make_unique<hlpkit::CToolTip>();
    toolTip_->Create(fg_->View()->viewport());
    toolTip_->BackColor(QColor(0, 0, 255));
    toolTip_->ForeColor(QColor(255, 255, 255));
    toolTip_->InitialTime(0);
    toolTip_->MaxWidth(320);
    toolTip_->SetMargin(2, 3, 2, 3);
    toolTip_->AutoPopTime(50000);
}

// --- grid events -------------------------------------------------------------------------

void fParam::fg_BeforeEdit(int row, int col, bool& cancel) {
    hlpkit::Guarded(method_, QStringLiteral("fg_BeforeEdit"), false, [&] {
        if (row < 1 || row > rows_.Count() || col != ColUser) {
            cancel = true;
            return true;
        }
        const ParamRow& data = rows_.At(row - 1);
        if (data.onOff) {
            cancel = true;
            return true;
        }
        fg_->SetComboList(ParamRules::ComboList(*data.digital));
        editStartText_ = fg_->TextMatrix(row, ColUser);
        return true;
    });
}

void fParam::fg_ValidateEdit(int row, int col, QString& text, bool& cancel) {
    ValidateCellEdit(method_, QStringLiteral("fg_ValidateEdit"), row, col, text, cancel,
                     [&] { return RuleOfCell(row, col, text); });
}

std::optional<EntryVerdict> fParam::RuleOfCell(int row, int col, const QString& text) const {
    if (row < 1 || row > rows_.Count() || col != ColUser)
        return std::nullopt;
    return ParamRules::ValidateEntry(*rows_.At(row - 1).digital, text, fg_->TextMatrix(row, ColMin),
                                     fg_->TextMatrix(row, ColMax));
}

void fParam::fg_AfterEdit(int row, int col) {
    hlpkit::Guarded(method_, QStringLiteral("fg_AfterEdit"), false, [&] {
        if (row >= 1 && row <= rows_.Count() && col == ColUser)
            AfterValueChanged(row, editStartText_);
        return true;
    });
}

void fParam::fg_RowColChange() {
    hlpkit::Guarded(method_, QStringLiteral("fg_RowColChange"), false, [&] {
        FollowCurrentRow();
        const int row = fg_->Row();
        const bool onOff = row >= 1 && row <= rows_.Count() && rows_.At(row - 1).onOff;
        fg_->SetEditable(onOff ? platform::GridEditMode::Off : platform::GridEditMode::KeyboardMouse);
        return true;
    });
}

void fParam::fg_KeyDown(int key, bool& handled) {
    if (key == Qt::Key_Space && ToggleOnOff(fg_->Row()))
        handled = true;
}

void fParam::fg_MouseMove(int x, int y) {
    hlpkit::Guarded(method_, QStringLiteral("fg_MouseMove"), false, [&] {
        const std::optional<int> hit = HitLimit(x, y);
        if (hit == tipRow_ || !toolTip_)
            return true;
        if (tipRow_)
            toolTip_->Remove(*tipRow_);
        tipRow_.reset();
        if (!hit)
            return true;
        const QString text = rows_.At(*hit - 1).digital->DetailAdvice();
        const std::optional<QRect> cell = fg_->CellRect(*hit, ColDetail);
        if (text.isEmpty() || !cell)
            return true;
        QWidget* area = fg_->View()->viewport();
        const QRect rect(area->mapFrom(fg_, cell->topLeft()), cell->size());
        toolTip_->Add(*hit, text, rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        tipRow_ = hit;
        return true;
    });
}

std::optional<int> fParam::HitLimit(int x, int y) const {
    const std::optional<platform::GridCellPosition> cell = fg_->CellAt(QPoint(x, y));
    if (!cell || cell->col != ColDetail || cell->row < 1 || cell->row > rows_.Count())
        return std::nullopt;
    return cell->row;
}

void fParam::fg_DrawCell(QPainter& painter, int row, int col, const QRect& rect, bool&) {
    if (col != ColUser || row < 1 || row > rows_.Count())
        return;
    const bool edited = hlpkit::Guarded(method_, QStringLiteral("ShowAsteriskParam"), false,
                                        [&] { return IsRowEdited(row); });
    if (!edited)
        return;
    painter.save();
    painter.setPen(shades::kMark);
    painter.drawText(rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("*"));
    painter.restore();
}

// --- edits and their propagation ------------------------------------------------------------

bool fParam::IsRowEdited(int row) const {
    if (row < 1 || row > rows_.Count())
        return false;
    return ParamRows::IsEdited(rows_.At(row - 1), fg_->TextMatrix(row, ColUser));
}

std::optional<int> fParam::RowOf(const CDigital& digital) const {
    const std::optional<qsizetype> index = rows_.IndexOf(&digital);
    if (!index)
        return std::nullopt;
    return int(*index) + 1;
}

bool fParam::ToggleOnOff(int row) {
    return hlpkit::Guarded(method_, QStringLiteral("fg_KeyDown"), false, [&] {
        if (row < 1 || row > rows_.Count() || !rows_.At(row - 1).onOff)
            return false;
        UserAction action(*this, QString());
        const QString before = fg_->TextMatrix(row, ColUser);
        const QString after = ParamRules::Toggled(before);
        fg_->SetTextMatrix(row, ColUser, after);
        ShowDb5Menu(rows_.At(row - 1), after);
        AfterValueChanged(row, before);
        action.SetText(StepText(row, ColUser));
        return true;
    });
}

void fParam::ShowDb5Menu(const ParamRow& row, const QString& text) {
    if (row.specialMode && row.digital->digital() == QLatin1String("DB5"))
        Services().SetManufacturerMenuVisible(text == QLatin1String("ON"));
}

void fParam::AfterValueChanged(int row, const QString& before) {
    const QString text = fg_->TextMatrix(row, ColUser);
    UpdateDifMark(row);
    const CDigital& digital = *rows_.At(row - 1).digital;
    for (fParam* other : OtherParamWindows())
        other->UpdateSameDigital(digital, text);
    UpdateDigitalHavingAsMinMax(digital, text);
    if (text != before)
        MarkRowEdited(row);
    FollowMarks();
    fg_->Refresh();
}

QList<fParam*> fParam::OtherParamWindows() const {
    return OtherWindows<fParam>();
}

void fParam::UpdateSameDigital(const CDigital& digital, const QString& text) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameDigital"), false, [&] {
        const std::optional<int> row = RowOf(digital);
        if (!row || fg_->TextMatrix(*row, ColUser) == text)
            return true;
        fg_->SetTextMatrix(*row, ColUser, text);
        UpdateDifMark(*row);
        // This window now holds the edit too; closing it must not drop it unasked.
        MarkRowEdited(*row);
        FollowMarks();
        if (fg_->RowHidden(*row) == false)
            fg_->Refresh();
        return true;
    });
}

void fParam::UpdateDigitalHavingAsMinMax(const CDigital& edited, const QString& text) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateDigitalHavingAsMinMax"), false, [&] {
        const QString& name = edited.digital();
        if (!boundFollowers_.contains(name))
            return true;
        // A bound names the first digital of that name, as the model resolves it.
        if (ParamRules::FirstDigitalNamed(modes_, name) != &edited)
            return true;
        const std::optional<qint32> value = ParamRules::BoundValue(edited, text);
        if (!value)
            return true;
        const QString bound = QString::number(*value);
        QList<fParam*> windows = OtherParamWindows();
        windows.prepend(this);
        for (auto it = boundFollowers_.constFind(name); it != boundFollowers_.cend() && it.key() == name;
             ++it) {
            if (it->upper)
                it->digital->SetMax(bound);
            else
                it->digital->SetMin(bound);
            for (fParam* window : windows)
                window->UpdateBound(*it->digital, it->upper, bound);
        }
        return true;
    });
}

void fParam::UpdateBound(const CDigital& digital, bool upper, const QString& text) {
    if (const std::optional<int> row = RowOf(digital))
        fg_->SetTextMatrix(*row, upper ? ColMax : ColMin, text);
}

// --- the window's calls -----------------------------------------------------------------------

void fParam::DropEdits() {
    hlpkit::Guarded(method_, QStringLiteral("ControlChange"), false, [&] {
        fg_->SetRedraw(false);
        for (int row = 1; row <= rows_.Count(); ++row) {
            const CDigital& digital = *rows_.At(row - 1).digital;
            fg_->SetTextMatrix(row, ColUser, ParamRules::DisplayValue(digital, digital.UserValue()));
            UpdateDifMark(row);
        }
        fg_->SetRedraw(true);
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
    if (filter_ != ShowAll)
        SetFilter(filter_);
}

void fParam::AfterEditsDropped() {
    hlpkit::Guarded(method_, QStringLiteral("ControlChange"), false, [&] {
        // An edit set the bounds that name its digital at once, in the model and in every
        // window. With the edit gone they follow the stored values again, and then the values
        // other windows still hold unsaved.
        modes_.UpdateMaxMin();
        const QList<fParam*> others = OtherParamWindows();
        ShowModelBounds();
        for (fParam* other : others)
            other->ShowModelBounds();
        for (fParam* other : others) {
            if (other->IsChanged())
                other->ReapplyEditedBounds();
        }
        // The manufacturer item follows the DB5 value this window shows again.
        for (int row = 1; row <= rows_.Count(); ++row)
            ShowDb5Menu(rows_.At(row - 1), fg_->TextMatrix(row, ColUser));
        return true;
    });
}

void fParam::ShowModelBounds() {
    for (int row = 1; row <= rows_.Count(); ++row) {
        const CDigital& digital = *rows_.At(row - 1).digital;
        fg_->SetTextMatrix(row, ColMin, digital.Min());
        fg_->SetTextMatrix(row, ColMax, digital.Max());
    }
}

void fParam::ReapplyEditedBounds() {
    for (const int row : EditedRows()) {
        if (row >= 1 && row <= rows_.Count())
            UpdateDigitalHavingAsMinMax(*rows_.At(row - 1).digital, fg_->TextMatrix(row, ColUser));
    }
}

void fParam::FollowBoundsOfAllWindows() {
    modes_.UpdateMaxMin();
    QList<fParam*> windows = OtherParamWindows();
    windows.prepend(this);
    for (fParam* window : windows)
        window->ShowModelBounds();
    for (fParam* window : windows)
        window->ReapplyEditedBounds();
}

QList<platform::GridCellPosition> fParam::EditableCells() const {
    QList<platform::GridCellPosition> cells;
    cells.reserve(rows_.Count());
    for (int row = 1; row <= rows_.Count(); ++row)
        cells.append({row, ColUser});
    return cells;
}

void fParam::AfterCellsRestored(const QList<platform::GridCellPosition>& cells) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameDigital"), false, [&] {
        const QList<fParam*> others = OtherParamWindows();
        for (const platform::GridCellPosition& cell : cells) {
            const ParamRow& data = rows_.At(cell.row - 1);
            const QString text = fg_->TextMatrix(cell.row, ColUser);
            UpdateDifMark(cell.row);
            MarkRowEdited(cell.row);
            ShowDb5Menu(data, text);
            // A window opened after the step shows the digital too.
            for (fParam* other : others)
                other->UpdateSameDigital(*data.digital, text);
        }
        // A restored value may be one a bound names: the bounds are set again from the stored
        // values and every value the windows hold unsaved, the restored ones included.
        FollowBoundsOfAllWindows();
        if (filter_ != ShowAll) {
            ApplyFilterRows();
            lblLines_->setText(QString::number(VisibleLines()));
        }
        return true;
    });
}

QString fParam::StepText(int row, int col) const {
    return QStringLiteral("Change %1/%2 to %3")
        .arg(fg_->TextMatrix(row, ColMode), fg_->TextMatrix(row, ColDigital), fg_->TextMatrix(row, col));
}

void fParam::TakeOverFrom(InputWindow& other) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameDigital"), false, [&] {
        const auto* source = qobject_cast<fParam*>(&other);
        if (source == nullptr)
            return true;
        for (const int row : source->EditedRows()) {
            if (row >= 1 && row <= source->rows_.Count())
                UpdateSameDigital(*source->rows_.At(row - 1).digital, source->fg_->TextMatrix(row, ColUser));
        }
        return true;
    });
}

bool fParam::EditDiffersFromModel(int row, int) const {
    return row >= 1 && row <= rows_.Count() &&
           ParamRows::DiffersFromModel(rows_.At(row - 1), fg_->TextMatrix(row, ColUser));
}

bool fParam::Update_Variable() {
    return hlpkit::Guarded(method_, QStringLiteral("Update_Variable"), false, [&] {
        // A value still being typed belongs to the grid too; a refused one has told the user why.
        bool allTaken = CommitPendingEdit();
        // Only the rows edited here: a row this window merely shows may be stale, and writing
        // it would undo an edit another window pushed before.
        for (const int row : EditedRows()) {
            if (row < 1 || row > rows_.Count())
                continue;
            const ParamRow& data = rows_.At(row - 1);
            const QString text = fg_->TextMatrix(row, ColUser);
            // An unedited cell already is the model's value. A value no choice names shows "?";
            // writing that text back would fail and the file's value would be reported lost.
            if (!ParamRows::DiffersFromModel(data, text))
                continue;
            if (!data.digital->UpdateUserValue(text))
                allTaken = false;
        }
        fg_->Refresh();
        return allTaken;
    });
}

void fParam::PasteHikakuValue() {
    hlpkit::Guarded(method_, QStringLiteral("PasteHikakuValue"), false, [&] {
        comparisonShown_ = Services().HasComparison();
        fg_->SetRedraw(false);
        for (int row = 1; row <= rows_.Count(); ++row) {
            fg_->SetTextMatrix(row, ColComparison, ComparisonText(rows_.At(row - 1)));
            UpdateDifMark(row);
        }
        fg_->SetRedraw(true);
        ShowComparisonState();
        if (filter_ == ShowDifferent)
            SetFilter(ShowDifferent);
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
}

void fParam::BTN_Click(int index) {
    switch (index) {
    case 1:
        if (buttons_[1]->isEnabled())
            SaveAllWindows();
        break;
    case 2:
        if (buttons_[2]->isEnabled())
            PrintCommand();
        break;
    case 3:
        if (buttons_[3]->isEnabled())
            ResetFace();
        break;
    case 4:
        CheckRange();
        break;
    case 9:
        CloseWindow();
        break;
    default:
        break;
    }
}

void fParam::PrintCommand() {
    hlpkit::Guarded(method_, QStringLiteral("BTN_Click"), false, [&] {
        PrintWithEdits([this] {
            ParamPrintRequest request;
            request.printKind = 0;
            request.modeName = modeName_;
            request.onlyDif = filter_ == ShowDifferent;
            for (const ParamRow& row : rows_.Rows()) {
                request.printTokushu = request.printTokushu || row.specialMode;
                request.printManufacturer = request.printManufacturer || row.manufacturerMode;
            }
            Services().PrintParameters(request);
        });
        return true;
    });
}

void fParam::ResetFace() {
    hlpkit::Guarded(method_, QStringLiteral("ResetFace"), false, [&] {
        if (!comparisonShown_ || Messages().ShowMsg(msg::ResetAllQuestion, BoxKind::Question) != Answer::Yes)
            return false;
        UserAction action(*this, ResourceText(1076));
        QList<int> changedRows;
        fg_->SetRedraw(false);
        for (int row = 1; row <= rows_.Count(); ++row) {
            const QString comparison = fg_->TextMatrix(row, ColComparison);
            if (fg_->TextMatrix(row, ColUser) == comparison)
                continue;
            fg_->SetTextMatrix(row, ColUser, comparison);
            UpdateDifMark(row);
            MarkRowEdited(row);
            changedRows.append(row);
        }
        const QList<fParam*> others = OtherParamWindows();
        for (int row : changedRows) {
            const CDigital& digital = *rows_.At(row - 1).digital;
            const QString text = fg_->TextMatrix(row, ColUser);
            for (fParam* other : others)
                other->UpdateSameDigital(digital, text);
            UpdateDigitalHavingAsMinMax(digital, text);
        }
        fg_->SetRedraw(true);
        FollowMarks();
        if (filter_ != ShowAll)
            SetFilter(filter_);
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
}

bool fParam::SelectRow(int row) {
    fg_->SetTopRow(row);
    fg_->Select(row, ColUser);
    return true;
}

bool fParam::CheckRange() {
    return hlpkit::Guarded(method_, QStringLiteral("CheckRange"), false, [&] {
        bool found = false;
        for (int row = 1; row <= rows_.Count(); ++row) {
            const QString min = fg_->TextMatrix(row, ColMin);
            const QString max = fg_->TextMatrix(row, ColMax);
            const QString value = fg_->TextMatrix(row, ColUser);
            if (ParamRules::InRange(*rows_.At(row - 1).digital, value, min, max))
                continue;
            found = true;
            // A value out of range must be seen, also when the row filter hides its row.
            if (fg_->RowHidden(row))
                SetFilter(ShowAll);
            SelectRow(row);
            if (Messages().ShowMsg(msg::OutOfRangeContinue, BoxKind::Question,
                                   fg_->TextMatrix(row, ColDigital), min, max, value) != Answer::Yes)
                return false;
        }
        if (!found)
            Messages().ShowMsg(msg::CheckDone, BoxKind::Information);
        return true;
    });
}

void fParam::FindOp() {
    hlpkit::Guarded(method_, QStringLiteral("FindOp"), false, [&] {
        const std::optional<QString> answer = Messages().Prompter().Input(
            ResourceText(1347), ResourceText(1348), Services().Settings().Get(Setting::WordToFind), false);
        if (!answer)
            return false;
        const QString word = answer->trimmed().toUpper();
        Services().Settings().Set(Setting::WordToFind, word);
        for (;;) {
            int hits = 0;
            for (int row = 1; row <= rows_.Count(); ++row) {
                if (!fg_->TextMatrix(row, ColDigital).contains(word, Qt::CaseInsensitive))
                    continue;
                ++hits;
                // A hit must be seen, also when the row filter hides its row.
                if (fg_->RowHidden(row))
                    SetFilter(ShowAll);
                SelectRow(row);
                if (Messages().ShowMsg(msg::FoundDigital, BoxKind::Question,
                                       fg_->TextMatrix(row, ColDigital)) != Answer::Yes)
                    return true;
            }
            if (hits == 0) {
                Messages().ShowMsg(msg::NotFound, BoxKind::Information);
                return true;
            }
            if (Messages().ShowMsg(msg::FindAgainQuestion, BoxKind::Question) != Answer::Yes)
                return true;
        }
    });
}

void fParam::SetFilter(int filter) {
    hlpkit::Guarded(method_, QStringLiteral("opDisp_Click"), false, [&] {
        if (filter < ShowAll || filter > ShowEdited || (filter == ShowDifferent && !comparisonShown_))
            filter = ShowAll;
        filter_ = filter;
        opDisp_[filter]->setChecked(true);
        ApplyFilterRows();
        // The cursor goes back to the top, on the value column, where Space and typing act.
        for (int row = 1; row <= rows_.Count(); ++row) {
            if (!fg_->RowHidden(row)) {
                SelectRow(row);
                break;
            }
        }
        lblLines_->setText(QString::number(VisibleLines()));
        return true;
    });
    if (!fg_->Redraw())
        fg_->SetRedraw(true);
}

void fParam::ApplyFilterRows() {
    fg_->SetRedraw(false);
    for (int row = 1; row <= rows_.Count(); ++row) {
        bool visible = true;
        if (filter_ == ShowDifferent)
            visible = fg_->TextMatrix(row, ColDif) == QLatin1String("DIF");
        else if (filter_ == ShowEdited)
            visible = IsRowEdited(row);
        fg_->SetRowHidden(row, !visible);
    }
    DrawModeLines();
    fg_->SetRedraw(true);
}

int fParam::VisibleLines() const {
    int lines = 0;
    for (int row = 1; row <= rows_.Count(); ++row) {
        if (!fg_->RowHidden(row))
            ++lines;
    }
    return lines;
}

void fParam::WindowUnloading() {
    const bool hasDb5 = std::any_of(rows_.Rows().begin(), rows_.Rows().end(), [](const ParamRow& row) {
        return row.specialMode && row.digital->digital() == QLatin1String("DB5");
    });
    if (hasDb5)
        Services().SetManufacturerMenuVisible(false);
    toolTip_.reset();
    tipRow_.reset();
}

} // namespace vokg
