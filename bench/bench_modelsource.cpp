// The firmware C-source fill: 5,000 digitals with a 12,000-line template, and both doubled. The
// model objects are built here in code: a definition package can place only about 3,000
// digitals in one 8192-byte table without two of them sharing a byte, which loading refuses.
#include "bench/GeneratedPackage.h"

#include "export/ModelSourceExport.h"
#include "hlpkit/CMethod.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/AnsiCodec.h"
#include "shell/messages/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kDigitalsPerMode = 100;
constexpr int kSignalsPerKind = 40;

// The model of one size and a template that fills completely: one line per digital (every
// tenth name is used again in the next mode, so the n-th-occurrence rule is at work), the signal
// blocks, the feed lines, and comment lines up to the wanted length.
struct Setup {
    hlpkit::CMethod method;
    bench::SilentPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    vokg::ModelContext Context() { return {method, messenger}; }
    vokg::CModes modes{Context()};
    vokg::CCustoms customs{Context()};
    vokg::COkuris okuris{Context()};
    QStringList lines;

    Setup(int digitals, int templateLines) {
        const QString value = QStringLiteral(u"[値]");
        const int blockLines = kSignalsPerKind * (4 + 10);
        const int feedLines = 22 + 7;
        const int comments = templateLines - 1 - digitals - blockLines - feedLines;
        int commentsWritten = 0;
        lines.append(QStringLiteral(u"/* zrdl_G[機種].c section [セクション番号] */"));
        for (int n = 0; n < digitals; ++n) {
            if (n % kDigitalsPerMode == 0)
                modes.Add(QStringLiteral("MODE%1").arg(n / kDigitalsPerMode));
            vokg::CMode& mode = *modes.Item(modes.Count());
            const QString name = n % 10 == 0 && n >= kDigitalsPerMode
                                     ? QStringLiteral("D%1").arg(n - kDigitalsPerMode)
                                     : QStringLiteral("D%1").arg(n);
            mode.Digits()
                .Add(name, QStringLiteral("NUM"), {}, QStringLiteral("0"), QStringLiteral("9999"), {}, {}, 0,
                     2)
                .SetUserValue(n % 10000);
            lines.append(QStringLiteral("    %1, /* [%2] %3 */").arg(value, name, mode.ModeName()));
            // Comments spread evenly between the parameter lines, with parts of keys in them.
            for (; commentsWritten < qint64(comments) * (n + 1) / digitals; ++commentsWritten)
                lines.append(QStringLiteral("/* comment %1: gst_out_ D[ gus_x_ */").arg(commentsWritten));
        }
        for (int signal = 1; signal <= kSignalsPerKind; ++signal) {
            customs.AddInput(QStringLiteral("I%1").arg(signal), {}, {}, 0, 0, 0).SetKino(signal);
            lines.append(QStringLiteral("/* gst_inp_I%1_ */").arg(signal));
            for (int setting = 0; setting < 3; ++setting)
                lines.append(QStringLiteral("    %1,").arg(value));
        }
        for (int signal = 1; signal <= kSignalsPerKind; ++signal) {
            customs.Add(QStringLiteral("O%1").arg(signal), {}, {}, 0, 0, 0, 0, 0, 0, 0, 0).SetKino(signal);
            lines.append(QStringLiteral("/* gst_out_O%1_ */").arg(signal));
            for (int setting = 1; setting <= 9; ++setting)
                lines.append(setting == 4 ? QStringLiteral("    0,") : QStringLiteral("    %1,").arg(value));
        }
        for (const QString& key : vokg::COkuris::AxisKeys() + vokg::COkuris::LongKeys())
            lines.append(
                QStringLiteral("const ushort %1[] = { %2 };").arg(vokg::COkuris::CIdentifier(key), value));
        for (int other = 0; other < 7; ++other)
            lines.append(
                QStringLiteral("ushort %1 = %2;").arg(vokg::COkuris::OtherValueCIdentifier(other), value));
    }
};

void BM_FillTemplate(benchmark::State& state) {
    Setup setup(int(state.range(0)), int(state.range(1)));
    vokg::ModelSourceExport exporter(setup.modes, setup.customs, setup.okuris, setup.Context());
    for (auto _ : state) {
        vokg::ModelSourceResult result =
            exporter.Fill({setup.lines, QStringLiteral("VK-2300"), QStringLiteral("1")});
        if (!result.succeeded)
            state.SkipWithError("the template did not fill");
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = double(setup.lines.size());
}
BENCHMARK(BM_FillTemplate)->Args({5000, 12000})->Args({10000, 24000})->Unit(benchmark::kMillisecond);

// The whole create: read the template file, fill, compose the code page 932 bytes, write the
// new file beside the old one and rename it over.
void BM_CreateFile(benchmark::State& state) {
    Setup setup(int(state.range(0)), int(state.range(1)));
    QTemporaryDir folder;
    const QString templatePath = QDir(folder.path()).filePath(QStringLiteral("zrdl_Model.c"));
    QFile file(templatePath);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the template");
    for (const QString& line : setup.lines)
        file.write(platform::AnsiCodec::EncodeStrict(line).value() + "\r\n");
    file.close();
    vokg::ModelSourceExport exporter(setup.modes, setup.customs, setup.okuris, setup.Context());
    const QString output = QDir(folder.path()).filePath(QStringLiteral(u"zrdl_G[機種].c"));
    for (auto _ : state) {
        if (!exporter.Create(templatePath, output, QStringLiteral("VK-2300"), QStringLiteral("1")).succeeded)
            state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_CreateFile)->Args({5000, 12000})->Args({10000, 24000})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
