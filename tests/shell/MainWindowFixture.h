#pragma once

#include "editors/InputWindow.h"
#include "editors/fParam.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "platform/gui/Grid.h"
#include "shell/FileOpen.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "tests/shell/SampleMainWindow.h"
#include "tests/shell/ShellFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A main window loaded as at start-up, over the sample definitions.
struct MainWindowFixture {
    ShellFixture fixture;
    std::unique_ptr<vokg::fMain> window;
    QString dsg;
    QString dat;

    MainWindowFixture() {
        LoadSampleDefinitions(fixture);
        dsg = fixture.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture.CopySample(QStringLiteral("SAMPLE.DSK"));
        dat = fixture.CopySample(QStringLiteral("VOKG0001.dat"));
        window = std::make_unique<vokg::fMain>(fixture.App());
        window->SetUICaptions();
        window->LoadSettingMarks();
        window->CreateToolbar();
        window->PastePicture();
        window->EnableCommands();
        window->Create_mnuParam();
        window->SetCaption();
        window->SetHiddenCommands(true, true, false);
        ShowMainWindow(*window, 1400, 900);
    }
    ~MainWindowFixture() {
        // Whatever a test left unsaved goes without a question.
        fixture.App().State().mainChanged = false;
        for (vokg::InputWindow* input : window->InputWindows())
            input->ControlChange(false);
        window->close();
    }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    testsupport::ScriptedPrompter& Prompter() { return fixture.Prompter(); }
    vokg::CModes& Modes() { return fixture.App().Modes(); }
    vokg::CDigital& Digital(const QString& mode, const QString& name) {
        return *Modes().Item(mode)->Digits().Find(name);
    }

    QAction* MenuItem(const QString& caption) const {
        for (QAction* item : window->ParameterMenu()->actions())
            if (item->text() == caption)
                return item;
        return nullptr;
    }
    QMenu* BarMenu(const QString& title) const {
        for (QAction* item : window->menuBar()->actions())
            if (item->menu() && item->text() == title)
                return item->menu();
        return nullptr;
    }
    QAction* ItemOf(QMenu* menu, const QString& text) const {
        for (QAction* item : menu->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }
    QAction* SaveAll() const { return ItemOf(BarMenu(QStringLiteral("&File")), QStringLiteral("&Save all")); }

    // Picks an item of a menu of the menu bar with the mouse.
    void Pick(const QString& menuTitle, const QString& itemText) {
        QMenu* menu = BarMenu(menuTitle);
        QVERIFY2(menu, qPrintable(menuTitle));
        QAction* item = ItemOf(menu, itemText);
        QVERIFY2(item, qPrintable(itemText));
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QCoreApplication::processEvents();
    }
    // Opens the window of a mode from the Parameter menu with the mouse.
    void OpenMode(const QString& mode) { Pick(QStringLiteral("&Parameter"), mode); }

    vokg::fParam* Param(const QString& caption) const {
        return qobject_cast<vokg::fParam*>(window->ExistForm(caption));
    }
    QToolButton* ToolButton(const char* name) const {
        return window->findChild<QToolButton*>(QLatin1String(name));
    }
    // The close box of a window's frame, as the window system sends it.
    static void CloseBox(vokg::InputWindow* input) {
        qobject_cast<QMdiSubWindow*>(input->parentWidget())->close();
        QCoreApplication::processEvents();
    }

    static int RowOf(const vokg::fParam* param, const QString& digital) {
        return param->fg()->FindRow(digital, vokg::fParam::ColDigital).value_or(-1);
    }
    static QString Cell(const vokg::fParam* param, const QString& digital, int col = vokg::fParam::ColUser) {
        return param->fg()->TextMatrix(RowOf(param, digital), col);
    }
    // Types into the value cell of a digital as a user does: the first key goes to the grid,
    // the rest to the editor it opened; Enter commits, otherwise the editor stays open.
    static void Type(vokg::fParam* param, const QString& digital, const QString& text, bool commit = true) {
        platform::Grid& grid = *param->fg();
        if (auto* frame = qobject_cast<QMdiSubWindow*>(param->parentWidget()))
            frame->mdiArea()->setActiveSubWindow(frame);
        param->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(param->window()))
            qWarning("the main window is not active");
        grid.Select(RowOf(param, digital), vokg::fParam::ColUser);
        grid.View()->setFocus();
        for (const QChar ch : text) {
            QWidget* editor = Editor(grid);
            QTest::keyClick(editor ? editor : grid.View(), ch.toLatin1());
        }
        if (commit && grid.IsEditing()) {
            QTest::keyClick(Editor(grid), Qt::Key_Return);
            QCoreApplication::processEvents();
        }
    }
    // The text box of the grid's open cell editor.
    static QLineEdit* Editor(platform::Grid& grid) {
        if (!grid.IsEditing())
            return nullptr;
        for (QLineEdit* box : grid.findChildren<QLineEdit*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }
    // The value a table of the file holds, read back the way the program reads it.
    qint32 StoredValue(const QString& mode, const QString& name) {
        vokg::CModes& modes = Modes();
        const vokg::OpeningState opening{false, false};
        if (!modes.ReadDataDigitals(vokg::FileKind::Comparison, dsg, 1, opening))
            qWarning("the file could not be read back");
        // Kind 1 read it into the comparison value; the user value stays.
        const qint32 stored = Digital(mode, name).CmpValue();
        return stored;
    }
};
