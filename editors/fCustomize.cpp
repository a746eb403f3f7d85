#include "editors/fCustomize.h"

#include "editors/EditorServices.h"
#include "editors/EditorShades.h"
#include "editors/FlowLayout.h"
#include "editors/rules/CustomizeRules.h"
#include "hlpkit/RunError.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "platform/gui/Grid.h"
#include "platform/gui/GridComboList.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/gui/PictureSet.h"

#include <algorithm>

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace vokg {

using platform::Answer;
using platform::BoxKind;

namespace {

const QColor kHeaderShade(0, 128, 0);
const QColor kHeaderText(255, 255, 255);
const QColor kInputLocation(255, 133, 133);
const QColor kOutputLocation(185, 185, 255);
const QColor kInputFunction(255, 0, 0);
const QColor kOutputFunction(0, 0, 255);

constexpr int kHeaderRowHeight = 500;
constexpr int kDataRowHeight = 232;
constexpr int kSeparatorPixels = 2;
// Widths in twips of columns 0 to 9; 2 and the user function column are remembered.
constexpr int kColumnWidths[] = {700, 0, 2500, 760, 1200, 1300, 1300, 1150, 1300, 500};

// Header texts by column, message ids (0: none).
constexpr int kHeaders[] = {30, 0, 31, 32, 34, 35, 39, 43, 287, 45, 44, 32, 34, 35, 39, 43, 287};

// A width the settings hold that no window could show falls back to the default one.
int RememberedWidth(ProgramSettings& settings, const NumberSetting& setting) {
    const int twips = settings.Get(setting);
    return twips > 0 && twips < 100000 ? twips : setting.byDefault;
}

} // namespace

fCustomize::fCustomize(CustomizeData data, EditorServices& services, Messenger& messenger,
                       hlpkit::CMethod& method, QString customName, QWidget* parent)
    : InputWindow(services, messenger, parent), data_(data), method_(method),
      customName_(std::move(customName)) {
    inout_ = CustomizeRules::DirectionOf(customName_);
    setWindowTitle(QString(customName_).remove(QLatin1Char('&')) + QStringLiteral("[*]"));
    if (const std::optional<Picture> icon = LoadPictureById(PictureId::CustomizeWindowIcon))
        setWindowIcon(ToIcon(*icon));
    BuildControls();
    InstallGridEvents();
    connect(this, &InputWindow::ChangedStateChanged, this, [this] { EnableButtons(); });
    Form_Load();
}

fCustomize::~fCustomize() = default;

void fCustomize::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    fg_ = new platform::Grid(this);
    fg_->setObjectName(QStringLiteral("fg"));
    layout->addWidget(fg_, 1);
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("picCMD"));
    auto* flow = new FlowLayout(strip);
    const auto addButton = [&](int index, int message, bool small) {
        auto* button = new QPushButton(LoadMsg(message), strip);
        button->setObjectName(QStringLiteral("BTN%1").arg(index));
        QFont font(QStringLiteral("Tahoma"));
        if (small)
            font.setPointSize(8);
        button->setFont(font);
        connect(button, &QPushButton::clicked, this, [this, index] { BTN_Click(index); });
        buttons_[index] = button;
        flow->addWidget(button);
    };
    addButton(1, 78, false);
    addButton(2, 79, false);
    addButton(3, 76, true);
    addButton(4, 494, true);
    chkCmp_ = new QCheckBox(LoadMsg(81), strip);
    chkCmp_->setObjectName(QStringLiteral("chkCmp"));
    connect(chkCmp_, &QCheckBox::toggled, this, [this] { ApplyColumnVisibility(); });
    flow->addWidget(chkCmp_);
    flow->addStretch();
    addButton(9, 83, false);
    layout->addWidget(strip);
}

QPushButton* fCustomize::BTN(int index) const {
    return index >= 0 && index < 10 ? buttons_[index] : nullptr;
}

