#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/TableAccess.h"
#include "cli/TerminalText.h"
#include "shell/TableDiff.h"

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kDiffUsage = "usage: vokg-cli [--defs DIR] diff A[:T] B[:T] [--all-tables] [--json] "
                                   "[--password PW] [--special PW] [--manufacturer PW]\n";

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

    // The same comparison as the program's compare window; an open that fails ends the run with
    // its own status.
    int openStatus = kOk;
    const std::optional<QList<TableDifference>> found = TableDiff::Compare(
        session.Application(), TableDiff::Tables(a->path, b->path, allTables),
        [&](int table) {
            if (table != 0) {
                a->table = table;
                b->table = table;
            }
            openStatus = OpenTable(session, FileKind::User, *a, access);
            if (openStatus == kOk)
                openStatus = OpenTable(session, FileKind::Comparison, *b, access);
            return openStatus == kOk;
        },
        special, manufacturer);
    if (!found)
        return openStatus;
    const QList<TableDifference>& differences = *found;

    if (asJson) {
        JsonWriter json;
        json.BeginArray();
        for (const TableDifference& difference : differences) {
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
        for (const TableDifference& difference : differences)
            WriteLine(stdout, difference.Line());
    }
    return differences.isEmpty() ? kOk : kDifferent;
}

} // namespace vokg::cli
