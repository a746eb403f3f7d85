#include "cli/TableAccess.h"

#include "cli/CliSession.h"
#include "cli/TerminalText.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"
#include "shell/AccessLevels.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
#include "shell/TableDiff.h"
#include "shell/messages/MessageIds.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace vokg::cli {

std::optional<TableSpec> ParseTableSpec(const QString& text) {
    TableSpec tableSpec;
    // A signed number after the last colon is a table number, in range or not: "S.DSG:-1" names
    // table -1 of S.DSG (refused as out of range), not a file called "S.DSG:-1".
    static const QRegularExpression withTable(QStringLiteral("^(.*):([-+]?[0-9]+)$"));
    const QRegularExpressionMatch match = withTable.match(text);
    if (match.hasMatch()) {
        tableSpec.path = match.captured(1);
        tableSpec.tableText = match.captured(2);
        bool fits = false;
        const int table = tableSpec.tableText.toInt(&fits);
        tableSpec.table = fits ? table : 0;
        tableSpec.tableGiven = true;
    } else {
        tableSpec.path = text;
    }
    if (tableSpec.path.isEmpty())
        return std::nullopt;
    return tableSpec;
}

bool TakeAccessOptions(QStringList& arguments, AccessOptions& options) {
    QStringList rest;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        std::optional<QString>* slot = nullptr;
        if (argument == QLatin1String("--password"))
            slot = &options.password;
        else if (argument == QLatin1String("--special"))
            slot = &options.special;
        else if (argument == QLatin1String("--manufacturer"))
            slot = &options.manufacturer;
        if (!slot) {
            rest.append(argument);
            continue;
        }
        if (index + 1 >= arguments.size())
            return false;
        *slot = arguments[++index];
    }
    arguments = rest;
    return true;
}

int UnlockModes(CliSession& session, const AccessOptions& options, bool& special, bool& manufacturer) {
    App& app = session.Application();
    AccessLevels access(app);
    special = false;
    manufacturer = false;
    if (options.special) {
        session.Prompter().ClearInputs();
        session.Prompter().QueueInput(*options.special);
        if (!access.ExactPassWord(AccessLevels::SpecialMode)) {
            app.Messages().ShowMsg(msg::SpecialPasswordMissed, platform::BoxKind::Exclamation);
            return kPassword;
        }
        special = true;
    }
    if (options.manufacturer) {
        session.Prompter().ClearInputs();
        session.Prompter().QueueInput(*options.manufacturer);
        if (!access.ExactPassWord(AccessLevels::ManufacturerMode)) {
            app.Messages().ShowMsg(msg::ManufacturerPasswordMissed, platform::BoxKind::Exclamation);
            return kPassword;
        }
        manufacturer = true;
    }
    return kOk;
}

bool TakeValue(QStringList& arguments, const QString& name, std::optional<QString>& value) {
    for (qsizetype index = arguments.indexOf(name); index >= 0; index = arguments.indexOf(name)) {
        if (value || index + 1 >= arguments.size())
            return false;
        value = arguments.at(index + 1);
        arguments.remove(index, 2);
    }
    return true;
}

int UsageError(const char* usage, const char* why) {
    if (why != nullptr)
        std::fprintf(stderr, "vokg-cli: %s\n", why);
    std::fputs(usage, stderr);
    return kUsage;
}

int OpenOneTable(CliSession& session, const QStringList& givenArguments, const char* usage, OneTable& table) {
    QStringList arguments = givenArguments;
    AccessOptions access;
    if (!TakeAccessOptions(arguments, access) || arguments.size() != 1 ||
        arguments.first().startsWith(QLatin1String("--")))
        return UsageError(usage);
    const std::optional<TableSpec> tableSpec = ParseTableSpec(arguments.first());
    if (!tableSpec)
        return UsageError(usage);
    table.spec = *tableSpec;
    if (!session.LoadDefinitions())
        return kDefinitions;
    if (const int status = UnlockModes(session, access, table.special, table.manufacturer); status != kOk)
        return status;
    return OpenTable(session, FileKind::User, table.spec, access);
}

int OpenTable(CliSession& session, FileKind kind, const TableSpec& tableSpec, const AccessOptions& options) {
    App& app = session.Application();
    EditorHost noWindows;
    FileOpen open(app, noWindows);
    if (!QFileInfo(tableSpec.path).isFile()) {
        app.Messages().ShowMsg(msg::CompanionMissing, platform::BoxKind::Exclamation, tableSpec.path);
        return kRefusedFile;
    }
    if (!open.ExactFile(tableSpec.path))
        return kRefusedFile;
    if (tableSpec.table < 1 || tableSpec.table > TableDiff::TableCount(tableSpec.path)) {
        WriteLine(stderr,
                  QStringLiteral("vokg-cli: the table number %1 is out of range: %2 has tables 1 to %3")
                      .arg(tableSpec.tableGiven ? tableSpec.tableText : QString::number(tableSpec.table),
                           tableSpec.path)
                      .arg(TableDiff::TableCount(tableSpec.path)));
        return kUsage;
    }
    // The table password is asked once here: the one given, or an empty answer.
    if (FileOpen::IsDSG(tableSpec.path)) {
        const std::optional<QString> password = CSelectTable::PeekPassword(tableSpec.path, tableSpec.table);
        if (password && !password->isEmpty() && options.password.value_or(QString()).toUpper() != *password) {
            app.Messages().ShowMsg(msg::PasswordNotExact, platform::BoxKind::Exclamation);
            return kPassword;
        }
    }
    session.Prompter().ClearInputs();
    if (options.password)
        session.Prompter().QueueInput(*options.password);
    if (!open.ReadVOKGData(kind, tableSpec.path, tableSpec.table, true))
        return kFailed;
    return kOk;
}

} // namespace vokg::cli
