#include "cli/AssignmentSyntax.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"

#include "editors/rules/CustomizeRules.h"
#include "editors/rules/FeedRules.h"
#include "editors/rules/HeaderRules.h"
#include "editors/rules/ParamRules.h"
#include "editors/rules/PasswordRules.h"
#include "model/AccessModes.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "platform/FileLock.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/FileSave.h"
#include "shell/SaveReview.h"
#include "shell/TableDiff.h"
#include "shell/messages/MessageIds.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace vokg::cli {
namespace {

constexpr const char* kSetUsage =
    "usage: vokg-cli [--defs DIR] set FILE[:TABLE] ASSIGNMENT... [--password PW] [--special PW]\n"
    "                [--manufacturer PW] [--to-tables 2,5] [--dry-run]\n"
    "  MODE/DIGITAL=VALUE, DIGITAL=VALUE, header.model=TEXT, header.version=TEXT,\n"
    "  header.password=TEXT, header.author=TEXT,\n"
    "  customize.LOCATION.FIELD=VALUE (kino logic dosa on_delay off_delay zenpa duty chopping_on "
    "chopping_off),\n"
    "  feed.KEY[I]=N, feed.other[I]=N, feed.pitch.KEY[I]=N\n";

// One assignment after another: each is parsed here and judged by the rule the editor window of
// its value calls, then applied to the model. Nothing is written unless every assignment passed.
class Assignments {
public:
    Assignments(App& app, bool special, bool manufacturer)
        : app_(app), special_(special), manufacturer_(manufacturer) {}

    // False after showing the message that refuses the assignment.
    bool Apply(const QString& text);

private:
    bool Refuse(const EntryVerdict& verdict) {
        verdict.Tell(app_.Messages());
        return false;
    }
    bool RefuseText(const QString& text) {
        app_.Messages().ShowText(text, platform::BoxKind::Exclamation);
        return false;
    }
    // `modeName` empty: the one digital of that name in the modes this run may change.
    bool Digital(const QString& modeName, const QString& name, const QString& value);
    bool Header(const QString& field, const QString& value);
    bool Customize(const QString& location, const QString& field, const QString& value);
    bool Feed(const QString& key, int index, const QString& value, bool pitch);
    bool ModeAllowed(const QString& mode) const { return IsModeUnlocked(mode, special_, manufacturer_); }

