// Reading and decoding all 16 tables of a machine data file with a 3,000-digital package,
// against a bare loop that reads the same bytes at the same offsets.
#include "bench/GeneratedPackage.h"

#include "hlpkit/CMethod.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/TableFile.h"
#include "platform/Prompter.h"
#include "shell/App.h"
#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Fixture {
    QTemporaryDir folder;
    bench::SilentPrompter prompter;
    vokg::App app{prompter, vokg::ProgramIdentity{folder.path(), QStringLiteral("VOKG_BENCH")}};
    QString dataFile;

    Fixture() {
        bench::WritePackage(folder.path(), 3000, 100, 255);
        app.CreateActiveX();
        if (!vokg::Startup(app).LoadDefinitionTables(vokg::DefinitionSource{QString(), folder.path(), false}))
            qFatal("the generated package did not load");
        QByteArray bytes(vokg::kMachineFileSize, '\0');
        QRandomGenerator generator(7);
        for (char& byte : bytes)
            byte = static_cast<char>(generator.bounded(0, 0x80)); // feed words stay below 0x8000
        dataFile = QDir(folder.path()).filePath(QStringLiteral("VOKG0001.dat"));
        QFile file(dataFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the data file");
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_ReadAllTablesThroughTheModel(benchmark::State& state) {
    Fixture& fixture = Shared();
    vokg::App& app = fixture.app;
    const vokg::OpeningState opening{true, false};
    for (auto _ : state) {
        for (int table = 1; table <= 16; ++table) {
            const qint64 position = vokg::TablePosition(table);
            if (!app.Modes().ReadDataDigitals(vokg::FileKind::User, fixture.dataFile, position, opening) ||
                !app.UserCustoms().ReadDataCustomize(fixture.dataFile, position) ||
                !app.UserOkuris().ReadData(fixture.dataFile, position))
                state.SkipWithError("a table did not read");
        }
    }
    state.counters["per_table_us"] =
        benchmark::Counter(16, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
                           benchmark::Counter::kIs1000);
}
BENCHMARK(BM_ReadAllTablesThroughTheModel)->Unit(benchmark::kMillisecond);

// The same file reads, the same bytes at the same offsets, summed: no model, no checks.
void BM_BareLoopSameBytes(benchmark::State& state) {
    Fixture& fixture = Shared();
    struct Field {
        int address;
        int size;
    };
    std::vector<Field> fields;
    for (const vokg::CMode& mode : fixture.app.Modes())
        for (const vokg::CDigital& digital : mode.Digits())
            fields.push_back({digital.RamAddress(), digital.RamSize()});
    std::vector<int> customAddresses;
    for (const vokg::CCustom& row : fixture.app.UserCustoms()) {
        customAddresses.insert(customAddresses.end(), {row.KinoAdrs(), row.LogicAdrs(), row.DosaAdrs()});
        if (row.INOUT() == 1)
            customAddresses.insert(customAddresses.end(),
                                   {row.OnDelayTimeAdrs(), row.OnDelayTimeAdrs() + 1, row.OffDelayTimeAdrs(),
                                    row.OffDelayTimeAdrs() + 1, row.ChoppingOnTimeAdrs(),
                                    row.ChoppingOnTimeAdrs() + 1, row.ChoppingOffTimeAdrs(),
                                    row.ChoppingOffTimeAdrs() + 1, row.ZenpaTimeAdrs(),
                                    row.ZenpaTimeAdrs() + 1});
    }
    for (auto _ : state) {
        qint64 sum = 0;
        for (int table = 1; table <= 16; ++table) {
            // One read of the table for the values, one for the customize bytes, one for the feed
            // table: as many file reads as the model makes.
            for (int pass = 0; pass < 3; ++pass) {
                QFile file(fixture.dataFile);
                file.open(QIODevice::ReadOnly);
                file.seek(qint64(table - 1) * vokg::kTableSize);
                const QByteArray bytes = file.read(vokg::kTableSize);
                const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
                if (pass == 0)
                    for (const Field& field : fields)
                        sum += field.size == 2 ? data[field.address] * 256 + data[field.address + 1]
                                               : data[field.address];
                else if (pass == 1)
                    for (int address : customAddresses)
                        sum += data[address];
                else
                    for (int offset = 4096; offset < 6864; ++offset)
                        sum += data[offset];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BareLoopSameBytes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    hlpkit::CMethod::SetErrorBox([](const QString&, const QString& text) { qFatal("%s", qPrintable(text)); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