void fCustomize::Form_Load() {
    hlpkit::Guarded(method_, QStringLiteral("Form_Load"), false, [&] {
        for (CCustom& row : data_.user)
            if (CCustoms::Included(customName_, row.Category()))
                rows_.append(&row);
        chkCmp_->setEnabled(false);
        Format_fg();
        WithRedrawHeld(method_, QStringLiteral("PasteValue"), [&] {
            for (int row = 1; row <= RowCount(); ++row)
                PasteValue(row);
            return true;
        });
        comparisonLoaded_ = false;
        if (Services().HasComparison())
            PasteHikakuValue();
        chkCmp_->setChecked(Services().HasComparison());
        ApplyColumnVisibility();
        EnableButtons();
        if (RowCount() > 0) {
            fg_->Select(1, ColKino);
            ForgetHighlightedRow();
            fg_RowColChange();
        }
        return true;
    });
}

void fCustomize::Format_fg() {
    WithRedrawHeld(method_, QStringLiteral("Format_fg"), [&] {
        ShapeEditGrid({RowCount(), ColumnCount, ColKino, 8, kHeaderRowHeight, kDataRowHeight});
        fg_->SetColHidden(ColCategory, true);
        for (int col = ColOnDelay; col <= ColZenpa; ++col)
            fg_->SetColHidden(col, inout_ == 0);
        for (int col = 0; col < ColumnCount; ++col)
            if (kHeaders[col] != 0)
                fg_->SetTextMatrix(0, col, LoadMsg(kHeaders[col]));
        const int comparisonWidth = RememberedWidth(Services().Settings(), Setting::wdt_Custom_StdKino);
        const int userWidth = RememberedWidth(Services().Settings(), Setting::wdt_Custom_UsrKino);
        for (int col = 0; col <= ColDif; ++col)
            if (col != ColCategory)
                fg_->SetColWidth(col, col == ColCmpKino ? comparisonWidth : kColumnWidths[col]);
        fg_->SetColWidth(ColKino, userWidth);
        for (int col = ColLogic; col <= ColZenpa; ++col)
            fg_->SetColWidth(col, kColumnWidths[col - kTwinOffset]);
        // The logic and operation cells hold 0 or 1 and show their words.
        for (const int col : {ColCmpLogic, ColLogic})
            fg_->SetColComboList(col, CustomizeRules::LogicList());
        for (const int col : {ColCmpDosa, ColDosa})
            fg_->SetColComboList(col, CustomizeRules::OperationList());
        // CreatefgSelection: the function cell opens the function tree from its button.
        fg_->SetColComboList(ColKino, QString::fromLatin1(platform::Grid::EllipsisButton));
        SetColFont();
        DrawKubunLine();
        return true;
    });
}

void fCustomize::SetColFont() {
    hlpkit::Guarded(method_, QStringLiteral("SetColFont"), false, [&] {
        const int last = ColumnCount - 1;
        fg_->SetCellBackColor({0, 0, 0, last}, kHeaderShade);
        fg_->SetCellForeColor({0, 0, 0, last}, kHeaderText);
        fg_->SetCellAlignment({0, 0, 0, last}, Qt::AlignCenter);
        for (int col = 0; col < ColumnCount; ++col)
            if (col == ColLocation || (col >= ColCmpLogic && col <= ColDif) || col >= ColLogic)
                fg_->SetColAlignment(col, Qt::AlignCenter);
        const int count = RowCount();
        if (count == 0)
            return true;
        // SetFixedColFont: the signal names stand out in the colour of their direction.
        const platform::GridRange names{1, ColLocation, count, ColLocation};
        fg_->SetCellFontName(names, QStringLiteral("Courier New"));
        fg_->SetCellFontBold(names, true);
        fg_->SetCellForeColor(names, inout_ == 0 ? kInputLocation : kOutputLocation);
        fg_->SetCellBackColor({1, ColCmpKino, count, ColCmpZenpa}, shades::kComparison);
        fg_->SetCellBackColor({1, ColDif, count, ColDif}, shades::Explaining());
        fg_->SetCellForeColor({1, ColDif, count, ColDif}, shades::kMark);
        fg_->SetCellBackColor({1, ColKino, count, ColZenpa}, shades::kUser);
        return true;
    });
}

