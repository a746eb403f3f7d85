// The all-modes parameter window over a 3,000-digital package: opening it (fill, marks and the
// first paint, offscreen), switching the "Different" row filter on and off again, and one typed
// edit with the step of the window's history it makes, its undo, and the cells a step compares.
#include "bench/BenchServices.h"
#include "bench/GeneratedPackage.h"
#include "bench/WindowBenchMain.h"

#include "editors/EditStep.h"
#include "editors/EditorServices.h"
#include "editors/fParam.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "platform/Prompter.h"
#include "platform/gui/Grid.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "shell/messages/ProgramSettings.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kDigitals = 3000;
constexpr int kSignals = 100;
constexpr int kFunctions = 255;

using BenchServices = bench::BenchServices;

// The package loaded once, with one digital in ten differing from its comparison value.
struct LoadedPackage {
    QTemporaryDir folder;
    bench::SilentPrompter prompter;
    std::unique_ptr<vokg::App> app;
    BenchServices services;
    LoadedPackage() {
        bench::WritePackage(folder.path(), kDigitals, kSignals, kFunctions);
        app = std::make_unique<vokg::App>(prompter,
                                          vokg::ProgramIdentity{folder.path(), QStringLiteral("VOKG_SET")});
        app->CreateActiveX();
        vokg::Startup startup(*app);
        if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), folder.path(), false}))
            qFatal("the generated package did not load");
        int n = 0;
        for (vokg::CMode& mode : app->Modes()) {
            for (vokg::CDigital& digital : mode.Digits())
                digital.SetCmpValue(n++ % 10 == 0 ? digital.UserValue() + 1 : digital.UserValue());
        }
    }
    std::unique_ptr<vokg::fParam> Open() {
        auto window = std::make_unique<vokg::fParam>(app->Modes(), services, app->Messages(), app->Method(),
                                                     vokg::fParam::AllModesName());
        window->resize(1200, 800);
        window->show();
        return window;
    }
};

LoadedPackage& Package() {
    static LoadedPackage package;
    return package;
}

void BM_OpenAllModes(benchmark::State& state) {
    LoadedPackage& package = Package();
    for (auto _ : state) {
        std::unique_ptr<vokg::fParam> window = package.Open();
        benchmark::DoNotOptimize(window->grab().cacheKey());
        state.PauseTiming();
        state.counters["rows"] = window->fg()->Rows() - 1;
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAllModes)->Unit(benchmark::kMillisecond);

void BM_FilterDifferent(benchmark::State& state) {
    LoadedPackage& package = Package();
    std::unique_ptr<vokg::fParam> window = package.Open();
    window->grab();
    for (auto _ : state) {
        window->SetFilter(vokg::fParam::ShowDifferent);
        benchmark::DoNotOptimize(window->grab().cacheKey());
        state.PauseTiming();
        state.counters["shown"] = window->VisibleLines();
        window->SetFilter(vokg::fParam::ShowAll);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FilterDifferent)->Unit(benchmark::kMillisecond);

void BM_FilterBackToAll(benchmark::State& state) {
    LoadedPackage& package = Package();
    std::unique_ptr<vokg::fParam> window = package.Open();
    window->grab();
    for (auto _ : state) {
        state.PauseTiming();
        window->SetFilter(vokg::fParam::ShowDifferent);
        state.ResumeTiming();
        window->SetFilter(vokg::fParam::ShowAll);
        benchmark::DoNotOptimize(window->grab().cacheKey());
    }
}
BENCHMARK(BM_FilterBackToAll)->Unit(benchmark::kMillisecond);

// Types `text` into the value cell of `row` through the grid's editor and commits it.
void TypeValue(vokg::fParam& window, int row, const QString& text) {
    platform::Grid& grid = *window.fg();
    grid.Select(row, vokg::fParam::ColUser);
    if (!grid.EditCell())
        qFatal("no editor opened");
    grid.SetEditText(text);
    if (!grid.FinishEditing())
        qFatal("the value was refused");
}

// A row in the middle of the window whose digital takes a number.
int NumberRow(const vokg::fParam& window) {
    for (int row = window.fg()->Rows() / 2; row < window.fg()->Rows(); ++row)
        if (window.Rows().At(row - 1).digital->InputType() == QLatin1String("NUM"))
            return row;
    qFatal("no number row");
}

void BM_TypedEditStep(benchmark::State& state) {
    LoadedPackage& package = Package();
    std::unique_ptr<vokg::fParam> window = package.Open();
    const int row = NumberRow(*window);
    int value = 0;
    for (auto _ : state)
        TypeValue(*window, row, QString::number(++value % 2 + 5));
    state.counters["steps"] = window->UndoStack()->count();
}
BENCHMARK(BM_TypedEditStep)->Unit(benchmark::kMillisecond);

void BM_UndoRedoStep(benchmark::State& state) {
    LoadedPackage& package = Package();
    std::unique_ptr<vokg::fParam> window = package.Open();
    TypeValue(*window, NumberRow(*window), QStringLiteral("7"));
    for (auto _ : state) {
        window->UndoStack()->undo();
        window->UndoStack()->redo();
    }
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMillisecond);

void BM_SnapshotOfTheWindow(benchmark::State& state) {
    LoadedPackage& package = Package();
    std::unique_ptr<vokg::fParam> window = package.Open();
    for (auto _ : state)
        benchmark::DoNotOptimize(vokg::EditStep::Take(*window));
    state.counters["cells"] = double(window->UserCells().size());
}
BENCHMARK(BM_SnapshotOfTheWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWindowBenchmarks(argc, argv);
}
