#include "editors/fParam.h"
#include "platform/gui/Grid.h"
#include "shell/Startup.h"
#include "shell/gui/fMain.h"
#include "tests/shell/ShellFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

// The main window on a small screen (1366 x 768, set up by main() below): it keeps to the work
// area however many editor windows it holds, and every window shows its values and buttons.
class SmallScreenTest : public QObject {
    Q_OBJECT

private:
    ShellFixture fixture_;
    std::unique_ptr<vokg::fMain> window_;

    void OpenMode(const QString& mode) {
        QMenuBar* bar = window_->menuBar();
        QMenu* menu = window_->ParameterMenu();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        for (QAction* item : menu->actions())
            if (item->text() == mode)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QCoreApplication::processEvents();
    }

    // The widget is shown whole inside the window's client area, which lies on the screen.
    void VerifyInView(QWidget* widget) {
        QVERIFY(widget->isVisible());
        QWidget* area = window_->Mdi()->viewport();
        const QRect rect(widget->mapTo(area, QPoint(0, 0)), widget->size());
        QVERIFY2(area->rect().contains(rect), qPrintable(widget->objectName()));
        const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        QVERIFY2(window_->screen()->availableGeometry().contains(onScreen), qPrintable(widget->objectName()));
    }
    // Every window shows its buttons and line count; with `values`, its value column too.
    void VerifyEveryWindowInView(bool values) {
        for (vokg::InputWindow* input : window_->InputWindows()) {
            auto* param = qobject_cast<vokg::fParam*>(input);
            VerifyInView(param->BTN(9));
            VerifyInView(param->lblLines());
            VerifyInView(param->btnFind());
            if (!values)
                continue;
            const std::optional<QRect> cell = param->fg()->CellRect(1, vokg::fParam::ColUser);
            QVERIFY(cell.has_value());
            QVERIFY2(cell->right() < param->fg()->View()->width(), qPrintable(input->Caption()));
        }
    }

private slots:
    void initTestCase() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(screen.size(), QSize(1366, 768));
        fixture_.CopySampleTables();
        vokg::Startup startup(fixture_.App());
        startup.ApplyRegData();
        QVERIFY(startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), fixture_.Folder(), false}));
        const QString dsg = fixture_.CopySample(QStringLiteral("SAMPLE.DSG"));
        fixture_.CopySample(QStringLiteral("SAMPLE.DSK"));
        window_ = std::make_unique<vokg::fMain>(fixture_.App());
        window_->SetUICaptions();
        window_->CreateToolbar();
        window_->EnableCommands();
        window_->Create_mnuParam();
        window_->SetHiddenCommands(true, true, false);
        window_->FitToWorkArea();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTRY_VERIFY(window_->screen()->availableGeometry().contains(window_->frameGeometry()));
        QVERIFY(window_->OpenCommandLineFile(dsg));
    }

    void keepsToTheWorkAreaWithTwoWindows() {
        const QRect work = window_->screen()->availableGeometry();
        const QRect before = window_->frameGeometry();
        QVERIFY(work.contains(before));
        OpenMode(QStringLiteral("MACHINE"));
        QCOMPARE(window_->CountInputForms(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(window_->frameGeometry(), before);
        VerifyEveryWindowInView(true);
        const QString folder = qEnvironmentVariable("VOKG_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(window_->grab().save(QDir(folder).filePath(QStringLiteral("small-screen.png"))));
    }

    void keepsToTheWorkAreaWithFourWindows() {
        const QRect before = window_->frameGeometry();
        OpenMode(QStringLiteral("SEWING"));
        OpenMode(QStringLiteral("SPEED"));
        QCOMPARE(window_->CountInputForms(), 4);
        QCoreApplication::processEvents();
        QCOMPARE(window_->frameGeometry(), before);
        VerifyEveryWindowInView(false);
    }

    void windowsFollowTheMainWindowsSize() {
        window_->resize(1000, 600);
        QCoreApplication::processEvents();
        const QSize area = window_->Mdi()->viewport()->size();
        int right = 0;
        for (QMdiSubWindow* frame : window_->Mdi()->subWindowList(QMdiArea::CreationOrder)) {
            QCOMPARE(frame->geometry().left(), right);
            QCOMPARE(frame->height(), area.height());
            right = frame->geometry().right() + 1;
        }
        QCOMPARE(right, area.width());
        VerifyEveryWindowInView(false);
    }

    void cleanupTestCase() {
        for (vokg::InputWindow* input : window_->InputWindows())
            input->ControlChange(false);
        window_->close();
        window_.reset();
    }
};

int main(int argc, char** argv) {
    // The offscreen platform takes its screens from a file.
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1366, "height": 768,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_small_screen.moc"
