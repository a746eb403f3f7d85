#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/TableAccess.h"
#include "cli/TableView.h"
#include "cli/TerminalText.h"

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kDiffUsage = "usage: vokg-cli [--defs DIR] diff A[:T] B[:T] [--all-tables] [--json] "
                                   "[--password PW] [--special PW] [--manufacturer PW]\n";

struct Difference {
    int table; // 0 when a single pair of tables is compared
    TableField field;
};

} // namespace

int DiffCommand(CliSession& session, const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    AccessOptions access;
    if (!TakeAccessOptions(arguments, access)) {
        std::fputs(kDiffUsage, stderr);
        return kUsage;
    }
    const bool allTables = arguments.removeAll(QStringLiteral("--all-tables")) > 0;
    const bool asJson = arguments.removeAll(QStringLiteral("--json")) > 0;
    if (arguments.size() != 2) {
        std::fputs(kDiffUsage, stderr);
        return kUsage;
    }
    std::optional<TableSpec> a = ParseTableSpec(arguments[0]);
    std::optional<TableSpec> b = ParseTableSpec(arguments[1]);
    if (!a || !b || (allTables && (a->tableGiven || b->tableGiven))) {
        std::fputs(kDiffUsage, stderr);
        return kUsage;
    }
    if (!session.LoadDefinitions())
        return kDefinitions;
    bool special = false;
    bool manufacturer = false;
    if (const int status = UnlockModes(session, access, special, manufacturer); status != kOk)
        return status;

    QList<int> tables{0};
    if (allTables) {
        tables.clear();
        const int count = std::min(TableCount(a->path), TableCount(b->path));
        for (int t = 1; t <= count; ++t)
            tables.append(t);
    }
    QList<Difference> differences;
    App& app = session.Application();
    for (const int table : tables) {
        if (table != 0) {
            a->table = table;
            b->table = table;
        }
        if (const int status = OpenTable(session, FileKind::User, *a, access); status != kOk)
            return status;
        if (const int status = OpenTable(session, FileKind::Comparison, *b, access); status != kOk)
            return status;
        for (const TableField& field : CompareFields(app, special, manufacturer))
            if (field.userText != field.comparisonText)
                differences.append({table, field});
    }

    if (asJson) {
        JsonWriter json;
        json.BeginArray();
        for (const Difference& difference : differences) {
            json.BeginObject();
            if (difference.table != 0)
                json.Field(QStringLiteral("table"), difference.table);
            json.Field(QStringLiteral("field"), difference.field.name)
                .Field(QStringLiteral("from"), difference.field.userText)
                .Field(QStringLiteral("to"), difference.field.comparisonText)
                .EndObject();
        }
        json.EndArray();
        json.Print();
    } else {
        for (const Difference& difference : differences) {
            const QString prefix =
                difference.table != 0 ? QStringLiteral("table %1: ").arg(difference.table) : QString();
            const QString line = prefix + difference.field.name + QStringLiteral(": ") +
                                 difference.field.userText + QStringLiteral(" -> ") +
                                 difference.field.comparisonText;
            WriteLine(stdout, line);
        }
    }
    return differences.isEmpty() ? kOk : kDifferent;
}

} // namespace vokg::cli
