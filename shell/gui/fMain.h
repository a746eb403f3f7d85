#pragma once

#include "editors/EditorServices.h"
#include "shell/EditorHost.h"
#include "shell/ModelSnapshot.h"
#include "shell/gui/fCompare.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class QPushButton;
class QUndoGroup;

namespace vokg {

class App;
class InputWindow;
class PrintOutput;
class PrintRules;
struct TableDifference;
struct TableField;

// The multiple-document frame: menus, toolbar, status panels and the editor windows.
class fMain : public QMainWindow, public EditorHost, public EditorServices {
    Q_OBJECT
public:
    explicit fMain(App& app, QWidget* parent = nullptr);

    // What open and save ask of the editor windows.
    void CommitPendingEdits() override;
    bool IsExistChanged() const override;
    void CancelAllUpdate() override;
    void CloseAllForm() override;
    void PasteHikakuValue() override;
    bool SaveAllVariables() override;
    void OpenAllModesWindow() override;
    void SetCaption() override;
    void EnableCommands() override;
    // With the Setting menu's review switched on, every save that writes a file shows its
    // changes first (fReviewChanges); the locked modes are counted, their values hidden.
    std::optional<FieldAccess> ReviewOfSaves() const override;
    bool ConfirmSave(const SaveReview& review) override;

    // What the editor windows ask of the main window.
    bool SaveAllFiles(SaveMode mode, bool withoutAsking) override;
    bool CanPrint() const override { return true; }
    bool PrintParameters(const ParamPrintRequest& request) override;
    bool PrintFeed(const FeedPrintRequest& request) override;
    void ReadVOKGData() override;
    bool IsBusy() const override;
    bool ExactPassWord(int kind) override;
    void SetManufacturerMenuVisible(bool visible) override;
    void InputWindowClosed(InputWindow& window) override;
    QList<InputWindow*> InputWindows() const override;
    bool HasComparison() const override;
    bool UserFileIsDsg() const override;
    ProgramSettings& Settings() override;

    // A Parameter-menu choice: the access checks, then the window of that mode (or of all).
    void mnuParameterContent_Click(QAction* item);
    // A customize-menu choice: the window of that group.
    void mnuCustomizeContent_Click(QAction* item);
    QMenu* CustomizeMenu() const { return customizeMenu_; }
    // Brings the window of that caption to the front, or opens it with `create` when fewer than
    // four input windows are open (message 80 otherwise).
    // A feed-menu choice: the pitch window for its three pitch items, the feed window otherwise.
    void mnuOkuriParamContent_Click(QAction* item);
    // The feed menu under the feed button, after the warning (message 36) was answered Yes.
    void ShowFeedMenu();
    QMenu* FeedMenu() const { return feedMenu_; }
    InputWindow* OpenInputWindow(QAction* menuItem, const std::function<InputWindow*()>& create);
    InputWindow* ExistForm(const QString& caption) const;
    int CountInputForms() const { return static_cast<int>(InputWindows().size()); }
    // Arranges the editor windows side by side in columns of the client area, in the order they
    // were opened (a window alone fills it), and gives `window` the focus.
    void TileWindow(InputWindow* window);
    void SetFocusOp();

    // Opens the file named on the command line as the user file at table 1.
    bool OpenCommandLineFile(const QString& file);

    // The value the main window's changed flag takes after the password or author changed:
    // only a design file can store them.
    bool m_IsChanged(bool flag) const;

    // Puts every caption from the message resources and sets the screen-size run state.
    void SetUICaptions();
    void PastePicture();
    void CreateToolbar();
    void Create_mnuParam();
    // The check marks of the option switches (the four and the review), from the stored settings.
    void LoadSettingMarks();

    // Places the window inside the desktop work area.
    void FitToWorkArea();

    // Shows or hides the hidden commands (header, feed) and the C-source export item.
    void SetHiddenCommands(bool showHeader, bool showFeed, bool showExport);

    QMenu* ParameterMenu() const { return parameterMenu_; }
    QAction* GetManufacturerMenu() const;
    int GetMenuIndexByMode(const QString& modeName) const;

    QMdiArea* Mdi() const { return mdi_; }

    // Edit -> Undo and Redo: the history of the active editor window, named by its next step.
    QAction* UndoAction() const { return undoAction_; }
    QAction* RedoAction() const { return redoAction_; }

