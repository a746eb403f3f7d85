#include "editors/FeedWindow.h"

#include "editors/EditorServices.h"
#include "editors/FlowLayout.h"
#include "hlpkit/CString.h"
#include "hlpkit/RunError.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace vokg {

using platform::Answer;
using platform::BoxKind;
using platform::Grid;
using namespace feedcolors;

namespace {

// Message 76 asks before one row is copied, message 77 says that no row is chosen.
constexpr int kResetRowQuestion = 76;
constexpr int kSelectRowToReset = 77;

} // namespace

FeedWindow::FeedWindow(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
                       hlpkit::CMethod& method, hlpkit::CString& keys, QString okuriCaption, QWidget* parent)
    : InputWindow(services, messenger, parent), user_(user), comparison_(comparison), method_(method),
      keys_(keys), okuriCaption_(std::move(okuriCaption)) {
    setWindowTitle(okuriCaption_ + QStringLiteral("[*]"));
    connect(this, &InputWindow::ChangedStateChanged, this, [this] { EnableButtons(); });
}

FeedWindow::~FeedWindow() = default;

void FeedWindow::BuildButtonStrip(QBoxLayout* layout, bool rowCopy) {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("picCMD"));
    auto* flow = new FlowLayout(strip);
    const auto addButton = [&](int index, int resource) {
        buttons_[index] = MakeCommandButton(strip, index, resource);
        flow->addWidget(buttons_[index]);
    };
    addButton(1, 1074);
    addButton(2, 1075);
    addButton(3, 1076);
    if (rowCopy)
        addButton(4, 1494);
    frameDisp_ = MakeShowOptions(strip, opDisp_, [this](int index) { SetFilter(index); });
    flow->addWidget(frameDisp_);
    flow->addStretch();
    addButton(9, 1077);
    layout->addWidget(strip);
    EnableButtons();
}

QPushButton* FeedWindow::BTN(int index) const {
    return index >= 0 && index < 10 ? buttons_[index] : nullptr;
}

QRadioButton* FeedWindow::opDisp(int index) const {
    return index >= 0 && index < 3 ? opDisp_[index] : nullptr;
}

void FeedWindow::EnableButtons() {
    // Only a design file is ever written, and only edits are worth a save.
    if (buttons_[1])
        buttons_[1]->setEnabled(IsChanged() && Services().UserFileIsDsg());
    if (buttons_[2])
        buttons_[2]->setEnabled(Services().CanPrint());
    for (int index : {3, 4})
        if (buttons_[index])
            buttons_[index]->setEnabled(comparisonShown_);
    if (opDisp_[ShowDifferent])
        opDisp_[ShowDifferent]->setEnabled(comparisonShown_);
}

void FeedWindow::InstallEditEvents() {
    // The frame's events, and the key filter that keeps a feed cell to digits.
    InstallGridEvents();
    EditGrid()->Events().KeyPress = [this](QChar& ch) { fg_KeyPress(ch); };
}

std::optional<FeedRules::Place> FeedWindow::PlaceOf(int row, int col) const {
    if (row < 1 || row > DataRows() || !UserColumns().contains(col))
        return std::nullopt;
    return FeedRules::Place{ColumnKey(col), row - 1};
}

std::optional<platform::GridCellPosition> FeedWindow::CellOf(const FeedRules::Place& place) const {
    if (place.index < 0 || place.index >= DataRows())
        return std::nullopt;
    for (int col : UserColumns())
        if (ColumnKey(col) == place.key)
            return platform::GridCellPosition{place.index + 1, col};
    return std::nullopt;
}

std::optional<int> FeedWindow::StoredValue(int row, int col) const {
    const std::optional<FeedRules::Place> place = PlaceOf(row, col);
    if (!place)
        return std::nullopt;
    const auto found = stored_.constFind(place->key);
    if (found == stored_.cend() || place->index >= found->size())
        return std::nullopt;
    return found->at(place->index);
}

bool FeedWindow::EditDiffersFromModel(int row, int col) const {
    const std::optional<int> stored = StoredValue(row, col);
    return stored && EditGrid()->TextMatrix(row, col) != QString::number(*stored);
}

bool FeedWindow::IsCellEdited(int row, int col) const {
    return EditedCells().contains({row, col}) && EditDiffersFromModel(row, col);
}

