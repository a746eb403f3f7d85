#include "cli/TableAccess.h"

#include "cli/CliSession.h"
#include "cli/TerminalText.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"
#include "shell/AccessLevels.h"
#include "shell/EditorHost.h"
#include "shell/FileOpen.h"
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

int TableCount(const QString& path) {
    return FileOpen::IsDSG(path) ? 8 : 16;
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
    if (tableSpec.table < 1 || tableSpec.table > TableCount(tableSpec.path)) {
        WriteLine(stderr,
                  QStringLiteral("vokg-cli: the table number %1 is out of range: %2 has tables 1 to %3")
                      .arg(tableSpec.tableGiven ? tableSpec.tableText : QString::number(tableSpec.table),
                           tableSpec.path)
                      .arg(TableCount(tableSpec.path)));
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