void fCustomize::DrawKubunLine() {
    hlpkit::Guarded(method_, QStringLiteral("DrawKubunLine"), false, [&] {
        if (RowCount() == 0)
            return true;
        fg_->ClearBorders();
        // The categories of an "All inputs" or "All outputs" window stay visibly apart.
        for (int row = 1; row < RowCount(); ++row)
            if (rows_[row - 1]->Category() != rows_[row]->Category())
                fg_->SetRowBottomBorder(row, kSeparatorPixels);
        return true;
    });
}

const CCusSelections& fCustomize::Functions() const {
    return inout_ == 0 ? data_.inputs : data_.outputs;
}

void fCustomize::SetFunctionCell(int row, int col, qint32 value) {
    const CCusSelection* function = Functions().Item(QString::number(value));
    fg_->SetCellData(row, col, value);
    // The cell's text is the function's name, what a user may type into it; the window draws
    // the name with its description.
    fg_->SetTextMatrix(row, col, function != nullptr ? function->Ditigal() : QString::number(value));
}

void fCustomize::SetDutyCell(int row, int col, qint32 onTime, qint32 offTime) {
    fg_->SetCellData(row, col, CustomizeRules::DutyData(onTime, offTime));
    fg_->SetTextMatrix(row, col, CustomizeRules::DutyCodeOf(onTime, offTime));
}

void fCustomize::PasteValue(int row) {
    hlpkit::Guarded(method_, QStringLiteral("PasteValue"), false, [&] {
        const CCustom& user = *rows_[row - 1];
        fg_->SetTextMatrix(row, ColLocation, user.Location());
        fg_->SetTextMatrix(row, ColCategory, user.Category());
        SetFunctionCell(row, ColKino, user.Kino());
        fg_->SetTextMatrix(row, ColLogic, QString::number(user.Logic()));
        fg_->SetTextMatrix(row, ColDosa, QString::number(user.Dosa()));
        if (inout_ == 1) {
            fg_->SetTextMatrix(row, ColOnDelay, QString::number(user.OnDelayTime()));
            fg_->SetTextMatrix(row, ColOffDelay, QString::number(user.OffDelayTime()));
            SetDutyCell(row, ColDuty, user.ChoppingOnTime(), user.ChoppingOffTime());
            fg_->SetTextMatrix(row, ColZenpa, QString::number(user.ZenpaTime()));
        }
        return true;
    });
}

const CCustom* fCustomize::ComparisonRow(int row) const {
    return IsDataRow(row) ? data_.comparison.Item(rows_[row - 1]->Location()) : nullptr;
}

void fCustomize::PasteComparison(int row) {
    const CCustom* comparison = ComparisonRow(row);
    if (comparison == nullptr)
        return;
    fg_->SetCellData(row, ColCmpKino, comparison->Kino());
    fg_->SetTextMatrix(row, ColCmpKino,
                       CustomizeRules::ComparisonFunctionText(Functions(), comparison->Kino()));
    fg_->SetTextMatrix(row, ColCmpLogic, QString::number(comparison->Logic()));
    fg_->SetTextMatrix(row, ColCmpDosa, QString::number(comparison->Dosa()));
    fg_->SetTextMatrix(row, ColCmpOnDelay, QString::number(comparison->OnDelayTime()));
    fg_->SetTextMatrix(row, ColCmpOffDelay, QString::number(comparison->OffDelayTime()));
    SetDutyCell(row, ColCmpDuty, comparison->ChoppingOnTime(), comparison->ChoppingOffTime());
    fg_->SetTextMatrix(row, ColCmpZenpa, QString::number(comparison->ZenpaTime()));
}

