#include "shell/gui/ProgramRun.h"

#include "hlpkit/CMethod.h"
#include "platform/ProcessList.h"
#include "platform/SingleInstanceLock.h"
#include "platform/gui/KeyboardState.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "shell/Version.h"
#include "shell/gui/DialogPrompter.h"
#include "shell/gui/ProgramIcon.h"
#include "shell/gui/fMain.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/ProgramSettings.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace vokg {
namespace {

// Status of a program that ended during its start.
constexpr int kEndedAtStart = 3;

// The command-line item that shows the C-source export command.
constexpr const char* kExportKeyword = "ZRDL";

bool HasExportKeyword(const QString& commandLine) {
    for (const QString& item : commandLine.split(QLatin1Char(',')))
        if (item.trimmed().compare(QLatin1String(kExportKeyword), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void SaveScreenshot(QWidget& window, const QString& path) {
    QScreen* screen = window.screen();
    QPixmap picture = screen ? screen->grabWindow(0) : window.grab();
    if (picture.isNull())
        picture = window.grab();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path))
        std::fprintf(stderr, "Could not save the screenshot to %s\n", qPrintable(path));
}

} // namespace

ProgramOptions ParseProgramArguments(const QStringList& arguments) {
    ProgramOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets up the controller of programmable sewing machines: opens a design file (.DSG) or a machine\n"
        "data file (.dat), edits a table's parameters beside a comparison table and saves them back."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version and ends."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Saves a picture of the main window to FILE, then ends."), QStringLiteral("FILE"));
    const QCommandLineOption screenshotMenu(
        QStringLiteral("screenshot-menu"),
        QStringLiteral("With --screenshot: the menu NAME (Parameter) drops down."), QStringLiteral("NAME"));
    parser.addOptions({help, version, screenshot, screenshotMenu});
    parser.addPositionalArgument(
        QStringLiteral("items"),
        QStringLiteral(
            "Comma-separated items (several arguments are joined with commas): the first that names an\n"
            "existing file is opened at table 1; the item ZRDL shows the C-source export command."),
        QStringLiteral("[items...]"));
    const QString programName = arguments.isEmpty() ? QStringLiteral("VOKG_SET") : arguments.first();
    if (!parser.parse(arguments.isEmpty() ? QStringList{programName} : arguments)) {
        options.answerOnly = true;
        options.answer = programName + QStringLiteral(": ") + parser.errorText() + QStringLiteral("\n") +
                         QStringLiteral("Try '%1 --help'.\n").arg(programName);
        options.answerStatus = 2;
        return options;
    }
    if (parser.isSet(help)) {
        options.answerOnly = true;
        QString text = parser.helpText();
        // Qt writes the name of a program it has not been told of as a placeholder.
        const qsizetype end = text.indexOf(QLatin1Char('\n'));
        text.replace(0, end, QStringLiteral("Usage: %1 [options] [items...]").arg(programName));
        options.answer = text;
        return options;
    }
    if (parser.isSet(version)) {
        options.answerOnly = true;
        options.answer = QStringLiteral("VOKG_SET %1\n").arg(QString::fromLatin1(kProgramVersion));
        return options;
    }
    options.screenshotPath = parser.value(screenshot);
    options.screenshotMenu = parser.value(screenshotMenu);
    // Each argument is one item of the comma-separated command line.
    options.commandLine = parser.positionalArguments().join(QLatin1Char(','));
    return options;
}

int PrintAnswer(const ProgramOptions& options) {
    const QByteArray text = options.answer.toLocal8Bit();
    std::FILE* stream = options.answerStatus == 0 ? stdout : stderr;
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    std::fflush(stream);
    return options.answerStatus;
}

int RunProgram(const ProgramOptions& options) {
    if (options.answerOnly)
        return PrintAnswer(options);
    QApplication::setWindowIcon(ProgramIcon());
    // The prompter reports its own failures through a method utility of its own: the shared
    // objects do not exist yet when it is made.
    std::unique_ptr<hlpkit::CMethod> prompterMethod = hlpkit::Create<hlpkit::CMethod>();
    if (!prompterMethod)
        return kEndedAtStart;
    DialogPrompter prompter(nullptr, *prompterMethod,
                            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    App app(prompter, ProgramIdentity{programFolder, baseName});
    Startup startup(app);

    // Initialization, before the main window is loaded.
    platform::SingleInstanceLock lock(baseName);
    if (!startup.CheckSingleInstance(lock))
        return kEndedAtStart;
    if (!startup.CheckSiblingTool(platform::ProcessList()))
        return kEndedAtStart;

    // The main window's load sequence.
    if (!app.CreateActiveX())
        return kEndedAtStart;
    startup.SweepWorkFolders();
    fMain window(app);
    window.SetUICaptions();
    if (!startup.CheckRequiredFiles())
        return kEndedAtStart;
    startup.ApplyRegData();
    window.LoadSettingMarks();
    // The function tree opens where it was left; its place is kept in the settings.
    QRect treePlace(app.State().selectionTreeLeft, app.State().selectionTreeTop,
                    app.State().selectionTreeWidth, app.State().selectionTreeHeight);
    prompter.SetFunctionTables(&app.InputSelections(), &app.OutputSelections(), &treePlace,
                               [&app](const QRect& place) {
                                   RunState& state = app.State();
                                   state.selectionTreeLeft = place.left();
                                   state.selectionTreeTop = place.top();
                                   state.selectionTreeWidth = place.width();
                                   state.selectionTreeHeight = place.height();
                                   ProgramSettings& settings = app.Settings();
                                   settings.Set(Setting::fSelCus_Left, place.left());
                                   settings.Set(Setting::fSelCus_Top, place.top());
                                   settings.Set(Setting::fSelCus_Width, place.width());
                                   settings.Set(Setting::fSelCus_Height, place.height());
                               });
    if (!startup.LoadDefinitionTables()) {
        app.Messages().ShowMsg(msg::DefinitionsFailed, platform::BoxKind::Critical);
        return kEndedAtStart;
    }
    window.FitToWorkArea();
    window.CreateToolbar();
    window.PastePicture();
    window.EnableCommands();
    window.Create_mnuParam();
    window.SetCaption();
    // The hidden commands: Ctrl+H (header) and Ctrl+P (feed) held while the window loads.
    window.SetHiddenCommands(platform::IsControlChordHeld(QLatin1Char('H')),
                             platform::IsControlChordHeld(QLatin1Char('P')),
                             HasExportKeyword(options.commandLine));
    window.show();

    window.OpenCommandLineFile(Startup::FindFileNameFromCommand(options.commandLine));

    if (!options.screenshotPath.isEmpty()) {
        if (options.screenshotMenu == QLatin1String("Parameter"))
            QTimer::singleShot(800, &window,
                               [&] { window.ParameterMenu()->popup(window.mapToGlobal(QPoint(120, 20))); });
        QTimer::singleShot(1500, &window, [&] {
            SaveScreenshot(window, options.screenshotPath);
            window.close();
        });
    }
    const int status = QApplication::exec();
    app.ReleaseActiveX();
    return status;
}

} // namespace vokg
