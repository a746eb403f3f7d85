// The firmware C source filled from a template, over the sample machine and table 1 of the
// sample design file. Any template either fills, giving one output line for every template line
// with each line that holds no "[" byte for byte as it was, or fails with a message and writes
// nothing.

#include "fuzz/FuzzSupport.h"

#include "export/ModelSourceExport.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/TableFile.h"

#include <QDir>
#include <QFile>

#include <memory>

using fuzzing::Harness;
using fuzzing::Require;
using namespace vokg;

namespace {

struct Model {
    explicit Model(ModelContext context) : modes(context), customs(context), okuris(context) {}
    CModes modes;
    CCustoms customs;
    COkuris okuris;
};

std::unique_ptr<Model> model;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Harness& harness = fuzzing::TheHarness();
    model = std::make_unique<Model>(harness.Context());
    const QString samples = Harness::SampleDefinitions();
    const QString table = Harness::SourceFile(QStringLiteral("samples/SAMPLE.DSG"));
    Require(model->modes.ReadSet01e(samples) && model->modes.ReadSet02e(samples) &&
                model->modes.ReadSet03e(samples) && model->customs.ReadSet04e(samples) &&
                model->customs.ReadSet05e(samples),
            "the sample definitions load");
    Require(
        model->modes.ReadDataDigitals(FileKind::User, table, TablePosition(1), OpeningState{true, false}) &&
            model->customs.ReadDataCustomize(table, TablePosition(1)) &&
            model->okuris.ReadData(table, TablePosition(1)),
        "the sample table reads");
    Require(QDir(harness.scratch.path()).mkpath(QStringLiteral("out")), "the output folder is made");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness& harness = fuzzing::TheHarness();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString templatePath = harness.WriteScratch(QStringLiteral("zrdl_Model.c"), bytes);
    const QString outFolder = harness.ScratchPath(QStringLiteral("out"));
    const QString output = outFolder + QStringLiteral("/zrdl_GVK-2300.c");
    QFile::remove(output);

    ModelSourceExport exporter(model->modes, model->customs, model->okuris, harness.Context());
    const ModelSourceResult result =
        exporter.Create(templatePath, outFolder + QStringLiteral("/zrdl_G[機種].c"),
                        QStringLiteral("VK-2300"), QStringLiteral("3"));
    const QStringList left =
        QDir(outFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!result.succeeded) {
        Require(result.failure.has_value(), "a template that does not fill fails with a message");
        Require(left.isEmpty(), "a template that does not fill writes nothing", left.join(u' '));
        harness.TakeReports();
        return 0;
    }
    Require(left == QStringList{QStringLiteral("zrdl_GVK-2300.c")}, "a filled template writes its one file",
            left.join(u' '));
    QFile file(output);
    Require(file.open(QIODevice::ReadOnly), "the written file reads");
    const QByteArray written = file.readAll();
    file.close();
    const ModelSourceTemplate original = ModelSourceExport::SplitLines(bytes);
    Require(written.endsWith("\r\n"), "every written line ends in CR LF");
    QList<QByteArray> lines = written.split('\n');
    lines.removeLast();
    Require(lines.size() == original.bytes.size(), "one written line for every template line",
            QStringLiteral("%1 for %2").arg(lines.size()).arg(original.bytes.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Require(lines[i].endsWith('\r'), "every written line ends in CR LF");
        lines[i].chop(1);
        if (!original.bytes[i].contains('['))
            Require(lines[i] == original.bytes[i], "a line without a keyword is written as it was read",
                    QString::number(i + 1));
    }
    Require(QFile::remove(output), "the written file is removed");
    harness.TakeReports();
    return 0;
}