void fCustomize::PasteHikakuValue() {
    WithRedrawHeld(method_, QStringLiteral("PasteHikakuValue"), [&] {
        comparisonLoaded_ = Services().HasComparison();
        for (int row = 1; row <= RowCount(); ++row) {
            if (comparisonLoaded_)
                PasteComparison(row);
            DrawDifCustomize(row);
        }
        if (comparisonLoaded_ && !chkCmp_->isEnabled())
            chkCmp_->setChecked(true);
        chkCmp_->setEnabled(comparisonLoaded_);
        if (!comparisonLoaded_)
            chkCmp_->setChecked(false);
        ApplyColumnVisibility();
        EnableButtons();
        return true;
    });
}

void fCustomize::DrawDifCustomize(int row) {
    hlpkit::Guarded(method_, QStringLiteral("DrawDifCustomize"), false, [&] {
        bool differs = false;
        if (comparisonLoaded_) {
            const int last = inout_ == 1 ? ColZenpa : ColDosa;
            for (int col = ColKino; col <= last && !differs; ++col) {
                const int twin = col - kTwinOffset;
                if (col == ColKino || col == ColDuty)
                    differs = fg_->CellData(row, col) != fg_->CellData(row, twin);
                else
                    differs = fg_->TextMatrix(row, col) != fg_->TextMatrix(row, twin);
            }
        }
        fg_->SetTextMatrix(row, ColDif, differs ? QStringLiteral("DIF") : QString());
        return true;
    });
}

void fCustomize::ApplyColumnVisibility() {
    const bool shown = chkCmp_->isChecked();
    for (const int col : {ColCmpKino, ColCmpLogic, ColCmpDosa, ColDif})
        fg_->SetColHidden(col, !shown);
    for (int col = ColCmpOnDelay; col <= ColCmpZenpa; ++col)
        fg_->SetColHidden(col, !(shown && inout_ == 1));
}

void fCustomize::EnableButtons() {
    hlpkit::Guarded(method_, QStringLiteral("ControlChange"), false, [&] {
        buttons_[1]->setEnabled(IsChanged() && Services().UserFileIsDsg());
        buttons_[2]->setEnabled(Services().CanPrint());
        buttons_[3]->setEnabled(comparisonLoaded_ && RowCount() > 0);
        buttons_[4]->setEnabled(comparisonLoaded_ && RowCount() > 0);
        return true;
    });
}

void fCustomize::ApplyRowColors(int row, bool highlighted) {
    if (!IsDataRow(row))
        return;
    if (highlighted) {
        fg_->SetCellBackColor({row, 0, row, ColumnCount - 1}, shades::kCurrentRow);
        return;
    }
    fg_->SetCellBackColor({row, ColLocation, row, ColCategory}, QColor());
    fg_->SetCellBackColor({row, ColCmpKino, row, ColCmpZenpa}, shades::kComparison);
    fg_->SetCellBackColor(platform::GridRange::Cell(row, ColDif), shades::Explaining());
    fg_->SetCellBackColor({row, ColKino, row, ColZenpa}, shades::kUser);
}

// --- grid events ------------------------------------------------------------------------------

bool fCustomize::IsUserColumn(int col) const {
    return col >= ColKino && col <= (inout_ == 1 ? ColZenpa : ColDosa);
}

void fCustomize::fg_BeforeEdit(int row, int col, bool& cancel) {
    hlpkit::Guarded(method_, QStringLiteral("fg_BeforeEdit"), false, [&] {
        if (!IsDataRow(row) || !IsUserColumn(col)) {
            cancel = true;
            return true;
        }
        if (col == ColDuty)
            fg_->SetComboList(CustomizeRules::DutyComboList(fg_->TextMatrix(row, col), GetChopOnTime(row),
                                                            GetChopOffTime(row), method_));
        return true;
    });
}

void fCustomize::fg_ValidateEdit(int row, int col, QString& text, bool& cancel) {
    const std::optional<EntryVerdict> verdict =
        hlpkit::Guarded(method_, QStringLiteral("fg_ValidateEdit"), std::optional<EntryVerdict>(),
                        [&]() -> std::optional<EntryVerdict> {
                            if (!IsDataRow(row) || !IsUserColumn(col))
                                return std::nullopt;
                            switch (col) {
                            case ColKino:
                                return CustomizeRules::CheckFunction(text, Functions());
                            case ColLogic:
                            case ColDosa:
                                return CustomizeRules::CheckLogicOrOperation(text);
                            case ColDuty:
                                return CustomizeRules::CheckDutyCode(text);
                            default:
                                return CustomizeRules::CheckTime(text);
                            }
                        });
    TakeVerdict(row, col, verdict, text, cancel);
}

