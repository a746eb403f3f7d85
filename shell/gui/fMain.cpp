#include "shell/gui/fMain.h"
#include "shell/gui/ProgramIcon.h"
#include "shell/gui/fCompare.h"
#include "shell/gui/fReviewChanges.h"
#include "shell/gui/fVerInfo.h"

#include "editors/CustomizeSheetOutput.h"
#include "editors/EditStep.h"
#include "editors/FeedSheetOutput.h"
#include "editors/InputWindow.h"
#include "editors/ParameterSheetOutput.h"
#include "editors/fCustomize.h"
#include "editors/fHeader.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "editors/fOutput_zrdl_Model.h"
#include "editors/fOutput_zrdl_ModelDialog.h"
#include "editors/fParam.h"
#include "editors/fPrint.h"
#include "editors/rules/FeedRules.h"
#include "editors/rules/PrintRules.h"
#include "hlpkit/CProperty.h"
#include "model/AccessModes.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "platform/gui/Grid.h"
#include "shell/AccessLevels.h"
#include "shell/App.h"
#include "shell/FileOpen.h"
#include "shell/FileSave.h"
#include "shell/RecentFiles.h"
#include "shell/Startup.h"
#include "shell/TableDiff.h"
#include "shell/Version.h"
#include "shell/messages/FormUnload.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SharedProcedures.h"
#include "shell/messages/gui/PictureSet.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>

namespace vokg {
namespace {

// The four option switches of the Settings menu, in menu order, with their caption resources.
struct SettingItem {
    const BoolSetting& setting;
    int resource;
};
constexpr std::array<SettingItem, 4> kSettingItems{{
    {Setting::DoesReadKishuWhenSelectTable, 1560},
    {Setting::DoesDispAllModeInOpening, 1539},
    {Setting::DoesOpenSpecialModeWhelAll, 1541},
    {Setting::DoesClearComparativeInOpenFile, 1542},
}};

// The customize groups of the pop-up menu; 0 marks a separator.
constexpr std::array<int, 14> kCustomizeItems{1475, 1476, 0,    1477, 1478, 1479, 1480,
                                              1481, 0,    1482, 1483, 1484, 1485, 1486};

// A window position given in twips (15 to a pixel at the usual 96 dots per inch).
int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

QString R(int resourceId) {
    return ResourceText(resourceId);
}

} // namespace

fMain::fMain(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdi"));
    // With scroll bars the client area never asks for the room of its children: the main window
    // keeps the size of the work area however wide the editor windows would like to be.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);
    BuildMenus();
    ConnectCommands();
    FillRecentMenu();
}

// One data file of ours among the dropped things, or nothing: several files or a folder are no
// open the user could have meant.
static QString DroppedDataFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString file = data->urls().first().toLocalFile();
    return FileOpen::IsDSG(file) || FileOpen::IsDAT(file) ? file : QString();
}

void fMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDataFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void fMain::dropEvent(QDropEvent* event) {
    const QString file = DroppedDataFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    // The questions of the open come after the drop has ended, not inside the drag's own loop.
    QMetaObject::invokeMethod(
        this, [this, file] { OpenUserFile(file); }, Qt::QueuedConnection);
}

bool fMain::OpenUserFile(const QString& file) {
    const bool opened = FileOpen(app_, *this).OpenUserFile(file);
    if (opened)
        RememberOpenedFile();
    return opened;
}

void fMain::RememberOpenedFile() {
    RecentFiles(app_.Settings()).Add(app_.State().userPath);
    FillRecentMenu();
}

void fMain::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentFiles(app_.Settings()).Files();
    for (int index = 0; index < files.size(); ++index) {
        QAction* item = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(files[index]));
        item->setData(files[index]);
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void fMain::OpenRecentFile(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        // Message 40: the file is not there and cannot be read; it leaves the list.
        app_.Messages().ShowMsg(msg::CompanionMissing, platform::BoxKind::Exclamation, file);
        RecentFiles(app_.Settings()).Remove(file);
        FillRecentMenu();
        return;
    }
    OpenUserFile(file);
}

void fMain::ShowCompareWindow() {
    if (!compareWindow_)
        compareWindow_ = new fCompare(
            app_, [this](const TableDifference& difference) { ShowDifference(difference); }, this);
    compareWindow_->show();
    compareWindow_->raise();
    compareWindow_->activateWindow();
}

namespace {

// The item of `menu` captioned `caption`, or none.
QAction* MenuItem(QMenu& menu, const QString& caption) {
    for (QAction* candidate : menu.actions())
        if (!candidate->isSeparator() && candidate->text() == caption)
            return candidate;
    return nullptr;
}

// Brings a cell of an editor grid into view and makes it the current cell.
void ShowCell(platform::Grid& grid, int row, int col) {
    grid.SetTopRow(row);
    grid.Select(row, col);
}

} // namespace

void fMain::ShowDifference(const TableDifference& difference) {
    const QString kind = difference.Kind();
    if (kind == QLatin1String("header")) {
        statusBar()->showMessage(QStringLiteral("No editor window opens on a header line."));
        return;
    }
    if (app_.State().userPath.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Open a file to edit %1.").arg(difference.field.name));
        return;
    }
    activateWindow();
    raise();
    statusBar()->clearMessage();
    if (kind == QLatin1String("customize"))
        ShowCustomizeDifference(difference.field.name);
    else if (kind == QLatin1String("feed"))
        ShowFeedDifference(difference.field.name);
    else
        ShowDigitalDifference(difference.field);
}