bool FeedWindow::RowEdited(int row) const {
    const QList<int> columns = UserColumns();
    return std::any_of(columns.cbegin(), columns.cend(), [&](int col) { return IsCellEdited(row, col); });
}

bool FeedWindow::RowDiffers(int row) const {
    if (!comparisonShown_)
        return false;
    const QList<int> columns = UserColumns();
    return std::any_of(columns.cbegin(), columns.cend(),
                       [&](int col) { return EditGrid()->TextMatrix(row, col) != ComparisonText(row, col); });
}

void FeedWindow::LoadUserValues() {
    hlpkit::Guarded(method_, QStringLiteral("PasteValue"), false, [&] {
        Grid* grid = EditGrid();
        grid->SetRedraw(false);
        stored_.clear();
        for (int col : UserColumns()) {
            const QString key = ColumnKey(col);
            const QList<int> values = user_.GetArray(key);
            stored_.insert(key, values);
            for (int row = 1; row <= DataRows() && row <= values.size(); ++row)
                grid->SetTextMatrix(row, col, QString::number(values[row - 1]));
        }
        for (int row = 1; row <= DataRows(); ++row)
            RowValuesChanged(row);
        grid->SetRedraw(true);
        return true;
    });
    if (!EditGrid()->Redraw())
        EditGrid()->SetRedraw(true);
}

void FeedWindow::PasteHikakuValue() {
    hlpkit::Guarded(method_, QStringLiteral("PasteHikakuValue"), false, [&] {
        comparisonShown_ = Services().HasComparison();
        for (int col : UserColumns()) {
            const QList<int> values = comparisonShown_ ? comparison_.GetArray(ColumnKey(col)) : QList<int>();
            for (int row = 1; row <= DataRows(); ++row)
                SetComparisonText(row, col,
                                  row <= values.size() ? QString::number(values[row - 1]) : QString());
        }
        ShowComparison(comparisonShown_);
        for (int row = 1; row <= DataRows(); ++row)
            RowValuesChanged(row);
        return true;
    });
    EnableButtons();
    SetFilter(filter_);
}

void FeedWindow::fg_BeforeEdit(int row, int col, bool& cancel) {
    if (!PlaceOf(row, col)) {
        cancel = true;
        return;
    }
    editStartText_ = EditGrid()->TextMatrix(row, col);
}

void FeedWindow::fg_KeyPress(QChar& ch) {
    // Only digits and the control keys: a sign, a point or a letter never reaches the cell.
    if (ch.unicode() > 0xFF || !keys_.CheckKeyAscii(ch.unicode(), hlpkit::CString::Digits))
        ch = QChar();
}

void FeedWindow::fg_ValidateEdit(int row, int col, QString& text, bool& cancel) {
    ValidateCellEdit(method_, QStringLiteral("ValidateEditOp"), row, col, text, cancel,
                     [&]() -> std::optional<EntryVerdict> {
                         if (!PlaceOf(row, col))
                             return std::nullopt;
                         return FeedRules::CheckEntry(text, RangeOf(row, col));
                     });
}

void FeedWindow::fg_AfterEdit(int row, int col) {
    hlpkit::Guarded(method_, QStringLiteral("ValueIsDifOkuri"), false, [&] {
        if (!PlaceOf(row, col))
            return true;
        if (EditGrid()->TextMatrix(row, col) != editStartText_)
            AfterCellChanged(row, col);
        return true;
    });
}

void FeedWindow::AfterCellChanged(int row, int col) {
    MarkCellEdited(row, col);
    RowValuesChanged(row);
    const FeedRules::Place place = *PlaceOf(row, col);
    const int value = EditGrid()->TextMatrix(row, col).toInt();
    for (FeedWindow* other : OtherFeedWindows())
        other->FollowEdit(place, value);
    FollowMarks();
    EditGrid()->Refresh();
}

void FeedWindow::PutUserText(int row, int col, const QString& text) {
    if (EditGrid()->TextMatrix(row, col) == text)
        return;
    EditGrid()->SetTextMatrix(row, col, text);
    MarkCellEdited(row, col);
    RowValuesChanged(row);
}

