#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class QPushButton;

namespace vokg {

class App;

// The multiple-document frame: menus, toolbar, status panels and the editor windows.
class fMain : public QMainWindow {
    Q_OBJECT
public:
    explicit fMain(App& app, QWidget* parent = nullptr);

    // Puts every caption from the message resources and sets the screen-size run state.
    void SetUICaptions();
    void PastePicture();
    void CreateToolbar();
    void EnableCommands();
    void Create_mnuParam();
    void SetCaption();
    // The check marks of the four option switches, from the stored settings.
    void LoadSettingMarks();

    // Places the window inside the desktop work area.
    void FitToWorkArea();

    // Shows or hides the hidden commands (header, feed) and the C-source export item.
    void SetHiddenCommands(bool showHeader, bool showFeed, bool showExport);

    QMenu* ParameterMenu() const { return parameterMenu_; }
    QAction* GetManufacturerMenu() const;
    int GetMenuIndexByMode(const QString& modeName) const;

    bool ChangedFlag() const { return changed_; }
    void SetChangedFlag(bool changed) { changed_ = changed; }
    bool Busy() const { return busy_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ToggleSetting(int item);

    App& app_;
    bool changed_ = false;
    bool busy_ = false;

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
    QAction* closeAction_ = nullptr;
    QAction* editHeader_ = nullptr;
    QAction* editParameter_ = nullptr;
    QAction* editPitch_ = nullptr;
    QAction* editCustomize_ = nullptr;
    QAction* passwordAction_ = nullptr;
    std::array<QAction*, 4> settingActions_{};
    QToolBar* toolBar_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QPushButton* btnHikaku_ = nullptr;
    QPushButton* btnCustomize_ = nullptr;
    QPushButton* btnOkuri_ = nullptr;
    QPushButton* btnParameter_ = nullptr;
    QPushButton* btnHeader_ = nullptr;
    QLabel* userCaption_ = nullptr;
    QLabel* userPanel_ = nullptr;
    QLabel* comparisonCaption_ = nullptr;
    QLabel* comparisonPanel_ = nullptr;
};

} // namespace vokg