void fCustomize::fg_AfterEdit(int row, int col) {
    hlpkit::Guarded(method_, QStringLiteral("fg_AfterEdit"), false, [&] {
        if (!IsDataRow(row) || !IsUserColumn(col))
            return true;
        if (col == ColKino) {
            SetFunctionCell(row, col, fg_->TextMatrix(row, col).toInt());
        } else if (col == ColDuty) {
            const QString code = fg_->TextMatrix(row, col);
            qint32 onTime = GetChopOnTime(row);
            qint32 offTime = GetChopOffTime(row);
            if (code == CustomizeRules::ManualDutyCode()) {
                const platform::ChoppingTimes times =
                    Messages().Prompter().EditChoppingDuty({GetChopOnTime(row), GetChopOffTime(row)});
                onTime = times.onTime;
                offTime = times.offTime;
            } else {
                CustomizeRules::FixedDutyTimes(code, onTime, offTime);
            }
            fg_->SetCellData(row, col, CustomizeRules::DutyData(onTime, offTime));
        }
        AfterValueChanged(row, col);
        return true;
    });
}

void fCustomize::fg_RowColChange() {
    hlpkit::Guarded(method_, QStringLiteral("fg_RowColChange"), false, [&] {
        FollowCurrentRow();
        return true;
    });
}

void fCustomize::fg_KeyDown(int key, bool& handled) {
    const int col = fg_->Col();
    if (key == Qt::Key_Space && (col == ColLogic || col == ColDosa) && IsDataRow(fg_->Row())) {
        ToggleCell(fg_->Row(), col);
        handled = true;
    }
}

void fCustomize::fg_DblClick(int row, int col, bool& handled) {
    if (!IsDataRow(row))
        return;
    if (col == ColKino) {
        handled = true;
        ChooseFunction(row);
    } else if (col == ColLogic || col == ColDosa) {
        handled = true;
        ToggleCell(row, col);
    }
}

void fCustomize::fg_CellButtonClick(int row, int col) {
    if (IsDataRow(row) && col == ColKino)
        ChooseFunction(row);
}

void fCustomize::ChooseFunction(int row) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateUserValue"), false, [&] {
        if (!CommitPendingEdit())
            return false;
        UserAction action(*this, QString());
        const int current = fg_->CellData(row, ColKino).toInt();
        // GetCustomValue: the function tree of the window's direction.
        const int chosen = Messages().Prompter().ChooseFunction({inout_, current});
        if (chosen == current)
            return true;
        SetFunctionCell(row, ColKino, chosen);
        AfterValueChanged(row, ColKino);
        action.SetText(StepText(row, ColKino));
        return true;
    });
}

void fCustomize::ToggleCell(int row, int col) {
    hlpkit::Guarded(method_, QStringLiteral("fg_KeyDown"), false, [&] {
        if (!CommitPendingEdit())
            return false;
        UserAction action(*this, QString());
        fg_->SetTextMatrix(row, col, CustomizeRules::Toggled(fg_->TextMatrix(row, col)));
        AfterValueChanged(row, col);
        action.SetText(StepText(row, col));
        return true;
    });
}

