// The customize window and sheet over 2,000 generated output signals: opening the "All
// outputs" window (fill, comparison, marks and the first paint, offscreen) and saving the output
// sheet of every row. The rows are built in code: a definition package this large could not
// load, its addresses would share bytes of the 8192-byte table.
#include "bench/BenchServices.h"
#include "bench/GeneratedPackage.h"
#include "bench/WindowBenchMain.h"

#include "editors/EditorServices.h"
#include "editors/fCustomize.h"
#include "export/CustomizeSheet.h"
#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "platform/gui/Grid.h"
#include "shell/messages/Messages.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kSignals = 2000;
constexpr int kFunctions = 200;
const char* const kGroups[] = {"Standard output", "TE BOARD output", "I/O BOARD No.1 output",
                               "I/O BOARD No.2 output", "I/O BOARD No.3 output"};

using WindowServices = bench::BenchServices;

// 2,000 outputs in five groups with every kind of setting; one in seven differs from its
// comparison row, every third has a free duty.
struct GeneratedSignals {
    bench::SilentPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method;
    vokg::ModelContext context{method, messenger};
    vokg::CCustoms user{context};
    vokg::CCustoms comparison{context};
    vokg::CCusSelections inputs{context};
    vokg::CCusSelections outputs{context};
    WindowServices services;
    QTemporaryDir folder;

    GeneratedSignals() {
        for (int value = 0; value < kFunctions; ++value)
            outputs.Add(QStringLiteral("F%1").arg(value), qint16(value),
                        QStringLiteral("Function number %1").arg(value));
        inputs.Add(QStringLiteral("NONE"), 0, QStringLiteral("No function"));
        for (int n = 0; n < kSignals; ++n) {
            const QString location = QStringLiteral("O%1").arg(n + 1);
            const QString group = QString::fromLatin1(kGroups[n * 5 / kSignals]);
            for (vokg::CCustoms* set : {&user, &comparison}) {
                vokg::CCustom& row = set->Add(location, {}, group, 0, 0, 0, 0, 0, 0, 0, 0);
                row.SetKino(n % kFunctions);
                row.SetLogic(n % 2);
                row.SetDosa((n / 2) % 2);
                row.SetOnDelayTime(n);
                row.SetOffDelayTime(2 * n);
                row.SetChoppingOnTime(n % 3 == 0 ? 30 : 20);
                row.SetChoppingOffTime(n % 3 == 0 ? 70 : 20);
                row.SetZenpaTime(n % 500);
            }
            if (n % 7 == 0)
                comparison.Item(location)->SetOnDelayTime(n + 1);
        }
    }
};

GeneratedSignals& Signals() {
    static GeneratedSignals generated;
    return generated;
}

void BM_OpenAllOutputs(benchmark::State& state) {
    GeneratedSignals& data = Signals();
    for (auto _ : state) {
        auto window = std::make_unique<vokg::fCustomize>(
            vokg::CustomizeData{data.user, data.comparison, data.inputs, data.outputs}, data.services,
            data.messenger, data.method, QStringLiteral("All outputs"));
        window->resize(1400, 800);
        window->show();
        benchmark::DoNotOptimize(window->grab().cacheKey());
        state.PauseTiming();
        state.counters["rows"] = window->fg()->Rows() - 1;
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAllOutputs)->Unit(benchmark::kMillisecond);

void BM_SaveOutputSheet(benchmark::State& state) {
    GeneratedSignals& data = Signals();
    vokg::CustomizeSheetRequest request;
    request.fileName = data.folder.filePath(QStringLiteral("outputs.xlsx"));
    request.hasComparison = true;
    for (const char* group : kGroups)
        request.selectedGroups << QString::fromLatin1(group);
    request.inout = 1;
    request.saveToFile = true;
    vokg::CustomizeSheet sheet(data.user, data.comparison, data.inputs, data.outputs, data.method);
    for (auto _ : state) {
        if (!sheet.PrintToExcelCustomize(request, {}))
            state.SkipWithError("the sheet was not saved");
    }
    state.counters["rows"] = kSignals;
}
BENCHMARK(BM_SaveOutputSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWindowBenchmarks(argc, argv);
}