    App& app_;
    bool special_;
    bool manufacturer_;
};

bool Assignments::Apply(const QString& text) {
    const std::optional<Assignment> assignment = ParseAssignment(text);
    if (!assignment)
        return RefuseText(QStringLiteral("vokg-cli: \"%1\" is no assignment (TARGET=VALUE)").arg(text));
    switch (assignment->kind) {
    case Assignment::Kind::Header:
        return Header(assignment->name, assignment->value);
    case Assignment::Kind::Customize:
        return Customize(assignment->name, assignment->field, assignment->value);
    case Assignment::Kind::Feed:
        return Feed(assignment->name, assignment->index, assignment->value, assignment->pitch);
    case Assignment::Kind::Digital:
        break;
    }
    return Digital(assignment->mode, assignment->name, assignment->value);
}

bool Assignments::Digital(const QString& givenMode, const QString& name, const QString& value) {
    CModes& modes = app_.Modes();
    CDigital* digital = nullptr;
    QString modeName = givenMode;
    const QString target = givenMode.isEmpty() ? name : givenMode + QLatin1Char('/') + name;
    if (!givenMode.isEmpty()) {
        CMode* mode = modes.Item(modeName);
        digital = mode ? mode->Digits().Find(name) : nullptr;
    } else {
        int found = 0;
        for (CMode& mode : modes) {
            if (!ModeAllowed(mode.ModeName()))
                continue;
            if (CDigital* candidate = mode.Digits().Find(name)) {
                digital = candidate;
                modeName = mode.ModeName();
                ++found;
            }
        }
        if (found > 1)
            return RefuseText(
                QStringLiteral("vokg-cli: the digital \"%1\" is in more than one mode; write MODE/%1")
                    .arg(target));
    }
    if (!digital || !ModeAllowed(modeName))
        return RefuseText(QStringLiteral("vokg-cli: there is no digital \"%1\"").arg(target));
    const EntryVerdict verdict = ParamRules::ValidateEntry(*digital, value, digital->Min(), digital->Max());
    if (!verdict.Accepted())
        return Refuse(verdict);
    if (!digital->UpdateUserValue(*verdict.accepted))
        return false;
    modes.UpdateMaxMin();
    return true;
}

bool Assignments::Header(const QString& field, const QString& value) {
    CSelectTable& record = app_.SelectTable();
    if (field == QLatin1String("password") || field == QLatin1String("author")) {
        const QString text = PasswordRules::TrimSpaces(value);
        const bool password = field == QLatin1String("password");
        const EntryVerdict verdict =
            password ? PasswordRules::CheckPassword(text) : PasswordRules::CheckAuthor(text);
        if (!verdict.Accepted())
            return Refuse(verdict);
        password ? record.SetPassword(*verdict.accepted) : record.SetAuthor(*verdict.accepted);
        return true;
    }
    if (!HeaderRules::AcceptText(value, app_.Messages()))
        return false;
    if (field == QLatin1String("model"))
        app_.Modes().SetKishuName(value);
    else
        app_.Modes().SetDataVersion(value);
    return true;
}

bool Assignments::Customize(const QString& location, const QString& field, const QString& value) {
    CCustom* row = app_.UserCustoms().Item(location);
    if (!row)
        return RefuseText(QStringLiteral("vokg-cli: there is no signal \"%1\"").arg(location));
    const bool output = row->INOUT() == 1;
    EntryVerdict verdict = EntryVerdict::Accept(value);
    if (field == QLatin1String("kino"))
        verdict =
            CustomizeRules::CheckFunction(value, output ? app_.OutputSelections() : app_.InputSelections());
    else if (field == QLatin1String("logic") || field == QLatin1String("dosa"))
        verdict = CustomizeRules::CheckLogicOrOperation(value);
    else if (output && (field == QLatin1String("on_delay") || field == QLatin1String("off_delay") ||
                        field == QLatin1String("zenpa")))
        verdict = CustomizeRules::CheckTime(value);
    else if (output && (field == QLatin1String("chopping_on") || field == QLatin1String("chopping_off")))
        verdict = CustomizeRules::CheckManualTime(value);
    else if (output && field == QLatin1String("duty"))
        verdict = CustomizeRules::CheckDutyCode(value);
    else
        return RefuseText(
            QStringLiteral("vokg-cli: the signal \"%1\" has no field \"%2\"").arg(location, field));
    if (!verdict.Accepted())
        return Refuse(verdict);
    const QString accepted = *verdict.accepted;
    if (field == QLatin1String("duty")) {
        qint32 onTime = 0;
        qint32 offTime = 0;
        QString code = accepted;
        CCustoms::GetDutyInfo(0, *row, onTime, offTime, code);
        row->SetChoppingOnTime(onTime);
        row->SetChoppingOffTime(offTime);
        return true;
    }
    using Setter = void (CCustom::*)(qint32);
    static const QHash<QString, Setter> setters{
        {QStringLiteral("kino"), &CCustom::SetKino},
        {QStringLiteral("logic"), &CCustom::SetLogic},
        {QStringLiteral("dosa"), &CCustom::SetDosa},
        {QStringLiteral("on_delay"), &CCustom::SetOnDelayTime},
        {QStringLiteral("off_delay"), &CCustom::SetOffDelayTime},
        {QStringLiteral("chopping_on"), &CCustom::SetChoppingOnTime},
        {QStringLiteral("chopping_off"), &CCustom::SetChoppingOffTime},
        {QStringLiteral("zenpa"), &CCustom::SetZenpaTime}};
    (row->*setters.value(field))(accepted.toInt());
    return true;
}

bool Assignments::Feed(const QString& key, int index, const QString& value, bool pitch) {
    COkuris& feed = app_.UserOkuris();
    QString arrayKey = key;
    std::optional<NumberRange> range;
    if (pitch) {
        if (COkuris::PitchKeys().contains(key))
            range = FeedRules::PitchWindowRange(key);
    } else if (key == QLatin1String("other")) {
        arrayKey = COkuris::OtherValuesKey();
        range = FeedRules::OtherValueRange(index);
        if (!range)
            return RefuseText(QStringLiteral("vokg-cli: feed.other has entries 0 to 6"));
    } else if (COkuris::AxisKeys().contains(key)) {
        range = FeedRules::AxisRange();
    } else if (COkuris::LongKeys().contains(key)) {
        range = FeedRules::PitchWindowRange(key);
    }
    if (!range)
        return RefuseText(
            QStringLiteral("vokg-cli: there is no %1 \"%2\"")
                .arg(pitch ? QStringLiteral("pitch array") : QStringLiteral("feed array"), key));
    const QList<int> current = feed.GetArray(arrayKey);
    if (index < 0 || index >= current.size())
        return RefuseText(
            QStringLiteral("vokg-cli: feed.%1 has entries 0 to %2").arg(key).arg(current.size() - 1));
    const EntryVerdict verdict = FeedRules::CheckEntry(value, *range);
    if (!verdict.Accepted())
        return Refuse(verdict);
    return feed.SetArray(arrayKey, index, verdict.accepted->toInt());
}

// The save of a dry run: every check of the save up to its review, then the review's lines on
// standard output instead of the dialog, and nothing written.
class DryRunHost : public EditorHost {
public:
    DryRunHost(bool special, bool manufacturer) : access_{special, manufacturer, true} {}
    std::optional<FieldAccess> ReviewOfSaves() const override { return access_; }
    bool ConfirmSave(const SaveReview& review) override {
        for (const TableDifference& change : review.changes)
            WriteLine(stdout, change.Line());
        reviewed_ = true;
        return false;
    }
    bool Reviewed() const { return reviewed_; }

private:
    FieldAccess access_;
    bool reviewed_ = false;
};

std::optional<QList<int>> ParseTables(const QString& text) {
    QList<int> tables;
    for (const QString& item : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int table = item.trimmed().toInt(&ok);
        if (!ok || table < 1 || table > 8)
            return std::nullopt;
        if (!tables.contains(table))
            tables.append(table);
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

} // namespace

int SetCommand(CliSession& session, const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    AccessOptions access;
    if (!TakeAccessOptions(arguments, access)) {
        std::fputs(kSetUsage, stderr);
        return kUsage;
    }
    std::optional<QList<int>> toTables;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--to-tables")); at >= 0) {
        if (at + 1 >= arguments.size() || !(toTables = ParseTables(arguments[at + 1]))) {
            std::fputs(kSetUsage, stderr);
            return kUsage;
        }
        arguments.remove(at, 2);
    }
    // A dry run lists what the save would write and writes nothing.
    const bool dryRun = arguments.removeAll(QStringLiteral("--dry-run")) > 0;
    if (arguments.size() < 2) {
        std::fputs(kSetUsage, stderr);
        return kUsage;
    }
    const std::optional<TableSpec> tableSpec = ParseTableSpec(arguments.takeFirst());
    if (!tableSpec) {
        std::fputs(kSetUsage, stderr);
        return kUsage;
    }
    if (!session.LoadDefinitions())
        return kDefinitions;
    App& app = session.Application();
    if (!FileOpen::IsDSG(tableSpec->path)) {
        // Machine data files are read only, here as in the program.
        if (FileOpen::IsDAT(tableSpec->path))
            WriteLine(
                stderr,
                QStringLiteral("vokg-cli: %1 is a machine data file; it is read only").arg(tableSpec->path));
        else
            app.Messages().ShowMsg(msg::WrongExtension, platform::BoxKind::Exclamation);
        return kRefusedFile;
    }
    bool special = false;
    bool manufacturer = false;
    if (const int status = UnlockModes(session, access, special, manufacturer); status != kOk)
        return status;
    // From the read to the replace no other writer comes between: the design file and its
    // companion stay locked, and a second set (or the program's save) waits until this one has
    // written, then reads what it wrote.
    std::vector<std::shared_ptr<platform::FileLock>> locks;
    for (const QString& file : {tableSpec->path, FileSave::CompanionOf(tableSpec->path)}) {
        if (file.isEmpty())
            continue; // a missing companion is reported by the open
        locks.push_back(app.LockFile(file, FileSave::kLockWait));
        if (locks.back()->Current() == platform::FileLock::State::Busy) {
            app.Messages().ShowMsg(msg::BeingSaved, platform::BoxKind::Exclamation, file);
            return kFailed;
        }
    }
    if (const int status = OpenTable(session, FileKind::User, *tableSpec, access); status != kOk)
        return status;

    Assignments assignments(app, special, manufacturer);
    for (const QString& assignment : arguments)
        if (!assignments.Apply(assignment))
            return kInvalidValue; // nothing has been written: the model only lives in this run

    EditorHost noWindows;
    DryRunHost dryRunHost(special, manufacturer);
    FileSave save(app, dryRun ? static_cast<EditorHost&>(dryRunHost) : noWindows);
    bool saved = false;
    if (toTables) {
        session.Prompter().QueueTables(*toTables);
        saved = save.SaveAllFiles(SaveMode::OtherTables, false);
    } else {
        saved = save.SaveAllFiles(SaveMode::Overwrite, true);
    }
    if (dryRun)
        return dryRunHost.Reviewed() ? kOk : kFailed;
    return saved ? kOk : kFailed;
}

} // namespace vokg::cli