void fMain::ShowDigitalDifference(const TableField& field) {
    QAction* item = MenuItem(*parameterMenu_, field.mode);
    if (!item) {
        statusBar()->showMessage(QStringLiteral("The Parameter menu has no mode %1.").arg(field.mode));
        return;
    }
    // The menu's own way in: the mode passwords and the limit of four windows apply.
    mnuParameterContent_Click(item);
    auto* window = qobject_cast<fParam*>(ExistForm(field.mode));
    const CMode* mode = app_.Modes().Item(field.mode);
    const CDigital* digital = mode ? mode->Digits().Find(field.digital) : nullptr;
    const std::optional<int> row = window && digital ? window->RowOf(*digital) : std::nullopt;
    if (!row)
        return;
    // A row the "Show" filter hides is shown: the user asked for this very row.
    if (window->fg()->RowHidden(*row))
        window->SetFilter(fParam::ShowAll);
    ShowCell(*window->fg(), *row, fParam::ColUser);
}

void fMain::ShowCustomizeDifference(const QString& name) {
    // "customize O2.on_delay": the signal's location, then its field.
    static const QRegularExpression line(QStringLiteral("^customize ([^.]+)\\.([a-z_]+)$"));
    const QRegularExpressionMatch match = line.match(name);
    const CCustom* signal = match.hasMatch() ? app_.UserCustoms().Item(match.captured(1)) : nullptr;
    if (!signal) {
        statusBar()->showMessage(QStringLiteral("This table has no signal for %1.").arg(name));
        return;
    }
    // The group of every input or every output holds the signal whatever its category.
    const QString group = R(kCustomizeItems[signal->INOUT() == 1 ? 1 : 0]);
    QAction* item = MenuItem(*customizeMenu_, group);
    if (!item)
        return;
    mnuCustomizeContent_Click(item);
    auto* window = qobject_cast<fCustomize*>(ExistForm(group));
    const std::optional<int> row = window ? window->RowOf(signal->Location()) : std::nullopt;
    if (!row)
        return;
    static const QHash<QString, int> columns{{QStringLiteral("kino"), fCustomize::ColKino},
                                             {QStringLiteral("logic"), fCustomize::ColLogic},
                                             {QStringLiteral("dosa"), fCustomize::ColDosa},
                                             {QStringLiteral("on_delay"), fCustomize::ColOnDelay},
                                             {QStringLiteral("off_delay"), fCustomize::ColOffDelay},
                                             {QStringLiteral("chopping_on"), fCustomize::ColDuty},
                                             {QStringLiteral("chopping_off"), fCustomize::ColDuty},
                                             {QStringLiteral("zenpa"), fCustomize::ColZenpa}};
    ShowCell(*window->fg(), *row, columns.value(match.captured(2), fCustomize::ColKino));
}

void fMain::ShowFeedDifference(const QString& name) {
    // The feed windows are for those who were given them at start; the compare window is no
    // way around that.
    if (!editPitch_->isVisible()) {
        statusBar()->showMessage(
            QStringLiteral("The feed windows are not open to you; %1 is not shown.").arg(name));
        return;
    }
    // "feed X_P1_A[4]", "feed XYLM[0]", "feed other[6]": the array, then the entry.
    static const QRegularExpression line(QStringLiteral("^feed ([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
    const QRegularExpressionMatch match = line.match(name);
    if (!match.hasMatch())
        return;
    const QString key = match.captured(1);
    const int row = match.captured(2).toInt() + 1;
    const bool pitch = COkuris::LongKeys().contains(key);
    const QString caption = pitch                           ? LoadMsg(fOkuriParam2::EachPitch)
                            : key == QLatin1String("other") ? COkuris::OtherValuesKey()
                                                            : key;
    QAction* item = MenuItem(*feedMenu_, caption);
    if (!item)
        return;
    // The same warning as the feed menu gives before any feed window opens.
    if (app_.Messages().ShowMsg(msg::FeedWarning, platform::BoxKind::ExclamationYesNo) !=
        platform::Answer::Yes)
        return;
    mnuOkuriParamContent_Click(item);
    if (auto* window = qobject_cast<fOkuriParam2*>(ExistForm(caption))) {
        const int col = int(fOkuriParam2::KeysOf(window->WindowKindNumber()).indexOf(key)) + 1;
        ShowCell(*window->fgUsr(), row, std::max(col, 1));
    } else if (auto* axis = qobject_cast<fOkuriParam*>(ExistForm(caption))) {
        if (axis->fg()->RowHidden(row))
            axis->SetFilter(FeedWindow::ShowAll);
        ShowCell(*axis->fg(), row, fOkuriParam::ColUser);
    }
}

void fMain::ConnectCommands() {
    connect(openAction_, &QAction::triggered, this, [this] { OpenUserFile(QString()); });
    connect(recentMenu_, &QMenu::triggered, this,
            [this](QAction* item) { OpenRecentFile(item->data().toString()); });
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    connect(compareAction_, &QAction::triggered, this, [this] { ShowCompareWindow(); });
    connect(saveAllAction_, &QAction::triggered, this, [this] { Save(SaveMode::Overwrite, true); });
    connect(saveAsAction_, &QAction::triggered, this, [this] { Save(SaveMode::SaveAs, false); });
    connect(saveOtherAction_, &QAction::triggered, this, [this] { Save(SaveMode::OtherTables, false); });
    connect(comparisonMenu_, &QMenu::triggered, this, [this](QAction* item) { OpenComparison(item); });
    connect(editHeader_, &QAction::triggered, this, [this] { EditHeader(); });
    connect(passwordAction_, &QAction::triggered, this, [this] { EditPasswordAndAuthor(); });
    connect(arrangeAction_, &QAction::triggered, this, [this] {
        QMdiSubWindow* active = mdi_->activeSubWindow();
        TileWindow(active ? qobject_cast<InputWindow*>(active->widget()) : nullptr);
    });
    connect(parameterMenu_, &QMenu::triggered, this,
            [this](QAction* item) { mnuParameterContent_Click(item); });
    connect(feedMenu_, &QMenu::triggered, this, [this](QAction* item) { mnuOkuriParamContent_Click(item); });
    connect(editPitch_, &QAction::triggered, this, [this] { ShowFeedMenu(); });
    connect(customizeMenu_, &QMenu::triggered, this,
            [this](QAction* item) { mnuCustomizeContent_Click(item); });
    connect(editCustomize_, &QAction::triggered, this, [this] {
        customizeMenu_->popup(btnCustomize_ ? btnCustomize_->mapToGlobal(QPoint(0, btnCustomize_->height()))
                                            : QCursor::pos());
    });
    connect(editParameter_, &QAction::triggered, this, [this] {
        parameterMenu_->popup(btnParameter_ ? btnParameter_->mapToGlobal(QPoint(0, btnParameter_->height()))
                                            : QCursor::pos());
    });
    connect(undoAction_, &QAction::triggered, this, [this] { UndoOrRedo(true); });
    connect(redoAction_, &QAction::triggered, this, [this] { UndoOrRedo(false); });
    connect(undoGroup_, &QUndoGroup::canUndoChanged, this, [this] { FollowUndoGroup(); });
    connect(undoGroup_, &QUndoGroup::canRedoChanged, this, [this] { FollowUndoGroup(); });
    connect(undoGroup_, &QUndoGroup::undoTextChanged, this, [this] { FollowUndoGroup(); });
    connect(undoGroup_, &QUndoGroup::redoTextChanged, this, [this] { FollowUndoGroup(); });
    connect(undoGroup_, &QUndoGroup::activeStackChanged, this, [this] { FollowUndoGroup(); });
    // The history the Edit menu acts on is the one of the window in front. A moment without an
    // active window (a dialog on top) keeps it.
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        if (auto* window = frame ? qobject_cast<InputWindow*>(frame->widget()) : nullptr)
            undoGroup_->setActiveStack(window->UndoStack());
    });
    connect(exportAction_, &QAction::triggered, this, [this] { ShowModelSourceExport(); });
    connect(versionAction_, &QAction::triggered, this, [this] { ShowVersionInfo(); });
}

