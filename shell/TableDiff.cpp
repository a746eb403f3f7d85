#include "shell/TableDiff.h"

#include "model/AccessModes.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "model/CSelections.h"
#include "model/ModelContext.h"
#include "model/TableFile.h"
#include "shell/App.h"
#include "shell/FileOpen.h"
#include "shell/ModelSnapshot.h"

#include <QRegularExpression>

#include <algorithm>

namespace vokg {

QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

namespace {

// The feed arrays in the order they are listed, with the names the lines give them.
struct FeedArray {
    QString key;
    QString shown;
};
QList<FeedArray> FeedArrays() {
    QList<FeedArray> arrays;
    for (const QString& key : COkuris::AxisKeys())
        arrays.append({key, key});
    for (const QString& key : COkuris::LongKeys())
        arrays.append({key, key});
    arrays.append({COkuris::OtherValuesKey(), QStringLiteral("other")});
    return arrays;
}

} // namespace

TableValues ValuesOf(App& app, TableSide side, bool withRecord) {
    const bool user = side == TableSide::User;
    TableValues values;
    const CModes& modes = app.Modes();
    values.model = user ? modes.KishuName() : modes.KishuName2();
    values.version = user ? modes.DataVersion() : modes.DataVersion2();
    if (withRecord) {
        values.author = user ? app.SelectTable().Author() : app.SelectTable().Author2();
        values.password = user ? app.SelectTable().Password() : app.SelectTable().Password2();
    }
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CDigitals& digitals = modes.Item(m)->Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d)
            values.digitals.append(user ? digitals.Item(d)->UserValue() : digitals.Item(d)->CmpValue());
    }
    const CCustoms& customs = user ? app.UserCustoms() : app.ComparisonCustoms();
    for (qsizetype index = 1; index <= customs.Count(); ++index) {
        const CCustom& row = *customs.Item(index);
        values.customs.append({row.Kino(), row.Logic(), row.Dosa(), row.OnDelayTime(), row.OffDelayTime(),
                               row.ChoppingOnTime(), row.ChoppingOffTime(), row.ZenpaTime()});
    }
    COkuris& feed = user ? app.UserOkuris() : app.ComparisonOkuris();
    for (const FeedArray& array : FeedArrays())
        values.feed.append(feed.HasData() ? feed.GetArray(array.key) : QList<int>());
    return values;
}

QList<TableField> CompareFields(App& app, const TableValues& a, const TableValues& b,
                                const FieldAccess& access) {
    QList<TableField> fields;
    const CModes& modes = app.Modes();
    fields.append({QStringLiteral("header.model"), Quoted(a.model), Quoted(b.model)});
    fields.append({QStringLiteral("header.version"), Quoted(a.version), Quoted(b.version)});
    if (a.author && b.author)
        fields.append({QStringLiteral("header.author"), Quoted(*a.author), Quoted(*b.author)});
    if (a.password && b.password)
        fields.append(
            {QStringLiteral("header.password"), Quoted(*a.password), Quoted(*b.password), {}, {}, true});
    qsizetype index = 0;
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CMode& mode = *modes.Item(m);
        const CDigitals& digitals = mode.Digits();
        const bool unlocked = IsModeUnlocked(mode.ModeName(), access.special, access.manufacturer);
        if (!unlocked && !access.listLocked) {
            index += digitals.Count();
            continue;
        }
        for (qsizetype d = 1; d <= digitals.Count(); ++d, ++index) {
            const CDigital& digital = *digitals.Item(d);
            const QString name = QStringLiteral("digital %1/%2").arg(mode.ModeName(), digital.digital());
            const qint32 x = a.digitals.value(index);
            const qint32 y = b.digitals.value(index);
            if (digital.InputType() == QLatin1String("SEL"))
                fields.append({name, Quoted(digital.Selections().GetSelection(x)),
                               Quoted(digital.Selections().GetSelection(y)), mode.ModeName(),
                               digital.digital(), !unlocked});
            else
                fields.append({name, QString::number(x), QString::number(y), mode.ModeName(),
                               digital.digital(), !unlocked});
        }
    }
    static constexpr std::array<const char*, 8> kCustomFields{
        "kino", "logic", "dosa", "on_delay", "off_delay", "chopping_on", "chopping_off", "zenpa"};
    // The output rows' times in the order the lines have always listed them.
    static constexpr std::array<int, 5> kOutputTimes{3, 4, 5, 6, 7};
    const CCustoms& rows = app.UserCustoms();
    const qsizetype rowCount = std::min({rows.Count(), a.customs.size(), b.customs.size()});
    for (qsizetype row = 0; row < rowCount; ++row) {
        const CCustom& custom = *rows.Item(row + 1);
        auto add = [&](int field) {
            fields.append({QStringLiteral("customize %1.%2")
                               .arg(custom.Location(), QLatin1String(kCustomFields[field])),
                           QString::number(a.customs[row][field]), QString::number(b.customs[row][field])});
        };
        for (int field = 0; field < 3; ++field)
            add(field);
        if (custom.INOUT() == 1)
            for (const int field : kOutputTimes)
                add(field);
    }
    const QList<FeedArray> arrays = FeedArrays();
    for (qsizetype array = 0; array < arrays.size(); ++array) {
        const QList<int> x = a.feed.value(array);
        const QList<int> y = b.feed.value(array);
        const qsizetype count = std::max(x.size(), y.size());
        for (qsizetype i = 0; i < count; ++i)
            fields.append({QStringLiteral("feed %1[%2]").arg(arrays[array].shown).arg(i),
                           i < x.size() ? QString::number(x[i]) : QStringLiteral("-"),
                           i < y.size() ? QString::number(y[i]) : QStringLiteral("-")});
    }
    return fields;
}