void fCustomize::fg_DrawCell(QPainter& painter, int row, int col, const QRect& rect, bool& done) {
    if (!IsDataRow(row) || !IsUserColumn(col))
        return;
    const bool edited = hlpkit::Guarded(method_, QStringLiteral("ShowAsteriskCustomize"), false,
                                        [&] { return ValueIsDifCustomze(row, col); });
    painter.save();
    if (col == ColKino) {
        // ShowKino: the name in the colour of the direction, then the description.
        const CCusSelection* function = Functions().Item(QString::number(fg_->CellData(row, col).toInt()));
        QFont bold(QStringLiteral("Tahoma"));
        bold.setPixelSize(11);
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(inout_ == 0 ? kInputFunction : kOutputFunction);
        const QString name = function != nullptr ? function->Ditigal() : fg_->TextMatrix(row, col);
        painter.drawText(rect.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
        // The description starts 37 pixels in; a longer name pushes it on rather than being
        // written over.
        const int descriptionLeft = std::max(37, 10 + painter.fontMetrics().horizontalAdvance(name) + 4);
        if (function != nullptr) {
            QFont regular(QStringLiteral("Tahoma"));
            regular.setPixelSize(10);
            painter.setFont(regular);
            const bool current = row == fg_->Row() && col == fg_->Col();
            painter.setPen(current ? Qt::white : Qt::black);
            painter.drawText(rect.adjusted(descriptionLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             function->Advice());
        }
        done = true;
    }
    if (edited) {
        painter.setFont(fg_->GridFont());
        painter.setPen(shades::kMark);
        painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("*"));
    }
    painter.restore();
}

void fCustomize::fg_AfterUserResize(int col) {
    // The function columns keep their width for the whole program and the next run.
    if (col == ColCmpKino)
        Services().Settings().Set(Setting::wdt_Custom_StdKino, fg_->ColWidth(col));
    else if (col == ColKino)
        Services().Settings().Set(Setting::wdt_Custom_UsrKino, fg_->ColWidth(col));
}

// --- edits and their propagation ----------------------------------------------------------------

qint32 fCustomize::GetChopOnTime(int row) const {
    return hlpkit::Guarded(method_, QStringLiteral("GetChopOnTime"), qint32(0), [&] {
        return CustomizeRules::ChopOnTime(fg_->CellData(row, ColDuty).toString());
    });
}

qint32 fCustomize::GetChopOffTime(int row) const {
    return hlpkit::Guarded(method_, QStringLiteral("GetChopOnTime"), qint32(0), [&] {
        return CustomizeRules::ChopOffTime(fg_->CellData(row, ColDuty).toString());
    });
}

bool fCustomize::ValueIsDifCustomze(int row, int col) const {
    if (!IsDataRow(row))
        return false;
    const CCustom& user = *rows_[row - 1];
    const QString text = fg_->TextMatrix(row, col);
    switch (col) {
    case ColKino:
        return fg_->CellData(row, col).toInt() != user.Kino();
    case ColLogic:
        return text != QString::number(user.Logic());
    case ColDosa:
        return text != QString::number(user.Dosa());
    case ColOnDelay:
        return text != QString::number(user.OnDelayTime());
    case ColOffDelay:
        return text != QString::number(user.OffDelayTime());
    case ColDuty:
        return GetChopOnTime(row) != user.ChoppingOnTime() || GetChopOffTime(row) != user.ChoppingOffTime();
    case ColZenpa:
        return text != QString::number(user.ZenpaTime());
    default:
        return false;
    }
}

bool fCustomize::EditDiffersFromModel(int row, int) const {
    for (int col = ColKino; col < ColumnCount; ++col)
        if (IsUserColumn(col) && ValueIsDifCustomze(row, col))
            return true;
    return false;
}

std::optional<int> fCustomize::RowOf(const QString& location) const {
    for (int index = 0; index < rows_.size(); ++index)
        if (rows_[index]->Location() == location)
            return index + 1;
    return std::nullopt;
}

void fCustomize::AfterValueChanged(int row, int col) {
    DrawDifCustomize(row);
    UpdateSameCustomize(row, col);
    MarkRowEdited(row);
    FollowMarks();
    fg_->Refresh();
}

void fCustomize::UpdateSameCustomize(int row, int col) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameCustomize"), false, [&] {
        const QString location = fg_->TextMatrix(row, ColLocation);
        for (fCustomize* other : OtherWindows<fCustomize>())
            other->TakeCell(location, col, fg_->TextMatrix(row, col), fg_->CellData(row, col));
        return true;
    });
}