    // File menu: the files opened last, and the window that compares two files.
    QMenu* RecentMenu() const { return recentMenu_; }
    QAction* ReviewAction() const { return reviewAction_; }
    QAction* CompareAction() const { return compareAction_; }
    fCompare* CompareWindow() const { return compareWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A design or machine data file dropped on the window opens as File -> Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    // The menu items of the editor windows carry a check mark exactly while their window is
    // open; `leaving` is a window that is closing.
    void UpdateMenuChecks(const InputWindow* leaving = nullptr);
    // The windows laid out in columns again (after the client area changed size).
    void ArrangeColumns();
    // Exit: every window decides before any closes; false when one of them stays.
    bool CloseEditorWindowsForExit();
    void ToggleSetting(int item);
    void ConnectCommands();
    // Runs the print dialog over `output` as `setUp` prepares its rules.
    bool RunPrintDialog(PrintOutput& output, const std::function<void(PrintRules&)>& setUp);
    void Save(SaveMode mode, bool withoutAsking);
    void OpenComparison(QAction* item);
    void EditHeader();
    void EditPasswordAndAuthor();
    // File 54: the firmware C-source dialog over the user table.
    void ShowModelSourceExport();
    // File 56: a version-information file chosen, then its text shown; a cancel shows nothing.
    void ShowVersionInfo();
    QString VersionInfoOp();
    // The user-file opens a user starts (File -> Open, a dropped file, a recent file): the same
    // questions and checks; a file opened goes to the top of the recent files.
    bool OpenUserFile(const QString& file);
    void RememberOpenedFile();
    void FillRecentMenu();
    void OpenRecentFile(const QString& file);
    void ShowCompareWindow();
    // A line double-clicked in the compare window opens the user table's window on its row, by
    // the menu's own route: a digital its mode's parameter window, a signal the window of every
    // input or output, a feed entry its feed or pitch window (for a user given the feed windows,
    // after their warning). A header line has no window; the status bar says so.
    void ShowDifference(const TableDifference& difference);
    void ShowDigitalDifference(const TableField& field);
    void ShowCustomizeDifference(const QString& name);
    void ShowFeedDifference(const QString& name);
    // Undo or redo a step of the active window, after every open editor was finished.
    void UndoOrRedo(bool undo);
    void FollowUndoGroup();

    App& app_;
    // The model as it was before a print pushed unsaved edits into it.
    std::optional<ModelSnapshot> beforePrint_;
    bool fitToWorkArea_ = false; // the frame keeps to the work area

    QMdiArea* mdi_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* settingMenu_ = nullptr;
    QMenu* parameterMenu_ = nullptr;
    QMenu* infoMenu_ = nullptr;
    QMenu* customizeMenu_ = nullptr;
    QMenu* comparisonMenu_ = nullptr;
    QMenu* feedMenu_ = nullptr;
    QMenu* saveMenu_ = nullptr;
    QAction* arrangeAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAllAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* saveOtherAction_ = nullptr;
    QAction* exportSeparator_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* versionAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* compareAction_ = nullptr;
    QPointer<fCompare> compareWindow_;
    QAction* closeAction_ = nullptr;
    QAction* editHeader_ = nullptr;
    QAction* editParameter_ = nullptr;
    QAction* editPitch_ = nullptr;
    QAction* editCustomize_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QUndoGroup* undoGroup_ = nullptr;
    QAction* passwordAction_ = nullptr;
    std::array<QAction*, 4> settingActions_{};
    QAction* reviewAction_ = nullptr; // Setting: review changes before saving
    QToolBar* toolBar_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QPushButton* btnHikaku_ = nullptr;
    QPushButton* btnCustomize_ = nullptr;
    QPushButton* btnOkuri_ = nullptr;
    QPushButton* btnParameter_ = nullptr;
    QPushButton* btnHeader_ = nullptr;
    QAction* btnHeaderAction_ = nullptr; // a toolbar widget is shown and hidden through its action
    QAction* btnOkuriAction_ = nullptr;
    QLabel* userCaption_ = nullptr;
    QLabel* userPanel_ = nullptr;
    QLabel* comparisonCaption_ = nullptr;
    QLabel* comparisonPanel_ = nullptr;
};

} // namespace vokg