QList<TableField> CompareFields(App& app, bool special, bool manufacturer) {
    return CompareFields(app, ValuesOf(app, TableSide::User), ValuesOf(app, TableSide::Comparison),
                         FieldAccess{special, manufacturer, false});
}

QString TableDifference::Kind() const {
    // The field names begin with their kind: "header.", "digital ", "customize ", "feed ".
    const qsizetype end = field.name.indexOf(QRegularExpression(QStringLiteral("[ .]")));
    return end < 0 ? field.name : field.name.left(end);
}

QString TableDifference::Line() const {
    const QString prefix = table != 0 ? QStringLiteral("table %1: ").arg(table) : QString();
    if (field.hidden)
        return prefix + field.name + QStringLiteral(": changed");
    return prefix + field.name + QStringLiteral(": ") + field.userText + QStringLiteral(" -> ") +
           field.comparisonText;
}

int TableDiff::TableCount(const QString& path) {
    return FileOpen::IsDSG(path) ? 8 : 16;
}

QList<int> TableDiff::Tables(const QString& pathA, const QString& pathB, bool allTables) {
    if (!allTables)
        return {0};
    QList<int> tables;
    const int count = std::min(TableCount(pathA), TableCount(pathB));
    for (int table = 1; table <= count; ++table)
        tables.append(table);
    return tables;
}

std::optional<QList<TableDifference>> TableDiff::Compare(App& app, const QList<int>& tables,
                                                         const std::function<bool(int table)>& openBoth,
                                                         bool special, bool manufacturer) {
    QList<TableDifference> differences;
    for (const int table : tables) {
        if (!openBoth(table))
            return std::nullopt;
        for (const TableField& field : CompareFields(app, special, manufacturer))
            if (field.userText != field.comparisonText)
                differences.append({table, field});
    }
    return differences;
}

std::optional<QList<TableDifference>> TableDiff::ChangesOfSave(App& app, const QString& source,
                                                               const QList<int>& tables,
                                                               const FieldAccess& access) {
    const TableValues written = ValuesOf(app, TableSide::User, true);
    // Each table is read into the user side by the open's own readers and the values about to be
    // written are put back at once: there is one model, and the save that follows writes it.
    const ModelSnapshot pending(app);
    QList<TableDifference> changes;
    for (const int table : tables) {
        const qint64 position = TablePosition(table);
        const bool read =
            app.Modes().ReadDataDigitals(FileKind::User, source, position, OpeningState{true, false}) &&
            app.UserCustoms().ReadDataCustomize(source, position) &&
            app.UserOkuris().ReadData(source, position) &&
            app.SelectTable().ReadData(source, position, table);
        const TableValues stored = read ? ValuesOf(app, TableSide::User, true) : TableValues{};
        pending.Restore(app);
        if (!read)
            return std::nullopt;
        for (const TableField& field : CompareFields(app, stored, written, access))
            if (field.userText != field.comparisonText)
                changes.append({table, field});
    }
    return changes;
}

} // namespace vokg
