#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"

#include "model/AccessModes.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelection.h"
#include "model/CSelections.h"
#include "model/HeaderField.h"
#include "model/LenientNumber.h"
#include "platform/FileLock.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/FileSave.h"

#include <QRegularExpression>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace vokg::cli {
namespace {

constexpr const char* kSetUsage =
    "usage: vokg-cli [--defs DIR] set FILE[:TABLE] ASSIGNMENT... [--password PW] [--special PW]\n"
    "                [--manufacturer PW] [--to-tables 2,5]\n"
    "  MODE/DIGITAL=VALUE, DIGITAL=VALUE, header.model=TEXT, header.version=TEXT,\n"
    "  customize.LOCATION.FIELD=N (kino logic dosa on_delay off_delay chopping_on chopping_off zenpa),\n"
    "  feed.KEY[I]=N, feed.other[I]=N, feed.pitch.KEY[I]=N\n";

constexpr int kExclamation = 2;

// One validated change, applied to the model only when every assignment was valid.
using Change = std::function<void()>;

class Assignments {
public:
    Assignments(App& app, bool special, bool manufacturer)
        : app_(app), special_(special), manufacturer_(manufacturer) {}

    // Validates one assignment against the rules the editors apply and applies it to the
    // model; false after showing the program's message.
    bool Apply(const QString& assignment);

private:
    bool Refuse(int message, const QVariant& d1 = {}, const QVariant& d2 = {}) {
        app_.Messages().ShowMsg(message, kExclamation, d1, d2);
        return false;
    }
    bool RefuseText(const QString& text) {
        app_.Messages().ShowText(text, kExclamation);
        return false;
    }
    // A whole number given as text, or std::nullopt.
    static std::optional<qint64> WholeNumber(const QString& text) {
        bool ok = false;
        const qint64 value = text.trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(value) : std::nullopt;
    }
    bool Digital(const QString& target, const QString& value);
    bool Header(const QString& field, const QString& value);
    bool Customize(const QString& location, const QString& field, const QString& value);
    bool Feed(const QString& key, int index, const QString& value, bool pitch);
    bool ModeAllowed(const QString& mode) const {
        return !(IsSpecialMode(mode) && !special_) && !(IsManufacturerMode(mode) && !manufacturer_);
    }

    App& app_;
    bool special_;
    bool manufacturer_;
};

bool Assignments::Apply(const QString& assignment) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return RefuseText(QStringLiteral("vokg-cli: \"%1\" is no assignment (TARGET=VALUE)").arg(assignment));
    const QString target = assignment.left(equals);
    const QString value = assignment.mid(equals + 1);
    if (target == QLatin1String("header.model") || target == QLatin1String("header.version"))
        return Header(target.mid(7), value);
    static const QRegularExpression customize(QStringLiteral("^customize\\.(.+)\\.([a-z_]+)$"));
    if (const auto match = customize.match(target); match.hasMatch())
        return Customize(match.captured(1), match.captured(2), value);
    static const QRegularExpression feed(QStringLiteral("^feed\\.(pitch\\.)?([A-Za-z0-9_]+)\\[([0-9]+)\\]$"));
    if (const auto match = feed.match(target); match.hasMatch()) {
        // An index too large for a number is out of range like any other, never entry 0.
        bool indexFits = false;
        const int index = match.captured(3).toInt(&indexFits);
        return Feed(match.captured(2), indexFits ? index : -1, value, !match.captured(1).isEmpty());
    }
    return Digital(target, value);
}

