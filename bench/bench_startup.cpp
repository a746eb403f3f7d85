// Start-up from the definition archive to loaded models, against merely extracting the same
// archive and reading and splitting its tables.
#include "bench/GeneratedPackage.h"

#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "platform/AnsiCodec.h"
#include "platform/ArchiveExtractor.h"
#include "platform/Prompter.h"
#include "shell/App.h"
#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kDigitals = 3000;
constexpr int kSignals = 100;
constexpr int kFunctions = 255;

struct Package {
    QTemporaryDir sources;
    QTemporaryDir extracted;
    QString archive;
    Package() {
        bench::WritePackage(sources.path(), kDigitals, kSignals, kFunctions);
        archive = QDir(sources.path()).filePath(QStringLiteral("VOKG_SET.e"));
        if (!bench::PackWithLha(sources.path(), archive))
            qFatal("the lha tool is needed to pack the generated package");
    }
};

Package& SharedPackage() {
    static Package package;
    return package;
}

void BM_StartupFromArchive(benchmark::State& state) {
    Package& package = SharedPackage();
    bench::SilentPrompter prompter;
    for (auto _ : state) {
        auto app = std::make_unique<vokg::App>(
            prompter, vokg::ProgramIdentity{package.extracted.path(), QStringLiteral("VOKG_SET")});
        app->CreateActiveX();
        vokg::Startup startup(*app);
        const vokg::DefinitionSource source{package.archive, package.extracted.path(), true};
        if (!startup.LoadDefinitionTables(source))
            state.SkipWithError("the definitions did not load");
        benchmark::DoNotOptimize(app->Modes().AllDititalCount());
        // Releasing the objects belongs to the exit, not to the start.
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupFromArchive)->Unit(benchmark::kMillisecond);

// The same without the archive: the tables are read where they lie.
void BM_StartupFromExtractedTables(benchmark::State& state) {
    Package& package = SharedPackage();
    bench::SilentPrompter prompter;
    for (auto _ : state) {
        auto app = std::make_unique<vokg::App>(
            prompter, vokg::ProgramIdentity{package.sources.path(), QStringLiteral("VOKG_SET")});
        app->CreateActiveX();
        vokg::Startup startup(*app);
        if (!startup.LoadDefinitionTables(vokg::DefinitionSource{QString(), package.sources.path(), false}))
            state.SkipWithError("the definitions did not load");
        benchmark::DoNotOptimize(app->Modes().AllDititalCount());
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupFromExtractedTables)->Unit(benchmark::kMillisecond);

void BM_ExtractOnly(benchmark::State& state) {
    Package& package = SharedPackage();
    for (auto _ : state) {
        const auto result = platform::ArchiveExtractor::ExtractAll(package.archive, package.extracted.path());
        if (!result.ok)
            state.SkipWithError("extraction failed");
    }
}
BENCHMARK(BM_ExtractOnly)->Unit(benchmark::kMillisecond);

void BM_ReadAndSplitOnly(benchmark::State& state) {
    Package& package = SharedPackage();
    const QDir folder(package.sources.path());
    for (auto _ : state) {
        qsizetype fields = 0;
        for (int n = 1; n <= 7; ++n) {
            QFile file(folder.filePath(QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'))));
            file.open(QIODevice::ReadOnly);
            const QString text = platform::AnsiCodec::Decode(file.readAll());
            for (const QStringView line : QStringView(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
                fields += line.split(QLatin1Char('\t')).size();
        }
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_ReadAndSplitOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Failures would open boxes; here they go to standard error.
    hlpkit::CMethod::SetErrorBox([](const QString&, const QString& text) { qFatal("%s", qPrintable(text)); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
