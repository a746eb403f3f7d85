#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"

#include "model/CCusSelection.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/CSelection.h"
#include "model/CSelections.h"

#include <cstdio>

namespace vokg::cli {
namespace {

void WriteSignal(JsonWriter& json, const CCustom& row) {
    json.BeginObject()
        .Field(QStringLiteral("location"), row.Location())
        .Field(QStringLiteral("category"), row.Category())
        .Field(QStringLiteral("kino_address"), row.KinoAdrs())
        .Field(QStringLiteral("logic_address"), row.LogicAdrs())
        .Field(QStringLiteral("dosa_address"), row.DosaAdrs());
    if (row.INOUT() == 1) {
        json.Field(QStringLiteral("on_delay_address"), row.OnDelayTimeAdrs())
            .Field(QStringLiteral("off_delay_address"), row.OffDelayTimeAdrs())
            .Field(QStringLiteral("chopping_on_address"), row.ChoppingOnTimeAdrs())
            .Field(QStringLiteral("chopping_off_address"), row.ChoppingOffTimeAdrs())
            .Field(QStringLiteral("zenpa_address"), row.ZenpaTimeAdrs());
    }
    json.EndObject();
}

void WriteFunctions(JsonWriter& json, const CCusSelections& functions) {
    json.BeginArray();
    for (int index = 1; index <= functions.Count(); ++index) {
        const CCusSelection& function = *functions.Item(index);
        json.BeginObject()
            .Field(QStringLiteral("name"), function.Ditigal())
            .Field(QStringLiteral("value"), function.Value())
            .Field(QStringLiteral("advice"), function.Advice())
            .EndObject();
    }
    json.EndArray();
}

} // namespace

int DefsCommand(CliSession& session, const QStringList& arguments) {
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: vokg-cli [--defs DIR] defs\n");
        return kUsage;
    }
    if (!session.LoadDefinitions())
        return kDefinitions;
    App& app = session.Application();
    JsonWriter json;
    json.BeginObject().Key(QStringLiteral("modes")).BeginArray();
    const CModes& modes = app.Modes();
    for (int m = 1; m <= modes.Count(); ++m) {
        const CMode& mode = *modes.Item(m);
        json.BeginObject()
            .Field(QStringLiteral("name"), mode.ModeName())
            .Key(QStringLiteral("digitals"))
            .BeginArray();
        const CDigitals& digitals = mode.Digits();
        for (int d = 1; d <= digitals.Count(); ++d) {
            const CDigital& digital = *digitals.Item(d);
            json.BeginObject()
                .Field(QStringLiteral("digital"), digital.digital())
                .Field(QStringLiteral("type"), digital.InputType())
                .Field(QStringLiteral("unit"), digital.Unit())
                .Field(QStringLiteral("min"), digital.Min())
                .Field(QStringLiteral("max"), digital.Max())
                .Field(QStringLiteral("min_name"), digital.MinString())
                .Field(QStringLiteral("max_name"), digital.MaxString())
                .Field(QStringLiteral("advice"), digital.Advice())
                .Field(QStringLiteral("detail"), digital.DetailAdvice())
                .Field(QStringLiteral("address"), digital.RamAddress())
                .Field(QStringLiteral("size"), digital.RamSize())
                .Key(QStringLiteral("selections"))
                .BeginArray();
            const CSelections& selections = digital.Selections();
            for (int s = 1; s <= selections.Count(); ++s) {
                const CSelection& selection = *selections.Item(s);
                json.BeginObject()
                    .Field(QStringLiteral("text"), selection.Selection())
                    .Field(QStringLiteral("value"), selection.Value())
                    .EndObject();
            }
            json.EndArray().EndObject();
        }
        json.EndArray().EndObject();
    }
    json.EndArray();

    const CCustoms& customs = app.UserCustoms();
    json.Key(QStringLiteral("inputs")).BeginArray();
    for (int index = 1; index <= customs.Count(); ++index)
        if (customs.Item(index)->INOUT() == 0)
            WriteSignal(json, *customs.Item(index));
    json.EndArray().Key(QStringLiteral("outputs")).BeginArray();
    for (int index = 1; index <= customs.Count(); ++index)
        if (customs.Item(index)->INOUT() == 1)
            WriteSignal(json, *customs.Item(index));
    json.EndArray();
    json.Key(QStringLiteral("input_functions"));
    WriteFunctions(json, app.InputSelections());
    json.Key(QStringLiteral("output_functions"));
    WriteFunctions(json, app.OutputSelections());
    json.EndObject();
    json.Print();
    return kOk;
}

} // namespace vokg::cli