void fCustomize::TakeCell(const QString& location, int col, const QString& text, const QVariant& data) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameCustomize"), false, [&] {
        const std::optional<int> row = RowOf(location);
        // An input window has no time columns to take.
        if (!row || !IsUserColumn(col))
            return true;
        if (fg_->TextMatrix(*row, col) == text && fg_->CellData(*row, col) == data)
            return true;
        // The function and the duty carry their value in the cell data, the others in the text.
        fg_->SetCellData(*row, col, data);
        fg_->SetTextMatrix(*row, col, text);
        DrawDifCustomize(*row);
        // This window now holds the edit too; closing it must not drop it unasked.
        MarkRowEdited(*row);
        FollowMarks();
        fg_->Refresh();
        return true;
    });
}

QList<platform::GridCellPosition> fCustomize::EditableCells() const {
    QList<platform::GridCellPosition> cells;
    for (int row = 1; row <= RowCount(); ++row)
        for (int col = ColKino; col < ColumnCount; ++col)
            if (IsUserColumn(col))
                cells.append({row, col});
    return cells;
}

void fCustomize::AfterCellsRestored(const QList<platform::GridCellPosition>& cells) {
    hlpkit::Guarded(method_, QStringLiteral("UpdateSameCustomize"), false, [&] {
        for (const platform::GridCellPosition& cell : cells) {
            DrawDifCustomize(cell.row);
            MarkRowEdited(cell.row);
            // A window opened after the step shows the signal too.
            UpdateSameCustomize(cell.row, cell.col);
        }
        return true;
    });
}

QString fCustomize::StepText(int row, int col) const {
    QString shown = fg_->TextMatrix(row, col);
    if (col == ColLogic)
        shown = platform::GridComboList::Parse(CustomizeRules::LogicList()).DisplayText(shown);
    else if (col == ColDosa)
        shown = platform::GridComboList::Parse(CustomizeRules::OperationList()).DisplayText(shown);
    return QStringLiteral("Change %1/%2 to %3")
        .arg(fg_->TextMatrix(row, ColLocation), fg_->TextMatrix(0, col).simplified(), shown);
}

void fCustomize::TakeOverFrom(InputWindow& other) {
    const auto* source = qobject_cast<fCustomize*>(&other);
    if (source == nullptr)
        return;
    for (const int row : source->EditedRows()) {
        if (!source->IsDataRow(row))
            continue;
        const QString location = source->fg_->TextMatrix(row, ColLocation);
        for (int col = ColKino; col < ColumnCount; ++col)
            if (source->IsUserColumn(col) && source->ValueIsDifCustomze(row, col))
                TakeCell(location, col, source->fg_->TextMatrix(row, col), source->fg_->CellData(row, col));
    }
}

void fCustomize::DropEdits() {
    WithRedrawHeld(method_, QStringLiteral("ControlChange"), [&] {
        for (int row = 1; row <= RowCount(); ++row) {
            PasteValue(row);
            DrawDifCustomize(row);
        }
        return true;
    });
    EnableButtons();
}

bool fCustomize::Update_Variable() {
    return hlpkit::Guarded(method_, QStringLiteral("Update_Variable"), false, [&] {
        // A value still being typed belongs to the grid too; a refused one has told the user why.
        const bool allTaken = CommitPendingEdit();
        // Only the rows edited here: a row this window merely shows may be stale, and writing
        // it would undo an edit another window pushed before.
        for (const int row : EditedRows()) {
            if (!IsDataRow(row) || !EditDiffersFromModel(row, 0))
                continue;
            CCustom& user = *rows_[row - 1];
            user.SetKino(fg_->CellData(row, ColKino).toInt());
            user.SetLogic(fg_->TextMatrix(row, ColLogic).toInt());
            user.SetDosa(fg_->TextMatrix(row, ColDosa).toInt());
            if (inout_ == 1) {
                user.SetOnDelayTime(fg_->TextMatrix(row, ColOnDelay).toInt());
                user.SetOffDelayTime(fg_->TextMatrix(row, ColOffDelay).toInt());
                user.SetChoppingOnTime(GetChopOnTime(row));
                user.SetChoppingOffTime(GetChopOffTime(row));
                user.SetZenpaTime(fg_->TextMatrix(row, ColZenpa).toInt());
            }
        }
        fg_->Refresh();
        return allTaken;
    });
}