void FeedWindow::FollowEdit(const FeedRules::Place& place, int value) {
    hlpkit::Guarded(method_, QStringLiteral("FollowEdit"), false, [&] {
        bool followed = false;
        if (const std::optional<FeedRules::Place> pitch = FeedRules::PitchPlaceOfAxis(place))
            if (const std::optional<platform::GridCellPosition> cell = CellOf(*pitch)) {
                PutUserText(cell->row, cell->col,
                            QString::number(FeedRules::PitchValueOfAxis(place.key, value)));
                followed = true;
            }
        if (const std::optional<FeedRules::Place> axis = FeedRules::AxisPlaceOfPitch(place))
            if (const std::optional<platform::GridCellPosition> cell = CellOf(*axis)) {
                const int shown = EditGrid()->TextMatrix(cell->row, cell->col).toInt();
                PutUserText(cell->row, cell->col,
                            QString::number(FeedRules::AxisValueWithPitch(axis->key, shown, value)));
                followed = true;
            }
        if (followed) {
            FollowMarks();
            if (filter_ != ShowAll)
                SetFilter(filter_);
            EditGrid()->Refresh();
        }
        return true;
    });
}

void FeedWindow::TakeOverFrom(InputWindow& other) {
    const auto* source = qobject_cast<FeedWindow*>(&other);
    if (source == nullptr)
        return;
    for (const QPair<int, int>& cell : source->EditedCells())
        if (source->EditDiffersFromModel(cell.first, cell.second))
            FollowEdit(*source->PlaceOf(cell.first, cell.second),
                       source->EditGrid()->TextMatrix(cell.first, cell.second).toInt());
}

QList<platform::GridCellPosition> FeedWindow::EditableCells() const {
    QList<platform::GridCellPosition> cells;
    const QList<int> columns = UserColumns();
    for (int row = 1; row <= DataRows(); ++row)
        for (int col : columns)
            cells.append({row, col});
    return cells;
}

void FeedWindow::AfterCellsRestored(const QList<platform::GridCellPosition>& cells) {
    hlpkit::Guarded(method_, QStringLiteral("FollowEdit"), false, [&] {
        const QList<FeedWindow*> others = OtherFeedWindows();
        for (const platform::GridCellPosition& cell : cells) {
            MarkCellEdited(cell.row, cell.col);
            RowValuesChanged(cell.row);
            // A window opened after the step shows the byte too.
            const FeedRules::Place place = *PlaceOf(cell.row, cell.col);
            const int value = EditGrid()->TextMatrix(cell.row, cell.col).toInt();
            for (FeedWindow* other : others)
                other->FollowEdit(place, value);
        }
        if (filter_ != ShowAll)
            SetFilter(filter_);
        return true;
    });
}

QString FeedWindow::StepText(int row, int col) const {
    const std::optional<FeedRules::Place> place = PlaceOf(row, col);
    if (!place)
        return {};
    return QStringLiteral("Change %1[%2] to %3")
        .arg(place->key)
        .arg(place->index)
        .arg(EditGrid()->TextMatrix(row, col));
}

QList<FeedWindow*> FeedWindow::OtherFeedWindows() const {
    QList<FeedWindow*> windows;
    for (InputWindow* window : Services().InputWindows())
        if (auto* feed = qobject_cast<FeedWindow*>(window); feed != nullptr && feed != this)
            windows.append(feed);
    return windows;
}

bool FeedWindow::Update_Variable() {
    return hlpkit::Guarded(method_, QStringLiteral("Update_Variable"), false, [&] {
        // A value still being typed belongs to the grid too; a refused one has told the user why.
        bool allTaken = CommitPendingEdit();
        // Only the cells that hold another value than the one loaded: a cell pushed unchanged
        // would undo an edit that another window made to the same byte.
        QList<QPair<int, int>> cells = EditedCells().values();
        std::sort(cells.begin(), cells.end());
        for (const QPair<int, int>& cell : cells) {
            if (!EditDiffersFromModel(cell.first, cell.second))
                continue;
            const FeedRules::Place place = *PlaceOf(cell.first, cell.second);
            bool isNumber = false;
            const int value = EditGrid()->TextMatrix(cell.first, cell.second).toInt(&isNumber);
            if (!isNumber || !user_.SetArray(place.key, place.index, value))
                allTaken = false;
        }
        return allTaken;
    });
}

void FeedWindow::DropEdits() {
    LoadUserValues();
    SetFilter(filter_);
}

