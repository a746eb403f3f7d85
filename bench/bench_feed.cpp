// The feed windows and sheets over the sample's table 1 beside table 2: the "each pitch" window
// (201 rows of six arrays and the comparison grid) opened with its first paint (offscreen), and
// the three pitch sheets saved as workbooks.
#include "bench/BenchServices.h"
#include "bench/GeneratedPackage.h"
#include "bench/WindowBenchMain.h"

#include "editors/EditorServices.h"
#include "editors/fOkuriParam2.h"
#include "export/FeedSheet.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CString.h"
#include "model/COkuris.h"
#include "shell/messages/Messages.h"
#include "shell/messages/ProgramSettings.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using BenchServices = bench::BenchServices;

struct Sample {
    QTemporaryDir folder;
    bench::SilentPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method;
    hlpkit::CString keys;
    vokg::COkuris user{vokg::ModelContext{method, messenger}};
    vokg::COkuris comparison{vokg::ModelContext{method, messenger}};
    BenchServices services;
    Sample() {
        const QString sample = QStringLiteral(VOKG_SOURCE_DIR "/samples/SAMPLE.DSG");
        if (!user.ReadData(sample, 1) || !comparison.ReadData(sample, 8193))
            qFatal("the sample's feed tables were not read");
    }
};

Sample& TheSample() {
    static Sample sample;
    return sample;
}

void BM_OpenEachPitchWindow(benchmark::State& state) {
    Sample& sample = TheSample();
    for (auto _ : state) {
        auto window = std::make_unique<vokg::fOkuriParam2>(sample.user, sample.comparison, sample.services,
                                                           sample.messenger, sample.method, sample.keys,
                                                           vokg::LoadMsg(572));
        window->resize(1000, 800);
        window->show();
        benchmark::DoNotOptimize(window->grab().cacheKey());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEachPitchWindow)->Unit(benchmark::kMillisecond);

void BM_SavePitchSheet(benchmark::State& state) {
    Sample& sample = TheSample();
    vokg::FeedSheetRequest request;
    request.keys = {vokg::LoadMsg(int(state.range(0)))};
    request.hasComparison = true;
    request.saveToFile = true;
    request.fileName = QDir(sample.folder.path()).filePath(QStringLiteral("pitch.xlsx"));
    vokg::FeedSheet sheet(sample.user, sample.comparison, sample.method);
    for (auto _ : state)
        if (!sheet.PrintToExcel2(request, {}))
            state.SkipWithError("the sheet was not saved");
}
// 572 "Setting of each pitch", 573 "Sending parameter X", 574 "Sending parameter Y".
BENCHMARK(BM_SavePitchSheet)->Arg(572)->Arg(573)->Arg(574)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWindowBenchmarks(argc, argv);
}