// --- buttons ------------------------------------------------------------------------------------

void fCustomize::BTN_Click(int index) {
    switch (index) {
    case 9:
        CloseWindow();
        break;
    case 1:
        if (buttons_[1]->isEnabled())
            hlpkit::Guarded(method_, QStringLiteral("BTN_Click"), false, [&] { return SaveAllWindows(); });
        break;
    case 2:
        if (buttons_[2]->isEnabled())
            hlpkit::Guarded(method_, QStringLiteral("BTN_Click"), false, [&] {
                return PrintWithEdits([this] {
                    ParamPrintRequest request;
                    request.printKind = 1;
                    request.customName = customName_;
                    request.onlyDif = false;
                    Services().PrintParameters(request);
                });
            });
        break;
    case 3:
        if (buttons_[3]->isEnabled() &&
            Messages().ShowMsg(msg::ResetAllQuestion, BoxKind::QuestionYesNoDefaultNo) == Answer::Yes)
            ResetAllRow();
        break;
    case 4:
        if (!buttons_[4]->isEnabled())
            break;
        if (!IsDataRow(fg_->Row()))
            Messages().ShowMsg(msg::SelectRowToReset, BoxKind::Exclamation);
        else if (Messages().ShowMsg(msg::ResetRowQuestion, BoxKind::QuestionYesNoDefaultNo) == Answer::Yes)
            ResetRow(fg_->Row());
        break;
    default:
        break;
    }
}

void fCustomize::CopyComparisonInto(int row) {
    const CCustom* comparison = ComparisonRow(row);
    if (comparison == nullptr)
        return;
    const auto take = [&](int col, const QString& text) {
        if (fg_->TextMatrix(row, col) == text)
            return;
        fg_->SetTextMatrix(row, col, text);
        UpdateSameCustomize(row, col);
    };
    if (fg_->CellData(row, ColKino).toInt() != comparison->Kino()) {
        SetFunctionCell(row, ColKino, comparison->Kino());
        UpdateSameCustomize(row, ColKino);
    }
    take(ColLogic, QString::number(comparison->Logic()));
    take(ColDosa, QString::number(comparison->Dosa()));
    if (inout_ == 1) {
        take(ColOnDelay, QString::number(comparison->OnDelayTime()));
        take(ColOffDelay, QString::number(comparison->OffDelayTime()));
        if (GetChopOnTime(row) != comparison->ChoppingOnTime() ||
            GetChopOffTime(row) != comparison->ChoppingOffTime()) {
            SetDutyCell(row, ColDuty, comparison->ChoppingOnTime(), comparison->ChoppingOffTime());
            UpdateSameCustomize(row, ColDuty);
        }
        take(ColZenpa, QString::number(comparison->ZenpaTime()));
    }
    DrawDifCustomize(row);
    MarkRowEdited(row);
}

void fCustomize::ResetRow(int row) {
    hlpkit::Guarded(method_, QStringLiteral("ResetRow"), false, [&] {
        if (!CommitPendingEdit())
            return false;
        UserAction action(*this, LoadMsg(494));
        CopyComparisonInto(row);
        FollowMarks();
        fg_->Refresh();
        return true;
    });
}

void fCustomize::ResetAllRow() {
    WithRedrawHeld(method_, QStringLiteral("ResetAllRow"), [&] {
        if (!CommitPendingEdit())
            return false;
        UserAction action(*this, LoadMsg(76));
        for (int row = 1; row <= RowCount(); ++row)
            CopyComparisonInto(row);
        FollowMarks();
        return true;
    });
}

} // namespace vokg