void fMain::UndoOrRedo(bool undo) {
    // A text still being typed is an edit of its own: it becomes a step (or is refused with its
    // message, and nothing is undone under the open editor).
    for (InputWindow* window : InputWindows())
        if (!window->CommitPendingEdit())
            return;
    // A value the step would write back goes through its rule as a typed one does.
    if (QUndoStack* stack = undoGroup_->activeStack()) {
        const int index = undo ? stack->index() - 1 : stack->index();
        const auto* step = index >= 0 && index < stack->count()
                               ? dynamic_cast<const EditStep*>(stack->command(index))
                               : nullptr;
        if (step != nullptr && step->Refused(!undo))
            return;
    }
    if (undo)
        undoGroup_->undo();
    else
        undoGroup_->redo();
}

void fMain::FollowUndoGroup() {
    // A step's name is the user's data (a signal group may hold "&"): it is shown, not read as a
    // mnemonic.
    const auto named = [](const QString& command, const QString& step) {
        return step.isEmpty() ? command
                              : command + QLatin1Char(' ') +
                                    QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    undoAction_->setText(named(QStringLiteral("Undo"), undoGroup_->undoText()));
    redoAction_->setText(named(QStringLiteral("Redo"), undoGroup_->redoText()));
    undoAction_->setEnabled(undoGroup_->canUndo());
    redoAction_->setEnabled(undoGroup_->canRedo());
}

void fMain::ShowVersionInfo() {
    const QString path = VersionInfoOp();
    if (path.isEmpty())
        return;
    fVerInfo dialog(path, app_.Method(), this);
    dialog.exec();
}

QString fMain::VersionInfoOp() {
    platform::FileDialogRequest request;
    request.title = R(1592); // "Open versioninformation file"
    request.filter = QStringLiteral("vok file|*.vok");
    request.mustExist = true;
    const std::optional<platform::FileDialogResult> chosen = app_.Prompter().OpenFile(request);
    return chosen ? chosen->path : QString();
}

void fMain::ShowModelSourceExport() {
    // The values of the open user table as the model holds them; the comparison is never used.
    fOutput_zrdl_Model form(app_.Modes(), app_.UserCustoms(), app_.UserOkuris(), app_.Messages(),
                            app_.Method(), *this);
    form.SetFilesInUse(FileOpen::FilesInUse(app_.State()));
    fOutput_zrdl_ModelDialog dialog(form, this);
    dialog.exec();
}

void fMain::Save(SaveMode mode, bool withoutAsking) {
    if (FileSave(app_, *this).SaveAllFiles(mode, withoutAsking))
        CancelAllUpdate();
}

void fMain::OpenComparison(QAction* item) {
    const QList<QAction*> items = comparisonMenu_->actions();
    const int index = static_cast<int>(items.indexOf(item));
    FileOpen open(app_, *this);
    if (index == 0) {
        open.ReadVOKGData(FileKind::Comparison, QString(), -1, false);
        return;
    }
    // The table items name their table in the last character of the caption.
    const QString caption = item->text();
    const int table = caption.right(1).toInt();
    if (table >= 1 && table <= 8)
        open.ReadVOKGData(FileKind::Comparison, app_.State().userPath, table, false);
}

void fMain::EditHeader() {
    fHeader dialog(
        app_.Messages(), app_.Method(), fHeader::AccessOf(app_.Modes()),
        [this] {
            // Like every save that succeeded, it took the windows' edits into the file.
            if (!FileSave(app_, *this).SaveAllFiles(SaveMode::Overwrite, true))
                return false;
            CancelAllUpdate();
            return true;
        },
        FileOpen::IsDSG(app_.State().userPath), this);
    dialog.exec();
    SetCaption();
}

void fMain::EditPasswordAndAuthor() {
    if (AccessLevels(app_).InputPassword())
        app_.State().mainChanged = m_IsChanged(true);
    SetCaption();
}

bool fMain::m_IsChanged(bool flag) const {
    return flag && FileOpen::IsDSG(app_.State().userPath);
}

bool fMain::OpenCommandLineFile(const QString& file) {
    if (file.isEmpty())
        return false;
    const bool opened = FileOpen(app_, *this).ReadVOKGData(FileKind::User, file, 1, false);
    if (opened)
        RememberOpenedFile();
    return opened;
}

void fMain::CommitPendingEdits() {
    for (InputWindow* window : InputWindows())
        window->CommitPendingEdit();
}

bool fMain::IsExistChanged() const {
    for (InputWindow* window : InputWindows())
        if (window->IsChanged())
            return true;
    return false;
}

void fMain::CancelAllUpdate() {
    for (InputWindow* window : InputWindows())
        window->ControlChange(false);
}

void fMain::CloseAllForm() {
    mdi_->closeAllSubWindows();
}

std::optional<FieldAccess> fMain::ReviewOfSaves() const {
    if (!app_.Settings().Get(Setting::DoesReviewChangesBeforeSaving))
        return std::nullopt;
    // The mode passwords are asked each time a mode's window opens and kept nowhere: the list
    // counts those modes' changes without showing their values.
    return FieldAccess{false, false, true};
}

bool fMain::ConfirmSave(const SaveReview& review) {
    fReviewChanges dialog(review, this);
    return dialog.exec() == QDialog::Accepted;
}

void fMain::PasteHikakuValue() {
    for (InputWindow* window : InputWindows())
        window->PasteHikakuValue();
}

bool fMain::SaveAllVariables() {
    for (InputWindow* window : InputWindows())
        if (!window->Update_Variable())
            return false;
    return true;
}

void fMain::OpenAllModesWindow() {
    const QList<QAction*> items = parameterMenu_->actions();
    if (!items.isEmpty())
        mnuParameterContent_Click(items.first());
}

bool fMain::SaveAllFiles(SaveMode mode, bool withoutAsking) {
    // A save into memory pushes unsaved edits into the model for a print; the re-read afterwards
    // falls back to this when the file cannot be read again.
    if (mode == SaveMode::MemoryOnly)
        beforePrint_.emplace(app_);
    return FileSave(app_, *this).SaveAllFiles(mode, withoutAsking);
}

bool fMain::PrintParameters(const ParamPrintRequest& request) {
    if (request.printKind == PrintRules::kCustomize) {
        CustomizeSheetOutput output(app_.Modes(), app_.UserCustoms(), app_.ComparisonCustoms(),
                                    app_.InputSelections(), app_.OutputSelections(), app_.Method());
        return RunPrintDialog(output, [&](PrintRules& print) {
            print.SetCustomName(request.customName);
            print.SetCustoms(&app_.UserCustoms());
            print.SetPrintKind(request.printKind);
            print.SetOnlyDif(request.onlyDif);
        });
    }
    ParameterSheetOutput output(app_.Modes(), app_.Method());
    return RunPrintDialog(output, [&](PrintRules& print) {
        print.SetPrintKind(request.printKind);
        print.SetModeName(request.modeName);
        print.SetOnlyDif(request.onlyDif);
        print.SetPrintTokushu(request.printTokushu);
        print.SetPrintManufacturer(request.printManufacturer);
    });
}

bool fMain::PrintFeed(const FeedPrintRequest& request) {
    FeedSheetOutput output(app_.Modes(), app_.UserOkuris(), app_.ComparisonOkuris(), app_.Method());
    return RunPrintDialog(output, [&](PrintRules& print) {
        print.SetPrintKind(request.printKind);
        print.SetOkuriCaption(request.okuriCaption);
        print.SetOnlyDif(request.onlyDif);
    });
}

bool fMain::RunPrintDialog(PrintOutput& output, const std::function<void(PrintRules&)>& setUp) {
    PrintRules print(app_.Modes(), app_.Messages(), app_.Method(), *this, output);
    setUp(print);
    print.SetUserTableNumber(app_.State().userTable);
    print.SetFilesInUse(FileOpen::FilesInUse(app_.State()));
    // The export's progress shows in the status bar while it runs.
    print.SetProgress([this](const QString& text) {
        statusBar()->showMessage(text);
        statusBar()->repaint();
    });
    {
        fPrint dialog(print, this);
        dialog.exec();
    }
    statusBar()->clearMessage();
    if (print.DispExcel())
        fPrint::OpenExcelFile(print, app_.Property(), app_.Messages(), this);
    return print.Printed();
}

void fMain::ReadVOKGData() {
    // The table being edited again, after a print pushed unsaved edits into the model; the
    // windows keep their grids. The password and author may be changed and not yet saved: the
    // record keeps them, or the next save would write the old ones.
    CSelectTable& record = app_.SelectTable();
    const QString author = record.Author();
    const QString password = record.Password();
    const RunState& state = app_.State();
    if (FileOpen(app_, *this).ReadVOKGData(FileKind::User, state.userPath, state.userTable, true)) {
        record.SetAuthor(author);
        record.SetPassword(password);
    } else if (beforePrint_) {
        beforePrint_->Restore(app_);
    }
    beforePrint_.reset();
    SetCaption();
}

bool fMain::IsBusy() const {
    return app_.State().busy;
}

bool fMain::ExactPassWord(int kind) {
    return AccessLevels(app_).ExactPassWord(kind);
}

void fMain::SetManufacturerMenuVisible(bool visible) {
    if (QAction* item = GetManufacturerMenu())
        item->setVisible(visible);
}

void fMain::InputWindowClosed(InputWindow& window) {
    // The window's menu item loses its check mark (RemoveParameterMenuCeck and its twins).
    UpdateMenuChecks(&window);
    undoGroup_->removeStack(window.UndoStack());
    if (QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        frame->deleteLater();
}

void fMain::UpdateMenuChecks(const InputWindow* leaving) {
    QSet<QString> open;
    for (InputWindow* window : InputWindows())
        if (window != leaving)
            open.insert(window->Caption());
    // A checkable item toggles its own mark when chosen; the mark is set here from the windows
    // alone, so a refused or repeated choice never leaves it wrong.
    for (QMenu* menu : {parameterMenu_, customizeMenu_, feedMenu_}) {
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const bool isOpen = open.contains(item->text());
            if (isOpen)
                item->setCheckable(true);
            item->setChecked(isOpen);
        }
    }
}

QList<InputWindow*> fMain::InputWindows() const {
    QList<InputWindow*> windows;
    for (QMdiSubWindow* frame : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* window = qobject_cast<InputWindow*>(frame->widget()); window && frame->isVisible())
            windows.append(window);
    std::stable_sort(windows.begin(), windows.end(), [](const InputWindow* a, const InputWindow* b) {
        return a->LoadTime() < b->LoadTime();
    });
    return windows;
}

bool fMain::HasComparison() const {
    return !app_.State().comparisonPath.isEmpty();
}

bool fMain::UserFileIsDsg() const {
    return FileOpen::IsDSG(app_.State().userPath);
}

ProgramSettings& fMain::Settings() {
    return app_.Settings();
}

void fMain::mnuParameterContent_Click(QAction* item) {
    if (!item || item->isSeparator())
        return;
    const QString caption = item->text();
    if (IsSpecialMode(caption) && !ExistForm(caption) && !ExactPassWord(AccessLevels::SpecialMode)) {
        app_.Messages().ShowMsg(msg::SpecialPasswordMissed, platform::BoxKind::Exclamation);
        return;
    }
    if (IsManufacturerMode(caption) && !ExistForm(caption) &&
        !ExactPassWord(AccessLevels::ManufacturerMode)) {
        app_.Messages().ShowMsg(msg::ManufacturerPasswordMissed, platform::BoxKind::Exclamation);
        return;
    }
    OpenInputWindow(item, [this, caption]() -> InputWindow* {
        return new fParam(app_.Modes(), *this, app_.Messages(), app_.Method(), caption);
    });
    UpdateMenuChecks();
}

void fMain::mnuOkuriParamContent_Click(QAction* item) {
    if (!item || item->isSeparator())
        return;
    const QString caption = item->text();
    const QString tag = item->data().toString();
    OpenInputWindow(item, [this, caption, tag]() -> InputWindow* {
        if (fOkuriParam2::KindOf(caption))
            return new fOkuriParam2(app_.UserOkuris(), app_.ComparisonOkuris(), *this, app_.Messages(),
                                    app_.Method(), app_.String(), caption);
        return new fOkuriParam(app_.UserOkuris(), app_.ComparisonOkuris(), *this, app_.Messages(),
                               app_.Method(), app_.String(), caption, tag);
    });
    UpdateMenuChecks();
}

void fMain::ShowFeedMenu() {
    // Message 36: exclamation with Yes / No.
    if (app_.Messages().ShowMsg(msg::FeedWarning, platform::BoxKind::ExclamationYesNo) !=
        platform::Answer::Yes)
        return;
    if (btnOkuri_ && btnOkuri_->isVisible())
        feedMenu_->popup(btnOkuri_->mapToGlobal(QPoint(0, btnOkuri_->height())));
    else
        feedMenu_->popup(QCursor::pos());
}

void fMain::mnuCustomizeContent_Click(QAction* item) {
    if (!item || item->isSeparator())
        return;
    const QString group = item->text();
    OpenInputWindow(item, [this, group]() -> InputWindow* {
        return new fCustomize(
            {app_.UserCustoms(), app_.ComparisonCustoms(), app_.InputSelections(), app_.OutputSelections()},
            *this, app_.Messages(), app_.Method(), group);
    });
}

InputWindow* fMain::ExistForm(const QString& caption) const {
    for (InputWindow* window : InputWindows())
        if (window->Caption() == caption)
            return window;
    return nullptr;
}

InputWindow* fMain::OpenInputWindow(QAction* menuItem, const std::function<InputWindow*()>& create) {
    if (InputWindow* open = ExistForm(menuItem->text())) {
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        UpdateMenuChecks();
        return open;
    }
    if (CountInputForms() >= 4) {
        app_.Messages().ShowMsg(msg::CloseOtherWindows, platform::BoxKind::Exclamation);
        UpdateMenuChecks();
        return nullptr;
    }
    InputWindow* window = create();
    if (!window) {
        UpdateMenuChecks();
        return nullptr;
    }
    // The new window shows what the others hold unsaved, as an edit made now would reach it.
    window->TakeOverPendingValues();
    undoGroup_->addStack(window->UndoStack());
    QMdiSubWindow* frame = mdi_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(window->windowTitle().isEmpty() ? window->Caption() : window->windowTitle());
    window->show();
    UpdateMenuChecks();
    arrangeAction_->setEnabled(true);
    TileWindow(window);
    window->setFocus();
    return window;
}

void fMain::TileWindow(InputWindow* window) {
    ArrangeColumns();
    if (mdi_->subWindowList().size() > 1)
        SetFocusOp();
    if (window)
        if (QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            mdi_->setActiveSubWindow(frame);
}

void fMain::ArrangeColumns() {
    QList<QMdiSubWindow*> frames;
    for (InputWindow* window : InputWindows())
        if (QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            frame && !frame->isMinimized() && !frame->isMaximized())
            frames.append(frame);
    if (frames.isEmpty())
        return;
    // Side by side, oldest on the left; the last column takes the pixels the division leaves.
    const QSize area = mdi_->viewport()->size();
    const int count = static_cast<int>(frames.size());
    const int width = area.width() / count;
    for (int column = 0; column < count; ++column) {
        const int left = column * width;
        const int right = column == count - 1 ? area.width() : left + width;
        frames[column]->setGeometry(QRect(left, 0, right - left, area.height()));
    }
}

bool fMain::eventFilter(QObject* watched, QEvent* event) {
    // The editor windows follow the client area when the main window is resized.
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize)
        ArrangeColumns();
    return QMainWindow::eventFilter(watched, event);
}

void fMain::SetFocusOp() {
    // The most recently opened window ends on top.
    for (InputWindow* window : InputWindows())
        if (QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            mdi_->setActiveSubWindow(frame);
}

void fMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu(QString());
    openAction_ = fileMenu_->addAction(QString());
    recentMenu_ = fileMenu_->addMenu(QStringLiteral("Recent files"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecentFiles"));
    compareAction_ = fileMenu_->addAction(QStringLiteral(u"Compare files…"));
    fileMenu_->addSeparator();
    saveAllAction_ = fileMenu_->addAction(QString());
    saveAsAction_ = fileMenu_->addAction(QString());
    saveOtherAction_ = fileMenu_->addAction(QString());
    exportSeparator_ = fileMenu_->addSeparator();
    exportAction_ = fileMenu_->addAction(QStringLiteral("zrdl_Model.cの出力"));
    fileMenu_->addSeparator();
    versionAction_ = fileMenu_->addAction(QString());
    fileMenu_->addSeparator();
    closeAction_ = fileMenu_->addAction(QString());
    connect(closeAction_, &QAction::triggered, this, &QWidget::close);

    editMenu_ = bar->addMenu(QString());
    editHeader_ = editMenu_->addAction(QString());
    editParameter_ = editMenu_->addAction(QString());
    editPitch_ = editMenu_->addAction(QString());
    editCustomize_ = editMenu_->addAction(QString());
    editMenu_->addSeparator();
    undoGroup_ = new QUndoGroup(this);
    undoAction_ = editMenu_->addAction(QStringLiteral("Undo"));
    undoAction_->setObjectName(QStringLiteral("mnuUndo"));
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setEnabled(false);
    redoAction_ = editMenu_->addAction(QStringLiteral("Redo"));
    redoAction_->setObjectName(QStringLiteral("mnuRedo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoAction_->setEnabled(false);

    settingMenu_ = bar->addMenu(QString());
    for (int item = 0; item < 4; ++item) {
        settingActions_[item] = settingMenu_->addAction(QString());
        settingActions_[item]->setCheckable(true);
        connect(settingActions_[item], &QAction::triggered, this, [this, item] { ToggleSetting(item); });
    }
    settingMenu_->addSeparator();
    reviewAction_ = settingMenu_->addAction(QStringLiteral("&Review changes before saving"));
    reviewAction_->setObjectName(QStringLiteral("mnuReviewChanges"));
    reviewAction_->setCheckable(true);
    connect(reviewAction_, &QAction::triggered, this,
            [this](bool on) { app_.Settings().Set(Setting::DoesReviewChangesBeforeSaving, on); });

    parameterMenu_ = bar->addMenu(QString());
    parameterMenu_->setObjectName(QStringLiteral("mnuParameter"));
    arrangeAction_ = bar->addAction(QString());
    infoMenu_ = bar->addMenu(QString());
    passwordAction_ = infoMenu_->addAction(QString());

    customizeMenu_ = new QMenu(this);
    customizeMenu_->setObjectName(QStringLiteral("mnuCustomize"));
    comparisonMenu_ = new QMenu(this);
    feedMenu_ = new QMenu(this);
    saveMenu_ = new QMenu(this);
    saveMenu_->addAction(saveAllAction_);
    saveMenu_->addAction(saveAsAction_);
    saveMenu_->addAction(saveOtherAction_);

    userCaption_ = new QLabel(this);
    userPanel_ = new QLabel(this);
    comparisonCaption_ = new QLabel(this);
    comparisonPanel_ = new QLabel(this);
    userPanel_->setObjectName(QStringLiteral("keyUSER"));
    comparisonPanel_->setObjectName(QStringLiteral("keyHIKAKU"));
    statusBar()->addWidget(userCaption_);
    statusBar()->addWidget(userPanel_, 1);
    statusBar()->addWidget(comparisonCaption_);
    statusBar()->addWidget(comparisonPanel_, 1);
}

void fMain::SetUICaptions() {
    fileMenu_->setTitle(R(1529));
    openAction_->setText(R(1533));
    saveAllAction_->setText(R(1472));
    saveAsAction_->setText(R(1473));
    saveOtherAction_->setText(R(1474));
    versionAction_->setText(R(1591));
    closeAction_->setText(R(1534));
    editMenu_->setTitle(R(1530));
    editHeader_->setText(R(1535));
    editParameter_->setText(R(1536));
    editPitch_->setText(R(1537));
    editCustomize_->setText(R(1538));
    settingMenu_->setTitle(R(1531));
    for (int item = 0; item < 4; ++item)
        settingActions_[item]->setText(R(kSettingItems[item].resource));
    // The Parameter menu's own caption has no resource; it is kept from the window design.
    parameterMenu_->setTitle(QStringLiteral("&Parameter"));
    arrangeAction_->setText(R(1532));
    infoMenu_->setTitle(R(1586));
    passwordAction_->setText(R(1587));

    customizeMenu_->clear();
    for (int resource : kCustomizeItems) {
        if (resource == 0)
            customizeMenu_->addSeparator();
        else
            customizeMenu_->addAction(R(resource));
    }
    comparisonMenu_->clear();
    comparisonMenu_->addAction(R(1558));
    comparisonMenu_->addSeparator();
    for (int table = 1; table <= 8; ++table)
        comparisonMenu_->addAction(R(1559) + QStringLiteral(" &%1").arg(table));

    feedMenu_->clear();
    const char* const feedKeys[4][4] = {{"X_P1_A", "X_T1_A", "X_P2_A", "X_T2_A"},
                                        {"X_P1_B", "X_T1_B", "X_P2_B", "X_T2_B"},
                                        {"Y_P1_A", "Y_T1_A", "Y_P2_A", "Y_T2_A"},
                                        {"Y_P1_B", "Y_T1_B", "Y_P2_B", "Y_T2_B"}};
    for (const auto& group : feedKeys) {
        for (const char* key : group) {
            QAction* item = feedMenu_->addAction(QString::fromLatin1(key));
            item->setData(FeedRules::AxisMenuTag());
        }
        feedMenu_->addSeparator();
    }
    feedMenu_->addAction(R(1572));
    feedMenu_->addSeparator();
    feedMenu_->addAction(R(1520))->setData(QStringLiteral("0\t0"));
    feedMenu_->addSeparator();
    feedMenu_->addAction(R(1573))->setData(QStringLiteral("0\t0"));
    feedMenu_->addAction(R(1574))->setData(QStringLiteral("0\t0"));

    userCaption_->setText(R(1447));
    comparisonCaption_->setText(R(1448));

    RunState& state = app_.State();
    const int screenWidth = app_.Property().CrtResolution();
    state.smallScreen = screenWidth < 1153;
    state.verySmallScreen = screenWidth < 801;
    state.allModesCaption = R(1046);
}

void fMain::PastePicture() {
    auto iconOf = [](int id) {
        const std::optional<Picture> picture = LoadPictureById(id);
        return picture ? ToIcon(*picture) : QIcon();
    };
    if (openButton_)
        openButton_->setIcon(iconOf(PictureId::OpenBitmap));
    if (saveButton_)
        saveButton_->setIcon(iconOf(PictureId::SaveBitmap));
    if (closeButton_)
        closeButton_->setIcon(iconOf(PictureId::CloseBitmap));
}

void fMain::CreateToolbar() {
    if (toolBar_)
        return;
    toolBar_ = addToolBar(QStringLiteral("tBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto makeButton = [this](const QString& name, int resource) {
        auto* button = new QToolButton(toolBar_);
        button->setObjectName(name);
        button->setText(R(resource));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        toolBar_->addWidget(button);
        return button;
    };
    closeButton_ = makeButton(QStringLiteral("keyCLOSE"), 1469);
    connect(closeButton_, &QToolButton::clicked, this, &QWidget::close);
    toolBar_->addSeparator();
    openButton_ = makeButton(QStringLiteral("keyOPEN"), 1470);
    connect(openButton_, &QToolButton::clicked, openAction_, &QAction::trigger);
    saveButton_ = makeButton(QStringLiteral("keySAVE"), 1471);
    saveButton_->setMenu(saveMenu_);
    saveButton_->setPopupMode(QToolButton::MenuButtonPopup);
    // The button itself overwrites the user file; its arrow offers the three save commands.
    connect(saveButton_, &QToolButton::clicked, this, [this] { Save(SaveMode::Overwrite, true); });
    toolBar_->addSeparator();

    QFont tahoma(QStringLiteral("Tahoma"));
    auto makeCommand = [&](const QString& name, int resource, QAction** action = nullptr) {
        auto* button = new QPushButton(R(resource), toolBar_);
        button->setObjectName(name);
        button->setFont(tahoma);
        QAction* added = toolBar_->addWidget(button);
        if (action)
            *action = added;
        return button;
    };
    btnHikaku_ = makeCommand(QStringLiteral("btnHikaku"), 1546);
    toolBar_->addSeparator();
    btnHeader_ = makeCommand(QStringLiteral("btnHeader"), 1547, &btnHeaderAction_);
    btnParameter_ = makeCommand(QStringLiteral("btnParameter"), 1548);
    btnOkuri_ = makeCommand(QStringLiteral("btnOkuri"), 1549, &btnOkuriAction_);
    btnCustomize_ = makeCommand(QStringLiteral("btnCustomize"), 1550);
    connect(btnHeader_, &QPushButton::clicked, this, [this] { EditHeader(); });

    // Pop-up menus open at the lower-left corner of the pressed button.
    auto popupUnder = [](QPushButton* button, QMenu* menu) {
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    };
    connect(btnParameter_, &QPushButton::clicked, this,
            [=, this] { popupUnder(btnParameter_, parameterMenu_); });
    connect(btnCustomize_, &QPushButton::clicked, this,
            [=, this] { popupUnder(btnCustomize_, customizeMenu_); });
    connect(btnHikaku_, &QPushButton::clicked, this, [=, this] { popupUnder(btnHikaku_, comparisonMenu_); });
    connect(btnOkuri_, &QPushButton::clicked, this, [this] { ShowFeedMenu(); });
}

void fMain::EnableCommands() {
    const RunState& state = app_.State();
    const bool open = !state.userPath.isEmpty();
    const bool design = open && FileOpen::IsDSG(state.userPath);
    if (saveButton_)
        saveButton_->setEnabled(design);
    saveAllAction_->setEnabled(design);
    saveAsAction_->setEnabled(design);
    saveOtherAction_->setEnabled(design);
    passwordAction_->setEnabled(design);
    editMenu_->setEnabled(open);
    parameterMenu_->setEnabled(open);
    arrangeAction_->setEnabled(open);
    infoMenu_->setEnabled(open);
    exportAction_->setEnabled(open);
    for (QPushButton* button : {btnHikaku_, btnCustomize_, btnOkuri_, btnParameter_, btnHeader_})
        if (button)
            button->setEnabled(open);
}

void fMain::Create_mnuParam() {
    parameterMenu_->clear();
    parameterMenu_->addAction(app_.State().allModesCaption);
    parameterMenu_->addSeparator();
    const CModes& modes = app_.Modes();
    for (int index = 1; index <= modes.Count(); ++index)
        parameterMenu_->addAction(modes.Item(index)->ModeName());
    if (QAction* manufacturer = GetManufacturerMenu())
        manufacturer->setVisible(false);
}

QAction* fMain::GetManufacturerMenu() const {
    QAction* found = nullptr;
    for (QAction* item : parameterMenu_->actions())
        if (!item->isSeparator() && IsManufacturerMode(item->text()))
            found = item;
    return found;
}

int fMain::GetMenuIndexByMode(const QString& modeName) const {
    const QList<QAction*> items = parameterMenu_->actions();
    for (int index = 0; index < items.size(); ++index)
        if (items[index]->text() == modeName)
            return index + 1;
    return 0;
}

void fMain::SetCaption() {
    setWindowTitle(app_.Identity().baseName + QStringLiteral(" Ver") + QString::fromLatin1(kProgramVersion));
    const RunState& state = app_.State();
    const CModes& modes = app_.Modes();
    if (!state.userPath.isEmpty())
        userPanel_->setText(QStringLiteral("%1[%2] (%3, %4)")
                                .arg(QFileInfo(state.userPath).fileName())
                                .arg(state.userTable)
                                .arg(modes.KishuName(), modes.DataVersion()));
    else
        userPanel_->clear();
    if (!state.comparisonPath.isEmpty())
        comparisonPanel_->setText(QStringLiteral("%1[%2] (%3, %4)")
                                      .arg(QFileInfo(state.comparisonPath).fileName())
                                      .arg(state.comparisonTable)
                                      .arg(modes.KishuName2(), modes.DataVersion2()));
    else
        comparisonPanel_->clear();
}

void fMain::FitToWorkArea() {
    fitToWorkArea_ = true;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is placed in the work area; the margins were given in twips.
    const QRect frame(area.left() + TwipsToPixels(5), area.top() + TwipsToPixels(5),
                      area.width() - TwipsToPixels(5), area.height() - TwipsToPixels(15));
    const QMargins decoration =
        frameGeometry().size() == size()
            ? QMargins()
            : QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(),
                       frameGeometry().bottom() - geometry().bottom());
    setGeometry(frame.marginsRemoved(decoration));
}

void fMain::SetHiddenCommands(bool showHeader, bool showFeed, bool showExport) {
    if (btnHeaderAction_)
        btnHeaderAction_->setVisible(showHeader);
    editHeader_->setVisible(showHeader);
    if (btnOkuriAction_)
        btnOkuriAction_->setVisible(showFeed);
    editPitch_->setVisible(showFeed);
    exportSeparator_->setVisible(showExport);
    exportAction_->setVisible(showExport);
}

void fMain::LoadSettingMarks() {
    for (int item = 0; item < 4; ++item)
        settingActions_[item]->setChecked(app_.Settings().Get(kSettingItems[item].setting));
    reviewAction_->setChecked(app_.Settings().Get(Setting::DoesReviewChangesBeforeSaving));
}

void fMain::ToggleSetting(int item) {
    QAction* action = settingActions_[item];
    app_.Settings().Set(kSettingItems[item].setting, action->isChecked());
}

void fMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window frame's own size is known only once the window is on the screen: the frame
    // is fitted into the work area again then, so that no edge lies off the screen.
    if (fitToWorkArea_ && !event->spontaneous())
        QMetaObject::invokeMethod(this, &fMain::FitToWorkArea, Qt::QueuedConnection);
}

void fMain::closeEvent(QCloseEvent* event) {
    RunState& state = app_.State();
    CommitPendingEdits();
    if (state.mainChanged) {
        // Message 38: Yes / No / Cancel.
        switch (app_.Messages().ShowMsg(msg::NotSavedQuestion, platform::BoxKind::QuestionYesNoCancel)) {
        case platform::Answer::Yes:
            // Only a save that succeeded lets the program end: the edits are still only here.
            if (!FileSave(app_, *this).SaveAllFiles(SaveMode::Overwrite, true)) {
                event->ignore();
                return;
            }
            CancelAllUpdate();
            break;
        case platform::Answer::No:
            FileOpen(app_, *this).DiscardUnsavedChanges();
            break;
        default:
            event->ignore();
            return;
        }
    }
    if (!CloseEditorWindowsForExit()) {
        event->ignore();
        return;
    }
    if (compareWindow_)
        compareWindow_->close();
    Startup(app_).DeleteTempFiles();
    event->accept();
}

bool fMain::CloseEditorWindowsForExit() {
    // Every window answers first; a Cancel anywhere keeps every window and every edit.
    QList<QPair<InputWindow*, FormUnloadDecision>> decisions;
    for (InputWindow* window : InputWindows()) {
        const FormUnloadDecision decision = window->AskBeforeClosing();
        if (decision == FormUnloadDecision::Stay)
            return false;
        decisions.append({window, decision});
    }
    // The edits answered No go first, so that a save for another window cannot write them.
    for (const auto& [window, decision] : decisions)
        if (decision == FormUnloadDecision::Drop)
            window->ControlChange(false);
    for (const auto& [window, decision] : decisions) {
        if (decision != FormUnloadDecision::Save || !window->IsChanged())
            continue;
        window->BTN_Click(1);
        if (window->IsChanged())
            return false; // not saved: the program and the window stay
    }
    mdi_->closeAllSubWindows();
    return mdi_->subWindowList().isEmpty();
}

} // namespace vokg
