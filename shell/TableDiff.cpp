#include "shell/TableDiff.h"

#include "model/AccessModes.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelections.h"
#include "shell/App.h"
#include "shell/FileOpen.h"

#include <QRegularExpression>

#include <algorithm>

namespace vokg {

QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QList<TableField> CompareFields(App& app, bool special, bool manufacturer) {
    QList<TableField> fields;
    const CModes& modes = app.Modes();
    fields.append({QStringLiteral("header.model"), Quoted(modes.KishuName()), Quoted(modes.KishuName2())});
    fields.append(
        {QStringLiteral("header.version"), Quoted(modes.DataVersion()), Quoted(modes.DataVersion2())});
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CMode& mode = *modes.Item(m);
        if (!IsModeUnlocked(mode.ModeName(), special, manufacturer))
            continue;
        const CDigitals& digitals = mode.Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d) {
            const CDigital& digital = *digitals.Item(d);
            const QString name = QStringLiteral("digital %1/%2").arg(mode.ModeName(), digital.digital());
            if (digital.InputType() == QLatin1String("SEL"))
                fields.append({name, Quoted(digital.Selections().GetSelection(digital.UserValue())),
                               Quoted(digital.Selections().GetSelection(digital.CmpValue())), mode.ModeName(),
                               digital.digital()});
            else
                fields.append({name, QString::number(digital.UserValue()),
                               QString::number(digital.CmpValue()), mode.ModeName(), digital.digital()});
        }
    }
    const CCustoms& user = app.UserCustoms();
    const CCustoms& comparison = app.ComparisonCustoms();
    for (qsizetype index = 1; index <= user.Count(); ++index) {
        const CCustom& a = *user.Item(index);
        const CCustom& b = *comparison.Item(index);
        auto add = [&](const char* field, qint32 x, qint32 y) {
            fields.append({QStringLiteral("customize %1.%2").arg(a.Location(), QLatin1String(field)),
                           QString::number(x), QString::number(y)});
        };
        add("kino", a.Kino(), b.Kino());
        add("logic", a.Logic(), b.Logic());
        add("dosa", a.Dosa(), b.Dosa());
        if (a.INOUT() == 1) {
            add("on_delay", a.OnDelayTime(), b.OnDelayTime());
            add("off_delay", a.OffDelayTime(), b.OffDelayTime());
            add("chopping_on", a.ChoppingOnTime(), b.ChoppingOnTime());
            add("chopping_off", a.ChoppingOffTime(), b.ChoppingOffTime());
            add("zenpa", a.ZenpaTime(), b.ZenpaTime());
        }
    }
    COkuris& userFeed = app.UserOkuris();
    COkuris& comparisonFeed = app.ComparisonOkuris();
    auto addArray = [&](const QString& key, const QString& shownKey) {
        const QList<int> a = userFeed.HasData() ? userFeed.GetArray(key) : QList<int>();
        const QList<int> b = comparisonFeed.HasData() ? comparisonFeed.GetArray(key) : QList<int>();
        const qsizetype count = std::max(a.size(), b.size());
        for (qsizetype i = 0; i < count; ++i)
            fields.append({QStringLiteral("feed %1[%2]").arg(shownKey).arg(i),
                           i < a.size() ? QString::number(a[i]) : QStringLiteral("-"),
                           i < b.size() ? QString::number(b[i]) : QStringLiteral("-")});
    };
    for (const QString& key : COkuris::AxisKeys())
        addArray(key, key);
    for (const QString& key : COkuris::LongKeys())
        addArray(key, key);
    addArray(COkuris::OtherValuesKey(), QStringLiteral("other"));
    return fields;
}

QString TableDifference::Kind() const {
    // The field names begin with their kind: "header.", "digital ", "customize ", "feed ".
    const qsizetype end = field.name.indexOf(QRegularExpression(QStringLiteral("[ .]")));
    return end < 0 ? field.name : field.name.left(end);
}

QString TableDifference::Line() const {
    const QString prefix = table != 0 ? QStringLiteral("table %1: ").arg(table) : QString();
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

} // namespace vokg
