// The review of a save (Setting menu): the list of what a save will write, shown after the edits
// went into the model and before anything is written; Cancel writes nothing and keeps every edit,
// Save writes what a save without the review writes. The companion's set --dry-run prints the
// same lines.
#include "editors/fCustomize.h"
#include "editors/fHeader.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/COkuris.h"
#include "shell/TableDiff.h"
#include "shell/gui/fReviewChanges.h"
#include "shell/messages/Messages.h"
#include "tests/cli/CliRun.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/WhenShown.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTreeWidget>

using platform::Answer;
using testsupport::WhenShown;
using vokg::fCustomize;
using vokg::fReviewChanges;

namespace {

const QString kReviewItem = QStringLiteral("&Review changes before saving");
const QString kReviewKey = QStringLiteral("DoesReviewChangesBeforeSaving");

enum class Edit { Parameter, Header, Customize, Feed, Pitch };

// Chooses `caption` in an open pop-up menu with the mouse.
bool PickInPopup(QMenu* menu, const QString& caption) {
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    for (QAction* item : menu->actions())
        if (item->text() == caption) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            QCoreApplication::processEvents();
            return QTest::qWaitFor([menu] { return !menu->isVisible(); });
        }
    return false;
}

// Types into a cell of any editor grid: the first key opens the editor, Enter commits.
void TypeInto(platform::Grid& grid, int row, int col, const QString& text) {
    for (QWidget* parent = grid.parentWidget(); parent != nullptr; parent = parent->parentWidget())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parent))
            frame->mdiArea()->setActiveSubWindow(frame);
    grid.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid.window()));
    grid.SetTopRow(row);
    grid.Select(row, col);
    grid.View()->setFocus();
    for (const QChar ch : text) {
        QWidget* editor = MainWindowFixture::Editor(grid);
        QTest::keyClick(editor ? editor : grid.View(), ch.toLatin1());
    }
    QVERIFY(grid.IsEditing());
    QTest::keyClick(MainWindowFixture::Editor(grid), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(grid.TextMatrix(row, col), text);
}

// The sample open in a main window with the review switched on or off through the Setting menu.
struct ReviewFixture : MainWindowFixture {
    explicit ReviewFixture(bool review) {
        if (!window->OpenCommandLineFile(dsg))
            qFatal("the sample did not open");
        if (review)
            Pick(QStringLiteral("Se&tting"), kReviewItem);
    }

    fCustomize* OpenCustomize(const QString& group) {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCustomize")), Qt::LeftButton);
        if (!PickInPopup(window->CustomizeMenu(), group))
            return nullptr;
        return qobject_cast<fCustomize*>(window->ExistForm(group));
    }
    vokg::InputWindow* OpenFeed(const QString& caption) {
        Prompter().QueueAnswer(Answer::Yes); // the feed warning
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnOkuri")), Qt::LeftButton);
        if (!PickInPopup(window->FeedMenu(), caption))
            return nullptr;
        return window->ExistForm(caption);
    }