void FeedWindow::BTN_Click(int index) {
    QPushButton* button = BTN(index);
    if (button == nullptr || (index != 9 && !button->isEnabled()))
        return;
    switch (index) {
    case 1:
        SaveAllWindows();
        break;
    case 2:
        PrintCommand();
        break;
    case 3:
        CopyAllCommand();
        break;
    case 4:
        CopyRowCommand();
        break;
    case 9:
        CloseWindow();
        break;
    default:
        break;
    }
}

void FeedWindow::PrintCommand() {
    hlpkit::Guarded(method_, QStringLiteral("BTN_Click"), false, [&] {
        PrintWithEdits([this] {
            FeedPrintRequest request;
            request.printKind = PrintKind();
            request.okuriCaption = okuriCaption_;
            request.onlyDif = filter_ == ShowDifferent;
            Services().PrintFeed(request);
        });
        return true;
    });
}

void FeedWindow::CopyAllCommand() {
    if (Messages().ShowMsg(msg::ResetAllQuestion, BoxKind::QuestionYesNoDefaultNo) == Answer::No)
        return;
    QList<int> rows;
    for (int row = 1; row <= DataRows(); ++row)
        rows.append(row);
    hlpkit::Guarded(method_, QStringLiteral("ResetFace"), false, [&] {
        UserAction action(*this, ResourceText(1076));
        CopyComparison(rows);
        return true;
    });
}

void FeedWindow::CopyRowCommand() {
    hlpkit::Guarded(method_, QStringLiteral("ResetRow"), false, [&] {
        const int row = EditGrid()->Row();
        if (row < 1 || row > DataRows()) {
            Messages().ShowMsg(kSelectRowToReset, BoxKind::Exclamation);
            return false;
        }
        if (Messages().ShowMsg(kResetRowQuestion, BoxKind::QuestionYesNoDefaultNo) == Answer::No)
            return false;
        UserAction action(*this, ResourceText(1494));
        CopyComparison({row});
        return true;
    });
}

void FeedWindow::CopyComparison(const QList<int>& rows) {
    if (!comparisonShown_)
        return;
    EditGrid()->SetRedraw(false);
    QList<QPair<FeedRules::Place, int>> changed;
    for (int row : rows)
        for (int col : UserColumns()) {
            const QString comparison = ComparisonText(row, col);
            if (comparison.isEmpty() || EditGrid()->TextMatrix(row, col) == comparison)
                continue;
            PutUserText(row, col, comparison);
            changed.append({*PlaceOf(row, col), comparison.toInt()});
        }
    EditGrid()->SetRedraw(true);
    const QList<FeedWindow*> others = OtherFeedWindows();
    for (const auto& [place, value] : changed)
        for (FeedWindow* other : others)
            other->FollowEdit(place, value);
    FollowMarks();
    SetFilter(filter_);
}

void FeedWindow::SetFilter(int filter) {
    hlpkit::Guarded(method_, QStringLiteral("opDisp_Click"), false, [&] {
        if (filter < ShowAll || filter > ShowEdited || (filter == ShowDifferent && !comparisonShown_))
            filter = ShowAll;
        filter_ = filter;
        if (opDisp_[filter])
            opDisp_[filter]->setChecked(true);
        for (int row = 1; row <= DataRows(); ++row) {
            bool shown = true;
            if (filter == ShowDifferent)
                shown = RowDiffers(row);
            else if (filter == ShowEdited)
                shown = RowEdited(row);
            ShowRow(row, shown);
        }
        return true;
    });
}

void FeedWindow::fg_RowColChange() {
    hlpkit::Guarded(method_, QStringLiteral("fgUsr_RowColChange"), false, [&] {
        const int row = EditGrid()->Row();
        if (row == shadedRow_)
            return true;
        if (shadedRow_ >= 1 && shadedRow_ <= DataRows())
            ShadeRow(shadedRow_, false);
        if (row >= 1 && row <= DataRows())
            ShadeRow(row, true);
        shadedRow_ = row;
        return true;
    });
}

void FeedWindow::DrawEditMark(QPainter& painter, int row, int col, const QRect& rect) const {
    const bool edited = hlpkit::Guarded(method_, QStringLiteral("ShowAsteriskOkuri"), false,
                                        [&] { return IsCellEdited(row, col); });
    if (!edited)
        return;
    painter.save();
    painter.setPen(kMarkColor);
    // Two pixels right of the cell's left edge, where a right-aligned number never reaches.
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("*"));
    painter.restore();
}

} // namespace vokg
