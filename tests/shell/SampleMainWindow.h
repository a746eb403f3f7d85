#pragma once

#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "tests/shell/ShellFixture.h"

#include <QTest>

#include <memory>

// The start of a main-window test: the sample definitions loaded as the start-up loads them.
inline void LoadSampleDefinitions(ShellFixture& fixture) {
    fixture.CopySampleTables();
    vokg::Startup startup(fixture.App());
    startup.ApplyRegData();
    if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture.Folder(), false}))
        qFatal("the sample definitions did not load");
}

// The main window with its captions, toolbar, commands and parameter menu, as the program's run
// builds them before it shows the window.
inline std::unique_ptr<vokg::fMain> BuildMainWindow(ShellFixture& fixture) {
    auto window = std::make_unique<vokg::fMain>(fixture.App());
    window->SetUICaptions();
    window->CreateToolbar();
    window->EnableCommands();
    window->Create_mnuParam();
    return window;
}

// Shows the window at `width` × `height` and waits until it is on the screen.
inline void ShowMainWindow(vokg::fMain& window, int width, int height) {
    window.resize(width, height);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("the main window was not shown");
}