    // Makes the edit as a user does; `old` gets the value the file holds, `line` the review's
    // line for it; the window edited (none for the header dialog) and whether it shows the edit.
    struct Made {
        vokg::InputWindow* input = nullptr;
        std::function<bool()> marked;
        QString line;
    };
    Made MakeEdit(Edit edit) {
        Made made;
        switch (edit) {
        case Edit::Parameter: {
            vokg::fParam* all = Param(QStringLiteral("All"));
            const qint32 old = Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAX")).UserValue();
            Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
            made.input = all;
            const int row = RowOf(all, QStringLiteral("AREAX"));
            made.marked = [all, row] { return all->IsRowEdited(row) && all->IsChanged(); };
            made.line = QStringLiteral("table 1: digital MACHINE/AREAX: %1 -> 350").arg(old);
            break;
        }
        case Edit::Header:
            made.line = QStringLiteral("table 1: header.model: \"%1\" -> \"VK-9\"").arg(Modes().KishuName());
            break;
        case Edit::Customize: {
            fCustomize* outputs = OpenCustomize(QStringLiteral("All outputs"));
            const vokg::CCustom& o3 = *fixture.App().UserCustoms().Item(QStringLiteral("O3"));
            made.line = QStringLiteral("table 1: customize O3.off_delay: %1 -> 4321").arg(o3.OffDelayTime());
            const int row = *outputs->RowOf(QStringLiteral("O3"));
            TypeInto(*outputs->fg(), row, fCustomize::ColOffDelay, QStringLiteral("4321"));
            made.input = outputs;
            made.marked = [outputs, row] {
                return outputs->ValueIsDifCustomze(row, fCustomize::ColOffDelay) && outputs->IsChanged();
            };
            break;
        }
        case Edit::Feed: {
            auto* axis = qobject_cast<vokg::fOkuriParam*>(OpenFeed(QStringLiteral("X_P1_B")));
            const int old = fixture.App().UserOkuris().GetArray(QStringLiteral("X_P1_B")).at(2);
            made.line = QStringLiteral("table 1: feed X_P1_B[2]: %1 -> 12").arg(old);
            TypeInto(*axis->fg(), 3, vokg::fOkuriParam::ColUser, QStringLiteral("12"));
            made.input = axis;
            made.marked = [axis] {
                return axis->IsCellEdited(3, vokg::fOkuriParam::ColUser) && axis->IsChanged();
            };
            break;
        }
        case Edit::Pitch: {
            auto* pitch = qobject_cast<vokg::fOkuriParam2*>(OpenFeed(vokg::LoadMsg(573)));
            // Row 10 of X_T1 is the low byte of X_T1_B entry 4.
            const int old = fixture.App().UserOkuris().GetArray(QStringLiteral("X_T1_B")).at(4);
            made.line = QStringLiteral("table 1: feed X_T1_B[4]: %1 -> %2").arg(old).arg((old & 0xFF00) | 33);
            TypeInto(*pitch->fgUsr(), 10, 2, QStringLiteral("33"));
            made.input = pitch;
            made.marked = [pitch] { return pitch->IsCellEdited(10, 2) && pitch->IsChanged(); };
            break;
        }
        }
        return made;
    }

