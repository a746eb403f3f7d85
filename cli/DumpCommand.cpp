#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/TableAccess.h"

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
#include "shell/FileOpen.h"

#include <QFileInfo>

#include <cstdio>

namespace vokg::cli {
namespace {

constexpr const char* kDumpUsage =
    "usage: vokg-cli [--defs DIR] dump FILE[:TABLE] [--password PW] [--special PW] [--manufacturer PW]\n";

void WriteArray(JsonWriter& json, const QString& key, const QList<int>& values) {
    json.Key(key).BeginArray();
    for (int value : values)
        json.Value(value);
    json.EndArray();
}

void WriteDigitals(JsonWriter& json, const CModes& modes, bool special, bool manufacturer) {
    json.Key(QStringLiteral("digitals")).BeginArray();
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CMode& mode = *modes.Item(m);
        if (!IsModeUnlocked(mode.ModeName(), special, manufacturer))
            continue;
        const CDigitals& digitals = mode.Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d) {
            const CDigital& digital = *digitals.Item(d);
            json.BeginObject()
                .Field(QStringLiteral("mode"), mode.ModeName())
                .Field(QStringLiteral("digital"), digital.digital())
                .Field(QStringLiteral("type"), digital.InputType())
                .Field(QStringLiteral("value"), digital.UserValue());
            if (digital.InputType() == QLatin1String("SEL"))
                json.Field(QStringLiteral("text"), digital.Selections().GetSelection(digital.UserValue()));
            json.Field(QStringLiteral("min"), digital.Min())
                .Field(QStringLiteral("max"), digital.Max())
                .Field(QStringLiteral("unit"), digital.Unit())
                .EndObject();
        }
    }
    json.EndArray();
}

void WriteCustomize(JsonWriter& json, const CCustoms& customs) {
    json.Key(QStringLiteral("customize")).BeginArray();
    for (qsizetype index = 1; index <= customs.Count(); ++index) {
        const CCustom& row = *customs.Item(index);
        json.BeginObject()
            .Field(QStringLiteral("location"), row.Location())
            .Field(QStringLiteral("category"), row.Category())
            .Field(QStringLiteral("inout"), row.INOUT())
            .Field(QStringLiteral("kino"), row.Kino())
            .Field(QStringLiteral("logic"), row.Logic())
            .Field(QStringLiteral("dosa"), row.Dosa());
        if (row.INOUT() == 1) {
            qint32 on = row.ChoppingOnTime();
            qint32 off = row.ChoppingOffTime();
            QString duty;
            CCustoms::GetDutyInfo(1, row, on, off, duty);
            json.Field(QStringLiteral("on_delay"), row.OnDelayTime())
                .Field(QStringLiteral("off_delay"), row.OffDelayTime())
                .Field(QStringLiteral("chopping_on"), row.ChoppingOnTime())
                .Field(QStringLiteral("chopping_off"), row.ChoppingOffTime())
                .Field(QStringLiteral("duty"), duty)
                .Field(QStringLiteral("zenpa"), row.ZenpaTime());
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteFeed(JsonWriter& json, COkuris& feed) {
    json.Key(QStringLiteral("feed")).BeginObject();
    for (const QString& key : COkuris::AxisKeys())
        WriteArray(json, key, feed.GetArray(key));
    for (const QString& key : COkuris::LongKeys())
        WriteArray(json, key, feed.GetArray(key));
    WriteArray(json, QStringLiteral("other"), feed.GetArray(COkuris::OtherValuesKey()));
    json.Key(QStringLiteral("pitch")).BeginObject();
    for (const QString& key : COkuris::PitchKeys())
        WriteArray(json, key, feed.GetArray(key));
    json.EndObject().EndObject();
}

} // namespace

int DumpCommand(CliSession& session, const QStringList& arguments) {
    OneTable table;
    if (const int status = OpenOneTable(session, arguments, kDumpUsage, table); status != kOk)
        return status;

    App& app = session.Application();
    const bool design = FileOpen::IsDSG(table.spec.path);
    JsonWriter json;
    json.BeginObject()
        .Field(QStringLiteral("file"), QFileInfo(table.spec.path).absoluteFilePath())
        .Field(QStringLiteral("table"), table.spec.table)
        .Field(QStringLiteral("kind"), design ? "DSG" : "DAT")
        .Key(QStringLiteral("header"))
        .BeginObject()
        .Field(QStringLiteral("model"), app.Modes().KishuName())
        .Field(QStringLiteral("version"), app.Modes().DataVersion())
        .Field(QStringLiteral("author"), design ? app.SelectTable().Author() : QString())
        .Field(QStringLiteral("protected"), design && app.SelectTable().IsProtected())
        .EndObject();
    WriteDigitals(json, app.Modes(), table.special, table.manufacturer);
    WriteCustomize(json, app.UserCustoms());
    WriteFeed(json, app.UserOkuris());
    json.EndObject();
    json.Print();
    return kOk;
}

} // namespace vokg::cli