bool Assignments::Digital(const QString& target, const QString& value) {
    CModes& modes = app_.Modes();
    CDigital* digital = nullptr;
    QString modeName;
    const qsizetype slash = target.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        modeName = target.left(slash);
        CMode* mode = modes.Item(modeName);
        digital = mode ? mode->Digits().Find(target.mid(slash + 1)) : nullptr;
    } else {
        int found = 0;
        for (CMode& mode : modes) {
            if (!ModeAllowed(mode.ModeName()))
                continue;
            if (CDigital* candidate = mode.Digits().Find(target)) {
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
    if (value.trimmed().isEmpty())
        return Refuse(24);
    if (digital->InputType() == QLatin1String("SEL")) {
        const CSelection* choice = digital->Selections().Item(value);
        if (!choice || choice->Selection() != value)
            return RefuseText(QStringLiteral("UpdateUserValue:cannot find selection ->") + value);
        digital->SetUserValue(choice->Value());
        modes.UpdateMaxMin();
        return true;
    }
    // The value is a whole number (half to even); a text that is no number, or a number no field
    // can hold, is refused rather than read as 0. With a numeric MIN it lies within MIN..MAX.
    const std::optional<qint32> typed = ExactInt32(value);
    if (!typed)
        return IsNumeric(value) ? Refuse(12)
                                : RefuseText(QStringLiteral("vokg-cli: \"%1\" is not a number").arg(value));
    const qint64 number = *typed;
    if (IsNumeric(digital->Min())) {
        const double low = LenientValue(digital->Min());
        const double high = LenientValue(digital->Max());
        if (number < low || number > high)
            return Refuse(12);
    }
    // And what the field in the file can hold.
    if (number < digital->FieldMinimum() || number > digital->FieldMaximum())
        return Refuse(12);
    digital->SetUserValue(static_cast<qint32>(number));
    modes.UpdateMaxMin();
    return true;
}

bool Assignments::Header(const QString& field, const QString& value) {
    // The header editor's rule and message.
    if (!HeaderField::AcceptText(value, app_.Messages()))
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
    if (field == QLatin1String("kino")) {
        const CCusSelections& functions =
            row->INOUT() == 1 ? app_.OutputSelections() : app_.InputSelections();
        std::optional<qint64> number = WholeNumber(value);
        if (!number && functions.ValueByDigital(value) != -1)
            number = functions.ValueByDigital(value);
        if (!number || !functions.dicValue().contains(QString::number(*number)))
            return Refuse(57);
        row->SetKino(static_cast<qint32>(*number));
        return true;
    }
    const std::optional<qint64> number = WholeNumber(value);
    if (field == QLatin1String("logic") || field == QLatin1String("dosa")) {
        if (!number || (*number != 0 && *number != 1))
            return Refuse(95);
        field == QLatin1String("logic") ? row->SetLogic(int(*number)) : row->SetDosa(int(*number));
        return true;
    }
    using Setter = void (CCustom::*)(qint32);
    static const QHash<QString, Setter> times{{QStringLiteral("on_delay"), &CCustom::SetOnDelayTime},
                                              {QStringLiteral("off_delay"), &CCustom::SetOffDelayTime},
                                              {QStringLiteral("chopping_on"), &CCustom::SetChoppingOnTime},
                                              {QStringLiteral("chopping_off"), &CCustom::SetChoppingOffTime},
                                              {QStringLiteral("zenpa"), &CCustom::SetZenpaTime}};
    const auto setter = times.constFind(field);
    if (setter == times.cend() || row->INOUT() != 1)
        return RefuseText(
            QStringLiteral("vokg-cli: the signal \"%1\" has no field \"%2\"").arg(location, field));
    if (!number || *number < 0 || *number > 65535)
        return Refuse(28, 0, 65535);
    (row->*(*setter))(static_cast<qint32>(*number));
    return true;
}

bool Assignments::Feed(const QString& key, int index, const QString& value, bool pitch) {
    COkuris& feed = app_.UserOkuris();
    QString arrayKey = key;
    int low = 0;
    int high = 99;
    if (pitch) {
        if (!COkuris::PitchKeys().contains(key))
            return RefuseText(QStringLiteral("vokg-cli: there is no pitch array \"%1\"").arg(key));
        low = 1;
    } else if (key == QLatin1String("other")) {
        // The other values each have their own range in the feed editor.
        static constexpr int kOtherHigh[7] = {100, 100, 100, 99, 9999, 9999, 999};
        arrayKey = COkuris::OtherValuesKey();
        if (index < 0 || index > 6)
            return RefuseText(QStringLiteral("vokg-cli: feed.other has entries 0 to 6"));
        low = 1;
        high = kOtherHigh[index];
    } else if (COkuris::LongKeys().contains(key)) {
        low = 1;
        high = (key == QLatin1String("P1X") || key == QLatin1String("P1Y")) ? 99 : 9999;
    } else if (!COkuris::AxisKeys().contains(key)) {
        return RefuseText(QStringLiteral("vokg-cli: there is no feed array \"%1\"").arg(key));
    }
    const QList<int> current = feed.GetArray(arrayKey);
    if (index < 0 || index >= current.size())
        return RefuseText(
            QStringLiteral("vokg-cli: feed.%1 has entries 0 to %2").arg(key).arg(current.size() - 1));
    if (value.trimmed().isEmpty())
        return Refuse(24);
    const std::optional<qint64> number = WholeNumber(value);
    if (!number || *number < low || *number > high)
        return Refuse(28, low, high);
    return feed.SetArray(arrayKey, index, static_cast<int>(*number));
}

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
            app.Messages().ShowMsg(8, kExclamation);
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
            app.Messages().ShowMsg(104, kExclamation, file);
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
    FileSave save(app, noWindows);
    bool saved = false;
    if (toTables) {
        session.Prompter().QueueTables(*toTables);
        saved = save.SaveAllFiles(SaveMode::OtherTables, false);
    } else {
        saved = save.SaveAllFiles(SaveMode::Overwrite, true);
    }
    return saved ? kOk : kFailed;
}

} // namespace vokg::cli
