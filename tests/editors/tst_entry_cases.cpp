// One table of entries (tests/data/entry-cases.tsv), each fed through the rule itself, through the
// companion as a user runs it, and through the window a user would type it into: all must give
// the entry's verdict.
#include "editors/EditorServices.h"
#include "editors/fCustomize.h"
#include "editors/fHeader.h"
#include "editors/fInpChoppingDuty.h"
#include "editors/fInpPassword.h"
#include "editors/fOkuriParam.h"
#include "editors/fOkuriParam2.h"
#include "editors/fParam.h"
#include "editors/rules/CustomizeRules.h"
#include "editors/rules/FeedRules.h"
#include "editors/rules/HeaderRules.h"
#include "editors/rules/ParamRules.h"
#include "editors/rules/PasswordRules.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CString.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"
#include "tests/cli/CliRun.h"
#include "tests/editors/FakeEditorServices.h"
#include "tests/support/DefinitionBuilder.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using testsupport::DefinitionBuilder;

namespace {

// The kinds of entry typed into a window.
const QStringList kWindowKinds{QStringLiteral("digital"),  QStringLiteral("header"),
                               QStringLiteral("password"), QStringLiteral("author"),
                               QStringLiteral("feed"),     QStringLiteral("customize")};

struct EntryCase {
    QString kind;
    QString target;
    QString typed;
    QString verdict;
};

QString Unescape(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
            plain.append(text[i] == u's' ? QChar(u' ') : text[i]);
        } else {
            plain.append(text[i]);
        }
    }
    return plain;
}

QList<EntryCase> LoadCases() {
    QList<EntryCase> cases;
    QFile file(QStringLiteral(VOKG_SOURCE_DIR "/tests/data/entry-cases.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("the entry cases cannot be read");
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 4)
            qFatal("an entry case needs KIND, TARGET, TYPED and VERDICT: %s", qPrintable(line));
        cases.append({fields[0], fields[1], Unescape(fields[2]), fields[3]});
    }
    return cases;
}

// "=TEXT" for a value stored as TEXT, else the text of the message that refused it.
QString Expected(const QString& verdict) {
    if (verdict.startsWith(QLatin1Char('#'))) {
        const QStringList parts = verdict.mid(1).split(QLatin1Char(':'));
        QVariantList details;
        for (qsizetype i = 1; i < parts.size(); ++i)
            details.append(parts[i]);
        return vokg::ComposeMessage(parts[0].toInt(), details);
    }
    if (verdict.startsWith(QLatin1Char('!')))
        return verdict.mid(1);
    return verdict;
}

QString Outcome(const vokg::EntryVerdict& verdict) {
    return verdict.Accepted() ? QStringLiteral("=") + *verdict.accepted : verdict.MessageText();
}

// The main window as the parameter window sees it: nothing to save, no other window.
struct QuietServices : testsupport::FakeEditorServices {
    QuietServices() { saveSucceeds = false; }
};

constexpr int kNumrAddress = 34; // 2 bytes; LOW's MAX names it
constexpr int kChoiceAddress = 40;

} // namespace

class EntryCasesTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    QTemporaryDir folder_;
    QString definitions_;
    std::unique_ptr<vokg::CModes> modes_;
    std::unique_ptr<vokg::CCusSelections> inputFunctions_;
    std::unique_ptr<vokg::CCusSelections> outputFunctions_;
    hlpkit::CString keys_;
    std::unique_ptr<vokg::CCustoms> userCustoms_;
    std::unique_ptr<vokg::CCustoms> comparisonCustoms_;

    void AddRows(bool windowOnly) {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        int line = 0;
        for (const EntryCase& entry : LoadCases()) {
            ++line;
            if (windowOnly && (!kWindowKinds.contains(entry.kind) || !Typable(entry)))
                continue;
            QTest::addRow("%d %s %s \"%s\"", line, qPrintable(entry.kind), qPrintable(entry.target),
                          qPrintable(entry.typed))
                << entry.kind << entry.target << entry.typed << Expected(entry.verdict);
        }
    }

    vokg::CDigital& Digital(const QString& target) {
        const QStringList parts = target.split(QLatin1Char('/'));
        vokg::CDigital* digital = modes_->Item(parts[0])->Digits().Find(parts[1]);
        if (digital == nullptr)
            qFatal("no digital %s", qPrintable(target));
        return *digital;
    }

    // A selection digital is chosen from its drop-down list: only its choices reach the window.
    // A feed cell takes digits only: anything else is dropped as it is typed. Logic, operation and
    // duty are chosen from lists (or toggled): nothing is typed there.
    bool Typable(const EntryCase& entry) {
        if (entry.kind == QLatin1String("feed"))
            return std::all_of(entry.typed.cbegin(), entry.typed.cend(),
                               [](QChar ch) { return ch.isDigit(); });
        if (entry.kind == QLatin1String("customize")) {
            const QString field = entry.target.section(QLatin1Char('.'), 1);
            return field != QLatin1String("logic") && field != QLatin1String("dosa") &&
                   field != QLatin1String("duty");
        }
        if (entry.kind != QLatin1String("digital"))
            return true;
        const vokg::CDigital& digital = Digital(entry.target);
        return digital.InputType() != QLatin1String("SEL") ||
               vokg::ParamRules::ChoiceValue(digital, entry.typed);
    }

    // The one message shown since the last look, or "=" + the value when nothing was shown.
    QString Shown(const QString& value) {
        const QStringList texts = prompter_.MessageTexts();
        prompter_.Clear();
        if (texts.size() > 1)
            return QStringLiteral("more than one message: ") + texts.join(QStringLiteral(" | "));
        return texts.isEmpty() ? QStringLiteral("=") + value : texts.first();
    }

    QString ThroughTheParameterWindow(const QString& target, const QString& typed) {
        QuietServices services;
        vokg::fParam window(*modes_, services, messenger_, method_, target.section(QLatin1Char('/'), 0, 0));
        window.resize(1000, 400);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return QStringLiteral("the parameter window was not shown");
        platform::Grid& grid = *window.fg();
        const std::optional<int> row =
            grid.FindRow(target.section(QLatin1Char('/'), 1), vokg::fParam::ColDigital);
        const std::optional<QRect> cell = row ? grid.CellRect(*row, vokg::fParam::ColUser) : std::nullopt;
        if (!cell)
            return QStringLiteral("no value cell");
        // A double click on the value cell opens its editor, as it does for the user.
        QWidget* area = grid.View()->viewport();
        const QPoint centre = area->mapFrom(&grid, cell->center());
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
        if (!grid.IsEditing())
            return QStringLiteral("the value cell did not open for editing");
        if (auto* list = grid.findChild<QComboBox*>(QStringLiteral("GridListEditor"))) {
            // Typing a choice's first letter picks it, and picking commits it.
            QTest::keyClicks(list, typed.left(1));
        } else {
            QLineEdit* box = nullptr;
            for (QLineEdit* candidate : grid.findChildren<QLineEdit*>())
                if (candidate->isVisible())
                    box = candidate;
            if (box == nullptr)
                return QStringLiteral("no text box in the open cell");
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCoreApplication::processEvents();
        const bool stillOpen = grid.IsEditing();
        const QString outcome = Shown(grid.TextMatrix(*row, vokg::fParam::ColUser));
        // A refused value keeps the edit open with the typed text; an accepted one closes it.
        if (stillOpen == outcome.startsWith(QLatin1Char('=')))
            return QStringLiteral("the edit is %1 after: %2").arg(stillOpen ? "open" : "closed", outcome);
        if (stillOpen)
            grid.CancelEditing();
        window.ControlChange(false);
        return outcome;
    }

    // The feed window that shows the target (X_P1_A[3], other[4], pitch.X_P1[0], XYLM[0]) over the
    // sample's table 1, and the cell the entry is typed into.
    QString ThroughTheFeedWindow(const QString& target, const QString& typed) {
        static const QRegularExpression cell(QStringLiteral("^(pitch\\.)?([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
        const QRegularExpressionMatch match = cell.match(target);
        vokg::COkuris user(vokg::ModelContext{method_, messenger_});
        vokg::COkuris comparison(vokg::ModelContext{method_, messenger_});
        if (!user.ReadData(QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSG"), 1))
            return QStringLiteral("the sample's feed table was not read");
        QuietServices services;
        const QString key = match.captured(2);
        const int row = match.captured(3).toInt() + 1;
        std::unique_ptr<vokg::FeedWindow> window;
        platform::Grid* grid = nullptr;
        int col = vokg::fOkuriParam::ColUser;
        if (!match.captured(1).isEmpty() || vokg::COkuris::LongKeys().contains(key)) {
            const QString caption = match.captured(1).isEmpty()
                                        ? vokg::LoadMsg(572)
                                        : vokg::LoadMsg(key.startsWith(u'X') ? 573 : 574);
            auto pitch = std::make_unique<vokg::fOkuriParam2>(user, comparison, services, messenger_, method_,
                                                              keys_, caption);
            grid = pitch->fgUsr();
            col = int(vokg::fOkuriParam2::KeysOf(pitch->WindowKindNumber()).indexOf(key)) + 1;
            window = std::move(pitch);
        } else {
            const QString caption = key == QLatin1String("other") ? vokg::COkuris::OtherValuesKey() : key;
            auto feed = std::make_unique<vokg::fOkuriParam>(user, comparison, services, messenger_, method_,
                                                            keys_, caption, vokg::FeedRules::AxisMenuTag());
            grid = feed->fg();
            window = std::move(feed);
        }
        window->resize(900, 500);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return QStringLiteral("the feed window was not shown");
        grid->SetTopRow(row);
        const std::optional<QRect> rect = grid->CellRect(row, col);
        if (!rect)
            return QStringLiteral("no value cell");
        QWidget* area = grid->View()->viewport();
        const QPoint centre = area->mapFrom(grid, rect->center());
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
        QLineEdit* box = nullptr;
        for (QLineEdit* candidate : grid->findChildren<QLineEdit*>())
            if (candidate->isVisible())
                box = candidate;
        if (box == nullptr)
            return QStringLiteral("the value cell did not open for editing");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        const bool stillOpen = grid->IsEditing();
        const QString outcome = Shown(grid->TextMatrix(row, col));
        if (stillOpen == outcome.startsWith(QLatin1Char('=')))
            return QStringLiteral("the edit is %1 after: %2").arg(stillOpen ? "open" : "closed", outcome);
        if (stillOpen)
            grid->CancelEditing();
        window->ControlChange(false);
        return outcome;
    }

    // A time or a function typed into its cell of the customize window; a free duty's times
    // into the duty dialog, the other time valid.
    QString ThroughTheCustomizeWindow(const QString& target, const QString& typed) {
        const QString location = target.section(QLatin1Char('.'), 0, 0);
        const QString field = target.section(QLatin1Char('.'), 1);
        if (field.startsWith(QLatin1String("chopping_"))) {
            vokg::fInpChoppingDuty dialog(messenger_, method_);
            dialog.SetChoppingOnTime(20);
            dialog.SetChoppingOffTime(20);
            dialog.show();
            QLineEdit* box = dialog.txtChoppingTime(field == QLatin1String("chopping_on") ? 1 : 2);
            box->setFocus();
            box->clear();
            QTest::keyClicks(box, typed);
            QTest::mouseClick(dialog.BTN(), Qt::LeftButton);
            return Shown(QString::number(field == QLatin1String("chopping_on") ? dialog.ChoppingOnTime()
                                                                               : dialog.ChoppingOffTime()));
        }
        QuietServices services;
        vokg::fCustomize window({*userCustoms_, *comparisonCustoms_, *inputFunctions_, *outputFunctions_},
                                services, messenger_, method_,
                                location.startsWith(QLatin1Char('I')) ? QStringLiteral("All inputs")
                                                                      : QStringLiteral("All outputs"));
        window.resize(1400, 400);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return QStringLiteral("the customize window was not shown");
        const QHash<QString, int> columns{{QStringLiteral("kino"), vokg::fCustomize::ColKino},
                                          {QStringLiteral("on_delay"), vokg::fCustomize::ColOnDelay},
                                          {QStringLiteral("off_delay"), vokg::fCustomize::ColOffDelay},
                                          {QStringLiteral("zenpa"), vokg::fCustomize::ColZenpa}};
        const int col = columns.value(field, -1);
        const std::optional<int> row = window.RowOf(location);
        platform::Grid& grid = *window.fg();
        if (!row || col < 0)
            return QStringLiteral("no cell for ") + target;
        // The cell opens for typing from the keyboard (F2), as the function cell does for a name.
        grid.Select(*row, col);
        grid.View()->setFocus();
        QTest::keyClick(grid.View(), Qt::Key_F2);
        QLineEdit* box = nullptr;
        for (QLineEdit* candidate : grid.findChildren<QLineEdit*>())
            if (candidate->isVisible())
                box = candidate;
        if (!grid.IsEditing() || box == nullptr)
            return QStringLiteral("the cell did not open for editing");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        const bool stillOpen = grid.IsEditing();
        const QString stored = col == vokg::fCustomize::ColKino ? grid.CellData(*row, col).toString()
                                                                : grid.TextMatrix(*row, col);
        const QString outcome = Shown(stored);
        if (stillOpen == outcome.startsWith(QLatin1Char('=')))
            return QStringLiteral("the edit is %1 after: %2").arg(stillOpen ? "open" : "closed", outcome);
        if (stillOpen)
            grid.CancelEditing();
        window.ControlChange(false);
        return outcome;
    }

    QString ThroughTheHeaderDialog(const QString& field, const QString& typed) {
        QString model = QStringLiteral("OLD");
        QString version = QStringLiteral("OLD");
        vokg::fHeader dialog(
            messenger_, method_, fHeaderAccess(model, version), [] { return true; }, true);
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            return QStringLiteral("the header dialog did not become active");
        QLineEdit* box = field == QLatin1String("model") ? dialog.KishuNameBox() : dialog.DataVersionBox();
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, typed);
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        return Shown(field == QLatin1String("model") ? model : version);
    }
    static vokg::fHeader::HeaderAccess fHeaderAccess(QString& model, QString& version) {
        return {[&model] { return model; }, [&model](const QString& text) { model = text; },
                [&version] { return version; }, [&version](const QString& text) { version = text; }};
    }

    QString ThroughThePasswordDialog(bool password, const QString& typed) {
        vokg::fInpPassword dialog(messenger_, method_);
        dialog.SetPassword(QString());
        dialog.SetAuthor(QString());
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            return QStringLiteral("the password dialog did not become active");
        QLineEdit* box = password ? dialog.PasswordBox() : dialog.AuthorBox();
        box->setFocus();
        QTest::keyClicks(box, typed);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        return Shown(password ? dialog.Password() : dialog.Author());
    }

    QString ThroughTheRule(const QString& kind, const QString& target, const QString& typed) {
        if (kind == QLatin1String("digital")) {
            const vokg::CDigital& digital = Digital(target);
            return Outcome(vokg::ParamRules::ValidateEntry(digital, typed, digital.Min(), digital.Max()));
        }
        if (kind == QLatin1String("header"))
            return Shown(vokg::HeaderRules::AcceptText(typed, messenger_) ? typed : QString());
        if (kind == QLatin1String("password"))
            return Outcome(vokg::PasswordRules::CheckPassword(vokg::PasswordRules::TrimSpaces(typed)));
        if (kind == QLatin1String("author"))
            return Outcome(vokg::PasswordRules::CheckAuthor(vokg::PasswordRules::TrimSpaces(typed)));
        if (kind == QLatin1String("feed")) {
            static const QRegularExpression cell(
                QStringLiteral("^(pitch\\.)?([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
            const QRegularExpressionMatch match = cell.match(target);
            std::optional<vokg::NumberRange> range;
            if (match.captured(2) == QLatin1String("other"))
                range = vokg::FeedRules::OtherValueRange(match.captured(3).toInt());
            else if (match.captured(2).endsWith(QLatin1String("_A")) ||
                     match.captured(2).endsWith(QLatin1String("_B")))
                range = vokg::FeedRules::AxisRange();
            else
                range = vokg::FeedRules::PitchWindowRange(match.captured(2));
            return range ? Outcome(vokg::FeedRules::CheckEntry(typed, *range))
                         : QStringLiteral("no feed range");
        }
        const QString field = target.section(QLatin1Char('.'), 1);
        const bool output = target.startsWith(QLatin1Char('O'));
        if (field == QLatin1String("kino"))
            return Outcome(
                vokg::CustomizeRules::CheckFunction(typed, output ? *outputFunctions_ : *inputFunctions_));
        if (field == QLatin1String("logic") || field == QLatin1String("dosa"))
            return Outcome(vokg::CustomizeRules::CheckLogicOrOperation(typed));
        if (field == QLatin1String("duty"))
            return Outcome(vokg::CustomizeRules::CheckDutyCode(typed));
        if (field.startsWith(QLatin1String("chopping_")))
            return Outcome(vokg::CustomizeRules::CheckManualTime(typed));
        return Outcome(vokg::CustomizeRules::CheckTime(typed));
    }

    // The value the companion's dump shows for the target, as the verdict writes it.
    static QString Dumped(const QJsonObject& table, const QString& kind, const QString& target,
                          const QString& typed) {
        if (kind == QLatin1String("digital")) {
            for (const QJsonValue& item : table[QStringLiteral("digitals")].toArray()) {
                const QJsonObject digital = item.toObject();
                if (digital[QStringLiteral("mode")].toString() + QLatin1Char('/') +
                        digital[QStringLiteral("digital")].toString() !=
                    target)
                    continue;
                return digital.contains(QStringLiteral("text"))
                           ? digital[QStringLiteral("text")].toString()
                           : QString::number(digital[QStringLiteral("value")].toInt());
            }
            return QStringLiteral("not dumped");
        }
        if (kind == QLatin1String("header") || kind == QLatin1String("author"))
            return table[QStringLiteral("header")]
                .toObject()[kind == QLatin1String("author") ? QStringLiteral("author") : target]
                .toString();
        if (kind == QLatin1String("password")) // the dump opened with it: it is the password now
            return table[QStringLiteral("header")].toObject()[QStringLiteral("protected")].toBool()
                       ? typed
                       : QString();
        if (kind == QLatin1String("feed")) {
            static const QRegularExpression cell(
                QStringLiteral("^(pitch\\.)?([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
            const QRegularExpressionMatch match = cell.match(target);
            QJsonObject feed = table[QStringLiteral("feed")].toObject();
            if (!match.captured(1).isEmpty())
                feed = feed[QStringLiteral("pitch")].toObject();
            return QString::number(feed[match.captured(2)].toArray()[match.captured(3).toInt()].toInt());
        }
        const QString location = target.section(QLatin1Char('.'), 0, 0);
        const QString field = target.section(QLatin1Char('.'), 1);
        for (const QJsonValue& item : table[QStringLiteral("customize")].toArray()) {
            const QJsonObject row = item.toObject();
            if (row[QStringLiteral("location")].toString() != location)
                continue;
            const QJsonValue value = row[field];
            return value.isString() ? value.toString() : QString::number(value.toInt());
        }
        return QStringLiteral("not dumped");
    }

    QString ThroughTheCompanion(const QString& kind, const QString& target, const QString& typed) {
        clirun::SampleCopy copy;
        // LOW's MAX names NUMR (300); CHOICE holds A.
        if (!copy.Patch(1, kNumrAddress, QByteArray::fromHex("012c")) ||
            !copy.Patch(1, kChoiceAddress, QByteArray(1, 0)))
            return QStringLiteral("the sample could not be copied");
        QString assignment;
        if (kind == QLatin1String("digital"))
            assignment = target;
        else if (kind == QLatin1String("header"))
            assignment = QStringLiteral("header.") + target;
        else if (kind == QLatin1String("password") || kind == QLatin1String("author"))
            assignment = QStringLiteral("header.") + kind;
        else
            assignment = kind + QLatin1Char('.') + target;
        const QProcessEnvironment environment =
            clirun::Environment(folder_.filePath(QStringLiteral("settings")), {});
        const QStringList defs{QStringLiteral("--defs"), definitions_};
        const clirun::Run set =
            clirun::RunCli(defs + QStringList{QStringLiteral("set"), copy.dsg + QStringLiteral(":1"),
                                              assignment + QLatin1Char('=') + typed},
                           environment);
        if (set.status == 6)
            return QString::fromUtf8(set.err).trimmed();
        if (set.status != 0)
            return QStringLiteral("set ended with status %1: %2")
                .arg(set.status)
                .arg(QString::fromUtf8(set.err));
        QStringList dumpArguments =
            defs + QStringList{QStringLiteral("dump"), copy.dsg + QStringLiteral(":1")};
        if (kind == QLatin1String("password") && !typed.trimmed().isEmpty())
            dumpArguments << QStringLiteral("--password") << typed.trimmed();
        const clirun::Run dump = clirun::RunCli(dumpArguments, environment);
        if (dump.status != 0)
            return QStringLiteral("dump ended with status %1: %2")
                .arg(dump.status)
                .arg(QString::fromUtf8(dump.err));
        return QStringLiteral("=") + Dumped(QJsonDocument::fromJson(dump.out).object(), kind, target, typed);
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        definitions_ = folder_.filePath(QStringLiteral("defs"));
        QVERIFY(QDir().mkpath(definitions_));
        for (int n = 4; n <= 7; ++n) {
            const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
            QVERIFY(QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name,
                                QDir(definitions_).filePath(name)));
        }
        const DefinitionBuilder tables(definitions_);
        QVERIFY(!tables.Write(QStringLiteral("Set01.e"), {{QStringLiteral("RULES")}}).isEmpty());
        QVERIFY(
            !tables
                 .Write(QStringLiteral("Set02.e"),
                        {DefinitionBuilder::Digital("RULES", "NUMW", "NUM", "0", "400", 32, 1),
                         DefinitionBuilder::Digital("RULES", "NUMR", "NUM", "10", "300", kNumrAddress, 2),
                         DefinitionBuilder::Digital("RULES", "FREE", "NUM", "", "", 36, 1),
                         DefinitionBuilder::Digital("RULES", "SIGNED", "NUM", "-100", "100", 37, 1),
                         DefinitionBuilder::Digital("RULES", "LOW", "NUM", "0", "NUMR", 38, 2),
                         DefinitionBuilder::Digital("RULES", "CHOICE", "SEL", "0", "1", kChoiceAddress, 1)})
                 .isEmpty());
        QVERIFY(!tables
                     .Write(QStringLiteral("Set03.e"), {{"RULES", "CHOICE", "A", "0"},
                                                        {"RULES", "CHOICE", "B", "1"},
                                                        {"RULES", "CHOICE", "C", "2"}})
                     .isEmpty());
        modes_ = std::make_unique<vokg::CModes>(vokg::ModelContext{method_, messenger_});
        QVERIFY(modes_->ReadSet01e(definitions_) && modes_->ReadSet02e(definitions_) &&
                modes_->ReadSet03e(definitions_));
        Digital("RULES/NUMR").SetUserValue(300);
        Digital("RULES/CHOICE").SetUserValue(0);
        modes_->UpdateMaxMin();
        inputFunctions_ = std::make_unique<vokg::CCusSelections>(vokg::ModelContext{method_, messenger_});
        outputFunctions_ = std::make_unique<vokg::CCusSelections>(vokg::ModelContext{method_, messenger_});
        QVERIFY(inputFunctions_->ReadSet6_7_8_9e(QDir(definitions_).filePath(QStringLiteral("Set06.e"))));
        QVERIFY(outputFunctions_->ReadSet6_7_8_9e(QDir(definitions_).filePath(QStringLiteral("Set07.e"))));
        userCustoms_ = std::make_unique<vokg::CCustoms>(vokg::ModelContext{method_, messenger_});
        comparisonCustoms_ = std::make_unique<vokg::CCustoms>(vokg::ModelContext{method_, messenger_});
        for (vokg::CCustoms* customs : {userCustoms_.get(), comparisonCustoms_.get()})
            QVERIFY(customs->ReadSet04e(definitions_) && customs->ReadSet05e(definitions_));
    }

    void init() { prompter_.Clear(); }

    void throughTheRule_data() { AddRows(false); }
    void throughTheRule() {
        QFETCH(QString, kind);
        QFETCH(QString, target);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(ThroughTheRule(kind, target, typed), expected);
    }

    void throughTheWindow_data() { AddRows(true); }
    void throughTheWindow() {
        QFETCH(QString, kind);
        QFETCH(QString, target);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QString outcome;
        if (kind == QLatin1String("digital"))
            outcome = ThroughTheParameterWindow(target, typed);
        else if (kind == QLatin1String("header"))
            outcome = ThroughTheHeaderDialog(target, typed);
        else if (kind == QLatin1String("feed"))
            outcome = ThroughTheFeedWindow(target, typed);
        else if (kind == QLatin1String("customize"))
            outcome = ThroughTheCustomizeWindow(target, typed);
        else
            outcome = ThroughThePasswordDialog(kind == QLatin1String("password"), typed);
        QCOMPARE(outcome, expected);
    }

    void throughTheCompanion_data() { AddRows(false); }
    void throughTheCompanion() {
        QFETCH(QString, kind);
        QFETCH(QString, target);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(ThroughTheCompanion(kind, target, typed), expected);
    }
};

QTEST_MAIN(EntryCasesTest)
#include "tst_entry_cases.moc"