    // Saves through the edit's own route: the window's Save button, or the header dialog's
    // (typing the new model name first). The review, when it comes, is answered by `review`.
    // True when the review was shown.
    bool SaveThroughTheRoute(Edit edit, const Made& made,
                             const std::function<void(fReviewChanges&)>& review) {
        WhenShown<fReviewChanges> answer(review);
        if (edit != Edit::Header) {
            ClickSave(made.input);
            return answer.Ran();
        }
        WhenShown<vokg::fHeader> header([](vokg::fHeader& dialog) {
            dialog.KishuNameBox()->setFocus();
            dialog.KishuNameBox()->selectAll();
            QTest::keyClicks(dialog.KishuNameBox(), QStringLiteral("vk-9"));
            QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
            // A save that wrote nothing keeps the dialog open with the typed text.
            if (dialog.isVisible())
                QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnHeader")), Qt::LeftButton);
        if (!header.Ran())
            qWarning("the header dialog did not open");
        return answer.Ran();
    }

    static void ClickSave(vokg::InputWindow* input) {
        if (auto* param = qobject_cast<vokg::fParam*>(input))
            QTest::mouseClick(param->BTN(1), Qt::LeftButton);
        else if (auto* customize = qobject_cast<fCustomize*>(input))
            QTest::mouseClick(customize->BTN(1), Qt::LeftButton);
        else if (auto* feed = qobject_cast<vokg::FeedWindow*>(input))
            QTest::mouseClick(feed->BTN(1), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
};

// What the companion's dry run prints for the same edit over an untouched copy of the sample.
QStringList DryRunLines(const QString& definitions, const QString& assignment) {
    clirun::SampleCopy copy;
    const QByteArray before = copy.Bytes();
    QTemporaryDir settings;
    const clirun::Run run =
        clirun::RunCli({QStringLiteral("--defs"), definitions, QStringLiteral("set"),
                        copy.dsg + QStringLiteral(":1"), assignment, QStringLiteral("--dry-run")},
                       clirun::Environment(settings.path(), {}));
    if (run.status != 0)
        qWarning("set --dry-run: %s", run.err.constData());
    if (copy.Bytes() != before)
        qWarning("the dry run changed the file");
    return QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class SaveReviewTest : public QObject {
    Q_OBJECT
private slots:
    void theSwitchIsStoredAndReadBack();
    void eachKindOfEdit_data();
    void eachKindOfEdit();
    void saveAsAndOtherTablesAndNothingToSave();
    void aYesToTheClosingQuestion_data();
    void aYesToTheClosingQuestion();
    void screenshotOfTheReview();
};

void SaveReviewTest::theSwitchIsStoredAndReadBack() {
    MainWindowFixture main;
    QVERIFY(main.window->OpenCommandLineFile(main.dsg));
    QAction* item = main.window->ReviewAction();
    // Off by default, and not written until the user switches it.
    QVERIFY(!item->isChecked());
    QCOMPARE(main.fixture.StoredSetting(kReviewKey), QString());
    main.Pick(QStringLiteral("Se&tting"), kReviewItem);
    QVERIFY(item->isChecked());
    QCOMPARE(main.fixture.StoredSetting(kReviewKey), QStringLiteral("True"));
    {
        // A window built later (the next start) shows the stored switch.
        vokg::fMain later(main.fixture.App());
        later.SetUICaptions();
        later.LoadSettingMarks();
        QVERIFY(later.ReviewAction()->isChecked());
    }
    main.Pick(QStringLiteral("Se&tting"), kReviewItem);
    QVERIFY(!item->isChecked());
    QCOMPARE(main.fixture.StoredSetting(kReviewKey), QStringLiteral("False"));
    main.fixture.StoreSetting(kReviewKey, QStringLiteral("True"));
    main.window->LoadSettingMarks();
    QVERIFY(item->isChecked());
}

void SaveReviewTest::eachKindOfEdit_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("assignment"); // the same edit for the companion
    QTest::newRow("parameter") << Edit::Parameter << QStringLiteral("MACHINE/AREAX=350");
    QTest::newRow("header") << Edit::Header << QStringLiteral("header.model=VK-9");
    QTest::newRow("customize") << Edit::Customize << QStringLiteral("customize.O3.off_delay=4321");
    QTest::newRow("feed") << Edit::Feed << QStringLiteral("feed.X_P1_B[2]=12");
    QTest::newRow("pitch") << Edit::Pitch << QStringLiteral("feed.pitch.X_T1[9]=33");
}

// For each kind: the review lists the edit; Cancel leaves the file, the model and the marks;
// Save then writes what a save without the review writes; the dry run prints the same line.
void SaveReviewTest::eachKindOfEdit() {
    QFETCH(Edit, edit);
    QFETCH(QString, assignment);
    QByteArray unreviewed;
    {
        ReviewFixture plain(false);
        const ReviewFixture::Made made = plain.MakeEdit(edit);
        QVERIFY(!plain.SaveThroughTheRoute(edit, made, [](fReviewChanges& dialog) { dialog.reject(); }));
        unreviewed = ReadFile(plain.dsg);
    }

    ReviewFixture main(true);
    const QByteArray original = ReadFile(main.dsg);
    QVERIFY(unreviewed != original);
    const ReviewFixture::Made made = main.MakeEdit(edit);
    const QString model = main.Modes().KishuName();
    const QList<QList<int>> userFeed = vokg::ValuesOf(main.fixture.App(), vokg::TableSide::User).feed;
    QStringList shown;
    QString summary;
    QVERIFY(main.SaveThroughTheRoute(edit, made, [&](fReviewChanges& dialog) {
        shown = dialog.Lines();
        summary = dialog.SummaryLabel()->text();
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    }));
    QCOMPARE(shown, QStringList{made.line});
    QVERIFY2(summary.startsWith(QStringLiteral("Save into table 1 of ")), qPrintable(summary));
    QVERIFY2(summary.endsWith(QStringLiteral("\n1 change:")), qPrintable(summary));
    // Cancel: nothing written, the model as the file holds it, the edit still marked.
    QCOMPARE(ReadFile(main.dsg), original);
    QCOMPARE(main.Digital(QStringLiteral("MACHINE"), QStringLiteral("AREAX")).UserValue(),
             main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")));
    QCOMPARE(main.Modes().KishuName(), model);
    QCOMPARE(vokg::ValuesOf(main.fixture.App(), vokg::TableSide::User).feed, userFeed);
    if (made.input)
        QVERIFY(made.marked());

    QCOMPARE(DryRunLines(main.fixture.Folder(), assignment), shown);

    // Save: the review again, the same list, then the file as a save without the review writes it.
    QVERIFY(main.SaveThroughTheRoute(edit, made, [&](fReviewChanges& dialog) {
        shown = dialog.Lines();
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    }));
    QCOMPARE(shown, QStringList{made.line});
    QCOMPARE(ReadFile(main.dsg), unreviewed);
    if (made.input)
        QVERIFY(!made.input->IsChanged());
}

void SaveReviewTest::saveAsAndOtherTablesAndNothingToSave() {
    ReviewFixture main(true);
    const QByteArray original = ReadFile(main.dsg);
    // Nothing edited: the review says so and lists nothing; Save writes the same bytes again.
    QString summary;
    WhenShown<fReviewChanges> nothing([&](fReviewChanges& dialog) {
        summary = dialog.SummaryLabel()->text();
        QVERIFY(dialog.Lines().isEmpty());
        QVERIFY(!dialog.Tree()->isVisible());
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main.ToolButton("keySAVE"), Qt::LeftButton);
    QVERIFY(nothing.Ran());
    QVERIFY2(summary.contains(QStringLiteral("No value changes")), qPrintable(summary));
    QCOMPARE(ReadFile(main.dsg), original);

    // Save as: the new file is the open file with the table written; the list is what differs
    // from the open file, and the summary names the new file.
    vokg::fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    const QString copy = main.fixture.PathOf(QStringLiteral("COPY.DSG"));
    main.Prompter().QueueFile(platform::FileDialogResult{copy, 1});
    QList<QStringList> lists;
    QStringList summaries;
    WhenShown<fReviewChanges> first([&](fReviewChanges& dialog) {
        lists.append(dialog.Lines());
        summaries.append(dialog.SummaryLabel()->text());
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    main.Pick(QStringLiteral("&File"), vokg::ResourceText(1473));
    QVERIFY(first.Ran());
    // Cancelled: no new file, and the window keeps its edit.
    QCOMPARE(lists, QList<QStringList>{{QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350")}});
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(ReadFile(main.dsg), original);
    QVERIFY(all->IsChanged());

    main.Prompter().Clear();
    main.Prompter().QueueFile(platform::FileDialogResult{copy, 1});
    lists.clear();
    summaries.clear();
    WhenShown<fReviewChanges> saveAs([&](fReviewChanges& dialog) {
        lists.append(dialog.Lines());
        summaries.append(dialog.SummaryLabel()->text());
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    });
    main.Pick(QStringLiteral("&File"), vokg::ResourceText(1473));
    QVERIFY(saveAs.Ran());
    QCOMPARE(lists, QList<QStringList>{{QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350")}});
    QVERIFY2(summaries.value(0).startsWith(
                 QStringLiteral("Save as %1: a copy of %2 with table 1 written")
                     .arg(QDir::toNativeSeparators(copy), QDir::toNativeSeparators(main.dsg))),
             qPrintable(summaries.value(0)));
    QVERIFY(QFileInfo::exists(copy));
    QCOMPARE(ReadFile(main.dsg), original);

    // Into other tables: each table chosen lists what it holds against what comes in. Table 1
    // of COPY.DSG (now the open file) into its table 2: the lines of the companion's diff of
    // table 2 against table 1, with the table named.
    QTemporaryDir settings;
    const clirun::Run diff =
        clirun::RunCli({QStringLiteral("--defs"), main.fixture.Folder(), QStringLiteral("diff"),
                        copy + QStringLiteral(":2"), copy + QStringLiteral(":1")},
                       clirun::Environment(settings.path(), {}));
    QCOMPARE(diff.status, 1);
    QStringList expected;
    for (const QString& line : QString::fromUtf8(diff.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        expected.append(QStringLiteral("table 2: ") + line);
    const QByteArray copyBefore = ReadFile(copy);
    main.Prompter().Clear();
    main.Prompter().QueueTables({2});
    lists.clear();
    summaries.clear();
    WhenShown<fReviewChanges> other([&](fReviewChanges& dialog) {
        lists.append(dialog.Lines());
        summaries.append(dialog.SummaryLabel()->text());
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    main.Pick(QStringLiteral("&File"), vokg::ResourceText(1474));
    QVERIFY(other.Ran());
    QCOMPARE(ReadFile(copy), copyBefore);
    QVERIFY(lists.size() == 1);
    // The special and manufacturer modes are counted with their values hidden; the diff leaves them out.
    QStringList shownValues;
    for (const QString& line : lists.first())
        if (!line.endsWith(QStringLiteral(": changed")))
            shownValues.append(line);
    QCOMPARE(shownValues, expected);
    QVERIFY2(summaries.value(0).startsWith(QStringLiteral("Save into table 2 of %1: the values being edited "
                                                          "replace what that table holds.")
                                               .arg(QDir::toNativeSeparators(copy))),
             qPrintable(summaries.value(0)));
}

void SaveReviewTest::aYesToTheClosingQuestion_data() {
    QTest::addColumn<bool>("programExit");
    QTest::newRow("the window's close box") << false;
    QTest::newRow("the program's exit") << true;
}

// The save behind "save it?" is reviewed too: Cancel keeps the window (and the program) with the
// edit and writes nothing; Save writes and the window goes.
void SaveReviewTest::aYesToTheClosingQuestion() {
    QFETCH(bool, programExit);
    ReviewFixture main(true);
    const QByteArray original = ReadFile(main.dsg);
    vokg::fParam* all = main.Param(QStringLiteral("All"));
    MainWindowFixture::Type(all, QStringLiteral("AREAX"), QStringLiteral("350"));
    const auto close = [&] {
        main.Prompter().QueueAnswer(Answer::Yes);
        if (programExit)
            main.window->close();
        else
            MainWindowFixture::CloseBox(all);
    };
    QStringList shown;
    {
        WhenShown<fReviewChanges> cancel([&](fReviewChanges& dialog) {
            shown = dialog.Lines();
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
        close();
        QVERIFY(cancel.Ran());
    }
    QCOMPARE(shown, QStringList{QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350")});
    QCOMPARE(ReadFile(main.dsg), original);
    QVERIFY(main.window->isVisible());
    QCOMPARE(main.window->ExistForm(QStringLiteral("All")), all);
    QVERIFY(all->IsChanged());
    QCOMPARE(MainWindowFixture::Cell(all, QStringLiteral("AREAX")), QStringLiteral("350"));

    WhenShown<fReviewChanges> save(
        [&](fReviewChanges& dialog) { QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton); });
    close();
    QVERIFY(save.Ran());
    QTRY_VERIFY(!main.window->ExistForm(QStringLiteral("All")));
    QCOMPARE(main.window->isVisible(), !programExit);
    QCOMPARE(main.StoredValue(QStringLiteral("MACHINE"), QStringLiteral("AREAX")), 350);
}

void SaveReviewTest::screenshotOfTheReview() {
    ReviewFixture main(true);
    MainWindowFixture::Type(main.Param(QStringLiteral("All")), QStringLiteral("AREAX"),
                            QStringLiteral("350"));
    const ReviewFixture::Made customize = main.MakeEdit(Edit::Customize);
    QImage picture;
    QStringList lines;
    QVERIFY(main.SaveThroughTheRoute(Edit::Customize, customize, [&](fReviewChanges& dialog) {
        lines = dialog.Lines();
        QTest::qWait(100);
        picture = main.window->grab().toImage();
        // Offscreen windows have no frame: the picture draws a title bar and a border for it.
        QPainter painter(&picture);
        const QPoint at = main.window->mapFromGlobal(dialog.mapToGlobal(QPoint(0, 0)));
        const QRect title(at.x(), at.y() - 24, dialog.width(), 24);
        painter.fillRect(title, QColor(0x3b, 0x5b, 0x8c));
        painter.setPen(Qt::white);
        painter.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, dialog.windowTitle());
        painter.drawPixmap(at, dialog.grab());
        painter.setPen(QColor(0x3b, 0x5b, 0x8c));
        painter.drawRect(
            QRect(title.topLeft(), QSize(dialog.width(), dialog.height() + 24)).adjusted(0, 0, -1, -1));
        painter.end();
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    }));
    QCOMPARE(lines,
             (QStringList{QStringLiteral("table 1: digital MACHINE/AREAX: 300 -> 350"), customize.line}));
    const QString folder =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("VOKG_SCREENSHOT_DIR"));
    if (!folder.isEmpty())
        QVERIFY(picture.save(QDir(folder).filePath(QStringLiteral("review-dialog.png"))));
}

QTEST_MAIN(SaveReviewTest)
#include "tst_save_review.moc"
